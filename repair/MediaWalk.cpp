#include "MediaWalk.h"

#include "AacFrames.h"
#include "MediaWindow.h"
#include "SampleShapes.h"

#include "track/BinaryFile.h"

#include <algorithm>
#include <memory>
#include <optional>

namespace {

// A run of sound between two other samples is never longer than this: a
// longer one is not sound the walk can split.
constexpr std::uint64_t kLongestSoundRun = 4u << 20;
// An hour of pictures, sound and data is a few hundred thousand samples:
// more is a file made to exhaust the memory.
constexpr std::size_t kMostSamples = 1u << 22;
constexpr std::uint64_t kProgressEvery = 16u << 20;

std::optional<std::uint32_t> TrackOf(const RepairTemplate& tmpl, SampleKind kind)
{
    for (std::size_t i = 0; i < tmpl.tracks.size(); ++i) {
        if (tmpl.tracks[i].kind == kind)
            return static_cast<std::uint32_t>(i);
    }
    return std::nullopt;
}

class Walker {
public:
    Walker(BinaryFile& file, const RepairTemplate& tmpl, std::uint64_t end) : tmpl_(tmpl), media_(file, end)
    {
        for (SampleKind kind : {SampleKind::H264, SampleKind::Hevc}) {
            if ((video_ = TrackOf(tmpl, kind))) {
                const TemplateTrack& t = tmpl.tracks[*video_];
                shape_.codec = kind == SampleKind::H264 ? VideoCodec::H264 : VideoCodec::Hevc;
                shape_.nalLengthSize = t.nalLengthSize;
                // A busier scene than the template's makes larger pictures, never this much larger.
                shape_.largestNal = static_cast<std::uint32_t>(
                    std::min<std::uint64_t>(std::uint64_t(t.largestSample) * 4 + (256u << 10), 64u << 20));
                shape_.slicesPerPicture = t.slicesPerPicture;
                shape_.parameterSets = t.parameterSets;
                break;
            }
        }
        if ((aac_ = TrackOf(tmpl, SampleKind::Aac)))
            frames_ = std::make_unique<AacFrames>(tmpl.tracks[*aac_].audioConfig);
        pcm_ = TrackOf(tmpl, SampleKind::Pcm);
        gpmf_ = TrackOf(tmpl, SampleKind::Gpmf);
        text_ = TrackOf(tmpl, SampleKind::Text);
    }

    MediaWalk Walk(std::uint64_t begin, const RepairProgress& progress)
    {
        walk_.keptEnd = begin;
        std::uint64_t at = begin, told = begin;
        while (at < media_.End() && walk_.stop.empty()) {
            if (walk_.samples.size() >= kMostSamples) {
                walk_.stop = "more samples than a recording holds";
                break;
            }
            if (progress && at - told >= kProgressEvery) {
                told = at;
                if (!progress(double(at - begin) / double(media_.End() - begin))) {
                    walk_.cancelled = true;
                    break;
                }
            }
            at = Step(at);
        }
        return std::move(walk_);
    }

private:
    // Recognises what begins at `at` and returns where the walk goes on.
    std::uint64_t Step(std::uint64_t at)
    {
        if (auto next = DataSample(at))
            return *next;
        if (video_) {
            const Found picture = PictureAt(media_, at, shape_);
            if (picture.kind == Found::Whole) {
                NotePictureOrder(picture);
                return Keep(at, picture.end, *video_, picture.key);
            }
            if (picture.kind == Found::Cut)
                return Stop("a picture cut off in the middle");
        }
        return Sound(at);
    }

    std::optional<std::uint64_t> DataSample(std::uint64_t at)
    {
        const Found block = FreeGpsBlockAt(media_, at);
        if (block.kind == Found::Whole) {
            walk_.freeGpsBlocks.push_back({at, static_cast<std::uint32_t>(block.end - at)});
            walk_.keptEnd = block.end;
            return block.end;
        }
        std::optional<std::uint32_t> track;
        Found found;
        if (gpmf_ && (found = GpmfPayloadAt(media_, at)).kind != Found::No)
            track = gpmf_;
        else if (text_ && (found = TextSampleAt(media_, at)).kind != Found::No)
            track = text_;
        if (block.kind == Found::Cut || found.kind == Found::Cut)
            return Stop("a data sample cut off in the middle");
        if (!track)
            return std::nullopt;
        return Keep(at, found.end, *track, true);
    }

