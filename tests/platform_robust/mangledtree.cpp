#include "mangledtree.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QtTest>

#include <algorithm>

namespace {

// Damage::HugeNumbers writes number n modulo the count for seed n.
const QList<QByteArray> kHuge
    = QByteArray("99999999999999999999999 18446744073709551616 9223372036854775808 4294967296 "
                 "4294967295 2147483648 2147483647 99999999 16777216 65536 -1 -99999999 "
                 "-2147483649 9223372036854775807 -9223372036854775808")
          .split(' ');
const int kHugeCount = kHuge.size();

QString damageName(Damage damage)
{
    static const char *const names[]
        = { "empty", "truncated", "noise", "bit flips", "oversized", "huge numbers" };
    return QString::fromLatin1(names[int(damage)]);
}

} // namespace

void addDamagedRows(const QByteArray &data, quint32 count)
{
    for (quint32 seed = 1; seed <= count; ++seed) {
        Mangler m(seed);
        const Damage damage = Damage(seed % 6);
        QTest::addRow("%s %u", qPrintable(damageName(damage)), seed) << m.apply(damage, data);
    }
}

void addDamagedMachineRows()
{
    QTest::addColumn<QString>("machine");
    QTest::addColumn<int>("damage");
    QTest::addColumn<quint32>("seed");
    for (const char *machine : { "desktop", "vm" }) {
        for (int d = int(Damage::Empty); d <= int(Damage::HugeNumbers); ++d) {
            const int seeds = Damage(d) == Damage::Empty ? 1
                : Damage(d) == Damage::HugeNumbers       ? kHugeCount
                                                         : 2;
            for (quint32 seed = 1; seed <= quint32(seeds); ++seed)
                QTest::addRow("%s, %s, %u", machine, qPrintable(damageName(Damage(d))), seed)
                    << QString::fromLatin1(machine) << d << seed;
        }
    }
}

QByteArray Mangler::noise(int size)
{
    QByteArray out(size, '\0');
    std::generate(out.begin(), out.end(), [this] { return char(m_rng() & 0xFF); });
    return out;
}

QByteArray Mangler::apply(Damage damage, const QByteArray &data)
{
    switch (damage) {
    case Damage::Empty:
        return QByteArray();
    case Damage::Truncate:
        return data.left(below(data.size()));
    case Damage::Noise:
        return noise(qMax(1, data.size()));
    case Damage::BitFlip: {
        QByteArray out = data;
        const int flips = qMax(1, out.size() / 50);
        for (int i = 0; i < flips && !out.isEmpty(); ++i) {
            const int at = below(out.size());
            out[at] = char(out.at(at) ^ (1 << below(8)));
        }
        return out;
    }
    case Damage::Oversize: {
        // The original text several times over, then one long line without an end.
        QByteArray out = data;
        while (out.size() < 48 * 1024 && !data.isEmpty())
            out += data;
        out += QByteArray(64 * 1024, 'A' + char(below(26)));
        return out;
    }
    case Damage::HugeNumbers: {
        // Every run of digits becomes the same number, one no 32- or 64-bit field can hold
        // or one at the edge of a field; the seed picks which, so the seeds cover them all.
        const QByteArray huge = kHuge.at(int(m_seed % quint32(kHugeCount)));
        QByteArray out;
        out.reserve(data.size() * 2);
        for (int i = 0; i < data.size();) {
            if (data.at(i) >= '0' && data.at(i) <= '9') {
                while (i < data.size() && data.at(i) >= '0' && data.at(i) <= '9')
                    ++i;
                out += huge;
            } else {
                out += data.at(i++);
            }
        }
        return out;
    }
    }
    return data;
}

MangledTree::MangledTree(const QString &source, Damage damage, quint32 seed)
{
    // Links stay links: fixture links name machine paths, not the copy's.
    if (!m_dir.isValid() || QProcess::execute("cp", { "-R", source + "/.", m_dir.path() }) != 0)
        return;
    Mangler mangler(seed);
    QStringList files;
    QDirIterator it(m_dir.path(), QDir::Files | QDir::NoSymLinks | QDir::Hidden,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        files.append(it.next());
    files.sort(); // the same order on every run, so the same damage
    for (const QString &path : qAsConst(files)) {
        QFile file(path);
        if (!file.open(QIODevice::ReadWrite))
            return;
        const QByteArray damaged = mangler.apply(damage, file.readAll());
        if (!file.resize(0) || !file.seek(0) || file.write(damaged) != damaged.size())
            return;
        ++m_files;
    }
    m_ok = true;
}
