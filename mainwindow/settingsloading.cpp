// Loading the stored settings into the window at construction, and the readers that refresh the
// language and theme state later (menu check marks, network status colours).

#include "mainwindow/verdimonnuvo.h"

#include "app/appenums.h"
#include "app/productinfo.h"
#include "app/settings.h"
#include "app/systemfunctions.h"
#include "widgets/switch.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QSplitter>
#include <QStandardPaths>

namespace {

const QString appGroup = QStringLiteral("AppSettings");
const QString updatesGroup = QStringLiteral("Updates");
const QString defaultFamily = QStringLiteral("Segoe UI");
const int defaultFontSize = 12;

bool appBool(const char *key, bool defaultValue)
{
    return Settings::boolValue(appGroup, QString::fromLatin1(key), defaultValue);
}

bool updatesBool(const char *key, bool defaultValue)
{
    return Settings::boolValue(updatesGroup, QString::fromLatin1(key), defaultValue);
}

// Selects the item of exactly that text (case-sensitive), else the fallback's; true when found.
bool selectExactText(QComboBox *box, const QString &text, const QString &fallback)
{
    int index = box->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
    const bool found = index >= 0;
    if (!found)
        index = box->findText(fallback, Qt::MatchExactly | Qt::MatchCaseSensitive);
    box->setCurrentIndex(index);
    return found;
}

} // namespace

void VerdimonNuvo::loadAppSettings()
{
    Settings::restoreBase64Setting(this, QStringLiteral("Position"),
                                   QByteArray(Settings::positionDefaultBase64));

    opacitySlider->setValue(int(Settings::windowOpacity() * 10.0));

    settingsSplitter->restoreState(
        Settings::appSettingsValue(QStringLiteral("SettingsViewSize"),
                                   QByteArray::fromBase64(Settings::settingsViewSizeDefaultBase64))
            .toByteArray());

    int channel
        = Settings::intValue(updatesGroup, QStringLiteral("UpdatesChannel"), Update::Release);
    if (channel < Update::Development || channel > Update::Release)
        channel = Update::Release; // an unreadable channel counts as Release everywhere
    updatesChannelComboBox->setCurrentIndex(channel);

    languageIndex = Settings::intValue(appGroup, QStringLiteral("AppLanguage"), App::AutoSelect);
    showFullInfoSwitch->setChecked(appBool("ShowFullInfo", true));
    updateWindowTitle(showFullInfoSwitch->isChecked());
    autoDataExpandSwitch->setChecked(appBool("AutoDataExpand", false));
    if (languageIndex >= 0 && languageIndex < languageComboBox->count())
        languageComboBox->setCurrentIndex(languageIndex);

    loadThemeSetting();
    if (themeIndex >= 0 && themeIndex < themeComboBox->count())
        themeComboBox->setCurrentIndex(themeIndex);

    showSplashSwitch->setChecked(appBool("ShowSplash", true));
    alwaysOnTopSwitch->setChecked(appBool("AlwaysOnTop", false));
    setWindowTopmost(this, alwaysOnTopSwitch->isChecked());
    shareHardwareInfoSwitch->setChecked(appBool("ShareHardwareInfo", false));
    if (runKeySettings->childKeys().contains(QString::fromLatin1(Product::displayName)))
        runAtStartupSwitch->setChecked(true);

    const QString family
        = Settings::settingsValue(QStringLiteral("Fonts"), QStringLiteral("Family"), defaultFamily)
              .toString();
    if (selectExactText(fontFamilyComboBox, family, defaultFamily) && family != defaultFamily)
        resetFontBtn->setEnabled(true);
    const int size
        = Settings::intValue(QStringLiteral("Fonts"), QStringLiteral("Size"), defaultFontSize);
    if (selectExactText(fontSizeComboBox, QString::number(size), QString::number(defaultFontSize))
        && size != defaultFontSize)
        resetFontBtn->setEnabled(true);

    addToTraySwitch->setChecked(appBool("AddToTray", false));
    if (addToTraySwitch->isChecked())
        initTrayIcon();
    closeToTraySwitch->setChecked(appBool("CloseToTray", false));
    minimizeToTraySwitch->setChecked(appBool("MinimizeToTray", false));
    showWindowWhenInTraySwitch->setChecked(appBool("ShowWindowWhenInTray", false));
    notifyWhenInTraySwitch->setChecked(appBool("NotifyWhenInTray", false));
    applyTrayAvailability();
    showTrayMessage();

    loadUpdatesSettings();
}

