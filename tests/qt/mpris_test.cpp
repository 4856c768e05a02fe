// MPRIS 2 on a private session bus (the test runs under dbus-run-session):
// the desktop's media controls reach the pair through the bus.

#include "WaitFor.h"
#include "MediaFiles.h"
#include "PlayerTestMain.h"
#include "app/MprisService.h"
#include "app/PlayerDlg.h"
#include "skin/BitmapSlider.h"
#include "skin/SkinListCtrl.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusInterface>
#include <QDBusReply>
#include <QSettings>
#include <QSignalSpy>

namespace {

const char* kService = "org.mpris.MediaPlayer2.dualdash";
const char* kPath = "/org/mpris/MediaPlayer2";

// Catches the bus's signals of the player's object.
class Listener : public QObject {
    Q_OBJECT
public:
    QList<qlonglong> seeked;
    QList<QVariantMap> changes;
public slots:
    void OnSeeked(qlonglong position) { seeked << position; }
    void OnChanged(const QString&, const QVariantMap& changed, const QStringList&) { changes << changed; }
};

// What plays, as the desktop reads it.
QVariantMap Metadata()
{
    const QDBusMessage reply = QDBusInterface(kService, kPath, "org.freedesktop.DBus.Properties")
                                   .call("Get", "org.mpris.MediaPlayer2.Player", "Metadata");
    return qdbus_cast<QVariantMap>(reply.arguments().at(0).value<QDBusVariant>().variant());
}

// The track id of what plays.
QDBusObjectPath TrackNow()
{
    return qdbus_cast<QDBusObjectPath>(Metadata().value("mpris:trackid"));
}

}  // namespace

class MprisTest : public QObject {
    Q_OBJECT
private:
    QTemporaryDir dir_;

private slots:
    void init() { ForgetPlayerSettings(); }

    void initTestCase()
    {
        QVERIFY(QDBusConnection::sessionBus().isConnected());
        QVERIFY(dir_.isValid());
        QDir().mkpath(dir_.filePath("pair"));
        QCOMPARE(QProcess::execute(MKREC_PATH, {"route", dir_.filePath("route.csv"), "--seconds", "20"}), 0);
        QVERIFY(MakeVideo(dir_.filePath("v.mov"), 6, "96x72"));
        for (const char* name : {"A60514081500_0001.MOV", "B60514081500_0002.MOV", "A60514081600_0003.MOV"})
            QCOMPARE(QProcess::execute(MKREC_PATH, {"mov", dir_.filePath(QString("pair/") + name), "--layout", "generic",
                                                    "--video", dir_.filePath("v.mov"), "--route", dir_.filePath("route.csv"),
                                                    "--seconds", "6"}),
                     0);
    }

