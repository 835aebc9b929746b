// Setting the window's texts again after a change of language: the callers have installed the
// new catalogue, so every QObject::tr below answers in it. Indexes, selections, check states and
// tree contents are left alone; only texts (and the values that restart with the next
// detection or check) change.

#include "mainwindow/verdimonnuvo.h"

#include "accounts/accountimage.h"
#include "app/language.h"
#include "app/systemfunctions.h"
#include "mainwindow/usefulcommandlist.h"
#include "widgets/appqlabel.h"
#include "widgets/apptabcontrol.h"
#include "widgets/switch.h"

#include <QAction>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QTabBar>
#include <QTreeWidget>

namespace {

// Combo rows and list entries are written through the model, so their icons and user data stay.
void setRowText(QAbstractItemModel *model, int row, const QString &text)
{
    model->setData(model->index(row, 0), text, Qt::EditRole);
}

void setHeaderTexts(QTreeWidget *tree, std::initializer_list<const char *> sources)
{
    QAbstractItemModel *model = tree->header()->model();
    int section = 0;
    for (const char *source : sources)
        model->setHeaderData(section++, Qt::Horizontal, QObject::tr(source), Qt::EditRole);
}

void setTextAndToolTip(QAbstractButton *button, const QString &text)
{
    button->setText(text);
    button->setToolTip(button->text());
}

} // namespace

