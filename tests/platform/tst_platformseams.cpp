#include "platform/fakes/fakeplatform.h"
#include "platform/platform.h"
#include "platformtree.h"

#include <QGuiApplication>
#include <QTemporaryDir>
#include <QtTest>

#include <dlfcn.h>

using namespace plat;

namespace {

const QString kSecureBootGuid = "{8be4df61-93ca-11d2-aa0d-00e098032b8c}";

} // namespace

class TestPlatformSeams : public QObject
{
    Q_OBJECT

private slots:
    void firmware_data()
    {
        QTest::addColumn<bool>("efi");
        QTest::addColumn<QByteArray>("file"); // efivarfs content; empty = no file
        QTest::addColumn<QString>("name");
        QTest::addColumn<quint32>("bytes");
        QTest::addColumn<quint32>("error");
        const QByteArray on = QByteArray::fromHex("0600000001");
        QTest::newRow("legacy secure boot") << false << on << "SecureBoot" << 0u << 1u;
        QTest::newRow("uefi probe") << true << QByteArray() << "" << 0u << 998u;
        QTest::newRow("secure boot on") << true << on << "SecureBoot" << 1u << 0u;
        QTest::newRow("no variable") << true << QByteArray() << "SecureBoot" << 0u << 203u;
        QTest::newRow("attributes only")
            << true << QByteArray::fromHex("06000000") << "SecureBoot" << 0u << 203u;
        QTest::newRow("too small")
            << true << QByteArray::fromHex("060000000102030405") << "SecureBoot" << 0u << 122u;
    }
    void firmware()
    {
        QFETCH(bool, efi);
        QFETCH(QByteArray, file);
        QFETCH(QString, name);
        QFETCH(quint32, bytes);
        QFETCH(quint32, error);
        QTemporaryDir dir;
        const QString vars = dir.path() + "/sys/firmware/efi/efivars/";
        if (efi)
            QVERIFY(QDir().mkpath(vars));
        if (efi && !file.isEmpty())
            QVERIFY(writeTreeFile(vars + "SecureBoot-" + kSecureBootGuid.mid(1, 36), file));
        LinuxFirmware fw { SysRoot(dir.path()) };
        QByteArray buffer;
        quint32 lastError = 12345;
        // The probe asks for nothing with an empty name and a zero GUID.
        const QString guid
            = name.isEmpty() ? "{00000000-0000-0000-0000-000000000000}" : kSecureBootGuid;
        QCOMPARE(fw.getVariable(name, guid, &buffer, name.isEmpty() ? 0 : 4, &lastError), bytes);
        if (bytes == 0)
            QCOMPARE(lastError, error);
        else
            QCOMPARE(buffer, file.mid(4));
    }

    void memoryBlocks()
    {
        QTemporaryDir dir;
        const QString base = dir.path() + "/sys/devices/system/memory";
        QVERIFY(writeTreeFiles(base,
                               { "/block_size_bytes", "8000000\n", "/memory0/online", "1\n",
                                 "/memory1/online", "1\n", "/memory2/online", "0\n",
                                 "/memory3/state", "online\n" }));
        QVERIFY(writeTreeFile(dir.path() + "/proc/meminfo",
                              "MemTotal:       24682404 kB\nMemFree: 1 kB\n"));
        LinuxMemoryInfo memory { SysRoot(dir.path()) };
        QCOMPARE(memory.installedKb().value_or(0), 3ull * 128 * 1024);
        QCOMPARE(memory.totalPhysBytes().value_or(0), 24682404ull * 1024);

        QTemporaryDir empty;
        LinuxMemoryInfo none { SysRoot(empty.path()) };
        QVERIFY(!none.installedKb());
        QVERIFY(!none.totalPhysBytes());
    }

