#include "tst_linuxsources_hw.h"

#include "fixturetree.h"
#include "platform/disks.h"
#include "platform/dmi.h"
#include "platform/fakes/fakeplatform.h"
#include "platform/linuxprovider.h"
#include "platform/localeids.h"
#include "platform/pciids.h"
#include "platform/wmischema.h"
#include "platformtree.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QString fixture(const QString &tree)
{
    return QFileInfo(fixtureTree(tree)).canonicalFilePath();
}

QVector<wmi::Object> query(const QString &tree, const QString &cls)
{
    return plat::LinuxProvider::sourceFor(cls)(plat::SysRoot(fixture(tree)));
}

// Every field, so a value of the wrong type shows as well as a wrong value.
QString describe(const wmi::VARIANT &v)
{
    return QStringLiteral("vt %1 \"%2\" i4 %3 bool %4 r8 %5")
        .arg(v.vt)
        .arg(v.bstrVal)
        .arg(v.lVal)
        .arg(v.boolVal)
        .arg(v.dblVal, 0, 'f', 4);
}

// Compares each named property of `o` with its expected value.
void expect(const wmi::Object &o, const Values &values)
{
    for (const auto &v : values)
        QCOMPARE(v.first + QLatin1Char(' ') + describe(o.value(v.first)),
                 v.first + QLatin1Char(' ') + describe(v.second));
}

void write(const QTemporaryDir &dir, const QString &path, const QByteArray &data)
{
    QVERIFY(writeTreeFile(dir.path() + path, data));
}

// A partition folder of `disk` (a sysfs path), 1024 sectors long.
void writePartition(const QTemporaryDir &dir, const QString &disk, const QString &name,
                    const QByteArray &number, const QByteArray &start)
{
    QVERIFY(writeTreeFiles(dir.path() + disk + QLatin1Char('/') + name,
                           { "/partition", number, "/start", start, "/size", "1024" }));
}

// The desktop fixture's raw SMBIOS table.
QByteArray desktopDmi()
{
    QFile blob(fixture(QStringLiteral("desktop")) + QStringLiteral("/sys/firmware/dmi/tables/DMI"));
    return blob.open(QIODevice::ReadOnly) ? blob.readAll() : QByteArray();
}

// Type, primary flag and boot flag of each partition, in order; the first one is bootable.
void expectPartitions(const QVector<wmi::Object> &partitions, const QStringList &types,
                      int primaries)
{
    QCOMPARE(partitions.size(), types.size());
    for (int i = 0; i < types.size(); ++i)
        expect(partitions.at(i),
               { { "Type", wmi::bstr(types.at(i)) },
                 { "PrimaryPartition", B(i < primaries) },
                 { "Bootable", B(i == 0) } });
}

// A memory device structure (type 17) with the size word and the extended size dword.
QByteArray memoryDevice(quint16 size, quint32 extended)
{
    QByteArray s(0x22, '\0');
    s[0] = char(17);
    s[1] = char(0x22);
    s.replace(0x0C, 2, le(size, 2));
    s.replace(0x1C, 4, le(extended, 4));
    return s + QByteArray(2, '\0');
}

} // namespace

// Hardware sources of the platform layer on the fixture trees and on small trees made here.
class TestLinuxSourcesHw : public QObject
{
    Q_OBJECT

private slots:
    void properties_data() { addPropertyRows(); }

    void properties()
    {
        QFETCH(QString, tree);
        QFETCH(QString, cls);
        QFETCH(int, index);
        QFETCH(QString, property);
        QFETCH(wmi::VARIANT, expected);
        const QVector<wmi::Object> objects = query(tree, cls);
        QVERIFY2(index < objects.size(),
                 qPrintable(QStringLiteral("%1 objects").arg(objects.size())));
        QCOMPARE(describe(objects.at(index).value(property)), describe(expected));
    }

    void everySchemaPropertyPresent_data()
    {
        QTest::addColumn<QString>("tree");
        QTest::addColumn<QString>("cls");
        QTest::addColumn<int>("count");
        const struct
        {
            const char *cls;
            int desktop, vm;
        } counts[] = { { "Win32_OperatingSystem", 1, 1 },     { "Win32_Processor", 1, 1 },
                       { "Win32_VideoController", 3, 0 },     { "Win32_PhysicalMemory", 2, 0 },
                       { "Win32_PhysicalMemoryArray", 1, 1 }, { "Win32_DiskDrive", 3, 1 },
                       { "Win32_DiskPartition", 8, 0 },       { "Win32_CDROMDrive", 2, 0 },
                       { "Win32_BaseBoard", 1, 1 },           { "Win32_BIOS", 1, 1 } };
        for (const auto &c : counts) {
            QTest::addRow("desktop %s", c.cls)
                << "desktop" << QString::fromLatin1(c.cls) << c.desktop;
            QTest::addRow("vm %s", c.cls) << "vm" << QString::fromLatin1(c.cls) << c.vm;
        }
    }

