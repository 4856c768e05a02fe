#pragma once
// The track of the recording being played, and the choice of reader for it.

#include "AssistInfo.h"
#include "AviTrackReader.h"
#include "CameraTracks.h"

#include <string>

class CTrackLoader {
public:
    int GetCount() const { return static_cast<int>(track_.size()); }

    // 0 and a copy of slot `index`; else -1 with `out` set to the default slot
    // ("0" texts, zero numbers) except its course, which is left as it was.
    int GetAssistInfo(int index, tagAssistInfo& out) const;

    void Clear()
    {
        track_.clear();
        source_ = TrackSource::None;
        startUtc_ = -1;
    }

    // Empties the track. A recording without a side file whose name ends in
    // "AVI" (upper case exactly) must carry a recorder marker; all else is 1.
    int IsSupported(const std::string& datPath, const std::string& mediaPath);

    // For recordings whose movie names the NT96650A chip: slots, or -1.
    int LoadNT96650ATrack(const std::string& mediaPath);

    // The side file when there is one (slots, or -1); else by the name's ending,
    // any case: AVI and MOV give 0. Other recordings are read by what they
    // hold (freeGPS, GPMF, BlackVue, NMEA in a text track or a side file):
    // 0 when a reader found its data, else -1.
    int LoadTrack(const std::string& datPath, const std::string& mediaPath);

    const TrackSlots& Slots() const { return track_; }
    // The reader that produced the current track.
    TrackSource Source() const { return source_; }
    // The UTC of the recording's time 0 by its GPS clock, seconds since 1970;
    // -1 when the track dates none of its fixes.
    double StartUtc() const { return startUtc_; }

private:
    TrackSlots track_;
    TrackSource source_ = TrackSource::None;
    double startUtc_ = -1;
    CAviTrackReader aviReader_;
};
