#pragma once
// One request to the vendor's web service or FTP server. A caller creates the object without
// parent, moves it to a fresh QThread, queues one operation by slot name and learns the outcome
// only through the signals; `finished()` ends the thread and releases the object.

#include <QElapsedTimer>
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
#include <QUrl>

#include <memory>

#include "net/ftpdata.h"
#include "net/replybounds.h"

class AtomicFile;
class QFile;
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
    void validateUpdateUrl();
    // The public address the web service sees for this machine (networkmanageraddress.cpp).
    void detectUserIp();

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
    // Splits a captcha reply at its last ';' into the picture and the code. A picture too large
    // to decode safely is left null, with the reason in `reason`; so is a reply without ';'.
    static void splitCaptcha(const QByteArray &body, QImage *image, QString *code,
                             QString *reason = nullptr);

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
    // A request went past its size limit or its deadline, or sent a picture too large to show,
    // and was refused; the operation then ends on its failure path. A password check emits it
    // for any reply that is no answer of the service (then without credentialsError).
    void requestFailed(QString reason);

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
    // A 2xx reply within its bounds with a body; the body in `body`.
    bool isGoodReply(QNetworkReply *reply, QByteArray *body);
    // Sends a request through `manager` (a GET, or a POST of `body`) under the bounds of its
    // kind. It asks for the body as it is (no compression), so the bytes counted are the bytes
    // held.
    QNetworkReply *send(QNetworkRequest request, ReplyBounds::Kind kind,
                        const QByteArray *body = nullptr);
    // Emits requestFailed() when the reply was refused by its bounds; true then.
    bool reportRefusal(QNetworkReply *finishedReply);
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

    // --- FTP uploads (networkmanagerftp.cpp) ---------------------------------------------------
    // The transfers run through libcurl and block this object's thread until they end; they are
    // bounded by the stall time-out and end within a second once the thread is interrupted
    // (QThread::requestInterruption). A file counts as arrived only when every byte was sent,
    // the server acknowledged the transfer and does not tell another size (by SIZE; a server
    // that refuses SIZE is taken at its acknowledgement).
    // Every file tried ends with exactly one outcome signal, then (once per operation) finished():
    //  - dataUploaded(): the file arrived (uploadToFtp only); the local removals were done;
    //  - noNetworkAvailable(): the server's name or network could not be reached (uploadToFtp
    //    only; the records after it are not tried); local files are kept;
    //  - uploadFailed(fileName, reason): anything else, the reason naming it (file unreadable,
    //    control characters in its name, connection refused or closed by the server, server
    //    silent for the stall time or flooding its replies, login or folder refused, transfer
    //    cut short or unconfirmed, cancelled; multipleUploadsToFTP reports every failed file this
    //    way). After an unreachable server or a refused, closed, silent or flooding connection
    //    neither operation tries a later file, which then gets no signal. Local files are kept.
    // A reason never contains the account's password.
public:
    // Remote path of a file: "/public_html/apps/<product key>/telemetry/<folder>/<file>", or
    // below "/public_html/apps/installers/online/ostrel" with useInstallersPath.
    static QString ftpTargetPath(const QString &productName, const QString &folder,
                                 const QString &fileName, bool useInstallersPath);
    // The text with the account's password (plain and percent-encoded) masked.
    static QString withoutFtpPassword(QString text);
    // An upload or a web request gives up when nothing has moved for this long (default
    // transferTimeoutMs).
    void setStallTimeout(int milliseconds);
    // Replaces the size limit and the overall deadline of every web request of this object
    // (0 keeps the default of the request's kind).
    void setRequestBounds(qint64 maxBytes, int deadlineMs);

public slots:
    // Uploads the records one after the other, in order.
    void uploadToFtp(QVector<FtpData> ftpDataVector);
    void multipleUploadsToFTP(QString productName, QString ftpDirName, QStringList filesPath);

signals:
    void uploadFailed(QString fileName, QString reason);

private:
    // One record's upload and outcome signal; false when the records after it need not be tried.
    bool uploadRecord(const FtpData &data);
    int stallTimeoutMs = transferTimeoutMs;
    qint64 sizeLimitOverride = 0;
    int deadlineOverride = 0;
    // --- Setup download (networkmanagerdownload.cpp) -----------------------------------------
public:
    // The setup file of a channel (Update::Channel after the account rule) in a folder, in
    // native separators: "Verdimon.Nuvo[.Dev|.Insider|.Beta].Setup.x64.exe".
    static QString setupFilePath(const QString &folder, int effectiveChannel);

    // What one progress report of a download shows: speed in its unit, total and received in
    // the size unit (total 0 when the server gave no size), percentage, elapsed and remaining
    // time. valid is false when nothing is to be reported yet.
    struct DownloadFigures
    {
        bool valid = false;
        double speed = 0;
        QString speedUnit;
        int total = 0;
        int received = 0;
        int percentage = 0;
        QString sizeUnit;
        QString elapsed;
        QString remaining;
    };
    static DownloadFigures downloadFigures(qint64 bytesReceived, qint64 bytesTotal,
                                           qint64 elapsedMs, int previousPercentage);

public slots:
    // Downloads the setup (https only) into the download folder; ends with installUpdate, or
    // with updateAborted / updateFailed after removing the partial file.
    void downloadUpdate(QString appUpdateUrl);
    // Stops a running download at once; the end of the reply reports updateAborted().
    void setDownloadCanceled();

signals:
    // The setup could not be downloaded or kept for a reason the status code does not tell
    // (not an https address, no size given, the file could not be written).
    void updateFailed(QString reason);

private:
    void onDownloadReadyRead();
    void onDownloadProgress(qint64 bytesReceived, qint64 bytesTotal);
    void onDownloadFinished();
    // Removes the partial setup; failedToDeleteUpdateFile() when it stays.
    void removeUpdateFile();
    void releaseDownload();

    // The setup being written; it replaces the file at updateFilePath only when complete.
    std::shared_ptr<AtomicFile> updateFile;
    QString updateFilePath;
    QElapsedTimer downloadTimer;
    qint64 downloadBytesTotal = -1;
    qint64 downloadBytesWritten = 0;
    QString downloadWriteError;
};

Q_DECLARE_METATYPE(QJsonParseError)
