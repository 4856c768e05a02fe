// A one-hour route (36,000 points) and a one-minute route (600 points) sent
// through the map bridge, each timed until the page has drawn it. Prints both
// and their ratio, and checks that the page holds one line after each.

#include "MapPage.h"
#include "map/DlgMap.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QWebEngineView>
#include <algorithm>
#include <cstdio>
#include <functional>

namespace {

// The route's texts exist before it is sent, as the track's texts do in the player.
QStringList RouteTexts(int points)
{
    QStringList texts;
    for (int i = 0; i < points; ++i)
        texts << QString::number(55.70 + i * 1e-6, 'f', 6) << QString::number(37.60 + i * 1e-6, 'f', 6);
    return texts;
}

// Milliseconds from the first call to the page answering after the line is
// drawn, or -1 with a line on stderr when the page does not hold the whole
// route (calls lost would look fast).
double TimeUntilDrawn(CDlgMap& map, int points, const char* how, const std::function<void()>& send)
{
    // Both sides start from an empty page: removing the last route's line is
    // no part of sending this one.
    Evaluate(map, "clearPolyLine(); 0");
    QElapsedTimer timer;
    timer.start();
    send();
    const double sent = timer.nsecsElapsed() / 1e6;
    const int held = Evaluate(map, "markersArray.length").toInt();
    const double drawn = timer.nsecsElapsed() / 1e6;
    if (getenv("MAP_BENCH_VERBOSE"))
        std::printf("  %d points, %s: sent after %.2f ms, drawn after %.2f ms\n", points, how, sent, drawn);
    if (held != points) {
        std::fprintf(stderr, "map_bench: the page holds %d of %d points sent %s\n", held, points, how);
        return -1;
    }
    return drawn;
}

// The calls batched by the bridge, as the player sends a track.
double SendRoute(CDlgMap& map, const QStringList& texts)
{
    const int points = static_cast<int>(texts.size() / 2);
    return TimeUntilDrawn(map, points, "batched", [&] {
        map.newPolyLine();
        for (int i = 0; i < points; ++i)
            map.putMarkerToLine(texts[2 * i], texts[2 * i + 1]);
        map.renderPolyLine();
    });
}

// The same calls with one script run each: what batching saves.
double SendRouteUnbatched(CDlgMap& map, const QStringList& texts)
{
    const int points = static_cast<int>(texts.size() / 2);
    QWebEnginePage* page = map.View()->page();
    return TimeUntilDrawn(map, points, "one run each", [&] {
        page->runJavaScript(ScriptCall("newPolyLine", {}));
        for (int i = 0; i < points; ++i)
            page->runJavaScript(ScriptCall("putMarkerToLine", {texts[2 * i], texts[2 * i + 1]}));
        page->runJavaScript(ScriptCall("renderPolyLine", {}));
    });
}

// The best of the rounds so far; -1 once a round failed.
double Best(double best, double round)
{
    return best < 0 || round < 0 ? -1 : std::min(best, round);
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
    if (!WaitForMapPage(map)) {
        std::fputs("map_bench: the map page did not load\n", stderr);
        return 1;
    }
    const QStringList minuteRoute = RouteTexts(600), hourRoute = RouteTexts(36000);
    SendRoute(map, minuteRoute);  // warm up
    const int rounds = 5;
    double minute = 1e300, hour = 1e300, unbatched = 1e300;
    for (int r = 0; r < rounds; ++r) {
        minute = Best(minute, SendRoute(map, minuteRoute));
        hour = Best(hour, SendRoute(map, hourRoute));
        unbatched = Best(unbatched, SendRouteUnbatched(map, minuteRoute));
        if (minute < 0 || hour < 0 || unbatched < 0)
            return 1;
    }
    SendRoute(map, hourRoute);
    const int lines = Evaluate(map, "var n=0; map.eachLayer(function(l){ if (l instanceof L.Polyline) ++n; }); n").toInt();
    const int points = Evaluate(map, "polyLine.getLatLngs().length").toInt();
    std::printf("route of 600 points:    %8.2f ms (best of %d)\n", minute, rounds);
    std::printf("route of 36000 points:  %8.2f ms (best of %d)\n", hour, rounds);
    std::printf("hour / minute:          %8.2f\n", hour / minute);
    std::printf("600 points, one run each: %8.2f ms (best of %d; batched / unbatched: %.3f)\n", unbatched, rounds,
                minute / unbatched);
    std::printf("polylines on the page:  %d, last one with %d points\n", lines, points);
    if (lines == 1 && points == 36000)
        return 0;
    std::fprintf(stderr, "map_bench: %d polylines on the page, the last with %d points; expected one of 36000\n", lines,
                 points);
    return 1;
}
