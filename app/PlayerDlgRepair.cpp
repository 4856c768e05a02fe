// Repairs: a recording a power loss cut off, marked in the list; opening it
// offers to rebuild it from a healthy recording of the same camera, on a
// thread of its own while the window plays on; the repaired copy joins the
// list beside it and plays.

#include "PlayerDlg.h"

#include "BackgroundRun.h"
#include "repair/Repair.h"
#include "skin/Layout.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>

// The repair under way: its thread, how far it has come, and whether the
// user (or closing the window) has asked it to stop.
struct CPlayerDlg::RepairRun : BackgroundRun {
    QString damaged, output;
};

namespace {

// The core says "cancelled" when the progress asked it to stop.
constexpr const char* kCancelled = "cancelled";

QString FileName(const QString& path)
{
    return QFileInfo(path).fileName();
}

QString DamageWords(Damage damage)
{
    switch (damage) {
    case Damage::NoIndex: return CPlayerDlg::tr("no index");
    case Damage::IndexCutShort: return CPlayerDlg::tr("index cut short");
    case Damage::MediaPastEnd: return CPlayerDlg::tr("media data past the file's end");
    case Damage::None: break;
    }
    return {};
}

// What is wrong, why, and what the repair would do (or that it has nothing
// to do it from).
QString QuestionText(const QString& damaged, const QString& damage, const QString& reference)
{
    const QString what = CPlayerDlg::tr("%1 is damaged: %2. A power loss cut this recording off before the camera "
                                        "finished it, so it cannot be played as it is.")
                             .arg(FileName(damaged), damage);
    if (reference.isEmpty())
        return what + "\n\n" +
               CPlayerDlg::tr("No healthy recording of the same camera lies beside it to rebuild it from. "
                              "Choose one the same camera made.");
    const QString repaired = FileName(QString::fromStdString(RepairedPath(damaged.toStdString())));
    return what + "\n\n" +
           CPlayerDlg::tr("It can be rebuilt from %1, a healthy recording of the same camera, into %2. "
                          "The damaged file stays as it is.")
               .arg(FileName(reference), repaired);
}

}  // namespace

// Read as the list fills: only the top-level box headers, so a card of
// healthy recordings lists as fast as before.
QString CPlayerDlg::DamageNote(const std::string& path)
{
    const Damage damage = DamageOf(path);
    if (damage == Damage::None)
        return {};
    return tr("Damaged: %1 — a power loss cut this recording off. Double-click to repair it.").arg(DamageWords(damage));
}

void CPlayerDlg::CreateRepairControls()
{
    recordings_.SetDamageCheck([](const std::string& path) { return DamageNote(path).toStdString(); });
    const QRect video = Layout::kVideo.Rect();
    repairProgress_ = new ClipProgressPanel(this);
    // Above the clip's: both may run at once.
    repairProgress_->setGeometry(video.left() + 60, video.bottom() - 108, video.width() - 120, 48);
    connect(repairProgress_, &ClipProgressPanel::cancelRequested, this, &CPlayerDlg::CancelRepair);
}

// The healthy neighbour is sought in the background: trying a few
// recordings' layouts on the damaged one's pictures takes a moment.
bool CPlayerDlg::OfferRepair(const tagFileNode& node)
{
    const Damage damage = DamageOf(node.path);
    if (damage == Damage::None)
        return false;
    const QString damaged = QString::fromStdString(node.path);
    if (repairRun_ || repairAsked_) {
        ShowMessage(tr("%1 is damaged (%2). Another repair is under way: try again once it has ended.")
                        .arg(FileName(damaged), DamageWords(damage)),
                    false);
        return true;
    }
    repairAsked_ = true;
    reads_.Read<std::string>(
        [path = node.path] {
            std::string unused;  // the question says it in the user's words
            return NearestReference(path, unused);
        },
        [this, damaged, words = DamageWords(damage)](std::string reference) {
            AskForRepair(damaged, words, QString::fromStdString(reference));
            repairAsked_ = false;
        });
    return true;
}

void CPlayerDlg::AskForRepair(const QString& damaged, const QString& damage, const QString& reference)
{
    QMessageBox box(QMessageBox::Warning, tr("Repair recording"), QuestionText(damaged, damage, reference),
                    QMessageBox::NoButton, this);
    QPushButton* repair = reference.isEmpty() ? nullptr : box.addButton(tr("Repair…"), QMessageBox::AcceptRole);
    QPushButton* choose =
        box.addButton(reference.isEmpty() ? tr("Choose a recording…") : tr("Choose another…"), QMessageBox::ActionRole);
    box.addButton(QMessageBox::Cancel);
    box.setDefaultButton(repair ? repair : choose);
    if (repairQuestionHook_)
        repairQuestionHook_(box);
    else
        box.exec();
    QString from;
    if (repair && box.clickedButton() == repair)
        from = reference;
    else if (box.clickedButton() == choose)
        from = ChooseReference(damaged);
    if (!from.isEmpty())
        RepairFrom(damaged, from);
}

