#include "net/uploadthread.h"

#include "app/productinfo.h"
#include "net/networkmanager.h"

#include <QCoreApplication>
#include <QThread>

namespace UploadThread {

namespace {

constexpr int quitWaitMs = 3000;

void run(const std::function<void(NetworkManager *)> &queue, const ConnectResults &connectResults)
{
    auto *thread = new QThread;
    auto *request = new NetworkManager;
    request->moveToThread(thread);
    // Queued while the thread is not running: the call waits for its event loop.
    queue(request);
    connectResults(request);
    QObject::connect(request, &NetworkManager::finished, thread, &QThread::quit);
    QObject::connect(request, &NetworkManager::finished, request, &QObject::deleteLater);
    QObject::connect(thread, &QThread::finished, thread, &QObject::deleteLater);
    // Quitting interrupts an upload still under way (it ends within a second) and waits for it.
    QObject::connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit, thread,
                     [thread]() {
                         thread->requestInterruption();
                         thread->quit();
                         thread->wait(quitWaitMs);
                     });
    thread->start(QThread::InheritPriority);
}

} // namespace

FtpData telemetryRecord(const QString &folderPath, const QString &filePath, const QString &kind)
{
    FtpData record;
    record.folderPath = folderPath;
    record.filePath = filePath;
    record.productName = QString::fromLatin1(Product::displayName);
    record.kind = kind;
    record.removeFile = false;
    record.removeFolder = true;
    record.useInstallersPath = false;
    return record;
}

void uploadFile(const FtpData &record, const ConnectResults &connectResults)
{
    uploadRecords({ record }, connectResults);
}

void uploadRecords(const QVector<FtpData> &records, const ConnectResults &connectResults)
{
    registerFtpDataMetaTypes();
    run(
        [&records](NetworkManager *request) {
            QMetaObject::invokeMethod(request, "uploadToFtp", Qt::AutoConnection,
                                      Q_ARG(QVector<FtpData>, records));
        },
        connectResults);
}

void uploadFiles(const QString &productName, const QString &folder, const QStringList &paths,
                 const ConnectResults &connectResults)
{
    run(
        [&](NetworkManager *request) {
            QMetaObject::invokeMethod(request, "multipleUploadsToFTP", Qt::AutoConnection,
                                      Q_ARG(QString, productName), Q_ARG(QString, folder),
                                      Q_ARG(QStringList, paths));
        },
        connectResults);
}

} // namespace UploadThread
