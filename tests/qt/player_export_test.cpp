// Export from the player: the current recording's track or its whole drive's,
// written as dashtrack writes the same recordings, in the speed unit shown.

#include "MediaFiles.h"
#include "QtTestMain.h"
#include "app/PlayerDlg.h"
#include "skin/SkinListCtrl.h"

#include <QFile>

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

}  // namespace

class PlayerExportTest : public QObject {
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
        emit dlg->ListView()->rowDoubleClicked(row);
        return dlg;
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
    }

    void theRecordingOrItsDrive()
    {
        auto dlg = Playing(1);
        QString asked;
        dlg->SetSaveNameHook([&](const QString& folder) {
            asked = folder;
            return dir_.filePath("one.gpx");
        });
        dlg->ExportTrack(false);
        QCOMPARE(asked, QDir::homePath());
        QCOMPARE(Slurp(dir_.filePath("one.gpx")), Dashtrack({"export", "--format", "gpx", drive_[1]}));
        QCOMPARE(dlg->CurrentDrive(), (std::vector<std::string>{drive_[0].toStdString(), drive_[1].toStdString(),
                                                                 drive_[2].toStdString()}));
        dlg->SetSaveNameHook([&](const QString& folder) {
            asked = folder;
            return dir_.filePath("drive.kml");
        });
        dlg->ExportTrack(true);
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
        dlg->ExportTrack(true);
        QCOMPARE(Slurp(dir_.filePath("alone.csv")), Dashtrack({"export", "--format", "csv", "--units", "mph", alone_}));
        QStringList errors;
        dlg->SetMessageHook([&](const QString& text, bool error) {
            if (error)
                errors << text;
        });
        dlg->SetSaveNameHook([&](const QString&) { return dir_.filePath("alone.txt"); });
        dlg->ExportTrack(false);
        dlg->SetSaveNameHook([&](const QString&) { return dir_.filePath("no/such/folder/alone.gpx"); });
        dlg->ExportTrack(false);
        QCOMPARE(errors.size(), 2);
        QVERIFY(errors[0].startsWith("Export track failed!"));
        QVERIFY(errors[1].contains("could not be written"));
        dlg->SetSaveNameHook([&](const QString&) { return QString(); });  // cancelled
        dlg->ExportTrack(false);
        QCOMPARE(errors.size(), 2);
        QCOMPARE(dlg->MainPlayer().GetState(), Running);  // paused for the dialog only
    }
};

DUALDASH_QT_TEST_MAIN(PlayerExportTest)
#include "player_export_test.moc"
