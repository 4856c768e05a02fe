#include "RecordingEvents.h"

#include "Bookmarks.h"
#include "CameraMarks.h"
#include "Catalogue.h"
#include "Impacts.h"
#include "SpeedEvents.h"
#include "library/ExportTrack.h"

#include <algorithm>
#include <optional>
#include <sys/stat.h>

namespace {

// As the recording list marks it: a file no one may write to.
bool Protected(const std::string& path)
{
    struct stat info {};
    return stat(path.c_str(), &info) == 0 && (info.st_mode & 0222) == 0;
}

}  // namespace

std::vector<TrackEvent> DetectTrackEvents(const TrackSlots& track, const EventSettings& settings)
{
    std::vector<TrackEvent> events = DetectImpacts(track, settings);
    const std::vector<TrackEvent> speed = DetectSpeedEvents(track, settings);
    events.insert(events.end(), speed.begin(), speed.end());
    std::stable_sort(events.begin(), events.end(), [](const TrackEvent& a, const TrackEvent& b) { return a.slot < b.slot; });
    return events;
}

std::vector<RecordingEvent> FindRecordingEvents(const std::string& path, const EventSettings& settings,
                                                EventCatalogue* catalogue, BookmarkStore* bookmarks)
{
    std::optional<CataloguedRecording> kept = catalogue ? catalogue->Find(path, settings) : std::nullopt;
    if (!kept) {
        const RecordingTrack recording = ReadRecordingTrack(path);
        kept = CataloguedRecording{recording.span, DetectTrackEvents(recording.track, settings)};
        if (catalogue)
            catalogue->Keep(path, settings, *kept);
    }
    std::vector<RecordingEvent> found;
    const auto add = [&](const TrackEvent& event, long long bookmark = 0) {
        found.push_back({path, kept->span.start, kept->span.timed, event, bookmark});
    };
    const CameraMark mark = CameraMarkOf(path, Protected(path));
    if (mark != CameraMark::None) {
        TrackEvent whole;
        whole.kind = mark == CameraMark::Parking ? EventKind::Parking : EventKind::CameraEvent;
        add(whole);
    }
    for (const TrackEvent& event : kept->events)
        add(event);
    if (bookmarks) {
        for (const Bookmark& b : bookmarks->Of(path))
            add(b.moment, b.id);
    }
    std::stable_sort(found.begin(), found.end(),
                     [](const RecordingEvent& a, const RecordingEvent& b) { return a.event.slot < b.event.slot; });
    return found;
}
