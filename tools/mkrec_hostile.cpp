// Files made to cost a reader far more than their size: a gpmd sample table
// whose entries all point at the same bytes, tables that claim more than the
// file holds, GPMF nested as deep as it goes, and a million small samples.
// Real GPMF payloads from a route make every byte worth parsing.

#include "mkrec_camera.h"
#include "mkrec_route.h"
#include "mkrec_writers.h"

#include <fstream>

namespace {

Bytes Full(const Bytes& rest)
{
    Bytes b;
    PutBE32(b, 0);  // version and flags
    PutBytes(b, rest);
    return b;
}

struct Table {
    std::vector<std::uint32_t> sizes, offsets;  // offsets from the payload's start
    std::uint32_t claimed = 0;                  // the count stsz and stco claim
};

// A movie of one gpmd track, its samples given by `table`, the payload after the index.
Bytes GpmdMovie(const Table& table, const Bytes& payload)
{
    Bytes ftyp;
    PutText(ftyp, "mp41");
    PutBE32(ftyp, 0);
    PutText(ftyp, "mp41isom");
    Bytes mvhd;
    for (std::uint32_t v : {0u, 0u, 1000u, table.claimed * 1000u, 0x10000u})
        PutBE32(mvhd, v);
    PutZeros(mvhd, 80 - 20 + 4);
    Bytes hdlr;
    PutText(hdlr, "mhlrmeta");
    PutZeros(hdlr, 12);
    PutText(hdlr, "GoPro MET");
    hdlr.push_back(0);
    Bytes entry;
    PutZeros(entry, 6);
    PutBE16(entry, 1);
    Bytes stsd, stts, stsc, stsz, stco;
    PutBE32(stsd, 1);
    PutBytes(stsd, Atom("gpmd", entry));
    for (std::uint32_t v : {1u, table.claimed, 1000u})
        PutBE32(stts, v);
    for (std::uint32_t v : {1u, 1u, 1u, 1u})
        PutBE32(stsc, v);
    PutBE32(stsz, 0);
    PutBE32(stsz, table.claimed);
    PutBE32(stco, table.claimed);
    for (std::uint32_t size : table.sizes)
        PutBE32(stsz, size);
    Bytes stbl;
    PutBytes(stbl, Atom("stsd", Full(stsd)));
    PutBytes(stbl, Atom("stts", Full(stts)));
    PutBytes(stbl, Atom("stsc", Full(stsc)));
    PutBytes(stbl, Atom("stsz", Full(stsz)));
    auto moovWith = [&](std::uint32_t payloadStart) {
        Bytes offsets = stco;
        for (std::uint32_t offset : table.offsets)
            PutBE32(offsets, payloadStart + offset);
        Bytes table = stbl;
        PutBytes(table, Atom("stco", Full(offsets)));
        Bytes mdhd;
        for (std::uint32_t v : {0u, 0u, 1000u, 0u})
            PutBE32(mdhd, v);
        PutBE32(mdhd, 0);
        Bytes mdia = Atom("mdhd", Full(mdhd));
        PutBytes(mdia, Atom("hdlr", Full(hdlr)));
        PutBytes(mdia, Atom("minf", Atom("stbl", table)));
        Bytes moov = Atom("mvhd", Full(mvhd));
        PutBytes(moov, Atom("trak", Atom("mdia", mdia)));
        return Atom("moov", moov);
    };
    Bytes file = Atom("ftyp", ftyp);
    const auto payloadStart = static_cast<std::uint32_t>(file.size() + moovWith(0).size() + 8);
    PutBytes(file, moovWith(payloadStart));
    PutBytes(file, Atom("mdat", payload));
    return file;
}

// GPMF payloads of `seconds`, one after the other.
Bytes SecondsOfGpmf(long seconds)
{
    RecordingSpec spec;
    spec.route = MakeDemoRoute(static_cast<int>(seconds));
    spec.start = 1463213700;
    Bytes all;
    for (const Bytes& payload : GpmfPayloads(spec, false))
        PutBytes(all, payload);
    return all;
}

// Every entry names the whole payload: read once per entry, it costs the
// payload's size times the entries.
Bytes Overlapping(long seconds)
{
    const Bytes payload = SecondsOfGpmf(seconds);
    Table table;
    table.claimed = 2000;
    table.sizes.assign(table.claimed, static_cast<std::uint32_t>(payload.size()));
    table.offsets.assign(table.claimed, 0);
    return GpmdMovie(table, payload);
}

// Tables and samples that claim far more than there is.
Bytes PastTheEnd(long seconds)
{
    Table table;
    table.claimed = 0xFFFFFFF0u;
    table.sizes = {0x7FFFFFFFu, 16, 0xFFFFFFFFu};
    table.offsets = {0, 0x7FFFFFF0u, 8};
    return GpmdMovie(table, SecondsOfGpmf(seconds));
}

// GPMF containers in containers, as deep as the payload goes.
Bytes Deep(long levels)
{
    Bytes inner = Klv("GPS5", 'l', 20, 1, Bytes(20, 1));
    for (long depth = 0; depth < levels; ++depth)
        inner = Klv("DEVC", 0, 1, inner.size(), inner);
    Table table;
    table.claimed = 1;
    table.sizes = {static_cast<std::uint32_t>(inner.size())};
    table.offsets = {0};
    return GpmdMovie(table, inner);
}

// A million samples of 16 bytes: a table of millions of entries over a 16 MB payload.
Bytes Million(long count)
{
    const auto kCount = static_cast<std::uint32_t>(count);
    constexpr std::uint32_t kSize = 16;
    const Bytes one = Klv("TICK", 'L', 4, 1, Bytes{0, 0, 0, 1});  // 12 bytes; padded to 16 below
    Bytes payload;
    payload.reserve(std::size_t(kCount) * kSize);
    Table table;
    table.claimed = kCount;
    for (std::uint32_t i = 0; i < kCount; ++i) {
        table.offsets.push_back(static_cast<std::uint32_t>(payload.size()));
        table.sizes.push_back(kSize);
        PutBytes(payload, one);
        PutZeros(payload, kSize - one.size());
    }
    return GpmdMovie(table, payload);
}

}  // namespace

std::string WriteHostileMov(const std::string& outPath, const std::string& kind, long scale)
{
    Bytes bytes;
    if (kind == "overlap")
        bytes = Overlapping(scale > 0 ? scale : 3600);
    else if (kind == "past-end")
        bytes = PastTheEnd(scale > 0 ? scale : 3600);
    else if (kind == "deep")
        bytes = Deep(scale > 0 ? scale : 20000);
    else if (kind == "million")
        bytes = Million(scale > 0 ? scale : 1l << 20);
    else
        return "unknown kind " + kind + " (overlap, past-end, deep, million)";
    std::ofstream out(outPath, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return out.good() ? "" : "cannot write " + outPath;
}
