#pragma once
// One request to the vendor's web service. A caller creates the object without parent, moves it
// to a fresh QThread, queues one operation by slot name and learns the outcome only through the
// signals; `finished()` ends the thread and releases the object.

#include <QImage>
#include <QJsonObject>
#include <QJsonParseError>
#include <QMetaType>
#include <QNetworkReply>
#include <QObject>
#include <QPair>
#include <QPixmap>
#include <QSslError>
#include <QString>
#include <QStringList>

class QNetworkAccessManager;
class QNetworkRequest;

class NetworkManager : public QObject
{
    Q_OBJECT

public:
    // Reads the Updates settings once; later changes of the settings do not reach this object.
    NetworkManager();
    ~NetworkManager() override;

    // Every request gives up when no data moves for this long.
    static constexpr int transferTimeoutMs = 30000;

    // True when `candidate` names a newer build than `current`, component by component
    // (4.1.3.1000 is newer than 4.1.3.742; 4.1.3.8 is older). An unreadable candidate is never
    // newer.
    static bool isNewerVersion(const QString &candidate, const QString &current);

    // The update description file of the configured channel and the interface language, below
    // the web service's "/apps" folder. Computing the language prefix may emit localeError().
    QString updateJsonUrl();
    // The same for a given channel (Update::Channel before the account rule) and language prefix.
    static QString updateJsonUrl(int effectiveChannel, const QString &languagePrefix);
    // "en.", "ru." or "ua." from AppSettings/AppLanguage; emits localeError() and gives "" for
    // a value outside the known languages.
    QString updateLanguagePrefix();

    // The member of a description that carries the build: the first key in sorted order.
    static QJsonObject descriptionEntry(const QJsonObject &document);
    // The release notes of an entry: "\n%1" per "updateinfo" element.
    static QString joinedUpdateInfo(const QJsonObject &entry);
    // The setup URL of an entry for a delivery (Update::Delivery).
    static QString deliveryUrl(const QJsonObject &entry, int delivery);

public slots:
    void checkForApplicationUpdates(bool insiderUpdate);
    void setDownloadCanceled();
    void validateUpdateUrl();

    // Account services of the web site (networkmanageraccounts.cpp). Each answers once through
    // its signals; all but getAccountAvatar end with finished().
    void encryptPassword(const QString &password);
    void getCaptcha(const QString &type);
    void getLocation();
    void validateEmail(const QString &userName, const QString &email, const QString &type);
    void validateEmail(const QString &email, const QString &type);
    void checkUserPassword(const QString &password, const QString &encryptedPassword);
    void getAccountAvatar(const QString &path);

public:
    // An application/x-www-form-urlencoded body of the fields in order, every byte outside the
    // unreserved set percent-encoded, so that '+', '&', '=' and '%' arrive as typed.
    static QByteArray formBody(const QList<QPair<QString, QString>> &fields);
    // Splits a captcha reply at its last ';' into the picture and the code.
    static void splitCaptcha(const QByteArray &body, QImage *image, QString *code);

signals:
    void updateAvailable();
    void updateAvailable(QString build, QString channel, QString info, QString url);
    void updateAvailable(QString build, QString channel, QString info, bool autoUpdate,
                         QString url);
    void latestVersion();
    void latestVersion(QString build);
    void downloadProgressData(double speed, QString speedUnit, int totalSize, int totalMBReceived,
                              int progressPercentage, QString downloadSizeUnit, QString elapsed,
                              QString remaining);
    void failedToDeleteUpdateFile();
    void updateAborted();
    void updateAborted(int statusCode, QNetworkReply::NetworkError error);
    void jsonReaderError(QJsonParseError updateError);
    void userIPData(QString ipData);
    void userIPUnknownData(QString unknownIPData);
    void userConnectedStatus();
    void userNotConnectedStatus();
    void localeError();
    void finished();
    void noNetConnection();
    void loggedInSuccessfully();
    void credentialsError();
    void accountAvatar(QPixmap image);
    void updatesPaths(QString downloadPath, QString installPath);
    void updateDownloadedSuccessfully(int progressPercentage);
    void updateStarted();
    void installUpdate(QString updateFilePath, QStringList updateArguments);
    void dataUploaded();
    void noNetworkAvailable();
    void encryptedPassword(QString password);
    void ecryptionError(int error);
    void captchaData(QImage captcha, QString code);
    void captchaError(QNetworkReply::NetworkError error);
    void emailAccepted();
    void emailBlocked();
    void emailValidationError(QNetworkReply::NetworkError errorCode);
    void changelogInfo(QString build, QString channel, QString info);
    void userCountry(QString country);
    void passEncryptionStarted();
    void urlValidated(QString url);
    void regVerifCode(QString code);
    void recoveryVerifCode(QString code);
    void customerFound();
    void noCustomerFound();

private slots:
    void onUpdateDescriptionReply(QNetworkReply *descriptionReply);
    void onUpdateUrlReply(QNetworkReply *urlReply);
    void abortOnSslErrors(QNetworkReply *failedReply, const QList<QSslError> &errors);

private:
    QNetworkAccessManager *createManager();
    QNetworkRequest descriptionRequest(const QString &url) const;
    void endReply(QNetworkReply *finishedReply);
    // Starts an account request and hands its reply to the handler when it finishes.
    void postAccountForm(const QList<QPair<QString, QString>> &fields,
                         void (NetworkManager::*handler)(QNetworkReply *));
    void getAccountResource(const QString &url, void (NetworkManager::*handler)(QNetworkReply *));
    static bool isGoodReply(QNetworkReply *reply);
    void onEncryptedPasswordReply(QNetworkReply *reply);
    void onCaptchaReply(QNetworkReply *reply);
    void onLocationReply(QNetworkReply *reply);
    void onRegistrationEmailReply(QNetworkReply *reply);
    void onRecoveryEmailReply(QNetworkReply *reply);
    void onEmailReply(QNetworkReply *reply, bool recovery);
    void onPasswordCheckReply(QNetworkReply *reply);
    void onAvatarReply(QNetworkReply *reply);

    QNetworkAccessManager *manager = nullptr;
    QString version;
    QString channel;
    QString info;
    QString updateUrl;
    QString downloadPath;
    QString installPath;
    int updatesChannel = 3;
    int progressPercentage = 0;
    bool isUpdateAvailable = false;
    bool autoUpdate = true;
    bool downloadCanceled = false;
    QNetworkReply *reply = nullptr;
    int delivery = 0;
};

Q_DECLARE_METATYPE(QJsonParseError)
