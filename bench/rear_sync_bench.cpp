// How far the rear picture strays from the front one while a pair plays in
// the window: the front and rear positions are sampled every 100 ms over the
// whole pair. Run: rear_sync_bench FOLDER_WITH_ONE_PAIR
// (bench/rear_sync_bench.sh writes a three-minute pair and runs it).

#include "app/PlayerDlg.h"
#include "map/DlgMap.h"
#include "skin/SkinListCtrl.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTest>
#include <algorithm>
#include <clocale>
#include <cstdio>

int main(int argc, char** argv)
{
    PrepareWebEngineEnvironment();
    QApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    if (argc != 2)
        return 64;
    CPlayerDlg dlg;
    dlg.show();
    dlg.ImportFolder(argv[1]);
    emit dlg.ListView()->rowDoubleClicked(0);
    if (dlg.SecondPlayer().GetState() != Running)
        return 1;
    std::vector<double> gaps;
    const double duration = dlg.MainPlayer().GetDuration();
    while (dlg.MainPlayer().GetState() == Running && dlg.MainPlayer().GetPosition() < duration - 0.5) {
        QTest::qWait(100);
        if (dlg.SecondPlayer().GetState() == Running)
            gaps.push_back(std::abs(dlg.MainPlayer().GetPosition() - dlg.SecondPlayer().GetPosition()));
    }
    std::sort(gaps.begin(), gaps.end());
    const auto at = [&](double q) { return gaps.empty() ? 0.0 : gaps[static_cast<std::size_t>(q * (gaps.size() - 1))]; };
    const long over = std::count_if(gaps.begin(), gaps.end(), [](double g) { return g > 0.1; });
    std::printf("pair of %.0f s, %zu samples: rear - front median %.3f s, 99th percentile %.3f s, max %.3f s, "
                "samples over 100 ms: %ld\n",
                duration, gaps.size(), at(0.5), at(0.99), at(1.0), over);
    return 0;
}
