#include "mainwindow/reportjob.h"

#include <QCoreApplication>
#include <QThreadPool>

namespace {

constexpr int quitWaitMs = 10000;

void waitForJobsBeforeQuit()
{
    static bool connected = false;
    if (connected)
        return;
    connected = true;
    QObject::connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit,
                     []() { QThreadPool::globalInstance()->waitForDone(quitWaitMs); });
}

} // namespace

void ReportJob::run(QObject *context, std::function<bool()> work, std::function<void(bool)> done)
{
    waitForJobsBeforeQuit();
    // The relay lives on the GUI thread and ends itself once it has delivered the result, so
    // the job never touches the receiver.
    auto *relay = new ReportJob;
    connect(relay, &ReportJob::finished, context, std::move(done));
    connect(relay, &ReportJob::finished, relay, &QObject::deleteLater);
    QThreadPool::globalInstance()->start([relay, work = std::move(work)]() {
        const bool ok = work();
        emit relay->finished(ok);
    });
}
