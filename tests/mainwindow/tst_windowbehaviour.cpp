// Behaviour of the main window: the settings handlers and what they store, loading, defaults, the
// tray modes with and without a notification area, closing, the title, shortcuts, start at login.

#include "app/msgdialog.h"
#include "app/restart.h"
#include "app/settings.h"
#include "app/systemfunctions.h"
#include "appidentity.h"
#include "mainwindow/verdimonnuvo.h"
#include "platform/fakes/fakelauncher.h"
#include "platform/fakes/fakeplatform.h"
#include "platform/sysroot.h"
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
#include <QSettings>
#include <QShortcut>
#include <QSlider>
#include <QStandardItemModel>
#include <QTabBar>
#include <QtTest>

#include <memory>

using SwitchMember = Switch *VerdimonNuvo::*;
Q_DECLARE_METATYPE(SwitchMember)

class TstWindowBehaviour : public QObject
{
    Q_OBJECT

    plat::FakePlatform fakes;
    std::unique_ptr<plat::ScopedPlatform> scopedPlatform;
    std::shared_ptr<plat::FakeLauncher> launcher = std::make_shared<plat::FakeLauncher>();
    std::unique_ptr<plat::ScopedLauncher> scopedLauncher;
    QStringList boxes; // "title|text" of every message box

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
            return int(answer);
        });
    }

private slots:
    void initTestCase()
    {
        const std::shared_ptr<plat::Platform> platform = fakes.platform();
        // The Run keys are the real XDG autostart folders of this test's throw-away home.
        platform->registry = plat::makeAutostartRegistry(plat::SysRoot());
        scopedPlatform = std::make_unique<plat::ScopedPlatform>(platform);
        scopedLauncher = std::make_unique<plat::ScopedLauncher>(launcher);
    }

    void init()
    {
        QSettings().clear();
        boxes.clear();
        answerWith(QDialogButtonBox::Ok);
        launcher->clear();
        VerdimonNuvo::setTrayProbe([] { return true; });
        QGuiApplication::setQuitOnLastWindowClosed(true);
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
        auto window = newWindow();
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
        auto window = newWindow();
        QCOMPARE(window->opacitySlider->value(), 5);
        QCOMPARE(stored("AppSettings", "Opacity").toDouble(), 0.5);
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

    void closeCases_data()
    {
        QTest::addColumn<bool>("fontPending");
        QTest::addColumn<bool>("closeToTray");
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("closed");
        QTest::addColumn<bool>("restarted");
        QTest::newRow("plain") << false << false << 0 << true << false;
        QTest::newRow("font, cancel")
            << true << false << int(QDialogButtonBox::Cancel) << false << false;
        QTest::newRow("font, no") << true << false << int(QDialogButtonBox::No) << true << false;
        QTest::newRow("font, yes") << true << false << int(QDialogButtonBox::Yes) << true << true;
        QTest::newRow("font and close to tray") << true << true << 0 << true << false;
    }

    void closeCases()
    {
        QFETCH(bool, fontPending);
        QFETCH(bool, closeToTray);
        QFETCH(int, answer);
        QFETCH(bool, closed);
        bool restartCalled = false;
        ProcessEntry::setRestartHandler([&restartCalled] { restartCalled = true; });
        answerWith(QDialogButtonBox::StandardButton(answer));
        auto window = newWindow();
        window->show();
        window->fontChangePending = fontPending;
        window->closeToTraySwitch->setChecked(closeToTray);
        QCOMPARE(window->close(), closed);
        QCOMPARE(window->isVisible(), !closed && !closeToTray);
        QTEST(restartCalled, "restarted");
        QCOMPARE(boxes.size(), fontPending && !closeToTray ? 1 : 0);
        ProcessEntry::setRestartHandler(nullptr);
    }

    void shortcutsReachTheirActions()
    {
        auto window = newWindow();
        QStringList keys;
        for (QShortcut *shortcut : window->findChildren<QShortcut *>())
            keys << shortcut->key().toString();
        QCOMPARE(keys,
                 QStringList({ "Ctrl+S", "Alt+C", "Alt+D", "Ctrl+P", "Ctrl+L", "Ctrl+N", "Ctrl+F",
                               "Ctrl+U" }));
        window->show();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        launcher->setResult(plat::shell::FileNotFound);
        QTest::keyClick(window.get(), Qt::Key_D, Qt::AltModifier);
        QTest::keyClick(window.get(), Qt::Key_C, Qt::AltModifier);
        launcher->setResult(plat::shell::Started);
        QCOMPARE(launcher->calls().size(), 2);
        QCOMPARE(boxes.size(), 2);
        QVERIFY(boxes.first().startsWith("DX Diagnostic Tool (x64)|"));
        QVERIFY(boxes.last().startsWith("Command Prompt (Admin)|"));
    }

    void tabsFitAtMinimumSize()
    {
        auto window = newWindow();
        window->resize(window->minimumSize());
        window->show();
        QTabBar *bar = window->tabControl->tabBar();
        QVERIFY(bar->tabRect(bar->count() - 1).right() < bar->width());
        QVERIFY(bar->geometry().right() < window->tabControl->width());
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
    }
};

QTEST_MAIN(TstWindowBehaviour)
#include "tst_windowbehaviour.moc"
