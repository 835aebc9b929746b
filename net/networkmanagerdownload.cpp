// Downloading an offered setup: the file written as it arrives, progress figures, cancelling
// and the verdict at the end. Starting the setup is the Updates window's business.

#include "net/networkmanager.h"

#include "app/atomicfile.h"
#include "app/productinfo.h"
#include "app/systemfunctions.h"

#include <QDir>
#include <QFile>
#include <QNetworkAccessManager>
#include <QNetworkRequest>
#include <QUrl>

namespace {

constexpr int maximumRedirects = 3;

} // namespace

QString NetworkManager::setupFilePath(const QString &folder, int effectiveChannel)
{
    const QString package = productPackageName(QString::fromLatin1(Product::displayName));
    const QString architecture = formatArchitecture(QStringLiteral("64"));
    const QString word = setupChannelWord(effectiveChannel);
    const QString path = word.isEmpty()
        ? QStringLiteral("%1/%2.Setup.%3.exe").arg(folder, package, architecture)
        : QStringLiteral("%1/%2.%3.Setup.%4.exe").arg(folder, package, word, architecture);
    return QDir::toNativeSeparators(path);
}

NetworkManager::DownloadFigures NetworkManager::downloadFigures(qint64 bytesReceived,
                                                                qint64 bytesTotal, qint64 elapsedMs,
                                                                int previousPercentage)
{
    DownloadFigures figures;
    figures.percentage = previousPercentage;
    // Nothing to tell before the first byte, and no speed without elapsed time.
    if (bytesReceived < 1 || elapsedMs <= 0)
        return figures;

    const qint64 totalKB = bytesTotal > 0 ? bytesTotal / 1024 : 0;
    const qint64 receivedKB = bytesReceived / 1024;
    const qint64 remaining = bytesTotal > 0 ? qMax<qint64>(bytesTotal - bytesReceived, 0) : 0;
    const double bytesPerSecond = double(bytesReceived) * 1000.0 / double(elapsedMs);

    if (bytesPerSecond < 1024) {
        figures.speed = bytesPerSecond;
        figures.speedUnit = QObject::tr("bytes/s");
    } else if (bytesPerSecond < 1048576) {
        figures.speed = bytesPerSecond / 1024;
        figures.speedUnit = QObject::tr("KB/s");
    } else {
        figures.speed = bytesPerSecond / 1048576;
        figures.speedUnit = QObject::tr("MB/s");
    }

    if (totalKB > 0) {
        const bool inMegabytes = totalKB > 1024;
        const qint64 total = inMegabytes ? totalKB / 1024 : totalKB;
        const qint64 received = inMegabytes ? receivedKB / 1024 : receivedKB;
        figures.total = int(total);
        figures.received = int(received);
        figures.sizeUnit = inMegabytes ? QObject::tr("MB") : QObject::tr("KB");
        figures.percentage = int(received * 100 / total);
    } else {
        const bool inMegabytes = receivedKB > 1024;
        figures.total = 0;
        figures.received = int(inMegabytes ? receivedKB / 1024 : receivedKB);
        figures.sizeUnit = inMegabytes ? QObject::tr("MB") : QObject::tr("KB");
        // A setup below one kilobyte still has a size: count its percentage in bytes.
        if (bytesTotal > 0)
            figures.percentage = int(bytesReceived * 100 / bytesTotal);
    }

    figures.elapsed = formatDuration(elapsedMs);
    figures.remaining = formatRemainingTime(remaining, qint64(bytesPerSecond));
    figures.valid = true;
    return figures;
}

void NetworkManager::downloadUpdate(QString appUpdateUrl)
{
    emit updateStarted();
    emit updatesPaths(downloadPath, installPath);

    // A restart on the same object begins from a clean state.
    releaseDownload();
    progressPercentage = 0;
    downloadBytesTotal = -1;
    downloadBytesWritten = 0;
    downloadWriteError.clear();

    const QUrl url(appUpdateUrl, QUrl::TolerantMode);
    // The setup runs with the user's rights or more: it never comes over an unauthenticated
    // connection.
    if (!url.isValid() || url.scheme().compare(QLatin1String("https"), Qt::CaseInsensitive) != 0
        || url.host().isEmpty()) {
        emit updateFailed(QObject::tr("The setup address is not a secure (https) address."));
        emit finished();
        return;
    }

    // The file is opened before anything is requested, so an unwritable folder is reported
    // at once instead of after the whole download. The setup is written beside its place and
    // moved there only when complete: nothing cut short is ever handed to the installer.
    updateFilePath = setupFilePath(downloadPath, effectiveUpdateChannel(updatesChannel));
    QDir().mkpath(QFileInfo(updateFilePath).absolutePath());
    updateFile = std::make_shared<AtomicFile>(updateFilePath);
    if (!updateFile->open()) {
        const QString reason = QObject::tr("The setup file cannot be written:") + QLatin1Char(' ')
            + QDir::toNativeSeparators(updateFilePath) + QLatin1String(" (")
            + updateFile->errorString() + QLatin1Char(')');
        releaseDownload();
        emit updateFailed(reason);
        emit finished();
        return;
    }

    createManager();
    QNetworkRequest request(url);
    // Redirects may not leave https, and a chain longer than three fails.
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::NoLessSafeRedirectPolicy);
    request.setMaximumRedirectsAllowed(maximumRedirects);
    request.setTransferTimeout(stallTimeoutMs);
    request.setRawHeader("User-Agent",
                         QStringLiteral("%1/%2 (%3)")
                             .arg(QStringLiteral("VerdimonNuvo"),
                                  QString::fromLatin1(Product::version), QStringLiteral("Windows"))
                             .toUtf8());

    reply = send(request, ReplyBounds::Setup);
    downloadTimer.start();
    connect(reply, &QNetworkReply::readyRead, this, &NetworkManager::onDownloadReadyRead);
    connect(reply, &QNetworkReply::downloadProgress, this, &NetworkManager::onDownloadProgress);
    connect(reply, &QNetworkReply::finished, this, &NetworkManager::onDownloadFinished);
}

