// The drive's events in the window: their marks on the seek bar and the
// waveform, where they stand, the dots on the map, the list and its
// double-click, the keys that go from one to the next across the drive's
// files, and the user's bookmarks, which outlive the window and follow a
// copy of the recording.

#include "WaitFor.h"
#include "MapPage.h"
#include "MediaFiles.h"
#include "PlayerTestMain.h"
#include "app/PlayerDlg.h"
#include "events/Catalogue.h"
#include "skin/BitmapSlider.h"
#include "skin/SkinListCtrl.h"
#include "widgets/WaveFormCtrl.h"

#include <QFile>
#include <QTemporaryDir>

namespace {

constexpr qint64 kStart = 1463213700;  // 2016-05-14 08:15:00 UTC
const QColor kImpactRed(230, 32, 32);
const QColor kBookmarkYellow(250, 210, 40);

bool Near(double a, double b, double within)
{
    return std::abs(a - b) < within;
}

}  // namespace

class PlayerEventsTest : public QObject {
    Q_OBJECT
private:
    QTemporaryDir dir_;

    // Front and rear, 20 s each, from `from` seconds into the route.
    void MkrecPair(const QString& front, const QString& rear, int from)
    {
        for (const auto& [name, video] : {std::pair{front, "front.mov"}, std::pair{rear, "rear.mov"}}) {
            QProcess::execute(MKREC_PATH, {"mov", dir_.filePath("drive/" + name), "--layout", "generic", "--video",
                                           dir_.filePath(video), "--route", dir_.filePath("route.csv"), "--from",
                                           QString::number(from), "--seconds", "20", "--start",
                                           QString::number(kStart + from)});
        }
    }

    // The window playing `row` of `folder`, once the drive's events are marked.
    std::unique_ptr<CPlayerDlg> Playing(const QString& folder, int row = 0)
    {
        auto dlg = std::make_unique<CPlayerDlg>();
        dlg->SetMessageHook([](const QString& text, bool) { qWarning() << "message:" << text; });
        dlg->show();
        dlg->ImportFolder(dir_.filePath(folder));
        emit dlg->ListView()->rowDoubleClicked(row);
        [&] { QVERIFY(EventsMarked(*dlg)); }();
        return dlg;
    }

    // The events of the drive of the recording playing are in and shown.
    static bool EventsMarked(CPlayerDlg& dlg)
    {
        return WaitFor([&] {
            return dlg.TrackReady() && !dlg.EventScanRunning() && !dlg.EventsDrive().empty() &&
                   std::find(dlg.EventsDrive().begin(), dlg.EventsDrive().end(),
                             dlg.MainPlayer().FileName().toStdString()) != dlg.EventsDrive().end();
        });
    }

    // Both players in the drive's `recording`th file (its rear beside it),
    // within a moment of `seconds`, once their seeks have landed.
    static bool BothAt(CPlayerDlg& dlg, const QString& front, const QString& rear, double seconds)
    {
        return WaitFor([&] {
            CMediaPlayer& main = dlg.MainPlayer();
            CMediaPlayer& second = dlg.SecondPlayer();
            return main.FileName().endsWith(front) && second.FileName().endsWith(rear) && !main.SeekPending() &&
                   !second.SeekPending() && Near(main.GetPosition(), seconds, 0.75) &&
                   Near(second.GetPosition(), main.GetPosition(), 0.3);
        });
    }

    static std::vector<int> SlotsOf(const CPlayerDlg& dlg, EventKind kind, int recording)
    {
        std::vector<int> found;
        for (const DriveEvent& e : dlg.DriveEvents()) {
            if (e.found.event.kind == kind && e.recording == recording)
                found.push_back(e.found.event.slot);
        }
        return found;
    }

    static int RowOf(const CPlayerDlg& dlg, EventKind kind)
    {
        for (std::size_t i = 0; i < dlg.DriveEvents().size(); ++i) {
            if (dlg.DriveEvents()[i].found.event.kind == kind)
                return static_cast<int>(i);
        }
        return -1;
    }

    static QColor PixelOf(QWidget* widget, int x, int y) { return widget->grab().toImage().pixelColor(x, y); }

private slots:
    void init() { ForgetPlayerSettings(); }

