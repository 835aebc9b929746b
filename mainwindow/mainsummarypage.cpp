// The Main summary page: one row per category, built in the "Loading data..." state before each
// batch and filled by the category's detection when it ends, from the rows of its page.

#include "mainwindow/verdimonnuvo.h"

#include "mainwindow/listrowbatcher.h"

#include <QIcon>
#include <QLabel>
#include <QTreeWidget>

namespace {

enum SummaryRow {
    OSRow,
    CPURow,
    RAMRow,
    GPURow,
    StorageRow,
    SoundRow,
    MotherboardRow,
    TPMRow,
    OpticalRow,
    NetworkRow,
    PeripheralRow,
    ServicesRow,
    ProcessesRow,
    AppsRow,
    DriversRow,
    StartupRow,
    SummaryRowCount
};

struct SummaryCategory
{
    const char *label;
    const char *icon;
    const char *key;
};

const SummaryCategory categories[SummaryRowCount] = {
    { QT_TRANSLATE_NOOP("QObject", "OS:"), "os", "OS" },
    { QT_TRANSLATE_NOOP("QObject", "CPU:"), "cpu", "CPU" },
    { QT_TRANSLATE_NOOP("QObject", "RAM:"), "ram", "RAM" },
    { QT_TRANSLATE_NOOP("QObject", "GPU:"), "gpu", "GPU" },
    { QT_TRANSLATE_NOOP("QObject", "Storage:"), "storage", "Storage" },
    { QT_TRANSLATE_NOOP("QObject", "Sound devices:"), "sound_devices_icon", "Sound Devices" },
    { QT_TRANSLATE_NOOP("QObject", "Motherboard:"), "motherboard_icon", "Motherboard" },
    { nullptr, "tpm_icon", "TPM" },
    { QT_TRANSLATE_NOOP("QObject", "Optical Devices:"), "optical_devices", "Optical Devices" },
    { QT_TRANSLATE_NOOP("QObject", "Network:"), "network", "Network" },
    { QT_TRANSLATE_NOOP("QObject", "Peripheral:"), "peripheral", "Peripheral" },
    { QT_TRANSLATE_NOOP("QObject", "Services:"), "services_icon", "Services" },
    { QT_TRANSLATE_NOOP("QObject", "Processes:"), "default_processes_icon", "Processes" },
    { QT_TRANSLATE_NOOP("QObject", "Applications:"), "default_apps_icon", "Applications" },
    { QT_TRANSLATE_NOOP("QObject", "Drivers:"), "drivers_icon", "Drivers" },
    { QT_TRANSLATE_NOOP("QObject", "Startup:"), "default_startup_icon", "Startup" },
};

QString unknown()
{
    return QObject::tr("Unknown");
}

// Column 1 of a top-level row, or "Unknown" when the page has no such row.
QString rowValue(const QTreeWidget *tree, int row)
{
    const QTreeWidgetItem *item = tree->topLevelItem(row);
    return item ? item->text(1) : unknown();
}

QString childValue(const QTreeWidgetItem *item, int child)
{
    const QTreeWidgetItem *row = item->child(child);
    return row ? row->text(1) : unknown();
}

// A count with its noun in the grammatical number the language wants for it ("1 drive",
// "3 диска", "5 дисков"); a count the page does not know keeps the noun's general plural.
QString countLine(int count, const char *numerusText)
{
    return QObject::tr(numerusText, nullptr, count);
}

QString countLine(const QString &count, const char *numerusText)
{
    bool ok = false;
    const int number = count.toInt(&ok);
    if (ok)
        return countLine(number, numerusText);
    const QString many = QObject::tr(numerusText, nullptr, 5);
    const int at = many.indexOf(QLatin1Char('5'));
    return at < 0 ? many : QString(many).replace(at, 1, count);
}

void setSummary(QTreeWidgetItem *row, const QString &text)
{
    if (row)
        row->setText(1, text);
}

} // namespace

