#pragma once
// Book-keeping of the detection threads: how many threads and Workers are alive and how long
// each detection of the process ran (from its start to its thread's end). The window keeps no
// pointer to a detection; this only counts them, for the diagnostics of tests and timing runs.

#include <QString>
#include <QVector>

class QThread;
class Worker;

class DetectionStats
{
public:
    struct Duration
    {
        QString key; // page key of the detection ("CPU", "Processes", ...)
        qint64 nanoseconds = 0;
    };

    // Counts the pair until each is destroyed and times the thread from now to its end.
    static void track(const QString &key, QThread *thread, Worker *worker);

    static int liveThreads();
    static int liveWorkers();
    // The last run of each detection that ended since clearDurations(), in the order they ended.
    static QVector<Duration> durations();
    static void clearDurations();
};
