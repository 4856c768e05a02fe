// The transport commands: play, stop, cycle, clear, the view switches, the
// volume and the seek bar.

#include "PlayerDlg.h"

#include "skin/BitmapSlider.h"
#include "skin/PngButton.h"
#include "skin/ResourceImage.h"
#include "widgets/DlgVideoView.h"

#include <QLabel>

namespace {

bool Open(PlayState s)
{
    return s == Paused || s == Running;
}

}  // namespace

void CPlayerDlg::OnBnClickedPlay()
{
    mainPlayer_.SetRate(0);
    mainPlayer_.TogglePlayPause();
    secondPlayer_.SetRate(0);
    secondPlayer_.TogglePlayPause();
    userStopped_ = 0;
}

void CPlayerDlg::OnBnClickedStop()
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
}

void CPlayerDlg::OnBnClickedClear()
{
    const PlayState s = mainPlayer_.GetState();
    if (s != Stopped && s != Closed)
        OnBnClickedStop();
    recordings_.RemoveAll();
}

void CPlayerDlg::OnBnClickedVideo()
{
    Button(1043)->LoadImage(secondViewShown_ ? 171 : 173);
    ShowSecondView(!secondViewShown_);
}

void CPlayerDlg::OnBnClickedSwap()
{
    if (!Open(mainPlayer_.GetState()))
        return;
    CMediaPlayer* large = swapped_ ? &mainPlayer_ : &secondPlayer_;
    CMediaPlayer* small = swapped_ ? &secondPlayer_ : &mainPlayer_;
    small->AttachVideoWindow(secondView_);
    large->AttachVideoWindow(mainView_);
    mainView_->SetPlayer(large);
    secondView_->SetPlayer(small);
    swapped_ = !swapped_;
}

void CPlayerDlg::OnBnClickedVolumeDown()
{
    if (!Open(mainPlayer_.GetState()))
        return;
    int level = mainPlayer_.GetVolumeLevel();
    if (level > 0)
        mainPlayer_.SetVolumeLevel(--level);
    ShowVolumeLevel(level);
}

void CPlayerDlg::OnBnClickedVolumeUp()
{
    if (!Open(mainPlayer_.GetState()))
        return;
    int level = mainPlayer_.GetVolumeLevel();
    if (level < 10)
        mainPlayer_.SetVolumeLevel(++level);
    ShowVolumeLevel(level);
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
}
