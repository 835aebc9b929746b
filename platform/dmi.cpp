#include "dmi.h"

#include <QHash>

#include <algorithm>
#include <mutex>

namespace plat::dmi {

std::optional<quint8> Structure::byte(int offset) const
{
    if (!has(offset, 1))
        return std::nullopt;
    return quint8(formatted.at(offset));
}

std::optional<quint16> Structure::word(int offset) const
{
    if (!has(offset, 2))
        return std::nullopt;
    const auto *p = reinterpret_cast<const uchar *>(formatted.constData() + offset);
    return quint16(p[0] | (p[1] << 8));
}

std::optional<quint32> Structure::dword(int offset) const
{
    if (!has(offset, 4))
        return std::nullopt;
    const auto *p = reinterpret_cast<const uchar *>(formatted.constData() + offset);
    return quint32(p[0]) | (quint32(p[1]) << 8) | (quint32(p[2]) << 16) | (quint32(p[3]) << 24);
}

std::optional<QString> Structure::string(int offset) const
{
    const auto number = byte(offset);
    if (!number || *number == 0 || *number > strings.size())
        return std::nullopt;
    return QString::fromLatin1(strings.at(*number - 1)).trimmed();
}

Table Table::parse(const QByteArray &raw)
{
    Table table;
    const int n = raw.size();
    int pos = 0;
    while (pos + 4 <= n) {
        const int length = quint8(raw.at(pos + 1));
        if (length < 4 || pos + length > n)
            break; // a malformed header: everything after it is unreliable
        Structure s;
        s.type = quint8(raw.at(pos));
        s.formatted = raw.mid(pos, length);
        s.handle = *s.word(2);
        // The string set follows the formatted area and ends with a double NUL.
        int p = pos + length;
        int start = p;
        bool terminated = false;
        while (p < n) {
            if (raw.at(p) == '\0') {
                if (p == start) {
                    // No strings at all: the set is just the two NULs.
                    terminated = p + 1 < n && raw.at(p + 1) == '\0';
                    p += 2;
                    break;
                }
                s.strings.append(raw.mid(start, p - start));
                start = p + 1;
                if (start < n && raw.at(start) == '\0') {
                    terminated = true;
                    p = start + 1;
                    break;
                }
            }
            ++p;
        }
        if (!terminated)
            break;
        const bool end = s.type == 127;
        table.m_structures.append(std::move(s));
        if (end)
            break;
        pos = p;
    }
    return table;
}

QVector<const Structure *> Table::ofType(int type) const
{
    QVector<const Structure *> out;
    for (const Structure &s : m_structures) {
        if (s.type == type)
            out.append(&s);
    }
    return out;
}

const Structure *Table::first(int type) const
{
    for (const Structure &s : m_structures) {
        if (s.type == type)
            return &s;
    }
    return nullptr;
}

namespace {

std::mutex g_mutex;
QHash<QString, std::shared_ptr<const Table>> g_tables;

QByteArray readEntries(const SysRoot &root)
{
    const QString dir = QStringLiteral("/sys/firmware/dmi/entries");
    QStringList names = root.list(dir);
    // "17-2" before "17-10": order by type, then instance.
    std::sort(names.begin(), names.end(), [](const QString &a, const QString &b) {
        const auto key = [](const QString &s) {
            const int dash = s.indexOf(QLatin1Char('-'));
            return qMakePair(s.left(dash).toInt(), s.mid(dash + 1).toInt());
        };
        return key(a) < key(b);
    });
    QByteArray all;
    for (const QString &name : names)
        all += root.read(dir + QLatin1Char('/') + name + QStringLiteral("/raw"), 64 * 1024);
    return all;
}

} // namespace

std::shared_ptr<const Table> table(const SysRoot &root)
{
    const std::lock_guard<std::mutex> lock(g_mutex);
    auto it = g_tables.constFind(root.root());
    if (it != g_tables.constEnd())
        return it.value();
    QByteArray raw = root.read(QStringLiteral("/sys/firmware/dmi/tables/DMI"), 1024 * 1024);
    if (raw.isEmpty())
        raw = readEntries(root);
    auto parsed = std::make_shared<const Table>(Table::parse(raw));
    g_tables.insert(root.root(), parsed);
    return parsed;
}

void clearCache()
{
    const std::lock_guard<std::mutex> lock(g_mutex);
    g_tables.clear();
}

QString idString(const SysRoot &root, const QString &name)
{
    return root.readLine(QStringLiteral("/sys/class/dmi/id/") + name);
}

std::optional<quint64> memoryDeviceSize(const Structure &s)
{
    const auto size = s.word(0x0C);
    if (!size || *size == 0xFFFF)
        return std::nullopt;
    if (*size == 0x7FFF) {
        const auto extended = s.dword(0x1C);
        if (!extended)
            return std::nullopt;
        return quint64(*extended & 0x7FFFFFFF) * 1024 * 1024;
    }
    if (*size & 0x8000)
        return quint64(*size & 0x7FFF) * 1024;
    return quint64(*size) * 1024 * 1024;
}

} // namespace plat::dmi
