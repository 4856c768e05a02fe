#include "EventColours.h"

namespace {

struct KindLook {
    EventKind kind;
    QColor colour;
    const char* title;
};

// Told apart on the dark waveform, the grey seek bar and the map's light
// tiles; red for what hurts, the user's own in the selection's yellow.
const KindLook kLooks[] = {
    {EventKind::Impact, QColor(230, 32, 32), "Impact"},
    {EventKind::HardBraking, QColor(255, 140, 0), "Hard braking"},
    {EventKind::HardAcceleration, QColor(40, 170, 80), "Hard acceleration"},
    {EventKind::CameraEvent, QColor(160, 60, 200), "Camera event"},
    {EventKind::Parking, QColor(60, 130, 230), "Parking"},
    {EventKind::Bookmark, QColor(250, 210, 40), "Bookmark"},
};

const KindLook& LookOf(EventKind kind)
{
    for (const KindLook& look : kLooks) {
        if (look.kind == kind)
            return look;
    }
    return kLooks[0];
}

}  // namespace

QColor EventColour(EventKind kind)
{
    return LookOf(kind).colour;
}

QString EventKindTitle(EventKind kind)
{
    return QString::fromUtf8(LookOf(kind).title);
}
