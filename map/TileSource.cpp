#include "TileSource.h"

#include <QCoreApplication>
#include <QDir>
#include <QProcessEnvironment>
#include <QSettings>
#include <QStandardPaths>
#include <QUrl>
#include <QWebEngineProfile>

namespace {

constexpr qint64 kTileCacheBytes = 512ll << 20;

TileSource& Current()
{
    static TileSource source = TileSource::OpenStreetMap();
    return source;
}

// The value after `option` (as "--option value" or "--option=value"), taken out.
QString TakeOption(QStringList& arguments, const QString& option)
{
    QString value;
    for (int i = 0; i < arguments.size();) {
        if (arguments[i] == option && i + 1 < arguments.size()) {
            value = arguments[i + 1];
            arguments.remove(i, 2);
        } else if (arguments[i].startsWith(option + "=")) {
            value = arguments[i].mid(option.size() + 1);
            arguments.removeAt(i);
        } else {
            ++i;
        }
    }
    return value;
}

}  // namespace

TileSource TileSource::OpenStreetMap()
{
    return {QStringLiteral("https://tile.openstreetmap.org/{z}/{x}/{y}.png"),
            QStringLiteral("&copy; <a href=\"https://www.openstreetmap.org/copyright\">OpenStreetMap</a> contributors")};
}

bool TileSource::IsTemplate(const QString& text)
{
    const QUrl url(text);
    return url.isValid() && (url.scheme() == "http" || url.scheme() == "https") && text.contains("{z}") &&
           text.contains("{x}") && text.contains("{y}");
}

TileSource ResolveTileSource(QStringList& arguments, const QProcessEnvironment& environment, QSettings& settings)
{
    const QString urls[] = {TakeOption(arguments, "--tile-url"), environment.value("DUALDASH_TILE_URL"),
                            settings.value("map/tileUrl").toString()};
    const QString attributions[] = {TakeOption(arguments, "--tile-attribution"),
                                    environment.value("DUALDASH_TILE_ATTRIBUTION"),
                                    settings.value("map/tileAttribution").toString()};
    TileSource source = TileSource::OpenStreetMap();
    for (std::size_t i = 0; i < std::size(urls); ++i) {
        if (TileSource::IsTemplate(urls[i])) {
            // Another server's tiles are credited as that server's setting says.
            source = {urls[i], attributions[i]};
            break;
        }
    }
    return source;
}

void SetTileSource(const TileSource& source)
{
    Current() = source;
}

const TileSource& CurrentTileSource()
{
    return Current();
}

QString MapUserAgent()
{
    return QStringLiteral("DualDash/%1 (dash camera player for Linux; Qt WebEngine)").arg(QStringLiteral(DUALDASH_VERSION));
}

QWebEngineProfile* MapProfile()
{
    static QWebEngineProfile* profile = [] {
        // A named profile keeps its cache on disk; it lives as long as the application.
        auto* p = new QWebEngineProfile(QStringLiteral("map"), QCoreApplication::instance());
        const QString cache = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation) + "/DualDash/map";
        QDir().mkpath(cache);
        p->setCachePath(cache);
        p->setPersistentStoragePath(cache + "/storage");
        p->setHttpCacheType(QWebEngineProfile::DiskHttpCache);
        p->setHttpCacheMaximumSize(static_cast<int>(kTileCacheBytes));
        p->setHttpUserAgent(MapUserAgent());
        return p;
    }();
    return profile;
}
