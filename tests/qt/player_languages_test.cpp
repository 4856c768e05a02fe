// The window in every language it ships: each text fits the control that
// shows it, in the states that show the most words.

#include "PlayerTestMain.h"
#include "app/ClipProgressPanel.h"
#include "app/PlayerDlg.h"
#include "app/Translations.h"
#include "skin/PngButton.h"
#include "skin/SkinListCtrl.h"

#include <QLabel>
#include <QTextDocument>
#include <QWebEngineView>

namespace {

// Every visible label of the window but the web page's own, with what is wrong with it.
QStringList ClippedLabels(const QWidget& window)
{
    QStringList clipped;
    for (QLabel* label : window.findChildren<QLabel*>()) {
        if (!label->isVisible() || label->text().isEmpty() || !label->pixmap().isNull())
            continue;
        label->ensurePolished();  // the style sheet's font
        const QRect room = label->contentsRect();
        QSize needs;
        if (Qt::mightBeRichText(label->text())) {
            QTextDocument page;
            page.setDefaultFont(label->font());
            page.setHtml(label->text());
            page.setDocumentMargin(0);
            needs = QSize(static_cast<int>(std::ceil(page.idealWidth())), static_cast<int>(std::ceil(page.size().height())));
        } else {
            const QFontMetrics metrics(label->font());
            for (const QString& line : label->text().split('\n'))
                needs.setWidth(std::max(needs.width(), metrics.horizontalAdvance(line)));
            needs.setHeight(metrics.lineSpacing() * static_cast<int>(label->text().count('\n') + 1));
        }
        if (needs.width() > room.width() || needs.height() > room.height())
            clipped << QString("\"%1\" needs %2x%3 in %4x%5")
                           .arg(label->text().left(60))
                           .arg(needs.width())
                           .arg(needs.height())
                           .arg(room.width())
                           .arg(room.height());
    }
    return clipped;
}

QStringList ClippedTitles(const CSkinListCtrl& list)
{
    QStringList clipped;
    for (int column = 0; column < list.columnCount(); ++column) {
        const QString title = list.headerItem()->text(column);
        if (CSkinHeaderCtrl::TitleWidth(title) > list.header()->sectionSize(column))
            clipped << QString("column \"%1\" is %2 wide").arg(title).arg(list.header()->sectionSize(column));
    }
    return clipped;
}

// The labelled buttons of the list's header: each word whole, none over the
// next, all within the panel.
QStringList CrowdedButtons(const CPlayerDlg& dlg)
{
    QStringList wrong;
    const CPngButton *import = dlg.Button(1005), *clear = dlg.Button(1007), *video = dlg.Button(1043);
    for (const CPngButton* button : {import, clear, video}) {
        if (QFontMetrics(CPngButton::LabelFont()).horizontalAdvance(button->text()) > button->LabelRoom())
            wrong << QString("\"%1\" is cut").arg(button->text());
    }
    if (clear->geometry().left() <= import->geometry().right() || video->geometry().left() <= clear->geometry().right())
        wrong << QString("\"%1\", \"%2\" and \"%3\" overlap").arg(import->text(), clear->text(), video->text());
    if (video->geometry().right() >= dlg.width())
        wrong << QString("\"%1\" leaves the window").arg(video->text());
    return wrong;
}

// The words of the window in the states that show them: the list, the
// events list, the rear view beside the list's buttons, the key help,
// the progress of an import, an event search and a clip.
QStringList WhatDoesNotFit(CPlayerDlg& dlg)
{
    QStringList wrong = CrowdedButtons(dlg) + ClippedTitles(*dlg.ListView()) + ClippedLabels(dlg);
    dlg.ShowEventsList(true);
    wrong += ClippedTitles(*dlg.EventsView());
    dlg.ImportProgress()->setText(CPlayerDlg::tr("Importing: %1 of %2 files").arg(9999).arg(9999));
    dlg.ImportProgress()->show();
    dlg.EventScanProgress()->setText(CPlayerDlg::tr("Looking for events: %1 of %2").arg(999).arg(999));
    dlg.EventScanProgress()->show();
    dlg.ClipProgress()->Start(CPlayerDlg::tr("Saving %1"), "A60514081500_0001_clip_10m04s.mp4");
    dlg.ClipProgress()->ShowProgress(0.5, 60000);
    dlg.ToggleKeyHelp();
    wrong += ClippedLabels(dlg);
    dlg.ShowSecondView(true);  // the Video button now offers the list
    wrong += CrowdedButtons(dlg);
    return wrong;
}

}  // namespace

class PlayerLanguagesTest : public QObject {
    Q_OBJECT
private slots:
    void init() { ForgetPlayerSettings(); }
    void cleanup() { InstallTranslations(QLocale(QLocale::English)); }

    void everyTextFitsItsControl_data()
    {
        QTest::addColumn<QString>("language");
        QTest::newRow("en") << QString("en");
        for (const QString& language : ShippedLanguages())
            QTest::newRow(qPrintable(language)) << language;
    }

    void everyTextFitsItsControl()
    {
        QFETCH(QString, language);
        QCOMPARE(InstallTranslations(QLocale(language)), language != "en");
        CPlayerDlg dlg;
        dlg.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dlg));
        if (language != "en")
            QVERIFY2(dlg.Button(1005)->text() != "Import" || dlg.ListView()->headerItem()->text(1) != "Files",
                     "the window is still in English");
        const QStringList wrong = WhatDoesNotFit(dlg);
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join("\n")));
    }

    // A locale with no translation of its own keeps the window in English,
    // and a region's variant takes its language's.
    void theLocaleChoosesTheTranslation()
    {
        QVERIFY(!InstallTranslations(QLocale("sv_SE")));
        QCOMPARE(CPlayerDlg::tr("Play"), QString("Play"));
        QVERIFY(InstallTranslations(QLocale("de_AT")));
        QCOMPARE(CPlayerDlg::tr("Stop"), QString::fromUtf8("Stopp"));
        QVERIFY(InstallTranslations(QLocale("zh_CN")));
        QVERIFY(CPlayerDlg::tr("Play") != "Play");
    }
};

DUALDASH_PLAYER_TEST_MAIN(PlayerLanguagesTest)
#include "player_languages_test.moc"
