// A one-hour route (36,000 points) and a one-minute route (600 points) sent
// through the map bridge, each timed until the page has drawn it. Prints both
// and their ratio, and checks that the page holds one line after each.

#include "MapPage.h"
#include "map/DlgMap.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QWebEngineView>
#include <cstdio>

namespace {

// Milliseconds from the first call to the page answering after the line is drawn.
// The texts exist before the route is sent, as the track's texts do in the player.
double SendRoute(CDlgMap& map, int points)
{
    QStringList texts;
    for (int i = 0; i < points; ++i)
        texts << QString::number(55.70 + i * 1e-6, 'f', 6) << QString::number(37.60 + i * 1e-6, 'f', 6);
    QElapsedTimer timer;
    timer.start();
    map.newPolyLine();
    for (int i = 0; i < points; ++i)
        map.putMarkerToLine(texts[2 * i], texts[2 * i + 1]);
    map.renderPolyLine();
    const double sent = timer.nsecsElapsed() / 1e6;
    Evaluate(map, "markersArray.length");
    if (getenv("MAP_BENCH_VERBOSE"))
        std::printf("  %d points: sent after %.2f ms, drawn after %.2f ms\n", points, sent, timer.nsecsElapsed() / 1e6);
    return timer.nsecsElapsed() / 1e6;
}

// The same route with one script run per call: what batching saves.
double SendRouteUnbatched(CDlgMap& map, int points)
{
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < points; ++i)
        map.View()->page()->runJavaScript(ScriptCall("putMarkerToLine", {QString::number(55.70 + i * 1e-6, 'f', 6),
                                                                         QString::number(37.60 + i * 1e-6, 'f', 6)}));
    Evaluate(map, "markersArray.length");
    return timer.nsecsElapsed() / 1e6;
}

}  // namespace

int main(int argc, char** argv)
{
    PrepareWebEngineEnvironment();
    QApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    QWidget placeholder;
    placeholder.resize(400, 300);
    CDlgMap map(&placeholder);
    if (!WaitForMapPage(map))
        return 1;
    SendRoute(map, 600);  // warm up
    const int rounds = 5;
    double minute = 1e300, hour = 1e300;
    for (int r = 0; r < rounds; ++r) {
        minute = std::min(minute, SendRoute(map, 600));
        hour = std::min(hour, SendRoute(map, 36000));
    }
    map.newPolyLine();
    const double unbatched = SendRouteUnbatched(map, 600);
    map.renderPolyLine();
    SendRoute(map, 36000);
    const int lines = Evaluate(map, "var n=0; map.eachLayer(function(l){ if (l instanceof L.Polyline) ++n; }); n").toInt();
    const int points = Evaluate(map, "polyLine.getLatLngs().length").toInt();
    std::printf("route of 600 points:    %8.2f ms (best of %d)\n", minute, rounds);
    std::printf("route of 36000 points:  %8.2f ms (best of %d)\n", hour, rounds);
    std::printf("hour / minute:          %8.2f\n", hour / minute);
    std::printf("600 points, one run each: %8.2f ms (batched / unbatched: %.3f)\n", unbatched, minute / unbatched);
    std::printf("polylines on the page:  %d, last one with %d points\n", lines, points);
    return lines == 1 && points == 36000 ? 0 : 1;
}
