// Clips: the marks of a clip's start and end on the seek bar, "Save clip…"
// from them or from an event, the dialog, and the clip made on a thread of
// its own while the window plays on.

#include "PlayerDlg.h"

#include "ClipDialog.h"
#include "BackgroundRun.h"
#include "ClipSpan.h"
#include "library/Drives.h"
#include "library/RecordingList.h"
#include "library/SafeWrite.h"
#include "skin/BitmapSlider.h"
#include "skin/Layout.h"
#include "skin/SkinListCtrl.h"

#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <algorithm>
#include <atomic>
#include <cmath>
#include <map>
#include <thread>

// The clip being made: the thread making it, what it has done, and whether
// the user (or closing the window) has asked it to stop.
struct CPlayerDlg::ClipRun : BackgroundRun {
    QString output;
    double startMark = 0;  // seconds into the first file, to say how far before it a copy begins
};

namespace {

const QColor kClipColour(0, 220, 235);  // apart from every event's colour
constexpr double kAroundEvent = 15;     // seconds before and after an event a clip takes
constexpr int kSeekStepsPerSecond = 5;  // the seek bar moves in 0.2 s steps
constexpr int kNearMarkPixels = 6;      // a right click this close to an event's mark is on it

int SeekStep(double seconds)
{
    return static_cast<int>(seconds * kSeekStepsPerSecond);
}

// "<first recording>_clip_1m04s.mp4": which recording and where in it.
QString ClipName(const ClipPiece& first)
{
    const auto seconds = static_cast<long long>(std::floor(first.from));
    return QString("%1_clip_%2m%3s.mp4")
        .arg(QFileInfo(QString::fromStdString(first.front)).completeBaseName())
        .arg(seconds / 60)
        .arg(seconds % 60, 2, 10, QChar('0'));
}

// A copy begins at the key frame at or before the start mark: how far before.
QString CopiedText(const ClipResult& result, double startMark)
{
    if (!result.copied)
        return {};
    return CPlayerDlg::tr("\nCopied as recorded, from the key frame %1 s before the start.")
        .arg(std::max(0.0, startMark - result.copiedFrom), 0, 'f', 1);
}

bool Earlier(ClipMoment a, ClipMoment b)
{
    return a.recording != b.recording ? a.recording < b.recording : a.seconds < b.seconds;
}

int PlaceIn(const std::vector<std::string>& drive, const QString& path)
{
    const auto at = std::find(drive.begin(), drive.end(), path.toStdString());
    return at == drive.end() ? -1 : static_cast<int>(at - drive.begin());
}

// Of the clip's pieces, the one that reuses a recording as its output.
bool WritesOverAnInput(const ClipRequest& request)
{
    for (const ClipPiece& piece : request.pieces) {
        for (const std::string& input : {piece.front, piece.rear}) {
            if (!input.empty() && SameFile(input, request.output))
                return true;
        }
    }
    return false;
}

}  // namespace

void CPlayerDlg::CreateClipControls()
{
    const QRect video = Layout::kVideo.Rect();
    clipProgress_ = new ClipProgressPanel(this);
    clipProgress_->setGeometry(video.left() + 60, video.bottom() - 56, video.width() - 120, 48);
    connect(clipProgress_, &ClipProgressPanel::cancelRequested, this, &CPlayerDlg::CancelClip);
    eventsView_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(eventsView_, &QWidget::customContextMenuRequested, this, &CPlayerDlg::ShowEventsListMenu);
}

void CPlayerDlg::SetClipStart()
{
    if (!IsOpen(mainPlayer_.GetState()) || playingPath_.isEmpty())
        return;
    clipStart_ = ClipMark{playingPath_, mainPlayer_.GetPosition()};
    ShowClipMarks();
}

void CPlayerDlg::SetClipEnd()
{
    if (!IsOpen(mainPlayer_.GetState()) || playingPath_.isEmpty())
        return;
    clipEnd_ = ClipMark{playingPath_, mainPlayer_.GetPosition()};
    ShowClipMarks();
}

void CPlayerDlg::ClearClipMarks()
{
    clipStart_.reset();
    clipEnd_.reset();
    ShowClipMarks();
}

