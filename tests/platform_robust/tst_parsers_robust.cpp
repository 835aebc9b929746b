// Parsers of outside data, and the hardware collectors on them, fed with damaged input (run it
// under the sanitizers too): no crash, and what comes out is well-formed (schema types or NULL,
// counts and strings within their fields, collector rows of their shape).

#include "mangledtree.h"

#include "collectorchecks.h"
#include "platformtree.h"

#include "collect/smartreader.h"
#include "collect/worker.h"
#include "platform/desktopentry.h"
#include "platform/dmi.h"
#include "platform/driversource.h"
#include "platform/fakes/fakesmartio.h"
#include "platform/fileversion.h"
#include "platform/firmware.h"
#include "platform/linuxprovider.h"
#include "platform/linuxsources.h"
#include "platform/memoryinfo.h"
#include "platform/packagedb.h"
#include "platform/pciids.h"
#include "platform/platform.h"
#include "platform/processtree.h"
#include "platform/registry.h"
#include "platform/smartio_linux.h"
#include "platform/wmischema.h"

#include <QFile>
#include <QtTest>

#include <limits>
#include <sys/stat.h>
#include <thread>

using plat::SysRoot;

namespace {

const QString kFixtures = QStringLiteral(VN_FIXTURES_DIR);

QByteArray fixtureFile(const QString &relative)
{
    QFile f(kFixtures + QLatin1Char('/') + relative);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Every object a source hands out must fit the class schema; returns the first misfit.
QString schemaMisfit(const QString &cls, const QVector<wmi::Object> &objects)
{
    const wmi::ClassSchema *schema = wmi::classSchema(cls);
    if (!schema)
        return cls + ": no schema";
    if (plat::LinuxProvider::isSingleton(cls) && objects.size() != 1)
        return cls + QStringLiteral(": %1 objects instead of one").arg(objects.size());
    for (const wmi::Object &o : objects) {
        for (auto it = o.constBegin(); it != o.constEnd(); ++it) {
            if (!schema->has(it.key()))
                return cls + QLatin1Char('.') + it.key() + " not in the schema";
            if (!wmi::valueMatchesSchema(*schema, it.key(), it.value()))
                return cls + QLatin1Char('.') + it.key()
                    + QStringLiteral(": type %1").arg(it.value().vt);
        }
    }
    return QString();
}

// Asks every reader of a machine tree once; the first misfit, or empty.
QString readWholeTree(const QString &rootPath)
{
    const SysRoot root(rootPath);
    for (const QString &cls : wmi::schemaClasses()) {
        const plat::LinuxProvider::Source source = plat::LinuxProvider::sourceFor(cls);
        if (!source)
            continue;
        const QString misfit = schemaMisfit(cls, source(root));
        if (!misfit.isEmpty())
            return misfit;
    }

    namespace pk = plat::packages;
    QVector<pk::Package> all = pk::dpkgPackages(root);
    all += pk::flatpakPackages(root, "/var/lib/flatpak/app", false);
    all += pk::snapPackages(root);
    for (const pk::Package &p : all) {
        if (p.name.isEmpty() || !p.id.startsWith(p.source + QLatin1Char(':')))
            return "package without a name or with a stray id: " + p.id;
    }

    // The registry's package and autostart keys, read only.
    const auto registry = plat::makeLinuxRegistry(root);
    for (const char *const *paths : { plat::kUninstallKeyPaths, plat::kRunKeyPaths }) {
        for (int i = 0; i < 3; ++i) {
            const auto key = registry->open(QString::fromLatin1(paths[i]));
            for (const QString &value : key->childKeys())
                key->value(value);
            for (const QString &group : key->childGroups()) {
                const auto child = key->child(group);
                for (const QString &value : child->childKeys())
                    child->value(value);
            }
        }
    }

    QVector<plat::DriverEntry> drivers;
    const auto driverSource = plat::makeLinuxDriverSource(root);
    if (driverSource->enumerate(&drivers)) {
        plat::LinuxFileVersion versions(root);
        for (const plat::DriverEntry &d : drivers) {
            QString path;
            if (driverSource->queryConfig(d.name, &path) && !path.isEmpty())
                versions.versionText(path);
        }
    }

    plat::LinuxMemoryInfo memory(root);
    memory.installedKb();
    memory.totalPhysBytes();
    plat::makeLinuxProcessTree(root)->children(1);
    plat::LinuxFirmware firmware(root);
    QByteArray buffer;
    quint32 error = 0;
    const quint32 got = firmware.getVariable("SecureBoot", "{8be4df61-93ca-11d2-aa0d-00e098032b8c}",
                                             &buffer, 4, &error);
    if (got > 4 || int(got) > buffer.size())
        return "firmware variable larger than asked for";
    return QString();
}

// An MBR whose first entry is an extended partition starting at sector `extended`, and whose
// chain of logical partitions links from each boot record to `link`.
QByteArray mbrChain(quint32 extended, quint32 link, int sectors)
{
    QByteArray first(512, '\0');
    setMbrEntry(first, 0, 0, 0x05, extended);
    setMbrEntry(first, 1, 0, 0x05, 0);
    QByteArray logical(512, '\0');
    setMbrEntry(logical, 0, 0, 0x83, 1);
    setMbrEntry(logical, 1, 0, 0x05, link);
    return first + logical.repeated(sectors - 1);
}

} // namespace

class TestParsersRobust : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { registerRecordTypes(); }

