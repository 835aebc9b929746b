// Runs the device and software-list collectors on this machine and prints what they deliver
// (visible with ctest -V). What the machine has cannot be known here, so the checks are the
// shape of each run: no error, the end signals, rows in their groups, no empty field.

#include "collect2testing.h"

#include "platform/platform.h"

#include <QThread>
#include <QtTest>

namespace {

enum class Live {
    Optical,
    Sound,
    Network,
    Peripheral,
    Motherboard,
    Tpm,
    Services,
    Processes,
    Apps,
    Drivers,
    Startup
};

struct LiveCase
{
    Live which;
    const char *name;
    const char *slot;
    int rowsPerHeading; // hardware pages: rows under each heading; 0 for flat pages and lists
};

const LiveCase kCases[] = {
    { Live::Optical, "Optical", "appOpticalDevicesWMIData", 13 },
    { Live::Sound, "Sound", "appSoundDevicesWMIData", 7 },
    { Live::Network, "Network", "appNetworkWMIData", 11 },
    { Live::Peripheral, "Peripheral", "appPeripheralWMIData", 4 },
    { Live::Motherboard, "Motherboard", "appMotherboardWMIData", 0 },
    { Live::Tpm, "TPM", "getTpmWMIData", 0 },
    { Live::Services, "Services", "servicesWMIData", 0 },
    { Live::Processes, "Processes", "processesWMIData", 0 },
    { Live::Apps, "Applications", "programsData", 0 },
    { Live::Drivers, "Drivers", "getSystemDrivers", 0 },
    { Live::Startup, "Startup", "getStartupApp", 0 },
};

const QStringList kErrorSignals { "initComLibError",
                                  "errorCreateIWbemObject",
                                  "errorRootConnection",
                                  "errorProxyBlanket",
                                  "errorProcessQuery",
                                  "collectorAborted",
                                  "failedToDetectDriversConfig" };

// Empty text when the run looks right, else what is wrong.
QString shapeProblem(const SignalLog &log, const LiveCase &c)
{
    for (const QString &e : kErrorSignals) {
        if (log.contains(e))
            return QStringLiteral("error signal ") + e;
    }
    const QStringList names = log.names();
    if (names.isEmpty() || names.last() != QLatin1String("finished"))
        return QStringLiteral("does not end with finished");
    if (names.count(QStringLiteral("loadMainData")) != 1)
        return QStringLiteral("loadMainData must come once");
    if (c.rowsPerHeading > 0
        && log.count("hardwareData") != log.count("hardwareMainData") * c.rowsPerHeading)
        return QStringLiteral("rows do not match headings");
    if (c.which == Live::Peripheral
        && log.count("peripheralPrinterData") != log.count("peripheralPrinterMainData") * 8)
        return QStringLiteral("printer rows do not match headings");
    // One base board and one BIOS always answer: 9 + 2 + 6 rows.
    if (c.which == Live::Motherboard && log.count("hardwareData") != 17)
        return QStringLiteral("motherboard rows");
    // Four rows, or "none available" and no row.
    const bool tpmRows = log.count("hardwareData") == 4;
    if (c.which == Live::Tpm && tpmRows == log.contains("noTPMAvailable"))
        return QStringLiteral("TPM rows");
    for (const HardwareData &d :
         log.records("hardwareData") + log.records("peripheralPrinterData")) {
        if (d.label.isEmpty() || d.value.isEmpty())
            return QStringLiteral("empty row field");
    }
    return QString();
}

} // namespace

class TestCollect2Live : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QCoreApplication::setOrganizationName(QStringLiteral("Dravonel"));
        QCoreApplication::setApplicationName(QStringLiteral("Verdimon Nuvo"));
        registerRecordTypes();
    }

    void collectors_data()
    {
        QTest::addColumn<int>("index");
        for (int i = 0; i < int(std::size(kCases)); ++i)
            QTest::newRow(kCases[i].name) << i;
    }

    // Each collector once, on the test's thread, printing every record.
    void collectors()
    {
        QFETCH(int, index);
        const LiveCase &c = kCases[index];
        Worker worker;
        SignalLog log(&worker);
        QVERIFY(QMetaObject::invokeMethod(&worker, c.slot, Qt::DirectConnection));
        qInfo().noquote() << QStringLiteral("%1: %2 signals").arg(c.name).arg(log.entries().size());
        for (const QString &line : describeLog(log))
            qInfo().noquote() << line;
        const QString problem = shapeProblem(log, c);
        QVERIFY2(problem.isEmpty(), qPrintable(problem));
    }

    // All of them at once, each on a thread of its own as the window starts them; records cross
    // to this thread through queued connections.
    void allAtOnceOnThreads()
    {
        int ended = 0;
        int records = 0;
        QStringList errors;
        QVector<QThread *> threads;
        for (const LiveCase &c : kCases) {
            auto *thread = new QThread;
            auto *worker = new Worker;
            worker->moveToThread(thread);
            const char *slot = c.slot;
            connect(thread, &QThread::started, worker, [worker, slot]() {
                QMetaObject::invokeMethod(worker, slot, Qt::DirectConnection);
            });
            connect(worker, &Worker::hardwareData, this, [&records](HardwareData) { ++records; });
            connect(worker, &Worker::appServicesData, this, [&records](Service) { ++records; });
            connect(worker, &Worker::appProcessesData, this, [&records](Process) { ++records; });
            connect(worker, &Worker::appsData, this, [&records](Application) { ++records; });
            connect(worker, &Worker::driverInfo, this, [&records](Driver) { ++records; });
            connect(worker, &Worker::startupInfo, this, [&records](Startup) { ++records; });
            connect(worker, &Worker::finished, this, [&ended]() { ++ended; });
            connect(worker, &Worker::collectorAborted, this,
                    [&errors, c]() { errors << QString::fromLatin1(c.name); });
            connect(worker, &Worker::finished, thread, &QThread::quit);
            connect(worker, &Worker::collectorAborted, thread, &QThread::quit);
            connect(thread, &QThread::finished, worker, &QObject::deleteLater);
            threads << thread;
            thread->start(QThread::InheritPriority);
        }
        QTRY_VERIFY_WITH_TIMEOUT(ended + errors.size() == int(std::size(kCases)), 60000);
        QVERIFY2(errors.isEmpty(), qPrintable(errors.join(", ")));
        for (QThread *t : qAsConst(threads)) {
            QVERIFY(t->wait(10000));
            delete t;
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        qInfo() << "records delivered across threads:" << records;
        QVERIFY(records > 0); // at least the motherboard rows and the processes
    }
};

QTEST_MAIN(TestCollect2Live)
#include "tst_collect2_live.moc"
