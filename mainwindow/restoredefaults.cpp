// "Reset to default settings": the user-facing options back to their defaults in one step, the
// pages collected again in the default language.

#include "mainwindow/verdimonnuvo.h"

#include "app/msgdialog.h"
#include "app/productinfo.h"
#include "app/settings.h"
#include "app/systemfunctions.h"
#include "app/themes.h"
#include "app/translations.h"
#include "app/wmiservice.h"
#include "widgets/switch.h"

#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QSplitter>
#include <QStandardItemModel>
#include <QStandardPaths>

void VerdimonNuvo::restoreDefaultSettings(bool checked)
{
    if (!checked)
        return;
    const QString app = QStringLiteral("AppSettings");
    const QString updates = QStringLiteral("Updates");
    const auto write = [](const QString &group, const char *key, const QVariant &value) {
        Settings::setSettingsValue(group, QString::fromLatin1(key), value);
    };
    const QByteArray geometry = QByteArray::fromBase64(Settings::positionDefaultBase64);
    const QByteArray splitterState
        = QByteArray::fromBase64(Settings::settingsViewSizeDefaultBase64);

    write(app, "ShowSplash", true);
    write(app, "AlwaysOnTop", false);
    write(app, "ShareHardwareInfo", false);
    const QString runName = QString::fromLatin1(Product::displayName);
    if (runKeySettings->childKeys().contains(runName))
        runKeySettings->remove(runName);
    write(app, "ShowFullInfo", true);
    write(app, "AddToTray", false);
    write(app, "CloseToTray", false);
    write(app, "MinimizeToTray", false);
    write(app, "NotifyWhenInTray", false);
    write(app, "ShowWindowWhenInTray", false);
    write(app, "Position", geometry);
    write(app, "SettingsViewSize", splitterState);
    write(app, "AutoDataExpand", false);
    write(app, "Opacity", 1);

    write(updates, "InstallUpdatesAutomatically", true);
    write(updates, "DisableUpdates", false);
    write(updates, "CheckForUpdatesWhenAppStarts", true);
    write(updates, "GetInsiderBuildsNotification", true);
    write(updates, "DeleteInstaller", false);
    write(updates, "InstallSilently", true);

    // Development only for an account that may use it (its item is enabled then).
    const auto *channels = qobject_cast<QStandardItemModel *>(updatesChannelComboBox->model());
    const bool devAllowed = !channels || channels->item(0)->isEnabled();
    updatesChannelComboBox->setCurrentIndex(devAllowed ? 0 : 3);

    resetAppFont();
    opacitySlider->setValue(10);
    write(updates, "UpdatesChannel", updatesChannelComboBox->currentIndex());

    setPathEdit(downloadPathEdit, updates, QStringLiteral("DownloadPath"),
                QStandardPaths::writableLocation(QStandardPaths::DownloadLocation));
    setPathEdit(installPathEdit, updates, QStringLiteral("InstallPath"), defaultInstallPath());

    themeComboBox->setCurrentIndex(0);
    applyTheme(0, this);
    saveThemeSetting();
    languageComboBox->setCurrentIndex(0);
    write(app, "AppLanguage", 0);
    switchTranslation(&appTranslator, &qtTranslator, 0);
    retranslateUi();
    startWmiService(this);
    resetAllPages();
    startAllDetections();

    showSplashSwitch->setChecked(true);
    for (Switch *off : { alwaysOnTopSwitch, shareHardwareInfoSwitch, runAtStartupSwitch })
        off->setChecked(false);
    showFullInfoSwitch->setChecked(true);
    for (Switch *off : { autoDataExpandSwitch, addToTraySwitch, closeToTraySwitch,
                         minimizeToTraySwitch, notifyWhenInTraySwitch, showWindowWhenInTraySwitch })
        off->setChecked(false);
    installAutomaticallySwitch->setChecked(true);
    disableUpdatesSwitch->setChecked(false);
    checkOnStartSwitch->setChecked(true);
    insiderNotificationSwitch->setChecked(true);
    deleteInstallerSwitch->setChecked(false);
    installSilentlySwitch->setChecked(true);
    // Set from code, the switches signal nothing: what they show is applied here.
    setWindowTopmost(this, false);
    updateWindowTitle(true);
    exitApp();

    // The default place was made for a 1920-wide screen and the running font's tabs may make the
    // window wider than it says: the window stays within reach.
    restoreGeometry(geometry);
    Settings::keepOnScreen(this);
    settingsSplitter->restoreState(splitterState);

    MsgDialog message(this, QObject::tr("Information"),
                      QObject::tr("The default settings has been successfully applied!"), 1,
                      QDialogButtonBox::Ok);
    // The default font applies from the next start; until then the program keeps its own.
    message.setContentFont(applyFontBtn->font());
    message.exec();
    restoreDefaultsSwitch->setChecked(false);
}