    // The count of objects, each with every property of its class and no other.
    void everySchemaPropertyPresent()
    {
        QFETCH(QString, tree);
        QFETCH(QString, cls);
        QFETCH(int, count);
        const wmi::ClassSchema *schema = wmi::classSchema(cls);
        QVERIFY(schema);
        const QVector<wmi::Object> objects = query(tree, cls);
        QCOMPARE(objects.size(), count);
        for (const wmi::Object &o : objects) {
            for (const QString &property : schema->properties) {
                QVERIFY2(o.contains(property), qPrintable(property + QStringLiteral(" missing")));
                QVERIFY2(wmi::valueMatchesSchema(*schema, property, o.value(property)),
                         qPrintable(property + QLatin1Char(' ') + describe(o.value(property))));
            }
            for (auto it = o.constBegin(); it != o.constEnd(); ++it) {
                QVERIFY2(schema->has(it.key()),
                         qPrintable(it.key() + QStringLiteral(" not in the class")));
                // No Windows folder placeholders may leave the layer.
                QVERIFY(!it.value().bstrVal.contains(QLatin1Char('%')));
            }
        }
    }

    void dates()
    {
        const wmi::Object os
            = query(QStringLiteral("desktop"), QStringLiteral("Win32_OperatingSystem")).first();
        QDateTime boot;
        QVERIFY(wmi::wmiDateToLocal(os.value(QStringLiteral("LastBootUpTime")).bstrVal, &boot));
        QCOMPARE(boot.toSecsSinceEpoch(), qint64(1733472000));
        // The fixture's birth time depends on the checkout: a valid date or NULL, never epoch 0.
        const wmi::VARIANT install = os.value(QStringLiteral("InstallDate"));
        if (install.vt == wmi::VT_BSTR) {
            QDateTime when;
            QVERIFY(wmi::wmiDateToLocal(install.bstrVal, &when));
            QVERIFY(when.toSecsSinceEpoch() > 0);
        } else {
            QCOMPARE(install.vt, quint16(wmi::VT_NULL));
        }
        const auto gpus = query(QStringLiteral("desktop"), QStringLiteral("Win32_VideoController"));
        const QString modules
            = fixture(QStringLiteral("desktop")) + QStringLiteral("/lib/modules/6.8.0-45-generic/");
        QDateTime when; // the module file's time
        QVERIFY(wmi::wmiDateToLocal(gpus.at(1).value(QStringLiteral("DriverDate")).bstrVal, &when));
        QCOMPARE(when.toSecsSinceEpoch(),
                 QFileInfo(modules + QStringLiteral("updates/dkms/nvidia.ko.zst"))
                     .lastModified()
                     .toSecsSinceEpoch());
    }

    void screenFigures_data()
    {
        QTest::addColumn<int>("depth");
        QTest::addColumn<int>("refresh");
        QTest::addColumn<wmi::VARIANT>("bpp");
        QTest::addColumn<wmi::VARIANT>("hz");
        QTest::newRow("screen known") << 24 << 144 << wmi::i4(24) << wmi::i4(144);
        QTest::newRow("screen unknown: framebuffer depth") << 0 << 0 << wmi::i4(32) << wmi::null();
    }

    void screenFigures()
    {
        QFETCH(int, depth);
        QFETCH(int, refresh);
        QFETCH(wmi::VARIANT, bpp);
        QFETCH(wmi::VARIANT, hz);
        auto screen = std::make_shared<plat::FakeScreenInfo>();
        screen->bitsPerPixel = depth;
        screen->refresh = refresh;
        auto set = std::make_shared<plat::Platform>();
        set->screenInfo = screen;
        plat::ScopedPlatform scope(set);
        const auto gpus = query(QStringLiteral("desktop"), QStringLiteral("Win32_VideoController"));
        QCOMPARE(gpus.size(), 3);
        // Only the adapter with a connected monitor shows the screen's figures.
        for (int i : { 0, 1, 2 })
            expect(gpus.at(i),
                   { { "CurrentBitsPerPixel", i == 1 ? bpp : N },
                     { "CurrentRefreshRate", i == 1 ? hz : N } });
    }

