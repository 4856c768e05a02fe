// Loading one-hour tracks of every kind, and importing a folder of 2,000
// recordings, each next to a plain read of the bytes it needs. The figure to
// quote is the ratio of each pair, measured in the same run.

#include "BenchFailure.h"
#include "library/Import.h"
#include "library/RecordingList.h"
#include "mkrec_bytes.h"
#include "mkrec_writers.h"
#include "track/AviTrackReader.h"
#include "track/BinaryFile.h"
#include "track/DatFile.h"
#include "track/MovTrack.h"
#include "track/MovieIndex.h"
#include "track/TrackLoader.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <map>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

constexpr int kHour = 3600;
constexpr int kHourSlots = kHour * 10;  // a slot per 100 ms
constexpr int kImportCount = 2000;

// A one-hour recording of one of today's layouts and the byte ranges its
// reader needs: the movie box and the data it points at.
struct CameraFixture {
    std::string path;
    std::vector<std::pair<std::uint64_t, std::size_t>> reads;
};

struct Fixtures {
    fs::path dir;
    std::map<std::string, CameraFixture> cameras;
    std::string dat, generic, nt, avi, importFolder;
    std::vector<std::uint32_t> genericOffsets, ntOffsets;
    std::vector<std::pair<std::uint32_t, std::uint32_t>> aviChunks;  // offset, length
};

// The stco of the data track, found the quick way: the writer puts the movie first.
std::vector<std::uint32_t> ChunkOffsets(const std::string& path, int track)
{
    std::vector<std::uint8_t> head(1 << 20);
    std::FILE* f = std::fopen(path.c_str(), "rb");
    head.resize(std::fread(head.data(), 1, head.size(), f));
    std::fclose(f);
    std::vector<std::uint32_t> offsets;
    std::size_t at = 0;
    for (int seen = 0; seen <= track; ++seen)
        at = std::string(head.begin(), head.end()).find("stco", at + 1);
    const std::uint32_t count = LoadBE32(&head[at + 8]);
    for (std::uint32_t i = 0; i < count; ++i)
        offsets.push_back(LoadBE32(&head[at + 12 + 4 * i]));
    return offsets;
}

std::vector<std::pair<std::uint32_t, std::uint32_t>> AviChunks(const std::string& path)
{
    Bytes file;
    ReadWholeFile(path, file);
    const std::size_t idx = std::string(file.begin(), file.end()).rfind("idx1");
    std::vector<std::pair<std::uint32_t, std::uint32_t>> chunks;
    for (std::size_t at = idx + 8; at + 16 <= file.size(); at += 16)
        if (std::memcmp(&file[at], "03gs", 4) == 0 || std::memcmp(&file[at], "04gp", 4) == 0)
            chunks.emplace_back(LoadLE32(&file[at + 8]), LoadLE32(&file[at + 12]));
    return chunks;
}

// What each reader reads: moov, then freeGPS blocks through the "gps " index,
// the samples of a gpmd or text track, or BlackVue's free box.
std::vector<std::pair<std::uint64_t, std::size_t>> NeededRanges(const std::string& path)
{
    BinaryFile file(path);
    const MovieIndex index = ReadMovieIndex(file);
    std::vector<std::pair<std::uint64_t, std::size_t>> reads;
    if (!index.moov)
        return reads;
    reads.emplace_back(index.moov->start, index.moov->size);
    if (auto gps = FindBox(index.moovChildren, "gps ")) {
        Bytes whole;
        ReadWholeFile(path, whole);
        for (std::uint64_t at = gps->PayloadStart() + 8; at + 8 <= gps->End(); at += 8)
            reads.emplace_back(GetBE32(whole, at), GetBE32(whole, at + 4));
    }
    for (const MediaTrack& track : index.tracks) {
        if (track.format == "gpmd" || track.format == "tx3g") {
            for (const MediaSample& sample : ReadTrackSamples(file, track))
                reads.emplace_back(sample.offset, sample.size);
        }
    }
    for (const BoxSpan& box : index.topLevel) {
        if (box.Is("free"))
            reads.emplace_back(box.start, box.size);
    }
    return reads;
}

