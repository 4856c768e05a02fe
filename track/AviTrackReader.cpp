#include "AviTrackReader.h"

#include "DistinctRanges.h"

#include "BinaryFile.h"
#include "CoordText.h"
#include "Nmea.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr std::size_t kRecordSize = 16;
// A recorder writes a few G-sensor records per slot; more cannot change the track.
constexpr std::size_t kMaxGSensorRecords = 10 * kMaxTrackSlots;
// GPS record i fills slots 10i..10i+9.
constexpr std::size_t kMaxGpsRecords = kMaxTrackSlots / 10;

bool StartsWith(const unsigned char* p, std::size_t room, const char* text)
{
    std::size_t n = std::strlen(text);
    return n <= room && std::memcmp(p, text, n) == 0;
}

_GSENSOR_RECORD DecodeGSensor(const unsigned char* p)
{
    _GSENSOR_RECORD r{};
    r.time = LoadLE32(p);
    r.x = static_cast<std::int16_t>(LoadLE16(p + 8));
    r.y = static_cast<std::int16_t>(LoadLE16(p + 10));
    r.z = static_cast<std::int16_t>(LoadLE16(p + 12));
    r.aux = static_cast<std::int8_t>(p[14]);
    r.status = p[15];
    return r;
}

_GPS_RECORD DecodeGps(const unsigned char* p)
{
    _GPS_RECORD r{};
    r.latitude = static_cast<std::int32_t>(LoadLE32(p + 4));
    r.longitude = static_cast<std::int32_t>(LoadLE32(p + 8));
    r.speed = LoadLE32(p + 12);
    return r;
}

float GUnits(std::int16_t raw)
{
    // The recorders' factor is the float 3.91 applied in double precision.
    return static_cast<float>(raw / 1000.0 * static_cast<double>(3.91f));
}

// Reads the chunks listed in `index` and passes each whole 16-byte piece that
// was actually read to `add`, until it returns false.
template <typename Add>
void ReadChunks(BinaryFile& file, const std::vector<AVIINDEXENTRY>& index, std::vector<unsigned char>& buffer, Add add)
{
    for (const AVIINDEXENTRY& entry : index) {
        if (!file.Seek(std::uint64_t(entry.dwChunkOffset) + 8))
            continue;
        std::size_t want = std::min<std::uint64_t>(entry.dwChunkLength, file.Remaining());
        if (buffer.size() < want)
            buffer.resize(want);
        std::size_t got = file.Read(buffer.data(), want);
        for (std::size_t at = 0; at + kRecordSize <= got; at += kRecordSize) {
            if (!add(&buffer[at]))
                return;
        }
    }
}

}  // namespace

int CAviTrackReader::HasMarker(const std::string& path) const
{
    BinaryFile file(path);
    unsigned char head[512];
    if (!file.IsOpen() || !file.ReadExact(head, sizeof head))
        return 0;
    if (std::memcmp(head, "RIFF", 4) != 0 || std::memcmp(head + 8, "AVI ", 4) != 0)
        return 0;
    for (std::size_t p = 12; p <= 507; ++p) {
        if (std::memcmp(head + p, "ISFT", 4) != 0 || p + 8 > sizeof head)
            continue;
        const unsigned char* text = head + p + 8;
        std::size_t room = sizeof head - (p + 8);
        if (StartsWith(text, room, "BrenixNTG-") || StartsWith(text, room, "BRXNTG-") ||
            StartsWith(text, room, "BRXNTD-"))
            return 1;
    }
    return 0;
}

std::string CAviTrackReader::PackedCoordToText(std::int32_t value)
{
    if (value <= 10000)
        return "0";
    const int dm = value / 10000, frac = value % 10000;
    const int degrees = dm / 100, minutes = dm % 100;
    const int w = static_cast<int>(static_cast<float>(frac + minutes * 10000));
    return DegreesText(false, degrees, w * 100 / 60, 6);
}

void CAviTrackReader::Reset()
{
    gsensorIndex_.clear();
    gpsIndex_.clear();
    gsensorRecords_.clear();
    gpsRecords_.clear();
}

