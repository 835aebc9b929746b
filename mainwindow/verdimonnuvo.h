#pragma once

#include "accounts/accountdata.h"
#include "collect/records.h"
#include "mainwindow/reportdata.h"
#include "platform/registry.h"

#include <QDateTime>
#include <QJsonDocument>
#include <QList>
#include <QMargins>
#include <QPixmap>
#include <QPointer>
#include <QString>
#include <QSystemTrayIcon>
#include <QTranslator>
#include <QVector>
#include <QWidget>

#include <functional>
#include <memory>

class Account;
class AccountImage;
class LogIn;
class AppQLabel;
class AppTabBar;
class AppTabControl;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QMenu;
class QPrinter;
class QPushButton;
class QSlider;
class QSplitter;
class QStackedWidget;
class QThread;
class QTreeWidget;
class QTreeWidgetItem;
class QAction;
class QKeySequence;
class Switch;
class ListRowBatcher;
class Log;
class Worker;

// The program's one main window: a tab control with the Main summary, ten hardware tabs and the
// Settings tab with its twelve pages.
class VerdimonNuvo : public QWidget
{
    Q_OBJECT
    friend class TstMainWindow;
    friend class TstWindowBehaviour;
    friend class TstUsefulCommandsPage;
    friend class TstDetections;
    friend class BenchDetections;
    friend class TestUpdateCheck;
    friend class TestReportSaving;
    friend class TstAccountDialogs;
    friend class TstAccountFailures;
    friend class TstUserPaths;
    friend class TstRuntimeChanges;

public:
    // Marks the status labels that lie over a page at a fixed place (collecting, no data).
    static constexpr const char *statusLabelProperty = "statusLabel";
    // What the constructor does after building the widgets:
    // Run         loads the settings into the widgets, starts the sign-in and lets
    //             loadAppSettings schedule the start-up update check;
    // Skip        loads the settings only: no sign-in, no update check (tests, page pictures);
    // WidgetsOnly leaves every widget in its construction state (structure tests).
    enum class StartupActions { Run, Skip, WidgetsOnly };

    explicit VerdimonNuvo(StartupActions startupActions = StartupActions::Run);
    ~VerdimonNuvo() override;

    // False unless built with StartupActions::Run: the constructor then starts no sign-in and
    // scheduleStartupUpdateCheck does nothing.
    bool startupActionsEnabled() const { return runStartupActions; }

    // The command buttons of the Useful commands page in page order (see UsefulCommandList).
    QPushButton *usefulCommandButton(int commandIndex) const;
    QList<QLabel *> usefulCommandHeadings() const { return commandHeadingLabels; }

    // Detections: a batch is always resetAllPages() followed by startAllDetections().
    // beginDataCollection runs the first batch when the sign-in step ends.
    void beginDataCollection();
    void startAllDetections();
    void cancelAllDetections();
    void resetAllPages();
    void hideNoDataLabels();
    // After a detection ends: an empty page says it has no data instead of still collecting.
    void showNoDataWhenEmpty(QTreeWidget *tree, QLabel *collectingLabel, QLabel *refreshLink);

signals:
    void opacitySettings(double opacity);
    void pdfDataFileSaved(const QString &fileName);
    void dataStored(const QString &dirPath, const QString &filePath);

    // Cancel requests, one per collector, connected directly to the worker's setters.
    void cancelAppsDetection();
    void cancelOSDetection();
    void cancelCPUDetection();
    void cancelGPUDetection();
    void cancelRAMDetection();
    void cancelStorageDetection();
    void cancelOpticalDevicesDetection();
    void cancelMotherboardDetection();
    void cancelBiosDetection();
    void cancelSoundDevicesDetection();
    void cancelNetworkDetection();
    void cancelPeripheralKeyboardDetection();
    void cancelPeripheralPrinterDetection();
    void cancelServicesDetection();
    void cancelProcessesDetection();
    void cancelDriversDetection();
    void cancelStartupDetection();
    void cancelTpmDetection();
    void cancelSmartDetection();

public slots:
    // Hardware pages: heading, row and Main-line slots per page.
    void osWMIData(const HardwareData &data);
    void cpuWMIMainData(const HardwareData &data);
    void cpuWMIData(const HardwareData &data);
    void gpuMainData(const HardwareData &data);
    void gpuWMIData(const HardwareData &data);
    void ramWMITotalData(const HardwareData &data);
    void ramWMIMainData(const HardwareData &data);
    void ramWMIData(const HardwareData &data);
    void storageWMITotalDrivesData(const QString &drivesCount);
    void storageMainData(const HardwareData &data);
    void storageWMIData(const HardwareData &data);
    void storageWMICollectingPartitionData();
    void storageWMITotalPartitionsData(const QString &partitionsCount);
    void setStorageMainPartitionData(const HardwareData &data);
    void storageWMIPartitionData(const HardwareData &data);
    void setOpticalDevicesMainData(const HardwareData &data);
    void opticalDevicesWMIData(const HardwareData &data);
    void motherboardWMIData(const HardwareData &data);
    void soundDevicesMainData(const HardwareData &data);
    void soundDevicesWMIData(const HardwareData &data);
    void setNetworkMainData(const HardwareData &data);
    void networkWMIData(const HardwareData &data);
    void setPeripheralKeyboardMainData(const HardwareData &data);
    void peripheralKeyboardWMIData(const HardwareData &data);
    void setPeripheralPrinterMainData(const HardwareData &data);
    void peripheralPrinterWMIData(const HardwareData &data);
    void cdRomNotInstalled();

