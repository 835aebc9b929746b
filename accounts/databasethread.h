#pragma once
// The account database's own thread. It owns the connection "DBConnection" and runs the
// database tasks one after another, so a server that is slow or silent never holds the GUI
// thread. Called from the GUI thread only.

#include <QObject>
#include <functional>
#include <mutex>

// One task: runs its work on the database thread, then reports done() and releases itself.
class DatabaseTask : public QObject
{
    Q_OBJECT

public:
    explicit DatabaseTask(std::function<void()> work);

    void run();

signals:
    void done();

private:
    std::function<void()> work; // under DatabaseThread::handoverLock()
};

namespace DatabaseThread {

// Runs `work` on the database thread (started on first use), then `done` on the receiver's
// thread. When the receiver is gone by then, nothing is delivered.
void post(QObject *receiver, std::function<void()> work, std::function<void()> done);

// Guards what passes between the GUI thread and the database thread (a task's work, its
// result). Qt's event queue already orders the two sides, but under a lock inside Qt that the
// thread sanitizer cannot see; this one it sees.
std::mutex &handoverLock();

// True while a database thread runs.
bool isRunning();

// Runs `last` after every task posted before, then ends the thread. Waits at most timeoutMs;
// false when the thread is still busy then (it ends by itself once its tasks gave up, and the
// next post starts a new thread).
bool stop(std::function<void()> last, int timeoutMs);

} // namespace DatabaseThread
