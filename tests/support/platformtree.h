#pragma once
// Small machine trees the platform tests write: files below a temporary root, disk images.

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

// `v` as `size` little-endian bytes.
inline QByteArray le(quint64 v, int size)
{
    QByteArray out;
    for (int i = 0; i < size; ++i)
        out += char((v >> (8 * i)) & 0xFF);
    return out;
}

// Writes `data` to `path`, making its folders (an executable one for the owner alone); false if
// that fails.
inline bool writeTreeFile(const QString &path, const QByteArray &data, bool executable = false)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(data) == data.size()
        && (!executable
            || f.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
}

// Writes each pair of `files` (a path below `root`, then its text); false if one fails.
inline bool writeTreeFiles(const QString &root, const QStringList &files)
{
    for (int i = 0; i + 1 < files.size(); i += 2) {
        if (!writeTreeFile(root + files.at(i), files.at(i + 1).toUtf8()))
            return false;
    }
    return true;
}

// Entry `slot` of the 512-byte boot record `record`, and the record's signature.
inline void setMbrEntry(QByteArray &record, int slot, quint8 flags, quint8 type, quint32 lba)
{
    const int at = 446 + 16 * slot;
    record[at] = char(flags);
    record[at + 4] = char(type);
    record.replace(at + 8, 4, le(lba, 4));
    record[510] = char(0x55);
    record[511] = char(0xAA);
}

// A protective MBR and a GPT header in sector 1, cut to `size` bytes.
inline QByteArray gptImage(quint64 entriesLba, quint64 count, quint64 entrySize, int size)
{
    const int headerAt = 512;
    QByteArray image(qMax(size, headerAt + 92), '\0');
    setMbrEntry(image, 0, 0, 0xEE, 0);
    image.replace(headerAt, 8, "EFI PART");
    image.replace(headerAt + 72, 8, le(entriesLba, 8));
    image.replace(headerAt + 80, 4, le(count, 4));
    image.replace(headerAt + 84, 4, le(entrySize, 4));
    return image.left(size);
}
