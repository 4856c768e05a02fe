#pragma once
// Tracks carried inside QuickTime recordings: the chip named in `udta`, the
// NT96650A block layout (second track) and the generic text samples (third track).

#include "AssistInfo.h"

#include <string>

struct ChipFlags {
    int isA7L = 0;
    int isNT96650A = 0;
};

class BinaryFile;

// Reads the first atom of moov/udta; at most one flag is set.
ChipFlags DetectChipset(const std::string& path);
ChipFlags DetectChipset(BinaryFile& file);

// Both append to `track` and return the slot count, or -1 when the path has
// fewer than 4 characters or the file cannot be opened.
int LoadNT96650ATrack(const std::string& mediaPath, TrackSlots& track);
int LoadMovTrack(const std::string& mediaPath, TrackSlots& track);
