#include "app/applog.h"
#include "app/cipher.h"
#include "app/msgdialog.h"
#include "app/settings.h"
#include "app/unstoredsettings.h"
#include "tests/support/appidentity.h"
#include "tests/support/diskfaults.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QGuiApplication>
#include <QPointer>
#include <QScopeGuard>
#include <QScreen>
#include <QSettings>
#include <QStandardPaths>
#include <QWidget>
#include <QtTest>

#include <cerrno>
#include <sys/stat.h>

namespace {

// Read and write for the owner alone (the "user" flags repeat the owner's for our own files).
bool isPrivate(const QString &path)
{
    const auto user = QFileDevice::ReadUser | QFileDevice::WriteUser | QFileDevice::ExeUser;
    return (QFile::permissions(path) & ~user) == (QFileDevice::ReadOwner | QFileDevice::WriteOwner);
}

// The store on the given disk for the rest of the test, then the test's own again; every box
// shown meanwhile is answered and noted (its owner and text).
struct StoreOnDisk
{
    explicit StoreOnDisk(const SmallDisk &disk)
    {
        Settings::resetUnstoredSettings();
        MsgDialog::setTestResponder([this](MsgDialog *dialog) {
            owners << dialog->parentWidget();
            texts << dialog->textLabel()->text();
            return int(QDialogButtonBox::Ok);
        });
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, disk.path());
    }
    ~StoreOnDisk()
    {
        MsgDialog::setTestResponder(nullptr);
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                           qEnvironmentVariable("XDG_CONFIG_HOME"));
        Settings::resetUnstoredSettings();
    }
    QList<QWidget *> owners;
    QStringList texts;
};

// The disk takes nothing (read-only, or full), or takes writes again.
bool refuseWrites(SmallDisk &disk, bool readOnly)
{
    return readOnly ? disk.makeReadOnly() : disk.fill(0);
}
bool allowWrites(SmallDisk &disk, bool readOnly)
{
    return readOnly
        ? ::mount("tmpfs", QFile::encodeName(disk.path()).constData(), "tmpfs", MS_REMOUNT, nullptr)
            == 0
        : QFile::remove(disk.filePath("filler"));
}

// A file as written: which file (a rewrite replaces it), when, and what it holds.
QByteArray fileVersion(const QString &path)
{
    struct stat status = {};
    QFile file(path);
    if (::stat(QFile::encodeName(path).constData(), &status) != 0
        || !file.open(QIODevice::ReadOnly))
        return QByteArray();
    return QByteArray::number(qulonglong(status.st_ino)) + ' '
        + QByteArray::number(qlonglong(status.st_mtim.tv_sec)) + '.'
        + QByteArray::number(qlonglong(status.st_mtim.tv_nsec)) + '\n' + file.readAll();
}

