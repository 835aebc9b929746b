// Control over the detections as one batch: starting the sixteen in their fixed order, cancelling
// them, putting every page back into its collecting state, the no-data and no-drive states and
// the restart from a "refresh" link.

#include "mainwindow/verdimonnuvo.h"

#include "mainwindow/listrowbatcher.h"
#include "widgets/switch.h"

#include <QComboBox>
#include <QLabel>
#include <QTimer>
#include <QTreeWidget>

void VerdimonNuvo::beginDataCollection()
{
    // Data collected before (a later sign-in) is kept as it is.
    if (osTree->topLevelItemCount() > 0)
        return;
    resetAllPages();
    startAllDetections();
    if (shareHardwareInfoSwitch && shareHardwareInfoSwitch->isChecked())
        QTimer::singleShot(8000, Qt::CoarseTimer, this, &VerdimonNuvo::shareHardwareData);
}

void VerdimonNuvo::startAllDetections()
{
    startAppsDetection();
    startOSDetection();
    startCPUDetection();
    startGPUDetection();
    startRAMDetection();
    startStorageDetection();
    startOpticalDevicesDetection();
    startMotherboardDetection();
    startSoundDevicesDetection();
    startNetworkDetection();
    startPeripheralDetection();
    startServicesDetection();
    startProcessesDetection();
    startDriversDetection();
    startStartupDetection();
    startTpmDetection();
}

void VerdimonNuvo::cancelAllDetections()
{
    emit cancelOSDetection();
    emit cancelCPUDetection();
    emit cancelGPUDetection();
    emit cancelRAMDetection();
    emit cancelStorageDetection();
    emit cancelOpticalDevicesDetection();
    emit cancelMotherboardDetection();
    emit cancelBiosDetection();
    emit cancelSoundDevicesDetection();
    emit cancelNetworkDetection();
    emit cancelPeripheralKeyboardDetection();
    emit cancelPeripheralPrinterDetection();
    emit cancelServicesDetection();
    emit cancelProcessesDetection();
    emit cancelDriversDetection();
    emit cancelStartupDetection();
    emit cancelSmartDetection();
    emit cancelAppsDetection();
    emit cancelTpmDetection();
}

void VerdimonNuvo::resetAllPages()
{
    cancelAllDetections();
    // A new batch number: whatever the cancelled Workers still have on their way to the window
    // arrives with the old number and is dropped, so no page mixes two batches.
    ++detectionBatch;
    listRows()->discardAll();
    clearHeadingItems();

    mainTree->clear();
    initMainSummaryTree();

    osTree->clear();
    cpuTree->clear();
    gpuTree->clear();
    ramTree->clear();

    delete totalDrivesItem;
    totalDrivesItem = nullptr;
    storageTree->clear();
    totalDrivesItem = new QTreeWidgetItem(storageTree);
    totalDrivesItem->setText(0, QObject::tr("Total drives"));
    totalDrivesItem->setText(1, QString::number(0));
    totalDrivesItem->setHidden(true);

    for (QTreeWidget *tree : { opticalTree, motherboardTree, soundTree, networkTree, peripheralTree,
                               servicesTree, processesTree, appsTree, driversTree, startupTree })
        listRows()->clear(tree);

    smartDriveComboBox->clear();
    smartTree->clear();
    tpmTree->clear();

    for (QLabel *label : { collectingOSLabel, collectingCPULabel, collectingGPULabel,
                           collectingRAMLabel, collectingStorageLabel, collectingOpticalLabel,
                           collectingMotherboardLabel, collectingSoundLabel, collectingNetworkLabel,
                           collectingPeripheralLabel, collectingServicesLabel,
                           collectingProcessesLabel, collectingAppsLabel, collectingDriversLabel,
                           collectingStartupLabel, collectingSmartLabel, collectingTpmLabel })
        label->show();
}

void VerdimonNuvo::clearHeadingItems()
{
    // The items die with their trees; a property row that arrives before the next heading of
    // its kind must find no parent rather than a deleted one.
    cpuHeadingItem = nullptr;
    gpuHeadingItem = nullptr;
    ramHeadingItem = nullptr;
    storageHeadingItem = nullptr;
    partitionHeadingItem = nullptr;
    totalPartitionsItem = nullptr;
    opticalHeadingItem = nullptr;
    soundHeadingItem = nullptr;
    networkHeadingItem = nullptr;
    keyboardHeadingItem = nullptr;
    printerHeadingItem = nullptr;
}

void VerdimonNuvo::hideNoDataLabels()
{
    for (QLabel *link :
         { osRefreshLink, cpuRefreshLink, gpuRefreshLink, ramRefreshLink, storageRefreshLink,
           opticalRefreshLink, motherboardRefreshLink, soundRefreshLink, networkRefreshLink,
           peripheralRefreshLink, processesRefreshLink, servicesRefreshLink })
        link->hide();
}

void VerdimonNuvo::rootConErr()
{
    const std::pair<QLabel *, QLabel *> pages[] = {
        { collectingOSLabel, osRefreshLink },
        { collectingCPULabel, cpuRefreshLink },
        { collectingGPULabel, gpuRefreshLink },
        { collectingRAMLabel, ramRefreshLink },
        { collectingStorageLabel, storageRefreshLink },
        { collectingOpticalLabel, opticalRefreshLink },
        { collectingMotherboardLabel, motherboardRefreshLink },
        { collectingSoundLabel, soundRefreshLink },
        { collectingNetworkLabel, networkRefreshLink },
        { collectingPeripheralLabel, peripheralRefreshLink },
        { collectingServicesLabel, servicesRefreshLink },
        { collectingProcessesLabel, processesRefreshLink },
    };
    for (const auto &page : pages) {
        page.first->hide();
        page.second->show();
    }
}

void VerdimonNuvo::cdRomNotInstalled()
{
    collectingOpticalLabel->hide();
    hardwareNotInstalledLabel->show();
}

void VerdimonNuvo::refreshAllData()
{
    hideNoDataLabels();
    resetAllPages();
    startAllDetections();
}

ListRowBatcher *VerdimonNuvo::listRows()
{
    if (!listRowBatcher)
        listRowBatcher = new ListRowBatcher(this);
    return listRowBatcher;
}