    void setMainAppsData();
    void setMainOSData();
    void setMainCPUData();
    void setMainGPUData();
    void setMainRAMData();
    void setMainStorageData();
    void setMainOpticalDevicesData();
    void setMainMotherboardData();
    void setMainSoundDevicesData();
    void setMainNetworkData();
    void setMainPeripheralData();
    void setMainServicesData();
    void setMainProcessesData();
    void setMainDriversData();
    void setMainStartupData();
    void setMainTpmData();

    // Software lists, SMART and TPM.
    void servicesData(const Service &service);
    void processesData(const Process &process);
    void setAppsData(const Application &application);
    void setAppDataReady(int appsCount);
    void setDriverInfo(const Driver &driver);
    void setFailedToDetectDriversConfig();
    void setStartupInfo(const Startup &startup);
    void setStartupDataReady();
    void setSmartDriveInfo(const SmartStorage &storage);
    void getSmartData();
    void setSmartDriveData(const SmartInfo &info);
    void setNoSmartDataAvailable();
    void storeDriveName();
    void setTPMData(const HardwareData &data);
    void setNoTPMAvailable();
    void setUninstalling(bool uninstalling, quint64 rowId);
    void setProcessFailed(quint64 rowId);

    // Detection failures.
    void initComLibraryErr(const QString &error);
    void createIWbemObjectErr(const QString &error);
    void setRootConError(const QString &error);
    void proxyBlanketErr(const QString &error);
    void procQueryErr(const QString &error);
    void setFailedToRemoveProduct(const QString &error);
    void rootConErr();

    // Network status of the Application settings page.
    void checkNetwork();
    void appUserConnected();
    void appUserNotConnected();
    void appUserIP(const QString &ipData);
    void appUserIPUnknown(const QString &ipUnknown);

    // Reports and windows opened from the pages.
    void openAppLog();
    void saveDataFile();
    void printHardwareData();
    void pdfDataSaved(const QString &fileName);
    void saveFileToPdf(const QString &filePath, const QString &fileName, const ReportData &data);
    void openAppChangelog();
    void showFeedbackDlg();
    void showLicenseAgreement();
    void shareHardwareData();
    void uploadHardwareData(const QString &dirPath, const QString &filePath);
    void uploadFinished();

    // Updates.
    void checkForAppUpdates();
    void setUpdateAvailable(const QString &buildNumber, const QString &channel, const QString &info,
                            bool isAutoUpdate, const QString &url);
    void setIPUpdateAvailable(const QString &buildNumber, const QString &channel,
                              const QString &info, bool isAutoUpdate, const QString &url);
    void setLatestVersion(const QString &build);
    void setNoNetConnection();
    void setJsonReaderError(const QJsonParseError &error);
    void showInsiderNotification();
    void onStartInsiderUpdate(const QString &buildNumber, const QString &channel,
                              const QString &info, bool isAutoUpdate, const QString &url);
    void onDisableInsiderNotification(bool checked);
    void onSetInsiderChannel();
    void openUpdatesWindow(const QString &buildNumber, const QString &channel, const QString &info,
                           bool isAutoUpdate, const QString &url);
    void disableDevChannel();
    void enableDevChannel();

