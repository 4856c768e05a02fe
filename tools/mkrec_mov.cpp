// QuickTime recordings: ffmpeg's movie rebuilt the way the recorders lay it
// out: a 24-byte ftyp, moov first with mvhd first, the data track where the
// chip's layout puts it, a udta naming the chip, then mdat. Or, as cameras
// write while recording, mdat first with each second's data after its
// pictures and sound, and moov last.

#include "mkrec_bytes.h"
#include "mkrec_camera.h"
#include "mkrec_writers.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <functional>
#include <map>
#include <memory>
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

// A track copied with each chunk offset moved where `moved` says.
Bytes MovedTrack(const SourceMovie& m, const Span& trak, const std::function<std::uint32_t(std::uint32_t)>& moved)
{
    Bytes out = Slice(m.file, trak);
    auto stco = Descend(m.file, trak, {"mdia", "minf", "stbl", "stco"});
    if (stco) {
        const std::size_t table = stco->start - trak.start + 8;
        const std::uint32_t count = GetBE32(out, table + 4);
        for (std::uint32_t i = 0; i < count; ++i) {
            const std::size_t at = table + 8 + 4 * i;
            SetBE32(out, at, moved(GetBE32(out, at)));
        }
    }
    return out;
}

// One chunk of the source movie: where its bytes are and when it begins.
struct SourceChunk {
    std::size_t offset = 0;
    std::size_t size = 0;
    double seconds = 0;
};

std::vector<std::uint32_t> TableWords(const Bytes& b, const std::optional<Span>& box, std::size_t wordsPerEntry)
{
    std::vector<std::uint32_t> words;
    if (!box)
        return words;
    const std::size_t count = GetBE32(b, box->start + 12);
    for (std::size_t i = 0; i < count * wordsPerEntry; ++i)
        words.push_back(GetBE32(b, box->start + 16 + 4 * i));
    return words;
}

// The chunks of one track of ffmpeg's movie (stsz with a size per sample).
std::vector<SourceChunk> TrackChunks(const Bytes& b, const Span& trak)
{
    auto stbl = Descend(b, trak, {"mdia", "minf", "stbl"});
    auto mdhd = Descend(b, trak, {"mdia", "mdhd"});
    if (!stbl || !mdhd)
        return {};
    const double timescale = GetBE32(b, mdhd->start + 20);
    const auto offsets = TableWords(b, Child(b, *stbl, "stco"), 1);
    const auto stsc = TableWords(b, Child(b, *stbl, "stsc"), 3);
    const auto stts = TableWords(b, Child(b, *stbl, "stts"), 2);
    auto stsz = Child(b, *stbl, "stsz");
    std::vector<std::uint32_t> sizes;
    if (stsz) {
        // PCM has one size for every sample, the others a size each.
        const std::uint32_t uniform = GetBE32(b, stsz->start + 12);
        for (std::uint32_t i = 0, n = GetBE32(b, stsz->start + 16); i < n; ++i)
            sizes.push_back(uniform ? uniform : GetBE32(b, stsz->start + 20 + 4 * i));
    }
    std::vector<std::uint64_t> times;  // of each sample, in the track's units
    std::uint64_t t = 0;
    for (std::size_t e = 0; e + 1 < stts.size(); e += 2) {
        for (std::uint32_t k = 0; k < stts[e]; ++k, t += stts[e + 1])
            times.push_back(t);
    }
    std::vector<SourceChunk> chunks;
    std::size_t sample = 0;
    for (std::size_t c = 0; c < offsets.size(); ++c) {
        std::uint32_t perChunk = 0;
        for (std::size_t e = 0; e + 2 < stsc.size() && stsc[e] <= c + 1; e += 3)
            perChunk = stsc[e + 1];
        SourceChunk chunk{offsets[c], 0, sample < times.size() ? double(times[sample]) / timescale : 0};
        for (std::uint32_t k = 0; k < perChunk && sample < sizes.size(); ++k)
            chunk.size += sizes[sample++];
        chunks.push_back(chunk);
    }
    return chunks;
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
    return layout == MovLayout::FreeGps || layout == MovLayout::FreeGpsCompact || layout == MovLayout::FreeGpsText ||
           layout == MovLayout::FreeGpsRmc;
}

FreeGpsLayout BlockLayout(MovLayout layout)
{
    switch (layout) {
    case MovLayout::FreeGpsCompact: return FreeGpsLayout::Compact;
    case MovLayout::FreeGpsText: return FreeGpsLayout::Text;
    case MovLayout::FreeGpsRmc: return FreeGpsLayout::TextUndated;
    default: return FreeGpsLayout::Plain;
    }
}

// The samples of today's cameras' data tracks, and what the track says it holds.
std::vector<Bytes> CameraSamples(MovLayout layout, const RecordingSpec& spec, DataKind& kind)
{
    if (layout == MovLayout::Gpmf || layout == MovLayout::Gpmf9) {
        kind = {"meta", "GoPro MET", PlainSampleEntry("gpmd")};
        return GpmfPayloads(spec, layout == MovLayout::Gpmf9);
    }
    if (layout == MovLayout::GpmfKarma) {
        kind = {"meta", "GoPro MET", PlainSampleEntry("gpmd")};
        return KarmaPayloads(spec);
    }
    if (layout == MovLayout::NmeaText) {
        kind = {"text", "GPS", TimedTextSampleEntry()};
        return NmeaCues(spec, spec.dollar);
    }
    if (layout == MovLayout::DjiText) {
        kind = {"text", "DJI", TimedTextSampleEntry()};
        return DjiCues(spec);
    }
    return {};
}

