#pragma once
// `dashtrack clip`: a stretch of recordings written as one MP4, as the
// player's "Save clip…" writes it.

#include "clips/Clip.h"

#include <string>
#include <vector>

struct ClipCommand {
    std::vector<std::string> paths;  // the front camera's recordings
    std::string from, to;            // seconds from the first one's start, or UTC (2026-05-14T08:15:10Z)
    ClipRequest request;
};

// clip --from T --to T [--cameras front|rear|both] [--layout pip|side|stack]
// [--overlay time,speed,position,g,route] [--no-audio] [--quality CRF]
// [--size source|1080|720] [--swap] [--local-time] [--mph] [--replace]
// --output OUT.mp4 PATH...; false when the arguments are not such a command.
bool ParseClip(int argc, char** argv, ClipCommand& command);

// Makes the clip with its progress on standard error: the exit status.
int RunClip(ClipCommand& command);
