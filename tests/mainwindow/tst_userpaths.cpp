// The main window driven as a user drives it: each command by its shortcut, the window's
// right-click menu and the tray menu; language and theme by the Settings boxes and by the menus;
// the channel box following the account; "Reset to default settings"; and the dialogs the
// "Always on top" switch keeps above other windows.

#include "accounts/accountdata.h"
#include "accounts/accountimage.h"
#include "accounts/login.h"
#include "app/msgdialog.h"
#include "app/settings.h"
#include "app/themes.h"
#include "mainwindow/detectionstats.h"
#include "mainwindow/reportsavedialog.h"
#include "mainwindow/verdimonnuvo.h"
#include "net/changelog.h"
#include "platform/fakes/fakelauncher.h"
#include "platform/fakes/fakeplatform.h"
#include "platform/registry.h"
#include "platformtree.h"
#include "widgets/apptabcontrol.h"
#include "widgets/switch.h"

#include <QAbstractItemView>
#include <QAction>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSettings>
#include <QStandardItemModel>
#include <QStandardPaths>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QtTest>

#include <memory>

using ActionMember = QAction *VerdimonNuvo::*;
using ButtonMember = QPushButton *VerdimonNuvo::*;
Q_DECLARE_METATYPE(ActionMember)
Q_DECLARE_METATYPE(ButtonMember)

#define WAIT_FOR_WORKERS() QTRY_COMPARE_WITH_TIMEOUT(DetectionStats::liveThreads(), 0, 15000)

class TstUserPaths : public QObject
{
    Q_OBJECT

    plat::FakePlatform fakes;
    std::unique_ptr<plat::ScopedPlatform> scopedPlatform;
    std::shared_ptr<plat::FakeLauncher> launcher = std::make_shared<plat::FakeLauncher>();
    std::unique_ptr<plat::ScopedLauncher> scopedLauncher;
    std::unique_ptr<VerdimonNuvo> window;
    // What the commands opened, in order: a dialog's class, "box:" and a message box's title and
    // icon kind, or "save"; " on top" follows a window kept above the others.
    QStringList seen;
    QStringList menuPath; // the items still to choose in the menus that open
    QTimer user; // plays the user: chooses menu items, closes each dialog it sees

    static QString onTop(const QWidget *widget)
    {
        return widget->windowFlags().testFlag(Qt::WindowStaysOnTopHint) ? " on top" : "";
    }

    // Chooses the next item of menuPath by the keyboard: the arrow keys to it, then Right into a
    // submenu or Return on the item. Keys are sent outside this timer's slot, so a dialog the
    // item opens meets the timer again.
    void playUser()
    {
        if (auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget())) {
            const auto found = std::find_if(
                menu->actions().cbegin(), menu->actions().cend(), [this](QAction *a) {
                    return !menuPath.isEmpty() && a->text() == menuPath.first();
                });
            if (found == menu->actions().cend())
                return;
            QAction *item = *found;
            menuPath.removeFirst();
            QTimer::singleShot(0, menu, [menu, item] {
                menu->setActiveAction(item);
                QTest::keyClick(menu, item->menu() ? Qt::Key_Right : Qt::Key_Return);
            });
            return;
        }
        auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        // A message box is the responder's to answer, from inside its own loop.
        if (dialog && !qobject_cast<MsgDialog *>(dialog)) {
            seen << QLatin1String(dialog->metaObject()->className())
                    + (centred(dialog) ? " centred" : "") + onTop(dialog);
            dialog->close();
        }
    }

    bool centred(const QWidget *dialog) const
    {
        return (dialog->geometry().center() - window->geometry().center()).manhattanLength() <= 4;
    }

    void openWindowMenu()
    {
        QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(20, 20),
                                window->mapToGlobal(QPoint(20, 20)));
        QApplication::sendEvent(window.get(), &event);
    }

    void newWindow(bool withTray = false)
    {
        window = std::make_unique<VerdimonNuvo>(VerdimonNuvo::StartupActions::Skip);
        if (withTray) {
            window->showWindowWhenInTraySwitch->click();
            window->addToTraySwitch->click();
        }
        window->show();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
    }

    QString tabText(const char *key) const
    {
        QTabBar *tabs = window->tabControl->tabBar();
        for (int index = 0; index < tabs->count(); ++index) {
            if (tabs->tabData(index).toString() == QLatin1String(key))
                return tabs->tabText(index);
        }
        return QString();
    }

