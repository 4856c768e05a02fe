#include "PictureOrder.h"

#include <algorithm>
#include <numeric>

namespace {

// The bits of a NAL unit's payload with the bytes that keep start codes out
// (00 00 03) taken away.
class Bits {
public:
    Bits(const std::uint8_t* bytes, std::size_t size)
    {
        int zeros = 0;
        for (std::size_t i = 0; i < size; ++i) {
            if (zeros >= 2 && bytes[i] == 3) {
                zeros = 0;
                continue;
            }
            zeros = bytes[i] == 0 ? zeros + 1 : 0;
            bytes_.push_back(bytes[i]);
        }
    }

    bool Read(unsigned count, unsigned& value)
    {
        value = 0;
        for (unsigned i = 0; i < count; ++i) {
            if (at_ >= bytes_.size() * 8 || count > 32)
                return false;
            value = (value << 1) | ((bytes_[at_ / 8] >> (7 - at_ % 8)) & 1);
            ++at_;
        }
        return true;
    }

    bool Skip(unsigned count)
    {
        at_ += count;
        return at_ <= bytes_.size() * 8;
    }

    bool Golomb(unsigned& value)
    {
        unsigned zeros = 0, bit = 0;
        while (Read(1, bit) && bit == 0) {
            if (++zeros > 31)
                return false;
        }
        if (bit != 1 || !Read(zeros, value))
            return false;
        value += (1u << zeros) - 1;
        return true;
    }

