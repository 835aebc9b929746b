// The disk check; its terminal launch goes to a recording fake and never runs.

#include "app/msgdialog.h"
#include "platform/fakes/fakelauncher.h"
#include "tools/checkdiskdialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

class TstCheckDisk : public QObject
{
    Q_OBJECT

private:
    static void write(const QString &path, const QByteArray &data)
    {
        QVERIFY(QDir().mkpath(QFileInfo(path).path()));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(data);
    }

    static CheckableFileSystem mounted(const QString &type)
    {
        return { QStringLiteral("/dev/sda1"), QStringLiteral("/"), type };
    }
    static CheckableFileSystem unmounted()
    {
        return { QStringLiteral("/dev/sdb1"), QString(), QString() };
    }

private slots:
    void checkCommand_data()
    {
        QTest::addColumn<QString>("type"); // empty: the unmounted /dev/sdb1
        QTest::addColumn<bool>("repair");
        QTest::addColumn<QString>("expected");
        QTest::newRow("mounted read-only") << "ext4" << false << "fsck -n /dev/sda1";
        QTest::newRow("mounted never repaired") << "ext4" << true << "fsck -n /dev/sda1";
        QTest::newRow("unmounted read-only") << "" << false << "fsck -n /dev/sdb1";
        QTest::newRow("xfs mounted") << "xfs" << true << "xfs_repair -n /dev/sda1";
        QTest::newRow("btrfs mounted") << "btrfs" << true << "btrfs check --readonly /dev/sda1";
    }

    void checkCommand()
    {
        QFETCH(QString, type);
        QFETCH(bool, repair);
        const QStringList command
            = FileSystemCheck::checkCommand(type.isEmpty() ? unmounted() : mounted(type), repair,
                                            [](const QString &program) { return program; });
        QTEST(command.join(QLatin1Char(' ')), "expected");
    }

    // Unmounted devices come from the block-device table: partitions and unpartitioned disks,
    // but nothing mounted, swapped on, held by another device, virtual or empty.
    void unmountedDevicesFromSysfs()
    {
        QTemporaryDir root;
        const QString block = root.path() + QStringLiteral("/sys/class/block/");
        const auto device = [&](const QString &name, const QByteArray &number) {
            write(block + name + QStringLiteral("/size"), "2048\n");
            write(block + name + QStringLiteral("/dev"), number + '\n');
            QVERIFY(QDir().mkpath(block + name + QStringLiteral("/holders")));
        };
        device(QStringLiteral("sda"), "8:0");
        write(block + QStringLiteral("sda/sda1/partition"), "1\n");
        device(QStringLiteral("sda1"), "8:1");
        device(QStringLiteral("sda2"), "8:2");
        device(QStringLiteral("sdb"), "8:16");
        device(QStringLiteral("sdc"), "8:32");
        write(block + QStringLiteral("sdc/holders/dm-0"), "");
        device(QStringLiteral("sdd"), "8:48");
        device(QStringLiteral("loop0"), "7:0");
        device(QStringLiteral("sde"), "8:64");
        write(block + QStringLiteral("sde/size"), "0\n");
        write(root.path() + QStringLiteral("/proc/self/mountinfo"),
              "27 1 8:1 / / rw,relatime - ext4 /dev/sda1 rw\n"
              "28 27 0:45 / /home rw,relatime - btrfs /dev/sdb rw\n");
        write(root.path() + QStringLiteral("/proc/swaps"),
              "Filename Type Size Used Priority\n/dev/sdd partition 1 0 -2\n");
        QStringList devices;
        for (const CheckableFileSystem &fileSystem :
             FileSystemCheck::checkableFileSystems(plat::SysRoot(root.path()))) {
            QVERIFY(!fileSystem.mounted());
            devices << fileSystem.device;
        }
        devices.sort();
        QCOMPARE(devices, QStringList({ "/dev/sda2" }));
    }

    void repairOfferedOnlyWhenUnmounted()
    {
        CheckDiskDialog dialog(nullptr, { mounted(QStringLiteral("ext4")), unmounted() });
        auto *list = dialog.findChild<QComboBox *>(QStringLiteral("fileSystemList"));
        auto *repair = dialog.findChild<QCheckBox *>(QStringLiteral("repairBox"));
        QCOMPARE(list->itemText(0), QStringLiteral("/ (/dev/sda1, ext4)"));
        QVERIFY(!repair->isEnabled());
        list->setCurrentIndex(1);
        QVERIFY(repair->isEnabled());
        repair->setChecked(true);
        list->setCurrentIndex(0);
        QVERIFY(!repair->isEnabled());
        QVERIFY(!repair->isChecked());

        CheckDiskDialog empty(nullptr, {}); // nothing to check: nothing to start
        QVERIFY(!empty.findChild<QPushButton *>(QStringLiteral("startButton"))->isEnabled());
    }

    // Start opens a terminal that runs the check through pkexec; without a terminal it says so.
    void startLaunchesThroughTerminal_data()
    {
        QTest::addColumn<QString>("terminal");
        QTest::addColumn<QStringList>("expected");
        const QString fsck = FileSystemCheck::systemProgram(QStringLiteral("fsck"));
        QTest::newRow("xterm") << "xterm"
                               << QStringList { "xterm -hold -e pkexec " + fsck + " -y /dev/sdb1" };
        QTest::newRow("none") << ""
                              << QStringList { "Check disk: The specified file was not found." };
    }

    void startLaunchesThroughTerminal()
    {
        QFETCH(QString, terminal);
        QTemporaryDir bin;
        QFile program(bin.filePath(terminal));
        QVERIFY(terminal.isEmpty() || program.open(QIODevice::WriteOnly));
        program.setPermissions(QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        qputenv("PATH", QFile::encodeName(bin.path()));
        auto launcher = std::make_shared<plat::FakeLauncher>();
        plat::ScopedLauncher scoped(launcher);
        QStringList got;
        MsgDialog::setTestResponder([&got](MsgDialog *message) {
            got << message->windowTitle() + QStringLiteral(": ") + message->textLabel()->text();
            return int(QDialogButtonBox::Ok);
        });
        QPointer<CheckDiskDialog> dialog = new CheckDiskDialog(nullptr, { unmounted() });
        dialog->show();
        dialog->findChild<QCheckBox *>(QStringLiteral("repairBox"))->setChecked(true);
        dialog->findChild<QPushButton *>(QStringLiteral("startButton"))->click();
        MsgDialog::setTestResponder(nullptr);
        for (const plat::FakeLauncher::Call &call : launcher->calls())
            got << call.file + QLatin1Char(' ') + call.parameters;
        QTEST(got, "expected");
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(dialog.isNull());
    }
};

QTEST_MAIN(TstCheckDisk)
#include "tst_checkdisk.moc"