    void initTestCase()
    {
        QVERIFY(dir_.isValid());
        // Bookmarks are the user's data: this test's own folder for them.
        qputenv("XDG_DATA_HOME", dir_.filePath("data").toUtf8());
        QDir().mkpath(dir_.filePath("drive"));
        // An impact in each recording: at 14 s into the first, 15 s into the second.
        QCOMPARE(QProcess::execute(MKREC_PATH, {"route", dir_.filePath("route.csv"), "--seconds", "40", "--incidents",
                                                "impact@14,impact@35"}),
                 0);
        QVERIFY(MakeVideo(dir_.filePath("front.mov"), 20, "160x120"));
        QVERIFY(MakeVideo(dir_.filePath("rear.mov"), 20, "160x120", true));
        MkrecPair("A60514081500_0001.MOV", "B60514081500_0002.MOV", 0);
        MkrecPair("A60514081520_0003.MOV", "B60514081520_0004.MOV", 20);
        // Two hours later, a drive of its own (its impact 15 s in).
        QDir().mkpath(dir_.filePath("later"));
        QProcess::execute(MKREC_PATH, {"mov", dir_.filePath("later/A60514101520_0009.MOV"), "--layout", "generic",
                                       "--video", dir_.filePath("front.mov"), "--route", dir_.filePath("route.csv"),
                                       "--from", "20", "--seconds", "20", "--start", QString::number(kStart + 7220)});
    }

    // The seek bar's channel is 675 px with an 18 px thumb, so a position p
    // of its 100 (20 s in 0.2 s steps) lies at 9 + 657 p / 100. The
    // waveform's plot starts 24 px in and spreads its 200 slots over the
    // width left but its right edge.
    void theMarksStandAtTheirMoments()
    {
        auto dlg = Playing("drive");
        QTest::keyClick(dlg.get(), Qt::Key_Space);  // paused, the thumb at the start
        const std::vector<int> impacts = SlotsOf(*dlg, EventKind::Impact, 0);
        QCOMPARE(impacts.size(), std::size_t(1));
        QVERIFY2(std::abs(impacts[0] - 140) <= 2, qPrintable(QString::number(impacts[0])));
        QCOMPARE(SlotsOf(*dlg, EventKind::Impact, 1).size(), std::size_t(1));

        CBitmapSlider* bar = dlg->SeekBar();
        QCOMPARE(bar->width(), 675);
        const int onBar = 9 + 657 * (impacts[0] / 2) / 100;
        QCOMPARE(PixelOf(bar, onBar, bar->height() / 2), kImpactRed);
        QVERIFY(PixelOf(bar, onBar - 12, bar->height() / 2) != kImpactRed);

        CWaveFormCtrl* wave = dlg->Waveform();
        QVERIFY(WaitFor([&] { return wave->Count() == 200; }));
        const int onWave = 24 + static_cast<int>(impacts[0] * static_cast<float>(wave->width() - 1 - 24) / 199.0f);
        QCOMPARE(PixelOf(wave, onWave, 10), kImpactRed);  // the flag above the curves
        QVERIFY(PixelOf(wave, onWave + 12, 10) != kImpactRed);

        // On the map: a dot for each impact of the drive, both recordings'.
        QVERIFY(WaitForMapPage(*dlg->MapView()));
        QVERIFY(WaitFor([&] {
            return Evaluate(dlg->MapView(), "eventsLayer ? eventsLayer.getLayers().length : 0").toInt() == 2;
        }));
        QCOMPARE(Evaluate(dlg->MapView(), "eventsLayer.getLayers()[0].options.fillColor").toString(), kImpactRed.name());

        // Impacts off: the marks go.
        dlg->SetImpactThreshold(0);
        QVERIFY(WaitFor([&] { return !dlg->EventScanRunning() && dlg->SeekBar()->Marks().empty(); }));
        QVERIFY(dlg->DriveEvents().empty());
        QVERIFY(dlg->Waveform()->Marks().empty());
    }

