#include "DailyGpsLog.h"

#include "BinaryFile.h"
#include "DatFile.h"
#include "GpmfTrack.h"
#include "MovieIndex.h"
#include "RecordingClock.h"
#include "TextLines.h"

#include <array>
#include <charconv>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <filesystem>

namespace {

constexpr double kDay = 86400;
constexpr std::size_t kFields = 7;
// Lines read to tell a daily log from another file of its name.
constexpr int kLinesToRecognise = 8;
// How far a line's clock may stand behind the one before it (a clock set
// from the receiver), and how small a stretch the search narrows to.
constexpr double kOutOfOrder = 120;
constexpr std::uint64_t kBisectedTo = 64u << 10;

bool IsDigits(std::string_view text)
{
    if (text.empty())
        return false;
    for (char c : text) {
        if (c < '0' || c > '9')
            return false;
    }
    return true;
}

int Number(std::string_view text)
{
    int value = 0;
    for (char c : text)
        value = value * 10 + (c - '0');
    return value;
}

// Exactly `kFields` comma-separated fields; false for more or fewer.
bool Split(std::string_view line, std::array<std::string_view, kFields>& fields)
{
    std::size_t count = 0;
    for (std::size_t from = 0;; ++count) {
        const std::size_t comma = line.find(',', from);
        if (count == kFields)
            return false;
        fields[count] = line.substr(from, comma == std::string_view::npos ? std::string_view::npos : comma - from);
        if (comma == std::string_view::npos)
            return count + 1 == kFields;
        from = comma + 1;
    }
}

// YYYYMMDDHHMMSS by the rule of the log's day.
std::optional<double> LineClock(std::string_view stamp, double logDay)
{
    if (stamp.size() != 14 || !IsDigits(stamp))
        return std::nullopt;
    const int hour = Number(stamp.substr(8, 2)), minute = Number(stamp.substr(10, 2)), second = Number(stamp.substr(12, 2));
    if (hour > 23 || minute > 59 || second > 59)
        return std::nullopt;
    const double secondOfDay = hour * 3600.0 + minute * 60.0 + second;
    const double dated = UtcSeconds(Number(stamp.substr(0, 4)), Number(stamp.substr(4, 2)), Number(stamp.substr(6, 2)), 0);
    const bool believable = Number(stamp.substr(0, 4)) >= 1970 && (dated == logDay || dated == logDay + kDay);
    return (believable ? dated : logDay) + secondOfDay;
}

bool ReadPosition(const std::array<std::string_view, kFields>& f, DailyLogLine& line)
{
    if (f[2].size() != 1 || f[4].size() != 1 || !NmeaToDegrees(f[1], f[2][0], line.latitude) ||
        !NmeaToDegrees(f[3], f[4][0], line.longitude))
        return false;
    return std::fabs(line.latitude) <= 90 && std::fabs(line.longitude) <= 180 && (line.latitude != 0 || line.longitude != 0);
}

double Knots(std::string_view text)
{
    double knots = 0;
    const auto end = text.data() + text.size();
    if (text.empty() || std::from_chars(text.data(), end, knots).ptr != end || !(knots >= 0) || knots > 1000)
        return 0;
    return knots;
}

std::string LogName(double day)
{
    const auto days = std::chrono::sys_days(std::chrono::days(static_cast<long>(std::floor(day / kDay))));
    const std::chrono::year_month_day date(days);
    char name[32];
    std::snprintf(name, sizeof name, "%04d%02u%02u.dat", static_cast<int>(date.year()), static_cast<unsigned>(date.month()),
                  static_cast<unsigned>(date.day()));
    return name;
}

// The day's log beside the recordings or in a gps folder inside their
// folder; else beside that folder or in a gps folder next to it.
std::optional<std::string> FindDailyLog(const std::string& mediaPath, double day)
{
    namespace fs = std::filesystem;
    const std::string name = LogName(day);
    std::optional<std::string> found = FindSideFile(mediaPath, name);
    if (!found) {
        const fs::path folder = fs::path(mediaPath).parent_path();
        found = FindSideFile(((folder.empty() ? fs::path(".") : folder) / ".." / "recording").string(), name);
    }
    return found && IsDailyGpsLog(*found) ? found : std::nullopt;
}

struct LogPlace {
    double clock;
    std::uint64_t start;  // of the line
};

// The first log line that begins after `offset` (at 0, the first line) and
// ends within a few lines' length.
std::optional<LogPlace> LineAfter(BinaryFile& file, std::uint64_t offset, double logDay)
{
    std::array<char, 2 * kMaxTextLine> buffer;
    if (!file.Seek(offset))
        return std::nullopt;
    const std::string_view text(buffer.data(), file.Read(buffer.data(), buffer.size()));
    std::size_t at = 0;
    if (offset > 0) {  // the line `offset` falls in is cut
        at = text.find('\n');
        if (at == std::string_view::npos)
            return std::nullopt;
        ++at;
    }
    for (std::size_t end; at < text.size() && (end = text.find('\n', at)) != std::string_view::npos; at = end + 1) {
        std::string_view line = text.substr(at, end - at);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        if (const auto read = ReadDailyLogLine(line, logDay))
            return LogPlace{read->clock, offset + at};
    }
    return std::nullopt;
}

// Where to start reading for lines from `start` on: a line start well before
// them. A log is in time order, one line a second, so a day's log is halved
// down to a stretch of kBisectedTo bytes instead of read whole for each
// recording; a log out of order may lose lines, never gain wrong ones.
std::uint64_t SpanOffset(BinaryFile& file, double logDay, double start)
{
    std::uint64_t low = 0, high = file.Size();
    while (high - low > kBisectedTo) {
        const std::uint64_t middle = low + (high - low) / 2;
        const auto place = LineAfter(file, middle, logDay);
        if (place && place->clock < start - kOutOfOrder)
            low = place->start;
        else
            high = middle;
    }
    return low;
}

// The log's lines inside [start, end] as samples at their time from `start`.
bool ReadSpan(const std::string& logPath, double logDay, double start, double end, TimedSamples& out)
{
    BinaryFile file(logPath);
    bool found = false;
    ForEachLineUntil(file, SpanOffset(file, logDay, start), file.Size(), [&](std::string_view text) {
        const auto line = ReadDailyLogLine(text, logDay);
        if (!line)
            return true;
        if (line->clock > end + kOutOfOrder || out.gps.size() >= kMaxTimedSamples)
            return false;
        if (line->clock < start || line->clock > end)
            return true;
        found = true;
        out.gps.push_back({line->clock - start, line->fix, line->latitude, line->longitude, line->knots * kKnotsToKmh, 0, -1});
        return true;
    });
    return found;
}

}  // namespace

