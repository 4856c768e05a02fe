// The drive around the playing recording: its whole route on the map, and a
// click on that route seeking to the moment it shows, in whichever file.

#include "PlayerDlg.h"
#include "map/DlgMap.h"

// The drive of the recording that plays, whichever row the list now stands on.
std::vector<std::string> CPlayerDlg::CurrentDrive() const
{
    if (playingPath_.isEmpty())
        return {};
    return drivePaths_.empty() ? std::vector<std::string>{playingPath_.toStdString()} : drivePaths_;
}

// The other recordings' times and tracks are read in the background: a drive
// of hundreds of files, or one of them hostile, never holds up the window.
void CPlayerDlg::SendDrive()
{
    if (!mapView_ || playingPath_.isEmpty())
        return;
    struct Shown {
        std::vector<std::string> paths;
        QString json;
    };
    const int ticket = ++driveTicket_;
    reads_.Read<Shown>(
        [routes = driveRoutes_, listed = recordings_.UndamagedPaths(), playing = playingPath_.toStdString(), playingSlots = track_.Slots()] {
            std::lock_guard<std::mutex> hold(routes->lock);
            Shown shown;
            shown.paths = routes->routes.DriveOf(listed, playing);
            shown.json = routes->routes.DriveJson(shown.paths, playing, playingSlots);
            return shown;
        },
        [this, ticket](Shown shown) {
            if (ticket != driveTicket_)
                return;  // another recording, another drive read or another list since
            drivePaths_ = std::move(shown.paths);
            mapView_->ShowDrive(shown.json);
            ShowClipMarks();  // a clip's marks in other files of the drive are placed now
            emit driveShown();
            ScanDriveEvents(false);
        });
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
    SyncToPosition(true);
    emit pairSought();
}

void CPlayerDlg::SeekToRoutePoint(int recording, int slot)
{
    if (slot >= 0)
        PlayDriveMoment(drivePaths_, recording, slot / 10.0);
}
