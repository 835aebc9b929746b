// The report writers on synthetic pages with a fixed clock, then the window's saving, PDF export,
// printing and sharing.

#include "app/applog.h"
#include "app/msgdialog.h"
#include "ftpstandin.h"
#include "mainwindow/reportsavedialog.h"
#include "mainwindow/reportwriter.h"
#include "mainwindow/verdimonnuvo.h"
#include "windowfixture.h"

#include <QApplication>
#include <QPrinter>
#include <QProcess>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <QTextBrowser>
#include <QTreeWidget>
#include <QtTest>

#include <memory>

namespace {

// The standard output of a program, or its failure and error output.
QString run(const QString &program, const QStringList &args)
{
    QProcess process;
    process.start(program, args);
    if (process.waitForFinished(20000) && process.exitCode() == 0)
        return QString::fromUtf8(process.readAllStandardOutput());
    return "failed: " + process.errorString() + process.readAllStandardError();
}

ReportItem row(const QString &label, const QString &value)
{
    return { { label, value }, {} };
}

ReportItem group(const QString &name, const QVector<QStringList> &children)
{
    return { { name, QString() }, children };
}

ReportData syntheticPages()
{
    ReportData data;
    data.languageIndex = 1;
    data.systemLanguage = QLocale::Russian;
    data.created = QDateTime(QDate(2026, 12, 5), QTime(15, 4, 5));
    data.trees[ReportData::OS].items
        = { row("Name", "Debian GNU/Linux 12"), row("Value with %1", "50% of %2") };
    data.trees[ReportData::CPU].items
        = { group("Processor", { { "L2 cache size", "2 MB" }, { "Cores", "8" } }) };
    data.trees[ReportData::GPU].items = { group("Adapter A", { { "Size (GB)", "4" } }),
                                          group("Adapter B", { { "Read-only", "No" } }) };
    data.trees[ReportData::Storage].items
        = { row("Drives", "1"), group("Disk, 1/2", { { "Model", "Contoso" } }) };
    data.trees[ReportData::Motherboard].items = { row("Maker", "Fabrikam") };
    const QStringList services { "Name", "Start type" };
    data.trees[ReportData::Services] = { services, { { { "cron", "Auto" }, {} } } };
    for (int list = ReportData::Processes; list <= ReportData::Startup; ++list)
        data.trees[list].headers = QStringList { "Name" };
    data.trees[ReportData::Smart] = { { "ID", "Raw data" }, { { { "5", "0" }, {} } } };
    data.smartDescription = "Disk (0)";
    return data;
}

QByteArray golden(const QString &name)
{
    QFile file(QStringLiteral(VN_SOURCE_DIR "/tests/mainwindow/data/") + name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestReportSaving : public QObject, private WindowFixture
{
    Q_OBJECT

    QTemporaryDir dir;
    QStringList messages;

    // Runs the save with the dialog answering (name, filter index); returns the message text.
    QString save(const QString &name, int filterIndex)
    {
        messages.clear();
        ReportSaveDialog::setTestChooser([&](const QString &, const QStringList &filters) {
            return ReportSaveDialog::Choice { name, filters.value(filterIndex, "Other (*.x)") };
        });
        window->saveDataFile();
        return messages.value(0);
    }

private slots:
    void initTestCase()
    {
        startWindow();
        window->osTree->addTopLevelItem(new QTreeWidgetItem({ "Name", "Debian é 中 <&>" }));
        auto *cpu = new QTreeWidgetItem({ "Processor", "" });
        cpu->addChild(new QTreeWidgetItem({ "Cores", "8" }));
        window->cpuTree->addTopLevelItem(cpu);
        // Enough rows for several PDF pages.
        for (int row = 1; row <= 150; ++row)
            window->processesTree->addTopLevelItem(
                new QTreeWidgetItem({ QStringLiteral("process-%1").arg(row) }));
        MsgDialog::setTestResponder([this](MsgDialog *dialog) {
            messages << dialog->textLabel()->text();
            return int(QDialogButtonBox::Ok);
        });
    }

    void goldenReports_data()
    {
        QTest::addColumn<bool>("ini");
        QTest::addColumn<QString>("file");
        QTest::newRow("text") << false << "report.txt";
        QTest::newRow("INI") << true << "report.ini";
    }

    void goldenReports()
    {
        QFETCH(bool, ini);
        QFETCH(QString, file);
        const ReportData data = syntheticPages();
        QCOMPARE((ini ? saveReportAsIni(data) : saveReportAsText(data)).toUtf8(), golden(file));
    }

    void creationDate_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<int>("system");
        QTest::addColumn<QString>("date");
        QTest::newRow("auto, Russian system") << 0 << int(QLocale::Russian) << "12/5/2026 15:04:05";
        QTest::newRow("auto, English system")
            << 0 << int(QLocale::English) << "12/5/2026 03:04:05 PM";
        QTest::newRow("English") << 1 << int(QLocale::Russian) << "12/5/2026 03:04:05 PM";
        QTest::newRow("Ukrainian") << 3 << int(QLocale::English) << "12/5/2026 15:04:05";
    }

    void creationDate()
    {
        QFETCH(int, language);
        QFETCH(int, system);
        QTEST(reportCreationDate(language, QLocale::Language(system),
                                 QDateTime(QDate(2026, 12, 5), QTime(15, 4, 5))),
              "date");
    }

    void xmlSurvivesHostileData()
    {
        ReportData data = syntheticPages();
        const QString hostile = QStringLiteral("Mainteneur: Sébastien <sé@中.org> & \"co\"");
        data.trees[ReportData::Motherboard].items
            = { row("9 <name> a:b & é", hostile),
                row("中 control\x01", QString("bad\x01 ") + QChar(0xD800) + " end"),
                row("", "empty label") };
        data.trees[ReportData::Tpm].items = { row("Version", "2.0") };
        QTemporaryFile file;
        QVERIFY(file.open());
        QVERIFY(saveReportAsXml(data, &file));
        QVERIFY(file.seek(0));
        const QString xml = QString::fromUtf8(file.readAll());
        // Names made safe, texts escaped and cleaned of what XML can not hold, empty pages.
        for (const char *part :
             { "?>\n<All_Data>\n",
               "<_9__name__a_b___é>Mainteneur: Sébastien &lt;sé@中.org&gt; "
               "&amp; &quot;co&quot;</",
               "<中_control_>bad  end</", "<_>empty label</", "<RAM/>", "<SMART_Disk__0_>" })
            QVERIFY2(xml.contains(QString::fromUtf8(part)), part);
        QVERIFY(xml.startsWith(R"(<?xml version="1.0" encoding="UTF-8"?>)"));
        QCOMPARE(run("xmllint", { "--noout", file.fileName() }), QString());
    }

    void saveFormats_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("filter");
        QTest::addColumn<QString>("saved");
        QTest::addColumn<QByteArray>("start");
        QTest::newRow("text, suffix added")
            << "Info" << 0 << "Info.txt" << QByteArray("Creation date");
        QTest::newRow("INI") << "Info" << 1 << "Info.ini" << QByteArray("[Date]\nCreation_date=");
        QTest::newRow("Word is plain text")
            << "Info" << 2 << "Info.doc" << QByteArray("Creation date");
        QTest::newRow("XML") << "Info" << 3 << "Info.xml"
                             << QByteArray("<?xml version=\"1.0\" encoding=\"UTF-8\"?>");
        QTest::newRow("All Files with .ini name")
            << "a.ini" << 5 << "a.ini" << QByteArray("Creation date");
        QTest::newRow("All Files keeps a bare name")
            << "plain" << 5 << "plain" << QByteArray("Creation date");
    }

    void saveFormats()
    {
        QFETCH(QString, typed);
        QFETCH(int, filter);
        QFETCH(QString, saved);
        QFETCH(QByteArray, start);
        QCOMPARE(save(dir.filePath(typed), filter), saved + " file was successfully saved!");
        QFile file(dir.filePath(saved));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        QVERIFY(bytes.startsWith(start));
        // UTF-8 keeps what a single-byte code page would turn into '?'.
        QVERIFY(bytes.contains(filter == 3 ? "Debian é 中 &lt;&amp;&gt;" : "Debian é 中 <&>"));
        QVERIFY(bytes.contains("process-150"));
    }

    void unwritableFolderIsReported()
    {
        QCOMPARE(save(dir.filePath("missing/Info"), 0).section('\n', 0, 0),
                 QStringLiteral("Info.txt file could not be saved!"));
        QCOMPARE(save(dir.filePath("Info"), 9), QStringLiteral("Error has occurred!"));
        QVERIFY(!QFile::exists(dir.filePath("missing")));
    }

    void pdfHasEveryPage()
    {
        QVERIFY(save(dir.filePath("report"), 4).isEmpty()); // the message comes when written
        QTRY_COMPARE_WITH_TIMEOUT(messages,
                                  QStringList { "report.pdf file was successfully saved!" }, 30000);
        const QString pdf = dir.filePath("report.pdf");
        const QString info = run("pdfinfo", { pdf });
        QVERIFY2(info.contains(QRegularExpression("Page size:\\s+595 x 842 pts \\(A4\\)")),
                 qPrintable(info));
        const int pages = QRegularExpression("Pages:\\s+(\\d+)").match(info).captured(1).toInt();
        QVERIFY(pages >= 2);
        const QString text = run("pdftotext", { "-layout", pdf, "-" });
        QCOMPARE(text.count('\f'), pages);
        QVERIFY(text.contains("Debian é"));
        for (int row = 1; row <= 150; ++row)
            QVERIFY(text.contains(QRegularExpression(QStringLiteral("\\bprocess-%1\\b").arg(row))));
        QCOMPARE(QApplication::overrideCursor(), nullptr);
    }

    void printsOnPdfPrinter()
    {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(dir.filePath("printed.pdf"));
        window->printReport(&printer);
        const QString text = run("pdftotext", { dir.filePath("printed.pdf"), "-" });
        QVERIFY(text.contains("Cores: 8"));
        QVERIFY(text.contains("process-150"));
    }

    void sharedFileArrives()
    {
        FtpStandIn server;
        QVERIFY2(server.start(), qPrintable(server.errorText()));
        server.applyEnvironment();
        window->shareHardwareData();
        QTRY_VERIFY_WITH_TIMEOUT(
            logView()->toPlainText().contains("hardware data was successfully sent"), 30000);
        const QStringList files = server.receivedFiles();
        QCOMPARE(files.size(), 1);
        QVERIFY(QRegularExpression("^public_html/apps/verdimon_nuvo/telemetry/data/"
                                   "Verdimon_Nuvo_Data_.+_\\d{4}(\\.\\d\\d){5}\\.\\d{3}\\.txt$")
                    .match(files.first())
                    .hasMatch());
        const QByteArray data = server.receivedFile(files.first());
        QVERIFY(data.startsWith("Application name: Verdimon Nuvo\nApplication build: 4.1.3.742\n"
                                "Application channel: "));
        QVERIFY(data.contains("\nApplication architecture: x64\nCreation date: "));
        QVERIFY(data.contains("Debian é 中 <&>"));
        // Only the shared file goes; the folder with it when nothing else is left there.
        QTRY_VERIFY(!QFile::exists(
            QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation) + "/Data"));
    }
};

QTEST_MAIN(TestReportSaving)
#include "tst_reportsaving.moc"
