#include "MprisService.h"

#include "PlayerDlg.h"

#include <QCryptographicHash>
#include <QDBusAbstractAdaptor>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QFileInfo>
#include <QUrl>
#include <cmath>

namespace {

const QString kService = QStringLiteral("org.mpris.MediaPlayer2.dualdash");
const QString kPath = QStringLiteral("/org/mpris/MediaPlayer2");
const QString kPlayerInterface = QStringLiteral("org.mpris.MediaPlayer2.Player");

class RootAdaptor : public QDBusAbstractAdaptor {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.mpris.MediaPlayer2")
    Q_PROPERTY(bool CanQuit READ CanQuit)
    Q_PROPERTY(bool CanRaise READ CanRaise)
    Q_PROPERTY(bool HasTrackList READ HasTrackList)
    Q_PROPERTY(QString Identity READ Identity)
    Q_PROPERTY(QString DesktopEntry READ DesktopEntry)
    Q_PROPERTY(QStringList SupportedUriSchemes READ SupportedUriSchemes)
    Q_PROPERTY(QStringList SupportedMimeTypes READ SupportedMimeTypes)
public:
    explicit RootAdaptor(MprisService* service) : QDBusAbstractAdaptor(service), service_(service) {}
    bool CanQuit() const { return true; }
    bool CanRaise() const { return true; }
    bool HasTrackList() const { return false; }
    QString Identity() const { return QStringLiteral("DualDash"); }
    QString DesktopEntry() const { return QStringLiteral("dualdash"); }
    QStringList SupportedUriSchemes() const { return {QStringLiteral("file")}; }
    QStringList SupportedMimeTypes() const { return {"video/quicktime", "video/x-msvideo", "video/mp4"}; }

public slots:
    void Raise()
    {
        service_->Window().showNormal();
        service_->Window().raise();
        service_->Window().activateWindow();
    }
    void Quit() { service_->Window().reject(); }

private:
    MprisService* service_;
};

class PlayerAdaptor : public QDBusAbstractAdaptor {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.mpris.MediaPlayer2.Player")
    Q_PROPERTY(QString PlaybackStatus READ PlaybackStatus)
    Q_PROPERTY(double Rate READ Rate WRITE SetRate)
    Q_PROPERTY(double MinimumRate READ MinimumRate)
    Q_PROPERTY(double MaximumRate READ MaximumRate)
    Q_PROPERTY(QVariantMap Metadata READ Metadata)
    Q_PROPERTY(double Volume READ Volume)
    Q_PROPERTY(qlonglong Position READ Position)
    Q_PROPERTY(bool CanGoNext READ CanControl)
    Q_PROPERTY(bool CanGoPrevious READ CanControl)
    Q_PROPERTY(bool CanPlay READ CanControl)
    Q_PROPERTY(bool CanPause READ CanControl)
    Q_PROPERTY(bool CanSeek READ CanControl)
    Q_PROPERTY(bool CanControl READ CanControl)
public:
    explicit PlayerAdaptor(MprisService* service) : QDBusAbstractAdaptor(service), service_(service) {}
    QString PlaybackStatus() const { return service_->PlaybackStatus(); }
    double Rate() const { return std::fabs(Dlg().MainPlayer().GetRate()); }
    // The interface asks a rate of 0 to act as Pause.
    void SetRate(double rate)
    {
        if (rate == 0.0)
            Pause();
        else
            Dlg().SetPairRate(CPlayerDlg::NearestRateIndex(rate));
    }
    double MinimumRate() const { return 1.0; }
    double MaximumRate() const { return 8.0; }
    QVariantMap Metadata() const { return service_->Metadata(); }
    double Volume() const { return Dlg().MainPlayer().GetVolumeLevel() / 10.0; }
    qlonglong Position() const { return service_->PositionMicroseconds(); }
    bool CanControl() const { return true; }

public slots:
    void Next() { Dlg().OnBnClickedNext(); }
    void Previous() { Dlg().OnBnClickedPrev(); }
    void Pause()
    {
        if (Dlg().MainPlayer().GetState() == Running)
            Dlg().TogglePair();
    }
    void PlayPause() { Dlg().TogglePair(); }
    void Stop() { Dlg().OnBnClickedStop(); }
    void Play()
    {
        if (Dlg().MainPlayer().GetState() != Running)
            Dlg().TogglePair();
    }
    // Past the end is the next recording, as the interface asks; before the
    // start is the start.
    void Seek(qlonglong offset)
    {
        const CMediaPlayer& player = Dlg().MainPlayer();
        if (!IsOpen(player.GetState()))
            return;
        if (player.GetPosition() + offset / 1e6 > player.GetDuration())
            Dlg().OnBnClickedNext();
        else
            Dlg().SeekPairBy(offset / 1e6);
    }
    void SetPosition(const QDBusObjectPath& track, qlonglong position)
    {
        // Only for the recording playing now, and only inside it.
        if (track != service_->TrackId() || position < 0 || position / 1e6 > Dlg().MainPlayer().GetDuration())
            return;
        Dlg().SeekPairBy(position / 1e6 - Dlg().MainPlayer().GetPosition());
    }
    void OpenUri(const QString& uri) { Dlg().ImportPaths({QUrl(uri).toLocalFile()}); }

signals:
    void Seeked(qlonglong position);

private:
    CPlayerDlg& Dlg() const { return service_->Window(); }
    MprisService* service_;
};

}  // namespace

