#pragma once
// The moving parts of the dial and the compass drawn on the window's skin.

#include <QImage>
#include <QPoint>
#include <QString>

namespace SpeedDash {

inline constexpr QPoint kCentre{776, 684};
inline constexpr int kNeedleLength = 50;
inline const QRect kDialRect{721, 629, 110, 90};
inline const QRect kCompassRect{900, 645, 160, 160};

// The face of the dial in mph, laid over the km/h face (dial_mph.png).
inline const QRect kDialFaceRect{kCentre.x() - 60, kCentre.y() - 60, 120, 120};

enum class SpeedUnit { Kmh, Mph };
// "47Km/H", or in mph "29MPH" (whole miles an hour, truncated).
QString SpeedText(int kmh, SpeedUnit unit);

// Speeds outside 0..260 are shown as 0.
int ClampSpeed(int speed);
// The needle's end: 0 km/h at 140 degrees, clockwise on screen.
QPoint SpeedNeedleEnd(int speed);
// The compass needle turned by trunc(course) mod 360 degrees clockwise,
// mirrored left to right, in an S x S box (S = the needle's longer side);
// what is not needle is transparent.
QImage CompassNeedle(const QImage& needle, double course);

}  // namespace SpeedDash
