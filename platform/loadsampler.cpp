#include "loadsampler.h"

#include <QHash>

namespace plat {

namespace {

using namespace std::chrono_literals;

constexpr auto kLiveWindow = 1000ms;

struct Registry
{
    std::mutex mutex;
    QHash<QString, std::shared_ptr<LoadSampler>> samplers;
};

// Never destroyed: a detection thread may still ask for its sampler while the process exits.
Registry &registry()
{
    static Registry *const r = new Registry;
    return *r;
}

// Only the "cpu" lines: the rest of /proc/stat (the interrupt counts above all) is most of it.
QByteArray cpuLines(const QByteArray &stat)
{
    QByteArray out;
    int from = 0;
    while (from < stat.size()) {
        int end = stat.indexOf('\n', from);
        if (end < 0)
            end = stat.size();
        if (end - from >= 3 && qstrncmp(stat.constData() + from, "cpu", 3) == 0)
            out.append(stat.constData() + from, end - from + 1);
        from = end + 1;
    }
    return out;
}

} // namespace

LoadSampler::LoadSampler(const SysRoot &root, std::chrono::milliseconds window)
    : m_root(root)
    , m_window(window)
{
    m_last = readNext();
    m_firstAt = m_lastAt = Clock::now();
}

LoadSampler::~LoadSampler()
{
    stop();
}

void LoadSampler::start()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (!m_thread.joinable() && !m_stopped)
        m_thread = std::thread([this] { run(); });
}

void LoadSampler::stop()
{
    std::thread thread;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_stopped = true;
        thread = std::move(m_thread);
    }
    m_changed.notify_all();
    if (thread.joinable())
        thread.join();
}

std::optional<LoadSampler::Window> LoadSampler::latest()
{
    std::unique_lock<std::mutex> lock(m_mutex);
    if (!m_latest && m_readings < 2) {
        m_changed.wait_until(lock, m_firstAt + m_window,
                             [this] { return m_stopped || m_latest.has_value(); });
        // The sampling thread may not have woken yet, or there is none.
        if (!m_stopped && !m_latest)
            sampleLocked();
    }
    if (m_stopped)
        return std::nullopt;
    return m_latest;
}

QByteArray LoadSampler::readNext()
{
    const int index = m_readings++;
    const QString name = m_root.isLive() || index == 0
        ? QStringLiteral("/proc/stat")
        : QStringLiteral("/proc/stat.%1").arg(index + 1);
    return cpuLines(m_root.read(name, 256 * 1024));
}

void LoadSampler::sampleLocked()
{
    QByteArray now = readNext();
    m_lastAt = Clock::now();
    if (now.isEmpty() && !m_root.isLive())
        return; // the fixture's sequence has ended: its last window stays
    m_latest = Window { m_last, now };
    m_last = std::move(now);
    m_changed.notify_all();
}

void LoadSampler::run()
{
    std::unique_lock<std::mutex> lock(m_mutex);
    while (!m_stopped) {
        if (m_changed.wait_until(lock, m_lastAt + m_window, [this] { return m_stopped; }))
            break;
        // A query may have taken a reading meanwhile; the window runs from the last one.
        if (Clock::now() >= m_lastAt + m_window)
            sampleLocked();
    }
}

std::shared_ptr<LoadSampler> LoadSampler::forRoot(const SysRoot &root)
{
    Registry &r = registry();
    std::lock_guard<std::mutex> lock(r.mutex);
    if (auto found = r.samplers.value(root.root()))
        return found;
    if (!root.isLive())
        return std::make_shared<LoadSampler>(root, std::chrono::milliseconds(0));
    auto live = std::make_shared<LoadSampler>(root, kLiveWindow);
    live->start();
    r.samplers.insert(root.root(), live);
    return live;
}

void LoadSampler::startLive()
{
    forRoot(SysRoot());
}

void LoadSampler::stopLive()
{
    install(SysRoot().root(), nullptr);
}

void LoadSampler::install(const QString &root, std::shared_ptr<LoadSampler> sampler)
{
    std::shared_ptr<LoadSampler> previous;
    {
        Registry &r = registry();
        std::lock_guard<std::mutex> lock(r.mutex);
        previous = r.samplers.take(root);
        if (sampler)
            r.samplers.insert(root, std::move(sampler));
    }
    // Stopped here, not when the last query lets go of it, so quitting does not wait on a query.
    if (previous)
        previous->stop();
}

} // namespace plat