void NetworkManager::setDownloadCanceled()
{
    downloadCanceled = true;
    // Abort now: a stalled server would otherwise keep the download until the next data.
    if (reply && reply->isRunning())
        reply->abort();
}

void NetworkManager::onDownloadReadyRead()
{
    if (!reply || !updateFile)
        return;
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (status != 200 || reply->bytesAvailable() <= 0)
        return;
    if (downloadCanceled || !downloadWriteError.isEmpty()) {
        if (reply->isRunning())
            reply->abort();
        return;
    }
    const QByteArray data = reply->readAll();
    if (!updateFile->write(data)) {
        downloadWriteError = updateFile->errorString();
        reply->abort();
        return;
    }
    downloadBytesWritten += data.size();
}

void NetworkManager::onDownloadProgress(qint64 bytesReceived, qint64 bytesTotal)
{
    if (downloadCanceled)
        return;
    downloadBytesTotal = bytesTotal;
    const DownloadFigures figures
        = downloadFigures(bytesReceived, bytesTotal, downloadTimer.elapsed(), progressPercentage);
    if (!figures.valid || figures.speed <= 0)
        return;
    progressPercentage = figures.percentage;
    emit downloadProgressData(figures.speed, figures.speedUnit, figures.total, figures.received,
                              figures.percentage, figures.sizeUnit, figures.elapsed,
                              figures.remaining);
}

void NetworkManager::onDownloadFinished()
{
    if (!reply)
        return;
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    const QNetworkReply::NetworkError error = reply->error();
    // Whatever is still buffered belongs to the file.
    if (status == 200 && error == QNetworkReply::NoError && !downloadCanceled)
        onDownloadReadyRead();
    if (reply->isOpen())
        reply->close();

    if (downloadCanceled) {
        // The user asked for it: no failure to report, whatever the reply says.
        removeUpdateFile();
        emit updateAborted();
    } else if (!downloadWriteError.isEmpty()) {
        removeUpdateFile();
        emit updateFailed(QObject::tr("The setup file cannot be written:") + QLatin1Char(' ')
                          + QDir::toNativeSeparators(updateFilePath) + QLatin1String(" (")
                          + downloadWriteError + QLatin1Char(')'));
    } else if (!ReplyBounds::failure(reply).isEmpty()) {
        removeUpdateFile();
        emit updateFailed(ReplyBounds::failure(reply));
    } else if (status != 200 || error != QNetworkReply::NoError) {
        removeUpdateFile();
        emit updateAborted(status, error);
    } else if (!reply->header(QNetworkRequest::ContentLengthHeader).isValid()
               || downloadBytesTotal <= 0) {
        // Without a size there is no telling a complete setup from a truncated one.
        removeUpdateFile();
        emit updateFailed(
            QObject::tr("The server did not send the size of the setup, so the download "
                        "cannot be verified."));
    } else if (downloadBytesWritten != downloadBytesTotal) {
        removeUpdateFile();
        emit updateFailed(QObject::tr("The download ended before the whole setup arrived."));
    } else if (!updateFile->commit()) {
        // The last buffered bytes, the sync or the move failed: the setup is not complete.
        emit updateFailed(QObject::tr("The setup file cannot be written:") + QLatin1Char(' ')
                          + QDir::toNativeSeparators(updateFilePath) + QLatin1String(" (")
                          + updateFile->errorString() + QLatin1Char(')'));
    } else {
        progressPercentage = 100;
        emit updateDownloadedSuccessfully(progressPercentage);
        emit installUpdate(updateFilePath, { QStringLiteral("/verysilent") });
    }
    releaseDownload();
    emit finished();
}

void NetworkManager::removeUpdateFile()
{
    // Only the unfinished part goes; a setup downloaded before stays as it was.
    if (updateFile && !updateFile->discard())
        emit failedToDeleteUpdateFile();
}

void NetworkManager::releaseDownload()
{
    if (reply) {
        reply->disconnect(this);
        if (reply->isRunning())
            reply->abort();
        reply->deleteLater();
        reply = nullptr;
    }
    updateFile.reset(); // an unfinished part is removed
    if (manager) {
        manager->deleteLater();
        manager = nullptr;
    }
}
