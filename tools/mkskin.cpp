// mkskin: draws every picture of the player's skin into res/skin. The art
// lives here as code; the generated files sit beside it in the repository so
// that a change of either shows in review. Run: mkskin OUTPUT_FOLDER

#include "skin/Layout.h"

#include <QDir>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>
#include <cstdio>
#include <functional>

namespace {

const QColor kText(130, 149, 179);
const QColor kAccent(63, 182, 200);
const QColor kPanel(13, 15, 18);
const QColor kPanelEdge(42, 48, 56);
const QColor kMagenta(255, 0, 255);
constexpr double kPi = 3.14159265358979323846;

QString g_out;
// Every picture is drawn twice: at the skin's own pixels, and at twice as
// many for screens of two device pixels to one ("name@2x.png"). The drawing
// is the same, in the skin's coordinates; only the canvas is finer.
int g_scale = 1;

bool Save(const QImage& image, const QString& name)
{
    QString file = name;
    if (g_scale != 1)
        file.insert(file.lastIndexOf('.'), QStringLiteral("@%1x").arg(g_scale));
    const QString path = g_out + "/" + file;
    const bool ok = name.endsWith(".jpg") ? image.save(path, "JPG", 92) : image.save(path);
    if (!ok)
        std::fprintf(stderr, "mkskin: cannot write %s\n", qPrintable(path));
    return ok;
}

QImage Canvas(int w, int h, QColor fill = Qt::transparent)
{
    QImage image(w * g_scale, h * g_scale, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(g_scale);  // a painter on it works in the skin's coordinates
    image.setDotsPerMeterX(3780 * g_scale);  // 96 dpi: the skin maps pixel for pixel
    image.setDotsPerMeterY(3780 * g_scale);
    image.fill(fill);
    return image;
}

QFont Font(double pixels, int weight = QFont::Normal)
{
    QFont font("Liberation Sans");
    font.setPixelSize(static_cast<int>(pixels));
    font.setWeight(static_cast<QFont::Weight>(weight));
    return font;
}

// A recessed panel: dark fill, a thin edge, a faint highlight at the bottom.
void Panel(QPainter& p, QRectF r, double radius = 6)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 10));
    p.drawRoundedRect(r.adjusted(-1, -1, 1, 2), radius + 1, radius + 1);
    p.setBrush(kPanel);
    p.setPen(QPen(kPanelEdge, 1));
    p.drawRoundedRect(r, radius, radius);
}

// ---- icons -------------------------------------------------------------

enum class Icon { Play, Pause, Stop, Prev, Next, CycleAll, CycleOne, Print, Capture, Swap, Import, Clear, Film, List,
                  Minus, Plus, Minimize, Close };

