// The processor-load sampler: the latest window's figure, the first query's wait, stopping.

#include "platform/linuxsources.h"
#include "platform/loadsampler.h"
#include "platformtree.h"

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QtTest>

#include <thread>

using namespace std::chrono_literals;

class TestLoadSampler : public QObject
{
    Q_OBJECT

private slots:
    void figure_data()
    {
        QTest::addColumn<QStringList>("stats");
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("later");
        // user nice system idle iowait: busy is everything but idle and iowait.
        const QString a = "100 0 100 800 0";
        const QString b = "150 0 150 850 50"; // +100 busy of +200
        QTest::newRow("windows in turn") << QStringList { a, b, "250 0 150 900 50" } << 50 << 67;
        QTest::newRow("nothing between readings") << QStringList { a, b, b } << 50 << -1;
    }

    void figure()
    {
        QFETCH(QStringList, stats);
        QFETCH(int, first);
        QFETCH(int, later);
        QTemporaryDir dir;
        writeTree(dir, stats);
        auto sampler = std::make_shared<plat::LoadSampler>(plat::SysRoot(dir.path()), 300ms);
        sampler->start();
        plat::LoadSampler::install(dir.path(), sampler);
        QCOMPARE(load(dir.path()), first);
        QTRY_COMPARE_WITH_TIMEOUT(load(dir.path()), later, 3000);
        plat::LoadSampler::install(dir.path(), nullptr);
    }

    void firstQueryWaitsForTheFirstWindow()
    {
        QTemporaryDir dir;
        writeTree(dir, { "1 0 1 8 0", "2 0 2 16 0" });
        QElapsedTimer sinceStart;
        sinceStart.start();
        plat::LoadSampler sampler(plat::SysRoot(dir.path()), 400ms);
        sampler.start();
        const auto window = sampler.latest();
        const qint64 waited = sinceStart.elapsed();
        QVERIFY(window);
        QVERIFY(window->after.contains("cpu1 2 0 2 16 0"));
        QVERIFY2(waited >= 400 && waited < 900, qPrintable(QString::number(waited)));
        // Once the window has closed the answer comes at once.
        QElapsedTimer again;
        again.start();
        QVERIFY(sampler.latest());
        QVERIFY(again.elapsed() < 100);
    }

    void stopReleasesAWaitingQuery()
    {
        QTemporaryDir dir;
        writeTree(dir, { "1 0 1 8 0", "2 0 2 16 0" });
        plat::LoadSampler sampler(plat::SysRoot(dir.path()), 60s);
        sampler.start();
        bool answered = true;
        QElapsedTimer timer;
        timer.start();
        std::thread query([&] { answered = sampler.latest().has_value(); });
        QThread::msleep(100);
        sampler.stop();
        query.join();
        QVERIFY(!answered);
        QVERIFY(timer.elapsed() < 5000);
    }

private:
    // A tree of two CPUs in one package whose /proc/stat readings are `stats`, in order.
    static void writeTree(const QTemporaryDir &dir, const QStringList &stats)
    {
        QVERIFY(writeTreeFile(
            dir.filePath("proc/cpuinfo"),
            "processor\t: 0\nphysical id\t: 0\n\nprocessor\t: 1\nphysical id\t: 0\n"));
        for (int i = 0; i < stats.size(); ++i) {
            const QString name = i == 0 ? "proc/stat" : QStringLiteral("proc/stat.%1").arg(i + 1);
            // Both CPUs give the same counters; the summary line must not count.
            const QByteArray line = stats.at(i).toLatin1();
            QVERIFY(writeTreeFile(dir.filePath(name),
                                  "cpu  1 2 3 4 5\ncpu0 " + line + "\ncpu1 " + line
                                      + "\nintr 0 1 2\n"));
        }
    }
    // The processor class's LoadPercentage on `root`; -1 for NULL.
    static int load(const QString &root)
    {
        const auto cpus = plat::sources::processors(plat::SysRoot(root));
        if (cpus.size() != 1)
            return -2;
        const wmi::VARIANT value = cpus.first().value("LoadPercentage");
        return value.vt == wmi::VT_NULL ? -1 : value.lVal;
    }
};

QTEST_GUILESS_MAIN(TestLoadSampler)
#include "tst_loadsampler.moc"
