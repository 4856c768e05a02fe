// The keys of Linux video players on the window, with a real pair of
// recordings: positions, speeds, volume, views and the commands they reach.

#include "WaitFor.h"
#include "MediaFiles.h"
#include "PlayerTestMain.h"
#include "app/PlayerDlg.h"
#include "map/DlgMap.h"
#include "skin/BitmapSlider.h"
#include "skin/SkinListCtrl.h"
#include "widgets/DlgVideoView.h"

#include <QLabel>
#include <QPrinter>
#include <QSignalSpy>

namespace {

bool Near(double a, double b, double within = 0.02)
{
    return std::abs(a - b) < within;
}

}  // namespace

class PlayerKeysTest : public QObject {
    Q_OBJECT
private:
    QTemporaryDir dir_;

    QString Mkrec(const QString& name, const QString& video, int from)
    {
        const QString path = dir_.filePath("pair/" + name);
        QProcess::execute(MKREC_PATH, {"mov", path, "--layout", "generic", "--video", dir_.filePath(video), "--route",
                                       dir_.filePath("route.csv"), "--from", QString::number(from), "--seconds", "12"});
        return path;
    }

    // The window playing the first pair, paused on its first frame.
    std::unique_ptr<CPlayerDlg> PausedPair()
    {
        auto dlg = std::make_unique<CPlayerDlg>();
        dlg->SetMessageHook([](const QString&, bool) {});
        dlg->show();
        dlg->ImportFolder(dir_.filePath("pair"));
        emit dlg->ListView()->rowDoubleClicked(0);
        QTest::keyClick(dlg.get(), Qt::Key_Space);
        return dlg;
    }

    // Both players at `seconds`, once their seeks have landed.
    static bool BothAt(CPlayerDlg& dlg, double seconds)
    {
        return WaitFor([&] {
            return !dlg.MainPlayer().SeekPending() && !dlg.SecondPlayer().SeekPending() &&
                   Near(dlg.MainPlayer().GetPosition(), seconds) && Near(dlg.SecondPlayer().GetPosition(), seconds);
        });
    }

private slots:
    void init() { ForgetPlayerSettings(); }

    void initTestCase()
    {
        QVERIFY(dir_.isValid());
        QDir().mkpath(dir_.filePath("pair"));
        QCOMPARE(QProcess::execute(MKREC_PATH, {"route", dir_.filePath("route.csv"), "--seconds", "30"}), 0);
        QVERIFY(MakeVideo(dir_.filePath("front.mov"), 12, "160x120"));
        QVERIFY(MakeVideo(dir_.filePath("rear.mov"), 12, "160x120", true));
        Mkrec("A60514081500_0001.MOV", "front.mov", 0);
        Mkrec("B60514081500_0002.MOV", "rear.mov", 0);
        Mkrec("A60514081600_0003.MOV", "front.mov", 12);
    }

    void spaceAndTheSeekKeysMoveThePair()
    {
        auto dlg = PausedPair();
        QCOMPARE(dlg->MainPlayer().GetState(), Paused);
        QCOMPARE(dlg->SecondPlayer().GetState(), Paused);
        QVERIFY(BothAt(*dlg, 0));
        const struct {
            Qt::Key key;
            Qt::KeyboardModifiers modifiers;
            double to;
        } moves[] = {{Qt::Key_Right, Qt::NoModifier, 5}, {Qt::Key_Right, Qt::ShiftModifier, 6},
                     {Qt::Key_Left, Qt::ShiftModifier, 5}, {Qt::Key_Left, Qt::NoModifier, 0},
                     {Qt::Key_Up, Qt::NoModifier, 11.9}, {Qt::Key_Left, Qt::NoModifier, 6.9},
                     {Qt::Key_Down, Qt::NoModifier, 0}};
        for (const auto& m : moves) {
            QTest::keyClick(dlg.get(), m.key, m.modifiers);
            QVERIFY2(BothAt(*dlg, m.to), qPrintable(QString("to %1: %2").arg(m.to).arg(dlg->MainPlayer().GetPosition())));
            QCOMPARE(dlg->SeekBar()->GetPos(), static_cast<int>(m.to * 1000 / 200));  // paused, the bar follows too
        }
        // The keys work wherever the keyboard is: here on the seek bar's neighbour, the map.
        dlg->MapView()->setFocus();
        QTest::keyClick(dlg->MapView(), Qt::Key_Right);
        QVERIFY(BothAt(*dlg, 5));
        QTest::keyClick(dlg.get(), Qt::Key_Space);
        QCOMPARE(dlg->MainPlayer().GetState(), Running);
        QCOMPARE(dlg->SecondPlayer().GetState(), Running);
        QTest::keyClick(dlg.get(), Qt::Key_Space);
        QCOMPARE(dlg->MainPlayer().GetState(), Paused);
    }

