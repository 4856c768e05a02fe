#pragma once
// A damaged recording's media data walked from its start: each sample
// recognised by its kind (a picture, a run of sound, a data track's sample,
// a freeGPS block) until the data ends, a sample is cut off in the middle,
// or nothing more can be recognised.

#include "PictureOrder.h"
#include "RepairTemplate.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

class BinaryFile;

struct FoundSample {
    std::uint64_t offset = 0;
    std::uint32_t size = 0;
    std::uint32_t track = 0;  // index into the template's tracks
    bool key = false;
    std::uint32_t count = 1;  // PCM: a run of equal samples, `size` bytes in all
};

struct FoundBlock {
    std::uint64_t offset = 0;
    std::uint32_t size = 0;
};

struct MediaWalk {
    std::vector<FoundSample> samples;    // in file order
    std::vector<FoundBlock> freeGpsBlocks;
    std::vector<SliceStart> pictureStarts;  // with B-frames: each picture's first slice, in order
    std::uint64_t keptEnd = 0;            // the end of the last sample kept
    std::string stop;                     // why the walk ended before the data did, or empty
    bool cancelled = false;
};

// Told the share done now and then (0..1); returning false stops the walk.
using RepairProgress = std::function<bool(double)>;

MediaWalk WalkMedia(BinaryFile& file, const RepairTemplate& tmpl, std::uint64_t begin, std::uint64_t end,
                    const RepairProgress& progress = {});
