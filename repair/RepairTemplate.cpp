#include "RepairTemplate.h"

#include "Damage.h"
#include "NalUnits.h"

#include "track/BinaryFile.h"
#include "track/MovieIndex.h"

#include <algorithm>
#include <cstring>
#include <map>

namespace {

// No box of an index this program copies comes near this.
constexpr std::uint64_t kLargestCopiedBox = 4u << 20;
constexpr std::size_t kPicturesLookedAt = 60;

ByteString ReadWhole(BinaryFile& file, const BoxSpan& box)
{
    ByteString bytes;
    if (box.size > kLargestCopiedBox || !file.Seek(box.start))
        return bytes;
    bytes.resize(static_cast<std::size_t>(box.size));
    bytes.resize(file.Read(bytes.data(), bytes.size()));
    return bytes;
}

ByteString ReadChild(BinaryFile& file, const BoxSpan& parent, const char* type)
{
    auto box = FindBox(ReadBoxes(file, parent.PayloadStart(), parent.End()), type);
    return box ? ReadWhole(file, *box) : ByteString{};
}

// The payload of the first box `type` found anywhere inside `bytes` (a sample
// entry's configuration may sit in a nested box).
ByteString InnerBox(const ByteString& bytes, const char* type)
{
    for (std::size_t at = 4; at + 4 <= bytes.size(); ++at) {
        if (std::memcmp(&bytes[at], type, 4) != 0)
            continue;
        const std::uint32_t size = GetU32(bytes, at - 4);
        if (size >= 8 && at - 4 + size <= bytes.size())
            return ByteString(bytes.begin() + long(at + 4), bytes.begin() + long(at - 4 + size));
    }
    return {};
}

SampleKind KindOf(const std::string& handler, const std::string& format)
{
    static const std::map<std::string, SampleKind> formats = {
        {"avc1", SampleKind::H264}, {"avc3", SampleKind::H264}, {"hvc1", SampleKind::Hevc}, {"hev1", SampleKind::Hevc},
        {"mp4a", SampleKind::Aac},  {"lpcm", SampleKind::Pcm},  {"sowt", SampleKind::Pcm},  {"twos", SampleKind::Pcm},
        {"in24", SampleKind::Pcm},  {"in32", SampleKind::Pcm},  {"gpmd", SampleKind::Gpmf}, {"tx3g", SampleKind::Text},
        {"text", SampleKind::Text}, {"gpsd", SampleKind::Text}};
    if (auto it = formats.find(format); it != formats.end())
        return it->second;
    return handler == "text" || handler == "sbtl" ? SampleKind::Text : SampleKind::Other;
}

// The descriptors of esds nest: ES, decoder configuration, then the
// decoder's own: the AudioSpecificConfig.
ByteString AudioSpecificConfig(const ByteString& esds)
{
    std::size_t at = 4;  // version and flags
    auto descriptor = [&](std::uint8_t tag, std::uint32_t& size) {
        if (at >= esds.size() || esds[at] != tag)
            return false;
        ++at;
        size = 0;
        for (int i = 0; i < 4 && at < esds.size(); ++i) {
            const std::uint8_t b = esds[at++];
            size = (size << 7) | (b & 0x7F);
            if (!(b & 0x80))
                break;
        }
        return true;
    };
    std::uint32_t size = 0;
    if (!descriptor(0x03, size) || at + 3 > esds.size())
        return {};
    const std::uint8_t flags = esds[at + 2];
    at += 3 + ((flags & 0x80) ? 2 : 0) + ((flags & 0x20) ? 2 : 0);
    if ((flags & 0x40) && at < esds.size())
        at += 1 + esds[at];
    if (!descriptor(0x04, size))
        return {};
    at += 13;
    if (!descriptor(0x05, size) || at + size > esds.size())
        return {};
    return ByteString(esds.begin() + long(at), esds.begin() + long(at + size));
}

// The samples the chunks hold, by stsc's runs: a few sizes, largest first.
std::vector<std::uint32_t> SamplesPerChunk(BinaryFile& file, const BoxSpan& stbl)
{
    constexpr std::size_t kMostSizes = 4;
    const ByteString stsc = ReadChild(file, stbl, "stsc");
    std::vector<std::uint32_t> sizes;
    for (std::size_t at = 16; at + 12 <= stsc.size() && sizes.size() < 64; at += 12) {
        if (const std::uint32_t n = GetU32(stsc, at + 4); n && std::find(sizes.begin(), sizes.end(), n) == sizes.end())
            sizes.push_back(n);
    }
    std::sort(sizes.rbegin(), sizes.rend());
    sizes.resize(std::min(sizes.size(), kMostSizes));
    return sizes;
}

// The picture parameter sets of avcC (after its sequence parameter sets) or
// of hvcC's arrays.
std::vector<unsigned> PictureParameterSets(const ByteString& config, VideoCodec codec)
{
    std::vector<unsigned> ids;
    auto note = [&](std::size_t at, std::size_t length) {
        unsigned id = 0;
        if (at + length <= config.size() && ParameterSetId(codec, &config[at], length, id))
            ids.push_back(id);
    };
    auto length = [&](std::size_t at) { return at + 2 <= config.size() ? std::size_t(config[at] << 8 | config[at + 1]) : 0; };
    if (codec == VideoCodec::H264 && config.size() > 6) {
        std::size_t at = 6;
        for (unsigned n = config[5] & 31; n > 0; --n)
            at += 2 + length(at);
        if (at >= config.size())
            return {};
        for (unsigned n = config[at++]; n > 0 && at + 2 <= config.size(); --n) {
            note(at + 2, length(at));
            at += 2 + length(at);
        }
    } else if (codec == VideoCodec::Hevc && config.size() > 23) {
        std::size_t at = 23;
        for (unsigned arrays = config[22]; arrays > 0 && at + 3 <= config.size(); --arrays) {
            const unsigned type = config[at] & 63, count = config[at + 1] << 8 | config[at + 2];
            at += 3;
            for (unsigned n = 0; n < count && at + 2 <= config.size(); ++n) {
                if (type == 34)
                    note(at + 2, length(at));
                at += 2 + length(at);
            }
        }
    }
    return ids;
}

std::uint32_t CommonDelta(BinaryFile& file, const BoxSpan& stbl)
{
    const ByteString stts = ReadChild(file, stbl, "stts");
    std::map<std::uint32_t, std::uint64_t> counts;
    for (std::size_t at = 16; at + 8 <= stts.size(); at += 8)
        counts[GetU32(stts, at + 4)] += GetU32(stts, at);
    auto most = std::max_element(counts.begin(), counts.end(), [](auto& a, auto& b) { return a.second < b.second; });
    return most == counts.end() ? 0 : most->first;
}

// How the template's pictures are cut into NAL units: the largest picture,
// and the slices each has when every one has the same.
void LookAtPictures(BinaryFile& file, const MediaTrack& track, TemplateTrack& t)
{
    const VideoCodec codec = t.kind == SampleKind::H264 ? VideoCodec::H264 : VideoCodec::Hevc;
    std::vector<int> slices;
    for (const MediaSample& sample : ReadTrackSamples(file, track)) {
        t.largestSample = std::max(t.largestSample, sample.size);
        if (slices.size() >= kPicturesLookedAt)
            continue;
        int count = 0;
        for (std::uint64_t at = sample.offset; at + std::uint64_t(t.nalLengthSize) + 3 <= sample.offset + sample.size;) {
            std::uint8_t head[4 + kNalInspectBytes] = {};
            if (!file.Seek(at) || !file.ReadExact(head, std::size_t(t.nalLengthSize) + 3))
                break;
            std::uint32_t length = 0;
            for (int i = 0; i < t.nalLengthSize; ++i)
                length = (length << 8) | head[i];
            count += InspectNal(codec, head + t.nalLengthSize, 3).slice ? 1 : 0;
            at += std::uint64_t(t.nalLengthSize) + length;
        }
        slices.push_back(count);
    }
    const bool same = !slices.empty() && std::all_of(slices.begin(), slices.end(), [&](int n) { return n == slices[0]; });
    t.slicesPerPicture = same ? slices[0] : 0;
}

void ReadSampleEntry(TemplateTrack& t)
{
    if (t.kind == SampleKind::H264) {
        const ByteString avcC = InnerBox(t.stsd, "avcC");
        t.nalLengthSize = avcC.size() > 4 ? (avcC[4] & 3) + 1 : 4;
        t.h264 = ReadH264Parameters(avcC);
        t.parameterSets = PictureParameterSets(avcC, VideoCodec::H264);
    } else if (t.kind == SampleKind::Hevc) {
        const ByteString hvcC = InnerBox(t.stsd, "hvcC");
        t.nalLengthSize = hvcC.size() > 21 ? (hvcC[21] & 3) + 1 : 4;
        t.hevc = ReadHevcParameters(hvcC);
        t.parameterSets = PictureParameterSets(hvcC, VideoCodec::Hevc);
    } else if (t.kind == SampleKind::Aac) {
        t.audioConfig = AudioSpecificConfig(InnerBox(t.stsd, "esds"));
    } else if (t.kind == SampleKind::Pcm && t.stsd.size() >= 16 + 28) {
        // stsd's header (16), then the sound entry: channels at 24, bits at 26.
        const std::size_t entry = 16;
        const unsigned channels = (t.stsd[entry + 24] << 8) | t.stsd[entry + 25];
        const unsigned bits = (t.stsd[entry + 26] << 8) | t.stsd[entry + 27];
        const unsigned width = t.format == "in24" ? 24 : t.format == "in32" ? 32 : bits;
        t.pcmFrameBytes = channels * (width / 8);
    }
}

std::optional<TemplateTrack> ReadTemplateTrack(BinaryFile& file, const BoxSpan& trak, const MediaTrack& track)
{
    TemplateTrack t;
    t.handler = track.handler;
    t.format = track.format;
    t.kind = KindOf(track.handler, track.format);
    t.timescale = track.timescale;
    auto mdia = DescendBoxes(file, trak, {"mdia"});
    auto minf = DescendBoxes(file, trak, {"mdia", "minf"});
    if (!mdia || !minf)
        return std::nullopt;
    t.tkhd = ReadChild(file, trak, "tkhd");
    t.mdhd = ReadChild(file, *mdia, "mdhd");
    t.hdlr = ReadChild(file, *mdia, "hdlr");
    for (const char* header : {"vmhd", "smhd", "gmhd", "nmhd", "hmhd", "sthd"}) {
        if (t.mediaHeader.empty())
            t.mediaHeader = ReadChild(file, *minf, header);
    }
    t.dinf = ReadChild(file, *minf, "dinf");
    const BoxSpan& stbl = track.sampleTable;
    t.stsd = ReadChild(file, stbl, "stsd");
    t.hasSyncTable = !ReadChild(file, stbl, "stss").empty();
    t.hasCompositionTimes = !ReadChild(file, stbl, "ctts").empty();
    t.sampleDelta = CommonDelta(file, stbl);
    if (t.tkhd.empty() || t.mdhd.empty() || t.hdlr.empty() || t.stsd.empty() || t.sampleDelta == 0)
        return std::nullopt;
    ReadSampleEntry(t);
    if (t.kind == SampleKind::H264 || t.kind == SampleKind::Hevc)
        LookAtPictures(file, track, t);
    if (t.kind == SampleKind::Pcm) {
        for (std::uint32_t samples : SamplesPerChunk(file, stbl))
            t.pcmChunkBytes.push_back(static_cast<std::uint32_t>(std::min<std::uint64_t>(std::uint64_t(samples) * t.pcmFrameBytes, 1u << 22)));
    }
    return t;
}

const char* KindName(SampleKind kind)
{
    switch (kind) {
    case SampleKind::H264: return "H264";
    case SampleKind::Hevc: return "Hevc";
    case SampleKind::Aac: return "Aac";
    case SampleKind::Pcm: return "Pcm";
    case SampleKind::Gpmf: return "Gpmf";
    case SampleKind::Text: return "Text";
    case SampleKind::Other: break;
    }
    return "Other";
}

}  // namespace

