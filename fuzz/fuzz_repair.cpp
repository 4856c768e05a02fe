// A damaged recording's top level and media data as the repair walks them,
// with a template of each kind of track a camera writes: whatever the bytes,
// the walk ends, keeps only samples inside the data and builds an index.

#include "FuzzFile.h"
#include "repair/Damage.h"
#include "repair/MediaWalk.h"
#include "repair/RepairedIndex.h"
#include "track/BinaryFile.h"

#include <cstdlib>

namespace {

TemplateTrack Track(SampleKind kind, std::uint32_t timescale, std::uint32_t delta)
{
    TemplateTrack t;
    t.kind = kind;
    t.timescale = timescale;
    t.sampleDelta = delta;
    t.tkhd = ByteString(92, 0);
    t.mdhd = ByteString(32, 0);
    t.stsd = FullBox("stsd", {0, 0, 0, 0});
    return t;
}

// H.264 or HEVC pictures; AAC or PCM sound; GPMF and text samples.
RepairTemplate TemplateFor(std::uint8_t choice)
{
    RepairTemplate tmpl;
    tmpl.mvhd = ByteString(108, 0);
    TemplateTrack video = Track(choice & 1 ? SampleKind::Hevc : SampleKind::H264, 15360, 512);
    video.largestSample = 1u << 16;
    video.hasSyncTable = true;
    video.hasCompositionTimes = true;
    video.slicesPerPicture = choice & 2 ? 1 : 0;
    video.hevc = {true, 8, false, false, false, 0};
    TemplateTrack sound = Track(choice & 4 ? SampleKind::Pcm : SampleKind::Aac, 48000, choice & 4 ? 1 : 1024);
    sound.audioConfig = {0x11, 0x88};
    sound.pcmFrameBytes = 2;
    sound.pcmChunkBytes = {4096, 2048};
    tmpl.tracks = {video, sound, Track(SampleKind::Gpmf, 1000, 1000), Track(SampleKind::Text, 1000, 1000)};
    tmpl.freeGpsIndexHead = ByteString{0, 0, 1, 1};
    return tmpl;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzFile fuzz(data, size);
    DamageOf(fuzz.Path());
    BinaryFile file(fuzz.Path());
    const MediaExtent extent = ReadMediaExtent(file);
    const std::uint64_t begin = extent.hasMedia ? extent.mediaStart : 0;
    const std::uint64_t end = extent.hasMedia ? extent.mediaEnd : file.Size();
    const RepairTemplate tmpl = TemplateFor(size ? data[size - 1] : 0);
    const MediaWalk walk = WalkMedia(file, tmpl, begin, end);
    for (const FoundSample& s : walk.samples) {
        if (s.offset < begin || s.offset + s.size > end || s.track >= tmpl.tracks.size())
            std::abort();
    }
    RepairedIndex(tmpl, walk, IndexPlacement{});
    return 0;
}
