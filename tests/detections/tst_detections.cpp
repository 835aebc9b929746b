// Whole batches on a fake machine: pages, summary, failure boxes, threads, batches kept apart.

#include "detectiontesting.h"

#include "app/applog.h"
#include "mainwindow/detectionstats.h"
#include "mainwindow/listrowbatcher.h"
#include "widgets/apptabcontrol.h"

#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QTabBar>
#include <QTextBrowser>
#include <QTranslator>
#include <QTreeWidget>
#include <QtTest>

using namespace DetectionTesting;

class TstDetections : public QObject, private DetectionFixture
{
    Q_OBJECT

    static QStringList column(const QTreeWidget *tree, int col)
    {
        QStringList texts;
        for (int row = 0; row < tree->topLevelItemCount(); ++row)
            texts << tree->topLevelItem(row)->text(col);
        return texts;
    }

    QString summary(int row) const { return window->mainTree->topLevelItem(row)->text(1); }

    // Runs one batch as the sign-in step would and waits until every row is in its tree.
    void runBatch()
    {
        window->beginDataCollection();
        finishBatch();
    }

    void finishBatch()
    {
        QVERIFY(waitForDetections(20000));
        QTRY_COMPARE(window->listRows()->pendingCount(), 0);
    }

    QStringList logLinesSince(int firstLine) const
    {
        const QStringList lines = logView()->toPlainText().split(QLatin1Char('\n'));
        QStringList messages;
        for (int index = firstLine; index < lines.size(); ++index)
            messages << lines.at(index).section(": ", 1);
        return messages;
    }

private slots:
    void initTestCase()
    {
        answerBoxes();
        // Counts take their English singular from the English catalogue, as in the program.
        QVERIFY(m_english.load(QStringLiteral(":Localization/VerdimonNuvo_en.qm")));
        QCoreApplication::installTranslator(&m_english);
    }
    void init() { openWindow(); }
    void cleanup() { closeWindow(); }

