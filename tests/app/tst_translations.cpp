#include "app/language.h"
#include "app/settings.h"
#include "app/translations.h"

#include <QDir>
#include <QSettings>
#include <QTemporaryDir>
#include <QTranslator>
#include <QtTest>

class TestTranslations : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QCoreApplication::setOrganizationName(QStringLiteral("Dravonel"));
        QCoreApplication::setApplicationName(QStringLiteral("Verdimon Nuvo"));
        QSettings().clear();
    }

    void cleanup()
    {
        setQtTranslationFolders({});
        QCoreApplication::removeTranslator(&m_app);
        QCoreApplication::removeTranslator(&m_qt);
    }

    void languageCodes_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<int>("system");
        QTest::addColumn<QString>("code");
        QTest::newRow("auto on German") << 0 << int(QLocale::German) << "en";
        QTest::newRow("auto on English") << 0 << int(QLocale::English) << "en";
        QTest::newRow("auto on Russian") << 0 << int(QLocale::Russian) << "ru";
        QTest::newRow("auto on Ukrainian") << 0 << int(QLocale::Ukrainian) << "uk";
        QTest::newRow("English") << 1 << int(QLocale::Russian) << "en";
        QTest::newRow("Russian") << 2 << int(QLocale::English) << "ru";
        QTest::newRow("Ukrainian") << 3 << int(QLocale::English) << "uk";
        QTest::newRow("hand-edited 7") << 7 << int(QLocale::Russian) << "en";
        QTest::newRow("negative") << -1 << int(QLocale::Ukrainian) << "en";
    }
    void languageCodes()
    {
        QFETCH(int, language);
        QFETCH(int, system);
        QFETCH(QString, code);
        QCOMPARE(languageCode(language, QLocale::Language(system)), code);
    }

    void flags_data()
    {
        QTest::addColumn<int>("system");
        QTest::addColumn<QString>("path");
        QTest::newRow("English") << int(QLocale::English) << ":Icon/en_US.png";
        QTest::newRow("Russian") << int(QLocale::Russian) << ":Icon/ru_RU.png";
        QTest::newRow("Ukrainian") << int(QLocale::Ukrainian) << ":Icon/uk_UA.png";
        QTest::newRow("French") << int(QLocale::French) << ":Icon/en_US.png";
    }
    void flags()
    {
        QFETCH(int, system);
        QFETCH(QString, path);
        QCOMPARE(languageFlagIconPath(QLocale::Language(system)), path);
    }

    void programCataloguesAreEmbedded_data()
    {
        QTest::addColumn<QString>("code");
        QTest::newRow("en") << "en";
        QTest::newRow("ru") << "ru";
        QTest::newRow("uk") << "uk";
    }
    void programCataloguesAreEmbedded()
    {
        QFETCH(QString, code);
        QCOMPARE(appTranslationPath(code), ":/Localization/VerdimonNuvo_" + code + ".qm");
        QVERIFY(QFile::exists(appTranslationPath(code)));
    }

    void switching_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("unknown");
        QTest::addColumn<QString>("theme");
        QTest::newRow("English") << 1 << "Unknown"
                                 << "Unable to change theme!";
        QTest::newRow("Russian") << 2 << "Неизвестно"
                                 << "Не удалось сменить тему!";
        QTest::newRow("Ukrainian") << 3 << "Невідомо"
                                   << "Не вдалося змінити тему!";
    }
    void switching()
    {
        QFETCH(int, language);
        QFETCH(QString, unknown);
        QFETCH(QString, theme);
        QVERIFY(switchTranslation(&m_app, &m_qt, language));
        QCOMPARE(QObject::tr("Unknown"), unknown);
        QCOMPARE(QObject::tr("Unable to change theme!"), theme);
    }

    void loadFollowsTheSetting()
    {
        Settings::setSettingsValue("AppSettings", "AppLanguage", "3");
        QVERIFY(loadTranslations(&m_app, &m_qt));
        QCOMPARE(QObject::tr("Release"), QString("Реліз"));
        Settings::setSettingsValue("AppSettings", "AppLanguage", 2);
        QVERIFY(loadTranslations(&m_app, &m_qt));
        QCOMPARE(QObject::tr("Release"), QString("Релиз"));
    }

    void qtCataloguesBesideOrInstalled()
    {
        QTemporaryDir beside;
        QVERIFY(beside.isValid());
        QFile fake(beside.filePath("qt_ru.qm"));
        QVERIFY(fake.open(QIODevice::WriteOnly));
        fake.close();
        setQtTranslationFolders({ beside.path(), "/nonexistent" });
        QCOMPARE(qtTranslationPath("ru"), beside.filePath("qt_ru.qm"));
        QCOMPARE(qtTranslationPath("uk"), QString());
    }

    void russianWorksWithoutQtCatalogues_data()
    {
        QTest::addColumn<int>("language");
        QTest::newRow("Russian") << 2;
        QTest::newRow("Ukrainian") << 3;
    }
    void russianWorksWithoutQtCatalogues()
    {
        QFETCH(int, language);
        QTemporaryDir empty;
        setQtTranslationFolders({ empty.path() });
        QVERIFY(switchTranslation(&m_app, &m_qt, language));
        QVERIFY(m_qt.isEmpty());
        QVERIFY(QObject::tr("Unknown") != QLatin1String("Unknown"));
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

private:
    QTranslator m_app;
    QTranslator m_qt;
};

QTEST_MAIN(TestTranslations)
#include "tst_translations.moc"
