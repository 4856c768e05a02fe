// Files made to waste a reader's time (mkrec hostile: overlapping sample
// tables, counts past the end, deep nesting, a million-entry table over a
// 16 MB payload), each loaded as the player loads a track, next to reading
// the same file's bytes in the same run. The aim: at most twice the read.

#include "BenchFailure.h"
#include "library/RecordingList.h"
#include "mkrec_writers.h"
#include "track/BinaryFile.h"
#include "track/TrackLoader.h"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <filesystem>
#include <vector>

namespace {

std::string HostileFile(const std::string& kind)
{
    const std::string path = (std::filesystem::temp_directory_path() / ("dualdash-hostile-" + kind + ".mp4")).string();
    if (!std::filesystem::exists(path) && !WriteHostileMov(path, kind).empty())
        std::fprintf(stderr, "cannot write %s\n", path.c_str());
    return path;
}

// Without the file both sides would time a failed open.
bool HaveHostileFile(benchmark::State& state, const std::string& path)
{
    std::error_code error;
    if (std::filesystem::file_size(path, error) > 0 && !error)
        return true;
    FailBenchmark(state, "no file " + path);
    return false;
}

void ReadItsBytes(benchmark::State& state, const std::string& kind)
{
    const std::string path = HostileFile(kind);
    if (!HaveHostileFile(state, path))
        return;
    std::vector<unsigned char> buffer(1 << 20);
    std::uint64_t read = 0, size = 0;
    for (auto _ : state) {
        BinaryFile file(path);
        size = file.Size();
        read = 0;
        for (std::size_t got; (got = file.Read(buffer.data(), buffer.size())) > 0;)
            read += got;
        benchmark::DoNotOptimize(buffer.data());
    }
    if (read != size)
        FailBenchmark(state, "read " + std::to_string(read) + " of " + std::to_string(size) + " bytes");
}

void LoadItsTrack(benchmark::State& state, const std::string& kind)
{
    const std::string path = HostileFile(kind);
    if (!HaveHostileFile(state, path))
        return;
    for (auto _ : state) {
        CTrackLoader track;
        LoadNodeTrack(track, FileNodeOf(path));
        benchmark::DoNotOptimize(track.GetCount());
    }
}

}  // namespace

BENCHMARK_CAPTURE(ReadItsBytes, overlap, std::string("overlap"))->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(LoadItsTrack, overlap, std::string("overlap"))->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ReadItsBytes, past_end, std::string("past-end"))->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(LoadItsTrack, past_end, std::string("past-end"))->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ReadItsBytes, deep, std::string("deep"))->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(LoadItsTrack, deep, std::string("deep"))->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ReadItsBytes, million, std::string("million"))->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(LoadItsTrack, million, std::string("million"))->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    return RunBenchmarks(argc, argv, "hostile_bench");
}