    // Another drive's recording opened: the last one's marks go at once, its own come.
    void theMarksAreTheRecordingsPlaying()
    {
        auto dlg = Playing("drive");
        dlg->ImportFolder(dir_.filePath("later"));
        QVERIFY(WaitFor([&] { return dlg->ListView()->RowCount() == 3; }));
        QCOMPARE(dlg->SeekBar()->Marks().size(), std::size_t(1));
        emit dlg->ListView()->rowDoubleClicked(2);
        QVERIFY(dlg->SeekBar()->Marks().empty());
        QVERIFY(dlg->Waveform()->Marks().empty());
        QVERIFY(EventsMarked(*dlg));
        QCOMPARE(dlg->EventsDrive().size(), std::size_t(1));
        QCOMPARE(dlg->SeekBar()->Marks().size(), std::size_t(1));
        QVERIFY(std::abs(dlg->SeekBar()->Marks()[0].at - 75) <= 1);
    }

    // The events are found without a catalogue that cannot be opened, and
    // the user is told once, not at every drive.
    void aCatalogueThatCannotBeOpenedIsSaidOnce()
    {
        const QString catalogue = QString::fromStdString(EventCatalogue::DefaultPath());
        for (const char* part : {"", "-wal", "-shm"})
            QFile::remove(catalogue + part);
        QVERIFY(QDir().mkpath(catalogue));  // a folder in its place
        QStringList said;
        CPlayerDlg dlg;
        dlg.SetMessageHook([&](const QString& text, bool) { said << text; });
        dlg.show();
        dlg.ImportFolder(dir_.filePath("drive"));
        dlg.ImportFolder(dir_.filePath("later"));
        for (int row : {0, 2}) {
            emit dlg.ListView()->rowDoubleClicked(row);
            QVERIFY(EventsMarked(dlg));
            QCOMPARE(SlotsOf(dlg, EventKind::Impact, 0).size(), std::size_t(1));
        }
        QVERIFY(QDir(catalogue).removeRecursively());
        QCOMPARE(said.size(), 1);
        QVERIFY2(said[0].contains("event catalogue could not be opened"), qPrintable(said[0]));
    }

    void theListShowsTheEventsAndPlaysFromBeforeThem()
    {
        auto dlg = Playing("drive");
        QVERIFY(!dlg->EventsView()->isVisible());
        QTest::keyClick(dlg.get(), Qt::Key_L);
        QVERIFY(dlg->EventsView()->isVisible());
        QVERIFY(!dlg->ListView()->isVisible());
        CSkinListCtrl* list = dlg->EventsView();
        QCOMPARE(list->RowCount(), 2);
        QCOMPARE(list->topLevelItem(0)->text(0), QString("08:15:14"));
        QCOMPARE(list->topLevelItem(0)->text(1), QString("Impact"));
        QCOMPARE(list->topLevelItem(1)->text(0), QString("08:15:35"));
        QVERIFY(list->topLevelItem(1)->text(2).toDouble() >= 0.5);  // the strength in g
        QVERIFY(list->topLevelItem(1)->text(3).endsWith("Km/H"));
        emit list->rowDoubleClicked(1);
        QVERIFY(BothAt(*dlg, "A60514081520_0003.MOV", "B60514081520_0004.MOV", 5));
        QTest::keyClick(dlg.get(), Qt::Key_L);
        QVERIFY(dlg->ListView()->isVisible());
        QVERIFY(!list->isVisible());
    }

    void theEventKeysMoveBothPlayersAcrossTheDrivesFiles()
    {
        auto dlg = Playing("drive");
        QTest::keyClick(dlg.get(), Qt::Key_Space);
        const QString front1 = "A60514081500_0001.MOV", rear1 = "B60514081500_0002.MOV";
        const QString front2 = "A60514081520_0003.MOV", rear2 = "B60514081520_0004.MOV";
        QTest::keyClick(dlg.get(), Qt::Key_E);
        QVERIFY(BothAt(*dlg, front1, rear1, 4));
        QTest::keyClick(dlg.get(), Qt::Key_E);
        QVERIFY(BothAt(*dlg, front2, rear2, 5));
        QVERIFY(EventsMarked(*dlg));
        QTest::keyClick(dlg.get(), Qt::Key_E, Qt::ShiftModifier);
        QVERIFY(BothAt(*dlg, front1, rear1, 4));
        QVERIFY(EventsMarked(*dlg));
        QTest::keyClick(dlg.get(), Qt::Key_E, Qt::ShiftModifier);  // none before the first: it stays
        QVERIFY(BothAt(*dlg, front1, rear1, 4));
    }

