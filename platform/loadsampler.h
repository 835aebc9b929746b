#pragma once
// Processor load kept the way the system's own performance counters keep it: a sampler started
// with the process reads the per-CPU counters of /proc/stat once a window (one second) and holds
// the readings at both ends of the latest window, so a query answers at once. Only a query made
// before the first window has closed waits, and never beyond the end of that window.

#include "sysroot.h"

#include <QByteArray>

#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>

namespace plat {

class LoadSampler
{
public:
    using Clock = std::chrono::steady_clock;

    // The "cpu" lines of /proc/stat at the two ends of a window.
    struct Window
    {
        QByteArray before;
        QByteArray after;
    };

    // Takes the first reading now. A fixture tree (not the live root) reads the sequence
    // /proc/stat, /proc/stat.2, /proc/stat.3 ... one file a window, and keeps its last window
    // when the files run out.
    LoadSampler(const SysRoot &root, std::chrono::milliseconds window);
    ~LoadSampler();
    LoadSampler(const LoadSampler &) = delete;
    LoadSampler &operator=(const LoadSampler &) = delete;

    // Reads once a window on a thread of its own until stop(). Without it a query that comes
    // after the first window takes the second reading itself and the figure then stays.
    void start();
    // Ends the thread; a query still waiting returns at once without a window.
    void stop();
    // The latest window; nullopt once stopped or when the second reading failed.
    std::optional<Window> latest();

    // The sampler of a root: the one installed for it (the live root's is made and started on
    // first use when start-up did not), else a one-off that reads a fixture tree's first two
    // files at once.
    static std::shared_ptr<LoadSampler> forRoot(const SysRoot &root);
    // The process-wide sampler of the live root: started with the process, stopped before exit.
    static void startLive();
    static void stopLive();
    // Makes `sampler` the one for `root` (nullptr removes it); tests use fixture roots.
    static void install(const QString &root, std::shared_ptr<LoadSampler> sampler);

private:
    QByteArray readNext();
    void sampleLocked();
    void run();

    const SysRoot m_root;
    const Clock::duration m_window;
    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::thread m_thread;
    int m_readings = 0;
    Clock::time_point m_firstAt;
    Clock::time_point m_lastAt;
    QByteArray m_last;
    std::optional<Window> m_latest;
    bool m_stopped = false;
};

} // namespace plat
