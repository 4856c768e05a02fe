#pragma once
// The clip's sound: one camera's recorded sound, file after file, cut at the
// marks to the sample, encoded as AAC. A stretch without sound is silence,
// so the sound stays with the pictures after it.

#include "CameraFrames.h"
#include "ClipOutput.h"

#include <string>
#include <vector>

class SoundTrack {
public:
    explicit SoundTrack(std::vector<CameraFrames::Span> spans) : spans_(std::move(spans)) {}

    // The encoder and the clip's sound stream, in the format of the first file
    // that has sound; false (and no error) when none has.
    bool Open(ClipOutput& output, std::string& error);
    // The sound up to `clipSeconds` into the clip encoded and written.
    bool WriteUntil(double clipSeconds, ClipOutput& output, std::string& error);
    // The rest, to `clipSeconds`, and the encoder emptied.
    bool Finish(double clipSeconds, ClipOutput& output, std::string& error);

private:
    bool OpenSpan(std::size_t span);
    bool DecodeSome();
    bool Take(const AVFrame* frame);
    int Resample(const AVFrame* frame, uint8_t**& converted);
    bool AddSilence(int64_t samples);
    bool Encode(bool flush, ClipOutput& output, std::string& error);
    bool Send(AVFrame* frame, ClipOutput& output, std::string& error);

    std::vector<CameraFrames::Span> spans_;
    std::size_t span_ = 0;
    bool spanOpen_ = false;
    InputPtr input_;
    CodecPtr decoder_;
    int stream_ = -1;
    ResamplerPtr resampler_;
    CodecPtr encoder_;
    AVStream* out_ = nullptr;
    FifoPtr fifo_;
    int64_t queued_ = 0;   // samples taken into the clip so far (encoded or waiting)
    int64_t encoded_ = 0;  // samples handed to the encoder
    bool decodedAll_ = false;
};
