#pragma once
// Small byte-level helpers for the Linux sources: /proc, sysfs and text databases are parsed as
// bytes, without turning every line into a QString.

#include <QByteArray>
#include <QString>

namespace plat::bytes {

// The value of the first "key<sep>value" line (value trimmed); empty when absent.
// With sep ':' this reads /proc/P/status, with '=' os-release style files.
inline QByteArray lineValue(const QByteArray &data, const QByteArray &key, char sep,
                            bool *found = nullptr)
{
    int pos = 0;
    const int n = data.size();
    while (pos < n) {
        int end = data.indexOf('\n', pos);
        if (end < 0)
            end = n;
        if (end - pos > key.size() && data.at(pos + key.size()) == sep
            && qstrncmp(data.constData() + pos, key.constData(), uint(key.size())) == 0) {
            if (found)
                *found = true;
            return data.mid(pos + key.size() + 1, end - pos - key.size() - 1).trimmed();
        }
        pos = end + 1;
    }
    if (found)
        *found = false;
    return QByteArray();
}

// Decimal number at the start of the text (after blanks); ok is false when there is none.
inline qint64 toInt64(const QByteArray &text, bool *ok = nullptr)
{
    return text.trimmed().toLongLong(ok);
}

// The sysfs attribute as text, trimmed; empty when missing.
inline QString text(const QByteArray &data)
{
    return QString::fromUtf8(data.trimmed());
}

// A hexadecimal sysfs id such as "0x8086\n" or "046d".
inline int hexId(const QByteArray &data, bool *ok = nullptr)
{
    QByteArray t = data.trimmed();
    if (t.startsWith("0x") || t.startsWith("0X"))
        t = t.mid(2);
    return t.toInt(ok, 16);
}

// Strips one level of double or single quotes around a shell-style value ("us" -> us).
inline QByteArray unquote(QByteArray v)
{
    v = v.trimmed();
    if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front())
        v = v.mid(1, v.size() - 2);
    return v;
}

} // namespace plat::bytes
