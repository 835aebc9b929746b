#pragma once
// A background job of the report operations (PDF export, hardware-data file). The job works on
// values only; its result comes back on the GUI thread.

#include <QObject>
#include <QString>

#include <functional>

class ReportJob : public QObject
{
    Q_OBJECT

public:
    // Runs `work` on a thread of its own and then `done` with its result and the reason it
    // gave on the GUI thread, unless `context` is gone by then. Before the application quits
    // it waits (bounded) for a job still running.
    static void run(QObject *context, std::function<bool(QString *reason)> work,
                    std::function<void(bool ok, const QString &reason)> done);

signals:
    void finished();

private:
    ReportJob() = default;
};
