#include "FitTrack.h"

#include "BinaryFile.h"
#include "FolderEntries.h"
#include "GpmfTrack.h"
#include "MovieIndex.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>
#include <filesystem>
#include <optional>

namespace fs = std::filesystem;

namespace {

constexpr double kFitEpoch = 631065600;          // 1989-12-31T00:00:00Z in UNIX seconds
constexpr std::uint32_t kFirstUtc = 0x10000000;  // smaller times are a device's own clock
constexpr std::uint64_t kMaxRecords = 64u << 20; // far more than a camera's day of fixes
constexpr std::uint16_t kRecord = 20, kGpsMetadata = 160;
constexpr std::uint8_t kTimestampField = 253;

struct FieldDefinition {
    std::uint8_t number = 0, size = 0;
};

struct Definition {
    bool defined = false;
    bool bigEndian = false;
    std::uint16_t global = 0;
    std::vector<FieldDefinition> fields;
    std::size_t size = 0;  // of a data message, developer fields included
};

// Reads the records section through a window, every read checked.
class Records {
public:
    Records(BinaryFile& file, std::uint64_t from, std::uint64_t end) : file_(file), at_(from), end_(end) {}
    bool Take(void* bytes, std::size_t count)
    {
        if (count > end_ - at_ || !file_.Seek(at_) || !file_.ReadExact(bytes, count))
            return false;
        at_ += count;
        return true;
    }
    bool More() const { return at_ < end_; }

private:
    BinaryFile& file_;
    std::uint64_t at_, end_;
};

std::uint64_t Unsigned(const unsigned char* p, std::size_t size, bool bigEndian)
{
    std::uint64_t v = 0;
    for (std::size_t i = 0; i < size; ++i)
        v |= std::uint64_t(p[bigEndian ? size - 1 - i : i]) << (8 * i);
    return v;
}

// What one data message says, by field; nullopt where absent or invalid.
struct MessageFields {
    std::optional<std::uint32_t> timestamp, utcTimestamp, enhancedSpeed;
    std::optional<std::int32_t> latitude, longitude;
    std::optional<std::uint16_t> speed, heading, milliseconds;
};

template <typename T>
void Keep(std::optional<T>& field, std::uint64_t raw, std::uint64_t invalid)
{
    if (raw != invalid)
        field = static_cast<T>(raw);
}

// Field numbers per message: record's lat 0, long 1, speed 6, enhanced
// speed 73; gps_metadata's ms 0, lat 1, long 2, enhanced speed 4, heading 5,
// UTC 6. Each is taken only at its own size.
void ReadField(std::uint16_t global, const FieldDefinition& f, const unsigned char* p, bool bigEndian, MessageFields& m)
{
    const bool four = f.size == 4, two = f.size == 2;
    if (!four && !two)
        return;  // arrays, strings and bytes: no field read here has them
    const std::uint64_t v = Unsigned(p, f.size, bigEndian);
    if (f.number == kTimestampField && four) {
        Keep(m.timestamp, v, 0xFFFFFFFF);
    } else if (global == kRecord) {
        if (f.number == 0 && four) Keep(m.latitude, v, 0x7FFFFFFF);
        else if (f.number == 1 && four) Keep(m.longitude, v, 0x7FFFFFFF);
        else if (f.number == 6 && two) Keep(m.speed, v, 0xFFFF);
        else if (f.number == 73 && four) Keep(m.enhancedSpeed, v, 0xFFFFFFFF);
    } else if (global == kGpsMetadata) {
        if (f.number == 0 && two) Keep(m.milliseconds, v, 0xFFFF);
        else if (f.number == 1 && four) Keep(m.latitude, v, 0x7FFFFFFF);
        else if (f.number == 2 && four) Keep(m.longitude, v, 0x7FFFFFFF);
        else if (f.number == 4 && four) Keep(m.enhancedSpeed, v, 0xFFFFFFFF);
        else if (f.number == 5 && two) Keep(m.heading, v, 0xFFFF);
        else if (f.number == 6 && four) Keep(m.utcTimestamp, v, 0xFFFFFFFF);
    }
}

double Semicircles(std::int32_t value)
{
    return value * (180.0 / 2147483648.0);
}

// The fix a record or gps_metadata message gives; nullopt without a UTC time.
std::optional<FitFix> FixOf(const MessageFields& m, std::uint32_t timestamp)
{
    const std::uint32_t utc = m.utcTimestamp && *m.utcTimestamp >= kFirstUtc ? *m.utcTimestamp : timestamp;
    if (utc < kFirstUtc)
        return std::nullopt;
    FitFix fix;
    fix.utc = kFitEpoch + utc + (m.milliseconds && *m.milliseconds < 1000 ? *m.milliseconds / 1000.0 : 0.0);
    if (m.latitude && m.longitude) {
        fix.latitude = Semicircles(*m.latitude);
        fix.longitude = Semicircles(*m.longitude);
        fix.located = std::fabs(fix.latitude) <= 90 && std::fabs(fix.longitude) <= 180;
    }
    if (m.enhancedSpeed)
        fix.kmh = *m.enhancedSpeed / 1000.0 * 3.6;
    else if (m.speed)
        fix.kmh = *m.speed / 1000.0 * 3.6;
    if (m.heading && *m.heading <= 36000)
        fix.course = *m.heading / 100.0;
    return fix;
}

bool ReadDefinition(Records& records, bool developer, Definition& d)
{
    unsigned char head[5];
    if (!records.Take(head, 5))
        return false;
    d = Definition();
    d.bigEndian = head[1] == 1;
    d.global = static_cast<std::uint16_t>(Unsigned(head + 2, 2, d.bigEndian));
    std::array<unsigned char, 255 * 3> fields{};
    if (!records.Take(fields.data(), head[4] * 3u))
        return false;
    for (std::size_t i = 0; i < head[4]; ++i) {
        d.fields.push_back({fields[3 * i], fields[3 * i + 1]});
        d.size += fields[3 * i + 1];
    }
    if (developer) {
        unsigned char count = 0;
        if (!records.Take(&count, 1) || !records.Take(fields.data(), count * 3u))
            return false;
        for (std::size_t i = 0; i < count; ++i)
            d.size += fields[3 * i + 1];
    }
    d.defined = true;
    return true;
}

// FIT's records walked one message at a time.
class FitReader {
public:
    FitReader(Records& records, std::vector<FitFix>& out) : records_(records), out_(out) {}

