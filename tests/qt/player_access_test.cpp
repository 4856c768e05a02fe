// The window as assistive technology meets it: every control named, the
// Tab key's round through the controls, and the toggles' states as a screen
// reader reads them. (The offscreen platform has no accessibility bridge to
// listen to: Qt sends the state's change with the button's toggled signal.)

#include "MediaFiles.h"
#include "PlayerTestMain.h"
#include "WaitFor.h"
#include "app/PlayerDlg.h"
#include "map/DlgMap.h"
#include "skin/BitmapSlider.h"
#include "skin/PngButton.h"
#include "skin/SkinListCtrl.h"

#include <QAccessible>
#include <QSignalSpy>
#include <QWebEngineView>

namespace {

// A widget is a page's own (the web view's insides speak for themselves) or Qt's own part of a composite.
bool InsideAnother(const QWidget* widget)
{
    for (const QWidget* w = widget; w; w = w->parentWidget()) {
        if (w->objectName().startsWith("qt_") || (w != widget && qobject_cast<const QWebEngineView*>(w)))
            return true;
    }
    return false;
}

QStringList Unnamed(const QWidget& window)
{
    QStringList unnamed;
    for (QWidget* w : window.findChildren<QWidget*>()) {
        if (InsideAnother(w))
            continue;
        QAccessibleInterface* spoken = QAccessible::queryAccessibleInterface(w);
        if (!spoken || spoken->text(QAccessible::Name).trimmed().isEmpty())
            unnamed << QString("%1 at %2,%3").arg(w->metaObject()->className()).arg(w->x()).arg(w->y());
    }
    return unnamed;
}

}  // namespace

class PlayerAccessTest : public QObject {
    Q_OBJECT
private:
    QTemporaryDir dir_;

private slots:
    void init() { ForgetPlayerSettings(); }

    void initTestCase()
    {
        QVERIFY(dir_.isValid());
        QDir().mkpath(dir_.filePath("pair"));
        QCOMPARE(QProcess::execute(MKREC_PATH, {"route", dir_.filePath("route.csv"), "--seconds", "10"}), 0);
        QVERIFY(MakeVideo(dir_.filePath("front.mov"), 6, "160x120"));
        QVERIFY(MakeVideo(dir_.filePath("rear.mov"), 6, "160x120", true));
        for (const auto& [name, video] : {std::pair{"A60514081500_0001.MOV", "front.mov"}, {"B60514081500_0002.MOV", "rear.mov"}})
            QCOMPARE(QProcess::execute(MKREC_PATH, {"mov", dir_.filePath(QString("pair/") + name), "--layout", "generic",
                                                    "--video", dir_.filePath(video), "--route", dir_.filePath("route.csv")}),
                     0);
    }

    // Every control the window holds, shown or waiting to be, has a name;
    // those the dialog draws itself (the compass) too.
    void everyControlHasAName()
    {
        CPlayerDlg dlg;
        dlg.SetMessageHook([](const QString&, bool) {});
        dlg.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dlg));
        dlg.ImportFolder(dir_.filePath("pair"));
        emit dlg.ListView()->rowDoubleClicked(0);
        QVERIFY(WaitFor([&] { return dlg.MainPlayer().GetState() == Running; }));
        const QStringList unnamed = Unnamed(dlg);
        QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join("\n")));
        QAccessibleInterface* window = QAccessible::queryAccessibleInterface(&dlg);
        QStringList names;
        for (int i = 0; i < window->childCount(); ++i)
            names << window->child(i)->text(QAccessible::Name);
        for (const char* name : {"Compass", "Speed", "Position", "Large view", "Small view", "G-sensor", "Recordings"})
            QVERIFY2(names.contains(name), name);
    }

    // Tab goes round the controls in the order they are read, from the
    // list's header down the transport strip to the window's own buttons.
    void tabVisitsTheControlsInOrder()
    {
        CPlayerDlg dlg;
        dlg.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dlg));
        const std::vector<QWidget*> expected = {
            dlg.Button(1005), dlg.Button(1007), dlg.Button(1043), dlg.ListView(), dlg.EventsView(),
            dlg.Button(1018), dlg.Button(1010), dlg.Button(1008), dlg.Button(1009), dlg.Button(1011),
            dlg.Button(1039), dlg.Button(1012), dlg.Button(1013), dlg.Button(1026), dlg.Button(1027),
            dlg.SeekBar(),    dlg.Button(1024), dlg.Button(1025)};
        std::vector<QWidget*> visited;
        for (QWidget* w = expected.front(); visited.size() < expected.size(); w = w->nextInFocusChain()) {
            if (w->window() == &dlg && (w->focusPolicy() & Qt::TabFocus) && !InsideAnother(w) &&
                std::find(expected.begin(), expected.end(), w) != expected.end())
                visited.push_back(w);
            QVERIFY(w->nextInFocusChain() != expected.front() || visited.size() == expected.size());
        }
        QVERIFY(visited == expected);
    }

    // Play/Pause takes its new name; Play on and Swap are checked or not.
    void theTogglesShowTheirStates()
    {
        CPlayerDlg dlg;
        dlg.SetMessageHook([](const QString&, bool) {});
        dlg.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dlg));
        CPngButton *cycle = dlg.Button(1018), *play = dlg.Button(1008), *swap = dlg.Button(1039);
        QVERIFY(QAccessible::queryAccessibleInterface(cycle)->state().checkable);
        const bool cycling = QAccessible::queryAccessibleInterface(cycle)->state().checked;
        QSignalSpy cycleToggled(cycle, &QAbstractButton::toggled);
        QTest::mouseClick(cycle, Qt::LeftButton);
        QCOMPARE(cycleToggled.count(), 1);
        QCOMPARE(bool(QAccessible::queryAccessibleInterface(cycle)->state().checked), !cycling);
        QTest::mouseClick(swap, Qt::LeftButton);  // nothing open to swap: not on
        QVERIFY(!QAccessible::queryAccessibleInterface(swap)->state().checked);

        dlg.ImportFolder(dir_.filePath("pair"));
        emit dlg.ListView()->rowDoubleClicked(0);
        QVERIFY(WaitFor([&] { return dlg.MainPlayer().GetState() == Running && dlg.SecondPlayer().GetState() == Running; }));
        QVERIFY(WaitFor([&] { return play->text() == "Pause"; }));
        QCOMPARE(QAccessible::queryAccessibleInterface(play)->text(QAccessible::Name), QString("Pause"));

        QVERIFY(!QAccessible::queryAccessibleInterface(swap)->state().checked);
        QSignalSpy swapToggled(swap, &QAbstractButton::toggled);
        QTest::mouseClick(swap, Qt::LeftButton);
        QVERIFY(dlg.Swapped());
        QCOMPARE(swapToggled.count(), 1);
        QVERIFY(QAccessible::queryAccessibleInterface(swap)->state().checked);
        // A recording opens with the front camera large again: not swapped.
        emit dlg.ListView()->rowDoubleClicked(0);
        QVERIFY(WaitFor([&] { return !QAccessible::queryAccessibleInterface(swap)->state().checked; }));
    }
};

DUALDASH_PLAYER_TEST_MAIN(PlayerAccessTest)
#include "player_access_test.moc"
