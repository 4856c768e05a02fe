#pragma once
// The events of a drive, its recordings looked through in order, and the way
// from one event to the next across the drive's files.

#include "RecordingEvents.h"

#include <functional>
#include <string>
#include <vector>

// Playing starts this long before an event, so that what led to it shows.
inline constexpr double kEventLeadSeconds = 10.0;

struct DriveEvent {
    int recording = 0;  // the recording's place in the drive
    RecordingEvent found;
    // Where to play from: the lead before the event, not before its file's start.
    double LeadIn() const;
};

// The events of `drive`'s recordings, in drive order. `goOn(done)` is asked
// after each recording; false stops the search with what was found so far.
std::vector<DriveEvent> FindDriveEvents(const std::vector<std::string>& drive, const EventSettings& settings,
                                        EventCatalogue* catalogue, BookmarkStore* bookmarks,
                                        const std::function<bool(int done)>& goOn = {});

// A moment of a drive: the recording's place in it and the seconds into it.
struct DriveMoment {
    int recording = 0;
    double seconds = 0;
};

// The event whose lead-in comes next after `now` (`forward`), or the last
// one before it; null when there is none. A lead-in just reached counts as
// passed, so pressing again goes on to the next one.
const DriveEvent* NeighbourEvent(const std::vector<DriveEvent>& events, DriveMoment now, bool forward);
