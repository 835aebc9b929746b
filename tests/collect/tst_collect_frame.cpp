// The WMI frame shared by the collectors: each failing step's signal and text, release of every
// object, the loop's end conditions and cancel flags, and the date texts.

#include "collectorlog.h"
#include "collectortesting.h"
#include "fakemachine.h"

#include "collect/worker.h"

#include <QtTest>

using namespace wmi;

namespace {

Object processor(const QString &name)
{
    return { { "Name", bstr(name) }, { "MaxClockSpeed", i4(3600) } };
}

// One object of every class the collectors read.
void fillAll(FakeProvider &fake)
{
    fake.add("Win32_OperatingSystem", { { "Caption", bstr("Debian") } });
    fake.add("Win32_Processor", processor("CPU A"));
    fake.add("Win32_VideoController", { { "Caption", bstr("Adapter") } });
    fake.add("Win32_PhysicalMemoryArray", { { "MemoryDevices", i4(2) } });
    fake.add("Win32_PhysicalMemory", { { "Manufacturer", bstr("Maker") } });
    fake.add("Win32_DiskDrive", { { "Caption", bstr("Disk") }, { "Index", i4(0) } });
    fake.add("Win32_DiskPartition", { { "Caption", bstr("Disk #0, Partition #0") } });
    fake.add("Win32_Keyboard", { { "Caption", bstr("Keyboard") } });
    fake.add("Win32_Printer", { { "Caption", bstr("Office") } });
    fake.add("Win32_BaseBoard", { { "Manufacturer", bstr("Board maker") } });
    fake.add("Win32_BIOS", { { "Caption", bstr("1.0") } });
    fake.add("Win32_Tpm", { { "IsActivated_InitialValue", boolean(true) } });
    fake.add("Win32_CDROMDrive", { { "Caption", bstr("DVD") } });
    fake.add("Win32_Service", { { "Name", bstr("ssh") } });
}

} // namespace

class TestCollectFrame : public QObject
{
    Q_OBJECT

    std::unique_ptr<FakeMachine> m;

private slots:
    void init()
    {
        m = std::make_unique<FakeMachine>();
        m->platform.memoryInfo->installed = 16777216;
    }
    // Every run, failed or cancelled, releases each object it obtained and ends COM.
    void cleanup()
    {
        QCOMPARE(m->fake->liveObjects(), 0);
        QCOMPARE(m->fake->comDepth(), 0);
        m.reset();
    }

    // Each failing step of the frame: its own signal and text, then collectorAborted, nothing else.
    void failingStep_data()
    {
        QTest::addColumn<Collector>("collector");
        QTest::addColumn<int>("step");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("detail");
        QTest::addColumn<QStringList>("before"); // signals expected before the error
        QTest::addColumn<QString>("signature");
        QTest::addColumn<QString>("text"); // empty: the signal carries no text

        for (int i = 0; i <= int(Collector::Tpm); ++i) {
            const Collector c = Collector(i);
            const QByteArray n = collectorName(c).toLatin1();
            QTest::addRow("%s CoInitializeEx", n.constData())
                << c << int(Step::CoInitialize) << int(RPC_E_CHANGED_MODE) << QString()
                << QStringList() << "initComLibError(QString)"
                << "Failed to initialize COM library. Error code: 0x80010106";
            QTest::addRow("%s locator", n.constData())
                << c << int(Step::CreateLocator) << int(REGDB_E_CLASSNOTREG) << QString()
                << QStringList() << "errorCreateIWbemObject(QString)"
                << "Failed to create IWbemLocator object. Error code: 0x80040154";
            const bool withText = c == Collector::OS || c == Collector::Tpm;
            QTest::addRow("%s connect", n.constData())
                << c << int(Step::ConnectServer) << int(WBEM_E_INVALID_NAMESPACE) << QString()
                << QStringList()
                << (withText ? "errorRootConnection(QString)" : "errorRootConnection()")
                << (withText ? "Could not connect. Error code: 0x8004100e" : "");
            QTest::addRow("%s proxy blanket", n.constData())
                << c << int(Step::ProxyBlanket) << int(E_FAIL) << QString() << QStringList()
                << "errorProxyBlanket(QString)"
                << "Could not set proxy blanket. Error code: 0x80004005";
            QTest::addRow("%s query", n.constData())
                << c << int(Step::ExecQuery) << int(WBEM_E_ACCESS_DENIED) << QString()
                << QStringList() << "errorProcessQuery(QString)"
                << "Query for processes failed. Error code: 0x80041003";
        }
        // Second queries report their own code after what the first part sent.
        const QString query = QStringLiteral("errorProcessQuery(QString)");
        QTest::addRow("RAM module query")
            << Collector::RAM << int(Step::ExecQuery) << int(WBEM_E_INVALID_QUERY)
            << "Win32_PhysicalMemory" << signalNames("ramTotalData*2") << query
            << "Query for processes failed. Error code: 0x80041017";
        QTest::addRow("Storage partition query")
            << Collector::Storage << int(Step::ExecQuery) << int(WBEM_E_INVALID_CLASS)
            << "Win32_DiskPartition"
            << signalNames("hardwareMainData hardwareData*10 smartDriveInfo "
                           "smartDriveDetectionCompleted storageTotalDrivesData")
            << query << "Query for processes failed. Error code: 0x80041010";
        QTest::addRow("printer query after keyboards")
            << Collector::Peripheral << int(Step::ExecQuery) << int(WBEM_E_FAILED)
            << "Win32_Printer" << signalNames("hardwareMainData hardwareData*4") << query
            << "Query for processes failed. Error code: 0x80041001";
        QTest::addRow("BIOS query after the board")
            << Collector::Motherboard << int(Step::ExecQuery) << int(WBEM_E_INVALID_QUERY)
            << "Win32_BIOS" << signalNames("hardwareData*11") << query
            << "Query for processes failed. Error code: 0x80041017";
    }

