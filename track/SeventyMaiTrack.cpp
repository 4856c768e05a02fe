#include "SeventyMaiTrack.h"

#include "BinaryFile.h"
#include "FolderEntries.h"
#include "GpmfTrack.h"
#include "MovieIndex.h"
#include "TextLines.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <cmath>
#include <filesystem>
#include <optional>
#include <vector>

namespace fs = std::filesystem;

namespace {

constexpr std::size_t kRecordSize = 36;
constexpr std::size_t kRecordsPerRead = 1024;
// Faster than anything on a road: a record claiming more is not read as a fix.
constexpr double kMaxKmh = 2000;

// DDMM.mmm in thousandths, with its hemisphere letter; false for minutes of
// 60 and over or degrees past `limit`.
bool FromDdmmThousandths(std::uint32_t raw, unsigned char hemisphere, const char* letters, double limit, double& degrees)
{
    if (hemisphere != letters[0] && hemisphere != letters[1])
        return false;
    const std::uint32_t whole = raw / 100000, minuteThousandths = raw % 100000;
    if (minuteThousandths >= 60000)
        return false;
    degrees = whole + minuteThousandths / 60000.0;
    if (degrees > limit)
        return false;
    if (hemisphere == letters[1])
        degrees = -degrees;
    return true;
}

GpsSample DecodeRecord(const unsigned char* r)
{
    GpsSample s;
    s.time = LoadLE32(r + 8);
    const double kmh = LoadLE32(r + 12) / 1000.0;
    const bool located = FromDdmmThousandths(LoadLE32(r + 17), r[16], "NS", 90, s.latitude) &&
                         FromDdmmThousandths(LoadLE32(r + 22), r[21], "EW", 180, s.longitude);
    s.fix = LoadLE32(r + 4) == 1 && located && kmh < kMaxKmh && !(s.latitude == 0 && s.longitude == 0);
    s.kmh = s.fix ? kmh : 0;
    return s;
}

bool AllZero(const unsigned char* r)
{
    return std::all_of(r, r + kRecordSize, [](unsigned char b) { return b == 0; });
}

// Splits a line at commas into at most `fields.size()` fields; returns how many.
template <std::size_t N>
std::size_t SplitFields(std::string_view line, std::array<std::string_view, N>& fields)
{
    std::size_t count = 0;
    while (count < N) {
        const std::size_t comma = line.find(',');
        fields[count++] = line.substr(0, comma);
        if (comma == std::string_view::npos)
            break;
        line.remove_prefix(comma + 1);
    }
    return count;
}

std::string_view Trim(std::string_view text)
{
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    return text;
}

template <typename Number>
bool ParseNumber(std::string_view text, Number& value)
{
    text = Trim(text);
    if (text.empty())
        return false;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    return ec == std::errc() && end == text.data() + text.size();
}

// A video named in a line: its name without folder or extension, lower case.
std::string NamedStem(std::string_view video)
{
    video = Trim(video);
    if (const std::size_t slash = video.find_last_of("/\\"); slash != std::string_view::npos)
        video.remove_prefix(slash + 1);
    if (const std::size_t dot = video.rfind('.'); dot != std::string_view::npos && dot > 0)
        video = video.substr(0, dot);
    return LowerCase(video);
}

// UNIX times a camera can have written: 2001 to 2100.
bool PlausibleClock(long long seconds)
{
    return seconds >= 978307200LL && seconds < 4102444800LL;
}

bool IsLogName(const std::string& name)
{
    const std::string lower = LowerCase(name);
    return lower.size() > 11 && lower.rfind("gpsdata", 0) == 0 && lower.compare(lower.size() - 4, 4, ".txt") == 0;
}

// The logs directly in `folder`, at most `room` of them, by name.
void AddLogsIn(const fs::path& folder, std::vector<fs::path>& logs, std::size_t room)
{
    constexpr std::size_t kMaxEntries = 4096;  // a card's folder of recordings, not a disk's
    std::error_code ec;
    std::vector<fs::path> found;
    std::size_t seen = 0;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end && seen < kMaxEntries; it.increment(ec), ++seen) {
        if (IsLogName(it->path().filename().string()) && it->is_regular_file(ec))
            found.push_back(it->path());
    }
    std::sort(found.begin(), found.end());
    for (const fs::path& log : found) {
        if (logs.size() >= room)
            break;
        if (std::find(logs.begin(), logs.end(), log) == logs.end())
            logs.push_back(log);
    }
}

