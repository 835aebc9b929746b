// FTP uploads of reports, logs, hardware data and feedback attachments.

#include "app/config.h"
#include "app/systemfunctions.h"
#include "net/ftptransfer.h"
#include "net/networkmanager.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QThread>

namespace {

const QString applicationBase = QStringLiteral("/public_html/apps/");
const QString installersBase = QStringLiteral("/public_html/apps/installers/online/ostrel");
const QString ftpUser = QStringLiteral("user_dravonel_ftp");
const QString ftpPassword = QStringLiteral("Vq7Lm2Xr9Tb4Nc8K");

// The upload account's connection gives up sooner than the whole stall time when it cannot even
// connect.
constexpr int maxConnectTimeoutMs = 15000;

FtpTransfer accountTransfer(int stallTimeoutMs)
{
    FtpTransfer transfer(Config::ftpHost(), Config::ftpPort(), ftpUser, ftpPassword);
    FtpTransfer::Limits limits;
    limits.stallTimeoutMs = stallTimeoutMs;
    limits.connectTimeoutMs = qMin(stallTimeoutMs, maxConnectTimeoutMs);
    transfer.setLimits(limits);
    // Quitting interrupts the upload's thread; the transfer then ends within a second.
    transfer.setCancelCheck([]() { return QThread::currentThread()->isInterruptionRequested(); });
    return transfer;
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

QString NetworkManager::withoutFtpPassword(QString text)
{
    const QString mask = QStringLiteral("***");
    text.replace(ftpPassword, mask);
    text.replace(QString::fromLatin1(QUrl::toPercentEncoding(ftpPassword)), mask);
    return text;
}

void NetworkManager::setStallTimeout(int milliseconds)
{
    stallTimeoutMs = milliseconds;
}

bool NetworkManager::uploadRecord(const FtpData &data)
{
    const QString fileName = QFileInfo(data.filePath).fileName();
    QFile file(data.filePath);
    // An unopened file would go out as an empty upload.
    if (!file.open(QIODevice::ReadOnly)) {
        emit uploadFailed(fileName, unreadableFileReason(file));
        return true;
    }
    const QString remotePath
        = ftpTargetPath(data.productName, data.kind, fileName, data.useInstallersPath);
    const FtpTransfer::Result result = accountTransfer(stallTimeoutMs).upload(&file, remotePath);
    file.close();
    switch (result.outcome) {
    case FtpTransfer::Outcome::Arrived:
        // Only now, with the whole file on the server, may the local data go.
        if (data.removeFile) {
            QFile::remove(data.filePath);
            // The folder goes too when this file was all it held.
            if (!data.folderPath.isEmpty())
                QDir().rmdir(data.folderPath);
        }
        if (data.removeFolder && !data.folderPath.isEmpty())
            QDir(data.folderPath).removeRecursively();
        emit dataUploaded();
        return true;
    case FtpTransfer::Outcome::Unreachable:
        emit noNetworkAvailable();
        // The later files would meet the same.
        return false;
    case FtpTransfer::Outcome::Broken:
        emit uploadFailed(fileName, withoutFtpPassword(result.reason));
        return false;
    case FtpTransfer::Outcome::Failed:
        break;
    }
    emit uploadFailed(fileName, withoutFtpPassword(result.reason));
    return true;
}

void NetworkManager::uploadToFtp(QVector<FtpData> ftpDataVector)
{
    for (const FtpData &data : qAsConst(ftpDataVector)) {
        if (QThread::currentThread()->isInterruptionRequested() || !uploadRecord(data))
            break;
    }
    emit finished();
}

void NetworkManager::multipleUploadsToFTP(QString productName, QString ftpDirName,
                                          QStringList filesPath)
{
    const bool installers = productName == QLatin1String("Ostrel");
    const FtpTransfer transfer = accountTransfer(stallTimeoutMs);
    for (const QString &path : qAsConst(filesPath)) {
        if (QThread::currentThread()->isInterruptionRequested())
            break;
        QFile file(path);
        const QString fileName = QFileInfo(path).fileName();
        if (!file.open(QIODevice::ReadOnly)) {
            emit uploadFailed(fileName, unreadableFileReason(file));
            continue;
        }
        const FtpTransfer::Result result
            = transfer.upload(&file, ftpTargetPath(productName, ftpDirName, fileName, installers));
        if (result.outcome == FtpTransfer::Outcome::Arrived)
            continue;
        emit uploadFailed(fileName, withoutFtpPassword(result.reason));
        // A server that cannot be reached, refused or closed the connection or went silent would
        // do the same to the next file: trying them would only make the user wait that long again
        // for each.
        if (result.outcome != FtpTransfer::Outcome::Failed)
            break;
    }
    emit finished();
}
