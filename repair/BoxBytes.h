#pragma once
// Building the boxes of a new index: big-endian fields and boxes around payloads.

#include <cstdint>
#include <string>
#include <vector>

using ByteString = std::vector<std::uint8_t>;

inline void PutU16(ByteString& b, std::uint32_t v)
{
    b.push_back(std::uint8_t(v >> 8));
    b.push_back(std::uint8_t(v));
}

inline void PutU32(ByteString& b, std::uint32_t v)
{
    for (int shift = 24; shift >= 0; shift -= 8)
        b.push_back(std::uint8_t(v >> shift));
}

inline void PutU64(ByteString& b, std::uint64_t v)
{
    PutU32(b, std::uint32_t(v >> 32));
    PutU32(b, std::uint32_t(v));
}

inline void SetU32(ByteString& b, std::size_t at, std::uint32_t v)
{
    if (at + 4 > b.size())
        return;
    for (int i = 0; i < 4; ++i)
        b[at + i] = std::uint8_t(v >> (24 - 8 * i));
}

inline void SetU64(ByteString& b, std::size_t at, std::uint64_t v)
{
    SetU32(b, at, std::uint32_t(v >> 32));
    SetU32(b, at + 4, std::uint32_t(v));
}

inline std::uint32_t GetU32(const ByteString& b, std::size_t at)
{
    if (at + 4 > b.size())
        return 0;
    return (std::uint32_t(b[at]) << 24) | (std::uint32_t(b[at + 1]) << 16) | (std::uint32_t(b[at + 2]) << 8) | b[at + 3];
}

inline void Append(ByteString& b, const ByteString& more)
{
    b.insert(b.end(), more.begin(), more.end());
}

inline ByteString Box(const char* type, const ByteString& payload)
{
    ByteString b;
    PutU32(b, static_cast<std::uint32_t>(payload.size() + 8));
    b.insert(b.end(), type, type + 4);
    Append(b, payload);
    return b;
}

// A full box: version 0, no flags, then the payload.
inline ByteString FullBox(const char* type, const ByteString& payload)
{
    ByteString b;
    PutU32(b, 0);
    Append(b, payload);
    return Box(type, b);
}
