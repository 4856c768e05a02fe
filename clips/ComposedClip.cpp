#include "ComposedClip.h"

#include "CameraFrames.h"
#include "ClipData.h"
#include "Composition.h"
#include "RouteOverlay.h"
#include "SoundTrack.h"
#include "TextOverlay.h"
#include "VideoEncoder.h"

#include <cmath>
#include <optional>

namespace {

// Sound is written this far ahead of the pictures, so the muxer can
// interleave the two without holding much.
constexpr double kSoundLead = 0.5;

class Composer {
public:
    Composer(const ClipRequest& request, const ClipProgress& progress)
        : request_(request), progress_(progress), data_(request.pieces),
          mainIsRear_(request.cameras == ClipCameras::Rear || (request.cameras == ClipCameras::Both && request.swapped)),
          main_(CameraSpans(request.pieces, mainIsRear_))
    {
        if (request.cameras == ClipCameras::Both)
            other_.emplace(CameraSpans(request.pieces, !mainIsRear_));
    }

    ClipResult Run()
    {
        if (Prepare() && Compose() && Finish())
            result_.written = true;
        return result_;
    }

private:
    bool Fail(const std::string& error)
    {
        if (result_.error.empty())
            result_.error = error;
        return false;
    }

    bool Prepare()
    {
        if (main_.NextTime() < 0)
            return Fail(main_.Error().empty() ? "no pictures between the marks" : main_.Error());
        const bool two = other_ && other_->NextTime() >= 0;
        if (!two)
            other_.reset();  // the other camera recorded nothing here: the main one alone
        const SourcePictures main{{main_.Width(), main_.Height()}, main_.Format()};
        const SourcePictures other = two ? SourcePictures{{other_->Width(), other_->Height()}, other_->Format()}
                                         : SourcePictures{};
        placement_ = PlacePictures(main.size, other.size, request_.layout, request_.height);
        std::string& error = result_.error;
        if (!composition_.Build(placement_, main, other, error))
            return false;
        const ClipOverlays& o = request_.overlays;
        if ((o.time || o.speed || o.position || o.g) && !(text_.emplace().Build(placement_, error)))
            return false;
        if (o.route)
            route_.emplace(data_.Route(), PlaceRouteBox(placement_));
        if (!output_.Open(request_.output, error) ||
            !encoder_.Open(placement_.clip, main_.FrameRate(), request_.quality, output_, error))
            return false;
        if (request_.sound) {
            // The sound of the main camera's recording, as the player plays it.
            sound_.emplace(CameraSpans(request_.pieces, mainIsRear_));
            if (!sound_->Open(output_, error)) {
                sound_.reset();
                if (!error.empty())
                    return false;
            }
        }
        return output_.Begin(data_.StartUtc(), data_.FirstFix(), error);
    }

    // Feeds the cameras' pictures in time order, so the overlay never waits
    // long for the other camera, and encodes what comes out. The clip
    // follows the main camera: its last picture ends the clip.
    bool Compose()
    {
        bool otherEnded = !other_;
        for (double m = main_.NextTime(); m >= 0; m = main_.NextTime()) {
            const double o = otherEnded ? -1 : other_->NextTime();
            if (!otherEnded && o < 0) {
                Push(1, nullptr, 0);
                otherEnded = true;
            } else if (!otherEnded && o <= m) {
                Push(1, other_->Take(), o);
            } else {
                Push(0, main_.Take(), m);
            }
            if (!Drain())
                return false;
        }
        Push(0, nullptr, 0);
        if (!otherEnded)
            Push(1, nullptr, 0);
        return Drain();
    }

    // A camera's picture at its time in the clip, or its end (null).
    void Push(int input, FramePtr frame, double clipSeconds)
    {
        if (frame)
            frame->pts = std::llround(clipSeconds * kClipTimeBase.den / kClipTimeBase.num);
        composition_.Push(input, frame.get(), result_.error);
    }

    bool Drain()
    {
        while (FramePtr frame = composition_.Pull(result_.error)) {
            if (!Finish(std::move(frame)))
                return false;
        }
        return result_.error.empty();
    }

    bool Finish(FramePtr frame)
    {
        const double at = static_cast<double>(frame->pts) * av_q2d(kClipTimeBase);
        if (text_) {
            frame = text_->Draw(std::move(frame), data_.TextAt(at, request_.overlays), result_.error);
            if (!frame)
                return false;
        }
        if (route_ && !route_->Empty()) {
            if (av_frame_make_writable(frame.get()) < 0)
                return Fail("out of memory");
            route_->Draw(frame.get(), at);
        }
        if (!encoder_.Encode(frame.get(), output_, result_.error))
            return false;
        if (sound_ && !sound_->WriteUntil(at + kSoundLead, output_, result_.error))
            return false;
        if (progress_ && !progress_(std::min(1.0, at / std::max(data_.Seconds(), 1e-3)))) {
            result_.cancelled = true;
            return false;
        }
        return true;
    }

    bool Finish()
    {
        std::string& error = result_.error;
        if (!encoder_.Encode(nullptr, output_, error) ||
            (sound_ && !sound_->Finish(data_.Seconds(), output_, error)) || !output_.Finish(request_.replace, error))
            return false;
        result_.startUtc = data_.StartUtc();
        result_.seconds = data_.Seconds();
        std::string gpxError;
        result_.gpx = data_.WriteGpx(request_.output, request_.replace, gpxError);
        if (!gpxError.empty())
            result_.error = "the clip is written, its GPX not: " + gpxError;
        return true;
    }

    const ClipRequest& request_;
    const ClipProgress& progress_;
    ClipResult result_;
    ClipData data_;
    bool mainIsRear_;
    CameraFrames main_;
    std::optional<CameraFrames> other_;
    Placement placement_;
    Composition composition_;
    std::optional<TextOverlay> text_;
    std::optional<RouteOverlay> route_;
    std::optional<SoundTrack> sound_;
    ClipOutput output_;
    VideoEncoder encoder_;
};

}  // namespace

ClipResult ComposeClip(const ClipRequest& request, const ClipProgress& progress)
{
    return Composer(request, progress).Run();
}