    void framesStepBothWays()
    {
        auto dlg = PausedPair();
        QTest::keyClick(dlg.get(), Qt::Key_Right);
        QVERIFY(BothAt(*dlg, 5));
        QTest::keyClick(dlg.get(), Qt::Key_Period);
        QVERIFY(BothAt(*dlg, 5 + 1.0 / 30));
        QTest::keyClick(dlg.get(), Qt::Key_Comma);
        QVERIFY(BothAt(*dlg, 5));
        QTest::keyClick(dlg.get(), Qt::Key_Comma);
        QVERIFY2(BothAt(*dlg, 5 - 1.0 / 30), qPrintable(QString::number(dlg->MainPlayer().GetPosition())));
        QCOMPARE(dlg->MainPlayer().GetState(), Paused);
    }

    void speedsForThePairShownWhileNotNormal()
    {
        auto dlg = PausedPair();
        QVERIFY(!dlg->RateText()->isVisible());
        QTest::keyClick(dlg.get(), Qt::Key_BracketRight);
        QCOMPARE(dlg->MainPlayer().GetRate(), 2.0);
        QCOMPARE(dlg->SecondPlayer().GetRate(), 2.0);
        QVERIFY(dlg->RateText()->isVisible());
        QCOMPARE(dlg->RateText()->text(), QString("2x"));
        for (int i = 0; i < 5; ++i)
            QTest::keyClick(dlg.get(), Qt::Key_BracketRight);
        QCOMPARE(dlg->MainPlayer().GetRate(), 8.0);  // the fastest forward rate, no further
        QTest::keyClick(dlg.get(), Qt::Key_BracketLeft);
        QCOMPARE(dlg->SecondPlayer().GetRate(), 3.0);
        // Space keeps the speed, for both. (How closely the rear keeps up at
        // it is measured by bench/rear_sync_bench --rate 3.)
        const double from = dlg->MainPlayer().GetPosition();
        QTest::keyClick(dlg.get(), Qt::Key_Space);
        QCOMPARE(dlg->MainPlayer().GetState(), Running);
        QCOMPARE(dlg->SecondPlayer().GetState(), Running);
        QVERIFY(WaitFor([&] { return dlg->SecondPlayer().GetPosition() > from + 1.5; }));
        QCOMPARE(dlg->MainPlayer().GetRate(), 3.0);
        QCOMPARE(dlg->SecondPlayer().GetRate(), 3.0);
        QTest::keyClick(dlg.get(), Qt::Key_Backspace);
        QCOMPARE(dlg->MainPlayer().GetRate(), 1.0);
        QVERIFY(!dlg->RateText()->isVisible());
    }

    // The Play button plays at 1x: the badge goes and [ ] step from there.
    void thePlayButtonsNormalSpeedIsShown()
    {
        auto dlg = PausedPair();
        for (int i = 0; i < 3; ++i)
            QTest::keyClick(dlg.get(), Qt::Key_BracketRight);
        QCOMPARE(dlg->RateText()->text(), QString("8x"));
        dlg->OnBnClickedPlay();
        QCOMPARE(dlg->MainPlayer().GetRate(), 1.0);
        QVERIFY(!dlg->RateText()->isVisible());
        QCOMPARE(dlg->RateIndex(), 0);
        QTest::keyClick(dlg.get(), Qt::Key_BracketRight);
        QCOMPARE(dlg->MainPlayer().GetRate(), 2.0);
        QCOMPARE(dlg->RateText()->text(), QString("2x"));
    }