    bool OtherSampleBeginsAt(std::uint64_t at)
    {
        if (video_ && PictureBeginsAt(media_, at, shape_))
            return true;
        return FreeGpsBlockAt(media_, at).kind != Found::No || (gpmf_ && GpmfPayloadAt(media_, at).kind != Found::No) ||
               (text_ && TextSampleAt(media_, at, &textStretch_).kind != Found::No);
    }

    // Sound runs until a picture or data sample begins.
    std::uint64_t Sound(std::uint64_t at)
    {
        // PCM has nothing to check it by but the camera's chunk size: a
        // chunk of it followed by something known is taken whole.
        if (pcm_) {
            for (std::uint32_t chunk : tmpl_.tracks[*pcm_].pcmChunkBytes) {
                const std::uint64_t chunkEnd = at + chunk;
                if (chunkEnd <= media_.End() && (chunkEnd == media_.End() || OtherSampleBeginsAt(chunkEnd)))
                    return KeepPcm(at, chunkEnd);
            }
        }
        const std::uint64_t limit = std::min(media_.End(), at + std::min<std::uint64_t>(kLongestSoundRun, media_.Capacity()));
        std::uint64_t runEnd = at + 1;
        while (runEnd < limit && !OtherSampleBeginsAt(runEnd))
            ++runEnd;
        const std::uint8_t* run = media_.At(at, static_cast<std::size_t>(runEnd - at));
        std::uint64_t kept = at;
        if (run && aac_ && frames_->IsOpen()) {
            for (std::uint32_t size : frames_->Split(run, static_cast<std::size_t>(runEnd - at)))
                kept = Keep(kept, kept + size, *aac_, true);
        } else if (run && pcm_) {
            kept = KeepPcm(at, runEnd);
        }
        if (kept == at && runEnd == limit && runEnd == media_.End())
            return Stop("sound cut off in the middle, or bytes of no kind known");
        return runEnd;  // what the sound did not take is left out
    }

    std::uint64_t KeepPcm(std::uint64_t at, std::uint64_t runEnd)
    {
        const std::uint32_t frame = tmpl_.tracks[*pcm_].pcmFrameBytes;
        if (frame == 0)
            return at;
        // The run's whole PCM frames, each a sample of the track.
        const std::uint64_t frames = (runEnd - at) / frame;
        if (frames == 0)
            return at;
        Keep(at, at + frames * frame, *pcm_, true);
        walk_.samples.back().count = static_cast<std::uint32_t>(frames);
        return at + frames * frame;
    }

    // What the showing order needs of the picture: its first slice's header.
    void NotePictureOrder(const Found& picture)
    {
        const TemplateTrack& t = tmpl_.tracks[*video_];
        if (t.PocLsbBits() == 0 || !t.hasCompositionTimes)
            return;
        std::size_t got = 0;
        const std::uint64_t nal = picture.firstSlice + std::uint64_t(t.nalLengthSize);
        const std::uint8_t* bytes = media_.Upto(nal, static_cast<std::size_t>(std::min<std::uint64_t>(64, picture.end - nal)), got);
        std::optional<SliceStart> start;
        if (bytes)
            start = t.kind == SampleKind::Hevc ? ReadSliceStart(t.hevc, bytes, got) : ReadSliceStart(t.h264, bytes, got);
        walk_.pictureStarts.push_back(start.value_or(SliceStart{}));
    }

    std::uint64_t Keep(std::uint64_t at, std::uint64_t end, std::uint32_t track, bool key)
    {
        walk_.samples.push_back({at, static_cast<std::uint32_t>(end - at), track, key});
        walk_.keptEnd = end;
        return end;
    }

    std::uint64_t Stop(const char* why)
    {
        walk_.stop = why;
        return media_.End();
    }

    const RepairTemplate& tmpl_;
    MediaWindow media_;
    MediaWalk walk_;
    VideoShape shape_;
    std::optional<std::uint32_t> video_, aac_, pcm_, gpmf_, text_;
    std::unique_ptr<AacFrames> frames_;
    TextStretch textStretch_;
};

}  // namespace

MediaWalk WalkMedia(BinaryFile& file, const RepairTemplate& tmpl, std::uint64_t begin, std::uint64_t end,
                    const RepairProgress& progress)
{
    return Walker(file, tmpl, end).Walk(begin, progress);
}
