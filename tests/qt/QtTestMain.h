#pragma once
// main() for Qt tests that hold web views: the environment is set before the
// application object exists.

#include "TileServer.h"
#include "map/DlgMap.h"
#include "map/TileSource.h"

#include <QApplication>
#include <QSettings>
#include <QTest>

// Each test starts as a first session: nothing remembered from the one before.
inline void ForgetPlayerSettings()
{
    QSettings(QSettings::NativeFormat, QSettings::UserScope, "DualDash", "dualdash").clear();
}

// The map's tiles come from a server on loopback, never from the network;
// `prepare` then sets what the test's windows need.
#define DUALDASH_QT_TEST_MAIN_WITH(TestClass, prepare)             \
    int main(int argc, char** argv)                               \
    {                                                             \
        PrepareWebEngineEnvironment();                            \
        QApplication::setAttribute(Qt::AA_ShareOpenGLContexts);   \
        QApplication app(argc, argv);                             \
        TileServer tiles;                                         \
        SetTileSource({tiles.Template(), "Test tiles"});          \
        prepare;                                                  \
        TestClass test;                                           \
        return QTest::qExec(&test, argc, argv);                   \
    }

#define DUALDASH_QT_TEST_MAIN(TestClass) DUALDASH_QT_TEST_MAIN_WITH(TestClass, (void)0)
