// Saving, PDF export, printing and sharing from the main window, on pages filled for the test.

#include "app/applog.h"
#include "app/msgdialog.h"
#include "ftpstandin.h"
#include "mainwindow/reportsavedialog.h"
#include "mainwindow/verdimonnuvo.h"
#include "platform/fakes/fakeplatform.h"

#include <QApplication>
#include <QPrinter>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QTreeWidget>
#include <QtTest>

#include <memory>

namespace {

QString run(const QString &program, const QStringList &args)
{
    QProcess process;
    process.start(program, args);
    process.waitForFinished(20000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

} // namespace

class TestReportSaving : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void saveFormats_data();
    void saveFormats();
    void unwritableFolderIsReported();
    void pdfHasEveryPage();
    void printsOnPdfPrinter();
    void sharedFileArrives();

private:
    // Runs the save with the dialog answering (name, filter index); returns the message text.
    QString save(const QString &name, int filterIndex);

    plat::FakePlatform fakes;
    std::unique_ptr<plat::ScopedPlatform> scopedPlatform;
    std::unique_ptr<VerdimonNuvo> window;
    QTemporaryDir dir;
    QStringList messages;
};

void TestReportSaving::initTestCase()
{
    QCoreApplication::setOrganizationName(QStringLiteral("Dravonel"));
    QCoreApplication::setApplicationName(QStringLiteral("Verdimon Nuvo"));
    scopedPlatform = std::make_unique<plat::ScopedPlatform>(fakes.platform());
    window = std::make_unique<VerdimonNuvo>(VerdimonNuvo::StartupActions::WidgetsOnly);
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

QString TestReportSaving::save(const QString &name, int filterIndex)
{
    messages.clear();
    ReportSaveDialog::setTestChooser([&](const QString &, const QStringList &filters) {
        return ReportSaveDialog::Choice { name, filters.value(filterIndex, "Other (*.x)") };
    });
    window->saveDataFile();
    return messages.value(0);
}

void TestReportSaving::saveFormats_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("filter");
    QTest::addColumn<QString>("saved");
    QTest::addColumn<QByteArray>("start");
    QTest::newRow("text, suffix added") << "Info" << 0 << "Info.txt" << QByteArray("Creation date");
    QTest::newRow("INI") << "Info" << 1 << "Info.ini" << QByteArray("[Date]\nCreation_date=");
    QTest::newRow("Word is plain text") << "Info" << 2 << "Info.doc" << QByteArray("Creation date");
    QTest::newRow("XML") << "Info" << 3 << "Info.xml"
                         << QByteArray("<?xml version=\"1.0\" encoding=\"UTF-8\"?>");
    QTest::newRow("All Files with .ini name")
        << "a.ini" << 5 << "a.ini" << QByteArray("Creation date");
    QTest::newRow("All Files keeps a bare name")
        << "plain" << 5 << "plain" << QByteArray("Creation date");
}

void TestReportSaving::saveFormats()
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

void TestReportSaving::unwritableFolderIsReported()
{
    QCOMPARE(save(dir.filePath("missing/Info"), 0).section('\n', 0, 0),
             QStringLiteral("Info.txt file could not be saved!"));
    QCOMPARE(save(dir.filePath("Info"), 9), QStringLiteral("Error has occurred!"));
    QVERIFY(!QFile::exists(dir.filePath("missing")));
}

void TestReportSaving::pdfHasEveryPage()
{
    QVERIFY(save(dir.filePath("report"), 4).isEmpty()); // the message comes when it is written
    QTRY_COMPARE_WITH_TIMEOUT(messages, QStringList { "report.pdf file was successfully saved!" },
                              30000);
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

void TestReportSaving::printsOnPdfPrinter()
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.filePath("printed.pdf"));
    window->printReport(&printer);
    const QString text = run("pdftotext", { dir.filePath("printed.pdf"), "-" });
    QVERIFY(text.contains("Cores: 8"));
    QVERIFY(text.contains("process-150"));
}

void TestReportSaving::sharedFileArrives()
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

QTEST_MAIN(TestReportSaving)
#include "tst_reportsaving.moc"
