#include "TimedSamples.h"

#include <algorithm>
#include <chrono>

#include "CoordText.h"
#include "Nmea.h"

#include <algorithm>
#include <charconv>
#include <tuple>
#include <cmath>

namespace {

// Times compared in whole milliseconds, so that 0.3 s lands in slot 3.
constexpr std::int64_t kHoldMs = 2000;

std::int64_t Millis(double seconds)
{
    return std::llround(seconds * 1000.0);
}

// The samples inside the recording, in time order, with their times in ms.
template <typename Sample>
std::vector<std::pair<std::int64_t, const Sample*>> Inside(const std::vector<Sample>& samples, std::int64_t endMs)
{
    std::vector<std::pair<std::int64_t, const Sample*>> kept;
    kept.reserve(samples.size());
    for (const Sample& s : samples) {
        if (!std::isfinite(s.time) || s.time < 0 || s.time > 1e7)
            continue;
        if (const std::int64_t ms = Millis(s.time); ms < endMs)
            kept.emplace_back(ms, &s);
    }
    auto earlier = [](const auto& a, const auto& b) { return a.first < b.first; };
    if (!std::is_sorted(kept.begin(), kept.end(), earlier))
        std::stable_sort(kept.begin(), kept.end(), earlier);
    return kept;
}

double LastSecond(const TimedSamples& samples)
{
    double last = 0;
    for (const GpsSample& s : samples.gps)
        last = std::max(last, s.time);
    for (const GSample& s : samples.g)
        last = std::max(last, s.time);
    return std::isfinite(last) ? std::floor(last) + 1.0 : 0.0;
}

void FillPosition(const GpsSample& s, tagAssistInfo& slot)
{
    slot.latitude = DecimalDegreesText(s.latitude, 90.0);
    slot.longitude = DecimalDegreesText(s.longitude, 180.0);
    if (slot.latitude.empty() || slot.longitude.empty()) {
        slot.latitude.clear();
        slot.longitude.clear();
        return;
    }
    slot.speed = std::max(0, TruncToInt(s.kmh));
    slot.course = std::isfinite(s.course) && s.course >= 0 && s.course <= 360.0 ? s.course : 0.0;
}

}  // namespace

std::string DecimalDegreesText(double degrees, double limit)
{
    if (!std::isfinite(degrees) || std::fabs(degrees) > limit)
        return {};
    const long long micro = std::llround(std::fabs(degrees) * 1e6);
    return DegreesText(degrees < 0 && micro != 0, static_cast<int>(micro / 1000000), static_cast<int>(micro % 1000000), 6);
}

void AppendSampleSlots(const TimedSamples& samples, double durationSeconds, TrackSlots& track)
{
    if (!(durationSeconds > 0))
        durationSeconds = LastSecond(samples);
    durationSeconds = std::min(durationSeconds, kMaxTrackSlots / 10.0);
    const std::int64_t endMs = Millis(durationSeconds);
    const auto gpsSamples = Inside(samples.gps, endMs);
    const auto gSamples = Inside(samples.g, endMs);
    const auto slotCount = static_cast<std::size_t>((endMs + 99) / 100);
    track.reserve(track.size() + std::min(slotCount, kMaxTrackSlots));
    std::size_t nextGps = 0, nextG = 0;
    std::int64_t gpsAt = 0, gAt = 0;
    const GpsSample* gps = nullptr;
    const GSample* g = nullptr;
    tagAssistInfo position;  // the texts of `gps`, made once per sample
    for (std::size_t n = 0; n < slotCount && track.size() < kMaxTrackSlots; ++n) {
        const std::int64_t at = static_cast<std::int64_t>(n) * 100;
        const GpsSample* before = gps;
        for (; nextGps < gpsSamples.size() && gpsSamples[nextGps].first <= at; ++nextGps)
            std::tie(gpsAt, gps) = gpsSamples[nextGps];
        for (; nextG < gSamples.size() && gSamples[nextG].first <= at; ++nextG)
            std::tie(gAt, g) = gSamples[nextG];
        // A sample holds until the next, for at most two seconds: a camera
        // that stops writing has not stood still.
        if (gps && at - gpsAt > kHoldMs)
            gps = nullptr;
        if (g && at - gAt > kHoldMs)
            g = nullptr;
        if (gps != before) {
            position = tagAssistInfo();
            if (gps && gps->fix)
                FillPosition(*gps, position);
        }
        tagAssistInfo& slot = track.emplace_back(position);
        if (g) {
            slot.x = g->x;
            slot.y = g->y;
            slot.z = g->z;
        }
    }
}

bool NmeaToDegrees(std::string_view text, char hemisphere, double& degrees)
{
    const std::size_t point = text.find('.');
    const std::string_view whole = text.substr(0, point);
    if (whole.size() < 3 || whole.size() > 5 || whole.find_first_not_of("0123456789") != std::string_view::npos)
        return false;
    if (point != std::string_view::npos && text.find_first_not_of("0123456789", point + 1) != std::string_view::npos)
        return false;
    double value = 0;
    if (std::from_chars(text.data(), text.data() + text.size(), value).ec != std::errc())
        return false;
    const double wholeDegrees = std::floor(value / 100.0);
    const double minutes = value - wholeDegrees * 100.0;
    if (minutes >= 60.0)
        return false;
    degrees = wholeDegrees + minutes / 60.0;
    if (hemisphere == 'S' || hemisphere == 'W')
        degrees = -degrees;
    else if (hemisphere != 'N' && hemisphere != 'E')
        return false;
    return true;
}

double StartUtc(const TimedSamples& samples)
{
    for (const GpsSample& s : samples.gps) {
        if (s.fix && s.utc > kUtcYear2000)
            return s.utc - s.time;
    }
    return -1;
}

double UtcSeconds(int year, int month, int day, double secondOfDay)
{
    if (year >= 0 && year < 100)
        year += 2000;
    using namespace std::chrono;
    const year_month_day date{std::chrono::year(year), std::chrono::month(static_cast<unsigned>(std::max(month, 0))),
                              std::chrono::day(static_cast<unsigned>(std::max(day, 0)))};
    if (!date.ok() || secondOfDay < 0 || secondOfDay >= 86401)
        return -1;
    return static_cast<double>(sys_days(date).time_since_epoch().count()) * 86400.0 + secondOfDay;
}