    void batchFillsEveryPageInOrder()
    {
        fillMachine(*fake, *fakes);
        runBatch();

        QCOMPARE(window->osTree->topLevelItem(0)->text(1), "Debian GNU/Linux 12 (bookworm)");

        QCOMPARE(column(window->cpuTree, 0), QStringList({ "Test CPU 0", "Test CPU 1" }));

        QCOMPARE(column(window->gpuTree, 0), QStringList("Test Adapter"));

        QCOMPARE(column(window->ramTree, 0).mid(0, 2), QStringList({ "Slots", "Total capacity" }));
        QCOMPARE(window->ramTree->topLevelItemCount(), 3);

        QCOMPARE(
            column(window->storageTree, 0),
            QStringList({ "Total drives", "Disk A", "Total partitions", "Disk #0, Partition #0" }));
        QCOMPARE(column(window->storageTree, 1), QStringList({ "1", "", "1", "" }));
        QCOMPARE(window->smartDriveComboBox->count(), 1);

        // No optical drive: the page says so instead of collecting.
        QCOMPARE(window->opticalTree->topLevelItemCount(), 0);
        QVERIFY(!window->hardwareNotInstalledLabel->isHidden());
        QCOMPARE(window->hardwareNotInstalledLabel->text(), "Hardware is not installed");

        QCOMPARE(column(window->soundTree, 0), QStringList("Sound A"));
        QCOMPARE(column(window->networkTree, 0), QStringList({ "Adapter A", "Adapter B" }));
        QCOMPARE(column(window->peripheralTree, 0), QStringList({ "Keyboard A", "Printer A" }));

        QCOMPARE(column(window->servicesTree, 0),
                 QStringList({ "service0000", "service0001", "service0002" }));
        QCOMPARE(column(window->processesTree, 0),
                 QStringList({ "process00000", "process00001", "process00002" }));
        QCOMPARE(window->appsTree->topLevelItemCount(), 2);
        QCOMPARE(window->appsTree->topLevelItem(0)->text(4), "remove app0");
        QCOMPARE(window->installedAppsCountLabel->text(), "2");
        QVERIFY(window->noAppsLabel->isHidden());
        QCOMPARE(window->driversTree->topLevelItemCount(), 2);
        QCOMPARE(column(window->startupTree, 0), QStringList("Tool"));
        QCOMPARE(window->startupCountLabel->text(), "1");
        QVERIFY(window->noStartupDataLabel->isHidden());
        for (QLabel *label : { window->collectingOSLabel, window->collectingRAMLabel,
                               window->collectingOpticalLabel, window->collectingTpmLabel,
                               window->collectingServicesLabel, window->collectingProcessesLabel,
                               window->collectingAppsLabel, window->collectingDriversLabel,
                               window->collectingStartupLabel })
            QVERIFY2(label->isHidden(), qPrintable(label->text()));
        QVERIFY(boxes.isEmpty());

        // The Main summary, and the tab or Settings page a double click on a row opens.
        const struct
        {
            const char *key, *label, *icon;
            bool ownTab;
            const char *line;
        } rows[] = {
            { "OS", "OS:", "os", true, "Debian GNU/Linux 12 (bookworm) build 6.1.0-18" },
            { "CPU", "CPU:", "cpu", true, "Test CPU 0 (8 logical processors, 4 cores, 8 threads)" },
            { "RAM", "RAM:", "ram", true, "" },
            { "GPU", "GPU:", "gpu", true, "" },
            { "Storage", "Storage:", "storage", true, "1 drive, 1 partition" },
            { "Sound Devices", "Sound devices:", "sound_devices_icon", true, "1 device" },
            { "Motherboard", "Motherboard:", "motherboard_icon", true,
              "Board Maker Board X (BIOS version: 1.23)" },
            { "TPM", "Trusted Platform Module (TPM):", "tpm_icon", false, "2.0, 0, 1.38" },
            // The Optical page is not on screen, so its no-drive label does not count.
            { "Optical Devices", "Optical Devices:", "optical_devices", true, "0 devices" },
            { "Network", "Network:", "network", true, "2 adapters" },
            { "Peripheral", "Peripheral:", "peripheral", true, "2 items" },
            { "Services", "Services:", "services_icon", false, "3 services" },
            { "Processes", "Processes:", "default_processes_icon", false, "3 processes" },
            { "Applications", "Applications:", "default_apps_icon", false, "2 applications" },
            { "Drivers", "Drivers:", "drivers_icon", false, "2 drivers" },
            { "Startup", "Startup:", "default_startup_icon", false, "1 item" },
        };
        QCOMPARE(window->mainTree->topLevelItemCount(), 16);
        const QString ram = window->ramTree->topLevelItem(1)->text(1);
        QVERIFY(!ram.isEmpty());
        const QString gpuMemory = window->gpuTree->topLevelItem(0)->child(1)->text(1);
        QTabBar *bar = window->tabControl->tabBar();
        for (int row = 0; row < 16; ++row) {
            QTreeWidgetItem *item = window->mainTree->topLevelItem(row);
            const QString key = QString::fromUtf8(rows[row].key);
            QCOMPARE(item->text(0), QString::fromUtf8(rows[row].label));
            QCOMPARE(item->data(0, Qt::UserRole).toString(), key);
            QVERIFY(sameIcon(item->icon(0), rows[row].icon));
            QString line = QString::fromUtf8(rows[row].line);
            if (row == 2)
                line = ram + QStringLiteral(", 2 slots");
            else if (row == 3)
                line = QStringLiteral("Test Adapter, ") + gpuMemory;
            QCOMPARE(item->text(1), line);

            emit window->mainTree->itemDoubleClicked(item, row % 2);
            const QString tabKey = bar->tabData(bar->currentIndex()).toString();
            QCOMPARE(tabKey, rows[row].ownTab ? key : "Settings");
            if (!rows[row].ownTab)
                QCOMPARE(window->settingsMenuView->currentItem()->data(Qt::UserRole).toString(),
                         key);
        }
    }

