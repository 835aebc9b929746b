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
    if (bytes >= 1024)
        return QStringLiteral("%1 %2").arg(bytes / 1024).arg(QObject::tr("KB"));
    return QStringLiteral("%1 %2").arg(bytes).arg(QObject::tr("bytes"));
}

QString tooLarge(qint64 limit)
{
    return QObject::tr("The server's reply is larger than %1 and was refused.")
        .arg(sizeText(limit));
}

// Whether the request's Accept-Encoding names the encoding (identity is always taken).
bool encodingAsked(const QNetworkReply *reply, const QByteArray &encoding)
{
    if (encoding.isEmpty() || encoding == "identity")
        return true;
    const QList<QByteArray> asked = reply->request().rawHeader("Accept-Encoding").split(',');
    for (const QByteArray &entry : asked) {
        if (entry.split(';').value(0).trimmed().toLower() == encoding)
            return true;
    }
    return false;
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

ReplyBounds::ReplyBounds(QNetworkReply *watched, qint64 limit, int deadline, bool collecting,
                         const NetworkIntake &requestIntake)
    : QObject(watched)
    , reply(watched)
    , maxBytes(limit)
    , deadlineTimer(new QTimer(this))
    , intakeTimer(new QTimer(this))
    , intake(requestIntake)
    , collect(collecting)
{
    sinceData.start();
    deadlineTimer->setSingleShot(true);
    connect(deadlineTimer, &QTimer::timeout, this, [this, deadline]() {
        refuse(QObject::tr("The server did not complete its reply within %1 seconds.")
                   .arg(qMax(1, (deadline + 999) / 1000)));
    });
    deadlineTimer->start(deadline);

    // A server may take its time before it answers; what it sends meanwhile is bounded. A
    // redirect sends a new request, whose headers are measured from then on.
    connect(intakeTimer, &QTimer::timeout, this, &ReplyBounds::checkIntake);
    intakeTimer->start(intakeCheckMs);
    connect(reply, &QNetworkReply::redirected, this, [this]() {
        intake.restart();
        intakeTimer->start();
    });

    // Runs before the handlers connected later: they see the verdict on the length.
    connect(reply, &QNetworkReply::finished, this, &ReplyBounds::checkComplete);
    connect(reply, &QNetworkReply::metaDataChanged, this, &ReplyBounds::checkHeaders);
    connect(reply, &QNetworkReply::downloadProgress, this, &ReplyBounds::checkReceived);
    // downloadProgress may lag behind the buffer; readyRead sees what is held now.
    connect(reply, &QNetworkReply::readyRead, this, [this]() {
        sinceData.start();
        if (collect)
            collectBody();
        else
            checkReceived(reply->bytesAvailable());
    });
}

ReplyBounds *ReplyBounds::watch(QNetworkReply *reply, Kind kind, qint64 maxBytes, int deadline,
                                const NetworkIntake &intake)
{
    auto *bounds = new ReplyBounds(reply, maxBytes, deadline, kind != Setup, intake);
    reply->setProperty(propertyName, QVariant::fromValue<QObject *>(bounds));
    // A buffered reply gets a read buffer just above its limit, so a server that sends more is
    // refused before more is held; the setup, read as it arrives, a buffer that keeps the network
    // from running ahead of the file.
    constexpr qint64 setupBuffer = 1024 * 1024;
    reply->setReadBufferSize(kind == Setup ? qMin(maxBytes + 1, setupBuffer) : maxBytes + 1);
    return bounds;
}

void ReplyBounds::checkHeaders()
{
    intakeTimer->stop();
    const QVariant length = reply->header(QNetworkRequest::ContentLengthHeader);
    declared = length.isValid() && length.toLongLong() > 0;
    declaredLength = length.isValid() ? length.toLongLong() : -1;
    // Only what the request asked for is taken: an encoding it did not ask for is nothing the
    // handlers could read, and one that unpacks would hold more than its bytes on the wire.
    if (!encodingAsked(reply, reply->rawHeader("Content-Encoding").trimmed().toLower()))
        refuse(QObject::tr(
            "The server's reply is in an encoding that was not asked for and was refused."));
    else if (declaredLength > maxBytes)
        refuse(tooLarge(maxBytes));
}

void ReplyBounds::checkIntake()
{
    const qint64 taken = intake.bytes(); // finds the request's thread, once it is there
    const qint64 limit = intake.countsThreadReads() ? headerIntakeLimit + reply->readBufferSize()
                                                    : headerGrowthLimit;
    if (taken > limit)
        refuse(QObject::tr("The server's reply headers are larger than %1 and were refused.")
                   .arg(sizeText(limit)));
}

void ReplyBounds::checkReceived(qint64 bytesReceived)
{
    received = qMax(received, bytesReceived);
    if (bytesReceived > maxBytes)
        refuse(tooLarge(maxBytes));
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
    intakeTimer->stop();
    deadlineTimer->stop();
    if (collect && reply->isOpen())
        collectBody();
    const QNetworkReply::NetworkError error = reply->error();
    // Qt's stall timer ends a reply that got no data for the request's transfer time-out as
    // cancelled, at the earliest a twentieth early (a coarse timer); every other abort (a
    // refusal, a TLS error, a cancel) comes with its own reason or outcome, or long before.
    const int stallMs = reply->request().transferTimeout();
    if (reason.isEmpty() && error == QNetworkReply::OperationCanceledError && stallMs > 0
        && sinceData.elapsed() >= stallMs - stallMs / 10) {
        reason = QObject::tr("The server did not respond for %n seconds.", nullptr,
                             qMax(1, (stallMs + 999) / 1000));
        body = QByteArray();
        return;
    }
    // Qt may end a reply whose connection closed early without an error; a part of a body is
    // no answer.
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
    intakeTimer->stop();
    body = QByteArray();
    reply->abort();
}

QString ReplyBounds::failure(const QNetworkReply *reply)
{
    const auto *bounds
        = qobject_cast<const ReplyBounds *>(reply->property(propertyName).value<QObject *>());
    if (!bounds || bounds->reason.isEmpty())
        return QString();
    // The text goes to the window's thread in a signal, while this object goes with the reply
    // on the request's thread: a shared text would be released there last, through counts kept
    // partly inside Qt, where the thread sanitizer can't see the hand-over.
    return QString(bounds->reason.constData(), bounds->reason.size());
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
