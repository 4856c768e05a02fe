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
bool AnchorsOrder(const SliceStart& s)
{
    const bool leading = s.nalType >= 6 && s.nalType <= 9;
    const bool nonReference = s.nalType <= 14 && s.nalType % 2 == 0;
    return s.temporalId == 0 && !leading && !nonReference;
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

std::optional<SliceStart> ReadSliceStart(const HevcParameters& p, const std::uint8_t* nal, std::size_t size)
{
    if (!p.known || size < 3)
        return std::nullopt;
    SliceStart s;
    s.nalType = (nal[0] >> 1) & 63;
    s.temporalId = (nal[1] & 7) - 1;
    Bits b(nal + 2, size - 2);
    unsigned first = 0, v = 0;
    if (!b.Read(1, first) || !first)
        return std::nullopt;  // not a picture's first slice
    if ((IsRandomAccess(s.nalType) && !b.Skip(1)) || !b.Golomb(v) || !b.Skip(p.extraSliceHeaderBits) || !b.Golomb(v) ||
        (p.outputFlagPresent && !b.Skip(1)) || (p.separateColourPlanes && !b.Skip(2)))
        return std::nullopt;
    if (!IsIdr(s.nalType)) {
        unsigned lsb = 0;
        if (!b.Read(p.pocLsbBits, lsb))
            return std::nullopt;
        s.pocLsb = lsb;
    }
    return s;
}

std::vector<std::uint32_t> ShowingOrder(const HevcParameters& p, const std::vector<SliceStart>& pictures)
{
    struct Place {
        std::int64_t sequence, count;
        std::uint32_t decoded;
    };
    std::vector<Place> places;
    const std::int64_t maxLsb = std::int64_t(1) << p.pocLsbBits;
    std::int64_t sequence = 0, prevLsb = 0, prevMsb = 0;
    for (std::uint32_t i = 0; i < pictures.size(); ++i) {
        const SliceStart& s = pictures[i];
        const std::int64_t lsb = s.pocLsb.value_or(0);
        std::int64_t msb = prevMsb;
        // Counting begins again at an IDR picture, or at the first picture of all.
        if (IsIdr(s.nalType) || (i == 0 && IsRandomAccess(s.nalType))) {
            ++sequence;
            msb = 0;
        } else if (lsb < prevLsb && prevLsb - lsb >= maxLsb / 2) {
            msb = prevMsb + maxLsb;
        } else if (lsb > prevLsb && lsb - prevLsb > maxLsb / 2) {
            msb = prevMsb - maxLsb;
        }
        places.push_back({sequence, msb + lsb, i});
        if (AnchorsOrder(s) || IsIdr(s.nalType)) {
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
