#pragma once
// Hard braking and hard acceleration from the GPS speed, where the fix holds
// on both sides of the change: a fix lost or regained makes no event.

#include "Event.h"
#include "track/AssistInfo.h"

#include <vector>

// One event a stretch in which the speed changed at least as hard as the
// settings ask for at least `heldSeconds`: at the stretch's start, with its
// hardest change in g and the speed before it.
std::vector<TrackEvent> DetectSpeedEvents(const TrackSlots& track, const EventSettings& settings);