    void dmiTable_data()
    {
        QTest::addColumn<QByteArray>("raw");
        QTest::addColumn<int>("maxStructures");

        QTest::newRow("one byte") << QByteArray::fromHex("01") << 0;
        QTest::newRow("length below header") << QByteArray::fromHex("010300000000") << 0;
        QTest::newRow("string number past the set") << QByteArray::fromHex("0105000009610000") << 1;
        QTest::newRow("end marker first") << QByteArray::fromHex("7f0400000000010400000000") << 1;
        QTest::newRow("memory device cut before size")
            << QByteArray::fromHex("110c").leftJustified(14, '\0') << 1;
        QTest::newRow("memory device extended size cut")
            << QByteArray::fromHex("111c00000000000000000000ff7f").leftJustified(30, '\0') << 1;
        QByteArray longStrings = QByteArray::fromHex("0208000001020304");
        for (int i = 0; i < 300; ++i)
            longStrings += QByteArray(1000, char('a' + i % 26)) + '\0';
        longStrings += '\0';
        QTest::newRow("300 long strings") << longStrings << 1;
        for (quint32 seed = 1; seed <= 40; ++seed) {
            Mangler m(seed);
            QTest::addRow("noise %u", seed) << m.noise(16 + m.below(4096)) << 4096;
        }
        const QByteArray table = fixtureFile("desktop/sys/firmware/dmi/tables/DMI");
        for (quint32 seed = 1; seed <= 40; ++seed) {
            Mangler m(seed);
            QTest::addRow("bit flips %u", seed) << m.apply(Damage::BitFlip, table) << 4096;
        }
    }

    void dmiTable()
    {
        QFETCH(QByteArray, raw);
        QFETCH(int, maxStructures);

        const plat::dmi::Table table = plat::dmi::Table::parse(raw);
        QVERIFY(table.structures().size() <= maxStructures);
        int formatted = 0;
        for (const plat::dmi::Structure &s : table.structures()) {
            QVERIFY(s.length() >= 4);
            formatted += s.length();
            // Every field reader answers for every offset, inside the structure or not.
            for (int offset = -2; offset < s.length() + 8; ++offset) {
                if (const auto b = s.byte(offset))
                    QVERIFY(offset >= 0 && offset < s.length());
                if (s.word(offset))
                    QVERIFY(offset >= 0 && offset + 2 <= s.length());
                if (s.dword(offset))
                    QVERIFY(offset >= 0 && offset + 4 <= s.length());
                if (const auto text = s.string(offset))
                    QVERIFY(text->size() <= raw.size());
            }
            if (s.type == 17) {
                if (const auto size = plat::dmi::memoryDeviceSize(s))
                    QVERIFY(*size <= quint64(0x7FFFFFFF) * 1024 * 1024);
            }
        }
        QVERIFY(formatted <= raw.size());
        if (!table.isEmpty())
            QCOMPARE(table.first(table.structures().first().type), &table.structures().first());
    }

