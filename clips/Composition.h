#pragma once
// How the cameras share the clip's picture, and the filter graph that puts
// them there: the large picture scaled to the clip's height, the other one
// inset into its corner, beside it or under it.

#include "Clip.h"
#include "LibAv.h"

#include <string>

// The clips' time base: fine enough for any camera's frame times.
inline constexpr AVRational kClipTimeBase{1, 90000};

struct PictureSize {
    int width = 0, height = 0;
};

struct Placement {
    PictureSize clip;      // the whole picture
    PictureSize large;     // the main camera's, at (0, 0)
    PictureSize other;     // the other camera's (zero: one camera)
    int otherX = 0, otherY = 0;
    int margin = 0;        // between the edges and what is drawn in
};

// Where the pictures go: `main` is the large picture's source size, `other`
// the other camera's (zero for one camera), `height` the large picture's (0:
// the taller camera's).
Placement PlacePictures(PictureSize main, PictureSize other, ClipLayout layout, int height);

// A camera's pictures as they come from its decoder.
struct SourcePictures {
    PictureSize size;
    AVPixelFormat format = AV_PIX_FMT_NONE;
};

class Composition {
public:
    // The graph for the main camera's pictures (and the other's, when placed).
    bool Build(const Placement& placement, const SourcePictures& main, const SourcePictures& other, std::string& error);
    // A picture of the main camera (0) or the other one (1), pts in kClipTimeBase;
    // null: that camera has no more.
    bool Push(int input, AVFrame* frame, std::string& error);
    // The next composed picture, or null when none is ready yet (or at the end: Ended()).
    FramePtr Pull(std::string& error);
    bool Ended() const { return ended_; }

private:
    GraphPtr graph_;
    AVFilterContext* sources_[2] = {nullptr, nullptr};
    AVFilterContext* sink_ = nullptr;
    bool ended_ = false;
};
