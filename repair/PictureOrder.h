#pragma once
// The order H.264 and HEVC pictures are shown in, from the picture order
// count each slice header carries: a camera that codes B-frames writes its
// pictures in another order than it shows them, and the index must say how
// to reorder.

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

// The same of H.264, from avcC's first sequence parameter set. Only the
// first kind of picture order count (its low bits in every slice header)
// lets pictures be shown out of decoding order.
struct H264Parameters {
    bool known = false;
    unsigned frameNumBits = 0;
    unsigned pocType = 0;
    unsigned pocLsbBits = 0;
    bool frameMbsOnly = true;
    bool separateColourPlanes = false;
};

H264Parameters ReadH264Parameters(const ByteString& avcC);

// One picture's first slice, whichever the codec.
struct SliceStart {
    bool counted = false;        // the count begins again here (an IDR picture)
    bool openStart = false;      // a random access point that begins the count when first
    bool anchorsOrder = false;   // later pictures count from this one
    std::optional<unsigned> pocLsb;  // none for an IDR picture
};
// From its NAL unit, header on (a few dozen bytes do).
std::optional<SliceStart> ReadSliceStart(const HevcParameters& p, const std::uint8_t* nal, std::size_t size);
std::optional<SliceStart> ReadSliceStart(const H264Parameters& p, const std::uint8_t* nal, std::size_t size);

// For pictures in decoding order, the place of each in showing order, with
// counts of `pocLsbBits` low bits.
std::vector<std::uint32_t> ShowingOrder(unsigned pocLsbBits, const std::vector<SliceStart>& pictures);
