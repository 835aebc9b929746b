#include "net/replybounds.h"

#include <QBuffer>
#include <QImage>
#include <QImageReader>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>

namespace {

const char propertyName[] = "vnReplyBounds";

QString sizeText(qint64 bytes)
{
    if (bytes >= 1024 * 1024)
        return QStringLiteral("%1 %2").arg(bytes / (1024 * 1024)).arg(QObject::tr("MB"));
    return QStringLiteral("%1 %2").arg(qMax<qint64>(bytes / 1024, 1)).arg(QObject::tr("KB"));
}

} // namespace

qint64 ReplyBounds::sizeLimit(Kind kind)
{
    switch (kind) {
    case Address:
        return 256; // the longest address text is 45 characters
    case Description:
        return 1024 * 1024;
    case AccountText:
        return 64 * 1024;
    case Picture:
        return 4 * 1024 * 1024;
    case Setup:
        return 1024LL * 1024 * 1024;
    }
    return 0;
}

int ReplyBounds::deadlineMs(Kind kind)
{
    switch (kind) {
    case Address:
        return 30000;
    case Setup:
        return 2 * 60 * 60 * 1000; // a setup on a slow line, but not for ever
    default:
        return 60000;
    }
}

ReplyBounds::ReplyBounds(QNetworkReply *watched, qint64 limit, int deadline, bool collecting)
    : QObject(watched)
    , reply(watched)
    , maxBytes(limit)
    , deadlineTimer(new QTimer(this))
    , headersTimer(new QTimer(this))
    , collect(collecting)
{
    deadlineTimer->setSingleShot(true);
    connect(deadlineTimer, &QTimer::timeout, this, [this, deadline]() {
        refuse(QObject::tr("The server did not complete its reply within %1 seconds.")
                   .arg(qMax(1, (deadline + 999) / 1000)));
    });
    deadlineTimer->start(deadline);

    headersTimer->setSingleShot(true);
    headersTimer->setInterval(headersDeadlineMs);
    connect(headersTimer, &QTimer::timeout, this, [this]() {
        refuse(QObject::tr("The server did not send its reply's headers within %1 seconds.")
                   .arg(headersDeadlineMs / 1000));
    });
    // Over TLS the request goes out once the handshake is done, which the stall timer bounds.
    // A redirect sends a new request: at once on the same connection, after a new handshake to
    // another server.
    if (reply->url().scheme().compare(QLatin1String("https"), Qt::CaseInsensitive) != 0)
        headersTimer->start();
    connect(reply, &QNetworkReply::encrypted, headersTimer, qOverload<>(&QTimer::start));
    connect(reply, &QNetworkReply::redirected, this, [this](const QUrl &target) {
        const QUrl from = reply->url();
        const bool sameServer = target.scheme() == from.scheme() && target.host() == from.host()
            && target.port(443) == from.port(443);
        if (sameServer)
            headersTimer->start();
        else
            headersTimer->stop();
    });
    connect(reply, &QNetworkReply::metaDataChanged, headersTimer, &QTimer::stop);

    // Runs before the handlers connected later: they see the verdict on the length.
    connect(reply, &QNetworkReply::finished, this, &ReplyBounds::checkComplete);
    connect(reply, &QNetworkReply::metaDataChanged, this, &ReplyBounds::checkDeclaredSize);
    connect(reply, &QNetworkReply::downloadProgress, this, &ReplyBounds::checkReceived);
    // downloadProgress may lag behind the buffer; readyRead sees what is held now.
    connect(reply, &QNetworkReply::readyRead, this, [this]() {
        headersTimer->stop();
        if (collect)
            collectBody();
        else
            checkReceived(reply->bytesAvailable());
    });
}

ReplyBounds *ReplyBounds::watch(QNetworkReply *reply, Kind kind, qint64 maxBytes, int deadline)
{
    auto *bounds = new ReplyBounds(reply, maxBytes, deadline, kind != Setup);
    reply->setProperty(propertyName, QVariant::fromValue<QObject *>(bounds));
    // A buffered reply gets a read buffer just above its limit, so a server that sends more is
    // refused before more is held; the setup, read as it arrives, a buffer that keeps the network
    // from running ahead of the file.
    constexpr qint64 setupBuffer = 1024 * 1024;
    reply->setReadBufferSize(kind == Setup ? qMin(maxBytes + 1, setupBuffer) : maxBytes + 1);
    return bounds;
}

