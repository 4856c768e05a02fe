#pragma once
// main() for Qt tests that hold web views: the environment is set before the
// application object exists.

#include "map/DlgMap.h"

#include <QApplication>
#include <QSettings>
#include <QTest>

// Each test starts as a first session: nothing remembered from the one before.
inline void ForgetPlayerSettings()
{
    QSettings(QSettings::NativeFormat, QSettings::UserScope, "DualDash", "dualdash").clear();
}

#define DUALDASH_QT_TEST_MAIN(TestClass)                          \
    int main(int argc, char** argv)                               \
    {                                                             \
        PrepareWebEngineEnvironment();                            \
        QApplication::setAttribute(Qt::AA_ShareOpenGLContexts);   \
        QApplication app(argc, argv);                             \
        TestClass test;                                           \
        return QTest::qExec(&test, argc, argv);                   \
    }