    void failingStep()
    {
        QFETCH(Collector, collector);
        QFETCH(int, step);
        QFETCH(int, code);
        QFETCH(QString, detail);
        QFETCH(QStringList, before);
        QFETCH(QString, signature);
        QFETCH(QString, text);

        fillAll(*m->fake);
        m->fake->failAt(Step(step), HRESULT(code), detail);
        Worker worker;
        CollectorLog log(&worker);
        QCOMPARE(runCollector(worker, collector), collector == Collector::Tpm ? 0 : 1);
        const QStringList expected
            = before + QStringList { log.entries().value(before.size()).name, "collectorAborted" };
        QCOMPARE(log.names(), expected);
        const CollectorLog::Entry error = log.entries().at(before.size());
        QCOMPARE(error.signature, signature);
        if (text.isEmpty())
            QVERIFY(error.args.isEmpty());
        else
            QCOMPARE(error.args.value(0).toString(), text);
    }

    // A device without a name has a heading of its own, so its rows are not filed under the
    // device before it; printers have their own heading signal.
    void namelessDeviceHasItsOwnHeading_data()
    {
        QTest::addColumn<Collector>("collector");
        QTest::addColumn<QString>("cls");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("headingSignal");
        const QString main = QStringLiteral("hardwareMainData");
        QTest::newRow("CPU") << Collector::CPU << "Win32_Processor"
                             << "Name" << main;
        QTest::newRow("printer") << Collector::Peripheral << "Win32_Printer"
                                 << "Caption"
                                 << "peripheralPrinterMainData";
    }

    void namelessDeviceHasItsOwnHeading()
    {
        QFETCH(Collector, collector);
        QFETCH(QString, cls);
        QFETCH(QString, name);
        QFETCH(QString, headingSignal);
        m->fake->add(cls, { { name, bstr("First") } });
        m->fake->add(cls, { { name, null() } });
        Worker worker;
        CollectorLog log(&worker);
        QCOMPARE(runCollector(worker, collector), 0);
        const QVector<HardwareData> headings = log.records(headingSignal);
        QCOMPARE(headings.size(), 2);
        QCOMPARE(headings.at(0).heading, QString("First"));
        QCOMPARE(headings.at(1).heading, QString("Unknown"));
        QCOMPARE(headings.at(1).value, QString("Unknown"));
        QCOMPARE(log.names().last(), QString("finished"));
    }

    // A failed Next ends the loop after the objects read; a failed Get reads as "Unknown".
    void failedReads()
    {
        m->fake->add("Win32_Processor", processor("First"));
        m->fake->add("Win32_Processor", processor("Second"));
        m->fake->failAt(Step::Next, WBEM_E_FAILED, "#2");
        m->fake->failAt(Step::Get, WBEM_E_FAILED, "MaxClockSpeed");
        Worker worker;
        CollectorLog log(&worker);
        QCOMPARE(worker.appCPUWMIData(), 0);
        QCOMPARE(log.names(),
                 signalNames("hardwareMainData hardwareData*22 loadMainData finished"));
        QCOMPARE(log.rows().mid(0, 3),
                 QStringList({ "# First|Name=First", "Number of logical processors=Unknown",
                               "Max frequency=Unknown" }));
    }

