// Opening a recording and its companion, and the clock that keeps every
// display at the main player's position.

#include "PlayerDlg.h"

#include "library/CompanionPath.h"
#include "map/DlgMap.h"
#include "skin/BitmapSlider.h"
#include "skin/PngButton.h"
#include "skin/SkinListCtrl.h"
#include "widgets/DlgVideoView.h"
#include "widgets/WaveFormCtrl.h"

#include <QFileInfo>
#include <QLabel>
#include <QMessageBox>
#include <QContextMenuEvent>
#include <QMouseEvent>
#include <algorithm>
#include <cmath>

namespace {

bool Active(PlayState s)
{
    return s != Stopped && s != Closed;
}

}  // namespace

void CPlayerDlg::ShowMessage(const QString& text, bool error)
{
    if (messageHook_) {
        messageHook_(text, error);
        return;
    }
    QMessageBox box(error ? QMessageBox::Critical : QMessageBox::NoIcon, tr("Player"), text, QMessageBox::Ok, this);
    box.exec();
}

void CPlayerDlg::PlayFile(int direction)
{
    if (Active(mainPlayer_.GetState()) || Active(secondPlayer_.GetState()))
        StopPair();
    if (direction == 1) {
        if (currentIndex_ >= listView_->RowCount() - 1)
            return;
        ++currentIndex_;
    } else if (direction == 2) {
        if (currentIndex_ < 1)
            return;
        --currentIndex_;
    }
    tagFileNode node;
    PutPlayersInTheirViews();
    if (recordings_.GetCount() >= 1 && recordings_.GetNode(currentIndex_, node) == 0) {
        if (OfferRepair(node)) {
            listView_->SelectRow(currentIndex_);
            return;
        }
        if (!track_.IsSupported(node.datPath, node.path)) {
            ShowMessage(tr("UnSupported file!"), false);
            return;
        }
        if (mainPlayer_.OpenFile(QString::fromStdString(node.path), mainView_, this) != S_OK) {
            ShowMessage(tr("Play file failed!"), true);
        } else {
            playingPath_ = QString::fromStdString(node.path);
            playingSize_ = QFileInfo(playingPath_).size();
            const int seconds = static_cast<int>(mainPlayer_.GetDuration());
            seekBar_->SetRange(0, seconds * 1000 / 200, false);
            track_.Clear();
            waveform_->SetTotalSeconds(seconds);
            waveform_->Refresh();
            ShowEventMarks();  // none of another recording's marks stay on this one
            ShowClipMarks();
            SendRoute();  // the last recording's route goes at once
            ReadTrack(node);
            // Both stand on their first frame before either starts, so the
            // pair begins in step.
            OpenCompanion(node);
            mainPlayer_.TogglePlayPause();
            if (companionOpen_)
                secondPlayer_.TogglePlayPause();
            ApplyVolume(volumeLevel_);
            secondPlayer_.SetVolumeLevel(0);  // the companion plays at the lowest level
            QTimer::singleShot(0, this, &CPlayerDlg::PrepareFollowing);
        }
        listView_->setFocus();
        listView_->SelectRow(currentIndex_);
    }
    idlePlaceholder_->hide();
}

// The track comes when it has been read, and with it the route, the
// instruments and the drive; the picture plays meanwhile.
void CPlayerDlg::ReadTrack(const tagFileNode& node)
{
    const int ticket = ++trackTicket_;
    ++driveTicket_;
    trackReady_ = false;
    reads_.Read<CTrackLoader>(
        [node, hook = trackReadHook_, cache = trackCache_] {
            if (hook)
                hook(node.path);
            return cache->Load(node);
        },
        [this, ticket](CTrackLoader loaded) {
            if (ticket != trackTicket_)
                return;  // another recording was opened meanwhile
            track_ = std::move(loaded);
            trackReady_ = true;
            waveform_->Refresh();
            SendRoute();
            SyncToPosition();
            SendDrive();
            emit trackShown();
        });
}

