// The software list pages (Services, Processes, Applications, Drivers, Startup) and the SMART and
// TPM pages of the Settings tab.

#include "mainwindow/verdimonnuvo.h"

#include "app/dialogstyle.h"
#include "app/fonts.h"
#include "widgets/appqlabel.h"
#include "widgets/columnfitter.h"
#include "widgets/scrollbar.h"

#include <QApplication>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QStyle>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

QLabel *makeOverlayLabel(const QString &text, QWidget *parent, const QRect &geometry, bool shown)
{
    auto *label = new QLabel(text, parent);
    label->setProperty(VerdimonNuvo::statusLabelProperty, true);
    label->setGeometry(geometry);
    label->setFont(appFont(false));
    label->setVisible(shown);
    return label;
}

QStringList translated(std::initializer_list<const char *> sources)
{
    QStringList texts;
    for (const char *source : sources)
        texts.append(QObject::tr(source));
    return texts;
}

QPixmap standardIconPixmap(QStyle::StandardPixmap icon)
{
    return QApplication::style()->standardIcon(icon).pixmap(16, 16, QIcon::Normal, QIcon::Off);
}

} // namespace

QTreeWidget *VerdimonNuvo::createListTree(QWidget *page, const QStringList &headers)
{
    auto *horizontalBar = new ScrollBar(page);
    auto *verticalBar = new ScrollBar(page);
    auto *tree = new QTreeWidget(page);
    tree->setColumnCount(headers.size());
    tree->setHeaderLabels(headers);
    tree->setHorizontalScrollBar(horizontalBar);
    tree->setVerticalScrollBar(verticalBar);
    tree->header()->setFont(appFont(false));
    tree->setFont(appFont(false));
    tree->setIndentation(0);
    // Every row is one line beside a 16-pixel icon: equal heights spare the view measuring each
    // of thousands of rows whenever it lays them out.
    tree->setUniformRowHeights(true);
    tree->setMouseTracking(true);
    tree->setContextMenuPolicy(Qt::DefaultContextMenu);
    return tree;
}

void VerdimonNuvo::connectLinkCursor(AppQLabel *label)
{
    connect(label, &AppQLabel::mouseEnter, this, [this, label] { setHandCursor(label); });
    connect(label, &AppQLabel::mouseLeave, label, &QWidget::unsetCursor);
}

