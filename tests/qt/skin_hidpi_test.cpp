// The skin on a screen of two device pixels to one (run with
// QT_SCALE_FACTOR=2): every picture has a twin drawn at twice the pixels, the
// program takes the twins, and the controls show them pixel for pixel at the
// size the ordinary pictures give them.

#include "QtTestMain.h"
#include "skin/BitmapSlider.h"
#include "skin/PngButton.h"
#include "skin/ResourceImage.h"
#include "widgets/SpeedDash.h"

#include <QPainter>

namespace {

struct Picture {
    int id;
    const char* type;
};

// Every kind of picture the skin has: strips of buttons, the window, the idle
// picture, the mph face, the needle, the seek bar's and the list's pieces.
const Picture kPictures[] = {{152, "PNG"}, {164, "PNG"}, {160, "PNG"}, {163, "PNG"}, {150, "PNG"}, {168, "JPG"},
                             {174, "PNG"}, {128, "PNG"}, {169, "BMP"}, {129, "BMP"}, {131, "BMP"}, {156, "BMP"},
                             {136, "BMP"}, {146, "BMP"}, {138, "BMP"}};

// How many pixels of `shown` differ (by more than a rounding step in any
// channel) from `picture` laid over the colour `shown` has where the picture
// is clear (its top left corner).
int DifferingPixels(const QImage& shown, const QImage& picture)
{
    QImage expected(picture.size(), QImage::Format_ARGB32);
    expected.fill(shown.pixel(0, 0));
    QPainter(&expected).drawImage(QPoint(0, 0), QImage(picture).convertToFormat(QImage::Format_ARGB32), picture.rect());
    const QImage a = shown.convertToFormat(QImage::Format_ARGB32);
    int differing = 0;
    for (int y = 0; y < expected.height(); ++y) {
        for (int x = 0; x < expected.width(); ++x) {
            const QRgb p = expected.pixel(x, y), q = a.pixel(x, y);
            differing += std::abs(qRed(p) - qRed(q)) > 2 || std::abs(qGreen(p) - qGreen(q)) > 2 ||
                         std::abs(qBlue(p) - qBlue(q)) > 2;
        }
    }
    return differing;
}

// `pixels` of picture `id` at `scale`, as a plain picture of those pixels.
QImage PicturePixels(int id, const char* type, qreal scale, const QRect& pixels)
{
    QImage picture;
    if (!LoadResourceImage(id, type, picture, scale))
        return {};
    QImage part = picture.copy(pixels);
    part.setDevicePixelRatio(1);
    return part;
}

}  // namespace

class SkinHiDpiTest : public QObject {
    Q_OBJECT
private slots:
    void theScreenAsksForTheFinerPictures()
    {
        QCOMPARE(qGuiApp->devicePixelRatio(), 2.0);
        QCOMPARE(SkinScale(), 2.0);
    }

    void everyPictureHasItsTwinAtTwiceThePixels()
    {
        for (const Picture& picture : kPictures) {
            QImage one, two;
            QVERIFY(LoadResourceImage(picture.id, picture.type, one, 1));
            QVERIFY(LoadResourceImage(picture.id, picture.type, two, 2));
            QCOMPARE(one.devicePixelRatio(), 1.0);
            QCOMPARE(two.devicePixelRatio(), 2.0);
            QCOMPARE(two.size(), one.size() * 2);
            QCOMPARE(SkinSize(two), one.size());
        }
    }

    void aButtonShowsItsFinePicturePixelForPixel()
    {
        CPngButton button(nullptr, 1008);
        button.LoadImage(152);  // play: four states of 52 x 51
        QCOMPARE(button.size(), QSize(52, 51));
        const QImage shown = button.grab().toImage();
        QCOMPARE(shown.size(), QSize(104, 102));
        QCOMPARE(DifferingPixels(shown, PicturePixels(152, "PNG", 2, QRect(0, 0, 104, 102))), 0);
        // The ordinary picture scaled up is not what shows: the twin is finer.
        const QImage coarse = PicturePixels(152, "PNG", 1, QRect(0, 0, 52, 51));
        const int coarseDiffers =
            DifferingPixels(shown, coarse.scaled(104, 102, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
        QVERIFY2(coarseDiffers > 100, qPrintable(QString::number(coarseDiffers)));
    }

    void theSeekBarKeepsItsSizeAndDrawsFine()
    {
        CBitmapSlider slider(nullptr, 1);
        QVERIFY(slider.SetChannelBitmaps(129, 130, false, 0, 0, 0));
        QVERIFY(slider.SetThumbBitmaps(131, 132, true, 0xFF000000u, 0, 0));
        QCOMPARE(slider.size(), QSize(675, 9));
        slider.SetRange(0, 100, false);
        slider.SetPos(0);
        const QImage shown = slider.grab().toImage();
        QCOMPARE(shown.size(), QSize(1350, 18));
        // Right of the thumb the unplayed channel shows as drawn.
        QCOMPARE(DifferingPixels(shown.copy(200, 0, 1000, 18), PicturePixels(129, "BMP", 2, QRect(200, 0, 1000, 18))), 0);
    }

    void theCompassNeedleTurnsAtItsOwnScale()
    {
        QImage needle;
        QVERIFY(LoadResourceImage(169, "BMP", needle));
        const QImage turned = SpeedDash::CompassNeedle(needle, 90);
        QCOMPARE(turned.devicePixelRatio(), 2.0);
        QCOMPARE(SkinSize(turned), QSize(72, 72));
    }
};

DUALDASH_QT_TEST_MAIN(SkinHiDpiTest)
#include "skin_hidpi_test.moc"
