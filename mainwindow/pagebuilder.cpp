// The tab control, the eleven page trees and the status texts of the hardware tabs.

#include "mainwindow/verdimonnuvo.h"

#include "app/fonts.h"
#include "app/settings.h"
#include "app/systemfunctions.h"
#include "widgets/apptabbar.h"
#include "widgets/apptabcontrol.h"
#include "widgets/labelcolumn.h"
#include "widgets/scrollbar.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QTreeWidget>

namespace {

// Tab keys in tab order; the key is the tab data and, translated, the tab text.
const char *const tabKeys[] = {
    QT_TRANSLATE_NOOP("QObject", "Main"),
    QT_TRANSLATE_NOOP("QObject", "OS"),
    QT_TRANSLATE_NOOP("QObject", "CPU"),
    QT_TRANSLATE_NOOP("QObject", "GPU"),
    QT_TRANSLATE_NOOP("QObject", "RAM"),
    QT_TRANSLATE_NOOP("QObject", "Storage"),
    QT_TRANSLATE_NOOP("QObject", "Optical Devices"),
    QT_TRANSLATE_NOOP("QObject", "Motherboard"),
    QT_TRANSLATE_NOOP("QObject", "Sound Devices"),
    QT_TRANSLATE_NOOP("QObject", "Network"),
    QT_TRANSLATE_NOOP("QObject", "Peripheral"),
    QT_TRANSLATE_NOOP("QObject", "Settings"),
};

// The window's own minimum size; the tabs may widen it.
const QSize baseMinimumSize(1350, 510);

} // namespace

QString VerdimonNuvo::linkText(const QString &text)
{
    return QStringLiteral("<a style=\"text-decoration: none;\" href=\"#\">%1</a>").arg(text);
}

QString VerdimonNuvo::refreshLinkText(const QString &sentence)
{
    return QStringLiteral("%1 <a style=\"text-decoration: none;\" href=\"#\">%2</a>")
        .arg(sentence, QObject::tr("refresh"));
}

void VerdimonNuvo::createPages()
{
    setMinimumSize(baseMinimumSize);
    setWindowOpacity(Settings::windowOpacity());

    tabControl = new AppTabControl(this);

    AppTabBar **pages[] = { &mainPage,  &osPage,      &cpuPage,        &gpuPage,
                            &ramPage,   &storagePage, &opticalPage,    &motherboardPage,
                            &soundPage, &networkPage, &peripheralPage, &settingsPage };
    for (AppTabBar **page : pages)
        *page = new AppTabBar(tabControl, false);

    for (int index = 0; index < 12; ++index) {
        tabControl->insertTab(index, *pages[index], QObject::tr(tabKeys[index]));
        tabControl->tabBar()->setTabData(index, QString::fromLatin1(tabKeys[index]));
    }
    fitWindowToTabs();

    auto *windowLayout = new QHBoxLayout;
    windowLayout->setContentsMargins(0, 0, 0, 0);
    windowLayout->addWidget(tabControl);
    setLayout(windowLayout);

    // Main summary tree: the font is built here; every other tree copies it.
    createHardwareTree(mainPage, mainTree, true);
    QFont treeFont(Settings::fontFamily());
    treeFont.setPixelSize(Settings::fontSize());
    treeFont.setWeight(QFont::Normal);
    treeFont.setStyleStrategy(QFont::PreferAntialias);
    mainTree->setFont(treeFont);
    mainTree->verticalScrollBar()->setVisible(true);
    mainTree->horizontalScrollBar()->setVisible(false);
    connect(mainTree, &QTreeWidget::itemDoubleClicked, this,
            &VerdimonNuvo::onSummaryItemDoubleClicked);
    initMainSummaryTree();

    createHardwareTree(osPage, osTree, true);
    createHardwareTree(cpuPage, cpuTree, false);
    createHardwareTree(gpuPage, gpuTree, false);
    createHardwareTree(ramPage, ramTree, false);
    createHardwareTree(storagePage, storageTree, false);
    totalDrivesItem = new QTreeWidgetItem(storageTree);
    totalDrivesItem->setText(0, QObject::tr("Total drives"));
    totalDrivesItem->setText(1, QStringLiteral("0"));
    totalDrivesItem->setHidden(true);
    createHardwareTree(opticalPage, opticalTree, false);
    createHardwareTree(motherboardPage, motherboardTree, true);
    createHardwareTree(soundPage, soundTree, false);
    createHardwareTree(networkPage, networkTree, false);
    createHardwareTree(peripheralPage, peripheralTree, false);

    createWidgets();
}