void VerdimonNuvo::retranslateUi()
{
    // Tabs: the tab data holds the English key the tab was made with.
    QTabBar *tabs = tabControl->tabBar();
    for (int index = 0; index < tabs->count(); ++index) {
        const QByteArray key = tabs->tabData(index).toString().toLatin1();
        tabs->setTabText(index, QObject::tr(key.constData()));
        tabs->setTabToolTip(index, tabs->tabText(index));
    }

    // The window's actions and the tray menu's submenus (made with the tray icon, so they may
    // not exist yet).
    if (traySettingsMenu)
        traySettingsMenu->setTitle(QObject::tr("Settings"));
    if (trayLanguagesMenu)
        trayLanguagesMenu->setTitle(QObject::tr("Languages"));
    if (trayThemesMenu)
        trayThemesMenu->setTitle(QObject::tr("Themes"));
    // The language actions for English, Russian and Ukrainian keep their own names.
    const std::pair<QAction *, const char *> actions[] = {
        { openAction, QT_TRANSLATE_NOOP("QObject", "Open") },
        { saveToFileAction, QT_TRANSLATE_NOOP("QObject", "Save to file") },
        { cmdAsAdminAction, QT_TRANSLATE_NOOP("QObject", "Run CMD as administrator") },
        { dxDiagnosticToolX64Action, QT_TRANSLATE_NOOP("QObject", "DX Diagnostic Tool (x64)") },
        { printDataAction, QT_TRANSLATE_NOOP("QObject", "Print data") },
        { autoSelectLanguageAction, QT_TRANSLATE_NOOP("QObject", "Auto select") },
        { lightThemeAction, QT_TRANSLATE_NOOP("QObject", "Light") },
        { grayThemeAction, QT_TRANSLATE_NOOP("QObject", "Gray") },
        { darkThemeAction, QT_TRANSLATE_NOOP("QObject", "Dark") },
        { updatesAction, QT_TRANSLATE_NOOP("QObject", "Updates") },
        { logAction, QT_TRANSLATE_NOOP("QObject", "Log") },
        { changelogAction, QT_TRANSLATE_NOOP("QObject", "Changelog") },
        { feedbackAction, QT_TRANSLATE_NOOP("QObject", "Feedback") },
        { exitAction, QT_TRANSLATE_NOOP("QObject", "Exit") },
    };
    for (const auto &action : actions) {
        if (action.first)
            action.first->setText(QObject::tr(action.second));
    }

    // Settings list: rows 8 and 9 (SMART, TPM) read the same in every language.
    static const char *const settingsRows[] = {
        QT_TRANSLATE_NOOP("QObject", "Application settings"),
        QT_TRANSLATE_NOOP("QObject", "Misc"),
        QT_TRANSLATE_NOOP("QObject", "Useful commands"),
        QT_TRANSLATE_NOOP("QObject", "Services"),
        QT_TRANSLATE_NOOP("QObject", "Processes"),
        QT_TRANSLATE_NOOP("QObject", "Applications"),
        QT_TRANSLATE_NOOP("QObject", "Drivers"),
        QT_TRANSLATE_NOOP("QObject", "Startup"),
        nullptr,
        nullptr,
        QT_TRANSLATE_NOOP("QObject", "Updates"),
        QT_TRANSLATE_NOOP("QObject", "About"),
    };
    for (int row = 0; row < settingsMenuView->count() && row < 12; ++row) {
        if (settingsRows[row])
            setRowText(settingsMenuView->model(), row, QObject::tr(settingsRows[row]));
    }

    for (QPushButton *exitButton : { appSettingsExitBtn, miscExitBtn, updatesExitBtn })
        exitButton->setText(QObject::tr("Exit"));

    // Status and no-data labels of the pages; the callers reset the pages right after, so the
    // ones that are hidden now show in the new language when they come back.
    collectingOSLabel->setText(QObject::tr("Collecting OS data ..."));
    collectingCPULabel->setText(QObject::tr("Collecting CPU data ..."));
    collectingGPULabel->setText(QObject::tr("Collecting GPU data ..."));
    collectingRAMLabel->setText(QObject::tr("Collecting RAM data ..."));
    collectingStorageLabel->setText(QObject::tr("Collecting Storage data ..."));
    collectingOpticalLabel->setText(QObject::tr("Collecting Optical Devices data ..."));
    collectingMotherboardLabel->setText(QObject::tr("Collecting Motherboard data ..."));
    collectingSoundLabel->setText(QObject::tr("Collecting Sound Devices data ..."));
    collectingNetworkLabel->setText(QObject::tr("Collecting Network data ..."));
    collectingPeripheralLabel->setText(QObject::tr("Collecting Peripheral data ..."));
    collectingProcessesLabel->setText(QObject::tr("Collecting Processes data ..."));
    collectingServicesLabel->setText(QObject::tr("Collecting Services data ..."));
    collectingAppsLabel->setText(QObject::tr("Collecting Applications data ..."));
    collectingDriversLabel->setText(QObject::tr("Collecting Drivers data ..."));
    collectingStartupLabel->setText(QObject::tr("Collecting Startup data ..."));
    const std::pair<QLabel *, const char *> refreshLinks[] = {
        { osRefreshLink, QT_TRANSLATE_NOOP("QObject", "No OS data is available. Try to") },
        { cpuRefreshLink, QT_TRANSLATE_NOOP("QObject", "No CPU data is available. Try to") },
        { gpuRefreshLink, QT_TRANSLATE_NOOP("QObject", "No GPU data is available. Try to") },
        { ramRefreshLink, QT_TRANSLATE_NOOP("QObject", "No RAM data is available. Try to") },
        { storageRefreshLink,
          QT_TRANSLATE_NOOP("QObject", "No Storage data is available. Try to") },
        { opticalRefreshLink,
          QT_TRANSLATE_NOOP("QObject", "No Optical Devices data is available. Try to") },
        { motherboardRefreshLink,
          QT_TRANSLATE_NOOP("QObject", "No Motherboard data is available. Try to") },
        { soundRefreshLink,
          QT_TRANSLATE_NOOP("QObject", "No Sound devices data is available. Try to") },
        { networkRefreshLink,
          QT_TRANSLATE_NOOP("QObject", "No Network data is available. Try to") },
        { peripheralRefreshLink,
          QT_TRANSLATE_NOOP("QObject", "No Peripheral data is available. Try to") },
        { processesRefreshLink,
          QT_TRANSLATE_NOOP("QObject", "No Processes data is available. Try to") },
        { servicesRefreshLink,
          QT_TRANSLATE_NOOP("QObject", "No Services data is available. Try to") },
    };
    for (const auto &link : refreshLinks)
        link.first->setText(refreshLinkText(QObject::tr(link.second)));
    hardwareNotInstalledLabel->setText(QObject::tr("Hardware is not installed"));
    noAppsLabel->setText(
        QObject::tr("No data is available! You don't have any applications installed."));
    noStartupDataLabel->setText(QObject::tr("No startup data is available."));

    // Application settings page.
    changeLanguageLabel->setText(QObject::tr("Change language"));
    changeThemeLabel->setText(QObject::tr("Change theme"));
    networkConnectionLabel->setText(QObject::tr("Network connection"));
    networkStatusLabel->setText(QObject::tr("Status:"));
    ipLabel->setText(QObject::tr("IP:"));
    retranslateNetworkValues();
    checkConnectionBtn->setText(QObject::tr("Check connection..."));
    appLogLabel->setText(QObject::tr("Application log"));
    appLogBtn->setText(QObject::tr("Log"));
    storeDataLabel->setText(QObject::tr("Store data"));
    saveDataBtn->setText(QObject::tr("Save"));
    printDataLabel->setText(QObject::tr("Print data"));
    printDataBtn->setText(QObject::tr("Print"));
    appConfigurationLabel->setText(QObject::tr("Application configuration"));
    systemTrayLabel->setText(QObject::tr("System tray"));
    const std::pair<Switch *, const char *> appSwitches[] = {
        { showSplashSwitch, QT_TRANSLATE_NOOP("QObject", "Show splash at startup") },
        { shareHardwareInfoSwitch, QT_TRANSLATE_NOOP("QObject", "Share hardware information") },
        { runAtStartupSwitch, QT_TRANSLATE_NOOP("QObject", "Run at login") },
        { alwaysOnTopSwitch, QT_TRANSLATE_NOOP("QObject", "Always on top") },
        { showFullInfoSwitch, QT_TRANSLATE_NOOP("QObject", "Show application full information") },
        { autoDataExpandSwitch, QT_TRANSLATE_NOOP("QObject", "Automatically expand all data") },
        { restoreDefaultsSwitch, QT_TRANSLATE_NOOP("QObject", "Reset to default settings") },
        { addToTraySwitch, QT_TRANSLATE_NOOP("QObject", "Add to tray") },
        { closeToTraySwitch, QT_TRANSLATE_NOOP("QObject", "Close to tray") },
        { minimizeToTraySwitch, QT_TRANSLATE_NOOP("QObject", "Minimize to tray") },
        { notifyWhenInTraySwitch, QT_TRANSLATE_NOOP("QObject", "Notify me when running in tray") },
        { showWindowWhenInTraySwitch,
          QT_TRANSLATE_NOOP("QObject", "Show application window when in tray") },
    };
    for (const auto &entry : appSwitches)
        setTextAndToolTip(entry.first, QObject::tr(entry.second));
    // The tray switches' tooltips also say when the desktop has no notification area.
    applyTrayAvailability();

    // Updates page switches.
    const std::pair<Switch *, const char *> updatesSwitches[] = {
        { installAutomaticallySwitch,
          QT_TRANSLATE_NOOP("QObject", "Install updates automatically") },
        { disableUpdatesSwitch, QT_TRANSLATE_NOOP("QObject", "Disable updates (not recommended)") },
        { checkOnStartSwitch,
          QT_TRANSLATE_NOOP("QObject", "Check for updates when application starts") },
        { insiderNotificationSwitch,
          QT_TRANSLATE_NOOP("QObject", "Get insider builds notification") },
        { deleteInstallerSwitch, QT_TRANSLATE_NOOP("QObject", "Delete installer after update") },
        { installSilentlySwitch, QT_TRANSLATE_NOOP("QObject", "Install updates silently") },
    };
    for (const auto &entry : updatesSwitches)
        setTextAndToolTip(entry.first, QObject::tr(entry.second));

    // Useful commands page, in page order; the devices button follows further down.
    allCommandsLabel->setText(QObject::tr("All commands"));
    searchCommandEdit->setPlaceholderText(QObject::tr("Search useful commands"));
    noCommandFoundLabel->setText(QObject::tr("No such useful command is found!"));
    const QVector<UsefulCommandEntry> &entries = UsefulCommandList::entries();
    const QVector<const char *> &titles = UsefulCommandList::sectionTitles();
    for (int section = 1; section < titles.size() && section <= commandHeadingLabels.size();
         ++section)
        commandHeadingLabels.at(section - 1)->setText(QObject::tr(titles.at(section)));
    for (int index = 0; index < entries.size() && index < usefulCommandButtons.size(); ++index) {
        if (entries.at(index).kind != UsefulCommandKind::Devices)
            setTextAndToolTip(usefulCommandButtons.at(index),
                              UsefulCommandList::buttonText(entries.at(index)));
    }
    installedAppsLabel->setText(QObject::tr("Installed:"));
    installedAppsCountLabel->setText(QObject::tr("Collecting data..."));
    startupEntriesLabel->setText(QObject::tr("Startup:"));
    startupCountLabel->setText(QObject::tr("Collecting data..."));
    removeStartupLabel->setToolTip(QObject::tr("Remove"));
    uninstallAppLabel->setToolTip(QObject::tr("Delete"));
    smartInfoLabel->setToolTip(QObject::tr("Information"));

    // Misc page.
    opacityLabel->setText(QObject::tr("Opacity"));
    manageFontLabel->setText(QObject::tr("Manage font"));
    fontSampleEdit->setText(QObject::tr("AaBbYyZz"));
    setTextAndToolTip(applyFontBtn, QObject::tr("Apply"));
    setTextAndToolTip(resetFontBtn, QObject::tr("Reset"));

    setDevicesButtonText();

    // Combo rows: the language names of rows 1 to 3 and the delivery services are the same in
    // every language.
    setRowText(languageComboBox->model(), 0, QObject::tr("Auto select"));
    const char *const themes[]
        = { QT_TRANSLATE_NOOP("QObject", "Light"), QT_TRANSLATE_NOOP("QObject", "Gray"),
            QT_TRANSLATE_NOOP("QObject", "Dark") };
    for (int row = 0; row < 3; ++row)
        setRowText(themeComboBox->model(), row, QObject::tr(themes[row]));
    const char *const channels[]
        = { QT_TRANSLATE_NOOP("QObject", "Development"), QT_TRANSLATE_NOOP("QObject", "Insider"),
            QT_TRANSLATE_NOOP("QObject", "Beta"), QT_TRANSLATE_NOOP("QObject", "Release") };
    for (int row = 0; row < 4 && row < updatesChannelComboBox->count(); ++row)
        setRowText(updatesChannelComboBox->model(), row, QObject::tr(channels[row]));
    fitSettingsBoxes();

    // Updates page: the last answered check stays, its time in the new language.
    applicationUpdatesLabel->setText(QObject::tr("Application updates"));
    buildCaptionLabel->setText(QObject::tr("Build:"));
    lastCheckCaptionLabel->setText(QObject::tr("Last checked:"));
    if (!checkUpdatesBtn->isEnabled()) {
        latestBuildLabel->setText(QObject::tr("Checking..."));
        lastCheckLabel->setText(QObject::tr("Checking..."));
    } else {
        latestBuildLabel->setText(lastCheckedBuild.isEmpty() ? QObject::tr("Not checked")
                                                             : lastCheckedBuild);
        lastCheckLabel->setText(lastCheckTime.isValid() ? updateCheckTimeText(lastCheckTime)
                                                        : QObject::tr("Not checked"));
    }
    checkUpdatesBtn->setText(QObject::tr("Check for updates..."));
    updatesChannelLabel->setText(QObject::tr("Updates channel"));
    appChangelogLabel->setText(QObject::tr("Application changelog"));
    changelogBtn->setText(QObject::tr("Changelog"));
    updatesSettingsLabel->setText(QObject::tr("Updates settings"));
    updatesDeliveryLabel->setText(QObject::tr("Updates delivery"));
    updatesPathsLabel->setText(QObject::tr("Manage Updates Paths"));
    downloadPathLabel->setText(QObject::tr("Download path:"));
    downloadPathBtn->setText(QObject::tr("Change"));
    installPathLabel->setText(QObject::tr("Install path:"));
    installPathBtn->setText(QObject::tr("Change"));

    // About page; the channel value copies the channel row set above.
    companyCaptionLabel->setText(QObject::tr("Company:"));
    aboutBuildCaptionLabel->setText(QObject::tr("Build:"));
    channelCaptionLabel->setText(QObject::tr("Channel:"));
    aboutChannelLabel->setText(updatesChannelComboBox->currentText());
    eulaCaptionLabel->setText(QObject::tr("EULA:"));
    eulaLink->setText(linkText(QObject::tr("End-User License Agreement")));
    privacyPolicyCaptionLabel->setText(QObject::tr("Privacy Policy:"));
    privacyPolicyLink->setText(privacyPolicyLinkText(languageComboBox->currentIndex()));
    architectureCaptionLabel->setText(QObject::tr("Architecture:"));
    versionCaptionLabel->setText(QObject::tr("Version:"));
    accountCaptionLabel->setText(QObject::tr("Account:"));
    if (!signedIn)
        accountImage->setToolTip(QObject::tr("Account"));
    feedbackCaptionLabel->setText(QObject::tr("Feedback:"));
    feedbackLink->setText(linkText(QObject::tr("Send feedback")));
    websiteCaptionLabel->setText(QObject::tr("Website:"));
    websiteLink->setText(websiteLinkText());

    // SMART and TPM pages.
    smartDrivesLabel->setText(QObject::tr("Drives:"));
    smartDriveCountLabel->setText(QObject::tr("Collecting data..."));
    collectingSmartLabel->setText(QObject::tr("Collecting smart data ..."));
    noSmartDataLabel->setText(QObject::tr("No smart data has been found!"));
    noTpmLabel->setText(QObject::tr("Trusted Platform Module is not installed!"));
    collectingTpmLabel->setText(QObject::tr("Collecting TPM data ..."));

    // Column headers of the list trees.
    setHeaderTexts(
        servicesTree,
        { QT_TRANSLATE_NOOP("QObject", "Service name"), QT_TRANSLATE_NOOP("QObject", "Path"),
          QT_TRANSLATE_NOOP("QObject", "File Name"), QT_TRANSLATE_NOOP("QObject", "ID"),
          QT_TRANSLATE_NOOP("QObject", "Type"), QT_TRANSLATE_NOOP("QObject", "State"),
          QT_TRANSLATE_NOOP("QObject", "Status"), QT_TRANSLATE_NOOP("QObject", "Error control"),
          QT_TRANSLATE_NOOP("QObject", "Start mode"), QT_TRANSLATE_NOOP("QObject", "Wait hint"),
          QT_TRANSLATE_NOOP("QObject", "Exit code") });
    setHeaderTexts(
        processesTree,
        { QT_TRANSLATE_NOOP("QObject", "Process name"), QT_TRANSLATE_NOOP("QObject", "ID"),
          QT_TRANSLATE_NOOP("QObject", "Working set size"),
          QT_TRANSLATE_NOOP("QObject", "Handle count"),
          QT_TRANSLATE_NOOP("QObject", "Peak page file usage"),
          QT_TRANSLATE_NOOP("QObject", "Priority"), QT_TRANSLATE_NOOP("QObject", "Session ID"),
          QT_TRANSLATE_NOOP("QObject", "Thread count"),
          QT_TRANSLATE_NOOP("QObject", "Virtual size"), QT_TRANSLATE_NOOP("QObject", "Path") });
    setHeaderTexts(
        appsTree,
        { QT_TRANSLATE_NOOP("QObject", "Application name"), QT_TRANSLATE_NOOP("QObject", "Version"),
          QT_TRANSLATE_NOOP("QObject", "Developer"), QT_TRANSLATE_NOOP("QObject", "Install path"),
          QT_TRANSLATE_NOOP("QObject", "Uninstall path") });
    setHeaderTexts(driversTree,
                   { QT_TRANSLATE_NOOP("QObject", "Name"), QT_TRANSLATE_NOOP("QObject", "Version"),
                     QT_TRANSLATE_NOOP("QObject", "Description"),
                     QT_TRANSLATE_NOOP("QObject", "Type"),
                     QT_TRANSLATE_NOOP("QObject", "File Name"),
                     QT_TRANSLATE_NOOP("QObject", "State"), QT_TRANSLATE_NOOP("QObject", "Path") });
    setHeaderTexts(startupTree,
                   { QT_TRANSLATE_NOOP("QObject", "Name"),
                     QT_TRANSLATE_NOOP("QObject", "Startup path"),
                     QT_TRANSLATE_NOOP("QObject", "Command") });
    setHeaderTexts(smartTree,
                   { QT_TRANSLATE_NOOP("QObject", "Attribute ID"),
                     QT_TRANSLATE_NOOP("QObject", "Name"), QT_TRANSLATE_NOOP("QObject", "Value"),
                     QT_TRANSLATE_NOOP("QObject", "Worst"), QT_TRANSLATE_NOOP("QObject", "Data"),
                     QT_TRANSLATE_NOOP("QObject", "Threshold") });

    fitStatusLabels();
    fitHeaderSections();
    fitWindowToTabs();
    // The title names the channel in the new language, so it comes last.
    updateWindowTitle(showFullInfoSwitch->isChecked());
}
