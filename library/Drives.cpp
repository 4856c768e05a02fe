#include "Drives.h"

#include "RecordingList.h"
#include "track/BinaryFile.h"
#include "track/MovieIndex.h"
#include "track/TrackLoader.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstring>
#include <sys/stat.h>

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr std::uint32_t kSeconds1904To1970 = 2082844800u;
constexpr double kYear2000 = 946684800;

double HaversineKm(double lat1, double lon1, double lat2, double lon2)
{
    const double p1 = lat1 * kPi / 180, p2 = lat2 * kPi / 180;
    const double dp = p2 - p1, dl = (lon2 - lon1) * kPi / 180;
    const double a = std::sin(dp / 2) * std::sin(dp / 2) + std::cos(p1) * std::cos(p2) * std::sin(dl / 2) * std::sin(dl / 2);
    return 2 * 6371.0088 * std::asin(std::sqrt(std::min(1.0, a)));
}

bool EndsWithAvi(const std::string& path)
{
    if (path.size() < 4)
        return false;
    std::string tail = path.substr(path.size() - 4);
    for (char& c : tail)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return tail == ".AVI";
}

// The AVI main header: microseconds a frame and the frame count, from the
// "avih" chunk near the start of the file.
double AviSeconds(BinaryFile& file)
{
    unsigned char head[1024] = {};
    if (!file.Seek(0))
        return 0;
    const std::size_t got = file.Read(head, sizeof head);
    for (std::size_t i = 0; i + 8 + 20 <= got; ++i) {
        if (std::memcmp(head + i, "avih", 4) == 0) {
            const std::uint32_t microseconds = LoadLE32(head + i + 8);
            const std::uint32_t frames = LoadLE32(head + i + 8 + 16);
            return microseconds * static_cast<double>(frames) / 1e6;
        }
    }
    return 0;
}

// The movie header's creation time, when it is a plausible one.
bool MovieCreation(BinaryFile& file, const MovieIndex& index, double& start)
{
    const auto mvhd = index.moov ? FindBox(index.moovChildren, "mvhd") : std::nullopt;
    unsigned char b[12];
    if (!mvhd || !file.Seek(mvhd->PayloadStart()) || !file.ReadExact(b, sizeof b))
        return false;
    const std::uint64_t since1904 = b[0] == 1 ? (std::uint64_t(LoadBE32(b + 4)) << 32) | LoadBE32(b + 8) : LoadBE32(b + 4);
    if (since1904 <= kSeconds1904To1970)
        return false;
    start = static_cast<double>(since1904 - kSeconds1904To1970);
    return start > kYear2000;
}

}  // namespace

double Drive::End() const
{
    double end = 0;
    for (const RecordingSpan& r : recordings)
        end = std::max(end, r.End());
    return end;
}

double Drive::Kilometres() const
{
    double km = 0;
    for (const RecordingSpan& r : recordings)
        km += r.kilometres;
    return km;
}

std::vector<Drive> GroupDrives(std::vector<RecordingSpan> recordings, double maxGapSeconds)
{
    std::stable_partition(recordings.begin(), recordings.end(), [](const RecordingSpan& r) { return r.timed; });
    const auto firstUntimed = std::find_if(recordings.begin(), recordings.end(), [](const RecordingSpan& r) { return !r.timed; });
    std::stable_sort(recordings.begin(), firstUntimed,
                     [](const RecordingSpan& a, const RecordingSpan& b) { return a.start < b.start; });
    std::vector<Drive> drives;
    for (auto it = recordings.begin(); it != recordings.end(); ++it) {
        const bool joins = it->timed && !drives.empty() && drives.back().recordings.back().timed &&
                           it->start - drives.back().End() <= maxGapSeconds;
        if (!joins)
            drives.emplace_back();
        drives.back().recordings.push_back(*it);
    }
    return drives;
}

double TrackKilometres(const TrackSlots& track)
{
    double km = 0;
    bool have = false;
    double lat = 0, lon = 0;
    for (const tagAssistInfo& slot : track) {
        if (!HasPosition(slot))
            continue;
        const double la = std::strtod(slot.latitude.c_str(), nullptr), lo = std::strtod(slot.longitude.c_str(), nullptr);
        if (have)
            km += HaversineKm(lat, lon, la, lo);
        lat = la;
        lon = lo;
        have = true;
    }
    return km;
}

const Drive* DriveHolding(const std::vector<Drive>& drives, const std::string& path)
{
    for (const Drive& drive : drives) {
        for (const RecordingSpan& r : drive.recordings) {
            if (r.path == path)
                return &drive;
        }
    }
    return nullptr;
}

RecordingSpan RecordingTimes(const std::string& path)
{
    RecordingSpan span;
    span.path = path;
    BinaryFile file(path);
    struct stat info {};
    const bool stamped = stat(path.c_str(), &info) == 0;
    if (EndsWithAvi(path)) {
        span.seconds = AviSeconds(file);
        span.start = static_cast<double>(info.st_mtime) - span.seconds;
        span.timed = stamped;
    } else {
        const MovieIndex index = ReadMovieIndex(file);
        span.seconds = index.durationSeconds;
        if (!MovieCreation(file, index, span.start)) {
            // No header time: the last write ends the recording.
            span.start = static_cast<double>(info.st_mtime) - span.seconds;
            span.timed = stamped;
        }
    }
    return span;
}

std::vector<RouteFix> RouteFixes(const TrackSlots& track)
{
    std::vector<RouteFix> points;
    const tagAssistInfo* before = nullptr;
    for (std::size_t i = 0; i < track.size(); ++i) {
        const tagAssistInfo& slot = track[i];
        const bool fresh = !before || !SameGpsSample(*before, slot);
        before = &slot;
        if (fresh && HasPosition(slot))
            points.push_back({static_cast<int>(i), std::strtod(slot.latitude.c_str(), nullptr),
                              std::strtod(slot.longitude.c_str(), nullptr), slot.speed});
    }
    return points;
}

RecordingSpan DescribeRecording(const std::string& path, TrackSlots* slots)
{
    RecordingSpan span = RecordingTimes(path);
    const tagFileNode node = FileNodeOf(path);
    CTrackLoader loader;
    if (loader.IsSupported(node.datPath, node.path))
        LoadNodeTrack(loader, node);
    span.kilometres = TrackKilometres(loader.Slots());
    if (loader.StartUtc() > 0) {
        span.start = loader.StartUtc();
        span.timed = span.gpsTimed = true;
    }
    if (slots)
        *slots = loader.Slots();
    return span;
}
