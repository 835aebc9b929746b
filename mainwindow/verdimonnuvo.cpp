// The main window: construction order, the final stage of the widget builder and the jump from
// a Main summary row to its page.

#include "mainwindow/verdimonnuvo.h"

#include "app/settings.h"
#include "app/systemfunctions.h"
#include "platform/platform.h"
#include "widgets/apptabcontrol.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScrollArea>
#include <QStackedWidget>
#include <QTabBar>
#include <QTimer>
#include <QTreeWidget>

VerdimonNuvo::VerdimonNuvo(StartupActions startupActions)
    : QWidget(nullptr)
    , runStartupActions(startupActions == StartupActions::Run)
    , drivesCountText(QString::number(0))
    , partitionsCountText(QString::number(0))
{
    createPages();
    if (startupActions != StartupActions::WidgetsOnly)
        loadAppSettings();
    if (runStartupActions)
        showAccountDialogs();
}

// Every widget, the tray icon and the page objects have this window as their Qt parent (directly
// or through their page), so QWidget's destructor releases them exactly once; the translators
// are members and the Run key is owned by its smart pointer.
void VerdimonNuvo::createWidgets()
{
    createSettingsFrame();
    createHardwareStatusLabels();
    createAppSettingsPage();
    createMiscPage();
    createUsefulCommandsPage();
    createSoftwarePages();
    createSmartAndTpmPages();
    layoutSoftwarePages();

    // The stack fills the framed right pane of the Settings tab; a page larger than the pane (a
    // large font) scrolls instead of squeezing its texts.
    auto *stackScroll = new QScrollArea(settingsView);
    stackScroll->setFrameShape(QFrame::NoFrame);
    stackScroll->setWidgetResizable(true);
    stackScroll->setWidget(settingsStack);
    auto *stackLayout = new QHBoxLayout;
    stackLayout->setContentsMargins(0, 0, 0, 0);
    stackLayout->addWidget(stackScroll);
    settingsView->setLayout(stackLayout);

    createUpdatesPage();
    createAboutPage();
    connectUpdatesChannel();
    fitStatusLabels();
    fitHeaderSections();
    finishConstruction();
}

void VerdimonNuvo::finishConstruction()
{
    runKeySettings = plat::registry()->open(runKeyPath(applicationBitness()));
    trayIcon = new QSystemTrayIcon(this);

    commandButtons
        = usefulCommandsPage->findChildren<QPushButton *>(QString(), Qt::FindChildrenRecursively);

    createShortcuts();
    createMenuActions();
    setDevicesButtonText();
    fitSettingsBoxes();

    connect(this, &VerdimonNuvo::pdfDataFileSaved, this, &VerdimonNuvo::pdfDataSaved);
    connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit, this,
            &VerdimonNuvo::onAboutToQuit);
}

void VerdimonNuvo::scheduleStartupUpdateCheck()
{
    if (!runStartupActions)
        return;
    silentUpdateCheck = true;
    QTimer::singleShot(1500, Qt::PreciseTimer, this, &VerdimonNuvo::checkForAppUpdates);
}

void VerdimonNuvo::onAboutToQuit()
{
    onApplicationQuit();
}

void VerdimonNuvo::onSummaryItemDoubleClicked(QTreeWidgetItem *item, int column)
{
    Q_UNUSED(column)
    goToPage(item);
}

void VerdimonNuvo::goToPage(QTreeWidgetItem *item)
{
    if (!item)
        return;
    const QString key = item->data(0, Qt::UserRole).toString();
    const int tabIndex = restoreTabsOrder(key);
    if (tabIndex != -1) {
        tabControl->tabBar()->setCurrentIndex(tabIndex);
        return;
    }

    tabControl->tabBar()->setCurrentIndex(restoreTabsOrder(QStringLiteral("Settings")));
    QModelIndex target;
    for (int row = 0; row < settingsMenuView->count(); ++row) {
        if (settingsMenuView->item(row)->data(Qt::UserRole) == QVariant(key)) {
            target = settingsMenuView->model()->index(row, 0);
            break;
        }
    }
    settingsMenuView->setCurrentIndex(target);
}

namespace {

using TabsOrder = QMap<int, QString>;

// AppSettings/TabsOrder as a map from tab index to tab key. Its own format is a QMap<int,
// QString>; a map written by hand into the settings file comes with text keys, which count
// only when they are whole numbers.
TabsOrder storedTabsOrder()
{
    static const int type = [] {
        qRegisterMetaTypeStreamOperators<TabsOrder>("QMap<int,QString>");
        return qMetaTypeId<TabsOrder>();
    }();
    const QVariant stored = Settings::appSettingsValue(QStringLiteral("TabsOrder"));
    if (stored.userType() == type)
        return stored.value<TabsOrder>();
    TabsOrder order;
    const QVariantMap text = stored.toMap();
    for (auto it = text.constBegin(); it != text.constEnd(); ++it) {
        bool ok = false;
        const int index = it.key().toInt(&ok);
        if (ok)
            order.insert(index, it.value().toString());
    }
    return order;
}

} // namespace

int VerdimonNuvo::restoreTabsOrder(const QString &key)
{
    const TabsOrder order = storedTabsOrder();
    if (!order.isEmpty()) {
        // Ascending indexes as numbers: with several matches the largest index wins.
        int found = -1;
        for (auto it = order.constBegin(); it != order.constEnd(); ++it) {
            if (it.value() == key)
                found = it.key();
        }
        return found;
    }
    for (int index = 0; index < tabControl->count(); ++index) {
        if (tabControl->tabBar()->tabData(index).toString() == key)
            return index;
    }
    return -1;
}

void VerdimonNuvo::setItemToolTip(QTreeWidgetItem *item, int column)
{
    if (item)
        item->setToolTip(column, item->text(column));
}

void VerdimonNuvo::setListItemToolTip(QListWidgetItem *item)
{
    if (item)
        item->setToolTip(item->text());
}

void VerdimonNuvo::setHandCursor(QWidget *label)
{
    label->setCursor(Qt::PointingHandCursor);
}