void VerdimonNuvo::createSoftwarePages()
{
    processesTree = createListTree(
        processesPage,
        translated(
            { QT_TRANSLATE_NOOP("QObject", "Process name"), QT_TRANSLATE_NOOP("QObject", "ID"),
              QT_TRANSLATE_NOOP("QObject", "Working set size"),
              QT_TRANSLATE_NOOP("QObject", "Handle count"),
              QT_TRANSLATE_NOOP("QObject", "Peak page file usage"),
              QT_TRANSLATE_NOOP("QObject", "Priority"), QT_TRANSLATE_NOOP("QObject", "Session ID"),
              QT_TRANSLATE_NOOP("QObject", "Thread count"),
              QT_TRANSLATE_NOOP("QObject", "Virtual size"),
              QT_TRANSLATE_NOOP("QObject", "Path") }));
    processesTree->setColumnWidth(0, 350);
    processesTree->setColumnWidth(9, 300);
    ColumnFitter::attach(processesTree, { 0, 9 });
    collectingProcessesLabel = makeOverlayLabel(QObject::tr("Collecting Processes data ..."),
                                                processesTree, QRect(5, 25, 400, 20), true);
    processesRefreshLink
        = makeOverlayLabel(refreshLinkText(QObject::tr("No Processes data is available. Try to")),
                           processesTree, QRect(5, 25, 400, 20), false);

    appsTree = createListTree(applicationsPage,
                              translated({ QT_TRANSLATE_NOOP("QObject", "Application name"),
                                           QT_TRANSLATE_NOOP("QObject", "Version"),
                                           QT_TRANSLATE_NOOP("QObject", "Developer"),
                                           QT_TRANSLATE_NOOP("QObject", "Install path"),
                                           QT_TRANSLATE_NOOP("QObject", "Uninstall path") }));
    appsTree->setColumnWidth(0, 350);
    appsTree->setColumnWidth(3, 300);
    ColumnFitter::attach(appsTree, { 0, 3 });
    installedAppsLabel = new QLabel(QObject::tr("Installed:"), applicationsPage);
    installedAppsLabel->setFont(appFont(true));
    installedAppsCountLabel = new QLabel(QObject::tr("Collecting data..."), applicationsPage);
    installedAppsCountLabel->setFont(appFont(false));
    uninstallAppLabel = new AppQLabel(applicationsPage);
    uninstallAppLabel->setPixmap(standardIconPixmap(QStyle::SP_TrashIcon));
    uninstallAppLabel->setToolTip(QObject::tr("Delete"));
    uninstallAppLabel->setAttribute(Qt::WA_Hover);
    uninstallAppLabel->setMouseTracking(true);
    collectingAppsLabel = makeOverlayLabel(QObject::tr("Collecting Applications data ..."),
                                           appsTree, QRect(5, 25, 400, 20), true);
    noAppsLabel = makeOverlayLabel(QString(), appsTree, QRect(5, 25, 450, 20), false);
    noAppsLabel->setText(
        QObject::tr("No data is available! You don't have any applications installed."));

    servicesTree = createListTree(
        servicesPage,
        translated(
            { QT_TRANSLATE_NOOP("QObject", "Service name"), QT_TRANSLATE_NOOP("QObject", "Path"),
              QT_TRANSLATE_NOOP("QObject", "File name"), QT_TRANSLATE_NOOP("QObject", "ID"),
              QT_TRANSLATE_NOOP("QObject", "Type"), QT_TRANSLATE_NOOP("QObject", "State"),
              QT_TRANSLATE_NOOP("QObject", "Status"), QT_TRANSLATE_NOOP("QObject", "Error control"),
              QT_TRANSLATE_NOOP("QObject", "Start mode"), QT_TRANSLATE_NOOP("QObject", "Wait hint"),
              QT_TRANSLATE_NOOP("QObject", "Exit code") }));
    servicesTree->setColumnWidth(0, 350);
    servicesTree->setColumnWidth(2, 180);
    ColumnFitter::attach(servicesTree, { 0, 2 });
    collectingServicesLabel = makeOverlayLabel(QObject::tr("Collecting Services data ..."),
                                               servicesTree, QRect(5, 25, 400, 20), true);
    servicesRefreshLink
        = makeOverlayLabel(refreshLinkText(QObject::tr("No Services data is available. Try to")),
                           servicesTree, QRect(5, 25, 400, 20), false);

    driversTree = createListTree(
        driversPage,
        translated(
            { QT_TRANSLATE_NOOP("QObject", "Name"), QT_TRANSLATE_NOOP("QObject", "Version"),
              QT_TRANSLATE_NOOP("QObject", "Description"), QT_TRANSLATE_NOOP("QObject", "Type"),
              QT_TRANSLATE_NOOP("QObject", "File Name"), QT_TRANSLATE_NOOP("QObject", "State"),
              QT_TRANSLATE_NOOP("QObject", "Path") }));
    driversTree->setColumnWidth(2, 300);
    driversTree->setColumnWidth(6, 350);
    driversTree->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    ColumnFitter::attach(driversTree, { 2, 6 });
    driversTree->setSortingEnabled(true);
    driversTree->sortByColumn(0, Qt::AscendingOrder);
    collectingDriversLabel = makeOverlayLabel(QObject::tr("Collecting Drivers data ..."),
                                              driversPage, QRect(5, 25, 400, 20), true);

    startupTree = createListTree(startupPage,
                                 translated({ QT_TRANSLATE_NOOP("QObject", "Name"),
                                              QT_TRANSLATE_NOOP("QObject", "Startup path"),
                                              QT_TRANSLATE_NOOP("QObject", "Command") }));
    startupTree->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    startupTree->header()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    startupTree->setSortingEnabled(true);
    startupTree->sortByColumn(0, Qt::AscendingOrder);
    startupEntriesLabel = new QLabel(QObject::tr("Startup:"), startupPage);
    startupEntriesLabel->setFont(appFont(true));
    startupCountLabel = new QLabel(QObject::tr("Collecting data..."), startupPage);
    startupCountLabel->setFont(appFont(false));
    removeStartupLabel = new AppQLabel(startupPage);
    removeStartupLabel->setPixmap(QPixmap(QStringLiteral(":/Icon/times_red.svg")));
    removeStartupLabel->setFixedSize(12, 18);
    removeStartupLabel->setScaledContents(true);
    removeStartupLabel->setToolTip(QObject::tr("Remove"));
    removeStartupLabel->setEnabled(false);
    removeStartupLabel->setAttribute(Qt::WA_Hover);
    collectingStartupLabel = makeOverlayLabel(QObject::tr("Collecting Startup data ..."),
                                              startupPage, QRect(5, 60, 400, 20), true);
    noStartupDataLabel = makeOverlayLabel(QObject::tr("No startup data is available."), startupPage,
                                          QRect(5, 60, 400, 20), false);

    for (QTreeWidget *tree : { processesTree, servicesTree, appsTree, driversTree })
        connect(tree, &QTreeWidget::itemEntered, this, &VerdimonNuvo::setItemToolTip);
    connect(appsTree, &QTreeWidget::itemDoubleClicked, this, &VerdimonNuvo::onProgramDoubleClicked);
    connect(startupTree, &QTreeWidget::itemSelectionChanged, this,
            &VerdimonNuvo::onStartupSelectionChanged);
    connect(startupTree, &QTreeWidget::itemEntered, this, &VerdimonNuvo::onStartupItemEntered);
    connect(startupTree, &QTreeWidget::itemPressed, this, &VerdimonNuvo::onStartupItemPressed);
    connect(uninstallAppLabel, &AppQLabel::mouseClick, this, &VerdimonNuvo::onUninstallClicked);
    connect(removeStartupLabel, &AppQLabel::mouseClick, this,
            &VerdimonNuvo::onRemoveStartupClicked);
    connectLinkCursor(uninstallAppLabel);
    connectLinkCursor(removeStartupLabel);
    connect(processesRefreshLink, &QLabel::linkActivated, this, &VerdimonNuvo::refreshAllData);
    connect(servicesRefreshLink, &QLabel::linkActivated, this, &VerdimonNuvo::refreshAllData);
}

