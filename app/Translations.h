#pragma once
// The languages the window speaks besides English, and the translations of
// one of them put in place: ours and Qt's own (its dialogs' buttons).

#include <QLocale>
#include <QStringList>

// "de", "fr", ..., "zh_CN": the names of the shipped translations.
QStringList ShippedLanguages();

// Installs the translations for `locale`, replacing any installed before.
// False when the program has none for it: the window stays in English.
bool InstallTranslations(const QLocale& locale);
