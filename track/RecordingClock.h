#pragma once
// When a recording started by its camera's clock: from the time stamp the
// camera puts in its name, else from the movie header's creation time. The
// camera's clock keeps no time zone; its readings are counted here as
// seconds since 1970 as if they were UTC, so that two of them compare.

#include <optional>
#include <string_view>

struct MovieIndex;

// The first time stamp in a recording's base name, not preceded by a digit:
// YYYY_MMDD_HHMMSS (2024_0315_142501_F), YYYYMMDD_HHMMSS or YYYYMMDD-HHMMSS
// (20240315_142501_NF), or YYYYMMDDHHMMSS; nothing for a date that does not
// exist or a time past 23:59:59.
std::optional<double> NameClock(std::string_view baseName);

// The name's clock, else the movie header's creation time.
std::optional<double> RecordingStartClock(std::string_view baseName, const MovieIndex& index);
