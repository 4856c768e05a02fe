#pragma once
// Logs of NMEA sentences, a line each, perhaps after an "[epoch-ms]" stamp
// (BlackVue's "gps " data and side files), and plain NMEA side files.

#include "TimedSamples.h"

#include <functional>
#include <optional>
#include <string_view>

class BinaryFile;

// Time rule: a stamped line lies (stamp - base) / 1000 s into the recording,
// the base being the recording's start stamp when the camera gives one, else
// the first stamp; an unstamped sentence lies its time of day after the first
// one's (a clock going back by more than 12 hours has passed midnight). An
// RMC and a GGA of the same moment make one sample: the RMC's.
class NmeaLogReader {
public:
    explicit NmeaLogReader(std::optional<double> startStampMs = std::nullopt) : base_(startStampMs) {}
    void Line(std::string_view line);
    TimedSamples& Samples() { return samples_; }

private:
    std::optional<double> Time(std::optional<double> stamp, double secondOfDay);
    void Add(const GpsSample& sample, bool isRmc);

    TimedSamples samples_;
    std::optional<double> base_;
    double firstClock_ = -1;
    double lastClock_ = -1;
    int days_ = 0;
    bool lastWasRmc_ = false;
};

// The lines of bytes [from, end) of `file` into an NMEA log.
void ReadLines(BinaryFile& file, std::uint64_t from, std::uint64_t end, NmeaLogReader& reader);