// Both marks in the drive: the part of it in the recording playing, shaded,
// with a bracket at each end that falls in it. Otherwise (one mark, or the
// drive not read yet) only the marks in the recording playing.
void CPlayerDlg::ShowClipMarks()
{
    const std::vector<std::string> drive = CurrentDrive();
    const int playing = PlaceIn(drive, playingPath_);
    const auto inDrive = [&](const std::optional<ClipMark>& mark) {
        return ClipMoment{mark ? PlaceIn(drive, mark->path) : -1, mark ? mark->seconds : 0};
    };
    ClipMoment from = inDrive(clipStart_), to = inDrive(clipEnd_);
    std::optional<TimeSpan> span;
    if (playing >= 0 && from.recording >= 0 && to.recording >= 0) {
        if (Earlier(to, from))
            std::swap(from, to);
        if (from.recording <= playing && playing <= to.recording) {
            span = TimeSpan{from.recording == playing ? SeekStep(from.seconds) : 0,
                            to.recording == playing ? SeekStep(to.seconds) : seekBar_->GetRangeMax(),
                            from.recording == playing, to.recording == playing, kClipColour};
        }
    } else if (clipStart_ && clipStart_->path == playingPath_) {
        span = TimeSpan{SeekStep(clipStart_->seconds), SeekStep(clipStart_->seconds), true, false, kClipColour};
    } else if (clipEnd_ && clipEnd_->path == playingPath_) {
        span = TimeSpan{SeekStep(clipEnd_->seconds), SeekStep(clipEnd_->seconds), false, true, kClipColour};
    }
    seekBar_->SetSpan(span);
}

void CPlayerDlg::SaveClip()
{
    if (!clipStart_ || !clipEnd_) {
        ShowMessage(tr("Set the clip's start (i) and end (o) first."), false);
        return;
    }
    const std::vector<std::string> drive = CurrentDrive();
    const int from = PlaceIn(drive, clipStart_->path), to = PlaceIn(drive, clipEnd_->path);
    if (from < 0 || to < 0) {
        ShowMessage(tr("The clip's start and end are not in one drive."), true);
        return;
    }
    PlanClip(drive, {from, clipStart_->seconds}, {to, clipEnd_->seconds});
}

void CPlayerDlg::SaveEventClip(int row)
{
    if (row < 0 || static_cast<std::size_t>(row) >= driveEvents_.size())
        return;
    const DriveEvent& e = driveEvents_[static_cast<std::size_t>(row)];
    const double at = e.found.event.Seconds();
    PlanClip(eventsDrive_, {e.recording, at - kAroundEvent}, {e.recording, at + kAroundEvent});
}

// The recordings' lengths are read from their headers, on a thread of its
// own: they may be on a slow card.
void CPlayerDlg::PlanClip(const std::vector<std::string>& drive, ClipMoment from, ClipMoment to)
{
    if (clipRun_) {
        ShowMessage(tr("A clip is being saved: wait for it, or cancel it."), false);
        return;
    }
    reads_.Read<std::vector<ClipPiece>>(
        [drive, from, to] {
            std::map<int, double> lengths;
            const RecordingLength lengthOf = [&](int index) {
                const auto known = lengths.find(index);
                if (known != lengths.end())
                    return known->second;
                return lengths[index] = RecordingTimes(drive[static_cast<std::size_t>(index)]).seconds;
            };
            const int count = static_cast<int>(drive.size());
            const ClipMoment start = CarriedMoment(from, count, lengthOf), end = CarriedMoment(to, count, lengthOf);
            const std::vector<ClipSource> sources =
                ClipSources(drive, std::min(start.recording, end.recording), std::max(start.recording, end.recording), lengthOf);
            return ClipPieces(sources, start, end, [](const std::string& front) {
                return CompanionOf(FileNodeOf(front)).toStdString();
            });
        },
        [this](std::vector<ClipPiece> pieces) { AskForClip(std::move(pieces)); });
}

void CPlayerDlg::AskForClip(std::vector<ClipPiece> pieces)
{
    if (pieces.empty()) {
        ShowMessage(tr("The clip would be empty: set its start and end apart."), false);
        return;
    }
    if (clipRun_)
        return;  // one began while the lengths were read
    ClipRequest proposal = settings_.ClipChoices();
    const ClipCameras remembered = proposal.cameras;
    const QString folder = settings_.ClipFolder().isEmpty() ? QDir::homePath() : settings_.ClipFolder();
    proposal.output = QDir(folder).filePath(ClipName(pieces.front())).toStdString();
    proposal.pieces = std::move(pieces);
    proposal.swapped = Swapped();
    proposal.overlays.mph = speedUnit_ == SpeedDash::SpeedUnit::Mph;
    ClipDialog dialog(proposal, this);
    if (!(clipDialogHook_ ? clipDialogHook_(dialog) : dialog.exec() == QDialog::Accepted))
        return;
    ClipRequest request = dialog.Request();
    ClipRequest remember = request;
    if (!dialog.HasRear())
        remember.cameras = remembered;  // a drive without a rear camera forces the front: not a choice
    settings_.SetClipChoices(remember);
    const QString output = QString::fromStdString(request.output);
    settings_.SetClipFolder(QFileInfo(output).absolutePath());
    if (WritesOverAnInput(request)) {
        ShowMessage(tr("Save clip failed! %1 is one of the clip's recordings.").arg(output), true);
        return;
    }
    for (const QString& file : {output, QString::fromStdString(ClipGpxPath(output.toStdString()))}) {
        if (QFileInfo::exists(file) && !request.replace) {
            if (!MayReplace(file, tr("Save clip")))
                return;
            request.replace = true;
        }
    }
    StartClip(request);
}