void VerdimonNuvo::loadUpdatesSettings()
{
    updatesDisabled = updatesBool("DisableUpdates", false);
    disableUpdatesSwitch->setChecked(updatesDisabled);
    // Read whether updates are on or not: enabling them later from the check's prompt keeps
    // the user's choice about insider offers.
    insiderNotificationEnabled = updatesBool("GetInsiderBuildsNotification", true);
    if (disableUpdatesSwitch->isChecked()) {
        // The five stay as built (off) and disabled; no check at start.
        installAutomaticallySwitch->setEnabled(false);
        for (Switch *option : { checkOnStartSwitch, insiderNotificationSwitch,
                                deleteInstallerSwitch, installSilentlySwitch })
            option->setEnabled(installAutomaticallySwitch->isEnabled());
    } else {
        installAutomaticallySwitch->setChecked(updatesBool("InstallUpdatesAutomatically", true));
        checkOnStartSwitch->setChecked(updatesBool("CheckForUpdatesWhenAppStarts", true));
        if (checkOnStartSwitch->isChecked())
            scheduleStartupUpdateCheck();
        insiderNotificationSwitch->setChecked(insiderNotificationEnabled);
        deleteInstallerSwitch->setChecked(updatesBool("DeleteInstaller", false));
        installSilentlySwitch->setChecked(updatesBool("InstallSilently", true));
    }

    const QString downloads = QDir::toNativeSeparators(
        QStandardPaths::writableLocation(QStandardPaths::DownloadLocation));
    downloadPathEdit->setText(
        Settings::settingsValue(updatesGroup, QStringLiteral("DownloadPath"), downloads)
            .toString());
    downloadPathEdit->setToolTip(downloadPathEdit->text());
    installPathEdit->setText(
        Settings::settingsValue(updatesGroup, QStringLiteral("InstallPath"), defaultInstallPath())
            .toString());
    installPathEdit->setToolTip(installPathEdit->text());

    const int delivery
        = Settings::intValue(updatesGroup, QStringLiteral("Delivery"), Update::VendorServer);
    updatesDeliveryComboBox->setCurrentIndex(
        delivery >= 0 && delivery < updatesDeliveryComboBox->count() ? delivery : 0);
    aboutChannelLabel->setText(updatesChannelComboBox->currentText());
}

void VerdimonNuvo::loadThemeSetting()
{
    themeIndex = Settings::intValue(appGroup, QStringLiteral("AppTheme"), App::Light);
}

void VerdimonNuvo::checkSettingsMenuItems()
{
    languageIndex = Settings::intValue(appGroup, QStringLiteral("AppLanguage"), App::AutoSelect);
    loadThemeSetting();
    const QAction *language = languageIndex == App::English ? englishLanguageAction
        : languageIndex == App::Russian                     ? russianLanguageAction
        : languageIndex == App::Ukrainian                   ? ukrainianLanguageAction
                                                            : autoSelectLanguageAction;
    for (QAction *action : { autoSelectLanguageAction, englishLanguageAction, russianLanguageAction,
                             ukrainianLanguageAction })
        action->setChecked(action == language);
    const QAction *theme = themeIndex == App::Gray ? grayThemeAction
        : themeIndex == App::Dark                  ? darkThemeAction
                                                   : lightThemeAction;
    for (QAction *action : { lightThemeAction, grayThemeAction, darkThemeAction })
        action->setChecked(action == theme);
    showLanguageTicks();
}
