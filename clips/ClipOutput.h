#pragma once
// The clip's MP4 as it is written: into a hidden file beside the target,
// moved to the target's name only when whole, removed otherwise.

#include "LibAv.h"
#include "library/PartialFile.h"

#include <memory>
#include <optional>
#include <string>

struct ClipPlace {
    double latitude = 0, longitude = 0;  // degrees
};

// "+48.1372+011.5755/": a position as ISO 6709 writes it, as phones tag their videos.
std::string Iso6709(const ClipPlace& place);

class ClipOutput {
public:
    ClipOutput() = default;
    ClipOutput(const ClipOutput&) = delete;
    ClipOutput& operator=(const ClipOutput&) = delete;
    ~ClipOutput();  // a clip not finished leaves nothing

    bool Open(const std::string& target, std::string& error);
    // A stream for the muxer, its parameters from `codec` (of an encoder) or `parameters` (copied).
    AVStream* AddStream(const AVCodecParameters* parameters, AVRational timeBase);
    // The header, with the clip's creation time (UTC) and place when known, and
    // the index written before the media (faststart), so a player streams it.
    bool Begin(double startUtc, const std::optional<ClipPlace>& place, std::string& error);
    bool Write(AVPacket* packet, std::string& error);
    // The trailer, and the file moved into place; an existing target only
    // when `replace`.
    bool Finish(bool replace, std::string& error);

    AVFormatContext* Muxer() const { return muxer_; }

private:
    void Discard();

    std::unique_ptr<PartialFile> partial_;
    AVFormatContext* muxer_ = nullptr;
    bool begun_ = false;
};
