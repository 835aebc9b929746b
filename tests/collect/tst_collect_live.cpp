// Runs the collectors on this machine through the real platform layer and checks what they
// deliver against sources the test reads itself: /etc/os-release, /proc/cpuinfo, /sys/block and
// /sys/class/net (memory and packages: pinned on the fixture trees). What this machine lacks is
// skipped.

#include "appidentity.h"
#include "collectorchecks.h"

#include "collect/worker.h"
#include "platform/screeninfo.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QThread>
#include <QtTest>

namespace {

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// "KEY=value" or "KEY: value" lines of a file, first occurrence of each key, quotes removed.
QHash<QString, QString> keyValues(const QString &path, QChar separator)
{
    QHash<QString, QString> values;
    for (const QString &line : QString::fromUtf8(readFile(path)).split(QLatin1Char('\n'))) {
        const int at = line.indexOf(separator);
        const QString key = line.left(at).trimmed();
        if (at > 0 && !values.contains(key))
            values.insert(key, line.mid(at + 1).trimmed().remove(QRegularExpression("^\"|\"$")));
    }
    return values;
}

const char *const kListSlots[]
    = { "appOpticalDevicesWMIData", "appSoundDevicesWMIData", "appNetworkWMIData",
        "appPeripheralWMIData",     "appMotherboardWMIData",  "getTpmWMIData",
        "servicesWMIData",          "processesWMIData",       "programsData",
        "getSystemDrivers",         "getStartupApp" };

} // namespace

