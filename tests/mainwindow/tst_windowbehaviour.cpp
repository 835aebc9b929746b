// Behaviour of the main window: the settings handlers and what they store, loading, defaults, the
// tray modes with and without a notification area, closing, the title, shortcuts, start at login;
// then the actions of the Settings pages, on a fake device and throw-away scripts and folders.

#include "app/applog.h"
#include "app/msgdialog.h"
#include "app/restart.h"
#include "app/settings.h"
#include "app/systemfunctions.h"
#include "app/unstoredsettings.h"
#include "appidentity.h"
#include "diskfaults.h"
#include "mainwindow/detectionstats.h"
#include "mainwindow/listrowbatcher.h"
#include "mainwindow/verdimonnuvo.h"
#include "net/logdialog.h"
#include "platform/fakes/fakelauncher.h"
#include "platform/fakes/fakeplatform.h"
#include "platform/sysroot.h"
#include "platformtree.h"
#include "quitrequest.h"
#include "widgets/apptabcontrol.h"
#include "widgets/switch.h"

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QProcess>
#include <QPushButton>
#include <QScopeGuard>
#include <QSettings>
#include <QSlider>
#include <QStandardItemModel>
#include <QStandardPaths>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QtTest>

#include <memory>

#include <csignal>

using SwitchMember = Switch *VerdimonNuvo::*;
Q_DECLARE_METATYPE(SwitchMember)

namespace {

const QString kUninstall
    = QStringLiteral("HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall");
const QString kRun = QStringLiteral("HKEY_%1\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run");

QStringList column(QTreeWidget *tree)
{
    QStringList texts;
    for (int row = 0; row < tree->topLevelItemCount(); ++row)
        texts.append(tree->topLevelItem(row)->text(0));
    return texts;
}

// The Run key of a store that keeps its entries: every removal is refused.
class KeepingKey : public plat::RegistryKey
{
public:
    explicit KeepingKey(std::unique_ptr<plat::RegistryKey> key)
        : m_key(std::move(key))
    {
    }
    bool exists() const override { return m_key->exists(); }
    QStringList childGroups() const override { return m_key->childGroups(); }
    QStringList childKeys() const override { return m_key->childKeys(); }
    QVariant value(const QString &name, const QVariant &fallback) const override
    {
        return m_key->value(name, fallback);
    }
    std::unique_ptr<plat::RegistryKey> child(const QString &name) const override
    {
        return m_key->child(name);
    }
    bool setValue(const QString &name, const QVariant &value) override
    {
        return m_key->setValue(name, value);
    }
    bool remove(const QString &) override { return false; }
    QString fileName() const override { return m_key->fileName(); }

private:
    std::unique_ptr<plat::RegistryKey> m_key;
};

} // namespace

// Threads end by deleteLater, which QTest::qWait runs.
#define WAIT_FOR_WORKERS() QTRY_COMPARE_WITH_TIMEOUT(DetectionStats::liveThreads(), 0, 15000)

class TstWindowBehaviour : public QObject
{
    Q_OBJECT

    QTemporaryDir root;
    plat::FakePlatform fakes;
    std::unique_ptr<plat::ScopedPlatform> scopedPlatform;
    std::shared_ptr<plat::FakeLauncher> launcher = std::make_shared<plat::FakeLauncher>();
    std::unique_ptr<plat::ScopedLauncher> scopedLauncher;
    QStringList boxes; // "title|text" of every message box
    QList<int> boxFontSizes; // the pixel size of each box's text
    std::unique_ptr<VerdimonNuvo> window; // the page actions' window; other tests build their own

    static QVariant stored(const QString &group, const QString &key)
    {
        return Settings::settingsValue(group, key);
    }

    std::unique_ptr<VerdimonNuvo> newWindow()
    {
        return std::make_unique<VerdimonNuvo>(VerdimonNuvo::StartupActions::Skip);
    }

    void answerWith(QDialogButtonBox::StandardButton answer)
    {
        MsgDialog::setTestResponder([this, answer](MsgDialog *box) {
            boxes << box->windowTitle() + QLatin1Char('|') + box->textLabel()->text();
            boxFontSizes << box->textLabel()->font().pixelSize();
            return int(answer);
        });
    }

    QTreeWidgetItem *addProgram(const QString &name, const QString &command,
                                const QString &key = kUninstall)
    {
        window->setAppsData({ QIcon(), name, {}, {}, {}, command, key, "dpkg:" + name });
        window->listRows()->flush(window->appsTree);
        return window->appsTree->topLevelItem(window->appsTree->topLevelItemCount() - 1);
    }

private slots:
    void initTestCase()
    {
        const QVector<plat::FakeSmartIo::Attribute> drives[]
            = { { { 194, 0, 67, 50, 33 }, { 5, 0, 100, 100, 0 } }, { { 12, 0, 99, 99, 7 } } };
        for (int index : { 0, 1 }) {
            plat::FakeSmartIo::Drive drive;
            drive.attributes = plat::FakeSmartIo::attributePage(drives[index]);
            fakes.smartIo->setDrive(index, drive);
        }
        const std::shared_ptr<plat::Platform> platform = fakes.platform();
        // Packages below the throw-away root; the Run keys are the real XDG autostart folders of
        // this test's throw-away home.
        platform->registry = plat::makeLinuxRegistry(plat::SysRoot(root.path()));
        platform->processTree = nullptr; // the real one: the uninstaller's session is waited for
        scopedPlatform = std::make_unique<plat::ScopedPlatform>(platform);
        scopedLauncher = std::make_unique<plat::ScopedLauncher>(launcher);
    }