void DrawIcon(QPainter& p, Icon icon, QRectF box, QColor colour)
{
    const QPointF c = box.center();
    const double s = std::min(box.width(), box.height());
    p.setPen(QPen(colour, std::max(1.5, s * 0.09), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(colour);
    auto tri = [&](double cx, double cy, double size, bool right) {
        QPainterPath path;
        const double d = right ? 1 : -1;
        path.moveTo(cx - d * size * 0.45, cy - size * 0.55);
        path.lineTo(cx + d * size * 0.55, cy);
        path.lineTo(cx - d * size * 0.45, cy + size * 0.55);
        path.closeSubpath();
        p.drawPath(path);
    };
    // The repeat sign: a loop with an arrowhead on its top and bottom runs.
    auto repeatLoop = [&]() {
        const double w = s * 0.33, h = s * 0.21, r = s * 0.12, a = s * 0.11;
        p.setBrush(Qt::NoBrush);
        QPainterPath top;
        top.moveTo(c.x() - w, c.y() + h * 0.2);
        top.lineTo(c.x() - w, c.y() - h + r);
        top.quadTo(c.x() - w, c.y() - h, c.x() - w + r, c.y() - h);
        top.lineTo(c.x() + w - a, c.y() - h);
        QPainterPath bottom;
        bottom.moveTo(c.x() + w, c.y() - h * 0.2);
        bottom.lineTo(c.x() + w, c.y() + h - r);
        bottom.quadTo(c.x() + w, c.y() + h, c.x() + w - r, c.y() + h);
        bottom.lineTo(c.x() - w + a, c.y() + h);
        p.drawPath(top);
        p.drawPath(bottom);
        p.setBrush(colour);
        p.setPen(Qt::NoPen);
        p.drawPolygon(QPolygonF({QPointF(c.x() + w + a * 0.2, c.y() - h), QPointF(c.x() + w - a * 1.2, c.y() - h - a),
                                 QPointF(c.x() + w - a * 1.2, c.y() - h + a)}));
        p.drawPolygon(QPolygonF({QPointF(c.x() - w - a * 0.2, c.y() + h), QPointF(c.x() - w + a * 1.2, c.y() + h - a),
                                 QPointF(c.x() - w + a * 1.2, c.y() + h + a)}));
    };
    switch (icon) {
    case Icon::Play:
        tri(c.x() + s * 0.05, c.y(), s * 0.5, true);
        break;
    case Icon::Pause:
        p.setPen(Qt::NoPen);
        p.drawRoundedRect(QRectF(c.x() - s * 0.2, c.y() - s * 0.25, s * 0.13, s * 0.5), 1.5, 1.5);
        p.drawRoundedRect(QRectF(c.x() + s * 0.07, c.y() - s * 0.25, s * 0.13, s * 0.5), 1.5, 1.5);
        break;
    case Icon::Stop:
        p.setPen(Qt::NoPen);
        p.drawRoundedRect(QRectF(c.x() - s * 0.2, c.y() - s * 0.2, s * 0.4, s * 0.4), 2, 2);
        break;
    case Icon::Prev:
    case Icon::Next: {
        const bool next = icon == Icon::Next;
        tri(c.x() + (next ? -s * 0.05 : s * 0.05), c.y(), s * 0.4, next);
        p.setPen(Qt::NoPen);
        p.drawRect(QRectF(next ? c.x() + s * 0.16 : c.x() - s * 0.24, c.y() - s * 0.22, s * 0.08, s * 0.44));
        break;
    }
    case Icon::CycleAll:
        repeatLoop();
        break;
    case Icon::CycleOne:
        repeatLoop();
        p.setPen(colour);
        p.setFont(Font(s * 0.28, QFont::Bold));
        p.drawText(QRectF(c.x() - s * 0.2, c.y() - s * 0.2, s * 0.4, s * 0.4), Qt::AlignCenter, "1");
        break;
    case Icon::Print: {
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(c.x() - s * 0.14, c.y() - s * 0.26, s * 0.28, s * 0.14));
        p.drawRoundedRect(QRectF(c.x() - s * 0.26, c.y() - s * 0.12, s * 0.52, s * 0.24), 2, 2);
        p.setBrush(colour);
        p.drawRect(QRectF(c.x() - s * 0.14, c.y() + s * 0.04, s * 0.28, s * 0.2));
        break;
    }
    case Icon::Capture: {
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(QRectF(c.x() - s * 0.27, c.y() - s * 0.15, s * 0.54, s * 0.36), 3, 3);
        p.drawRect(QRectF(c.x() - s * 0.1, c.y() - s * 0.23, s * 0.2, s * 0.08));
        p.drawEllipse(QPointF(c.x(), c.y() + s * 0.03), s * 0.1, s * 0.1);
        break;
    }
    case Icon::Swap: {
        const double a = s * 0.26;
        p.drawLine(QPointF(c.x() - a, c.y() - s * 0.09), QPointF(c.x() + a, c.y() - s * 0.09));
        p.drawLine(QPointF(c.x() + a, c.y() - s * 0.09), QPointF(c.x() + a - s * 0.1, c.y() - s * 0.19));
        p.drawLine(QPointF(c.x() - a, c.y() + s * 0.09), QPointF(c.x() + a, c.y() + s * 0.09));
        p.drawLine(QPointF(c.x() - a, c.y() + s * 0.09), QPointF(c.x() - a + s * 0.1, c.y() + s * 0.19));
        break;
    }
    case Icon::Import: {
        p.setBrush(Qt::NoBrush);
        QPainterPath folder;
        folder.moveTo(c.x() - s * 0.3, c.y() + s * 0.25);
        folder.lineTo(c.x() - s * 0.3, c.y() - s * 0.22);
        folder.lineTo(c.x() - s * 0.08, c.y() - s * 0.22);
        folder.lineTo(c.x() - s * 0.02, c.y() - s * 0.14);
        folder.lineTo(c.x() + s * 0.3, c.y() - s * 0.14);
        folder.lineTo(c.x() + s * 0.3, c.y() + s * 0.25);
        folder.closeSubpath();
        p.drawPath(folder);
        p.drawLine(QPointF(c.x(), c.y() - s * 0.04), QPointF(c.x(), c.y() + s * 0.16));
        p.drawLine(QPointF(c.x() - s * 0.08, c.y() + s * 0.08), QPointF(c.x(), c.y() + s * 0.16));
        p.drawLine(QPointF(c.x() + s * 0.08, c.y() + s * 0.08), QPointF(c.x(), c.y() + s * 0.16));
        break;
    }
    case Icon::Clear:
        p.setBrush(Qt::NoBrush);
        p.drawLine(QPointF(c.x() - s * 0.25, c.y() - s * 0.18), QPointF(c.x() + s * 0.25, c.y() - s * 0.18));
        p.drawRect(QRectF(c.x() - s * 0.17, c.y() - s * 0.12, s * 0.34, s * 0.38));
        p.drawLine(QPointF(c.x() - s * 0.06, c.y() - s * 0.26), QPointF(c.x() + s * 0.06, c.y() - s * 0.26));
        break;
    case Icon::Film:
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(QRectF(c.x() - s * 0.3, c.y() - s * 0.2, s * 0.42, s * 0.4), 2, 2);
        p.setBrush(colour);
        p.drawPolygon(QPolygonF({QPointF(c.x() + s * 0.14, c.y() - s * 0.02), QPointF(c.x() + s * 0.3, c.y() - s * 0.14),
                                 QPointF(c.x() + s * 0.3, c.y() + s * 0.14), QPointF(c.x() + s * 0.14, c.y() + s * 0.02)}));
        break;
    case Icon::List:
        for (int i = -1; i <= 1; ++i) {
            p.drawPoint(QPointF(c.x() - s * 0.24, c.y() + i * s * 0.16));
            p.drawLine(QPointF(c.x() - s * 0.12, c.y() + i * s * 0.16), QPointF(c.x() + s * 0.28, c.y() + i * s * 0.16));
        }
        break;
    case Icon::Minus:
    case Icon::Plus:
        p.setPen(QPen(colour, 2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(c.x() - s * 0.22, c.y()), QPointF(c.x() + s * 0.22, c.y()));
        if (icon == Icon::Plus)
            p.drawLine(QPointF(c.x(), c.y() - s * 0.22), QPointF(c.x(), c.y() + s * 0.22));
        break;
    case Icon::Minimize:
        p.setPen(QPen(colour, 2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(c.x() - 5, c.y() + 3), QPointF(c.x() + 5, c.y() + 3));
        break;
    case Icon::Close:
        p.setPen(QPen(colour, 2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(c.x() - 4.5, c.y() - 4.5), QPointF(c.x() + 4.5, c.y() + 4.5));
        p.drawLine(QPointF(c.x() + 4.5, c.y() - 4.5), QPointF(c.x() - 4.5, c.y() + 4.5));
        break;
    }
}

// ---- button strips -----------------------------------------------------

struct StateLook {
    QColor cap, edge, icon;
    double offset;
};

const StateLook kStates[4] = {
    {QColor(255, 255, 255, 12), QColor(130, 149, 179, 70), QColor(176, 190, 212), 0},  // normal
    {QColor(63, 182, 200, 90), QColor(63, 182, 200, 230), QColor(255, 255, 255), 1},   // pressed
    {QColor(63, 182, 200, 40), QColor(63, 182, 200, 160), QColor(232, 242, 255), 0},   // hover, focus
    {QColor(255, 255, 255, 5), QColor(130, 149, 179, 30), QColor(70, 78, 92), 0},      // disabled
};

// Four pictures side by side: normal, pressed, hover/focus, disabled.
QImage Strip(int stateWidth, int height, const std::function<void(QPainter&, QRectF, const StateLook&, int)>& draw)
{
    QImage image = Canvas(stateWidth * 4, height);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    for (int state = 0; state < 4; ++state) {
        const StateLook& look = kStates[state];
        const QRectF cell(state * stateWidth, 0, stateWidth, height);
        p.save();
        p.setClipRect(cell);
        draw(p, cell.translated(look.offset, look.offset), look, state);
        p.restore();
    }
    return image;
}

QImage TransportStrip(Icon icon)
{
    return Strip(52, 51, [icon](QPainter& p, QRectF cell, const StateLook& look, int) {
        const QRectF cap = cell.adjusted(5, 5, -5, -5);
        p.setPen(QPen(look.edge, 1));
        p.setBrush(look.cap);
        p.drawEllipse(cap);
        DrawIcon(p, icon, cap.adjusted(6, 6, -6, -6), look.icon);
    });
}

// The label is the player's to draw, in the user's language.
QImage LabelStrip(Icon icon)
{
    return Strip(65, 29, [icon](QPainter& p, QRectF cell, const StateLook& look, int) {
        const QRectF cap = cell.adjusted(2, 3, -2, -3);
        p.setPen(QPen(look.edge, 1));
        p.setBrush(look.cap);
        p.drawRoundedRect(cap, 5, 5);
        DrawIcon(p, icon, QRectF(cap.left() + 3, cap.top() + 2, 19, 19), look.icon);
    });
}

QImage SmallStrip(int width, int height, Icon icon, bool round)
{
    return Strip(width, height, [=](QPainter& p, QRectF cell, const StateLook& look, int state) {
        QColor cap = look.cap, edge = look.edge;
        if (icon == Icon::Close && (state == 1 || state == 2)) {  // closing glows red
            cap = QColor(214, 64, 64, state == 1 ? 230 : 170);
            edge = QColor(240, 110, 110);
        }
        const QRectF r = cell.adjusted(1.5, 1.5, -1.5, -1.5);
        p.setPen(QPen(edge, 1));
        p.setBrush(cap);
        round ? p.drawEllipse(r) : p.drawRoundedRect(r, 4, 4);
        DrawIcon(p, icon, r, look.icon);
    });
}

// ---- the window skin ---------------------------------------------------

enum class SpeedUnit { Kmh, Mph };
constexpr double kKmPerMile = 1.609344;

// The dial's face: its marks where the needle points for each speed, in km/h
// or in mph (the needle turns by km/h either way).
void SpeedDial(QPainter& p, SpeedUnit unit)
{
    const QPointF c(Layout::kSpeedCentreX, Layout::kSpeedCentreY);
    QRadialGradient face(c, 60);
    face.setColorAt(0, QColor(28, 33, 41));
    face.setColorAt(1, QColor(12, 14, 17));
    p.setPen(QPen(kPanelEdge, 1.5));
    p.setBrush(face);
    p.drawEllipse(c, 57, 57);
    // The needle's angle rule: km/h + 140 degrees, clockwise from the x axis.
    const bool mph = unit == SpeedUnit::Mph;
    const int top = mph ? 160 : 260;
    for (int value = 0; value <= top; value += 10) {
        const double kmh = mph ? value * kKmPerMile : value;
        const double a = (kmh + 140) * kPi / 180;
        const bool major = value % 20 == 0;
        const double r0 = major ? 44 : 48, r1 = 53;
        QColor tick = kmh >= 200 ? QColor(214, 84, 84) : (major ? kText.lighter(130) : kText);
        p.setPen(QPen(tick, major ? 2 : 1, Qt::SolidLine, Qt::FlatCap));
        p.drawLine(QPointF(c.x() + r0 * std::cos(a), c.y() + r0 * std::sin(a)),
                   QPointF(c.x() + r1 * std::cos(a), c.y() + r1 * std::sin(a)));
        if (value % (mph ? 20 : 40) == 0) {
            p.setFont(Font(8, QFont::DemiBold));
            p.setPen(kText.lighter(120));
            const QPointF at(c.x() + 35 * std::cos(a), c.y() + 35 * std::sin(a));
            p.drawText(QRectF(at.x() - 12, at.y() - 6, 24, 12), Qt::AlignCenter, QString::number(value));
        }
    }
    p.setFont(Font(8));
    p.setPen(kText);
    p.drawText(QRectF(c.x() - 20, c.y() + 12, 40, 12), Qt::AlignCenter, mph ? "mph" : "km/h");
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(60, 66, 76));
    p.drawEllipse(c, 4, 4);
}

void CompassRose(QPainter& p)
{
    const QPointF c(Layout::kCompassLeft + 36, Layout::kCompassTop + 36);
    QRadialGradient face(c, 55);
    face.setColorAt(0, QColor(28, 33, 41));
    face.setColorAt(1, QColor(12, 14, 17));
    p.setPen(QPen(kPanelEdge, 1.5));
    p.setBrush(face);
    p.drawEllipse(c, 52, 52);
    for (int deg = 0; deg < 360; deg += 15) {
        const double a = (deg - 90) * kPi / 180;
        const bool cardinal = deg % 90 == 0;
        const double r0 = cardinal ? 40 : (deg % 45 == 0 ? 43 : 46), r1 = 49;
        p.setPen(QPen(cardinal ? kText.lighter(140) : kText, cardinal ? 2 : 1));
        p.drawLine(QPointF(c.x() + r0 * std::cos(a), c.y() + r0 * std::sin(a)),
                   QPointF(c.x() + r1 * std::cos(a), c.y() + r1 * std::sin(a)));
    }
    p.setFont(Font(9, QFont::Bold));
    const char* letters[] = {"N", "E", "S", "W"};
    for (int i = 0; i < 4; ++i) {
        const double a = (i * 90 - 90) * kPi / 180;
        const QPointF at(c.x() + 58 * std::cos(a), c.y() + 58 * std::sin(a));
        p.setPen(i == 0 ? QColor(214, 84, 84) : kText.lighter(130));
        p.drawText(QRectF(at.x() - 7, at.y() - 7, 14, 14), Qt::AlignCenter, letters[i]);
    }
}

QImage WindowSkin(SpeedUnit unit = SpeedUnit::Kmh)
{
    using namespace Layout;
    QImage image = Canvas(kSkinWidth, kSkinHeight);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    QLinearGradient body(0, 0, 0, kSkinHeight);
    body.setColorAt(0, QColor(30, 35, 43));
    body.setColorAt(1, QColor(16, 18, 22));
    p.fillRect(image.rect(), body);
    // Frame and title strip.
    p.setPen(QPen(QColor(58, 66, 78), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(0.5, 0.5, kSkinWidth - 1, kSkinHeight - 1));
    QLinearGradient title(0, 0, 0, 30);
    title.setColorAt(0, QColor(40, 46, 56));
    title.setColorAt(1, QColor(26, 30, 36));
    p.fillRect(QRectF(1, 1, kSkinWidth - 2, 29), title);
    p.setPen(QColor(8, 9, 11));
    p.drawLine(1, 30, kSkinWidth - 2, 30);
    p.setPen(kAccent);
    p.setBrush(kAccent);
    p.drawEllipse(QPointF(16, 15), 4, 4);
    // Panels behind the video, transport strip, seek bar, waveform.
    const QRect video = kVideo.Rect(), wave = kWaveform.Rect(), seek = kSeekBar.Rect();
    Panel(p, QRectF(video).adjusted(-3, -3, 3, 3), 5);
    p.fillRect(video, Qt::black);
    Panel(p, QRectF(video.left() - 3, kPlay.Rect().top() - 6, video.width() + 6, 62), 8);
    Panel(p, QRectF(seek.left() - 2, seek.top() - 3, 679, 15), 4);
    Panel(p, QRectF(wave).adjusted(-3, 0, 3, 4), 5);
    // Right column: list area with its header of buttons, map, instruments.
    const QRect list = kList.Rect(), map = kMap.Rect();
    Panel(p, QRectF(list.left() - 3, list.top() - 34, 330, list.height() + 50), 6);
    p.fillRect(QRect(list.left(), list.top(), 308 + 13, list.height() + 13), QColor(224, 234, 244));
    Panel(p, QRectF(map).adjusted(-3, -3, 3, 3), 5);
    p.fillRect(map, Qt::black);
    p.setFont(Font(12));
    p.setPen(kText);
    p.drawText(map, Qt::AlignCenter, "");
    Panel(p, QRectF(map.left() - 3, 608, map.width() + 6, 154), 8);
    SpeedDial(p, unit);
    CompassRose(p);
    const QRect speed = kSpeedText.Rect();
    p.setPen(QPen(kPanelEdge, 1));
    p.setBrush(QColor(32, 32, 32));
    p.drawRoundedRect(QRectF(speed).adjusted(-4, -2, 4, 2), 3, 3);
    // Maker's line.
    p.setFont(Font(9));
    p.setPen(QColor(70, 80, 96));
    p.drawText(QRectF(0, kSkinHeight - 16, kSkinWidth - 8, 14), Qt::AlignRight, "DualDash");
    return image.convertToFormat(QImage::Format_RGB32);
}

QImage IdlePicture()
{
    QImage image = Canvas(680, 480, Qt::black);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, 480);
    sky.setColorAt(0, QColor(14, 20, 30));
    sky.setColorAt(0.55, QColor(28, 40, 56));
    sky.setColorAt(0.56, QColor(20, 22, 26));
    sky.setColorAt(1, QColor(10, 11, 13));
    p.fillRect(image.rect(), sky);
    // A road running to the horizon.
    const QPointF vanish(340, 264);
    QPainterPath road;
    road.moveTo(vanish.x() - 6, vanish.y());
    road.lineTo(vanish.x() + 6, vanish.y());
    road.lineTo(560, 480);
    road.lineTo(120, 480);
    road.closeSubpath();
    p.fillPath(road, QColor(34, 37, 42));
    p.setPen(QPen(QColor(220, 200, 120, 160), 3));
    for (int i = 0; i < 7; ++i) {
        const double t0 = std::pow(0.72, i), t1 = t0 * 0.86;
        p.drawLine(QPointF(vanish.x(), vanish.y() + (480 - vanish.y()) * (1 - t0)),
                   QPointF(vanish.x(), vanish.y() + (480 - vanish.y()) * (1 - t1)));
    }
    // Two lenses: front and rear.
    for (int i = 0; i < 2; ++i) {
        const QPointF c(300 + i * 80, 150);
        QRadialGradient lens(c, 26);
        lens.setColorAt(0, kAccent.lighter(140));
        lens.setColorAt(0.5, QColor(20, 60, 80));
        lens.setColorAt(1, QColor(8, 12, 16));
        p.setPen(QPen(kText, 2));
        p.setBrush(lens);
        p.drawEllipse(c, 24, 24);
    }
    p.setFont(Font(30, QFont::Bold));
    p.setPen(QColor(220, 230, 244));
    p.drawText(QRectF(0, 190, 680, 40), Qt::AlignCenter, "DualDash");
    return image.convertToFormat(QImage::Format_RGB32);
}

// 20 x 72, pointing north on magenta; symmetric about column 10 with column 0
// all magenta, the left half in shadow.
QImage CompassNeedle()
{
    QImage image(20, 72, QImage::Format_RGB888);
    image.fill(kMagenta);
    for (int row = 0; row < 72; ++row) {
        const bool north = row < 36;
        const int fromTip = north ? row : 71 - row;
        const int half = std::min(8, fromTip * 8 / 34);
        for (int col = 10 - half; col <= 10 + half; ++col) {
            const bool shadow = col < 10;
            QColor c = north ? (shadow ? QColor(170, 30, 30) : QColor(235, 70, 60))
                             : (shadow ? QColor(150, 158, 170) : QColor(226, 232, 240));
            if (col == 10)
                c = north ? QColor(255, 120, 110) : QColor(250, 252, 255);
            image.setPixelColor(col, row, c);
        }
    }
    // Drawn pixel by pixel: finer screens get each pixel doubled, edges kept hard.
    return image.scaled(image.size() * g_scale, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

QImage Filled(int w, int h, const std::function<void(QPainter&, QRect)>& draw, QImage::Format format = QImage::Format_RGB888)
{
    QImage image = Canvas(w, h, kMagenta);
    QPainter p(&image);
    draw(p, QRect(0, 0, w, h));
    p.end();
    return image.convertToFormat(format);
}

QImage Channel(bool passed)
{
    return Filled(675, 9, [passed](QPainter& p, QRect r) {
        p.fillRect(r, QColor(13, 15, 18));
        QLinearGradient g(0, 2, 0, 7);
        if (passed) {
            g.setColorAt(0, kAccent.lighter(130));
            g.setColorAt(1, kAccent.darker(150));
        } else {
            g.setColorAt(0, QColor(48, 54, 64));
            g.setColorAt(1, QColor(30, 34, 40));
        }
        p.fillRect(QRect(0, 3, 675, 3), g);
    });
}

QImage Thumb(bool active)
{
    return Filled(18, 18, [active](QPainter& p, QRect) {
        p.setRenderHint(QPainter::Antialiasing, false);
        QRadialGradient g(QPointF(8, 7), 9);
        g.setColorAt(0, active ? QColor(255, 255, 255) : QColor(220, 230, 242));
        g.setColorAt(1, active ? kAccent : QColor(120, 136, 160));
        p.setPen(QColor(20, 24, 30));
        p.setBrush(g);
        p.drawEllipse(QRect(2, 2, 13, 13));
    });
}

QImage VolumeBar(bool lit)
{
    return Filled(2, 11, [lit](QPainter& p, QRect r) {
        QLinearGradient g(0, 0, 0, 11);
        g.setColorAt(0, lit ? QColor(120, 230, 240) : QColor(52, 58, 68));
        g.setColorAt(1, lit ? kAccent.darker(120) : QColor(34, 38, 46));
        p.fillRect(r, g);
    });
}

QImage HeaderPiece(int w, int kind)  // 0 strip, 1 left edge, 2 right edge
{
    return Filled(w, 24, [kind](QPainter& p, QRect r) {
        QLinearGradient g(0, 0, 0, 24);
        g.setColorAt(0, QColor(98, 108, 146));
        g.setColorAt(1, QColor(70, 78, 110));
        p.fillRect(r, g);
        p.setPen(QColor(112, 122, 160));
        p.drawLine(0, 0, r.width(), 0);
        p.setPen(QColor(44, 50, 72));
        p.drawLine(0, 23, r.width(), 23);
        if (kind == 1) {
            p.setPen(QColor(120, 130, 168));
            p.drawLine(0, 0, 0, 23);
        } else if (kind == 2) {
            p.setPen(QColor(90, 90, 90));
            p.drawLine(1, 2, 1, 21);
        }
    });
}

QImage ScrollPiece(int w, int h, const std::function<void(QPainter&, QRect)>& extra)
{
    return Filled(w, h, [&](QPainter& p, QRect r) {
        p.fillRect(r, QColor(74, 82, 107));
        p.setRenderHint(QPainter::Antialiasing);
        extra(p, r);
    });
}

void Arrow(QPainter& p, QRectF r, int direction)  // 0 up, 1 right, 2 down, 3 left
{
    const QPointF c = r.center();
    const double s = 3.5;
    QPolygonF tri = {QPointF(0, -s), QPointF(s, s * 0.6), QPointF(-s, s * 0.6)};
    QTransform t;
    t.translate(c.x(), c.y());
    t.rotate(direction * 90);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(210, 220, 236));
    p.drawPolygon(t.map(tri));
}

void KnobShape(QPainter& p, QRectF r)
{
    QLinearGradient g(r.topLeft(), r.bottomRight());
    g.setColorAt(0, QColor(150, 162, 196));
    g.setColorAt(1, QColor(100, 110, 146));
    p.setPen(QColor(50, 56, 76));
    p.setBrush(g);
    p.drawRoundedRect(r, 4, 4);
}

// The program's icon on a 128-unit square: a dark rounded body, two lenses
// (front and rear), a red line of the road.
void PaintProgramIcon(QPainter& p)
{
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient g(0, 0, 0, 128);
    g.setColorAt(0, QColor(40, 48, 60));
    g.setColorAt(1, QColor(14, 16, 20));
    p.setPen(QPen(kAccent, 4));
    p.setBrush(g);
    p.drawRoundedRect(QRectF(6, 6, 116, 116), 26, 26);
    for (int i = 0; i < 2; ++i) {
        const QPointF c(44 + i * 40, 58);
        QRadialGradient lens(c, 18);
        lens.setColorAt(0, kAccent.lighter(150));
        lens.setColorAt(1, QColor(10, 30, 40));
        p.setPen(QPen(QColor(200, 212, 230), 3));
        p.setBrush(lens);
        p.drawEllipse(c, 15, 15);
    }
    p.setPen(QPen(QColor(255, 80, 70), 5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(34, 98), QPointF(94, 98));
}

QImage ProgramIcon()
{
    QImage image = Canvas(128, 128);
    QPainter p(&image);
    PaintProgramIcon(p);
    return image;
}

// The icon at the desktop's sizes, as the icon theme lays them out
// (FOLDER/NxN/apps/dualdash.png).
bool DrawDesktopIcons(const QString& folder)
{
    bool ok = true;
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter p(&image);
        p.scale(size / 128.0, size / 128.0);
        PaintProgramIcon(p);
        p.end();
        const QString dir = QStringLiteral("%1/%2x%2/apps").arg(folder).arg(size);
        QDir().mkpath(dir);
        if (!image.save(dir + "/dualdash.png")) {
            std::fprintf(stderr, "mkskin: cannot write %s/dualdash.png\n", qPrintable(dir));
            ok = false;
        }
    }
    return ok;
}

// Every picture of the skin, at the current scale.
bool DrawAll()
{
    bool ok = true;
    ok &= Save(WindowSkin(), "window.png");
    // The mph face, painted over the km/h one when the user chooses mph.
    ok &= Save(WindowSkin(SpeedUnit::Mph).copy(QRect(QPoint(Layout::kSpeedCentreX - 60, Layout::kSpeedCentreY - 60) * g_scale, QSize(120, 120) * g_scale)), "dial_mph.png");
    ok &= Save(IdlePicture(), "idle.jpg");
    ok &= Save(ProgramIcon(), "icon.png");
    const std::pair<Icon, const char*> transport[] = {
        {Icon::CycleAll, "cycle_all.png"}, {Icon::CycleOne, "cycle_one.png"}, {Icon::Prev, "previous.png"},
        {Icon::Play, "play.png"},          {Icon::Pause, "pause.png"},        {Icon::Stop, "stop.png"},
        {Icon::Next, "next.png"},          {Icon::Print, "print.png"},        {Icon::Capture, "capture.png"},
        {Icon::Swap, "swap.png"}};
    for (const auto& [icon, name] : transport)
        ok &= Save(TransportStrip(icon), name);
    ok &= Save(LabelStrip(Icon::Import), "import.png");
    ok &= Save(LabelStrip(Icon::Clear), "clear.png");
    ok &= Save(LabelStrip(Icon::Film), "show_video.png");
    ok &= Save(LabelStrip(Icon::List), "show_list.png");
    ok &= Save(SmallStrip(23, 23, Icon::Minus, true), "volume_down.png");
    ok &= Save(SmallStrip(23, 23, Icon::Plus, true), "volume_up.png");
    ok &= Save(SmallStrip(29, 21, Icon::Minimize, false), "minimize.png");
    ok &= Save(SmallStrip(29, 21, Icon::Close, false), "close.png");
    ok &= Save(CompassNeedle(), "compass_needle.bmp");
    ok &= Save(Channel(false), "seek_channel.bmp");
    ok &= Save(Channel(true), "seek_channel_passed.bmp");
    ok &= Save(Thumb(false), "seek_thumb.bmp");
    ok &= Save(Thumb(true), "seek_thumb_active.bmp");
    ok &= Save(VolumeBar(true), "volume_lit.bmp");
    ok &= Save(VolumeBar(false), "volume_unlit.bmp");
    ok &= Save(HeaderPiece(4, 2), "header_right.bmp");
    ok &= Save(HeaderPiece(2, 0), "header_strip.bmp");
    ok &= Save(HeaderPiece(4, 1), "header_left.bmp");
    ok &= Save(ScrollPiece(26, 12, [](QPainter& p, QRect r) { Arrow(p, r, 3); }), "hscroll_left.bmp");
    ok &= Save(ScrollPiece(26, 12, [](QPainter& p, QRect r) { Arrow(p, r, 1); }), "hscroll_right.bmp");
    ok &= Save(ScrollPiece(1, 12, [](QPainter& p, QRect) { p.fillRect(0, 5, 1, 2, QColor(56, 62, 82)); }), "hscroll_channel.bmp");
    ok &= Save(ScrollPiece(26, 12, [](QPainter& p, QRect r) { KnobShape(p, QRectF(r).adjusted(1, 1.5, -1, -1.5)); }), "hscroll_thumb.bmp");
    ok &= Save(ScrollPiece(11, 11, [](QPainter&, QRect) {}), "vscroll_bottom.bmp");
    ok &= Save(ScrollPiece(12, 26, [](QPainter& p, QRect r) { Arrow(p, r, 2); }), "vscroll_down.bmp");
    ok &= Save(ScrollPiece(12, 1, [](QPainter& p, QRect) { p.fillRect(5, 0, 2, 1, QColor(56, 62, 82)); }), "vscroll_channel.bmp");
    ok &= Save(ScrollPiece(12, 26, [](QPainter& p, QRect r) { KnobShape(p, QRectF(r).adjusted(1.5, 1, -1.5, -1)); }), "vscroll_thumb.bmp");
    ok &= Save(ScrollPiece(12, 11, [](QPainter&, QRect) {}), "vscroll_top.bmp");
    ok &= Save(ScrollPiece(12, 26, [](QPainter& p, QRect r) { Arrow(p, r, 0); }), "vscroll_up.bmp");
    return ok;
}

}  // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    if (argc != 2 && argc != 3) {
        std::fprintf(stderr, "usage: mkskin OUTPUT_FOLDER [ICON_THEME_FOLDER]\n");
        return 64;
    }
    g_out = argv[1];
    QDir().mkpath(g_out);
    bool ok = true;
    for (int scale : {1, 2}) {
        g_scale = scale;
        ok &= DrawAll();
    }
    if (argc == 3)
        ok &= DrawDesktopIcons(argv[2]);
    return ok ? 0 : 1;
}
