#pragma once
// AAC frames told apart in a run of sound with nothing between them: the
// decoder finds each frame's end, and a frame it cannot decode ends the run.

#include "BoxBytes.h"

#include <cstdint>
#include <vector>

struct AVCodecContext;
struct AVPacket;
struct AVFrame;

class AacFrames {
public:
    // `audioConfig`: the AudioSpecificConfig of the template's track.
    explicit AacFrames(const ByteString& audioConfig);
    ~AacFrames();
    AacFrames(const AacFrames&) = delete;
    AacFrames& operator=(const AacFrames&) = delete;

    bool IsOpen() const { return context_ != nullptr; }
    // The sizes of the frames `run` begins with, each decoded without an
    // error; `runIsWhole`: the run ends where its last frame does.
    std::vector<std::uint32_t> Split(const std::uint8_t* run, std::size_t size);

private:
    AVCodecContext* context_ = nullptr;
    AVPacket* packet_ = nullptr;
    AVFrame* frame_ = nullptr;
};