// Every slot with a position, in order; the bridge sends them as one script.
void CPlayerDlg::SendRoute()
{
    if (!mapView_)
        return;
    mapView_->newPolyLine();
    for (const tagAssistInfo& slot : track_.Slots()) {
        if (HasPosition(slot))
            mapView_->putMarkerToLine(QString::fromStdString(slot.latitude), QString::fromStdString(slot.longitude));
    }
    mapView_->renderPolyLine();
}

// The rear recording of `node`; empty when it has none. A name no companion
// rule applies to gives itself back: no rear camera.
QString CPlayerDlg::CompanionOf(const tagFileNode& node)
{
    const std::string companion = DeriveCompanionPath(node.path, node.isNT96650A != 0, [](const std::string& path) {
        return QFileInfo::exists(QString::fromStdString(path));
    });
    if (companion == node.path || !QFileInfo::exists(QString::fromStdString(companion)))
        return {};
    return QString::fromStdString(companion);
}

void CPlayerDlg::OpenCompanion(const tagFileNode& node)
{
    const QString companion = CompanionOf(node);
    companionOpen_ = false;
    // Without a rear camera the rear player is closed, so that nothing stale
    // shows or starts, and the list takes the secondary place.
    if (companion.isEmpty() || secondPlayer_.OpenFile(companion, secondView_, secondView_) != S_OK) {
        secondPlayer_.CloseClip();
        secondView_->update();
        ShowSecondView(false);
        return;
    }
    // The companion's notices go to its own view, as its picture does.
    companionOpen_ = true;
    ShowSecondView(true);
}

// With Cycle on, the next recording of the list (front and rear) waits on
// its first frame while this one plays, so the cut between them shows no
// black picture and no pause.
void CPlayerDlg::PrepareFollowing()
{
    tagFileNode next;
    if (!cycleMode_ || !IsOpen(mainPlayer_.GetState()) || recordings_.GetNode(currentIndex_ + 1, next) != 0 ||
        !next.damage.empty())  // a damaged one cannot be played: it is offered for repair instead
        return;
    mainPlayer_.PrepareNext(QString::fromStdString(next.path));
    const QString companion = CompanionOf(next);
    if (companion.isEmpty())
        secondPlayer_.DropPrepared();
    else
        secondPlayer_.PrepareNext(companion);
}

void CPlayerDlg::OnTimer1()
{
    const PlayState s = mainPlayer_.GetState();
    if (Active(s)) {
        SyncToPosition();
        KeepRearInStep();
    }
    ShowEventScanProgress();
    ShowClipProgress();
    ShowRepairProgress();
    CPngButton* play = Button(1008);
    const QString label = s == Running ? tr("Pause") : tr("Play");
    if (play->text() != label) {  // only on a change: the button is not repainted every tick
        play->setText(label);
        play->LoadImage(s == Running ? 167 : 152);
    }
}

// The rear picture follows the front one. A small gap closes by playing the
// rear a little faster or slower (a seek would stall its picture); only a
// gap over half a second is sought across, and a seek under way is let land
// rather than asked for again. A change of speed shows in the position only
// after the audio buffered at the old speed has played (about 0.3 s), so the
// part of the gap the current speed is already closing is counted off. At
// the pair's speed r a nudge closes the gap r times faster, so the nudge is
// divided by r: the loop behaves the same at every speed instead of swinging
// from ahead to behind at 3x and 8x.
void CPlayerDlg::KeepRearInStep()
{
    constexpr double kGain = 2.0;        // speed change per second of gap at 1x
    constexpr double kMostNudge = 0.15;  // at most 15 % faster or slower
    constexpr double kLatency = 0.3;     // seconds before a change of speed shows
    constexpr double kSeekGap = 0.5;     // seconds
    constexpr double kInStep = 0.008;    // seconds: close enough to leave alone
    if (!companionOpen_ || mainPlayer_.GetState() != Running || secondPlayer_.GetState() != Running ||
        mainPlayer_.SeekPending() || secondPlayer_.SeekPending())
        return;
    const double front = mainPlayer_.GetPosition();
    if (front >= secondPlayer_.GetDuration())
        return;
    const double gap = front - secondPlayer_.GetPosition();  // positive: the rear is behind
    if (std::abs(gap) > kSeekGap) {
        secondPlayer_.NudgeSpeed(1.0);
        secondPlayer_.SetPosition(front);
        return;
    }
    const double rate = std::max(std::fabs(mainPlayer_.GetRate()), 0.25);
    const double coming = gap - (secondPlayer_.SpeedNudge() - 1.0) * rate * kLatency;
    const double nudge = std::clamp(coming * kGain / rate, -kMostNudge, kMostNudge);
    secondPlayer_.NudgeSpeed(std::abs(coming) < kInStep ? 1.0 : 1.0 + nudge);
}