void VerdimonNuvo::initMainSummaryTree()
{
    for (int index = 0; index < SummaryRowCount; ++index) {
        const SummaryCategory &category = categories[index];
        auto *item = new QTreeWidgetItem(mainTree);
        mainSummaryRows[index] = item;
        item->setIcon(0, QIcon(QStringLiteral(":/Icon/%1.png").arg(QLatin1String(category.icon))));
        const QString label = category.label
            ? QObject::tr(category.label)
            : QStringLiteral("%1 (%2):")
                  .arg(QObject::tr("Trusted Platform Module"), QStringLiteral("TPM"));
        item->setText(0, label);
        item->setText(1, QObject::tr("Loading data..."));
        item->setData(0, Qt::UserRole, QVariant(QString::fromLatin1(category.key)));
    }
}

void VerdimonNuvo::setMainOSData()
{
    setSummary(mainSummaryRows[OSRow],
               QStringLiteral("%1 %2 %3")
                   .arg(rowValue(osTree, 0), QObject::tr("build"), rowValue(osTree, 1)));
}

void VerdimonNuvo::setMainCPUData()
{
    showNoDataWhenEmpty(cpuTree, collectingCPULabel, cpuRefreshLink);
    // The detection has ended: a page without a processor must not keep "Loading data...".
    const QTreeWidgetItem *processor = cpuTree->topLevelItem(0);
    if (!processor) {
        setSummary(mainSummaryRows[CPURow], unknown());
        return;
    }
    setSummary(
        mainSummaryRows[CPURow],
        QStringLiteral("%1 (%2, %3, %4)")
            .arg(processor->text(0),
                 countLine(childValue(processor, 1),
                           QT_TRANSLATE_N_NOOP("QObject", "%n logical processors")),
                 countLine(childValue(processor, 11), QT_TRANSLATE_N_NOOP("QObject", "%n cores")),
                 countLine(childValue(processor, 12),
                           QT_TRANSLATE_N_NOOP("QObject", "%n threads"))));
}

void VerdimonNuvo::setMainRAMData()
{
    // The total rows lead the page and have no children; "Slots" is left out when the slot
    // count is unknown, so the rows are told apart by how many there are, not by position.
    int totalRows = 0;
    while (totalRows < 2 && totalRows < ramTree->topLevelItemCount()
           && ramTree->topLevelItem(totalRows)->childCount() == 0)
        ++totalRows;
    const QString capacity = totalRows > 0 ? rowValue(ramTree, totalRows - 1) : unknown();
    const QString slotCount = totalRows == 2 ? rowValue(ramTree, 0) : unknown();
    setSummary(mainSummaryRows[RAMRow],
               QStringLiteral("%1, %2").arg(
                   capacity, countLine(slotCount, QT_TRANSLATE_N_NOOP("QObject", "%n slots"))));
}

void VerdimonNuvo::setMainGPUData()
{
    showNoDataWhenEmpty(gpuTree, collectingGPULabel, gpuRefreshLink);
    const QTreeWidgetItem *adapter = gpuTree->topLevelItem(0);
    if (!adapter) {
        setSummary(mainSummaryRows[GPURow], unknown());
        return;
    }
    setSummary(mainSummaryRows[GPURow],
               QStringLiteral("%1, %2").arg(adapter->text(0), childValue(adapter, 1)));
}

void VerdimonNuvo::setMainStorageData()
{
    setSummary(
        mainSummaryRows[StorageRow],
        QStringLiteral("%1, %2").arg(
            countLine(drivesCountText, QT_TRANSLATE_N_NOOP("QObject", "%n drives")),
            countLine(partitionsCountText, QT_TRANSLATE_N_NOOP("QObject", "%n partitions"))));
}