    void aBookmarkOutlivesTheWindowAndFollowsACopy()
    {
        {
            auto dlg = Playing("drive");
            QTest::keyClick(dlg.get(), Qt::Key_Space);
            QVERIFY(WaitFor([&] { return dlg->MainPlayer().GetState() == Paused; }));
            dlg->SeekPairBy(7 - dlg->MainPlayer().GetPosition());
            QVERIFY(WaitFor([&] { return !dlg->MainPlayer().SeekPending(); }));
            dlg->SetNoteHook([] { return std::optional<QString>("  kerb on the right  "); });
            QTest::keyClick(dlg.get(), Qt::Key_B, Qt::ShiftModifier);
            QVERIFY(WaitFor([&] { return RowOf(*dlg, EventKind::Bookmark) >= 0 && !dlg->EventScanRunning(); }));
            const TrackEvent mark = dlg->DriveEvents()[static_cast<std::size_t>(RowOf(*dlg, EventKind::Bookmark))].found.event;
            QCOMPARE(mark.slot, 70);
            QCOMPARE(mark.note, std::string("kerb on the right"));
            QVERIFY(!mark.latitude.empty());
            // A plain one, two seconds on.
            dlg->SeekPairBy(9 - dlg->MainPlayer().GetPosition());
            QVERIFY(WaitFor([&] { return !dlg->MainPlayer().SeekPending(); }));
            QTest::keyClick(dlg.get(), Qt::Key_B);
            QVERIFY(WaitFor([&] { return SlotsOf(*dlg, EventKind::Bookmark, 0).size() == 2 && !dlg->EventScanRunning(); }));
            QCOMPARE(SlotsOf(*dlg, EventKind::Bookmark, 0), (std::vector<int>{70, 90}));
            // The first one's mark on the seek bar, in the bookmarks' colour (the second is under the thumb).
            QCOMPARE(PixelOf(dlg->SeekBar(), 9 + 657 * 35 / 100, dlg->SeekBar()->height() / 2), kBookmarkYellow);
            // A note dialog cancelled keeps no bookmark.
            dlg->SetNoteHook([] { return std::optional<QString>(); });
            QTest::keyClick(dlg.get(), Qt::Key_B, Qt::ShiftModifier);
            QTest::qWait(0);
            QCOMPARE(dlg->BackgroundReads(), 0);
        }
        // The recording copied to another folder, under another name: a new window finds its bookmark.
        QDir().mkpath(dir_.filePath("copy"));
        QVERIFY(QFile::copy(dir_.filePath("drive/A60514081500_0001.MOV"), dir_.filePath("copy/A60514081500_0001.MOV")));
        auto dlg = Playing("copy");
        const int row = RowOf(*dlg, EventKind::Bookmark);
        QVERIFY(row >= 0);
        QCOMPARE(dlg->DriveEvents()[static_cast<std::size_t>(row)].found.event.slot, 70);
        QTest::keyClick(dlg.get(), Qt::Key_L);
        QCOMPARE(dlg->EventsView()->topLevelItem(row)->text(4), QString("kerb on the right"));
        // Removed from the list: gone, here and in the store.
        dlg->EventsView()->SelectRow(row);
        QTest::keyClick(dlg->EventsView(), Qt::Key_Delete);
        QVERIFY(WaitFor([&] { return SlotsOf(*dlg, EventKind::Bookmark, 0).size() == 1 && !dlg->EventScanRunning(); }));
        dlg.reset();
        auto again = Playing("drive");
        QCOMPARE(SlotsOf(*again, EventKind::Bookmark, 0), std::vector<int>{90});
    }
};

DUALDASH_PLAYER_TEST_MAIN(PlayerEventsTest)
#include "player_events_test.moc"
