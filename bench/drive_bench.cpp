// A drive of 200 one-minute recordings: grouping them and drawing the whole
// drive's route on the map page (times read, tracks read, routes sent and
// drawn), next to loading their 200 tracks alone, in turns in one run.
// Usage: drive_bench FOLDER (made by drive_bench.sh). Prints the medians and
// their ratio.

#include "app/DriveRoutes.h"
#include "library/Import.h"
#include "library/MemoryListView.h"
#include "MapPage.h"
#include "Median.h"
#include "map/DlgMap.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QWebEnginePage>
#include <QWebEngineView>
#include <algorithm>
#include <cstdio>

namespace {

// Milliseconds to load every recording's track, as the player loads one; -1,
// with a line on stderr, when a recording gave no track (a load of nothing is fast).
double LoadTracks(const CRecordingList& list)
{
    QElapsedTimer timer;
    timer.start();
    int empty = 0;
    for (int i = 0; i < list.GetCount(); ++i) {
        tagFileNode node;
        list.GetNode(i, node);
        TrackSlots track;
        DescribeRecording(node.path, &track);
        empty += track.empty();
    }
    const double elapsed = timer.nsecsElapsed() / 1e6;
    if (empty == 0)
        return elapsed;
    std::fprintf(stderr, "drive_bench: %d of %d recordings gave no track\n", empty, list.GetCount());
    return -1;
}

// Milliseconds from nothing known to the drive drawn, the first recording
// playing (its track loaded, as the player has it), every cache cold.
double DrawDrive(const CRecordingList& list, CDlgMap& map, std::size_t& recordings)
{
    tagFileNode first;
    list.GetNode(0, first);
    TrackSlots playing;
    DescribeRecording(first.path, &playing);
    QElapsedTimer timer;
    timer.start();
    DriveRoutes routes;
    const std::vector<std::string> drive = routes.DriveOf(list.Paths(), first.path);
    map.ShowDrive(routes.DriveJson(drive, first.path, playing));
    recordings = Evaluate(map, "drive.recordings.length").toUInt();
    return timer.nsecsElapsed() / 1e6;
}


}  // namespace

int main(int argc, char** argv)
{
    PrepareWebEngineEnvironment();
    QApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fputs("usage: drive_bench FOLDER [ROUNDS]\n", stderr);
        return 64;
    }
    const int rounds = argc > 2 ? std::atoi(argv[2]) : 7;
    CRecordingList list;
    ImportFolder(argv[1], list);
    if (list.GetCount() == 0 || rounds < 1) {
        std::fprintf(stderr, "drive_bench: %d recordings in %s, %d rounds: nothing to measure\n", list.GetCount(), argv[1],
                     rounds);
        return 1;
    }
    QWidget placeholder;
    placeholder.resize(400, 300);
    CDlgMap map(&placeholder);
    if (!WaitForMapPage(map)) {
        std::fputs("drive_bench: the map page did not load\n", stderr);
        return 1;
    }
    std::size_t drawn = 0;
    if (LoadTracks(list) < 0)  // the files into the page cache, for both alike
        return 1;
    std::vector<double> loads, drives;
    for (int r = 0; r < rounds; ++r) {
        loads.push_back(LoadTracks(list));
        drives.push_back(DrawDrive(list, map, drawn));
        if (loads.back() < 0)
            return 1;
        if (drawn != static_cast<std::size_t>(list.GetCount())) {
            std::fprintf(stderr, "drive_bench: %zu of %d recordings in the drive drawn\n", drawn, list.GetCount());
            return 1;
        }
    }
    const double load = Median(loads), drive = Median(drives);
    std::printf("recordings: %d, in the drive drawn: %zu\n", list.GetCount(), drawn);
    std::printf("loading their tracks: %.1f ms (median of %d)\n", load, rounds);
    std::printf("grouping and drawing the drive: %.1f ms (median of %d)\n", drive, rounds);
    std::printf("ratio: %.2f (aim: at most 3)\n", drive / load);
    return 0;
}
