#include "app/language.h"
#include "app/settings.h"
#include "app/translations.h"
#include "tests/support/appidentity.h"

#include <QProcess>
#include <QRegularExpression>
#include <QSettings>
#include <QTemporaryDir>
#include <QTranslator>
#include <QXmlStreamReader>
#include <QtTest>

namespace {

// context|source -> translation, with "?" before a translation lupdate marks as not finished;
// the forms of a numerus message are joined by newlines.
QMap<QString, QString> readCatalogue(const QString &path)
{
    QMap<QString, QString> messages;
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    QXmlStreamReader xml(&file);
    QString context, source;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (xml.name() == QLatin1String("source")) {
            source = context + QLatin1Char('|') + xml.readElementText();
        } else if (xml.name() == QLatin1String("translation")) {
            const bool finished = xml.attributes().value(QLatin1String("type")).isEmpty();
            QString text;
            QStringList forms;
            while (!xml.atEnd()
                   && !(xml.readNext() == QXmlStreamReader::EndElement
                        && xml.name() == QLatin1String("translation"))) {
                if (xml.isCharacters())
                    text += xml.text();
                else if (xml.isStartElement())
                    forms.append(xml.readElementText());
            }
            messages.insert(
                source, (finished ? QString() : "?") + (forms.isEmpty() ? text : forms.join('\n')));
        }
    }
    return messages;
}

QStringList placeholders(const QString &text)
{
    QStringList found;
    for (auto it = QRegularExpression("%\\d+|%n|&&?|<").globalMatch(text); it.hasNext();)
        found.append(it.next().captured());
    found.sort();
    return found;
}

// The form a count takes: English one/other; Russian and Ukrainian one (1, 21, …), few (2–4,
// 22–24, …) and many (0, 5–20, 25–30, …).
int pluralForm(int language, int n)
{
    if (language == 1)
        return n == 1 ? 0 : 1;
    if (n % 10 == 1 && n % 100 != 11)
        return 0;
    return n % 10 >= 2 && n % 10 <= 4 && (n % 100 < 12 || n % 100 > 14) ? 1 : 2;
}

} // namespace

