#include "app/settings.h"
#include "app/translations.h"

#include <QFile>
#include <QMap>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTranslator>
#include <QXmlStreamReader>
#include <QtTest>

namespace {

struct Message
{
    QString context;
    QString source;
    QString translation;
    QString type; // "unfinished", "vanished", "obsolete" or empty
};

QVector<Message> readCatalogue(const QString &path)
{
    QVector<Message> messages;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return messages;
    QXmlStreamReader xml(&file);
    QString context;
    while (xml.readNextStartElement() || !xml.atEnd()) {
        if (!xml.isStartElement())
            continue;
        if (xml.name() == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (xml.name() == QLatin1String("message")) {
            Message message { context, {}, {}, {} };
            while (xml.readNextStartElement()) {
                if (xml.name() == QLatin1String("source")) {
                    message.source = xml.readElementText();
                } else if (xml.name() == QLatin1String("translation")) {
                    message.type = xml.attributes().value(QLatin1String("type")).toString();
                    message.translation = xml.readElementText();
                } else {
                    xml.skipCurrentElement();
                }
            }
            messages.append(message);
        }
    }
    return messages;
}

QString cataloguePath(const QString &code)
{
    return QStringLiteral(VN_SOURCE_DIR "/resources/Localization/VerdimonNuvo_%1.ts").arg(code);
}

QStringList placeholders(const QString &text)
{
    QStringList found;
    QRegularExpressionMatchIterator it
        = QRegularExpression(QStringLiteral("%\\d+")).globalMatch(text);
    while (it.hasNext())
        found.append(it.next().captured());
    found.sort();
    return found;
}

// Texts of the Useful commands page that read the same in every language, and those whose
// doubled ampersand stays in the translations.
const QStringList keptEnglish { "USB", "TruePlay", "DirectAccess", "Ethernet",
                                "VPN", "Wi-Fi",    "Surface Hub" };
const QStringList plainLabels { "Windows PowerShell", "OneDrive",         "Paint", "Wordpad",
                                "IExpress",           "Internet Explorer" };
const QStringList keptAmpersand { "Cellular && SIM", "Disks && volumes", "Mouse pointer && touch",
                                  "Permissions && History" };

} // namespace

class TstCatalogues : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        // lupdate's scan of the sources, the way the update target runs it.
        QVERIFY(m_dir.isValid());
        QProcess lupdate;
        lupdate.setWorkingDirectory(QStringLiteral(VN_SOURCE_DIR));
        lupdate.start(QStringLiteral(VN_LUPDATE),
                      { "-no-obsolete", "-locations", "none", "app", "accounts", "collect",
                        "mainwindow", "net", "tools", "widgets", "-ts",
                        m_dir.filePath("scan_ru.ts") });
        QVERIFY(lupdate.waitForFinished(120000));
        QCOMPARE(lupdate.exitCode(), 0);
        for (const Message &message : readCatalogue(m_dir.filePath("scan_ru.ts")))
            m_sources.insert(message.context + QLatin1Char('|') + message.source);
        QVERIFY(m_sources.size() > 900);
    }

    void catalogues_data()
    {
        QTest::addColumn<QString>("code");
        QTest::newRow("en") << "en";
        QTest::newRow("ru") << "ru";
        QTest::newRow("uk") << "uk";
    }
    void catalogues()
    {
        QFETCH(QString, code);
        const QVector<Message> messages = readCatalogue(cataloguePath(code));
        QSet<QString> inCatalogue;
        QMap<QString, QString> translations;
        for (const Message &message : messages) {
            const QString key = message.context + QLatin1Char('|') + message.source;
            inCatalogue.insert(key);
            translations.insert(message.source, message.translation);
            QVERIFY2(message.type.isEmpty() && !message.translation.isEmpty(), qPrintable(key));
            QVERIFY2(m_sources.contains(key), qPrintable("not in the sources: " + key));
            QCOMPARE(message.context, QStringLiteral("QObject"));
            QVERIFY2(placeholders(message.translation) == placeholders(message.source),
                     qPrintable(key));
            QVERIFY2(message.translation.count(QLatin1Char('<'))
                         == message.source.count(QLatin1Char('<')),
                     qPrintable(key));
            if (code == QLatin1String("en")) {
                QCOMPARE(message.translation, message.source);
                continue;
            }
            // A doubled ampersand stays only where the page keeps it; elsewhere the language's
            // "and" replaces it, and no stray mnemonic appears.
            const bool ampersandKept = keptAmpersand.contains(message.source)
                || !message.source.contains(QLatin1String("&&"));
            QVERIFY2(message.translation.count(QLatin1Char('&'))
                         == (ampersandKept ? message.source.count(QLatin1Char('&')) : 0),
                     qPrintable(key + " -> " + message.translation));
            // No English left: Latin words stand only beside Russian or Ukrainian ones.
            static const QRegularExpression latin(QStringLiteral("[A-Za-z]{2,}"));
            static const QRegularExpression cyrillic(QStringLiteral("[\\x{0400}-\\x{04FF}]"));
            if (keptEnglish.contains(message.source))
                QCOMPARE(message.translation, message.source);
            else if (message.translation.contains(latin))
                QVERIFY2(message.translation.contains(cyrillic),
                         qPrintable(key + " -> " + message.translation));
        }
        for (const QString &key : qAsConst(m_sources))
            QVERIFY2(inCatalogue.contains(key), qPrintable("missing: " + key));
        for (const QString &label : plainLabels)
            QVERIFY2(!translations.contains(label), qPrintable(label));
        if (code != QLatin1String("en")) {
            QCOMPARE(translations.value("Mouse && touchpad"), translations.value("Mouse"));
            QCOMPARE(translations.value("Privacy speech"), translations.value("Speech"));
        }
    }

    // A clean install has no settings but the stored language; the embedded catalogue answers
    // every text as the catalogue file says.
    void loadsOnCleanInstall_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("code");
        QTest::newRow("English") << 1 << "en";
        QTest::newRow("Russian") << 2 << "ru";
        QTest::newRow("Ukrainian") << 3 << "uk";
    }
    void loadsOnCleanInstall()
    {
        QFETCH(int, language);
        QFETCH(QString, code);
        Settings::setSettingsValue("AppSettings", "AppLanguage", language);
        QTranslator app;
        QTranslator qt;
        QVERIFY(loadTranslations(&app, &qt));
        for (const Message &message : readCatalogue(cataloguePath(code)))
            QCOMPARE(QObject::tr(qPrintable(message.source)), message.translation);
        QCoreApplication::removeTranslator(&app);
        QCoreApplication::removeTranslator(&qt);
    }

private:
    QTemporaryDir m_dir;
    QSet<QString> m_sources;
};

QTEST_MAIN(TstCatalogues)
#include "tst_catalogues.moc"
