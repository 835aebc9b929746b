// The tools: the useful commands' counterparts, the ping console and the disk check. Launches go
// to a recording fake and "installed" programs are empty files in a throw-away PATH, so nothing
// outside the test ever runs; only 127.0.0.1 is ever pinged.

#include "app/fonts.h"
#include "app/msgdialog.h"
#include "app/settings.h"
#include "layoutcheck.h"
#include "mainwindow/usefulcommandlist.h"
#include "mainwindow/verdimonnuvo.h"
#include "platform/fakes/fakelauncher.h"
#include "platformtree.h"
#include "tools/checkdiskdialog.h"
#include "tools/counterpart.h"
#include "tools/pingmanager.h"
#include "windowfixture.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QtTest>

#include <memory>

class TstTools : public QObject, private WindowFixture
{
    Q_OBJECT

    std::shared_ptr<plat::FakeLauncher> launcher = std::make_shared<plat::FakeLauncher>();
    std::unique_ptr<plat::ScopedLauncher> scopedLauncher;
    QTemporaryDir bin;
    QStringList boxes; // "title: text" of every message box shown
    int answer = QDialogButtonBox::Ok; // to every message box

    void install(const QStringList &programs)
    {
        for (const QString &name : programs) {
            QFile file(bin.filePath(name));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.setPermissions(QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        }
    }

    void click(int section, const QString &label)
    {
        const int index = UsefulCommandList::indexOf(section, label);
        QVERIFY(index >= 0);
        window->usefulCommandButton(index)->click();
    }

    QStringList calls() const
    {
        QStringList out;
        for (const plat::FakeLauncher::Call &call : launcher->calls())
            out << (call.verb + QLatin1Char(' ') + call.file + QLatin1Char(' ') + call.parameters)
                       .trimmed();
        return out;
    }

    struct Console
    {
        std::unique_ptr<PingManager> dialog = std::make_unique<PingManager>();
        QTextBrowser *view = dialog->findChild<QTextBrowser *>(QStringLiteral("outputView"));
        QLineEdit *field = dialog->findChild<QLineEdit *>(QStringLiteral("commandField"));
        QPushButton *send = dialog->findChild<QPushButton *>(QStringLiteral("sendButton"));

        void type(const QString &text)
        {
            field->setText(text);
            send->click();
        }
    };

    static CheckableFileSystem mounted(const QString &type)
    {
        return { QStringLiteral("/dev/sda1"), QStringLiteral("/"), type };
    }
    static CheckableFileSystem unmounted()
    {
        return { QStringLiteral("/dev/sdb1"), QString(), QString() };
    }

private slots:
    void initTestCase()
    {
        QVERIFY(bin.isValid());
        QVERIFY(QFile::exists(PingManager::program()));
        qputenv("PATH", QFile::encodeName(bin.path()));
        qputenv("XDG_CURRENT_DESKTOP", "GNOME");
        scopedLauncher = std::make_unique<plat::ScopedLauncher>(launcher);
        startWindow();
    }

    void init()
    {
        MsgDialog::setTestResponder([this](MsgDialog *box) {
            boxes << box->windowTitle() + QStringLiteral(": ") + box->textLabel()->text();
            return answer;
        });
        answer = QDialogButtonBox::Ok;
        launcher->clear();
        launcher->setResult(plat::shell::Started);
        boxes.clear();
        for (const QString &name : QDir(bin.path()).entryList(QDir::Files))
            QFile::remove(bin.filePath(name));
    }

    void cleanupTestCase() { stopWindow(); }

    // Every row states what it does here: a dialog, a counterpart, or that it has none.
    void everyRowMapsOrIsDeclaredUnavailable()
    {
        QStringList special;
        for (const UsefulCommandEntry &entry : UsefulCommandList::entries()) {
            QVERIFY2(entry.counterpart, entry.label);
            if (entry.action != UsefulCommandAction::Launch)
                special << QString::fromLatin1(entry.label);
            if (entry.action == UsefulCommandAction::Ping
                || entry.action == UsefulCommandAction::CheckDisk
                || entry.counterpart == UsefulCommandList::unavailable)
                continue;
            QVector<CounterpartCommand> choices;
            for (const char *desktop : { "", "GNOME", "KDE", "XFCE", "MATE", "Cinnamon", "LXQt" })
                choices += Counterpart::alternatives(QString::fromLatin1(entry.counterpart),
                                                     QString::fromLatin1(desktop));
            QVERIFY2(!choices.isEmpty(), entry.label);
            for (const CounterpartCommand &choice : choices)
                QVERIFY2(!choice.program.isEmpty() && !choice.program.contains(QLatin1Char(' ')),
                         entry.label);
        }
        QCOMPARE(special,
                 QStringList({ "Windows Defender", "Check disk", "Windows Log out", "Ping" }));
    }

    void alternatives_data()
    {
        QTest::addColumn<QString>("notation");
        QTest::addColumn<QString>("desktop");
        QTest::addColumn<QStringList>("expected");
        const QString both = QStringLiteral("gnome:sound|kde:kcm_pulseaudio|pavucontrol");
        QTest::newRow("gnome") << both << "ubuntu:GNOME"
                               << QStringList { "gnome-control-center sound",
                                                "systemsettings kcm_pulseaudio",
                                                "systemsettings5 kcm_pulseaudio", "pavucontrol" };
        QTest::newRow("kde") << both << "KDE"
                             << QStringList { "systemsettings kcm_pulseaudio",
                                              "systemsettings5 kcm_pulseaudio", "pavucontrol",
                                              "gnome-control-center sound" };
        QTest::newRow("open") << "open:{temp}"
                              << "" << QStringList { "open " + QDir::tempPath() };
        const QString sessions = QStringLiteral("[GNOME]a|[KDE]b c|d");
        QTest::newRow("session gnome") << sessions << "ubuntu:GNOME" << QStringList { "a", "d" };
        QTest::newRow("session kde") << sessions << "KDE" << QStringList { "b c", "d" };
        QTest::newRow("session other") << sessions << "" << QStringList { "d" };
        // Blank alternatives, bare or empty tags and prefixes without a target name nothing.
        QTest::newRow("blanks") << "a| |[KDE]|[KDE] |[]x|[KDE|open:|gnome: |kde:|c"
                                << "KDE" << QStringList { "a", "c" };
    }

    void alternatives()
    {
        QFETCH(QString, notation);
        QFETCH(QString, desktop);
        QStringList got;
        for (const CounterpartCommand &command : Counterpart::alternatives(notation, desktop))
            got << (command.open ? QStringLiteral("open ") : QString())
                    + (QStringList { command.program } + command.arguments).join(QLatin1Char(' '));
        QTEST(got, "expected");
    }

    // The first installed alternative wins; with none installed, or unavailable, the click says
    // so, titled with the button's text. The admin prompt is a terminal asking for sudo's password.
    void clickLaunchesInstalledCounterpart_data()
    {
        QTest::addColumn<QStringList>("installed");
        QTest::addColumn<int>("section");
        QTest::addColumn<qint64>("result");
        QTest::addColumn<QStringList>("expectedCalls");
        QTest::addColumn<QStringList>("expectedBoxes");
        const qint64 started = plat::shell::Started, denied = plat::shell::AccessDenied;
        const QStringList settings { "gnome-control-center", "systemsettings" };
        const QString deniedText = "The operating system denied access to the specified file.";
        const QString notFound = ": The specified file was not found.";
        QTest::newRow("Task Manager/first")
            << QStringList { "gnome-system-monitor", "xfce4-taskmanager" } << 0 << started
            << QStringList { "gnome-system-monitor" } << QStringList();
        QTest::newRow("Task Manager/later") << QStringList { "lxtask" } << 0 << started
                                            << QStringList { "lxtask" } << QStringList();
        QTest::newRow("Task Manager/none") << QStringList() << 0 << started << QStringList()
                                           << QStringList { "Task Manager" + notFound };
        QTest::newRow("Command Prompt (Admin)")
            << QStringList { "x-terminal-emulator" } << 0 << started
            << QStringList { "x-terminal-emulator -e sudo -i" } << QStringList();
        QTest::newRow("Email && app accounts")
            << settings << 1 << denied << QStringList { "gnome-control-center online-accounts" }
            << QStringList { "Email && app accounts: " + deniedText };
        QTest::newRow("Edit group policy") << settings << 0 << denied << QStringList()
                                           << QStringList { "Edit group policy" + notFound };
        QTest::newRow("Temp folder")
            << QStringList { "xdg-open", "nautilus" } << 0 << denied
            << QStringList { QDir::tempPath() } << QStringList { "Temp folder: " + deniedText };
        // Without xdg-open a file manager shows the folder; without either the box says so.
        QTest::newRow("Temp folder/file manager")
            << QStringList { "thunar" } << 0 << started
            << QStringList { "thunar " + QDir::tempPath() } << QStringList();
        QTest::newRow("App Data folder/nothing")
            << settings << 0 << started << QStringList()
            << QStringList { "App Data folder: No application is set to open this type of file or "
                             "folder, or the desktop's opener (xdg-open) is not installed." };
        // The window's own slots use their rows' counterparts too; GNOME 43 keeps the screen
        // lock in its Screen panel.
        const QStringList tools { "kinfocenter", "gnome-terminal", "clamtk",
                                  "gnome-control-center" };
        const std::pair<const char *, const char *> firstChoices[]
            = { { "DX Diagnostic Tool", "kinfocenter" },
                { "DX Diagnostic Tool (x64)", "kinfocenter" },
                { "Command Prompt (Admin)/gnome", "gnome-terminal -- sudo -i" },
                { "Windows Defender", "clamtk" },
                { "Lock screen", "gnome-control-center screen" } };
        for (const auto &[tag, call] : firstChoices)
            QTest::newRow(tag) << tools << (QByteArray(tag) == "Lock screen" ? 13 : 0) << started
                               << QStringList { call } << QStringList();
    }

    void clickLaunchesInstalledCounterpart()
    {
        QFETCH(QStringList, installed);
        QFETCH(int, section);
        QFETCH(qint64, result);
        install(installed);
        launcher->setResult(result);
        click(section, QString::fromLatin1(QTest::currentDataTag()).section('/', 0, 0));
        QTEST(calls(), "expectedCalls");
        QTEST(boxes, "expectedBoxes");
    }

    void logOutAsksFirst_data()
    {
        QTest::addColumn<int>("reply");
        QTest::addColumn<QStringList>("expectedCalls");
        QTest::newRow("closed") << 0 << QStringList();
        QTest::newRow("yes") << int(QDialogButtonBox::Yes)
                             << QStringList { "gnome-session-quit --logout --no-prompt" };
    }

    void logOutAsksFirst()
    {
        QFETCH(int, reply);
        answer = reply;
        install({ "gnome-session-quit", "qdbus" });
        click(0, "Windows Log out");
        QCOMPARE(boxes, QStringList { "Windows Log out: Do you want to log out now?" });
        QTEST(calls(), "expectedCalls");
    }

    void checkDiskOpensItsDialog()
    {
        click(0, "Check disk");
        auto *dialog = window->findChild<CheckDiskDialog *>();
        QVERIFY(dialog && dialog->isVisible());
        dialog->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!window->findChild<CheckDiskDialog *>());
        QVERIFY(launcher->calls().isEmpty());
    }

