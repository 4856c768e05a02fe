#pragma once
// Drives: a recorder cuts a drive into one- to five-minute files; recordings
// whose times follow each other are one drive.

#include "track/AssistInfo.h"

#include <ctime>
#include <string>
#include <vector>

struct RecordingSpan {
    std::string path;
    double start = 0;        // UTC, seconds since 1970
    double seconds = 0;      // length
    double kilometres = 0;   // along its track, 0 without one
    bool timed = true;       // false: no time stamp could be read
    bool gpsTimed = false;   // the start is the GPS clock's, not the camera's

    double End() const { return start + seconds; }
};

struct Drive {
    std::vector<RecordingSpan> recordings;  // in time order

    double Start() const { return recordings.front().start; }
    double End() const;
    double Kilometres() const;
};

// A recording joins the drive before it when it starts at most `maxGap`
// seconds after that drive's end (an overlap joins too). Recordings are taken
// in time order whatever order they come in; those without a time stamp make
// a drive each, after the others.
std::vector<Drive> GroupDrives(std::vector<RecordingSpan> recordings, double maxGapSeconds = 30);

// The drive among `drives` that holds the recording at `path`; nullptr when
// none does.
const Drive* DriveHolding(const std::vector<Drive>& drives, const std::string& path);

// The recording's start and length, without reading its track: as below.
RecordingSpan RecordingTimes(const std::string& path);

// The recording's start and length: the movie header's creation time and
// duration for MP4/MOV, the AVI header's frame count and rate with the file's
// last-write time as its end for AVI; the start by the GPS clock instead
// where the track dates its fixes; the length of its track, in km. The track
// itself goes to `slots` when one is given.
RecordingSpan DescribeRecording(const std::string& path, TrackSlots* slots = nullptr);

// Kilometres along the slots' positions.
double TrackKilometres(const TrackSlots& track);

// A position of a route with the slot it was read in.
struct RouteFix {
    int slot = 0;
    double latitude = 0, longitude = 0;  // degrees
    int speedKmh = 0;
};

// The slots that carry a new position, speed or course (a 1 Hz receiver's fix
// fills ten slots): enough to draw the route and find a slot from a place.
std::vector<RouteFix> RouteFixes(const TrackSlots& track);
