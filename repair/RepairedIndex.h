#pragma once
// The new index (moov) of a repaired recording: the template's movie and
// track boxes around the sample tables of what the walk found.

#include "MediaWalk.h"
#include "RepairTemplate.h"

#include <cstdint>

struct IndexPlacement {
    std::int64_t moveBy = 0;      // added to every offset in the damaged file
    bool wide = false;            // 64-bit chunk offsets
    std::uint32_t created = 0;    // seconds since 1904, as the movie header counts
};

ByteString RepairedIndex(const RepairTemplate& tmpl, const MediaWalk& walk, const IndexPlacement& placement);

// The samples of each template track, in file order.
std::vector<std::vector<FoundSample>> SamplesByTrack(const RepairTemplate& tmpl, const MediaWalk& walk);
