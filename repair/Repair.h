#pragma once
// A recording a power loss left without its index rebuilt from a healthy
// recording of the same camera: its tracks' settings from that one, its
// samples found in its own media data, written as a new file beside it (or
// where asked). The damaged file is never changed.

#include "Damage.h"
#include "MediaWalk.h"

#include <cstdint>
#include <string>

struct RepairRequest {
    std::string damaged;
    std::string reference;  // empty: the nearest healthy recording beside it
    std::string output;     // empty: NAME.repaired.EXT beside it; a folder: that name in it
    bool replace = false;   // an output that exists is replaced (the user said so), else refused
    RepairProgress progress;
};

struct RepairReport {
    std::string output, reference;
    Damage damage = Damage::None;
    std::uint64_t pictures = 0;
    double videoSeconds = 0;
    std::uint64_t soundSamples = 0;  // AAC frames or PCM samples
    double soundSeconds = 0;
    std::uint64_t dataSamples = 0;    // the data track's, GPMF or text
    std::uint64_t freeGpsBlocks = 0;
    std::string stop;                 // why the walk ended early, or empty
};

// Empty on success with `report` filled in; else what went wrong, for the user.
std::string RepairRecording(const RepairRequest& request, RepairReport& report);

// NAME.repaired.EXT beside the damaged file, or in `folder`.
std::string RepairedPath(const std::string& damaged, const std::string& folder = {});

// The healthy recording in the damaged one's folder nearest to it in time
// whose tracks' layout finds pictures in its media data; empty with `error`
// said when there is none.
std::string NearestReference(const std::string& damaged, std::string& error);
