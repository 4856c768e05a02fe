#pragma once
// The headers of H.264 and HEVC NAL units, as much of them as tells where a
// picture begins: the unit's type and, for a slice, whether it is the
// picture's first. Whatever a camera's encoder would never write is refused,
// so that sound or random bytes are seldom taken for a picture.

#include <cstddef>
#include <cstdint>

enum class VideoCodec { H264, Hevc };

struct NalHeader {
    bool valid = false;
    bool slice = false;         // carries picture data
    bool firstSlice = false;    // the first slice of its picture
    bool beginsPicture = false; // a unit that may only come before a picture's slices
    bool key = false;           // an IDR or other random access picture
    unsigned parameterSet = 0;  // a slice's picture parameter set
};

// The id a picture parameter set NAL unit gives itself.
bool ParameterSetId(VideoCodec codec, const std::uint8_t* nal, std::size_t size, unsigned& id);

// Bytes a NAL unit needs for InspectNal: its header and a slice header's start.
constexpr std::size_t kNalInspectBytes = 8;

// `nal` points at the unit's header, `available` bytes of it readable.
NalHeader InspectNal(VideoCodec codec, const std::uint8_t* nal, std::size_t available);