    void dmiFixturePrefixes()
    {
        // Every cut of a real table parses to a prefix of the whole table's structures.
        const QByteArray raw = fixtureFile("desktop/sys/firmware/dmi/tables/DMI");
        QVERIFY(raw.size() > 100);
        const plat::dmi::Table whole = plat::dmi::Table::parse(raw);
        for (int cut = 0; cut <= raw.size(); ++cut) {
            const plat::dmi::Table part = plat::dmi::Table::parse(raw.left(cut));
            QVERIFY2(part.structures().size() <= whole.structures().size(),
                     qPrintable(QString::number(cut)));
            for (int i = 0; i < part.structures().size(); ++i) {
                QCOMPARE(part.structures().at(i).formatted, whole.structures().at(i).formatted);
                QCOMPARE(part.structures().at(i).strings, whole.structures().at(i).strings);
            }
        }
    }

    void desktopEntry_data()
    {
        QTest::addColumn<QByteArray>("data");

        QTest::newRow("empty") << QByteArray();
        QTest::newRow("group only") << QByteArray("[Desktop Entry]");
        QTest::newRow("backslash at the end")
            << QByteArray("[Desktop Entry]\nExec=run\\\nName=a\\");
        QTest::newRow("percent at the end") << QByteArray("[Desktop Entry]\nExec=run %");
        QTest::newRow("only field codes") << QByteArray("[Desktop Entry]\nExec=%f%u%F%U%%%");
        QTest::newRow("key without value") << QByteArray("[Desktop Entry]\n=\nExec\nOnlyShowIn=");
        QTest::newRow("NULs and CRs") << QByteArray("[Desktop Entry]\r\nExec=a\0b\r\n", 24);
        QTest::newRow("one long line") << "[Desktop Entry]\nExec=" + QByteArray(1 << 20, 'x');
        const QByteArray entry = fixtureFile("desktop/etc/xdg/autostart/not-in-kde.desktop")
            + fixtureFile("desktop/usr/share/applications/vim.desktop");
        QVERIFY(!entry.isEmpty());
        addDamagedRows(entry, 30);
    }

    void desktopEntry()
    {
        QFETCH(QByteArray, data);

        const plat::DesktopEntry entry = plat::DesktopEntry::parse(data);
        if (data.isEmpty())
            QVERIFY(!entry.isValid());
        for (const char *key : { "Name", "Exec", "Icon", "OnlyShowIn", "NotShowIn", "Hidden" }) {
            QVERIFY(entry.value(key).size() <= data.size());
            entry.boolean(key);
        }
        QVERIFY(entry.command().size() <= data.size());
        QVERIFY(!entry.command().startsWith(QLatin1Char(' ')));
        entry.showsIn("GNOME:KDE");
        entry.showsIn(QString());
    }

    void dpkgStatus_data()
    {
        QTest::addColumn<QByteArray>("status");

        QTest::newRow("empty") << QByteArray();
        QTest::newRow("blank lines") << QByteArray("\n\n\n");
        QTest::newRow("colon only") << QByteArray(":\n:\n");
        QTest::newRow("no package name") << QByteArray("Package:\nStatus: install ok installed\n");
        QTest::newRow("continuation first") << QByteArray(" Package: a\n\tStatus: x\n");
        QTest::newRow("maintainer without name")
            << QByteArray("Package: a\nStatus: install ok installed\nMaintainer: <\n");
        QTest::newRow("maintainer angle only")
            << QByteArray("Package: a\nStatus: install ok installed\nMaintainer: >\n");
        addDamagedRows(fixtureFile("desktop/var/lib/dpkg/status"), 30);
    }

