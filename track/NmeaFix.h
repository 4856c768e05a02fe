#pragma once
// RMC and GGA sentences as today's cameras write them, for the newer readers:
// any talker ($GP, $GN, $GL, ...), the leading '$' sometimes left out, fields
// kept in place (an empty field is a field), the fix status obeyed and a
// checksum, when there is one, checked.

#include "TimedSamples.h"

#include <optional>
#include <string_view>

struct NmeaFix {
    bool fix = false;  // RMC status A, or GGA quality above 0
    double latitude = 0, longitude = 0;
    double knots = 0;  // RMC only
    double course = 0;
    bool hasCourse = false;
    double secondOfDay = -1;  // UTC, -1 when the sentence has no time
    int daysSince1970 = -1;  // from RMC's date, -1 without one
    bool isRmc = false;

    // Seconds since 1970 when the sentence has date and time, else -1.
    double UnixTime() const;
    // The sentence as a sample at `time` seconds into the recording.
    GpsSample Sample(double time) const { return {time, fix, latitude, longitude, knots * kKnotsToKmh, course, UnixTime()}; }
};

// The first RMC or GGA sentence in `text`, or nothing.
std::optional<NmeaFix> ReadNmeaFix(std::string_view text);

// The first RMC sentence in `text` that begins with '$' and ends with its
// checksum, the checksum right: where nothing else says the bytes are NMEA.
std::optional<NmeaFix> ReadCheckedRmc(std::string_view text);
