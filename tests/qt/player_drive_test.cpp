// The drive in the player: the whole drive's route on the map, a click on it
// seeking in whichever file, and the export of the current recording's track
// or its whole drive's, written as dashtrack writes the same recordings.

#include "WaitFor.h"
#include "MediaFiles.h"
#include "PlayerTestMain.h"
#include "app/PlayerDlg.h"
#include "MapPage.h"
#include "skin/SkinListCtrl.h"

#include <QContextMenuEvent>
#include <QFile>
#include <QMenu>
#include <QMessageBox>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimer>
#include <set>

namespace {

constexpr qint64 kStart = 1463213700;  // 2016-05-14 08:15:00 UTC

QByteArray Slurp(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QByteArray Dashtrack(const QStringList& args)
{
    QProcess p;
    p.start(DASHTRACK_PATH, args);
    p.waitForFinished(30000);
    return p.readAllStandardOutput();
}

// How many new positions the recording's track has (what its route draws).
int RouteFixCount(const QString& path)
{
    int count = 0;
    QString before;
    for (const QByteArray& line : Dashtrack({"slots", path}).split('\n').mid(1)) {
        const QList<QByteArray> f = line.split(',');
        if (f.size() < 10 || f[6].size() <= 6)
            continue;
        const QString fix = QString::fromUtf8(f[6] + f[7] + f[8] + f[9]);
        count += fix != before;
        before = fix;
    }
    return count;
}

}  // namespace

class PlayerDriveTest : public QObject {
    Q_OBJECT
private:
    QTemporaryDir dir_;
    QStringList drive_;  // three consecutive recordings
    QString alone_;      // one more, a minute after

    QString Mkrec(const QString& name, int from)
    {
        const QString path = dir_.filePath("rec/" + name);
        QProcess::execute(MKREC_PATH, {"mov", path, "--layout", "generic", "--video", dir_.filePath("v.mov"), "--route",
                                       dir_.filePath("route.csv"), "--from", QString::number(from), "--seconds", "10",
                                       "--start", QString::number(kStart + from)});
        return path;
    }

    std::unique_ptr<CPlayerDlg> Playing(int row)
    {
        auto dlg = std::make_unique<CPlayerDlg>();
        dlg->SetMessageHook([](const QString&, bool) {});
        dlg->show();
        dlg->ImportFolder(dir_.filePath("rec"));
        QSignalSpy drawn(dlg.get(), &CPlayerDlg::driveShown);  // the drive is read in the background
        emit dlg->ListView()->rowDoubleClicked(row);
        if (drawn.isEmpty())
            drawn.wait(20000);
        WaitFor([&] { return !dlg->EventScanRunning(); });  // the drive's events are looked for after
        return dlg;
    }

    // Exports as the menu does and waits for the file to be written (or not).
    static void ExportAndWait(CPlayerDlg& dlg, bool wholeDrive)
    {
        QSignalSpy ended(&dlg, &CPlayerDlg::trackExported);
        dlg.ExportTrack(wholeDrive);
        QVERIFY(!ended.isEmpty() || ended.wait(20000));
    }

    // Right-clicks the skin and, once its menu shows, picks `text` with the
    // keyboard as a user would (a greyed entry cannot be picked: the menu is
    // closed). `then` runs once the pick is made, while what it opened is
    // open. Gives each entry of the menu as "text" or "text (off)".
    static QStringList PickFromMenu(CPlayerDlg& dlg, const QString& text, std::function<void()> then = {})
    {
        QStringList entries;
        QTimer poll;
        poll.setInterval(10);
        QObject::connect(&poll, &QTimer::timeout, [&] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            if (!menu)
                return;
            poll.stop();
            QAction* picked = nullptr;
            for (QAction* action : menu->actions()) {
                if (action->isSeparator())
                    continue;
                entries << action->text() + (action->isEnabled() ? "" : " (off)");
                if (action->text() == text && action->isEnabled())
                    picked = action;
            }
            if (!picked) {
                menu->close();
                return;
            }
            if (then)
                QTimer::singleShot(0, then);
            menu->setActiveAction(picked);
            QTest::keyClick(menu, Qt::Key_Return);
        });
        poll.start();
        const QPoint at(520, 40);
        QContextMenuEvent click(QContextMenuEvent::Mouse, at, dlg.mapToGlobal(at));
        QApplication::sendEvent(&dlg, &click);  // returns once the menu has closed
        return entries;
    }

private slots:
    void init() { ForgetPlayerSettings(); }

