// The cuts between consecutive recordings played through with Cycle on, read
// from the rendered views: the recordings' frame numbers go on counting from
// one file to the next (mkrec video --first-frame), so a cut shows as the
// last number of one file followed by the first of the next. Prints, for the
// large and the small view, how long after the last frame of a file the first
// frame of the next one appeared, over every cut, beside the same interval
// between frames within the files.
// Run: cut_bench FOLDER (bench/cut_bench.sh makes the recordings and runs it).

#include "PairWindow.h"

#include <QElapsedTimer>
#include <algorithm>
#include <cstdio>
#include <map>

namespace {

struct Watch {
    std::map<int, qint64> firstSeen;  // frame number: when it first showed, ms
};

void Sample(CDlgVideoView* view, Watch& watch, qint64 now)
{
    const int number = ShownFrame(view);
    if (number >= 0 && !watch.firstSeen.count(number))
        watch.firstSeen[number] = now;
}

double Quantile(std::vector<double> v, double q)
{
    std::sort(v.begin(), v.end());
    return v[static_cast<std::size_t>(q * (v.size() - 1) + 0.5)];
}

// The intervals between one number's appearance and the next higher one's,
// split into those across a cut (every `framesPerFile`) and those within files.
// False, with a line on stderr, when there was no cut or no frame within a
// file to time: a median of nothing would print as 0 ms.
bool Report(const char* name, const Watch& watch, int framesPerFile)
{
    std::vector<double> cuts, within;
    int lastShown = 0;  // cuts whose file's last frame showed
    int previous = -1;
    qint64 previousAt = 0;
    for (const auto& [number, at] : watch.firstSeen) {
        if (previous >= 0 && number - previous < framesPerFile) {
            const bool acrossCut = number / framesPerFile != previous / framesPerFile;
            (acrossCut ? cuts : within).push_back(static_cast<double>(at - previousAt));
            lastShown += acrossCut && previous % framesPerFile == framesPerFile - 1;
        }
        previous = number;
        previousAt = at;
    }
    if (cuts.empty() || within.empty()) {
        std::fprintf(stderr, "cut_bench: the %s view showed %zu cuts and %zu frames within files (%zu numbers read)\n",
                     name, cuts.size(), within.size(), watch.firstSeen.size());
        return false;
    }
    const auto under = std::count_if(cuts.begin(), cuts.end(), [](double ms) { return ms < 100; });
    std::printf("%s view: %zu cuts: last frame to next file's first frame: median %.0f ms, 95th %.0f ms, max %.0f ms; "
                "under 100 ms: %ld of %zu\n",
                name, cuts.size(), Quantile(cuts, 0.5), Quantile(cuts, 0.95), Quantile(cuts, 1.0), static_cast<long>(under),
                cuts.size());
    std::printf("%s view: between frames within a file: median %.0f ms, 95th %.0f ms\n", name, Quantile(within, 0.5),
                Quantile(within, 0.95));
    std::printf("%s view: each file's last frame shown before the cut: %d of %zu\n", name, lastShown, cuts.size());
    std::printf("%s view: every cut (ms):", name);
    for (double ms : cuts)
        std::printf(" %.0f", ms);
    std::printf("\n");
    return true;
}

int Measure(CPlayerDlg& dlg)
{
    if (!dlg.CycleMode())
        dlg.OnBnClickedCycle();
    const int files = dlg.Recordings().GetCount();
    const int framesPerFile = static_cast<int>(dlg.MainPlayer().GetDuration() * 30 + 0.5);
    Watch front, rear;
    QElapsedTimer clock;
    clock.start();
    const auto playedThrough = [&] { return dlg.CurrentIndex() == files - 1 && dlg.MainPlayer().GetState() == Stopped; };
    const qint64 deadline = files * 10000LL;  // ten seconds a recording: far past their play
    while (!playedThrough() && clock.elapsed() < deadline) {
        QTest::qWait(2);
        Sample(dlg.MainView(), front, clock.elapsed());
        Sample(dlg.SecondView(), rear, clock.elapsed());
    }
    if (!playedThrough()) {
        std::fprintf(stderr, "cut_bench: %d recordings not played through in %lld s (at recording %d)\n", files,
                     deadline / 1000, dlg.CurrentIndex() + 1);
        return 1;
    }
    std::printf("%d recordings of %d frames played through\n", files, framesPerFile);
    const bool large = Report("large", front, framesPerFile);
    const bool small = Report("small", rear, framesPerFile);
    return large && small ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv)
{
    return RunOnPair(argc, argv, Measure);
}