    // Cancel flags, set before the run or from a slot on a record signal as the window's
    // direct connection does; two objects of the classes that loop. No flag: a run that finds
    // no object at all.
    void cancel_data()
    {
        QTest::addColumn<Collector>("collector");
        QTest::addColumn<QString>("trigger"); // empty: set before the run
        QTest::addColumn<QStringList>("flags");
        QTest::addColumn<QString>("expected");
        const QString main = QStringLiteral("hardwareMainData");
        for (Collector c : { Collector::OS, Collector::CPU, Collector::GPU, Collector::RAM,
                             Collector::Sound, Collector::Network, Collector::Peripheral,
                             Collector::Services, Collector::Processes })
            QTest::addRow("%s, no object", qPrintable(collectorName(c)))
                << c << "" << QStringList() << "loadMainData finished";
        QTest::newRow("Storage, no object")
            << Collector::Storage << "" << QStringList()
            << "smartDriveDetectionCompleted storageTotalDrivesData "
               "storageCollectingPartitionData storageTotalPartitionsData loadMainData finished";
        QTest::newRow("Optical, no object") << Collector::Optical << "" << QStringList()
                                            << "hardwareDataNotAvailable loadMainData finished";
        QTest::newRow("TPM, no object")
            << Collector::Tpm << "" << QStringList() << "noTPMAvailable loadMainData finished";
        QTest::newRow("CPU during the loop")
            << Collector::CPU << main << QStringList { "setCancelCPUDetection" }
            << "hardwareMainData hardwareData*22 finished";
        // The object being read is finished; only loadMainData is held back.
        QTest::newRow("OS after its last object")
            << Collector::OS << "hardwareData" << QStringList { "setCancelOSDetection" }
            << "hardwareData*24 finished";
        QTest::newRow("Storage during the drives")
            << Collector::Storage << "smartDriveInfo" << QStringList { "setCancelStorageDetection" }
            << "hardwareMainData hardwareData*10 smartDriveInfo smartDriveDetectionCompleted "
               "storageTotalDrivesData storageCollectingPartitionData storageTotalPartitionsData "
               "finished";
        QTest::newRow("RAM totals ignore the flag")
            << Collector::RAM << "" << QStringList { "setCancelRAMDetection" }
            << "ramTotalData*2 finished";
        QTest::newRow("optical during the drives")
            << Collector::Optical << main << QStringList { "setCancelOpticalDevicesDetection" }
            << "hardwareMainData hardwareData*13 finished";
        QTest::newRow("keyboards")
            << Collector::Peripheral << "" << QStringList { "setCancelPeripheralKeyboardDetection" }
            << "peripheralPrinterMainData peripheralPrinterData*8 peripheralPrinterMainData "
               "peripheralPrinterData*8 loadMainData finished";
        QTest::newRow("printers") << Collector::Peripheral << ""
                                  << QStringList { "setCancelPeripheralPrinterDetection" }
                                  << "hardwareMainData hardwareData*4 hardwareMainData "
                                     "hardwareData*4 loadMainData finished";
        QTest::newRow("keyboards and printers")
            << Collector::Peripheral << ""
            << QStringList { "setCancelPeripheralKeyboardDetection",
                             "setCancelPeripheralPrinterDetection" }
            << "finished";
        QTest::newRow("board") << Collector::Motherboard << ""
                               << QStringList { "setCancelMotherboardDetection" }
                               << "hardwareData*8 loadMainData finished";
        QTest::newRow("BIOS") << Collector::Motherboard << ""
                              << QStringList { "setCancelBiosDetection" }
                              << "hardwareData*9 loadMainData finished";
        QTest::newRow("board and BIOS")
            << Collector::Motherboard << ""
            << QStringList { "setCancelMotherboardDetection", "setCancelBiosDetection" }
            << "finished";
        QTest::newRow("TPM before the fetch")
            << Collector::Tpm << "" << QStringList { "setCancelTpmDetection" }
            << "noTPMAvailable finished";
        QTest::newRow("services during the loop")
            << Collector::Services << "appServicesData"
            << QStringList { "setCancelServicesDetection" } << "appServicesData finished";
    }

    void cancel()
    {
        QFETCH(Collector, collector);
        QFETCH(QString, trigger);
        QFETCH(QStringList, flags);
        QFETCH(QString, expected);
        if (!flags.isEmpty()) {
            fillAll(*m->fake);
            m->fake->add("Win32_Processor", processor("Second"));
            m->fake->add("Win32_DiskDrive", { { "Caption", bstr("Disk 1") }, { "Index", i4(1) } });
            for (const char *cls :
                 { "Win32_CDROMDrive", "Win32_Keyboard", "Win32_Printer", "Win32_Service" })
                m->fake->add(cls, { { "Caption", bstr("Second") }, { "Name", bstr("second") } });
        }
        Worker worker;
        CollectorLog log(&worker);
        for (const QString &flag : flags) {
            if (trigger.isEmpty()) {
                QVERIFY(QMetaObject::invokeMethod(&worker, qPrintable(flag)));
            } else {
                QVERIFY(connectByName(worker, trigger.toLatin1(), flag.toLatin1()));
            }
        }
        QCOMPARE(runCollector(worker, collector), 0);
        QCOMPARE(log.names(), signalNames(expected));
        if (collector == Collector::Storage && !flags.isEmpty()) {
            // Only the drives read are counted.
            QCOMPARE(log.all("storageTotalDrivesData").at(0).args.at(0).toString(), QString("1"));
            QCOMPARE(log.all("storageTotalPartitionsData").at(0).args.at(0).toString(),
                     QString("0"));
        }
    }

    void dateTexts()
    {
        const QDateTime time(QDate(2021, 3, 5), QTime(7, 4, 9));
        QCOMPARE(Worker::formatWmiDateTime(time), QString("05-03-2021 07:04:09"));
        QCOMPARE(Worker::formatWmiDate(time), QString("05-03-2021"));
    }
};

QTEST_GUILESS_MAIN(TestCollectFrame)
#include "tst_collect_frame.moc"
