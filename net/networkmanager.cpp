#include "net/networkmanager.h"

#include "app/appenums.h"
#include "app/config.h"
#include "app/productinfo.h"
#include "app/settings.h"
#include "app/systemfunctions.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QLocale>
#include <QNetworkAccessManager>
#include <QNetworkRequest>
#include <QStandardPaths>
#include <QUrl>
#include <QVersionNumber>

namespace {

// A stored enumeration comes back as an integer or, after a restart, as its decimal text;
// anything else reads as 0.
int storedInt(const QString &group, const QString &key, int defaultValue)
{
    const QVariant value = Settings::settingsValue(group, key, defaultValue);
    bool ok = false;
    const int number = value.toInt(&ok);
    return ok ? number : 0;
}

} // namespace

NetworkManager::NetworkManager()
    : QObject(nullptr)
    , version(QString::fromLatin1(Product::version))
{
    const QString group = QStringLiteral("Updates");
    updatesChannel = storedInt(group, QStringLiteral("UpdatesChannel"), Update::Release);
    delivery = storedInt(group, QStringLiteral("Delivery"), Update::VendorServer);
    autoUpdate = Settings::settingsValue(group, QStringLiteral("InstallUpdatesAutomatically"), true)
                     .toBool();
    downloadPath
        = Settings::settingsValue(group, QStringLiteral("DownloadPath"),
                                  QDir::toNativeSeparators(QStandardPaths::writableLocation(
                                      QStandardPaths::DownloadLocation)))
              .toString();
    installPath
        = Settings::settingsValue(group, QStringLiteral("InstallPath"), defaultInstallPath())
              .toString();
}

NetworkManager::~NetworkManager() = default;

bool NetworkManager::isNewerVersion(const QString &candidate, const QString &current)
{
    int suffixIndex = 0;
    const QString trimmed = candidate.trimmed();
    const QVersionNumber candidateNumber = QVersionNumber::fromString(trimmed, &suffixIndex);
    // "4.1.x" or "" are no version: never offer them as an update.
    if (candidateNumber.isNull() || suffixIndex != trimmed.size())
        return false;
    return QVersionNumber::compare(candidateNumber, QVersionNumber::fromString(current)) > 0;
}

QString NetworkManager::updateLanguagePrefix()
{
    bool ok = false;
    int language = Settings::appSettingsValue(QStringLiteral("AppLanguage"), 0).toInt(&ok);
    if (!ok)
        language = App::AutoSelect;
    switch (language) {
    case App::AutoSelect:
        switch (QLocale::system().language()) {
        case QLocale::Russian:
            return QStringLiteral("ru.");
        case QLocale::Ukrainian:
            return QStringLiteral("ua.");
        default:
            return QStringLiteral("en.");
        }
    case App::English:
        return QStringLiteral("en.");
    case App::Russian:
        return QStringLiteral("ru.");
    case App::Ukrainian:
        return QStringLiteral("ua.");
    default:
        emit localeError();
        return QString();
    }
}

QString NetworkManager::updateJsonUrl(int effectiveChannel, const QString &languagePrefix)
{
    QString format;
    switch (effectiveChannel) {
    case Update::Development:
        format = QStringLiteral("%1/%2/dev/%3update.dev.json");
        break;
    case Update::Insider:
        format = QStringLiteral("%1/%2/insider/%3update.insider.json");
        break;
    case Update::Beta:
        format = QStringLiteral("%1/%2/beta/%3update.beta.json");
        break;
    default:
        format = QStringLiteral("%1/%2/release/%3update.release.json");
        break;
    }
    const QString appsFolder = Config::webBaseUrl() + QStringLiteral("/apps");
    return format.arg(appsFolder, productKeyForName(QString::fromLatin1(Product::displayName)),
                      languagePrefix);
}

QString NetworkManager::updateJsonUrl()
{
    const QString prefix = updateLanguagePrefix();
    return updateJsonUrl(effectiveUpdateChannel(updatesChannel), prefix);
}

QJsonObject NetworkManager::descriptionEntry(const QJsonObject &document)
{
    const QStringList keys = document.keys(); // sorted by key
    if (keys.isEmpty())
        return QJsonObject();
    return document.value(keys.first()).toObject();
}

QString NetworkManager::joinedUpdateInfo(const QJsonObject &entry)
{
    QString lines;
    const QJsonArray notes = entry.value(QStringLiteral("updateinfo")).toArray();
    for (const QJsonValue &note : notes)
        lines += QStringLiteral("\n%1").arg(note.toString());
    return lines;
}

QString NetworkManager::deliveryUrl(const QJsonObject &entry, int delivery)
{
    switch (delivery) {
    case Update::OneDrive:
        return entry.value(QStringLiteral("update_onedrive_url_x64")).toString();
    case Update::Dropbox:
        return entry.value(QStringLiteral("update_dropbox_url_x64")).toString();
    default:
        return entry.value(QStringLiteral("update_url_x64")).toString();
    }
}

QNetworkAccessManager *NetworkManager::createManager()
{
    if (manager)
        manager->deleteLater();
    manager = new QNetworkAccessManager(this);
    // Any TLS error ends the request; none is ever ignored.
    connect(manager, &QNetworkAccessManager::sslErrors, this, &NetworkManager::abortOnSslErrors);
    return manager;
}

QNetworkRequest NetworkManager::descriptionRequest(const QString &url) const
{
    QNetworkRequest request(QUrl(url, QUrl::TolerantMode));
    request.setTransferTimeout(stallTimeoutMs);
    return request;
}