    bool SignedGolomb(int& value)
    {
        unsigned code = 0;
        if (!Golomb(code))
            return false;
        value = code % 2 ? static_cast<int>((code + 1) / 2) : -static_cast<int>(code / 2);
        return true;
    }

private:
    ByteString bytes_;
    std::size_t at_ = 0;
};

// profile_tier_level with its profile present: the general part and the sub-layers'.
bool SkipProfileTierLevel(Bits& b, unsigned maxSubLayersMinus1)
{
    if (!b.Skip(88 + 8))
        return false;
    std::vector<unsigned> profile(maxSubLayersMinus1), level(maxSubLayersMinus1);
    for (unsigned i = 0; i < maxSubLayersMinus1; ++i) {
        if (!b.Read(1, profile[i]) || !b.Read(1, level[i]))
            return false;
    }
    if (maxSubLayersMinus1 > 0 && !b.Skip(2 * (8 - maxSubLayersMinus1)))
        return false;
    for (unsigned i = 0; i < maxSubLayersMinus1; ++i) {
        if (!b.Skip(profile[i] ? 88 : 0) || !b.Skip(level[i] ? 8 : 0))
            return false;
    }
    return true;
}

bool ReadSps(const std::uint8_t* nal, std::size_t size, HevcParameters& p)
{
    Bits b(nal + 2, size - 2);
    unsigned v = 0, maxSubLayersMinus1 = 0, chroma = 0, conformance = 0, lsbMinus4 = 0;
    if (!b.Read(4, v) || !b.Read(3, maxSubLayersMinus1) || !b.Read(1, v) || !SkipProfileTierLevel(b, maxSubLayersMinus1) ||
        !b.Golomb(v) || !b.Golomb(chroma))
        return false;
    unsigned separate = 0;
    if (chroma == 3 && !b.Read(1, separate))
        return false;
    if (!b.Golomb(v) || !b.Golomb(v) || !b.Read(1, conformance))
        return false;
    for (int i = 0; conformance && i < 4; ++i) {
        if (!b.Golomb(v))
            return false;
    }
    if (!b.Golomb(v) || !b.Golomb(v) || !b.Golomb(lsbMinus4) || lsbMinus4 > 12)
        return false;
    p.separateColourPlanes = separate;
    p.pocLsbBits = lsbMinus4 + 4;
    return true;
}

bool ReadPps(const std::uint8_t* nal, std::size_t size, HevcParameters& p)
{
    Bits b(nal + 2, size - 2);
    unsigned v = 0, dependent = 0, output = 0, extra = 0;
    if (!b.Golomb(v) || !b.Golomb(v) || !b.Read(1, dependent) || !b.Read(1, output) || !b.Read(3, extra))
        return false;
    p.dependentSlices = dependent;
    p.outputFlagPresent = output;
    p.extraSliceHeaderBits = extra;
    return true;
}

bool IsIdr(unsigned type)
{
    return type == 19 || type == 20;
}

bool IsRandomAccess(unsigned type)
{
    return type >= 16 && type <= 23;
}

// Pictures later ones count their order from: not leading, not a sub-layer's non-reference one.
bool AnchorsOrder(unsigned nalType, unsigned temporalId)
{
    const bool leading = nalType >= 6 && nalType <= 9;
    const bool nonReference = nalType <= 14 && nalType % 2 == 0;
    return IsIdr(nalType) || (temporalId == 0 && !leading && !nonReference);
}

// The profiles whose sequence parameter sets carry the chroma format and scaling lists.
bool HasChromaFormat(unsigned profile)
{
    for (unsigned p : {100u, 110u, 122u, 244u, 44u, 83u, 86u, 118u, 128u, 138u, 139u, 134u, 135u}) {
        if (profile == p)
            return true;
    }
    return false;
}

bool SkipScalingList(Bits& b, unsigned size)
{
    int last = 8, next = 8, delta = 0;
    for (unsigned j = 0; j < size; ++j) {
        if (next != 0) {
            if (!b.SignedGolomb(delta) || delta < -128 || delta > 127)
                return false;
            next = (last + delta + 256) % 256;
        }
        last = next == 0 ? last : next;
    }
    return true;
}

// chroma_format_idc to the scaling matrix, in the profiles that have them.
bool ReadChromaFormat(Bits& b, H264Parameters& p)
{
    unsigned chroma = 0, separate = 0, v = 0, matrix = 0;
    if (!b.Golomb(chroma) || chroma > 3 || (chroma == 3 && !b.Read(1, separate)) || !b.Golomb(v) || !b.Golomb(v) ||
        !b.Read(1, v) || !b.Read(1, matrix))
        return false;
    p.separateColourPlanes = separate;
    for (unsigned i = 0; matrix && i < (chroma != 3 ? 8u : 12u); ++i) {
        unsigned present = 0;
        if (!b.Read(1, present) || (present && !SkipScalingList(b, i < 6 ? 16 : 64)))
            return false;
    }
    return true;
}

bool ReadH264Sps(const std::uint8_t* nal, std::size_t size, H264Parameters& p)
{
    Bits b(nal + 1, size - 1);
    unsigned profile = 0, v = 0, frameNumMinus4 = 0, lsbMinus4 = 0, cycle = 0, frameMbsOnly = 0;
    if (!b.Read(8, profile) || !b.Skip(16) || !b.Golomb(v) || (HasChromaFormat(profile) && !ReadChromaFormat(b, p)) ||
        !b.Golomb(frameNumMinus4) || frameNumMinus4 > 12 || !b.Golomb(p.pocType) || p.pocType > 2)
        return false;
    int offset = 0;
    if (p.pocType == 0 && (!b.Golomb(lsbMinus4) || lsbMinus4 > 12))
        return false;
    if (p.pocType == 1 && (!b.Skip(1) || !b.SignedGolomb(offset) || !b.SignedGolomb(offset) || !b.Golomb(cycle) || cycle > 255))
        return false;
    for (unsigned i = 0; p.pocType == 1 && i < cycle; ++i) {
        if (!b.SignedGolomb(offset))
            return false;
    }
    if (!b.Golomb(v) || !b.Skip(1) || !b.Golomb(v) || !b.Golomb(v) || !b.Read(1, frameMbsOnly))
        return false;
    p.frameNumBits = frameNumMinus4 + 4;
    p.pocLsbBits = p.pocType == 0 ? lsbMinus4 + 4 : 0;
    p.frameMbsOnly = frameMbsOnly;
    return true;
}

}  // namespace

HevcParameters ReadHevcParameters(const ByteString& hvcC)
{
    HevcParameters p;
    if (hvcC.size() < 23)
        return p;
    bool sps = false, pps = false;
    std::size_t at = 23;
    for (unsigned array = 0, arrays = hvcC[22]; array < arrays && at + 3 <= hvcC.size(); ++array) {
        const unsigned type = hvcC[at] & 63, count = (hvcC[at + 1] << 8) | hvcC[at + 2];
        at += 3;
        for (unsigned n = 0; n < count && at + 2 <= hvcC.size(); ++n) {
            const std::size_t length = (hvcC[at] << 8) | hvcC[at + 1];
            at += 2;
            if (at + length > hvcC.size() || length < 3)
                return p;
            if (type == 33 && !sps)
                sps = ReadSps(&hvcC[at], length, p);
            else if (type == 34 && !pps)
                pps = ReadPps(&hvcC[at], length, p);
            at += length;
        }
    }
    p.known = sps && pps;
    return p;
}