std::optional<DailyLogLine> ReadDailyLogLine(std::string_view text, double logDay)
{
    std::array<std::string_view, kFields> f;
    if (!Split(text, f))
        return std::nullopt;
    const auto clock = LineClock(f[0], logDay);
    if (!clock)
        return std::nullopt;
    DailyLogLine line;
    line.clock = *clock;
    line.fix = ReadPosition(f, line);
    if (!line.fix)
        line.latitude = line.longitude = 0;
    else
        line.knots = Knots(f[5]);
    return line;
}

std::optional<double> DailyLogDay(std::string_view fileName)
{
    if (fileName.size() != 12 || !IsDigits(fileName.substr(0, 8)) || fileName[8] != '.')
        return std::nullopt;
    const std::string_view extension = fileName.substr(9);
    if ((extension[0] | 0x20) != 'd' || (extension[1] | 0x20) != 'a' || (extension[2] | 0x20) != 't')
        return std::nullopt;
    const double day = UtcSeconds(Number(fileName.substr(0, 4)), Number(fileName.substr(4, 2)), Number(fileName.substr(6, 2)), 0);
    if (Number(fileName.substr(0, 4)) < 1970 || day < 0)
        return std::nullopt;
    return day;
}

bool IsDailyGpsLog(const std::string& path)
{
    const auto day = DailyLogDay(std::filesystem::path(path).filename().string());
    if (!day)
        return false;
    BinaryFile file(path);
    int seen = 0;
    bool recognised = false;
    // The first lines only: a log is one line a second from its start.
    ForEachLine(file, 0, std::min<std::uint64_t>(file.Size(), kLinesToRecognise * kMaxTextLine), [&](std::string_view text) {
        if (seen++ < kLinesToRecognise && !recognised)
            recognised = ReadDailyLogLine(text, *day).has_value();
    });
    return recognised;
}

bool ReadDailyGpsLog(const std::string& mediaPath, const MovieIndex& index, TimedSamples& out)
{
    const double length = std::min(index.durationSeconds, kDay);
    const auto start = RecordingStartClock(std::filesystem::path(mediaPath).stem().string(), index);
    if (!(length > 0) || !start)
        return false;
    const double end = *start + length;
    bool found = false;
    for (double day = std::floor(*start / kDay) * kDay; day <= end; day += kDay) {
        if (auto log = FindDailyLog(mediaPath, day))
            found = ReadSpan(*log, day, *start, end, out) || found;
    }
    AddCoursesFromMovement(out.gps.begin(), out.gps.end());
    return found;
}
