// The account services of the vendor's web site: the stored form of a password, the password
// check, captchas, the user's country, e-mail validation with a verification code, avatars.

#include "net/networkmanager.h"

#include "app/config.h"

#include <QDateTime>
#include <QJsonDocument>
#include <QNetworkAccessManager>
#include <QNetworkRequest>
#include <QRegularExpression>
#include <QSslCertificate>
#include <QSslConfiguration>
#include <QUrl>

namespace {

QString validationUrl()
{
    return QStringLiteral("%1/includes/validation.php").arg(Config::webBaseUrl());
}

QNetworkRequest accountRequest(const QString &url, int stallTimeoutMs)
{
    QNetworkRequest request(QUrl(url, QUrl::TolerantMode));
    request.setHeader(QNetworkRequest::ContentTypeHeader,
                      QStringLiteral("application/x-www-form-urlencoded"));
    request.setTransferTimeout(stallTimeoutMs);
    return request;
}

// One line of printable ASCII without blanks: the shape of a stored password form and of a
// verification code. A page of text or markup is neither.
bool isToken(const QString &text, int maxLength)
{
    static const QRegularExpression token(QStringLiteral("^[\\x21-\\x7e]+$"));
    return !text.isEmpty() && text.size() <= maxLength && token.match(text).hasMatch();
}

// A country name: one short line without control characters.
bool isCountryName(const QString &text)
{
    if (text.isEmpty() || text.size() > 100)
        return false;
    for (const QChar c : text) {
        if (c.category() == QChar::Other_Control || c.category() == QChar::Other_Format)
            return false;
    }
    return true;
}

// The error to report for a reply that is no answer: its own; for one that ended without an
// error, "unknown content" unless it was an empty 2xx reply (reported as no error).
QNetworkReply::NetworkError failureCode(const QNetworkReply *reply, bool emptySuccess)
{
    if (reply->error() != QNetworkReply::NoError)
        return reply->error();
    return emptySuccess ? QNetworkReply::NoError : QNetworkReply::UnknownContentError;
}

// Why a reply is no answer of the service ("" when it is a whole 2xx reply): its refusal by the
// bounds (a stall among them), its status, the TLS error it was aborted for, or the network's
// error.
QString transportFailure(const QNetworkReply *reply)
{
    const QString refusal = ReplyBounds::failure(reply);
    if (!refusal.isEmpty())
        return refusal;
    if (reply->error() == QNetworkReply::NoError && ReplyBounds::isSuccess(reply))
        return QString();
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (status > 0 && !ReplyBounds::isSuccess(reply))
        return QStringLiteral("%1: %2").arg(QObject::tr("Status code"), QString::number(status));
    if (reply->error() == QNetworkReply::OperationCanceledError) {
        // Aborted on a TLS error: the reply's code and text say only that it was cancelled.
        const QList<QSslCertificate> chain = reply->sslConfiguration().peerCertificateChain();
        const QList<QSslError> tlsErrors = chain.isEmpty()
            ? QList<QSslError>()
            : QSslCertificate::verify(chain, reply->url().host());
        if (!tlsErrors.isEmpty())
            return tlsErrors.first().errorString();
    }
    return reply->errorString();
}

} // namespace

QByteArray NetworkManager::formBody(const QList<QPair<QString, QString>> &fields)
{
    // QUrlQuery leaves '+' as it is, which a form decoder reads as a blank, and takes a typed
    // "%41" for an escape; encoding every value in full keeps each character as typed.
    QByteArray body;
    for (const auto &field : fields) {
        if (!body.isEmpty())
            body += '&';
        body += QUrl::toPercentEncoding(field.first) + '=' + QUrl::toPercentEncoding(field.second);
    }
    return body;
}

void NetworkManager::splitCaptcha(const QByteArray &body, QImage *image, QString *code,
                                  QString *reason)
{
    const int split = body.lastIndexOf(';');
    if (split < 0) {
        // A picture with no code after it is no captcha the user could answer.
        *image = QImage();
        *code = QString::fromUtf8(body);
        if (reason)
            *reason = QObject::tr("The server's reply is not a captcha.");
        return;
    }
    *image = ReplyBounds::boundedImage(body.left(split), reason);
    *code = QString::fromUtf8(body.mid(split + 1));
}

bool NetworkManager::isGoodReply(QNetworkReply *reply, QByteArray *body)
{
    reportRefusal(reply);
    *body = ReplyBounds::successBody(reply);
    return !body->isEmpty();
}

void NetworkManager::postAccountForm(const QList<QPair<QString, QString>> &fields,
                                     void (NetworkManager::*handler)(QNetworkReply *))
{
    createManager();
    const QByteArray body = formBody(fields);
    QNetworkReply *reply
        = send(accountRequest(validationUrl(), stallTimeoutMs), ReplyBounds::AccountText, &body);
    connect(reply, &QNetworkReply::finished, this, [this, reply, handler]() {
        (this->*handler)(reply);
        endReply(reply);
    });
}

void NetworkManager::getAccountResource(const QString &url,
                                        void (NetworkManager::*handler)(QNetworkReply *))
{
    createManager();
    QNetworkReply *reply = send(accountRequest(url, stallTimeoutMs), ReplyBounds::Picture);
    connect(reply, &QNetworkReply::finished, this, [this, reply, handler]() {
        (this->*handler)(reply);
        endReply(reply);
    });
}

void NetworkManager::encryptPassword(const QString &password)
{
    emit passEncryptionStarted();
    postAccountForm({ { QStringLiteral("user_password"), password } },
                    &NetworkManager::onEncryptedPasswordReply);
}

