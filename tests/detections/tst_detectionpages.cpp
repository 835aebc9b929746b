// The window's detection slots one by one: rows, icons, labels, resets and lost connections.
// (The class carries the name the window grants access to; it is its own executable.)

#include "detectiontesting.h"

#include "mainwindow/detectionstats.h"
#include "mainwindow/listrowbatcher.h"
#include "widgets/switch.h"

#include <QComboBox>
#include <QLabel>
#include <QTreeWidget>
#include <QtTest>

#include <vector>

using namespace DetectionTesting;

namespace {

using VN = VerdimonNuvo;
using RecordSlot = void (VN::*)(const HardwareData &);
using TreeMember = QTreeWidget *VN::*;
using LabelMember = QLabel *VN::*;

// One kind of device heading and the property rows that belong under it.
struct HeadingKind
{
    const char *name;
    RecordSlot heading;
    RecordSlot property;
    TreeMember tree;
    LabelMember collectingLabel;
    const char *icon;
    bool hidesLabel;
};

// Pages whose records are rows of their own.
struct FlatKind
{
    const char *name;
    RecordSlot slot;
    TreeMember tree;
    LabelMember collectingLabel;
    const char *icon;
    bool secondary; // the RAM total rows show the secondary label and value
};

} // namespace

class TstDetections : public QObject, private DetectionFixture
{
    Q_OBJECT

    static inline const std::vector<HeadingKind> headingKinds = {
        { "CPU", &VN::cpuWMIMainData, &VN::cpuWMIData, &VN::cpuTree, &VN::collectingCPULabel, "cpu",
          true },
        { "GPU", &VN::gpuMainData, &VN::gpuWMIData, &VN::gpuTree, &VN::collectingGPULabel, "gpu",
          true },
        { "RAM module", &VN::ramWMIMainData, &VN::ramWMIData, &VN::ramTree, &VN::collectingRAMLabel,
          "ram", false },
        { "Storage drive", &VN::storageMainData, &VN::storageWMIData, &VN::storageTree,
          &VN::collectingStorageLabel, "storage", false },
        { "Partition", &VN::setStorageMainPartitionData, &VN::storageWMIPartitionData,
          &VN::storageTree, &VN::collectingStorageLabel, "partition", false },
        { "Optical drive", &VN::setOpticalDevicesMainData, &VN::opticalDevicesWMIData,
          &VN::opticalTree, &VN::collectingOpticalLabel, "optical_devices", true },
        { "Sound device", &VN::soundDevicesMainData, &VN::soundDevicesWMIData, &VN::soundTree,
          &VN::collectingSoundLabel, "sound_devices_icon", true },
        { "Network adapter", &VN::setNetworkMainData, &VN::networkWMIData, &VN::networkTree,
          &VN::collectingNetworkLabel, "network", true },
        { "Keyboard", &VN::setPeripheralKeyboardMainData, &VN::peripheralKeyboardWMIData,
          &VN::peripheralTree, &VN::collectingPeripheralLabel, "keyboard_mouse_icon", true },
        { "Printer", &VN::setPeripheralPrinterMainData, &VN::peripheralPrinterWMIData,
          &VN::peripheralTree, &VN::collectingPeripheralLabel, "printer", false },
    };

    static inline const std::vector<FlatKind> flatKinds = {
        { "OS", &VN::osWMIData, &VN::osTree, &VN::collectingOSLabel, "os", false },
        { "Motherboard", &VN::motherboardWMIData, &VN::motherboardTree,
          &VN::collectingMotherboardLabel, "motherboard_icon", false },
        { "TPM", &VN::setTPMData, &VN::tpmTree, &VN::collectingTpmLabel, "tpm_icon", false },
        { "RAM total", &VN::ramWMITotalData, &VN::ramTree, &VN::collectingRAMLabel, "ram", true },
    };

    static QStringList columnTexts(const QTreeWidgetItem *item)
    {
        QStringList texts;
        for (int col = 0; col < item->columnCount(); ++col)
            texts << item->text(col);
        return texts;
    }

    template<typename Kinds> static void kindRows(const Kinds &kinds)
    {
        QTest::addColumn<int>("kind");
        for (int index = 0; index < int(kinds.size()); ++index)
            QTest::newRow(kinds.at(index).name) << index;
    }

    QList<QLabel *> wmiCollectingLabels() const
    {
        return { window->collectingOSLabel,          window->collectingCPULabel,
                 window->collectingGPULabel,         window->collectingRAMLabel,
                 window->collectingStorageLabel,     window->collectingOpticalLabel,
                 window->collectingMotherboardLabel, window->collectingSoundLabel,
                 window->collectingNetworkLabel,     window->collectingPeripheralLabel,
                 window->collectingServicesLabel,    window->collectingProcessesLabel };
    }

private slots:
    void initTestCase() { answerBoxes(); }
    void init() { openWindow(); }
    void cleanup() { closeWindow(); }

