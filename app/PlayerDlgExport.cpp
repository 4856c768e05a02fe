// The track leaves the player: the current recording's, or its whole drive's,
// as GPX, KML, CSV or GeoJSON.

#include "PlayerDlg.h"
#include "library/Drives.h"
#include "library/ExportFormats.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

#include <fstream>

namespace {

const char* const kExportFilters = "GPX track (*.gpx);;KML (*.kml);;CSV table (*.csv);;GeoJSON (*.geojson)";

// The name the user typed, with the chosen filter's extension when it has none
// of the four.
QString WithExtension(const QString& name, const QString& filter)
{
    if (name.isEmpty() || ExportFormatOfPath(name.toStdString()))
        return name;
    const int star = filter.indexOf("*.");
    return name + filter.mid(star + 1, filter.indexOf(')', star) - star - 1);
}

bool WriteExportFile(const QString& name, const std::vector<std::string>& paths, SpeedDash::SpeedUnit unit)
{
    std::vector<RecordingTrack> recordings;
    for (const std::string& path : paths)
        recordings.push_back(ReadRecordingTrack(path));
    ExportOptions options;
    options.name = GetFileName(paths.front());
    options.csvSpeedUnit = unit == SpeedDash::SpeedUnit::Mph ? ExportSpeedUnit::Mph : ExportSpeedUnit::Kmh;
    std::ofstream out(name.toStdString(), std::ios::binary);
    WriteExport(out, *ExportFormatOfPath(name.toStdString()), ExportPoints(std::move(recordings)), options);
    out.close();
    return static_cast<bool>(out);
}

}  // namespace

void CPlayerDlg::ExportTrack(bool wholeDrive)
{
    if (playingPath_.isEmpty())
        return;
    WithPairPaused([&] {
        const std::vector<std::string> paths =
            wholeDrive ? CurrentDrive() : std::vector<std::string>{playingPath_.toStdString()};
        if (paths.empty())
            return;
        const QString folder = settings_.ExportFolder().isEmpty() ? QDir::homePath() : settings_.ExportFolder();
        const QString suggested = QDir(folder).filePath(QFileInfo(QString::fromStdString(paths.front())).completeBaseName());
        QString filter;
        const QString name = saveNameHook_
            ? saveNameHook_(folder)
            : WithExtension(QFileDialog::getSaveFileName(this, "Export track", suggested + ".gpx", kExportFilters, &filter),
                            filter);
        if (name.isEmpty())
            return;
        if (!ExportFormatOfPath(name.toStdString())) {
            ShowMessage("Export track failed! Name a .gpx, .kml, .csv or .geojson file.", true);
            return;
        }
        settings_.SetExportFolder(QFileInfo(name).absolutePath());
        QApplication::setOverrideCursor(Qt::WaitCursor);
        const bool written = WriteExportFile(name, paths, speedUnit_);
        QApplication::restoreOverrideCursor();
        if (!written)
            ShowMessage("Export track failed! " + name + " could not be written.", true);
    });
}
