#include "net/ftptransfer.h"

#include <QElapsedTimer>
#include <QFile>
#include <QObject>
#include <QStringList>
#include <QUrl>

#include <curl/curl.h>

#include <sys/socket.h>

#include <cerrno>
#include <memory>

namespace {

constexpr int maxReplyLineLength = 512;
// All the server may say during one upload: the exchange takes well under a few kilobytes, even
// with a long welcome text. A server that says more (an endless greeting) is not listened to.
constexpr qint64 maxReplyBytes = 64 * 1024;
// libcurl's own clock rounds to whole milliseconds; its limits are set this much beyond the
// stated ones, so that it never gives up before the time a reason states has passed.
constexpr int clockLeewayMs = 20;

void initialiseCurlOnce()
{
    // curl_global_init must not run beside other libcurl calls; a function-local static runs it
    // exactly once, before the first handle, whichever upload thread gets here first.
    static const CURLcode initialised = curl_global_init(CURL_GLOBAL_DEFAULT);
    Q_UNUSED(initialised)
}

// What the callbacks see of one upload; they run on the uploading thread only.
struct TransferState
{
    QFile *file = nullptr;
    qint64 size = 0;
    qint64 read = 0;
    bool readFailed = false;

    const std::function<bool()> *isCancelled = nullptr;
    bool cancelled = false;
    int stallTimeoutMs = 0;
    bool stalled = false;
    QElapsedTimer sinceActivity;
    curl_off_t moved = -1;

