#pragma once
// DJI's subtitles beside the video (<base>.SRT): a cue per frame (or per
// second on older aircraft) whose text carries the position, in one of the
// dialects DJI's firmware has written:
//   [latitude: 48.137168] [longitude: 11.576131]     (today's)
//   [latitude : 48.137168] [longtitude : 11.576131]  (sic, earlier)
//   GPS(11.5761,48.1371,16) or GPS (11.5761, 48.1371, 16)  (older: longitude first)
// Altitude and the home point are left aside; "H.S" (horizontal speed, m/s),
// where a cue has it, is the speed. The cue's start time places the sample.

#include "TimedSamples.h"

#include <optional>
#include <string>
#include <string_view>

// The start of a cue, in seconds, from its time line
// "HH:MM:SS,mmm --> HH:MM:SS,mmm"; nothing for any other line.
std::optional<double> SrtCueStart(std::string_view line);

// What one line of a cue's text says of the position.
struct DjiPositionText {
    std::optional<double> latitude, longitude, metresPerSecond;
    bool marked = false;  // the line names a position, readable or not
};
DjiPositionText ReadDjiPositionLine(std::string_view line);

// False when the side file is missing or none of its cues names a position
// (subtitles of another kind). Cues without a believable position (DJI
// writes 0, 0 without a fix) are no fix. The subtitles carry no course: it
// is the bearing of the movement.
bool ReadDjiSrtSideFile(const std::string& mediaPath, TimedSamples& out);
