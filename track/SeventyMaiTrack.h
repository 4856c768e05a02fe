#pragma once
// 70mai cameras: the top-level "GPS " box of fixed-size records inside a
// recording, and the GPSData*.txt logs the camera keeps on its card.

#include "TimedSamples.h"

#include <string>
#include <string_view>

class BinaryFile;
struct MovieIndex;

// The box: 36-byte little-endian records, each two words (the second is 1
// for a fix), the second of the recording, the speed in thousandths of km/h,
// a hemisphere letter and the latitude as DDMM.mmm in thousandths, a letter
// and the longitude alike, and ten bytes not read. An all-zero record ends
// the list. False when the movie has no such box at its top level. Time rule:
// the record's own second places it. The box gives no course: it is the
// bearing of the movement.
bool ReadSeventyMaiBox(BinaryFile& file, const MovieIndex& index, TimedSamples& out);

// One log's lines: "UNIXTIME,STATUS,LAT,LON,COURSE,SPEED,...", the course in
// hundredths of a degree, the speed in cm/s, the tenth field the video the
// line was written for; "$V02" lines start a new run of the camera.
// Time rule: lines that name the recording (its name without folder and
// extension, in any case) belong to it, and its time 0 is the earliest of
// them, whatever the time zone of the camera's clock; without such lines, the
// lines within the movie's span from its creation time belong to it.
// A "V" line is a second without a fix; a line of another status, or an "A"
// line whose numbers cannot be, is damage and left out.
class SeventyMaiLogReader {
public:
    SeventyMaiLogReader(std::string recordingStem, double createdSeconds, double durationSeconds);
    void Line(std::string_view line);
    // False when no line belongs to the recording.
    bool Samples(TimedSamples& out) const;

private:
    std::string stem_;  // lower case
    double created_, duration_;
    std::vector<GpsSample> named_, inSpan_;  // times here: the line's UNIX time
};

// The logs beside the recording, on the card's root above it (two folders up
// at most) or in a GPSData folder there. False when no line of any log
// belongs to the recording.
bool ReadSeventyMaiLogs(const std::string& mediaPath, const MovieIndex& index, TimedSamples& out);
