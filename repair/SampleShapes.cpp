#include "SampleShapes.h"

#include "track/BinaryFile.h"

#include <algorithm>
#include <cstring>

namespace {

// NAL units an access unit holds at most: parameter sets, SEI, slices.
constexpr int kMostNalsInPicture = 600;
constexpr std::uint32_t kLargestText = 4096;
constexpr std::uint32_t kLargestFreeGpsBlock = 1u << 16;

std::uint32_t NalLength(const std::uint8_t* p, int size)
{
    std::uint32_t length = 0;
    for (int i = 0; i < size; ++i)
        length = (length << 8) | p[i];
    return length;
}

struct NalAt {
    bool readable = false;  // its length and header lie before the end
    std::uint32_t length = 0;
    NalHeader header;
};

NalAt ReadNal(MediaWindow& media, std::uint64_t at, const VideoShape& shape)
{
    NalAt nal;
    std::size_t got = 0;
    const std::uint8_t* p = media.Upto(at, std::size_t(shape.nalLengthSize) + kNalInspectBytes, got);
    if (!p || got < std::size_t(shape.nalLengthSize) + 3)
        return nal;
    nal.readable = true;
    nal.length = NalLength(p, shape.nalLengthSize);
    if (nal.length < 2 || nal.length > shape.largestNal)
        return nal;
    const std::size_t available = std::min<std::size_t>(nal.length, got - std::size_t(shape.nalLengthSize));
    nal.header = InspectNal(shape.codec, p + shape.nalLengthSize, available);
    // A slice naming a parameter set the camera never wrote is not one of its slices.
    const auto& sets = shape.parameterSets;
    if (nal.header.slice && !sets.empty() && std::find(sets.begin(), sets.end(), nal.header.parameterSet) == sets.end())
        nal.header.valid = false;
    return nal;
}

Found Whole(Found found, std::uint64_t end)
{
    found.kind = Found::Whole;
    found.end = end;
    return found;
}

bool Begins(const NalHeader& h)
{
    return h.valid && (h.beginsPicture || (h.slice && h.firstSlice));
}

}  // namespace

bool PictureBeginsAt(MediaWindow& media, std::uint64_t at, const VideoShape& shape)
{
    const NalAt first = ReadNal(media, at, shape);
    if (!Begins(first.header))
        return false;
    if (first.header.slice)
        return true;
    // A parameter set or SEI is followed by more of the picture.
    const std::uint64_t next = at + std::uint64_t(shape.nalLengthSize) + first.length;
    if (next >= media.End())
        return true;
    const NalAt second = ReadNal(media, next, shape);
    return !second.readable || second.header.valid;
}

Found PictureAt(MediaWindow& media, std::uint64_t at, const VideoShape& shape)
{
    Found found;
    int slices = 0;
    std::uint64_t end = at;
    for (int nals = 0; nals < kMostNalsInPicture; ++nals) {
        const bool sliced = slices > 0;
        if (end >= media.End())
            return sliced ? Whole(found, end) : Found{Found::Cut, end, false};
        const NalAt nal = ReadNal(media, end, shape);
        if (!nal.readable)
            return sliced ? Whole(found, end) : Found{Found::Cut, end, false};
        const NalHeader& h = nal.header;
        if (nals == 0 && !Begins(h))
            return {};
        const bool allSlices = shape.slicesPerPicture > 0 && slices >= shape.slicesPerPicture;
        const bool nextPicture = sliced && (Begins(h) || (allSlices && h.slice));
        if (!h.valid || nextPicture)
            return sliced ? Whole(found, end) : Found{};
        const std::uint64_t nalEnd = end + std::uint64_t(shape.nalLengthSize) + nal.length;
        if (nalEnd > media.End())
            return {Found::Cut, end, false};
        if (h.slice) {
            if (slices == 0)
                found.firstSlice = end;
            ++slices;
            found.key = found.key || h.key;
        }
        end = nalEnd;
    }
    return {};
}

Found GpmfPayloadAt(MediaWindow& media, std::uint64_t at)
{
    const std::uint8_t* p = media.At(at, 8);
    // A device's payload nests its streams: "DEVC", type 0, one-byte structures.
    if (!p || std::memcmp(p, "DEVC", 4) != 0 || p[4] != 0 || p[5] != 1)
        return {};
    const std::uint32_t length = 8 + ((std::uint32_t(p[6]) << 8 | p[7]) + 3) / 4 * 4;
    if (at + length > media.End())
        return {Found::Cut, at, false};
    return {Found::Whole, at + length, false};
}

bool MayBeText(std::uint8_t c)
{
    // Text, plain or shifted by a few as some recorders scramble it.
    return c >= 0x09 && c <= 0x8F;
}

Found TextSampleAt(MediaWindow& media, std::uint64_t at, TextStretch* known)
{
    const std::uint8_t* p = media.At(at, 2);
    if (!p)
        return {};
    const std::uint32_t length = std::uint32_t(p[0]) << 8 | p[1];
    if (length < 4 || length > kLargestText)
        return {};
    const std::uint64_t textEnd = at + 2 + length;
    std::uint64_t from = at + 2;
    if (known && known->from <= from && from < known->to)
        from = std::min(known->to, textEnd);
    std::size_t got = 0;
    const std::uint8_t* text = media.Upto(from, static_cast<std::size_t>(textEnd - from), got);
    std::size_t clean = 0;
    while (clean < got && MayBeText(text[clean]))
        ++clean;
    if (known && (known->from > at + 2 || known->to < at + 2))
        known->from = at + 2;
    if (known)
        known->to = from + clean;
    if (clean < got)
        return {};
    if (from + got < textEnd)
        return {Found::Cut, at, false};
    return {Found::Whole, textEnd, false};
}

Found FreeGpsBlockAt(MediaWindow& media, std::uint64_t at)
{
    const std::uint8_t* p = media.At(at, 12);
    if (!p || std::memcmp(p + 4, "freeGPS ", 8) != 0)
        return {};
    const std::uint32_t size = LoadBE32(p);
    if (size < 12 || size > kLargestFreeGpsBlock)
        return {};
    if (at + size > media.End())
        return {Found::Cut, at, false};
    return {Found::Whole, at + size, false};
}