    void smbiosTable()
    {
        const plat::dmi::Table table = plat::dmi::Table::parse(desktopDmi());
        QList<int> types;
        for (const auto &s : table.structures())
            types.append(s.type);
        QCOMPARE(types, (QList<int> { 0, 1, 2, 4, 13, 16, 17, 17, 17, 17, 127 }));

        const plat::dmi::Structure *cpu = table.first(4);
        QCOMPARE(*cpu->word(0x14), quint16(4850));
        QVERIFY(!cpu->byte(0x28)); // beyond the formatted area
        const plat::dmi::Structure *array = table.first(16);
        QCOMPARE(array->strings.size(), 0); // no strings: just the double NUL
        const auto modules = table.ofType(17);
        QCOMPARE(modules.at(0)->string(0x10).value_or(QString()), QStringLiteral("DIMM_A1"));
        // String number 0 means "none"; a number past the set is no string either.
        QVERIFY(!modules.at(1)->string(0x2B)); // string number 0: none
        QVERIFY(!table.first(16)->string(0x04)); // number 3 in a structure without strings
    }

    // Tables made here: memory sizes (the KB unit bit, the extended size without its bit 31) and
    // damaged tables, read as far as they hold.
    void smbiosRawTables_data()
    {
        QTest::addColumn<QByteArray>("raw");
        QTest::addColumn<int>("structures");
        QTest::addColumn<qint64>("bytes"); // of the memory device; -1: unknown
        const QByteArray good = memoryDevice(1024, 0);
        QTest::newRow("empty slot") << memoryDevice(0, 0) << 1 << qint64(0);
        QTest::newRow("KB unit bit") << memoryDevice(0x8000 | 512, 0) << 1 << qint64(512 * 1024);
        QTest::newRow("extended size ignores bit 31")
            << memoryDevice(0x7FFF, 0x80000000u | 1024u) << 1 << (qint64(1) << 30);
        QTest::newRow("unknown") << memoryDevice(0xFFFF, 0) << 1 << qint64(-1);
        QTest::newRow("formatted area past the end") << good.left(0x10) << 0 << qint64(0);
        QTest::newRow("string set without its end")
            << (good + memoryDevice(1, 0)).left(good.size() + 0x22 + 1) << 1 << (qint64(1) << 30);
        QTest::newRow("strings then end of table")
            << (QByteArray::fromHex("0005010002") + QByteArray("abc\0de\0\0", 8)
                + QByteArray::fromHex("7f04ffff0000"))
            << 2 << qint64(0);
    }

    void smbiosRawTables()
    {
        QFETCH(QByteArray, raw);
        QFETCH(int, structures);
        const plat::dmi::Table table = plat::dmi::Table::parse(raw);
        QCOMPARE(table.structures().size(), structures);
        if (const plat::dmi::Structure *memory = table.first(17)) {
            const auto size = plat::dmi::memoryDeviceSize(*memory);
            QTEST(size ? qint64(*size) : qint64(-1), "bytes");
        }
        if (structures == 2) {
            QCOMPARE(table.first(0)->string(0x04).value_or(QString()), QStringLiteral("de"));
            QCOMPARE(table.first(0)->strings.size(), 2);
        }
    }

    void boardFromTableWithoutSysfsStrings()
    {
        // A kernel without the dmi/id folder: the same answers come from the raw table.
        QTemporaryDir dir;
        write(dir, QStringLiteral("/sys/firmware/dmi/tables/DMI"), desktopDmi());
        const plat::SysRoot root(dir.path());
        expect(plat::sources::baseBoard(root).first(),
               { { "Manufacturer", S("ASUSTeK COMPUTER INC.") },
                 { "SerialNumber", S("210587212400123") } });
        expect(plat::sources::bios(root).first(),
               { { "Caption", S("4201") },
                 { "ReleaseDate", S("20230906000000.000000+000") },
                 { "SerialNumber", S("System Serial Number") } });
    }

