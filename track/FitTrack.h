#pragma once
// Garmin's FIT files beside a Garmin camera's videos: a header, then
// definition and data messages; positions from `record` messages (global
// number 20) and `gps_metadata` (160), in semicircles, their times in seconds
// since 1989-12-31 UTC.

#include "TimedSamples.h"

#include <string>
#include <vector>

class BinaryFile;
struct MovieIndex;

struct FitFix {
    double utc = -1;  // seconds since 1970
    bool located = false;
    double latitude = 0, longitude = 0;
    double kmh = 0;
    double course = -1;  // degrees; -1 when the message gives none
};

// The fixes of the file's messages, in file order, at most kMaxTimedSamples;
// a message without a UTC time (a device's own clock, below 0x10000000) is
// left out. False when the file is not FIT. A whole file whose CRC fails
// gives no fix; one cut short gives those before the cut. Reading stops where
// a message cannot be: a data message of a local type never defined, or one
// cut short.
bool ReadFitFixes(BinaryFile& file, std::vector<FitFix>& out);

// The FIT file beside the video (its own name with .fit, else any .fit in
// its folder or a GMetrix folder beside it or one folder up) whose fixes fall
// within the movie's span. Time rule: a fix lies its UTC less the movie
// header's creation time into the recording (Garmin's cameras keep UTC
// there). Fixes without a heading take the bearing of the movement.
bool ReadFitSideFile(const std::string& mediaPath, const MovieIndex& index, TimedSamples& out);
