// The drive around the playing recording: its whole route on the map, and a
// click on that route seeking to the moment it shows, in whichever file.

#include "PlayerDlg.h"
#include "map/DlgMap.h"

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

std::vector<std::string> CPlayerDlg::CurrentDrive() const
{
    tagFileNode current;
    if (recordings_.GetNode(currentIndex_, current) != 0)
        return {};
    std::vector<RecordingSpan> spans;
    for (int i = 0; i < recordings_.GetCount(); ++i) {
        tagFileNode node;
        if (recordings_.GetNode(i, node) != 0)
            continue;
        auto cached = spanCache_.find(node.path);
        if (cached == spanCache_.end())
            cached = spanCache_.emplace(node.path, RecordingTimes(node.path)).first;
        spans.push_back(cached->second);
    }
    const std::vector<Drive> drives = GroupDrives(spans);
    std::vector<std::string> paths;
    if (const Drive* drive = DriveHolding(drives, current.path)) {
        for (const RecordingSpan& r : drive->recordings)
            paths.push_back(r.path);
    }
    return paths;
}

// The routes of the drive's recordings, the playing one's from its loaded
// track; the others are read once and kept while they stay in the drive.
void CPlayerDlg::SendDrive()
{
    if (!mapView_)
        return;
    drivePaths_ = CurrentDrive();
    std::map<std::string, std::vector<RouteFix>> kept;
    QJsonArray recordings;
    int current = -1;
    for (std::size_t i = 0; i < drivePaths_.size(); ++i) {
        const std::string& path = drivePaths_[i];
        std::vector<RouteFix> route;
        if (QString::fromStdString(path) == playingPath_) {
            current = static_cast<int>(i);
            route = RouteFixes(track_.Slots());
        } else if (auto cached = routeCache_.find(path); cached != routeCache_.end()) {
            route = std::move(cached->second);
        } else {
            TrackSlots track;
            DescribeRecording(path, &track);
            route = RouteFixes(track);
        }
        recordings.append(RouteJson(route));
        kept[path] = std::move(route);
    }
    routeCache_ = std::move(kept);
    const QJsonObject drive{{"current", current}, {"recordings", recordings}};
    mapView_->ShowDrive(QString::fromUtf8(QJsonDocument(drive).toJson(QJsonDocument::Compact)));
}

void CPlayerDlg::SetSpeedColours(bool on)
{
    speedColours_ = on;
    settings_.SetRouteSpeedColours(on);
    if (mapView_)
        mapView_->SetSpeedColours(on);
}

void CPlayerDlg::SeekPairTo(double seconds)
{
    if (!IsOpen(mainPlayer_.GetState()))
        return;
    // Never past the end: that would end the recording, not show its last moment.
    const double to = std::clamp(seconds, 0.0, std::max(0.0, mainPlayer_.GetDuration() - 0.1));
    mainPlayer_.SetPosition(to);
    if (IsOpen(secondPlayer_.GetState()))
        secondPlayer_.SetPosition(std::min(to, secondPlayer_.GetDuration()));
    SyncToPosition();
}

void CPlayerDlg::SeekToRoutePoint(int recording, int slot)
{
    if (recording < 0 || static_cast<std::size_t>(recording) >= drivePaths_.size() || slot < 0)
        return;
    const QString path = QString::fromStdString(drivePaths_[static_cast<std::size_t>(recording)]);
    if (path != playingPath_) {
        int index = -1;
        for (int i = 0; i < recordings_.GetCount() && index < 0; ++i) {
            tagFileNode node;
            if (recordings_.GetNode(i, node) == 0 && QString::fromStdString(node.path) == path)
                index = i;
        }
        if (index < 0)
            return;
        currentIndex_ = index;
        PlayFile(0);
        if (playingPath_ != path)
            return;  // it did not open; PlayFile has said why
    }
    SeekPairTo(slot / 10.0);
}