    void tableFromEntries()
    {
        // Without tables/DMI: the kernel's per-structure copies, in type and instance order.
        QTemporaryDir dir;
        for (int instance : { 0, 1, 2, 10 }) {
            QByteArray s = memoryDevice(1024, 0);
            s.chop(2);
            s[0x10] = char(1); // the locator is string 1
            s += QStringLiteral("DIMM%1").arg(instance).toLatin1() + QByteArray(2, '\0');
            write(dir, QStringLiteral("/sys/firmware/dmi/entries/17-%1/raw").arg(instance), s);
        }
        write(dir, QStringLiteral("/sys/firmware/dmi/entries/127-0/raw"),
              QByteArray::fromHex("7f04ffff0000"));
        const auto modules = plat::sources::physicalMemory(plat::SysRoot(dir.path()));
        QStringList locators;
        for (const wmi::Object &m : modules)
            locators << m.value(QStringLiteral("DeviceLocator")).bstrVal;
        QCOMPARE(locators, (QStringList { "DIMM0", "DIMM1", "DIMM2", "DIMM10" }));
        QCOMPARE(modules.first().value(QStringLiteral("Speed")).vt,
                 quint16(wmi::VT_NULL)); // 0: unknown
    }

    // Names from the fixture's id lists, and from lists made here: damaged lines are passed over,
    // the entries around them still read, with Windows line ends and without a last line end; a
    // first line that is no vendor ends the list.
    void idNames_data()
    {
        QTest::addColumn<QByteArray>("list"); // pci.ids; empty: the desktop fixture's lists
        QTest::addColumn<bool>("usb");
        QTest::addColumn<int>("vendor");
        QTest::addColumn<int>("device"); // -1: the vendor's name
        QTest::addColumn<int>("subsystem"); // vendor and device in one number; -1: none
        QTest::addColumn<QString>("name");
        const QByteArray damaged("# list\n\t1111  Orphan\n10de  NVIDIA Corporation\r\n\tzz84  Bad\n"
                                 "\t12\n\t2684  AD102\n\t\t10de 167c  Founders Edition\n"
                                 "\t\t10430001  Glued\n\n1002 AMD\n\t73bf  Navi 21");
        const auto row = [](const char *tag, const QByteArray &list, bool usb, int vendor,
                            int device, int subsystem, const char *name) {
            QTest::newRow(tag) << list << usb << vendor << device << subsystem << QString(name);
        };
        row("vendor", {}, false, 0x10de, -1, -1, "NVIDIA Corporation");
        row("last vendor before the classes", {}, false, 0xffff, -1, -1, "Illegal Vendor ID");
        row("class lines are no vendors", {}, false, 0x0003, -1, -1, "");
        row("device of another vendor", {}, false, 0x10de, 0x1042, -1, "");
        row("usb vendor", {}, true, 0x046d, -1, -1, "Logitech, Inc.");
        row("usb product", {}, true, 0x0781, 0x5581, -1, "Ultra");
        row("usb unknown product", {}, true, 0x0781, 0x0001, -1, "");
        row("vendor with CR LF", damaged, false, 0x10de, -1, -1, "NVIDIA Corporation");
        row("device before any vendor", damaged, false, 0x0000, 0x1111, -1, "");
        row("device after a bad one", damaged, false, 0x10de, 0x2684, -1, "AD102");
        row("short device line", damaged, false, 0x10de, 0x0012, -1, "");
        row("subsystem with its device", damaged, false, 0x10de, 0x2684, 0x10de167c,
            "AD102 (Founders Edition)");
        row("subsystem without separator", damaged, false, 0x10de, 0x2684, 0x10430001, "AD102");
        row("vendor with one space", damaged, false, 0x1002, -1, -1, "AMD");
        row("no last line end", damaged, false, 0x1002, 0x73bf, -1, "Navi 21");
        row("first line no vendor", "C 03  Display\n8086  Intel\n", false, 0x8086, -1, -1, "");
    }

    void idNames()
    {
        QFETCH(QByteArray, list);
        QFETCH(bool, usb);
        QFETCH(int, vendor);
        QFETCH(int, device);
        QFETCH(int, subsystem);
        QTemporaryDir dir;
        if (!list.isEmpty())
            write(dir, QStringLiteral("/usr/share/misc/pci.ids"), list);
        const plat::SysRoot root(list.isEmpty() ? fixture(QStringLiteral("desktop")) : dir.path());
        const quint16 v = quint16(vendor), d = quint16(device);
        if (usb)
            QTEST(device < 0 ? plat::ids::usbVendorName(root, v)
                             : plat::ids::usbProductName(root, v, d),
                  "name");
        else if (device < 0)
            QTEST(plat::ids::pciVendorName(root, v), "name");
        else if (subsystem < 0)
            QTEST(plat::ids::pciDeviceName(root, v, d), "name");
        else
            QTEST(plat::ids::pciModelName(root, v, d, quint16(subsystem >> 16), quint16(subsystem)),
                  "name");
    }

