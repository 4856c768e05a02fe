#include "WaitFor.h"
#include "PlayerTestMain.h"
#include "TestFiles.h"
#include "app/PlayerDlg.h"
#include "skin/BitmapSlider.h"
#include "skin/Layout.h"
#include "skin/PngButton.h"
#include "skin/ResourceImage.h"
#include "skin/SkinListCtrl.h"
#include "widgets/DlgVideoView.h"
#include "widgets/SpeedDash.h"
#include "widgets/WaveFormCtrl.h"

#include <QLabel>
#include <QMimeData>
#include <QTimer>
#include <fstream>

namespace {

QImage Shot(QWidget& w)
{
    return w.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

std::vector<std::string> ListNames(CSkinListCtrl* list)
{
    std::vector<std::string> names;
    for (int i = 0; i < list->RowCount(); ++i)
        names.push_back(list->topLevelItem(i)->text(1).toStdString());
    return names;
}

}  // namespace

class PlayerWindowTest : public QObject {
    Q_OBJECT
private slots:
    void init() { ForgetPlayerSettings(); }

    void controlsSitWhereTheTemplatePutsThem()
    {
        CPlayerDlg dlg;
        QCOMPARE(dlg.size(), QSize(1024, 768));
        QCOMPARE(DialogRect(177, 301, 30, 26).topLeft(), QPoint(310, 527));
        QCOMPARE(dlg.Button(1008)->geometry(), QRect(310, 527, 52, 51));  // resized to its picture
        QCOMPARE(dlg.Button(1005)->geometry(), QRect(693, 37, 65, 29));
        QCOMPARE(dlg.Button(1025)->geometry().size(), QSize(29, 21));
        QCOMPARE(dlg.SeekBar()->geometry(), QRect(9, 590, 675, 9));
        QCOMPARE(dlg.Waveform()->geometry(), DialogRect(4, 343, 387, 92));
        QCOMPARE(dlg.ListView()->geometry(), DialogRect(397, 39, 176, 131));
        QCOMPARE(dlg.MainView()->geometry(), DialogRect(4, 21, 388, 274));
        QCOMPARE(dlg.SecondView()->geometry(),
                 QRect(DialogRect(4, 21, 388, 274).right() + 9, DialogRect(4, 21, 388, 274).top() + 32, 320, 240));
        QCOMPARE(dlg.SpeedText()->geometry(), DialogRect(428, 414, 31, 9));
        QCOMPARE(dlg.SpeedText()->text(), QString("0Km/H"));
        QCOMPARE(dlg.VolumeBar(3)->pos(), DialogRect(41, 311, 2, 11).topLeft());
        QCOMPARE(dlg.SeekBar()->GetRangeMax(), 100);
        QVERIFY(!dlg.SecondViewShown());
        QVERIFY(dlg.ListView()->isVisibleTo(&dlg));
        QCOMPARE(dlg.ListView()->headerItem()->text(2), QString("Time"));
    }

    void volumeIsUnlitAndDisabledBeforeTheFirstRecording()
    {
        CPlayerDlg dlg;
        QVERIFY(!dlg.Button(1026)->isEnabled());
        QVERIFY(!dlg.Button(1027)->isEnabled());
        QImage unlit;
        LoadResourceImage(157, "BMP", unlit);
        for (int k = 0; k < 10; ++k) {
            QCOMPARE(dlg.VolumeBarLevelShown(k), 0);
            QCOMPARE(dlg.VolumeBar(k)->pixmap().toImage().convertToFormat(QImage::Format_RGB32),
                     unlit.convertToFormat(QImage::Format_RGB32));
        }
        dlg.ShowVolumeLevel(0);
        QCOMPARE(dlg.VolumeBarLevelShown(0), 1);  // levels 0 and 1 both light one bar
        QCOMPARE(dlg.VolumeBarLevelShown(1), 0);
        QVERIFY(dlg.Button(1026)->isEnabled());
        dlg.ShowVolumeLevel(10);
        QCOMPARE(dlg.VolumeBarLevelShown(9), 1);
    }

