#include "SpeedDash.h"

#include <cmath>

namespace SpeedDash {

QString SpeedText(int kmh, SpeedUnit unit)
{
    constexpr double kKmPerMile = 1.609344;
    if (unit == SpeedUnit::Mph)
        return QString::asprintf("%dMPH", static_cast<int>(kmh / kKmPerMile));
    return QString::asprintf("%dKm/H", kmh);
}

int ClampSpeed(int speed)
{
    return speed < 0 || speed > 260 ? 0 : speed;
}

QPoint SpeedNeedleEnd(int speed)
{
    const int angle = (ClampSpeed(speed) + 140) % 360;
    const float theta = static_cast<float>(angle * 3.1415 / 180);  // the recorders' software uses 3.1415
    return QPoint(kCentre.x() + static_cast<int>(kNeedleLength * std::cos(theta)),
                  kCentre.y() + static_cast<int>(kNeedleLength * std::sin(theta)));
}

QImage CompassNeedle(const QImage& needle, double course)
{
    const int W = needle.width(), H = needle.height();
    const int S = std::max(W, H);
    QImage box(S, S, QImage::Format_ARGB32);
    box.fill(Qt::transparent);
    if (W == 0 || H == 0)
        return box;
    const QImage source = needle.convertToFormat(QImage::Format_RGB32);
    const QRgb magenta = qRgb(255, 0, 255);
    // trunc(course) mod 360, with the sign of the course: a negative course turns left.
    const double whole = std::trunc(course);
    const int degrees = std::isfinite(whole) ? static_cast<int>(std::fmod(whole, 360.0)) : 0;
    const double theta = degrees * 3.1415926 / 180;
    const double c = std::cos(theta), s = std::sin(theta);
    const int cx = S / 2, cy = S / 2, offX = (S - W) / 2, offY = (S - H) / 2;
    for (int i = 0; i < S; ++i) {
        for (int j = 0; j < S; ++j) {
            const int u = i - cx, v = j - cy;
            const int xr = static_cast<int>(u * c + v * s + cx);
            const int yr = static_cast<int>(-u * s + v * c + cy);
            const int X = W - xr + offX, Y = yr + offY;
            if (X < 0 || X >= W || Y < 0 || Y >= H)
                continue;
            const QRgb pixel = source.pixel(X, Y);
            if ((pixel & 0xFFFFFF) != (magenta & 0xFFFFFF))
                box.setPixel(i, j, pixel | 0xFF000000u);
        }
    }
    // Turned pixel for pixel at the needle's own scale: a finer needle stays fine.
    box.setDevicePixelRatio(needle.devicePixelRatio());
    return box;
}

}  // namespace SpeedDash
