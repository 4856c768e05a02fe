// A 1 GB recording a power loss left without its index (mdat's size still
// 0, cut inside a sample), repaired from a healthy recording of the same
// camera, next to reading its bytes once and to copying them (what writing
// the repaired file costs at the least), in the same run. The aims: the
// repair at most 1.5 times the read; the walk recognising at least 100,000
// samples a second.

#include "BenchFailure.h"
#include "mkrec_writers.h"
#include "repair/Damage.h"
#include "repair/MediaWalk.h"
#include "library/PartialFile.h"
#include "repair/Repair.h"
#include "repair/RepairTemplate.h"
#include "track/BinaryFile.h"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <vector>

namespace fs = std::filesystem;

namespace {

constexpr std::uint64_t kDamagedSize = (1ull << 30) + 12345;  // ends inside a sample

const fs::path& Folder()
{
    static const fs::path folder = fs::temp_directory_path() / "dualdash-repair-bench";
    return folder;
}

std::string ReadAll(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// The media data of a 10 s recording written as a camera writes it, over
// and over behind one mdat header of size 0, as the camera left it.
std::string MakeDamaged(const fs::path& whole, const fs::path& damaged)
{
    const std::string bytes = ReadAll(whole);
    const std::size_t moov = bytes.rfind("moov") - 4;
    const std::string media = bytes.substr(32, moov - 32);  // after ftyp (24) and mdat's header
    std::ofstream out(damaged, std::ios::binary);
    out << bytes.substr(0, 24) << std::string("\0\0\0\0mdat", 8);
    for (std::uint64_t written = 32; written < kDamagedSize; written += media.size())
        out.write(media.data(), static_cast<std::streamsize>(std::min<std::uint64_t>(media.size(), kDamagedSize - written)));
    return out ? "" : "cannot write " + damaged.string();
}

std::string MakeFiles()
{
    fs::create_directories(Folder());
    const fs::path video = Folder() / "video.mov", whole = Folder() / "whole.mp4";
    if (fs::exists(Folder() / "damaged.mp4") && fs::file_size(Folder() / "damaged.mp4") == kDamagedSize)
        return {};
    SyntheticVideo v;
    v.seconds = 10;
    v.size = "1280x720";
    std::string error = MakeSyntheticVideo(video.string(), v);
    RecordingSpec spec;
    spec.videoPath = video.string();
    spec.route = MakeDemoRoute(10);
    spec.start = 1778746500;
    spec.keyDigits = "12345678";
    if (error.empty())
        error = WriteRecorderMov((Folder() / "reference.mp4").string(), MovLayout::Gpmf, spec);
    spec.indexLast = true;
    if (error.empty())
        error = WriteRecorderMov(whole.string(), MovLayout::Gpmf, spec);
    return error.empty() ? MakeDamaged(whole, Folder() / "damaged.mp4") : error;
}

bool HaveFiles(benchmark::State& state)
{
    static const std::string error = MakeFiles();
    if (!error.empty())
        FailBenchmark(state, error);
    return error.empty();
}

std::string Damaged()
{
    return (Folder() / "damaged.mp4").string();
}

void ReadItsBytes(benchmark::State& state)
{
    if (!HaveFiles(state))
        return;
    std::vector<unsigned char> buffer(4 << 20);
    std::uint64_t read = 0;
    for (auto _ : state) {
        BinaryFile file(Damaged());
        read = 0;
        for (std::size_t got; (got = file.Read(buffer.data(), buffer.size())) > 0;)
            read += got;
        benchmark::DoNotOptimize(buffer.data());
    }
    if (read != kDamagedSize)
        FailBenchmark(state, "read " + std::to_string(read) + " bytes");
}

// Reading every byte and writing it to a new file that reaches the disk.
void CopyItsBytes(benchmark::State& state)
{
    if (!HaveFiles(state))
        return;
    std::vector<unsigned char> buffer(4 << 20);
    const std::string copy = (Folder() / "copy.mp4").string();
    for (auto _ : state) {
        BinaryFile file(Damaged());
        PartialFile out(copy);
        for (std::size_t got; (got = file.Read(buffer.data(), buffer.size())) > 0;)
            out.Write(buffer.data(), got);
        if (!out.Commit())
            FailBenchmark(state, "cannot write " + copy);
        state.PauseTiming();
        fs::remove(copy);
        state.ResumeTiming();
    }
}

// The same copy made by the kernel, as the repair copies the media data.
void CopyItsBytesInTheKernel(benchmark::State& state)
{
    if (!HaveFiles(state))
        return;
    const std::string copy = (Folder() / "copy.mp4").string();
    for (auto _ : state) {
        BinaryFile file(Damaged());
        PartialFile out(copy);
        if (!out.CopyFrom(file.Descriptor(), 0, file.Size()) || !out.Commit())
            FailBenchmark(state, "cannot write " + copy);
        state.PauseTiming();
        fs::remove(copy);
        state.ResumeTiming();
    }
}

void RepairIt(benchmark::State& state)
{
    if (!HaveFiles(state))
        return;
    RepairRequest request;
    request.damaged = Damaged();
    request.reference = (Folder() / "reference.mp4").string();
    RepairReport report;
    for (auto _ : state) {
        report = {};
        const std::string error = RepairRecording(request, report);
        if (!error.empty()) {
            FailBenchmark(state, error);
            break;
        }
        state.PauseTiming();
        fs::remove(report.output);
        state.ResumeTiming();
    }
    state.counters["pictures"] = double(report.pictures);
    state.counters["minutes"] = report.videoSeconds / 60;
}

// The walk alone: samples recognised a second.
void WalkIt(benchmark::State& state)
{
    if (!HaveFiles(state))
        return;
    std::string error;
    const auto tmpl = ReadRepairTemplate((Folder() / "reference.mp4").string(), error);
    if (!tmpl) {
        FailBenchmark(state, error);
        return;
    }
    std::size_t samples = 0;
    for (auto _ : state) {
        BinaryFile file(Damaged());
        const MediaExtent extent = ReadMediaExtent(file);
        const MediaWalk walk = WalkMedia(file, *tmpl, extent.mediaStart, extent.mediaEnd);
        samples = walk.samples.size();
        benchmark::DoNotOptimize(samples);
    }
    state.counters["samples"] = double(samples);
    state.counters["samples_per_second"] = benchmark::Counter(double(samples) * double(state.iterations()), benchmark::Counter::kIsRate);
}

}  // namespace

BENCHMARK(ReadItsBytes)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(CopyItsBytes)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(CopyItsBytesInTheKernel)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(RepairIt)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(WalkIt)->Unit(benchmark::kMillisecond)->Iterations(3);

int main(int argc, char** argv)
{
    return RunBenchmarks(argc, argv, "repair_bench");
}
