#pragma once
// What the NetworkManager tests share: the HTTPS stand-in, a manager run on its own thread as
// the window runs it, and one setup download with the signals it gave.

#include "app/config.h"
#include "app/settings.h"
#include "httpsstandin.h"
#include "net/networkmanager.h"
#include "signallog.h"

#include <QJsonParseError>
#include <QPointer>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>

#include <functional>
#include <memory>

class NetworkFixture
{
protected:
    bool startServer()
    {
        qRegisterMetaType<QJsonParseError>("QJsonParseError");
        qRegisterMetaType<QNetworkReply::NetworkError>();
        return server.start(QStringLiteral("latest"), { "--trickle-seconds", "0.4" });
    }

    // Runs one operation on a manager on its own thread, as the window does; the signals it sent,
    // in order, end with "<timeout>" when the thread did not end.
    QStringList runOnThread(const std::function<void(NetworkManager *)> &queue, int stallMs = 0,
                            int interruptAfterMs = 0)
    {
        QPointer<QThread> thread = new QThread;
        auto *manager = new NetworkManager;
        if (stallMs > 0)
            manager->setStallTimeout(stallMs);
        manager->moveToThread(thread);
        log = std::make_unique<SignalLog>(manager);
        QObject::connect(manager, &NetworkManager::finished, thread, &QThread::quit);
        QObject::connect(manager, &NetworkManager::finished, manager, &QObject::deleteLater);
        QObject::connect(thread, &QThread::finished, thread, &QObject::deleteLater);
        queue(manager);
        thread->start(QThread::InheritPriority);
        if (interruptAfterMs > 0) {
            QTimer::singleShot(interruptAfterMs, &context, [thread]() {
                if (thread)
                    thread->requestInterruption();
            });
        }
        if (QTest::qWaitFor([&thread] { return thread.isNull(); }, 30000))
            return log->names();
        thread->quit();
        thread->wait(5000);
        return log->names() << QStringLiteral("<timeout>");
    }

    // Runs one download into `folder`; the signals in order, without the progress reports.
    QStringList download(const QString &url, const QString &folder,
                         const std::function<void(NetworkManager *)> &prepare = {})
    {
        QFile::remove(setupPath());
        Settings::setSettingsValue(QStringLiteral("Updates"), QStringLiteral("DownloadPath"),
                                   folder);
        NetworkManager manager;
        manager.setStallTimeout(2000); // the stalled server's row needs no half minute
        if (prepare)
            prepare(&manager);
        log = std::make_unique<SignalLog>(&manager);
        manager.downloadUpdate(url);
        if (!log->waitFor(QStringLiteral("finished"), 25000))
            return log->names() << QStringLiteral("<timeout>");
        return log->names().filter(QRegularExpression(QStringLiteral("^(?!downloadProgressData)")));
    }

    QString setupPath() const { return NetworkManager::setupFilePath(dir.path(), 3); }

    HttpsStandIn server;
    QTemporaryDir dir;
    std::unique_ptr<SignalLog> log;
    QObject context; // of the timers the fixture starts
    const QStringList started { "updateStarted", "updatesPaths" };
    const QStringList installed
        = started + QStringList { "updateDownloadedSuccessfully", "installUpdate", "finished" };
    const QStringList aborted = started + QStringList { "updateAborted(2)", "finished" };
    const QStringList failed = started + QStringList { "updateFailed", "finished" };
};
