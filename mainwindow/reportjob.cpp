#include "mainwindow/reportjob.h"

#include <QCoreApplication>
#include <QThread>

namespace {

constexpr int quitWaitMs = 10000;

} // namespace

void ReportJob::run(QObject *context, std::function<bool()> work, std::function<void(bool)> done)
{
    // The relay lives on the GUI thread and ends itself once it has delivered the result, so
    // the job never touches the receiver.
    auto *relay = new ReportJob;
    connect(relay, &ReportJob::finished, context, std::move(done));
    connect(relay, &ReportJob::finished, relay, &QObject::deleteLater);
    QThread *thread = QThread::create([relay, work = std::move(work)]() {
        const bool ok = work();
        emit relay->finished(ok);
    });
    connect(thread, &QThread::finished, thread, &QObject::deleteLater);
    connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit, thread,
            [thread]() { thread->wait(quitWaitMs); });
    thread->start(QThread::InheritPriority);
}
