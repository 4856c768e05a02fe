// Start-up to a painted window with its map page loaded: the player, or a
// bare window holding only a web view with the same page. Prints milliseconds
// from the start of main; bench/startup_bench.sh runs both in turns.

#include "app/PlayerDlg.h"
#include "map/DlgMap.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QWebEngineView>
#include <clocale>
#include <cstdio>
#include <cstring>

namespace {

// Waits for the page and a paint of the window, then prints the time.
void Report(QElapsedTimer& sinceStart, QWidget& window, QWebEngineView* view)
{
    bool loaded = false;
    QObject::connect(view, &QWebEngineView::loadFinished, [&] { loaded = true; });
    window.show();
    while (!loaded)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    window.repaint();
    std::printf("%.1f\n", sinceStart.nsecsElapsed() / 1e6);
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
        Report(sinceStart, window, view);
        return 0;
    }
    CPlayerDlg window;
    Report(sinceStart, window, window.MapView()->View());
    return 0;
}
