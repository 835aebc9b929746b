#include "app/applog.h"
#include "app/settings.h"
#include "app/systemfunctions.h"
#include "tests/support/appidentity.h"
#include "widgets/scrollbar.h"

#include <QRegularExpression>
#include <QScopeGuard>
#include <QSettings>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <QThread>
#include <QtTest>

class TestAppLog : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { QSettings().clear(); }

    void cleanup() { QLocale::setDefault(QLocale::c()); }

    void viewIsCreatedOnceWithTheSettingsFont()
    {
        Settings::setSettingsValue("Fonts", "Family", "Arial");
        Settings::setSettingsValue("Fonts", "Size", 14);
        appendToLog(QStringLiteral("first line"));
        QTextBrowser *view = logView();
        QCOMPARE(view->font().family(), QString("Arial"));
        QCOMPARE(view->font().pixelSize(), 14);
        QCOMPARE(view->font().weight(), 50);
        QVERIFY(view->font().styleStrategy() & QFont::PreferAntialias);
        QVERIFY(qobject_cast<ScrollBar *>(view->verticalScrollBar()));
        QVERIFY(qobject_cast<ScrollBar *>(view->horizontalScrollBar()));

        // A later font change does not reach the existing view.
        Settings::setSettingsValue("Fonts", "Family", "Roboto");
        appendToLog(QStringLiteral("second line"));
        QCOMPARE(logView(), view);
        QCOMPARE(view->font().family(), QString("Arial"));
        QVERIFY(view->toPlainText().endsWith("first line\nsecond line"));
    }

    void lineFromAnotherThreadReachesTheView()
    {
        logView();
        QThread *worker = QThread::create([] { appendToLog(QStringLiteral("from a worker")); });
        worker->start();
        QVERIFY(worker->wait(5000));
        delete worker;
        QVERIFY(!logView()->toPlainText().endsWith("from a worker"));
        QTRY_VERIFY(logView()->toPlainText().endsWith("from a worker"));
    }

    // Lines carry servers' answers and file names: whatever they hold shows as it stands.
    void linesShowAsPlainText_data()
    {
        QTest::addColumn<QString>("line");
        QTest::newRow("markup") << QStringLiteral("reply: <b>bold</b> <img src=\"x.png\">");
        QTest::newRow("entity") << QStringLiteral("a &amp; b &lt;c&gt;");
        QTest::newRow("spaces") << QStringLiteral("two  spaces\tand a tab");
    }

    void linesShowAsPlainText()
    {
        QFETCH(QString, line);
        QTextBrowser *view = logView();
        appendToLog(QStringLiteral("before"));
        appendToLog(line);
        QVERIFY(view->toPlainText().endsWith(QStringLiteral("before\n") + line));
        QCOMPARE(view->document()->lastBlock().text(), line);
        QCOMPARE(logText().section(QLatin1Char('\n'), -1), line);
    }

    // The log keeps what its view shows, the latest lines only, so a long session's log stops
    // growing; an entry of several lines counts as that many.
    void logKeepsTheLatestLinesAsItsView()
    {
        logView()->clear();
        QVERIFY(logText().isEmpty());
        const auto emptied = qScopeGuard([] { logView()->clear(); }); // for the tests after it
        appendToLog(QStringLiteral("first\nsecond"));
        for (int i = 0; i < logViewLines - 2; ++i)
            appendToLog(QString::number(i));
        QVERIFY(logText().startsWith("first\nsecond\n0\n"));
        QCOMPARE(logText(), logView()->toPlainText());
        for (int i = logViewLines - 2; i < 3 * logViewLines; ++i)
            appendToLog(QString::number(i));
        QCOMPARE(logView()->document()->blockCount(), logViewLines);
        QCOMPARE(logText(), logView()->toPlainText());
        const QStringList kept = logText().split(QLatin1Char('\n'));
        QCOMPARE(kept.size(), logViewLines);
        QCOMPARE(kept.first(), QString::number(2 * logViewLines));
        QCOMPARE(kept.last(), QString::number(3 * logViewLines - 1));
        // Clearing the view (the Log window's "Clear") clears the log.
        logView()->clear();
        QVERIFY(logText().isEmpty());
    }

    // Time stamps and log file names keep Latin digits whatever the locale.
    void stampsWhateverTheLocale_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::newRow("C") << QLocale::c();
        QTest::newRow("Arabic digits") << QLocale(QLocale::Arabic, QLocale::Egypt);
    }
    void stampsWhateverTheLocale()
    {
        QFETCH(QLocale, locale);
        QLocale::setDefault(locale);
        const QString stamp = currentTimestamp();
        QVERIFY2(stamp.contains(QRegularExpression("^\\d{4}-\\d{2}-\\d{2} \\d{2}:\\d{2}:\\d{2}$")),
                 qPrintable(stamp));
        QVERIFY(stamp.at(0).unicode() < 128);
        const QString path = defaultLogFilePath("/tmp/x/Log", locale.name());
        const QRegularExpression name(
            QStringLiteral("^/tmp/x/Log/Verdimon_Nuvo_Log_%1_"
                           "\\d{4}\\.\\d{2}\\.\\d{2}\\.\\d{2}\\.\\d{2}\\.\\d{2}\\.\\d{3}\\.txt$")
                .arg(locale.name()));
        QVERIFY2(path.contains(name), qPrintable(path));
    }

    void logFolderAndSavedLog()
    {
        const QString folder = logFolderPath();
        QCOMPARE(folder, qEnvironmentVariable("XDG_DATA_HOME") + "/Dravonel/Verdimon Nuvo/Log");
        QVERIFY(QFileInfo(folder).isDir());
        const QString path = folder + "/saved.txt";
        for (bool resetSetting : { false, true }) {
            QVERIFY(QFile(path).open(QIODevice::WriteOnly));
            Settings::setSettingsValue("AppSettings", "LogPath", path);
            QCOMPARE(logPathSetting(), path);
            resetSetting ? clearLogPathSetting() : removeSavedLog();
            QCOMPARE(logPathSetting(), resetSetting ? QString() : path);
            QVERIFY(!QFile::exists(path));
        }
        // Nothing saved: only the setting is reset.
        clearLogPathSetting();
        QCOMPARE(logPathSetting(), QString());
    }

    void lastUpdateCheck_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<int>("system");
        QTest::addColumn<QString>("shortPattern");
        QTest::addColumn<QString>("longPattern");
        const QString enShort = "^[A-Z][a-z]+day, \\d{2}:\\d{2} (AM|PM)$";
        const QString enLong
            = "[A-Z][a-z]+day, \\d{2} [A-Z][a-z]+ \\d{4}, \\d{2}:\\d{2}:\\d{2} (AM|PM)$";
        const QString cyShort = "^[\\x{0400}-\\x{04FF}\\x{02BC}']+, \\d{2}:\\d{2}$";
        const QString cyLong = "[\\x{0400}-\\x{04FF}\\x{02BC}']+, \\d{2} "
                               "[\\x{0400}-\\x{04FF}\\x{02BC}']+ \\d{4}, \\d{2}:\\d{2}:\\d{2}$";
        QTest::newRow("English") << 1 << int(QLocale::German) << enShort << enLong;
        QTest::newRow("auto on Ukrainian") << 0 << int(QLocale::Ukrainian) << cyShort << cyLong;
        // The program shows English there, and so does the label.
        QTest::newRow("auto on German") << 0 << int(QLocale::German) << enShort << enLong;
        QTest::newRow("out of range") << 9 << int(QLocale::Russian) << enShort << enLong;
    }
    void lastUpdateCheck()
    {
        QFETCH(int, language);
        QFETCH(int, system);
        QFETCH(QString, shortPattern);
        QFETCH(QString, longPattern);
        Settings::setSettingsValue("AppSettings", "AppLanguage", language);
        const QString before = logView()->toPlainText();
        const QString text = lastUpdateCheckText(QLocale::Language(system));
        const QString added = logView()->toPlainText().mid(before.size()).trimmed();
        QVERIFY2(text.contains(QRegularExpression(shortPattern)), qPrintable(text));
        const QRegularExpression line(
            "^\\d{4}-\\d{2}-\\d{2} \\d{2}:\\d{2}:\\d{2}: last updates checked on " + longPattern);
        QVERIFY2(added.contains(line), qPrintable(added));
    }
};

QTEST_MAIN(TestAppLog)
#include "tst_applog.moc"
