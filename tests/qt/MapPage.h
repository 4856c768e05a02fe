#pragma once
// Waiting for the map page and reading its state, for the tests of the map
// and of the window around it.

#include "map/DlgMap.h"

#include <QDeadlineTimer>
#include <QSignalSpy>
#include <QTest>
#include <QVariant>
#include <QWebEnginePage>
#include <QWebEngineView>

// True once the page has loaded (it may already have).
inline bool WaitForMapPage(CDlgMap& map, int ms = 30000)
{
    QSignalSpy ready(&map, &CDlgMap::pageReady);
    if (!map.IsLoaded())
        ready.wait(ms);
    return map.IsLoaded();
}

// The value of `script` in the page, after the calls queued before it.
inline QVariant Evaluate(CDlgMap& map, const QString& script)
{
    map.Flush();
    QVariant result;
    bool done = false;
    map.View()->page()->runJavaScript(script, [&](const QVariant& v) {
        result = v;
        done = true;
    });
    QDeadlineTimer deadline(10000);
    while (!done && !deadline.hasExpired())
        QTest::qWait(5);
    return result;
}

inline QVariant Evaluate(CDlgMap* map, const QString& script)
{
    return Evaluate(*map, script);
}
