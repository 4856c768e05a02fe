#pragma once
// The benchmarks that watch a pair play: the application, the window on the
// folder given, and its first recording opened; and the number a view shows.

#include "MediaFiles.h"
#include "app/PlayerDlg.h"
#include "map/DlgMap.h"
#include "skin/SkinListCtrl.h"
#include "widgets/DlgVideoView.h"

#include <QApplication>
#include <QTest>
#include <clocale>
#include <cstdio>
#include <functional>

// Runs `body` on the window playing the pair of FOLDER (the one argument);
// 64 for a usage error, 1 when the pair did not start.
inline int RunOnPair(int argc, char** argv, const std::function<int(CPlayerDlg&)>& body)
{
    PrepareWebEngineEnvironment();
    QApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FOLDER_WITH_A_PAIR\n", argv[0]);
        return 64;
    }
    CPlayerDlg dlg;
    dlg.show();
    dlg.ImportFolder(argv[1]);
    QTest::qWait(500);
    emit dlg.ListView()->rowDoubleClicked(0);
    if (dlg.SecondPlayer().GetState() != Running) {
        std::fprintf(stderr, "the pair in %s did not start playing\n", argv[1]);
        return 1;
    }
    return body(dlg);
}

// The number burnt into the picture a view shows, or -1.
inline int ShownFrame(CDlgVideoView* view)
{
    return FrameNumberShown(view->grab().toImage(), view->Player()->VideoRect());
}
