#pragma once
// The drive around a recording of the list and its route for the map: the
// recordings' times and routes are read once and kept.

#include "library/Drives.h"
#include "library/RecordingList.h"

#include <QString>
#include <map>
#include <mutex>
#include <string>
#include <vector>

class DriveRoutes {
public:
    // The listed recordings that make one drive with `path`, in time order;
    // empty when `path` is not among them.
    std::vector<std::string> DriveOf(const std::vector<std::string>& listed, const std::string& path);

    // The map page's drive text, {"current": k, "recordings": [[[lat, lng,
    // km/h, slot], ...], ...]}: the playing recording's route from its loaded
    // track, the others' read (once; routes of recordings that left the drive
    // are forgotten).
    QString DriveJson(const std::vector<std::string>& drive, const std::string& playing, const TrackSlots& playingTrack);

    void Clear();

private:
    std::map<std::string, RecordingSpan> spans_;
    std::map<std::string, std::vector<RouteFix>> routes_;
};

// The window's kept times and routes, read and filled by background reads,
// one at a time.
struct SharedDriveRoutes {
    std::mutex lock;
    DriveRoutes routes;
};
