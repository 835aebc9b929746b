#include "accounts/databasethread.h"

#include <QThread>

DatabaseTask::DatabaseTask(std::function<void()> work)
{
    const std::lock_guard<std::mutex> guard(DatabaseThread::handoverLock());
    this->work = std::move(work);
}

void DatabaseTask::run()
{
    std::function<void()> job;
    {
        const std::lock_guard<std::mutex> guard(DatabaseThread::handoverLock());
        job = std::move(work);
    }
    job();
    emit done();
    deleteLater();
}

namespace DatabaseThread {

namespace {

QThread *runningThread = nullptr;

void queue(QThread *thread, std::function<void()> work, QObject *receiver,
           std::function<void()> done)
{
    auto *task = new DatabaseTask(std::move(work));
    task->moveToThread(thread);
    if (receiver)
        QObject::connect(task, &DatabaseTask::done, receiver, std::move(done),
                         Qt::QueuedConnection);
    QMetaObject::invokeMethod(task, &DatabaseTask::run, Qt::QueuedConnection);
}

} // namespace

void post(QObject *receiver, std::function<void()> work, std::function<void()> done)
{
    if (!runningThread) {
        runningThread = new QThread;
        runningThread->setObjectName(QStringLiteral("account database"));
        QObject::connect(runningThread, &QThread::finished, runningThread, &QObject::deleteLater);
        runningThread->start();
    }
    queue(runningThread, std::move(work), receiver, std::move(done));
}

std::mutex &handoverLock()
{
    static std::mutex lock;
    return lock;
}

bool isRunning()
{
    return runningThread != nullptr;
}

bool stop(std::function<void()> last, int timeoutMs)
{
    if (!runningThread)
        return true;
    QThread *thread = std::exchange(runningThread, nullptr);
    // Quitting from inside the last task: every task queued before it runs first.
    queue(thread,
          [last = std::move(last)] {
              last();
              QThread::currentThread()->quit();
          },
          nullptr, {});
    return thread->wait(timeoutMs);
}

} // namespace DatabaseThread
