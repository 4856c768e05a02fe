#pragma once
// Impacts: the G-sensor's change against its own running level. The level
// follows the camera's mounting angle, gravity and slow manoeuvres; a jolt
// stands out against it.

#include "Event.h"
#include "track/AssistInfo.h"

#include <vector>

// Each impact at the slot where the change was strongest, with that change
// in g; within `settings.quietSeconds` only the strongest counts. Slots
// without G-sensor data (all three values 0) are passed over.
std::vector<TrackEvent> DetectImpacts(const TrackSlots& track, const EventSettings& settings);
