#pragma once
// A benchmark whose side did not do its work (a loader that gave up early, a
// file that was never written) would read as fast. Such a benchmark is
// marked in the report and makes the whole run fail: Google Benchmark alone
// reports a skipped benchmark and still exits 0.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>

inline std::string& FailedBenchmarks()
{
    static std::string names;
    return names;
}

// Call outside the timed loop, or leave the loop right after. `why` names
// what went wrong and with which file: the report shows it beside the
// benchmark's name, the run's last line on stderr without it.
inline void FailBenchmark(benchmark::State& state, const std::string& why)
{
    state.SkipWithError(why.c_str());
    FailedBenchmarks() += (FailedBenchmarks().empty() ? "" : "; ") + why;
}

// Runs the benchmarks; 1 with one line on stderr when any of them failed.
inline int RunBenchmarks(int& argc, char** argv, const char* program)
{
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    if (FailedBenchmarks().empty())
        return 0;
    std::fprintf(stderr, "%s: failed: %s\n", program, FailedBenchmarks().c_str());
    return 1;
}
