// Importing: the memory card a second after start, a folder chosen with the
// Import button, and folders and files given on the command line.

#include "PlayerDlg.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QFileInfo>

namespace {

// Shows a busy cursor while it lives.
struct BusyCursor {
    BusyCursor() { QApplication::setOverrideCursor(Qt::BusyCursor); }
    ~BusyCursor() { QApplication::restoreOverrideCursor(); }
};

}  // namespace

// Files are added one by one; the window keeps painting between them, so a
// large card shows its rows arriving instead of a frozen window.
void CPlayerDlg::AddImportCandidates(const std::vector<ImportCandidate>& candidates)
{
    BusyCursor busy;
    QElapsedTimer sinceRepaint;
    sinceRepaint.start();
    for (const ImportCandidate& c : candidates) {
        recordings_.AddFile(c.path, c.name, c.extension);
        if (sinceRepaint.elapsed() > 50) {
            QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
            sinceRepaint.restart();
        }
    }
}

void CPlayerDlg::ImportFolder(const QString& folder)
{
    AddImportCandidates(ListImportFiles(folder.toStdString()));
}

void CPlayerDlg::OnBnClickedImport()
{
    const QString folder = QFileDialog::getExistingDirectory(this, "Select directory");
    if (!folder.isEmpty())
        ImportFolder(folder);
}

void CPlayerDlg::ScanCard()
{
    std::string root;
    const auto volumes = volumeSource_ ? volumeSource_() : ListMountedVolumes();
    if (!FindCardRoot(volumes, root))
        return;
    BusyCursor busy;
    ::ScanCard(root, recordings_);
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
