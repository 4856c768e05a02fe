// Start-up to a painted window with its map page loaded: the player, or a
// bare window holding only a web view with the same page. Prints milliseconds
// from the start of main; bench/startup_bench.sh runs both in turns.

#include "app/PlayerDlg.h"
#include "map/DlgMap.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <QWebEngineView>
#include <clocale>
#include <cstdio>
#include <cstring>

namespace {

// Far past a start-up on a busy machine: a page not loaded by then never will be.
constexpr int kPageDeadlineMs = 60000;

// Waits for the page and a paint of the window, then prints the time; 1,
// with a line on stderr, when the page failed or did not load in time.
int Report(QElapsedTimer& sinceStart, QWidget& window, QWebEngineView* view)
{
    bool loaded = false, ok = false, late = false;
    QObject::connect(view, &QWebEngineView::loadFinished, [&](bool success) {
        loaded = true;
        ok = success;
    });
    QTimer::singleShot(kPageDeadlineMs, [&] { late = true; });  // also wakes the loop below
    window.show();
    while (!loaded && !late)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    if (!ok) {
        std::fprintf(stderr, "startup_bench: the map page %s\n", loaded ? "failed to load" : "did not load in time");
        return 1;
    }
    window.repaint();
    std::printf("%.1f\n", sinceStart.nsecsElapsed() / 1e6);
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    QElapsedTimer sinceStart;
    sinceStart.start();
    PrepareWebEngineEnvironment();
    QApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    if (argc > 1 && std::strcmp(argv[1], "bare") == 0) {
        QWidget window;
        window.resize(1024, 768);
        auto* view = new QWebEngineView(&window);
        view->setGeometry(693, 315, 322, 283);
        view->setUrl(QUrl("qrc:/map/map.html"));
        return Report(sinceStart, window, view);
    }
    CPlayerDlg window;
    return Report(sinceStart, window, window.MapView()->View());
}
