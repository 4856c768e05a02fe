#include "RepairedIndex.h"

#include "SampleTables.h"

#include <algorithm>

namespace {

bool Version1(const ByteString& fullBox)
{
    return fullBox.size() > 8 && fullBox[8] == 1;
}

// A header's creation and modification time and its duration, which lies
// `after` bytes past the times (version 0: 32-bit fields, 1: 64-bit).
void SetTimesAndDuration(ByteString& box, std::uint32_t created, std::uint64_t duration, int after)
{
    if (Version1(box)) {
        SetU64(box, 12, created);
        SetU64(box, 20, created);
        SetU64(box, 28 + after, duration);
    } else {
        SetU32(box, 12, created);
        SetU32(box, 16, created);
        SetU32(box, 20 + after, static_cast<std::uint32_t>(std::min<std::uint64_t>(duration, UINT32_MAX)));
    }
}

// mvhd and mdhd: the time scale between the times and the duration.
void SetTimes(ByteString& box, std::uint32_t created, std::uint64_t duration)
{
    SetTimesAndDuration(box, created, duration, 4);
}

// tkhd: its track number and a reserved word between them.
void SetTrackDuration(ByteString& tkhd, std::uint32_t created, std::uint64_t duration)
{
    SetTimesAndDuration(tkhd, created, duration, 8);
}

std::uint32_t MovieTimescale(const ByteString& mvhd)
{
    return GetU32(mvhd, Version1(mvhd) ? 28 : 20);
}

// The edit that starts showing at the first picture, not at the time the
// composition offsets were shifted by.
ByteString EditList(std::uint64_t duration, std::uint32_t mediaStart)
{
    ByteString b;
    PutU32(b, 1);
    PutU32(b, static_cast<std::uint32_t>(std::min<std::uint64_t>(duration, UINT32_MAX)));
    PutU32(b, mediaStart);
    PutU32(b, 0x00010000);  // at normal speed
    return Box("edts", FullBox("elst", b));
}

ByteString Track(const TemplateTrack& t, const std::vector<FoundSample>& samples, const MediaWalk& walk,
                 const IndexPlacement& placement, std::uint32_t movieTimescale, std::uint64_t& movieDuration)
{
    std::vector<std::uint32_t> offsets;
    std::uint32_t shift = 0;
    if (t.hasCompositionTimes && t.PocLsbBits() > 0 && walk.pictureStarts.size() == samples.size())
        offsets = CompositionOffsets(ShowingOrder(t.PocLsbBits(), walk.pictureStarts), t.sampleDelta, shift);
    const std::uint64_t mediaDuration = SampleCount(samples) * t.sampleDelta;
    const std::uint64_t duration = t.timescale ? mediaDuration * movieTimescale / t.timescale : 0;
    movieDuration = std::max(movieDuration, duration);
    ByteString tkhd = t.tkhd, mdhd = t.mdhd;
    SetTrackDuration(tkhd, placement.created, duration);
    SetTimes(mdhd, placement.created, mediaDuration);
    ByteString minf = t.mediaHeader;
    Append(minf, t.dinf);
    Append(minf, SampleTableBox(t, samples, placement.moveBy, placement.wide, offsets));
    ByteString mdia = mdhd;
    Append(mdia, t.hdlr);
    Append(mdia, Box("minf", minf));
    ByteString trak = tkhd;
    if (shift > 0)
        Append(trak, EditList(duration, shift));
    Append(trak, Box("mdia", mdia));
    return Box("trak", trak);
}

ByteString FreeGpsIndex(const ByteString& head, const std::vector<FoundBlock>& blocks, std::int64_t moveBy)
{
    ByteString b = head;
    PutU32(b, static_cast<std::uint32_t>(blocks.size()));
    for (const FoundBlock& block : blocks) {
        PutU32(b, static_cast<std::uint32_t>(static_cast<std::int64_t>(block.offset) + moveBy));
        PutU32(b, block.size);
    }
    return Box("gps ", b);
}

}  // namespace

std::vector<std::vector<FoundSample>> SamplesByTrack(const RepairTemplate& tmpl, const MediaWalk& walk)
{
    std::vector<std::vector<FoundSample>> byTrack(tmpl.tracks.size());
    for (const FoundSample& s : walk.samples)
        byTrack[s.track].push_back(s);
    return byTrack;
}

ByteString RepairedIndex(const RepairTemplate& tmpl, const MediaWalk& walk, const IndexPlacement& placement)
{
    const auto byTrack = SamplesByTrack(tmpl, walk);
    const std::uint32_t movieTimescale = MovieTimescale(tmpl.mvhd);
    std::uint64_t movieDuration = 0;
    ByteString tracks;
    for (std::size_t i = 0; i < tmpl.tracks.size(); ++i) {
        // A track of a kind the walk cannot find (a time code) is left out.
        if (tmpl.tracks[i].kind != SampleKind::Other)
            Append(tracks, Track(tmpl.tracks[i], byTrack[i], walk, placement, movieTimescale, movieDuration));
    }
    ByteString mvhd = tmpl.mvhd;
    SetTimes(mvhd, placement.created, movieDuration);
    ByteString moov = mvhd;
    Append(moov, tracks);
    if (tmpl.freeGpsIndexHead)
        Append(moov, FreeGpsIndex(*tmpl.freeGpsIndexHead, walk.freeGpsBlocks, placement.moveBy));
    Append(moov, tmpl.udta);
    return Box("moov", moov);
}
