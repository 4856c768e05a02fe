// Playing real recordings written by mkrec in the main window: the pair, the
// route, the clock, the end of a recording and the commands.

#include "WaitFor.h"
#include "MediaFiles.h"
#include "MapPage.h"
#include "PlayerTestMain.h"
#include "app/PlayerDlg.h"
#include "map/DlgMap.h"
#include "mkrec_route.h"
#include "skin/BitmapSlider.h"
#include "skin/PngButton.h"
#include "skin/SkinListCtrl.h"
#include "widgets/DlgVideoView.h"
#include "widgets/WaveFormCtrl.h"

#include <QLabel>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <set>
#include <QRegularExpression>
#include <QSettings>
#include <QPrinter>
#include <QSignalSpy>
#include <QWebEngineView>

namespace {

int Mkrec(const QStringList& args)
{
    return QProcess::execute(MKREC_PATH, args);
}


// A card that does not answer: the read of a track from `path` waits until
// Release(). However the window behaves it comes in the end, so a window
// that waits for it is a failed check, not a hung test.
class StuckCard {
public:
    explicit StuckCard(std::string path) : path_(std::move(path)) {}
    void Read(const std::string& path)
    {
        if (path != path_)
            return;
        std::unique_lock<std::mutex> hold(lock_);
        released_.wait_for(hold, std::chrono::seconds(30), [this] { return free_; });
        answered_ = true;
    }
    void Release()
    {
        std::lock_guard<std::mutex> hold(lock_);
        free_ = true;
        released_.notify_all();
    }
    bool Answered() const { return answered_; }

private:
    std::string path_;
    std::mutex lock_;
    std::condition_variable released_;
    bool free_ = false;
    std::atomic<bool> answered_{false};
};

}  // namespace

class PlayerPlaybackTest : public QObject {
    Q_OBJECT
private:
    QTemporaryDir dir_;
    QString pairs_, bad_;
    Route route_;
    QStringList messages_;

    QString Video(const QString& name) const { return dir_.filePath(name); }

    // A recording of the route's seconds from..from+seconds.
    bool Write(const QString& path, const QString& kind, const QStringList& options, int from, int seconds = 3)
    {
        QStringList args = {kind, path, "--route", dir_.filePath("route.csv"), "--from", QString::number(from),
                            "--seconds", QString::number(seconds)};
        return Mkrec(args + options) == 0;
    }

    std::unique_ptr<CPlayerDlg> Window(const QString& folder)
    {
        auto dlg = std::make_unique<CPlayerDlg>();
        dlg->SetMessageHook([this](const QString& text, bool error) { messages_ << text + (error ? " (error)" : ""); });
        dlg->show();
        dlg->ImportFolder(folder);
        QSignalSpy ready(dlg->MapView(), &CDlgMap::pageReady);
        if (!dlg->MapView()->IsLoaded())
            ready.wait(30000);
        return dlg;
    }

    static int Row(CPlayerDlg& dlg, const QString& name)
    {
        for (int i = 0; i < dlg.ListView()->RowCount(); ++i)
            if (dlg.ListView()->topLevelItem(i)->text(1) == name)
                return i;
        return -1;
    }

    static void DoubleClickOnly(CPlayerDlg& dlg, const QString& name)
    {
        const int row = Row(dlg, name);
        QVERIFY(row >= 0);
        emit dlg.ListView()->rowDoubleClicked(row);
    }

    // Opens the row as a double click does; a recording that opened has its
    // track read in the background, which is waited for.
    static void DoubleClick(CPlayerDlg& dlg, const QString& name)
    {
        DoubleClickOnly(dlg, name);
        if (IsOpen(dlg.MainPlayer().GetState()))
            QVERIFY(WaitFor([&] { return dlg.TrackReady(); }));
    }

