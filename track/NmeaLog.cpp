#include "NmeaLog.h"

#include "BinaryFile.h"
#include "NmeaFix.h"
#include "TextLines.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

// "[digits]" at the start of the line: the stamp, and the line after it.
std::optional<double> TakeStamp(std::string_view& line)
{
    if (line.empty() || line[0] != '[')
        return std::nullopt;
    const std::size_t close = line.find(']');
    if (close == std::string_view::npos || close < 2 || close > 20)
        return std::nullopt;
    double stamp = 0;
    for (std::size_t i = 1; i < close; ++i) {
        if (line[i] < '0' || line[i] > '9')
            return std::nullopt;
        stamp = stamp * 10 + (line[i] - '0');
    }
    line.remove_prefix(close + 1);
    return stamp;
}

}  // namespace

std::optional<double> NmeaLogReader::Time(std::optional<double> stamp, double secondOfDay)
{
    if (stamp) {
        if (!base_)
            base_ = *stamp;
        return (*stamp - *base_) / 1000.0;
    }
    if (secondOfDay < 0)
        return std::nullopt;
    if (firstClock_ < 0)
        firstClock_ = secondOfDay;
    if (lastClock_ >= 0 && secondOfDay < lastClock_ - 43200)
        ++days_;
    lastClock_ = secondOfDay;
    return secondOfDay + days_ * 86400.0 - firstClock_;
}

void NmeaLogReader::Line(std::string_view line)
{
    const auto stamp = TakeStamp(line);
    const auto fix = ReadNmeaFix(line);
    if (!fix || samples_.gps.size() >= kMaxTimedSamples)
        return;
    if (const auto time = Time(stamp, fix->secondOfDay))
        Add(fix->Sample(*time), fix->isRmc);
}

void NmeaLogReader::Add(const GpsSample& sample, bool isRmc)
{
    auto& gps = samples_.gps;
    const bool sameMoment = !gps.empty() && std::fabs(gps.back().time - sample.time) < 0.0005;
    if (sameMoment && lastWasRmc_ && !isRmc)
        return;  // the RMC already holds this moment, with speed and course
    if (sameMoment)
        gps.back() = sample;
    else
        gps.push_back(sample);
    lastWasRmc_ = isRmc;
}

void ReadLines(BinaryFile& file, std::uint64_t from, std::uint64_t end, NmeaLogReader& reader)
{
    ForEachLine(file, from, end, [&](std::string_view line) { reader.Line(line); });
}