    void Run()
    {
        unsigned char header = 0;
        while (records_.More() && out_.size() < kMaxTimedSamples && records_.Take(&header, 1)) {
            const bool ok = (header & 0x80) ? Data(definitions_[(header >> 5) & 0x3], CompressedTime(header & 0x1F))
                            : (header & 0x40) ? ReadDefinition(records_, header & 0x20, definitions_[header & 0xF])
                                              : Data(definitions_[header & 0xF], std::nullopt);
            if (!ok)
                return;
        }
    }

private:
    std::uint32_t CompressedTime(std::uint32_t offset) const
    {
        std::uint32_t t = (last_ & ~0x1Fu) + offset;
        if (offset < (last_ & 0x1F))
            t += 0x20;
        return t;
    }

    bool Data(const Definition& d, std::optional<std::uint32_t> compressedTime)
    {
        if (!d.defined)
            return false;
        bytes_.resize(d.size);
        if (!records_.Take(bytes_.data(), d.size))
            return false;
        MessageFields m;
        const unsigned char* p = bytes_.data();
        for (const FieldDefinition& f : d.fields) {
            ReadField(d.global, f, p, d.bigEndian, m);
            p += f.size;
        }
        if (m.timestamp)
            last_ = *m.timestamp;
        else if (compressedTime)
            last_ = *compressedTime;
        if (d.global == kRecord || d.global == kGpsMetadata) {
            if (auto fix = FixOf(m, (m.timestamp || compressedTime) ? last_ : 0))
                out_.push_back(*fix);
        }
        return true;
    }

