#pragma once
// One 100 ms slot of a recording's track.

#include <cstdint>
#include <string>
#include <vector>

struct tagAssistInfo {
    float x = 0.0f;    // G-sensor X, g
    float y = 0.0f;    // G-sensor Y, g
    float z = 0.0f;    // G-sensor Z, g
    float aux = 0.0f;  // fourth sensor value (AVI only)
    std::uint32_t status = 0;  // status byte widened (AVI only)
    std::string latitude;      // decimal degrees as text; "0" or empty: no fix
    std::string longitude;
    int speed = 0;        // km/h
    double course = 0.0;  // degrees, 0..360
};

// Slot n covers playback time n/10 s.
using TrackSlots = std::vector<tagAssistInfo>;

// A day of recording. No recorder writes longer files; the cap keeps a hostile
// time field or a file of empty lines from asking for gigabytes of slots.
inline constexpr std::size_t kMaxTrackSlots = 10u * 3600u * 24u;

// Appends `count` copies of `slot`, stopping at kMaxTrackSlots.
inline void AppendSlots(TrackSlots& track, const tagAssistInfo& slot, std::size_t count)
{
    std::size_t room = track.size() < kMaxTrackSlots ? kMaxTrackSlots - track.size() : 0;
    track.insert(track.end(), count < room ? count : room, slot);
}

// A consumer shows a position only when both texts are longer than 6 characters.
inline bool HasPosition(const tagAssistInfo& slot)
{
    return slot.latitude.size() > 6 && slot.longitude.size() > 6;
}

// Whether two slots hold the same GPS sample: a receiver's fix fills the slots
// until its next one.
inline bool SameGpsSample(const tagAssistInfo& a, const tagAssistInfo& b)
{
    return a.latitude == b.latitude && a.longitude == b.longitude && a.speed == b.speed && a.course == b.course;
}