class TestTranslations : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { QSettings().clear(); }

    void cleanup()
    {
        setQtTranslationFolders({});
        QCoreApplication::removeTranslator(&m_app);
        QCoreApplication::removeTranslator(&m_qt);
    }

    // Stored language (0 automatic, 1 English, 2 Russian, 3 Ukrainian) and the system's.
    void languageCodes()
    {
        const std::tuple<int, QLocale::Language, QString> table[] = {
            { 0, QLocale::German, "en" },     { 0, QLocale::English, "en" },
            { 0, QLocale::Russian, "ru" },    { 0, QLocale::Ukrainian, "uk" },
            { 1, QLocale::Russian, "en" },    { 2, QLocale::English, "ru" },
            { 3, QLocale::English, "uk" },    { 7, QLocale::Russian, "en" },
            { -1, QLocale::Ukrainian, "en" },
        };
        for (const auto &[language, system, code] : table)
            QCOMPARE(languageCode(language, system), code);
        QCOMPARE(languageFlagIconPath(QLocale::English), QString(":Icon/en_US.png"));
        QCOMPARE(languageFlagIconPath(QLocale::Russian), QString(":Icon/ru_RU.png"));
        QCOMPARE(languageFlagIconPath(QLocale::Ukrainian), QString(":Icon/uk_UA.png"));
        QCOMPARE(languageFlagIconPath(QLocale::French), QString(":Icon/en_US.png"));
    }

    // Qt's catalogues: beside the program, then Qt's own folder; none are needed.
    void qtCatalogues()
    {
        QTemporaryDir beside;
        QVERIFY(QFile(beside.filePath("qt_ru.qm")).open(QIODevice::WriteOnly));
        setQtTranslationFolders({ beside.path(), "/nonexistent" });
        QCOMPARE(qtTranslationPath("ru"), beside.filePath("qt_ru.qm"));
        QCOMPARE(qtTranslationPath("uk"), QString());
        QTemporaryDir empty;
        setQtTranslationFolders({ empty.path() });
        for (int language : { 2, 3 }) {
            QVERIFY(switchTranslation(&m_app, &m_qt, language));
            QVERIFY(m_qt.isEmpty());
            QVERIFY(QObject::tr("Unknown") != QLatin1String("Unknown"));
        }
    }

    void installedQtCatalogueIsUsed()
    {
        if (qtTranslationPath("ru").isEmpty())
            QSKIP("Qt's catalogues are not installed (qttranslations5-l10n)");
        QVERIFY(switchTranslation(&m_app, &m_qt, 2));
        QVERIFY(!m_qt.isEmpty());
        // Switching to English drops Qt's Russian catalogue again.
        QVERIFY(switchTranslation(&m_app, &m_qt, 1));
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QString("Cancel"));
    }

    // Each catalogue against lupdate's scan of the sources and the rules of its texts.
    void catalogues_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("code");
        QTest::newRow("English") << 1 << "en";
        QTest::newRow("Russian") << 2 << "ru";
        QTest::newRow("Ukrainian") << 3 << "uk";
    }
    void catalogues()
    {
        QFETCH(int, language);
        QFETCH(QString, code);
        QTemporaryDir scan;
        QProcess lupdate;
        lupdate.setWorkingDirectory(QStringLiteral(VN_SOURCE_DIR));
        lupdate.start(QStringLiteral(VN_LUPDATE),
                      { "-no-obsolete", "-locations", "none", "app", "accounts", "collect",
                        "mainwindow", "net", "tools", "widgets", "-ts",
                        scan.filePath("scan_" + code + ".ts") });
        QVERIFY(lupdate.waitForFinished(120000) && lupdate.exitCode() == 0);
        const QMap<QString, QString> catalogue = readCatalogue(
            QStringLiteral(VN_SOURCE_DIR "/resources/Localization/VerdimonNuvo_%1.ts").arg(code));
        // Same texts as the sources, all in the one QObject context.
        QCOMPARE(catalogue.keys(), readCatalogue(scan.filePath("scan_" + code + ".ts")).keys());
        QVERIFY(catalogue.size() > 1000);

        Settings::setSettingsValue("AppSettings", "AppLanguage", language);
        QVERIFY(loadTranslations(&m_app, &m_qt));
        static const QStringList keptEnglish { "USB", "TruePlay", "DirectAccess", "Ethernet",
                                               "VPN", "Wi-Fi",    "Surface Hub" };
        static const QStringList keptAmpersand { "Cellular && SIM", "Disks && volumes",
                                                 "Mouse pointer && touch",
                                                 "Permissions && History" };
        static const QRegularExpression latin(QStringLiteral("[A-Za-z]{2,}"));
        static const QRegularExpression cyrillic(QStringLiteral("[\\x{0400}-\\x{04FF}]"));
        for (auto it = catalogue.cbegin(); it != catalogue.cend(); ++it) {
            const QString source = it.key().section(QLatin1Char('|'), 1);
            const QString &text = it.value();
            const QString entry = it.key() + " -> " + text;
            QVERIFY2(!text.isEmpty() && !text.startsWith('?'), qPrintable(entry));
            if (source.contains(QLatin1String("%n"))) {
                // A count: every form the language has, each picked for its numbers.
                const QStringList forms = text.split('\n');
                QVERIFY2(forms.size() == (language == 1 ? 2 : 3), qPrintable(entry));
                QVERIFY2(forms.first() != forms.last(), qPrintable(entry));
                for (int n : { 0, 1, 2, 4, 5, 11, 12, 21, 22, 83, 111 }) {
                    const QString form = forms.at(pluralForm(language, n));
                    QVERIFY2(form.contains("%n"), qPrintable(entry));
                    QCOMPARE(QObject::tr(source.toUtf8().constData(), nullptr, n),
                             QString(form).replace("%n", QString::number(n)));
                }
                continue;
            }
            // The embedded catalogue answers as the file says.
            QCOMPARE(QObject::tr(source.toUtf8().constData()), text);
            if (language == 1) {
                QCOMPARE(text, source);
                continue;
            }
            // Same placeholders and tags; a doubled ampersand stays only where the commands
            // page keeps it, elsewhere it becomes the language's "and".
            QStringList expected = placeholders(source);
            if (!keptAmpersand.contains(source))
                expected.removeAll(QStringLiteral("&&"));
            QVERIFY2(placeholders(text) == expected, qPrintable(entry));
            if (text.contains(latin) && !text.contains(cyrillic))
                QVERIFY2(keptEnglish.contains(text) && text == source, qPrintable(entry));
        }
        for (const char *label : { "Windows PowerShell", "OneDrive", "Paint", "Wordpad", "IExpress",
                                   "Internet Explorer" })
            QVERIFY(!catalogue.contains(QStringLiteral("QObject|") + label));
        if (language != 1) {
            QCOMPARE(QObject::tr("Mouse && touchpad"), QObject::tr("Mouse"));
            QCOMPARE(QObject::tr("Privacy speech"), QObject::tr("Speech"));
        }
    }

private:
    QTranslator m_app;
    QTranslator m_qt;
};

QTEST_MAIN(TestTranslations)
#include "tst_translations.moc"
