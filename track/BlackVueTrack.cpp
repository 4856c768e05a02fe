#include "BlackVueTrack.h"

#include "BinaryFile.h"
#include "DatFile.h"
#include "MovieIndex.h"
#include "NmeaLog.h"

#include <filesystem>
#include <vector>

namespace {

constexpr std::size_t kRecord = 10;
constexpr double kCountsPerG = 128.0;

std::optional<double> StartStamp(BinaryFile& file, const std::optional<BoxSpan>& sttm)
{
    unsigned char b[8];
    if (!sttm || sttm->PayloadSize() < 8 || !file.Seek(sttm->PayloadStart()) || !file.ReadExact(b, 8))
        return std::nullopt;
    return static_cast<double>((std::uint64_t(LoadBE32(b)) << 32) | LoadBE32(b + 4));
}

void KeepOnlyWithGps(TimedSamples& samples)
{
    if (samples.gps.empty())
        samples.g.clear();
}

bool IsDigits(const std::string& s, std::size_t from, std::size_t count)
{
    for (std::size_t i = from; i < from + count; ++i) {
        if (i >= s.size() || s[i] < '0' || s[i] > '9')
            return false;
    }
    return true;
}

}  // namespace

void ReadThreeGf(BinaryFile& file, std::uint64_t from, std::uint64_t end, TimedSamples& out)
{
    end = std::min(end, file.Size());
    std::vector<unsigned char> chunk(kRecord * 6554);  // whole records, about 64 KB
    for (std::uint64_t at = from; at + kRecord <= end && file.Seek(at);) {
        const std::size_t want = static_cast<std::size_t>(std::min<std::uint64_t>(chunk.size(), (end - at) / kRecord * kRecord));
        const std::size_t got = file.Read(chunk.data(), want) / kRecord * kRecord;
        for (std::size_t i = 0; i < got; i += kRecord) {
            const unsigned char* r = &chunk[i];
            const std::uint32_t ms = LoadBE32(r);
            if (ms == 0xFFFFFFFFu || out.g.size() >= kMaxTimedSamples)
                return;
            auto axis = [&](int a) { return static_cast<float>(static_cast<std::int16_t>((r[4 + 2 * a] << 8) | r[5 + 2 * a]) / kCountsPerG); };
            out.g.push_back({ms / 1000.0, axis(1), axis(2), axis(0)});
        }
        if (got < want || got == 0)
            return;
        at += got;
    }
}

bool ReadBlackVueBoxes(BinaryFile& file, const MovieIndex& index, TimedSamples& out)
{
    for (const BoxSpan& free : index.topLevel) {
        if (!free.Is("free"))
            continue;
        const auto children = ReadBoxes(file, free.PayloadStart(), free.End(), 64);
        const auto gps = FindBox(children, "gps ");
        const auto accel = FindBox(children, "3gf ");
        if (!gps && !accel)
            continue;
        TimedSamples found;
        if (gps) {
            NmeaLogReader reader(StartStamp(file, FindBox(children, "sttm")));
            ReadLines(file, gps->PayloadStart(), gps->End(), reader);
            found = std::move(reader.Samples());
        }
        if (accel)
            ReadThreeGf(file, accel->PayloadStart(), accel->End(), found);
        KeepOnlyWithGps(found);
        out.gps.insert(out.gps.end(), found.gps.begin(), found.gps.end());
        out.g.insert(out.g.end(), found.g.begin(), found.g.end());
        return true;
    }
    return false;
}

bool IsBlackVueName(const std::string& base, char camera)
{
    return base.size() == 18 && IsDigits(base, 0, 8) && base[8] == '_' && IsDigits(base, 9, 6) && base[15] == '_' &&
           base[16] >= 'A' && base[16] <= 'Z' && base[17] == camera;
}

std::string BlackVueSideBase(const std::string& mediaPath)
{
    const std::string stem = std::filesystem::path(mediaPath).stem().string();
    const bool named = IsBlackVueName(stem, 'F') || IsBlackVueName(stem, 'R');
    return named ? stem.substr(0, 17) : std::string();
}

bool ReadBlackVueSideFiles(const std::string& mediaPath, TimedSamples& out)
{
    const std::string base = BlackVueSideBase(mediaPath);
    if (base.empty())
        return false;
    const auto gpsPath = FindSideFile(mediaPath, base + ".gps");
    const auto accelPath = FindSideFile(mediaPath, base + ".3gf");
    if (!gpsPath && !accelPath)
        return false;
    TimedSamples found;
    if (gpsPath) {
        BinaryFile gps(*gpsPath);
        NmeaLogReader reader;
        ReadLines(gps, 0, gps.Size(), reader);
        found = std::move(reader.Samples());
    }
    if (accelPath) {
        BinaryFile accel(*accelPath);
        ReadThreeGf(accel, 0, accel.Size(), found);
    }
    KeepOnlyWithGps(found);
    out.gps.insert(out.gps.end(), found.gps.begin(), found.gps.end());
    out.g.insert(out.g.end(), found.g.begin(), found.g.end());
    return true;
}