    void dpkgStatus()
    {
        QFETCH(QByteArray, status);

        const auto packages = plat::packages::parseDpkgStatus(status);
        QVERIFY(packages.size() <= status.count("Status:"));
        for (const auto &p : packages) {
            QVERIFY(!p.name.isEmpty());
            QVERIFY(p.id.startsWith(QLatin1String("dpkg:")));
            QVERIFY(p.version.size() <= status.size());
            QVERIFY(!p.publisher.contains(QLatin1Char('<')));
        }
        Mangler m(status.size());
        for (int i = 0; i < 20; ++i)
            plat::packages::addressName(m.noise(m.below(64)));
    }

    void edid_data()
    {
        QTest::addColumn<QByteArray>("edid");

        const QByteArray header = QByteArray::fromHex("00ffffffffffff00");
        QByteArray rangeBlock = header + QByteArray(120, '\0');
        rangeBlock.replace(54, 18, QByteArray::fromHex("000000fd03ffff").leftJustified(18, '\0'));
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("header only") << header;
        QTest::newRow("one byte short") << rangeBlock.left(127);
        QTest::newRow("range with both offsets") << rangeBlock;
        QTest::newRow("range block repeated") << rangeBlock.repeated(64);
        for (quint32 seed = 1; seed <= 30; ++seed) {
            Mangler m(seed);
            QByteArray block = header + m.noise(120 + m.below(400));
            // Half the rows carry range descriptors, so their fields are noise too.
            for (int d = 54; seed % 2 && d + 18 <= 126; d += 18)
                block.replace(d, 4, QByteArray(2, '\0') + char(m.below(256)) + '\xFD');
            QTest::addRow("noise %u", seed) << block;
        }
    }

    void edid()
    {
        QFETCH(QByteArray, edid);

        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString device = dir.path() + "/sys/bus/pci/devices/0000:01:00.0/";
        QVERIFY(writeTreeFiles(device,
                               { "vendor", "0x10de\n", "device", "0x2684\n", "class", "0x030000\n",
                                 "drm/card0/card0-HDMI-A-1/status", "connected\n" }));
        QVERIFY(writeTreeFile(device + "drm/card0/card0-HDMI-A-1/edid", edid));

        const QVector<wmi::Object> adapters = plat::sources::videoControllers(SysRoot(dir.path()));
        QCOMPARE(adapters.size(), 1);
        const QString misfit = schemaMisfit("Win32_VideoController", adapters);
        QVERIFY2(misfit.isEmpty(), qPrintable(misfit));
        for (const char *name : { "MinRefreshRate", "MaxRefreshRate" }) {
            const wmi::VARIANT v = adapters.first().value(QLatin1String(name));
            QVERIFY(v.vt == wmi::VT_NULL || (v.lVal > 0 && v.lVal <= 255 + 255));
        }
    }