std::vector<fs::path> FindLogs(const std::string& mediaPath)
{
    constexpr std::size_t kMaxLogs = 64;
    std::vector<fs::path> logs;
    fs::path folder = fs::path(mediaPath).parent_path();
    if (folder.empty())
        folder = ".";
    // Beside the recording, then up to the card's root (Normal/Front/ holds them there).
    for (int level = 0; level < 3 && logs.size() < kMaxLogs; ++level) {
        AddLogsIn(folder, logs, kMaxLogs);
        if (auto gpsData = FindFolderEntry(folder, "GPSData", true))
            AddLogsIn(*gpsData, logs, kMaxLogs);
        if (!folder.has_parent_path() || folder.parent_path() == folder)
            break;
        folder = folder.parent_path();
    }
    return logs;
}

}  // namespace

bool ReadSeventyMaiBox(BinaryFile& file, const MovieIndex& index, TimedSamples& out)
{
    const auto box = FindBox(index.topLevel, "GPS ");
    if (!box)
        return false;
    const std::uint64_t records = std::min<std::uint64_t>(box->PayloadSize() / kRecordSize, kMaxTimedSamples);
    std::vector<unsigned char> chunk(kRecordSize * kRecordsPerRead);
    const std::size_t first = out.gps.size();
    for (std::uint64_t at = 0; at < records; at += kRecordsPerRead) {
        const auto count = static_cast<std::size_t>(std::min<std::uint64_t>(kRecordsPerRead, records - at));
        if (!file.Seek(box->PayloadStart() + at * kRecordSize) || !file.ReadExact(chunk.data(), count * kRecordSize))
            break;
        for (std::size_t i = 0; i < count; ++i) {
            const unsigned char* record = chunk.data() + i * kRecordSize;
            if (AllZero(record)) {
                at = records;  // the end mark
                break;
            }
            out.gps.push_back(DecodeRecord(record));
        }
    }
    AddCoursesFromMovement(out.gps.begin() + static_cast<long>(first), out.gps.end());
    return true;
}

SeventyMaiLogReader::SeventyMaiLogReader(std::string recordingStem, double createdSeconds, double durationSeconds)
    : stem_(LowerCase(recordingStem)), created_(createdSeconds), duration_(durationSeconds)
{
}

void SeventyMaiLogReader::Line(std::string_view line)
{
    std::array<std::string_view, 13> f;
    long long clock = 0;
    if (SplitFields(line, f) < 6 || !ParseNumber(f[0], clock) || !PlausibleClock(clock))
        return;
    const bool named = !f[9].empty() && NamedStem(f[9]) == stem_;
    const bool inSpan = created_ > 0 && duration_ > 0 && clock >= created_ && clock < created_ + duration_;
    auto& kept = named ? named_ : inSpan_;
    if ((!named && (!inSpan || !named_.empty())) || kept.size() >= kMaxTimedSamples)
        return;
    GpsSample s;
    s.time = static_cast<double>(clock);
    s.utc = s.time;
    const std::string_view status = Trim(f[1]);
    if (status == "A") {
        // A fix whose numbers cannot be is a damaged line, not a lost fix.
        int course = 0, centimetresPerSecond = 0;
        const bool located = ParseNumber(f[2], s.latitude) && ParseNumber(f[3], s.longitude) &&
                             std::fabs(s.latitude) <= 90 && std::fabs(s.longitude) <= 180;
        const bool moving = ParseNumber(f[5], centimetresPerSecond) && centimetresPerSecond >= 0 &&
                            centimetresPerSecond * 0.036 < kMaxKmh;
        if (!located || !moving)
            return;
        s.fix = !(s.latitude == 0 && s.longitude == 0);  // the camera's zeros before a fix
        s.kmh = s.fix ? centimetresPerSecond * 0.036 : 0;
        if (s.fix && ParseNumber(f[4], course) && course >= 0 && course <= 36000)
            s.course = course / 100.0;
    } else if (status != "V") {
        return;
    }
    kept.push_back(s);
}

bool SeventyMaiLogReader::Samples(TimedSamples& out) const
{
    const bool named = !named_.empty();
    const auto& kept = named ? named_ : inSpan_;
    if (kept.empty())
        return false;
    double start = created_;
    if (named) {
        start = kept.front().time;
        for (const GpsSample& s : kept)
            start = std::min(start, s.time);
    }
    for (GpsSample s : kept) {
        s.time -= start;
        out.gps.push_back(s);
    }
    return true;
}

bool ReadSeventyMaiLogs(const std::string& mediaPath, const MovieIndex& index, TimedSamples& out)
{
    SeventyMaiLogReader reader(fs::path(mediaPath).stem().string(), index.createdSeconds, index.durationSeconds);
    for (const fs::path& log : FindLogs(mediaPath)) {
        BinaryFile file(log.string());
        ForEachLine(file, 0, file.Size(), [&reader](std::string_view line) { reader.Line(line); });
    }
    return reader.Samples(out);
}
