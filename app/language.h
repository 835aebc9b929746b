#pragma once
// Resolution of the stored language setting (App::Language) against the system language.

#include <QLocale>
#include <QString>

// The language of the system locale.
QLocale::Language systemLanguage();

// 1 English, 2 Russian or 3 Ukrainian for a stored language number: 0 follows the system
// language (English, Russian or Ukrainian, any other English); any other number is English.
int resolvedLanguage(int language);
int resolvedLanguage(int language, QLocale::Language system);

// "en", "ru" or "uk" for a stored language number.
QString languageCode(int language);
QString languageCode(int language, QLocale::Language system);
