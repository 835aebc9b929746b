// Times one full batch of detections in the offscreen main window (until every record is in its
// tree), the longest stall of the window and the peak memory, on this machine or with --fake N on
// a fake machine; with lshw installed, also the ratio to the median of five `lshw -quiet` runs.
// --soak B runs B batches back to back and prints the resident memory as it goes.
//
//   bench_detections [--fake N] [--rounds R] [--soak B]

#include "detectiontesting.h"

#include "app/applog.h"
#include "app/msgdialog.h"
#include "mainwindow/detectionstats.h"
#include "mainwindow/listrowbatcher.h"
#include "mainwindow/verdimonnuvo.h"
#include "platform/fakes/fakeplatform.h"
#include "platform/fakes/fakeprovider.h"
#include "platform/loadsampler.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeWidget>

#include <malloc.h>
#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <memory>

class BenchDetections
{
public:
    static inline qint64 longestStallNs = 0;
    static inline wmi::FakeProvider *fake = nullptr; // its call log is emptied before each batch

    // Runs one batch; returns its time in nanoseconds (or -1 when it did not end in time).
    // refreshes: how many times the batch is started over once records have begun to arrive.
    static qint64 runBatch(VerdimonNuvo &window, int refreshes = 0)
    {
        DetectionStats::clearDurations();
        if (fake)
            fake->clearCalls();
        QElapsedTimer timer;
        timer.start();
        // The longest the GUI thread went without running a 1 ms timer: how long the window
        // stood still while the records came in.
        QElapsedTimer sinceTick;
        sinceTick.start();
        longestStallNs = 0;
        QTimer ticker;
        ticker.setInterval(1);
        QObject::connect(&ticker, &QTimer::timeout, [&sinceTick] {
            longestStallNs = std::max(longestStallNs, sinceTick.nsecsElapsed());
            sinceTick.restart();
        });
        ticker.start();
        window.resetAllPages();
        window.startAllDetections();
        for (int refresh = 0; refresh < refreshes; ++refresh) {
            QElapsedTimer midway;
            midway.start();
            while (midway.elapsed() < 2)
                QCoreApplication::processEvents(QEventLoop::AllEvents);
            window.refreshAllData();
        }
        while (DetectionStats::liveThreads() > 0 || DetectionStats::liveWorkers() > 0
               || window.listRows()->pendingCount() > 0) {
            if (timer.elapsed() > 120000)
                return -1;
            // Waits as the window's own loop does (the ticker wakes it every millisecond).
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        }
        return timer.nsecsElapsed();
    }

    static void printRows(VerdimonNuvo &window)
    {
        const char *names[]
            = { "OS",           "CPU",     "GPU",     "RAM",        "Storage",  "Optical",
                "Motherboard",  "Sound",   "Network", "Peripheral", "Services", "Processes",
                "Applications", "Drivers", "Startup", "SMART",      "TPM" };
        const QVector<QTreeWidget *> trees = window.reportTrees();
        std::printf("rows per page:");
        for (int i = 0; i < trees.size(); ++i)
            std::printf(" %s=%d", names[i], trees.at(i)->topLevelItemCount());
        std::printf("\n");
    }
};

