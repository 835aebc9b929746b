// The code-to-text tables: exact-code lookups, which rows are translated, and the fallbacks.

#include "collect/codetables.h"

#include <QCoreApplication>
#include <QTranslator>
#include <QtTest>

namespace {

// Translates a few texts of the "QObject" context, to tell translated rows from fixed ones.
class MarkingTranslator : public QTranslator
{
public:
    QString translate(const char *context, const char *sourceText, const char *disambiguation,
                      int n) const override
    {
        Q_UNUSED(disambiguation);
        Q_UNUSED(n);
        if (qstrcmp(context, "QObject") != 0)
            return QString();
        return QStringLiteral("[%1]").arg(QString::fromUtf8(sourceText));
    }
    bool isEmpty() const override { return false; }
};

} // namespace

class TestCollectTables : public QObject
{
    Q_OBJECT

private slots:
    void lookups_data()
    {
        QTest::addColumn<QString>("actual");
        QTest::addColumn<QString>("expected");
        QTest::newRow("processor 0") << processorTypeText(0) << "";
        QTest::newRow("processor 7") << processorTypeText(7) << "";
        QTest::newRow("processor 3") << processorTypeText(3) << "Central Processor";
        QTest::newRow("processor 6") << processorTypeText(6) << "Video Processor";
        QTest::newRow("cpu status 1") << cpuStatusText(1) << "CPU Enabled";
        QTest::newRow("cpu status 6") << cpuStatusText(6) << "Reserved";
        QTest::newRow("cpu status 0") << cpuStatusText(0) << "Unknown";
        QTest::newRow("cpu status 8") << cpuStatusText(8) << "Unknown";
        QTest::newRow("video 5") << videoArchitectureText(5) << "VGA";
        QTest::newRow("video 2") << videoArchitectureText(2) << "Unknown";
        QTest::newRow("video 12") << videoArchitectureText(12) << "Linear Frame Buffer";
        QTest::newRow("form 0") << memoryFormFactorText(0) << "Unknown";
        QTest::newRow("form 23") << memoryFormFactorText(23) << "LGA";
        QTest::newRow("form 24") << memoryFormFactorText(24) << "";
        QTest::newRow("type 26") << memoryTypeText(26) << "DDR4";
        QTest::newRow("type 24") << memoryTypeText(24) << "DDR3";
        QTest::newRow("type 23") << memoryTypeText(23) << "Unknown";
        QTest::newRow("type 0") << memoryTypeText(0) << "Unknown";
        QTest::newRow("detail 128") << memoryTypeDetailText(128) << "Synchronous";
        QTest::newRow("detail 136") << memoryTypeDetailText(136) << "136";
        QTest::newRow("detail 16512")
            << memoryTypeDetailText(16512) << "Synchronous and Unbuffered (unregistered)";
        QTest::newRow("detail 0") << memoryTypeDetailText(0) << "0";
        QTest::newRow("availability 3") << availabilityText(3) << "Running/Full Power";
        QTest::newRow("availability 22") << availabilityText(22) << "22";
        QTest::newRow("config 0") << configManagerErrorText(0) << "This device is working properly";
        QTest::newRow("config 26")
            << configManagerErrorText(26) << "Windows is still setting up this device";
        QTest::newRow("config 32") << configManagerErrorText(32) << "Unknown";
        QTest::newRow("config -1") << configManagerErrorText(-1) << "Unknown";
        QTest::newRow("status info 3") << statusInfoText(3) << "Enabled";
        QTest::newRow("status info 9") << statusInfoText(9) << "9";
        QTest::newRow("locale 1033") << localeIdText(1033) << "en-US (English - United States)";
        QTest::newRow("locale 4") << localeIdText(4) << "zh-CHS (Chinese - Simplified)";
        QTest::newRow("locale 31748") << localeIdText(31748) << "zh-CHT (Chinese - Traditional)";
        QTest::newRow("locale 1044")
            << localeIdText(1044)
            << QString::fromUtf8("nb-NO (Norwegian (Bokm\xc3\xa5l) - Norway)");
        QTest::newRow("locale tab") << localeIdText(1141) << "haw-US\t(Hawiian - United States)";
        QTest::newRow("locale 8218")
            << localeIdText(8218) << "bs-Cyrl-BA\t(Bosnian (Cyrillic) - Bosnia and Herzegovina)";
        QTest::newRow("locale 0") << localeIdText(0) << "Unknown";
        QTest::newRow("locale 1072") << localeIdText(1072) << "Unknown";
    }

    void lookups()
    {
        QFETCH(QString, actual);
        QFETCH(QString, expected);
        QCOMPARE(actual, expected);
    }

    void localeTableSize() { QCOMPARE(localeIdCount(), 227); }

    void translatedRows()
    {
        MarkingTranslator translator;
        QCoreApplication::installTranslator(&translator);
        // Translated rows and fallbacks.
        QCOMPARE(processorTypeText(1), QString("[Other]"));
        QCOMPARE(cpuStatusText(0), QString("[Unknown]"));
        QCOMPARE(memoryTypeText(0), QString("[Unknown]"));
        QCOMPARE(memoryTypeDetailText(4), QString("[Unknown]"));
        QCOMPARE(localeIdText(0), QString("[Unknown]"));
        QCOMPARE(availabilityText(1), QString("[Other]"));
        QCOMPARE(statusInfoText(4), QString("[Disabled]"));
        // Rows shown in English in every language.
        QCOMPARE(processorTypeText(3), QString("Central Processor"));
        QCOMPARE(videoArchitectureText(2), QString("Unknown"));
        QCOMPARE(memoryTypeText(20), QString("DDR"));
        QCOMPARE(memoryFormFactorText(8), QString("DIMM"));
        QCOMPARE(localeIdText(1049), QString("ru-RU (Russian - Russia)"));
        QCoreApplication::removeTranslator(&translator);
    }
};

QTEST_GUILESS_MAIN(TestCollectTables)
#include "tst_collect_tables.moc"
