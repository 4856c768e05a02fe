#include "FreeGpsTrack.h"

#include "DistinctRanges.h"

#include "BinaryFile.h"
#include "MovieIndex.h"
#include "NmeaFix.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>

namespace {

constexpr char kMark[] = "freeGPS ";  // at byte 4 of a block
constexpr std::size_t kMarkSize = 8;
constexpr std::size_t kMinBlock = 92;     // the smallest layout's record
constexpr std::size_t kReadPerBlock = 512;  // every layout's record lies within
constexpr std::uint64_t kScanLimit = 20u << 20;

float FloatLE(const unsigned char* p)
{
    const std::uint32_t bits = LoadLE32(p);
    float value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

std::int32_t Int32LE(const unsigned char* p)
{
    return static_cast<std::int32_t>(LoadLE32(p));
}

bool IsNS(unsigned char c) { return c == 'N' || c == 'S'; }
bool IsEW(unsigned char c) { return c == 'E' || c == 'W'; }

// Status and hemisphere letters at `at`: 'A' with both letters is a fix, 'V'
// is a block of that layout without one.
enum class Status { Unknown, Fix, NoFix };
Status StatusAt(const unsigned char* b, std::size_t at)
{
    if (b[at] == 'A' && IsNS(b[at + 1]) && IsEW(b[at + 2]))
        return Status::Fix;
    if (b[at] == 'V')
        return Status::NoFix;
    return Status::Unknown;
}

// Hour, minute, second, year, month and day as six 32-bit values at `at`:
// a plausible clock tells one layout from another.
bool ClockAt(const unsigned char* b, std::size_t at)
{
    const std::uint32_t h = LoadLE32(b + at), m = LoadLE32(b + at + 4), s = LoadLE32(b + at + 8);
    const std::uint32_t mon = LoadLE32(b + at + 16), d = LoadLE32(b + at + 20);
    return h < 24 && m < 60 && s < 61 && mon <= 12 && d <= 31;
}

// The clock at `at` as seconds since 1970 (the camera keeps it in UTC, as
// the receiver gives it).
double ClockUtc(const unsigned char* b, std::size_t at)
{
    const auto v = [&](std::size_t k) { return static_cast<int>(std::min<std::uint32_t>(LoadLE32(b + at + 4 * k), 9999)); };
    return UtcSeconds(v(3), v(4), v(5), v(0) * 3600.0 + v(1) * 60.0 + v(2));
}

// DDMM.mmmm held as a number, with its hemisphere letter.
bool FromDdmm(double value, unsigned char hemisphere, double& degrees)
{
    if (!(value >= 0) || value > 18000.0)
        return false;
    const double whole = std::floor(value / 100.0);
    if (value - whole * 100.0 >= 60.0)
        return false;
    degrees = whole + (value - whole * 100.0) / 60.0;
    if (hemisphere == 'S' || hemisphere == 'W')
        degrees = -degrees;
    return true;
}

bool Plausible(const FreeGpsRecord& r)
{
    return std::fabs(r.latitude) <= 90 && std::fabs(r.longitude) <= 180 && r.kmh >= 0 && r.kmh < 2000;
}

// Accelerometer values as three 32-bit counts of 1/256 g, unless the camera
// left zeros or its counting pattern 1..6 there.
void ReadCounts256(const unsigned char* b, FreeGpsRecord& r)
{
    static const unsigned char kPattern[12] = {1, 0, 2, 0, 3, 0, 4, 0, 5, 0, 6, 0};
    static const unsigned char kZeros[12] = {};
    if (std::memcmp(b, kZeros, 12) == 0 || std::memcmp(b, kPattern, 12) == 0)
        return;
    r.hasG = true;
    r.gx = static_cast<float>(Int32LE(b) / 256.0);
    r.gy = static_cast<float>(Int32LE(b + 4) / 256.0);
    r.gz = static_cast<float>(Int32LE(b + 8) / 256.0);
}

// The float layouts: the clock (six 32-bit values), then status and
// hemisphere letters, then latitude, longitude (DDMM.mmmm), knots and course
// as little-endian floats; some add the accelerometer.
struct FloatLayout {
    std::size_t clock, status, floats;
    std::size_t accelerometer;  // 0: none
    bool zerosBeforeStatus;     // three zero bytes before the status
};

// The plain layout, and the compact one (Viofo A119 v3 and others).
constexpr FloatLayout kPlainLayout{0x30, 0x48, 0x4c, 0, false};
constexpr FloatLayout kCompactLayout{0x10, 0x28, 0x2c, 0x3c, true};

std::optional<FreeGpsRecord> DecodeFloats(const unsigned char* b, const FloatLayout& l)
{
    FreeGpsRecord r;
    const Status status = StatusAt(b, l.status);
    const bool zeros = !l.zerosBeforeStatus || (b[l.status - 3] == 0 && b[l.status - 2] == 0 && b[l.status - 1] == 0);
    if (status == Status::Unknown || !zeros || !ClockAt(b, l.clock))
        return std::nullopt;
    if (l.accelerometer)
        ReadCounts256(b + l.accelerometer, r);
    r.utc = ClockUtc(b, l.clock);
    if (status == Status::NoFix)
        return r;
    const unsigned char* f = b + l.floats;
    if (!FromDdmm(FloatLE(f), b[l.status + 1], r.latitude) || !FromDdmm(FloatLE(f + 4), b[l.status + 2], r.longitude))
        return std::nullopt;
    r.kmh = FloatLE(f + 8) * kKnotsToKmh;
    r.course = FloatLE(f + 12);
    r.fix = true;
    return r;
}

// The plain layout's "IQS" variant keeps degrees * 1e7 and m/s * 100 as
// integers where the others keep floats.
std::optional<FreeGpsRecord> DecodeIqs(const unsigned char* b)
{
    if (std::memcmp(b + 16, "IQS", 3) != 0)
        return std::nullopt;
    FreeGpsRecord r;
    const Status status = StatusAt(b, 0x48);
    if (status == Status::Unknown || !ClockAt(b, 0x30))
        return std::nullopt;
    r.utc = ClockUtc(b, 0x30);
    if (status == Status::NoFix)
        return r;
    r.latitude = std::fabs(double(Int32LE(b + 0x4c))) / 1e7 * (b[0x49] == 'S' ? -1 : 1);
    r.longitude = std::fabs(double(Int32LE(b + 0x50))) / 1e7 * (b[0x4a] == 'W' ? -1 : 1);
    r.kmh = Int32LE(b + 0x54) / 100.0 * 3.6;
    r.fix = true;
    return r;
}

bool HasCameraDate(const unsigned char* b)
{
    for (std::size_t i = 0x34; i < 0x34 + 14; ++i) {
        if (b[i] < '0' || b[i] > '9')
            return false;
    }
    return true;
}

// The text layout (NextBase and others): the camera's date and time as 14
// digits at 0x34 and an RMC or GGA sentence further on; the accelerometer as
// three counts of 1/256 g at 0x44. Some cameras leave the date digits out:
// then the bytes are taken for text only by an RMC sentence with its '$' and
// a right checksum, and the accelerometer's place is not known.
std::optional<FreeGpsRecord> DecodeText(const unsigned char* b, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(b), size);
    const bool dated = HasCameraDate(b);
    const auto fix = dated ? ReadNmeaFix(text) : ReadCheckedRmc(text);
    if (!fix)
        return std::nullopt;
    FreeGpsRecord r;
    if (!fix->fix)
        return r;
    if (dated)
        ReadCounts256(b + 0x44, r);
    r.fix = true;
    r.latitude = fix->latitude;
    r.longitude = fix->longitude;
    r.kmh = fix->knots * kKnotsToKmh;
    r.course = fix->course;
    r.utc = fix->UnixTime();
    return r;
}

struct BlockRef {
    std::uint64_t offset = 0;
    std::uint64_t size = 0;
};

std::vector<BlockRef> IndexedBlocks(BinaryFile& file, const MovieIndex& index)
{
    std::vector<BlockRef> blocks;
    const auto gps = FindBox(index.moovChildren, "gps ");
    if (!gps || gps->PayloadSize() < 8 || !file.Seek(gps->PayloadStart() + 4))
        return blocks;
    std::uint32_t count = 0;
    if (!file.ReadBE32(count))
        return blocks;
    const std::uint64_t present = (gps->PayloadSize() - 8) / 8;
    count = static_cast<std::uint32_t>(std::min<std::uint64_t>({count, present, kMaxTimedSamples}));
    blocks.reserve(count);
    for (std::uint32_t i = 0; i < count; ++i) {
        std::uint32_t offset = 0, size = 0;
        if (!file.ReadBE32(offset) || !file.ReadBE32(size))
            break;
        blocks.push_back({offset, size});
    }
    DropOverlapping(blocks, [](const BlockRef& b) { return b.offset; },
                    [](const BlockRef& b) { return b.size ? b.size : std::uint64_t(kReadPerBlock); });
    return blocks;
}

bool HasMarkAt(BinaryFile& file, std::uint64_t blockStart)
{
    char mark[kMarkSize];
    return file.Seek(blockStart + 4) && file.ReadExact(mark, kMarkSize) && std::memcmp(mark, kMark, kMarkSize) == 0;
}

// Marks inside [from, end): each block starts four bytes before its mark.
void ScanForMarks(BinaryFile& file, std::uint64_t from, std::uint64_t end, std::vector<BlockRef>& blocks)
{
    std::vector<unsigned char> chunk(1 << 20);
    for (std::uint64_t at = from; at < end && blocks.size() < kMaxTimedSamples;) {
        const std::size_t want = static_cast<std::size_t>(std::min<std::uint64_t>(chunk.size(), end - at));
        if (!file.Seek(at))
            break;
        const std::size_t got = file.Read(chunk.data(), want);
        if (got < kMarkSize)
            break;
        const auto last = chunk.begin() + static_cast<long>(got);
        for (auto hit = std::search(chunk.begin(), last, kMark, kMark + kMarkSize); hit != last;
             hit = std::search(hit + 1, last, kMark, kMark + kMarkSize)) {
            const std::uint64_t markAt = at + static_cast<std::uint64_t>(hit - chunk.begin());
            if (markAt >= 4 && (blocks.empty() || blocks.back().offset < markAt - 4))
                blocks.push_back({markAt - 4, 0});
        }
        at += got - (kMarkSize - 1);  // a mark may straddle two chunks
        if (got < want)
            break;
    }
}

std::vector<BlockRef> FreeBoxBlocks(BinaryFile& file, const MovieIndex& index)
{
    std::vector<BlockRef> blocks;
    for (const BoxSpan& box : index.topLevel) {
        if (box.Is("free") && HasMarkAt(file, box.start))
            blocks.push_back({box.start, box.size});
    }
    return blocks;
}

// The stretches of [from, end) that no track's samples cover: where a
// camera's own blocks may sit between its pictures and sound. A movie whose
// tracks cover all of their media data leaves none, so a recording without
// GPS is not read any further; one without an index is one stretch.
std::vector<BlockRef> Uncovered(BinaryFile& file, const MovieIndex& index, std::uint64_t from, std::uint64_t end)
{
    std::vector<BlockRef> covered;
    for (const MediaTrack& track : index.tracks) {
        for (const MediaSample& s : ReadTrackSamples(file, track))
            covered.push_back({s.offset, s.size});
    }
    std::sort(covered.begin(), covered.end(), [](const BlockRef& a, const BlockRef& b) { return a.offset < b.offset; });
    std::vector<BlockRef> gaps;
    std::uint64_t at = from;
    auto gapUntil = [&](std::uint64_t until) {
        if (until >= at + kMinBlock)
            gaps.push_back({at, until - at});
    };
    for (const BlockRef& c : covered) {
        if (c.offset >= end)
            break;
        gapUntil(c.offset);
        at = std::max(at, c.offset + c.size);
    }
    gapUntil(end);
    return gaps;
}

std::vector<BlockRef> MediaDataBlocks(BinaryFile& file, const MovieIndex& index)
{
    std::vector<BlockRef> blocks;
    const std::uint64_t limit = std::min<std::uint64_t>(file.Size(), kScanLimit);
    for (const BoxSpan& box : index.topLevel) {
        if (!box.Is("mdat") || box.start >= limit)
            continue;
        for (const BlockRef& gap : Uncovered(file, index, box.PayloadStart(), std::min(box.End(), limit)))
            ScanForMarks(file, gap.offset, gap.offset + gap.size, blocks);
    }
    return blocks;
}

}  // namespace