namespace {

double ms(qint64 ns)
{
    return double(ns) / 1e6;
}

long peakRssKb()
{
    rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// Bytes the allocator has handed out and not had back, over all its arenas.
double heapInUseKb()
{
    return double(mallinfo2().uordblks) / 1024.0;
}

long residentKb()
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return -1;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.size() > 1 ? fields.at(1).toLong() * (sysconf(_SC_PAGESIZE) / 1024) : -1;
}

qint64 median(QVector<qint64> values)
{
    std::sort(values.begin(), values.end());
    return values.isEmpty() ? -1 : values.at(values.size() / 2);
}

// Median of five fresh `lshw -quiet` runs in nanoseconds; -1 when lshw is not installed.
qint64 lshwMedianNs()
{
    const QString lshw = QStandardPaths::findExecutable(QStringLiteral("lshw"));
    if (lshw.isEmpty())
        return -1;
    QVector<qint64> times;
    for (int run = 0; run < 5; ++run) {
        QProcess process;
        process.setStandardOutputFile(QProcess::nullDevice());
        process.setStandardErrorFile(QProcess::nullDevice());
        QElapsedTimer timer;
        timer.start();
        process.start(lshw, { QStringLiteral("-quiet") });
        if (!process.waitForFinished(120000) || process.exitStatus() != QProcess::NormalExit)
            return -1;
        times << timer.nsecsElapsed();
    }
    return median(times);
}

// Batches back to back; the resident memory after batch 100 and after the last.
int soak(VerdimonNuvo &window, int batches)
{
    long at100 = -1;
    for (int batch = 1; batch <= batches; ++batch) {
        const int refreshes = batch % 100 == 0 ? 10 : batch % 2;
        if (BenchDetections::runBatch(window, refreshes) < 0) {
            std::printf("soak batch %d did not end within 120 s\n", batch);
            return 1;
        }
        if (batch == 100)
            at100 = residentKb();
        if (batch % 100 == 0 || batch == batches)
            std::printf("soak batch %d: resident %ld KB; heap in use %.0f KB; log %lld chars\n",
                        batch, residentKb(), heapInUseKb(),
                        static_cast<long long>(logText().size()));
    }
    if (at100 >= 0)
        std::printf("soak: resident after batch %d minus after batch 100: %+ld KB\n", batches,
                    residentKb() - at100);
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    // As the program does: malloc arenas limited, the processor load kept from the start.
    mallopt(M_ARENA_MAX, 4);
    plat::LoadSampler::startLive();
    // A private settings store: nothing of the user's is touched.
    QTemporaryDir home;
    qputenv("XDG_CONFIG_HOME", home.filePath(QStringLiteral("config")).toUtf8());
    qputenv("XDG_DATA_HOME", home.filePath(QStringLiteral("data")).toUtf8());
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");

    QApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Dravonel"));
    QCoreApplication::setApplicationName(QStringLiteral("Verdimon Nuvo"));
    QStringList boxes;
    MsgDialog::setTestResponder([&boxes](MsgDialog *box) {
        boxes << box->textLabel()->text();
        return int(QDialogButtonBox::Ok);
    });

    int fakeProcesses = 0;
    int rounds = 5;
    int soakBatches = 0;
    const QStringList args = QCoreApplication::arguments();
    for (int index = 1; index + 1 < args.size(); ++index) {
        if (args.at(index) == QLatin1String("--fake"))
            fakeProcesses = args.at(index + 1).toInt();
        else if (args.at(index) == QLatin1String("--rounds"))
            rounds = std::max(1, args.at(index + 1).toInt());
        else if (args.at(index) == QLatin1String("--soak"))
            soakBatches = args.at(index + 1).toInt();
    }

    std::shared_ptr<wmi::FakeProvider> fake;
    std::unique_ptr<wmi::ScopedProvider> useFake;
    plat::FakePlatform fakes;
    std::unique_ptr<plat::ScopedPlatform> usePlatform;
    if (fakeProcesses > 0) {
        fake = std::make_shared<wmi::FakeProvider>();
        DetectionTesting::MachineShape shape;
        shape.processes = fakeProcesses;
        shape.services = fakeProcesses / 4;
        shape.applications = fakeProcesses / 2;
        DetectionTesting::fillMachine(*fake, fakes, shape);
        useFake = std::make_unique<wmi::ScopedProvider>(fake);
        BenchDetections::fake = fake.get();
        usePlatform = std::make_unique<plat::ScopedPlatform>(fakes.platform());
    }

    const long rssBeforeWindow = peakRssKb();
    VerdimonNuvo window(VerdimonNuvo::StartupActions::Skip);
    std::printf("machine: %s\n",
                fakeProcesses > 0
                    ? qPrintable(QStringLiteral("fake, %1 processes").arg(fakeProcesses))
                    : "this machine (Linux platform layer)");
    std::printf("peak RSS before the window: %ld KB, with the window: %ld KB\n", rssBeforeWindow,
                peakRssKb());

    if (soakBatches > 0)
        return soak(window, soakBatches);

    QVector<qint64> batches;
    qint64 longestStall = 0;
    for (int round = 1; round <= rounds; ++round) {
        const qint64 total = BenchDetections::runBatch(window);
        if (total < 0) {
            std::printf("round %d: the batch did not end within 120 s\n", round);
            return 1;
        }
        qint64 withoutCpu = 0;
        QString perDetection; // start to thread end, in the order the detections ended
        for (const auto &duration : DetectionStats::durations()) {
            if (duration.key != QLatin1String("CPU"))
                withoutCpu = std::max(withoutCpu, duration.nanoseconds);
            perDetection += QStringLiteral(" %1 %2;")
                                .arg(duration.key)
                                .arg(ms(duration.nanoseconds), 0, 'f', 1);
        }
        std::printf(
            "round %d: whole batch %.1f ms (every record in its tree); slowest detection "
            "other than CPU %.1f ms; longest GUI stall %.1f ms; peak RSS %ld KB; heap in use "
            "%.0f KB\n",
            round, ms(total), ms(withoutCpu), ms(BenchDetections::longestStallNs), peakRssKb(),
            heapInUseKb());
        std::printf("  per detection:%s\n", qPrintable(perDetection));
        // The first round may wait for the load sampler's first window, as a batch started
        // within a second of the program's start does.
        if (round > 1 || rounds == 1)
            batches << total;
        longestStall = std::max(longestStall, BenchDetections::longestStallNs);
    }
    const qint64 batch = median(batches);
    std::printf("whole batch (median of rounds %d-%d) %.1f ms; longest stall %.1f ms; peak RSS "
                "%ld KB\n",
                rounds > 1 ? 2 : 1, rounds, ms(batch), ms(longestStall), peakRssKb());
    const qint64 lshw = lshwMedianNs();
    if (lshw > 0)
        std::printf("lshw -quiet (median of 5): %.1f ms; ratio batch / lshw %.3f\n", ms(lshw),
                    double(batch) / double(lshw));
    else
        std::printf("lshw is not installed: no ratio\n");
    BenchDetections::printRows(window);
    if (!boxes.isEmpty())
        std::printf("message boxes: %s\n", qPrintable(boxes.join(QStringLiteral("; "))));
    return 0;
}
