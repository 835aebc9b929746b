#include "app/applog.h"
#include "app/msgdialog.h"
#include "app/settings.h"
#include "app/unstoredsettings.h"
#include "tests/support/appidentity.h"
#include "tests/support/diskfaults.h"

#include <QDir>
#include <QGuiApplication>
#include <QScopeGuard>
#include <QScreen>
#include <QSettings>
#include <QStandardPaths>
#include <QWidget>
#include <QtTest>

#include <cerrno>

namespace {

// Read and write for the owner alone (the "user" flags repeat the owner's for our own files).
bool isPrivate(const QString &path)
{
    const auto user = QFileDevice::ReadUser | QFileDevice::WriteUser | QFileDevice::ExeUser;
    return (QFile::permissions(path) & ~user) == (QFileDevice::ReadOwner | QFileDevice::WriteOwner);
}

} // namespace

class TestSettings : public QObject
{
    Q_OBJECT
private slots:
    void init() { QSettings().clear(); }

    // Exactly these keys and values, read back through a fresh store as after a restart.
    void defaultsTable()
    {
        Settings::writeDefaultSettings();
        const QString downloads = QDir::toNativeSeparators(
            QStandardPaths::writableLocation(QStandardPaths::DownloadLocation));
        const QMap<QString, QString> expected {
            { "AppSettings/ShowSplash", "true" },
            { "AppSettings/AlwaysOnTop", "false" },
            { "AppSettings/ShareHardwareInfo", "false" },
            { "AppSettings/ShowFullInfo", "true" },
            { "AppSettings/AutoDataExpand", "false" },
            { "AppSettings/AddToTray", "false" },
            { "AppSettings/CloseToTray", "false" },
            { "AppSettings/MinimizeToTray", "false" },
            { "AppSettings/NotifyWhenInTray", "false" },
            { "AppSettings/ShowWindowWhenInTray", "false" },
            { "AppSettings/Position",
              "AdnQywACAAAAAAEYAAAA+AAABmcAAAMQAAABHQAAAQ4AAAZiAAADCwAAAAAAAAAAB4A=" },
            { "AppSettings/SettingsViewSize", "AAAA/wAAAAEAAAAC//////////8B/////wEAAAABAA==" },
            { "AppSettings/AppLanguage", "0" },
            { "AppSettings/AppTheme", "0" },
            { "AppSettings/Opacity", "1" },
            { "Fonts/Family", "Segoe UI" },
            { "Fonts/Size", "12" },
            { "Updates/InstallUpdatesAutomatically", "true" },
            { "Updates/DisableUpdates", "false" },
            { "Updates/CheckForUpdatesWhenAppStarts", "true" },
            { "Updates/GetInsiderBuildsNotification", "true" },
            { "Updates/DeleteInstaller", "false" },
            { "Updates/InstallSilently", "true" },
            { "Updates/DownloadPath", downloads },
            { "Updates/InstallPath", "/opt/Dravonel/Verdimon Nuvo" },
            { "Updates/UpdatesChannel", "3" },
            { "Updates/Delivery", "0" },
        };
        QSettings store(Settings::storeFileName(), QSettings::IniFormat);
        QMap<QString, QString> written;
        for (const QString &key : store.allKeys()) {
            const QVariant value = store.value(key);
            written.insert(key,
                           value.type() == QVariant::ByteArray
                               ? QString::fromLatin1(value.toByteArray().toBase64())
                               : value.toString());
        }
        QCOMPARE(written, expected);
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
        QVERIFY(isPrivate(path));

        // A store left readable by others is tightened on the next write.
        QFile(path).setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner
                                   | QFileDevice::ReadGroup | QFileDevice::ReadOther);
        Settings::setSettingsValue("Credentials", "Login", "x");
        QVERIFY(isPrivate(path));
        Settings::writeDefaultSettings();
        QVERIFY(isPrivate(path));
    }

    // Values come back as texts after a restart; junk keeps the default.
    void typedReads()
    {
        // Texts as a hand-edited store holds them; enumerations outside their values, and
        // numbers beyond int, read as the default.
        const QVector<QPair<QVariant, int>> ints { { "2", 2 }, { 3, 3 },           { "two", 7 },
                                                   { "", 7 },  { "nan", 7 },       { "-1", 7 },
                                                   { "4", 7 }, { "4294967296", 7 } };
        for (const auto &[stored, expected] : ints) {
            Settings::setSettingsValue("Updates", "UpdatesChannel", stored);
            QCOMPARE(Settings::intValue("Updates", "UpdatesChannel", 7), expected);
        }
        QCOMPARE(Settings::intValue("AppSettings", "Missing", 7), 7);
        const QVector<QPair<QVariant, bool>> bools {
            { "true", true }, { "false", false }, { false, false }, { "maybe", true }
        };
        for (const auto &[stored, expected] : bools) {
            Settings::setSettingsValue("AppSettings", "AlwaysOnTop", stored);
            QCOMPARE(Settings::boolValue("AppSettings", "AlwaysOnTop", true), expected);
        }
        QCOMPARE(Settings::windowOpacity(), 1.0);
        const QVector<QPair<QVariant, double>> opacities {
            { 1, 1.0 },     { 0.7, 0.7 },    { "0.6", 0.6 },  { "clear", 1.0 }, { "nan", 1.0 },
            { "inf", 1.0 }, { "0.49", 1.0 }, { "1.01", 1.0 }, { "-nan", 1.0 },  { "0.5", 0.5 }
        };
        for (const auto &[stored, expected] : opacities) {
            Settings::setSettingsValue("AppSettings", "Opacity", stored);
            QCOMPARE(Settings::windowOpacity(), expected);
        }
    }

    // A font the program does not offer is replaced by the default, also in the store.
    void fontChoice()
    {
        QCOMPARE(Settings::fontFamily(), QString("Segoe UI"));
        QCOMPARE(Settings::fontSize(), 12);
        const QVector<QPair<QString, QString>> families { { "Segoe UI Variable Display",
                                                            "Segoe UI Variable Display" },
                                                          { "Comic Sans MS", "Segoe UI" },
                                                          { "arial", "Segoe UI" } };
        for (const auto &[stored, expected] : families) {
            Settings::setSettingsValue("Fonts", "Family", stored);
            QCOMPARE(Settings::fontFamily(), expected);
            QCOMPARE(Settings::settingsValue("Fonts", "Family").toString(), expected);
        }
        const QVector<QPair<QVariant, int>> sizes {
            { 14, 14 }, { "72", 72 }, { 13, 12 }, { "big", 12 }
        };
        for (const auto &[stored, expected] : sizes) {
            Settings::setSettingsValue("Fonts", "Size", stored);
            QCOMPARE(Settings::fontSize(), expected);
            QCOMPARE(Settings::settingsValue("Fonts", "Size").toInt(), expected);
        }
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

    // A store on a disk that can't take a change: the user is told once, with the system's
    // reason; the log names each key once; the changed values apply until the program ends while
    // the file keeps what it had.
    void unstorableChange_data()
    {
        QTest::addColumn<bool>("readOnly");
        QTest::addColumn<int>("error");
        QTest::newRow("full disk") << false << ENOSPC;
        QTest::newRow("read-only folder") << true << EROFS;
    }
    void unstorableChange()
    {
        QFETCH(bool, readOnly);
        QFETCH(int, error);
        VN_SMALL_DISK(disk);
        Settings::resetUnstoredSettings();
        QStringList messages;
        MsgDialog::setTestResponder([&messages](MsgDialog *dialog) {
            messages << dialog->windowTitle() + '|' + dialog->textLabel()->text() + '|'
                    + QString::number(dialog->iconKind());
            return int(QDialogButtonBox::Ok);
        });
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, disk.path());
        const auto restore = qScopeGuard([] {
            MsgDialog::setTestResponder(nullptr);
            QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                               qEnvironmentVariable("XDG_CONFIG_HOME"));
            Settings::resetUnstoredSettings();
        });
        const QString store = disk.filePath("Dravonel/Verdimon Nuvo.conf");
        QCOMPARE(Settings::storeFileName(), store);
        Settings::setSettingsValue("Fonts", "Size", 14); // room yet
        Settings::setSettingsValue("AppSettings", "AppTheme", 1);
        QVERIFY(readOnly ? disk.makeReadOnly() : disk.fill(0));

        const int logBefore = logText().size();
        Settings::setSettingsValue("Fonts", "Size", 16);
        Settings::setSettingsValue("AppSettings", "AppTheme", 2);
        Settings::setSettingsValue("Fonts", "Size", 18);
        QTRY_COMPARE(messages.size(), 1);
        QTest::qWait(200);
        const QString reason = qt_error_string(error);
        QCOMPARE(messages,
                 QStringList("Error|Settings could not be saved!\n" + reason
                             + "\nChanges apply until the program is closed.|3"));
        const QStringList logged = logText().mid(logBefore).split('\n', Qt::SkipEmptyParts);
        const QRegularExpression stamp("^\\d{4}-\\d{2}-\\d{2} \\d{2}:\\d{2}:\\d{2}: ");
        QCOMPARE(QStringList(logged).replaceInStrings(stamp, QString()),
                 QStringList({ "setting Fonts/Size could not be saved: " + reason,
                               "setting AppSettings/AppTheme could not be saved: " + reason }));

        QCOMPARE(Settings::intValue("Fonts", "Size", 12), 18);
        QCOMPARE(Settings::intValue("AppSettings", "AppTheme", 0), 2);
        QFile file(store);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray stored = file.readAll();
        QVERIFY2(stored.contains("Size=14") && stored.contains("AppTheme=1"), stored.constData());
        QVERIFY(!filesIn(QFileInfo(store).absolutePath()).join(' ').contains("probe"));
    }
};

QTEST_MAIN(TestSettings)
#include "tst_settings.moc"