    // The console opens with ping's usage text (no address is pinged).
    void pingOpensConsoleWithUsage()
    {
        QString shown;
        QTimer::singleShot(0, this, [&shown] {
            auto *console = qobject_cast<PingManager *>(QApplication::activeModalWidget());
            if (!console)
                return;
            auto *view = console->findChild<QTextBrowser *>(QStringLiteral("outputView"));
            QTRY_VERIFY_WITH_TIMEOUT(view->toPlainText().contains(QLatin1String("Usage")), 10000);
            shown = view->toPlainText();
            console->close();
        });
        click(0, "Ping");
        QVERIFY2(shown.contains(QLatin1String("Usage")), qPrintable(shown));
        QVERIFY(launcher->calls().isEmpty());
    }

    void commandArguments_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("help") << "ping" << QStringList { "-h" };
        QTest::newRow("windows count") << "8.8.8.8 -n 5" << QStringList { "8.8.8.8", "-c", "5" };
        QTest::newRow("leading ping")
            << "ping 127.0.0.1 -c 2" << QStringList { "127.0.0.1", "-c", "2" };
        QTest::newRow("numeric flag kept")
            << "-n 127.0.0.1" << QStringList { "-c", "4", "-n", "127.0.0.1" };
        QTest::newRow("ping inside a name") << "pinghost" << QStringList { "-c", "4", "pinghost" };
        QTest::newRow("upper case") << "PING" << QStringList { "-c", "4", "PING" };
        QTest::newRow("quoted") << "\"a b\" c" << QStringList { "-c", "4", "a b", "c" };
        QTest::newRow("separator stays text")
            << "127.0.0.1; touch x" << QStringList { "-c", "4", "127.0.0.1;", "touch", "x" };
        // Linux ping has no default count: four requests, as on Windows, unless one is given.
        QTest::newRow("windows host") << "ping 8.8.8.8" << QStringList { "-c", "4", "8.8.8.8" };
        QTest::newRow("grouped count") << "-qc2 h" << QStringList { "-qc2", "h" };
        QTest::newRow("count in a value")
            << "-I eth0c -p ffc h" << QStringList { "-c", "4", "-I", "eth0c", "-p", "ffc", "h" };
        QTest::newRow("version") << "-V" << QStringList { "-V" };
    }

    void commandArguments()
    {
        QFETCH(QString, command);
        QTEST(PingManager::commandArguments(command), "arguments");
    }

    // The console starts with an example; an empty field sends nothing.
    void pingsLoopback()
    {
        Console console;
        QVERIFY(console.send->isEnabled());
        console.field->clear();
        QVERIFY(!console.send->isEnabled());
        QVERIFY(!console.dialog->isRunning());
        console.dialog->show();
        QSignalSpy succeeded(console.dialog.get(), &PingManager::commandSucceeded);
        console.field->setText(QStringLiteral("127.0.0.1 -n 2 -i 0.2"));
        QTest::keyClick(console.field, Qt::Key_Return); // sends once, through the default button
        QVERIFY(console.field->text().isEmpty());
        QVERIFY(console.dialog->isRunning());
        QTRY_COMPARE_WITH_TIMEOUT(succeeded.count(), 1, 10000);
        QVERIFY(!console.dialog->isRunning());
        const QString output = console.view->toPlainText();
        QCOMPARE(output.count(QLatin1String("2 packets transmitted")), 1);
        QVERIFY(console.view->document()->blockCount() > 2);
    }

    void injectionRunsNothing_data()
    {
        QTest::addColumn<QString>("suffix");
        QTest::newRow("semicolon") << "; touch %1";
        QTest::newRow("substitution") << "$(touch %1)";
    }

    void injectionRunsNothing()
    {
        QFETCH(QString, suffix);
        const QString marker = bin.filePath(QStringLiteral("x"));
        Console console;
        QSignalSpy failed(console.dialog.get(), &PingManager::commandFailed);
        // The count glued to the attempt makes ping refuse it before any address is looked up.
        console.type(QStringLiteral("127.0.0.1 -c 1") + suffix.arg(marker));
        QTRY_COMPARE_WITH_TIMEOUT(failed.count(), 1, 10000);
        QVERIFY(failed.at(0).at(0).toInt() != 0);
        // ping's complaint comes on its error stream, which the console shows.
        QVERIFY(console.view->toPlainText().contains(QLatin1String("invalid argument")));
        QVERIFY(!QFile::exists(marker));
    }

    // Ctrl+C stops ping wherever the focus is (the field has it after Return).
    void stopsOnRequest_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("EXIT") << "EXIT";
        QTest::newRow("ctrl+c") << "";
        QTest::newRow("ctrl+c in the field") << "commandField";
        QTest::newRow("ctrl+c in the output") << "outputView";
    }

    void stopsOnRequest()
    {
        QFETCH(QString, how);
        Console console;
        console.dialog->show();
        console.dialog->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(console.dialog.get()));
        // Before a ping runs, Ctrl+C copies as anywhere.
        console.field->selectAll();
        QTest::keyClick(console.field, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("8.8.8.8 -n 5"));
        QSignalSpy finished(console.dialog.get(), &PingManager::commandSucceeded);
        console.type(QStringLiteral("127.0.0.1 -c 200 -i 0.2"));
        QTRY_VERIFY_WITH_TIMEOUT(console.view->toPlainText().contains(QLatin1String("icmp_seq")),
                                 10000);
        if (QWidget *target
            = how.isEmpty() ? console.dialog.get() : console.dialog->findChild<QWidget *>(how)) {
            target->setFocus();
            QTest::keyClick(target, Qt::Key_C, Qt::ControlModifier);
        } else {
            console.type(how);
        }
        QTRY_VERIFY_WITH_TIMEOUT(!console.dialog->isRunning(), 10000);
        QCOMPARE(finished.count(), 1);
        QVERIFY(console.view->toPlainText().contains(QLatin1String("packets transmitted")));
        QVERIFY(console.dialog->isVisible());
    }

    void closingStopsThePing()
    {
        auto *dialog = new PingManager;
        dialog->show();
        QPointer<QProcess> process = dialog->findChild<QProcess *>();
        dialog->startConsoleProcess({ QStringLiteral("127.0.0.1") });
        QTRY_VERIFY(process->state() == QProcess::Running);
        QTest::keyClick(dialog, Qt::Key_Escape);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(process.isNull());
    }

    // The check per file-system type and mount state ("-": none can run). Mounted XFS and btrfs
    // get their online checks; a type ending in "/" stands for a machine without its own tools.
    void checkCommand_data()
    {
        QTest::addColumn<QString>("type");
        QTest::addColumn<QString>("mountPoint");
        QTest::addColumn<bool>("repair");
        QTest::addColumn<QString>("expected");
        const std::tuple<const char *, const char *, bool, const char *> rows[] = {
            { "ext4", "/mnt/x", true, "fsck -n /dev/sda1" },
            { "ext4", "", true, "fsck -y /dev/sda1" },
            { "", "", false, "fsck -n /dev/sda1" },
            { "xfs", "/mnt/x", true, "xfs_scrub -n /mnt/x" },
            { "xfs", "", false, "xfs_repair -n /dev/sda1" },
            { "xfs", "", true, "xfs_repair /dev/sda1" },
            { "xfs/", "", false, "-" },
            { "btrfs", "/mnt/x", false, "btrfs scrub start -B -r /mnt/x" },
            { "btrfs", "", false, "btrfs check --readonly /dev/sda1" },
            { "btrfs", "", true, "-" },
            { "LVM2_member", "", false, "-" },
        };
        for (const auto &[type, mountPoint, repair, expected] : rows)
            QTest::addRow("%s %s%s", type, mountPoint, repair ? " repair" : "")
                << type << mountPoint << repair << expected;
    }

    void checkCommand()
    {
        QFETCH(QString, type);
        QFETCH(QString, mountPoint);
        QFETCH(bool, repair);
        const bool bare = type.endsWith(QLatin1Char('/'));
        type.remove(QLatin1Char('/'));
        const QStringList command = FileSystemCheck::checkCommand(
            { QStringLiteral("/dev/sda1"), mountPoint, type }, repair, [bare](const QString &name) {
                return bare && name != QLatin1String("fsck") ? QString() : name;
            });
        QTEST(command.isEmpty() ? QStringLiteral("-") : command.join(QLatin1Char(' ')), "expected");
    }

    // Unmounted devices come from the block-device table: partitions and unpartitioned disks,
    // but nothing mounted, swapped on, held by another device, virtual or empty.
    void unmountedDevicesFromSysfs()
    {
        QTemporaryDir root;
        const auto write = [&root](const QString &path, const QByteArray &data) {
            QVERIFY(writeTreeFile(root.path() + path, data));
        };
        const QString block = QStringLiteral("/sys/class/block/");
        const auto device = [&](const QString &name, const QByteArray &number) {
            write(block + name + QStringLiteral("/size"), "2048\n");
            write(block + name + QStringLiteral("/dev"), number + '\n');
            QVERIFY(QDir().mkpath(root.path() + block + name + QStringLiteral("/holders")));
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
        write(QStringLiteral("/proc/self/mountinfo"),
              "27 1 8:1 / / rw,relatime - ext4 /dev/sda1 rw\n"
              "28 27 0:45 / /home rw,relatime - btrfs /dev/sdb rw\n");
        write(QStringLiteral("/proc/swaps"),
              "Filename Type Size Used Priority\n/dev/sdd partition 1 0 -2\n");
        // The type comes from udev's database; a volume group's member holds no file system.
        device(QStringLiteral("sdf"), "8:80");
        device(QStringLiteral("sdg"), "8:96");
        write(QStringLiteral("/run/udev/data/b8:2"),
              "S:disk/by-uuid/1\nE:ID_FS_USAGE=filesystem\nE:ID_FS_TYPE=xfs\n");
        write(QStringLiteral("/run/udev/data/b8:96"), "E:ID_FS_TYPE=LVM2_member\n");
        QStringList devices;
        for (const CheckableFileSystem &fileSystem :
             FileSystemCheck::checkableFileSystems(plat::SysRoot(root.path()))) {
            QVERIFY(!fileSystem.mounted());
            devices << FileSystemCheck::displayText(fileSystem);
        }
        devices.sort();
        QCOMPARE(devices, QStringList({ "/dev/sda2 (xfs)", "/dev/sdf" }));
    }

    void repairOfferedOnlyWhenUnmounted()
    {
        // Without xfsprogs an XFS volume has nothing to start.
        CheckDiskDialog dialog(
            nullptr, { mounted("ext4"), unmounted(), { "/dev/sdd1", "", "xfs" } },
            [](const QString &name) { return name == "fsck" ? name : QString(); });
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
        list->setCurrentIndex(2);
        QCOMPARE(list->currentText(), QStringLiteral("/dev/sdd1 (xfs)"));
        QVERIFY(!dialog.findChild<QPushButton *>(QStringLiteral("startButton"))->isEnabled());
        QVERIFY(!repair->isEnabled());

        CheckDiskDialog empty(nullptr, {}); // nothing to check: nothing to start
        QVERIFY(!empty.findChild<QPushButton *>(QStringLiteral("startButton"))->isEnabled());
    }

    // Start opens a terminal that runs the check through pkexec, then shows the result and waits
    // for Enter; without a terminal it says so.
    void startLaunchesThroughTerminal_data()
    {
        QTest::addColumn<QStringList>("installed");
        QTest::addColumn<QString>("expected");
        QTest::newRow("xterm") << QStringList { "xterm" } << "xterm -e /bin/sh -c";
        QTest::newRow("none") << QStringList() << "Check disk: The specified file was not found.";
    }

    void startLaunchesThroughTerminal()
    {
        QFETCH(QStringList, installed);
        QFETCH(QString, expected);
        install(installed);
        QPointer<CheckDiskDialog> dialog = new CheckDiskDialog(nullptr, { unmounted() });
        dialog->show();
        dialog->findChild<QCheckBox *>(QStringLiteral("repairBox"))->setChecked(true);
        dialog->findChild<QPushButton *>(QStringLiteral("startButton"))->click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(dialog.isNull());
        if (installed.isEmpty()) {
            QCOMPARE(boxes, QStringList { expected });
            QVERIFY(launcher->calls().isEmpty());
            return;
        }
        QVERIFY(boxes.isEmpty());
        QCOMPARE(launcher->calls().size(), 1);
        const plat::FakeLauncher::Call call = launcher->calls().constFirst();
        const QStringList arguments = QProcess::splitCommand(call.parameters);
        QCOMPARE((QStringList { call.file } + arguments.mid(0, 3)).join(' '), expected);
        // The script and its texts reach the terminal whole.
        QCOMPARE(arguments.mid(1), FileSystemCheck::terminalCommand(unmounted(), true));
    }

    // The terminal's command shows how the check ended and keeps the window until Enter.
    void terminalShowsTheResult()
    {
        // A pkexec of the test's own stands in for the checker: it reports and exits with 4.
        QVERIFY(writeTreeFile(bin.filePath(QStringLiteral("pkexec")),
                              "#!/bin/sh\necho \"checking $2\"\nexit 4\n", true));
        QStringList command = FileSystemCheck::terminalCommand(
            unmounted(), false, [](const QString &program) { return program; });
        command.replace(command.size() - 4, bin.filePath(QStringLiteral("pkexec")));
        QProcess terminal;
        terminal.start(command.takeFirst(), command);
        QTest::qWait(200);
        QCOMPARE(terminal.state(), QProcess::Running); // waits for Enter
        terminal.write("\n");
        QVERIFY(terminal.waitForFinished(5000));
        QCOMPARE(QString::fromUtf8(terminal.readAllStandardOutput()),
                 "checking -n\n\nThe check found errors or could not finish. Exit code: 4\n\n"
                 "Press Enter to close this window.");
    }

    // The ping console (its placeholder showing) and the disk check at the smallest and the
    // largest size the Misc page offers: no text cut, nothing covered.
    void toolDialogsFitEveryFontSize_data() { addFontSizeRows(); }
    void toolDialogsFitEveryFontSize()
    {
        QFETCH(int, size);
        Settings::setSettingsValue("Fonts", "Size", size);
        const auto restore = qScopeGuard([] { Settings::setSettingsValue("Fonts", "Size", 12); });
        PingManager console;
        console.findChild<QLineEdit *>("commandField")->clear();
        CheckDiskDialog check(nullptr, { { "/dev/sda1", "/", "ext4" } });
        for (QWidget *dialog : QList<QWidget *> { &console, &check }) {
            const QStringList faults = cutOrOverlappingWidgets(laidOutAtMinimum(dialog));
            QVERIFY2(faults.isEmpty(), qPrintable(faults.join('\n')));
            dialog->hide();
        }
    }
};

QTEST_MAIN(TstTools)
#include "tst_tools.moc"