    void logLinesFollowTheBatchOrder()
    {
        fillMachine(*fake, *fakes);
        const QString before = logView()->toPlainText();
        const int first = before.isEmpty() ? 0 : before.count(QLatin1Char('\n')) + 1;
        window->resetAllPages();
        window->startAllDetections();
        const QStringList launched = logLinesSince(first);
        QCOMPARE(launched,
                 QStringList({ "launching the program", "gets OS information",
                               "gets CPU information", "gets GPU information",
                               "gets RAM information", "gets Storage information",
                               "gets Optical Devices information", "gets Motherboard information",
                               "gets Sound Devices information", "gets Network information",
                               "gets Peripheral information", "gets Services information",
                               "gets Processes information", "gets Drivers information",
                               "gets Startup information", "gets TPM information" }));
        finishBatch();
        QCOMPARE(logLinesSince(first).count("gets Programs information"), 1);
        const QString firstLine = logView()->toPlainText().split(QLatin1Char('\n')).at(first);
        QVERIFY2(QRegularExpression("^\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d: ")
                     .match(firstLine)
                     .hasMatch(),
                 qPrintable(firstLine));
    }

    void wmiFailures_data()
    {
        QTest::addColumn<int>("step");
        QTest::addColumn<QString>("detail");
        QTest::addColumn<int>("boxCount");
        QTest::addColumn<QString>("boxText");
        QTest::addColumn<bool>("noDataState");
        // Thirteen WMI detections, each its own box; the lists without WMI still fill.
        QTest::newRow("COM") << int(wmi::Step::CoInitialize) << QString() << 13
                             << "Error|Failed to initialize COM library. Error code: 0x80004005"
                             << false;
        QTest::newRow("locator") << int(wmi::Step::CreateLocator) << QString() << 13
                                 << "Error|Failed to create IWbemLocator object. Error code: "
                                    "0x80004005"
                                 << false;
        QTest::newRow("blanket") << int(wmi::Step::ProxyBlanket) << QString() << 13
                                 << "Error|Could not set proxy blanket. Error code: 0x80004005"
                                 << false;
        // OS and TPM report a failed connection with a box, the others with the no-data state.
        QTest::newRow("namespace") << int(wmi::Step::ConnectServer) << QString() << 2
                                   << "Error|Could not connect. Error code: 0x80004005" << true;
        QTest::newRow("query") << int(wmi::Step::ExecQuery) << "Win32_Processor" << 1
                               << "Error|Query for processes failed. Error code: 0x80004005"
                               << false;
    }

    void wmiFailures()
    {
        QFETCH(int, step);
        QFETCH(QString, detail);
        QFETCH(int, boxCount);
        QFETCH(QString, boxText);
        QFETCH(bool, noDataState);
        fillMachine(*fake, *fakes);
        fake->failAt(wmi::Step(step), wmi::E_FAIL, detail);
        runBatch();

        // A failed detection still ends its thread and its Worker.
        QCOMPARE(DetectionStats::liveThreads(), 0);
        QCOMPARE(DetectionStats::liveWorkers(), 0);
        QCOMPARE(boxes.size(), boxCount);
        QCOMPARE(boxes.count(boxText), boxCount);

        const QList<QLabel *> links = refreshLinks(window.get());
        QCOMPARE(links.size(), 12);
        for (QLabel *link : links)
            QCOMPARE(!link->isHidden(), noDataState);
        if (step == int(wmi::Step::ExecQuery)) {
            // Only the CPU detection failed: its page keeps collecting, its line keeps loading.
            QVERIFY(!window->collectingCPULabel->isHidden());
            QCOMPARE(summary(1), "Loading data...");
            QCOMPARE(window->osTree->topLevelItemCount(), 24);
        } else {
            QCOMPARE(summary(0), "Loading data...");
            QCOMPARE(summary(7), "Loading data...");
        }
        // The lists that need no WMI fill in any case.
        QCOMPARE(window->appsTree->topLevelItemCount(), 2);
        QCOMPARE(window->startupTree->topLevelItemCount(), 1);
        QCOMPARE(window->driversTree->topLevelItemCount(), 2);
    }