void ReplyBounds::checkDeclaredSize()
{
    const QVariant length = reply->header(QNetworkRequest::ContentLengthHeader);
    declared = length.isValid() && length.toLongLong() > 0;
    // Qt drops the length of a body it unpacks: then only the unpacked bytes are counted.
    declaredLength = length.isValid() ? length.toLongLong() : -1;
    if (length.isValid() && length.toLongLong() > maxBytes)
        refuse(QObject::tr("The server's reply is larger than %1 and was refused.")
                   .arg(sizeText(maxBytes)));
}

void ReplyBounds::checkReceived(qint64 bytesReceived)
{
    received = qMax(received, bytesReceived);
    if (bytesReceived > maxBytes)
        refuse(QObject::tr("The server's reply is larger than %1 and was refused.")
                   .arg(sizeText(maxBytes)));
}

void ReplyBounds::collectBody()
{
    // Taken from the reply as it comes, so Qt's buffer never fills up and holds the rest back
    // (an unpacked body can stop just below the buffer's size and wait there for good).
    if (!reason.isEmpty())
        return;
    body += reply->read(maxBytes + 1 - body.size());
    checkReceived(body.size());
    if (!reason.isEmpty())
        body = QByteArray();
}

void ReplyBounds::checkComplete()
{
    headersTimer->stop();
    deadlineTimer->stop();
    if (collect && reply->isOpen())
        collectBody();
    // Qt may end a reply whose connection closed early without an error; a part of a body is
    // no answer.
    const QNetworkReply::NetworkError error = reply->error();
    if (!reason.isEmpty() || declaredLength < 0 || received >= declaredLength
        || (error != QNetworkReply::NoError && error != QNetworkReply::RemoteHostClosedError))
        return;
    reason = QObject::tr("The server's reply ended after %1 of the %2 bytes it announced.")
                 .arg(received)
                 .arg(declaredLength);
    body = QByteArray();
}

void ReplyBounds::refuse(const QString &why)
{
    if (!reason.isEmpty() || reply->isFinished())
        return;
    reason = why;
    deadlineTimer->stop();
    headersTimer->stop();
    body = QByteArray();
    reply->abort();
}

QString ReplyBounds::failure(const QNetworkReply *reply)
{
    const auto *bounds
        = qobject_cast<const ReplyBounds *>(reply->property(propertyName).value<QObject *>());
    return bounds ? bounds->reason : QString();
}

bool ReplyBounds::receivedAny(const QNetworkReply *reply)
{
    const auto *bounds
        = qobject_cast<const ReplyBounds *>(reply->property(propertyName).value<QObject *>());
    return reply->bytesAvailable() > 0 || (bounds && (bounds->received > 0 || bounds->declared));
}

bool ReplyBounds::isSuccess(const QNetworkReply *reply)
{
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    return status >= 200 && status < 300;
}

QByteArray ReplyBounds::successBody(QNetworkReply *reply)
{
    auto *bounds = qobject_cast<ReplyBounds *>(reply->property(propertyName).value<QObject *>());
    if (reply->error() != QNetworkReply::NoError || !failure(reply).isEmpty() || !isSuccess(reply))
        return QByteArray();
    if (!bounds || !bounds->collect)
        return reply->readAll();
    QByteArray whole;
    whole.swap(bounds->body);
    return whole;
}

QImage ReplyBounds::boundedImage(const QByteArray &data, QString *reason)
{
    QBuffer buffer;
    buffer.setData(data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    const QSize size = reader.size();
    QString why;
    if (!size.isValid()) {
        why = QObject::tr("The server's reply is not a picture.");
    } else if (size.width() > maxPictureSide || size.height() > maxPictureSide
               || qint64(size.width()) * size.height() > maxPicturePixels) {
        why = QObject::tr("The picture from the server is too large (%1 x %2 pixels).")
                  .arg(size.width())
                  .arg(size.height());
    }
    QImage image;
    if (why.isEmpty() && !reader.read(&image))
        why = QObject::tr("The server's reply is not a picture.");
    if (reason)
        *reason = why;
    return why.isEmpty() ? image : QImage();
}
