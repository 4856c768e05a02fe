// The transport commands: play, stop, cycle, clear, the view switches, the
// volume and the seek bar.

#include "PlayerDlg.h"

#include "map/DlgMap.h"
#include "skin/BitmapSlider.h"
#include "skin/PngButton.h"
#include "skin/ResourceImage.h"
#include "widgets/DlgVideoView.h"

#include <QLabel>
#include <algorithm>

namespace {

}  // namespace

void CPlayerDlg::OnBnClickedPlay()
{
    SetPairRate(0);  // the button plays at 1x, and the badge and [ ] must know it
    mainPlayer_.TogglePlayPause();
    secondPlayer_.TogglePlayPause();
    userStopped_ = 0;
}

// The Stop button stops a long import as well as the pair.
void CPlayerDlg::OnBnClickedStop()
{
    CancelImport();
    StopPair();
}

void CPlayerDlg::StopPair()
{
    userStopped_ = 1;
    mainPlayer_.StopClip();
    secondPlayer_.StopClip();
    SyncToPosition();
}

void CPlayerDlg::OnBnClickedCycle()
{
    const int old = cycleMode_;
    cycleMode_ = !cycleMode_;
    Button(1018)->LoadImage(old ? 154 : 149);
    settings_.SetCycleMode(cycleMode_);
    ShowToggleStates();
    if (cycleMode_)
        PrepareFollowing();
    else
        for (CMediaPlayer* p : {&mainPlayer_, &secondPlayer_})
            p->DropPrepared();
}

void CPlayerDlg::OnBnClickedClear()
{
    CancelImport();
    const PlayState s = mainPlayer_.GetState();
    if (s != Stopped && s != Closed)
        StopPair();
    recordings_.RemoveAll();
    currentIndex_ = 0;  // the rows to come are another list
    ++driveTicket_;     // and no drive read from the old one is shown
    drivePaths_.clear();
    CancelEventScan();
    driveEvents_.clear();
    eventsDrive_.clear();
    ShowDriveEvents();
    driveRoutes_ = std::make_shared<SharedDriveRoutes>();
    if (mapView_)
        mapView_->ClearDrive();
    settings_.ClearFolders();  // the list is empty: nothing to bring back next time
}

void CPlayerDlg::OnBnClickedVideo()
{
    ShowSecondView(!secondViewShown_);
}

bool CPlayerDlg::Swapped() const
{
    return mainView_->Player() == &secondPlayer_;
}

CMediaPlayer& CPlayerDlg::LargePlayer()
{
    return *mainView_->Player();
}

// Only a pair can swap: without a rear camera open the button does nothing.
void CPlayerDlg::OnBnClickedSwap()
{
    if (!IsOpen(mainPlayer_.GetState()) || !IsOpen(secondPlayer_.GetState())) {
        ShowToggleStates();  // a click on nothing to swap leaves the button as it was
        return;
    }
    CMediaPlayer* large = secondView_->Player();
    CMediaPlayer* small = mainView_->Player();
    small->AttachVideoWindow(secondView_);
    large->AttachVideoWindow(mainView_);
    mainView_->SetPlayer(large);
    secondView_->SetPlayer(small);
    ShowToggleStates();
}

// The front camera back in the large view, as every recording opens.
void CPlayerDlg::PutPlayersInTheirViews()
{
    if (!Swapped())
        return;
    mainPlayer_.AttachVideoWindow(mainView_);
    secondPlayer_.AttachVideoWindow(secondView_);
    mainView_->SetPlayer(&mainPlayer_);
    secondView_->SetPlayer(&secondPlayer_);
    ShowToggleStates();
}

// The level is the window's: every recording opened later plays at it.
void CPlayerDlg::ApplyVolume(int level)
{
    volumeLevel_ = std::clamp(level, 0, 10);
    settings_.SetVolume(volumeLevel_);
    mainPlayer_.SetVolumeLevel(volumeLevel_);
    ShowVolumeLevel(volumeLevel_);
}

void CPlayerDlg::OnBnClickedVolumeDown()
{
    if (IsOpen(mainPlayer_.GetState()))
        ApplyVolume(volumeLevel_ - 1);
}

void CPlayerDlg::OnBnClickedVolumeUp()
{
    if (IsOpen(mainPlayer_.GetState()))
        ApplyVolume(volumeLevel_ + 1);
}

// At least one bar is lit: levels 0 and 1 both light the first.
void CPlayerDlg::ShowVolumeLevel(int level)
{
    QImage unlit, lit;
    LoadResourceImage(157, "BMP", unlit);
    LoadResourceImage(156, "BMP", lit);
    const int n = level > 0 ? level - 1 : 0;
    for (int k = 0; k < 10; ++k) {
        const bool on = k <= n;
        volumeBars_[static_cast<std::size_t>(k)]->setPixmap(QPixmap::fromImage(on ? lit : unlit));
        volumeBarLit_[static_cast<std::size_t>(k)] = on;
    }
    Button(1026)->setEnabled(true);
    Button(1027)->setEnabled(true);
}

void CPlayerDlg::OnSliderMoved(int id, int)
{
    if (id != seekBar_->ControlId())
        return;
    const double seconds = seekBar_->GetPos() * 200.0 / 1000.0;
    mainPlayer_.SetPosition(seconds);
    secondPlayer_.SetPosition(seconds);
    SyncToPosition(true);
    if (IsOpen(mainPlayer_.GetState()))
        emit pairSought();
}