    // Accounts.
    void onAccountImageClicked();
    void onLoginCancelled(const QPointer<LogIn> &cancelled);
    void onUserAccountAvatar(const QPixmap &avatar);
    void onAccountLogOut();
    void onLoginConnectionFailed();
    void resetAccountButton();
    void onUserAccountData(const QVector<AccountData> &accountDataVector);
    void setAccountData(const QVector<AccountData> &accountDataVector);
    // At quit: marks the signed-in account offline and releases the account database
    // connection, waiting for the database only briefly.
    void closeAccountSession();
    // Releases the sign-in dialog and the account page with the window.
    void releaseAccountDialogs();

    // Useful commands.
    void openDxDiagnosticTool();
    void openDxDiagnosticToolX64();
    void openCMDAsAdmin();
    // The handler family of the command buttons; commandIndex is the button's row of
    // UsefulCommandList::entries(). The button's current text titles any error box.
    void onUsefulCommandClicked(int commandIndex);

    // Tray, actions and window.
    void setAppWindowVisible();
    void onTrayIconActivated(QSystemTrayIcon::ActivationReason reason);
    void checkMenuItems();
    void checkSettingsMenuItems();
    void exitApp();
    void closeApp();
    void onOpacitySettings(double opacity);

private slots:
    // Handlers of the pages' controls.
    void setItemToolTip(QTreeWidgetItem *item, int column);
    void setListItemToolTip(QListWidgetItem *item);
    void onSummaryItemDoubleClicked(QTreeWidgetItem *item, int column);
    void refreshAllData();
    void onSettingsSplitterMoved(int pos, int index);

    void onLanguageActivated(int index);
    void onThemeActivated(int index);
    void onShowSplashToggled(bool on);
    void onShareHardwareInfoToggled(bool on);
    void onRunAtStartupToggled(bool on);
    void onAlwaysOnTopToggled(bool on);
    void onShowFullInfoToggled(bool on);
    void onAutoDataExpandToggled(bool on);
    void onRestoreDefaultsClicked(bool on);
    void onAddToTrayToggled(bool on);
    void onCloseToTrayToggled(bool on);
    void onMinimizeToTrayToggled(bool on);
    void onNotifyWhenInTrayToggled(bool on);
    void onShowWindowWhenInTrayToggled(bool on);
    void onLanguageActionTriggered(int language);
    void onThemeActionTriggered(int theme);

    void onFontFamilyActivated(const QString &family);
    void onFontSizeActivated(const QString &size);
    void onApplyFontClicked();
    void onDefaultFontClicked();
    void onOpacityChanged(int value);

    void onSearchReturnPressed();
    void onSearchClicked();
    void onSearchTextChanged(const QString &text);

    void onProgramDoubleClicked(QTreeWidgetItem *item, int column);
    void onUninstallClicked();
    void onStartupSelectionChanged();
    void onStartupItemEntered(QTreeWidgetItem *item, int column);
    void onStartupItemPressed(QTreeWidgetItem *item, int column);
    void onRemoveStartupClicked();
    void onSmartDriveActivated(int index);
    void onSmartItemDoubleClicked(QTreeWidgetItem *item, int column);
    void onSmartInfoClicked();

    void onUpdatesChannelChanged(int index);
    void onDeliveryChanged(int index);
    void onInstallAutomaticallyToggled(bool on);
    void onDisableUpdatesToggled(bool on);
    void onCheckUpdatesAtStartToggled(bool on);
    void onInsiderNotificationToggled(bool on);
    void onDeleteInstallerToggled(bool on);
    void onInstallSilentlyToggled(bool on);
    void chooseDownloadPath();
    void onInstallPathClicked();