    // The sign-in step's start runs once; a refresh replaces each detection's statistic.
    void beginDataCollectionOnlyOnce()
    {
        DetectionStats::clearDurations();
        const auto keys = [] {
            QStringList out;
            for (const DetectionStats::Duration &d : DetectionStats::durations())
                out << d.key;
            out.sort();
            return out;
        };
        fillMachine(*fake, *fakes);
        runBatch();
        const QTreeWidgetItem *firstRow = window->osTree->topLevelItem(0);
        window->beginDataCollection();
        QCOMPARE(DetectionStats::liveThreads(), 0);
        QCOMPARE(window->osTree->topLevelItem(0), firstRow);
        const QStringList first = keys();
        QVERIFY(!first.isEmpty());
        QCOMPARE(QSet<QString>(first.begin(), first.end()).size(), first.size());
        window->refreshAllData();
        finishBatch();
        QCOMPARE(keys(), first);
    }

    // Records a cancelled batch had already sent stay out of the next batch's pages.
    void refreshInTheMiddleKeepsBatchesApart_data()
    {
        QTest::addColumn<int>("waitMs");
        QTest::newRow("at once") << 0;
        QTest::newRow("after 2 ms") << 2;
        QTest::newRow("after 10 ms") << 10;
    }

    void refreshInTheMiddleKeepsBatchesApart()
    {
        QFETCH(int, waitMs);
        MachineShape first;
        first.processes = 3000;
        first.services = 500;
        first.osName = "First";
        fillMachine(*fake, *fakes, first);
        window->beginDataCollection();
        QTest::qWait(waitMs);
        // The threads may well have sent everything by now; their records wait in the queue.
        QThread::msleep(50);

        fake->clear("Win32_OperatingSystem");
        fake->clear("Win32_Process");
        fake->add("Win32_OperatingSystem",
                  { { "Caption", wmi::bstr("Second") }, { "BuildNumber", wmi::bstr("2") } });
        for (int index = 0; index < 7; ++index)
            fake->add("Win32_Process", { { "Name", wmi::bstr(QStringLiteral("p%1").arg(index)) } });
        window->refreshAllData();
        finishBatch();

        QCOMPARE(window->osTree->topLevelItemCount(), 24);
        QCOMPARE(window->osTree->topLevelItem(0)->text(1), "Second");
        QCOMPARE(window->processesTree->topLevelItemCount(), 7);
        QCOMPARE(window->cpuTree->topLevelItemCount(), 2);
        QCOMPARE(window->servicesTree->topLevelItemCount(), 500);
        QCOMPARE(window->storageTree->topLevelItemCount(), 4);
        QCOMPARE(window->smartDriveComboBox->count(), 1);
        QCOMPARE(summary(0), "Second build 2");
        QCOMPARE(summary(12), "7 processes");
        QCOMPARE(DetectionStats::liveWorkers(), 0);
    }

    // A cancel while a collector is at its first records stops it without a summary. A Worker
    // outlives its cancel signals, so no cancel reaches one its thread is deleting.
    void cancelStopsWithoutSummary()
    {
        MachineShape shape;
        shape.processes = 20000;
        fillMachine(*fake, *fakes, shape);
        window->resetAllPages();
        window->startTpmDetection();
        // Long enough for the TPM collector to end, without running the GUI thread's events.
        QThread::msleep(300);
        QCOMPARE(DetectionStats::liveWorkers(), 1);
        window->startProcessesDetection();
        window->cancelAllDetections();
        finishBatch();
        QCOMPARE(DetectionStats::liveThreads(), 0);
        QCOMPARE(DetectionStats::liveWorkers(), 0);
        QVERIFY(window->processesTree->topLevelItemCount() < 20000);
        QCOMPARE(summary(12), "Loading data...");
        QCOMPARE(window->tpmTree->topLevelItemCount(), 4);
    }

