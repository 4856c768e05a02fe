// QuickTime recordings: ffmpeg's movie rebuilt the way the recorders lay it
// out: a 24-byte ftyp, moov first with mvhd first, the data track where the
// chip's layout puts it, a udta naming the chip, then mdat.

#include "mkrec_bytes.h"
#include "mkrec_camera.h"
#include "mkrec_writers.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <optional>

namespace {

constexpr std::uint32_t kSeconds1904To1970 = 2082844800u;
constexpr std::size_t kNtBlockOffset = 65536 + 72;
constexpr std::size_t kNtChunkSize = kNtBlockOffset + 204;

struct Span {
    std::size_t start = 0;  // of the header
    std::size_t header = 8;
    std::size_t size = 0;   // whole atom
    std::string type;
};

std::vector<Span> Children(const Bytes& b, std::size_t from, std::size_t end)
{
    std::vector<Span> out;
    while (from + 8 <= end) {
        Span s{from, 8, GetBE32(b, from), FourCC(b, from + 4)};
        if (s.size == 1 && from + 16 <= end) {
            s.size = (std::size_t(GetBE32(b, from + 8)) << 32) | GetBE32(b, from + 12);
            s.header = 16;
        } else if (s.size == 0) {
            s.size = end - from;
        }
        if (s.size < s.header || from + s.size > end)
            break;
        out.push_back(s);
        from += s.size;
    }
    return out;
}

std::optional<Span> Child(const Bytes& b, const Span& parent, const std::string& type)
{
    for (const Span& s : Children(b, parent.start + parent.header, parent.start + parent.size))
        if (s.type == type)
            return s;
    return std::nullopt;
}

std::optional<Span> Descend(const Bytes& b, Span at, std::initializer_list<const char*> path)
{
    for (const char* type : path) {
        auto next = Child(b, at, type);
        if (!next)
            return std::nullopt;
        at = *next;
    }
    return at;
}

Bytes Slice(const Bytes& b, const Span& s)
{
    return Bytes(b.begin() + long(s.start), b.begin() + long(s.start + s.size));
}

// The source movie's parts: mvhd, its tracks by handler type, and the media.
struct SourceMovie {
    Bytes file;
    Span mvhd;
    std::vector<Span> tracks;
    Span mdat;
};

std::string HandlerOf(const Bytes& b, const Span& trak)
{
    auto hdlr = Descend(b, trak, {"mdia", "hdlr"});
    return hdlr ? FourCC(b, hdlr->start + hdlr->header + 8) : "";
}

std::string ParseSource(const std::string& path, SourceMovie& movie)
{
    if (!ReadWholeFile(path, movie.file))
        return "cannot read " + path;
    std::optional<Span> moov, mdat;
    for (const Span& s : Children(movie.file, 0, movie.file.size())) {
        if (s.type == "moov")
            moov = s;
        else if (s.type == "mdat")
            mdat = s;
    }
    if (!moov || !mdat)
        return path + " is not a QuickTime movie";
    movie.mdat = *mdat;
    auto mvhd = Child(movie.file, *moov, "mvhd");
    if (!mvhd || movie.file[mvhd->start + 8] != 0)
        return path + ": no version-0 movie header";
    movie.mvhd = *mvhd;
    for (const Span& s : Children(movie.file, moov->start + 8, moov->start + moov->size))
        if (s.type == "trak")
            movie.tracks.push_back(s);
    return {};
}

// A track copied with its chunk offsets moved by `delta`.
Bytes MovedTrack(const SourceMovie& m, const Span& trak, std::int64_t delta)
{
    Bytes out = Slice(m.file, trak);
    auto stco = Descend(m.file, trak, {"mdia", "minf", "stbl", "stco"});
    if (stco) {
        const std::size_t table = stco->start - trak.start + 8;
        const std::uint32_t count = GetBE32(out, table + 4);
        for (std::uint32_t i = 0; i < count; ++i) {
            const std::size_t at = table + 8 + 4 * i;
            SetBE32(out, at, static_cast<std::uint32_t>(GetBE32(out, at) + delta));
        }
    }
    return out;
}

Bytes FullBox(std::uint32_t versionFlags, const Bytes& rest)
{
    Bytes b;
    PutBE32(b, versionFlags);
    PutBytes(b, rest);
    return b;
}

Bytes Matrix()
{
    Bytes b;
    for (std::uint32_t v : {0x10000u, 0u, 0u, 0u, 0x10000u, 0u, 0u, 0u, 0x40000000u})
        PutBE32(b, v);
    return b;
}

// What a data track says it holds: handler, its name, and the sample entry.
struct DataKind {
    std::string handler = "meta";
    std::string name = "GPS and G-sensor";
    Bytes sampleEntry;  // whole atom
};

Bytes PlainSampleEntry(const std::string& format)
{
    Bytes entry;
    PutZeros(entry, 6);
    PutBE16(entry, 1);
    return Atom(format, entry);
}

// A 3GPP timed-text entry: flags, justification, colours, box, style, font table.
Bytes TimedTextSampleEntry()
{
    Bytes entry;
    PutZeros(entry, 6);
    PutBE16(entry, 1);
    PutZeros(entry, 4 + 2 + 4 + 8);
    PutBE16(entry, 0);
    PutBE16(entry, 0);
    PutBE16(entry, 1);
    entry.push_back(0);
    entry.push_back(18);
    PutBE32(entry, 0xFFFFFFFF);
    Bytes font;
    PutBE16(font, 1);
    PutBE16(font, 1);
    font.push_back(4);
    PutText(font, "Sans");
    PutBytes(entry, Atom("ftab", font));
    return Atom("tx3g", entry);
}

// A track of timed data: one sample per second, one sample per chunk.
Bytes DataTrack(std::uint32_t trackId, std::uint32_t created, const std::vector<std::uint32_t>& sizes,
                const std::vector<std::uint32_t>& offsets, const DataKind& kind = {})
{
    const auto count = static_cast<std::uint32_t>(sizes.size());
    Bytes tkhd;
    for (std::uint32_t v : {created, created, trackId, 0u, count * 1000u, 0u, 0u})
        PutBE32(tkhd, v);
    PutZeros(tkhd, 8);  // layer, group, volume, reserved
    PutBytes(tkhd, Matrix());
    PutZeros(tkhd, 8);  // no picture
    Bytes mdhd;
    for (std::uint32_t v : {created, created, 1000u, count * 1000u})
        PutBE32(mdhd, v);
    PutBE16(mdhd, 0x7FFF);  // language unspecified
    PutBE16(mdhd, 0);
    Bytes hdlr;
    PutText(hdlr, "mhlr" + kind.handler);
    PutZeros(hdlr, 12);
    PutText(hdlr, kind.name);
    hdlr.push_back(0);
    Bytes gmin;
    PutBE16(gmin, 0x40);  // copy
    PutZeros(gmin, 10);
    Bytes dref;
    PutBE32(dref, 1);
    PutBytes(dref, Atom("alis", FullBox(1, {})));
    Bytes stsdEntry;
    PutZeros(stsdEntry, 6);
    PutBE16(stsdEntry, 1);
    Bytes stsd;
    PutBE32(stsd, 1);
    PutBytes(stsd, kind.sampleEntry.empty() ? Atom("gpsd", stsdEntry) : kind.sampleEntry);
    Bytes stts, stsc, stsz, stco;
    for (std::uint32_t v : {1u, count, 1000u})
        PutBE32(stts, v);
    for (std::uint32_t v : {1u, 1u, 1u, 1u})
        PutBE32(stsc, v);
    PutBE32(stsz, 0);
    PutBE32(stsz, count);
    PutBE32(stco, count);
    for (std::uint32_t i = 0; i < count; ++i) {
        PutBE32(stsz, sizes[i]);
        PutBE32(stco, offsets[i]);
    }
    Bytes stbl;
    PutBytes(stbl, Atom("stsd", FullBox(0, stsd)));
    PutBytes(stbl, Atom("stts", FullBox(0, stts)));
    PutBytes(stbl, Atom("stsc", FullBox(0, stsc)));
    PutBytes(stbl, Atom("stsz", FullBox(0, stsz)));
    PutBytes(stbl, Atom("stco", FullBox(0, stco)));
    Bytes minf;
    PutBytes(minf, Atom("gmhd", Atom("gmin", FullBox(0, gmin))));
    PutBytes(minf, Atom("dinf", Atom("dref", FullBox(0, dref))));
    PutBytes(minf, Atom("stbl", stbl));
    Bytes mdia;
    PutBytes(mdia, Atom("mdhd", FullBox(0, mdhd)));
    PutBytes(mdia, Atom("hdlr", FullBox(0, hdlr)));
    PutBytes(mdia, Atom("minf", minf));
    Bytes trak;
    PutBytes(trak, Atom("tkhd", FullBox(0, tkhd)));
    PutBytes(trak, Atom("mdia", mdia));
    return Atom("trak", trak);
}

// The first atom of udta names the chip where the players look for it.
Bytes ChipAtom(MovLayout layout)
{
    Bytes payload;
    switch (layout) {
    case MovLayout::A7L:
        PutText(payload, "RELLA A7L firmware 1.2");
        return Atom("AMBA", payload);
    case MovLayout::NT96650A:
        PutZeros(payload, 4);
        PutText(payload, "NT96650A DVR 2.0");
        return Atom("NVTK", payload);
    default:
        PutText(payload, "DVR 1.0");
        return Atom("INFO", payload);
    }
}

// The data samples of one recording, in file order.
std::vector<Bytes> DataSamples(MovLayout layout, const RecordingSpec& spec)
{
    const int key = KeyOf(spec.keyDigits);
    std::vector<Bytes> samples;
    for (std::size_t s = 0; s < spec.route.size(); ++s) {
        const RoutePoint& p = spec.route[s];
        const std::time_t when = spec.start + static_cast<std::time_t>(s);
        const std::string sentence = spec.gga ? GgaSentence(p, when) : RmcSentence(p, when);
        Bytes sample;
        if (layout == MovLayout::NT96650A) {
            sample.assign(kNtChunkSize, 0);
            Bytes block;
            PutZeros(block, 52);
            for (double g : {p.gx, p.gy, p.gz})
                PutLE32(block, static_cast<std::uint32_t>(static_cast<std::int32_t>(std::lround(g * 1000))));
            PutText(block, Scramble(" " + sentence, key) + "\r\n");
            block.resize(192, 0);
            PutText(block, spec.keyDigits);
            block.resize(204, 0);
            std::copy(block.begin(), block.end(), sample.begin() + kNtBlockOffset);
        } else {
            if (static_cast<int>(s) == spec.keyAt) {
                PutBE16(sample, 11);
                PutText(sample, " " + spec.keyDigits + "\r\n");
                samples.push_back(sample);
                sample.clear();
            }
            const std::string text = " " + Scramble(TrackLine(p, sentence), key) + "\r\n";
            PutBE16(sample, static_cast<std::uint32_t>(text.size()));
            PutText(sample, text);
        }
        samples.push_back(sample);
    }
    return samples;
}

Bytes Ftyp(bool mp4)
{
    Bytes b;
    if (mp4) {
        PutText(b, "isom");
        PutBE32(b, 0x200);
        PutText(b, "isommp41");
        return Atom("ftyp", b);
    }
    PutText(b, "qt  ");
    PutBE32(b, 0x20050300);
    PutText(b, "qt  ");
    PutZeros(b, 4);
    return Atom("ftyp", b);
}

bool EndsWithMp4(const std::string& path)
{
    std::string tail = path.size() >= 4 ? path.substr(path.size() - 4) : path;
    for (char& c : tail)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return tail == ".mp4";
}

bool IsCameraLayout(MovLayout layout)
{
    return layout != MovLayout::Plain && layout != MovLayout::Generic && layout != MovLayout::A7L &&
           layout != MovLayout::NT96650A;
}

bool IsFreeGps(MovLayout layout)
{
    return layout == MovLayout::FreeGps || layout == MovLayout::FreeGpsCompact;
}

// The samples of today's cameras' data tracks, and what the track says it holds.
std::vector<Bytes> CameraSamples(MovLayout layout, const RecordingSpec& spec, DataKind& kind)
{
    if (layout == MovLayout::Gpmf || layout == MovLayout::Gpmf9) {
        kind = {"meta", "GoPro MET", PlainSampleEntry("gpmd")};
        return GpmfPayloads(spec, layout == MovLayout::Gpmf9);
    }
    if (layout == MovLayout::NmeaText) {
        kind = {"text", "GPS", TimedTextSampleEntry()};
        return NmeaCues(spec, spec.dollar);
    }
    return {};
}

}  // namespace