const Fixtures& Files()
{
    static Fixtures f = [] {
        Fixtures x;
        x.dir = fs::temp_directory_path() / "dualdash-bench";
        fs::create_directories(x.dir);
        RecordingSpec spec;
        spec.route = MakeDemoRoute(kHour);
        spec.keyDigits = "35761249";
        spec.start = 1778746500;
        const std::string mov = (x.dir / "v.mov").string(), avi = (x.dir / "v.avi").string();
        if (!fs::exists(mov))
            MakeSyntheticVideo(mov, 1, "64x48", false);
        if (!fs::exists(avi))
            MakeSyntheticVideo(avi, 1, "64x48", false);
        x.dat = (x.dir / "hour.DAT").string();
        WriteSideFile(x.dat, spec);
        spec.videoPath = mov;
        x.generic = (x.dir / "hour_generic.MOV").string();
        WriteRecorderMov(x.generic, MovLayout::Generic, spec);
        x.nt = (x.dir / "hour_nt.MOV").string();
        WriteRecorderMov(x.nt, MovLayout::NT96650A, spec);
        spec.videoPath = avi;
        x.avi = (x.dir / "hour.AVI").string();
        WriteRecorderAvi(x.avi, "BRXNTG-1", spec);
        x.genericOffsets = ChunkOffsets(x.generic, 2);
        x.ntOffsets = ChunkOffsets(x.nt, 1);
        x.aviChunks = AviChunks(x.avi);

        for (const auto& [name, layout] : {std::pair{"freegps", MovLayout::FreeGps}, std::pair{"gpmf", MovLayout::Gpmf},
                                           std::pair{"blackvue", MovLayout::BlackVue}, std::pair{"nmea-text", MovLayout::NmeaText}}) {
            spec.videoPath = mov;
            CameraFixture& c = x.cameras[name];
            c.path = (x.dir / (std::string("hour_") + name + ".mp4")).string();
            WriteRecorderMov(c.path, layout, spec);
            c.reads = NeededRanges(c.path);
        }

        x.importFolder = (x.dir / "import").string();
        fs::remove_all(x.importFolder);
        fs::create_directories(x.importFolder);
        RecordingSpec small = spec;
        small.route.resize(60);
        small.videoPath = mov;
        const std::string one = (x.dir / "one.MOV").string();
        WriteRecorderMov(one, MovLayout::Generic, small);
        for (int i = 0; i < kImportCount; ++i) {
            char name[64];
            std::snprintf(name, sizeof name, "A6%04d%06d_%04dA.MOV", 514, 81500 + i, i);
            fs::copy_file(one, fs::path(x.importFolder) / name);
        }
        return x;
    }();
    return f;
}

// The bytes a read of `size` at `offset` can get: a range may run past the
// file's end (the plain reads ask for a record's full size at the last one).
std::size_t Available(const std::string& path, std::uint64_t offset, std::size_t size)
{
    std::error_code error;
    const std::uint64_t fileSize = fs::file_size(path, error);
    if (error || offset >= fileSize)
        return 0;
    return static_cast<std::size_t>(std::min<std::uint64_t>(size, fileSize - offset));
}

// A plain read that got fewer bytes than the file holds did less than the loader beside it.
void CheckBytesRead(benchmark::State& state, const std::string& path, std::size_t got, std::size_t wanted)
{
    if (wanted == 0 || got != wanted)
        FailBenchmark(state, path + ": read " + std::to_string(got) + " of " + std::to_string(wanted) + " bytes");
}

void PreadAll(benchmark::State& state, const std::string& path, const std::vector<std::pair<std::uint64_t, std::size_t>>& reads)
{
    std::vector<char> buffer(1 << 16);
    std::size_t wanted = 0, total = 0;
    for (const auto& [offset, size] : reads)
        wanted += Available(path, offset, std::min(size, buffer.size()));
    for (auto _ : state) {
        const int fd = open(path.c_str(), O_RDONLY);
        total = 0;
        for (const auto& [offset, size] : reads) {
            const ssize_t got = pread(fd, buffer.data(), std::min(size, buffer.size()), static_cast<off_t>(offset));
            total += got > 0 ? static_cast<std::size_t>(got) : 0;
        }
        close(fd);
        benchmark::DoNotOptimize(total);
    }
    CheckBytesRead(state, path, total, wanted);
}

// Plain reads of the ranges, whole, in 64 KB pieces.
void PreadRanges(benchmark::State& state, const CameraFixture& c)
{
    std::vector<char> buffer(1 << 16);
    std::size_t wanted = 0, total = 0;
    for (const auto& [offset, size] : c.reads)
        wanted += Available(c.path, offset, size);
    for (auto _ : state) {
        const int fd = open(c.path.c_str(), O_RDONLY);
        total = 0;
        for (const auto& [offset, size] : c.reads) {
            for (std::size_t done = 0; done < size;) {
                const ssize_t got = pread(fd, buffer.data(), std::min(size - done, buffer.size()), static_cast<off_t>(offset + done));
                if (got <= 0)
                    break;
                done += static_cast<std::size_t>(got);
                total += static_cast<std::size_t>(got);
            }
        }
        close(fd);
        benchmark::DoNotOptimize(total);
    }
    CheckBytesRead(state, c.path, total, wanted);
}

void BM_CameraPlainRead(benchmark::State& state, const char* name)
{
    PreadRanges(state, Files().cameras.at(name));
}

// Every fixture holds an hour: a loader that stopped early only looks fast.
void CheckHourLoaded(benchmark::State& state, const CTrackLoader& loader, const std::string& path)
{
    state.counters["slots"] = loader.GetCount();
    if (loader.GetCount() != kHourSlots)
        FailBenchmark(state, path + ": " + std::to_string(loader.GetCount()) + " slots, not " + std::to_string(kHourSlots));
}

