#pragma once
// /proc/cpuinfo in every layout the kernel writes (x86, ARM old and new, arm64, ppc64, s390x,
// MIPS, LoongArch, RISC-V): the processor packages and what each says about its identity.

#include "sysroot.h"

#include <QByteArray>
#include <QHash>
#include <QMap>
#include <QSet>
#include <QString>
#include <QVector>

#include <optional>

namespace plat::cpuinfo {

using Fields = QHash<QByteArray, QByteArray>;

struct Package
{
    QVector<int> cpus; // logical CPU numbers
    Fields first; // the first CPU's block
    Fields global; // lines outside the CPU blocks (legacy ARM, s390x, ppc64 trailers)
    QSet<QByteArray> coreIds;

    // A field of the first CPU, else of the global part.
    QByteArray value(const QByteArray &key) const { return first.value(key, global.value(key)); }
};

// Packages keyed by physical id; without one every CPU belongs to package 0. A cpuinfo without
// per-CPU blocks (uniprocessor ARM kernels, old s390x) still gives one package of at least one
// CPU: the kernel's list of online CPUs, else the count cpuinfo states, else one.
QMap<int, Package> packages(const SysRoot &root);

struct Identity
{
    QString name;
    QString manufacturer;
    QString description;
    std::optional<int> level;
    std::optional<int> revision;
    std::optional<qint64> currentMhz; // the clock cpuinfo states, rounded
    std::optional<qint64> ratedMhz; // a rated (not current) clock, where cpuinfo has one
    std::optional<bool> longMode; // x86 "lm" flag; unknown elsewhere
};

// What the package's cpuinfo fields say; `is64` is the kernel's bitness when known.
Identity identify(const Package &p, std::optional<bool> is64);

// Cache size in KB of one level as cpuinfo names it (s390x "cacheN: level=..." lines), for the
// whole package: private caches once per core, shared ones once. nullopt when none is named.
std::optional<qint64> cacheKb(const Package &p, int level);

// "2750.000000MHz", "2100.000" as rounded MHz; nullopt for anything else.
std::optional<qint64> mhz(const QByteArray &text);

} // namespace plat::cpuinfo