void VerdimonNuvo::fitWindowToTabs()
{
    // Every tab keeps its fixed size, so the window is never smaller than the twelve of them:
    // at the minimum size no tab is cut (the bar draws no scroll buttons). Only a screen too
    // small for all of them caps the minimum at its own size. Their size follows the language
    // and the theme, so each change of either fits the window again.
    QTabBar *bar = tabControl->tabBar();
    const QSize tabs = bar->sizeHint();
    const QPair<int, int> screen = screenResolution();
    if (tabControl->tabPosition() == QTabWidget::North
        || tabControl->tabPosition() == QTabWidget::South)
        setMinimumWidth(qMax(baseMinimumSize.width(), qMin(tabs.width(), screen.first)));
    else
        setMinimumHeight(qMax(baseMinimumSize.height(), qMin(tabs.height(), screen.second)));
    if (isVisible())
        Settings::keepOnScreen(this);
    // A theme chosen from a combo box's list comes while the list is open, and the bar keeps
    // the rules of the theme before; polished again it takes the theme in force.
    bar->style()->unpolish(bar);
    bar->style()->polish(bar);
    bar->update();
}

void VerdimonNuvo::createHardwareTree(AppTabBar *page, QTreeWidget *&tree, bool flat)
{
    auto *horizontalBar = new ScrollBar(page);
    auto *verticalBar = new ScrollBar(page);
    tree = new QTreeWidget(page);
    tree->setHorizontalScrollBar(horizontalBar);
    tree->setVerticalScrollBar(verticalBar);
    tree->setColumnCount(2);
    tree->setHeaderHidden(true);
    tree->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    if (flat)
        tree->setIndentation(0);
    if (mainTree && tree != mainTree)
        tree->setFont(mainTree->font());
    tree->setMouseTracking(true);
    tree->setContextMenuPolicy(Qt::DefaultContextMenu);
    connect(tree, &QTreeWidget::itemEntered, this, &VerdimonNuvo::setItemToolTip);
    // In a large font the labels would take the whole width: they leave the values three fifths.
    LabelColumn::attach(tree);

    auto *pageLayout = new QHBoxLayout;
    pageLayout->addWidget(tree);
    page->setLayout(pageLayout);
}

void VerdimonNuvo::fitStatusLabels()
{
    // The status labels lie over their trees at fixed places: each as large as its text needs
    // (never smaller than 400 x 20) and, over a tree with a header, below that header.
    const QList<QLabel *> labels = findChildren<QLabel *>();
    for (QLabel *label : labels) {
        if (!label->property(statusLabelProperty).toBool())
            continue;
        QRect place = label->geometry();
        place.setSize(QSize(400, 20).expandedTo(label->sizeHint()));
        const auto *tree = qobject_cast<const QTreeView *>(label->parentWidget());
        if (tree && !tree->isHeaderHidden())
            place.moveTop(qMax(place.top(), tree->header()->sizeHint().height() + 5));
        label->setGeometry(place);
    }
}

