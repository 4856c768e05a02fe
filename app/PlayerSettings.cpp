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

// Kept as words, so that the file reads well and a value from another
// version falls back to the default.
namespace {

const char* const kCameraNames[] = {"front", "rear", "both"};
const char* const kLayoutNames[] = {"pip", "side", "stacked"};

template <class Enum, std::size_t N>
Enum FromName(const QString& name, const char* const (&names)[N], Enum byDefault)
{
    for (std::size_t i = 0; i < N; ++i) {
        if (name == names[i])
            return static_cast<Enum>(i);
    }
    return byDefault;
}

}  // namespace

ClipRequest PlayerSettings::ClipChoices() const
{
    ClipRequest c;
    c.cameras = FromName(settings_.value("clip/cameras").toString(), kCameraNames, c.cameras);
    c.layout = FromName(settings_.value("clip/layout").toString(), kLayoutNames, c.layout);
    ClipOverlays& o = c.overlays;
    o.time = settings_.value("clip/time", o.time).toBool();
    o.localTime = settings_.value("clip/localTime", o.localTime).toBool();
    o.speed = settings_.value("clip/speed", o.speed).toBool();
    o.position = settings_.value("clip/position", o.position).toBool();
    o.g = settings_.value("clip/g", o.g).toBool();
    o.route = settings_.value("clip/route", o.route).toBool();
    c.sound = settings_.value("clip/sound", c.sound).toBool();
    c.quality = std::clamp(settings_.value("clip/quality", c.quality).toInt(), 0, 51);
    c.height = settings_.value("clip/height", c.height).toInt();
    if (c.height != 1080 && c.height != 720)
        c.height = 0;
    return c;
}

void PlayerSettings::SetClipChoices(const ClipRequest& c)
{
    settings_.setValue("clip/cameras", kCameraNames[static_cast<int>(c.cameras)]);
    settings_.setValue("clip/layout", kLayoutNames[static_cast<int>(c.layout)]);
    settings_.setValue("clip/time", c.overlays.time);
    settings_.setValue("clip/localTime", c.overlays.localTime);
    settings_.setValue("clip/speed", c.overlays.speed);
    settings_.setValue("clip/position", c.overlays.position);
    settings_.setValue("clip/g", c.overlays.g);
    settings_.setValue("clip/route", c.overlays.route);
    settings_.setValue("clip/sound", c.sound);
    settings_.setValue("clip/quality", c.quality);
    settings_.setValue("clip/height", c.height);
}

QString PlayerSettings::ClipFolder() const
{
    return settings_.value("clip/folder").toString();
}

void PlayerSettings::SetClipFolder(const QString& folder)
{
    settings_.setValue("clip/folder", folder);
}
