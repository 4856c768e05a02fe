#include "WaitFor.h"
#include "TestFiles.h"
#include "skin/BitmapSlider.h"
#include "skin/Layout.h"
#include "skin/PngButton.h"
#include "skin/ResourceImage.h"
#include "skin/SkinListCtrl.h"
#include "track/TrackLoader.h"
#include "widgets/SpeedDash.h"
#include "widgets/WaveFormCtrl.h"

#include <QApplication>
#include <QPainter>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <random>

namespace {

QImage Render(QWidget& widget)
{
    return widget.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// A side file whose every second has the given G values.
std::string SideFile(const TempDir& dir, const std::vector<std::array<int, 3>>& seconds, const char* knots = "20.0")
{
    std::string text = "11111111\n";
    for (const auto& g : seconds)
        text += ScrambledLine(std::to_string(g[0]) + "\t" + std::to_string(g[1]) + "\t" + std::to_string(g[2]) +
                                  "\t$GPRMC,1,A,4807.0380,N,01131.0000,E," + knots + ",90.0,230394",
                              10);
    WriteFile(dir / "w.DAT", text);
    return dir / "w.DAT";
}

}  // namespace

class SkinControlsTest : public QObject {
    Q_OBJECT
private slots:
    void picturesAreCarriedAtTheirSizes_data()
    {
        QTest::addColumn<int>("id");
        QTest::addColumn<QString>("type");
        QTest::addColumn<QSize>("size");
        const struct {
            int id;
            const char* type;
            int w, h;
        } pictures[] = {{150, "PNG", 1024, 768}, {168, "JPG", 680, 480}, {149, "PNG", 208, 51}, {154, "PNG", 208, 51},
                        {152, "PNG", 208, 51},   {167, "PNG", 208, 51},  {164, "PNG", 260, 29}, {171, "PNG", 260, 29},
                        {173, "PNG", 260, 29},   {174, "PNG", 120, 120},   {160, "PNG", 92, 23},   {159, "PNG", 92, 23},  {165, "PNG", 116, 21},
                        {163, "PNG", 116, 21},   {169, "BMP", 20, 72},   {129, "BMP", 675, 9},  {130, "BMP", 675, 9},
                        {131, "BMP", 18, 18},    {132, "BMP", 18, 18},   {135, "BMP", 4, 24},   {136, "BMP", 2, 24},
                        {137, "BMP", 4, 24},     {138, "BMP", 26, 12},   {140, "BMP", 1, 12},   {141, "BMP", 26, 12},
                        {143, "BMP", 11, 11},    {144, "BMP", 12, 26},   {145, "BMP", 12, 1},   {146, "BMP", 12, 26},
                        {147, "BMP", 12, 11},    {148, "BMP", 12, 26},   {156, "BMP", 2, 11},   {157, "BMP", 2, 11}};
        for (const auto& p : pictures)
            QTest::addRow("%d", p.id) << p.id << QString(p.type) << QSize(p.w, p.h);
    }

    void picturesAreCarriedAtTheirSizes()
    {
        QFETCH(int, id);
        QFETCH(QString, type);
        QFETCH(QSize, size);
        QImage image;
        QCOMPARE(LoadResourceImage(id, type.toLatin1().constData(), image), 1);
        QCOMPARE(image.size(), size);
    }

    void missingPictureLeavesTheTargetAlone()
    {
        QImage image(3, 3, QImage::Format_RGB32);
        QCOMPARE(LoadResourceImage(999, "PNG", image), 0);
        QCOMPARE(LoadResourceImage(150, "JPG", image), 0);
        QCOMPARE(image.size(), QSize(3, 3));
    }

    void compassNeedleIsSymmetricOnMagenta()
    {
        QImage needle;
        QVERIFY(LoadResourceImage(169, "BMP", needle));
        const QColor magenta(255, 0, 255);
        int needlePixels = 0;
        for (int y = 0; y < 72; ++y) {
            QCOMPARE(needle.pixelColor(0, y), magenta);
            for (int d = 1; d <= 9; ++d)
                QCOMPARE(needle.pixelColor(10 - d, y) == magenta, needle.pixelColor(10 + d, y) == magenta);
            for (int x = 0; x < 20; ++x)
                needlePixels += needle.pixelColor(x, y) != magenta;
        }
        QVERIFY(needlePixels > 300);
        QVERIFY(needle.pixelColor(10, 10).red() > 200);  // the north half is red
    }