void CPlayerDlg::RepairFrom(const QString& damaged, const QString& reference)
{
    const QString folder = RepairFolder(damaged);
    if (folder.isEmpty())
        return;
    RepairRequest request;
    request.damaged = damaged.toStdString();
    request.reference = reference.toStdString();
    request.output = RepairedPath(request.damaged, folder.toStdString());
    const QString output = QString::fromStdString(request.output);
    if (QFileInfo::exists(output)) {
        if (!MayReplace(output, tr("Repair recording")))
            return;
        request.replace = true;
    }
    StartRepair(request);
}

QString CPlayerDlg::ChooseReference(const QString& damaged)
{
    const QString folder = QFileInfo(damaged).absolutePath();
    if (referenceHook_)
        return referenceHook_(folder);
    return QFileDialog::getOpenFileName(this, tr("A healthy recording of the same camera"), folder,
                                        tr("Recordings (*.mov *.MOV *.mp4 *.MP4);;All files (*)"));
}

// Beside the damaged recording, unless its folder cannot be written (a
// card locked, a folder of someone else's): then where the user says.
QString CPlayerDlg::RepairFolder(const QString& damaged)
{
    const QString beside = QFileInfo(damaged).absolutePath();
    if (QFileInfo(beside).isWritable())
        return beside;
    return folderHook_ ? folderHook_()
                       : QFileDialog::getExistingDirectory(
                             this, tr("%1 cannot be written: a folder for the repaired recording").arg(beside));
}

// The progress is read with the clock, ten times a second; the result comes
// back to the window's thread.
void CPlayerDlg::StartRepair(const RepairRequest& request)
{
    auto run = std::make_shared<RepairRun>();
    run->damaged = QString::fromStdString(request.damaged);
    run->output = QString::fromStdString(request.output);
    run->clock.start();
    repairRun_ = run;
    repairProgress_->Start(tr("Repairing %1"), FileName(run->damaged));
    RepairRequest job = request;
    job.progress = [run](double fraction) {
        run->fraction = fraction;
        return !run->cancelled;
    };
    run->thread = std::thread([this, run, job, hook = repairStartHook_] {
        if (hook)
            hook([&run] { return !run->cancelled.load(); });
        RepairReport report;
        const std::string error = RepairRecording(job, report);
        QMetaObject::invokeMethod(
            this,
            [this, run, error, report] {
                if (run == repairRun_)
                    FinishRepair(error, report);
            },
            Qt::QueuedConnection);
    });
}

void CPlayerDlg::ShowRepairProgress()
{
    ShowRunProgress(repairRun_.get(), *repairProgress_);
}

void CPlayerDlg::CancelRepair()
{
    CancelRun(repairRun_.get(), *repairProgress_);
}

void CPlayerDlg::FinishRepair(const std::string& error, const RepairReport& report)
{
    const std::shared_ptr<RepairRun> run = std::move(repairRun_);
    run->thread.join();
    repairProgress_->hide();
    const bool cancelled = error == kCancelled;
    if (cancelled)
        ShowMessage(tr("Repairing %1 was cancelled; nothing was written.").arg(FileName(run->damaged)), false);
    else if (!error.empty())
        ShowMessage(tr("Repair failed! %1: %2").arg(FileName(run->damaged), QString::fromStdString(error)), true);
    else
        ListAndPlayRepaired(run->damaged, QString::fromStdString(report.output));
    emit repairFinished(run->damaged, run->output, error.empty(), cancelled);
}

// Right after the damaged one, as a folder's import sorts them; the drives
// then take it by its time as any other recording.
void CPlayerDlg::ListAndPlayRepaired(const QString& damaged, const QString& repaired)
{
    const std::string path = repaired.toStdString();
    if (recordings_.IndexOf(path) < 0) {
        const int row = recordings_.IndexOf(damaged.toStdString());
        recordings_.Insert(row < 0 ? recordings_.GetCount() : row + 1, FileNodeOf(path));
    }
    currentIndex_ = recordings_.IndexOf(path);
    PlayFile(0);
}

// Closing the window: the repair stops, and its thread ends before the window does.
void CPlayerDlg::StopRepairAndWait()
{
    StopRunAndWait(repairRun_, *repairProgress_);
}
