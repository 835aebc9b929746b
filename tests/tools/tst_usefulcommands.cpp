// The useful commands' counterparts. Launches go to a recording fake and "installed" programs
// are empty files in a throw-away PATH, so nothing outside the test ever runs.

#include "app/msgdialog.h"
#include "mainwindow/usefulcommandlist.h"
#include "mainwindow/verdimonnuvo.h"
#include "platform/fakes/fakelauncher.h"
#include "tools/checkdiskdialog.h"
#include "tools/counterpart.h"
#include "tools/pingmanager.h"
#include "windowfixture.h"

#include <QApplication>
#include <QDir>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QtTest>

#include <memory>

class TstUsefulCommands : public QObject, private WindowFixture
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

private slots:
    void initTestCase()
    {
        QVERIFY(bin.isValid());
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

    void cleanupTestCase()
    {
        MsgDialog::setTestResponder(nullptr);
        stopWindow();
    }

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

    void joinArgumentsSplitsBack()
    {
        const QStringList arguments { "--working-directory=/home/a b", "say \"hi\"", "plain" };
        QCOMPARE(QProcess::splitCommand(Counterpart::joinArguments(arguments)), arguments);
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
        QTest::newRow("Temp folder") << settings << 0 << denied << QStringList { QDir::tempPath() }
                                     << QStringList { "Temp folder: " + deniedText };
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
};

QTEST_MAIN(TstUsefulCommands)
#include "tst_usefulcommands.moc"