    void buttonShowsOnePicturePerState()
    {
        QWidget parent;
        parent.resize(200, 100);
        QImage background(200, 100, QImage::Format_RGB32);
        background.fill(QColor(40, 50, 60));
        auto* button = new CPngButton(&parent, 1008);
        auto* other = new CPngButton(&parent, 1009);
        button->move(10, 20);
        other->move(100, 20);
        button->SetBackground(&background);
        button->LoadImage(152);
        other->LoadImage(155);
        QCOMPARE(button->size(), QSize(52, 51));
        parent.show();
        QVERIFY(QTest::qWaitForWindowExposed(&parent));
        QImage strip;
        LoadResourceImage(152, "PNG", strip);
        auto expected = [&](std::initializer_list<int> pictures) {
            QImage image(52, 51, QImage::Format_RGB32);
            image.fill(QColor(40, 50, 60));
            QPainter p(&image);
            for (int n : pictures)
                p.drawImage(QPoint(0, 0), strip, QRect(n * 52, 0, 52, 51));
            return image;
        };
        other->setFocus();
        QCOMPARE(button->CurrentState(), 0);
        QCOMPARE(Render(*button), expected({0}));
        QEnterEvent enter(QPointF(5, 5), QPointF(15, 25), QPointF(15, 25));
        QApplication::sendEvent(button, &enter);
        QCOMPARE(button->CurrentState(), 2);
        QCOMPARE(Render(*button), expected({2}));
        QTest::mousePress(button, Qt::LeftButton, {}, QPoint(20, 20));
        QCOMPARE(Render(*button), expected({2, 1}));
        QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(20, 20));
        QCOMPARE(button->CurrentState(), 2);  // released inside: focused
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(button, &leave);
        QCOMPARE(button->CurrentState(), 0);
        QVERIFY(button->hasFocus());
        button->setEnabled(false);
        QCOMPARE(Render(*button), expected({3}));
        QVERIFY(other->hasFocus());  // the focus moved on to the next tab stop
    }

    void reloadKeepsTheSize()
    {
        QWidget parent;
        auto* button = new CPngButton(&parent, 1018);
        button->LoadImage(149);
        QCOMPARE(button->size(), QSize(52, 51));
        button->LoadImage(165);
        QCOMPARE(button->size(), QSize(52, 51));
        QCOMPARE(button->StateWidth(), 29);
        auto* missing = new CPngButton(&parent, 1);
        missing->LoadImage(999);
        QCOMPARE(missing->StateWidth(), 0);
    }

    void seekBarThumbAndChannels()
    {
        QWidget parent;
        parent.resize(700, 40);
        CBitmapSlider* slider = SeekBar(&parent);
        QCOMPARE(slider->size(), QSize(675, 9));
        for (int pos : {0, 1, 37, 50, 99, 100})
            QCOMPARE(slider->PositionToPixel(pos), 9 + static_cast<int>(657.0 * pos / 100));
        slider->SetPos(150);
        QCOMPARE(slider->GetPos(), 100);
        slider->SetPos(-3);
        QCOMPARE(slider->GetPos(), 0);
        slider->SetPos(50);
        parent.show();
        QImage passed, ahead;
        LoadResourceImage(130, "BMP", passed);
        LoadResourceImage(129, "BMP", ahead);
        const QImage shown = Render(*slider);
        const int centre = slider->PositionToPixel(50);
        QCOMPARE(shown.pixel(centre - 40, 4), passed.pixel(centre - 40, 4));
        QCOMPARE(shown.pixel(centre + 40, 4), ahead.pixel(centre + 40, 4));
        QVERIFY(passed.pixel(100, 4) != ahead.pixel(100, 4));
    }