MprisService::MprisService(CPlayerDlg* window) : QObject(window), window_(window)
{
    new RootAdaptor(this);
    new PlayerAdaptor(this);
    QDBusConnection bus = QDBusConnection::sessionBus();
    registered_ = bus.isConnected() && bus.registerObject(kPath, this) && bus.registerService(kService);
    if (!registered_)
        return;
    connect(&poll_, &QTimer::timeout, this, &MprisService::Poll);
    connect(window, &CPlayerDlg::pairSought, this, &MprisService::AnnounceSeek);
    poll_.start(250);
}

MprisService::~MprisService()
{
    if (!registered_)
        return;
    QDBusConnection bus = QDBusConnection::sessionBus();
    bus.unregisterService(kService);
    bus.unregisterObject(kPath);
}

QString MprisService::PlaybackStatus() const
{
    switch (window_->MainPlayer().GetState()) {
    case Running: return QStringLiteral("Playing");
    case Paused: return QStringLiteral("Paused");
    default: return QStringLiteral("Stopped");
    }
}

// Named after the file that plays, not the list's row: the row of a
// recording changes with Clear and a new import.
QDBusObjectPath MprisService::TrackId() const
{
    const QByteArray file = QFileInfo(window_->MainPlayer().FileName()).absoluteFilePath().toUtf8();
    const QByteArray digest = QCryptographicHash::hash(file, QCryptographicHash::Sha1).toHex().left(16);
    return QDBusObjectPath("/org/dualdash/recording/" + QString::fromLatin1(digest));
}

QVariantMap MprisService::Metadata() const
{
    const CMediaPlayer& player = window_->MainPlayer();
    if (player.FileName().isEmpty())
        return {{"mpris:trackid", QVariant::fromValue(QDBusObjectPath("/org/mpris/MediaPlayer2/TrackList/NoTrack"))}};
    return {{"mpris:trackid", QVariant::fromValue(TrackId())},
            {"mpris:length", static_cast<qlonglong>(player.GetDuration() * 1e6)},
            {"xesam:title", QFileInfo(player.FileName()).fileName()},
            {"xesam:url", QUrl::fromLocalFile(player.FileName()).toString()}};
}

qlonglong MprisService::PositionMicroseconds() const
{
    return static_cast<qlonglong>(window_->MainPlayer().GetPosition() * 1e6);
}

void MprisService::AnnounceSeek()
{
    QDBusMessage seeked = QDBusMessage::createSignal(kPath, kPlayerInterface, QStringLiteral("Seeked"));
    seeked << PositionMicroseconds();
    QDBusConnection::sessionBus().send(seeked);
}

void MprisService::Poll()
{
    QVariantMap changed;
    if (const QString status = PlaybackStatus(); status != lastStatus_) {
        lastStatus_ = status;
        changed["PlaybackStatus"] = status;
    }
    if (const QString file = window_->MainPlayer().FileName(); file != lastFile_) {
        lastFile_ = file;
        changed["Metadata"] = Metadata();
    }
    if (const double rate = std::fabs(window_->MainPlayer().GetRate()); rate != lastRate_) {
        lastRate_ = rate;
        changed["Rate"] = rate;
    }
    if (changed.isEmpty())
        return;
    QDBusMessage signal = QDBusMessage::createSignal(kPath, QStringLiteral("org.freedesktop.DBus.Properties"),
                                                     QStringLiteral("PropertiesChanged"));
    signal << kPlayerInterface << changed << QStringList();
    QDBusConnection::sessionBus().send(signal);
}

#include "MprisService.moc"
