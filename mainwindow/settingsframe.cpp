// The Settings tab: the list of twelve entries beside the stack of their pages.

#include "mainwindow/verdimonnuvo.h"

#include "app/dialogstyle.h"
#include "app/fonts.h"
#include "widgets/apptabbar.h"
#include "widgets/scrollbar.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QSplitter>
#include <QStackedWidget>

namespace {

struct SettingsEntry
{
    const char *text;
    bool translated;
    const char *key;
    const char *icon;
};

// Row i of the list shows page i of the stack; the key finds an entry whatever the language.
const SettingsEntry settingsEntries[] = {
    { QT_TRANSLATE_NOOP("QObject", "Application settings"), true, "Settings", ":/Icon/cog.svg" },
    { QT_TRANSLATE_NOOP("QObject", "Misc"), true, "Misc", ":/Icon/tools.svg" },
    { QT_TRANSLATE_NOOP("QObject", "Useful commands"), true, "Useful Commands",
      ":/Icon/useful_commands_icon.png" },
    { QT_TRANSLATE_NOOP("QObject", "Services"), true, "Services", ":/Icon/services_icon.png" },
    { QT_TRANSLATE_NOOP("QObject", "Processes"), true, "Processes",
      ":/Icon/default_processes_icon.png" },
    { QT_TRANSLATE_NOOP("QObject", "Applications"), true, "Applications",
      ":/Icon/default_apps_icon.png" },
    { QT_TRANSLATE_NOOP("QObject", "Drivers"), true, "Drivers", ":/Icon/drivers_icon.png" },
    { QT_TRANSLATE_NOOP("QObject", "Startup"), true, "Startup", ":/Icon/default_startup_icon.png" },
    { "SMART", false, "SMART", ":/Icon/storage.png" },
    { "TPM", false, "TPM", ":/Icon/tpm_icon.png" },
    { QT_TRANSLATE_NOOP("QObject", "Updates"), true, "Updates", ":/Icon/sync.svg" },
    { QT_TRANSLATE_NOOP("QObject", "About"), true, "About", ":/Icon/about_icon.png" },
};

QIcon resourceIcon(const QString &path)
{
    // SVG resources go through a pixmap so that they are rendered at their own size.
    if (path.endsWith(QLatin1String(".svg")))
        return QIcon(QPixmap(path));
    return QIcon(path);
}

} // namespace

QPushButton *VerdimonNuvo::createExitButton(QWidget *page)
{
    auto *button = new QPushButton(QObject::tr("Exit"), page);
    button->setMinimumHeight(23);
    button->setFont(appFont(false));
    button->setIcon(QIcon(QPixmap(QStringLiteral(":/Icon/sign-out.svg"))));
    keepTextWhole(button);
    connect(button, &QAbstractButton::clicked, this, &QWidget::close);
    return button;
}

void VerdimonNuvo::createSettingsFrame()
{
    auto *horizontalBar = new ScrollBar(settingsPage);
    auto *verticalBar = new ScrollBar(settingsPage);
    settingsMenuView = new QListWidget(settingsPage);
    settingsMenuView->setObjectName(QStringLiteral("settingsMenuView"));
    QSizePolicy menuPolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    menuPolicy.setHorizontalStretch(1);
    settingsMenuView->setSizePolicy(menuPolicy);
    settingsMenuView->setHorizontalScrollBar(horizontalBar);
    settingsMenuView->setVerticalScrollBar(verticalBar);

    for (const SettingsEntry &entry : settingsEntries) {
        const QString text
            = entry.translated ? QObject::tr(entry.text) : QString::fromLatin1(entry.text);
        auto *item = new QListWidgetItem(resourceIcon(QString::fromLatin1(entry.icon)), text,
                                         settingsMenuView);
        item->setData(Qt::UserRole, QString::fromLatin1(entry.key));
    }
    settingsMenuView->setFocusPolicy(Qt::NoFocus);
    settingsMenuView->setMinimumWidth(100);

    // An empty list serves only as the framed container of the page stack.
    settingsView = new QListWidget(settingsPage);
    QSizePolicy viewPolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    viewPolicy.setHorizontalStretch(4);
    settingsView->setSizePolicy(viewPolicy);
    settingsView->setContentsMargins(0, 0, 0, 0);
    settingsView->setObjectName(QStringLiteral("settingsView"));
    settingsView->setMinimumWidth(400);

    QWidget **pages[] = { &appSettingsPage, &miscPage,         &usefulCommandsPage, &servicesPage,
                          &processesPage,   &applicationsPage, &driversPage,        &startupPage,
                          &smartPage,       &tpmPage,          &updatesPage,        &aboutPage };
    for (QWidget **page : pages)
        *page = new QWidget(settingsView);
    settingsStack = new QStackedWidget(settingsPage);
    for (QWidget **page : pages)
        settingsStack->addWidget(*page);

    settingsSplitter = new QSplitter(Qt::Horizontal, settingsPage);
    settingsSplitter->addWidget(settingsMenuView);
    settingsSplitter->addWidget(settingsView);
    settingsSplitter->setCollapsible(0, false);
    settingsSplitter->setCollapsible(1, false);
    connect(settingsSplitter, &QSplitter::splitterMoved, this,
            &VerdimonNuvo::onSettingsSplitterMoved);

    auto *settingsLayout = new QHBoxLayout;
    settingsLayout->setContentsMargins(0, 0, 0, 0);
    settingsLayout->addWidget(settingsSplitter);
    settingsPage->setLayout(settingsLayout);

    settingsMenuView->setFont(appFontEx(14, false, false));
    settingsMenuView->setSelectionMode(QAbstractItemView::SingleSelection);
    settingsMenuView->setMouseTracking(true);
    connect(settingsMenuView, &QListWidget::currentRowChanged, settingsStack,
            &QStackedWidget::setCurrentIndex);
    connect(settingsMenuView, &QListWidget::itemEntered, this, &VerdimonNuvo::setListItemToolTip);
    settingsMenuView->setCurrentRow(0);

    appSettingsExitBtn = createExitButton(appSettingsPage);
    updatesExitBtn = createExitButton(updatesPage);
}