    void clickBesideTheThumbMovesItThenReportsMoved()
    {
        QWidget parent;
        CBitmapSlider* slider = SeekBar(&parent);
        slider->SetPos(50);
        QSignalSpy moving(slider, &CBitmapSlider::sliderMoving), moved(slider, &CBitmapSlider::sliderMoved);
        // The channel is 675 pixels, the thumb 18: positions 0..100 put the
        // thumb's centre on 9..666, 6.57 pixels a step; 50 is at 337.
        const int click = 358;  // 20 pixels to the right of the thumb
        QCOMPARE(slider->PositionToPixel(50), 337);
        QTest::mousePress(slider, Qt::LeftButton, {}, QPoint(click, 4));
        QCOMPARE(moving.count(), 0);  // delivered after the handler, as a posted message
        QTest::mouseRelease(slider, Qt::LeftButton, {}, QPoint(click, 4));
        QTRY_COMPARE(moved.count(), 1);
        QCOMPARE(moving.count(), 1);
        QCOMPARE(slider->GetPos(), 53);  // (358 - 9) / 6.57
        QCOMPARE(moving.at(0).at(0).toInt(), 1023);
        QCOMPARE(moved.at(0).at(1).toInt(), slider->GetPos());
        // The thumb centres on the click, to the position's resolution (6.57 pixels a step).
        QVERIFY2(std::abs(slider->PositionToPixel(slider->GetPos()) - click) <= 7,
                 qPrintable(QString("%1 %2 %3").arg(click).arg(slider->GetPos()).arg(slider->PositionToPixel(slider->GetPos()))));
    }

    void draggingBeyondTheEndsStopsThere()
    {
        QWidget parent;
        CBitmapSlider* slider = SeekBar(&parent);
        slider->SetPos(50);
        const int centre = slider->PositionToPixel(50);
        QTest::mousePress(slider, Qt::LeftButton, {}, QPoint(centre, 4));
        QMouseEvent far(QEvent::MouseMove, QPointF(5000, 4), QPointF(5000, 4), Qt::NoButton, Qt::LeftButton, {});
        QApplication::sendEvent(slider, &far);
        QCOMPARE(slider->GetPos(), 100);
        QCOMPARE(slider->PositionToPixel(slider->GetPos()), 675 - 9);
        QMouseEvent back(QEvent::MouseMove, QPointF(-500, 4), QPointF(-500, 4), Qt::NoButton, Qt::LeftButton, {});
        QApplication::sendEvent(slider, &back);
        QCOMPARE(slider->GetPos(), 0);
        QCOMPARE(slider->PositionToPixel(0), 9);
        QTest::mouseRelease(slider, Qt::LeftButton, {}, QPoint(0, 4));
    }

    void keysMoveAndReport()
    {
        QWidget parent;
        CBitmapSlider* slider = SeekBar(&parent);
        QSignalSpy moved(slider, &CBitmapSlider::sliderMoved);
        const std::pair<Qt::Key, int> steps[] = {{Qt::Key_End, 100}, {Qt::Key_Left, 99}, {Qt::Key_Home, 0},
                                                 {Qt::Key_Down, 1},  {Qt::Key_PageDown, 21}, {Qt::Key_PageUp, 1}};
        for (auto [key, expected] : steps) {
            QTest::keyClick(slider, key);
            QCOMPARE(slider->GetPos(), expected);
        }
        slider->SetPos(95);
        QTest::keyClick(slider, Qt::Key_PageDown);
        QCOMPARE(slider->GetPos(), 100);
        QTRY_COMPARE(moved.count(), 7);
        QCOMPARE(moved.last().at(1).toInt(), 100);
    }

    void listColoursSelectedRows()
    {
        QWidget parent;
        parent.resize(400, 300);
        auto* list = MakeList(&parent, 5);
        parent.show();
        QVERIFY(QTest::qWaitForWindowExposed(&parent));
        list->SelectRow(2);
        const QImage shown = Render(*list);
        const QRect row = list->visualItemRect(list->topLevelItem(2));
        const QPoint inside = row.center() + QPoint(0, list->header()->height());
        QCOMPARE(QColor(shown.pixel(inside.x() + 60, inside.y())), QColor(115, 123, 165));
        const QRect plain = list->visualItemRect(list->topLevelItem(0));
        QCOMPARE(QColor(shown.pixel(plain.center().x() + 60, plain.center().y() + list->header()->height())),
                 QColor(224, 234, 244));
        QCOMPARE(list->SelectedRow(), 2);
        QCOMPARE(list->header()->height(), 24);
    }