    // Final reply lines of the control connection, in order: 150/125 open the data transfer,
    // the next reply acknowledges it, and the one after that answers SIZE (213 with the size).
    qint64 replyBytes = 0;
    bool flooded = false; // the server said more than maxReplyBytes
    bool transferOpened = false;
    int acknowledgement = 0;
    int sizeReply = 0;
    qint64 remoteSize = -1;
};

size_t readChunk(char *buffer, size_t size, size_t count, void *userData)
{
    auto *state = static_cast<TransferState *>(userData);
    // Never more than the announced size: a file that grows meanwhile is sent as it was.
    const qint64 wanted = qMin(qint64(size * count), state->size - state->read);
    if (wanted <= 0)
        return 0;
    const qint64 got = state->file->read(buffer, wanted);
    if (got < 0) {
        state->readFailed = true;
        return CURL_READFUNC_ABORT;
    }
    state->read += got;
    return size_t(got);
}

size_t serverReply(char *buffer, size_t size, size_t count, void *userData)
{
    auto *state = static_cast<TransferState *>(userData);
    const size_t length = size * count;
    state->sinceActivity.restart();
    state->replyBytes += qint64(length);
    if (state->replyBytes > maxReplyBytes) {
        state->flooded = true;
        return 0; // ends the transfer
    }
    const QByteArray line
        = QByteArray(buffer, int(qMin(length, size_t(maxReplyLineLength)))).trimmed();
    // The last line of a reply is "ddd text"; "ddd-text" lines continue it.
    const bool finalLine = line.size() >= 4 && line.at(3) == ' ';
    bool isCode = false;
    const int code = finalLine ? line.left(3).toInt(&isCode) : 0;
    if (!isCode)
        return length;
    if (code == 125 || code == 150) {
        state->transferOpened = true;
    } else if (state->transferOpened && state->acknowledgement == 0) {
        state->acknowledgement = code;
    } else if (state->acknowledgement != 0 && state->sizeReply == 0) {
        state->sizeReply = code;
        bool ok = false;
        const qint64 remoteSize = line.mid(4).trimmed().toLongLong(&ok);
        if (code == 213 && ok && remoteSize >= 0)
            state->remoteSize = remoteSize;
    }
    return length;
}

int progress(void *userData, curl_off_t, curl_off_t downloaded, curl_off_t, curl_off_t uploaded)
{
    auto *state = static_cast<TransferState *>(userData);
    if (*state->isCancelled && (*state->isCancelled)()) {
        state->cancelled = true;
        return 1;
    }
    if (downloaded + uploaded != state->moved) {
        state->moved = downloaded + uploaded;
        state->sinceActivity.restart();
    } else if (state->sinceActivity.hasExpired(state->stallTimeoutMs)) {
        state->stalled = true;
        return 1;
    }
    return 0;
}

struct CurlDeleter
{
    void operator()(CURL *handle) const { curl_easy_cleanup(handle); }
};
struct ListDeleter
{
    void operator()(curl_slist *list) const { curl_slist_free_all(list); }
};

// ftp://host:port/%2F<segments>: "%2F" keeps the path absolute, every segment is
// percent-encoded so that '#', '?', '%' and ';' stay part of a name.
QByteArray transferUrl(const QString &host, quint16 port, const QString &remotePath)
{
    QByteArray url = "ftp://";
    url += host.contains(QLatin1Char(':')) ? '[' + host.toUtf8() + ']' : host.toUtf8();
    url += ':' + QByteArray::number(port) + "/%2F";
    const QStringList segments = remotePath.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    for (int i = 0; i < segments.size(); ++i)
        url += (i > 0 ? "/" : "") + QUrl::toPercentEncoding(segments.at(i));
    return url;
}

int secondsAtLeastOne(int milliseconds)
{
    return qMax(1, (milliseconds + 999) / 1000);
}

FtpTransfer::Result ended(FtpTransfer::Outcome outcome, const QString &reason)
{
    return FtpTransfer::Result { outcome, reason };
}

QString silenceReason(int seconds)
{
    return QObject::tr("The server did not respond for %n seconds.", nullptr, seconds);
}

QString floodReason()
{
    return QObject::tr("The server's reply is larger than %1 and was refused.")
        .arg(QStringLiteral("%1 %2").arg(maxReplyBytes / 1024).arg(QObject::tr("KB")));
}

// Ends the control connection without the goodbye: libcurl would otherwise send QUIT when the
// handle is cleaned up and wait for its answer as long as for any reply, so a silent server
// would hold the upload for the stall time a second time after its outcome was known.
void hangUp(CURL *handle)
{
    curl_socket_t control = CURL_SOCKET_BAD;
    if (curl_easy_getinfo(handle, CURLINFO_ACTIVESOCKET, &control) == CURLE_OK
        && control != CURL_SOCKET_BAD)
        ::shutdown(control, SHUT_RDWR);
}

// A connection that never came about: the server said no, or there is no way to it.
FtpTransfer::Result notConnected(long osError)
{
    if (osError == ECONNREFUSED) {
        return ended(FtpTransfer::Outcome::Broken,
                     QObject::tr("The server refused the connection."));
    }
    return ended(FtpTransfer::Outcome::Unreachable,
                 QObject::tr("The server could not be reached."));
}

} // namespace

FtpTransfer::FtpTransfer(const QString &host, quint16 port, const QString &user,
                         const QString &password)
    : host(host)
    , port(port)
    , user(user)
    , password(password)
{
}

bool FtpTransfer::hasControlCharacter(const QString &text)
{
    for (const QChar c : text) {
        if (c.category() == QChar::Other_Control || c == QChar::LineSeparator
            || c == QChar::ParagraphSeparator)
            return true;
    }
    return false;
}

