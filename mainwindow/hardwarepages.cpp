// The receiving end of the hardware detections: heading and property rows of the ten hardware
// pages and the TPM page, the Storage totals and the drive list of the SMART page.

#include "mainwindow/verdimonnuvo.h"

#include "widgets/switch.h"

#include <QComboBox>
#include <QHash>
#include <QIcon>
#include <QLabel>
#include <QTreeWidget>

namespace {

// One icon per page, shared by its rows: a QIcon made from a file name reads the picture's header
// each time, and a batch delivers hundreds of rows at once. Used on the GUI thread only, and never
// destroyed (rows may outlive the application object at exit).
QIcon icon(const char *name)
{
    static auto *icons = new QHash<QByteArray, QIcon>;
    auto it = icons->find(QByteArray(name));
    if (it == icons->end())
        it = icons->insert(QByteArray(name),
                           QIcon(QStringLiteral(":/Icon/%1.png").arg(QLatin1String(name))));
    return *it;
}

} // namespace

void VerdimonNuvo::addChildItem(QTreeWidgetItem *parent, const QIcon &icon,
                                const HardwareData &data)
{
    auto *child = new QTreeWidgetItem(parent);
    child->setIcon(0, icon);
    child->setText(0, data.label);
    child->setText(1, data.value);
}

QTreeWidgetItem *VerdimonNuvo::addHeadingItem(QTreeWidget *tree, const QIcon &icon,
                                              const HardwareData &data)
{
    auto *item = new QTreeWidgetItem(tree);
    item->setIcon(0, icon);
    item->setText(0, data.heading);
    // A heading has no value: it reads across the tree, not within the labels' share.
    item->setFirstColumnSpanned(true);
    // Expanded before its children arrive, an item stays expanded as they come.
    item->setExpanded(autoDataExpandSwitch->isChecked());
    addChildItem(item, icon, data);
    return item;
}

QTreeWidgetItem *VerdimonNuvo::addFlatItem(QTreeWidget *tree, const QIcon &icon,
                                           const QString &label, const QString &value)
{
    auto *item = new QTreeWidgetItem(tree);
    item->setIcon(0, icon);
    item->setText(0, label);
    item->setText(1, value);
    return item;
}

void VerdimonNuvo::expandAllItems(QTreeWidget *tree)
{
    const bool expand = autoDataExpandSwitch->isChecked();
    for (int index = 0; index < tree->topLevelItemCount(); ++index)
        tree->topLevelItem(index)->setExpanded(expand);
}

// Property rows go under the latest heading of their kind and are dropped while there is none
// (a reset forgets the headings with the trees).

void VerdimonNuvo::osWMIData(const HardwareData &data)
{
    collectingOSLabel->hide();
    addFlatItem(osTree, icon("os"), data.label, data.value);
}

void VerdimonNuvo::cpuWMIMainData(const HardwareData &data)
{
    collectingCPULabel->hide();
    cpuHeadingItem = addHeadingItem(cpuTree, icon("cpu"), data);
}

void VerdimonNuvo::cpuWMIData(const HardwareData &data)
{
    if (cpuHeadingItem)
        addChildItem(cpuHeadingItem, icon("cpu"), data);
}

void VerdimonNuvo::gpuMainData(const HardwareData &data)
{
    collectingGPULabel->hide();
    gpuHeadingItem = addHeadingItem(gpuTree, icon("gpu"), data);
}

void VerdimonNuvo::gpuWMIData(const HardwareData &data)
{
    if (gpuHeadingItem)
        addChildItem(gpuHeadingItem, icon("gpu"), data);
}

void VerdimonNuvo::ramWMITotalData(const HardwareData &data)
{
    collectingRAMLabel->hide();
    addFlatItem(ramTree, icon("ram"), data.secondaryLabel, data.secondaryValue);
}

void VerdimonNuvo::ramWMIMainData(const HardwareData &data)
{
    // The RAM label goes with the total rows, which always come first.
    ramHeadingItem = addHeadingItem(ramTree, icon("ram"), data);
}

void VerdimonNuvo::ramWMIData(const HardwareData &data)
{
    if (ramHeadingItem)
        addChildItem(ramHeadingItem, icon("ram"), data);
}

