#pragma once
// The events of recordings, read as the player reads them: the camera's own
// mark of the whole recording, then the moments its track shows.

#include "Event.h"
#include "track/AssistInfo.h"

#include <string>
#include <vector>

struct RecordingEvent {
    std::string path;
    double start = 0;    // the recording's start, UTC seconds since 1970
    bool timed = false;  // false: the recording's time is not known
    TrackEvent event;
    long long bookmark = 0;  // a bookmark's id in the store, to remove it; 0 for the found kinds

    double Utc() const { return start + event.Seconds(); }
};

// Impacts, hard braking and hard acceleration in one track, in time order.
std::vector<TrackEvent> DetectTrackEvents(const TrackSlots& track, const EventSettings& settings);

class BookmarkStore;
class EventCatalogue;

// The recording's events: its camera mark at its start, then its track's,
// taken from `catalogue` when it holds them for the file as it is now, else
// found in the track and kept there, and the user's bookmarks in it, in time
// order. `catalogue` and `bookmarks` may be null.
std::vector<RecordingEvent> FindRecordingEvents(const std::string& path, const EventSettings& settings,
                                                EventCatalogue* catalogue = nullptr, BookmarkStore* bookmarks = nullptr);