    void partitionTable_data()
    {
        QTest::addColumn<QByteArray>("blockSize");
        QTest::addColumn<QByteArray>("image");

        const auto row
            = [](const char *name, const QByteArray &image, const char *blockSize = "512") {
                  QTest::newRow(name) << QByteArray(blockSize) << image;
              };
        row("empty device", QByteArray());
        row("MBR cut", mbrChain(1, 0, 1).left(300));
        for (int cut : { 520, 560, 583, 590, 595 })
            QTest::addRow("GPT header cut at %d", cut)
                << QByteArray("512") << gptImage(2, 4, 128, cut);
        row("GPT entries far away", gptImage(Q_UINT64_C(0xFFFFFFFFFFFFFFFF), 4, 128, 2048));
        row("GPT entries past the end", gptImage(40, 4, 128, 2048));
        row("GPT many entries, cut", gptImage(2, 0xFFFFFFFF, 128, 4096));
        row("GPT odd entry size", gptImage(2, 8, 129, 4096));
        row("GPT entry size too small", gptImage(2, 8, 8, 4096));
        row("block size beyond 32 bits", gptImage(2, 4, 128, 4096), "4294967808");
        row("block size huge", gptImage(2, 4, 128, 4096), "9223372036854775807");
        row("block size negative", gptImage(2, 4, 128, 4096), "-512");
        row("logical partitions linking to themselves", mbrChain(1, 0, 2));
        row("logical partitions past the end", mbrChain(0xFFFFFFFF, 0xFFFFFFFF, 2));
        row("long chain of logical partitions", mbrChain(1, 1, 300));
    }

    void partitionTable()
    {
        QFETCH(QByteArray, blockSize);
        QFETCH(QByteArray, image);

        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString disk = dir.path() + "/sys/block/sdq";
        QVERIFY(
            writeTreeFiles(disk, { "/size", "100000\n", "/queue/logical_block_size", blockSize }));
        for (int n = 1; n <= 6; ++n)
            QVERIFY(writeTreeFiles(
                disk + QStringLiteral("/sdq%1/").arg(n),
                { "partition", QString::number(n), "start", "2048", "size", "1024" }));
        QVERIFY(writeTreeFile(dir.path() + "/dev/sdq", image));

        const QVector<wmi::Object> partitions = plat::sources::diskPartitions(SysRoot(dir.path()));
        QCOMPARE(partitions.size(), 6);
        const QString misfit = schemaMisfit("Win32_DiskPartition", partitions);
        QVERIFY2(misfit.isEmpty(), qPrintable(misfit));
        for (const wmi::Object &o : partitions) {
            bool ok = false;
            QVERIFY(o.value("BlockSize").bstrVal.toLongLong(&ok) > 0);
            QVERIFY(ok);
        }
    }

    // Numbers no field can hold come out NULL, never wrapped or clamped.
    void outOfRangeNumbers_data()
    {
        QTest::addColumn<QStringList>("files"); // path, contents, path, contents...
        QTest::addColumn<QString>("cls");
        QTest::addColumn<QString>("property");

        const auto cpu = [](const char *fields) {
            return QStringList { "/proc/sys/kernel/arch", "x86_64\n", "/proc/cpuinfo",
                                 "processor\t: 0\nvendor_id\t: GenuineIntel\n"
                                     + QLatin1String(fields) };
        };
        const QString cache = "/sys/devices/system/cpu/cpu0/cache/index2/";
        const auto process = [](const char *statm, const char *threads) {
            return QStringList {
                "/proc/1/stat",
                QStringLiteral(
                    "1 (init) S 0 1 1 0 -1 4194560 0 0 0 0 0 0 0 0 20 0 1 0 5 1000 100 0\n"),
                "/proc/1/status",
                "Name:\tinit\nThreads:\t" + QLatin1String(threads) + '\n',
                "/proc/1/statm",
                QLatin1String(statm)
            };
        };
        const QString p = "Win32_Processor";
        QTest::newRow("model beyond a byte")
            << cpu("cpu family\t: 6\nmodel\t: 99999999\nstepping\t: 1\n") << p << "Revision";
        QTest::newRow("stepping negative")
            << cpu("cpu family\t: 6\nmodel\t: 167\nstepping\t: -1\n") << p << "Revision";
        QTest::newRow("clock speed beyond any clock")
            << cpu("cpu MHz\t: 1e23\n") << p << "CurrentClockSpeed";
        QTest::newRow("clock speed not a number")
            << cpu("cpu MHz\t: nan\n") << p << "CurrentClockSpeed";
        QTest::newRow("frequency file beyond 32 bits") << cpu("")
                + QStringList { "/sys/devices/system/cpu/cpu0/cpufreq/cpuinfo_max_freq",
                                "99999999999999\n" } << p
                                                       << "MaxClockSpeed";
        // Found by fuzzing: the multiplication overflowed (or wrapped to 1024 KB) before the check.
        for (const char *size :
             { "4294967296M", "-512K", "9223372036854775807M", "18014398509481985M" })
            QTest::addRow("cache size %s", size) << cpu("")
                    + QStringList { cache + "level",           "2", cache + "type", "Unified",
                                    cache + "shared_cpu_list", "0", cache + "size", size }
                                                 << p << "L2CacheSize";
        // Found by fuzzing: a second sample whose busy count went back while the total rose.
        const auto load = [&cpu](const char *second) {
            return cpu("")
                + QStringList { "/proc/stat", "cpu0 500 0 500 1000 0\n", "/proc/stat.2",
                                QLatin1String(second) };
        };
        QTest::newRow("load sample going backwards")
            << load("cpu0 100 0 500 1900 0\n") << p << "LoadPercentage";
        QTest::newRow("load idle beyond total")
            << load("cpu0 1 0 0 18446744073709551615 0\n") << p << "LoadPercentage";
        const QString w = "Win32_Process";
        QTest::newRow("thread count beyond 32 bits")
            << process("10 5 0\n", "99999999999") << w << "ThreadCount";
        QTest::newRow("resident pages beyond any memory")
            << process("1 9223372036854775807 0\n", "1") << w << "WorkingSetSize";
        QTest::newRow("resident pages negative")
            << process("1 -5 0\n", "1") << w << "WorkingSetSize";
    }