    void enterIsIgnoredEscapeCloses()
    {
        CPlayerDlg dlg;
        dlg.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dlg));
        QTest::keyClick(&dlg, Qt::Key_Return);
        QTest::keyClick(&dlg, Qt::Key_Enter);
        QVERIFY(dlg.isVisible());
        QTest::keyClick(&dlg, Qt::Key_Escape);
        QVERIFY(!dlg.isVisible());
        QCOMPARE(dlg.result(), int(QDialog::Rejected));
    }

    void draggingTheSkinMovesTheWindow()
    {
        CPlayerDlg dlg;
        dlg.move(100, 100);
        dlg.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dlg));
        const QPoint start = dlg.pos();
        QTest::mousePress(&dlg, Qt::LeftButton, {}, QPoint(400, 12));
        QMouseEvent move(QEvent::MouseMove, QPointF(440, 32), dlg.mapToGlobal(QPointF(440, 32)), Qt::NoButton,
                         Qt::LeftButton, {});
        QApplication::sendEvent(&dlg, &move);
        QTest::mouseRelease(&dlg, Qt::LeftButton, {}, QPoint(440, 32));
        QTRY_COMPARE(dlg.pos(), start + QPoint(40, 20));
        // A press on a control does not drag.
        const QPoint before = dlg.pos();
        QTest::mousePress(dlg.SpeedText(), Qt::LeftButton, {}, QPoint(5, 5));
        QMouseEvent onControl(QEvent::MouseMove, QPointF(30, 30), dlg.SpeedText()->mapToGlobal(QPointF(30, 30)),
                              Qt::NoButton, Qt::LeftButton, {});
        QApplication::sendEvent(dlg.SpeedText(), &onControl);
        QTest::mouseRelease(dlg.SpeedText(), Qt::LeftButton, {}, QPoint(30, 30));
        QCOMPARE(dlg.pos(), before);
    }

    // Presses on the pictures and the waveform are not presses on the skin.
    void picturesAndWaveformDoNotDrag()
    {
        CPlayerDlg dlg;
        dlg.move(100, 100);
        dlg.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dlg));
        dlg.OnBnClickedVideo();  // the secondary picture in place of the list
        for (QWidget* target : {static_cast<QWidget*>(dlg.MainView()), static_cast<QWidget*>(dlg.SecondView()),
                                static_cast<QWidget*>(dlg.Waveform())}) {
            const QPoint before = dlg.pos();
            QTest::mousePress(target, Qt::LeftButton, {}, QPoint(20, 20));
            QMouseEvent move(QEvent::MouseMove, QPointF(60, 50), target->mapToGlobal(QPointF(60, 50)), Qt::NoButton,
                             Qt::LeftButton, {});
            QApplication::sendEvent(target, &move);
            QMouseEvent moveOnWindow(QEvent::MouseMove, QPointF(500, 300), dlg.mapToGlobal(QPointF(500, 300)),
                                     Qt::NoButton, Qt::LeftButton, {});
            QApplication::sendEvent(&dlg, &moveOnWindow);
            QTest::mouseRelease(target, Qt::LeftButton, {}, QPoint(60, 50));
            QTest::qWait(20);
            QCOMPARE(dlg.pos(), before);
        }
    }

    void speedNeedleEndPoints_data()
    {
        QTest::addColumn<int>("speed");
        QTest::addColumn<QPoint>("end");
        QTest::addColumn<QString>("text");
        QTest::newRow("0") << 0 << QPoint(738, 716) << "0Km/H";
        QTest::newRow("130") << 130 << QPoint(776, 634) << "130Km/H";
        QTest::newRow("220") << 220 << QPoint(826, 684) << "220Km/H";
        QTest::newRow("260") << 260 << QPoint(814, 716) << "260Km/H";
        QTest::newRow("261") << 261 << QPoint(738, 716) << "0Km/H";
        QTest::newRow("-1") << -1 << QPoint(738, 716) << "0Km/H";
    }

    void speedNeedleEndPoints()
    {
        QFETCH(int, speed);
        QFETCH(QPoint, end);
        QFETCH(QString, text);
        QCOMPARE(SpeedDash::SpeedNeedleEnd(speed), end);
        CPlayerDlg dlg;
        dlg.DrawSpeedNeedle(speed);
        QCOMPARE(dlg.SpeedText()->text(), text);
        const QImage shown = Shot(dlg);
        QCOMPARE(QColor(shown.pixel(end)), QColor(255, 0, 0));
        // Halfway along the needle is red too, and the centre.
        QCOMPARE(QColor(shown.pixel((end + SpeedDash::kCentre) / 2)), QColor(255, 0, 0));
    }

    void compassNeedleTurns_data()
    {
        QTest::addColumn<double>("course");
        QTest::addColumn<int>("degrees");
        QTest::newRow("0") << 0.0 << 0;
        QTest::newRow("90") << 90.0 << 90;
        QTest::newRow("359.9") << 359.9 << 359;
        QTest::newRow("450") << 450.0 << 90;
        QTest::newRow("-90.7") << -90.7 << -90;
        QTest::newRow("180") << 180.0 << 180;
    }

    void compassNeedleTurns()
    {
        QFETCH(double, course);
        QFETCH(int, degrees);
        CPlayerDlg dlg;
        dlg.DrawCompassNeedle(course);
        QCOMPARE(dlg.LastCourse(), course);
        const QImage shown = Shot(dlg);
        const QPoint centre(900 + 36, 645 + 36);
        // The red north half points along the turned direction, clockwise from up.
        const double a = degrees * M_PI / 180;
        const QPoint tipward = centre + QPoint(static_cast<int>(std::lround(20 * std::sin(a))),
                                               static_cast<int>(std::lround(-20 * std::cos(a))));
        const QPoint tailward = centre + QPoint(static_cast<int>(std::lround(-20 * std::sin(a))),
                                                static_cast<int>(std::lround(20 * std::cos(a))));
        const QColor tip(shown.pixel(tipward)), tail(shown.pixel(tailward));
        QVERIFY2(tip.red() > 150 && tip.green() < 140, qPrintable(tip.name()));
        QVERIFY2(tail.red() > 120 && tail.green() > 120, qPrintable(tail.name()));
        // Magenta never reaches the window.
        for (int y = 645; y < 645 + 72; ++y)
            for (int x = 900; x < 900 + 72; ++x)
                QVERIFY(QColor(shown.pixel(x, y)) != QColor(255, 0, 255));
        // Along its whole length the needle lies on the turned axis: red
        // towards the course, pale behind, and across the axis the dark face.
        for (const int r : {6, 12, 18}) {
            const auto at = [&](double along, double across) {
                return QColor(shown.pixel(centre + QPoint(static_cast<int>(std::lround(along * std::sin(a) + across * std::cos(a))),
                                                          static_cast<int>(std::lround(-along * std::cos(a) + across * std::sin(a))))));
            };
            QVERIFY2(at(r, 0).red() > 150 && at(r, 0).green() < 140, qPrintable(QString("tip %1: %2").arg(r).arg(at(r, 0).name())));
            QVERIFY2(at(-r, 0).red() > 120 && at(-r, 0).green() > 120, qPrintable(QString("tail %1").arg(r)));
            for (const int side : {-1, 1})
                QVERIFY2(at(r, side * 12).lightness() < 90, qPrintable(QString("across %1: %2").arg(r).arg(at(r, side * 12).name())));
        }
    }

    void startsAtZeroAndSouth()
    {
        CPlayerDlg dlg;
        QCOMPARE(dlg.LastSpeed(), 0);
        QCOMPARE(dlg.LastCourse(), 180.0);
        const QImage shown = Shot(dlg);
        QCOMPARE(QColor(shown.pixel(738, 716)), QColor(255, 0, 0));
        QVERIFY(QColor(shown.pixel(936, 681 + 20)).red() > 150);  // north half points down
    }

    // A second after the window opens, a card found among the mounts is
    // listed without the user asking.
    void aCardIsListedSoonAfterStart()
    {
        TempDir card;
        WriteFile(card / "DCIM/100MEDIA/A0001.MOV", "");
        WriteFile(card / "DCIM/100MEDIA/A0002.MOV", "");
        CPlayerDlg dlg;
        dlg.SetVolumeSource([&] { return std::vector<MountedVolume>{{card.Path().string(), true}}; });
        dlg.show();
        QVERIFY(WaitFor([&] { return dlg.Recordings().GetCount() == 2; }));
        QCOMPARE(ListNames(dlg.ListView()), (std::vector<std::string>{"A0001.MOV", "A0002.MOV"}));
    }

    void cardScanTakesTheFirstRemovableCard()
    {
        TempDir fixed, first, second;
        for (const char* f : {"DCIM/100MEDIA/A0002.MOV", "DCIM/100MEDIA/A0001.MOV", "DCIM/100MEDIA/A0003.AVI",
                              "DCIM/100MEDIA/B0001.MOV", "DCIM/102MEDIA/A0009.MOV", "EVENT/A0005.MOV"})
            WriteFile(first / f, "");
        WriteFile(second / "DCIM/100MEDIA/A0100.MOV", "");
        WriteFile(fixed / "DCIM/100MEDIA/A0200.MOV", "");
        CPlayerDlg dlg;
        dlg.SetVolumeSource([&] {
            return std::vector<MountedVolume>{{fixed.Path().string(), false}, {first.Path().string(), true},
                                              {second.Path().string(), true}};
        });
        dlg.ScanCard();
        QCOMPARE(ListNames(dlg.ListView()),
                 (std::vector<std::string>{"A0001.MOV", "A0002.MOV", "A0009.MOV", "A0005.MOV"}));
        QCOMPARE(dlg.Recordings().GetCount(), 4);
    }

    // Thousands of files: rows arrive while the window answers events, with
    // the progress over the list; the rows end as a plain import lists them.
    void longImportsKeepTheWindowAnswering()
    {
        TempDir dir;
        constexpr int kFiles = 1500;
        std::vector<std::string> names;
        for (int i = 0; i < kFiles; ++i) {
            char name[64];
            std::snprintf(name, sizeof name, "A6%010d_%04d.MOV", 514081500 + i, i % 10000);
            std::ofstream(dir / name);
            names.push_back(name);
        }
        const QString folder = QString::fromStdString(dir.Path().string());
        CPlayerDlg dlg;
        dlg.SetImportSliceMs(0);  // a slow card: a file a slice
        dlg.show();
        dlg.ImportFolder(folder);
        QVERIFY(dlg.Importing());
        QVERIFY(dlg.Recordings().GetCount() < kFiles);
        QVERIFY(dlg.ImportProgress()->isVisible());
        QVERIFY(dlg.ImportProgress()->text().endsWith(QString(" of %1 files").arg(kFiles)));
        bool answered = false;  // an event handled while the import goes on
        QTimer::singleShot(0, &dlg, [&] { answered = dlg.Importing(); });
        QTRY_VERIFY_WITH_TIMEOUT(!dlg.Importing(), 60000);
        QVERIFY(answered);
        QVERIFY(!dlg.ImportProgress()->isVisible());
        QCOMPARE(ListNames(dlg.ListView()), names);  // by time, which is the order they were written in
        QCOMPARE(dlg.ListView()->topLevelItem(kFiles - 1)->text(0), QString(" %1").arg(kFiles));

        // Stop ends a long import where it is; so does closing the window.
        dlg.OnBnClickedClear();
        dlg.ImportFolder(folder);
        QVERIFY(dlg.Importing());
        dlg.OnBnClickedStop();
        QVERIFY(!dlg.Importing());
        QVERIFY(!dlg.ImportProgress()->isVisible());
        const int stoppedAt = dlg.Recordings().GetCount();
        QTest::qWait(100);
        QCOMPARE(dlg.Recordings().GetCount(), stoppedAt);
        dlg.OnBnClickedClear();
        dlg.ImportFolder(folder);
        QTest::keyClick(&dlg, Qt::Key_Escape);
        QVERIFY(!dlg.isVisible());
        const int closedAt = dlg.Recordings().GetCount();
        QTest::qWait(100);
        QCOMPARE(dlg.Recordings().GetCount(), closedAt);
        QVERIFY(closedAt < kFiles);
    }

    void droppedFoldersAndRecordingsAreImported()
    {
        TempDir dir, other;
        for (const char* f : {"A40101120000_0009.MOV", "B40101120000_0010.MOV", "notes.txt"})
            WriteFile(dir / f, "");
        WriteFile(other / "20260514_081500_NF.mp4", "");
        CPlayerDlg dlg;
        dlg.show();
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(QString::fromStdString(dir.Path().string())),
                      QUrl::fromLocalFile(QString::fromStdString(other / "20260514_081500_NF.mp4")),
                      QUrl("https://example.org/clip.mp4")});
        QDragEnterEvent enter(QPoint(500, 300), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&dlg, &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent drop(QPointF(500, 300), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&dlg, &drop);
        QCOMPARE(ListNames(dlg.ListView()), (std::vector<std::string>{"A40101120000_0009.MOV", "20260514_081500_NF.mp4"}));
        QMimeData text;
        text.setText("not a file");
        QDragEnterEvent refused(QPoint(500, 300), Qt::CopyAction, &text, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&dlg, &refused);
        QVERIFY(!refused.isAccepted());
    }

    // The mph face over the dial, the speed text in mph, and the choice kept.
    void speedInMph()
    {
        QImage kmhSkin, mphFace;
        QVERIFY(LoadResourceImage(150, "PNG", kmhSkin));
        QVERIFY(LoadResourceImage(174, "PNG", mphFace));
        const QRect face = SpeedDash::kDialFaceRect;
        const QPoint label = face.topLeft() + QPoint(60, 76);  // where "km/h" or "mph" is written
        auto shown = [&](CPlayerDlg& dlg) { return dlg.grab().toImage().convertToFormat(QImage::Format_RGB32); };
        {
            CPlayerDlg dlg;
            dlg.show();
            QVERIFY(QTest::qWaitForWindowExposed(&dlg));
            dlg.SetSpeedUnit(SpeedDash::SpeedUnit::Mph);
            dlg.DrawSpeedNeedle(100);
            QCOMPARE(dlg.SpeedText()->text(), QString("62MPH"));
            const QImage window = shown(dlg);
            int same = 0, differs = 0;
            for (int dy = -8; dy <= 8; ++dy)
                for (int dx = -14; dx <= 14; ++dx) {
                    const QPoint at = label + QPoint(dx, dy);
                    same += window.pixel(at) == mphFace.convertToFormat(QImage::Format_RGB32).pixel(at - face.topLeft());
                    differs += window.pixel(at) != kmhSkin.pixel(at);
                }
            QCOMPARE(same, 17 * 29);
            QVERIFY(differs > 0);
        }
        CPlayerDlg next;  // the next session starts in mph
        QCOMPARE(next.SpeedUnit(), SpeedDash::SpeedUnit::Mph);
        next.SetSpeedUnit(SpeedDash::SpeedUnit::Kmh);
        next.DrawSpeedNeedle(100);
        QCOMPARE(next.SpeedText()->text(), QString("100Km/H"));
        next.show();
        QVERIFY(QTest::qWaitForWindowExposed(&next));
        QCOMPARE(shown(next).pixel(label), kmhSkin.pixel(label));
    }

    void importKeepsNamesAndTheFrontCameraRules()
    {
        TempDir dir;
        for (const char* f : {"a40101120000_0007.avi", "A40101120000_0009.MOV", "B40101120000_0010.MOV",
                              "20140101_120000_007A.mov", "readme.txt"})
            WriteFile(dir / f, "");
        CPlayerDlg dlg;
        dlg.ImportFolder(QString::fromStdString(dir.Path().string()));
        QCOMPARE(ListNames(dlg.ListView()),
                 (std::vector<std::string>{"20140101_120000_007A.mov", "A40101120000_0009.MOV"}));
        // A recording listed already is not listed again; a new one follows.
        WriteFile(dir / "other/A40101120100_0011.MOV", "");
        dlg.ImportPaths({QString::fromStdString(dir / "A40101120000_0009.MOV"), QString::fromStdString(dir / "readme.txt"),
                         QString::fromStdString(dir / "other/A40101120100_0011.MOV")});
        QCOMPARE(dlg.Recordings().GetCount(), 3);
        QCOMPARE(dlg.ListView()->topLevelItem(2)->text(0), QString(" 3"));
        QCOMPARE(dlg.ListView()->topLevelItem(2)->text(1), QString("A40101120100_0011.MOV"));
    }
};

DUALDASH_PLAYER_TEST_MAIN(PlayerWindowTest)
#include "player_window_test.moc"