    Records& records_;
    std::vector<FitFix>& out_;
    std::array<Definition, 16> definitions_{};
    std::uint32_t last_ = 0;  // the last timestamp seen, for compressed ones
    std::vector<unsigned char> bytes_;  // one data message: 130 KB at most
};

// FIT's CRC-16, four bits at a time.
std::uint16_t AddToCrc(std::uint16_t crc, unsigned char byte)
{
    static constexpr std::uint16_t kTable[16] = {0x0000, 0xCC01, 0xD801, 0x1400, 0xF001, 0x3C00, 0x2800, 0xE401,
                                                 0xA001, 0x6C00, 0x7800, 0xB401, 0x5000, 0x9C01, 0x8801, 0x4400};
    crc = static_cast<std::uint16_t>(((crc >> 4) & 0x0FFF) ^ kTable[crc & 0xF] ^ kTable[byte & 0xF]);
    return static_cast<std::uint16_t>(((crc >> 4) & 0x0FFF) ^ kTable[crc & 0xF] ^ kTable[byte >> 4]);
}

// Whether bytes [0, end) of the file give the CRC stored after them.
bool CrcHolds(BinaryFile& file, std::uint64_t end)
{
    std::vector<unsigned char> chunk(1 << 16);
    std::uint16_t crc = 0;
    for (std::uint64_t at = 0; at < end;) {
        const auto want = static_cast<std::size_t>(std::min<std::uint64_t>(chunk.size(), end - at));
        if (!file.Seek(at) || !file.ReadExact(chunk.data(), want))
            return false;
        for (std::size_t i = 0; i < want; ++i)
            crc = AddToCrc(crc, chunk[i]);
        at += want;
    }
    unsigned char stored[2];
    return file.Seek(end) && file.ReadExact(stored, 2) && LoadLE16(stored) == crc;
}

void AddFitFilesIn(const fs::path& folder, std::vector<fs::path>& files)
{
    constexpr std::size_t kMaxFiles = 64;
    std::error_code ec;
    std::vector<fs::path> found;
    std::size_t seen = 0;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end && seen < 4096; it.increment(ec), ++seen) {
        if (LowerCase(it->path().extension().string()) == ".fit" && it->is_regular_file(ec))
            found.push_back(it->path());
    }
    std::sort(found.begin(), found.end());
    for (const fs::path& f : found) {
        if (files.size() < kMaxFiles && std::find(files.begin(), files.end(), f) == files.end())
            files.push_back(f);
    }
}

// The video's own name with .fit first, then the others by name.
std::vector<fs::path> CandidateFiles(const std::string& mediaPath)
{
    const fs::path media(mediaPath);
    const fs::path folder = media.has_parent_path() ? media.parent_path() : fs::path(".");
    std::vector<fs::path> all;
    AddFitFilesIn(folder, all);
    for (const fs::path& place : {folder, folder.parent_path()}) {
        if (auto metrics = FindFolderEntry(place.empty() ? fs::path(".") : place, "GMetrix", true))
            AddFitFilesIn(*metrics, all);
    }
    const std::string stem = LowerCase(media.stem().string());
    std::stable_partition(all.begin(), all.end(), [&](const fs::path& f) { return LowerCase(f.stem().string()) == stem; });
    return all;
}

}  // namespace

bool ReadFitFixes(BinaryFile& file, std::vector<FitFix>& out)
{
    unsigned char header[12];
    if (!file.Seek(0) || !file.ReadExact(header, sizeof header) || header[0] < 12 ||
        std::string_view(reinterpret_cast<const char*>(header + 8), 4) != ".FIT")
        return false;
    const std::uint64_t from = header[0];
    const std::uint64_t claimedEnd = from + LoadLE32(header + 4);
    // A whole file whose CRC fails was changed after it was written: none of
    // its numbers can be trusted. A file cut short has no CRC to check and
    // gives the messages before the cut.
    if (claimedEnd + 2 <= file.Size() && claimedEnd - from <= kMaxRecords && !CrcHolds(file, claimedEnd))
        return true;
    const std::uint64_t end = std::min({claimedEnd, file.Size(), from + kMaxRecords});
    if (from >= end)
        return true;
    Records records(file, from, end);
    FitReader(records, out).Run();
    return true;
}

bool ReadFitSideFile(const std::string& mediaPath, const MovieIndex& index, TimedSamples& out)
{
    if (!(index.createdSeconds > 0) || !(index.durationSeconds > 0))
        return false;
    const double start = index.createdSeconds, end = start + index.durationSeconds;
    for (const fs::path& path : CandidateFiles(mediaPath)) {
        BinaryFile file(path.string());
        std::vector<FitFix> fixes;
        if (!ReadFitFixes(file, fixes))
            continue;
        const bool covers = std::any_of(fixes.begin(), fixes.end(), [&](const FitFix& f) { return f.utc >= start && f.utc < end; });
        if (!covers)
            continue;
        bool headings = false;
        for (const FitFix& f : fixes) {
            if (f.utc < start || f.utc >= end)
                continue;
            GpsSample s;
            s.time = f.utc - start;
            s.utc = f.utc;
            s.fix = f.located && !(f.latitude == 0 && f.longitude == 0);
            s.latitude = f.latitude;
            s.longitude = f.longitude;
            s.kmh = s.fix && f.kmh < 2000 ? f.kmh : 0;
            s.course = std::max(0.0, f.course);
            headings = headings || f.course >= 0;
            out.gps.push_back(s);
        }
        if (!headings)
            AddCoursesFromMovement(out.gps.begin(), out.gps.end());
        return true;
    }
    return false;
}