    void resetRearmsEveryPage()
    {
        fillMachine(*fake, *fakes);
        runBatch();
        window->rootConErr();
        window->resetAllPages();

        for (QTreeWidget *tree : window->findChildren<QTreeWidget *>()) {
            if (tree != window->mainTree && tree != window->storageTree)
                QCOMPARE(tree->topLevelItemCount(), 0);
        }
        QCOMPARE(window->storageTree->topLevelItemCount(), 1);
        QCOMPARE(window->storageTree->topLevelItem(0), window->totalDrivesItem);
        QVERIFY(window->totalDrivesItem->isHidden());
        QCOMPARE(window->totalDrivesItem->text(1), "0");
        QCOMPARE(window->smartDriveComboBox->count(), 0);
        for (int row = 0; row < 16; ++row)
            QCOMPARE(summary(row), "Loading data...");
        QVERIFY(!window->collectingTpmLabel->isHidden());
        QVERIFY(!window->collectingSmartLabel->isHidden());
        // The counts of the last run survive a reset.
        QCOMPARE(window->drivesCountText, "1");

        // Device references went with their trees: late property rows find no parent.
        const HardwareData row = record(QString(), "Late", "row");
        for (auto slot :
             { &VerdimonNuvo::cpuWMIData, &VerdimonNuvo::gpuWMIData, &VerdimonNuvo::ramWMIData,
               &VerdimonNuvo::storageWMIData, &VerdimonNuvo::storageWMIPartitionData,
               &VerdimonNuvo::opticalDevicesWMIData, &VerdimonNuvo::soundDevicesWMIData,
               &VerdimonNuvo::networkWMIData, &VerdimonNuvo::peripheralKeyboardWMIData,
               &VerdimonNuvo::peripheralPrinterWMIData })
            (window.get()->*slot)(row);
        window->storageWMITotalPartitionsData("9");
        QCOMPARE(window->partitionsCountText, "1");
        QCOMPARE(window->cpuTree->topLevelItemCount(), 0);
        QCOMPARE(window->storageTree->topLevelItemCount(), 1);
    }

    void summaryWithMissingRowsSaysUnknown()
    {
        window->setMainOSData();
        QCOMPARE(summary(0), "Unknown build Unknown");
        // A finished detection with an empty page says so rather than "Loading data...".
        window->setMainCPUData();
        QCOMPARE(summary(1), "Unknown");
        window->setMainMotherboardData();
        QCOMPARE(summary(6), "Unknown");

        window->cpuWMIMainData(record("Lone CPU", "Name", "Lone CPU"));
        window->setMainCPUData();
        QCOMPARE(summary(1),
                 "Lone CPU (Unknown logical processors, Unknown cores, Unknown threads)");

        // No slot count: the only total row is the capacity.
        window->ramWMITotalData({ QString(), "Total capacity", "16 GB", QString(), QString() });
        window->ramWMIMainData(record("Module", "Name", "Lone CPU"));
        window->setMainRAMData();
        QCOMPARE(summary(2), "16 GB, Unknown slots");

        window->motherboardWMIData(record(QString(), "Manufacturer", "Maker"));
        window->setMainMotherboardData();
        QCOMPARE(summary(6), "Maker Unknown (BIOS version: Unknown)");

        window->setMainStorageData();
        QCOMPARE(summary(4), "0 drives, 0 partitions");

        // No optical drive: "Unknown" while its page shows that, "0 devices" elsewhere.
        window->show();
        window->tabControl->setCurrentIndex(6);
        window->cdRomNotInstalled();
        QVERIFY(window->hardwareNotInstalledLabel->isVisible());
        window->setMainOpticalDevicesData();
        QCOMPARE(summary(8), "Unknown");
        window->tabControl->setCurrentIndex(0);
        window->setMainOpticalDevicesData();
        QCOMPARE(summary(8), "0 devices");
    }

    // Pages left empty by a batch say "No ... data is available" instead of collecting for ever.
    void emptyPagesSayNoData()
    {
        MachineShape shape;
        shape.applications = 0;
        fillMachine(*fake, *fakes, shape);
        for (const char *device : { "Win32_VideoController", "Win32_SoundDevice", "Win32_Keyboard",
                                    "Win32_Printer", "Win32_Tpm" })
            fake->clear(device);
        runBatch();
        const std::tuple<QTreeWidget *, QLabel *, QLabel *, bool> pages[] = {
            { window->gpuTree, window->collectingGPULabel, window->gpuRefreshLink, true },
            { window->soundTree, window->collectingSoundLabel, window->soundRefreshLink, true },
            { window->peripheralTree, window->collectingPeripheralLabel,
              window->peripheralRefreshLink, true },
            { window->cpuTree, window->collectingCPULabel, window->cpuRefreshLink, false },
            { window->networkTree, window->collectingNetworkLabel, window->networkRefreshLink,
              false },
        };
        for (const auto &[tree, collecting, link, empty] : pages) {
            QCOMPARE(tree->topLevelItemCount() == 0, empty);
            QVERIFY(collecting->isHidden());
            QCOMPARE(!link->isHidden(), empty);
        }
        QCOMPARE(summary(3), "Unknown");
        QCOMPARE(summary(5), "0 devices");
        QCOMPARE(window->tpmTree->topLevelItemCount(), 0);
        QVERIFY(window->collectingTpmLabel->isHidden());
        QVERIFY(!window->noTpmLabel->isHidden());
        QCOMPARE(summary(7), "Not installed");
        QCOMPARE(window->installedAppsCountLabel->text(), "0");
        QVERIFY(!window->noAppsLabel->isHidden());
    }

