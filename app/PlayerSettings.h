#pragma once
// What the player remembers from one session to the next, in the user's
// configuration folder ($XDG_CONFIG_HOME/DualDash/dualdash.conf).

#include "clips/Clip.h"

#include <QSettings>
#include <QStringList>

class PlayerSettings {
public:
    PlayerSettings();

    // The folders imported in the last session, imported again at start
    // unless the user turned that off (on by default).
    bool ReimportFolders() const;
    QStringList Folders() const;
    void AddFolder(const QString& folder);
    void ClearFolders();

    QString CaptureFolder() const;
    void SetCaptureFolder(const QString& folder);
    QString ExportFolder() const;
    void SetExportFolder(const QString& folder);
    int Volume() const;  // 0..10
    void SetVolume(int level);
    int CycleMode() const;  // 1: on to the next recording
    void SetCycleMode(int mode);
    bool SpeedInMph() const;  // km/h unless the user chose mph
    void SetSpeedInMph(bool mph);
    bool RouteSpeedColours() const;  // the map's route coloured by speed; plain unless chosen
    void SetRouteSpeedColours(bool on);
    // The jolt that counts as an impact, in g; 0: impacts not looked for.
    double ImpactThreshold(double byDefault) const;
    void SetImpactThreshold(double g);

    // The clip dialog's choices as last made: cameras, layout, overlays,
    // sound, quality and size (the rest of the request is the clip's own).
    ClipRequest ClipChoices() const;
    void SetClipChoices(const ClipRequest& choices);
    QString ClipFolder() const;
    void SetClipFolder(const QString& folder);

private:
    QSettings settings_;
};