    void outOfRangeNumbers()
    {
        QFETCH(QStringList, files);
        QFETCH(QString, cls);
        QFETCH(QString, property);

        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        QVERIFY(writeTreeFiles(dir.path(), files));
        const QVector<wmi::Object> objects
            = plat::LinuxProvider::sourceFor(cls)(SysRoot(dir.path()));
        QCOMPARE(objects.size(), 1);
        const QString misfit = schemaMisfit(cls, objects);
        QVERIFY2(misfit.isEmpty(), qPrintable(misfit));
        QCOMPARE(int(objects.first().value(property).vt), int(wmi::VT_NULL));
    }

    // Found by fuzzing: the sum of 1,025 extended capacities overflowed a signed integer.
    void manyHugeMemoryArrays()
    {
        QByteArray array(0x17, '\0');
        array[0] = char(16);
        array[1] = char(0x17);
        array[5] = char(3); // system memory
        array.replace(0x07, 4, QByteArray::fromHex("00000080")); // see the extended field
        array.replace(0x0F, 8, QByteArray::fromHex("ffffffffffffff7f"));
        QTemporaryDir dir;
        QVERIFY(writeTreeFile(dir.path() + "/sys/firmware/dmi/tables/DMI",
                              (array + QByteArray(2, '\0')).repeated(1025)));
        const auto objects = plat::sources::physicalMemoryArray(SysRoot(dir.path()));
        QCOMPARE(objects.size(), 1);
        QCOMPARE(int(objects.first().value("MaxCapacity").vt), int(wmi::VT_NULL));
    }

