// Garmin's FIT activity file as a camera keeps it beside its videos: a
// 14-byte header, a file_id message, one `record` message a second, and the
// file's CRC. In the compressed styles every other second's record has a
// compressed timestamp header (the timestamp's 5 low bits, rolling over from
// the last full one), its definition big-endian when asked.

#include "mkrec_camera.h"

#include <cmath>

namespace {

constexpr std::uint32_t kFitEpoch = 631065600;  // 1989-12-31T00:00:00Z
constexpr std::uint8_t kEnum = 0x00, kUint16 = 0x84, kSint32 = 0x85, kUint32 = 0x86;

std::uint16_t FitCrc(const Bytes& bytes, std::size_t from, std::size_t end)
{
    static const std::uint16_t table[16] = {0x0000, 0xCC01, 0xD801, 0x1400, 0xF001, 0x3C00, 0x2800, 0xE401,
                                            0xA001, 0x6C00, 0x7800, 0xB401, 0x5000, 0x9C01, 0x8801, 0x4400};
    std::uint16_t crc = 0;
    for (std::size_t i = from; i < end; ++i) {
        for (int nibble : {bytes[i] & 0xF, bytes[i] >> 4}) {
            const std::uint16_t t = table[crc & 0xF];
            crc = static_cast<std::uint16_t>(((crc >> 4) & 0x0FFF) ^ t ^ table[nibble]);
        }
    }
    return crc;
}

struct Field {
    std::uint8_t number, size, baseType;
};

void PutDefinition(Bytes& b, int local, bool bigEndian, std::uint16_t global, std::initializer_list<Field> fields)
{
    b.push_back(static_cast<std::uint8_t>(0x40 | local));
    b.push_back(0);
    b.push_back(bigEndian ? 1 : 0);
    if (bigEndian)
        PutBE16(b, global);
    else
        PutLE16(b, global);
    b.push_back(static_cast<std::uint8_t>(fields.size()));
    for (const Field& f : fields) {
        b.push_back(f.number);
        b.push_back(f.size);
        b.push_back(f.baseType);
    }
}

std::uint32_t Semicircles(double degrees)
{
    return static_cast<std::uint32_t>(static_cast<std::int32_t>(std::llround(degrees * 2147483648.0 / 180.0)));
}

}  // namespace

Bytes FitActivity(const RecordingSpec& spec, FitStyle style)
{
    const bool bigEndian = style == FitStyle::CompressedBigEndian;
    Bytes records;
    const auto created = static_cast<std::uint32_t>(spec.start - kFitEpoch);
    PutDefinition(records, 0, false, 0, {{0, 1, kEnum}, {1, 2, kUint16}, {2, 2, kUint16}, {4, 4, kUint32}});
    records.push_back(0x00);
    records.push_back(4);  // an activity
    PutLE16(records, 1);   // Garmin
    PutLE16(records, 0);
    PutLE32(records, created);
    PutDefinition(records, 1, false, 20, {{253, 4, kUint32}, {0, 4, kSint32}, {1, 4, kSint32}, {6, 2, kUint16}, {73, 4, kUint32}});
    PutDefinition(records, 2, bigEndian, 20, {{0, 4, kSint32}, {1, 4, kSint32}, {6, 2, kUint16}});
    auto put16 = [&](std::uint32_t v) { bigEndian ? PutBE16(records, v) : PutLE16(records, v); };
    auto put32 = [&](std::uint32_t v) { bigEndian ? PutBE32(records, v) : PutLE32(records, v); };
    for (std::size_t s = 0; s < spec.route.size(); ++s) {
        const RoutePoint& p = spec.route[s];
        const std::uint32_t when = created + static_cast<std::uint32_t>(s);
        const auto mms = static_cast<std::uint32_t>(std::lround(p.knots * 1.852 / 3.6 * 1000));
        const std::uint32_t lat = p.fix ? Semicircles(p.latitude) : 0x7FFFFFFF;
        const std::uint32_t lon = p.fix ? Semicircles(p.longitude) : 0x7FFFFFFF;
        if (style == FitStyle::Plain || s % 2 == 0) {
            records.push_back(0x01);
            PutLE32(records, when);
            PutLE32(records, lat);
            PutLE32(records, lon);
            PutLE16(records, p.fix ? mms : 0xFFFF);
            PutLE32(records, p.fix ? mms : 0xFFFFFFFF);
        } else {
            records.push_back(static_cast<std::uint8_t>(0x80 | (2 << 5) | (when & 0x1F)));
            put32(lat);
            put32(lon);
            put16(p.fix ? mms : 0xFFFF);
        }
    }
    Bytes file;
    file.push_back(14);
    file.push_back(0x10);  // protocol 1.0
    PutLE16(file, 2132);
    PutLE32(file, static_cast<std::uint32_t>(records.size()));
    PutText(file, ".FIT");
    PutLE16(file, FitCrc(file, 0, 12));
    PutBytes(file, records);
    PutLE16(file, FitCrc(file, 0, file.size()));
    return file;
}