// Where everything goes in mdat, as offsets from its payload's start.
struct MediaPlan {
    Bytes media;
    std::function<std::uint32_t(std::uint32_t)> moveChunk;  // a source chunk's offset → its offset in media
    std::vector<std::uint32_t> sampleAt, blockAt;
};

std::uint32_t Place(Bytes& media, const Bytes& piece)
{
    const auto at = static_cast<std::uint32_t>(media.size());
    PutBytes(media, piece);
    return at;
}

// The source's media as it was, then the data samples, then the blocks.
MediaPlan MediaFirst(const SourceMovie& m, const std::vector<Bytes>& samples, const std::vector<Bytes>& blocks)
{
    MediaPlan plan;
    plan.media.assign(m.file.begin() + long(m.mdat.start + m.mdat.header), m.file.begin() + long(m.mdat.start + m.mdat.size));
    const auto sourceStart = static_cast<std::uint32_t>(m.mdat.start + m.mdat.header);
    plan.moveChunk = [sourceStart](std::uint32_t offset) { return offset - sourceStart; };
    for (const Bytes& s : samples)
        plan.sampleAt.push_back(Place(plan.media, s));
    for (const Bytes& b : blocks)
        plan.blockAt.push_back(Place(plan.media, b));
    return plan;
}

// As a camera writes while recording: each second's chunks of pictures and
// sound, then that second's data sample and block.
MediaPlan Interleaved(const SourceMovie& m, const std::vector<Bytes>& samples, const std::vector<Bytes>& blocks)
{
    std::vector<SourceChunk> chunks;
    for (const Span& t : m.tracks) {
        for (const SourceChunk& c : TrackChunks(m.file, t))
            chunks.push_back(c);
    }
    std::sort(chunks.begin(), chunks.end(), [](const SourceChunk& a, const SourceChunk& b) { return a.offset < b.offset; });
    MediaPlan plan;
    std::size_t second = 0;
    auto placeSecond = [&] {
        if (second < samples.size())
            plan.sampleAt.push_back(Place(plan.media, samples[second]));
        if (second < blocks.size())
            plan.blockAt.push_back(Place(plan.media, blocks[second]));
        ++second;
    };
    auto moves = std::make_shared<std::map<std::uint32_t, std::uint32_t>>();
    for (const SourceChunk& c : chunks) {
        while (double(second + 1) <= c.seconds)
            placeSecond();
        (*moves)[static_cast<std::uint32_t>(c.offset)] = Place(plan.media, Bytes(m.file.begin() + long(c.offset),
                                                                                 m.file.begin() + long(c.offset + c.size)));
    }
    while (second < std::max(samples.size(), blocks.size()))
        placeSecond();
    plan.moveChunk = [moves](std::uint32_t offset) { return moves->at(offset); };
    return plan;
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
        blocks = FreeGpsBlocks(spec, BlockLayout(layout));
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

    const std::vector<Bytes> blocksInMedia = blocksInMdat ? blocks : std::vector<Bytes>{};
    const MediaPlan plan = spec.indexLast ? Interleaved(m, samples, blocksInMedia) : MediaFirst(m, samples, blocksInMedia);

    // The moov's size does not depend on the offsets: build once to measure.
    auto buildMoov = [&](std::size_t mediaStart) {
        const auto base = static_cast<std::uint32_t>(mediaStart);
        auto moved = [&](std::uint32_t offset) { return base + plan.moveChunk(offset); };
        std::vector<std::uint32_t> sizes, offsets, blockSizes, blockOffsets;
        for (std::size_t i = 0; i < samples.size(); ++i) {
            sizes.push_back(static_cast<std::uint32_t>(samples[i].size()));
            offsets.push_back(base + plan.sampleAt[i]);
        }
        for (std::size_t i = 0; i < blocks.size(); ++i) {
            blockSizes.push_back(static_cast<std::uint32_t>(blocks[i].size()));
            // Blocks in free boxes have no index: their offsets are not written.
            blockOffsets.push_back(i < plan.blockAt.size() ? base + plan.blockAt[i] : 0);
        }
        std::vector<Bytes> tracks;
        for (const Span& t : m.tracks)
            if (HandlerOf(m.file, t) == "vide")
                tracks.push_back(MovedTrack(m, t, moved));
        for (const Span& t : m.tracks)
            if (HandlerOf(m.file, t) != "vide")
                tracks.push_back(MovedTrack(m, t, moved));
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
    // What follows mdat: blocks as free boxes of their own, BlackVue's box.
    Bytes after;
    if (!blocksInMdat) {
        for (const Bytes& b : blocks)
            PutBytes(after, b);
    }
    if (layout == MovLayout::BlackVue)
        PutBytes(after, BlackVueFreeBox(spec));
    if (layout == MovLayout::SeventyMai)
        PutBytes(after, SeventyMaiGpsBox(spec));
    Bytes file = ftyp;
    if (spec.indexLast) {
        PutBytes(file, Atom("mdat", plan.media));
        PutBytes(file, after);
        PutBytes(file, buildMoov(ftyp.size() + 8));
    } else {
        const std::size_t mediaStart = ftyp.size() + buildMoov(0).size() + 8;
        PutBytes(file, buildMoov(mediaStart));
        PutBytes(file, Atom("mdat", plan.media));
        PutBytes(file, after);
    }
    return WriteWholeFile(outPath, file) ? "" : "cannot write " + outPath;
}