    void fileVersions_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("fixed");
        const auto row = [](const char *name, const char *path, const char *text, bool fixed) {
            QTest::newRow(name) << path << text << fixed;
        };
        row("dash in file name", "/lib/modules/6.1.0-9-amd64/kernel/fs/fuse-x.ko", "1.2.3.4", true);
        row("modinfo", "/lib/modules/6.1.0-9-amd64/extra/vbox.ko", "7.0.10", false);
        row("kernel release", "/lib/modules/6.1.0-9-amd64/kernel/fs/ext4/ext4.ko.zst",
            "6.1.0-9-amd64", false);
        row("built-in", "/sys/module/e1000e", "3.2.6-k", false);
        row("not a module", "/usr/bin/true", "", false);
    }
    void fileVersions()
    {
        QFETCH(QString, path);
        QFETCH(QString, text);
        QFETCH(bool, fixed);
        QTemporaryDir dir;
        QVERIFY(writeTreeFiles(dir.path(),
                               { "/sys/module/e1000e/version", "3.2.6-k\n",
                                 "/sys/module/fuse_x/version", "1.2.3.4\n" }));
        QVERIFY(writeTreeFile(dir.path() + "/lib/modules/6.1.0-9-amd64/extra/vbox.ko",
                              QByteArray("\x7f"
                                         "ELF....srcversion=ABC\0version=7.0.10\0license=GPL",
                                         50)));
        LinuxFileVersion versions { SysRoot(dir.path()) };
        QCOMPARE(versions.versionText(path), text);
        QCOMPARE(bool(versions.fixedVersion(path)), fixed);
        if (fixed)
            QCOMPARE(*versions.fixedVersion(path), (std::array<quint16, 4> { 1, 2, 3, 4 }));
    }

    void memoryRegistry()
    {
        MemoryRegistry reg;
        reg.setValue("HKEY_CURRENT_USER\\Software\\Vendor\\App", "Size", 12);
        reg.setValue("hkcu/software/vendor/app", "Name", "x");
        reg.createKey("HKCU\\Software\\Vendor\\App\\beta");
        reg.createKey("HKCU\\Software\\Vendor\\App\\Alpha");

        auto key = reg.open("HKCU\\SOFTWARE\\VENDOR\\APP");
        QVERIFY(key->exists());
        QCOMPARE(key->fileName(), "HKEY_CURRENT_USER\\SOFTWARE\\VENDOR\\APP");
        QCOMPARE(key->childKeys(), (QStringList { "Name", "Size" }));
        QCOMPARE(key->childGroups(), (QStringList { "Alpha", "beta" }));
        QCOMPARE(key->value("size").toInt(), 12);
        QCOMPARE(key->value("missing", 5).toInt(), 5);
        QVERIFY(!key->remove(QString())); // never "everything"
        QCOMPARE(key->childKeys().size(), 2);
        QVERIFY(key->remove("NAME"));
        QVERIFY(key->remove("alpha"));
        QVERIFY(!key->remove("alpha"));
        QCOMPARE(key->childKeys(), QStringList { "Size" });
        QCOMPARE(key->childGroups(), QStringList { "beta" });
        QVERIFY(key->child("beta")->exists());

        auto missing = reg.open("HKLM\\SOFTWARE\\Nothing");
        QVERIFY(!missing->exists());
        QVERIFY(missing->childGroups().isEmpty());
        QVERIFY(!missing->remove("x"));
        QVERIFY(!missing->exists()); // reading never creates
        QVERIFY(missing->setValue("v", 1));
        QVERIFY(missing->exists());
    }

    void routedRegistry_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("backend");
        QTest::newRow("run key other case")
            << "hkey_current_user\\SOFTWARE\\microsoft\\windows\\currentversion\\run"
            << "run";
        QTest::newRow("run once is not run")
            << "HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\RunOnce"
            << "fallback";
        QTest::newRow("below the mount")
            << "HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\pkg"
            << "apps";
        QTest::newRow("longest prefix")
            << "HKEY_LOCAL_"
               "MACHINE\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\special\\x"
            << "special";
    }
    void routedRegistry()
    {
        QFETCH(QString, path);
        QFETCH(QString, backend);
        QHash<QString, std::shared_ptr<MemoryRegistry>> all;
        for (const char *name : { "fallback", "run", "apps", "special" })
            all.insert(QString::fromLatin1(name), std::make_shared<MemoryRegistry>());
        RoutedRegistry routed(all.value("fallback"));
        routed.mount("HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Run",
                     all.value("run"));
        routed.mount("HKLM\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall",
                     all.value("apps"));
        routed.mount(QStringLiteral(
                         "HKLM\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\special"),
                     all.value("special"));
        routed.open(path)->setValue("marker", 1);
        for (auto it = all.constBegin(); it != all.constEnd(); ++it)
            QCOMPARE(it.value()->open(path)->value("marker").isValid(), it.key() == backend);
    }

    void platformSwap()
    {
        const std::shared_ptr<Platform> before = platform();
        QVERIFY(before->smartIo && before->registry && before->serviceControl);
        FakePlatform fakes;
        {
            auto partial = std::make_shared<Platform>();
            partial->memoryInfo = fakes.memoryInfo;
            ScopedPlatform use(partial);
            fakes.memoryInfo->installed = 1234;
            QCOMPARE(memoryInfo()->installedKb(), std::optional<quint64>(1234));
            QCOMPARE(platform()->firmware, before->firmware); // gaps filled from the Linux set
            QVERIFY(!partial->firmware); // the caller's set is untouched
        }
        QCOMPARE(platform()->memoryInfo, before->memoryInfo);
    }

    void serviceControl()
    {
        LinuxServiceControl scm;
        QVERIFY(scm.openManager());
        ServiceControl::State state = ServiceControl::Unknown;
        QVERIFY(scm.queryState("Winmgmt", &state));
        QCOMPARE(state, ServiceControl::Running);
        QVERIFY(scm.start("winmgmt"));
        QVERIFY(!scm.queryState("Spooler", &state));
        QVERIFY(!scm.start("Spooler"));
    }

    void screen()
    {
        CachedScreenInfo::forget();
        QTemporaryDir dir;
        CachedScreenInfo info { SysRoot(dir.path()) };
        QVERIFY(!info.size().isValid());
        QCOMPARE(info.depth(), 0);
        QVERIFY(writeTreeFile(dir.path() + "/sys/class/graphics/fb0/bits_per_pixel", "16\n"));
        QCOMPARE(info.depth(), 16);
        // The offscreen platform's screen.
        ScreenInfo::captureFromGui();
        QCOMPARE(info.size(), QSize(800, 600));
        QVERIFY(info.depth() > 0);
        CachedScreenInfo::store(QSize(1920, 1080), 32, 144);
        QCOMPARE(info.size(), QSize(1920, 1080));
        QCOMPARE(info.refreshHz(), 144);
        CachedScreenInfo::forget();
    }

    void cudaAbsent()
    {
        if (dlopen("libcudart.so.12", RTLD_LAZY) || dlopen("libnvidia-ml.so.1", RTLD_LAZY))
            QSKIP("this machine has an NVIDIA runtime");
        LinuxCuda cuda;
        QCOMPARE(cuda.deviceCount(), 0);
        QCOMPARE(cuda.totalGlobalMem(0), 0ull);
        QVERIFY(cuda.pciBusId(0).isEmpty());
    }
};

QTEST_MAIN(TestPlatformSeams)
#include "tst_platformseams.moc"