    void init()
    {
        TestSupport::forgetQuitRequest(); // an earlier case quit the program
        QSettings().clear();
        boxes.clear();
        answerWith(QDialogButtonBox::Ok);
        launcher->clear();
        VerdimonNuvo::setTrayProbe([] { return true; });
        QGuiApplication::setQuitOnLastWindowClosed(true);
        QVERIFY(writeTreeFile(root.filePath("var/lib/dpkg/status"),
                              "Package: vn-gone\nStatus: install ok installed\n\n"
                              "Package: vn-kept\nStatus: install ok installed\n"));
    }

    void cleanup()
    {
        WAIT_FOR_WORKERS();
        window.reset();
    }

    void switchesStoreTheirKeys_data()
    {
        QTest::addColumn<SwitchMember>("member");
        QTest::addColumn<QString>("key");
        const auto row = [](SwitchMember member, const char *key) {
            QTest::newRow(key) << member << QString::fromLatin1(key);
        };
        row(&VerdimonNuvo::showSplashSwitch, "AppSettings/ShowSplash");
        row(&VerdimonNuvo::alwaysOnTopSwitch, "AppSettings/AlwaysOnTop");
        row(&VerdimonNuvo::showFullInfoSwitch, "AppSettings/ShowFullInfo");
        row(&VerdimonNuvo::autoDataExpandSwitch, "AppSettings/AutoDataExpand");
        row(&VerdimonNuvo::notifyWhenInTraySwitch, "AppSettings/NotifyWhenInTray");
        row(&VerdimonNuvo::showWindowWhenInTraySwitch, "AppSettings/ShowWindowWhenInTray");
        row(&VerdimonNuvo::installAutomaticallySwitch, "Updates/InstallUpdatesAutomatically");
        row(&VerdimonNuvo::checkOnStartSwitch, "Updates/CheckForUpdatesWhenAppStarts");
        row(&VerdimonNuvo::insiderNotificationSwitch, "Updates/GetInsiderBuildsNotification");
        row(&VerdimonNuvo::deleteInstallerSwitch, "Updates/DeleteInstaller");
        row(&VerdimonNuvo::installSilentlySwitch, "Updates/InstallSilently");
    }

    void switchesStoreTheirKeys()
    {
        QFETCH(SwitchMember, member);
        QFETCH(QString, key);
        auto window = newWindow();
        Switch *option = window.get()->*member;
        const bool before = option->isChecked();
        option->click();
        QCOMPARE(option->isChecked(), !before);
        QCOMPARE(QSettings().value(key).toBool(), !before);
        option->click();
        QCOMPARE(QSettings().value(key).toBool(), before);
    }