    void localeIds_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("lcid");
        QTest::newRow("de_AT with modifier") << "de_AT.UTF-8@euro" << 3079;
        QTest::newRow("unknown") << "xx_YY.UTF-8" << 0;
        // Languages written in several scripts: the modifier picks the script, else the default.
        QTest::newRow("sr_RS") << "sr_RS.UTF-8" << 10266;
        QTest::newRow("sr_RS@latin") << "sr_RS.UTF-8@latin" << 9242;
        QTest::newRow("sr_RS@latin, no code set") << "sr_RS@latin" << 9242;
        QTest::newRow("uz_UZ") << "uz_UZ.UTF-8" << 1091;
        QTest::newRow("tg_TJ, one script") << "tg_TJ.UTF-8" << 1064;
        QTest::newRow("ca_ES@valencia") << "ca_ES.UTF-8@valencia" << 2051;
        QTest::newRow("be_BY@latin, no such script") << "be_BY.UTF-8@latin" << 1059;
        QTest::newRow("unknown script modifier") << "xx_YY.UTF-8@latin" << 0;
    }

    void localeIds()
    {
        QFETCH(QString, name);
        QFETCH(int, lcid);
        QCOMPARE(plat::lcidForLocaleName(name), lcid);
    }

    void diskIndex_data()
    {
        QTest::addColumn<QString>("tree");
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("device");
        QTest::newRow("desktop 2") << "desktop" << 2 << "/dev/sdb";
        QTest::newRow("desktop 3: sdc has no medium") << "desktop" << 3 << "";
        QTest::newRow("negative") << "desktop" << -1 << "";
        QTest::newRow("vm 0") << "vm" << 0 << "/dev/vda";
        QTest::newRow("vm 1: zram and loop are no disks") << "vm" << 1 << "";
    }

    void diskIndex()
    {
        QFETCH(QString, tree);
        QFETCH(int, index);
        QFETCH(QString, device);
        const plat::SysRoot root(fixture(tree));
        QCOMPARE(plat::diskDeviceForIndex(root, index), device);
        if (tree == QLatin1String("desktop"))
            QCOMPARE(plat::diskDeviceNames(root), (QStringList { "nvme0n1", "sda", "sdb" }));
    }

    void partitionsFromGptOnDevice()
    {
        QTemporaryDir dir;
        const QString disk = QStringLiteral(
            "/sys/devices/pci0000:00/0000:00:17.0/ata1/host0/target0:0:0/0:0:0:0/block/sdz");
        QVERIFY(writeTreeFiles(
            dir.path() + disk,
            { "/size", "1000000\n", "/dev", "8:0\n", "/queue/logical_block_size", "512\n" }));
        writePartition(dir, disk, QStringLiteral("sdz1"), "1", "34");
        writePartition(dir, disk, QStringLiteral("sdz2"), "2", "2048");
        writePartition(dir, disk, QStringLiteral("sdz4"), "4", "4096");
        QVERIFY(QDir().mkpath(dir.path() + QStringLiteral("/sys/block")));
        QVERIFY(QFile::link(
            QStringLiteral(
                "../devices/pci0000:00/0000:00:17.0/ata1/host0/target0:0:0/0:0:0:0/block/sdz"),
            dir.path() + QStringLiteral("/sys/block/sdz")));
        // Protective MBR, GPT header at LBA 1, four 128-byte entries at LBA 2.
        QByteArray image = gptImage(2, 4, 128, 512 * 3 + 128);
        image.replace(1024, 16, QByteArray::fromHex("28732ac11ff8d211ba4b00a0c93ec93b")); // ESP
        image.replace(1024 + 128, 16,
                      QByteArray::fromHex("a2a0d0ebe5b9334487c068b6b72699c7")); // basic data
        image.replace(1024 + 384, 16, QByteArray::fromHex("00112233445566778899aabbccddeeff"));
        write(dir, QStringLiteral("/dev/sdz"), image);

        const auto partitions = plat::sources::diskPartitions(plat::SysRoot(dir.path()));
        expectPartitions(partitions, { "GPT: System", "GPT: Basic Data", "GPT: Unknown" }, 3);
        expect(partitions.at(2), { { "Caption", S("Disk #0, Partition #2") } });
    }

    // Two primary entries (the second an extended one past the first 2^24 sectors: the image is
    // sparse) and a logical partition in its boot record; the fixture's sdb has one near the start.
    void partitionsFromMbrOnDevice()
    {
        const quint32 extendedStart = 0x01000800u;
        QTemporaryDir dir;
        const QString disk = QStringLiteral("/sys/block/sdy");
        QVERIFY(writeTreeFiles(dir.path() + disk,
                               { "/size", "100000000\n", "/queue/logical_block_size", "512\n" }));
        for (const char *n : { "1", "2", "5" })
            writePartition(dir, disk, QStringLiteral("sdy") + QLatin1String(n), n, "2048");
        QByteArray mbr(512, '\0');
        setMbrEntry(mbr, 0, 0x80, 0x83, 2048);
        setMbrEntry(mbr, 1, 0, 0x05, extendedStart);
        QByteArray ebr(512, '\0');
        setMbrEntry(ebr, 0, 0, 0x83, 2048);
        write(dir, QStringLiteral("/dev/sdy"), mbr);
        QFile image(dir.path() + QStringLiteral("/dev/sdy"));
        QVERIFY(image.open(QIODevice::ReadWrite));
        QVERIFY(image.seek(qint64(extendedStart) * 512));
        QCOMPARE(image.write(ebr), qint64(512));
        image.close();

        expectPartitions(plat::sources::diskPartitions(plat::SysRoot(dir.path())),
                         { "Linux native", "Extended", "Linux native" }, 2);
    }

    void ataDiskWithoutUdevRecord()
    {
        // sysfs cuts the model to 16 characters; the IDENTIFY copy in VPD page 0x89 has it whole.
        QTemporaryDir dir;
        const QString scsi
            = QStringLiteral("/sys/devices/pci0000:00/0000:00:17.0/ata2/host1/target1:0:0/1:0:0:0");
        QVERIFY(writeTreeFiles(dir.path() + scsi,
                               { "/vendor", "ATA     \n", "/model", "WDC WD40EFRX-68N\n",
                                 "/block/sdq/size", "7814037168\n", "/block/sdq/dev", "65:0\n" }));
        QByteArray identify(60 + 512, '\0');
        QByteArray model = QByteArray("WDC WD40EFRX-68N32N0").leftJustified(40, ' ');
        for (int i = 0; i < model.size(); i += 2)
            identify.replace(60 + 54 + i, 2, QByteArray() + model.at(i + 1) + model.at(i));
        write(dir, scsi + QStringLiteral("/vpd_pg89"), identify);
        write(dir, scsi + QStringLiteral("/vpd_pg80"),
              QByteArray("\x00\x80\x00\x0c", 4) + "  WD-WCC7K1234");
        QVERIFY(QDir().mkpath(dir.path() + QStringLiteral("/sys/block")));
        QVERIFY(QFile::link(QStringLiteral("..") + scsi.mid(4) + QStringLiteral("/block/sdq"),
                            dir.path() + QStringLiteral("/sys/block/sdq")));
        QVERIFY(QFile::link(QStringLiteral("../../../1:0:0:0"),
                            dir.path() + scsi + QStringLiteral("/block/sdq/device")));
        const auto drives = plat::sources::diskDrives(plat::SysRoot(dir.path()));
        QCOMPARE(drives.size(), 1);
        // The serial page's length byte counts, not the file size.
        expect(drives.first(),
               { { "Caption", S("WDC WD40EFRX-68N32N0") },
                 { "SerialNumber", S("WD-WCC7K12") },
                 { "Size", S("4000787030016") },
                 { "BytesPerSector", N } });
    }

    void memoryFromUdevRecord()
    {
        // No raw table (not root): udev's copy of the same fields.
        QTemporaryDir dir;
        write(dir, QStringLiteral("/run/udev/data/+dmi:id"),
              "E:MEMORY_ARRAY_NUM_DEVICES=3\n"
              "E:MEMORY_DEVICE_0_PRESENT=0\nE:MEMORY_DEVICE_0_LOCATOR=ChannelA-DIMM0\n"
              "E:MEMORY_DEVICE_1_SIZE=8589934592\nE:MEMORY_DEVICE_1_FORM_FACTOR=SODIMM\n"
              "E:MEMORY_DEVICE_1_TYPE=DDR4\nE:MEMORY_DEVICE_1_TYPE_DETAIL=Synchronous Unbuffered "
              "(Unregistered)\n"
              "E:MEMORY_DEVICE_1_SPEED_MTS=3200\nE:MEMORY_DEVICE_1_MANUFACTURER=Samsung\n"
              "E:MEMORY_DEVICE_1_PART_NUMBER=M471A1K43DB1-CWE    "
              "\nE:MEMORY_DEVICE_1_SERIAL_NUMBER=41B1C2D3\n"
              "E:MEMORY_DEVICE_1_LOCATOR=ChannelB-DIMM0\nE:MEMORY_DEVICE_1_BANK_LOCATOR=BANK 2\n"
              "E:MEMORY_DEVICE_1_DATA_WIDTH=64\n"
              "E:MEMORY_DEVICE_2_SIZE=17179869184\nE:MEMORY_DEVICE_2_FORM_FACTOR=DIMM\n"
              "E:MEMORY_DEVICE_2_TYPE=DDR5\nE:MEMORY_DEVICE_2_LOCATOR=DIMM2\n");
        const plat::SysRoot root(dir.path());
        const auto modules = plat::sources::physicalMemory(root);
        QCOMPARE(modules.size(), 2);
        expect(modules.at(0),
               { { "Tag", S("Physical Memory 0") },
                 { "Capacity", S("8589934592") },
                 { "FormFactor", I(12) }, // SODIMM
                 { "MemoryType", I(26) },
                 { "TypeDetail", I(16512) },
                 { "Speed", I(3200) },
                 { "PartNumber", S("M471A1K43DB1-CWE") },
                 { "BankLabel", S("BANK 2") },
                 { "DataWidth", I(64) } });
        // DDR5: CIM has no type for it.
        expect(modules.at(1),
               { { "MemoryType", I(0) },
                 { "FormFactor", I(8) },
                 { "Manufacturer", N },
                 { "TypeDetail", N } });
        const auto array = plat::sources::physicalMemoryArray(root);
        QCOMPARE(array.size(), 1);
        expect(array.first(), { { "MemoryDevices", I(3) } });
    }

    void cpuinfoLayouts_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<QByteArray>("cpuinfo");
        QTest::addColumn<Values>("values"); // of the last processor
        QByteArray xeon; // two packages of two cores
        for (int cpu = 0; cpu < 4; ++cpu)
            xeon += QStringLiteral(
                        "processor\t: %1\nvendor_id\t: GenuineIntel\nmodel name\t: Intel(R) "
                        "Xeon(R) Gold 6130 CPU @ 2.10GHz\ncpu MHz\t\t: 2100.000\n"
                        "physical id\t: %2\ncore id\t\t: %3\ncpu cores\t: 2\n\n")
                        .arg(cpu)
                        .arg(cpu / 2)
                        .arg(cpu % 2)
                        .toUtf8();
        QTest::newRow("two packages") << 2 << xeon
                                      << Values { { "DeviceID", S("CPU1") },
                                                  { "NumberOfLogicalProcessors", I(2) },
                                                  { "NumberOfCores", I(2) } };
        // A uniprocessor ARMv6 kernel writes no "processor" line: still one processor, named once.
        // No kernel machine name and no x86 flags: the bitness is unknown.
        QTest::newRow("ARMv6")
            << 1
            << QByteArray(
                   "Processor\t: ARMv6-compatible processor rev 7 (v6l)\nBogoMIPS\t: 697.95\n"
                   "CPU implementer\t: 0x41\nCPU architecture: 7\nCPU variant\t: 0x0\n"
                   "CPU part\t: 0xb76\nCPU revision\t: 7\n\nHardware\t: BCM2708\n")
            << Values { { "Name", S("ARMv6-compatible processor rev 7 (v6l)") },
                        { "NumberOfLogicalProcessors", I(1) },
                        { "Manufacturer", S("ARM") },
                        { "AddressWidth", N } };
        QTest::newRow("MIPS") << 1
                              << QByteArray("system type\t: MediaTek MT7621 ver:1 eco:3\n"
                                            "machine\t\t: Ubiquiti EdgeRouter X\nprocessor\t: 0\n"
                                            "cpu model\t: MIPS 1004Kc V2.15\nBogoMIPS\t: 586.13\n")
                              << Values { { "Name", S("MIPS 1004Kc V2.15") },
                                          { "CurrentClockSpeed", N },
                                          { "Description", N } };
        QTest::newRow("LoongArch")
            << 1
            << QByteArray("system type\t: generic-loongson-machine\n\n"
                          "processor\t: 0\npackage\t\t: 0\ncore\t\t: 0\n"
                          "CPU Family\t: Loongson-64bit\n"
                          "Model Name\t: Loongson-3A6000\nCPU MHz\t\t: 2500.00\n")
            << Values { { "Name", S("Loongson-3A6000") },
                        { "CurrentClockSpeed", I(2500) },
                        { "Description", N } };
        // No core ids and no topology folders: the count cpuinfo states.
        QTest::newRow("x86 without core ids")
            << 1 << QByteArray("processor\t: 0\ncpu cores\t: 4\n\nprocessor\t: 1\ncpu cores\t: 4\n")
            << Values { { "NumberOfLogicalProcessors", I(2) }, { "NumberOfCores", I(4) } };
        QTest::newRow("RISC-V") << 1
                                << QByteArray("processor\t: 0\nhart\t\t: 1\n"
                                              "isa\t\t: rv64imafdc_zicntr_zicsr_zifencei_zihpm\n"
                                              "mmu\t\t: sv39\nuarch\t\t: sifive,u74-mc\n")
                                << Values { { "Name", S("sifive,u74-mc") },
                                            { "CurrentClockSpeed", N },
                                            { "Description",
                                              S("rv64imafdc_zicntr_zicsr_zifencei_zihpm") } };
    }

    void cpuinfoLayouts()
    {
        QFETCH(QByteArray, cpuinfo);
        QFETCH(Values, values);
        QTemporaryDir dir;
        write(dir, QStringLiteral("/proc/cpuinfo"), cpuinfo);
        const auto cpus = plat::sources::processors(plat::SysRoot(dir.path()));
        QTEST(int(cpus.size()), "count");
        expect(cpus.last(), values);
    }

    // The NVIDIA driver's version file, and EDID range limits with the "+255" offsets of byte 4
    // (high refresh monitors).
    void videoDriverVersionAndRefreshOffsets()
    {
        QTemporaryDir dir;
        const QString nv = QStringLiteral("/sys/bus/pci/devices/0000:01:00.0");
        const QString amd = QStringLiteral("/sys/bus/pci/devices/0000:03:00.0");
        QVERIFY(writeTreeFiles(dir.path(),
                               { nv + "/vendor", "0x10de\n", nv + "/device", "0x2684\n",
                                 nv + "/class", "0x030000\n", amd + "/vendor", "0x1002\n",
                                 amd + "/device", "0x73bf\n", amd + "/class", "0x038000\n",
                                 amd + "/drm/card0/card0-DP-1/status", "connected\n" }));
        QVERIFY(QDir().mkpath(dir.path() + QStringLiteral("/sys/bus/pci/drivers/nvidia")));
        QVERIFY(QFile::link(dir.path() + QStringLiteral("/sys/bus/pci/drivers/nvidia"),
                            dir.path() + nv + QStringLiteral("/driver")));
        write(dir, QStringLiteral("/proc/driver/nvidia/version"),
              "NVRM version: NVIDIA UNIX x86_64 Kernel Module  535.183.01  Sun May 12 19:39:15 UTC "
              "2024\n"
              "GCC version:  gcc version 12.2.0 (Debian 12.2.0-14)\n");
        QByteArray edid(128, '\0');
        edid.replace(0, 8, QByteArray::fromHex("00ffffffffffff00"));
        edid.replace(54, 18,
                     QByteArray::fromHex("000000fd030a2d1ea03c000a202020202020")); // both +255
        write(dir, amd + QStringLiteral("/drm/card0/card0-DP-1/edid"), edid);
        const auto gpus = plat::sources::videoControllers(plat::SysRoot(dir.path()));
        QCOMPARE(gpus.size(), 2);
        expect(
            gpus.at(0),
            { { "DriverVersion", S("535.183.01") }, { "DriverDate", N }, { "Status", S("OK") } });
        expect(gpus.at(1),
               { { "MinRefreshRate", I(10 + 255) },
                 { "MaxRefreshRate", I(45 + 255) },
                 { "VideoArchitecture", I(2) },
                 { "Caption", S("PCI 1002:73bf") } });
    }
};

QTEST_GUILESS_MAIN(TestLinuxSourcesHw)
#include "tst_linuxsources_hw.moc"
