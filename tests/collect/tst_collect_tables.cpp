// The code-to-text tables: sample rows, fallbacks and each table's invariants instead of a copy of
// every row; the locale table against the platform's own locale ids, which are kept apart.

#include "collect/codetables.h"
#include "collect/smartreader.h"
#include "markingtranslator.h"
#include "platform/localeids.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QSet>
#include <QtTest>

#include <functional>
#include <numeric>

namespace {

using Lookup = std::function<QString(qint32)>;

// Each table with its counts of rows, of translated rows and of distinct texts: a row lost, moved
// to another code or marked the other way changes one of them.
struct Table
{
    const char *name;
    Lookup lookup;
    bool isUnsigned;
    int rows, translated, distinctTexts;
};

const QVector<Table> &tables()
{
    static const QVector<Table> all = {
        { "processor type", [](qint32 c) { return processorTypeText(c); }, false, 5, 1, 5 },
        { "cpu status", [](qint32 c) { return cpuStatusText(c); }, false, 7, 7, 6 },
        { "video architecture", [](qint32 c) { return videoArchitectureText(c); }, false, 12, 0,
          12 },
        { "memory form factor", [](qint32 c) { return memoryFormFactorText(quint32(c)); }, true, 23,
          1, 23 },
        { "memory type", [](qint32 c) { return memoryTypeText(c); }, false, 25, 1, 25 },
        { "memory type detail", [](qint32 c) { return memoryTypeDetailText(quint32(c)); }, true, 13,
          2, 13 },
        { "availability", [](qint32 c) { return availabilityText(quint32(c)); }, true, 20, 20, 20 },
        { "config manager error", [](qint32 c) { return configManagerErrorText(c); }, false, 32, 32,
          31 },
        { "status info", [](qint32 c) { return statusInfoText(quint32(c)); }, true, 4, 4, 4 },
    };
    return all;
}

// The codes that cover a table and what lies next to it; the type detail table is of bit flags.
QVector<qint32> probe(const Table &t)
{
    if (t.name == QLatin1String("memory type detail")) {
        QVector<qint32> codes { 0, 3, 136, 16512 };
        for (int b = 0; b < 16; ++b)
            codes << (1 << b);
        return codes;
    }
    QVector<qint32> codes(302);
    std::iota(codes.begin(), codes.end(), -1);
    return codes;
}

// A row is a code whose text is neither empty, nor "Unknown", nor the code itself.
bool isRow(qint32 code, const QString &text, bool unsignedTable)
{
    const QString number = unsignedTable ? QString::number(quint32(code)) : QString::number(code);
    return !text.isEmpty() && text != QLatin1String("Unknown") && text != QLatin1String("@Unknown")
        && text != number;
}

} // namespace

class TestCollectTables : public QObject
{
    Q_OBJECT

private slots:
    // Looked up with every translated text marked "@": fallbacks read "Unknown" translated.
    void lookups_data()
    {
        QTest::addColumn<QString>("actual");
        QTest::addColumn<QString>("expected");
        MarkingTranslator marker;
        QCoreApplication::installTranslator(&marker);
        QTest::newRow("processor 0") << processorTypeText(0) << "";
        QTest::newRow("processor 7") << processorTypeText(7) << "";
        QTest::newRow("processor 6") << processorTypeText(6) << "Video Processor";
        QTest::newRow("cpu status 7") << cpuStatusText(7) << "@Other";
        QTest::newRow("cpu status 0") << cpuStatusText(0) << "@Unknown";
        QTest::newRow("cpu status 8") << cpuStatusText(8) << "@Unknown";
        QTest::newRow("video 1") << videoArchitectureText(1) << "Other";
        QTest::newRow("video 12") << videoArchitectureText(12) << "Linear Frame Buffer";
        QTest::newRow("video 13") << videoArchitectureText(13) << "Unknown";
        QTest::newRow("video 160") << videoArchitectureText(160) << "PC-98";
        QTest::newRow("form 0") << memoryFormFactorText(0) << "@Unknown";
        QTest::newRow("form 23") << memoryFormFactorText(23) << "LGA";
        QTest::newRow("form 24") << memoryFormFactorText(24) << "";
        QTest::newRow("type 27") << memoryTypeText(27) << "@Unknown";
        QTest::newRow("type 0") << memoryTypeText(0) << "@Unknown";
        QTest::newRow("detail 1") << memoryTypeDetailText(1) << "@Reserved";
        QTest::newRow("detail 8192") << memoryTypeDetailText(8192) << "8192";
        QTest::newRow("detail 16512")
            << memoryTypeDetailText(16512) << "Synchronous and Unbuffered (unregistered)";
        QTest::newRow("detail -1") << memoryTypeDetailText(quint32(-1)) << "4294967295";
        QTest::newRow("availability 0") << availabilityText(0) << "0";
        QTest::newRow("availability 21") << availabilityText(21) << "@Quiesced";
        QTest::newRow("availability 22") << availabilityText(22) << "22";
        QTest::newRow("config 32") << configManagerErrorText(32) << "@Unknown";
        QTest::newRow("config -1") << configManagerErrorText(-1) << "@Unknown";
        QTest::newRow("status info 0") << statusInfoText(0) << "0";
        QTest::newRow("status info 5") << statusInfoText(5) << "@Not Applicable";
        QTest::newRow("status info 6") << statusInfoText(6) << "6";
        QTest::newRow("locale 4") << localeIdText(4) << "zh-CHS (Chinese - Simplified)";
        QTest::newRow("locale 31748") << localeIdText(31748) << "zh-CHT (Chinese - Traditional)";
        QTest::newRow("locale 1044")
            << localeIdText(1044)
            << QString::fromUtf8("nb-NO (Norwegian (Bokm\xc3\xa5l) - Norway)");
        QTest::newRow("locale tab") << localeIdText(1141) << "haw-US\t(Hawiian - United States)";
        QTest::newRow("locale 0") << localeIdText(0) << "@Unknown";
        QTest::newRow("locale 1072") << localeIdText(1072) << "@Unknown";
        QTest::newRow("attribute 1")
            << SmartReader::smartAttributeName(1) << "@Raw Read Error Rate";
        QTest::newRow("attribute 200")
            << SmartReader::smartAttributeName(200) << "@Write Error Rate (Multi Zone Error Rate)";
        QTest::newRow("attribute 190") << SmartReader::smartAttributeName(190) << "@Unknown";
        QTest::newRow("attribute 231") << SmartReader::smartAttributeName(231) << "@Unknown";
        QTest::newRow("attribute 230")
            << SmartReader::smartAttributeName(230) << "@GMR Head Amplitude";
        QTest::newRow("attribute 9") << SmartReader::smartAttributeName(9) << "@Power-On Hours";
        QTest::newRow("detail 4") << memoryTypeDetailText(4) << "@Unknown";
        QTest::newRow("video 2") << videoArchitectureText(2) << "Unknown";
        QCoreApplication::removeTranslator(&marker);
    }