void VerdimonNuvo::createSmartAndTpmPages()
{
    smartDrivesLabel = new QLabel(QObject::tr("Drives:"), smartPage);
    smartDrivesLabel->setFont(appFont(true));
    smartDriveCountLabel = new QLabel(QObject::tr("Collecting data..."), smartPage);
    smartDriveCountLabel->setFont(appFont(false));
    smartInfoLabel = new AppQLabel(smartPage);
    smartInfoLabel->setPixmap(standardIconPixmap(QStyle::SP_MessageBoxInformation));
    smartInfoLabel->setToolTip(QObject::tr("Information"));
    smartInfoLabel->setAttribute(Qt::WA_Hover);
    smartInfoLabel->setMouseTracking(true);
    smartDriveComboBox = new QComboBox(smartPage);
    smartDriveComboBox->setFont(appFont(false));
    smartDriveComboBox->setMinimumSize(120, textFitHeight(smartDriveComboBox, 24));
    // The drives arrive after the page may have been shown (and again after every reset): the
    // box follows its items so that a drive's name is never cut.
    smartDriveComboBox->setSizeAdjustPolicy(QComboBox::AdjustToContents);

    smartTree = createListTree(
        smartPage,
        translated({ QT_TRANSLATE_NOOP("QObject", "Attribute ID"),
                     QT_TRANSLATE_NOOP("QObject", "Name"), QT_TRANSLATE_NOOP("QObject", "Value"),
                     QT_TRANSLATE_NOOP("QObject", "Worst"), QT_TRANSLATE_NOOP("QObject", "Data"),
                     QT_TRANSLATE_NOOP("QObject", "Threshold") }));
    smartTree->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    smartTree->setColumnWidth(1, 280);
    ColumnFitter::attach(smartTree, { 1 });
    smartTree->setSortingEnabled(true);
    smartTree->sortByColumn(0, Qt::AscendingOrder);
    collectingSmartLabel = makeOverlayLabel(QObject::tr("Collecting smart data ..."), smartTree,
                                            QRect(5, 30, 460, 20), true);
    noSmartDataLabel = makeOverlayLabel(QObject::tr("No smart data has been found!"), smartTree,
                                        QRect(5, 30, 450, 20), false);

    tpmTree = createListTree(tpmPage, QStringList());
    tpmTree->setColumnCount(2);
    tpmTree->setHeaderHidden(true);
    tpmTree->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    collectingTpmLabel = makeOverlayLabel(QObject::tr("Collecting TPM data ..."), tpmTree,
                                          QRect(5, 30, 460, 20), true);
    noTpmLabel = makeOverlayLabel(QObject::tr("Trusted Platform Module is not installed!"), tpmTree,
                                  QRect(5, 15, 450, 20), false);

    connect(smartDriveComboBox, QOverload<int>::of(&QComboBox::activated), this,
            &VerdimonNuvo::onSmartDriveActivated);
    connect(smartTree, &QTreeWidget::itemEntered, this, &VerdimonNuvo::setItemToolTip);
    connect(smartTree, &QTreeWidget::itemDoubleClicked, this,
            &VerdimonNuvo::onSmartItemDoubleClicked);
    connect(smartInfoLabel, &AppQLabel::mouseClick, this, &VerdimonNuvo::onSmartInfoClicked);
    connectLinkCursor(smartInfoLabel);
    connect(tpmTree, &QTreeWidget::itemEntered, this, &VerdimonNuvo::setItemToolTip);
}