void CPlayerDlg::SyncToPosition(bool jump)
{
    const PlayState s = mainPlayer_.GetState();
    const double p = mainPlayer_.GetPosition();
    // Paused, the bar stays where the user may be dragging it, but a seek moves it.
    if (jump || s == Running || s == Stopped)
        seekBar_->SetPos(static_cast<int>(p * 1000 / 200));
    waveform_->SetCursor(static_cast<int>(p * 1000 / 100));
    waveform_->SetElapsedSeconds(static_cast<int>(p));
    const int slot = static_cast<int>(p * 1000 / 100);
    tagAssistInfo info;
    if (slot >= 0 && slot < track_.GetCount() && track_.GetAssistInfo(slot, info) == 0) {
        if (!HasPosition(info))
            return;  // no fix: map, speed and compass keep their last values
        if (mapView_)
            mapView_->SetLgtLat(QString::fromStdString(info.latitude), QString::fromStdString(info.longitude), "0", jump);
        if (info.speed != lastSpeed_)
            DrawSpeedNeedle(info.speed);
        if (info.course != lastCourse_)
            DrawCompassNeedle(info.course);
        return;
    }
    DrawCompassNeedle(180.0);
    DrawSpeedNeedle(0);
}

bool CPlayerDlg::CheckRecordingPresent()
{
    if (playingPath_.isEmpty() || !Active(mainPlayer_.GetState()))
        return true;
    const QFileInfo file(playingPath_);
    if (file.exists() && file.size() >= playingSize_)
        return true;
    // The list and the place in it stay: the user picks what to play next.
    const QString name = file.fileName();
    playingPath_.clear();
    userStopped_ = 1;
    mainPlayer_.CloseClip();
    secondPlayer_.CloseClip();
    companionOpen_ = false;
    mainView_->update();
    secondView_->update();
    SyncToPosition();
    ShowMessage(tr("The recording is no longer there: %1").arg(name), true);
    return false;
}

// The end of the main recording: the next one (Cycle on) or the same again;
// nothing when the recording has gone from under the player.
void CPlayerDlg::OnGraphNotify()
{
    const PlayState before = mainPlayer_.GetState();
    if (!CheckRecordingPresent())
        return;
    mainPlayer_.HandleGraphEvent();
    if (before != Stopped && mainPlayer_.GetState() == Stopped) {
        if (!userStopped_)
            PlayFile(cycleMode_ ? 1 : 0);
        SyncToPosition();
        userStopped_ = 0;
    }
}

bool CPlayerDlg::event(QEvent* event)
{
    if (event->type() == WM_GRAPHNOTIFY) {
        OnGraphNotify();
        return true;
    }
    return QDialog::event(event);
}

bool CPlayerDlg::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == WM_GRAPHNOTIFY && watched == secondView_) {
        OnGraphNotify();  // the window sees its children's notices too
        return true;
    }
    // Only the left button seeks: the pair pauses for it alone.
    if (event->type() == QEvent::MouseButtonPress && watched == seekBar_ &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        mainPlayer_.Pause();
        secondPlayer_.Pause();
    }
    if (event->type() == QEvent::ContextMenu && watched == seekBar_) {
        const auto* menu = static_cast<QContextMenuEvent*>(event);
        if (ShowSeekBarEventMenu(menu->pos(), menu->globalPos()))
            return true;
    }
    if (event->type() == QEvent::MouseButtonDblClick && watched == idlePlaceholder_) {
        mainPlayer_.SetFullScreen(fullScreenNext_);
        fullScreenNext_ = !fullScreenNext_;
    }
    return QDialog::eventFilter(watched, event);
}