    void initTestCase()
    {
        QVERIFY(dir_.isValid());
        QDir().mkpath(dir_.filePath("rec"));
        QCOMPARE(QProcess::execute(MKREC_PATH, {"route", dir_.filePath("route.csv"), "--seconds", "120"}), 0);
        QVERIFY(MakeVideo(dir_.filePath("v.mov"), 10, "160x120"));
        for (int i = 0; i < 3; ++i)
            drive_ << Mkrec(QString("A605140815%1_000%2.MOV").arg(10 + i).arg(i), i * 10);
        alone_ = Mkrec("A60514081640_0009.MOV", 100);
        // Three consecutive two-second pairs, front and rear.
        QDir().mkpath(dir_.filePath("cuts"));
        QVERIFY(MakeVideo(dir_.filePath("front2.mov"), 2, "160x120"));
        QVERIFY(MakeVideo(dir_.filePath("rear2.mov"), 2, "160x120", true));
        for (int i = 0; i < 3; ++i) {
            for (const char* camera : {"F", "R"}) {
                const QString video = dir_.filePath(camera == QString("F") ? "front2.mov" : "rear2.mov");
                QCOMPARE(QProcess::execute(MKREC_PATH, {"mov", dir_.filePath(QString("cuts/cut%1_%2.MP4").arg(i).arg(camera)),
                                                        "--layout", "generic", "--video", video, "--route",
                                                        dir_.filePath("route.csv"), "--from", QString::number(2 * i),
                                                        "--seconds", "2", "--start", QString::number(kStart + 2 * i)}),
                         0);
            }
        }
    }

    // With Cycle on, both views go through the three pairs in turn: each
    // view's pictures come from one file after another, in order, none
    // coming back. (How long a cut takes is measured by bench/cut_bench.)
    void cycleCutsGoThroughEachPairInTurn()
    {
        auto dlg = std::make_unique<CPlayerDlg>();
        dlg->SetMessageHook([](const QString&, bool) {});
        dlg->show();
        dlg->ImportFolder(dir_.filePath("cuts"));
        QCOMPARE(dlg->CycleMode(), 1);
        QStringList front, rear;  // the files whose pictures were shown, each run once
        const auto follow = [](QStringList& files) {
            return [&files](const QString& path) {
                const QString file = QFileInfo(path).fileName();
                if (files.isEmpty() || files.last() != file)
                    files << file;
            };
        };
        connect(&dlg->MainPlayer(), &CMediaPlayer::frameShown, follow(front));
        connect(&dlg->SecondPlayer(), &CMediaPlayer::frameShown, follow(rear));
        emit dlg->ListView()->rowDoubleClicked(0);
        QVERIFY(WaitFor([&] { return dlg->CurrentIndex() == 2 && dlg->MainPlayer().GetState() == Stopped; }));
        QCOMPARE(front, QStringList({"cut0_F.MP4", "cut1_F.MP4", "cut2_F.MP4"}));
        QCOMPARE(rear, QStringList({"cut0_R.MP4", "cut1_R.MP4", "cut2_R.MP4"}));
    }

