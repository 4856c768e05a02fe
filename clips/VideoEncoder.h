#pragma once
// The clip's pictures encoded as H.264 into its MP4: on the graphics chip
// through VAAPI where one takes the work, else by x264 at the chosen quality
// (or the libraries' own H.264 encoder where x264 is missing).
// DUALDASH_CLIP_ENCODER=software keeps to x264.

#include "ClipOutput.h"
#include "Composition.h"

#include <string>

struct SwsContext;

class VideoEncoder {
public:
    VideoEncoder() = default;
    VideoEncoder(const VideoEncoder&) = delete;
    VideoEncoder& operator=(const VideoEncoder&) = delete;
    ~VideoEncoder();

    bool Open(PictureSize size, AVRational frameRate, int quality, ClipOutput& output, std::string& error);
    // A picture (yuv420p), pts in kClipTimeBase; null empties the encoder at the end.
    bool Encode(AVFrame* frame, ClipOutput& output, std::string& error);
    // "h264_vaapi", "libx264", …: which one took the work.
    std::string Name() const;

private:
    bool OpenHardware(PictureSize size, AVRational frameRate, int quality, ClipOutput& output);
    bool OpenSoftware(PictureSize size, AVRational frameRate, int quality, ClipOutput& output, std::string& error);
    void Describe(PictureSize size, AVRational frameRate, ClipOutput& output);
    bool AddStream(ClipOutput& output, AVRational frameRate);
    FramePtr Upload(const AVFrame* frame);

    CodecPtr encoder_;
    AVBufferRef* device_ = nullptr;  // the graphics chip, for VAAPI
    AVBufferRef* surfaces_ = nullptr;
    SwsContext* toNv12_ = nullptr;
    AVStream* out_ = nullptr;
    int64_t frameDuration_ = 0;  // in kClipTimeBase
};
