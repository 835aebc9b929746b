#pragma once
// The [Desktop Entry] group of a .desktop file, unlocalised keys only.

#include <QByteArray>
#include <QHash>
#include <QString>

namespace plat {

class DesktopEntry
{
public:
    DesktopEntry() = default;
    static DesktopEntry parse(const QByteArray &data);

    bool isValid() const { return m_valid; }
    // A string value with the escapes \s \n \t \r \\ undone; empty when absent.
    QString value(const char *key) const;
    bool contains(const char *key) const { return m_keys.contains(key); }
    // A boolean key ("true"/"false"); `def` when absent.
    bool boolean(const char *key, bool def = false) const;
    // Exec= without its field codes (%f %u %F %U %i %c %k and the deprecated ones), "%%" as "%".
    QString command() const;
    // Whether OnlyShowIn / NotShowIn let the entry show under the desktops named in
    // $XDG_CURRENT_DESKTOP (a colon-separated list).
    bool showsIn(const QString &currentDesktops) const;

private:
    QHash<QByteArray, QByteArray> m_keys;
    bool m_valid = false;
};

// Reads a .desktop file; an invalid entry when it cannot be read or has no [Desktop Entry].
DesktopEntry readDesktopEntry(const QString &filePath);

} // namespace plat
