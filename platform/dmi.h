#pragma once
// SMBIOS (DMI) structures: the raw table the firmware hands the kernel, and the world-readable
// strings the kernel copies out of it. Parsed once per root and shared between threads.

#include "sysroot.h"

#include <QByteArray>
#include <QString>
#include <QVector>

#include <memory>
#include <optional>

namespace plat::dmi {

// One structure: the formatted area (header included, so offsets match the SMBIOS tables)
// and its string set.
struct Structure
{
    quint8 type = 0;
    quint16 handle = 0;
    QByteArray formatted;
    QVector<QByteArray> strings;

    int length() const { return formatted.size(); }
    bool has(int offset, int size) const
    {
        return offset >= 0 && offset + size <= formatted.size();
    }
    std::optional<quint8> byte(int offset) const;
    std::optional<quint16> word(int offset) const;
    std::optional<quint32> dword(int offset) const;
    // The string whose number sits at `offset`; nullopt when the field is missing, the number
    // is 0 ("no string") or out of range. Trailing blanks are removed.
    std::optional<QString> string(int offset) const;
};

class Table
{
public:
    // Parses a sequence of structures (the contents of tables/DMI), stopping at type 127 or at
    // the first malformed structure.
    static Table parse(const QByteArray &raw);

    const QVector<Structure> &structures() const { return m_structures; }
    QVector<const Structure *> ofType(int type) const;
    const Structure *first(int type) const;
    bool isEmpty() const { return m_structures.isEmpty(); }

private:
    QVector<Structure> m_structures;
};

// The table of a root: tables/DMI (root only), else entries/*/raw (also root only). An empty
// table when neither can be read. Cached per root path; safe to call from any thread.
std::shared_ptr<const Table> table(const SysRoot &root);
// Drops the cached tables (tests that rewrite fixture trees).
void clearCache();

// A /sys/class/dmi/id attribute ("board_vendor"), trimmed; empty when missing or unreadable.
QString idString(const SysRoot &root, const QString &name);

// Size of a memory device (type 17) in bytes: 0 for an empty slot, nullopt when unknown.
// WORD @0x0C: 0xFFFF unknown, 0x7FFF "see the extended size" (DWORD @0x1C, in MB), bit 15 set
// means the value counts KB, otherwise MB.
std::optional<quint64> memoryDeviceSize(const Structure &s);

} // namespace plat::dmi
