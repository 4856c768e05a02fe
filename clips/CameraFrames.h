#pragma once
// One camera's pictures along a clip, decoded file after file, each stamped
// with its time in the clip: a cut between two recordings is seamless.

#include "Clip.h"
#include "LibAv.h"

#include <string>
#include <vector>

class CameraFrames {
public:
    struct Span {
        std::string path;  // empty: the camera wrote nothing for this piece
        double from = 0, to = 0;  // seconds into the file
        double clipStart = 0;     // where it begins in the clip
    };
    explicit CameraFrames(std::vector<Span> spans) : spans_(std::move(spans)) {}

    // The time in the clip of the next picture, decoding it if need be; a
    // negative number at the end (or after an error).
    double NextTime();
    // The next picture (its pts unset: the caller stamps it), or null at the end.
    FramePtr Take();

    // The first picture's size and pixel format, known once NextTime() is.
    int Width() const { return width_; }
    int Height() const { return height_; }
    AVPixelFormat Format() const { return format_; }
    AVRational FrameRate() const { return rate_; }
    const std::string& Error() const { return error_; }

private:
    bool OpenSpan();
    bool DecodeOne();

    std::vector<Span> spans_;
    std::size_t span_ = 0;
    bool open_ = false;
    InputPtr input_;
    CodecPtr decoder_;
    int stream_ = -1;
    bool draining_ = false;
    FramePtr next_;
    double nextTime_ = -1;
    int width_ = 0, height_ = 0;
    AVPixelFormat format_ = AV_PIX_FMT_NONE;
    AVRational rate_{30, 1};
    std::string error_;
};

// The spans of `pieces` for the front or the rear camera.
std::vector<CameraFrames::Span> CameraSpans(const std::vector<ClipPiece>& pieces, bool rear);