void VerdimonNuvo::storageWMITotalDrivesData(const QString &drivesCount)
{
    collectingStorageLabel->hide();
    drivesCountText = drivesCount;
    if (totalDrivesItem) {
        totalDrivesItem->setHidden(false);
        totalDrivesItem->setIcon(0, icon("storage"));
        totalDrivesItem->setText(1, drivesCount);
    }
    smartDriveCountLabel->setText(drivesCount);
}

void VerdimonNuvo::storageMainData(const HardwareData &data)
{
    // The Storage label goes with the drive count, sent after the drives.
    storageHeadingItem = addHeadingItem(storageTree, icon("storage"), data);
}

void VerdimonNuvo::storageWMIData(const HardwareData &data)
{
    if (storageHeadingItem)
        addChildItem(storageHeadingItem, icon("storage"), data);
}

void VerdimonNuvo::storageWMICollectingPartitionData()
{
    totalPartitionsItem = addFlatItem(storageTree, icon("partition"),
                                      QObject::tr("Total partitions"), QString::number(0));
}

void VerdimonNuvo::storageWMITotalPartitionsData(const QString &partitionsCount)
{
    if (!totalPartitionsItem)
        return;
    partitionsCountText = partitionsCount;
    totalPartitionsItem->setText(1, partitionsCount);
}

void VerdimonNuvo::setStorageMainPartitionData(const HardwareData &data)
{
    partitionHeadingItem = addHeadingItem(storageTree, icon("partition"), data);
}

void VerdimonNuvo::storageWMIPartitionData(const HardwareData &data)
{
    if (partitionHeadingItem)
        addChildItem(partitionHeadingItem, icon("partition"), data);
}

void VerdimonNuvo::setSmartDriveInfo(const SmartStorage &storage)
{
    smartDriveComboBox->addItem(icon("storage"), storage.caption, QVariant(storage.driveIndex));
}

void VerdimonNuvo::setOpticalDevicesMainData(const HardwareData &data)
{
    collectingOpticalLabel->hide();
    opticalHeadingItem = addHeadingItem(opticalTree, icon("optical_devices"), data);
}

void VerdimonNuvo::opticalDevicesWMIData(const HardwareData &data)
{
    if (opticalHeadingItem)
        addChildItem(opticalHeadingItem, icon("optical_devices"), data);
}

void VerdimonNuvo::motherboardWMIData(const HardwareData &data)
{
    collectingMotherboardLabel->hide();
    addFlatItem(motherboardTree, icon("motherboard_icon"), data.label, data.value);
}

void VerdimonNuvo::soundDevicesMainData(const HardwareData &data)
{
    collectingSoundLabel->hide();
    soundHeadingItem = addHeadingItem(soundTree, icon("sound_devices_icon"), data);
}

void VerdimonNuvo::soundDevicesWMIData(const HardwareData &data)
{
    if (soundHeadingItem)
        addChildItem(soundHeadingItem, icon("sound_devices_icon"), data);
}

void VerdimonNuvo::setNetworkMainData(const HardwareData &data)
{
    collectingNetworkLabel->hide();
    networkHeadingItem = addHeadingItem(networkTree, icon("network"), data);
}

void VerdimonNuvo::networkWMIData(const HardwareData &data)
{
    if (networkHeadingItem)
        addChildItem(networkHeadingItem, icon("network"), data);
}

void VerdimonNuvo::setPeripheralKeyboardMainData(const HardwareData &data)
{
    collectingPeripheralLabel->hide();
    keyboardHeadingItem = addHeadingItem(peripheralTree, icon("keyboard_mouse_icon"), data);
}

void VerdimonNuvo::peripheralKeyboardWMIData(const HardwareData &data)
{
    if (keyboardHeadingItem)
        addChildItem(keyboardHeadingItem, icon("keyboard_mouse_icon"), data);
}

void VerdimonNuvo::setPeripheralPrinterMainData(const HardwareData &data)
{
    // Printers leave the Peripheral label to the keyboards.
    printerHeadingItem = addHeadingItem(peripheralTree, icon("printer"), data);
}

void VerdimonNuvo::peripheralPrinterWMIData(const HardwareData &data)
{
    if (printerHeadingItem)
        addChildItem(printerHeadingItem, icon("printer"), data);
}

void VerdimonNuvo::setTPMData(const HardwareData &data)
{
    collectingTpmLabel->hide();
    noTpmLabel->hide();
    addFlatItem(tpmTree, icon("tpm_icon"), data.label, data.value);
}

void VerdimonNuvo::setNoTPMAvailable()
{
    collectingTpmLabel->hide();
    noTpmLabel->show();
}
