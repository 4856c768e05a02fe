#include "EventColours.h"

#include <QCoreApplication>

namespace {

struct KindLook {
    EventKind kind;
    QColor colour;
    const char* title;
};

// Told apart on the dark waveform, the grey seek bar and the map's light
// tiles; red for what hurts, the user's own in the selection's yellow.
const KindLook kLooks[] = {
    {EventKind::Impact, QColor(230, 32, 32), QT_TRANSLATE_NOOP("EventColours", "Impact")},
    {EventKind::HardBraking, QColor(255, 140, 0), QT_TRANSLATE_NOOP("EventColours", "Hard braking")},
    {EventKind::HardAcceleration, QColor(40, 170, 80), QT_TRANSLATE_NOOP("EventColours", "Hard acceleration")},
    {EventKind::CameraEvent, QColor(160, 60, 200), QT_TRANSLATE_NOOP("EventColours", "Camera event")},
    {EventKind::Parking, QColor(60, 130, 230), QT_TRANSLATE_NOOP("EventColours", "Parking")},
    {EventKind::Bookmark, QColor(250, 210, 40), QT_TRANSLATE_NOOP("EventColours", "Bookmark")},
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
    return QCoreApplication::translate("EventColours", LookOf(kind).title);
}

QStringList EventKindTitles()
{
    QStringList titles;
    for (const KindLook& look : kLooks)
        titles << QCoreApplication::translate("EventColours", look.title);
    return titles;
}
