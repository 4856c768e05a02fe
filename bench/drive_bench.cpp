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

// Milliseconds to load every recording's track, as the player loads one.
double LoadTracks(const CRecordingList& list)
{
    QElapsedTimer timer;
    timer.start();
    std::size_t slotCount = 0;
    for (int i = 0; i < list.GetCount(); ++i) {
        tagFileNode node;
        list.GetNode(i, node);
        TrackSlots track;
        DescribeRecording(node.path, &track);
        slotCount += track.size();
    }
    if (slotCount == 0)
        std::fputs("no track read\n", stderr);
    return timer.nsecsElapsed() / 1e6;
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
    CRecordingList list;
    ImportFolder(argv[1], list);
    QWidget placeholder;
    placeholder.resize(400, 300);
    CDlgMap map(&placeholder);
    if (!WaitForMapPage(map))
        return 1;
    const int rounds = argc > 2 ? std::atoi(argv[2]) : 7;
    std::size_t drawn = 0;
    LoadTracks(list);  // the files into the page cache, for both alike
    std::vector<double> loads, drives;
    for (int r = 0; r < rounds; ++r) {
        loads.push_back(LoadTracks(list));
        drives.push_back(DrawDrive(list, map, drawn));
    }
    const double load = Median(loads), drive = Median(drives);
    std::printf("recordings: %d, in the drive drawn: %zu\n", list.GetCount(), drawn);
    std::printf("loading their tracks: %.1f ms (median of %d)\n", load, rounds);
    std::printf("grouping and drawing the drive: %.1f ms (median of %d)\n", drive, rounds);
    std::printf("ratio: %.2f (aim: at most 3)\n", drive / load);
    return drawn == static_cast<std::size_t>(list.GetCount()) ? 0 : 1;
}
