// The S.M.A.R.T. reader on canned drive pages, and the attribute collector built on it.

#include "collectorlog.h"
#include "collectortesting.h"

#include "collect/smartreader.h"
#include "collect/worker.h"
#include "platform/fakes/fakeplatform.h"
#include "platform/fakes/fakesmartio.h"

#include <QtTest>

using plat::FakeSmartIo;
using namespace plat::smart;

namespace {

FakeSmartIo::Drive healthyDrive()
{
    FakeSmartIo::Drive d;
    d.identify = FakeSmartIo::identifyPage("Samsung SSD 870 EVO 1TB", "S5Y1NX0R123456", "SVT02B6Q");
    // Out of id order on purpose; 190 is not a known attribute.
    d.attributes = FakeSmartIo::attributePage({
        { 194, 0x22, 67, 50, 0x0000002100140021ull },
        { 9, 0x32, 98, 98, 4721 },
        { 5, 0x33, 100, 100, 0 },
        { 190, 0x32, 67, 50, 33 },
        { 1, 0x2F, 200, 200, 0x0000123489ABCDEFull },
        { 12, 0x32, 99, 99, 1234 },
    });
    d.thresholds
        = FakeSmartIo::thresholdPage({ { 1, 51 }, { 5, 10 }, { 9, 0 }, { 194, 0 }, { 190, 45 } });
    return d;
}

// Per attribute row: id, name, value, worst, raw data and threshold.
QStringList fieldsOf(const CollectorLog &log)
{
    QStringList fields;
    for (const CollectorLog::Entry &e : log.all("smartDriveData")) {
        const SmartInfo i = e.args.at(0).value<SmartInfo>();
        fields << QStringList { i.attributeId, i.name, i.value, i.worst, i.rawData, i.threshold }
                      .join(" | ");
    }
    return fields;
}

} // namespace

class TestSmartReader : public QObject
{
    Q_OBJECT

    plat::FakePlatform m_platform;
    std::unique_ptr<plat::ScopedPlatform> m_use;

    FakeSmartIo &io() { return *m_platform.smartIo; }

private slots:
    void init()
    {
        m_platform = plat::FakePlatform();
        m_use = std::make_unique<plat::ScopedPlatform>(m_platform.platform());
    }
    void cleanup()
    {
        QCOMPARE(io().openHandles(), 0);
        m_use.reset();
    }

    void attributeFields()
    {
        io().setDrive(2, healthyDrive());
        Worker worker;
        CollectorLog log(&worker);
        worker.smartStorageInfo(2);
        QCOMPARE(log.names().last(), QString("finished"));
        QVERIFY(!log.contains("noSmartDriveDataAvailable"));
        QVERIFY(!log.contains("loadMainData"));
        // In ascending order; raw data is the low four bytes of six; no threshold entry for 12.
        QCOMPARE(fieldsOf(log),
                 QStringList({ "001 | Raw Read Error Rate | 200 | 200 | 2309737967 | 51",
                               "005 | Reallocated Sectors Count | 100 | 100 | 0 | 10",
                               "009 | Power-On Hours | 98 | 98 | 4721 | 0",
                               "012 | Device Power Cycle Count | 99 | 99 | 1234 | 4294967295",
                               "194 | Temperature | 67 | 50 | 1310753 | 0" }));
        const SmartInfo last = log.all("smartDriveData").last().args.at(0).value<SmartInfo>();
        QVERIFY(last.description.startsWith("Hard disk drive temperature."));
    }

