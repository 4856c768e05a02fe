#pragma once
// The overlay's lines (time, speed, position, G values) drawn into the
// clip's pictures by FreeType through libavfilter's text filter, in a box
// in the bottom left corner.

#include "Composition.h"

#include <string>

class TextOverlay {
public:
    bool Build(const Placement& placement, std::string& error);
    // `text` drawn into `frame` (yuv420p, the clip's size); the frame returned
    // is the one to encode.
    FramePtr Draw(FramePtr frame, const std::string& text, std::string& error);

    // The lines' height in pixels, for tests and for placing what goes above.
    int FontSize() const { return fontSize_; }

private:
    GraphPtr graph_;
    AVFilterContext* source_ = nullptr;
    AVFilterContext* text_ = nullptr;
    AVFilterContext* sink_ = nullptr;
    std::string shown_;
    int fontSize_ = 0;
};
