// The S.M.A.R.T. reader on canned drive pages, and the attribute collector built on it.

#include "signallog.h"

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

QStringList idsOf(const SignalLog &log)
{
    QStringList out;
    for (const SignalLog::Entry &e : log.all("smartDriveData"))
        out << e.args.at(0).value<SmartInfo>().attributeId;
    return out;
}

SmartInfo infoOf(const SignalLog &log, const QString &id)
{
    for (const SignalLog::Entry &e : log.all("smartDriveData")) {
        const SmartInfo info = e.args.at(0).value<SmartInfo>();
        if (info.attributeId == id)
            return info;
    }
    return SmartInfo();
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

    void attributesInAscendingOrder()
    {
        io().setDrive(2, healthyDrive());
        Worker worker;
        SignalLog log(&worker);
        worker.smartStorageInfo(2);
        QCOMPARE(idsOf(log), (QStringList { "001", "005", "009", "012", "194" }));
        QCOMPARE(log.names().last(), QString("finished"));
        QVERIFY(!log.contains("noSmartDriveDataAvailable"));
        QVERIFY(!log.contains("loadMainData"));
    }

    void attributeFields()
    {
        io().setDrive(0, healthyDrive());
        Worker worker;
        SignalLog log(&worker);
        worker.smartStorageInfo(0);

        const SmartInfo temperature = infoOf(log, "194");
        QCOMPARE(temperature.name, QString("Temperature"));
        QVERIFY(temperature.description.startsWith("Hard disk drive temperature."));
        QCOMPARE(temperature.value, QString("67"));
        QCOMPARE(temperature.worst, QString("50"));
        // Low four bytes of the six-byte raw value only.
        QCOMPARE(temperature.rawData, QString::number(0x00140021u));
        QCOMPARE(temperature.threshold, QString("0"));

        const SmartInfo readErrors = infoOf(log, "001");
        QCOMPARE(readErrors.name, QString("Raw Read Error Rate"));
        QCOMPARE(readErrors.rawData, QString::number(0x89ABCDEFu));
        QCOMPARE(readErrors.threshold, QString("51"));
        QCOMPARE(readErrors.value, QString("200"));

        // No threshold entry for 12.
        QCOMPARE(infoOf(log, "012").threshold, QString("4294967295"));
        QCOMPARE(infoOf(log, "012").name, QString("Device Power Cycle Count"));
        QCOMPARE(infoOf(log, "009").rawData, QString("4721"));
    }

    void readerKeepsIdentification()
    {
        io().setDrive(1, healthyDrive());
        SmartReader reader(plat::smartIo());
        reader.resetSmartData();
        reader.buildSmartAttributeTable();
        QCOMPARE(reader.readDriveSmart(1), 1);
        QCOMPARE(reader.model(1), QString("Samsung SSD 870 EVO 1TB"));
        QCOMPARE(reader.serialNumber(1), QString("S5Y1NX0R123456"));
        QCOMPARE(reader.firmwareRevision(1), QString("SVT02B6Q"));
        QCOMPARE(reader.drive(1).readingCount, quint8(6));
        QCOMPARE(reader.drive(1).driveNumber, quint8(1));
        QVERIFY(reader.drive(1).capabilities & CAP_SMART_CMD);
        QVERIFY(reader.attribute(228) != nullptr);
        QVERIFY(reader.attribute(190) == nullptr);
        QVERIFY(reader.reading(SmartReader::readingKey(1, 190)) != nullptr);
        QCOMPARE(reader.reading(SmartReader::readingKey(1, 190))->threshold, quint32(45));
    }

    void commandBlocks()
    {
        io().setDrive(3, healthyDrive());
        SmartReader reader(plat::smartIo());
        reader.readDriveSmart(3);
        QCOMPARE(
            io().controls(),
            (QVector<quint32> { SMART_GET_VERSION, SMART_SEND_DRIVE_COMMAND, SMART_RCV_DRIVE_DATA,
                                SMART_RCV_DRIVE_DATA, SMART_RCV_DRIVE_DATA }));
        const QVector<QByteArray> inputs = io().inputs();
        QVERIFY(inputs.at(0).isEmpty());
        // enable, identify, attributes, thresholds: features, cyl low/high, command, buffer size
        const struct
        {
            quint8 features, cylLow, cylHigh, command;
            quint32 buffer;
        } expected[] = { { 0xD8, 0x4F, 0xC2, 0xB0, 0 },
                         { 0x00, 0x00, 0x00, 0xEC, 512 },
                         { 0xD0, 0x4F, 0xC2, 0xB0, 512 },
                         { 0xD1, 0x4F, 0xC2, 0xB0, 512 } };
        for (int i = 0; i < 4; ++i) {
            const QByteArray in = inputs.at(i + 1);
            QCOMPARE(in.size(), 33);
            QCOMPARE(quint8(in[sendcmdin::Features]), expected[i].features);
            QCOMPARE(quint8(in[sendcmdin::SectorCount]), quint8(1));
            QCOMPARE(quint8(in[sendcmdin::SectorNumber]), quint8(1));
            QCOMPARE(quint8(in[sendcmdin::CylLow]), expected[i].cylLow);
            QCOMPARE(quint8(in[sendcmdin::CylHigh]), expected[i].cylHigh);
            QCOMPARE(quint8(in[sendcmdin::DriveHead]), quint8(0xA0));
            QCOMPARE(quint8(in[sendcmdin::Command]), expected[i].command);
            QCOMPARE(quint8(in[sendcmdin::DriveNumber]), quint8(3));
            QCOMPARE(readU32(in, sendcmdin::BufferSize), expected[i].buffer);
        }
    }

    void drivePaths_data()
    {
        QTest::addColumn<int>("failure"); // which step of the drive fails
        QTest::addColumn<QStringList>("expected");
        const QStringList noData { "noSmartDriveDataAvailable", "finished" };
        const QStringList onlyFinished { "finished" };
        QTest::newRow("cannot open") << 0 << noData;
        QTest::newRow("version fails") << 1 << noData;
        QTest::newRow("no S.M.A.R.T. commands") << 2 << onlyFinished;
        QTest::newRow("enable fails") << 3 << onlyFinished;
        QTest::newRow("identify fails")
            << 4 << QStringList { "smartDriveData", "smartDriveData", "smartDriveData",
                                  "smartDriveData", "smartDriveData", "finished" };
        QTest::newRow("attributes fail") << 5 << onlyFinished;
        QTest::newRow("thresholds fail") << 6 << noData;
    }

    void drivePaths()
    {
        QFETCH(int, failure);
        QFETCH(QStringList, expected);
        FakeSmartIo::Drive d = healthyDrive();
        switch (failure) {
        case 0:
            d.openable = false;
            break;
        case 1:
            d.getVersionOk = false;
            break;
        case 2:
            d.capabilities = CAP_ATA_ID_CMD;
            break;
        case 3:
            d.enableOk = false;
            break;
        case 4:
            d.identifyOk = false;
            break;
        case 5:
            d.attributesOk = false;
            break;
        case 6:
            d.thresholdsOk = false;
            break;
        }
        io().setDrive(0, d);
        Worker worker;
        SignalLog log(&worker);
        worker.smartStorageInfo(0);
        QCOMPARE(log.names(), expected);
    }

    void driveNumbersOutsideTheTable_data()
    {
        QTest::addColumn<int>("index");
        QTest::newRow("absent drive") << 5;
        QTest::newRow("32") << 32;
        QTest::newRow("256 wraps to 0 as 8 bits") << 256;
        QTest::newRow("negative") << -1;
    }

    void driveNumbersOutsideTheTable()
    {
        QFETCH(int, index);
        // Drive 0 exists: an index that would wrap onto it must not read it.
        io().setDrive(0, healthyDrive());
        io().setDrive(32, healthyDrive());
        Worker worker;
        SignalLog log(&worker);
        worker.smartStorageInfo(index);
        QCOMPARE(log.names(), (QStringList { "noSmartDriveDataAvailable", "finished" }));
    }

    void cancelStopsTheRows()
    {
        io().setDrive(0, healthyDrive());
        Worker worker;
        SignalLog log(&worker);
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
        SignalLog log(&worker);
        worker.smartStorageInfo(0);
        QCOMPARE(idsOf(log), QStringList { "009" });
        QCOMPARE(infoOf(log, "009").value, QString("80"));
        QCOMPARE(infoOf(log, "009").rawData, QString("2"));
    }

    void attributeTexts_data()
    {
        QTest::addColumn<int>("id");
        QTest::addColumn<QString>("name");
        QTest::newRow("1") << 1 << "Raw Read Error Rate";
        QTest::newRow("13") << 13 << "Soft Read Error Rate";
        QTest::newRow("200") << 200 << "Write Error Rate (Multi Zone Error Rate)";
        QTest::newRow("230") << 230 << "GMR Head Amplitude";
        QTest::newRow("0") << 0 << "Unknown";
        QTest::newRow("14") << 14 << "Unknown";
        QTest::newRow("190") << 190 << "Unknown";
        QTest::newRow("231") << 231 << "Unknown";
    }

    void attributeTexts()
    {
        QFETCH(int, id);
        QFETCH(QString, name);
        QCOMPARE(SmartReader::smartAttributeName(id), name);
        if (name == "Unknown")
            QCOMPARE(SmartReader::smartAttributeDescription(id), QString("Unknown"));
        else
            QVERIFY(SmartReader::smartAttributeDescription(id).size() > 40);
    }

    void swapIdentifyString()
    {
        char text[] = "iWdnwo s";
        SmartReader::swapIdentifyString(text, 8);
        QCOMPARE(QByteArray(text), QByteArray("Windows "));
    }
};

QTEST_GUILESS_MAIN(TestSmartReader)
#include "tst_smartreader.moc"