void VerdimonNuvo::layoutSoftwarePages()
{
    for (auto page :
         { std::make_pair(processesPage, processesTree), std::make_pair(servicesPage, servicesTree),
           std::make_pair(driversPage, driversTree) }) {
        auto *pageLayout = new QHBoxLayout;
        pageLayout->setContentsMargins(0, 0, 0, 0);
        pageLayout->addWidget(page.second);
        page.first->setLayout(pageLayout);
    }

    auto *appsHeaderRow = new QHBoxLayout;
    appsHeaderRow->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    appsHeaderRow->setContentsMargins(5, 5, 2, 0);
    appsHeaderRow->addWidget(installedAppsLabel);
    appsHeaderRow->addWidget(installedAppsCountLabel);
    appsHeaderRow->addWidget(uninstallAppLabel);
    auto *appsLayout = new QVBoxLayout;
    appsLayout->setContentsMargins(0, 0, 0, 0);
    appsLayout->addLayout(appsHeaderRow);
    appsLayout->addWidget(appsTree);
    applicationsPage->setLayout(appsLayout);

    auto *startupHeaderRow = new QHBoxLayout;
    startupHeaderRow->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    startupHeaderRow->setContentsMargins(5, 0, 0, 0);
    startupHeaderRow->addWidget(startupEntriesLabel);
    startupHeaderRow->addWidget(startupCountLabel);
    startupHeaderRow->addWidget(removeStartupLabel);
    auto *startupLayout = new QVBoxLayout;
    startupLayout->setContentsMargins(0, 0, 0, 0);
    startupLayout->addLayout(startupHeaderRow);
    startupLayout->addWidget(startupTree);
    startupPage->setLayout(startupLayout);

    auto *smartHeaderRow = new QHBoxLayout;
    smartHeaderRow->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    smartHeaderRow->setContentsMargins(5, 5, 2, 0);
    smartHeaderRow->addWidget(smartDrivesLabel);
    smartHeaderRow->addWidget(smartDriveCountLabel);
    smartHeaderRow->addWidget(smartInfoLabel);
    smartHeaderRow->addWidget(smartDriveComboBox, 1, Qt::AlignHCenter);
    auto *smartLayout = new QVBoxLayout;
    smartLayout->setContentsMargins(0, 0, 0, 0);
    smartLayout->addLayout(smartHeaderRow);
    smartLayout->addWidget(smartTree);
    smartPage->setLayout(smartLayout);

    auto *tpmLayout = new QVBoxLayout;
    tpmLayout->setContentsMargins(0, 0, 0, 0);
    tpmLayout->addWidget(tpmTree);
    tpmPage->setLayout(tpmLayout);
}
