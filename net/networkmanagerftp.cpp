// FTP uploads of reports, logs, hardware data and feedback attachments.

#include "app/config.h"
#include "app/systemfunctions.h"
#include "net/networkmanager.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QNetworkAccessManager>
#include <QNetworkRequest>
#include <QTimer>

namespace {

const QString applicationBase = QStringLiteral("/public_html/apps/");
const QString installersBase = QStringLiteral("/public_html/apps/installers/online/ostrel");
const QString ftpUser = QStringLiteral("user_dravonel_ftp");
const QString ftpPassword = QStringLiteral("Vq7Lm2Xr9Tb4Nc8K");

constexpr char stalledProperty[] = "vnStalled";
constexpr int ftpCloseGraceMs = 100;

// Errors that mean the server could not be reached or the connection went away, as opposed to
// the server refusing the upload.
bool isTransportError(const QNetworkReply *reply)
{
    if (reply->property(stalledProperty).toBool())
        return true;
    switch (reply->error()) {
    case QNetworkReply::ConnectionRefusedError:
    case QNetworkReply::RemoteHostClosedError:
    case QNetworkReply::HostNotFoundError:
    case QNetworkReply::TimeoutError:
    case QNetworkReply::TemporaryNetworkFailureError:
    case QNetworkReply::NetworkSessionFailedError:
    case QNetworkReply::UnknownNetworkError:
        return true;
    default:
        return false;
    }
}

QString unreadableFileReason(const QFile &file)
{
    return QObject::tr("The file could not be opened: %1").arg(file.errorString());
}

} // namespace

QString NetworkManager::ftpTargetPath(const QString &productName, const QString &folder,
                                      const QString &fileName, bool useInstallersPath)
{
    if (useInstallersPath)
        return QStringLiteral("%1/telemetry/%2/%3").arg(installersBase, folder, fileName);
    return QStringLiteral("%1%2/telemetry/%3/%4")
        .arg(applicationBase, productKeyForName(productName), folder, fileName);
}

QUrl NetworkManager::ftpAccountUrl(const QString &remotePath)
{
    QUrl url;
    url.setScheme(QStringLiteral("ftp"));
    url.setHost(Config::ftpHost());
    if (Config::ftpPort() != 21)
        url.setPort(Config::ftpPort());
    // Decoded mode: a '#', '?' or '%' in a file name is part of the name, not a URL delimiter.
    url.setPath(remotePath, QUrl::DecodedMode);
    url.setUserName(ftpUser, QUrl::DecodedMode);
    url.setPassword(ftpPassword, QUrl::DecodedMode);
    return url;
}

QString NetworkManager::withoutFtpPassword(QString text)
{
    const QString mask = QStringLiteral("***");
    text.replace(ftpPassword, mask);
    text.replace(QString::fromLatin1(QUrl::toPercentEncoding(ftpPassword)), mask);
    return text;
}

QNetworkReply *NetworkManager::putFile(QFile *file, const QString &remotePath)
{
    QNetworkReply *uploadReply = manager->put(QNetworkRequest(ftpAccountUrl(remotePath)), file);
    // Qt's FTP transfers have no timeout of their own and wait for ever when the server breaks
    // off a transfer: give up once nothing has moved for a while.
    auto *watchdog = new QTimer(uploadReply);
    watchdog->setSingleShot(true);
    watchdog->setInterval(stallTimeoutMs);
    connect(uploadReply, &QNetworkReply::uploadProgress, watchdog, qOverload<>(&QTimer::start));
    connect(watchdog, &QTimer::timeout, uploadReply, [uploadReply]() {
        uploadReply->setProperty(stalledProperty, true);
        uploadReply->abort();
    });
    watchdog->start();
    return uploadReply;
}

void NetworkManager::finishAfterCleanUp()
{
    // finished() ends the thread. The reply, the access manager and Qt's FTP connection behind
    // them are released by events of this thread (a broken connection closes asynchronously),
    // so give them a moment to run first, or they would outlive the thread's event loop.
    QTimer::singleShot(ftpCloseGraceMs, this, &NetworkManager::finished);
}