    // UDisks2's "pretty" figures back to the raw counts of the attribute page.
    void udisksTemperature_data()
    {
        QTest::addColumn<int>("id");
        QTest::addColumn<int>("unit");
        QTest::addColumn<qint64>("pretty");
        QTest::addColumn<quint64>("raw");
        QTest::newRow("40 C") << 194 << 4 << qint64(313150) << quint64(40);
        QTest::newRow("absolute zero") << 194 << 4 << qint64(0) << quint64(0);
        QTest::newRow("just above absolute zero") << 194 << 4 << qint64(274150) << quint64(1);
        // Found by fuzzing: the conversion overflowed.
        QTest::newRow("INT64_MIN") << 194 << 4 << std::numeric_limits<qint64>::min() << quint64(0);
        QTest::newRow("INT64_MAX") << 194 << 4 << std::numeric_limits<qint64>::max()
                                   << quint64((std::numeric_limits<qint64>::max() - 273150) / 1000);
        QTest::newRow("count") << 5 << 1 << qint64(12) << quint64(12);
        QTest::newRow("negative count") << 5 << 1 << qint64(-3) << quint64(0);
        QTest::newRow("sectors") << 197 << 3 << qint64(0x123456789A) << quint64(0x123456789A);
        QTest::newRow("power-on hours") << 9 << 2 << qint64(7200000) << quint64(2);
        QTest::newRow("power-on hours 240") << 240 << 2 << qint64(3599999) << quint64(0);
        QTest::newRow("spin-up milliseconds") << 3 << 2 << qint64(4500) << quint64(4500);
        QTest::newRow("no unit") << 1 << 0 << qint64(77) << quint64(0);
    }

    void udisksTemperature()
    {
        QFETCH(int, id);
        QFETCH(int, unit);
        QFETCH(qint64, pretty);
        QFETCH(quint64, raw);
        QCOMPARE(plat::udisksRawValue(quint8(id), pretty, unit), raw);
    }

    // A FIFO where a file is expected would block its reader for ever; it is skipped instead.
    void namedPipesNeverBlock()
    {
        QTemporaryDir dir;
        const QString root = dir.path();
        for (const char *file :
             { "/proc/cpuinfo", "/proc/stat",
               "/sys/devices/system/cpu/cpu0/cpufreq/scaling_cur_freq", "/var/lib/dpkg/status",
               "/etc/xdg/autostart/pipe.desktop", "/dev/sda",
               "/sys/firmware/efi/efivars/SecureBoot-8be4df61-93ca-11d2-aa0d-00e098032b8c" }) {
            QVERIFY(QDir().mkpath(QFileInfo(root + file).path()));
            QCOMPARE(::mkfifo(QFile::encodeName(root + file).constData(), 0600), 0);
        }
        const SysRoot tree(root);
        QVERIFY(tree.read("/proc/cpuinfo").isEmpty());
        QCOMPARE(plat::sources::processors(tree).size(), 1);
        QVERIFY(!plat::readDesktopEntry(root + "/etc/xdg/autostart/pipe.desktop").isValid());
        QVERIFY(plat::packages::dpkgPackages(tree).isEmpty());
        QCOMPARE(readWholeTree(root), QString()); // every reader of the layer
    }

    void damagedTree_data() { addDamagedMachineRows(); }

    void damagedTree()
    {
        QFETCH(QString, machine);
        QFETCH(int, damage);
        QFETCH(quint32, seed);

        const MangledTree tree(kFixtures + QLatin1Char('/') + machine, Damage(damage), seed);
        QVERIFY(tree.isValid());
        QVERIFY(tree.filesDamaged() > 100);
        const QString misfit = readWholeTree(tree.root());
        QVERIFY2(misfit.isEmpty(), qPrintable(misfit));

        // Every collector run ends, and its rows keep their shape with no empty label or value.
        const plat::SysRoot root(tree.root());
        const wmi::ScopedProvider provider(std::make_shared<plat::LinuxProvider>(root));
        const plat::ScopedPlatform platform(plat::makeLinuxPlatform(root));
        for (Collector c : { Collector::OS, Collector::CPU, Collector::GPU, Collector::RAM,
                             Collector::Storage }) {
            Worker worker;
            CollectorLog log(&worker);
            QCOMPARE(runCollector(worker, c), 0);
            const QString problem = CollectorChecks::shapeProblem(log, c);
            QVERIFY2(problem.isEmpty(), qPrintable(collectorName(c) + ": " + problem));
        }
    }

