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

std::unique_ptr<CPlayerDlg> Window(const char* folder)
{
    auto dlg = std::make_unique<CPlayerDlg>();
    dlg->SetMessageHook([](const QString& text, bool) { std::fprintf(stderr, "%s\n", qPrintable(text)); });
    dlg->show();
    dlg->ImportFolder(folder);
    while (dlg->Importing())
        QTest::qWait(10);
    WaitForMapPage(*dlg->MapView());
    return dlg;
}

struct Opening {
    double open = 0;   // the double click: the pictures opened, standing on their first frames
    double after = 0;  // the longest stall after it, until the drive is on the map
};

// The window opens the first recording: the picture, then the track and the
// drive as they come.
Opening OpenAsTheWindowDoes(const char* folder, std::size_t& drive)
{
    auto dlg = Window(folder);
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
    drive = dlg->DriveShown().size();
    return stalls;
}

// The same reads on the window's thread, as they were made before.
double OpenOnTheWindowThread(const char* folder)
{
    auto dlg = Window(folder);
    tagFileNode first;
    dlg->Recordings().GetNode(0, first);
    StallWatch watch;
    watch.Start();
    QTimer::singleShot(0, [&] {
        CTrackLoader track;
        LoadNodeTrack(track, first);
        DriveRoutes routes;
        const std::vector<std::string> drive = routes.DriveOf(dlg->Recordings().Paths(), first.path);
        dlg->MapView()->ShowDrive(routes.DriveJson(drive, first.path, track.Slots()));
    });
    QTest::qWait(200);
    return watch.Stop();
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
    std::vector<double> opens, background, windowThread;
    std::size_t drive = 0;
    for (int r = 0; r < rounds; ++r) {
        const Opening stalls = OpenAsTheWindowDoes(argv[1], drive);
        opens.push_back(stalls.open);
        background.push_back(stalls.after);
        windowThread.push_back(OpenOnTheWindowThread(argv[1]));
    }
    std::printf("recordings in the drive shown: %zu\n", drive);
    std::printf("opening the pictures (the double click): %.1f ms (median of %d)\n", Median(opens), rounds);
    std::printf("longest stall after it, reads in the background: %.1f ms (median of %d; worst %.1f)\n",
                Median(background), rounds, *std::max_element(background.begin(), background.end()));
    std::printf("longest stall, the same reads on the window's thread: %.1f ms (median of %d)\n", Median(windowThread),
                rounds);
    std::printf("aim: under 50 ms in the background\n");
    return drive > 1 ? 0 : 1;
}
