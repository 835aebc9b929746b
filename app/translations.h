#pragma once
// The program's own translations (embedded) and Qt's catalogues, chosen by the language setting.

#include <QLocale>
#include <QPixmap>
#include <QString>
#include <QStringList>

class QTranslator;

// Loads both translators for AppSettings/AppLanguage and installs them (the program's first).
// True when the program's translation loaded; Qt's own catalogue is optional (the program's
// texts do not depend on it).
bool loadTranslations(QTranslator *appTranslator, QTranslator *qtTranslator);
// Removes both translators, loads them for the language number and installs them again.
bool switchTranslation(QTranslator *appTranslator, QTranslator *qtTranslator, int language);

// Resource path of the program's translation for a language code ("en", "ru", "uk").
QString appTranslationPath(const QString &code);
// Qt's catalogue for a language code: beside the executable ("translations" folder) when
// present there, else in Qt's installed translations folder. Empty when neither has it.
QString qtTranslationPath(const QString &code);
// Folders searched for Qt's catalogues, in order; an empty list restores the two above (tests).
void setQtTranslationFolders(const QStringList &folders);

// Flag of the system language (English, Russian, Ukrainian; any other language: English).
QPixmap languageFlagIcon();
QString languageFlagIconPath(QLocale::Language system);
