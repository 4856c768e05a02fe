#include "Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>
#include <memory>

namespace {

// Ours and Qt's, kept for as long as they are installed.
std::unique_ptr<QTranslator> ours, qts;

void Remove(std::unique_ptr<QTranslator>& translator)
{
    if (translator)
        QCoreApplication::removeTranslator(translator.get());
    translator.reset();
}

}  // namespace

QStringList ShippedLanguages()
{
    return QString(DUALDASH_LANGUAGES).split(' ', Qt::SkipEmptyParts);
}

bool InstallTranslations(const QLocale& locale)
{
    Remove(ours);
    Remove(qts);
    auto mine = std::make_unique<QTranslator>();
    // QTranslator tries the locale's UI languages in order (de_AT, de, ...).
    if (!mine->load(locale, "dualdash", "_", ":/i18n"))
        return false;
    QCoreApplication::installTranslator(mine.get());
    ours = std::move(mine);
    auto theirs = std::make_unique<QTranslator>();
    if (theirs->load(locale, "qtbase", "_", QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(theirs.get());
        qts = std::move(theirs);
    }
    return true;
}
