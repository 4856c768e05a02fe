#include "RecordingClock.h"

#include "MovieIndex.h"
#include "TimedSamples.h"

#include <array>

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The number of `count` digits at `at`, or -1.
int DigitsAt(std::string_view text, std::size_t at, std::size_t count)
{
    if (at + count > text.size())
        return -1;
    int value = 0;
    for (std::size_t i = at; i < at + count; ++i) {
        if (!IsDigit(text[i]))
            return -1;
        value = value * 10 + (text[i] - '0');
    }
    return value;
}

bool IsSeparator(char c) { return c == '_' || c == '-'; }

// The stamp's shapes, by where the month-day, hour-minute-second and the
// separators sit after the year's four digits.
struct StampShape {
    std::size_t monthDay, time, length;
    std::size_t firstSeparator, secondSeparator;  // 0: none
};
constexpr std::array<StampShape, 3> kShapes = {{
    {5, 10, 16, 4, 9},  // YYYY_MMDD_HHMMSS
    {4, 9, 15, 8, 0},   // YYYYMMDD_HHMMSS
    {4, 8, 14, 0, 0},   // YYYYMMDDHHMMSS
}};

std::optional<double> StampAt(std::string_view name, std::size_t at, const StampShape& shape)
{
    if (at + shape.length > name.size() || (at + shape.length < name.size() && IsDigit(name[at + shape.length])))
        return std::nullopt;
    for (std::size_t separator : {shape.firstSeparator, shape.secondSeparator}) {
        if (separator && !IsSeparator(name[at + separator]))
            return std::nullopt;
    }
    const int year = DigitsAt(name, at, 4), month = DigitsAt(name, at + shape.monthDay, 2),
              day = DigitsAt(name, at + shape.monthDay + 2, 2), hour = DigitsAt(name, at + shape.time, 2),
              minute = DigitsAt(name, at + shape.time + 2, 2), second = DigitsAt(name, at + shape.time + 4, 2);
    if (year < 1970 || month < 0 || day < 0 || hour < 0 || hour > 23 || minute < 0 || minute > 59 || second < 0 || second > 59)
        return std::nullopt;
    const double clock = UtcSeconds(year, month, day, hour * 3600.0 + minute * 60.0 + second);
    return clock < 0 ? std::nullopt : std::optional<double>(clock);
}

}  // namespace

std::optional<double> NameClock(std::string_view baseName)
{
    for (std::size_t at = 0; at < baseName.size(); ++at) {
        if (!IsDigit(baseName[at]) || (at > 0 && IsDigit(baseName[at - 1])))
            continue;
        for (const StampShape& shape : kShapes) {
            if (auto clock = StampAt(baseName, at, shape))
                return clock;
        }
    }
    return std::nullopt;
}

std::optional<double> RecordingStartClock(std::string_view baseName, const MovieIndex& index)
{
    if (auto clock = NameClock(baseName))
        return clock;
    if (index.createdSeconds > 0)
        return index.createdSeconds;
    return std::nullopt;
}
