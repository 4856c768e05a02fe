#pragma once
// The clip's pictures encoded as H.264 into its MP4: x264 at the chosen
// quality, or the libraries' own H.264 encoder where x264 is missing.

#include "ClipOutput.h"
#include "Composition.h"

#include <string>

class VideoEncoder {
public:
    bool Open(PictureSize size, AVRational frameRate, int quality, ClipOutput& output, std::string& error);
    // A picture, pts in kClipTimeBase; null empties the encoder at the end.
    bool Encode(AVFrame* frame, ClipOutput& output, std::string& error);

private:
    CodecPtr encoder_;
    AVStream* out_ = nullptr;
    int64_t frameDuration_ = 0;  // in kClipTimeBase
};