private slots:
    void initTestCase()
    {
        scopedPlatform = std::make_unique<plat::ScopedPlatform>(fakes.platform());
        scopedLauncher = std::make_unique<plat::ScopedLauncher>(launcher);
        // Nothing here may reach a real server: the update and changelog requests go nowhere.
        qputenv("VN_WEB_HOST", "127.0.0.1");
        qputenv("VN_WEB_PORT", "9");
        VerdimonNuvo::setTrayProbe([] { return true; });
        connect(&user, &QTimer::timeout, this, &TstUserPaths::playUser);
        user.start(20);
    }

    void init()
    {
        QSettings().clear();
        seen.clear();
        menuPath.clear();
        MsgDialog::setTestResponder([this](MsgDialog *box) {
            seen << QStringLiteral("box:%1 (%2)%3")
                        .arg(box->windowTitle())
                        .arg(box->iconKind())
                        .arg(onTop(box));
            return int(QDialogButtonBox::No);
        });
        ReportSaveDialog::setTestChooser([this](const QString &, const QStringList &) {
            seen << QStringLiteral("save");
            return ReportSaveDialog::Choice {};
        });
        launcher->setResult(plat::shell::FileNotFound);
        QVERIFY(writeTreeFile(Changelog::changelogFilePath(), "4.1.3.742\n"));
    }

    void cleanup()
    {
        WAIT_FOR_WORKERS();
        window.reset();
    }

    // The report's Save dialog opens in Downloads, and without one in the home folder, as the
    // download and install path dialogs do for a folder not there (not made yet, or removed):
    // never in the folder the program was started from.
    void fileDialogsOpenWhereAFolderIs_data()
    {
        QTest::addColumn<QString>("dialog");
        QTest::addColumn<bool>("folderThere");
        QTest::newRow("report, Downloads there") << "report" << true;
        QTest::newRow("report, no Downloads") << "report" << false;
        QTest::newRow("download path there") << "download" << true;
        QTest::newRow("download path removed") << "download" << false;
        QTest::newRow("install path not made") << "install" << false;
    }
    void fileDialogsOpenWhereAFolderIs()
    {
        QFETCH(QString, dialog);
        QFETCH(bool, folderThere);
        const QString home = QDir::homePath();
        const QString downloads
            = QStandardPaths::writableLocation(QStandardPaths::DownloadLocation);
        const QString folder = dialog == "report" ? downloads : home + "/Chosen/Folder";
        QVERIFY(QDir(dialog == "report" ? folder : home + "/Chosen").removeRecursively());
        if (folderThere)
            QVERIFY(QDir().mkpath(folder));
        // Started from a folder of its own, as from a source checkout; a file dialog that finds
        // no folder where it is told opens there (or in the last one a dialog showed: there too).
        QTemporaryDir startedFrom;
        const QString before = QDir::currentPath();
        QVERIFY(QDir::setCurrent(startedFrom.path()));
        const auto back = qScopeGuard([before] { QDir::setCurrent(before); });
        QFileDialog().setDirectory(startedFrom.path());
        ReportSaveDialog::setTestChooser({});
        user.stop(); // this test answers the dialog itself
        const auto resume = qScopeGuard([this] { user.start(20); });
        newWindow();
        if (dialog == "download")
            window->downloadPathEdit->setText(folder);
        else if (dialog == "install")
            window->installPathEdit->setText(folder);

        QString openedIn;
        QTimer answer; // the dialog runs its own loop: looked at and cancelled once it is up
        connect(&answer, &QTimer::timeout, [&] {
            auto *shown = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
            if (!shown)
                return;
            answer.stop();
            openedIn = shown->directory().absolutePath();
            shown->reject();
        });
        answer.start(20);
        if (dialog == "report")
            window->saveDataBtn->click();
        else if (dialog == "download")
            window->downloadPathBtn->click();
        else
            window->installPathBtn->click();
        QCOMPARE(openedIn, folderThere ? folder : home);
    }

    // Every command gives the same effect by its shortcut, the right-click menu, the tray menu
    // and its button on a page (with its icon) if it has one; the dialogs it opens are topmost
    // exactly when "Always on top" is on.
    void commandsEveryWay_data()
    {
        QTest::addColumn<ActionMember>("action");
        QTest::addColumn<QString>("key");
        QTest::addColumn<bool>("topmost");
        QTest::addColumn<QString>("effect");
        QTest::addColumn<ButtonMember>("button");
        const auto row = [](const char *name, ActionMember action, const char *key, bool topmost,
                            const char *effect, ButtonMember button = nullptr) {
            QTest::newRow(name) << action << QString::fromLatin1(key) << topmost
                                << QString::fromLatin1(effect) << button;
        };
        row("save", &VerdimonNuvo::saveToFileAction, "Ctrl+S", false, "save",
            &VerdimonNuvo::saveDataBtn);
        row("prompt", &VerdimonNuvo::cmdAsAdminAction, "Alt+C", true,
            "box:Command Prompt (Admin) (3)");
        row("graphics tool", &VerdimonNuvo::dxDiagnosticToolX64Action, "Alt+D", false,
            "box:DX Diagnostic Tool (x64) (3)");
        row("print", &VerdimonNuvo::printDataAction, "Ctrl+P", true, "QPrintDialog centred",
            &VerdimonNuvo::printDataBtn);
        row("log", &VerdimonNuvo::logAction, "Ctrl+L", false, "Log", &VerdimonNuvo::appLogBtn);
        row("log on top", &VerdimonNuvo::logAction, "Ctrl+L", true, "Log");
        row("changelog", &VerdimonNuvo::changelogAction, "Ctrl+N", true, "Changelog",
            &VerdimonNuvo::changelogBtn);
        row("changelog below", &VerdimonNuvo::changelogAction, "Ctrl+N", false, "Changelog");
        row("updates disabled", &VerdimonNuvo::updatesAction, "Ctrl+U", true, "box:Updates (2)",
            &VerdimonNuvo::checkUpdatesBtn);
        row("feedback", &VerdimonNuvo::feedbackAction, "Ctrl+F", false, "Feedback");
        row("feedback on top", &VerdimonNuvo::feedbackAction, "Ctrl+F", true, "Feedback");
    }

    void commandsEveryWay()
    {
        QFETCH(ActionMember, action);
        QFETCH(QString, key);
        QFETCH(bool, topmost);
        QFETCH(QString, effect);
        QFETCH(ButtonMember, button);
        Settings::setSettingsValue("Updates", "DisableUpdates", true);
        Settings::setSettingsValue("AppSettings", "AlwaysOnTop", false);
        newWindow(true);
        if (topmost)
            window->alwaysOnTopSwitch->click();
        const QString text = (window.get()->*action)->text();

        QTest::keySequence(window.get(), QKeySequence(key));
        QTRY_COMPARE(seen.size(), 1);
        menuPath = QStringList(text);
        openWindowMenu();
        QTRY_COMPARE(seen.size(), 2);
        menuPath = QStringList(text);
        window->trayMenu->popup(window->geometry().center());
        QTRY_COMPARE(seen.size(), 3);
        if (button) {
            QVERIFY(!(window.get()->*button)->icon().isNull());
            (window.get()->*button)->click();
            QTRY_COMPARE(seen.size(), 4);
        }
        const QString expected = effect + (topmost ? " on top" : "");
        QCOMPARE(seen, QVector<QString>(button ? 4 : 3, expected).toList());
        QVERIFY(menuPath.isEmpty());
        if (effect == "box:Updates (2)")
            QCOMPARE(window->latestBuildLabel->text(), "Not checked");
    }

    // Language and theme chosen in the Settings boxes or the menus: the window speaks the
    // language, wears the theme, keeps both for the next start, and the menus tick them.
    void languageAndTheme_data()
    {
        QTest::addColumn<QString>("route"); // "box", "tray menu" or "window menu"
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("settingsTab");
        QTest::addColumn<int>("theme");
        QTest::addColumn<QString>("labelStyle");
        QTest::newRow("boxes, Russian, dark")
            << "box" << 2 << QString::fromUtf8("Настройки") << 2 << "color: #FFFFFF;";
        QTest::newRow("boxes, automatic, gray")
            << "box" << 0 << "Settings" << 1 << "color: #000000;";
        QTest::newRow("tray menu, Ukrainian, gray")
            << "tray menu" << 3 << QString::fromUtf8("Налаштування") << 1 << "color: #000000;";
        QTest::newRow("window menu, English, light")
            << "window menu" << 1 << "Settings" << 0 << "color: #000000;";
    }

    void languageAndTheme()
    {
        QFETCH(QString, route);
        QFETCH(int, language);
        QFETCH(int, theme);
        // Start from another language and theme, so each change shows.
        Settings::setSettingsValue("AppSettings", "AppLanguage", language == 3 ? 2 : 3);
        Settings::setSettingsValue("AppSettings", "AppTheme", theme == 2 ? 0 : 2);
        newWindow(true);
        const QList<QAction *> languages { window->autoSelectLanguageAction,
                                           window->englishLanguageAction,
                                           window->russianLanguageAction,
                                           window->ukrainianLanguageAction };
        const QList<QAction *> themes { window->lightThemeAction, window->grayThemeAction,
                                        window->darkThemeAction };
        const auto choose = [&](QComboBox *box, QMenu *submenu, QAction *item) {
            if (route == "box") {
                box->showPopup();
                box->view()->setCurrentIndex(box->model()->index(
                    languages.contains(item) ? languages.indexOf(item) : themes.indexOf(item), 0));
                QTest::keyClick(box->view(), Qt::Key_Return);
                return;
            }
            menuPath = QStringList(
                { window->traySettingsMenu->title(), submenu->title(), item->text() });
            if (route == "tray menu")
                window->trayMenu->popup(window->geometry().center());
            else
                openWindowMenu();
            QTRY_VERIFY(menuPath.isEmpty());
            QTRY_VERIFY(!QApplication::activePopupWidget());
        };
        choose(window->languageComboBox, window->trayLanguagesMenu, languages[language]);
        WAIT_FOR_WORKERS();
        choose(window->themeComboBox, window->trayThemesMenu, themes[theme]);

        QTEST(tabText("Settings"), "settingsTab");
        QCOMPARE(window->languageComboBox->currentIndex(), language);
        QCOMPARE(Settings::settingsValue("AppSettings", "AppLanguage").toInt(), language);
        QCOMPARE(window->themeComboBox->currentIndex(), theme);
        QCOMPARE(Settings::settingsValue("AppSettings", "AppTheme").toInt(), theme);
        QTEST(window->networkStatusValueLabel->styleSheet(), "labelStyle");
        const char *sheets[] = { ":Themes/light.qss", ":Themes/gray.qss", ":Themes/dark.qss" };
        QFile sheet(QString::fromLatin1(sheets[theme]));
        QVERIFY(sheet.open(QIODevice::ReadOnly | QIODevice::Text));
        QCOMPARE(qApp->styleSheet(), QString::fromUtf8(sheet.readAll()));
        QCOMPARE(qApp->palette().color(QPalette::Link), themeLinkColor(theme));

        window->trayMenu->popup(window->geometry().center()); // the menu ticks what is stored
        for (QAction *item : languages)
            QCOMPARE(item->isChecked(), item == languages[language]);
        for (QAction *item : themes)
            QCOMPARE(item->isChecked(), item == themes[theme]);
        window->trayMenu->close();
        seen.removeAll("box:Information (1)");
        QVERIFY(seen.isEmpty());
    }

    // The Development channel is offered only to a developer account; anyone else on it is moved
    // to Insider, other channels stay.
    void developmentChannelFollowsTheAccount_data()
    {
        QTest::addColumn<bool>("devAccess");
        QTest::addColumn<QString>("group");
        QTest::addColumn<int>("before");
        QTest::addColumn<int>("after");
        QTest::newRow("developer") << true << "Developers" << 3 << 0;
        QTest::newRow("developer group without access") << false << "Developers" << 0 << 1;
        QTest::newRow("access in the users' group") << true << "Users" << 0 << 1;
        QTest::newRow("user on beta") << false << "Users" << 2 << 2;
    }

    void developmentChannelFollowsTheAccount()
    {
        QFETCH(bool, devAccess);
        QFETCH(QString, group);
        QFETCH(int, before);
        QFETCH(int, after);
        Settings::setSettingsValue("Updates", "UpdatesChannel", before);
        newWindow();
        auto *channels
            = qobject_cast<QStandardItemModel *>(window->updatesChannelComboBox->model());
        channels->item(0)->setEnabled(!devAccess); // as the previous account left it
        AccountData account;
        account.id = "7";
        account.name = "<img src=\"/etc/passwd\">Eve & <b>co</b>"; // shown as text
        account.group_name = group;
        account.dev_access = devAccess;
        window->setAccountData({ account });
        QCOMPARE(window->updatesChannelComboBox->currentIndex(), after);
        QCOMPARE(channels->item(0)->isEnabled(), devAccess && group != "Users");
        QCOMPARE(Settings::settingsValue("Updates", "UpdatesChannel").toInt(), after);
        const char *names[] = { "Development", "Insider", "Beta", "Release" };
        QVERIFY2(window->windowTitle().contains(names[after]), qPrintable(window->windowTitle()));
        QTextDocument tooltip; // a tooltip renders markup
        tooltip.setHtml(window->accountImage->toolTip());
        QCOMPARE(tooltip.toPlainText(), account.name);
    }

    // The sign-in dialog, asked for at start (before the window is placed) or by the account
    // button, opens centred over the window, above other windows exactly when "Always on top" is.
    void signInDialogPlacement_data()
    {
        QTest::addColumn<bool>("atStart");
        QTest::addColumn<bool>("topmost");
        QTest::newRow("button, on top") << false << true;
        QTest::newRow("button") << false << false;
        QTest::newRow("start, on top") << true << true;
    }

    void signInDialogPlacement()
    {
        QFETCH(bool, atStart);
        QFETCH(bool, topmost);
        Settings::setSettingsValue("AppSettings", "AlwaysOnTop", topmost);
        if (atStart) {
            window = std::make_unique<VerdimonNuvo>(VerdimonNuvo::StartupActions::Skip);
            window->showAccountDialogs(window.get());
            window->move(300, 200);
            window->show();
        } else {
            newWindow();
            QTest::mouseClick(window->accountImage, Qt::LeftButton);
        }
        QTRY_VERIFY(window->loginDialog && window->loginDialog->isVisible());
        QCOMPARE(window->loginDialog->windowFlags().testFlag(Qt::WindowStaysOnTopHint), topmost);
        QVERIFY(centred(window->loginDialog));
        delete window->loginDialog.data();
    }

    // "Reset to default settings" puts back every option the user can change and forgets the
    // start at login.
    void restoreDefaultsResetsEveryKey()
    {
        // The switches on by default, then those off by default.
        const QStringList on { "AppSettings/ShowSplash",
                               "AppSettings/ShowFullInfo",
                               "Updates/InstallUpdatesAutomatically",
                               "Updates/InstallSilently",
                               "Updates/CheckForUpdatesWhenAppStarts",
                               "Updates/GetInsiderBuildsNotification" };
        QStringList off { "Updates/DeleteInstaller" };
        for (const char *key :
             { "AlwaysOnTop", "ShareHardwareInfo", "AddToTray", "CloseToTray", "MinimizeToTray",
               "NotifyWhenInTray", "AutoDataExpand", "ShowWindowWhenInTray" })
            off << QStringLiteral("AppSettings/") + key;
        newWindow(true);
        window->alwaysOnTopSwitch->click();
        window->showFullInfoSwitch->click();
        window->runAtStartupSwitch->click();
        QVERIFY(window->runKeySettings->childKeys().contains("Verdimon Nuvo"));
        QSettings settings;
        for (const QString &key : on + off)
            settings.setValue(key, !on.contains(key));
        settings.setValue("Updates/DownloadPath", "/nowhere/downloads");
        settings.setValue("Updates/InstallPath", "/nowhere/install");
        settings.setValue("Fonts/Size", 16);
        settings.setValue("AppSettings/SettingsViewSize", QByteArray("junk"));

        window->restoreDefaultsSwitch->click();
        for (const QString &key : on + off)
            QVERIFY2(settings.value(key).toBool() == on.contains(key), qPrintable(key));
        QVERIFY(!window->runKeySettings->childKeys().contains("Verdimon Nuvo"));
        QVERIFY(!window->runAtStartupSwitch->isChecked());
        // What the switches show is what the window does.
        QVERIFY(!window->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        QVERIFY(!window->trayIcon->isVisible());
        QCOMPARE(window->windowTitle(),
                 "Verdimon Nuvo [" + window->updatesChannelComboBox->currentText()
                     + " | Build 4.1.3.742 | x64]");
        QCOMPARE(settings.value("Fonts/Size").toInt(), 12);
        QCOMPARE(settings.value("Updates/DownloadPath").toString(),
                 QStandardPaths::writableLocation(QStandardPaths::DownloadLocation));
        QVERIFY(settings.value("Updates/InstallPath").toString().endsWith("/Verdimon Nuvo"));
        QCOMPARE(window->installPathEdit->text(), settings.value("Updates/InstallPath"));
        QCOMPARE(settings.value("AppSettings/SettingsViewSize").toByteArray(),
                 QByteArray::fromBase64(Settings::settingsViewSizeDefaultBase64));
        QCOMPARE(seen, QStringList("box:Information (1)"));
    }

    // "Open" is offered only while the window is hidden and brings it back; "Exit" ends the
    // program also from the tray. Last: after the quit no event loop of this process runs.
    void trayOpenAndExit()
    {
        newWindow(true);
        window->trayMenu->popup(window->geometry().center());
        QVERIFY(!window->openAction->isEnabled());
        window->trayMenu->close();
        window->hide();
        menuPath = QStringList(window->openAction->text());
        window->trayMenu->popup(QPoint(10, 10));
        QTRY_VERIFY(window->isVisible());
        QVERIFY(window->trayIcon->isVisible());
        menuPath = QStringList(window->exitAction->text());
        openWindowMenu();
        QTRY_VERIFY(!window->isVisible());
        QVERIFY(!window->trayIcon->isVisible());
        QVERIFY(seen.isEmpty());
    }
};

QTEST_MAIN(TstUserPaths)
#include "tst_userpaths.moc"