std::optional<FreeGpsRecord> DecodeFreeGpsBlock(const unsigned char* block, std::size_t size)
{
    if (size < kMinBlock || std::memcmp(block + 4, kMark, kMarkSize) != 0)
        return std::nullopt;
    std::array<unsigned char, kReadPerBlock> b{};  // zeros past the block's end
    std::memcpy(b.data(), block, std::min(size, b.size()));
    std::optional<FreeGpsRecord> r = DecodeIqs(b.data());
    if (!r)
        r = DecodeFloats(b.data(), kPlainLayout);
    if (!r)
        r = DecodeFloats(b.data(), kCompactLayout);
    if (!r)
        r = DecodeText(b.data(), std::min(size, b.size()));
    if (r && r->fix && !Plausible(*r))
        return std::nullopt;
    return r;
}

namespace {

// Reads the blocks in order; false when none of them is a freeGPS block.
bool ReadBlocks(BinaryFile& file, const std::vector<BlockRef>& blocks, TimedSamples& out)
{
    bool found = false;
    std::array<unsigned char, kReadPerBlock> b{};
    for (std::size_t i = 0; i < blocks.size(); ++i) {
        if (!file.Seek(blocks[i].offset))
            continue;
        const std::size_t got = file.Read(b.data(), b.size());
        // The block's own size field, where the index gave none.
        const std::size_t size = static_cast<std::size_t>(std::min<std::uint64_t>(
            {got, blocks[i].size ? blocks[i].size : got, got >= 4 ? LoadBE32(b.data()) : 0}));
        if (size < kMinBlock || std::memcmp(b.data() + 4, kMark, kMarkSize) != 0)
            continue;
        found = true;
        const auto record = DecodeFreeGpsBlock(b.data(), size);
        if (!record)
            continue;
        const double time = static_cast<double>(i);
        out.gps.push_back({time, record->fix, record->latitude, record->longitude, record->kmh, record->course, record->utc});
        if (record->hasG)
            out.g.push_back({time, record->gx, record->gy, record->gz});
    }
    return found;
}

}  // namespace

bool ReadFreeGpsTrack(BinaryFile& file, const MovieIndex& index, TimedSamples& out, FreeGpsSearch search)
{
    if (search == FreeGpsSearch::MediaData)
        return ReadBlocks(file, MediaDataBlocks(file, index), out);
    // An index that leads nowhere is no reason to miss the blocks themselves.
    return ReadBlocks(file, IndexedBlocks(file, index), out) || ReadBlocks(file, FreeBoxBlocks(file, index), out);
}