const TemplateTrack* RepairTemplate::Video() const
{
    for (const TemplateTrack& t : tracks) {
        if (t.kind == SampleKind::H264 || t.kind == SampleKind::Hevc)
            return &t;
    }
    return nullptr;
}

const TemplateTrack* RepairTemplate::Audio() const
{
    for (const TemplateTrack& t : tracks) {
        if (t.kind == SampleKind::Aac || t.kind == SampleKind::Pcm)
            return &t;
    }
    return nullptr;
}

std::string RepairTemplate::Layout() const
{
    std::string layout;
    for (const TemplateTrack& t : tracks)
        layout += (layout.empty() ? "" : ",") + std::string(KindName(t.kind));
    return layout + (freeGpsIndexHead ? ",FreeGps" : "");
}

std::optional<RepairTemplate> ReadRepairTemplate(const std::string& path, std::string& error)
{
    BinaryFile file(path);
    if (!file.IsOpen()) {
        error = "cannot read " + path;
        return std::nullopt;
    }
    if (DamageOf(ReadMediaExtent(file)) != Damage::None) {
        error = path + " is damaged itself";
        return std::nullopt;
    }
    const MovieIndex index = ReadMovieIndex(file);
    if (!index.moov) {
        error = path + " is not a QuickTime or MP4 recording";
        return std::nullopt;
    }
    RepairTemplate tmpl;
    if (auto ftyp = FindBox(index.topLevel, "ftyp"))
        tmpl.ftyp = ReadWhole(file, *ftyp);
    for (const BoxSpan& box : index.moovChildren) {
        if (box.Is("mvhd")) {
            tmpl.mvhd = ReadWhole(file, box);
        } else if (box.Is("udta")) {
            tmpl.udta = ReadWhole(file, box);
        } else if (box.Is("gps ")) {
            const ByteString gps = ReadWhole(file, box);
            if (gps.size() >= 12)
                tmpl.freeGpsIndexHead = ByteString(gps.begin() + 8, gps.begin() + 12);
        } else if (box.Is("trak")) {
            // ReadMovieIndex keeps the tracks it could read, in order: find this one's.
            const MediaTrack* track = nullptr;
            for (const MediaTrack& t : index.tracks) {
                if (t.sampleTable.start > box.start && t.sampleTable.End() <= box.End())
                    track = &t;
            }
            if (track) {
                if (auto t = ReadTemplateTrack(file, box, *track))
                    tmpl.tracks.push_back(std::move(*t));
            }
        }
    }
    if (tmpl.mvhd.empty() || !tmpl.Video()) {
        error = path + " has no video track to follow";
        return std::nullopt;
    }
    return tmpl;
}