    void scrollBarsSitBesideTheListAndFollowIt()
    {
        QWidget parent;
        parent.resize(500, 400);
        auto* list = MakeList(&parent, 100);
        list->setGeometry(10, 10, 300, 229);
        list->setColumnWidth(2, 120);  // narrower than the list: nothing to scroll sideways
        parent.show();
        QVERIFY(QTest::qWaitForWindowExposed(&parent));
        auto* v = list->VerticalBar();
        auto* h = list->HorizontalBar();
        QCOMPARE(v->geometry(), QRect(10 + 300, 10, 12, 229 + 12));
        QCOMPARE(h->geometry(), QRect(10, 10 + 229, 301, 12));
        const int H = v->height();
        QCOMPARE(v->Thumb(), 36);
        // Drag the thumb to the bottom, then to the top.
        QTest::mousePress(v, Qt::LeftButton, {}, QPoint(6, 36 + 5));
        QMouseEvent down(QEvent::MouseMove, QPointF(6, 5000), QPointF(6, 5000), Qt::NoButton, Qt::LeftButton, {});
        QApplication::sendEvent(v, &down);
        QCOMPARE(v->Thumb(), H - 62);
        QCOMPARE(list->verticalScrollBar()->value(), list->verticalScrollBar()->maximum());
        QMouseEvent up(QEvent::MouseMove, QPointF(6, -5000), QPointF(6, -5000), Qt::NoButton, Qt::LeftButton, {});
        QApplication::sendEvent(v, &up);
        QTest::mouseRelease(v, Qt::LeftButton, {}, QPoint(6, 20));
        QCOMPARE(v->Thumb(), 36);
        QCOMPARE(list->verticalScrollBar()->value(), 0);
        // A press on the down arrow held goes on stepping while held.
        QTest::mousePress(v, Qt::LeftButton, {}, QPoint(6, H - 30));
        QVERIFY(WaitFor([&] { return list->verticalScrollBar()->value() >= 3; }));
        QTest::mouseRelease(v, Qt::LeftButton, {}, QPoint(6, H - 30));
        // The horizontal bar has nothing to scroll: no thumb, and clicks change nothing.
        QCOMPARE(list->horizontalScrollBar()->maximum(), 0);
        QTest::mouseClick(h, Qt::LeftButton, {}, QPoint(150, 6));
        QCOMPARE(list->horizontalScrollBar()->value(), 0);
        list->hide();
        QVERIFY(!v->isVisible());
        QVERIFY(!h->isVisible());
    }

    void verticalArrowsActOnlyWhenPressedThere()
    {
        QWidget parent;
        parent.resize(500, 400);
        auto* list = MakeList(&parent, 100);
        parent.show();
        auto* v = list->VerticalBar();
        list->verticalScrollBar()->setValue(30);
        const int before = list->verticalScrollBar()->value();
        QTest::mousePress(v, Qt::LeftButton, {}, QPoint(6, 150));  // the channel below the thumb
        QTest::mouseRelease(v, Qt::LeftButton, {}, QPoint(6, 20));  // over the up arrow
        QCOMPARE(list->verticalScrollBar()->value(), before - list->verticalScrollBar()->pageStep());
    }

