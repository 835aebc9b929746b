// The collectors on the fixture machines, through the real Linux sources of the platform layer.

#include "collectorchecks.h"
#include "fixturetree.h"

#include "collect/worker.h"
#include "platform/fakes/fakeplatform.h"
#include "platform/linuxprovider.h"
#include "platform/platform.h"

#include <QtTest>

class TestCollectFixtures : public QObject
{
    Q_OBJECT

    std::unique_ptr<wmi::ScopedProvider> m_provider;
    std::unique_ptr<plat::ScopedPlatform> m_platform;

    void use(const QString &machine)
    {
        const plat::SysRoot sysRoot(fixtureTree(machine));
        m_provider
            = std::make_unique<wmi::ScopedProvider>(std::make_shared<plat::LinuxProvider>(sysRoot));
        m_platform = std::make_unique<plat::ScopedPlatform>(plat::makeLinuxPlatform(sysRoot));
    }

private slots:
    void initTestCase() { registerRecordTypes(); }
    void cleanup()
    {
        m_platform.reset();
        m_provider.reset();
    }

    void shape_data()
    {
        QTest::addColumn<QString>("machine");
        QTest::addColumn<Collector>("collector");
        for (const char *machine : { "desktop", "vm" }) {
            for (Collector c : { Collector::OS, Collector::CPU, Collector::GPU, Collector::RAM,
                                 Collector::Storage })
                QTest::addRow("%s %s", machine, qPrintable(collectorName(c))) << machine << c;
        }
        for (const char *machine : { "arm64", "armv7", "ppc64", "s390x", "laptop" })
            QTest::addRow("%s CPU", machine) << machine << Collector::CPU;
    }

    void shape()
    {
        QFETCH(QString, machine);
        QFETCH(Collector, collector);
        use(machine);
        Worker worker;
        CollectorLog log(&worker);
        QCOMPARE(runCollector(worker, collector), 0);
        QCOMPARE(CollectorChecks::shapeProblem(log, collector), QString());
        // Always one operating-system object, so the Main page's OS line has its rows.
        if (collector == Collector::OS)
            QCOMPARE(log.count("hardwareData"), 24);
        // Always one memory array, so "Total capacity" is always there.
        if (collector == Collector::RAM)
            QCOMPARE(log.records("ramTotalData").last().secondaryLabel, QString("Total capacity"));
    }

    void rows_data()
    {
        QTest::addColumn<QString>("machine");
        QTest::addColumn<Collector>("collector");
        QTest::addColumn<QStringList>("expected"); // rows that must appear, in this order
        // The values are pinned per machine by the platform's own tests; these rows check the
        // wiring from the Linux sources to each collector's rows.
        QTest::newRow("desktop OS")
            << "desktop" << Collector::OS << QStringList { "Name=Ubuntu 24.04.1 LTS" };
        QTest::newRow("desktop CPU")
            << "desktop" << Collector::CPU << QStringList { "Max frequency=4850 MHz (4.85 GHz)" };
        QTest::newRow("desktop GPU")
            << "desktop" << Collector::GPU
            << QStringList { "Manufacturer=NVIDIA", "Memory=4096 MB (4 GB)" };
        QTest::newRow("desktop RAM")
            << "desktop" << Collector::RAM
            << QStringList { "Slots=4", "Total capacity=49152 MB (48 GB)" };
        // What no source gives reads "Unknown", never a stand-in figure.
        QTest::newRow("arm64 CPU")
            << "arm64" << Collector::CPU << QStringList { "L3 cache=Unknown" };
        QTest::newRow("CD drive") << "desktop" << Collector::Optical
                                  << QStringList { "Transfer rate=8467.2 KB/s (8.27 MB/s)" };
        QTest::newRow("CUPS printers") << "desktop" << Collector::Peripheral
                                       << QStringList { "# Office_Laser|Caption=Office_Laser" };
        QTest::newRow("TPM 2.0") << "desktop" << Collector::Tpm
                                 << QStringList { "Specification version=2.0" };
        QTest::newRow("UEFI board") << "desktop" << Collector::Motherboard
                                    << QStringList { "BIOS mode=UEFI", "Secure boot=Supported" };
        QTest::newRow("board without DMI")
            << "vm" << Collector::Motherboard
            << QStringList { "Manufacturer=Unknown", "BIOS mode=Legacy",
                             "Secure boot=Not supported" };
        QTest::newRow("sound card")
            << "desktop" << Collector::Sound
            << QStringList { "Config. manager error code=This device is working properly" };
        QTest::newRow("virtio network")
            << "vm" << Collector::Network << QStringList { "MAC address=02:FC:00:00:00:01" };
    }

    void rows()
    {
        QFETCH(QString, machine);
        QFETCH(Collector, collector);
        QFETCH(QStringList, expected);
        use(machine);
        Worker worker;
        CollectorLog log(&worker);
        QCOMPARE(runCollector(worker, collector), 0);
        QCOMPARE(log.names().last(), QString("finished"));
        const QStringList rows = log.rows();
        int from = 0;
        for (const QString &row : expected) {
            from = rows.indexOf(row, from) + 1;
            QVERIFY2(from > 0, qPrintable("missing or out of order: " + row));
        }
    }
};

QTEST_GUILESS_MAIN(TestCollectFixtures)
#include "tst_collect_fixtures.moc"
