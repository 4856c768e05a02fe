#pragma once
// How each kind of sample looks where it begins in the media data: a
// picture's NAL units, a GPMF payload, a text sample, a freeGPS block.

#include "MediaWindow.h"
#include "NalUnits.h"

#include <cstdint>
#include <vector>

struct VideoShape {
    VideoCodec codec = VideoCodec::H264;
    int nalLengthSize = 4;
    std::uint32_t largestNal = 0;  // what no NAL unit of this camera comes near
    int slicesPerPicture = 0;      // 0: unknown
    std::vector<unsigned> parameterSets;  // the picture parameter sets slices may name; empty: any
};

struct Found {
    enum Kind { No, Whole, Cut } kind = No;  // Cut: begins here but runs past the end
    std::uint64_t end = 0;
    bool key = false;
    std::uint64_t firstSlice = 0;  // a picture's: where its first slice's NAL unit begins
};

// Whether a picture's first NAL unit begins at `at` (the cheap look for
// scanning through sound).
bool PictureBeginsAt(MediaWindow& media, std::uint64_t at, const VideoShape& shape);
// The picture (access unit) that begins at `at`, up to its last NAL unit.
Found PictureAt(MediaWindow& media, std::uint64_t at, const VideoShape& shape);

Found GpmfPayloadAt(MediaWindow& media, std::uint64_t at);
// What a scan through many starts has already found to be text: looking at
// each start again would cost the length of a text sample a byte.
struct TextStretch {
    std::uint64_t from = 0, to = 0;  // every byte in [from, to) may be text
};
Found TextSampleAt(MediaWindow& media, std::uint64_t at, TextStretch* known = nullptr);
Found FreeGpsBlockAt(MediaWindow& media, std::uint64_t at);
