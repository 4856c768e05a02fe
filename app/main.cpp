// DualDash: plays the front and rear recordings of car video recorders with
// their route, speed, course and G-sensor data.
//
// dualdash [FOLDER|FILE]...   folders are imported as with the Import button;
//                             files that are front-camera recordings are listed.

#include "PlayerDlg.h"

#include "map/DlgMap.h"

#include <QApplication>
#include <clocale>

int main(int argc, char** argv)
{
    PrepareWebEngineEnvironment();
    QApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    QApplication::setApplicationName("DualDash");
    QApplication::setDesktopFileName("dualdash");
    std::setlocale(LC_NUMERIC, "C");  // libmpv works only under the C numeric locale
    CPlayerDlg window;
    window.ImportPaths(QApplication::arguments().mid(1));
    window.show();
    window.exec();  // the window's own loop is the program's only loop
    return 0;
}