H264Parameters ReadH264Parameters(const ByteString& avcC)
{
    H264Parameters p;
    // avcC: version, profile, compatibility, level, length size, then the count of SPS and each with its length.
    if (avcC.size() < 8 || (avcC[5] & 31) == 0)
        return p;
    const std::size_t length = (avcC[6] << 8) | avcC[7];
    p.known = length >= 4 && 8 + length <= avcC.size() && ReadH264Sps(&avcC[8], length, p);
    return p;
}

std::optional<SliceStart> ReadSliceStart(const H264Parameters& p, const std::uint8_t* nal, std::size_t size)
{
    if (!p.known || p.pocType != 0 || size < 2)
        return std::nullopt;
    const unsigned type = nal[0] & 31, referenceIdc = (nal[0] >> 5) & 3;
    if (type != 1 && type != 5)
        return std::nullopt;
    Bits b(nal + 1, size - 1);
    unsigned firstMb = 1, v = 0, field = 0, lsb = 0;
    if (!b.Golomb(firstMb) || firstMb != 0)
        return std::nullopt;  // not a picture's first slice
    if (!b.Golomb(v) || !b.Golomb(v) || (p.separateColourPlanes && !b.Skip(2)) || !b.Skip(p.frameNumBits) ||
        (!p.frameMbsOnly && !b.Read(1, field)) || (field && !b.Skip(1)) || (type == 5 && !b.Golomb(v)) ||
        !b.Read(p.pocLsbBits, lsb))
        return std::nullopt;
    SliceStart s;
    s.counted = s.openStart = type == 5;
    s.anchorsOrder = referenceIdc != 0;
    s.pocLsb = lsb;
    return s;
}

std::optional<SliceStart> ReadSliceStart(const HevcParameters& p, const std::uint8_t* nal, std::size_t size)
{
    if (!p.known || size < 3)
        return std::nullopt;
    const unsigned nalType = (nal[0] >> 1) & 63, temporalId = (nal[1] & 7) - 1;
    SliceStart s;
    s.counted = IsIdr(nalType);
    s.openStart = IsRandomAccess(nalType);
    s.anchorsOrder = AnchorsOrder(nalType, temporalId);
    Bits b(nal + 2, size - 2);
    unsigned first = 0, v = 0;
    if (!b.Read(1, first) || !first)
        return std::nullopt;  // not a picture's first slice
    if ((IsRandomAccess(nalType) && !b.Skip(1)) || !b.Golomb(v) || !b.Skip(p.extraSliceHeaderBits) || !b.Golomb(v) ||
        (p.outputFlagPresent && !b.Skip(1)) || (p.separateColourPlanes && !b.Skip(2)))
        return std::nullopt;
    if (!IsIdr(nalType)) {
        unsigned lsb = 0;
        if (!b.Read(p.pocLsbBits, lsb))
            return std::nullopt;
        s.pocLsb = lsb;
    }
    return s;
}

std::vector<std::uint32_t> ShowingOrder(unsigned pocLsbBits, const std::vector<SliceStart>& pictures)
{
    struct Place {
        std::int64_t sequence, count;
        std::uint32_t decoded;
    };
    std::vector<Place> places;
    const std::int64_t maxLsb = std::int64_t(1) << pocLsbBits;
    std::int64_t sequence = 0, prevLsb = 0, prevMsb = 0;
    for (std::uint32_t i = 0; i < pictures.size(); ++i) {
        const SliceStart& s = pictures[i];
        const std::int64_t lsb = s.pocLsb.value_or(0);
        std::int64_t msb = prevMsb;
        // Counting begins again at an IDR picture, or at the first picture of all.
        if (s.counted || (i == 0 && s.openStart)) {
            ++sequence;
            msb = 0;
        } else if (lsb < prevLsb && prevLsb - lsb >= maxLsb / 2) {
            msb = prevMsb + maxLsb;
        } else if (lsb > prevLsb && lsb - prevLsb > maxLsb / 2) {
            msb = prevMsb - maxLsb;
        }
        places.push_back({sequence, msb + lsb, i});
        if (s.anchorsOrder) {
            prevLsb = lsb;
            prevMsb = msb;
        }
    }
    std::stable_sort(places.begin(), places.end(), [](const Place& a, const Place& b) {
        return a.sequence != b.sequence ? a.sequence < b.sequence : a.count < b.count;
    });
    std::vector<std::uint32_t> shown(pictures.size());
    for (std::uint32_t k = 0; k < places.size(); ++k)
        shown[places[k].decoded] = k;
    return shown;
}