    // The program started on a folder (main(), its arguments) lists it: the
    // desktop's Next plays the one after the first row, and Quit ends the
    // program with the folder kept as the session's.
    void theProgramStartedOnAFolderListsIt()
    {
        QTemporaryDir config;
        QProcess program;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("XDG_CONFIG_HOME", config.path());
        program.setProcessEnvironment(environment);
        program.setProcessChannelMode(QProcess::ForwardedChannels);
        const QString folder = dir_.filePath("pair");
        program.start(DUALDASH_PATH, {"--tile-url", "http://127.0.0.1:9/{z}/{x}/{y}.png", folder});
        QDBusConnectionInterface* bus = QDBusConnection::sessionBus().interface();
        QVERIFY(WaitFor([&] { return bus->isServiceRegistered(kService).value(); }));
        QDBusInterface player(kService, kPath, "org.mpris.MediaPlayer2.Player");
        QVERIFY(WaitFor([&] {  // the folder is read after the program has started
            player.call("Next");
            return player.property("PlaybackStatus").toString() == "Playing";
        }));
        QCOMPARE(Metadata().value("xesam:title").toString(), QString("A60514081600_0003.MOV"));
        QDBusInterface(kService, kPath, "org.mpris.MediaPlayer2").call("Quit");
        QVERIFY(WaitFor([&] { return program.state() == QProcess::NotRunning; }));
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), 0);
        const QSettings saved(config.filePath("DualDash/dualdash.conf"), QSettings::IniFormat);
        QCOMPARE(saved.value("session/folders").toStringList(), QStringList{folder});
    }

    void mediaControlsDriveThePair()
    {
        CPlayerDlg dlg;
        dlg.SetMessageHook([](const QString&, bool) {});
        dlg.show();
        QVERIFY(dlg.Mpris()->Registered());
        dlg.ImportFolder(dir_.filePath("pair"));
        QDBusInterface root(kService, kPath, "org.mpris.MediaPlayer2");
        QDBusInterface player(kService, kPath, "org.mpris.MediaPlayer2.Player");
        QVERIFY(player.isValid());
        QCOMPARE(root.property("Identity").toString(), QString("DualDash"));
        QCOMPARE(root.property("DesktopEntry").toString(), QString("dualdash"));
        QCOMPARE(player.property("PlaybackStatus").toString(), QString("Stopped"));
        Listener listener;
        QDBusConnection bus = QDBusConnection::sessionBus();
        QVERIFY(bus.connect(kService, kPath, "org.mpris.MediaPlayer2.Player", "Seeked", &listener, SLOT(OnSeeked(qlonglong))));
        QVERIFY(bus.connect(kService, kPath, "org.freedesktop.DBus.Properties", "PropertiesChanged", &listener,
                            SLOT(OnChanged(QString, QVariantMap, QStringList))));

        emit dlg.ListView()->rowDoubleClicked(0);
        QCOMPARE(player.property("PlaybackStatus").toString(), QString("Playing"));
        QVERIFY(WaitFor([&] {
            for (const QVariantMap& c : listener.changes)
                if (c.value("PlaybackStatus").toString() == "Playing")
                    return true;
            return false;
        }));
        QVERIFY(player.call("PlayPause").type() != QDBusMessage::ErrorMessage);
        QCOMPARE(dlg.MainPlayer().GetState(), Paused);
        QCOMPARE(dlg.SecondPlayer().GetState(), Paused);
        QCOMPARE(player.property("PlaybackStatus").toString(), QString("Paused"));
        player.call("Play");
        QCOMPARE(dlg.MainPlayer().GetState(), Running);
        player.call("Pause");
        QCOMPARE(dlg.MainPlayer().GetState(), Paused);

        // Metadata: the recording's name and length; the track to seek in.
        const QVariantMap metadata = Metadata();
        QCOMPARE(metadata.value("xesam:title").toString(), QString("A60514081500_0001.MOV"));
        QVERIFY(std::abs(metadata.value("mpris:length").toLongLong() - 6000000) < 100000);
        const QDBusObjectPath track = qdbus_cast<QDBusObjectPath>(metadata.value("mpris:trackid"));

        const double from = dlg.MainPlayer().GetPosition();  // Seek moves by an offset
        player.call("Seek", qlonglong(2000000));
        QVERIFY(WaitFor([&] { return !dlg.MainPlayer().SeekPending() && std::abs(dlg.MainPlayer().GetPosition() - from - 2.0) < 0.04; }));
        QVERIFY(WaitFor([&] { return !listener.seeked.isEmpty(); }));
        QVERIFY(std::abs(listener.seeked.last() / 1e6 - from - 2.0) < 0.04);
        player.call("SetPosition", QVariant::fromValue(track), qlonglong(3500000));
        QVERIFY(WaitFor([&] { return !dlg.MainPlayer().SeekPending() && std::abs(dlg.MainPlayer().GetPosition() - 3.5) < 0.02; }));
        QVERIFY(WaitFor([&] { return std::abs(dlg.SecondPlayer().GetPosition() - 3.5) < 0.02; }));
        QVERIFY(std::abs(player.property("Position").toLongLong() - 3500000) < 20000);
        player.call("SetPosition", QVariant::fromValue(QDBusObjectPath("/org/dualdash/recording/7")), qlonglong(1000000));
        QTest::qWait(100);
        QVERIFY(std::abs(dlg.MainPlayer().GetPosition() - 3.5) < 0.02);  // another track: ignored

        player.setProperty("Rate", 2.0);
        QCOMPARE(dlg.MainPlayer().GetRate(), 2.0);
        QCOMPARE(player.property("Rate").toDouble(), 2.0);

        player.call("Next");
        QCOMPARE(dlg.MainPlayer().FileName(), dir_.filePath("pair/A60514081600_0003.MOV"));
        player.call("Previous");
        QCOMPARE(dlg.CurrentIndex(), 0);
        player.call("Stop");
        QCOMPARE(player.property("PlaybackStatus").toString(), QString("Stopped"));
    }

    // Seeked for every seek the window makes and none while nothing is open;
    // a seek past the end is Next and a rate of 0 is Pause, as the interface
    // says; the track is the file that plays, whatever its row.
    void seeksRatesAndTracksFollowTheInterface()
    {
        CPlayerDlg dlg;
        dlg.SetMessageHook([](const QString&, bool) {});
        dlg.show();
        QDBusInterface player(kService, kPath, "org.mpris.MediaPlayer2.Player");
        Listener listener;
        QDBusConnection bus = QDBusConnection::sessionBus();
        QVERIFY(bus.connect(kService, kPath, "org.mpris.MediaPlayer2.Player", "Seeked", &listener, SLOT(OnSeeked(qlonglong))));
        QVERIFY(bus.connect(kService, kPath, "org.freedesktop.DBus.Properties", "PropertiesChanged", &listener,
                            SLOT(OnChanged(QString, QVariantMap, QStringList))));
        auto statusSaid = [&](const QString& status) {
            return WaitFor([&] {
                for (const QVariantMap& c : listener.changes)
                    if (c.value("PlaybackStatus").toString() == status)
                        return true;
                return false;
            });
        };

        // Nothing open: the seeks do nothing and say nothing. The bus keeps a
        // sender's order, so none can come after the status change below.
        player.call("Seek", qlonglong(1000000));
        dlg.SeekPairBy(1.0);
        dlg.ImportFolder(dir_.filePath("pair"));
        emit dlg.ListView()->rowDoubleClicked(0);
        QVERIFY(statusSaid("Playing"));
        QVERIFY(listener.seeked.isEmpty());

        // The keys, the seek bar and MPRIS itself each say Seeked once.
        dlg.TogglePair();
        const double from = dlg.MainPlayer().GetPosition();
        QTest::keyClick(&dlg, Qt::Key_Right, Qt::ShiftModifier);
        QVERIFY(WaitFor([&] { return listener.seeked.size() == 1; }));
        QVERIFY(std::abs(listener.seeked.last() / 1e6 - from - 1.0) < 0.05);
        dlg.SeekBar()->SetPos(10);  // the bar's 10th step: 2 s
        dlg.OnSliderMoved(1023, 10);
        QVERIFY(WaitFor([&] { return listener.seeked.size() == 2; }));
        QVERIFY(std::abs(listener.seeked.last() / 1e6 - 2.0) < 0.05);
        player.call("Seek", qlonglong(1000000));
        QVERIFY(WaitFor([&] { return listener.seeked.size() == 3; }));
        QVERIFY(std::abs(listener.seeked.last() / 1e6 - 3.0) < 0.05);

        player.setProperty("Rate", 0.0);
        QCOMPARE(dlg.MainPlayer().GetState(), Paused);
        QCOMPARE(player.property("Rate").toDouble(), 1.0);

        // Past the end: the next recording.
        player.call("Seek", qlonglong(60000000));
        QCOMPARE(dlg.MainPlayer().FileName(), dir_.filePath("pair/A60514081600_0003.MOV"));
        const QDBusObjectPath atRowOne = TrackNow();

        // The same file at another row after Clear: the same track.
        dlg.OnBnClickedClear();
        dlg.ImportPaths({dir_.filePath("pair/A60514081600_0003.MOV")});
        emit dlg.ListView()->rowDoubleClicked(0);
        QCOMPARE(dlg.MainPlayer().FileName(), dir_.filePath("pair/A60514081600_0003.MOV"));
        QCOMPARE(TrackNow(), atRowOne);
        player.call("SetPosition", QVariant::fromValue(atRowOne), qlonglong(2500000));
        QVERIFY(WaitFor([&] { return !dlg.MainPlayer().SeekPending() && std::abs(dlg.MainPlayer().GetPosition() - 2.5) < 0.02; }));
    }
};

DUALDASH_PLAYER_TEST_MAIN(MprisTest)
#include "mpris_test.moc"
