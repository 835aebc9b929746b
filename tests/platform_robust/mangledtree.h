#pragma once
// Fixture trees with damaged files: a copy of a machine tree in which every regular file is
// emptied, cut short, overwritten with noise, bit-flipped, blown up, or has its numbers made
// huge. The damage is drawn from a fixed seed, so a failing row replays exactly.

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

#include <random>

enum class Damage { Empty, Truncate, Noise, BitFlip, Oversize, HugeNumbers };

// Test rows: `count` damaged copies of `data` (one QByteArray column), each kind of damage in turn.
void addDamagedRows(const QByteArray &data, quint32 count);
// Test rows of columns "machine", "damage" and "seed": each kind of damage to the "desktop" and
// "vm" trees, huge numbers with every seed.
void addDamagedMachineRows();

// Byte-level damage, for parsers that take their input as bytes.
class Mangler
{
public:
    explicit Mangler(quint32 seed)
        : m_seed(seed)
        , m_rng(seed)
    {
    }

    QByteArray apply(Damage damage, const QByteArray &data);
    QByteArray noise(int size);
    int below(int n) { return n <= 0 ? 0 : int(m_rng() % quint32(n)); }

private:
    quint32 m_seed;
    std::mt19937 m_rng;
};

class MangledTree
{
public:
    // Copies `source` (links kept as links) and damages every regular file.
    MangledTree(const QString &source, Damage damage, quint32 seed);

    bool isValid() const { return m_dir.isValid() && m_ok; }
    QString root() const { return m_dir.path(); }
    int filesDamaged() const { return m_files; }

private:
    QTemporaryDir m_dir;
    bool m_ok = false;
    int m_files = 0;
};
