// Clips in the window: the marks of a clip's start and end on the seek bar,
// the stretch they make across the drive's files, "Save clip…" around an
// event, the dialog's choices kept from one window to the next, the question
// before a file is replaced, and a clip made, or cancelled leaving nothing.

#include "WaitFor.h"
#include "MediaFiles.h"
#include "PlayerTestMain.h"
#include "app/ClipDialog.h"
#include "app/ClipProgressPanel.h"
#include "app/PlayerDlg.h"
#include "skin/BitmapSlider.h"
#include "skin/PngButton.h"
#include "skin/SkinListCtrl.h"

#include <QCheckBox>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTimer>

namespace {

constexpr qint64 kStart = 1463213700;  // 2016-05-14 08:15:00 UTC
const QColor kClipColour(0, 220, 235);
const char* const kFronts[] = {"A60514081500_0001.MOV", "A60514081520_0003.MOV", "A60514081540_0005.MOV"};
const char* const kRears[] = {"B60514081500_0002.MOV", "B60514081520_0004.MOV", "B60514081540_0006.MOV"};
constexpr double kFileSeconds = 20;

bool Near(double a, double b, double within)
{
    return std::abs(a - b) < within;
}

// The seek bar's channel is 675 px with an 18 px thumb, so a position p of
// its 100 (a 20 s recording in 0.2 s steps) lies at 9 + 657 p / 100.
int BarPixel(double seconds)
{
    return 9 + 657 * static_cast<int>(seconds * 5) / 100;
}

QColor PixelOf(QWidget* widget, int x, int y)
{
    return widget->grab().toImage().pixelColor(x, y);
}

// A piece as the test expects it: which recording of the drive, and from when to when.
struct Expected {
    int recording;
    double from, to;
};

void CheckPieces(const std::vector<ClipPiece>& pieces, const std::vector<Expected>& expected)
{
    QCOMPARE(pieces.size(), expected.size());
    for (std::size_t i = 0; i < pieces.size(); ++i) {
        const Expected& e = expected[i];
        QVERIFY2(QString::fromStdString(pieces[i].front).endsWith(kFronts[e.recording]), pieces[i].front.c_str());
        QVERIFY2(QString::fromStdString(pieces[i].rear).endsWith(kRears[e.recording]), pieces[i].rear.c_str());
        QVERIFY2(Near(pieces[i].from, e.from, 0.05), qPrintable(QString("piece %1 from %2").arg(i).arg(pieces[i].from)));
        QVERIFY2(Near(pieces[i].to, e.to, 0.05), qPrintable(QString("piece %1 to %2").arg(i).arg(pieces[i].to)));
    }
}

}  // namespace

class PlayerClipTest : public QObject {
    Q_OBJECT
private:
    QTemporaryDir dir_;
    QStringList said_;

    void MkrecPair(int k)
    {
        const int from = static_cast<int>(k * kFileSeconds);
        for (const auto& [name, video] : {std::pair{kFronts[k], "front.mov"}, std::pair{kRears[k], "rear.mov"}}) {
            QProcess::execute(MKREC_PATH, {"mov", dir_.filePath("drive/") + name, "--layout", "generic", "--video",
                                           dir_.filePath(video), "--route", dir_.filePath("route.csv"), "--from",
                                           QString::number(from), "--seconds", QString::number(kFileSeconds), "--start",
                                           QString::number(kStart + from)});
        }
    }

    // The window playing the drive's first recording, paused, once the
    // drive and its events are known.
    std::unique_ptr<CPlayerDlg> PausedOnDrive()
    {
        auto dlg = std::make_unique<CPlayerDlg>();
        dlg->SetMessageHook([this](const QString& text, bool) { said_ << text; });
        dlg->show();
        dlg->ImportFolder(dir_.filePath("drive"));
        emit dlg->ListView()->rowDoubleClicked(0);
        [&] { QVERIFY(DriveKnown(*dlg)); }();
        QTest::keyClick(dlg.get(), Qt::Key_Space);
        [&] { QVERIFY(WaitFor([&] { return dlg->MainPlayer().GetState() == Paused; })); }();
        return dlg;
    }

    static bool DriveKnown(CPlayerDlg& dlg)
    {
        return WaitFor([&] {
            return dlg.TrackReady() && !dlg.EventScanRunning() && dlg.DriveShown().size() == 3 &&
                   dlg.EventsDrive().size() == 3 && dlg.BackgroundReads() == 0;
        });
    }

