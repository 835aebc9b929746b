#include "app/settings.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>
#include <QSettings>
#include <QStandardPaths>
#include <QWidget>
#include <QtTest>

#include <sys/stat.h>

namespace {

int fileMode(const QString &path)
{
    struct stat info
    {
    };
    if (::stat(QFile::encodeName(path).constData(), &info) != 0)
        return -1;
    return int(info.st_mode & 0777);
}

} // namespace

class TestSettings : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QCoreApplication::setOrganizationName(QStringLiteral("Dravonel"));
        QCoreApplication::setApplicationName(QStringLiteral("Verdimon Nuvo"));
    }

    void init() { QSettings().clear(); }

    void storeLivesInTheUsersConfigFolder()
    {
        QCOMPARE(Settings::storeFileName(),
                 qEnvironmentVariable("XDG_CONFIG_HOME") + "/Dravonel/Verdimon Nuvo.conf");
    }

    void startDefaults_data()
    {
        QTest::addColumn<QString>("group");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QVariant>("expected");
        const QString a = "AppSettings", f = "Fonts", u = "Updates";
        QTest::newRow("ShowSplash") << a << "ShowSplash" << QVariant(true);
        QTest::newRow("AlwaysOnTop") << a << "AlwaysOnTop" << QVariant(false);
        QTest::newRow("ShareHardwareInfo") << a << "ShareHardwareInfo" << QVariant(false);
        QTest::newRow("ShowFullInfo") << a << "ShowFullInfo" << QVariant(true);
        QTest::newRow("AutoDataExpand") << a << "AutoDataExpand" << QVariant(false);
        QTest::newRow("AddToTray") << a << "AddToTray" << QVariant(false);
        QTest::newRow("CloseToTray") << a << "CloseToTray" << QVariant(false);
        QTest::newRow("MinimizeToTray") << a << "MinimizeToTray" << QVariant(false);
        QTest::newRow("NotifyWhenInTray") << a << "NotifyWhenInTray" << QVariant(false);
        QTest::newRow("ShowWindowWhenInTray") << a << "ShowWindowWhenInTray" << QVariant(false);
        QTest::newRow("Position") << a << "Position"
                                  << QVariant(QByteArray::fromBase64(
                                         "AdnQywACAAAAAAEYAAAA+AAABmcAAAMQAAABHQAAAQ4AAAZiAAADC"
                                         "wAAAAAAAAAAB4A="));
        QTest::newRow("SettingsViewSize")
            << a << "SettingsViewSize"
            << QVariant(QByteArray::fromBase64("AAAA/wAAAAEAAAAC//////////8B/////wEAAAABAA=="));
        QTest::newRow("AppLanguage") << a << "AppLanguage" << QVariant(0);
        QTest::newRow("AppTheme") << a << "AppTheme" << QVariant(0);
        QTest::newRow("Opacity") << a << "Opacity" << QVariant(1);
        QTest::newRow("Family") << f << "Family" << QVariant("Segoe UI");
        QTest::newRow("Size") << f << "Size" << QVariant(12);
        QTest::newRow("InstallUpdatesAutomatically")
            << u << "InstallUpdatesAutomatically" << QVariant(true);
        QTest::newRow("DisableUpdates") << u << "DisableUpdates" << QVariant(false);
        QTest::newRow("CheckForUpdatesWhenAppStarts")
            << u << "CheckForUpdatesWhenAppStarts" << QVariant(true);
        QTest::newRow("GetInsiderBuildsNotification")
            << u << "GetInsiderBuildsNotification" << QVariant(true);
        QTest::newRow("DeleteInstaller") << u << "DeleteInstaller" << QVariant(false);
        QTest::newRow("InstallSilently") << u << "InstallSilently" << QVariant(true);
        QTest::newRow("DownloadPath")
            << u << "DownloadPath"
            << QVariant(QDir::toNativeSeparators(
                   QStandardPaths::writableLocation(QStandardPaths::DownloadLocation)));
        QTest::newRow("InstallPath")
            << u << "InstallPath" << QVariant("/opt/Dravonel/Verdimon Nuvo");
        QTest::newRow("UpdatesChannel") << u << "UpdatesChannel" << QVariant(3);
        QTest::newRow("Delivery") << u << "Delivery" << QVariant(0);
    }
    void startDefaults()
    {
        QFETCH(QString, group);
        QFETCH(QString, key);
        QFETCH(QVariant, expected);
        QVERIFY(!Settings::containsSetting(group, key));
        Settings::writeDefaultSettings();
        QVERIFY(Settings::containsSetting(group, key));
        // Read through a fresh store, as after a restart: the values come back as texts.
        const QVariant stored = Settings::settingsValue(group, key);
        if (expected.type() == QVariant::ByteArray)
            QCOMPARE(stored.toByteArray(), expected.toByteArray());
        else
            QCOMPARE(stored.toString(), expected.toString());
    }

    void exactlyTheTableIsWritten()
    {
        Settings::writeDefaultSettings();
        QSettings store;
        QCOMPARE(store.allKeys().size(), 27);
        QVERIFY(!store.contains("AppSettings/TabPosition"));
        QVERIFY(!store.contains("AppSettings/TabsOrder"));
        QVERIFY(!store.contains("AppSettings/LogPath"));
        QVERIFY(store.childGroups().indexOf("Credentials") < 0);
    }

    void existingValuesAreNeverOverwritten()
    {
        Settings::setSettingsValue("AppSettings", "ShowSplash", false);
        Settings::setSettingsValue("Fonts", "Family", "Comic Sans MS");
        Settings::setSettingsValue("Updates", "UpdatesChannel", QString("garbage"));
        Settings::writeDefaultSettings();
        QCOMPARE(Settings::settingsValue("AppSettings", "ShowSplash").toBool(), false);
        QCOMPARE(Settings::settingsValue("Fonts", "Family").toString(), QString("Comic Sans MS"));
        QCOMPARE(Settings::settingsValue("Updates", "UpdatesChannel").toString(),
                 QString("garbage"));

        QFile file(Settings::storeFileName());
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray before = file.readAll();
        file.close();
        Settings::writeDefaultSettings();
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), before);
    }

    void storeFileIsPrivate()
    {
        const QString path = Settings::storeFileName();
        QFile::remove(path);
        Settings::setSettingsValue("Credentials", "Password", "AwJr4UsQ");
        QCOMPARE(fileMode(path), 0600);

        // A store left readable by others is tightened on the next write.
        QFile(path).setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner
                                   | QFileDevice::ReadGroup | QFileDevice::ReadOther);
        Settings::setSettingsValue("Credentials", "Login", "x");
        QCOMPARE(fileMode(path), 0600);
        Settings::writeDefaultSettings();
        QCOMPARE(fileMode(path), 0600);
    }

    void typedReadsAfterRestart_data()
    {
        QTest::addColumn<QVariant>("stored");
        QTest::addColumn<int>("expectedInt");
        QTest::newRow("number text") << QVariant("2") << 2;
        QTest::newRow("integer") << QVariant(3) << 3;
        QTest::newRow("not a number") << QVariant("two") << 7;
        QTest::newRow("empty") << QVariant("") << 7;
    }
    void typedReadsAfterRestart()
    {
        QFETCH(QVariant, stored);
        QFETCH(int, expectedInt);
        Settings::setSettingsValue("AppSettings", "AppLanguage", stored);
        QCOMPARE(Settings::intValue("AppSettings", "AppLanguage", 7), expectedInt);
        QCOMPARE(Settings::intValue("AppSettings", "Missing", 7), 7);
    }

    void boolReads_data()
    {
        QTest::addColumn<QVariant>("stored");
        QTest::addColumn<bool>("expected");
        QTest::newRow("true text") << QVariant("true") << true;
        QTest::newRow("false text") << QVariant("false") << false;
        QTest::newRow("bool false") << QVariant(false) << false;
        QTest::newRow("junk keeps default") << QVariant("maybe") << true;
    }
    void boolReads()
    {
        QFETCH(QVariant, stored);
        QFETCH(bool, expected);
        Settings::setSettingsValue("AppSettings", "AlwaysOnTop", stored);
        QCOMPARE(Settings::boolValue("AppSettings", "AlwaysOnTop", true), expected);
    }

    void fontFamily_data()
    {
        QTest::addColumn<QVariant>("stored");
        QTest::addColumn<QString>("expected");
        QTest::newRow("missing") << QVariant() << "Segoe UI";
        QTest::newRow("Arial") << QVariant("Arial") << "Arial";
        QTest::newRow("Roboto") << QVariant("Roboto") << "Roboto";
        QTest::newRow("shared file family")
            << QVariant("Segoe UI Variable Display") << "Segoe UI Variable Display";
        QTest::newRow("not in table") << QVariant("Comic Sans MS") << "Segoe UI";
        QTest::newRow("case differs") << QVariant("arial") << "Segoe UI";
    }
    void fontFamily()
    {
        QFETCH(QVariant, stored);
        QFETCH(QString, expected);
        if (stored.isValid())
            Settings::setSettingsValue("Fonts", "Family", stored);
        QCOMPARE(Settings::fontFamily(), expected);
        if (stored.isValid())
            QCOMPARE(Settings::settingsValue("Fonts", "Family").toString(), expected);
    }

    void fontSize_data()
    {
        QTest::addColumn<QVariant>("stored");
        QTest::addColumn<int>("expected");
        QTest::addColumn<bool>("rewritten");
        QTest::newRow("missing") << QVariant() << 12 << false;
        QTest::newRow("14") << QVariant(14) << 14 << false;
        QTest::newRow("72 as text") << QVariant("72") << 72 << false;
        QTest::newRow("13") << QVariant(13) << 12 << true;
        QTest::newRow("text") << QVariant("big") << 12 << true;
    }
    void fontSize()
    {
        QFETCH(QVariant, stored);
        QFETCH(int, expected);
        QFETCH(bool, rewritten);
        if (stored.isValid())
            Settings::setSettingsValue("Fonts", "Size", stored);
        QCOMPARE(Settings::fontSize(), expected);
        if (rewritten)
            QCOMPARE(Settings::settingsValue("Fonts", "Size").toInt(), 12);
    }

    void opacity_data()
    {
        QTest::addColumn<QVariant>("stored");
        QTest::addColumn<double>("expected");
        QTest::newRow("missing") << QVariant() << 1.0;
        QTest::newRow("integer 1") << QVariant(1) << 1.0;
        QTest::newRow("double") << QVariant(0.7) << 0.7;
        QTest::newRow("text after restart") << QVariant("0.6") << 0.6;
        QTest::newRow("junk") << QVariant("clear") << 1.0;
    }
    void opacity()
    {
        QFETCH(QVariant, stored);
        QFETCH(double, expected);
        if (stored.isValid())
            Settings::setSettingsValue("AppSettings", "Opacity", stored);
        QCOMPARE(Settings::windowOpacity(), expected);
    }

    void restoreGeometry_data()
    {
        QTest::addColumn<int>("mode"); // 0 missing, 1 empty, 2 saved
        QTest::newRow("missing") << 0;
        QTest::newRow("empty bytes") << 1;
        QTest::newRow("saved geometry") << 2;
        QTest::newRow("saved partly off screen") << 3;
    }
    void restoreGeometry()
    {
        QFETCH(int, mode);
        if (mode == 1)
            Settings::setSettingsValue("AppSettings", "Position", QByteArray());
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        if (mode >= 2) {
            QWidget source;
            source.setGeometry(mode == 2 ? QRect(40, 50, 640, 420)
                                         : QRect(screen.right() - 200, 50, 640, 420));
            Settings::setSettingsValue("AppSettings", "Position", source.saveGeometry());
        }
        QWidget widget;
        widget.resize(100, 100);
        Settings::restoreBase64Setting(&widget, "Position", Settings::positionDefaultBase64);
        if (mode == 2)
            QCOMPARE(widget.geometry(), QRect(40, 50, 640, 420));
        else if (mode == 3)
            QCOMPARE(widget.geometry(), QRect(screen.right() - 639, 50, 640, 420));
        else
            QCOMPARE(widget.size(), QSize(1350, 510));
    }

    void credentials()
    {
        QVERIFY(!Settings::savedCredentials());
        Settings::setSettingsValue("Credentials", "Login", "AwJr4UsQ");
        QVERIFY(!Settings::savedCredentials());
        Settings::setSettingsValue("Credentials", "Password", "AwJr4UsQ");
        QVERIFY(Settings::savedCredentials());
        Settings::clearCredentials();
        QVERIFY(!Settings::savedCredentials());
        for (const char *key : { "DevBuild", "Login", "Password" }) {
            QVERIFY(Settings::containsSetting("Credentials", key));
            QCOMPARE(Settings::settingsValue("Credentials", key, "x").toString(), QString());
        }
    }

    void emptyKeyIsRefused()
    {
        Settings::setSettingsValue("AppSettings", "ShowSplash", true);
        Settings::setSettingsValue("AppSettings", "", QVariant());
        QVERIFY(Settings::containsSetting("AppSettings", "ShowSplash"));
        QVERIFY(!Settings::containsSetting("AppSettings", ""));
    }
};

QTEST_MAIN(TestSettings)
#include "tst_settings.moc"
