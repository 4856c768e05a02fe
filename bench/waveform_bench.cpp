// Painting the waveform of a one-minute track (600 slots) and of a one-hour
// track (36,000 slots) at the window's size: the cost should follow the width.

#include "BenchFailure.h"
#include "mkrec_writers.h"
#include "track/TrackLoader.h"
#include "widgets/WaveFormCtrl.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

QTemporaryDir* g_dir = nullptr;

void LoadMinutes(CTrackLoader& track, int minutes)
{
    RecordingSpec spec;
    spec.route = MakeDemoRoute(minutes * 60);
    spec.keyDigits = "35761249";
    const std::string path = g_dir->filePath(QString("w%1.DAT").arg(minutes)).toStdString();
    WriteSideFile(path, spec);
    track.LoadTrack(path, "bench.MOV");
}

// `refresh`: every paint follows a new track (the first paint of a recording);
// otherwise the repaints of playback.
void PaintWaveform(benchmark::State& state, int minutes, bool refresh)
{
    CTrackLoader track;
    LoadMinutes(track, minutes);
    // An empty or short track paints little and would look fast.
    if (track.GetCount() != minutes * 600) {
        FailBenchmark(state, "a track of " + std::to_string(minutes) + " min: " + std::to_string(track.GetCount()) +
                                 " slots, not " + std::to_string(minutes * 600));
        return;
    }
    CWaveFormCtrl wave;
    wave.resize(677, 161);
    wave.SetTrack(&track);
    wave.Refresh();
    wave.SetCursor(track.GetCount() / 3);
    QImage image(677, 161, QImage::Format_RGB32);
    for (auto _ : state) {
        if (refresh)
            wave.Refresh();
        QPainter painter(&image);
        wave.DrawTo(painter);
    }
    state.counters["slots"] = track.GetCount();
}

void BM_WaveformOneMinute(benchmark::State& state) { PaintWaveform(state, 1, false); }
void BM_WaveformOneHour(benchmark::State& state) { PaintWaveform(state, 60, false); }
void BM_WaveformFirstPaintOneMinute(benchmark::State& state) { PaintWaveform(state, 1, true); }
void BM_WaveformFirstPaintOneHour(benchmark::State& state) { PaintWaveform(state, 60, true); }

}  // namespace

BENCHMARK(BM_WaveformOneMinute)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_WaveformOneHour)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_WaveformFirstPaintOneMinute)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_WaveformFirstPaintOneHour)->Unit(benchmark::kMicrosecond);

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir dir;
    g_dir = &dir;
    return RunBenchmarks(argc, argv, "waveform_bench");
}