    void headingRecords_data() { kindRows(headingKinds); }

    // Properties go under their kind's latest heading; four kinds leave the collecting label.
    void headingRecords()
    {
        QFETCH(int, kind);
        const HeadingKind &page = headingKinds.at(kind);
        VerdimonNuvo *w = window.get();
        QTreeWidget *tree = w->*page.tree;
        QLabel *label = w->*page.collectingLabel;
        const int before = tree->topLevelItemCount();

        (w->*page.heading)(record("Device A", "Name", "Device A"));
        QCOMPARE(label->isHidden(), page.hidesLabel);
        (w->*page.heading)(record("Device B", "Name", "Device B"));
        (w->*page.property)(record(QString(), "Status", "OK"));

        QCOMPARE(tree->topLevelItemCount(), before + 2);
        const QTreeWidgetItem *first = tree->topLevelItem(before);
        const QTreeWidgetItem *second = tree->topLevelItem(before + 1);
        QCOMPARE(columnTexts(first), QStringList { "Device A" });
        QVERIFY(sameIcon(first->icon(0), page.icon));
        QCOMPARE(first->childCount(), 1);
        QCOMPARE(second->childCount(), 2);
        QCOMPARE(columnTexts(second->child(0)), QStringList({ "Name", "Device B" }));
        QCOMPARE(columnTexts(second->child(1)), QStringList({ "Status", "OK" }));
        QVERIFY(sameIcon(second->child(1)->icon(0), page.icon));
        QVERIFY(!first->isExpanded());

        // Read from the switch at the moment the heading arrives.
        w->autoDataExpandSwitch->setChecked(true);
        (w->*page.heading)(record("Device C", "Name", "Device C"));
        QVERIFY(tree->topLevelItem(before + 2)->isExpanded());
        QVERIFY(!first->isExpanded());
        // Expanding all follows the switch as it is then.
        w->autoDataExpandSwitch->setChecked(false);
        w->expandAllItems(tree);
        QVERIFY(!tree->topLevelItem(before + 2)->isExpanded());
        w->autoDataExpandSwitch->setChecked(true);
        w->expandAllItems(tree);
        QVERIFY(first->isExpanded());
    }

    void flatRecords_data() { kindRows(flatKinds); }

    void flatRecords()
    {
        QFETCH(int, kind);
        const FlatKind &page = flatKinds.at(kind);
        VerdimonNuvo *w = window.get();
        w->autoDataExpandSwitch->setChecked(true);
        (w->*page.slot)({ "Heading", "Second label", "Second value", "Label", "Value" });

        QVERIFY((w->*page.collectingLabel)->isHidden());
        QTreeWidget *tree = w->*page.tree;
        QCOMPARE(tree->topLevelItemCount(), 1);
        const QTreeWidgetItem *item = tree->topLevelItem(0);
        QCOMPARE(columnTexts(item),
                 page.secondary ? QStringList({ "Second label", "Second value" })
                                : QStringList({ "Label", "Value" }));
        QCOMPARE(item->childCount(), 0);
        QVERIFY(sameIcon(item->icon(0), page.icon));
    }

    void peripheralPrintersWithoutKeyboard()
    {
        window->setPeripheralPrinterMainData(record("Printer A", "Name", "A"));
        // A keyboard property with no keyboard heading is dropped, not put under the printer.
        window->peripheralKeyboardWMIData(record(QString(), "Layout", "US"));
        QCOMPARE(window->peripheralTree->topLevelItem(0)->childCount(), 1);
    }

    void storageTotals()
    {
        QTreeWidgetItem *totalDrives = window->totalDrivesItem; // hidden until a count comes
        QCOMPARE(window->smartDriveCountLabel->text(), "Collecting data...");

        window->storageMainData(record("Disk A", "Name", "Disk A"));
        QVERIFY(!window->collectingStorageLabel->isHidden());
        window->storageWMITotalDrivesData("3");
        QVERIFY(window->collectingStorageLabel->isHidden());
        QVERIFY(!totalDrives->isHidden());
        QCOMPARE(columnTexts(totalDrives), QStringList({ "Total drives", "3" }));
        QVERIFY(sameIcon(totalDrives->icon(0), "storage"));
        QCOMPARE(window->smartDriveCountLabel->text(), "3");

        window->storageWMICollectingPartitionData();
        QTreeWidgetItem *totalPartitions = window->storageTree->topLevelItem(2);
        QCOMPARE(columnTexts(totalPartitions), QStringList({ "Total partitions", "0" }));
        QVERIFY(sameIcon(totalPartitions->icon(0), "partition"));
        window->storageWMITotalPartitionsData("5");
        QCOMPARE(totalPartitions->text(1), "5");
        window->setMainStorageData();
        QCOMPARE(window->mainTree->topLevelItem(4)->text(1), "3 drives, 5 partitions");

        SmartStorage drive;
        drive.caption = "Disk A";
        drive.driveIndex = "2";
        window->setSmartDriveInfo(drive);
        QCOMPARE(window->smartDriveComboBox->itemText(0), "Disk A");
        const QVariant index = window->smartDriveComboBox->itemData(0, Qt::UserRole);
        QCOMPARE(index.userType(), int(QMetaType::QString));
        QCOMPARE(index.toString(), "2");
        QVERIFY(sameIcon(window->smartDriveComboBox->itemIcon(0), "storage"));
    }

