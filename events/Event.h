#pragma once
// A moment worth finding in a recording: what happened, where in the file,
// how hard, and where the car was.

#include <string>

enum class EventKind {
    Impact,            // the G-sensor jolted against its own running level
    HardBraking,       // the GPS speed fell hard, held a while
    HardAcceleration,  // the GPS speed rose hard, held a while
    CameraEvent,       // the camera itself filed or locked the recording as an event
    Parking,           // a recording the camera made in parking mode
    Bookmark,          // set by the user
};

// "impact", "braking", "acceleration", "camera-event", "parking", "bookmark".
const char* EventKindName(EventKind kind);

struct TrackEvent {
    EventKind kind = EventKind::Impact;
    int slot = 0;           // 100 ms slots from the recording's start
    double strength = 0;    // g; 0 for the kinds that have none
    int speedKmh = 0;       // at the moment, 0 without a fix
    std::string latitude;   // decimal degrees as text; empty without a fix
    std::string longitude;
    std::string note;       // a bookmark's, as the user wrote it

    double Seconds() const { return slot / 10.0; }
};

// What the detection looks for; the defaults are what drivers' peers use.
struct EventSettings {
    double impactG = 0.5;         // the jolt that counts as an impact; <= 0: impacts not looked for
    double brakingG = 0.35;       // deceleration, held for heldSeconds
    double accelerationG = 0.30;  // acceleration, held for heldSeconds
    double heldSeconds = 0.5;
    double quietSeconds = 3.0;    // of impacts this close together only the strongest counts
};

// The range the user may set the impact threshold in.
inline constexpr double kLowestImpactG = 0.1, kHighestImpactG = 2.0;
