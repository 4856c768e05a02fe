// The map's street tiles from a tile server on loopback: every request names
// DualDash, the tiles show on the page, and a second map takes them from the
// cache. The tile source's setting by option, environment and settings file.

#include "WaitFor.h"
#include "MapPage.h"
#include "QtTestMain.h"
#include "TileServer.h"
#include "map/DlgMap.h"
#include "map/TileSource.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QProcess>
#include <QImage>
#include <QProcessEnvironment>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QWebEngineView>

namespace {

int LoadedTiles(CDlgMap& map)
{
    return Evaluate(map, "document.querySelectorAll('.leaflet-tile-loaded').length").toInt();
}

bool ShowsColour(const QImage& image, const QColor& colour)
{
    for (int y = 0; y < image.height(); y += 7)
        for (int x = 0; x < image.width(); x += 7)
            if (QColor(image.pixel(x, y)) == colour)
                return true;
    return false;
}

// A map in its own window, waited for until its page has loaded.
std::unique_ptr<QWidget> ShowMap(CDlgMap*& map)
{
    auto window = std::make_unique<QWidget>();
    window->resize(400, 300);
    auto* placeholder = new QWidget(window.get());
    placeholder->setGeometry(0, 0, 400, 300);
    map = new CDlgMap(placeholder);
    window->show();
    WaitForMapPage(*map);
    return window;
}

// The program's part in a run of its own: shows the map from the tile
// server named in the environment until its tiles are on screen, then ends.
// Exit 0 once they showed, 1 if they never did.
int ShowTilesOnce(const QString& urlTemplate)
{
    SetTileSource({urlTemplate, "Test tiles"});
    CDlgMap* map = nullptr;
    auto window = ShowMap(map);
    return WaitFor([&] { return ShowsColour(map->View()->grab().toImage(), kTileColour); }) ? 0 : 1;
}

constexpr const char* kTilesOnceVariable = "DUALDASH_TEST_SHOW_TILES_FROM";

}  // namespace

class MapTilesTest : public QObject {
    Q_OBJECT
private:
    QTemporaryDir cache_;

private slots:
    void initTestCase()
    {
        // The user's cache folder, here a fresh one.
        QVERIFY(cache_.isValid());
        qputenv("XDG_CACHE_HOME", cache_.path().toUtf8());
    }

    void tilesComeFromTheServerNamingDualDashThenFromTheCache()
    {
        TileServer server;
        const TileSource before = CurrentTileSource();
        SetTileSource({server.Template(), "Test tiles"});
        CDlgMap* map = nullptr;
        auto window = ShowMap(map);
        QVERIFY(map->IsLoaded());
        QVERIFY(WaitFor([&] { return LoadedTiles(*map) > 0; }));
        QVERIFY(!server.agents.isEmpty());
        for (const QString& agent : server.agents)
            QVERIFY2(agent.startsWith("DualDash/"), qPrintable(agent));
        QVERIFY(server.agents.first().contains(MapUserAgent().section(' ', 0, 0)));
        QVERIFY(WaitFor([&] { return ShowsColour(map->View()->grab().toImage(), kTileColour); }, 10000));
        const int first = server.agents.size();
        window.reset();

        // The same drive again: no tile is fetched twice.
        CDlgMap* again = nullptr;
        auto second = ShowMap(again);
        QVERIFY(WaitFor([&] { return LoadedTiles(*again) >= first; }));
        QCOMPARE(server.agents.size(), first);
        SetTileSource(before);
    }

    // The tiles stay on disk between runs: a second run of the program
    // shows the map without asking the server for anything.
    void aSecondRunTakesTheTilesFromTheDisk()
    {
        TileServer server;
        QTemporaryDir cache;
        const auto run = [&] {
            QProcess child;
            QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
            environment.insert("XDG_CACHE_HOME", cache.path());
            environment.insert(kTilesOnceVariable, server.Template());
            child.setProcessEnvironment(environment);
            child.setProcessChannelMode(QProcess::ForwardedChannels);
            child.start(QCoreApplication::applicationFilePath(), {});
            const bool ended = WaitFor([&] { return child.state() == QProcess::NotRunning; }, 60000);
            return ended && child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0;
        };
        QVERIFY(run());
        const qsizetype fetched = server.agents.size();
        QVERIFY(fetched > 0);
        QVERIFY(run());
        QCOMPARE(server.agents.size(), fetched);
    }

    void theTileSourceSetting()
    {
        QTemporaryDir config;
        QSettings settings(config.filePath("dualdash.conf"), QSettings::IniFormat);
        QProcessEnvironment environment;
        QStringList arguments = {"/cards/one"};
        QCOMPARE(ResolveTileSource(arguments, environment, settings).urlTemplate, TileSource::OpenStreetMap().urlTemplate);
        settings.setValue("map/tileUrl", "https://tiles.example/{z}/{x}/{y}.png");
        settings.setValue("map/tileAttribution", "Example");
        QCOMPARE(ResolveTileSource(arguments, environment, settings).attribution, QString("Example"));
        environment.insert("DUALDASH_TILE_URL", "https://env.example/{z}/{x}/{y}.png");
        QCOMPARE(ResolveTileSource(arguments, environment, settings).urlTemplate,
                 QString("https://env.example/{z}/{x}/{y}.png"));
        arguments = {"--tile-url", "http://127.0.0.1:8080/{z}/{x}/{y}.png", "/cards/one", "--tile-attribution=Mine"};
        const TileSource chosen = ResolveTileSource(arguments, environment, settings);
        QCOMPARE(chosen.urlTemplate, QString("http://127.0.0.1:8080/{z}/{x}/{y}.png"));
        QCOMPARE(chosen.attribution, QString("Mine"));
        QCOMPARE(arguments, QStringList{"/cards/one"});  // the options are not folders to import
        arguments = {"--tile-url", "file:///etc/{z}{x}{y}"};  // not a tile server: passed over
        QCOMPARE(ResolveTileSource(arguments, environment, settings).urlTemplate,
                 QString("https://env.example/{z}/{x}/{y}.png"));
    }
};

int main(int argc, char** argv)
{
    PrepareWebEngineEnvironment();
    QApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    if (qEnvironmentVariableIsSet(kTilesOnceVariable))
        return ShowTilesOnce(qEnvironmentVariable(kTilesOnceVariable));
    MapTilesTest test;
    return QTest::qExec(&test, argc, argv);
}
#include "map_tiles_test.moc"