void VerdimonNuvo::setMainSoundDevicesData()
{
    showNoDataWhenEmpty(soundTree, collectingSoundLabel, soundRefreshLink);
    setSummary(
        mainSummaryRows[SoundRow],
        countLine(soundTree->topLevelItemCount(), QT_TRANSLATE_N_NOOP("QObject", "%n devices")));
}

void VerdimonNuvo::setMainMotherboardData()
{
    showNoDataWhenEmpty(motherboardTree, collectingMotherboardLabel, motherboardRefreshLink);
    if (motherboardTree->topLevelItemCount() == 0) {
        setSummary(mainSummaryRows[MotherboardRow], unknown());
        return;
    }
    setSummary(mainSummaryRows[MotherboardRow],
               QStringLiteral("%1 %2 (%3 %4)")
                   .arg(rowValue(motherboardTree, 0), rowValue(motherboardTree, 1),
                        QObject::tr("BIOS version:"), rowValue(motherboardTree, 11)));
}

void VerdimonNuvo::setMainTpmData()
{
    const bool installed = tpmTree->topLevelItemCount() > 0 && !noTpmLabel->isVisible();
    setSummary(mainSummaryRows[TPMRow],
               installed ? rowValue(tpmTree, 1) : QObject::tr("Not installed"));
}

void VerdimonNuvo::setMainOpticalDevicesData()
{
    // As the page shows it: the no-drive label counts while the Optical page is on screen.
    setSummary(mainSummaryRows[OpticalRow],
               hardwareNotInstalledLabel->isVisible()
                   ? unknown()
                   : countLine(opticalTree->topLevelItemCount(),
                               QT_TRANSLATE_N_NOOP("QObject", "%n devices")));
}

void VerdimonNuvo::setMainNetworkData()
{
    showNoDataWhenEmpty(networkTree, collectingNetworkLabel, networkRefreshLink);
    setSummary(
        mainSummaryRows[NetworkRow],
        countLine(networkTree->topLevelItemCount(), QT_TRANSLATE_N_NOOP("QObject", "%n adapters")));
}

void VerdimonNuvo::setMainPeripheralData()
{
    showNoDataWhenEmpty(peripheralTree, collectingPeripheralLabel, peripheralRefreshLink);
    setSummary(
        mainSummaryRows[PeripheralRow],
        countLine(peripheralTree->topLevelItemCount(), QT_TRANSLATE_N_NOOP("QObject", "%n items")));
}

void VerdimonNuvo::setMainServicesData()
{
    setSummary(mainSummaryRows[ServicesRow],
               countLine(listRows()->rowCount(servicesTree),
                         QT_TRANSLATE_N_NOOP("QObject", "%n services")));
}

void VerdimonNuvo::setMainProcessesData()
{
    setSummary(mainSummaryRows[ProcessesRow],
               countLine(listRows()->rowCount(processesTree),
                         QT_TRANSLATE_N_NOOP("QObject", "%n processes")));
}

void VerdimonNuvo::setMainAppsData()
{
    setSummary(mainSummaryRows[AppsRow],
               countLine(listRows()->rowCount(appsTree),
                         QT_TRANSLATE_N_NOOP("QObject", "%n applications")));
}

void VerdimonNuvo::setMainDriversData()
{
    setSummary(
        mainSummaryRows[DriversRow],
        countLine(listRows()->rowCount(driversTree), QT_TRANSLATE_N_NOOP("QObject", "%n drivers")));
}

void VerdimonNuvo::setMainStartupData()
{
    setSummary(mainSummaryRows[StartupRow],
               countLine(startupCountLabel->text(), QT_TRANSLATE_N_NOOP("QObject", "%n items")));
}

void VerdimonNuvo::showNoDataWhenEmpty(QTreeWidget *tree, QLabel *collectingLabel,
                                       QLabel *refreshLink)
{
    // The detection has ended: a machine without such a device must not read "Collecting".
    if (tree->topLevelItemCount() > 0)
        return;
    collectingLabel->hide();
    refreshLink->show();
}
