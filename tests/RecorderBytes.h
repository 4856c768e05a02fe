#pragma once
// Small recorder containers built byte by byte, for reader tests that need a
// layout or a fault that the recorder-file writer would never produce.

#include "tools/mkrec_bytes.h"

#include <string>
#include <vector>

inline Bytes FullBoxBytes(const Bytes& rest)
{
    Bytes b;
    PutBE32(b, 0);
    PutBytes(b, rest);
    return b;
}

inline Bytes SampleTable(const std::vector<std::uint32_t>& offsets, std::uint32_t claimedCount)
{
    Bytes stco;
    PutBE32(stco, claimedCount);
    for (std::uint32_t o : offsets)
        PutBE32(stco, o);
    return Atom("trak", Atom("mdia", Atom("minf", Atom("stbl", Atom("stco", FullBoxBytes(stco))))));
}

inline Bytes Ftyp24()
{
    Bytes b;
    PutText(b, "qt  ");
    PutBE32(b, 0);
    PutText(b, "qt  ");
    PutZeros(b, 4);
    return Atom("ftyp", b);
}

struct MovParts {
    int dataTrack = 2;                 // which trak holds the samples
    int trackCount = 3;
    std::vector<Bytes> samples;        // placed in mdat, one chunk each
    std::vector<std::uint32_t> extraOffsets;  // chunk offsets pointing anywhere
    std::uint32_t claimedCount = 0;    // 0: the real count
    Bytes udta;                        // first atom inside udta (empty: no udta)
    std::uint32_t creation = 0;
};

// ftyp(24) + moov(mvhd, traks, udta) + mdat, as the recorders lay it out.
inline Bytes BuildMov(const MovParts& p)
{
    auto build = [&](std::size_t mediaStart) {
        Bytes mvhd;
        PutBE32(mvhd, 0);
        PutBE32(mvhd, p.creation);
        PutZeros(mvhd, 92);
        std::vector<std::uint32_t> offsets;
        std::size_t at = mediaStart;
        for (const Bytes& s : p.samples) {
            offsets.push_back(static_cast<std::uint32_t>(at));
            at += s.size();
        }
        offsets.insert(offsets.end(), p.extraOffsets.begin(), p.extraOffsets.end());
        Bytes moov = Atom("mvhd", mvhd);
        for (int t = 0; t < p.trackCount; ++t) {
            const bool data = t == p.dataTrack;
            const auto count = static_cast<std::uint32_t>(data ? offsets.size() : 0);
            PutBytes(moov, SampleTable(data ? offsets : std::vector<std::uint32_t>{},
                                       data && p.claimedCount ? p.claimedCount : count));
        }
        if (!p.udta.empty())
            PutBytes(moov, Atom("udta", p.udta));
        return Atom("moov", moov);
    };
    Bytes file = Ftyp24();
    const std::size_t mediaStart = file.size() + build(0).size() + 8;
    PutBytes(file, build(mediaStart));
    Bytes media;
    for (const Bytes& s : p.samples)
        PutBytes(media, s);
    PutBytes(file, Atom("mdat", media));
    return file;
}

inline Bytes GenericSample(const std::string& text)
{
    Bytes b;
    PutBE16(b, static_cast<std::uint32_t>(text.size()));
    PutText(b, text);
    return b;
}

struct AviParts {
    std::string marker = "BRXNTG-1.0";
    std::vector<Bytes> gsensorChunks;
    std::vector<Bytes> gpsChunks;
    std::size_t padBeforeInfo = 0;  // moves the ISFT chunk further in
};

// RIFF AVI with the recorder name in INFO/ISFT, movi chunks, and an idx1 of
// absolute offsets.
inline Bytes BuildAvi(const AviParts& p)
{
    Bytes body;
    if (p.padBeforeInfo)
        PutBytes(body, Chunk("JUNK", Bytes(p.padBeforeInfo, 0)));
    Bytes software;
    PutText(software, p.marker);
    software.push_back(0);
    PutBytes(body, List("INFO", Chunk("ISFT", software)));
    const std::size_t moviType = 12 + body.size() + 8;
    Bytes movi, index;
    auto add = [&](const char* id, const Bytes& data) {
        AddIndexEntry(index, id, 0x10, moviType + 4 + movi.size(), data.size());
        PutBytes(movi, Chunk(id, data));
    };
    for (const Bytes& c : p.gsensorChunks)
        add("03gs", c);
    for (const Bytes& c : p.gpsChunks)
        add("04gp", c);
    PutBytes(body, List("movi", movi));
    PutBytes(body, Chunk("idx1", index));
    Bytes file;
    PutText(file, "RIFF");
    PutLE32(file, static_cast<std::uint32_t>(body.size() + 4));
    PutText(file, "AVI ");
    PutBytes(file, body);
    if (file.size() < 600)
        PutBytes(file, Chunk("JUNK", Bytes(600 - file.size(), 0)));
    return file;
}

inline Bytes GSensorRecordBytes(std::uint32_t timeMs, std::int16_t x, std::int16_t y, std::int16_t z,
                                std::int8_t aux = 0, std::uint8_t status = 0)
{
    Bytes r;
    PutLE32(r, timeMs);
    PutLE32(r, 0);
    PutLE16(r, static_cast<std::uint16_t>(x));
    PutLE16(r, static_cast<std::uint16_t>(y));
    PutLE16(r, static_cast<std::uint16_t>(z));
    r.push_back(static_cast<std::uint8_t>(aux));
    r.push_back(status);
    return r;
}

inline Bytes GpsRecordBytes(std::int32_t latitude, std::int32_t longitude, std::uint32_t speedHundredthsKnot)
{
    Bytes r;
    PutLE32(r, 0);
    PutLE32(r, static_cast<std::uint32_t>(latitude));
    PutLE32(r, static_cast<std::uint32_t>(longitude));
    PutLE32(r, speedHundredthsKnot);
    return r;
}

inline std::string AsString(const Bytes& b)
{
    return std::string(b.begin(), b.end());
}
