#pragma once
// What the detections read of a slot.

#include "Event.h"
#include "track/AssistInfo.h"

inline bool HasFix(const tagAssistInfo& slot)
{
    return !slot.latitude.empty() && slot.latitude != "0";
}

// An event of `kind` at `slot`, with the car's speed and place there.
inline TrackEvent EventAt(EventKind kind, const TrackSlots& track, int slot, double strength)
{
    TrackEvent event;
    event.kind = kind;
    event.slot = slot;
    event.strength = strength;
    const tagAssistInfo& at = track[static_cast<std::size_t>(slot)];
    if (HasFix(at)) {
        event.speedKmh = at.speed;
        event.latitude = at.latitude;
        event.longitude = at.longitude;
    }
    return event;
}