    // Played through with Cycle on, each recording's last picture reaches
    // both views before the next recording's first: read from the views'
    // pixels, the frame numbers going on from file to file.
    void everyRecordingsLastPictureIsShown()
    {
        constexpr int kFiles = 5, kFrames = 30;  // one second each
        QTemporaryDir numbered;
        for (int i = 0; i < kFiles; ++i) {
            for (const QString& camera : {QString("F"), QString("R")}) {
                const QString video = numbered.filePath(camera + ".mov");
                // Pictures large enough to take the drawing thread some time, as a
                // camera's do: the last one is then often not drawn when libmpv says the end.
                QStringList args{"video", video, "--seconds", "1", "--size", camera == "F" ? "1280x720" : "640x360", "--first-frame",
                                 QString::number(i * kFrames)};
                if (camera == "R")
                    args << "--rear";
                QCOMPARE(QProcess::execute(MKREC_PATH, args), 0);
                QCOMPARE(QProcess::execute(MKREC_PATH, {"mov", numbered.filePath(QString("n%1_%2.MP4").arg(i).arg(camera)),
                                                        "--layout", "generic", "--video", video, "--route",
                                                        dir_.filePath("route.csv"), "--from", QString::number(i),
                                                        "--seconds", "1", "--start", QString::number(kStart + i)}),
                         0);
            }
        }
        auto dlg = std::make_unique<CPlayerDlg>();
        dlg->SetMessageHook([](const QString&, bool) {});
        dlg->show();
        dlg->ImportFolder(numbered.path());
        QCOMPARE(dlg->Recordings().GetCount(), kFiles);
        std::set<int> front, rear;
        auto watch = [](CMediaPlayer& player, std::set<int>& seen) {
            connect(&player, &CMediaPlayer::frameShown, [&player, &seen] {
                QWidget* view = player.VideoWindow();
                seen.insert(FrameNumberShown(view->grab().toImage(), player.VideoRect()));
            });
        };
        watch(dlg->MainPlayer(), front);
        watch(dlg->SecondPlayer(), rear);
        emit dlg->ListView()->rowDoubleClicked(0);
        QTRY_VERIFY_WITH_TIMEOUT(dlg->CurrentIndex() == kFiles - 1 && dlg->MainPlayer().GetState() == Stopped, 30000);
        for (const std::set<int>* seen : {&front, &rear}) {
            for (int i = 1; i < kFiles; ++i) {
                QVERIFY2(seen->count(i * kFrames - 1), qPrintable(QString("last picture %1").arg(i * kFrames - 1)));
                QVERIFY2(seen->count(i * kFrames), qPrintable(QString("first picture %1").arg(i * kFrames)));
            }
        }
    }

    void theWholeDriveOnTheMap()
    {
        auto dlg = Playing(1);
        QVERIFY(WaitForMapPage(*dlg->MapView()));
        QTRY_COMPARE(Evaluate(dlg->MapView(), "drive ? drive.current : -1").toInt(), 1);
        QCOMPARE(dlg->DriveShown().size(), std::size_t(3));
        const QVariantList counts = Evaluate(dlg->MapView(), "drive.recordings.map(function (r) { return r.length; })").toList();
        QCOMPARE(counts.size(), 3);
        for (int i = 0; i < 3; ++i)
            QCOMPARE(counts[i].toInt(), RouteFixCount(drive_[i]));
        // The playing recording's own line and the other two, faint.
        QCOMPARE(Evaluate(dlg->MapView(), "var n = 0; driveLayer.eachLayer(function () { ++n; }); n").toInt(), 2);
        // The recording a minute later is a drive of its own.
        emit dlg->ListView()->rowDoubleClicked(3);
        QTRY_COMPARE(Evaluate(dlg->MapView(), "drive.recordings.length").toInt(), 1);
        QCOMPARE(Evaluate(dlg->MapView(), "drive.current").toInt(), 0);
    }

    void aClickOnTheRouteOpensThatMoment()
    {
        auto dlg = Playing(0);
        QVERIFY(WaitForMapPage(*dlg->MapView()));
        QTRY_COMPARE(Evaluate(dlg->MapView(), "drive ? drive.recordings.length : 0").toInt(), 3);
        QTRY_VERIFY(Evaluate(dlg->MapView(), "!!window.dualdashBridge").toBool());
        // A click where the third recording's fifth point lies, through the
        // page's own click handler and Qt's web channel.
        const int slot = Evaluate(dlg->MapView(), "drive.recordings[2][4].slot").toInt();
        QVERIFY(slot > 0);
        Evaluate(dlg->MapView(), "map.setView(drive.recordings[2][4].latLng, 17, {animate: false});"
                                 "seekToNearestRoutePoint({latlng: drive.recordings[2][4].latLng}); 0");
        QTRY_COMPARE(dlg->CurrentIndex(), 2);
        QTRY_VERIFY(std::abs(dlg->MainPlayer().GetPosition() - slot / 10.0) < 0.2);
        QTRY_COMPARE(Evaluate(dlg->MapView(), "drive.current").toInt(), 2);
        // Within the playing recording: a seek, no reopening.
        const int earlier = Evaluate(dlg->MapView(), "drive.recordings[2][1].slot").toInt();
        dlg->SeekToRoutePoint(2, earlier);
        QCOMPARE(dlg->CurrentIndex(), 2);
        QTRY_VERIFY(std::abs(dlg->MainPlayer().GetPosition() - earlier / 10.0) < 0.2);
        dlg->SeekToRoutePoint(7, 10);  // no such recording in the drive
        dlg->SeekToRoutePoint(0, -5);
        QCOMPARE(dlg->CurrentIndex(), 2);
    }

