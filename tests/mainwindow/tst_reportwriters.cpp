// The report writers on a synthetic set of pages with a fixed clock: text and INI against golden
// files, XML read back strictly.

#include "mainwindow/reportwriter.h"

#include <QProcess>
#include <QTemporaryFile>
#include <QXmlStreamReader>
#include <QtTest>

namespace {

ReportItem row(const QString &label, const QString &value)
{
    return { { label, value }, {} };
}

ReportItem group(const QString &name, const QVector<QStringList> &children)
{
    return { { name, QString() }, children };
}

ReportData syntheticPages(int languageIndex)
{
    ReportData data;
    data.languageIndex = languageIndex;
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

class TestReportWriters : public QObject
{
    Q_OBJECT

private slots:
    void goldenReports_data();
    void goldenReports();
    void creationDate_data();
    void creationDate();
    void xmlSurvivesHostileData();
};

void TestReportWriters::goldenReports_data()
{
    QTest::addColumn<bool>("ini");
    QTest::addColumn<QString>("file");
    QTest::newRow("text") << false << "report.txt";
    QTest::newRow("INI") << true << "report.ini";
}

void TestReportWriters::goldenReports()
{
    QFETCH(bool, ini);
    QFETCH(QString, file);
    const ReportData data = syntheticPages(1);
    const QString report = ini ? saveReportAsIni(data) : saveReportAsText(data);
    QCOMPARE(report.toUtf8(), golden(file));
}

void TestReportWriters::creationDate_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<int>("system");
    QTest::addColumn<QString>("date");
    QTest::newRow("auto, Russian system") << 0 << int(QLocale::Russian) << "12/5/2026 15:04:05";
    QTest::newRow("auto, English system") << 0 << int(QLocale::English) << "12/5/2026 03:04:05 PM";
    QTest::newRow("English") << 1 << int(QLocale::Russian) << "12/5/2026 03:04:05 PM";
    QTest::newRow("Ukrainian") << 3 << int(QLocale::English) << "12/5/2026 15:04:05";
}

void TestReportWriters::creationDate()
{
    QFETCH(int, language);
    QFETCH(int, system);
    QFETCH(QString, date);
    QCOMPARE(reportCreationDate(language, QLocale::Language(system),
                                QDateTime(QDate(2026, 12, 5), QTime(15, 4, 5))),
             date);
}

void TestReportWriters::xmlSurvivesHostileData()
{
    ReportData data = syntheticPages(1);
    const QString hostile = QStringLiteral("Mainteneur: Sébastien <sé@中.org> & \"co\"");
    data.trees[ReportData::Motherboard].items
        = { row("9 <name> a:b & é", hostile),
            row("中 control\x01", QString("bad\x01 ") + QChar(0xD800) + " end"),
            row("", "empty label") };
    data.trees[ReportData::Tpm].items = { row("Version", "2.0") };
    QTemporaryFile file;
    QVERIFY(file.open());
    QVERIFY(saveReportAsXml(data, &file));
    file.close();

    QVERIFY(file.open());
    const QByteArray bytes = file.readAll();
    QVERIFY(bytes.startsWith(R"(<?xml version="1.0" encoding="UTF-8"?>)"));
    QVERIFY(bytes.contains("<RAM/>")); // an empty page
    file.seek(0);
    QXmlStreamReader reader(&file);
    QStringList names;
    QStringList texts;
    QString text;
    while (!reader.atEnd()) {
        reader.readNext();
        if (reader.isStartElement())
            names << reader.name().toString();
        else if (reader.isCharacters() && !reader.isWhitespace())
            text += reader.text();
        else if (reader.isEndElement() && !text.isEmpty())
            texts << std::exchange(text, QString());
    }
    QVERIFY2(!reader.hasError(), qPrintable(reader.errorString()));
    QCOMPARE(names.first(), QStringLiteral("All_Data"));
    QVERIFY(names.contains(QStringLiteral("_9__name__a_b___é")));
    QVERIFY(names.contains(QStringLiteral("中_control_")));
    QVERIFY(names.contains(QStringLiteral("_")));
    QVERIFY(names.contains(QStringLiteral("SMART_Disk__0_")));
    QVERIFY(texts.contains(hostile));
    QVERIFY(texts.contains(QStringLiteral("bad  end")));

    QProcess xmllint;
    xmllint.start(QStringLiteral("xmllint"), { QStringLiteral("--noout"), file.fileName() });
    QVERIFY(xmllint.waitForFinished(10000));
    QVERIFY2(xmllint.exitCode() == 0, xmllint.readAllStandardError().constData());
}

QTEST_GUILESS_MAIN(TestReportWriters)
#include "tst_reportwriters.moc"
