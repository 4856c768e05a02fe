// DualDash: plays the front and rear recordings of car video recorders with
// their route, speed, course and G-sensor data.
//
// dualdash [--version] [--tile-url TEMPLATE [--tile-attribution HTML]] [FOLDER|FILE]...
//   folders are imported as with the Import button; files that are
//   front-camera recordings are listed. The map's tile server may also be set
//   by DUALDASH_TILE_URL / DUALDASH_TILE_ATTRIBUTION or in the settings file.

#include "PlayerDlg.h"
#include "Translations.h"

#include "map/DlgMap.h"
#include "map/TileSource.h"

#include <QApplication>
#include <QProcessEnvironment>
#include <QSettings>
#include <clocale>
#include <cstdio>
#include <cstring>

int main(int argc, char** argv)
{
    // Answered before Qt starts: it needs no screen.
    if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
        std::printf("dualdash %s\n", DUALDASH_VERSION);
        return 0;
    }
    PrepareWebEngineEnvironment();
    QApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    QApplication::setApplicationName("DualDash");
    QApplication::setDesktopFileName("dualdash");
    InstallTranslations(QLocale::system());
    std::setlocale(LC_NUMERIC, "C");  // libmpv works only under the C numeric locale
    QStringList arguments = QApplication::arguments().mid(1);
    QSettings settings(QSettings::NativeFormat, QSettings::UserScope, "DualDash", "dualdash");
    SetTileSource(ResolveTileSource(arguments, QProcessEnvironment::systemEnvironment(), settings));
    CPlayerDlg window;
    window.StartSession(arguments);
    window.show();
    window.exec();  // the window's own loop is the program's only loop
    return 0;
}
