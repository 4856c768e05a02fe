#pragma once
// A recording's or a drive's track as it leaves the program: one point a
// slot on the UTC time line, split into segments where it breaks.

#include "Drives.h"
#include "track/AssistInfo.h"

#include <string>
#include <vector>

struct RecordingTrack {
    RecordingSpan span;
    TrackSlots track;
};

// The span (start, length, km) and the track of a recording, read as the
// player reads them.
RecordingTrack ReadRecordingTrack(const std::string& path);

struct ExportPoint {
    double time = 0;  // UTC seconds since 1970: the recording's start plus the slot's time
    bool fix = false;
    double latitude = 0, longitude = 0;  // degrees
    int speedKmh = 0;
    double course = 0;  // degrees
    float gx = 0, gy = 0, gz = 0;
    int segment = -1;    // numbered from 0 along the fixes; -1 without a fix
    bool fresh = false;  // a fix that differs from the slot before: a new GPS sample
};

// A gap over this many seconds between one recording's end and the next one's
// start breaks the track (files of one drive follow within a second or two).
inline constexpr double kSegmentGapSeconds = 5;

// Every slot of the recordings, taken in time order. A new segment begins
// where a fix follows a slot without one, and at a gap between recordings.
std::vector<ExportPoint> ExportPoints(std::vector<RecordingTrack> recordings);

// The points of each segment that carry a new sample, for formats that hold
// positions only (a 1 Hz receiver's fix is held for ten slots).
std::vector<std::vector<ExportPoint>> ExportSegments(const std::vector<ExportPoint>& points);
