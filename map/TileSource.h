#pragma once
// Where the map's street tiles come from, and how the map asks for them.
// Tile servers refuse anonymous clients: every request names DualDash and
// its version, and tiles are kept in a disk cache so that a drive viewed
// twice fetches no tile twice (the usage policy of OpenStreetMap's servers).

#include <QString>
#include <QStringList>

class QProcessEnvironment;
class QSettings;
class QWebEngineProfile;

struct TileSource {
    QString urlTemplate;  // with {z}, {x}, {y} (and {s} where the server has them)
    QString attribution;  // HTML, shown in the map's corner

    static TileSource OpenStreetMap();
    // An http(s) template with {z}, {x} and {y}.
    static bool IsTemplate(const QString& text);
};

// The first of: --tile-url / --tile-attribution on the command line,
// DUALDASH_TILE_URL / DUALDASH_TILE_ATTRIBUTION, the settings file's
// map/tileUrl and map/tileAttribution, OpenStreetMap's. Takes the options out
// of `arguments`. A template that is not one is passed over.
TileSource ResolveTileSource(QStringList& arguments, const QProcessEnvironment& environment, QSettings& settings);

// What new maps use; OpenStreetMap's until set.
void SetTileSource(const TileSource& source);
const TileSource& CurrentTileSource();

// "DualDash/<version> (...)": the HTTP User-Agent of every map request.
QString MapUserAgent();

// The web profile of every map: the User-Agent, and a disk cache under the
// user's cache folder (XDG_CACHE_HOME/DualDash/map).
QWebEngineProfile* MapProfile();
