#include "Event.h"

const char* EventKindName(EventKind kind)
{
    switch (kind) {
    case EventKind::Impact: return "impact";
    case EventKind::HardBraking: return "braking";
    case EventKind::HardAcceleration: return "acceleration";
    case EventKind::CameraEvent: return "camera-event";
    case EventKind::Parking: return "parking";
    case EventKind::Bookmark: return "bookmark";
    }
    return "?";
}
