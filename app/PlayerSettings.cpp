#include "PlayerSettings.h"

#include <QDir>
#include <algorithm>

PlayerSettings::PlayerSettings() : settings_(QSettings::NativeFormat, QSettings::UserScope, "DualDash", "dualdash") {}

bool PlayerSettings::ReimportFolders() const
{
    return settings_.value("session/reimportFolders", true).toBool();
}

QStringList PlayerSettings::Folders() const
{
    return settings_.value("session/folders").toStringList();
}

void PlayerSettings::AddFolder(const QString& folder)
{
    QStringList folders = Folders();
    const QString clean = QDir::cleanPath(folder);
    if (!folders.contains(clean)) {
        folders << clean;
        settings_.setValue("session/folders", folders);
    }
}

void PlayerSettings::ClearFolders()
{
    settings_.remove("session/folders");
}

QString PlayerSettings::CaptureFolder() const
{
    return settings_.value("capture/folder").toString();
}

void PlayerSettings::SetCaptureFolder(const QString& folder)
{
    settings_.setValue("capture/folder", folder);
}

QString PlayerSettings::ExportFolder() const
{
    return settings_.value("export/folder").toString();
}

void PlayerSettings::SetExportFolder(const QString& folder)
{
    settings_.setValue("export/folder", folder);
}

int PlayerSettings::Volume() const
{
    return std::clamp(settings_.value("player/volume", 10).toInt(), 0, 10);
}

void PlayerSettings::SetVolume(int level)
{
    settings_.setValue("player/volume", level);
}

int PlayerSettings::CycleMode() const
{
    return settings_.value("player/cycle", 1).toInt() ? 1 : 0;
}

void PlayerSettings::SetCycleMode(int mode)
{
    settings_.setValue("player/cycle", mode);
}

bool PlayerSettings::SpeedInMph() const
{
    return settings_.value("units/speed").toString() == "mph";
}

void PlayerSettings::SetSpeedInMph(bool mph)
{
    settings_.setValue("units/speed", mph ? "mph" : "km/h");
}

bool PlayerSettings::RouteSpeedColours() const
{
    return settings_.value("map/speedColours", false).toBool();
}

void PlayerSettings::SetRouteSpeedColours(bool on)
{
    settings_.setValue("map/speedColours", on);
}

double PlayerSettings::ImpactThreshold(double byDefault) const
{
    return settings_.value("events/impactG", byDefault).toDouble();
}

void PlayerSettings::SetImpactThreshold(double g)
{
    settings_.setValue("events/impactG", g);
}
