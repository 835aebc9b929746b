// The ping console. Only 127.0.0.1 is ever pinged.

#include "tools/pingmanager.h"

#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QtTest>

#include <memory>

class TstPingManager : public QObject
{
    Q_OBJECT

private:
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

private slots:
    void initTestCase() { QVERIFY(QFile::exists(PingManager::program())); }

    void commandArguments_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("help") << "ping" << QStringList { "-h" };
        QTest::newRow("windows count") << "8.8.8.8 -n 5" << QStringList { "8.8.8.8", "-c", "5" };
        QTest::newRow("leading ping")
            << "ping 127.0.0.1 -c 2" << QStringList { "127.0.0.1", "-c", "2" };
        QTest::newRow("numeric flag kept") << "-n 127.0.0.1" << QStringList { "-n", "127.0.0.1" };
        QTest::newRow("ping inside a name") << "pinghost" << QStringList { "pinghost" };
        QTest::newRow("upper case") << "PING" << QStringList { "PING" };
        QTest::newRow("quoted") << "\"a b\" c" << QStringList { "a b", "c" };
        QTest::newRow("separator stays text")
            << "127.0.0.1; touch x" << QStringList { "127.0.0.1;", "touch", "x" };
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
        QCOMPARE(console.field->text(), QStringLiteral("8.8.8.8 -n 5"));
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
        QTemporaryDir dir;
        const QString marker = dir.filePath(QStringLiteral("x"));
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

    void stopsOnRequest_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("EXIT") << "EXIT";
        QTest::newRow("ctrl+c") << "";
    }

    void stopsOnRequest()
    {
        QFETCH(QString, how);
        Console console;
        console.dialog->show();
        QSignalSpy finished(console.dialog.get(), &PingManager::commandSucceeded);
        console.type(QStringLiteral("127.0.0.1 -i 0.2"));
        QTRY_VERIFY_WITH_TIMEOUT(console.view->toPlainText().contains(QLatin1String("icmp_seq")),
                                 10000);
        if (how.isEmpty())
            QTest::keyClick(console.dialog.get(), Qt::Key_C, Qt::ControlModifier);
        else
            console.type(how);
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
};

QTEST_MAIN(TstPingManager)
#include "tst_pingmanager.moc"