    void driverConfigurationFailureBox()
    {
        window->setFailedToDetectDriversConfig();
        QCOMPARE(boxes, QStringList("Error|Failed to detect drivers configuration!"));
    }

    void batcherKeepsOrderAndSorting()
    {
        ListRowBatcher batcher(nullptr, 1000);
        QTreeWidget tree;
        tree.setSortingEnabled(true);
        tree.sortByColumn(0, Qt::AscendingOrder);
        for (const char *text : { "b", "c", "a" })
            batcher.append(&tree, new QTreeWidgetItem(QStringList(QString::fromLatin1(text))));
        QCOMPARE(tree.topLevelItemCount(), 0);
        QCOMPARE(batcher.pendingCount(&tree), 3);
        batcher.flush(&tree);
        QVERIFY(tree.isSortingEnabled());
        QCOMPARE(column(&tree, 0), QStringList({ "a", "b", "c" }));

        QTreeWidget plain;
        int built = 0; // a row that comes as a maker is built only when it is inserted
        for (const char *text : { "b", "c", "a" })
            batcher.append(&plain, [&built, text] {
                ++built;
                return new QTreeWidgetItem(QStringList(QString::fromLatin1(text)));
            });
        batcher.discard(&plain);
        QCOMPARE(plain.topLevelItemCount(), 0);
        QCOMPARE(built, 0);
        batcher.append(&plain, new QTreeWidgetItem(QStringList("x")));
        QTRY_COMPARE_WITH_TIMEOUT(plain.topLevelItemCount(), 1, 3000);
        QCOMPARE(batcher.pendingCount(), 0);
    }

    void batcherSlicesLongListsAndClearsLater()
    {
        struct Row : QTreeWidgetItem
        {
            Row(int n, int *alive)
                : QTreeWidgetItem(QStringList(QString::number(n)))
                , m_alive(alive)
            {
                ++*m_alive;
            }
            ~Row() override { --*m_alive; }
            int *m_alive;
        };
        int alive = 0;
        ListRowBatcher batcher(nullptr, 0, 0); // one slice a tick
        QTreeWidget tree;
        // Built rows and makers mixed: each maker runs when its slice goes in, in its place.
        for (int n = 0; n < 300; ++n)
            if (n % 2)
                batcher.append(&tree, [n, &alive] { return new Row(n, &alive); });
            else
                batcher.append(&tree, new Row(n, &alive));
        QCOMPARE(batcher.rowCount(&tree), 300);
        QCOMPARE(alive, 150);
        QList<int> seen;
        while (tree.topLevelItemCount() < 300 && seen.size() < 100) {
            QCoreApplication::processEvents();
            if (tree.topLevelItemCount() > (seen.isEmpty() ? 0 : seen.last())) {
                seen << tree.topLevelItemCount();
                QCOMPARE(alive, 150 + seen.last() / 2);
            }
        }
        QCOMPARE(seen, QList<int>({ 128, 256, 300 }));
        QCOMPARE(tree.topLevelItem(127)->text(0), "127");
        QCOMPARE(tree.topLevelItem(299)->text(0), "299");
        batcher.clear(&tree);
        QCOMPARE(batcher.rowCount(&tree), 0);
        QVERIFY(alive > 0);
        QTRY_COMPARE(alive, 0);
    }

private:
    QTranslator m_english;
};

QTEST_MAIN(TstDetections)
#include "tst_detections.moc"
