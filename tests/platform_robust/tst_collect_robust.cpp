// The hardware collectors on damaged machine trees: every run ends, and its rows keep their shape
// with no empty label or value.

#include "mangledtree.h"

#include "collectorchecks.h"

#include "collect/worker.h"
#include "platform/linuxprovider.h"
#include "platform/platform.h"

#include <QtTest>

class TestCollectRobust : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { registerRecordTypes(); }
    void damagedMachine_data();
    void damagedMachine();
};

void TestCollectRobust::damagedMachine_data()
{
    addDamagedMachineRows();
}

void TestCollectRobust::damagedMachine()
{
    QFETCH(QString, machine);
    QFETCH(int, damage);
    QFETCH(quint32, seed);

    const MangledTree tree(QStringLiteral(VN_FIXTURES_DIR "/") + machine, Damage(damage), seed);
    QVERIFY(tree.isValid());
    const plat::SysRoot root(tree.root());
    const wmi::ScopedProvider provider(std::make_shared<plat::LinuxProvider>(root));
    const plat::ScopedPlatform platform(plat::makeLinuxPlatform(root));

    for (Collector c :
         { Collector::OS, Collector::CPU, Collector::GPU, Collector::RAM, Collector::Storage }) {
        Worker worker;
        SignalLog log(&worker);
        QCOMPARE(runCollector(worker, c), 0);
        const QString problem = CollectorChecks::shapeProblem(log, c);
        QVERIFY2(problem.isEmpty(), qPrintable(collectorName(c) + QStringLiteral(": ") + problem));
    }
}

QTEST_GUILESS_MAIN(TestCollectRobust)
#include "tst_collect_robust.moc"