    // The pair at `seconds` of its recording, the seek landed.
    static bool At(CPlayerDlg& dlg, double seconds)
    {
        dlg.SeekPairBy(seconds - dlg.MainPlayer().GetPosition());
        return WaitFor([&] { return !dlg.MainPlayer().SeekPending() && Near(dlg.MainPlayer().GetPosition(), seconds, 0.02); });
    }

    // The next recording of the drive, paused.
    static bool Next(CPlayerDlg& dlg)
    {
        dlg.OnBnClickedNext();
        if (!WaitFor([&] { return dlg.MainPlayer().GetState() == Running; }))
            return false;
        QTest::keyClick(&dlg, Qt::Key_Space);
        return WaitFor([&] { return dlg.MainPlayer().GetState() == Paused && dlg.TrackReady() && dlg.BackgroundReads() == 0; });
    }

    // Marks from `from` s of the first recording to `to` s of the `toFile`th.
    static bool Marked(CPlayerDlg& dlg, double from, int toFile, double to)
    {
        if (!At(dlg, from))
            return false;
        QTest::keyClick(&dlg, Qt::Key_I);
        for (int k = 0; k < toFile; ++k) {
            if (!Next(dlg))
                return false;
        }
        if (!At(dlg, to))
            return false;
        QTest::keyClick(&dlg, Qt::Key_O);
        return true;
    }

    // The request the dialog gives after `choose` (nothing: cancelled, and none made).
    static std::optional<ClipRequest> AskedFor(CPlayerDlg& dlg, const std::function<void()>& save,
                                               const std::function<bool(ClipDialog&)>& choose = {})
    {
        std::optional<ClipRequest> asked;
        dlg.SetClipDialogHook([&](ClipDialog& dialog) {
            const bool answer = choose ? choose(dialog) : false;
            asked = dialog.Request();
            return answer;
        });
        save();
        WaitFor([&] { return asked.has_value(); });
        dlg.SetClipDialogHook({});
        return asked;
    }

    static void Choose(ClipDialog& dialog, const char* camera, bool overlays, const QString& output, int size = 0)
    {
        dialog.findChild<QRadioButton*>(camera)->setChecked(true);
        for (const char* name : {"time", "speed", "position", "g", "route"})
            dialog.findChild<QCheckBox*>(name)->setChecked(overlays);
        QComboBox* sizes = dialog.findChild<QComboBox*>("size");
        sizes->setCurrentIndex(sizes->findData(size));
        dialog.OutputEdit()->setText(output);
    }

    // Everything in `folder`, hidden files too.
    static QStringList Contents(const QString& folder)
    {
        return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    }

private slots:
    void init()
    {
        ForgetPlayerSettings();
        said_.clear();
    }

    void initTestCase()
    {
        QVERIFY(dir_.isValid());
        qputenv("XDG_DATA_HOME", dir_.filePath("data").toUtf8());
        QDir().mkpath(dir_.filePath("drive"));
        // Impacts 8 s into the first recording and 13 s into the third.
        QCOMPARE(QProcess::execute(MKREC_PATH, {"route", dir_.filePath("route.csv"), "--seconds", "60", "--incidents",
                                                "impact@8,impact@53"}),
                 0);
        QVERIFY(MakeVideo(dir_.filePath("front.mov"), 20, "160x120"));
        QVERIFY(MakeVideo(dir_.filePath("rear.mov"), 20, "160x120", true));
        for (int k = 0; k < 3; ++k)
            MkrecPair(k);
    }

