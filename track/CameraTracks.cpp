#include "CameraTracks.h"

#include "BinaryFile.h"
#include "BlackVueTrack.h"
#include "DailyGpsLog.h"
#include "DjiSrt.h"
#include "DatFile.h"
#include "FitTrack.h"
#include "FreeGpsTrack.h"
#include "GpmfTrack.h"
#include "MovTrack.h"
#include "MovieIndex.h"
#include "NmeaLog.h"
#include "NmeaTextTrack.h"
#include "SeventyMaiTrack.h"

#include <filesystem>

namespace {

struct Recording {
    const std::string& path;
    bool namedMov;
    BinaryFile& file;
    const MovieIndex& index;
    double& startUtc;  // what the track's dated fixes say of time 0; -1 when none is dated
};

using SampleReader = bool (*)(BinaryFile&, const MovieIndex&, TimedSamples&);
using SideReader = bool (*)(const std::string&, TimedSamples&);
// A side file matched to the recording by what its movie header (or name) says.
using MovieSideReader = bool (*)(const std::string&, const MovieIndex&, TimedSamples&);

void AppendSamples(const Recording& r, const TimedSamples& samples, TrackSlots& track)
{
    if (!samples.Empty())
        AppendSampleSlots(samples, r.index.durationSeconds, track);
    r.startUtc = StartUtc(samples);
}

template <SampleReader Read>
bool Embedded(const Recording& r, TrackSlots& track)
{
    TimedSamples samples;
    if (!Read(r.file, r.index, samples))
        return false;
    AppendSamples(r, samples, track);
    return true;
}

template <SideReader Read>
bool Side(const Recording& r, TrackSlots& track)
{
    TimedSamples samples;
    if (!Read(r.path, samples))
        return false;
    AppendSamples(r, samples, track);
    return true;
}

template <MovieSideReader Read>
bool MovieSide(const Recording& r, TrackSlots& track)
{
    TimedSamples samples;
    if (!Read(r.path, r.index, samples))
        return false;
    AppendSamples(r, samples, track);
    return true;
}

bool IndexedFreeGps(BinaryFile& file, const MovieIndex& index, TimedSamples& out)
{
    return ReadFreeGpsTrack(file, index, out, FreeGpsSearch::IndexAndFreeBoxes);
}

bool ScannedFreeGps(BinaryFile& file, const MovieIndex& index, TimedSamples& out)
{
    return ReadFreeGpsTrack(file, index, out, FreeGpsSearch::MediaData);
}

// The older cameras' scrambled third track: it has no mark of its own, so
// only a recording named .MOV is tried, and only slots count as finding it.
bool ScrambledMovText(const Recording& r, TrackSlots& track)
{
    if (!r.namedMov)
        return false;
    LoadMovTrack(r.path, track);
    return !track.empty();
}

bool ReadNmeaSideFile(const std::string& mediaPath, TimedSamples& out)
{
    const std::string stem = std::filesystem::path(mediaPath).stem().string();
    for (const char* extension : {".NMEA", ".nmea", ".gps"}) {
        if (auto path = FindSideFile(mediaPath, stem + extension)) {
            BinaryFile file(*path);
            NmeaLogReader reader;
            ReadLines(file, 0, file.Size(), reader);
            out = std::move(reader.Samples());
            return true;
        }
    }
    return false;
}

struct Detector {
    TrackSource source;
    bool (*read)(const Recording&, TrackSlots&);
};

constexpr Detector kDetectors[] = {
    {TrackSource::Gpmf, Embedded<ReadGpmfTrack>},
    {TrackSource::BlackVue, Embedded<ReadBlackVueBoxes>},
    {TrackSource::NmeaTrack, Embedded<ReadNmeaTextTrack>},
    {TrackSource::SeventyMai, Embedded<ReadSeventyMaiBox>},
    {TrackSource::FreeGps, Embedded<IndexedFreeGps>},
    {TrackSource::MovText, ScrambledMovText},
    {TrackSource::BlackVue, Side<ReadBlackVueSideFiles>},
    {TrackSource::NmeaSide, Side<ReadNmeaSideFile>},
    {TrackSource::SeventyMai, MovieSide<ReadSeventyMaiLogs>},
    {TrackSource::Fit, MovieSide<ReadFitSideFile>},
    {TrackSource::DjiSrt, Side<ReadDjiSrtSideFile>},
    {TrackSource::DailyLog, MovieSide<ReadDailyGpsLog>},
    {TrackSource::FreeGps, Embedded<ScannedFreeGps>},  // last: it reads up to 20 MB
};

}  // namespace

const char* TrackSourceName(TrackSource source)
{
    switch (source) {
    case TrackSource::SideFile: return "side-file";
    case TrackSource::NT96650A: return "nt96650a";
    case TrackSource::MovText: return "mov-text";
    case TrackSource::Avi: return "avi";
    case TrackSource::FreeGps: return "freegps";
    case TrackSource::Gpmf: return "gpmf";
    case TrackSource::BlackVue: return "blackvue";
    case TrackSource::NmeaTrack: return "nmea-track";
    case TrackSource::NmeaSide: return "nmea-side";
    case TrackSource::SeventyMai: return "70mai";
    case TrackSource::Fit: return "fit";
    case TrackSource::DailyLog: return "daily-log";
    case TrackSource::DjiSrt: return "dji-srt";
    case TrackSource::None: break;
    }
    return "none";
}

TrackSource LoadCameraTrack(const std::string& mediaPath, bool namedMov, TrackSlots& track, double* startUtc)
{
    BinaryFile file(mediaPath);
    const MovieIndex index = ReadMovieIndex(file);
    double start = -1;
    const Recording recording{mediaPath, namedMov, file, index, start};
    TrackSource found = TrackSource::None;
    for (const Detector& detector : kDetectors) {
        if (detector.read(recording, track)) {
            found = detector.source;
            break;
        }
    }
    if (startUtc)
        *startUtc = start;
    return found;
}
