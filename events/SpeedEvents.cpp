#include "SpeedEvents.h"

#include "SlotFacts.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace {

constexpr double kStandardGravity = 9.80665;
// The speed's change is taken across a second centred on each slot: a 1 Hz
// receiver's steps show whole, and one slot's noise does not.
constexpr int kHalfWindow = 5;

// Slots without a fix up to each slot, to ask in one step whether the fix
// held through a stretch.
std::vector<int> FixlessBefore(const TrackSlots& track)
{
    std::vector<int> count(track.size() + 1, 0);
    for (std::size_t i = 0; i < track.size(); ++i)
        count[i + 1] = count[i] + (HasFix(track[i]) ? 0 : 1);
    return count;
}

// The change of speed across the second centred on `slot`, in g (negative:
// slowing); none where the fix does not hold throughout.
std::optional<double> ChangeAt(const TrackSlots& track, const std::vector<int>& fixless, std::size_t slot)
{
    const std::size_t from = slot - kHalfWindow, to = slot + kHalfWindow;
    if (fixless[to + 1] - fixless[from] != 0)
        return std::nullopt;
    const double metresPerSecond = (track[to].speed - track[from].speed) / 3.6;
    return metresPerSecond / (2 * kHalfWindow * 0.1) / kStandardGravity;
}

struct Stretch {
    int first = -1, length = 0;
    double hardest = 0;
};

// Runs of slots whose change reaches `threshold` in the direction `sign`
// (-1 slowing, +1 speeding up), held for `heldSlots` at least.
std::vector<Stretch> HeldStretches(const TrackSlots& track, double sign, double threshold, int heldSlots)
{
    std::vector<Stretch> stretches;
    if (track.size() <= 2 * kHalfWindow)
        return stretches;
    const std::vector<int> fixless = FixlessBefore(track);
    Stretch open;
    const auto close = [&] {
        if (open.length >= heldSlots)
            stretches.push_back(open);
        open = {};
    };
    for (std::size_t i = kHalfWindow; i + kHalfWindow < track.size(); ++i) {
        const std::optional<double> change = ChangeAt(track, fixless, i);
        if (!change || sign * *change < threshold) {
            close();
            continue;
        }
        if (open.first < 0)
            open.first = static_cast<int>(i);
        ++open.length;
        open.hardest = std::max(open.hardest, sign * *change);
    }
    close();
    return stretches;
}

void AddStretches(const TrackSlots& track, EventKind kind, double sign, double threshold, int heldSlots,
                  std::vector<TrackEvent>& events)
{
    for (const Stretch& s : HeldStretches(track, sign, threshold, heldSlots)) {
        TrackEvent event = EventAt(kind, track, s.first, s.hardest);
        event.speedKmh = track[static_cast<std::size_t>(s.first - kHalfWindow)].speed;  // before it began
        events.push_back(event);
    }
}

}  // namespace

std::vector<TrackEvent> DetectSpeedEvents(const TrackSlots& track, const EventSettings& settings)
{
    const int heldSlots = std::max(1, static_cast<int>(std::lround(settings.heldSeconds * 10)));
    std::vector<TrackEvent> events;
    AddStretches(track, EventKind::HardBraking, -1, settings.brakingG, heldSlots, events);
    AddStretches(track, EventKind::HardAcceleration, +1, settings.accelerationG, heldSlots, events);
    std::sort(events.begin(), events.end(), [](const TrackEvent& a, const TrackEvent& b) { return a.slot < b.slot; });
    return events;
}