// The store file as a new process reads it: values as texts, not as this process wrote them.
void backdateStore()
{
    QFile store(Settings::storeFileName());
    QVERIFY(store.open(QIODevice::ReadWrite));
    QVERIFY(store.setFileTime(QDateTime::currentDateTime().addSecs(-3600),
                              QFileDevice::FileModificationTime));
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
        // Nothing remembered: clearing writes nothing (a read-only store would refuse it).
        const QByteArray before = fileVersion(Settings::storeFileName());
        Settings::clearCredentials();
        QCOMPARE(fileVersion(Settings::storeFileName()), before);
        QVERIFY(!Settings::containsSetting("Credentials", "DevBuild"));

        Settings::setSettingsValue("Credentials", "DevBuild", "AwJr4UsQ");
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

    // An enciphered text is written only when it deciphers to another text: the cipher's random
    // lead byte gives each writing of one text another cipher text.
    void encipheredValueWrittenOnChange()
    {
        Settings::setEncipheredValue("Credentials", "Login", credentialsCipherKey, "alice");
        const QString first = Settings::settingsValue("Credentials", "Login").toString();
        QCOMPARE(decryptString(credentialsCipherKey, first), QString("alice"));
        const QByteArray before = fileVersion(Settings::storeFileName());
        Settings::setEncipheredValue("Credentials", "Login", credentialsCipherKey, "alice");
        QCOMPARE(fileVersion(Settings::storeFileName()), before);
        Settings::setEncipheredValue("Credentials", "Login", credentialsCipherKey, "bob");
        QCOMPARE(decryptString(credentialsCipherKey,
                               Settings::settingsValue("Credentials", "Login").toString()),
                 QString("bob"));
        // A text that does not decipher with the key is replaced.
        Settings::setSettingsValue("Credentials", "DevBuild", "not enciphered");
        Settings::setEncipheredValue("Credentials", "DevBuild", devBuildCipherKey, "no");
        QCOMPARE(decryptString(devBuildCipherKey,
                               Settings::settingsValue("Credentials", "DevBuild").toString()),
                 QString("no"));
        Settings::clearCredentials();
    }

    void emptyKeyIsRefused()
    {
        Settings::setSettingsValue("AppSettings", "ShowSplash", true);
        Settings::setSettingsValue("AppSettings", "", QVariant());
        QVERIFY(Settings::containsSetting("AppSettings", "ShowSplash"));
        QVERIFY(!Settings::containsSetting("AppSettings", ""));
    }

    // Writing what a key already holds leaves the store file alone, whether the value reads back
    // as the same type or as the text the file keeps.
    void equalValueIsNotWritten_data()
    {
        QTest::addColumn<QString>("group");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QVariant>("stored");
        QTest::addColumn<QVariant>("again");
        QTest::newRow("channel") << "Updates"
                                 << "UpdatesChannel" << QVariant(3) << QVariant(3);
        QTest::newRow("boolean") << "AppSettings"
                                 << "ShowSplash" << QVariant(false) << QVariant(false);
        QTest::newRow("opacity 1 as 1.0") << "AppSettings"
                                          << "Opacity" << QVariant(1) << QVariant(1.0);
        QTest::newRow("opacity 0.7") << "AppSettings"
                                     << "Opacity" << QVariant(0.7) << QVariant(0.7);
        QTest::newRow("text") << "Updates"
                              << "DownloadPath" << QVariant("/home/u/My, Files")
                              << QVariant("/home/u/My, Files");
        const QByteArray geometry = QByteArray::fromBase64(Settings::positionDefaultBase64);
        QTest::newRow("geometry") << "AppSettings"
                                  << "Position" << QVariant(geometry) << QVariant(geometry);
    }
    void equalValueIsNotWritten()
    {
        QFETCH(QString, group);
        QFETCH(QString, key);
        QFETCH(QVariant, stored);
        QFETCH(QVariant, again);
        Settings::setSettingsValue(group, key, stored);
        for (bool asRead : { false, true }) {
            if (asRead)
                backdateStore();
            const QByteArray before = fileVersion(Settings::storeFileName());
            Settings::setSettingsValue(group, key, again);
            QCOMPARE(fileVersion(Settings::storeFileName()), before);
        }
        // Another value is a change.
        const QByteArray old = fileVersion(Settings::storeFileName());
        Settings::setSettingsValue(group, key, QStringLiteral("other"));
        QVERIFY(fileVersion(Settings::storeFileName()) != old);
        QCOMPARE(Settings::settingsValue(group, key).toString(), QString("other"));
    }

    // A start writes missing defaults, loads the stored values into the window's controls
    // (which write them back) and repairs fonts: none of it is a change of the user's, so a
    // store that takes nothing shows no box, whether it holds every key or none.
    void unwritableStoreAtStart_data()
    {
        QTest::addColumn<bool>("readOnly");
        QTest::addColumn<bool>("fresh");
        QTest::newRow("read-only folder") << true << false;
        QTest::newRow("read-only folder, no store yet") << true << true;
        QTest::newRow("full disk") << false << false;
        QTest::newRow("full disk, no store yet") << false << true;
    }
    void unwritableStoreAtStart()
    {
        QFETCH(bool, readOnly);
        QFETCH(bool, fresh);
        VN_SMALL_DISK(disk);
        StoreOnDisk store(disk);
        if (!fresh) {
            Settings::writeDefaultSettings();
            backdateStore();
        }
        QVERIFY(refuseWrites(disk, readOnly));

        Settings::writeDefaultSettings();
        Settings::setSettingsValue("Updates", "UpdatesChannel", 3);
        Settings::setSettingsValue("AppSettings", "Opacity", 1.0);
        Settings::setSettingsValue("AppSettings", "ShowSplash", true);
        Settings::setSettingsValue("AppSettings", "SettingsViewSize",
                                   QByteArray::fromBase64(Settings::settingsViewSizeDefaultBase64));
        Settings::setSettingsValue("Updates", "DownloadPath",
                                   QDir::toNativeSeparators(QStandardPaths::writableLocation(
                                       QStandardPaths::DownloadLocation)));
        QCOMPARE(Settings::fontFamily(), QString("Segoe UI"));
        QCOMPARE(Settings::fontSize(), 12);
        QTest::qWait(200);
        QCOMPARE(store.texts, QStringList());
        QCOMPARE(Settings::intValue("Updates", "UpdatesChannel", 0), 3);
        QVERIFY(Settings::containsSetting("AppSettings", "Position"));
    }

    // The user's first change that the store refuses is told once, in a box owned by the window
    // in front; once the store took a value again, the next refusal is told again.
    void refusedChangeIsTold_data()
    {
        QTest::addColumn<bool>("readOnly");
        QTest::addColumn<bool>("dialogInFront");
        QTest::newRow("read-only folder, main window") << true << false;
        QTest::newRow("read-only folder, dialog in front") << true << true;
        QTest::newRow("full disk, main window") << false << false;
        QTest::newRow("full disk, dialog in front") << false << true;
    }
    void refusedChangeIsTold()
    {
        QFETCH(bool, readOnly);
        QFETCH(bool, dialogInFront);
        VN_SMALL_DISK(disk);
        StoreOnDisk store(disk);
        Settings::writeDefaultSettings();
        QWidget window;
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QDialog dialog(&window);
        if (dialogInFront) {
            dialog.setWindowModality(Qt::ApplicationModal);
            dialog.show();
            QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        }
        QWidget *const front = dialogInFront ? static_cast<QWidget *>(&dialog) : &window;
        const QString told = "Settings could not be saved!\n"
            + qt_error_string(readOnly ? EROFS : ENOSPC)
            + "\nChanges apply until the program is closed.";

        QVERIFY(refuseWrites(disk, readOnly));
        Settings::setSettingsValue("Updates", "UpdatesChannel", 3); // no change
        Settings::setSettingsValue("AppSettings", "AppTheme", 2);
        Settings::setSettingsValue("Fonts", "Size", 14);
        QTRY_COMPARE(store.texts.size(), 1);
        QTest::qWait(200);
        QCOMPARE(store.texts, QStringList(told));
        QCOMPARE(store.owners, QList<QWidget *>({ front }));

        QVERIFY(allowWrites(disk, readOnly));
        Settings::setSettingsValue("AppSettings", "AppTheme", 1);
        QFile file(Settings::storeFileName());
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.readAll().contains("AppTheme=1"));
        QVERIFY(refuseWrites(disk, readOnly));
        // The next change is made in the window in front again.
        front->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(front));
        Settings::setSettingsValue("Fonts", "Size", 16);
        QTRY_COMPARE(store.texts.size(), 2);
        QTest::qWait(200);
        QCOMPARE(store.texts, QStringList({ told, told }));
        QCOMPARE(store.owners, QList<QWidget *>({ front, front }));
        QCOMPARE(Settings::intValue("Fonts", "Size", 12), 16);
    }

    // The box goes with the dialog it belongs to when that dialog closes itself before the user
    // answered (a sign-in that ends meanwhile): the user has not read it, so it is shown again,
    // over the window in front then.
    void boxGoneWithItsOwnerIsShownAgain()
    {
        VN_SMALL_DISK(disk);
        StoreOnDisk store(disk);
        Settings::writeDefaultSettings();
        QWidget window;
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QPointer<QDialog> dialog = new QDialog(&window);
        dialog->setAttribute(Qt::WA_DeleteOnClose);
        dialog->setWindowModality(Qt::ApplicationModal);
        dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(dialog.data()));
        QList<QPointer<QWidget>> owners;
        int answered = 0;
        MsgDialog::setTestResponder([&](MsgDialog *box) {
            owners << box->parentWidget();
            const QPointer<MsgDialog> alive(box);
            if (dialog) {
                dialog->close();
                window.activateWindow();
                QTest::qWait(100); // the dialog goes, and the box with it
            }
            answered += alive ? 1 : 0;
            return int(QDialogButtonBox::Ok);
        });
        QVERIFY(refuseWrites(disk, true));
        Settings::setSettingsValue("AppSettings", "AppTheme", 2);
        QTRY_COMPARE(answered, 1);
        QTest::qWait(200);
        QCOMPARE(owners.size(), 2);
        QVERIFY(owners.first().isNull());
        QCOMPARE(owners.last().data(), &window);
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
