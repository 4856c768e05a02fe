#include "DriveRoutes.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

QJsonArray RouteJson(const std::vector<RouteFix>& points)
{
    QJsonArray route;
    for (const RouteFix& p : points)
        route.append(QJsonArray{p.latitude, p.longitude, p.speedKmh, p.slot});
    return route;
}

}  // namespace

std::vector<std::string> DriveRoutes::DriveOf(const std::vector<std::string>& listed, const std::string& path)
{
    std::vector<RecordingSpan> spans;
    for (const std::string& recording : listed) {
        auto cached = spans_.find(recording);
        if (cached == spans_.end())
            cached = spans_.emplace(recording, RecordingTimes(recording)).first;
        spans.push_back(cached->second);
    }
    const std::vector<Drive> drives = GroupDrives(spans);
    std::vector<std::string> paths;
    if (const Drive* drive = DriveHolding(drives, path)) {
        for (const RecordingSpan& r : drive->recordings)
            paths.push_back(r.path);
    }
    return paths;
}

QString DriveRoutes::DriveJson(const std::vector<std::string>& drive, const std::string& playing,
                               const TrackSlots& playingTrack)
{
    std::map<std::string, std::vector<RouteFix>> kept;
    QJsonArray recordings;
    int current = -1;
    for (std::size_t i = 0; i < drive.size(); ++i) {
        const std::string& path = drive[i];
        std::vector<RouteFix> route;
        if (path == playing) {
            current = static_cast<int>(i);
            route = RouteFixes(playingTrack);
        } else if (auto cached = routes_.find(path); cached != routes_.end()) {
            route = std::move(cached->second);
        } else {
            TrackSlots track;
            DescribeRecording(path, &track);
            route = RouteFixes(track);
        }
        recordings.append(RouteJson(route));
        kept[path] = std::move(route);
    }
    routes_ = std::move(kept);
    const QJsonObject json{{"current", current}, {"recordings", recordings}};
    return QString::fromUtf8(QJsonDocument(json).toJson(QJsonDocument::Compact));
}

void DriveRoutes::Clear()
{
    spans_.clear();
    routes_.clear();
}
