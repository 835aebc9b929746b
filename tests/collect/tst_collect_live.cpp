// Runs the collectors on this machine through the real platform layer and prints every record
// (see them with `ctest -V -R tst_collect_live`). Only what holds on any machine is asserted.

#include "collectorchecks.h"

#include "collect/worker.h"
#include "platform/screeninfo.h"

#include <QApplication>
#include <QtTest>

class TestCollectLive : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        registerRecordTypes();
        plat::ScreenInfo::captureFromGui();
    }

    void collectors_data()
    {
        QTest::addColumn<Collector>("collector");
        QTest::newRow("OS") << Collector::OS;
        QTest::newRow("CPU") << Collector::CPU;
        QTest::newRow("GPU") << Collector::GPU;
        QTest::newRow("RAM") << Collector::RAM;
        QTest::newRow("Storage") << Collector::Storage;
    }

    void collectors()
    {
        QFETCH(Collector, collector);
        Worker worker;
        SignalLog log(&worker);
        QCOMPARE(runCollector(worker, collector), 0);
        for (const QString &line : CollectorChecks::describe(log))
            qInfo().noquote() << collectorName(collector) << line;
        QCOMPARE(CollectorChecks::shapeProblem(log, collector), QString());
        if (collector == Collector::OS)
            QCOMPARE(log.count("hardwareData"), 24);
        if (collector == Collector::CPU)
            QVERIFY(log.count("hardwareMainData") >= 1);
        if (collector == Collector::RAM) {
            // The installed capacity is always known here: the module sum or the usable memory.
            const QVector<HardwareData> totals = log.records("ramTotalData");
            QVERIFY(!totals.isEmpty());
            QVERIFY(totals.last().secondaryValue.endsWith(" GB)")
                    || totals.last().secondaryValue.endsWith(" MB"));
        }
    }

    void smartOfEveryOfferedDrive()
    {
        QVector<int> indexes;
        {
            Worker storage;
            SignalLog log(&storage);
            storage.appStorageWMIData();
            for (const SignalLog::Entry &e : log.all("smartDriveInfo"))
                indexes << e.args.at(0).value<SmartStorage>().driveIndex.toInt();
        }
        if (indexes.isEmpty())
            indexes << 0;
        for (int index : indexes) {
            Worker worker;
            SignalLog log(&worker);
            worker.smartStorageInfo(index);
            for (const QString &line : CollectorChecks::describe(log))
                qInfo().noquote() << "SMART" << index << line;
            QCOMPARE(log.names().last(), QString("finished"));
            QVERIFY(!log.contains("loadMainData"));
        }
    }
};

QTEST_MAIN(TestCollectLive)
#include "tst_collect_live.moc"