    void speedColoursRemembered()
    {
        {
            auto dlg = Playing(0);
            QVERIFY(WaitForMapPage(*dlg->MapView()));
            QVERIFY(!dlg->SpeedColours());
            dlg->SetSpeedColours(true);
            QTRY_VERIFY(Evaluate(dlg->MapView(), "speedColours").toBool());
            QTRY_VERIFY(Evaluate(dlg->MapView(), "!!document.querySelector('.speed-legend')").toBool());
            dlg->SetSpeedUnit(SpeedDash::SpeedUnit::Mph);  // the legend follows the unit shown
            QTRY_VERIFY(Evaluate(dlg->MapView(), "document.querySelector('.speed-legend').innerText").toString().contains("mph"));
        }
        auto dlg = Playing(0);
        QVERIFY(dlg->SpeedColours());
        QVERIFY(WaitForMapPage(*dlg->MapView()));
        QTRY_VERIFY(Evaluate(dlg->MapView(), "speedColours").toBool());
        QTRY_COMPARE(Evaluate(dlg->MapView(), "speedUnit.name").toString(), QString("mph"));
        dlg->SetSpeedUnit(SpeedDash::SpeedUnit::Kmh);
        QTRY_COMPARE(Evaluate(dlg->MapView(), "speedUnit.name").toString(), QString("km/h"));
    }

    // The skin's right-click menu, driven through the menu: the unit, the
    // route's colours, both exports and About; exports greyed with nothing
    // playing.
    void theSkinsMenuDoesWhatItSays()
    {
        {
            CPlayerDlg idle;
            idle.show();
            QCOMPARE(PickFromMenu(idle, "Export track…"),
                     QStringList({"About Player...", "Speed in km/h", "Speed in mph", "Export track… (off)",
                                  "Export drive's track… (off)", "Route coloured by speed", "Impact threshold", "Events list",
                                  "Clip start here (off)", "Clip end here (off)", "Clear the clip's marks (off)",
                                  "Save clip… (off)", "Minimize", "Close"}));
        }
        auto dlg = Playing(1);
        PickFromMenu(*dlg, "Speed in mph");
        QCOMPARE(dlg->SpeedUnit(), SpeedDash::SpeedUnit::Mph);
        PickFromMenu(*dlg, "Route coloured by speed");
        QVERIFY(dlg->SpeedColours());
        QSignalSpy exported(dlg.get(), &CPlayerDlg::trackExported);
        dlg->SetSaveNameHook([&](const QString&) { return dir_.filePath("menu-one.gpx"); });
        PickFromMenu(*dlg, "Export track…");
        QVERIFY(WaitFor([&] { return exported.size() == 1; }));
        QCOMPARE(Slurp(dir_.filePath("menu-one.gpx")), Dashtrack({"export", "--format", "gpx", drive_[1]}));
        dlg->SetSaveNameHook([&](const QString&) { return dir_.filePath("menu-drive.gpx"); });
        PickFromMenu(*dlg, "Export drive's track…");
        QVERIFY(WaitFor([&] { return exported.size() == 2; }));
        QCOMPARE(Slurp(dir_.filePath("menu-drive.gpx")), Dashtrack({"export", "--format", "gpx", drive_[0], drive_[1], drive_[2]}));
        QString about;
        PickFromMenu(*dlg, "About Player...", [&] {
            QVERIFY(WaitFor([&] { return qobject_cast<QMessageBox*>(QApplication::activeModalWidget()) != nullptr; }));
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            about = box->text();
            box->accept();
        });
        // The About box names the version the build was given.
        QVERIFY2(about.contains(QStringLiteral("Player Version " DUALDASH_VERSION)), qPrintable(about));
        PickFromMenu(*dlg, "Speed in km/h");
        QCOMPARE(dlg->SpeedUnit(), SpeedDash::SpeedUnit::Kmh);
        PickFromMenu(*dlg, "Route coloured by speed");
        QVERIFY(!dlg->SpeedColours());
    }