void NetworkManager::onEncryptedPasswordReply(QNetworkReply *reply)
{
    QByteArray body;
    const bool answered = isGoodReply(reply, &body);
    const QString stored = QString::fromUtf8(body);
    if (answered && isToken(stored, 255))
        emit encryptedPassword(stored);
    else
        emit ecryptionError(int(failureCode(reply, !answered && ReplyBounds::isSuccess(reply))));
    emit finished();
}

void NetworkManager::getCaptcha(const QString &type)
{
    const QString url
        = QStringLiteral("%1/captcha?verif=%2&current_time=%3")
              .arg(Config::webBaseUrl(), QString::fromUtf8(QUrl::toPercentEncoding(type)),
                   QString::number(QDateTime::currentMSecsSinceEpoch()));
    getAccountResource(url, &NetworkManager::onCaptchaReply);
}

void NetworkManager::onCaptchaReply(QNetworkReply *reply)
{
    QByteArray body;
    QImage image;
    QString code;
    QString refusal;
    if (isGoodReply(reply, &body))
        splitCaptcha(body, &image, &code, &refusal);
    if (!refusal.isEmpty())
        emit requestFailed(refusal);
    // A picture refused for its size, or one without its code, is no captcha the user could read.
    if (!body.isEmpty() && refusal.isEmpty())
        emit captchaData(image, code);
    else
        emit captchaError(failureCode(reply, body.isEmpty() && ReplyBounds::isSuccess(reply)));
    emit finished();
}

void NetworkManager::getLocation()
{
    postAccountForm({ { QStringLiteral("user_country"), QStringLiteral("country_id") } },
                    &NetworkManager::onLocationReply);
}

void NetworkManager::onLocationReply(QNetworkReply *reply)
{
    // A failed request, or a reply that is no country name, reads as no country; the caller
    // decides what that means.
    QByteArray body;
    isGoodReply(reply, &body);
    const QString country = QString::fromUtf8(body).trimmed();
    emit userCountry(isCountryName(country) ? country : QString());
    emit finished();
}

void NetworkManager::validateEmail(const QString &userName, const QString &email,
                                   const QString &type)
{
    postAccountForm({ { QStringLiteral("user_name"), userName },
                      { QStringLiteral("user_email"), email },
                      { QStringLiteral("user_validation_type"), type } },
                    &NetworkManager::onRegistrationEmailReply);
}

void NetworkManager::onRegistrationEmailReply(QNetworkReply *reply)
{
    onEmailReply(reply, false);
}

void NetworkManager::validateEmail(const QString &email, const QString &type)
{
    postAccountForm({ { QStringLiteral("user_email"), email },
                      { QStringLiteral("user_validation_type"), type } },
                    &NetworkManager::onRecoveryEmailReply);
}

void NetworkManager::onRecoveryEmailReply(QNetworkReply *reply)
{
    onEmailReply(reply, true);
}

// The two validations read the same reply; they differ in their signals and in what a body
// that is no JSON object means: an unreadable answer for a registration, no customer for a
// recovery.
void NetworkManager::onEmailReply(QNetworkReply *reply, bool recovery)
{
    QByteArray body;
    if (!isGoodReply(reply, &body)) {
        emit emailValidationError(failureCode(reply, ReplyBounds::isSuccess(reply)));
        emit finished();
        return;
    }
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(body, &parseError);
    const QJsonObject object = document.object();
    // A code that is no short token (a page of text) makes the answer unreadable.
    const QJsonValue codeValue = object.value(QStringLiteral("verifCode"));
    const bool isObject = !document.isNull() && document.isObject()
        && (codeValue.toString().isEmpty() || isToken(codeValue.toString(), 64));
    if (!isObject && recovery) {
        emit noCustomerFound();
    } else if (!isObject || object.isEmpty()) {
        emit jsonReaderError(parseError);
    } else {
        const bool accepted
            = object.value(QStringLiteral("status")).toString() == QLatin1String("true");
        const QString code = object.value(QStringLiteral("verifCode")).toString();
        if (recovery) {
            if (accepted)
                emit customerFound();
            else
                emit noCustomerFound();
            emit recoveryVerifCode(code);
        } else {
            if (accepted)
                emit emailAccepted();
            else
                emit emailBlocked();
            emit regVerifCode(code);
        }
    }
    emit finished();
}

void NetworkManager::checkUserPassword(const QString &password, const QString &encryptedPassword)
{
    postAccountForm({ { QStringLiteral("user_pas"), password },
                      { QStringLiteral("encrypted_pass"), encryptedPassword } },
                    &NetworkManager::onPasswordCheckReply);
}

void NetworkManager::onPasswordCheckReply(QNetworkReply *reply)
{
    // Only a whole 2xx answer of the service speaks about the password: "true" signs in, any
    // other text is a mismatch. A reply that never came, was cut, refused or is an error page
    // says nothing about it: the caller hears why, and no mismatch.
    const QString failure = transportFailure(reply);
    if (!failure.isEmpty()) {
        emit requestFailed(failure);
    } else if (ReplyBounds::successBody(reply) == QByteArrayLiteral("true")) {
        emit loggedInSuccessfully();
    } else {
        emit credentialsError();
    }
    emit finished();
}

void NetworkManager::getAccountAvatar(const QString &path)
{
    getAccountResource(QStringLiteral("%1/%2").arg(Config::webBaseUrl(), path),
                       &NetworkManager::onAvatarReply);
}

void NetworkManager::onAvatarReply(QNetworkReply *reply)
{
    // Decoded here, on the GUI thread, only when its header names a small picture.
    QByteArray body;
    QString refusal;
    QImage picture;
    if (isGoodReply(reply, &body))
        picture = ReplyBounds::boundedImage(body, &refusal);
    if (!refusal.isEmpty())
        emit requestFailed(refusal);
    emit accountAvatar(QPixmap::fromImage(picture));
}