    void listRecordColumns_data()
    {
        QTest::addColumn<bool>("named");
        QTest::newRow("named") << true;
        QTest::newRow("without a name") << false;
    }

    // Every record text lands in its own column, in the order of the headers; a record without a
    // name is dropped and leaves its list collecting.
    void listRecordColumns()
    {
        QFETCH(bool, named);
        const QString name = named ? "c0" : QString();
        window->servicesData(
            { QIcon(), name, "c1", "c2", "c3", "c4", "c5", "c6", "c7", "c8", "c9", "c10" });
        window->processesData(
            { QIcon(), name, "c1", "c2", "c3", "c4", "c5", "c6", "c7", "Unknown", "c9" });
        window->setAppsData({ QIcon(), name, "c1", "c2", "c3", "c4", "key", "subkey" });
        window->setDriverInfo({ QIcon(), name, "c1", "c2", "c3", "c4", "c5", "c6" });
        window->setStartupInfo({ QIcon(), name, "c1", "c2", "/etc/xdg/autostart", {} });
        // The count line counts the rows still on their way.
        window->setMainProcessesData();
        QCOMPARE(window->mainTree->topLevelItem(12)->text(1),
                 QStringLiteral("%1 processes").arg(int(named)));
        window->setStartupDataReady();
        QCOMPARE(window->startupCountLabel->text(), QString::number(int(named)));
        QCOMPARE(window->noStartupDataLabel->isHidden(), named);
        const std::tuple<QTreeWidget *, QLabel *, QStringList> lists[] = {
            { window->servicesTree,
              window->collectingServicesLabel,
              { "c0", "c1", "c2", "c3", "c4", "c5", "c6", "c7", "c8", "c9", "c10" } },
            { window->processesTree,
              window->collectingProcessesLabel,
              { "c0", "c1", "c2 KB", "c3", "c4 KB", "c5", "c6", "c7", "Unknown", "c9" } },
            { window->appsTree, window->collectingAppsLabel, { "c0", "c1", "c2", "c3", "c4" } },
            { window->driversTree,
              window->collectingDriversLabel,
              { "c0", "c1", "c2", "c3", "c4", "c5", "c6" } },
            { window->startupTree, window->collectingStartupLabel, { "c0", "c1", "c2" } },
        };
        for (const auto &[tree, collecting, expected] : lists) {
            window->listRows()->flush(tree);
            QCOMPARE(tree->columnCount(), expected.size());
            QCOMPARE(collecting->isHidden(), named);
            QCOMPARE(tree->topLevelItemCount(), int(named));
            if (named)
                QCOMPARE(columnTexts(tree->topLevelItem(0)), expected);
        }
        if (named) {
            QCOMPARE(window->appsTree->topLevelItem(0)->data(0, Qt::UserRole).toString(), "key");
            QCOMPARE(window->appsTree->topLevelItem(0)->data(1, Qt::UserRole).toString(), "subkey");
            QCOMPARE(window->startupTree->topLevelItem(0)->data(0, Qt::UserRole).toString(),
                     "/etc/xdg/autostart");
        }
    }