    void theRecordingOrItsDrive()
    {
        auto dlg = Playing(1);
        QString asked;
        dlg->SetSaveNameHook([&](const QString& folder) {
            asked = folder;
            return dir_.filePath("one.gpx");
        });
        ExportAndWait(*dlg, false);
        QCOMPARE(asked, QDir::homePath());
        QCOMPARE(Slurp(dir_.filePath("one.gpx")), Dashtrack({"export", "--format", "gpx", drive_[1]}));
        QCOMPARE(dlg->CurrentDrive(), (std::vector<std::string>{drive_[0].toStdString(), drive_[1].toStdString(),
                                                                 drive_[2].toStdString()}));
        dlg->SetSaveNameHook([&](const QString& folder) {
            asked = folder;
            return dir_.filePath("drive.kml");
        });
        ExportAndWait(*dlg, true);
        QCOMPARE(asked, dir_.path());  // the last export's folder
        const QByteArray drive = Slurp(dir_.filePath("drive.kml"));
        QVERIFY(drive.contains("<gx:Track>"));
        QCOMPARE(drive, Dashtrack({"export", "--format", "kml", drive_[2], drive_[0], drive_[1]}));
        QVERIFY(!drive.contains("08:16:40"));  // the recording a minute later is not part of it
    }

    void csvInTheUnitShownAndFailuresSaid()
    {
        auto dlg = Playing(3);
        QCOMPARE(dlg->CurrentDrive(), std::vector<std::string>{alone_.toStdString()});
        dlg->SetSpeedUnit(SpeedDash::SpeedUnit::Mph);
        dlg->SetSaveNameHook([&](const QString&) { return dir_.filePath("alone.csv"); });
        ExportAndWait(*dlg, true);
        QCOMPARE(Slurp(dir_.filePath("alone.csv")), Dashtrack({"export", "--format", "csv", "--units", "mph", alone_}));
        QStringList errors;
        dlg->SetMessageHook([&](const QString& text, bool error) {
            if (error)
                errors << text;
        });
        dlg->SetSaveNameHook([&](const QString&) { return dir_.filePath("alone.txt"); });
        dlg->ExportTrack(false);
        dlg->SetSaveNameHook([&](const QString&) { return dir_.filePath("no/such/folder/alone.gpx"); });
        ExportAndWait(*dlg, false);
        QCOMPARE(errors.size(), 2);
        QVERIFY(errors[0].startsWith("Export track failed!"));
        QVERIFY(errors[1].contains("could not be written"));
        dlg->SetSaveNameHook([&](const QString&) { return QString(); });  // cancelled
        dlg->ExportTrack(false);
        QCOMPARE(errors.size(), 2);
        QCOMPARE(dlg->MainPlayer().GetState(), Running);  // paused for the dialog only
    }

    // The question concerns the file that would be written, and No keeps it.
    void replacingAFileIsAsked()
    {
        auto dlg = Playing(3);
        const QString target = dir_.filePath("kept.gpx");
        QFile mine(target);
        QVERIFY(mine.open(QIODevice::WriteOnly));
        mine.write("mine");
        mine.close();
        QStringList asked;
        dlg->SetSaveNameHook([&](const QString&) { return target; });
        dlg->SetReplaceHook([&](const QString& file) {
            asked << file;
            return false;
        });
        dlg->ExportTrack(false);
        QCOMPARE(asked, QStringList{target});
        QCOMPARE(dlg->BackgroundReads(), 0);  // nothing set out to write
        QCOMPARE(Slurp(target), QByteArray("mine"));
        dlg->SetReplaceHook([&](const QString& file) {
            asked << file;
            return true;
        });
        ExportAndWait(*dlg, false);
        QCOMPARE(asked.size(), 2);
        QCOMPARE(Slurp(target), Dashtrack({"export", "--format", "gpx", alone_}));
    }
};

DUALDASH_PLAYER_TEST_MAIN(PlayerDriveTest)
#include "player_drive_test.moc"
