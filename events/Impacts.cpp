#include "Impacts.h"

#include "SlotFacts.h"

#include <algorithm>
#include <cmath>

namespace {

// The running level follows what changes slower than this: a turn, a
// slope, the camera knocked to a new angle.
constexpr double kLevelSeconds = 2.0;

struct Vector {
    double x = 0, y = 0, z = 0;
};

bool HasAcceleration(const tagAssistInfo& slot)
{
    return slot.x != 0 || slot.y != 0 || slot.z != 0;
}

double Distance(const Vector& a, const Vector& b)
{
    return std::sqrt((a.x - b.x) * (a.x - b.x) + (a.y - b.y) * (a.y - b.y) + (a.z - b.z) * (a.z - b.z));
}

struct Jolt {
    int slot;
    double change;
};

// Every slot whose change against the level reaches the threshold.
std::vector<Jolt> JoltsOverThreshold(const TrackSlots& track, double threshold)
{
    constexpr double kFollow = 0.1 / kLevelSeconds;  // of the way to each new slot
    std::vector<Jolt> jolts;
    bool levelled = false;
    Vector level;
    for (std::size_t i = 0; i < track.size(); ++i) {
        if (!HasAcceleration(track[i])) {
            levelled = false;  // a gap in the data: the level starts again after it
            continue;
        }
        const Vector now{track[i].x, track[i].y, track[i].z};
        if (!levelled) {
            level = now;
            levelled = true;
            continue;
        }
        if (const double change = Distance(now, level); change >= threshold)
            jolts.push_back({static_cast<int>(i), change});
        level.x += kFollow * (now.x - level.x);
        level.y += kFollow * (now.y - level.y);
        level.z += kFollow * (now.z - level.z);
    }
    return jolts;
}

// The strongest first; each keeps the others within the quiet time out.
std::vector<Jolt> StrongestApart(std::vector<Jolt> jolts, int quietSlots)
{
    std::stable_sort(jolts.begin(), jolts.end(), [](const Jolt& a, const Jolt& b) { return a.change > b.change; });
    std::vector<Jolt> kept;
    for (const Jolt& jolt : jolts) {
        const bool near = std::any_of(kept.begin(), kept.end(), [&](const Jolt& k) { return std::abs(k.slot - jolt.slot) < quietSlots; });
        if (!near)
            kept.push_back(jolt);
    }
    std::sort(kept.begin(), kept.end(), [](const Jolt& a, const Jolt& b) { return a.slot < b.slot; });
    return kept;
}

}  // namespace

std::vector<TrackEvent> DetectImpacts(const TrackSlots& track, const EventSettings& settings)
{
    if (settings.impactG <= 0)
        return {};
    const int quietSlots = static_cast<int>(std::lround(settings.quietSeconds * 10));
    std::vector<TrackEvent> events;
    for (const Jolt& jolt : StrongestApart(JoltsOverThreshold(track, settings.impactG), quietSlots))
        events.push_back(EventAt(EventKind::Impact, track, jolt.slot, jolt.change));
    return events;
}