    void concurrentReadersOfDamagedTree()
    {
        // Sixteen detections read one damaged machine at once: the shared caches (SMBIOS table,
        // PCI names, disk index) are filled by whichever thread comes first.
        const MangledTree tree(kFixtures + "/desktop", Damage::BitFlip, 7);
        QVERIFY(tree.isValid());
        plat::dmi::clearCache();
        plat::ids::clearCache();
        QString misfits[16];
        std::vector<std::thread> threads;
        for (int i = 0; i < 16; ++i)
            threads.emplace_back([&, i] { misfits[i] = readWholeTree(tree.root()); });
        for (std::thread &t : threads)
            t.join();
        for (const QString &misfit : misfits)
            QVERIFY2(misfit.isEmpty(), qPrintable(misfit));
    }

    void smartPages_data()
    {
        QTest::addColumn<QByteArray>("identify");
        QTest::addColumn<QByteArray>("attributes");
        QTest::addColumn<QByteArray>("thresholds");

        const QByteArray id = plat::FakeSmartIo::identifyPage("Model", "Serial", "1.0");
        const QByteArray attrs = plat::FakeSmartIo::attributePage(
            { { 5, 0x33, 100, 100, 0 }, { 9, 0x32, 90, 90, 12345 }, { 194, 0x22, 40, 55, 40 } });
        const QByteArray limits = plat::FakeSmartIo::thresholdPage({ { 5, 10 }, { 9, 0 } });
        QTest::newRow("empty pages") << QByteArray() << QByteArray() << QByteArray();
        QTest::newRow("cut pages") << id.left(60) << attrs.left(20) << limits.left(3);
        QTest::newRow("oversized pages")
            << id.repeated(8) << attrs.repeated(8) << limits.repeated(8);
        QTest::newRow("all ones") << QByteArray(512, '\xFF') << QByteArray(512, '\xFF')
                                  << QByteArray(512, '\xFF');
        QTest::newRow("same id thirty times")
            << id
            << plat::FakeSmartIo::attributePage(QVector<plat::FakeSmartIo::Attribute>(30, { 5 }))
            << limits;
        for (quint32 seed = 1; seed <= 30; ++seed) {
            Mangler m(seed);
            QTest::addRow("noise %u", seed)
                << m.noise(m.below(700)) << m.noise(m.below(700)) << m.noise(m.below(700));
        }
    }

    void smartPages()
    {
        QFETCH(QByteArray, identify);
        QFETCH(QByteArray, attributes);
        QFETCH(QByteArray, thresholds);

        auto io = std::make_shared<plat::FakeSmartIo>();
        plat::FakeSmartIo::Drive drive;
        drive.identify = identify;
        drive.attributes = attributes;
        drive.thresholds = thresholds;
        io->setDrive(0, drive);
        SmartReader reader(io);
        reader.buildSmartAttributeTable();
        reader.resetSmartData();
        QCOMPARE(reader.readDriveSmart(0), 1);
        QCOMPARE(io->openHandles(), 0);

        const SmartReader::DriveRecord &record = reader.drive(0);
        QVERIFY(record.readingCount <= SmartReader::MaxReadings);
        for (int i = 0; i < record.readingCount; ++i) {
            const SmartReader::Reading &r = record.readings.at(size_t(i));
            QVERIFY(r.attributeId != 0);
            const SmartReader::Reading *found
                = reader.reading(SmartReader::readingKey(0, r.attributeId));
            QVERIFY(found);
            QVERIFY(found->threshold == SmartReader::NoThreshold || found->threshold <= 0xFF);
        }
        QVERIFY(reader.model(0).size() <= 40);
        QVERIFY(reader.serialNumber(0).size() <= 20);
        QVERIFY(reader.firmwareRevision(0).size() <= 8);
    }
};

QTEST_GUILESS_MAIN(TestParsersRobust)
#include "tst_parsers_robust.moc"
