#pragma once
// MPRIS 2 on the session bus (org.mpris.MediaPlayer2.dualdash): media keys
// and the desktop's media controls drive the pair as the window's own
// commands do. Without a session bus the player goes on without it.

#include <QDBusObjectPath>
#include <QObject>
#include <QTimer>
#include <QVariantMap>

class CPlayerDlg;

class MprisService : public QObject {
    Q_OBJECT
public:
    explicit MprisService(CPlayerDlg* window);
    ~MprisService() override;

    bool Registered() const { return registered_; }
    CPlayerDlg& Window() const { return *window_; }

    QString PlaybackStatus() const;
    QVariantMap Metadata() const;
    qlonglong PositionMicroseconds() const;
    QDBusObjectPath TrackId() const;
    // Sends Seeked with where the pair now stands.
    void AnnounceSeek();

private:
    // Tells the bus what changed since the last look.
    void Poll();

    CPlayerDlg* window_;
    bool registered_ = false;
    QTimer poll_;
    QString lastStatus_;
    QString lastFile_;
    double lastRate_ = 1.0;
};
