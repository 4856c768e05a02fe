#pragma once
// `dashtrack events`: the events of recordings and folders as CSV or JSON.

#include "events/Event.h"

#include <ostream>
#include <string>
#include <vector>

struct EventsRequest {
    std::vector<std::string> paths;
    bool json = false;
    EventSettings settings;
};

// events PATH... [--format csv|json] [--threshold G|off]; false when the
// arguments are not such a command (the threshold outside 0.1..2 g too).
bool ParseEvents(int argc, char** argv, EventsRequest& request);

// The events of `recordings`, the earliest first: time (UTC), file, offset
// in the file (s), kind, strength (g), speed (km/h), position, note.
void WriteEvents(std::ostream& out, const std::vector<std::string>& recordings, const EventsRequest& request);
