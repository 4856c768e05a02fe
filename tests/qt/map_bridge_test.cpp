#include "MapPage.h"
#include "QtTestMain.h"
#include "map/DlgMap.h"

#include <QDeadlineTimer>
#include <QDialog>
#include <QSignalSpy>
#include <QWebEngineView>

namespace {


bool WaitLoaded(CDlgMap& map)
{
    if (map.IsLoaded())
        return true;
    QSignalSpy ready(&map, &CDlgMap::pageReady);
    return ready.wait(30000);
}

}  // namespace

class MapBridgeTest : public QObject {
    Q_OBJECT
private slots:
    void callsBeforeLoadDoNothing()
    {
        QWidget placeholder;
        placeholder.resize(400, 300);
        CDlgMap map(&placeholder);
        QVERIFY(!map.isVisible());
        map.SetLgtLat("48.117300", "11.516666", "0");
        map.newPolyLine();
        map.putMarkerToLine("48.117300", "11.516666");
        map.renderPolyLine();
        QVERIFY(WaitLoaded(map));
        QCOMPARE(Evaluate(map, "markersArray.length").toInt(), 0);
        QCOMPARE(Evaluate(map, "typeof marker").toString(), QString("undefined"));
        QCOMPARE(Evaluate(map, "inited").toInt(), 1);
    }

    void fillsThePlaceholderOnceLoaded()
    {
        QWidget placeholder;
        placeholder.resize(420, 310);
        placeholder.show();
        CDlgMap map(&placeholder);
        QVERIFY(WaitLoaded(map));
        QVERIFY(map.isVisible());
        QCOMPARE(map.geometry(), placeholder.rect());
        QCOMPARE(Evaluate(map, "document.getElementById('map_canvas').style.height").toString(), QString("310px"));
        placeholder.resize(500, 200);
        QTRY_COMPARE(map.geometry(), placeholder.rect());
        QTRY_COMPARE(Evaluate(map, "document.getElementById('map_canvas').style.height").toString(), QString("200px"));
    }

    void drawsALongRouteAsOneLine()
    {
        QWidget placeholder;
        placeholder.resize(400, 300);
        CDlgMap map(&placeholder);
        QVERIFY(WaitLoaded(map));
        for (int pass = 0; pass < 2; ++pass) {
            map.newPolyLine();
            for (int i = 0; i < 5000; ++i)
                map.putMarkerToLine(QString::number(48.1 + i * 1e-5, 'f', 6), QString::number(11.5 + i * 1e-5, 'f', 6));
            map.renderPolyLine();
        }
        QCOMPARE(Evaluate(map, "markersArray.length").toInt(), 5000);
        QCOMPARE(Evaluate(map, "var n=0; map.eachLayer(function(l){ if (l instanceof L.Polyline) ++n; }); n").toInt(), 1);
        QCOMPARE(Evaluate(map, "markersArray[4999].lat.toFixed(5)").toString(), QString("48.14999"));
        map.SetLgtLat("48.117300", "11.516666", "0");
        QCOMPARE(Evaluate(map, "marker.getLatLng().lat").toDouble(), 48.1173);
    }

    void textsArriveAsData()
    {
        QWidget placeholder;
        placeholder.resize(400, 300);
        CDlgMap map(&placeholder);
        QVERIFY(WaitLoaded(map));
        Evaluate(map, "window.got = null; window.SetLgtLat = function(a, b, c) { window.got = [a, b, c]; }; 0");
        const QString nasty = QStringLiteral("1\"');window.hacked=1;//</script><b>\\u2028");
        map.SetLgtLat(nasty, "'", "\n");
        QCOMPARE(Evaluate(map, "window.got[0]").toString(), nasty);
        QCOMPARE(Evaluate(map, "window.got[1] + window.got[2]").toString(), QString("'\n"));
        QCOMPARE(Evaluate(map, "typeof window.hacked").toString(), QString("undefined"));
        // A seek's move says so; playing's moves do not.
        Evaluate(map, "window.SetLgtLat = function() { window.got = Array.from(arguments); }; 0");
        map.SetLgtLat("48.117300", "11.516666", "0", true);
        QCOMPARE(Evaluate(map, "window.got.join('|')").toString(), QString("48.117300|11.516666|0|jump"));
        map.SetLgtLat("48.117301", "11.516666", "0");
        QCOMPARE(Evaluate(map, "window.got.length").toInt(), 3);
    }

    void enterAndEscapeNeverCloseTheWindow()
    {
        QDialog window;
        auto* placeholder = new QWidget(&window);
        placeholder->resize(300, 200);
        window.show();
        CDlgMap map(placeholder);
        QVERIFY(WaitLoaded(map));
        QTest::keyClick(&map, Qt::Key_Escape);
        QTest::keyClick(&map, Qt::Key_Return);
        QVERIFY(window.isVisible());
        QVERIFY(map.isVisible());
    }
};

DUALDASH_QT_TEST_MAIN(MapBridgeTest)
#include "map_bridge_test.moc"
