// Timing of one full batch of detections in the main window, built offscreen: the time from
// startAllDetections until every detection has ended and every record is in its tree, the time
// of each detection, and the peak memory of the process. Runs on this machine through the Linux
// platform layer, or with --fake N on a fake machine of N processes and N/2 packages.
//
//   bench_detections [--fake N] [--rounds R]

#include "detectiontesting.h"

#include "app/msgdialog.h"
#include "mainwindow/detectionstats.h"
#include "mainwindow/listrowbatcher.h"
#include "mainwindow/verdimonnuvo.h"
#include "platform/fakes/fakeplatform.h"
#include "platform/fakes/fakeprovider.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeWidget>

#include <malloc.h>
#include <sys/resource.h>

#include <algorithm>
#include <cstdio>
#include <memory>

class BenchDetections
{
public:
    static inline qint64 longestStallNs = 0;

    // Runs one batch; returns its time in nanoseconds (or -1 when it did not end in time).
    static qint64 runBatch(VerdimonNuvo &window)
    {
        DetectionStats::clearDurations();
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
        while (DetectionStats::liveThreads() > 0 || DetectionStats::liveWorkers() > 0
               || window.listRows()->pendingCount() > 0) {
            if (timer.elapsed() > 120000)
                return -1;
            QCoreApplication::processEvents(QEventLoop::AllEvents);
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            // Rows still waiting for their tick go in now: the batch is over when they are in.
            if (DetectionStats::liveThreads() == 0)
                window.listRows()->flushAll();
        }
        return timer.nsecsElapsed();
    }

    static void printRows(VerdimonNuvo &window)
    {
        const std::pair<const char *, QTreeWidget *> trees[] = {
            { "OS", window.osTree },
            { "CPU", window.cpuTree },
            { "GPU", window.gpuTree },
            { "RAM", window.ramTree },
            { "Storage", window.storageTree },
            { "Optical Devices", window.opticalTree },
            { "Motherboard", window.motherboardTree },
            { "Sound Devices", window.soundTree },
            { "Network", window.networkTree },
            { "Peripheral", window.peripheralTree },
            { "Services", window.servicesTree },
            { "Processes", window.processesTree },
            { "Applications", window.appsTree },
            { "Drivers", window.driversTree },
            { "Startup", window.startupTree },
            { "TPM", window.tpmTree },
        };
        std::printf("rows per page:");
        for (const auto &tree : trees)
            std::printf(" %s=%d", tree.first, tree.second->topLevelItemCount());
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

} // namespace

int main(int argc, char **argv)
{
    // A private settings store: the window reads its settings, and nothing of the user's is
    // touched.
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
    int rounds = 3;
    const QStringList args = QCoreApplication::arguments();
    for (int index = 1; index + 1 < args.size(); ++index) {
        if (args.at(index) == QLatin1String("--fake"))
            fakeProcesses = args.at(index + 1).toInt();
        else if (args.at(index) == QLatin1String("--rounds"))
            rounds = std::max(1, args.at(index + 1).toInt());
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

    for (int round = 1; round <= rounds; ++round) {
        const qint64 total = BenchDetections::runBatch(window);
        if (total < 0) {
            std::printf("round %d: the batch did not end within 120 s\n", round);
            return 1;
        }
        QVector<DetectionStats::Duration> durations = DetectionStats::durations();
        std::sort(durations.begin(), durations.end(),
                  [](const auto &a, const auto &b) { return a.nanoseconds > b.nanoseconds; });
        qint64 withoutCpu = 0;
        for (const auto &duration : durations)
            if (duration.key != QLatin1String("CPU"))
                withoutCpu = std::max(withoutCpu, duration.nanoseconds);
        std::printf(
            "round %d: whole batch %.1f ms (every record in its tree); slowest detection "
            "other than CPU %.1f ms; longest GUI stall %.1f ms; peak RSS %ld KB; heap in use "
            "%.0f KB\n",
            round, ms(total), ms(withoutCpu), ms(BenchDetections::longestStallNs), peakRssKb(),
            heapInUseKb());
        std::printf("  per detection (start to thread end):");
        for (const auto &duration : durations)
            std::printf(" %s %.1f;", qPrintable(duration.key), ms(duration.nanoseconds));
        std::printf("\n");
    }
    BenchDetections::printRows(window);
    if (!boxes.isEmpty())
        std::printf("message boxes: %s\n", qPrintable(boxes.join(QStringLiteral("; "))));
    return 0;
}