    void theMarksStandOnTheSeekBarOfTheirFiles()
    {
        auto dlg = PausedOnDrive();
        CBitmapSlider* bar = dlg->SeekBar();
        QCOMPARE(bar->width(), 675);
        const int middle = bar->height() / 2;
        QVERIFY(At(*dlg, 18));  // the thumb away from what is looked at, and from the impact at 8 s
        const QColor plainInside = PixelOf(bar, BarPixel(6), middle), plainOutside = PixelOf(bar, 60, middle);
        QVERIFY(Marked(*dlg, 4, 0, 12));
        QVERIFY(At(*dlg, 18));
        QCOMPARE(PixelOf(bar, BarPixel(4), middle), kClipColour);
        QCOMPARE(PixelOf(bar, BarPixel(12), middle), kClipColour);
        QVERIFY(PixelOf(bar, BarPixel(6), middle) != plainInside);  // shaded between them
        QCOMPARE(PixelOf(bar, 60, middle), plainOutside);
        QVERIFY(PixelOf(bar, BarPixel(12) + 12, middle) != kClipColour);

        // Escape clears them and leaves the window open.
        QTest::keyClick(dlg.get(), Qt::Key_Escape);
        QVERIFY(dlg->isVisible());
        QVERIFY(!bar->Span());
        QCOMPARE(PixelOf(bar, BarPixel(4), middle), PixelOf(bar, BarPixel(4) - 20, middle));
        QCOMPARE(PixelOf(bar, BarPixel(6), middle), plainInside);

        // From 12 s of the first recording to 6 s of the second: the second
        // is shaded from its start to its end mark, the third shows nothing.
        QVERIFY(Marked(*dlg, 12, 1, 6));
        QVERIFY(At(*dlg, 18));
        QCOMPARE(PixelOf(bar, BarPixel(6), middle), kClipColour);
        QVERIFY(PixelOf(bar, BarPixel(3), middle) != plainOutside);
        QVERIFY(PixelOf(bar, BarPixel(12), middle) != kClipColour);
        QVERIFY(Next(*dlg));
        QVERIFY(!bar->Span());
        emit dlg->ListView()->rowDoubleClicked(0);
        QVERIFY(WaitFor([&] { return dlg->MainPlayer().FileName().endsWith(kFronts[0]); }));
        QVERIFY(bar->Span());
        QCOMPARE(bar->Span()->fromShown, true);
        QCOMPARE(bar->Span()->toShown, false);
    }

    // The marks as the dialog passes them on: a piece of each file, both
    // cameras' files, the player's swap.
    void marksAcrossTwoFilesMakeAPieceOfEach()
    {
        auto dlg = PausedOnDrive();
        QVERIFY(Marked(*dlg, 12, 1, 6));
        std::optional<ClipRequest> asked = AskedFor(*dlg, [&] { QTest::keyClick(dlg.get(), Qt::Key_S, Qt::ControlModifier); });
        QVERIFY(asked);
        CheckPieces(asked->pieces, {{0, 12, kFileSeconds}, {1, 0, 6}});
        QVERIFY(!asked->swapped);
        QVERIFY(QString::fromStdString(asked->output).endsWith("A60514081500_0001_clip_0m12s.mp4"));
        dlg->Button(1039)->click();  // Swap
        QVERIFY(dlg->Swapped());
        asked = AskedFor(*dlg, [&] { dlg->SaveClip(); });
        QVERIFY(asked && asked->swapped);
        QVERIFY(said_.isEmpty());
    }

    // From the seek bar's mark and from the events list: 15 s either side,
    // across the cut between files, never before the drive's start or past its end.
    void anEventsClipTakes15SecondsEitherSide()
    {
        auto dlg = PausedOnDrive();
        QCOMPARE(dlg->DriveEvents().size(), std::size_t(2));
        const DriveEvent first = dlg->DriveEvents()[0], last = dlg->DriveEvents()[1];
        QCOMPARE(first.recording, 0);
        QCOMPARE(last.recording, 2);
        const double t0 = first.found.event.Seconds(), t2 = last.found.event.Seconds();
        QVERIFY(Near(t0, 8, 0.3) && Near(t2, 13, 0.3));

        // A right click on the first impact's mark, its menu's "Save clip…".
        QTimer chooser;
        connect(&chooser, &QTimer::timeout, [&] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            if (!menu)
                return;
            for (QAction* action : menu->actions()) {
                if (action->text() == "Save clip…")
                    action->trigger();
            }
            menu->close();
        });
        chooser.start(10);
        CBitmapSlider* bar = dlg->SeekBar();
        std::optional<ClipRequest> asked = AskedFor(*dlg, [&] {
            const QPoint at(BarPixel(t0) + 2, bar->height() / 2);
            QContextMenuEvent click(QContextMenuEvent::Mouse, at, bar->mapToGlobal(at));
            QApplication::sendEvent(bar, &click);
        });
        chooser.stop();
        QVERIFY(asked);
        CheckPieces(asked->pieces, {{0, 0, kFileSeconds}, {1, 0, t0 + 15 - kFileSeconds}});

