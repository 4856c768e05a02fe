#include "NmeaLog.h"

#include "BinaryFile.h"
#include "NmeaFix.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

constexpr std::size_t kMaxLine = 4096;

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

// The first CR, LF or NUL (a plain loop: find_first_of asks memchr per byte).
std::size_t LineEnd(std::string_view text)
{
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n' || text[i] == '\r' || text[i] == '\0')
            return i;
    }
    return std::string_view::npos;
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
    ReadTextLines(file, from, end, [&reader](std::string_view line) { reader.Line(line); });
}

void ReadTextLines(BinaryFile& file, std::uint64_t from, std::uint64_t end, const std::function<void(std::string_view)>& line)
{
    end = std::min(end, file.Size());
    std::vector<char> chunk(1 << 16);
    std::string carried;  // the start of a line that runs on into the next chunk
    auto feed = [&](std::string_view text) {
        if (!text.empty())
            line(text.substr(0, kMaxLine));
    };
    for (std::uint64_t at = from; at < end && file.Seek(at);) {
        const std::size_t got = file.Read(chunk.data(), static_cast<std::size_t>(std::min<std::uint64_t>(chunk.size(), end - at)));
        if (got == 0)
            break;
        std::string_view rest(chunk.data(), got);
        for (std::size_t stop; (stop = LineEnd(rest)) != std::string_view::npos;) {
            if (carried.empty()) {
                feed(rest.substr(0, stop));
            } else {
                carried.append(rest.substr(0, std::min(stop, kMaxLine)));
                feed(carried);
                carried.clear();
            }
            rest.remove_prefix(stop + 1);
        }
        if (carried.size() < kMaxLine)
            carried.append(rest.substr(0, kMaxLine - carried.size()));
        at += got;
    }
    feed(carried);
}
