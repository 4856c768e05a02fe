#pragma once
// Byte building for the recorder-file writer: big- and little-endian fields,
// QuickTime atoms and RIFF chunks.

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

using Bytes = std::vector<std::uint8_t>;

inline void PutBE16(Bytes& b, std::uint32_t v)
{
    b.push_back(std::uint8_t(v >> 8));
    b.push_back(std::uint8_t(v));
}

inline void PutBE32(Bytes& b, std::uint32_t v)
{
    for (int shift = 24; shift >= 0; shift -= 8)
        b.push_back(std::uint8_t(v >> shift));
}

inline void PutLE16(Bytes& b, std::uint32_t v)
{
    b.push_back(std::uint8_t(v));
    b.push_back(std::uint8_t(v >> 8));
}

inline void PutLE32(Bytes& b, std::uint32_t v)
{
    for (int shift = 0; shift <= 24; shift += 8)
        b.push_back(std::uint8_t(v >> shift));
}

inline void PutText(Bytes& b, const std::string& text)
{
    b.insert(b.end(), text.begin(), text.end());
}

inline void PutBytes(Bytes& b, const Bytes& more)
{
    b.insert(b.end(), more.begin(), more.end());
}

inline void PutZeros(Bytes& b, std::size_t count)
{
    b.insert(b.end(), count, 0);
}

inline std::uint32_t GetBE32(const Bytes& b, std::size_t at)
{
    return (std::uint32_t(b[at]) << 24) | (std::uint32_t(b[at + 1]) << 16) | (std::uint32_t(b[at + 2]) << 8) | b[at + 3];
}

inline std::uint32_t GetLE32(const Bytes& b, std::size_t at)
{
    return (std::uint32_t(b[at + 3]) << 24) | (std::uint32_t(b[at + 2]) << 16) | (std::uint32_t(b[at + 1]) << 8) | b[at];
}

inline void SetBE32(Bytes& b, std::size_t at, std::uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        b[at + i] = std::uint8_t(v >> (24 - 8 * i));
}

inline std::string FourCC(const Bytes& b, std::size_t at)
{
    return std::string(reinterpret_cast<const char*>(&b[at]), 4);
}

// A QuickTime atom: 32-bit big-endian size, type, payload.
inline Bytes Atom(const std::string& type, const Bytes& payload)
{
    Bytes b;
    PutBE32(b, static_cast<std::uint32_t>(payload.size() + 8));
    PutText(b, type);
    PutBytes(b, payload);
    return b;
}

// A RIFF chunk: id, 32-bit little-endian size, data, a pad byte to an even size.
inline Bytes Chunk(const std::string& id, const Bytes& data)
{
    Bytes b;
    PutText(b, id);
    PutLE32(b, static_cast<std::uint32_t>(data.size()));
    PutBytes(b, data);
    if (data.size() % 2)
        b.push_back(0);
    return b;
}

inline Bytes List(const std::string& type, const Bytes& children)
{
    Bytes data;
    PutText(data, type);
    PutBytes(data, children);
    return Chunk("LIST", data);
}

// One idx1 entry: chunk id, flags, offset of the chunk's header, data length.
inline void AddIndexEntry(Bytes& idx1, const std::string& id, std::uint32_t flags, std::size_t offset,
                          std::size_t length)
{
    PutText(idx1, id);
    PutLE32(idx1, flags);
    PutLE32(idx1, static_cast<std::uint32_t>(offset));
    PutLE32(idx1, static_cast<std::uint32_t>(length));
}

bool ReadWholeFile(const std::string& path, Bytes& out);
bool WriteWholeFile(const std::string& path, const Bytes& bytes);