    void waveformGeometryCurvesAndTexts()
    {
        TempDir dir;
        CTrackLoader track;
        // One second at +1 g on X, -1 g on Y, 0.5 g on Z; then one at 0.
        track.LoadTrack(SideFile(dir, {{1000, -1000, 500}, {0, 0, 0}}), "w.MOV");
        CWaveFormCtrl wave;
        wave.resize(677, 161);
        wave.SetTrack(&track);
        float x = 7, y = 7, z = 7;
        std::string lon = "keep", lat = "keep";
        wave.GetCursorValues(x, y, z, lon, lat);  // cursor -1: untouched
        QCOMPARE(x, 7.0f);
        QCOMPARE(lon, std::string("keep"));
        wave.SetTotalSeconds(4000);
        wave.Refresh();
        wave.SetElapsedSeconds(3725);
        QCOMPARE(wave.Cursor(), 0);
        wave.SetCursor(-1);
        wave.SetCursor(21);
        QCOMPARE(wave.Cursor(), 0);
        wave.SetCursor(5);
        wave.GetCursorValues(x, y, z, lon, lat);
        QCOMPARE(x, 1.0f);
        QCOMPARE(lat, std::string("48.117300"));
        const QImage shown = Render(wave);
        const QRect plot = wave.PlotRect();
        const int L = plot.left(), T = plot.top(), H = plot.bottom() + 1 - T, B = plot.bottom() + 1;
        QCOMPARE(QPoint(L, T), QPoint(24, 14));
        QCOMPARE(QPoint(plot.right() + 1, B), QPoint(677 - 1, 161 - 14));
        const float xStep = wave.XStep();
        QCOMPARE(xStep, static_cast<float>(plot.width()) / 19.0f);
        const int yMid = T + H / 2;
        const int yPlus1 = static_cast<int>(yMid - 1.0f * 10 * (H / 40.0f));
        const int yMinus1 = static_cast<int>(yMid + 1.0f * 10 * (H / 40.0f));
        QCOMPARE(QColor(shown.pixel(L + 2 * static_cast<int>(xStep), yPlus1)), QColor(255, 255, 255));
        QCOMPARE(QColor(shown.pixel(L + 2 * static_cast<int>(xStep), yMinus1)), QColor(255, 0, 0));
        QCOMPARE(QColor(shown.pixel(L + 15 * static_cast<int>(xStep) + 3, yMid)), QColor(0, 255, 0));  // Z at 0 on top
        const int cursorX = static_cast<int>(L + 5 * xStep);
        QCOMPARE(QColor(shown.pixel(cursorX, T + 5)), QColor(0, 255, 0));
        QCOMPARE(QColor(shown.pixel(L + 3, T + 3)), QColor(19, 19, 19));  // plot fill
        QCOMPARE(QColor(shown.pixel(5, 3)), QColor(10, 10, 10));           // background
        QCOMPARE(QColor(shown.pixel(L + 40, T + 2 * (H / 4))), QColor(32, 37, 42));  // the 0 g grid line
        QCOMPARE(ClockText(3725) + "/" + ClockText(4000), QString("01:02:05/01:06:40"));
        // Labels and value texts leave text-coloured pixels where they are written.
        auto hasColour = [&](QRect area, QColor colour) {
            for (int yy = area.top(); yy <= area.bottom(); ++yy)
                for (int xx = area.left(); xx <= area.right(); ++xx)
                    if (QColor(shown.pixel(xx, yy)) == colour)
                        return true;
            return false;
        };
        QVERIFY(hasColour(QRect(L - 22, T, 20, 14), QColor(130, 149, 179)));     // +2G
        QVERIFY(hasColour(QRect(L + 200, B, 70, 13), QColor(255, 255, 255)));   // X: 1.0000
        QVERIFY(hasColour(QRect(L + 280, B, 70, 13), QColor(255, 0, 0)));       // Y: -1.0000
        QVERIFY(hasColour(QRect(plot.right() - 92, B, 90, 13), QColor(130, 149, 179)));  // the time
    }

    // At the longest texts the times end inside the plot's right edge and the
    // speed keeps clear of them.
    void waveformLongestTextsStayApart()
    {
        TempDir dir;
        CTrackLoader track;
        track.LoadTrack(SideFile(dir, {{0, 0, 0}}, "140.6"), "w.MOV");
        QCOMPARE(track.Slots().at(0).speed, 260);
        CWaveFormCtrl wave;
        wave.resize(677, 161);
        wave.SetTrack(&track);
        wave.SetTotalSeconds(86399);
        wave.Refresh();
        wave.SetElapsedSeconds(86399);
        wave.SetCursor(0);
        const QImage shown = Render(wave);
        const QRect plot = wave.PlotRect();
        // Columns right of Z's value with text-coloured pixels below the plot.
        std::vector<int> lit;
        for (int x = plot.left() + 440; x < shown.width(); ++x) {
            for (int y = plot.bottom() + 1; y < shown.height(); ++y) {
                if (QColor(shown.pixel(x, y)) == QColor(130, 149, 179)) {
                    lit.push_back(x);
                    break;
                }
            }
        }
        QVERIFY(!lit.empty());
        QVERIFY2(lit.back() <= plot.right(), qPrintable(QString::number(lit.back())));
        int widestGap = 0;
        for (std::size_t i = 1; i < lit.size(); ++i)
            widestGap = std::max(widestGap, lit[i] - lit[i - 1] - 1);
        QVERIFY2(widestGap >= 8, qPrintable(QString::number(widestGap)));  // speed, a gap, then the times
    }

