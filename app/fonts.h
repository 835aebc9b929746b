#pragma once
// The program's font families and sizes, the application fonts built from the settings, and the
// installation of the program's own font files for the user.
//
// The families offered are the Windows ones the settings store names. This system has free
// stand-ins for them: each family is substituted by a free family (Arial by Liberation Sans,
// Segoe UI by Open Sans, ...), and the program's font files carry those free fonts.

#include <QFont>
#include <QMap>
#include <QString>
#include <QStringList>

// Family -> resource file of the program ("" when the program carries no file for it).
QMap<QString, QString> fontResourceFile();
// Pixel sizes offered by the settings, as texts in display order.
QStringList fontSizeList();

// The free family that stands in for an offered family ("" for a family not in the table).
QString freeFamilyFor(const QString &family);
// Maps every offered family to its free stand-in (QFont::insertSubstitutions); done once.
void registerFontSubstitutions();

// Font of the settings (Fonts/Family, Fonts/Size), weight 75 when bold else 50, antialiased.
QFont appFont(bool bold);
// The same family with a chosen pixel size and underline.
QFont appFontEx(int pixelSize, bool bold, bool underline);

// Copies the program's font files whose family this system lacks into the user's font folder,
// makes them usable at once and records each in the installed-fonts list.
void installFontFile();
// The same with the folder, the families present and the record file given; returns the file
// names copied.
QStringList installFontFiles(const QString &fontsDir, const QStringList &availableFamilies,
                             const QString &recordFile);
// User's font folder ($XDG_DATA_HOME/fonts) and the record of fonts installed there.
QString userFontsDir();
QString installedFontsRecordFile();