void VerdimonNuvo::fitHeaderSections()
{
    // A column is never narrower than its heading needs in the program's font.
    for (QTreeWidget *tree :
         { processesTree, servicesTree, appsTree, driversTree, startupTree, smartTree }) {
        QHeaderView *header = tree->header();
        for (int section = 0; section < header->count(); ++section) {
            if (header->sectionResizeMode(section) == QHeaderView::Interactive
                && header->sectionSize(section) < header->sectionSizeHint(section))
                header->resizeSection(section, header->sectionSizeHint(section));
        }
    }
}

QLabel *VerdimonNuvo::createCollectingLabel(QWidget *parent, const QString &text)
{
    auto *label = new QLabel(text, parent);
    label->setProperty(statusLabelProperty, true);
    label->setGeometry(5, 5, 400, 20);
    label->setFont(appFont(false));
    label->show();
    return label;
}

QLabel *VerdimonNuvo::createRefreshLink(QWidget *parent, const QString &sentence)
{
    auto *link = new QLabel(refreshLinkText(sentence), parent);
    link->setProperty(statusLabelProperty, true);
    link->setGeometry(5, 5, 400, 20);
    link->setFont(appFont(false));
    link->hide();
    connect(link, &QLabel::linkActivated, this, &VerdimonNuvo::refreshAllData);
    return link;
}

void VerdimonNuvo::createHardwareStatusLabels()
{
    collectingOSLabel = createCollectingLabel(osTree, QObject::tr("Collecting OS data ..."));
    osRefreshLink = createRefreshLink(osTree, QObject::tr("No OS data is available. Try to"));
    collectingCPULabel = createCollectingLabel(cpuTree, QObject::tr("Collecting CPU data ..."));
    cpuRefreshLink = createRefreshLink(cpuTree, QObject::tr("No CPU data is available. Try to"));
    collectingGPULabel = createCollectingLabel(gpuTree, QObject::tr("Collecting GPU data ..."));
    gpuRefreshLink = createRefreshLink(gpuTree, QObject::tr("No GPU data is available. Try to"));
    collectingRAMLabel = createCollectingLabel(ramTree, QObject::tr("Collecting RAM data ..."));
    ramRefreshLink = createRefreshLink(ramTree, QObject::tr("No RAM data is available. Try to"));
    collectingStorageLabel
        = createCollectingLabel(storageTree, QObject::tr("Collecting Storage data ..."));
    storageRefreshLink
        = createRefreshLink(storageTree, QObject::tr("No Storage data is available. Try to"));
    collectingOpticalLabel
        = createCollectingLabel(opticalTree, QObject::tr("Collecting Optical Devices data ..."));
    opticalRefreshLink = createRefreshLink(
        opticalTree, QObject::tr("No Optical Devices data is available. Try to"));
    hardwareNotInstalledLabel = new QLabel(QObject::tr("Hardware is not installed"), opticalTree);
    hardwareNotInstalledLabel->setProperty(statusLabelProperty, true);
    hardwareNotInstalledLabel->setGeometry(5, 5, 400, 20);
    hardwareNotInstalledLabel->setFont(appFont(false));
    hardwareNotInstalledLabel->hide();
    collectingMotherboardLabel
        = createCollectingLabel(motherboardTree, QObject::tr("Collecting Motherboard data ..."));
    motherboardRefreshLink = createRefreshLink(
        motherboardTree, QObject::tr("No Motherboard data is available. Try to"));
    collectingSoundLabel
        = createCollectingLabel(soundTree, QObject::tr("Collecting Sound Devices data ..."));
    soundRefreshLink
        = createRefreshLink(soundTree, QObject::tr("No Sound devices data is available. Try to"));
    collectingNetworkLabel
        = createCollectingLabel(networkTree, QObject::tr("Collecting Network data ..."));
    networkRefreshLink
        = createRefreshLink(networkTree, QObject::tr("No Network data is available. Try to"));
    collectingPeripheralLabel
        = createCollectingLabel(peripheralTree, QObject::tr("Collecting Peripheral data ..."));
    peripheralRefreshLink
        = createRefreshLink(peripheralTree, QObject::tr("No Peripheral data is available. Try to"));
}
