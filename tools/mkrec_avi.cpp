// Recorder AVI files: ffmpeg's AVI rebuilt with the recorder's software name
// in INFO/ISFT near the start, G-sensor ("03gs") and GPS ("04gp") chunks in
// movi, and an idx1 of absolute offsets, as the recorders write it.

#include "mkrec_bytes.h"
#include "mkrec_writers.h"

#include <cmath>

namespace {

struct RiffChunk {
    std::size_t start = 0;
    std::string id;
    std::uint32_t size = 0;
    std::string listType;  // for LIST chunks
    std::size_t Data() const { return start + 8; }
    std::size_t Total() const { return 8 + size + (size & 1); }
};

std::vector<RiffChunk> RiffChildren(const Bytes& b, std::size_t from, std::size_t end)
{
    std::vector<RiffChunk> out;
    while (from + 8 <= end) {
        RiffChunk c{from, FourCC(b, from), GetLE32(b, from + 4), {}};
        if (c.Data() + c.size > end)
            break;
        if (c.id == "LIST" && c.size >= 4)
            c.listType = FourCC(b, c.Data());
        out.push_back(c);
        from += c.Total();
    }
    return out;
}

// The header list without ffmpeg's OpenDML super-indexes and padding, so that
// the INFO list after it starts within the first 512 bytes.
Bytes CompactHeaders(const Bytes& b, const RiffChunk& list)
{
    Bytes children;
    for (const RiffChunk& c : RiffChildren(b, list.Data() + 4, list.Data() + list.size)) {
        if (c.id == "JUNK" || c.id == "indx" || c.listType == "odml")
            continue;
        if (c.id == "LIST")
            PutBytes(children, CompactHeaders(b, c));
        else
            PutBytes(children, Chunk(c.id, Bytes(b.begin() + long(c.Data()), b.begin() + long(c.Data() + c.size))));
    }
    return List(list.listType, children);
}

Bytes GSensorRecord(std::uint32_t timeMs, const RoutePoint& p)
{
    Bytes r;
    PutLE32(r, timeMs);
    PutLE32(r, 0);
    for (double g : {p.gx, p.gy, p.gz})
        PutLE16(r, static_cast<std::uint16_t>(static_cast<std::int16_t>(std::lround(g / 0.00391))));
    r.push_back(12);  // 30 degrees: the reader adds 24 to half of it
    r.push_back(1);
    return r;
}

Bytes GpsRecord(std::uint32_t timeMs, const RoutePoint& p)
{
    Bytes r;
    PutLE32(r, timeMs);
    PutLE32(r, static_cast<std::uint32_t>(p.fix ? PackedCoordinate(p.latitude) : 0));
    PutLE32(r, static_cast<std::uint32_t>(p.fix ? PackedCoordinate(p.longitude) : 0));
    PutLE32(r, static_cast<std::uint32_t>(p.fix ? std::lround(p.knots * 100) : 0));
    return r;
}

}  // namespace

std::string WriteRecorderAvi(const std::string& outPath, const std::string& marker, const RecordingSpec& spec)
{
    Bytes src;
    if (!ReadWholeFile(spec.videoPath, src) || src.size() < 12 || FourCC(src, 0) != "RIFF" || FourCC(src, 8) != "AVI ")
        return spec.videoPath + " is not an AVI file";
    const RiffChunk* hdrl = nullptr;
    const RiffChunk* movi = nullptr;
    const RiffChunk* idx1 = nullptr;
    const auto top = RiffChildren(src, 12, src.size());
    for (const RiffChunk& c : top) {
        if (c.listType == "hdrl")
            hdrl = &c;
        else if (c.listType == "movi")
            movi = &c;
        else if (c.id == "idx1")
            idx1 = &c;
    }
    if (!hdrl || !movi || !idx1)
        return spec.videoPath + ": headers, media or index missing";

    Bytes body = CompactHeaders(src, *hdrl);
    Bytes software;
    PutText(software, marker);
    software.push_back(0);
    PutBytes(body, List("INFO", Chunk("ISFT", software)));

    // movi: ffmpeg's chunks unchanged, then one G-sensor and one GPS chunk a second.
    const std::size_t moviType = 12 + body.size() + 8;  // file offset of "movi"
    Bytes moviData(src.begin() + long(movi->Data() + 4), src.begin() + long(movi->Data() + movi->size));
    Bytes index;
    for (std::size_t at = idx1->Data(); at + 16 <= idx1->Data() + idx1->size; at += 16)
        AddIndexEntry(index, FourCC(src, at), GetLE32(src, at + 4), moviType + GetLE32(src, at + 8), GetLE32(src, at + 12));
    for (std::size_t s = 0; s < spec.route.size(); ++s) {
        Bytes gsensor;
        for (std::uint32_t k = 0; k < 10; ++k)  // one record per slot, each due at its slot's end
            PutBytes(gsensor, GSensorRecord(static_cast<std::uint32_t>((s * 10 + k + 1) * 100), spec.route[s]));
        for (const auto& [id, data] : {std::pair{"03gs", gsensor}, std::pair{"04gp", GpsRecord(s * 1000, spec.route[s])}}) {
            AddIndexEntry(index, id, 0, moviType + 4 + moviData.size(), data.size());
            PutBytes(moviData, Chunk(id, data));
        }
    }
    PutBytes(body, List("movi", moviData));
    PutBytes(body, Chunk("idx1", index));

    Bytes file;
    PutText(file, "RIFF");
    PutLE32(file, static_cast<std::uint32_t>(body.size() + 4));
    PutText(file, "AVI ");
    PutBytes(file, body);
    return WriteWholeFile(outPath, file) ? "" : "cannot write " + outPath;
}