    // A lost WMI connection, as often as it comes, leaves the rows and the five other pages alone.
    void noDataStates()
    {
        window->cpuWMIMainData(record("CPU A", "Name", "CPU A"));
        window->setAppsData({ QIcon(), "App", "1", "Dev", "/opt", "rm", "key", "sub" });
        for (int run = 0; run < 3; ++run) {
            window->rootConErr();
            for (QLabel *label : wmiCollectingLabels())
                QVERIFY(label->isHidden());
            for (QLabel *link : refreshLinks(window.get()))
                QVERIFY(!link->isHidden());
        }
        QCOMPARE(window->cpuTree->topLevelItemCount(), 1);
        for (QLabel *label : { window->collectingDriversLabel, window->collectingStartupLabel,
                               window->collectingSmartLabel, window->collectingTpmLabel })
            QVERIFY(!label->isHidden());
        QVERIFY(window->collectingAppsLabel->isHidden());

        // A reset leaves the no-data labels to the callers that need them hidden.
        window->cdRomNotInstalled();
        window->setAppDataReady(0);
        window->setNoTPMAvailable();
        window->setStartupDataReady();
        window->resetAllPages();
        for (QLabel *link : refreshLinks(window.get()))
            QVERIFY(!link->isHidden());
        for (QLabel *label : wmiCollectingLabels())
            QVERIFY(!label->isHidden());
        for (QLabel *label : { window->hardwareNotInstalledLabel, window->noAppsLabel,
                               window->noTpmLabel, window->noStartupDataLabel })
            QVERIFY(!label->isHidden());
        QCOMPARE(window->installedAppsCountLabel->text(), "0");
        QCOMPARE(window->startupCountLabel->text(), "0");
        // A TPM row after all hides both TPM labels.
        window->setTPMData(record(QString(), "Is activated", "True"));
        QVERIFY(window->collectingTpmLabel->isHidden());
        QVERIFY(window->noTpmLabel->isHidden());
        window->hideNoDataLabels();
        for (QLabel *link : refreshLinks(window.get()))
            QVERIFY(link->isHidden());
    }

    // On this machine, refreshes in quick succession end with the pages of exactly one batch.
    void liveRefreshesKeepOneBatch()
    {
        usePlatform.reset();
        useFake.reset();
        window = std::make_unique<VerdimonNuvo>(VerdimonNuvo::StartupActions::Skip);
        const auto pageSizes = [this] {
            QList<int> sizes; // every page but the live process list
            for (QTreeWidget *tree : window->findChildren<QTreeWidget *>())
                sizes << (tree == window->processesTree ? 0 : tree->topLevelItemCount());
            return sizes;
        };
        window->beginDataCollection();
        QVERIFY(waitForDetections(90000));
        QTRY_COMPARE(window->listRows()->pendingCount(), 0);
        const QList<int> single = pageSizes();
        const QString osLine = window->mainTree->topLevelItem(0)->text(1);
        QVERIFY(!osLine.startsWith("Unknown"));
        QVERIFY(window->storageTree->topLevelItemCount() > 1); // more than its total row

        for (int round = 0; round < 8; ++round) {
            window->refreshAllData();
            QTest::qWait(round * 3);
        }
        QVERIFY(waitForDetections(90000));
        QTRY_COMPARE(window->listRows()->pendingCount(), 0);
        QCOMPARE(pageSizes(), single);
        QCOMPARE(window->mainTree->topLevelItem(0)->text(1), osLine);
        for (int row = 0; row < 16; ++row)
            QVERIFY(window->mainTree->topLevelItem(row)->text(1) != "Loading data...");
        QCOMPARE(DetectionStats::liveWorkers(), 0);
        QVERIFY2(boxes.isEmpty(), qPrintable(boxes.join("; ")));
    }

    // Each of the twelve "refresh" links hides all twelve and starts a new batch.
    void everyRefreshLinkRestarts()
    {
        fillMachine(*fake, *fakes);
        const char *pages[] = { "OS",          "CPU",           "GPU",
                                "RAM",         "Storage",       "Optical Devices",
                                "Motherboard", "Sound Devices", "Network",
                                "Peripheral",  "Services",      "Processes" };
        for (int index = 0; index < 12; ++index) {
            const QString page = QString::fromLatin1(pages[index]);
            QCOMPARE(wmiCollectingLabels().at(index)->text(),
                     QStringLiteral("Collecting %1 data ...").arg(page));
            // The one sentence that spells its page in lower case.
            const QString sentence
                = QStringLiteral("No %1 data is available. Try to <a style=\"text-decoration: "
                                 "none;\" href=\"#\">refresh</a>")
                      .arg(index == 7 ? "Sound devices" : page);
            window->rootConErr();
            QLabel *activated = nullptr;
            for (QLabel *candidate : refreshLinks(window.get()))
                activated = candidate->text() == sentence ? candidate : activated;
            QVERIFY2(activated, qPrintable(sentence));
            emit activated->linkActivated("#");
            for (QLabel *other : refreshLinks(window.get()))
                QVERIFY(other->isHidden());
            QVERIFY(DetectionStats::liveThreads() > 0);
            QVERIFY(waitForDetections(20000));
        }
        QTRY_COMPARE(window->listRows()->pendingCount(), 0);
        QCOMPARE(window->cpuTree->topLevelItemCount(), 2);
        QCOMPARE(window->mainTree->topLevelItem(1)->text(1),
                 "Test CPU 0 (8 logical processors, 4 cores, 8 threads)");
    }
};

QTEST_MAIN(TstDetections)
#include "tst_detectionpages.moc"