    void speedTextsInBothUnits()
    {
        QCOMPARE(SpeedDash::SpeedText(47, SpeedDash::SpeedUnit::Kmh), QString("47Km/H"));
        QCOMPARE(SpeedDash::SpeedText(47, SpeedDash::SpeedUnit::Mph), QString("29MPH"));
        QCOMPARE(SpeedDash::SpeedText(260, SpeedDash::SpeedUnit::Mph), QString("161MPH"));
        QCOMPARE(SpeedDash::SpeedText(0, SpeedDash::SpeedUnit::Mph), QString("0MPH"));
    }

    void waveformWithoutDataShowsAnEmptyPlot()
    {
        CTrackLoader track;
        CWaveFormCtrl wave;
        wave.resize(400, 120);
        wave.SetTrack(&track);
        wave.Refresh();
        const QImage shown = Render(wave);
        const QRect plot = wave.PlotRect();
        QCOMPARE(QColor(shown.pixel(plot.left(), plot.top() + 10)), QColor(0, 255, 0));  // cursor at L
        CWaveFormCtrl none;
        none.resize(200, 100);
        Render(none);  // no track at all: nothing to read, nothing breaks
    }

    // Drawing a column's extremes looks exactly like drawing every point.
    void columnExtremesDrawTheSameLine()
    {
        std::mt19937 random(7);
        for (int round = 0; round < 20; ++round) {
            std::vector<QPoint> points;
            const int n = 50 + static_cast<int>(random() % 5000);
            const float step = 300.0f / static_cast<float>(n - 1);
            for (int i = 0; i < n; ++i)
                points.emplace_back(static_cast<int>(i * step), static_cast<int>(50 + (random() % 100) - 50 * std::sin(i * 0.01)));
            auto draw = [](const std::vector<QPoint>& line) {
                QImage image(310, 220, QImage::Format_RGB32);
                image.fill(Qt::black);
                QPainter p(&image);
                p.setPen(QPen(Qt::white, 1));
                p.drawPolyline(line.data(), static_cast<int>(line.size()));
                return image;
            };
            const auto reduced = ColumnExtremes(points);
            QVERIFY(reduced.size() <= 4 * 301u);
            QCOMPARE(draw(reduced), draw(points));
        }
    }

private:
    static CBitmapSlider* SeekBar(QWidget* parent)
    {
        auto* slider = new CBitmapSlider(parent, 1023);
        slider->move(10, 10);
        slider->SetChannelBitmaps(129, 130, false, 0xFF000000, 0, 0);
        slider->SetThumbBitmaps(131, 132, true, 0xFF000000, 0, 0);
        slider->SetFocusRect(false, false);
        slider->SetRange(0, 100, false);
        slider->SetPos(0);
        slider->SetMargins(0, -5, 0, 5);
        return slider;
    }

    static CSkinListCtrl* MakeList(QWidget* parent, int rows)
    {
        auto* list = new CSkinListCtrl(parent);
        list->setGeometry(10, 10, 300, 229);
        list->SetColumns();
        list->Init();
        for (int i = 0; i < rows; ++i) {
            list->InsertRow(i, " " + std::to_string(i + 1));
            list->SetRowText(i, 1, "A0000" + std::to_string(i) + ".MOV");
            list->SetRowText(i, 2, "08:15:00 05-14-2026");
        }
        return list;
    }
};

QTEST_MAIN(SkinControlsTest)
#include "skin_controls_test.moc"
