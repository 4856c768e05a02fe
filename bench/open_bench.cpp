// How long opening a file whose picture never comes holds the window, beside
// opening a good recording in the same run: the copies a card leaves after a
// power loss (media zeroed, cut, garbled, missing) and a sound-only file.
// Prints each one's median over the rounds and its ratio to the good file's;
// fails when a file could not be made or the good one did not open.
// Run: open_bench [ROUNDS] (offscreen, DUALDASH_AUDIO_OUTPUT=null)

#include "Median.h"
#include "MediaFiles.h"
#include "playback/MediaPlayer.h"
#include "widgets/DlgVideoView.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <clocale>
#include <cstdio>
#include <cstdlib>

namespace {

// Milliseconds the opening of `path` held the caller; -1 when a file that
// must open did not.
double TimeOpening(const QString& path, QWidget& view, bool mustOpen)
{
    CMediaPlayer player;
    QElapsedTimer clock;
    clock.start();
    const HRESULT opened = player.OpenFile(path, &view, &view);
    const double ms = clock.nsecsElapsed() / 1e6;
    return mustOpen && opened != S_OK ? -1 : ms;
}

int Fail(const char* why)
{
    std::fprintf(stderr, "open_bench: %s\n", why);
    return 1;
}

}  // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    const int rounds = argc > 1 ? std::atoi(argv[1]) : 5;
    if (rounds < 1)
        return Fail("rounds must be at least 1");
    QTemporaryDir dir;
    const QString good = dir.filePath("good.mov");
    QFile movie(good);
    if (!MakeVideo(good, 5, "320x240") || !movie.open(QIODevice::ReadOnly))
        return Fail("the good recording could not be made");
    const QStringList broken = WriteFilesWithoutAPicture(movie.readAll(), QDir(dir.path()));
    if (broken.isEmpty())
        return Fail("the files without a picture could not be made");
    CDlgVideoView view;
    view.resize(680, 480);
    view.show();
    std::vector<double> goodTimes;
    std::vector<std::vector<double>> brokenTimes(broken.size());
    for (int round = 0; round < rounds; ++round) {
        goodTimes.push_back(TimeOpening(good, view, true));
        if (goodTimes.back() < 0)
            return Fail("the good recording did not open");
        for (int i = 0; i < broken.size(); ++i)
            brokenTimes[i].push_back(TimeOpening(broken[i], view, false));
    }
    const double baseline = Median(goodTimes);
    std::printf("good recording: %.1f ms (median of %d)\n", baseline, rounds);
    for (int i = 0; i < broken.size(); ++i) {
        const double ms = Median(brokenTimes[i]);
        std::printf("%-12s %7.1f ms, %5.1fx the good one\n", qPrintable(QFileInfo(broken[i]).fileName()), ms, ms / baseline);
    }
    return 0;
}
