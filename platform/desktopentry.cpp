#include "desktopentry.h"
#include "sysroot.h"

#include <QFile>
#include <QStringList>

namespace plat {

DesktopEntry DesktopEntry::parse(const QByteArray &data)
{
    DesktopEntry entry;
    bool inGroup = false;
    for (const QByteArray &raw : data.split('\n')) {
        const QByteArray line = raw.trimmed();
        if (line.isEmpty() || line.startsWith('#'))
            continue;
        if (line.startsWith('[')) {
            inGroup = line == "[Desktop Entry]";
            entry.m_valid = entry.m_valid || inGroup;
            continue;
        }
        const int eq = line.indexOf('=');
        if (!inGroup || eq <= 0)
            continue;
        const QByteArray key = line.left(eq).trimmed();
        if (key.contains('[')) // localised variants: the plain key is the one wanted
            continue;
        if (!entry.m_keys.contains(key))
            entry.m_keys.insert(key, line.mid(eq + 1).trimmed());
    }
    return entry;
}

QString DesktopEntry::value(const char *key) const
{
    const QByteArray raw = m_keys.value(key);
    QByteArray out;
    out.reserve(raw.size());
    for (int i = 0; i < raw.size(); ++i) {
        if (raw.at(i) != '\\' || i + 1 == raw.size()) {
            out += raw.at(i);
            continue;
        }
        const char c = raw.at(++i);
        out += c == 's' ? ' ' : c == 'n' ? '\n' : c == 't' ? '\t' : c == 'r' ? '\r' : c;
    }
    return QString::fromUtf8(out);
}

bool DesktopEntry::boolean(const char *key, bool def) const
{
    const auto it = m_keys.constFind(key);
    if (it == m_keys.constEnd())
        return def;
    return *it == "true" || *it == "1";
}

QString DesktopEntry::command() const
{
    const QString exec = value("Exec");
    QString out;
    out.reserve(exec.size());
    for (int i = 0; i < exec.size(); ++i) {
        if (exec.at(i) != QLatin1Char('%') || i + 1 == exec.size()) {
            out += exec.at(i);
            continue;
        }
        const QChar code = exec.at(++i);
        if (code == QLatin1Char('%'))
            out += code;
        // Every other code stands for files, URLs, the icon or the name at launch time.
    }
    return out.simplified();
}

bool DesktopEntry::showsIn(const QString &currentDesktops) const
{
    const QStringList current = currentDesktops.split(QLatin1Char(':'), Qt::SkipEmptyParts);
    const auto listed = [&](const char *key) {
        const QStringList names = value(key).split(QLatin1Char(';'), Qt::SkipEmptyParts);
        for (const QString &name : current) {
            if (names.contains(name, Qt::CaseInsensitive))
                return true;
        }
        return false;
    };
    if (contains("OnlyShowIn") && !listed("OnlyShowIn"))
        return false;
    return !(contains("NotShowIn") && listed("NotShowIn"));
}

DesktopEntry readDesktopEntry(const QString &filePath)
{
    QByteArray data;
    if (!readRegularFile(filePath, &data, 1 << 20))
        return DesktopEntry();
    return DesktopEntry::parse(data);
}

} // namespace plat
