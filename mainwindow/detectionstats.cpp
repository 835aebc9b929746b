#include "mainwindow/detectionstats.h"

#include "collect/worker.h"

#include <QElapsedTimer>
#include <QThread>
#include <mutex>

#include <algorithm>
#include <atomic>
#include <memory>

namespace {

std::atomic<int> threadsAlive { 0 };
std::atomic<int> workersAlive { 0 };
std::mutex durationsMutex;

// Never destroyed: a detection thread that ends while the process exits may still write here.
QVector<DetectionStats::Duration> &endedDetections()
{
    static auto *durations = new QVector<DetectionStats::Duration>;
    return *durations;
}

} // namespace

void DetectionStats::track(const QString &key, QThread *thread, Worker *worker)
{
    ++threadsAlive;
    ++workersAlive;
    // Direct connections without a context: destroyed runs on whichever thread deletes the
    // object, and QThread::finished on the detection thread itself.
    QObject::connect(thread, &QObject::destroyed, [] { --threadsAlive; });
    QObject::connect(worker, &QObject::destroyed, [] { --workersAlive; });
    auto timer = std::make_shared<QElapsedTimer>();
    timer->start();
    QObject::connect(thread, &QThread::finished, [key, timer] {
        const std::lock_guard<std::mutex> lock(durationsMutex);
        // One entry per detection: a refresh replaces the figure of the run before it, so the
        // list describes the last batch and never grows.
        QVector<Duration> &ended = endedDetections();
        ended.erase(std::remove_if(ended.begin(), ended.end(),
                                   [&key](const Duration &d) { return d.key == key; }),
                    ended.end());
        ended.append({ key, timer->nsecsElapsed() });
    });
}

int DetectionStats::liveThreads()
{
    return threadsAlive.load();
}

int DetectionStats::liveWorkers()
{
    return workersAlive.load();
}

QVector<DetectionStats::Duration> DetectionStats::durations()
{
    const std::lock_guard<std::mutex> lock(durationsMutex);
    return endedDetections();
}

void DetectionStats::clearDurations()
{
    const std::lock_guard<std::mutex> lock(durationsMutex);
    endedDetections().clear();
}
