// Plays a front and a rear recording together for a while in one process,
// painting both views at their window sizes, and reports the process's CPU
// seconds and the frames shown. bench/playback_bench.sh runs it next to the
// mpv command-line player playing the same two files, whose CPU time counts
// from its start: so does this one's, the files' opening included.

#include "playback/MediaPlayer.h"
#include "widgets/DlgVideoView.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <clocale>
#include <cstdio>
#include <sys/resource.h>

namespace {

// Of the whole process, since it started.
double CpuSeconds()
{
    rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

}  // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    if (argc < 4) {
        std::fprintf(stderr, "usage: playback_bench FRONT REAR SECONDS\n");
        return 64;
    }
    const int seconds = std::atoi(argv[3]);
    CDlgVideoView front, rear;
    front.setGeometry(0, 0, 680, 480);  // the main window's two picture places
    rear.setGeometry(700, 0, 320, 240);
    front.show();
    rear.show();
    CMediaPlayer frontPlayer, rearPlayer;
    front.SetPlayer(&frontPlayer);
    rear.SetPlayer(&rearPlayer);
    if (frontPlayer.OpenFile(argv[1], &front, &front) != S_OK || rearPlayer.OpenFile(argv[2], &rear, &rear) != S_OK) {
        std::fprintf(stderr, "playback_bench: cannot open %s and %s\n", argv[1], argv[2]);
        return 1;
    }
    const long framesBefore = frontPlayer.FramesShown() + rearPlayer.FramesShown();
    QElapsedTimer wall;
    wall.start();
    frontPlayer.TogglePlayPause();
    rearPlayer.TogglePlayPause();
    QTimer::singleShot(seconds * 1000, &app, &QApplication::quit);
    app.exec();
    const double cpu = CpuSeconds();
    std::printf("dualdash: %.2f s wall, %.2f CPU s, frames shown %ld (front %ld, rear %ld), positions %.2f / %.2f\n",
                wall.elapsed() / 1000.0, cpu, frontPlayer.FramesShown() + rearPlayer.FramesShown() - framesBefore,
                frontPlayer.FramesShown(), rearPlayer.FramesShown(), frontPlayer.GetPosition(), rearPlayer.GetPosition());
    // A view that showed nothing spent no CPU on pictures: its figure would flatter.
    if (frontPlayer.FramesShown() > 0 && rearPlayer.FramesShown() > 0)
        return 0;
    std::fputs("playback_bench: a view showed no frames\n", stderr);
    return 1;
}