void NetworkManager::setRequestBounds(qint64 maxBytes, int deadlineMs)
{
    sizeLimitOverride = maxBytes;
    deadlineOverride = deadlineMs;
}

QNetworkReply *NetworkManager::send(QNetworkRequest request, ReplyBounds::Kind kind,
                                    const QByteArray *body)
{
    // A request that names its encodings is not unpacked by Qt.
    request.setRawHeader("Accept-Encoding", "identity");
    const NetworkIntake intake; // before the request's network thread starts
    QNetworkReply *fresh = body ? manager->post(request, *body) : manager->get(request);
    ReplyBounds::watch(
        fresh, kind, sizeLimitOverride > 0 ? sizeLimitOverride : ReplyBounds::sizeLimit(kind),
        deadlineOverride > 0 ? deadlineOverride : ReplyBounds::deadlineMs(kind), intake);
    return fresh;
}

bool NetworkManager::reportRefusal(QNetworkReply *finishedReply)
{
    const QString reason = ReplyBounds::failure(finishedReply);
    if (reason.isEmpty())
        return false;
    emit requestFailed(reason);
    return true;
}

void NetworkManager::abortOnSslErrors(QNetworkReply *failedReply, const QList<QSslError> &errors)
{
    Q_UNUSED(errors)
    failedReply->abort();
}

void NetworkManager::endReply(QNetworkReply *finishedReply)
{
    finishedReply->close();
    finishedReply->deleteLater();
    if (manager) {
        manager->deleteLater();
        manager = nullptr;
    }
}

void NetworkManager::checkForApplicationUpdates(bool insiderUpdate)
{
    if (!isNetworkAvailable()) {
        emit noNetConnection();
        // The caller's thread ends on finished(); without it the thread would stay for good.
        emit finished();
        return;
    }
    createManager();
    const QString prefix = updateLanguagePrefix();
    const QString url = insiderUpdate
        ? updateJsonUrl(Update::Insider, prefix)
        : updateJsonUrl(effectiveUpdateChannel(updatesChannel), prefix);
    QNetworkReply *descriptionReply = send(descriptionRequest(url), ReplyBounds::Description);
    connect(descriptionReply, &QNetworkReply::finished, this,
            [this, descriptionReply]() { onUpdateDescriptionReply(descriptionReply); });
}

void NetworkManager::onUpdateDescriptionReply(QNetworkReply *descriptionReply)
{
    // Only a 2xx answer within its bounds is a description: a redirect's or an error page's body
    // is not.
    reportRefusal(descriptionReply);
    const QByteArray body = ReplyBounds::successBody(descriptionReply);
    if (body.isEmpty()) {
        endReply(descriptionReply);
        emit finished();
        return;
    }
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(body, &parseError);
    if (document.isNull() || !document.isObject()) {
        emit jsonReaderError(parseError);
        endReply(descriptionReply);
        emit finished();
        return;
    }
    const QJsonObject entry = descriptionEntry(document.object());
    if (!entry.isEmpty()) {
        version = entry.value(QStringLiteral("version")).toString();
        isUpdateAvailable = isNewerVersion(version, QString::fromLatin1(Product::version));
        if (isUpdateAvailable)
            updateUrl = deliveryUrl(entry, delivery);
        channel = entry.value(QStringLiteral("channel")).toString();
        info = joinedUpdateInfo(entry);
        if (!channel.isEmpty() && !info.isEmpty()) {
            if (isUpdateAvailable) {
                emit updateAvailable();
                emit updateAvailable(version, channel, info, updateUrl);
                emit updateAvailable(version, channel, info, autoUpdate, updateUrl);
            } else {
                emit latestVersion();
                emit latestVersion(version);
            }
            emit changelogInfo(version, channel, info);
        }
    }
    endReply(descriptionReply);
    emit finished();
}

void NetworkManager::validateUpdateUrl()
{
    if (!isNetworkAvailable()) {
        emit noNetConnection();
        return;
    }
    downloadCanceled = false;
    createManager();
    QNetworkReply *urlReply = send(descriptionRequest(updateJsonUrl()), ReplyBounds::Description);
    connect(urlReply, &QNetworkReply::finished, this,
            [this, urlReply]() { onUpdateUrlReply(urlReply); });
}

void NetworkManager::onUpdateUrlReply(QNetworkReply *urlReply)
{
    // Every outcome is answered: the Updates window waits for one to leave its restart.
    if (downloadCanceled) {
        endReply(urlReply);
        emit updateAborted();
        return;
    }
    const int status = urlReply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    const QNetworkReply::NetworkError error = urlReply->error();
    const QString refusal = ReplyBounds::failure(urlReply);
    QString reason = QObject::tr("The update description could not be read.");
    const QByteArray body = ReplyBounds::successBody(urlReply);
    if (body.isEmpty()) {
        if (!refusal.isEmpty())
            reason += QLatin1Char(' ') + refusal;
        else if (error != QNetworkReply::NoError || status < 200 || status >= 300)
            reason += QStringLiteral(" %1: %2").arg(
                status > 0 ? QObject::tr("Status code") : QObject::tr("Error code"),
                QString::number(status > 0 ? status : int(error)));
        reportRefusal(urlReply);
        endReply(urlReply);
        emit updateFailed(reason);
        return;
    }
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(body, &parseError);
    if (document.isNull() || !document.isObject()) {
        emit jsonReaderError(parseError);
    } else {
        const QJsonObject entry = descriptionEntry(document.object());
        updateUrl = entry.isEmpty() ? QString() : deliveryUrl(entry, delivery);
        if (updateUrl.isEmpty())
            emit updateFailed(reason);
        else
            emit urlValidated(updateUrl);
    }
    endReply(urlReply);
}