void NetworkManager::setStallTimeout(int milliseconds)
{
    stallTimeoutMs = milliseconds;
}

void NetworkManager::reportFailedUpload(const QString &fileName, QNetworkReply *failedReply)
{
    if (failedReply->property(stalledProperty).toBool()) {
        emit uploadFailed(fileName, QObject::tr("The connection to the server was lost."));
        return;
    }
    // Qt's FTP error texts carry the whole URL, account password included.
    emit uploadFailed(fileName, withoutFtpPassword(failedReply->errorString()));
}

void NetworkManager::uploadToFtp(QVector<FtpData> ftpDataVector)
{
    if (ftpDataVector.isEmpty()) {
        emit finished();
        return;
    }
    const FtpData data = ftpDataVector.constFirst();
    auto *file = new QFile(data.filePath, this);
    // An unopened file would go out as an empty upload that Qt reports as a success.
    if (!file->open(QIODevice::ReadOnly)) {
        emit uploadFailed(QFileInfo(data.filePath).fileName(), unreadableFileReason(*file));
        delete file;
        emit finished();
        return;
    }
    createManager();
    const QString remotePath = ftpTargetPath(
        data.productName, data.kind, QFileInfo(data.filePath).fileName(), data.useInstallersPath);
    QNetworkReply *uploadReply = putFile(file, remotePath);
    connect(uploadReply, &QNetworkReply::finished, this,
            [this, uploadReply, file, data]() { onUploadFinished(uploadReply, file, data); });
}

void NetworkManager::onUploadFinished(QNetworkReply *uploadReply, QFile *file, const FtpData &data)
{
    file->close();
    file->deleteLater();
    const QNetworkReply::NetworkError error = uploadReply->error();
    if (error == QNetworkReply::NoError) {
        if (data.removeFile) {
            QFile::remove(data.filePath);
            // The folder goes too when this file was all it held.
            if (!data.folderPath.isEmpty())
                QDir().rmdir(data.folderPath);
        }
        if (data.removeFolder && !data.folderPath.isEmpty())
            QDir(data.folderPath).removeRecursively();
        emit dataUploaded();
    } else if (isTransportError(uploadReply)) {
        // Nothing arrived; the local data stays for the user or a later attempt.
        emit noNetworkAvailable();
    } else {
        reportFailedUpload(QFileInfo(data.filePath).fileName(), uploadReply);
    }
    endReply(uploadReply);
    finishAfterCleanUp();
}

void NetworkManager::multipleUploadsToFTP(QString productName, QString ftpDirName,
                                          QStringList filesPath)
{
    createManager();
    pendingUploads = 0;
    for (const QString &path : qAsConst(filesPath)) {
        auto *file = new QFile(path, this);
        const QString fileName = QFileInfo(path).fileName();
        if (!file->open(QIODevice::ReadOnly)) {
            emit uploadFailed(fileName, unreadableFileReason(*file));
            delete file;
            continue;
        }
        const bool installers = productName == QLatin1String("Ostrel");
        QNetworkReply *uploadReply
            = putFile(file, ftpTargetPath(productName, ftpDirName, fileName, installers));
        ++pendingUploads;
        connect(uploadReply, &QNetworkReply::finished, this,
                [this, uploadReply, file]() { onMultipleUploadFinished(uploadReply, file); });
    }
    // Nothing under way (no paths, or none readable): the caller's thread must still end.
    if (pendingUploads == 0) {
        manager->deleteLater();
        manager = nullptr;
        finishAfterCleanUp();
    }
}

void NetworkManager::onMultipleUploadFinished(QNetworkReply *uploadReply, QFile *file)
{
    --pendingUploads;
    if (uploadReply->error() != QNetworkReply::NoError)
        reportFailedUpload(QFileInfo(file->fileName()).fileName(), uploadReply);
    file->close();
    file->deleteLater();
    uploadReply->close();
    uploadReply->deleteLater();
    if (pendingUploads == 0) {
        manager->deleteLater();
        manager = nullptr;
        finishAfterCleanUp();
    }
}