FtpTransfer::Result FtpTransfer::upload(QFile *file, const QString &remotePath) const
{
    using O = Outcome;
    if (hasControlCharacter(remotePath)) {
        return ended(O::Failed,
                     QObject::tr("The file name contains control characters; it was not sent."));
    }
    initialiseCurlOnce();
    std::unique_ptr<CURL, CurlDeleter> curl(curl_easy_init());
    if (!curl) {
        return ended(O::Failed,
                     QObject::tr("The upload failed: %1")
                         .arg(QString::fromUtf8(curl_easy_strerror(CURLE_OUT_OF_MEMORY))));
    }
    CURL *h = curl.get();

    // The limits count in whole seconds, the unit the reasons state them in.
    const int stallSeconds = secondsAtLeastOne(limits.stallTimeoutMs);
    const int connectSeconds = secondsAtLeastOne(limits.connectTimeoutMs);
    const int deadlineSeconds = secondsAtLeastOne(limits.deadlineMs);

    TransferState state;
    state.file = file;
    state.size = file->size();
    state.isCancelled = &cancelled;
    state.stallTimeoutMs = stallSeconds * 1000;

    const QString fileName = remotePath.section(QLatin1Char('/'), -1);
    // "*": a server without SIZE still takes the upload; its size is then not compared.
    std::unique_ptr<curl_slist, ListDeleter> sizeQuery(
        curl_slist_append(nullptr, QByteArray("*SIZE " + fileName.toUtf8()).constData()));
    const QByteArray url = transferUrl(host, port, remotePath);
    const QByteArray userName = user.toUtf8();
    const QByteArray secret = password.toUtf8();
    char errorText[CURL_ERROR_SIZE] = {};

    curl_easy_setopt(h, CURLOPT_URL, url.constData());
    curl_easy_setopt(h, CURLOPT_PROTOCOLS_STR, "ftp");
    curl_easy_setopt(h, CURLOPT_USERNAME, userName.constData());
    curl_easy_setopt(h, CURLOPT_PASSWORD, secret.constData());
    curl_easy_setopt(h, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(h, CURLOPT_ERRORBUFFER, errorText);
    curl_easy_setopt(h, CURLOPT_UPLOAD, 1L);
    curl_easy_setopt(h, CURLOPT_INFILESIZE_LARGE, curl_off_t(state.size));
    curl_easy_setopt(h, CURLOPT_READFUNCTION, readChunk);
    curl_easy_setopt(h, CURLOPT_READDATA, &state);
    curl_easy_setopt(h, CURLOPT_HEADERFUNCTION, serverReply);
    curl_easy_setopt(h, CURLOPT_HEADERDATA, &state);
    curl_easy_setopt(h, CURLOPT_NOPROGRESS, 0L);
    curl_easy_setopt(h, CURLOPT_XFERINFOFUNCTION, progress);
    curl_easy_setopt(h, CURLOPT_XFERINFODATA, &state);
    curl_easy_setopt(h, CURLOPT_POSTQUOTE, sizeQuery.get());
    // The stall is judged by the progress check on this side's clock, which starts before
    // libcurl's: libcurl's own reply and speed limits stay a second beyond it, only in case the
    // check is not asked in time. Its connect time-out and deadline are kept by libcurl, more
    // closely than once-a-second checks could, with a leeway for its rounding to milliseconds.
    // Either way an upload never ends before the time its reason states.
    curl_easy_setopt(h, CURLOPT_CONNECTTIMEOUT_MS, long(connectSeconds) * 1000 + clockLeewayMs);
    curl_easy_setopt(h, CURLOPT_TIMEOUT_MS, long(deadlineSeconds) * 1000 + clockLeewayMs);
    curl_easy_setopt(h, CURLOPT_SERVER_RESPONSE_TIMEOUT, long(stallSeconds) + 1);
    curl_easy_setopt(h, CURLOPT_LOW_SPEED_LIMIT, 1L);
    curl_easy_setopt(h, CURLOPT_LOW_SPEED_TIME, long(stallSeconds) + 1);

    QElapsedTimer running;
    running.start();
    state.sinceActivity.start();
    const CURLcode code = curl_easy_perform(h);
    long reply = 0;
    curl_easy_getinfo(h, CURLINFO_RESPONSE_CODE, &reply);
    curl_off_t sent = 0;
    curl_easy_getinfo(h, CURLINFO_SIZE_UPLOAD_T, &sent);
    long osError = 0;
    curl_easy_getinfo(h, CURLINFO_OS_ERRNO, &osError);
    // Counts also what libcurl dropped of a reply line too long to keep.
    long replyBytes = 0;
    curl_easy_getinfo(h, CURLINFO_HEADER_SIZE, &replyBytes);
    hangUp(h);

    if (state.cancelled)
        return ended(O::Failed, QObject::tr("The upload was cancelled."));
    if (state.readFailed) {
        return ended(O::Failed,
                     QObject::tr("The file could not be read: %1").arg(file->errorString()));
    }
    if (state.stalled)
        return ended(O::Broken, silenceReason(stallSeconds));
    if (code != CURLE_OK && (state.flooded || replyBytes > maxReplyBytes))
        return ended(O::Broken, floodReason());
    switch (code) {
    case CURLE_OK:
        break;
    case CURLE_COULDNT_RESOLVE_HOST:
        return ended(O::Unreachable, QObject::tr("The server could not be reached."));
    case CURLE_COULDNT_CONNECT:
        return notConnected(osError);
    case CURLE_OPERATION_TIMEDOUT:
        if (running.elapsed() >= qint64(deadlineSeconds) * 1000) {
            return ended(
                O::Broken,
                QObject::tr("The upload did not end within %n seconds.", nullptr, deadlineSeconds));
        }
        // Until the data connection is up, the connect time-out, counted from the start, bounds
        // the set-up of both connections as well.
        return ended(O::Broken,
                     silenceReason(!state.transferOpened
                                           && running.elapsed() >= qint64(connectSeconds) * 1000
                                       ? qMin(connectSeconds, stallSeconds)
                                       : stallSeconds));
    case CURLE_FTP_ACCEPT_TIMEOUT:
        return ended(O::Broken, silenceReason(stallSeconds));
    case CURLE_SEND_ERROR:
    case CURLE_RECV_ERROR:
    case CURLE_GOT_NOTHING:
        return ended(O::Broken, QObject::tr("The server closed the connection."));
    case CURLE_LOGIN_DENIED:
        return ended(O::Failed, QObject::tr("The server refused the login."));
    case CURLE_UPLOAD_FAILED:
    case CURLE_REMOTE_ACCESS_DENIED:
    case CURLE_REMOTE_FILE_NOT_FOUND:
        return ended(O::Failed, QObject::tr("The server refused the file (reply %1).").arg(reply));
    case CURLE_PARTIAL_FILE:
        if (sent < state.size) {
            return ended(O::Failed,
                         QObject::tr("Only %1 of %2 bytes were sent.").arg(sent).arg(state.size));
        }
        return ended(O::Failed,
                     QObject::tr("The server did not confirm the transfer (reply %1).").arg(reply));
    default:
        // libcurl's own text names the fault; it never holds the password (set apart from the
        // URL), and the caller masks it anyway. A server that speaks no FTP is not tried again.
        return ended(
            code == CURLE_FTP_WEIRD_SERVER_REPLY ? O::Broken : O::Failed,
            QObject::tr("The upload failed: %1")
                .arg(QString::fromUtf8(*errorText ? errorText : curl_easy_strerror(code))));
    }

    // libcurl checks most of this itself; the upload is only done once it is verified here.
    if (sent != state.size || state.read != state.size) {
        return ended(O::Failed,
                     QObject::tr("Only %1 of %2 bytes were sent.").arg(sent).arg(state.size));
    }
    if (state.acknowledgement != 226 && state.acknowledgement != 250) {
        return ended(O::Failed,
                     QObject::tr("The server did not confirm the transfer (reply %1).")
                         .arg(state.acknowledgement));
    }
    // The acknowledgement alone is not enough: a server may call a transfer complete and keep
    // less, so a size it tells must be the file's. One that refuses SIZE (not implemented, or
    // not permitted to an account that may only upload, as accounts receiving reports often
    // are) leaves the acknowledgement to decide.
    if (state.sizeReply >= 500 && state.sizeReply <= 599)
        return Result { O::Arrived, QString() };
    if (state.remoteSize < 0) {
        return ended(O::Failed,
                     QObject::tr("The server did not confirm the file's size (reply %1).")
                         .arg(state.sizeReply));
    }
    if (state.remoteSize != state.size) {
        return ended(O::Failed,
                     QObject::tr("The server holds %1 of the file's %2 bytes.")
                         .arg(state.remoteSize)
                         .arg(state.size));
    }
    return Result { O::Arrived, QString() };
}
