#include "mainwindow/reportjob.h"

#include <QCoreApplication>
#include <QThread>

#include <memory>
#include <mutex>

namespace {

constexpr int quitWaitMs = 10000;

// What the job hands to the GUI thread. Qt's event queue already orders the two sides, but
// under a lock inside Qt that the thread sanitizer cannot see; this one it sees.
struct Result
{
    std::mutex lock;
    bool ok = false;
    QString reason;
};

} // namespace

void ReportJob::run(QObject *context, std::function<bool(QString *)> work,
                    std::function<void(bool, const QString &)> done)
{
    // The relay lives on the GUI thread and ends itself once it has delivered the result, so
    // the job never touches the receiver.
    auto *relay = new ReportJob;
    auto result = std::make_shared<Result>();
    connect(relay, &ReportJob::finished, context, [result, done = std::move(done)]() {
        std::unique_lock<std::mutex> guard(result->lock);
        const bool ok = result->ok;
        const QString reason = result->reason;
        guard.unlock();
        done(ok, reason);
    });
    connect(relay, &ReportJob::finished, relay, &QObject::deleteLater);
    QThread *thread = QThread::create([relay, result, work = std::move(work)]() {
        QString reason;
        const bool ok = work(&reason);
        {
            const std::lock_guard<std::mutex> guard(result->lock);
            result->ok = ok;
            result->reason = reason;
        }
        emit relay->finished();
    });
    connect(thread, &QThread::finished, thread, &QObject::deleteLater);
    connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit, thread,
            [thread]() { thread->wait(quitWaitMs); });
    thread->start(QThread::InheritPriority);
}