        // The last impact's row of the events list.
        asked = AskedFor(*dlg, [&] { dlg->SaveEventClip(1); });
        QVERIFY(asked);
        CheckPieces(asked->pieces, {{1, t2 - 15 + kFileSeconds, kFileSeconds}, {2, 0, kFileSeconds}});
    }

    // What is chosen once is offered in the next window; one camera without
    // overlays at its own size is said to be copied.
    void theDialogsChoicesAreRemembered()
    {
        const QString out = dir_.filePath("remembered");
        QDir().mkpath(out);
        {
            auto dlg = PausedOnDrive();
            QVERIFY(Marked(*dlg, 2, 0, 3));
            QSignalSpy finished(dlg.get(), &CPlayerDlg::clipFinished);
            const auto asked = AskedFor(*dlg, [&] { dlg->SaveClip(); }, [&](ClipDialog& d) {
                Choose(d, "front", false, out + "/copy.mp4");
                [&] {
                    QVERIFY(d.CopyNote()->isVisibleTo(&d));
                    QVERIFY(!d.findChild<QComboBox*>("quality")->isEnabled());
                    d.findChild<QRadioButton*>("both")->setChecked(true);
                    QVERIFY(!d.CopyNote()->isVisibleTo(&d));
                    QVERIFY(d.findChild<QComboBox*>("layout")->isEnabled());
                }();
                d.findChild<QComboBox*>("layout")->setCurrentIndex(2);  // stacked
                d.findChild<QCheckBox*>("time")->setChecked(true);
                d.findChild<QComboBox*>("zone")->setCurrentIndex(1);    // local time
                d.findChild<QCheckBox*>("g")->setChecked(true);
                d.findChild<QCheckBox*>("sound")->setChecked(false);
                d.findChild<QComboBox*>("quality")->setCurrentIndex(2);  // small
                d.findChild<QComboBox*>("size")->setCurrentIndex(2);     // 720p
                return true;
            });
            QVERIFY(asked);
            QVERIFY(WaitFor([&] { return finished.size() == 1; }));
        }
        auto dlg = PausedOnDrive();
        QVERIFY(Marked(*dlg, 2, 0, 3));
        const auto asked = AskedFor(*dlg, [&] { dlg->SaveClip(); });
        QVERIFY(asked);
        QCOMPARE(asked->cameras, ClipCameras::Both);
        QCOMPARE(asked->layout, ClipLayout::Stacked);
        QCOMPARE(asked->overlays.time, true);
        QCOMPARE(asked->overlays.localTime, true);
        QCOMPARE(asked->overlays.speed, false);
        QCOMPARE(asked->overlays.position, false);
        QCOMPARE(asked->overlays.g, true);
        QCOMPARE(asked->overlays.route, false);
        QCOMPARE(asked->sound, false);
        QCOMPARE(asked->quality, 28);
        QCOMPARE(asked->height, 720);
        QCOMPARE(QFileInfo(QString::fromStdString(asked->output)).absolutePath(), QFileInfo(out).absoluteFilePath());
    }

    // The clip's file or its GPX there already: asked first; no leaves both
    // as they were and makes nothing. An input is never the output.
    void replacingAFileIsAskedFirst()
    {
        const QString out = dir_.filePath("replace");
        const QString input = dir_.filePath("drive/") + kFronts[0];
        const QByteArray inputBytes = [&] {
            QFile f(input);
            return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
        }();
        for (const QString& there : {out + "/clip.mp4", out + "/clip.gpx"}) {
            QDir(out).removeRecursively();
            QDir().mkpath(out);
            QFile existing(there);
            QVERIFY(existing.open(QIODevice::WriteOnly));
            existing.write("the user's own");
            existing.close();
            auto dlg = PausedOnDrive();
            QVERIFY(Marked(*dlg, 2, 0, 4));
            QStringList asked;
            dlg->SetReplaceHook([&](const QString& file) {
                asked << file;
                return false;
            });
            QSignalSpy finished(dlg.get(), &CPlayerDlg::clipFinished);
            QVERIFY(AskedFor(*dlg, [&] { dlg->SaveClip(); }, [&](ClipDialog& d) {
                Choose(d, "front", true, out + "/clip.mp4");
                return true;
            }));
            QCOMPARE(asked, QStringList{there});
            QVERIFY(!dlg->ClipRunning());
            QCOMPARE(Contents(out), QStringList{QFileInfo(there).fileName()});
            QVERIFY(existing.open(QIODevice::ReadOnly));
            QCOMPARE(existing.readAll(), QByteArray("the user's own"));
            existing.close();

            // The first recording named as the output: refused, without a question.
            QVERIFY(AskedFor(*dlg, [&] { dlg->SaveClip(); }, [&](ClipDialog& d) {
                Choose(d, "front", false, input);
                return true;
            }));
            QCOMPARE(asked.size(), 1);
            QVERIFY(!dlg->ClipRunning());
            QVERIFY(!said_.isEmpty() && said_.last().contains("one of the clip's recordings"));
            QTest::qWait(0);
            QCOMPARE(finished.size(), 0);
        }
        QFile f(input);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QVERIFY(f.readAll() == inputBytes);
    }

    // A long clip cancelled as soon as it has begun, with Cancel or by
    // closing the window: nothing left in the folder, not even a hidden
    // partial file.
    void aCancelledClipLeavesNothingBehind_data()
    {
        QTest::addColumn<bool>("closing");
        QTest::newRow("Cancel") << false;
        QTest::newRow("closing the window") << true;
    }

    void aCancelledClipLeavesNothingBehind()
    {
        QFETCH(bool, closing);
        const QString out = dir_.filePath(closing ? "closed" : "cancel");
        QDir().mkpath(out);
        auto dlg = PausedOnDrive();
        QVERIFY(Marked(*dlg, 0, 2, kFileSeconds - 0.5));
        QSignalSpy finished(dlg.get(), &CPlayerDlg::clipFinished);
        QVERIFY(AskedFor(*dlg, [&] { dlg->SaveClip(); }, [&](ClipDialog& d) {
            Choose(d, "both", true, out + "/long.mp4", 720);
            return true;
        }));
        ClipProgressPanel* panel = dlg->ClipProgress();
        QVERIFY(WaitFor([&] { return (panel->isVisible() && panel->Bar()->value() > 0) || !finished.isEmpty(); }));
        QVERIFY2(finished.isEmpty(), "the clip ended before it could be cancelled");
        if (closing) {
            dlg->reject();  // returns once the clip's thread has ended
            QVERIFY(!dlg->ClipRunning());
            QCOMPARE(Contents(out), QStringList());
            QTest::qWait(0);
            QVERIFY(finished.isEmpty());  // nothing is said to a window closed
            return;
        }
        QTest::mouseClick(panel->CancelButton(), Qt::LeftButton);
        QVERIFY(WaitFor([&] { return !finished.isEmpty(); }));
        QCOMPARE(finished[0][1].toBool(), false);
        QCOMPARE(finished[0][2].toBool(), true);
        QVERIFY(!panel->isVisible());
        QCOMPARE(Contents(out), QStringList());
        QVERIFY(!said_.isEmpty() && said_.last().contains("cancelled"));
    }

    // Both cameras with everything drawn in, and one camera copied: each
    // written whole under its name, said, and the progress gone.
    void aFinishedClipIsReported()
    {
        const QString out = dir_.filePath("done");
        QDir().mkpath(out);
        auto dlg = PausedOnDrive();
        QVERIFY(Marked(*dlg, 2, 0, 6));
        for (const auto& [camera, overlays, name] : {std::tuple{"both", true, "both.mp4"}, std::tuple{"front", false, "copy.mp4"}}) {
            QSignalSpy finished(dlg.get(), &CPlayerDlg::clipFinished);
            QVERIFY(AskedFor(*dlg, [&] { dlg->SaveClip(); }, [&](ClipDialog& d) {
                Choose(d, camera, overlays, out + "/" + name);
                return true;
            }));
            QVERIFY(WaitFor([&] { return !finished.isEmpty(); }, 120000));
            QVERIFY2(finished[0][1].toBool(), qPrintable(said_.join("; ")));
            QCOMPARE(finished[0][0].toString(), out + "/" + name);
            QVERIFY(!dlg->ClipProgress()->isVisible());
            QVERIFY(QFileInfo(out + "/" + name).size() > 0);
            QVERIFY(said_.last().contains(name));
            QCOMPARE(said_.last().contains("Copied as recorded"), !overlays);
        }
        // Only the clips and their GPX files: no partial file stays beside them.
        for (const QString& file : Contents(out))
            QVERIFY2(file.endsWith(".mp4") || file.endsWith(".gpx"), qPrintable(file));
    }
};

DUALDASH_PLAYER_TEST_MAIN(PlayerClipTest)
#include "player_clip_test.moc"