void BM_CameraLoadTrack(benchmark::State& state, const char* name)
{
    CTrackLoader loader;
    for (auto _ : state) {
        loader.LoadTrack("", Files().cameras.at(name).path);
        benchmark::DoNotOptimize(loader.GetCount());
    }
    CheckHourLoaded(state, loader, Files().cameras.at(name).path);
}

void BM_DatPlainReadLines(benchmark::State& state)
{
    char line[1024];
    int lines = 0;
    for (auto _ : state) {
        std::FILE* f = std::fopen(Files().dat.c_str(), "rb");
        lines = 0;
        while (f && std::fgets(line, sizeof line, f))
            ++lines;
        if (f)
            std::fclose(f);
        benchmark::DoNotOptimize(lines);
    }
    if (lines == 0)
        FailBenchmark(state, Files().dat + ": no line read");
}

// Loads go through one loader, as in the player, which keeps it for its whole
// life: the track's storage is reused from one recording to the next.
void BM_DatLoadTrack(benchmark::State& state)
{
    CTrackLoader loader;
    for (auto _ : state)
        benchmark::DoNotOptimize(loader.LoadTrack(Files().dat, "/bench/hour.MOV"));
    CheckHourLoaded(state, loader, Files().dat);
}

void BM_NT96650APlainRead(benchmark::State& state)
{
    std::vector<std::pair<std::uint64_t, std::size_t>> reads;
    for (std::uint32_t o : Files().ntOffsets)
        reads.emplace_back(std::uint64_t(o) + 65536 + 72, 204);
    PreadAll(state, Files().nt, reads);
}

void BM_NT96650ALoadTrack(benchmark::State& state)
{
    CTrackLoader loader;
    for (auto _ : state)
        benchmark::DoNotOptimize(loader.LoadNT96650ATrack(Files().nt));
    CheckHourLoaded(state, loader, Files().nt);
}

void BM_GenericMovPlainRead(benchmark::State& state)
{
    std::vector<std::pair<std::uint64_t, std::size_t>> reads;
    for (std::uint32_t o : Files().genericOffsets)
        reads.emplace_back(o, 2 + 127);
    PreadAll(state, Files().generic, reads);
}

void BM_GenericMovLoadTrack(benchmark::State& state)
{
    CTrackLoader loader;
    for (auto _ : state) {
        loader.LoadTrack("", Files().generic);
        benchmark::DoNotOptimize(loader.GetCount());
    }
    CheckHourLoaded(state, loader, Files().generic);
}

void BM_AviPlainRead(benchmark::State& state)
{
    std::vector<std::pair<std::uint64_t, std::size_t>> reads;
    for (const auto& [offset, length] : Files().aviChunks)
        reads.emplace_back(std::uint64_t(offset) + 8, length);
    reads.emplace_back(0, 512);
    PreadAll(state, Files().avi, reads);
}

void BM_AviLoadTrack(benchmark::State& state)
{
    CTrackLoader loader;
    for (auto _ : state) {
        loader.LoadTrack("", Files().avi);
        benchmark::DoNotOptimize(loader.GetCount());
    }
    CheckHourLoaded(state, loader, Files().avi);
}

void CheckImported(benchmark::State& state, int files)
{
    if (files != kImportCount)
        FailBenchmark(state, Files().importFolder + ": " + std::to_string(files) + " recordings, not " +
                                 std::to_string(kImportCount));
}

void BM_ImportPlainStatAndRead4K(benchmark::State& state)
{
    std::vector<char> buffer(4096);
    int files = 0;
    for (auto _ : state) {
        files = 0;
        for (const auto& entry : fs::directory_iterator(Files().importFolder)) {
            struct stat info {};
            stat(entry.path().c_str(), &info);
            const int fd = open(entry.path().c_str(), O_RDONLY);
            files += read(fd, buffer.data(), buffer.size()) > 0;
            close(fd);
        }
        benchmark::DoNotOptimize(files);
    }
    CheckImported(state, files);
}

void BM_ImportFolder(benchmark::State& state)
{
    int imported = 0;
    for (auto _ : state) {
        CRecordingList list;
        imported = ImportFolder(Files().importFolder, list);
        benchmark::DoNotOptimize(imported);
    }
    CheckImported(state, imported);
}

}  // namespace

BENCHMARK(BM_DatPlainReadLines)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DatLoadTrack)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_NT96650APlainRead)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_NT96650ALoadTrack)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GenericMovPlainRead)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GenericMovLoadTrack)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AviPlainRead)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AviLoadTrack)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_CameraPlainRead, freegps, "freegps")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_CameraLoadTrack, freegps, "freegps")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_CameraPlainRead, gpmf, "gpmf")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_CameraLoadTrack, gpmf, "gpmf")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_CameraPlainRead, blackvue, "blackvue")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_CameraLoadTrack, blackvue, "blackvue")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_CameraPlainRead, nmea_text, "nmea-text")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_CameraLoadTrack, nmea_text, "nmea-text")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ImportPlainStatAndRead4K)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ImportFolder)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    Files();  // the fixtures are written before anything is timed
    return RunBenchmarks(argc, argv, "track_bench");
}
