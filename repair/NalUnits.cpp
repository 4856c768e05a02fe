#include "NalUnits.h"

namespace {

// Exp-Golomb numbers at the start of a slice header.
class BitReader {
public:
    BitReader(const std::uint8_t* bytes, std::size_t size) : bytes_(bytes), bits_(size * 8) {}

    bool Bit(unsigned& bit)
    {
        if (at_ >= bits_)
            return false;
        bit = (bytes_[at_ / 8] >> (7 - at_ % 8)) & 1;
        ++at_;
        return true;
    }

    bool UnsignedGolomb(unsigned& value)
    {
        int zeros = 0;
        unsigned bit = 0;
        while (Bit(bit) && bit == 0) {
            if (++zeros > 16)
                return false;
        }
        if (bit != 1)
            return false;
        value = 0;
        for (int i = 0; i < zeros; ++i) {
            if (!Bit(bit))
                return false;
            value = (value << 1) | bit;
        }
        value += (1u << zeros) - 1;
        return true;
    }

private:
    const std::uint8_t* bytes_;
    std::size_t bits_;
    std::size_t at_ = 0;
};

NalHeader H264Nal(const std::uint8_t* nal, std::size_t available)
{
    NalHeader h;
    if (available < 1 || (nal[0] & 0x80))
        return h;
    const unsigned type = nal[0] & 31, refIdc = (nal[0] >> 5) & 3;
    switch (type) {
    case 1:
    case 5: {
        if (type == 5 && refIdc == 0)
            return h;
        BitReader bits(nal + 1, available - 1);
        unsigned firstMb = 0, sliceType = 0, pps = 0;
        if (!bits.UnsignedGolomb(firstMb) || !bits.UnsignedGolomb(sliceType) || !bits.UnsignedGolomb(pps) ||
            sliceType > 9 || pps > 255)
            return h;
        h.slice = true;
        h.firstSlice = firstMb == 0;
        h.key = type == 5;
        h.parameterSet = pps;
        break;
    }
    case 6:
    case 9:
        if (refIdc != 0)
            return h;
        h.beginsPicture = true;
        break;
    case 7:
    case 8:
        if (refIdc == 0)
            return h;
        h.beginsPicture = true;
        break;
    case 10:
    case 11:
    case 12:
        if (refIdc != 0)
            return h;
        break;
    default:
        return h;
    }
    h.valid = true;
    return h;
}

NalHeader HevcNal(const std::uint8_t* nal, std::size_t available)
{
    NalHeader h;
    if (available < 3 || (nal[0] & 0x80))
        return h;
    const unsigned type = (nal[0] >> 1) & 63, layer = ((nal[0] & 1u) << 5) | (nal[1] >> 3), temporalIdPlus1 = nal[1] & 7;
    if (layer != 0 || temporalIdPlus1 == 0)
        return h;
    if (type <= 9 || (type >= 16 && type <= 21)) {
        BitReader bits(nal + 2, available - 2);
        unsigned first = 0, skip = 0, pps = 0;
        if (!bits.Bit(first) || (type >= 16 && !bits.Bit(skip)) || !bits.UnsignedGolomb(pps) || pps > 63)
            return h;
        h.slice = true;
        h.firstSlice = first == 1;
        h.key = type >= 16;
        h.parameterSet = pps;
    } else if ((type >= 32 && type <= 35) || type == 39) {
        h.beginsPicture = true;  // parameter sets, delimiter, prefix SEI
    } else if (type < 36 || type > 40) {
        return h;  // end of sequence or stream, filler, suffix SEI stay in the picture
    }
    h.valid = true;
    return h;
}

}  // namespace

bool ParameterSetId(VideoCodec codec, const std::uint8_t* nal, std::size_t size, unsigned& id)
{
    const std::size_t header = codec == VideoCodec::H264 ? 1 : 2;
    if (size <= header)
        return false;
    BitReader bits(nal + header, size - header);
    return bits.UnsignedGolomb(id);
}

NalHeader InspectNal(VideoCodec codec, const std::uint8_t* nal, std::size_t available)
{
    return codec == VideoCodec::H264 ? H264Nal(nal, available) : HevcNal(nal, available);
}