    void readerKeepsIdentification()
    {
        io().setDrive(3, healthyDrive());
        SmartReader reader(plat::smartIo());
        reader.resetSmartData();
        reader.buildSmartAttributeTable();
        QCOMPARE(reader.readDriveSmart(3), 1);
        // version, then enable, identify, attributes, thresholds as the platform layer builds them
        QCOMPARE(
            io().controls(),
            (QVector<quint32> { SMART_GET_VERSION, SMART_SEND_DRIVE_COMMAND, SMART_RCV_DRIVE_DATA,
                                SMART_RCV_DRIVE_DATA, SMART_RCV_DRIVE_DATA }));
        QCOMPARE(io().inputs(),
                 (QVector<QByteArray> { QByteArray(), sendCmdIn(3, ENABLE_SMART, SMART_CMD, 0),
                                        sendCmdIn(3, 0x00, ID_CMD, 512),
                                        sendCmdIn(3, READ_ATTRIBUTES, SMART_CMD, 512),
                                        sendCmdIn(3, READ_THRESHOLDS, SMART_CMD, 512) }));
        QCOMPARE(
            QStringList({ reader.model(3), reader.serialNumber(3), reader.firmwareRevision(3) }),
            QStringList({ "Samsung SSD 870 EVO 1TB", "S5Y1NX0R123456", "SVT02B6Q" }));
        QCOMPARE(reader.drive(3).readingCount, quint8(6));
        QCOMPARE(reader.drive(3).driveNumber, quint8(3));
        QVERIFY(reader.drive(3).capabilities & CAP_SMART_CMD);
        // An attribute of no known name keeps its reading and threshold.
        QVERIFY(reader.attribute(190) == nullptr);
        const SmartReader::Reading *unnamed = reader.reading(SmartReader::readingKey(3, 190));
        QVERIFY(unnamed && unnamed->threshold == 45);
    }

    void drivePaths_data()
    {
        QTest::addColumn<int>("failure"); // which step of drive 0 fails; -1: none
        QTest::addColumn<int>("index"); // of the drive read; 0 and 32 exist
        QTest::addColumn<QStringList>("expected");
        const QStringList noData { "noSmartDriveDataAvailable", "finished" };
        const QStringList onlyFinished { "finished" };
        QTest::newRow("cannot open") << 0 << 0 << noData;
        QTest::newRow("version fails") << 1 << 0 << noData;
        QTest::newRow("enable fails") << 2 << 0 << onlyFinished;
        QTest::newRow("identify fails") << 3 << 0 << signalNames("smartDriveData*5 finished");
        QTest::newRow("attributes fail") << 4 << 0 << onlyFinished;
        QTest::newRow("thresholds fail") << 5 << 0 << noData;
        QTest::newRow("no S.M.A.R.T. commands") << 6 << 0 << onlyFinished;
        // Past the table: an index that would wrap onto drive 0 must not read it.
        QTest::newRow("drive 32") << -1 << 32 << noData;
        QTest::newRow("256 wraps to 0 as 8 bits") << -1 << 256 << noData;
        QTest::newRow("negative") << -1 << -1 << noData;
    }

    void drivePaths()
    {
        QFETCH(int, failure);
        QFETCH(int, index);
        QFETCH(QStringList, expected);
        using Drive = FakeSmartIo::Drive;
        static bool Drive::*const steps[]
            = { &Drive::openable,   &Drive::getVersionOk, &Drive::enableOk,
                &Drive::identifyOk, &Drive::attributesOk, &Drive::thresholdsOk };
        Drive d = healthyDrive();
        if (failure >= 0 && failure < 6)
            d.*steps[failure] = false;
        else if (failure == 6)
            d.capabilities = CAP_ATA_ID_CMD;
        io().setDrive(0, d);
        io().setDrive(32, healthyDrive());
        Worker worker;
        CollectorLog log(&worker);
        worker.smartStorageInfo(index);
        QCOMPARE(log.names(), expected);
    }

    void cancelStopsTheRows()
    {
        io().setDrive(0, healthyDrive());
        Worker worker;
        CollectorLog log(&worker);
        connect(&worker, &Worker::smartDriveData, &worker, &Worker::setCancelSmartDetection,
                Qt::DirectConnection);
        worker.smartStorageInfo(0);
        QCOMPARE(log.names(), (QStringList { "smartDriveData", "finished" }));
    }

    void repeatedIdKeepsTheLaterReading()
    {
        FakeSmartIo::Drive d = healthyDrive();
        d.attributes = FakeSmartIo::attributePage({ { 9, 0, 90, 90, 1 }, { 9, 0, 80, 70, 2 } });
        io().setDrive(0, d);
        Worker worker;
        CollectorLog log(&worker);
        worker.smartStorageInfo(0);
        QCOMPARE(fieldsOf(log), QStringList { "009 | Power-On Hours | 80 | 70 | 2 | 0" });
    }
};

QTEST_GUILESS_MAIN(TestSmartReader)
#include "tst_smartreader.moc"
