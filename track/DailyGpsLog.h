#pragma once
// The daily GPS logs of several Novatek cameras: YYYYMMDD.dat, named after
// the day by the camera's clock, in a gps folder inside the recordings'
// folder or beside it, or beside the recordings themselves. One line a second,
// by the same clock:
//   YYYYMMDDHHMMSS,ddmm.mmmmm,N,dddmm.mmmmm,E,knots,altitude
// Not the scrambled <base>.DAT side file of a single recording (DatFile.h):
// a daily log is told apart by its name, eight digits that make a date, and
// by its lines.

#include "TimedSamples.h"

#include <optional>
#include <string>
#include <string_view>

class BinaryFile;
struct MovieIndex;

struct DailyLogLine {
    double clock = 0;  // the camera's clock, seconds since 1970 counted as UTC
    bool fix = false;
    double latitude = 0, longitude = 0;
    double knots = 0;
};

// One line of the log of the day starting at `logDay` (seconds since 1970).
// A line dated neither that day nor the next (a camera clock writing an
// impossible year, 2000 after a reset or 2099) is taken by its time of day
// within the log's day. Nothing for a line of any other shape. Coordinates
// of 0 or outside the earth are no fix.
std::optional<DailyLogLine> ReadDailyLogLine(std::string_view line, double logDay);

// The day a log's file name gives (seconds since 1970 of its midnight), or
// nothing when the name is not eight digits of a date and ".dat" in any case.
std::optional<double> DailyLogDay(std::string_view fileName);

// Whether the file at `path` is a daily log: its name, and a log line among
// its first lines.
bool IsDailyGpsLog(const std::string& path);

// The lines of the recording's own span: from its start by the camera's clock
// (its name, else its movie header) for the movie's length, from its day's log
// and, for a recording running past midnight, the next day's. A log is in
// time order: the span is found by halving, not by reading the day. The
// lines carry no course: it is the bearing of the movement. False when no
// log holds a line of that span.
bool ReadDailyGpsLog(const std::string& mediaPath, const MovieIndex& index, TimedSamples& out);