    void lookups()
    {
        QFETCH(QString, actual);
        QFETCH(QString, expected);
        QCOMPARE(actual, expected);
    }

    void tableShape_data()
    {
        QTest::addColumn<int>("table");
        for (int i = 0; i < tables().size(); ++i)
            QTest::newRow(tables().at(i).name) << i;
    }

    void tableShape()
    {
        QFETCH(int, table);
        const Table &t = tables().at(table);
        QMap<qint32, QString> plain;
        for (qint32 code : probe(t)) {
            const QString text = t.lookup(code);
            if (isRow(code, text, t.isUnsigned))
                plain.insert(code, text);
        }
        MarkingTranslator marker;
        QCoreApplication::installTranslator(&marker);
        int marked = 0;
        for (auto it = plain.cbegin(); it != plain.cend(); ++it) {
            const QString text = t.lookup(it.key());
            if (text == QLatin1Char('@') + it.value())
                ++marked;
            else
                QCOMPARE(text, it.value());
        }
        QCoreApplication::removeTranslator(&marker);
        QCOMPARE(plain.size(), t.rows);
        QCOMPARE(marked, t.translated);
        QCOMPARE(QSet<QString>(plain.cbegin(), plain.cend()).size(), t.distinctTexts);
    }

    // 29 drive attributes, each with its own name and a description.
    void attributeTable()
    {
        QSet<QString> names;
        for (int id = 0; id < 256; ++id) {
            const QString name = SmartReader::smartAttributeName(id);
            const QString description = SmartReader::smartAttributeDescription(id);
            QCOMPARE(name == QLatin1String("Unknown"), description == QLatin1String("Unknown"));
            if (name != QLatin1String("Unknown")) {
                QVERIFY2(!names.contains(name), qPrintable(name));
                names.insert(name);
                QVERIFY2(description.size() > 20, qPrintable(name));
            }
        }
        QCOMPARE(names.size(), 29);
    }

    // The collector's locale table (id -> "tag (name)") and the platform's (tag -> id) hold the
    // same 227 ids: every tag leads back to its id, or, for a tag that several ids share, to
    // the lowest of them.
    void localeTablesAgree()
    {
        QMap<int, QString> tags;
        for (int lcid = 1; lcid < 0x10000; ++lcid) {
            const QString text = localeIdText(lcid);
            if (text == QLatin1String("Unknown"))
                continue;
            const QString tag = text.section(QRegularExpression(QStringLiteral("[ \t]")), 0, 0);
            QVERIFY2(!tag.isEmpty() && text.endsWith(QLatin1Char(')')), qPrintable(text));
            tags.insert(lcid, tag);
        }
        QCOMPARE(tags.size(), 227);
        QCOMPARE(localeIdCount(), 227);
        QCOMPARE(tags.firstKey(), 4);
        QSet<int> reached;
        for (auto it = tags.cbegin(); it != tags.cend(); ++it) {
            const int back = plat::lcidForLocaleName(it.value());
            if (it.value() == QLatin1String("es-ES_tradnl")) { // a sort order no locale name has
                QCOMPARE(back, 0);
                continue;
            }
            const QString where
                = QStringLiteral("%1 %2 -> %3").arg(it.key()).arg(it.value()).arg(back);
            QVERIFY2(tags.contains(back), qPrintable(where));
            QVERIFY2(back <= it.key(), qPrintable(where));
            QVERIFY2(tags.value(back).compare(it.value(), Qt::CaseInsensitive) == 0,
                     qPrintable(where));
            reached.insert(back);
        }
        // Each distinct tag reaches one id.
        QSet<QString> distinct;
        for (const QString &tag : tags)
            distinct.insert(tag.toLower());
        QCOMPARE(reached.size(), distinct.size() - 1);
    }
};

QTEST_GUILESS_MAIN(TestCollectTables)
#include "tst_collect_tables.moc"
