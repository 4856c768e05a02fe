#pragma once
// Samples placed on a recording's time line, as the newer readers find them,
// and the rule that turns them into 100 ms slots.

#include "AssistInfo.h"

#include <cstdint>
#include <string>
#include <vector>

struct GpsSample {
    double time = 0;  // seconds from the start of the recording
    bool fix = false;
    double latitude = 0;   // decimal degrees, north positive
    double longitude = 0;  // east positive
    double kmh = 0;
    double course = 0;  // degrees
    double utc = -1;    // the fix's UTC, seconds since 1970, where the source dates it; -1 where not
};

struct GSample {
    double time = 0;
    float x = 0, y = 0, z = 0;  // g
};

struct TimedSamples {
    std::vector<GpsSample> gps;
    std::vector<GSample> g;
    bool Empty() const { return gps.empty() && g.empty(); }
};

// The UTC of the recording's time 0 by the GPS clock: the first dated fix's
// UTC less its time into the recording; -1 when no fix is dated.
double StartUtc(const TimedSamples& samples);

// Seconds since 1970 of a UTC date (a year below 100 counted from 2000) and
// second of the day; -1 for a date that does not exist.
double UtcSeconds(int year, int month, int day, double secondOfDay);
// 2000-01-01T00:00:00Z in those seconds.
inline constexpr double kUtcYear2000 = 946684800;

// Knots to km/h for the newer readers (the older ones keep their 1.85).
inline constexpr double kKnotsToKmh = 1.852;

// A reader's cap on what it keeps: more samples than a day at 20 Hz (or the
// G-sensor at 400 Hz for an hour) cannot change the track.
inline constexpr std::size_t kMaxTimedSamples = 20u * 86400u;

// Decimal degrees as "%d.%06d" text, as the older readers write them; empty
// for a value that is not a coordinate.
std::string DecimalDegreesText(double degrees, double limit);

// Appends one slot per 100 ms over `durationSeconds` (the last sample's second
// when 0): each slot takes the latest GPS and G sample at or before its time,
// so no position is invented, and holds it for at most two seconds; samples
// outside the recording are dropped.
// Positions only where the fix says so; speed truncated toward zero.
void AppendSampleSlots(const TimedSamples& samples, double durationSeconds, TrackSlots& track);

// NMEA "ddmm.mmmm" (any number of decimals) to decimal degrees; false for a
// text that is not one, or minutes of 60 and over.
bool NmeaToDegrees(std::string_view text, char hemisphere, double& degrees);