    void effectsOfSwitchesAndBoxes()
    {
        auto window = newWindow();
        window->alwaysOnTopSwitch->click();
        QVERIFY(window->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        window->showFullInfoSwitch->click();
        QCOMPARE(window->windowTitle(), "Verdimon Nuvo");
        window->showFullInfoSwitch->click();
        QCOMPARE(window->windowTitle(), "Verdimon Nuvo [Release | Build 4.1.3.742 | x64]");
        window->updatesChannelComboBox->setCurrentIndex(2);
        QCOMPARE(window->windowTitle(), "Verdimon Nuvo [Beta | Build 4.1.3.742 | x64]");
        QCOMPARE(window->aboutChannelLabel->text(), "Beta");
        QCOMPARE(stored("Updates", "UpdatesChannel").toInt(), 2);
        window->updatesDeliveryComboBox->setCurrentIndex(1);
        QCOMPARE(stored("Updates", "Delivery").toInt(), 1);

        window->opacitySlider->setValue(7);
        QVERIFY(qAbs(window->windowOpacity() - 0.7) < 0.01); // kept in 8 bits
        QCOMPARE(stored("AppSettings", "Opacity").toDouble(), 0.7);

        window->disableUpdatesSwitch->click();
        for (Switch *option : { window->installAutomaticallySwitch, window->checkOnStartSwitch,
                                window->insiderNotificationSwitch, window->deleteInstallerSwitch,
                                window->installSilentlySwitch }) {
            QVERIFY(!option->isChecked());
            QVERIFY(!option->isEnabled());
        }
        QCOMPARE(stored("Updates", "InstallUpdatesAutomatically").toBool(), false);
        QCOMPARE(stored("Updates", "DisableUpdates").toBool(), true);
        window->disableUpdatesSwitch->click();
        QVERIFY(window->installSilentlySwitch->isEnabled());
        QVERIFY(!window->installSilentlySwitch->isChecked());
    }

    void fontChoiceWaitsForRestart()
    {
        // Until the restart the program, and every question it asks, keeps the font it started
        // with.
        Settings::setSettingsValue("Fonts", "Size", 20);
        auto window = newWindow();
        boxFontSizes.clear();
        window->fontSizeComboBox->setCurrentText("14");
        emit window->fontSizeComboBox->textActivated("14");
        QCOMPARE(stored("Fonts", "Size").toInt(), 14);
        QVERIFY(window->fontChangePending);
        QVERIFY(window->applyFontBtn->isEnabled());
        answerWith(QDialogButtonBox::No);
        window->applyFontBtn->click();
        QCOMPARE(boxes.size(), 1);
        QVERIFY(window->fontChangePending);
        window->resetFontBtn->click();
        QCOMPARE(stored("Fonts", "Size").toInt(), 12);
        QCOMPARE(stored("Fonts", "Family").toString(), "Segoe UI");
        QVERIFY(!window->fontChangePending);
        QVERIFY(!window->applyFontBtn->isEnabled() && !window->resetFontBtn->isEnabled());
        QCOMPARE(boxFontSizes, QList<int>({ 20, 20 }));
    }

    void loadingPutsStoredValuesIntoTheControls()
    {
        const QVariantMap values {
            { "AppSettings/Opacity", 0.3 },     { "AppSettings/ShowFullInfo", false },
            { "AppSettings/AppTheme", 2 },      { "AppSettings/AppLanguage", 3 },
            { "Fonts/Family", "Arial" },        { "Fonts/Size", 13 },
            { "Updates/UpdatesChannel", 1 },    { "Updates/Delivery", 1 },
            { "Updates/DisableUpdates", true }, { "Updates/InstallSilently", true }
        };
        for (auto value = values.cbegin(); value != values.cend(); ++value)
            QSettings().setValue(value.key(), value.value());
        QSettings().setValue("Updates/GetInsiderBuildsNotification", false);
        QSettings().setValue(
            "AppSettings/TabsOrder",
            QVariant::fromValue(QMap<int, QString> { { 2, "CPU" }, { 10, "CPU" } }));
        auto window = newWindow();
        QCOMPARE(window->opacitySlider->value(), 10); // below the slider's range: the default
        QCOMPARE(window->windowTitle(), "Verdimon Nuvo");
        QCOMPARE(window->themeComboBox->currentIndex(), 2);
        QCOMPARE(window->languageComboBox->currentIndex(), 3);
        QCOMPARE(window->fontFamilyComboBox->currentText(), "Arial");
        QCOMPARE(window->fontSizeComboBox->currentText(), "12");
        QVERIFY(window->resetFontBtn->isEnabled());
        // Filling the channel and delivery boxes overwrote nothing stored.
        QCOMPARE(window->aboutChannelLabel->text(), "Insider");
        QCOMPARE(window->updatesDeliveryComboBox->currentIndex(), 1);
        QCOMPARE(stored("Updates", "Delivery").toInt(), 1);
        QVERIFY(window->disableUpdatesSwitch->isChecked());
        QVERIFY(!window->installSilentlySwitch->isChecked());
        QVERIFY(!window->installSilentlySwitch->isEnabled());
        // Enabling updates later from the check's prompt keeps the insider offers off.
        QVERIFY(!window->insiderNotificationEnabled);
        QCOMPARE(window->restoreTabsOrder("CPU"), 10); // indexes compared as numbers
        QCOMPARE(window->restoreTabsOrder("GPU"), -1);
        QSettings().setValue("AppSettings/TabsOrder",
                             QVariantMap { { "10", "RAM" }, { "2", "RAM" } });
        QCOMPARE(window->restoreTabsOrder("RAM"), 10);

        window->checkSettingsMenuItems();
        QVERIFY(window->ukrainianLanguageAction->isChecked());
        QVERIFY(!window->autoSelectLanguageAction->isChecked());
        QVERIFY(window->darkThemeAction->isChecked());
        QVERIFY(!window->lightThemeAction->isChecked());
    }

    void restoreDefaults_data()
    {
        QTest::addColumn<bool>("devChannel");
        QTest::newRow("development allowed") << true;
        QTest::newRow("development not allowed") << false;
    }

    void restoreDefaults()
    {
        QFETCH(bool, devChannel);
        Settings::setSettingsValue("Updates", "Delivery", 1);
        Settings::setSettingsValue("Credentials", "Login", "kept");
        Settings::setSettingsValue("AppSettings", "AppTheme", 2);
        Settings::setSettingsValue("Updates", "DisableUpdates", true);
        auto window = newWindow();
        qobject_cast<QStandardItemModel *>(window->updatesChannelComboBox->model())
            ->item(0)
            ->setEnabled(devChannel);
        window->showSplashSwitch->click();
        window->addToTraySwitch->click();
        window->opacitySlider->setValue(6);
        const quint64 batch = window->detectionBatch;

        window->restoreDefaultsSwitch->click();
        QCOMPARE(
            boxes,
            QStringList({ "Information|The default settings has been successfully applied!" }));
        QCOMPARE(stored("AppSettings", "ShowSplash").toBool(), true);
        QCOMPARE(stored("AppSettings", "AddToTray").toBool(), false);
        QCOMPARE(stored("AppSettings", "Opacity").toDouble(), 1.0);
        QCOMPARE(stored("AppSettings", "AppTheme").toInt(), 0);
        QCOMPARE(stored("AppSettings", "AppLanguage").toInt(), 0);
        QCOMPARE(stored("Updates", "UpdatesChannel").toInt(), devChannel ? 0 : 3);
        QCOMPARE(stored("Updates", "Delivery").toInt(), 1);
        QCOMPARE(stored("Updates", "DisableUpdates").toBool(), false);
        QCOMPARE(stored("Credentials", "Login").toString(), "kept");
        QCOMPARE(window->updatesDeliveryComboBox->currentIndex(), 1);
        QVERIFY(window->showSplashSwitch->isChecked());
        QVERIFY(!window->addToTraySwitch->isChecked());
        QVERIFY(!window->restoreDefaultsSwitch->isChecked());
        QCOMPARE(window->detectionBatch, batch + 1);
        QCOMPARE(window->windowOpacity(), 1.0);
    }

    void installPathGetsTheProductFolder_data()
    {
        QTest::addColumn<QString>("chosen"); // below HOME; empty: the dialog is cancelled
        QTest::addColumn<QString>("expected");
        QTest::newRow("plain folder") << "Apps"
                                      << "Apps/Verdimon Nuvo";
        QTest::newRow("product folder inside") << "Apps/Verdimon Nuvo/bin"
                                               << "Apps/Verdimon Nuvo/bin";
        QTest::newRow("other letter case") << "verdimon nuvo"
                                           << "verdimon nuvo/Verdimon Nuvo";
        QTest::newRow("cancelled") << ""
                                   << "";
    }

    void installPathGetsTheProductFolder()
    {
        QFETCH(QString, chosen);
        QFETCH(QString, expected);
        const QDir home(qEnvironmentVariable("HOME"));
        auto window = newWindow();
        const QString before = window->installPathEdit->text();
        QTimer answer; // the folder dialog runs its own loop: answer it once it is up
        connect(&answer, &QTimer::timeout, [&] {
            auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            answer.stop();
            if (chosen.isEmpty()) {
                dialog->reject();
                return;
            }
            home.mkpath(chosen);
            dialog->setDirectory(home.filePath(chosen));
            dialog->findChild<QLineEdit *>("fileNameEdit")->clear();
            static_cast<QDialog *>(dialog)->done(QDialog::Accepted);
        });
        answer.start(20);
        window->installPathBtn->click();
        const QString path = expected.isEmpty() ? before : home.filePath(expected);
        QCOMPARE(window->installPathEdit->text(), path);
        QCOMPARE(window->installPathEdit->toolTip(), path);
        QCOMPARE(stored("Updates", "InstallPath").toString(), expected.isEmpty() ? "" : path);
    }

    void trayModes_data()
    {
        QTest::addColumn<bool>("tray");
        QTest::newRow("notification area") << true;
        QTest::newRow("no notification area") << false;
    }

    void trayModes()
    {
        QFETCH(bool, tray);
        VerdimonNuvo::setTrayProbe([tray] { return tray; });
        auto window = newWindow();
        window->show();
        QCOMPARE(window->addToTraySwitch->toolTip() == window->addToTraySwitch->text(), tray);

        window->addToTraySwitch->click(); // "show window when in tray" is off
        QCOMPARE(window->trayIcon->isVisible(), tray);
        QCOMPARE(window->isVisible(), !tray);
        QCOMPARE(QGuiApplication::quitOnLastWindowClosed(), !tray);
        window->openAction->trigger();
        QVERIFY(window->isVisible());
        window->addToTraySwitch->click();
        QVERIFY(!window->trayIcon->isVisible());
        QVERIFY(QGuiApplication::quitOnLastWindowClosed());
        for (int round = 0; round < 3; ++round) { // each making of the icon replaces its menu
            window->addToTraySwitch->click();
            window->addToTraySwitch->click();
        }
        QVERIFY(window->findChildren<QMenu *>(QString(), Qt::FindDirectChildrenOnly).size() <= 1);
        window->show();

        window->minimizeToTraySwitch->click();
        window->setWindowState(Qt::WindowMinimized);
        QCOMPARE(window->isVisible(), !tray);
        QCOMPARE(window->trayIcon->isVisible(), tray);
        window->onTrayIconActivated(QSystemTrayIcon::DoubleClick);
        QVERIFY(window->isVisible());
        window->minimizeToTraySwitch->click();
        QVERIFY(!window->trayIcon->isVisible());

        window->closeToTraySwitch->click();
        QVERIFY(!window->addToTraySwitch->isEnabled());
        QCOMPARE(window->close(), !tray);
        QVERIFY(!window->isVisible());
        QCOMPARE(window->trayIcon->isVisible(), tray);
        // Exit ends the application also in close-to-tray mode.
        window->show();
        window->exitAction->trigger();
        QVERIFY(!window->isVisible());
        QVERIFY(!window->trayIcon->isVisible());
    }

    // Closing the window or Exit, while a font waits for a restart or not. The font question's
    // Cancel leaves the window, the tray icon and the quit rule as they were.
    void leaving_data()
    {
        QTest::addColumn<bool>("byExit"); // else by closing the window
        QTest::addColumn<int>(
            "tray"); // 1: icon, window shown; 2: window in the tray; 3: close to it
        QTest::addColumn<bool>("fontPending");
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("asked");
        QTest::addColumn<bool>("kept");
        QTest::addColumn<bool>("restarted");
        const int cancel = QDialogButtonBox::Cancel, no = QDialogButtonBox::No;
        QTest::newRow("close") << false << 0 << false << 0 << false << false << false;
        QTest::newRow("close, font, cancel")
            << false << 0 << true << cancel << true << true << false;
        QTest::newRow("close, font, no") << false << 0 << true << no << true << false << false;
        QTest::newRow("close, font, yes")
            << false << 0 << true << int(QDialogButtonBox::Yes) << true << false << true;
        QTest::newRow("close to tray, font") << false << 3 << true << 0 << false << false << false;
        for (const int answer : { cancel, no }) {
            const QByteArray name = answer == cancel ? "cancel" : "no";
            for (const int tray : { 0, 1, 2 })
                QTest::newRow("exit, font, tray " + QByteArray::number(tray) + ", " + name)
                    << true << tray << true << answer << true << (answer == cancel) << false;
        }
    }
    void leaving()
    {
        QFETCH(int, tray);
        QFETCH(bool, fontPending);
        QFETCH(int, answer);
        QFETCH(bool, kept);
        bool restartCalled = false;
        ProcessEntry::setRestartHandler([&restartCalled] { restartCalled = true; });
        answerWith(QDialogButtonBox::StandardButton(answer));
        auto window = newWindow();
        window->show();
        const bool icon = tray == 1 || tray == 2;
        if (icon) {
            window->showWindowWhenInTraySwitch->setChecked(tray == 1);
            window->addToTraySwitch->click();
        }
        window->closeToTraySwitch->setChecked(tray == 3);
        QCOMPARE(window->isVisible(), tray != 2);
        window->fontChangePending = fontPending;
        QFETCH(bool, byExit);
        if (byExit)
            window->exitAction->trigger();
        else
            QCOMPARE(window->close(), !kept);
        QTEST(boxes.size() == 1, "asked");
        QCOMPARE(window->isVisible(), kept && tray != 2);
        QTEST(restartCalled, "restarted");
        QCOMPARE(window->trayIcon->isVisible(), kept && icon);
        QCOMPARE(window->addToTraySwitch->isChecked(), icon);
        QCOMPARE(QGuiApplication::quitOnLastWindowClosed(), !(kept && icon));
        ProcessEntry::setRestartHandler(nullptr);
    }

    // A quit signal to a fresh program runs the quit steps: the moved window's place is stored.
    void quitSignalStoresTheGeometry_data()
    {
        QTest::addColumn<int>("signalNumber");
        QTest::newRow("SIGTERM") << int(SIGTERM);
        QTest::newRow("SIGINT") << int(SIGINT);
        QTest::newRow("SIGHUP") << int(SIGHUP);
    }
    void quitSignalStoresTheGeometry()
    {
        QFETCH(int, signalNumber);
        QSettings().sync();
        QProcess helper;
        helper.start(QStringLiteral(VN_CLOSE_HELPER), { "signal" });
        QByteArray line;
        while (!line.endsWith('\n') && helper.waitForReadyRead(30000))
            line += helper.readLine();
        QVERIFY2(line.startsWith("ready "), line.constData());
        const QByteArray geometry = QByteArray::fromHex(line.mid(6).trimmed());
        QSettings before;
        QVERIFY(before.value("AppSettings/Position").toByteArray() != geometry);
        QCOMPARE(::kill(pid_t(helper.processId()), signalNumber), 0);
        QVERIFY(helper.waitForFinished(20000));
        QCOMPARE(helper.exitStatus(), QProcess::NormalExit);
        QCOMPARE(helper.exitCode(), 0);
        QSettings after;
        after.sync();
        QCOMPARE(after.value("AppSettings/Position").toByteArray(), geometry);
    }

    // On a settings store that can't be written the window's place is the program's own record,
    // logged and not told: neither a resize nor the quit steps (which handle events while the
    // detections end) open a box, so nothing holds up a program that is ending.
    void placeOnUnwritableStoreIsNotTold()
    {
        VN_SMALL_DISK(disk);
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, disk.path());
        const auto restore = qScopeGuard([] {
            QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                               qEnvironmentVariable("XDG_CONFIG_HOME"));
            Settings::resetUnstoredSettings();
        });
        Settings::resetUnstoredSettings();
        Settings::writeDefaultSettings();
        QVERIFY(disk.makeReadOnly());
        const int logBefore = logText().size();
        window = newWindow();
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        window->resize(window->width() + 31, window->height() + 17);
        window->move(window->x() + 37, window->y() + 23);
        QTest::qWait(100);
        QCOMPARE(boxes, QStringList());
        window->beginDataCollection();
        QTRY_VERIFY(DetectionStats::liveThreads() > 0);
        window->onApplicationQuit();
        QCOMPARE(boxes, QStringList());
        QVERIFY(Settings::containsSetting("AppSettings", "Position"));
        QCOMPARE(Settings::appSettingsValue("Position").toByteArray(), window->saveGeometry());
        QCOMPARE(logText().mid(logBefore).count("setting AppSettings/Position could not be saved"),
                 1);
    }

    void quitReleasesTheLogWindow()
    {
        auto window = newWindow();
        QTimer::singleShot(0, window.get(), [&window] { window->appLogDialog->reject(); });
        window->openAppLog();
        const QPointer<Log> log = window->appLogDialog.data();
        QVERIFY(log);
        window->onApplicationQuit();
        QTRY_VERIFY(log.isNull());
    }

    void runAtLoginEntry()
    {
        const QString autostart = qEnvironmentVariable("XDG_CONFIG_HOME") + "/autostart";
        const QString entry = autostart + "/Verdimon Nuvo.desktop";
        auto window = newWindow();
        window->runAtStartupSwitch->click();
        QVERIFY(QFile::exists(entry));
        QCOMPARE(QProcess::execute("desktop-file-validate", { entry }), 0);
        auto reopened = newWindow();
        QVERIFY(reopened->runAtStartupSwitch->isChecked());
        window->runAtStartupSwitch->click();
        QVERIFY(!QFile::exists(entry));

        // A path the Exec rules reserve characters of is quoted as one argument.
        const QString odd = QDir(qEnvironmentVariable("HOME")).filePath("a b$c");
        QDir().mkpath(odd);
        QFile program(odd + "/verdimon-nuvo");
        QVERIFY(program.open(QIODevice::WriteOnly));
        auto key = plat::registry()->open(runKeyPath(64));
        QVERIFY(key->setValue("Verdimon Nuvo", program.fileName()));
        QCOMPARE(QProcess::execute("desktop-file-validate", { entry }), 0);
        QVERIFY(key->remove("Verdimon Nuvo"));

        // A failed write leaves the switch off and says so.
        QDir(autostart).removeRecursively();
        QVERIFY(QFile(autostart).open(QIODevice::WriteOnly)); // a file where the folder goes
        window->runAtStartupSwitch->click();
        QVERIFY(!window->runAtStartupSwitch->isChecked());
        QCOMPARE(boxes.size(), 1);
        QFile::remove(autostart);

        // An entry that can not be removed leaves the switch on and says so.
        window->runAtStartupSwitch->click();
        QVERIFY(QFile::exists(entry));
        window->runKeySettings = std::make_unique<KeepingKey>(std::move(window->runKeySettings));
        window->runAtStartupSwitch->click();
        QVERIFY(window->runAtStartupSwitch->isChecked());
        QCOMPARE(boxes.value(1),
                 "Error|The program could not be removed from the programs run at login.");
        QVERIFY(QFile::exists(entry));
        QVERIFY(QFile::remove(entry));
    }

    void smartPage()
    {
        window = newWindow();
        for (const char *drive : { "0", "1", "2" })
            window->setSmartDriveInfo({ QStringLiteral("Disk ") + drive, drive });
        window->getSmartData();
        WAIT_FOR_WORKERS();
        QCOMPARE(column(window->smartTree), QStringList({ "005", "194" })); // sorted by id
        QCOMPARE(window->smartTree->accessibleDescription(), QStringLiteral("Disk 0"));
        QTreeWidgetItem *row = window->smartTree->topLevelItem(1);
        window->onSmartItemDoubleClicked(row, 3);
        QCOMPARE(boxes.takeFirst(), "Information|" + row->data(0, Qt::UserRole).toString());
        window->onSmartInfoClicked();
        QVERIFY(boxes.takeFirst().startsWith("Information|No smart item is selected"));

        // Drive 0's read runs again, but nothing of it arrives before the user picks drive 1.
        window->getSmartData();
        window->smartDriveComboBox->setCurrentIndex(1);
        window->onSmartDriveActivated(1);
        WAIT_FOR_WORKERS();
        QCOMPARE(column(window->smartTree), QStringList("012"));
        QCOMPARE(window->smartTree->accessibleDescription(), QStringLiteral("Disk 1"));

        window->onSmartDriveActivated(2); // no such drive: unreadable
        WAIT_FOR_WORKERS();
        QCOMPARE(window->smartTree->topLevelItemCount(), 0);
        QVERIFY(!window->noSmartDataLabel->isHidden());
    }

    void uninstallWaitsForTheSession()
    {
        window = newWindow();
        answerWith(QDialogButtonBox::Yes);
        // The uninstaller ends at once; a helper left in its session removes the package later.
        const QByteArray status = root.filePath("var/lib/dpkg/status").toUtf8();
        writeTreeFile(
            root.filePath("gone.sh"),
            "#!/bin/sh\n(sleep 1; echo 'Package: vn-kept\nStatus: install ok installed' >\""
                + status + "\") &\n",
            true);
        writeTreeFile(root.filePath("kept.sh"), "#!/bin/sh\nexit 1\n", true);
        QTreeWidgetItem *gone = addProgram("vn-gone", root.filePath("gone.sh"));
        addProgram("vn-kept", root.filePath("kept.sh"));
        window->setAppDataReady(2);

        window->onProgramDoubleClicked(gone, 2);
        QVERIFY(window->uninstallRunning); // from the question on: one request at a time
        window->onProgramDoubleClicked(window->appsTree->topLevelItem(1), 0);
        WAIT_FOR_WORKERS();
        QCOMPARE(boxes,
                 QStringList({ "Information|Please wait until the current program is "
                               "finished uninstalling or being changed!",
                               "Applications|Uninstalling vn-gone runs this command:\n"
                                   + root.filePath("gone.sh") + "\n\nDo you want to continue?" }));
        QCOMPARE(column(window->appsTree), QStringList("vn-kept"));
        QCOMPARE(window->installedAppsCountLabel->text(), QString("1"));
    }

    // Nothing runs before the user has seen what the removal takes and agreed; a package
    // removal is shown as apt's own simulation lists it. An uninstaller that cannot start offers
    // to take the program off the list, unless its entry can not be removed.
    void uninstallAsksFirst_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("key");
        QTest::addColumn<int>("answer");
        QTest::addColumn<QStringList>("expected");
        QTest::addColumn<bool>("gone");
        const QString ask = "Applications|Uninstalling vn-gone %1\n\nDo you want to continue?";
        const QString packages = ask.arg("removes these packages:\nvn-gone, vn-gone-plugins");
        const QString failed = "Error|Failed to remove the program!\n";
        const QString cannotRun = "Applications|An error occurred while uninstalling vn-gone. It "
                                  "may have already been uninstalled.\nDo you want to remove "
                                  "vn-gone from the list?";
        const int yes = int(QDialogButtonBox::Yes);
        const int no = int(QDialogButtonBox::No);
        QTest::newRow("command, cancelled")
            << "@/remove.sh" << kUninstall << no
            << QStringList(ask.arg("runs this command:\n@/remove.sh")) << false;
        QTest::newRow("command, confirmed")
            << "@/remove.sh" << kUninstall << yes
            << QStringList(ask.arg("runs this command:\n@/remove.sh")) << true;
        QTest::newRow("command that cannot start")
            << "@/none" << kUninstall << yes
            << QStringList { ask.arg("runs this command:\n@/none"), cannotRun } << true;
        QTest::newRow("command that cannot start, entry kept")
            << "@/none"
            << "HKEY_CURRENT_USER\\Elsewhere" << yes
            << QStringList { ask.arg("runs this command:\n@/none"), cannotRun,
                             "Applications|Failed to remove the program from the list!" }
            << false;
        // A failing uninstaller leaves its program registered: the row stays, and it says why.
        QTest::newRow("command fails")
            << "@/fail.sh" << kUninstall << yes
            << QStringList { ask.arg("runs this command:\n@/fail.sh"),
                             failed + "The uninstaller ended with exit code 1." }
            << false;
        QTest::newRow("flatpak, cancelled")
            << "flatpak uninstall -y org.example.Gone" << kUninstall << no
            << QStringList(ask.arg("removes these packages:\norg.example.Gone")) << false;
        // Under test pkexec never runs: it ends as a refused authentication does.
        QTest::newRow("package, elevation refused")
            << "pkexec apt-get remove -y vn-gone" << kUninstall << yes
            << QStringList { packages,
                             failed
                                 + "The request for administrator rights was cancelled or "
                                   "refused." }
            << false;
        QTest::newRow("package the simulation refuses")
            << "pkexec apt-get remove -y vn-locked" << kUninstall << yes
            << QStringList(failed
                           + "The package manager could not tell what the removal would take:\n"
                             "E: Could not get lock /var/lib/dpkg/lock-frontend")
            << false;
        QTest::newRow("package not installed")
            << "pkexec apt-get remove -y vn-none" << kUninstall << yes
            << QStringList(failed
                           + "The package manager would remove nothing: the program is not "
                             "installed.")
            << false;
    }
    void uninstallAsksFirst()
    {
        QFETCH(QString, command);
        QFETCH(QString, key);
        QFETCH(int, answer);
        QFETCH(QStringList, expected);
        QFETCH(bool, gone);
        window = newWindow();
        answerWith(QDialogButtonBox::StandardButton(answer));
        const QString status = root.filePath("var/lib/dpkg/status");
        writeTreeFile(root.filePath("remove.sh"),
                      "#!/bin/sh\necho 'Package: vn-kept\nStatus: install ok installed' >'"
                          + status.toUtf8() + "'\n",
                      true);
        writeTreeFile(root.filePath("fail.sh"), "#!/bin/sh\nexit 1\n", true);
        // apt's simulation, as this stand-in on PATH answers it.
        QTemporaryDir bin;
        writeTreeFile(bin.filePath("apt-get"),
                      "#!/bin/sh\ncase \"$3\" in\n"
                      "vn-gone) printf 'Remv vn-gone [1]\\nRemv vn-gone-plugins [1]\\n' ;;\n"
                      "vn-locked) echo 'E: Could not get lock /var/lib/dpkg/lock-frontend' >&2;"
                      " exit 100 ;;\n"
                      "*) echo \"Package '$3' is not installed, so not removed\" ;;\nesac\n",
                      true);
        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", bin.path().toUtf8() + ':' + path);
        command.replace("@", root.path());
        for (QString &box : expected)
            box.replace("@", root.path());
        window->startUninstall(addProgram("vn-gone", command, key));
        WAIT_FOR_WORKERS();
        qputenv("PATH", path);
        QTRY_COMPARE(boxes, expected); // a start that fails is answered through the event loop
        QCOMPARE(window->appsTree->topLevelItemCount() == 0, gone);
        QCOMPARE(window->noAppsLabel->isVisibleTo(window->appsTree), gone);
        QVERIFY(!window->uninstallRunning);
    }

    void startupRemoval()
    {
        window = newWindow();
        // User entries go by their exact file; a system entry is switched off by a user file,
        // which here can not be written (a file stands where the folder would be).
        const QString user = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
            + "/autostart/";
        // A Run entry shows the name its desktop entry gives and the folder it lives in; it is
        // still removed by its value name.
        for (const QString name : { "a", "a.b", "a.b.c" }) {
            QVERIFY(writeTreeFile(user + name + ".desktop", "[Desktop Entry]\nExec=true\n"));
            window->setStartupInfo({ QIcon(), name, "Registry\\HKCU", "true", user.chopped(1),
                                     name == "a.b" ? "Entry B" : QString() });
        }
        QVERIFY(
            writeTreeFile(root.filePath("xdg/autostart/sys.desktop"), "[Desktop Entry]\nExec=x\n"));
        qputenv("XDG_CONFIG_DIRS", "/xdg"); // below the throw-away system's root
        window->setStartupInfo(
            { QIcon(), "sys", "Registry\\HKLM (x86)", "x", kRun.arg("LOCAL_MACHINE"), {} });
        window->setStartupInfo({ QIcon(), "link", root.path(), {}, {}, {} }); // no location
        window->setStartupDataReady();

        QTreeWidgetItem *shown = window->startupTree->findItems("Entry B", {}).value(0);
        QVERIFY(shown);
        QCOMPARE(shown->text(1), user.chopped(1));
        window->startupTree->setCurrentItem(shown);
        QVERIFY(window->removeStartupLabel->isEnabled());
        // Pressing the row already selected (no selection change) enables it as well.
        window->removeStartupLabel->setEnabled(false);
        emit window->startupTree->itemPressed(shown, 0);
        QVERIFY(window->removeStartupLabel->isEnabled());
        window->onRemoveStartupClicked();
        QCOMPARE(QDir(user).entryList(QDir::Files), QStringList({ "a.b.c.desktop", "a.desktop" }));
        QCOMPARE(window->startupCountLabel->text(), QStringLiteral("4"));
        QVERIFY(window->startupTree->selectedItems().isEmpty());

        QDir(user).removeRecursively();
        QVERIFY(writeTreeFile(user.chopped(1), "not a folder"));
        for (const QString name : { "link", "sys" }) {
            window->startupTree->setCurrentItem(window->startupTree->findItems(name, {})[0]);
            window->onRemoveStartupClicked();
        }
        QFile::remove(user.chopped(1));
        qunsetenv("XDG_CONFIG_DIRS");
        const QString failed = QStringLiteral("Error|Failed to remove the startup entry!");
        QCOMPARE(boxes, QStringList({ failed, failed }));
        QCOMPARE(window->startupTree->topLevelItemCount(), 4);
    }

    void commandSearch_data()
    {
        QTest::addColumn<QString>("query");
        QTest::addColumn<int>("shown");
        QTest::addColumn<bool>("byButton"); // else by Return
        QTest::newRow("label") << "dISPLAY" << 8 << false;
        QTest::newRow("label by button") << "dISPLAY" << 8 << true;
        QTest::newRow("no match") << " & " << 0 << false;
        QTest::newRow("empty") << "" << 281 << false;
    }

    void commandSearch()
    {
        window = newWindow();
        QFETCH(QString, query);
        QFETCH(int, shown);
        QFETCH(bool, byButton);
        const auto count = [](const auto &widgets) {
            return int(std::count_if(widgets.begin(), widgets.end(), [](QWidget *w) {
                return !w->isHidden() && w->objectName() != "searchBtn";
            }));
        };
        window->searchCommandEdit->setText(query); // typing narrows nothing
        QCOMPARE(count(window->commandButtons), 281);
        QCOMPARE(window->searchBtn->isHidden(), query.isEmpty());
        if (byButton)
            window->searchBtn->click();
        else
            QTest::keyClick(window->searchCommandEdit, Qt::Key_Return);
        QCOMPARE(count(window->commandButtons), shown);
        QCOMPARE(count(window->commandHeadingLabels), shown > 0 ? 21 : 0);
        QCOMPARE(window->noCommandFoundLabel->isHidden(), shown > 0);
        window->searchCommandEdit->clear();
        QCOMPARE(count(window->commandButtons) + count(window->commandHeadingLabels), 302);
        QVERIFY(window->noCommandFoundLabel->isHidden() && window->searchBtn->isHidden());
        QTest::qWait(400); // the clear button's fade ends before the field goes (Qt frees it then)
    }
};

QTEST_MAIN(TstWindowBehaviour)
#include "tst_windowbehaviour.moc"
