// Runs the device and list collectors on this machine through the real platform layer, all at once
// on threads of their own. Values and shapes are pinned on the fixture trees.

#include "collectortesting.h"

#include "collect/worker.h"

#include <QThread>
#include <QtTest>

namespace {

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
        QCoreApplication::setOrganizationName(QStringLiteral("Dravonel"));
        QCoreApplication::setApplicationName(QStringLiteral("Verdimon Nuvo"));
        registerRecordTypes();
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