    void onAboutToQuit();

protected:
    bool event(QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    // Construction (pagebuilder.cpp and the page files).
    void createPages();
    void createWidgets();
    void createHardwareTree(AppTabBar *page, QTreeWidget *&tree, bool flat);
    void createHardwareStatusLabels();
    QLabel *createCollectingLabel(QWidget *parent, const QString &text);
    void fitStatusLabels();
    void fitWindowToTabs(); // the minimum size, widened to the tabs in force
    // The translated boxes of the Settings pages, widened to their entries in the language in
    // force; none narrower than settingsBoxMinimumWidth.
    void fitSettingsBoxes();
    static constexpr int settingsBoxMinimumWidth = 120;
    void retranslateNetworkValues();
    void rememberPlace(); // AppSettings/Position: the place the window has or had when last shown
    void notePlace(); // keeps the place of a shown window
    void showLanguageTicks(); // the checked language shows the tick instead of its flag
    void fitHeaderSections();
    QLabel *createRefreshLink(QWidget *parent, const QString &sentence);
    void createSettingsFrame();
    void createAppSettingsPage();
    void createMiscPage();
    void createUsefulCommandsPage();
    void createSoftwarePages();
    void createSmartAndTpmPages();
    void layoutSoftwarePages();
    void createUpdatesPage();
    void connectUpdatesChannel();
    void createAboutPage();
    void finishConstruction();
    // Schedules the silent update check of the start-up; does nothing for a window built with
    // StartupActions::Skip.
    void scheduleStartupUpdateCheck();
    QTreeWidget *createListTree(QWidget *page, const QStringList &headers);
    QPushButton *createExitButton(QWidget *page);
    void connectLinkCursor(AppQLabel *label);

    // Behaviour reached from construction.
    void goToPage(QTreeWidgetItem *item);
    int restoreTabsOrder(const QString &key);
    void initMainSummaryTree();
    void createShortcuts();
    void createMenuActions();
    void setDevicesButtonText();
    void loadAppSettings();
    void showAccountDialogs(QWidget *parent = nullptr);
    void updateWindowTitle(bool fullInfo);
    void setHandCursor(QWidget *label);
    void onApplicationQuit();
    void openWindowsDefender();
    void chooseInstallPath();
    void retranslateUi();

    // Window behaviour: settings loading and pages (settingsloading.cpp, settingsbehaviour.cpp,
    // updatessettings.cpp, restoredefaults.cpp), menus (menuactions.cpp), tray
    // (traybehaviour.cpp), closing and quitting (windowclosing.cpp).
    void loadUpdatesSettings();
    void loadThemeSetting();
    void saveLanguageSetting();
    void saveThemeSetting();
    void applyThemeLabelColors();
    void applyTrayAvailability();
    void resetAppFont();
    void setSampleFont(const QString &family, int pixelSize);
    void promptRestart(const QString &text);
    void saveUpdatesOptions(bool disable);
    void setPathEdit(QLineEdit *edit, const QString &group, const QString &key,
                     const QString &path);
    void restoreDefaultSettings(bool checked);
    QAction *createAction(const QString &text, const QString &icon, const QKeySequence &key,
                          bool checkable);
    QMenu *createMenu(QWidget *parent, const QString &title = QString());
    struct MenuParts
    {
        QMenu *settings;
        QMenu *languages;
        QMenu *themes;
    };
    MenuParts fillMenu(QMenu *menu, bool withOpen);
    void createTrayMenu();
    void initTrayIcon();
    void showTrayMessage();
    void hideToTray();
    // Cancels every detection and waits, at most timeoutMs, until their threads have ended.
    // True when none is left running.
    bool stopDetections(int timeoutMs);

    // Texts shared by construction and retranslation.
    // The privacy link names the page of a stored language number (0 follows the system).
    static QString privacyPolicyLinkText(int language);
    static QString linkText(const QString &text);
    static QString websiteLinkText();
    static QString refreshLinkText(const QString &sentence);

public:
    // Screen-size rule of the Application settings page: both switch groups share one column
    // on a screen narrower than 1152 and lower than 864 pixels.
    static bool useSingleSwitchColumn(int screenWidth, int screenHeight);

    // Whether the desktop has a notification area. Without one the window never hides into a
    // tray: closing, minimising and the tray switches act as if the tray were off. Tests
    // replace the probe; an empty one restores the desktop's answer.
    using TrayProbe = std::function<bool()>;
    static void setTrayProbe(TrayProbe probe);
    static bool trayAvailable();

private:
    const bool runStartupActions;

    // Tabs and hardware pages.
    AppTabControl *tabControl = nullptr;
    AppTabBar *mainPage = nullptr;
    AppTabBar *osPage = nullptr;
    AppTabBar *cpuPage = nullptr;
    AppTabBar *gpuPage = nullptr;
    AppTabBar *ramPage = nullptr;
    AppTabBar *storagePage = nullptr;
    AppTabBar *opticalPage = nullptr;
    AppTabBar *motherboardPage = nullptr;
    AppTabBar *soundPage = nullptr;
    AppTabBar *networkPage = nullptr;
    AppTabBar *peripheralPage = nullptr;
    AppTabBar *settingsPage = nullptr;

    QTreeWidget *mainTree = nullptr;
    QTreeWidget *osTree = nullptr;
    QTreeWidget *cpuTree = nullptr;
    QTreeWidget *gpuTree = nullptr;
    QTreeWidget *ramTree = nullptr;
    QTreeWidget *storageTree = nullptr;
    QTreeWidget *opticalTree = nullptr;
    QTreeWidget *motherboardTree = nullptr;
    QTreeWidget *soundTree = nullptr;
    QTreeWidget *networkTree = nullptr;
    QTreeWidget *peripheralTree = nullptr;
    QTreeWidgetItem *totalDrivesItem = nullptr;

    QLabel *collectingOSLabel = nullptr;
    QLabel *collectingCPULabel = nullptr;
    QLabel *collectingGPULabel = nullptr;
    QLabel *collectingRAMLabel = nullptr;
    QLabel *collectingStorageLabel = nullptr;
    QLabel *collectingOpticalLabel = nullptr;
    QLabel *collectingMotherboardLabel = nullptr;
    QLabel *collectingSoundLabel = nullptr;
    QLabel *collectingNetworkLabel = nullptr;
    QLabel *collectingPeripheralLabel = nullptr;
    QLabel *osRefreshLink = nullptr;
    QLabel *cpuRefreshLink = nullptr;
    QLabel *gpuRefreshLink = nullptr;
    QLabel *ramRefreshLink = nullptr;
    QLabel *storageRefreshLink = nullptr;
    QLabel *opticalRefreshLink = nullptr;
    QLabel *motherboardRefreshLink = nullptr;
    QLabel *soundRefreshLink = nullptr;
    QLabel *networkRefreshLink = nullptr;
    QLabel *peripheralRefreshLink = nullptr;
    QLabel *hardwareNotInstalledLabel = nullptr;

    // Settings frame.
    QListWidget *settingsMenuView = nullptr;
    QListWidget *settingsView = nullptr;
    QStackedWidget *settingsStack = nullptr;
    QSplitter *settingsSplitter = nullptr;
    QWidget *appSettingsPage = nullptr;
    QWidget *miscPage = nullptr;
    QWidget *usefulCommandsPage = nullptr;
    QWidget *servicesPage = nullptr;
    QWidget *processesPage = nullptr;
    QWidget *applicationsPage = nullptr;
    QWidget *driversPage = nullptr;
    QWidget *startupPage = nullptr;
    QWidget *smartPage = nullptr;
    QWidget *tpmPage = nullptr;
    QWidget *updatesPage = nullptr;
    QWidget *aboutPage = nullptr;
    QPushButton *appSettingsExitBtn = nullptr;
    QPushButton *miscExitBtn = nullptr;
    QPushButton *updatesExitBtn = nullptr;

    // Application settings page.
    QLabel *changeLanguageLabel = nullptr;
    QComboBox *languageComboBox = nullptr;
    QLabel *changeThemeLabel = nullptr;
    QComboBox *themeComboBox = nullptr;
    QLabel *networkConnectionLabel = nullptr;
    QLabel *networkStatusLabel = nullptr;
    QLabel *networkStatusValueLabel = nullptr;
    QLabel *ipLabel = nullptr;
    QLabel *ipValueLabel = nullptr;
    QPushButton *checkConnectionBtn = nullptr;
    QLabel *appLogLabel = nullptr;
    QPushButton *appLogBtn = nullptr;
    QLabel *storeDataLabel = nullptr;
    QPushButton *saveDataBtn = nullptr;
    QLabel *printDataLabel = nullptr;
    QPushButton *printDataBtn = nullptr;
    QLabel *appConfigurationLabel = nullptr;
    Switch *showSplashSwitch = nullptr;
    Switch *shareHardwareInfoSwitch = nullptr;
    Switch *runAtStartupSwitch = nullptr;
    Switch *alwaysOnTopSwitch = nullptr;
    Switch *showFullInfoSwitch = nullptr;
    Switch *autoDataExpandSwitch = nullptr;
    Switch *restoreDefaultsSwitch = nullptr;
    QLabel *systemTrayLabel = nullptr;
    Switch *addToTraySwitch = nullptr;
    Switch *closeToTraySwitch = nullptr;
    Switch *minimizeToTraySwitch = nullptr;
    Switch *notifyWhenInTraySwitch = nullptr;
    Switch *showWindowWhenInTraySwitch = nullptr;

    // Misc page.
    QLabel *manageFontLabel = nullptr;
    QComboBox *fontFamilyComboBox = nullptr;
    QComboBox *fontSizeComboBox = nullptr;
    QLineEdit *fontSampleEdit = nullptr;
    QPushButton *applyFontBtn = nullptr;
    QPushButton *resetFontBtn = nullptr;
    QLabel *opacityLabel = nullptr;
    QSlider *opacitySlider = nullptr;

    // Useful commands page.
    QLabel *allCommandsLabel = nullptr;
    QLabel *noCommandFoundLabel = nullptr;
    QLineEdit *searchCommandEdit = nullptr;
    QPushButton *searchBtn = nullptr;
    QList<QLabel *> commandHeadingLabels;
    QVector<QPushButton *> usefulCommandButtons;
    QPushButton *devicesBtn = nullptr;
    QPushButton *dxDiagnosticToolBtn = nullptr;
    QPushButton *dxDiagnosticToolX64Btn = nullptr;
    QPushButton *cmdAsAdminBtn = nullptr;
    QPushButton *windowsDefenderBtn = nullptr;
    QList<QPushButton *> commandButtons;

    // Software list pages.
    QTreeWidget *servicesTree = nullptr;
    QTreeWidget *processesTree = nullptr;
    QTreeWidget *appsTree = nullptr;
    QTreeWidget *driversTree = nullptr;
    QTreeWidget *startupTree = nullptr;
    QLabel *collectingProcessesLabel = nullptr;
    QLabel *processesRefreshLink = nullptr;
    QLabel *installedAppsLabel = nullptr;
    QLabel *installedAppsCountLabel = nullptr;
    AppQLabel *uninstallAppLabel = nullptr;
    QLabel *collectingAppsLabel = nullptr;
    QLabel *noAppsLabel = nullptr;
    QLabel *collectingServicesLabel = nullptr;
    QLabel *servicesRefreshLink = nullptr;
    QLabel *collectingDriversLabel = nullptr;
    QLabel *startupEntriesLabel = nullptr;
    QLabel *startupCountLabel = nullptr;
    AppQLabel *removeStartupLabel = nullptr;
    QLabel *collectingStartupLabel = nullptr;
    QLabel *noStartupDataLabel = nullptr;

    // SMART and TPM pages.
    QLabel *smartDrivesLabel = nullptr;
    QLabel *smartDriveCountLabel = nullptr;
    AppQLabel *smartInfoLabel = nullptr;
    QComboBox *smartDriveComboBox = nullptr;
    QTreeWidget *smartTree = nullptr;
    QLabel *collectingSmartLabel = nullptr;
    QLabel *noSmartDataLabel = nullptr;
    QTreeWidget *tpmTree = nullptr;
    QLabel *collectingTpmLabel = nullptr;
    QLabel *noTpmLabel = nullptr;

    // Updates page.
    QLabel *applicationUpdatesLabel = nullptr;
    QLabel *buildCaptionLabel = nullptr;
    QLabel *latestBuildLabel = nullptr;
    QLabel *lastCheckCaptionLabel = nullptr;
    QLabel *lastCheckLabel = nullptr;
    QPushButton *checkUpdatesBtn = nullptr;
    QLabel *updatesChannelLabel = nullptr;
    QComboBox *updatesChannelComboBox = nullptr;
    QLabel *appChangelogLabel = nullptr;
    QPushButton *changelogBtn = nullptr;
    QLabel *updatesSettingsLabel = nullptr;
    Switch *installAutomaticallySwitch = nullptr;
    Switch *disableUpdatesSwitch = nullptr;
    Switch *checkOnStartSwitch = nullptr;
    Switch *insiderNotificationSwitch = nullptr;
    Switch *deleteInstallerSwitch = nullptr;
    Switch *installSilentlySwitch = nullptr;
    QLabel *updatesPathsLabel = nullptr;
    QLabel *downloadPathLabel = nullptr;
    QLineEdit *downloadPathEdit = nullptr;
    QPushButton *downloadPathBtn = nullptr;
    QLabel *installPathLabel = nullptr;
    QLineEdit *installPathEdit = nullptr;
    QPushButton *installPathBtn = nullptr;
    QLabel *updatesDeliveryLabel = nullptr;
    QComboBox *updatesDeliveryComboBox = nullptr;

    // About page.
    QLabel *companyCaptionLabel = nullptr;
    QLabel *companyValueLabel = nullptr;
    QLabel *aboutBuildCaptionLabel = nullptr;
    QLabel *aboutBuildValueLabel = nullptr;
    QLabel *channelCaptionLabel = nullptr;
    QLabel *aboutChannelLabel = nullptr;
    QLabel *eulaCaptionLabel = nullptr;
    AppQLabel *eulaLink = nullptr;
    AppQLabel *privacyPolicyCaptionLabel = nullptr;
    AppQLabel *privacyPolicyLink = nullptr;
    QLabel *architectureCaptionLabel = nullptr;
    QLabel *architectureValueLabel = nullptr;
    QLabel *versionCaptionLabel = nullptr;
    QLabel *versionValueLabel = nullptr;
    QLabel *accountCaptionLabel = nullptr;
    AccountImage *accountImage = nullptr;
    QLabel *feedbackCaptionLabel = nullptr;
    AppQLabel *feedbackLink = nullptr;
    QLabel *websiteCaptionLabel = nullptr;
    AppQLabel *websiteLink = nullptr;

    // Final stage and behaviour state.
    // The machine-wide Run key that "Run at login" writes, through the platform's
    // registry layer.
    std::unique_ptr<plat::RegistryKey> runKeySettings;
    QSystemTrayIcon *trayIcon = nullptr;
    QTranslator appTranslator;
    QTranslator qtTranslator;
    QPointer<Account> accountDialog;
    // Account controls (accountcontrols.cpp): the current sign-in dialog, the parent the dialogs
    // were made with and the signed-in account's id.
    QPointer<LogIn> loginDialog;
    QPointer<QWidget> accountDialogsParent;
    int accountUserId = 0;
    // How long the window's network tests (the status check, the reachability test of the
    // sign-in) wait for a silent server; 0 keeps their defaults.
    int networkWaitMs = 0;
    // The network values as source texts (the address as it came), shown again in a new language.
    const char *networkStatusSource = "Unknown";
    const char *ipSource = "Unknown";
    // How each network value is coloured (applyThemeLabelColors): the theme's text colour
    // before any check, neutral while one runs, then green or red as it was answered.
    enum class NetworkTone { Plain, Checking, Positive, Negative };
    NetworkTone networkStatusTone = NetworkTone::Plain;
    NetworkTone ipTone = NetworkTone::Plain;
    QString userAddress;
    QPointer<QMenu> trayMenu;
    QPointer<QMenu> traySettingsMenu;
    QPointer<QMenu> trayLanguagesMenu;
    QPointer<QMenu> trayThemesMenu;
    QTreeWidgetItem *cpuHeadingItem = nullptr;
    QTreeWidgetItem *gpuHeadingItem = nullptr;
    QTreeWidgetItem *ramHeadingItem = nullptr;
    QTreeWidgetItem *storageHeadingItem = nullptr;
    QTreeWidgetItem *opticalHeadingItem = nullptr;
    QTreeWidgetItem *soundHeadingItem = nullptr;
    QTreeWidgetItem *networkHeadingItem = nullptr;
    QTreeWidgetItem *keyboardHeadingItem = nullptr;
    QTreeWidgetItem *printerHeadingItem = nullptr;
    bool silentUpdateCheck = false;
    bool uninstallRunning = false;
    bool fontChangePending = false;
    bool signedIn = false;
    bool exitRequested = false; // Exit is closing the window: not into the tray
    // The window's place (saveGeometry) when it was last shown and not minimised, and the frame
    // around its own area when last seen neither maximised nor full screen (windowclosing.cpp).
    QByteArray shownPlace;
    QMargins normalFrameMargins;
    int languageIndex = 0; // App::Language
    int themeIndex = 0; // App::Theme
    bool updatesDisabled = false;
    bool insiderNotificationEnabled = true;

    // Menu actions, in menu order (menuactions.cpp).
    QAction *openAction = nullptr;
    QAction *saveToFileAction = nullptr;
    QAction *cmdAsAdminAction = nullptr;
    QAction *dxDiagnosticToolX64Action = nullptr;
    QAction *printDataAction = nullptr;
    QAction *autoSelectLanguageAction = nullptr;
    QAction *englishLanguageAction = nullptr;
    QAction *russianLanguageAction = nullptr;
    QAction *ukrainianLanguageAction = nullptr;
    QAction *lightThemeAction = nullptr;
    QAction *grayThemeAction = nullptr;
    QAction *darkThemeAction = nullptr;
    QAction *logAction = nullptr;
    QAction *changelogAction = nullptr;
    QAction *updatesAction = nullptr;
    QAction *feedbackAction = nullptr;
    QAction *exitAction = nullptr;
    QString drivesCountText;
    QString partitionsCountText;

    // Update checks and insider offers (updatecheck.cpp, insideroffer.cpp).
    // The prompt shown when a check is asked for, or answered, while updates are disabled.
    void askToEnableUpdates();
    // The Updates page's "Build:" and "Last checked:" values: the last answered check (an empty
    // build for none), kept so that a language change shows them again in the new language.
    void showUpdateCheckResult(const QString &build);
    QString lastCheckedBuild;
    QDateTime lastCheckTime;

    // Detection launchers (detectionlaunchers.cpp, softwarelaunchers.cpp): each makes a thread
    // and a Worker, wires them to the current batch and starts the thread.
    void startAppsDetection();
    void startOSDetection();
    void startCPUDetection();
    void startGPUDetection();
    void startRAMDetection();
    void startStorageDetection();
    void startOpticalDevicesDetection();
    void startMotherboardDetection();
    void startSoundDevicesDetection();
    void startNetworkDetection();
    void startPeripheralDetection();
    void startServicesDetection();
    void startProcessesDetection();
    void startDriversDetection();
    void startStartupDetection();
    void startTpmDetection();
    enum class RootErrorKind { WithoutText, WithText };
    void launchDetection(const char *key, const std::function<void(Worker *, QThread *)> &wire,
                         const QStringList &logTexts, const QString &failureText);
    // Connects a Worker signal to a window slot for the current batch only: records of a
    // cancelled batch that are still queued are dropped on arrival.
    template<typename Signal, typename Slot> void relay(Worker *worker, Signal signal, Slot slot);
    void connectWmiErrors(Worker *worker, RootErrorKind rootError);
    void showDetectionError(const QString &text);

    // Hardware and list pages (hardwarepages.cpp, softwarelistpages.cpp).
    static void addChildItem(QTreeWidgetItem *parent, const QIcon &icon, const HardwareData &data);
    void expandAllItems(QTreeWidget *tree);
    QTreeWidgetItem *addHeadingItem(QTreeWidget *tree, const QIcon &icon, const HardwareData &data);
    QTreeWidgetItem *addFlatItem(QTreeWidget *tree, const QIcon &icon, const QString &label,
                                 const QString &value);
    void clearHeadingItems();
    ListRowBatcher *listRows();

    // Reports (reportsaving.cpp, hardwaresharing.cpp): the 17 page trees in report order, a value
    // copy of them for the writers, printing onto a set-up printer, the failed PDF export and
    // the failed hardware-data upload.
    QVector<QTreeWidget *> reportTrees() const;
    // The folder a file dialog opens in: the given one, or the home folder where it is not there.
    static QString existingFolderOrHome(const QString &folder);
    ReportData reportSnapshot() const;
    void printReport(QPrinter *printer);
    void pdfDataFailed(const QString &fileName, const QString &reason);
    void uploadFailed(const QString &reason);

    // Detection state: the number of the running batch (0 before the first), the Storage
    // partition references and the sixteen rows of the Main summary.
    quint64 detectionBatch = 0;
    QTreeWidgetItem *partitionHeadingItem = nullptr;
    QTreeWidgetItem *totalPartitionsItem = nullptr;
    QTreeWidgetItem *mainSummaryRows[16] = {};
    ListRowBatcher *listRowBatcher = nullptr;

    // The log viewer, made by the first openAppLog and reused until the window goes.
    QPointer<Log> appLogDialog;
    // Page actions: the SMART reads (smartpage.cpp), uninstalling (uninstalling.cpp), start-up
    // entries (startupentries.cpp) and the commands search (commandsearch.cpp).
    friend class TstPageActions;
    friend class TstNetworkStatus;
    friend class TstPageTexts;
    void appSmartThread(int driveIndex);
    void showSmartAttributeInfo(QTreeWidgetItem *item);
    void showSelectedSmartAttributeInfo();
    void uninstallSelectedProgram();
    void startUninstall(QTreeWidgetItem *item);
    void confirmUninstall(quint64 rowId, bool packageRemoval, const QStringList &packages,
                          const QString &error);
    void runUninstall(quint64 rowId);
    QTreeWidgetItem *uninstallRow(quint64 rowId);
    void removeProgramRow(QTreeWidgetItem *item);
    void setStartupToolTip(QTreeWidgetItem *item, int column);
    // Startup rows: the value name a Run entry is removed by (column 0) beside its shown name.
    static constexpr int StartupEntryNameRole = Qt::UserRole + 1;
    static bool isStartupRunKeyLabel(const QString &startupPath);
    void removeStartupEntries();
    void showToolButtons(const QString &text);
    void searchUsefulCommands();
    void setCommandHeadingsVisible(bool visible);
    // The running SMART read; what an older read still sends is dropped.
    quint64 smartReadNumber = 0;
    // The last id given to an uninstall request; the row carries it while the request runs.
    quint64 uninstallRowNumber = 0;
    // Threads of the detections started so far; ended ones drop out (stopDetections).
    QList<QPointer<QThread>> detectionThreads;
};
