#pragma once
// The order HEVC pictures are shown in, from the picture order count each
// slice header carries: a camera that codes B-frames writes its pictures in
// another order than it shows them, and the index must say how to reorder.

#include "BoxBytes.h"

#include <cstdint>
#include <optional>
#include <vector>

// What the slice headers' lengths depend on, from hvcC's parameter sets.
struct HevcParameters {
    bool known = false;
    unsigned pocLsbBits = 0;
    bool separateColourPlanes = false;
    bool outputFlagPresent = false;
    bool dependentSlices = false;
    unsigned extraSliceHeaderBits = 0;
};

HevcParameters ReadHevcParameters(const ByteString& hvcC);

// One picture's first slice: its NAL unit from the header on (a few dozen bytes do).
struct SliceStart {
    unsigned nalType = 0;
    unsigned temporalId = 0;
    std::optional<unsigned> pocLsb;  // none for an IDR picture
};
std::optional<SliceStart> ReadSliceStart(const HevcParameters& p, const std::uint8_t* nal, std::size_t size);

// For pictures in decoding order, the place of each in showing order.
std::vector<std::uint32_t> ShowingOrder(const HevcParameters& p, const std::vector<SliceStart>& pictures);