class TestCollectLive : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        registerRecordTypes();
        plat::ScreenInfo::captureFromGui();
    }

    void hardwareShapes_data()
    {
        QTest::addColumn<Collector>("collector");
        for (int c = 0; c <= int(Collector::Storage); ++c)
            QTest::newRow(qPrintable(collectorName(Collector(c)))) << Collector(c);
    }

    void hardwareShapes()
    {
        QFETCH(Collector, collector);
        Worker worker;
        CollectorLog log(&worker);
        QCOMPARE(runCollector(worker, collector), 0);
        QCOMPARE(CollectorChecks::shapeProblem(log, collector), QString());
    }

    void osMatchesOsRelease()
    {
        const QHash<QString, QString> release = keyValues("/etc/os-release", QLatin1Char('='));
        Worker worker;
        CollectorLog log(&worker);
        QCOMPARE(worker.appOSWMIData(), 0);
        QCOMPARE(log.count("hardwareData"), 24);
        const QStringList rows = log.rows();
        if (release.contains("PRETTY_NAME"))
            QCOMPARE(rows.value(0), "Name=" + release.value("PRETTY_NAME"));
        const QString host = QString::fromUtf8(readFile("/proc/sys/kernel/hostname")).trimmed();
        QCOMPARE(rows.value(2).toLower(), "computer name=" + host.toLower());
    }

    void cpuMatchesCpuinfo()
    {
        const QString cpuinfo = QString::fromUtf8(readFile("/proc/cpuinfo"));
        const int logical = cpuinfo.count(QRegularExpression("(^|\n)processor\\s*:"));
        QVERIFY(logical > 0);
        const QString model = keyValues("/proc/cpuinfo", QLatin1Char(':')).value("model name");
        Worker worker;
        CollectorLog log(&worker);
        QCOMPARE(worker.appCPUWMIData(), 0);
        const QVector<HardwareData> headings = log.records("hardwareMainData");
        QVERIFY(!headings.isEmpty());
        if (!model.isEmpty())
            QVERIFY2(headings.first().heading.simplified() == model.simplified(),
                     qPrintable(headings.first().heading + " / " + model));
        int counted = 0;
        for (const HardwareData &d : log.records("hardwareData")) {
            if (d.label == QLatin1String("Number of logical processors"))
                counted += d.value.toInt();
        }
        QCOMPARE(counted, logical);
    }

    // Every whole disk with a size, as the kernel lists it, and no other.
    void storageMatchesSysBlock()
    {
        int disks = 0;
        for (const QString &name :
             QDir("/sys/block").entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
            const QString dir = "/sys/block/" + name;
            const bool virtualOnly = !QFile::exists(dir + "/device");
            const bool optical = name.startsWith(QLatin1String("sr"));
            if (!virtualOnly && !optical && readFile(dir + "/size").trimmed().toLongLong() > 0)
                ++disks;
        }
        Worker worker;
        CollectorLog log(&worker);
        QCOMPARE(worker.appStorageWMIData(), 0);
        QCOMPARE(log.count("hardwareMainData"), disks);
    }

    void networkMatchesSysClassNet()
    {
        QStringList interfaces
            = QDir("/sys/class/net")
                  .entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System);
        interfaces.removeAll("lo");
        QStringList macs;
        for (const QString &name : qAsConst(interfaces))
            macs << QString::fromLatin1(readFile("/sys/class/net/" + name + "/address")).trimmed();
        Worker worker;
        CollectorLog log(&worker);
        QCOMPARE(worker.appNetworkWMIData(), 0);
        QCOMPARE(log.count("hardwareMainData"), interfaces.size());
        for (const HardwareData &d : log.records("hardwareData")) {
            if (d.label == QLatin1String("MAC address") && d.value != QLatin1String("Unknown"))
                QVERIFY2(macs.contains(d.value, Qt::CaseInsensitive), qPrintable(d.value));
        }
    }

    // This test's own process is listed with its path; every service is in a state the
    // service manager knows, or "Unknown" without one.
    void processesAndServices()
    {
        Worker worker;
        CollectorLog log(&worker);
        QCOMPARE(worker.processesWMIData(), 0);
        bool self = false;
        for (const CollectorLog::Entry &e : log.all("appProcessesData")) {
            const Process p = e.args.at(0).value<Process>();
            if (p.processId == QString::number(QCoreApplication::applicationPid())) {
                self = true;
                QCOMPARE(p.path,
                         QFileInfo(QCoreApplication::applicationFilePath()).canonicalFilePath());
            }
        }
        QVERIFY(self);

        Worker services;
        CollectorLog serviceLog(&services);
        QCOMPARE(services.servicesWMIData(), 0);
        const QStringList states { "Running", "Start Pending", "Stop Pending", "Stopped",
                                   "Unknown" };
        for (const CollectorLog::Entry &e : serviceLog.all("appServicesData")) {
            const Service s = e.args.at(0).value<Service>();
            QVERIFY2(states.contains(s.state),
                     qPrintable(s.serviceName + QLatin1Char(' ') + s.state));
        }
    }

    // The device and list collectors all at once, each on a thread of its own as the window
    // starts them; records cross to this thread through queued connections.
    void listsAllAtOnceOnThreads()
    {
        int ended = 0;
        int records = 0;
        QStringList errors;
        QVector<QThread *> threads;
        for (const char *slot : kListSlots) {
            auto *thread = new QThread;
            auto *worker = new Worker;
            worker->moveToThread(thread);
            connect(thread, &QThread::started, worker, [worker, slot]() {
                QMetaObject::invokeMethod(worker, slot, Qt::DirectConnection);
            });
            connect(worker, &Worker::hardwareData, this, [&records](HardwareData d) {
                records += d.label.isEmpty() || d.value.isEmpty() ? 1000000 : 1;
            });
            connect(worker, &Worker::appProcessesData, this, [&records](Process) { ++records; });
            connect(worker, &Worker::finished, this, [&ended]() { ++ended; });
            connect(worker, &Worker::collectorAborted, this,
                    [&errors, slot]() { errors << QString::fromLatin1(slot); });
            connect(worker, &Worker::finished, thread, &QThread::quit);
            connect(worker, &Worker::collectorAborted, thread, &QThread::quit);
            connect(thread, &QThread::finished, worker, &QObject::deleteLater);
            threads << thread;
            thread->start();
        }
        const int count = int(std::size(kListSlots));
        QTRY_VERIFY_WITH_TIMEOUT(ended + errors.size() == count, 60000);
        QVERIFY2(errors.isEmpty(), qPrintable(errors.join(", ")));
        for (QThread *t : qAsConst(threads)) {
            QVERIFY(t->wait(10000));
            delete t;
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        // At least the motherboard rows and the processes, and no empty row field.
        QVERIFY2(records > 0 && records < 1000000, qPrintable(QString::number(records)));
    }
};

QTEST_MAIN(TestCollectLive)
#include "tst_collect_live.moc"
