#pragma once
// Every Linux source reads through a root prefix, so tests run the same code on fixture trees.

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace plat {

class SysRoot
{
public:
    explicit SysRoot(const QString &root = QStringLiteral("/"));

    QString root() const { return m_root; }
    bool isLive() const { return m_root == QLatin1String("/"); }
    // Maps an absolute machine path ("/proc/cpuinfo") into this root.
    QString path(const QString &absolute) const;

    bool exists(const QString &absolute) const;
    bool isDir(const QString &absolute) const;
    // Whole file as bytes (empty when unreadable); sysfs files are read once, no seeking. Only
    // regular files are read (see readRegularFile).
    QByteArray read(const QString &absolute, qint64 maxBytes = 16 * 1024 * 1024) const;
    bool read(const QString &absolute, QByteArray *out, qint64 maxBytes = 16 * 1024 * 1024) const;
    // First line, trimmed, as text (sysfs attribute files).
    QString readLine(const QString &absolute) const;
    // Entry names of a folder, sorted, without "." and "..".
    QStringList list(const QString &absoluteDir) const;
    // Link target as stored; empty when not a link.
    QString readLink(const QString &absolute) const;
    // Target of a link resolved inside the root, as a machine path.
    QString canonical(const QString &absolute) const;

private:
    QString m_root;
};

// Reads a file at a real path to its end (at most maxBytes), never waiting: a named pipe, socket
// or device where a regular file (or a sysfs/procfs attribute, which reports as one) is expected
// is refused, so nothing a tree holds can block the reader.
bool readRegularFile(const QString &realPath, QByteArray *out, qint64 maxBytes);

} // namespace plat
