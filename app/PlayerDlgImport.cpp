// Importing: the memory card a second after start, a folder chosen with the
// Import button, and folders and files given on the command line.

#include "PlayerDlg.h"

#include <QElapsedTimer>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QMimeData>
#include <QUrl>

// The files join a queue read a slice at a time: a short import is done
// before this returns, a long one goes on between the window's events, so a
// large card shows its rows arriving while the window paints, moves and
// answers Stop and Escape.
void CPlayerDlg::AddImportCandidates(const std::vector<ImportCandidate>& candidates)
{
    if (pendingImport_.empty())
        importTotal_ = importDone_ = 0;
    pendingImport_.insert(pendingImport_.end(), candidates.begin(), candidates.end());
    importTotal_ += static_cast<int>(candidates.size());
    ImportSome();
}

void CPlayerDlg::ImportSome()
{
    QElapsedTimer slice;
    slice.start();
    do {  // at least one file a slice
        if (pendingImport_.empty())
            break;
        const ImportCandidate c = std::move(pendingImport_.front());
        pendingImport_.pop_front();
        recordings_.AddFile(c.path, c.name, c.extension);
        ++importDone_;
    } while (slice.elapsed() < importSliceMs_);
    if (pendingImport_.empty()) {
        importTimer_.stop();
        importProgress_->hide();
        return;
    }
    importProgress_->setText(tr("Importing: %1 of %2 files").arg(importDone_).arg(importTotal_));
    importProgress_->show();
    importProgress_->raise();
    importTimer_.start(0);
}

void CPlayerDlg::done(int result)
{
    CancelImport();
    CancelEventScan();
    StopClipAndWait();
    StopRepairAndWait();
    QDialog::done(result);
}

void CPlayerDlg::CancelImport()
{
    pendingImport_.clear();
    importTimer_.stop();
    importProgress_->hide();
}

void CPlayerDlg::ImportFolder(const QString& folder)
{
    settings_.AddFolder(QFileInfo(folder).absoluteFilePath());
    AddImportCandidates(ListImportFiles(folder.toStdString()));
}

void CPlayerDlg::ImportRememberedFolders()
{
    if (!settings_.ReimportFolders())
        return;
    for (const QString& folder : settings_.Folders()) {
        if (QFileInfo(folder).isDir())
            ImportFolder(folder);
    }
}

void CPlayerDlg::StartSession(const QStringList& paths)
{
    if (paths.isEmpty())
        ImportRememberedFolders();
    else
        ImportPaths(paths);
    currentIndex_ = 0;  // the first recording given
}

void CPlayerDlg::OnBnClickedImport()
{
    const QString folder = folderHook_ ? folderHook_() : QFileDialog::getExistingDirectory(this, tr("Select directory"));
    if (!folder.isEmpty())
        ImportFolder(folder);
}

namespace {

CPlayerDlg::VolumeSource& DefaultVolumeSource()
{
    static CPlayerDlg::VolumeSource source;
    return source;
}

}  // namespace

void CPlayerDlg::SetDefaultVolumeSource(VolumeSource source)
{
    DefaultVolumeSource() = std::move(source);
}

void CPlayerDlg::ScanCard()
{
    std::string root;
    const VolumeSource& source = volumeSource_ ? volumeSource_ : DefaultVolumeSource();
    const auto volumes = source ? source() : ListMountedVolumes();
    if (!FindCardRoot(volumes, root))
        return;
    AddImportCandidates(ListCardFiles(root));
}

namespace {

QStringList LocalPaths(const QMimeData* data)
{
    QStringList paths;
    for (const QUrl& url : data->urls()) {
        if (url.isLocalFile())
            paths << url.toLocalFile();
    }
    return paths;
}

}  // namespace

// Folders and recordings dropped on the window are imported as the command
// line imports them.
void CPlayerDlg::dragEnterEvent(QDragEnterEvent* event)
{
    if (!LocalPaths(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void CPlayerDlg::dropEvent(QDropEvent* event)
{
    const QStringList paths = LocalPaths(event->mimeData());
    if (paths.isEmpty())
        return;
    event->acceptProposedAction();
    ImportPaths(paths);
}

void CPlayerDlg::ImportPaths(const QStringList& paths)
{
    for (const QString& path : paths) {
        const QFileInfo info(path);
        if (info.isDir()) {
            ImportFolder(info.absoluteFilePath());
            continue;
        }
        const std::string base = info.completeBaseName().toStdString();
        const std::string extension = "." + info.suffix().toUpper().toStdString();
        if (info.isFile() && IsImportFrontFile(base, extension))
            AddImportCandidates({{info.absoluteFilePath().toStdString(), info.fileName().toStdString(), extension}});
    }
}
