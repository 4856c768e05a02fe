#include "DriveEvents.h"

#include <algorithm>

namespace {

// A lead-in this close ahead was just jumped to; one this close behind was
// just played from: pressing again means the one after, or the one before.
constexpr double kJustReachedSeconds = 0.5;
constexpr double kJustPlayedSeconds = 1.5;

bool Before(DriveMoment a, DriveMoment b)
{
    return a.recording != b.recording ? a.recording < b.recording : a.seconds < b.seconds;
}

}  // namespace

double DriveEvent::LeadIn() const
{
    return std::max(0.0, found.event.Seconds() - kEventLeadSeconds);
}

std::vector<DriveEvent> FindDriveEvents(const std::vector<std::string>& drive, const EventSettings& settings,
                                        EventCatalogue* catalogue, BookmarkStore* bookmarks,
                                        const std::function<bool(int done)>& goOn)
{
    std::vector<DriveEvent> events;
    for (std::size_t i = 0; i < drive.size(); ++i) {
        for (RecordingEvent& found : FindRecordingEvents(drive[i], settings, catalogue, bookmarks))
            events.push_back({static_cast<int>(i), std::move(found)});
        if (goOn && !goOn(static_cast<int>(i) + 1))
            break;
    }
    return events;
}

const DriveEvent* NeighbourEvent(const std::vector<DriveEvent>& events, DriveMoment now, bool forward)
{
    if (forward) {
        const DriveMoment after{now.recording, now.seconds + kJustReachedSeconds};
        for (const DriveEvent& e : events) {
            if (Before(after, {e.recording, e.LeadIn()}))
                return &e;
        }
        return nullptr;
    }
    const DriveMoment before{now.recording, now.seconds - kJustPlayedSeconds};
    for (auto e = events.rbegin(); e != events.rend(); ++e) {
        if (Before({e->recording, e->LeadIn()}, before))
            return &*e;
    }
    return nullptr;
}
