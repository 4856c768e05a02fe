#pragma once
// Novatek "freeGPS" blocks in MP4/MOV recordings (many brands): one block a
// second, found through moov's "gps " index (offset and size of each block)
// or, without one, as top-level "free" boxes and in the first 20 MB of mdat.

#include "TimedSamples.h"

#include <optional>

class BinaryFile;
struct MovieIndex;

// One block's record, decoded by the layout its bytes show.
struct FreeGpsRecord {
    bool fix = false;
    double latitude = 0, longitude = 0;  // decimal degrees
    double kmh = 0, course = 0;
    bool hasG = false;
    float gx = 0, gy = 0, gz = 0;
    double utc = -1;  // the record's clock, seconds since 1970; -1 when it is no date
};

// Nothing when the block is of no layout known here (encrypted ones among
// them): such a block is left out rather than read wrongly. A block of none
// of the binary layouts is read as text when it carries the camera's date
// digits, or, without them, an RMC sentence whose checksum is right.
std::optional<FreeGpsRecord> DecodeFreeGpsBlock(const unsigned char* block, std::size_t size);

enum class FreeGpsSearch {
    IndexAndFreeBoxes,  // moov's "gps " index, else top-level free boxes
    MediaData,          // marks in the first 20 MB of mdat
};

// False when the search finds no freeGPS block. Time rule: the blocks are one a
// second in index (or file) order, so block i covers second i; the camera's
// clock inside a block is not set until its first fix and is not used.
bool ReadFreeGpsTrack(BinaryFile& file, const MovieIndex& index, TimedSamples& out, FreeGpsSearch search);
