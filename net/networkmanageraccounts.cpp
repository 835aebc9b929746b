// The account services of the vendor's web site: the stored form of a password, the password
// check, captchas, the user's country, e-mail validation with a verification code, avatars.

#include "net/networkmanager.h"

#include "app/config.h"

#include <QDateTime>
#include <QJsonDocument>
#include <QNetworkAccessManager>
#include <QNetworkRequest>
#include <QUrl>

namespace {

QString validationUrl()
{
    return QStringLiteral("%1/includes/validation.php").arg(Config::webBaseUrl());
}

QNetworkRequest accountRequest(const QString &url)
{
    QNetworkRequest request(QUrl(url, QUrl::TolerantMode));
    request.setHeader(QNetworkRequest::ContentTypeHeader,
                      QStringLiteral("application/x-www-form-urlencoded"));
    request.setTransferTimeout(NetworkManager::transferTimeoutMs);
    return request;
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

void NetworkManager::splitCaptcha(const QByteArray &body, QImage *image, QString *code)
{
    const int split = body.lastIndexOf(';');
    if (split < 0) {
        *image = QImage();
        *code = QString::fromUtf8(body);
        return;
    }
    image->loadFromData(body.left(split));
    *code = QString::fromUtf8(body.mid(split + 1));
}

bool NetworkManager::isGoodReply(QNetworkReply *reply)
{
    return reply->error() == QNetworkReply::NoError && reply->bytesAvailable() > 0;
}

void NetworkManager::postAccountForm(const QList<QPair<QString, QString>> &fields,
                                     void (NetworkManager::*handler)(QNetworkReply *))
{
    createManager();
    QNetworkReply *reply = manager->post(accountRequest(validationUrl()), formBody(fields));
    connect(reply, &QNetworkReply::finished, this, [this, reply, handler]() {
        (this->*handler)(reply);
        endReply(reply);
    });
}

void NetworkManager::getAccountResource(const QString &url,
                                        void (NetworkManager::*handler)(QNetworkReply *))
{
    createManager();
    QNetworkReply *reply = manager->get(accountRequest(url));
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
    if (isGoodReply(reply))
        emit encryptedPassword(QString::fromUtf8(reply->readAll()));
    else
        emit ecryptionError(int(reply->error()));
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
    if (isGoodReply(reply)) {
        QImage image;
        QString code;
        splitCaptcha(reply->readAll(), &image, &code);
        emit captchaData(image, code);
    } else {
        emit captchaError(reply->error());
    }
    emit finished();
}

void NetworkManager::getLocation()
{
    postAccountForm({ { QStringLiteral("user_country"), QStringLiteral("country_id") } },
                    &NetworkManager::onLocationReply);
}

void NetworkManager::onLocationReply(QNetworkReply *reply)
{
    // A failed request reads as no country; the caller decides what that means.
    emit userCountry(reply->error() == QNetworkReply::NoError ? QString::fromUtf8(reply->readAll())
                                                              : QString());
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
    if (!isGoodReply(reply)) {
        emit emailValidationError(reply->error());
        emit finished();
        return;
    }
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(reply->readAll(), &parseError);
    const bool isObject = !document.isNull() && document.isObject();
    const QJsonObject object = document.object();
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
    if (reply->readAll() == QByteArrayLiteral("true"))
        emit loggedInSuccessfully();
    else
        emit credentialsError();
    emit finished();
}

void NetworkManager::getAccountAvatar(const QString &path)
{
    getAccountResource(QStringLiteral("%1/%2").arg(Config::webBaseUrl(), path),
                       &NetworkManager::onAvatarReply);
}

void NetworkManager::onAvatarReply(QNetworkReply *reply)
{
    QPixmap avatar;
    avatar.loadFromData(reply->readAll());
    emit accountAvatar(avatar);
}