void CAviTrackReader::ReadIndex(BinaryFile& file)
{
    unsigned char riff[12];
    if (!file.Seek(0) || !file.ReadExact(riff, 12) || std::memcmp(riff, "RIFF", 4) != 0 ||
        std::memcmp(riff + 8, "AVI ", 4) != 0)
        return;
    unsigned char header[8];
    while (file.ReadExact(header, 8)) {
        const std::uint32_t size = LoadLE32(header + 4);
        if (std::memcmp(header, "idx1", 4) != 0) {
            // Top-level chunks only, no pad byte: what the recorders write.
            if (!file.Seek(file.Tell() + size))
                return;
            continue;
        }
        unsigned char raw[kRecordSize];
        for (std::uint32_t i = 0; i < size / kRecordSize && file.ReadExact(raw, kRecordSize); ++i) {
            AVIINDEXENTRY entry{};
            std::memcpy(entry.ckid, raw, 4);
            entry.dwFlags = LoadLE32(raw + 4);
            entry.dwChunkOffset = LoadLE32(raw + 8);
            entry.dwChunkLength = LoadLE32(raw + 12);
            if (std::memcmp(entry.ckid, "03gs", 4) == 0)
                gsensorIndex_.push_back(entry);
            else if (std::memcmp(entry.ckid, "04gp", 4) == 0)
                gpsIndex_.push_back(entry);
        }
    }
    auto start = [](const AVIINDEXENTRY& e) { return std::uint64_t(e.dwChunkOffset) + 8; };
    auto size = [](const AVIINDEXENTRY& e) { return std::uint64_t(e.dwChunkLength); };
    DropOverlapping(gsensorIndex_, start, size);
    DropOverlapping(gpsIndex_, start, size);
}

void CAviTrackReader::ReadRecords(BinaryFile& file)
{
    std::vector<unsigned char> buffer;  // grown to the largest chunk read
    ReadChunks(file, gsensorIndex_, buffer, [this](const unsigned char* p) {
        gsensorRecords_.push_back(DecodeGSensor(p));
        return gsensorRecords_.size() < kMaxGSensorRecords;
    });
    ReadChunks(file, gpsIndex_, buffer, [this](const unsigned char* p) {
        gpsRecords_.push_back(DecodeGps(p));
        return gpsRecords_.size() < kMaxGpsRecords;
    });
}

void CAviTrackReader::FillGSensorSlots(TrackSlots& track) const
{
    // A record holds until its own time: it is repeated up to slot time/100.
    std::uint32_t prev = 0;
    for (const _GSENSOR_RECORD& r : gsensorRecords_) {
        tagAssistInfo slot;
        slot.x = GUnits(r.x);
        slot.y = GUnits(r.y);
        slot.z = GUnits(r.z);
        slot.aux = static_cast<float>(r.aux / 2.0 + 24.0);
        slot.status = r.status;
        const std::uint32_t t = r.time / 100;
        if (t > prev)
            AppendSlots(track, slot, t - prev);
        prev = t;
    }
}

void CAviTrackReader::FillGps(TrackSlots& track) const
{
    for (std::size_t i = 0; i < gpsRecords_.size() && 10 * i < track.size(); ++i) {
        const _GPS_RECORD& r = gpsRecords_[i];
        const std::string latitude = PackedCoordToText(r.latitude);
        const std::string longitude = PackedCoordToText(r.longitude);
        const int speed = KnotsToKmh(static_cast<double>(r.speed / 100));
        for (std::size_t k = 10 * i; k < 10 * i + 10 && k < track.size(); ++k) {
            track[k].latitude = latitude;
            track[k].longitude = longitude;
            track[k].speed = speed;
        }
    }
}

void CAviTrackReader::LoadTrack(const std::string& path, TrackSlots& track)
{
    Reset();
    if (!HasMarker(path))
        return;
    BinaryFile file(path);
    ReadIndex(file);
    ReadRecords(file);
    FillGSensorSlots(track);
    if (!track.empty())
        FillGps(track);
}
