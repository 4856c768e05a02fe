// How long the window stops answering while a recording of a long drive
// opens: its track, the other recordings' times and routes, the drive drawn.
// The window's event loop is timed by a 1 ms timer; its longest gap is the
// longest stall. Measured as the window does it (the reads in the
// background), next to the same reads made on the window's thread, in turns
// in one run. Usage: stall_bench FOLDER [ROUNDS] (made by stall_bench.sh).

#include "MapPage.h"
#include "Median.h"
#include "app/DriveRoutes.h"
#include "app/PlayerDlg.h"
#include "map/DlgMap.h"
#include "skin/SkinListCtrl.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <clocale>
#include <cstdio>

namespace {

// The longest time between two turns of the event loop while it runs.
class StallWatch {
public:
    StallWatch()
    {
        tick_.setTimerType(Qt::PreciseTimer);
        tick_.setInterval(1);
        QObject::connect(&tick_, &QTimer::timeout, [this] { Turn(); });
    }
    void Start()
    {
        longest_ = 0;
        clock_.start();
        last_ = 0;
        tick_.start();
    }
    // Counts the time since the last turn too: a stall that lasts to the end.
    double Stop()
    {
        Turn();
        tick_.stop();
        return longest_ / 1e6;
    }

private:
    void Turn()
    {
        const qint64 now = clock_.nsecsElapsed();
        longest_ = std::max(longest_, now - last_);
        last_ = now;
    }
    QTimer tick_;
    QElapsedTimer clock_;
    qint64 last_ = 0, longest_ = 0;
};

// The window on the folder, its map page loaded; null, with a line on
// stderr, when the page did not load (neither side could draw the drive).
std::unique_ptr<CPlayerDlg> Window(const char* folder)
{
    auto dlg = std::make_unique<CPlayerDlg>();
    dlg->SetMessageHook([](const QString& text, bool) { std::fprintf(stderr, "%s\n", qPrintable(text)); });
    dlg->show();
    dlg->ImportFolder(folder);
    while (dlg->Importing())
        QTest::qWait(10);
    if (WaitForMapPage(*dlg->MapView()))
        return dlg;
    std::fputs("stall_bench: the map page did not load\n", stderr);
    return nullptr;
}

struct Opening {
    double open = 0;   // the double click: the pictures opened, standing on their first frames
    double after = 0;  // the longest stall after it, until the drive is on the map
    std::size_t drive = 0;  // the recordings in the drive drawn; 0 when none was
};

// The window opens the first recording: the picture, then the track and the
// drive as they come.
Opening OpenAsTheWindowDoes(const char* folder)
{
    auto dlg = Window(folder);
    if (!dlg)
        return {};
    QSignalSpy drawn(dlg.get(), &CPlayerDlg::driveShown);
    Opening stalls;
    QElapsedTimer open;
    open.start();
    emit dlg->ListView()->rowDoubleClicked(0);
    stalls.open = open.nsecsElapsed() / 1e6;
    StallWatch watch;
    watch.Start();
    if (drawn.isEmpty())
        drawn.wait(120000);
    stalls.after = watch.Stop();
    stalls.drive = drawn.isEmpty() ? 0 : dlg->DriveShown().size();
    return stalls;
}

// The same reads on the window's thread, as they were made before: the
// longest stall, and the recordings in the drive sent to the map.
double OpenOnTheWindowThread(const char* folder, std::size_t& drive)
{
    drive = 0;
    auto dlg = Window(folder);
    if (!dlg)
        return 0;
    tagFileNode first;
    dlg->Recordings().GetNode(0, first);
    StallWatch watch;
    watch.Start();
    QTimer::singleShot(0, [&] {
        CTrackLoader track;
        LoadNodeTrack(track, first);
        DriveRoutes routes;
        const std::vector<std::string> recordings = routes.DriveOf(dlg->Recordings().Paths(), first.path);
        dlg->MapView()->ShowDrive(routes.DriveJson(recordings, first.path, track.Slots()));
        drive = track.GetCount() > 0 ? recordings.size() : 0;
    });
    QTest::qWait(200);
    return watch.Stop();
}

// Both sides must have read the same drive, of more than the recording opened:
// a side that drew less would stall less.
bool SameDriveRead(std::size_t background, std::size_t windowThread)
{
    if (background > 1 && background == windowThread)
        return true;
    std::fprintf(stderr, "stall_bench: drives of %zu recordings drawn in the background, %zu on the window's thread\n",
                 background, windowThread);
    return false;
}

}  // namespace

int main(int argc, char** argv)
{
    PrepareWebEngineEnvironment();
    QApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    if (argc < 2) {
        std::fputs("usage: stall_bench FOLDER [ROUNDS]\n", stderr);
        return 64;
    }
    const int rounds = argc > 2 ? std::atoi(argv[2]) : 3;
    if (rounds < 1) {
        std::fputs("stall_bench: no round to run\n", stderr);
        return 64;
    }
    std::vector<double> opens, background, windowThread;
    std::size_t drive = 0;
    for (int r = 0; r < rounds; ++r) {
        const Opening stalls = OpenAsTheWindowDoes(argv[1]);
        opens.push_back(stalls.open);
        background.push_back(stalls.after);
        std::size_t driveOnWindowThread = 0;
        windowThread.push_back(OpenOnTheWindowThread(argv[1], driveOnWindowThread));
        drive = stalls.drive;
        if (!SameDriveRead(drive, driveOnWindowThread))
            return 1;
    }
    std::printf("recordings in the drive shown: %zu\n", drive);
    std::printf("opening the pictures (the double click): %.1f ms (median of %d)\n", Median(opens), rounds);
    std::printf("longest stall after it, reads in the background: %.1f ms (median of %d; worst %.1f)\n",
                Median(background), rounds, *std::max_element(background.begin(), background.end()));
    std::printf("longest stall, the same reads on the window's thread: %.1f ms (median of %d)\n", Median(windowThread),
                rounds);
    std::printf("aim: under 50 ms in the background\n");
    return 0;
}
