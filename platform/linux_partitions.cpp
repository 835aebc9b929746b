// Win32_DiskPartition: the partitions of the disks in the disk index table. Type and flags come
// from the udev record; without one, from the partition table on the device (root only).

#include "disks.h"
#include "linux_hwutil.h"
#include "linuxsources.h"

#include <QFile>
#include <QMap>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <limits>

namespace plat::sources {

namespace {

using namespace plat::hw;

struct Entry
{
    QString scheme; // "gpt" or "dos"
    QString type; // lower-case GUID or "0x83"
    quint64 flags = 0;
};

quint64 le(const QByteArray &b, int at, int size)
{
    quint64 v = 0;
    for (int i = size - 1; i >= 0; --i)
        v = v << 8 | quint8(b.at(at + i));
    return v;
}

// GPT GUIDs store their first three groups little-endian.
QString guidText(const QByteArray &b, int at)
{
    const QByteArray g = b.mid(at, 16);
    const QByteArray swapped = QByteArray() + g.at(3) + g.at(2) + g.at(1) + g.at(0) + g.at(5)
        + g.at(4) + g.at(7) + g.at(6) + g.mid(8);
    const QByteArray hex = swapped.toHex();
    return QString::fromLatin1(hex.left(8) + '-' + hex.mid(8, 4) + '-' + hex.mid(12, 4) + '-'
                               + hex.mid(16, 4) + '-' + hex.mid(20));
}

QByteArray readAt(QFile &file, qint64 offset, qint64 size)
{
    return file.seek(offset) ? file.read(size) : QByteArray();
}

// Partition number -> entry, read from the device itself.
QMap<int, Entry> readTable(const SysRoot &root, const QString &disk, int blockSize)
{
    QMap<int, Entry> table;
    // A disk or its image only: a pipe or character device in its place would block the read.
    const QByteArray path = QFile::encodeName(root.path(QStringLiteral("/dev/") + disk));
    const int fd = ::open(path.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return table;
    struct stat st = {};
    QFile file;
    if (::fstat(fd, &st) != 0 || !(S_ISBLK(st.st_mode) || S_ISREG(st.st_mode))
        || !file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return table;
    }
    const QByteArray mbr = readAt(file, 0, 512);
    if (mbr.size() < 512 || quint8(mbr.at(510)) != 0x55 || quint8(mbr.at(511)) != 0xAA)
        return table;
    const QByteArray header = readAt(file, blockSize, 92);
    if (quint8(mbr.at(450)) == 0xEE && header.size() == 92 && header.startsWith("EFI PART")) {
        const quint64 entriesLba = le(header, 72, 8);
        const quint32 count = quint32(qMin<quint64>(le(header, 80, 4), 1024));
        const quint32 size = quint32(le(header, 84, 4));
        // An entry array no disk can hold means a damaged header.
        if (size < 128 || size > 4096
            || entriesLba > quint64(std::numeric_limits<qint64>::max()) / quint64(blockSize))
            return table;
        const QByteArray entries
            = readAt(file, qint64(entriesLba) * blockSize, qint64(count) * size);
        for (quint32 i = 0; i < count && (i + 1) * size <= quint32(entries.size()); ++i) {
            const int at = int(i * size);
            if (entries.mid(at, 16).count('\0') == 16)
                continue; // unused slot
            table.insert(int(i) + 1,
                         { QStringLiteral("gpt"), guidText(entries, at), le(entries, at + 48, 8) });
        }
        return table;
    }
    quint64 extended = 0;
    for (int i = 0; i < 4; ++i) {
        const int at = 446 + 16 * i;
        const quint8 type = quint8(mbr.at(at + 4));
        if (type == 0)
            continue;
        table.insert(
            i + 1,
            { QStringLiteral("dos"), QStringLiteral("0x%1").arg(type, 0, 16), quint8(mbr.at(at)) });
        if (type == 0x05 || type == 0x0F || type == 0x85)
            extended = le(mbr, at + 8, 4);
    }
    // Logical partitions: a chain of boot records inside the extended partition.
    quint64 next = extended;
    for (int number = 5; next && number < 5 + 128; ++number) {
        const QByteArray ebr = readAt(file, qint64(next) * 512, 512);
        if (ebr.size() < 512 || quint8(ebr.at(510)) != 0x55 || quint8(ebr.at(511)) != 0xAA)
            break;
        const quint8 type = quint8(ebr.at(446 + 4));
        if (type)
            table.insert(number,
                         { QStringLiteral("dos"), QStringLiteral("0x%1").arg(type, 0, 16),
                           quint8(ebr.at(446)) });
        const quint64 link = le(ebr, 446 + 16 + 8, 4);
        next = link ? extended + link : 0;
    }
    return table;
}

const QString kEsp = QStringLiteral("c12a7328-f81f-11d2-ba4b-00a0c93ec93b");

// Windows' words for the partition type.
QString typeName(const Entry &e)
{
    static const QHash<QString, QString> gpt
        = { { kEsp, QStringLiteral("GPT: System") },
            { QStringLiteral("ebd0a0a2-b9e5-4433-87c0-68b6b72699c7"),
              QStringLiteral("GPT: Basic Data") },
            { QStringLiteral("e3c9e316-0b5c-4db8-817d-f92df00215ae"),
              QStringLiteral("GPT: Microsoft Reserved") },
            { QStringLiteral("5808c8aa-7e8f-42e0-85d2-e1e90434cfb3"),
              QStringLiteral("GPT: Logical Disk Manager Metadata") },
            { QStringLiteral("af9b60a0-1431-4f62-bc68-3311714a69ad"),
              QStringLiteral("GPT: Logical Disk Manager Data") },
            { QStringLiteral("0fc63daf-8483-4772-8e79-3d69d8477de4"),
              QStringLiteral("GPT: Linux filesystem") },
            { QStringLiteral("0657fd6d-a4ab-43c4-84e5-0933c84b4f4f"),
              QStringLiteral("GPT: Linux swap") },
            { QStringLiteral("21686148-6449-6e6f-744e-656564454649"),
              QStringLiteral("GPT: BIOS boot") } };
    static const QHash<int, QString> mbr = { { 0x01, QStringLiteral("12-bit FAT") },
                                             { 0x04, QStringLiteral("16-bit FAT") },
                                             { 0x05, QStringLiteral("Extended") },
                                             { 0x06, QStringLiteral("MS-DOS V4 Huge") },
                                             { 0x07, QStringLiteral("Installable File System") },
                                             { 0x0B, QStringLiteral("Win95 w/Extended Int 13") },
                                             { 0x0C, QStringLiteral("Win95 w/Extended Int 13") },
                                             { 0x0F, QStringLiteral("Extended") },
                                             { 0x83, QStringLiteral("Linux native") } };
    if (e.scheme == QLatin1String("gpt"))
        return gpt.value(e.type.toLower(), QStringLiteral("GPT: Unknown"));
    bool ok = false;
    const int code = e.type.toInt(&ok, 16);
    return ok ? mbr.value(code) : QString();
}

} // namespace

QVector<wmi::Object> diskPartitions(const SysRoot &root)
{
    QVector<wmi::Object> out;
    const QStringList disks = diskDeviceNames(root);
    for (int diskIndex = 0; diskIndex < disks.size(); ++diskIndex) {
        const QString disk = disks.at(diskIndex);
        const QString dir = QStringLiteral("/sys/block/") + disk;
        qint64 blockSize
            = number(root, dir + QStringLiteral("/queue/logical_block_size")).value_or(512);
        if (blockSize <= 0 || blockSize > 65536) // no such sector size: a damaged attribute
            blockSize = 512;
        QVector<QPair<int, QString>> parts; // (partition number, name)
        for (const QString &child : root.list(dir)) {
            if (const auto n
                = number(root, dir + QLatin1Char('/') + child + QStringLiteral("/partition")))
                parts.append(qMakePair(int(*n), child));
        }
        std::sort(parts.begin(), parts.end());
        QMap<int, Entry> onDisk;
        bool tableRead = false;
        for (int i = 0; i < parts.size(); ++i) {
            const QString base = dir + QLatin1Char('/') + parts.at(i).second;
            const auto udev = udevProperties(
                root, QLatin1Char('b') + root.readLine(base + QStringLiteral("/dev")));
            Entry e { QString::fromLatin1(udev.value("ID_PART_ENTRY_SCHEME")),
                      QString::fromLatin1(udev.value("ID_PART_ENTRY_TYPE")).toLower(),
                      udev.value("ID_PART_ENTRY_FLAGS").toULongLong(nullptr, 0) };
            if (e.scheme.isEmpty()) {
                if (!tableRead) {
                    onDisk = readTable(root, disk, int(blockSize));
                    tableRead = true;
                }
                e = onDisk.value(parts.at(i).first);
            }
            const QString caption = QStringLiteral("Disk #%1, Partition #%2").arg(diskIndex).arg(i);
            const quint64 bytes
                = quint64(number(root, base + QStringLiteral("/size")).value_or(0)) * 512;
            const quint64 start
                = quint64(number(root, base + QStringLiteral("/start")).value_or(0)) * 512;
            const bool gpt = e.scheme == QLatin1String("gpt"),
                       dos = e.scheme == QLatin1String("dos");
            wmi::Object o;
            o.insert(QStringLiteral("Caption"), wmi::bstr(caption));
            o.insert(QStringLiteral("DeviceID"), wmi::bstr(caption));
            o.insert(QStringLiteral("Index"), wmi::i4(i));
            o.insert(QStringLiteral("DiskIndex"), wmi::i4(diskIndex));
            o.insert(QStringLiteral("BlockSize"), wmi::bstr(QString::number(blockSize)));
            o.insert(QStringLiteral("Size"), wmi::bstr(QString::number(bytes)));
            o.insert(QStringLiteral("NumberOfBlocks"),
                     wmi::bstr(QString::number(bytes / quint64(blockSize))));
            o.insert(QStringLiteral("StartingOffset"), wmi::bstr(QString::number(start)));
            o.insert(QStringLiteral("PrimaryPartition"),
                     gpt       ? wmi::boolean(true)
                         : dos ? wmi::boolean(parts.at(i).first <= 4)
                               : wmi::null());
            o.insert(QStringLiteral("Bootable"),
                     gpt       ? wmi::boolean(e.type == kEsp)
                         : dos ? wmi::boolean(e.flags & 0x80)
                               : wmi::null());
            o.insert(QStringLiteral("Type"), text(typeName(e)));
            out.append(o);
        }
    }
    return out;
}

} // namespace plat::sources