// The progress is read with the clock, ten times a second; the result comes
// back to the window's thread.
void CPlayerDlg::StartClip(const ClipRequest& request)
{
    auto run = std::make_shared<ClipRun>();
    run->output = QString::fromStdString(request.output);
    run->startMark = request.pieces.front().from;
    run->clock.start();
    clipRun_ = run;
    clipProgress_->Start(tr("Saving %1"), QFileInfo(run->output).fileName());
    run->thread = std::thread([this, run, request] {
        const ClipResult result = MakeClip(request, [&run](double fraction) {
            run->fraction = fraction;
            return !run->cancelled;
        });
        QMetaObject::invokeMethod(
            this,
            [this, run, result] {
                if (run == clipRun_)
                    FinishClip(result);
            },
            Qt::QueuedConnection);
    });
}

void CPlayerDlg::ShowClipProgress()
{
    ShowRunProgress(clipRun_.get(), *clipProgress_);
}

void CPlayerDlg::CancelClip()
{
    CancelRun(clipRun_.get(), *clipProgress_);
}

void CPlayerDlg::FinishClip(const ClipResult& result)
{
    const std::shared_ptr<ClipRun> run = std::move(clipRun_);
    run->thread.join();
    clipProgress_->hide();
    const QString name = QFileInfo(run->output).fileName();
    if (result.written)
        ShowMessage(tr("The clip is saved: %1").arg(run->output) + CopiedText(result, run->startMark), false);
    else if (result.cancelled)
        ShowMessage(tr("Saving %1 was cancelled; nothing was written.").arg(name), false);
    else
        ShowMessage(tr("Save clip failed! %1: %2").arg(name, QString::fromStdString(result.error)), true);
    emit clipFinished(run->output, result.written, result.cancelled);
}

// Closing the window: the clip stops, and its thread ends before the window does.
void CPlayerDlg::StopClipAndWait()
{
    StopRunAndWait(clipRun_, *clipProgress_);
}

void CPlayerDlg::AddClipMenu(QMenu& menu)
{
    const bool open = IsOpen(mainPlayer_.GetState());
    menu.addAction(tr("Clip start here"), this, &CPlayerDlg::SetClipStart)->setEnabled(open);
    menu.addAction(tr("Clip end here"), this, &CPlayerDlg::SetClipEnd)->setEnabled(open);
    menu.addAction(tr("Clear the clip's marks"), this, &CPlayerDlg::ClearClipMarks)->setEnabled(HasClipMarks());
    if (clipRun_)
        menu.addAction(tr("Cancel the clip"), this, &CPlayerDlg::CancelClip);
    else
        menu.addAction(tr("Save clip…"), this, &CPlayerDlg::SaveClip)->setEnabled(clipStart_ && clipEnd_);
}

void CPlayerDlg::ShowEventsListMenu(const QPoint& at)
{
    QTreeWidgetItem* item = eventsView_->itemAt(at);
    if (!item)
        return;
    const int row = eventsView_->indexOfTopLevelItem(item);
    QMenu menu(this);
    menu.addAction(tr("Play"), this, [this, row] { PlayEvent(row); });
    menu.addAction(tr("Save clip…"), this, [this, row] { SaveEventClip(row); })->setEnabled(!clipRun_);
    menu.exec(eventsView_->viewport()->mapToGlobal(at));
}

// A right click on an event's mark on the seek bar; elsewhere on the bar
// the window's menu comes, as on the skin.
bool CPlayerDlg::ShowSeekBarEventMenu(const QPoint& at, const QPoint& global)
{
    const int playing = PlayingInEventsDrive();
    int nearest = -1, nearestDistance = kNearMarkPixels + 1;
    for (std::size_t i = 0; i < driveEvents_.size(); ++i) {
        const DriveEvent& e = driveEvents_[i];
        if (e.recording != playing)
            continue;
        const int distance = std::abs(seekBar_->PositionToPixel(SeekStep(e.found.event.Seconds())) - at.x());
        if (distance < nearestDistance) {
            nearest = static_cast<int>(i);
            nearestDistance = distance;
        }
    }
    if (nearest < 0)
        return false;
    QMenu menu(this);
    menu.addAction(tr("Play from before it"), this, [this, nearest] { PlayEvent(nearest); });
    menu.addAction(tr("Save clip…"), this, [this, nearest] { SaveEventClip(nearest); })->setEnabled(!clipRun_);
    menu.exec(global);
    return true;
}
