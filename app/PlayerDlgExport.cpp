// The track leaves the player: the current recording's, or its whole drive's,
// as GPX, KML, CSV or GeoJSON.

#include "PlayerDlg.h"
#include "library/Drives.h"
#include "library/ExportFile.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

namespace {

const char* const kExportFilters = QT_TRANSLATE_NOOP("CPlayerDlg", "GPX track (*.gpx);;KML (*.kml);;CSV table (*.csv);;GeoJSON (*.geojson)");

// The name the user typed, with the chosen filter's extension when it has none
// of the four.
QString WithExtension(const QString& name, const QString& filter)
{
    if (name.isEmpty() || ExportFormatOfPath(name.toStdString()))
        return name;
    const int star = filter.indexOf("*.");
    return name + filter.mid(star + 1, filter.indexOf(')', star) - star - 1);
}

bool WriteTrackFile(const QString& name, const std::vector<std::string>& paths, SpeedDash::SpeedUnit unit)
{
    const std::string target = name.toStdString();
    ExportOptions options;
    options.csvSpeedUnit = unit == SpeedDash::SpeedUnit::Mph ? ExportSpeedUnit::Mph : ExportSpeedUnit::Kmh;
    return WriteExportFile(target, *ExportFormatOfPath(target), paths, options).empty();
}

}  // namespace

// The dialog's own question would concern the name as typed, before the
// format's extension is added: the final name is asked about here instead.
void CPlayerDlg::ExportTrack(bool wholeDrive)
{
    if (playingPath_.isEmpty())
        return;
    WithPairPaused([&] {
        const QString folder = settings_.ExportFolder().isEmpty() ? QDir::homePath() : settings_.ExportFolder();
        const QString suggested = QDir(folder).filePath(QFileInfo(playingPath_).completeBaseName());
        QString filter;
        const QString name =
            saveNameHook_ ? saveNameHook_(folder)
                          : WithExtension(QFileDialog::getSaveFileName(this, tr("Export track"), suggested + ".gpx", tr(kExportFilters),
                                                                       &filter, QFileDialog::DontConfirmOverwrite),
                                          filter);
        if (name.isEmpty())
            return;
        if (!ExportFormatOfPath(name.toStdString())) {
            ShowMessage(tr("Export track failed! Name a .gpx, .kml, .csv or .geojson file."), true);
            return;
        }
        if (QFileInfo::exists(name) && !MayReplace(name, tr("Export track")))
            return;
        settings_.SetExportFolder(QFileInfo(name).absolutePath());
        WriteExport(name, wholeDrive);
    });
}

bool CPlayerDlg::MayReplace(const QString& file, const QString& title)
{
    if (replaceHook_)
        return replaceHook_(file);
    return QMessageBox::question(this, title, tr("%1 already exists.\nDo you want to replace it?").arg(file)) ==
           QMessageBox::Yes;
}

// Read and written in the background; playing goes on meanwhile.
void CPlayerDlg::WriteExport(const QString& file, bool wholeDrive)
{
    reads_.Read<bool>(
        [routes = driveRoutes_, listed = wholeDrive ? recordings_.UndamagedPaths() : std::vector<std::string>{},
         playing = playingPath_.toStdString(), file, unit = speedUnit_] {
            std::vector<std::string> paths{playing};
            if (!listed.empty()) {
                std::lock_guard<std::mutex> hold(routes->lock);
                if (std::vector<std::string> drive = routes->routes.DriveOf(listed, playing); !drive.empty())
                    paths = std::move(drive);
            }
            return WriteTrackFile(file, paths, unit);
        },
        [this, file](bool written) {
            if (!written)
                ShowMessage(tr("Export track failed! %1 could not be written.").arg(file), true);
            emit trackExported(file, written);
        });
}