    // Pauses the pair, seeks both through the seek bar, and lets the clock run once.
    static void SeekTo(CPlayerDlg& dlg, double seconds)
    {
        dlg.MainPlayer().Pause();
        dlg.SecondPlayer().Pause();
        dlg.SeekBar()->SetPos(static_cast<int>(seconds * 5));
        dlg.OnSliderMoved(1023, dlg.SeekBar()->GetPos());
        QVERIFY(WaitFor([&] { return std::abs(dlg.MainPlayer().GetPosition() - seconds) < 0.001; }));
        if (dlg.SecondPlayer().GetState() != Closed)
            QVERIFY(WaitFor([&] { return std::abs(dlg.SecondPlayer().GetPosition() - seconds) < 0.001; }));
        QTest::qWait(50);
        dlg.SyncToPosition();
    }

private slots:
    // Prints the moment shown into `pdf` (through the print hook, as the
    // dialog would) and gives the page's text, its spaces made single.
    static QString PrintedText(CPlayerDlg& dlg, const QString& pdf)
    {
        dlg.SetPrinterHook([&](QPrinter& printer) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(pdf);
            printer.setPageSize(QPageSize(QPageSize::A4));
            return true;
        });
        dlg.OnBnClickedPrint();
        QProcess text;
        text.start("pdftotext", {"-layout", pdf, "-"});
        text.waitForFinished(60000);
        return QString::fromUtf8(text.readAllStandardOutput()).simplified();
    }

    void init() { ForgetPlayerSettings(); }

    void initTestCase()
    {
        QVERIFY(dir_.isValid());
        pairs_ = dir_.filePath("pairs");
        bad_ = dir_.filePath("bad");
        QDir().mkpath(pairs_);
        QDir().mkpath(bad_);
        QVERIFY(Mkrec({"route", dir_.filePath("route.csv"), "--seconds", "40"}) == 0);
        QVERIFY(LoadRoute(dir_.filePath("route.csv").toStdString(), route_));
        QVERIFY(MakeVideo(Video("front.mov"), 3, "160x120"));
        QVERIFY(MakeVideo(Video("rear.mov"), 3, "160x120", true));
        QVERIFY(MakeVideo(Video("front.avi"), 3, "160x120"));
        const QStringList mov = {"--layout", "generic", "--video", Video("front.mov")};
        const QStringList movRear = {"--layout", "generic", "--video", Video("rear.mov")};
        // Seconds 0..2 of the route have no fix yet.
        QVERIFY(Write(pairs_ + "/A60514081500_0001.MOV", "mov", mov, 0));
        QVERIFY(Write(pairs_ + "/B60514081500_0002.MOV", "mov", movRear, 0));
        QVERIFY(Write(pairs_ + "/A60514081530_0003.MOV", "mov", mov, 10));
        QVERIFY(Write(pairs_ + "/B60514081531_0004.MOV", "mov", movRear, 10));  // a second late
        QVERIFY(Write(pairs_ + "/A60514081600_0005.MOV", "mov", mov, 20, 2));   // track shorter than video
        QVERIFY(Write(pairs_ + "/20260514_081630_007A.MOV", "mov",
                      {"--layout", "nt96650a", "--video", Video("front.mov")}, 25));
        QVERIFY(Write(pairs_ + "/20260514_081630_008B.MOV", "mov",
                      {"--layout", "nt96650a", "--video", Video("rear.mov")}, 25));
        QVERIFY(Write(pairs_ + "/A60514081700_0009.AVI", "avi", {"--video", Video("front.avi")}, 30));
        QVERIFY(Write(bad_ + "/A60514081800_0011.AVI", "avi", {"--marker", "Lavf59", "--video", Video("front.avi")}, 30));
        QFile text(bad_ + "/A60514081830_0013.MOV");
        QVERIFY(text.open(QIODevice::WriteOnly));
        text.write("not a movie");
    }

    void doubleClickPlaysThePairAndDrawsTheRoute()
    {
        auto dlg = Window(pairs_);
        QCOMPARE(dlg->Recordings().GetCount(), 5);
        DoubleClick(*dlg, "A60514081530_0003.MOV");
        QCOMPARE(dlg->MainPlayer().GetState(), Running);
        QCOMPARE(dlg->SecondPlayer().GetState(), Running);
        QVERIFY(dlg->SecondViewShown());
        QVERIFY(!dlg->IdlePlaceholder()->isVisible());
        QCOMPARE(dlg->SecondPlayer().FileName(), pairs_ + "/B60514081531_0004.MOV");
        QCOMPARE(dlg->ListView()->SelectedRow(), Row(*dlg, "A60514081530_0003.MOV"));
        QCOMPARE(dlg->Track().GetCount(), 30);
        QCOMPARE(dlg->SeekBar()->GetRangeMax(), 15);
        QCOMPARE(Evaluate(dlg->MapView(), "markersArray.length").toInt(), 30);
        QCOMPARE(Evaluate(dlg->MapView(), "polyLine.getLatLngs().length").toInt(), 30);
        QVERIFY(dlg->Button(1026)->isEnabled());
        QTRY_COMPARE(dlg->Button(1008)->text(), QString("Pause"));
    }

    void displaysFollowTheSlotUnderTheCursor()
    {
        auto dlg = Window(pairs_);
        DoubleClick(*dlg, "A60514081530_0003.MOV");
        SeekTo(*dlg, 1.4);  // slot 14, the route's second 11
        const RoutePoint& p = route_[11];
        tagAssistInfo slot;
        QCOMPARE(dlg->Track().GetAssistInfo(14, slot), 0);
        QCOMPARE(dlg->Waveform()->Cursor(), 14);
        QCOMPARE(dlg->SpeedText()->text(), QString::asprintf("%dKm/H", slot.speed));
        QCOMPARE(slot.speed, static_cast<int>(std::round(p.knots * 10) / 10 * 1.85));
        QCOMPARE(dlg->LastSpeed(), slot.speed);
        QCOMPARE(dlg->LastCourse(), slot.course);
        QCOMPARE(Evaluate(dlg->MapView(), "latitude").toString(), QString::fromStdString(slot.latitude));
        QCOMPARE(Evaluate(dlg->MapView(), "marker.getLatLng().lat.toFixed(6)").toString(),
                 QString::fromStdString(slot.latitude));
        QCOMPARE(dlg->SeekBar()->GetPos(), 7);
        // The rear camera was sought with the front one.
        QVERIFY(std::abs(dlg->SecondPlayer().GetPosition() - 1.4) < 0.1);
    }

    // While the pair plays, with nothing pushed by the test, the displays
    // follow the picture: whenever looked at, the speed shown is the route's
    // for the second under the waveform's cursor, the cursor moves on, and
    // once paused the map's marker is at that second's place.
    void theDisplaysMoveWhilePlaying()
    {
        QTemporaryDir folder;  // seconds 3 to 5 of the route, speeding up
        QVERIFY(Write(folder.filePath("A60514081503_0001.MOV"), "mov",
                      {"--layout", "generic", "--video", Video("front.mov")}, 3));
        auto dlg = Window(folder.path());
        DoubleClick(*dlg, "A60514081503_0001.MOV");
        const auto speedAt = [&](int cursor) {
            const RoutePoint& p = route_[3 + cursor / 10];
            return QString::asprintf("%dKm/H", static_cast<int>(std::round(p.knots * 10) / 10 * 1.85));
        };
        QVERIFY(speedAt(0) != speedAt(22));  // frozen displays would show
        std::set<int> cursors;
        QStringList wrong;
        QVERIFY(WaitFor([&] {
            const int cursor = dlg->Waveform()->Cursor();
            cursors.insert(cursor);
            if (cursor > 0 && dlg->SpeedText()->text() != speedAt(cursor))
                wrong << QString("%1: %2").arg(cursor).arg(dlg->SpeedText()->text());
            return cursor >= 22 || dlg->MainPlayer().GetState() != Running;
        }));
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(", ")));
        QVERIFY2(cursors.size() >= 5, qPrintable(QString::number(cursors.size())));
        dlg->TogglePair();
        const int cursor = dlg->Waveform()->Cursor();
        QVERIFY(cursor >= 22);
        QVERIFY(std::abs(Evaluate(dlg->MapView(), "marker.getLatLng().lat").toDouble() - route_[3 + cursor / 10].latitude) < 3e-6);
    }

    void aSlotWithoutFixLeavesTheDisplays()
    {
        auto dlg = Window(pairs_);
        DoubleClick(*dlg, "A60514081500_0001.MOV");
        dlg->DrawSpeedNeedle(77);
        dlg->DrawCompassNeedle(33.0);
        SeekTo(*dlg, 1.0);  // the route's second 1: no fix
        QCOMPARE(dlg->LastSpeed(), 77);
        QCOMPARE(dlg->LastCourse(), 33.0);
        QCOMPARE(dlg->SpeedText()->text(), QString("77Km/H"));
    }

    void pastTheTrackTheDialRests()
    {
        auto dlg = Window(pairs_);
        DoubleClick(*dlg, "A60514081600_0005.MOV");
        QCOMPARE(dlg->Track().GetCount(), 20);
        SeekTo(*dlg, 1.0);
        QVERIFY(dlg->LastSpeed() > 0);
        SeekTo(*dlg, 2.6);
        QCOMPARE(dlg->LastSpeed(), 0);
        QCOMPARE(dlg->LastCourse(), 180.0);
        QCOMPARE(dlg->SpeedText()->text(), QString("0Km/H"));
    }

    void cycleOnGoesToTheNextAndStopsAtTheLast()
    {
        auto dlg = Window(pairs_);
        const int last = dlg->ListView()->RowCount() - 1;
        emit dlg->ListView()->rowDoubleClicked(last - 1);
        QCOMPARE(dlg->CurrentIndex(), last - 1);
        dlg->MainPlayer().SetPosition(2.6);
        QVERIFY(WaitFor([&] { return dlg->CurrentIndex() == last; }));
        QVERIFY(WaitFor([&] { return dlg->MainPlayer().GetState() == Running; }));
        dlg->MainPlayer().SetPosition(2.6);
        QVERIFY(WaitFor([&] { return dlg->MainPlayer().GetState() == Stopped; }));
        QTest::qWait(300);
        QCOMPARE(dlg->CurrentIndex(), last);
        QCOMPARE(dlg->MainPlayer().GetState(), Stopped);
        QVERIFY(dlg->MainPlayer().GetPosition() < 0.01);
    }

    void cycleOffReplaysTheSameRecording()
    {
        auto dlg = Window(pairs_);
        dlg->OnBnClickedCycle();
        QCOMPARE(dlg->CycleMode(), 0);
        DoubleClick(*dlg, "A60514081500_0001.MOV");
        const int row = dlg->CurrentIndex();
        dlg->MainPlayer().SetPosition(2.6);
        QVERIFY(WaitFor([&] { return dlg->MainPlayer().GetPosition() < 1.0 && dlg->MainPlayer().GetState() == Running; }));
        QCOMPARE(dlg->CurrentIndex(), row);
        dlg->OnBnClickedCycle();
        QCOMPARE(dlg->CycleMode(), 1);
    }

    void stopThenPlayRestarts()
    {
        auto dlg = Window(pairs_);
        DoubleClick(*dlg, "A60514081530_0003.MOV");
        QVERIFY(WaitFor([&] { return dlg->MainPlayer().GetPosition() > 0.5; }));
        dlg->OnBnClickedStop();
        QCOMPARE(dlg->MainPlayer().GetState(), Stopped);
        QCOMPARE(dlg->SecondPlayer().GetState(), Stopped);
        QVERIFY(dlg->UserStopped());
        QVERIFY(WaitFor([&] { return dlg->MainPlayer().GetPosition() < 0.001; }));
        dlg->OnBnClickedPlay();
        QCOMPARE(dlg->MainPlayer().GetState(), Running);
        QVERIFY(!dlg->UserStopped());
        QVERIFY(WaitFor([&] { return dlg->MainPlayer().GetPosition() > 0.3; }));
    }

    void nextOnTheLastAndPreviousOnTheFirstOnlyStop()
    {
        auto dlg = Window(pairs_);
        emit dlg->ListView()->rowDoubleClicked(0);
        dlg->OnBnClickedPrev();
        QCOMPARE(dlg->CurrentIndex(), 0);
        QCOMPARE(dlg->MainPlayer().GetState(), Stopped);
        const int last = dlg->ListView()->RowCount() - 1;
        emit dlg->ListView()->rowDoubleClicked(last);
        dlg->OnBnClickedNext();
        QCOMPARE(dlg->CurrentIndex(), last);
        QCOMPARE(dlg->MainPlayer().GetState(), Stopped);
        dlg->OnBnClickedPrev();
        QCOMPARE(dlg->CurrentIndex(), last - 1);
        QCOMPARE(dlg->MainPlayer().GetState(), Running);
    }

    void theTwoMessages()
    {
        auto dlg = Window(bad_);
        messages_.clear();
        QCOMPARE(dlg->Recordings().GetCount(), 2);
        DoubleClick(*dlg, "A60514081800_0011.AVI");
        QCOMPARE(messages_, QStringList({"UnSupported file!"}));
        QVERIFY(dlg->IdlePlaceholder()->isVisible());  // nothing was opened
        DoubleClick(*dlg, "A60514081830_0013.MOV");
        QCOMPARE(messages_, QStringList({"UnSupported file!", "Play file failed! (error)"}));
        QVERIFY(!dlg->IdlePlaceholder()->isVisible());
    }

    void ntAndAviRecordingsPlayWithTheirTracks()
    {
        auto dlg = Window(pairs_);
        DoubleClick(*dlg, "20260514_081630_007A.MOV");
        QCOMPARE(dlg->Track().GetCount(), 30);
        QCOMPARE(dlg->SecondPlayer().FileName(), pairs_ + "/20260514_081630_008B.MOV");
        DoubleClick(*dlg, "A60514081700_0009.AVI");
        QCOMPARE(dlg->MainPlayer().GetState(), Running);
        QCOMPARE(dlg->Track().GetCount(), 30);
        QCOMPARE(Evaluate(dlg->MapView(), "markersArray.length").toInt(), 30);
    }

    void volumeButtonsKeepTheLimits()
    {
        auto dlg = Window(pairs_);
        dlg->OnBnClickedVolumeUp();  // nothing before a recording
        DoubleClick(*dlg, "A60514081530_0003.MOV");
        const int start = dlg->MainPlayer().GetVolumeLevel();
        QCOMPARE(start, 10);
        dlg->OnBnClickedVolumeUp();
        QCOMPARE(dlg->MainPlayer().GetVolumeLevel(), 10);
        QCOMPARE(dlg->VolumeBarLevelShown(9), 1);
        for (int i = 0; i < 12; ++i)
            dlg->OnBnClickedVolumeDown();
        QCOMPARE(dlg->MainPlayer().GetVolumeLevel(), 0);
        QCOMPARE(dlg->VolumeBarLevelShown(0), 1);
        QCOMPARE(dlg->VolumeBarLevelShown(1), 0);
        dlg->OnBnClickedVolumeUp();
        dlg->OnBnClickedVolumeUp();
        QCOMPARE(dlg->MainPlayer().GetVolumeLevel(), 2);
        QCOMPARE(dlg->VolumeBarLevelShown(1), 1);
        QCOMPARE(dlg->SecondPlayer().GetVolumeLevel(), 0);
        dlg->OnBnClickedStop();
        dlg->OnBnClickedVolumeUp();  // stopped: nothing
        QCOMPARE(dlg->MainPlayer().GetVolumeLevel(), 2);
    }

    void swapTwiceRestores()
    {
        auto dlg = Window(pairs_);
        dlg->OnBnClickedSwap();  // nothing while closed
        QVERIFY(!dlg->Swapped());
        DoubleClick(*dlg, "A60514081530_0003.MOV");
        dlg->OnBnClickedSwap();
        QVERIFY(dlg->Swapped());
        QCOMPARE(dlg->MainView()->Player(), &dlg->SecondPlayer());
        QCOMPARE(dlg->SecondPlayer().VideoWindow(), static_cast<QWidget*>(dlg->MainView()));
        QCOMPARE(dlg->MainPlayer().VideoWindow(), static_cast<QWidget*>(dlg->SecondView()));
        dlg->OnBnClickedSwap();
        QVERIFY(!dlg->Swapped());
        QCOMPARE(dlg->MainView()->Player(), &dlg->MainPlayer());
        QCOMPARE(dlg->MainPlayer().VideoWindow(), static_cast<QWidget*>(dlg->MainView()));
    }

    void afterSwapTheNextRecordingOpensWithTheFrontLarge()
    {
        auto dlg = Window(pairs_);
        DoubleClick(*dlg, "A60514081500_0001.MOV");
        dlg->OnBnClickedSwap();
        QVERIFY(dlg->Swapped());
        dlg->OnBnClickedNext();
        QCOMPARE(dlg->MainPlayer().FileName(), pairs_ + "/A60514081530_0003.MOV");
        QVERIFY(!dlg->Swapped());
        QCOMPARE(&dlg->LargePlayer(), &dlg->MainPlayer());
        QCOMPARE(dlg->MainPlayer().VideoWindow(), static_cast<QWidget*>(dlg->MainView()));
        QCOMPARE(dlg->SecondPlayer().VideoWindow(), static_cast<QWidget*>(dlg->SecondView()));
        QCOMPARE(dlg->SecondView()->Player(), &dlg->SecondPlayer());
        // The next Swap swaps again, visibly: the rear camera's frame in the large view.
        dlg->OnBnClickedSwap();
        QVERIFY(dlg->Swapped());
        QCOMPARE(dlg->SecondPlayer().VideoWindow(), static_cast<QWidget*>(dlg->MainView()));
        dlg->OnBnClickedPrev();
        QVERIFY(!dlg->Swapped());
        QCOMPARE(dlg->MainView()->Player(), &dlg->MainPlayer());
    }

    void theVolumeStaysForLaterRecordings()
    {
        auto dlg = Window(pairs_);
        DoubleClick(*dlg, "A60514081500_0001.MOV");
        for (int i = 0; i < 6; ++i)
            dlg->OnBnClickedVolumeDown();
        QCOMPARE(dlg->MainPlayer().GetVolumeLevel(), 4);
        dlg->OnBnClickedNext();  // as Cycle does at the end
        QCOMPARE(dlg->MainPlayer().FileName(), pairs_ + "/A60514081530_0003.MOV");
        QCOMPARE(dlg->MainPlayer().GetVolumeLevel(), 4);
        QCOMPARE(dlg->VolumeBarLevelShown(3), 1);  // four bars
        QCOMPARE(dlg->VolumeBarLevelShown(4), 0);
        dlg->OnBnClickedVolumeUp();
        DoubleClick(*dlg, "A60514081500_0001.MOV");
        QCOMPARE(dlg->MainPlayer().GetVolumeLevel(), 5);
    }

    void aSilentFirstRecordingDoesNotSilenceTheRest()
    {
        QTemporaryDir folder;
        const QString silent = dir_.filePath("silent.mov");
        QCOMPARE(QProcess::execute("ffmpeg", {"-nostdin", "-v", "error", "-y", "-f", "lavfi", "-i",
                                              "testsrc=size=160x120:rate=10:duration=2", "-an", "-c:v", "libx264",
                                              "-pix_fmt", "yuv420p", silent}),
                 0);
        QVERIFY(Write(folder.filePath("A60514081500_0001.MOV"), "mov", {"--layout", "generic", "--video", silent}, 0, 2));
        QVERIFY(Write(folder.filePath("A60514081530_0003.MOV"), "mov",
                      {"--layout", "generic", "--video", Video("front.mov")}, 10));
        auto dlg = Window(folder.path());
        DoubleClick(*dlg, "A60514081500_0001.MOV");
        QCOMPARE(dlg->MainPlayer().GetState(), Running);
        QCOMPARE(dlg->VolumeBarLevelShown(9), 1);  // the level the next sound plays at
        dlg->OnBnClickedNext();
        QCOMPARE(dlg->MainPlayer().GetVolumeLevel(), 10);
    }

    void aRecordingWithoutARearClosesTheRear()
    {
        auto dlg = Window(pairs_);
        DoubleClick(*dlg, "A60514081530_0003.MOV");
        QCOMPARE(dlg->SecondPlayer().GetState(), Running);
        dlg->OnBnClickedNext();  // 0005 has no rear camera
        QCOMPARE(dlg->MainPlayer().FileName(), pairs_ + "/A60514081600_0005.MOV");
        QCOMPARE(dlg->SecondPlayer().GetState(), Closed);
        QVERIFY(dlg->SecondPlayer().FileName().isEmpty());
        QVERIFY(!dlg->SecondViewShown());
        dlg->OnBnClickedPlay();  // pause and play again: nothing stale starts
        dlg->OnBnClickedPlay();
        QCOMPARE(dlg->MainPlayer().GetState(), Running);
        QCOMPARE(dlg->SecondPlayer().GetState(), Closed);
        dlg->OnBnClickedSwap();  // no pair: nothing to swap
        QVERIFY(!dlg->Swapped());
        QCOMPARE(dlg->MainView()->Player(), &dlg->MainPlayer());
    }

    void onlyTheLeftButtonPausesForASeek()
    {
        auto dlg = Window(pairs_);
        DoubleClick(*dlg, "A60514081500_0001.MOV");
        for (Qt::MouseButton button : {Qt::RightButton, Qt::MiddleButton}) {
            QTest::mousePress(dlg->SeekBar(), button, {}, QPoint(300, 5));
            QTest::mouseRelease(dlg->SeekBar(), button, {}, QPoint(300, 5));
            QCOMPARE(dlg->MainPlayer().GetState(), Running);
            QCOMPARE(dlg->SecondPlayer().GetState(), Running);
        }
        QTest::mousePress(dlg->SeekBar(), Qt::LeftButton, {}, QPoint(300, 5));
        QCOMPARE(dlg->MainPlayer().GetState(), Paused);
        QCOMPARE(dlg->SecondPlayer().GetState(), Paused);
        QTest::mouseRelease(dlg->SeekBar(), Qt::LeftButton, {}, QPoint(300, 5));
    }

    void theTimeColumnShowsTheWholeStamp()
    {
        auto dlg = Window(pairs_);
        CSkinListCtrl* list = dlg->ListView();
        const QString stamp = list->topLevelItem(0)->text(2);
        QCOMPARE(stamp.size(), 19);  // "08:15:00 05-14-2026"
        QVERIFY(list->header()->sectionSize(2) >= list->TextWidthWithMargins(stamp));
        int total = 0;
        for (int c = 0; c < 3; ++c)
            total += list->header()->sectionSize(c);
        QVERIFY(total <= list->contentsRect().width());
    }

    // The file removed, or cut short, under a playing pair: the pair stops
    // with a message, the list and the place stay, the next recording plays.
    void aRecordingThatVanishesStopsWithAMessage()
    {
        for (const bool remove : {true, false}) {
            QTemporaryDir folder;
            for (const QString& name : {QString("A60514081500_0001.MOV"), QString("B60514081500_0002.MOV"),
                                        QString("A60514081530_0003.MOV")})
                QVERIFY(QFile::copy(pairs_ + "/" + (name.startsWith('B') ? "B60514081500_0002.MOV" : name),
                                    folder.filePath(name)));
            auto dlg = Window(folder.path());
            messages_.clear();
            DoubleClick(*dlg, "A60514081500_0001.MOV");
            QCOMPARE(dlg->MainPlayer().GetState(), Running);
            const QString path = folder.filePath("A60514081500_0001.MOV");
            if (remove) {
                QVERIFY(QFile::remove(path));
            } else {
                QFile file(path);
                QVERIFY(file.resize(file.size() / 2));
            }
            QVERIFY(WaitFor([&] { return !messages_.isEmpty(); }));
            QCOMPARE(messages_.first(), QString("The recording is no longer there: A60514081500_0001.MOV (error)"));
            QCOMPARE(messages_.size(), 1);
            QVERIFY(dlg->MainPlayer().GetState() != Running);
            QCOMPARE(dlg->SecondPlayer().GetState(), Closed);
            QCOMPARE(dlg->Recordings().GetCount(), 2);
            QCOMPARE(dlg->CurrentIndex(), 0);
            QTest::qWait(1200);  // no second message, no spinning on to the next
            QCOMPARE(messages_.size(), 1);
            DoubleClick(*dlg, "A60514081530_0003.MOV");
            QCOMPARE(dlg->MainPlayer().GetState(), Running);
        }
    }

    // The next session starts where this one ended: its folders, volume,
    // Cycle mode and capture folder, kept in the settings file.
    void theNextSessionRemembers()
    {
        QTemporaryDir captures;
        {
            auto dlg = Window(pairs_);
            DoubleClick(*dlg, "A60514081500_0001.MOV");
            for (int i = 0; i < 3; ++i)
                dlg->OnBnClickedVolumeDown();
            dlg->OnBnClickedCycle();
            dlg->SetSaveNameHook([&](const QString&) { return captures.filePath("moment.jpg"); });
            dlg->OnBnClickedCapture();
        }
        const QString file = QSettings(QSettings::NativeFormat, QSettings::UserScope, "DualDash", "dualdash").fileName();
        QVERIFY2(file.endsWith("/DualDash/dualdash.conf") && QFile::exists(file), qPrintable(file));
        CPlayerDlg next;
        next.SetMessageHook([](const QString&, bool) {});
        next.ImportRememberedFolders();
        QCOMPARE(next.Recordings().GetCount(), 5);
        QCOMPARE(next.CycleMode(), 0);
        QString offered;
        next.SetSaveNameHook([&](const QString& folder) {
            offered = folder;
            return QString();
        });
        emit next.ListView()->rowDoubleClicked(0);
        QCOMPARE(next.MainPlayer().GetVolumeLevel(), 7);
        next.OnBnClickedCapture();
        QCOMPARE(offered, captures.path());
        // Cleared, the list is not brought back.
        next.OnBnClickedClear();
        CPlayerDlg third;
        third.ImportRememberedFolders();
        QCOMPARE(third.Recordings().GetCount(), 0);
    }

    // What the program is started on is the session: a remembered folder
    // given again is listed once, a recording given alone is the whole list
    // and its current row; without paths the remembered folders come back.
    void pathsGivenAreTheSession()
    {
        {
            auto first = Window(pairs_);  // remembers the folder
        }
        const QString given = QDir(pairs_).filePath("A60514081530_0003.MOV");
        for (const auto& [paths, rows] : std::vector<std::pair<QStringList, int>>{
                 {{pairs_}, 5}, {{pairs_, pairs_ + "/."}, 5}, {{given}, 1}, {{}, 5}}) {
            CPlayerDlg dlg;
            dlg.SetMessageHook([](const QString&, bool) {});
            dlg.StartSession(paths);
            QVERIFY(WaitFor([&] { return !dlg.Importing(); }));
            QCOMPARE(dlg.Recordings().GetCount(), rows);
            QCOMPARE(dlg.CurrentIndex(), 0);
            if (paths == QStringList{given}) {
                dlg.PlayFile(0);
                QCOMPARE(dlg.MainPlayer().FileName(), given);
            }
        }
    }

    // A track whose file does not answer (a card gone slow) is read in the
    // background: the picture plays, the keys work, and a recording opened
    // meanwhile shows its own track, which the late one does not replace.
    void aTrackThatDoesNotComeHoldsNothingUp()
    {
        auto dlg = Window(pairs_);
        const QString first = pairs_ + "/A60514081500_0001.MOV";
        StuckCard card(first.toStdString());
        dlg->SetTrackReadHook([&](const std::string& path) { card.Read(path); });
        QSignalSpy frames(&dlg->MainPlayer(), &CMediaPlayer::frameShown);
        DoubleClickOnly(*dlg, "A60514081500_0001.MOV");
        QVERIFY2(!card.Answered(), "the window waited for the track");
        QCOMPARE(dlg->MainPlayer().GetState(), Running);
        QVERIFY(frames.wait(10000));
        QTest::keyClick(dlg.get(), Qt::Key_Space);
        QCOMPARE(dlg->MainPlayer().GetState(), Paused);
        QVERIFY(!dlg->TrackReady());
        // Another recording, while the first one's track has still not come.
        DoubleClick(*dlg, "A60514081530_0003.MOV");
        tagAssistInfo slot;
        QCOMPARE(dlg->Track().GetAssistInfo(14, slot), 0);
        const std::string latitude = slot.latitude;
        QVERIFY(!card.Answered());
        card.Release();
        QVERIFY(WaitFor([&] { return card.Answered() && dlg->BackgroundReads() == 0; }));
        QCOMPARE(dlg->Track().GetAssistInfo(14, slot), 0);  // the late track was dropped
        QCOMPARE(slot.latitude, latitude);
        QCOMPARE(dlg->MainPlayer().FileName(), pairs_ + "/A60514081530_0003.MOV");
    }

    void videoButtonAndClear()
    {
        auto dlg = Window(pairs_);
        dlg->OnBnClickedVideo();
        QVERIFY(dlg->SecondViewShown());
        QVERIFY(!dlg->ListView()->isVisible());
        dlg->OnBnClickedVideo();
        QVERIFY(!dlg->SecondViewShown());
        DoubleClick(*dlg, "A60514081530_0003.MOV");
        dlg->OnBnClickedClear();
        QCOMPARE(dlg->Recordings().GetCount(), 0);
        QCOMPARE(dlg->ListView()->RowCount(), 0);
        QCOMPARE(dlg->MainPlayer().GetState(), Stopped);
    }

    // A capture that cannot be written says so and leaves nothing behind:
    // a folder that is not there, a name taken by a folder, a full disk.
    void aCaptureThatFailsSaysSo()
    {
        QTemporaryDir work;
        QDir(work.path()).mkpath("taken.jpg");
        QDir(work.path()).mkpath("full");
        const QString full = work.filePath("full");
        const bool fullDisk = QProcess::execute("mount", {"-t", "tmpfs", "-o", "size=8k", "tmpfs", full}) == 0;
        if (fullDisk) {  // filled to the last byte
            QFile filler(full + "/filler");
            QVERIFY(filler.open(QIODevice::WriteOnly));
            while (filler.write(QByteArray(1024, 'x')) > 0 && filler.flush()) {
            }
        }
        auto dlg = Window(pairs_);
        DoubleClick(*dlg, "A60514081530_0003.MOV");
        SeekTo(*dlg, 1.2);
        QStringList targets{work.filePath("missing/shot.jpg"), work.filePath("taken.jpg")};
        if (fullDisk)
            targets << full + "/shot.jpg";
        for (const QString& target : targets) {
            messages_.clear();
            dlg->SetSaveNameHook([&](const QString&) { return target; });
            dlg->OnBnClickedCapture();
            QCOMPARE(messages_, QStringList{"Capture failed! " + target + " could not be written. (error)"});
            QCOMPARE(QFileInfo(target).isFile(), false);
        }
        if (fullDisk) {
            QCOMPARE(QDir(full).entryList(QDir::Files | QDir::Hidden), QStringList{"filler"});
            QCOMPARE(QProcess::execute("umount", {full}), 0);
        } else {
            qWarning("no tmpfs could be mounted: the full disk was left out");
        }
    }

    void captureSavesTheLargeViewsFrame()
    {
        auto dlg = Window(pairs_);
        QStringList folders;
        dlg->SetSaveNameHook([&](const QString& folder) {
            folders << folder;
            return dir_.filePath(QString("shot%1.jpg").arg(folders.size()));
        });
        dlg->OnBnClickedCapture();  // nothing loaded: no dialog
        QVERIFY(folders.isEmpty());
        DoubleClick(*dlg, "A60514081530_0003.MOV");
        SeekTo(*dlg, 1.2);
        dlg->OnBnClickedCapture();
        QCOMPARE(folders, QStringList({QDir::homePath()}));
        const QImage shot(dir_.filePath("shot1.jpg"));
        QCOMPARE(shot.size(), QSize(160, 120));
        QVERIFY(PixelDifference(shot, dlg->MainPlayer().GetCurrentImage()) < 8);
        QCOMPARE(dlg->MainPlayer().GetState(), Paused);  // a paused pair stays paused
        // After a swap the large view shows the rear camera, and so does the file.
        dlg->OnBnClickedSwap();
        dlg->OnBnClickedCapture();
        QCOMPARE(folders.last(), dir_.path());  // later calls start where the last one went
        const QImage rear(dir_.filePath("shot2.jpg"));
        if (qEnvironmentVariableIsSet("KEEP_SHOTS")) {
            rear.save("/tmp/shots/rear_capture.png");
            dlg->SecondPlayer().GetCurrentImage().save("/tmp/shots/rear_current.png");
            dlg->MainPlayer().GetCurrentImage().save("/tmp/shots/main_current.png");
        }
        const double same = PixelDifference(rear, dlg->SecondPlayer().GetCurrentImage());
        const double other = PixelDifference(rear, dlg->MainPlayer().GetCurrentImage());
        QVERIFY2(same < 20 && other > 3 * same, qPrintable(QString("%1 %2").arg(same).arg(other)));
        // Cancelling changes nothing and lets a running pair run on.
        dlg->SetSaveNameHook([](const QString&) { return QString(); });
        dlg->OnBnClickedPlay();
        dlg->OnBnClickedCapture();
        QCOMPARE(dlg->MainPlayer().GetState(), Running);
        QCOMPARE(dlg->SecondPlayer().GetState(), Running);
        QVERIFY(!QFile::exists(dir_.filePath("shot3.jpg")));
        dlg->OnBnClickedStop();
        dlg->SetSaveNameHook([&](const QString&) { return dir_.filePath("stopped.jpg"); });
        dlg->OnBnClickedCapture();  // stopped: nothing
        QVERIFY(!QFile::exists(dir_.filePath("stopped.jpg")));
    }

    void printsThePageOfTheMoment()
    {
        auto dlg = Window(pairs_);
        DoubleClick(*dlg, "A60514081530_0003.MOV");
        SeekTo(*dlg, 1.4);
        const QString pdf = dir_.filePath("page.pdf");
        const QString page = PrintedText(*dlg, pdf);
        QVERIFY2(page.contains("Player print information"), qPrintable(page));
        QVERIFY(page.contains("File: " + pairs_ + "/A60514081530_0003.MOV"));
        QVERIFY(page.contains(QRegularExpression("G-Sensor data: x - [-0-9.]+ y - [-0-9.]+ z - [-0-9.]+\\]")));
        QVERIFY(page.contains("Print time: " + QDate::currentDate().toString("yyyy-MM-dd")));
        // The picture: front frame full width, rear half width centred, then the waveform.
        QVERIFY(QProcess::execute("pdftoppm", {"-r", "60", "-png", "-singlefile", pdf, dir_.filePath("page")}) == 0);
        const QImage sheet(dir_.filePath("page.png"));
        if (qEnvironmentVariableIsSet("KEEP_SHOTS"))
            sheet.save("/tmp/shots/print_page.png");
        QVERIFY(!sheet.isNull());
        // Anything but the paper's white is ink.
        auto inkAt = [&](int x, int y) {
            const QRgb p = sheet.pixel(x, y);
            return qRed(p) < 235 || qGreen(p) < 235 || qBlue(p) < 235;
        };
        auto darkAt = [&](double fx, int y) { return inkAt(int(fx * sheet.width()), y); };
        auto firstRow = [&](double fx, int from, bool dark) {
            for (int y = from; y < sheet.height(); ++y)
                if (darkAt(fx, y) == dark)
                    return y;
            return -1;
        };
        // The front frame: the first row dark across the page (text lines are not).
        auto darkAcross = [&](int y) {
            int dark = 0;
            for (int i = 1; i <= 20; ++i)
                dark += darkAt(0.04 * i + 0.08, y);
            return dark >= 19;
        };
        int frontTop = 0;
        while (frontTop + 3 < sheet.height() && !(darkAcross(frontTop) && darkAcross(frontTop + 3)))
            ++frontTop;  // the rules under the title are thin; the frame is not
        const int frontBottom = firstRow(0.12, frontTop, false);
        QVERIFY(frontTop > 0 && frontBottom > frontTop);
        // Its height three quarters of its width: the 4:3 frame keeps its proportions.
        int frontLeft = 0, frontRight = sheet.width() - 1;
        const int row = (frontTop + frontBottom) / 2;
        while (frontLeft < sheet.width() && !inkAt(frontLeft, row))
            ++frontLeft;
        while (frontRight > 0 && !inkAt(frontRight, row))
            --frontRight;
        const double ratio = double(frontBottom - frontTop) / (frontRight + 1 - frontLeft);
        QVERIFY2(std::abs(ratio - 0.75) < 0.03, qPrintable(QString::number(ratio)));
        QVERIFY(frontRight + 1 - frontLeft > sheet.width() * 0.8);
        const int rearTop = firstRow(0.5, frontBottom, true);
        QVERIFY(rearTop > frontBottom);
        QVERIFY(!darkAt(0.12, rearTop + 10));  // half width, centred
        QVERIFY(darkAt(0.3, rearTop + 10));
        QVERIFY(!darkAt(0.88, rearTop + 10));
        const int waveTop = firstRow(0.12, rearTop + 10, true);
        QVERIFY(waveTop > rearTop);
        QVERIFY(qGray(sheet.pixel(int(0.5 * sheet.width()), waveTop + 6)) < 40);  // the waveform's dark ground
    }

    // The page's texts are those of the slot under the picture: either side
    // of a second's edge, where the slots differ, they are the route's own
    // values for that second.
    void thePrintedTextsAreTheSlotsUnderThePicture()
    {
        auto dlg = Window(pairs_);
        DoubleClick(*dlg, "A60514081530_0003.MOV");  // the route's seconds 10 on
        const QRegularExpression values("G-Sensor data: x - ([-0-9.]+) y - ([-0-9.]+) z - ([-0-9.]+)\\].*"
                                        "GPS coordinate: Longitude - ([0-9.]+) Latitude - ([0-9.]+)");
        QVERIFY(std::abs(route_[10].gz - route_[11].gz) > 0.002 && std::abs(route_[10].latitude - route_[11].latitude) > 1e-5);
        dlg->MainPlayer().Pause();
        dlg->SecondPlayer().Pause();
        for (const auto& [seconds, second] : {std::pair{0.9, 10}, std::pair{1.0, 11}}) {
            dlg->SeekPairBy(seconds - dlg->MainPlayer().GetPosition());
            QVERIFY(WaitFor([&] {
                return std::abs(dlg->MainPlayer().GetPosition() - seconds) < 0.001 &&
                       std::abs(dlg->SecondPlayer().GetPosition() - seconds) < 0.001;
            }));
            const QString page = PrintedText(*dlg, dir_.filePath("moment.pdf"));
            const QRegularExpressionMatch printed = values.match(page);
            QVERIFY2(printed.hasMatch(), qPrintable(page));
            const RoutePoint& p = route_[second];
            const double expected[] = {p.gx, p.gy, p.gz, p.longitude, p.latitude};
            const double within[] = {0.0015, 0.0015, 0.0015, 3e-6, 3e-6};  // three decimals; ten-thousandths of a minute
            for (int i = 0; i < 5; ++i)
                QVERIFY2(std::abs(printed.captured(i + 1).toDouble() - expected[i]) <= within[i],
                         qPrintable(QString("at %1 s, value %2: %3").arg(seconds).arg(i).arg(printed.captured(i + 1))));
        }
    }

    void printWithoutAFixLeavesTheTextsEmpty()
    {
        auto dlg = Window(pairs_);
        DoubleClick(*dlg, "A60514081500_0001.MOV");
        SeekTo(*dlg, 0.4);
        const QString pdf = dir_.filePath("nofix.pdf");
        const QString page = PrintedText(*dlg, pdf);
        QVERIFY2(page.contains("GPS coordinate: Longitude - Latitude -"), qPrintable(page));
        // A cancelled print dialog prints nothing.
        dlg->SetPrinterHook([](QPrinter&) { return false; });
        QFile::remove(pdf);
        dlg->OnBnClickedPrint();
        QVERIFY(!QFile::exists(pdf));
    }

    // A gap of a second is closed by one seek of the window's, not one a
    // tick while it lands; a quarter of a second by speed alone, the views
    // then showing the same frame or one apart. (How closely the rear
    // follows over time is measured by bench/rear_sync_bench.)
    void theRearCatchesUpWithoutSeeking()
    {
        QTemporaryDir folder;
        QVERIFY(MakeVideo(Video("numbered-front.mov"), 6, "320x240", false, true));
        QVERIFY(MakeVideo(Video("numbered-rear.mov"), 6, "320x240", true, true));
        QVERIFY(Write(folder.filePath("A60514081500_0001.MOV"), "mov",
                      {"--layout", "generic", "--video", Video("numbered-front.mov")}, 0, 6));
        QVERIFY(Write(folder.filePath("B60514081500_0002.MOV"), "mov",
                      {"--layout", "generic", "--video", Video("numbered-rear.mov")}, 0, 6));
        auto dlg = Window(folder.path());
        DoubleClick(*dlg, "A60514081500_0001.MOV");
        CMediaPlayer& front = dlg->MainPlayer();
        CMediaPlayer& rear = dlg->SecondPlayer();
        QVERIFY(WaitFor([&] { return front.GetPosition() > 1.2; }));
        const int before = rear.SeeksAsked();
        rear.SetPosition(front.GetPosition() - 1.0);
        QVERIFY(WaitFor([&] { return rear.SeeksAsked() == before + 2 && !rear.SeekPending(); }));
        const double landed = front.GetPosition();
        QVERIFY(WaitFor([&] { return front.GetPosition() > landed + 0.5; }));  // the window's clock ticked on
        QCOMPARE(rear.SeeksAsked(), before + 2);
        QVERIFY(std::abs(front.GetPosition() - rear.GetPosition()) < 0.2);

        rear.SetPosition(front.GetPosition() - 0.25);
        QVERIFY(WaitFor([&] { return !rear.SeekPending(); }));
        const int seeks = rear.SeeksAsked();
        const auto framesApart = [&] {
            const int shownFront = FrameNumberShown(dlg->MainView()->grab().toImage(), front.VideoRect());
            const int shownRear = FrameNumberShown(dlg->SecondView()->grab().toImage(), rear.VideoRect());
            return shownFront < 0 || shownRear < 0 || shownFront > 200 || shownRear > 200 ? 1000
                                                                                           : std::abs(shownRear - shownFront);
        };
        QVERIFY(WaitFor([&] { return framesApart() <= 1; }));
        QVERIFY(WaitFor([&] { return front.GetState() != Running || front.GetPosition() > 5.5; }));
        QCOMPARE(rear.SeeksAsked(), seeks);  // caught up by speed, not by seeks
    }

    // Sampled over the first two seconds of playing, the rear's position is
    // never far from the front's.
    void theRearStaysWithTheFront()
    {
        auto dlg = Window(pairs_);
        DoubleClick(*dlg, "A60514081500_0001.MOV");
        CMediaPlayer& front = dlg->MainPlayer();
        CMediaPlayer& rear = dlg->SecondPlayer();
        std::vector<double> gaps;
        QVERIFY(WaitFor([&] {
            if (front.GetState() == Running && rear.GetState() == Running && front.GetPosition() > 0.3)
                gaps.push_back(std::abs(front.GetPosition() - rear.GetPosition()));
            return front.GetPosition() > 2.0 || front.GetState() != Running;
        }));
        QVERIFY2(gaps.size() >= 10, qPrintable(QString::number(gaps.size())));
        const double worst = *std::max_element(gaps.begin(), gaps.end());
        QVERIFY2(worst < 0.15, qPrintable(QString::number(worst)));
    }
};

DUALDASH_PLAYER_TEST_MAIN(PlayerPlaybackTest)
#include "player_playback_test.moc"
