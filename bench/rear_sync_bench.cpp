// How far the rear picture strays from the front one while a pair plays in
// the window, read from the rendered views: both recordings carry their frame
// numbers (mkrec video --frame-numbers), and each sample grabs both views and
// reads the numbers they show. Prints the distribution of rear - front in
// frames from the first second on, and the players' own clocks beside it.
// Run: rear_sync_bench [--rate R] FOLDER_WITH_ONE_PAIR (bench/rear_sync_bench.sh makes
// the pairs and runs it).

#include "PairWindow.h"

#include <QElapsedTimer>
#include <algorithm>
#include <clocale>
#include <cstdlib>
#include <cstring>
#include <cstdio>
#include <map>

namespace {

int Measure(CPlayerDlg& dlg)
{
    std::map<int, int> frames;  // rear - front, in frames: samples
    std::vector<double> clocks;
    const double duration = dlg.MainPlayer().GetDuration();
    int samples = 0, within = 0, unread = 0;
    while (dlg.MainPlayer().GetState() == Running && dlg.MainPlayer().GetPosition() < duration - 0.5) {
        QTest::qWait(50);
        if (dlg.SecondPlayer().GetState() != Running || dlg.MainPlayer().GetPosition() < 1.0)
            continue;
        clocks.push_back(dlg.SecondPlayer().GetPosition() - dlg.MainPlayer().GetPosition());
        const int front = ShownFrame(dlg.MainView()), rear = ShownFrame(dlg.SecondView());
        const int limit = static_cast<int>(duration * 30) + 30;
        if (front < 0 || rear < 0 || front > limit || rear > limit) {
            ++unread;
            continue;
        }
        ++frames[rear - front];
        ++samples;
        within += std::abs(rear - front) <= 1;
    }
    // Without a sample read from both views there is no distance to print: 0 would read as perfect.
    if (samples == 0) {
        std::fprintf(stderr, "rear_sync_bench: no sample read from both views (%zu taken, %d unread)\n", clocks.size(),
                     unread);
        return 1;
    }
    std::sort(clocks.begin(), clocks.end());
    const auto at = [&](double q) { return clocks[static_cast<std::size_t>(q * (clocks.size() - 1))]; };
    std::printf("pair of %.0f s, %d samples from the views (%d unread): rear - front in frames:", duration, samples, unread);
    for (const auto& [difference, count] : frames)
        std::printf(" %+d:%d", difference, count);
    std::printf("\nwithin one frame: %.1f%%; players' clocks rear - front: median %.3f s, 1st %.3f s, 99th %.3f s\n",
                100.0 * within / samples, at(0.5), at(0.01), at(0.99));
    return 0;
}

}  // namespace

// rear_sync_bench [--rate R] FOLDER: R (1, 2, 3 or 8) is the speed the pair
// plays at while it is measured, as [ and ] set it.
int main(int argc, char** argv)
{
    double rate = 1;
    if (argc >= 3 && std::strcmp(argv[1], "--rate") == 0) {
        rate = std::atof(argv[2]);
        argv[2] = argv[0];
        argc -= 2;
        argv += 2;
    }
    return RunOnPair(argc, argv, [rate](CPlayerDlg& dlg) {
        dlg.SetPairRate(CPlayerDlg::NearestRateIndex(rate));
        std::printf("at %gx: ", dlg.MainPlayer().GetRate());
        return Measure(dlg);
    });
}