std::string WriteRecorderMov(const std::string& outPath, MovLayout layout, const RecordingSpec& spec)
{
    SourceMovie m;
    if (std::string error = ParseSource(spec.videoPath, m); !error.empty())
        return error;
    DataKind kind;
    std::vector<Bytes> samples;
    if (layout == MovLayout::Generic || layout == MovLayout::A7L || layout == MovLayout::NT96650A)
        samples = DataSamples(layout, spec);
    else
        samples = CameraSamples(layout, spec, kind);
    const bool cameraTrack = !kind.sampleEntry.empty();
    std::vector<Bytes> blocks;  // freeGPS blocks, in mdat after the media or at the end
    if (IsFreeGps(layout))
        blocks = FreeGpsBlocks(spec, layout == MovLayout::FreeGps ? FreeGpsLayout::Plain : FreeGpsLayout::Compact);
    const bool blocksInMdat = !blocks.empty() && spec.freeGpsPlace != FreeGpsPlace::FreeBoxes;
    const auto created = static_cast<std::uint32_t>(spec.start + kSeconds1904To1970);

    Bytes mvhd = Slice(m.file, m.mvhd);
    SetBE32(mvhd, 12, created);
    SetBE32(mvhd, 16, created);
    if (IsCameraLayout(layout)) {
        // The movie lasts as long as the route, so a short video can carry an
        // hour's track (benchmarks); real recordings have both the same.
        const std::uint32_t timescale = GetBE32(mvhd, 20);
        const auto routeLength = static_cast<std::uint32_t>(spec.route.size() * timescale);
        SetBE32(mvhd, 24, std::max(GetBE32(mvhd, 24), routeLength));
    }
    const std::uint32_t dataTrackId = GetBE32(mvhd, 8 + 96);
    SetBE32(mvhd, 8 + 96, dataTrackId + 1);

    // The moov's size does not depend on the offsets: build once to measure.
    auto buildMoov = [&](std::size_t mediaStart) {
        const std::int64_t delta = std::int64_t(mediaStart) - std::int64_t(m.mdat.start + m.mdat.header);
        std::vector<std::uint32_t> sizes, offsets, blockSizes, blockOffsets;
        std::size_t at = mediaStart + (m.mdat.size - m.mdat.header);
        for (const Bytes& s : samples) {
            sizes.push_back(static_cast<std::uint32_t>(s.size()));
            offsets.push_back(static_cast<std::uint32_t>(at));
            at += s.size();
        }
        for (const Bytes& b : blocks) {
            blockSizes.push_back(static_cast<std::uint32_t>(b.size()));
            blockOffsets.push_back(static_cast<std::uint32_t>(at));
            at += b.size();
        }
        std::vector<Bytes> tracks;
        for (const Span& t : m.tracks)
            if (HandlerOf(m.file, t) == "vide")
                tracks.push_back(MovedTrack(m, t, delta));
        for (const Span& t : m.tracks)
            if (HandlerOf(m.file, t) != "vide")
                tracks.push_back(MovedTrack(m, t, delta));
        if (cameraTrack) {
            tracks.push_back(DataTrack(dataTrackId, created, sizes, offsets, kind));
        } else if (!samples.empty()) {
            // NT96650A reads the second track, the generic layout the third.
            const std::size_t place = layout == MovLayout::NT96650A ? 1 : 2;
            tracks.insert(tracks.begin() + long(std::min(place, tracks.size())),
                          DataTrack(dataTrackId, created, sizes, offsets));
        }
        Bytes moov = mvhd;
        for (const Bytes& t : tracks)
            PutBytes(moov, t);
        if (!blocks.empty() && spec.freeGpsPlace == FreeGpsPlace::Index)
            PutBytes(moov, FreeGpsIndex(blockOffsets, blockSizes));
        PutBytes(moov, Atom("udta", ChipAtom(layout)));
        return Atom("moov", moov);
    };
    const Bytes ftyp = Ftyp(EndsWithMp4(outPath));
    const std::size_t mediaStart = ftyp.size() + buildMoov(0).size() + 8;
    Bytes file = ftyp;
    PutBytes(file, buildMoov(mediaStart));
    Bytes media(m.file.begin() + long(m.mdat.start + m.mdat.header), m.file.begin() + long(m.mdat.start + m.mdat.size));
    for (const Bytes& s : samples)
        PutBytes(media, s);
    for (const Bytes& b : blocks) {
        if (blocksInMdat)
            PutBytes(media, b);
    }
    PutBytes(file, Atom("mdat", media));
    for (const Bytes& b : blocks) {
        if (!blocksInMdat)
            PutBytes(file, b);  // each block is a free box of its own
    }
    if (layout == MovLayout::BlackVue)
        PutBytes(file, BlackVueFreeBox(spec));
    return WriteWholeFile(outPath, file) ? "" : "cannot write " + outPath;
}