    void volumeAndMute()
    {
        auto dlg = PausedPair();
        QCOMPARE(dlg->MainPlayer().GetVolumeLevel(), 10);
        QTest::keyClick(dlg.get(), Qt::Key_9);
        QTest::keyClick(dlg.get(), Qt::Key_9);
        QCOMPARE(dlg->MainPlayer().GetVolumeLevel(), 8);
        QCOMPARE(dlg->VolumeBarLevelShown(8), 0);
        QTest::keyClick(dlg.get(), Qt::Key_0);
        QCOMPARE(dlg->MainPlayer().GetVolumeLevel(), 9);
        QTest::keyClick(dlg.get(), Qt::Key_M);
        QVERIFY(dlg->MainPlayer().IsMuted());
        QTest::keyClick(dlg.get(), Qt::Key_M);
        QVERIFY(!dlg->MainPlayer().IsMuted());
    }

    void fullScreenThenEscapeThenEscapeCloses()
    {
        auto dlg = PausedPair();
        QTest::keyClick(dlg.get(), Qt::Key_F);
        QVERIFY(dlg->MainView()->IsFullScreen());
        QTest::keyClick(dlg.get(), Qt::Key_Escape);
        QVERIFY(!dlg->MainView()->IsFullScreen());
        QVERIFY(dlg->isVisible());
        QTest::keyClick(dlg.get(), Qt::Key_F11);
        QVERIFY(dlg->MainView()->IsFullScreen());
        QTest::keyClick(dlg->MainView(), Qt::Key_Escape);  // from the picture itself
        QVERIFY(!dlg->MainView()->IsFullScreen());
        QTest::keyClick(dlg.get(), Qt::Key_Escape);
        QVERIFY(!dlg->isVisible());
    }

    void recordingsAndCommands()
    {
        auto dlg = PausedPair();
        QTest::keyClick(dlg.get(), Qt::Key_PageDown);
        QCOMPARE(dlg->MainPlayer().FileName(), dir_.filePath("pair/A60514081600_0003.MOV"));
        QTest::keyClick(dlg.get(), Qt::Key_PageUp);
        QCOMPARE(dlg->MainPlayer().FileName(), dir_.filePath("pair/A60514081500_0001.MOV"));
        int folders = 0, captures = 0, prints = 0;
        dlg->SetFolderHook([&] { ++folders; return QString(); });
        dlg->SetSaveNameHook([&](const QString&) { ++captures; return QString(); });
        dlg->SetPrinterHook([&](QPrinter&) { ++prints; return false; });
        QTest::keyClick(dlg.get(), Qt::Key_O, Qt::ControlModifier);
        QTest::keyClick(dlg.get(), Qt::Key_S);
        QTest::keyClick(dlg.get(), Qt::Key_P, Qt::ControlModifier);
        QCOMPARE(folders, 1);
        QCOMPARE(captures, 1);
        QCOMPARE(prints, 1);
    }

    void helpListsTheKeysAndAnyKeyClosesIt()
    {
        CPlayerDlg dlg;
        dlg.show();
        QTest::keyClick(&dlg, Qt::Key_F1);
        QVERIFY(dlg.KeyHelp()->isVisible());
        for (const char* key : {"Space", "PgUp / PgDn", "Ctrl+O", "[ / ]", "f, F11", "Backspace"})
            QVERIFY2(dlg.KeyHelp()->text().contains(QString(key).toHtmlEscaped()), key);
        QTest::keyClick(&dlg, Qt::Key_Escape);  // closes the help, not the window
        QVERIFY(!dlg.KeyHelp()->isVisible());
        QVERIFY(dlg.isVisible());
        QTest::keyClick(&dlg, Qt::Key_Question, Qt::ShiftModifier);
        QVERIFY(dlg.KeyHelp()->isVisible());
    }
};

DUALDASH_PLAYER_TEST_MAIN(PlayerKeysTest)
#include "player_keys_test.moc"
