#pragma once
// Bounds of one reply of the vendor's web service: at most so many bytes (counted after any
// unpacking), headers within a short time of the request, and an overall deadline on top of the
// request's stall timer. A reply that goes past any of them, or that ends before the length it
// announced, is aborted or refused and keeps the reason, so its handler takes the failure path
// with a message instead of growing, waiting without end or taking a part for the whole.

#include <QByteArray>
#include <QObject>
#include <QSize>
#include <QString>

class QImage;
class QNetworkReply;
class QTimer;

class ReplyBounds : public QObject
{
    Q_OBJECT

public:
    // What the reply carries decides how much of it may come.
    enum Kind {
        Address, // a public address
        Description, // an update description
        AccountText, // a stored password form, a country, a validation, a password check
        Picture, // a captcha or an avatar
        Setup, // the setup download (read as it arrives)
    };
    static qint64 sizeLimit(Kind kind);
    static int deadlineMs(Kind kind);
    // The reply's headers must have come this long after the request went out (after the TLS
    // handshake, and after each redirect). Qt keeps every header byte it is sent, so this is
    // what bounds the memory a server can make it take with headers that never end.
    static constexpr int headersDeadlineMs = 3000;

    // Watches `reply` from now on; the object is the reply's child and goes with it.
    static ReplyBounds *watch(QNetworkReply *reply, Kind kind, qint64 maxBytes, int deadline);

    // Why the reply was aborted ("" while it stayed within its bounds).
    static QString failure(const QNetworkReply *reply);
    // Whether the reply had a body: bytes arrived (kept or refused) or a length was announced.
    static bool receivedAny(const QNetworkReply *reply);
    // A successful (2xx) HTTP status.
    static bool isSuccess(const QNetworkReply *reply);
    // The body when the reply is a 2xx answer within its bounds; otherwise a null array. A
    // buffered reply's body is collected by its bounds as it arrives (so that the bytes Qt unpacks
    // are counted as they come), and can be taken once.
    static QByteArray successBody(QNetworkReply *reply);

    // Limits of a picture from a server: it is decoded only when its header names a size within
    // these (so a tiny file can not unpack into gigabytes).
    static constexpr int maxPictureSide = 2048;
    static constexpr qint64 maxPicturePixels = 2048LL * 1024;
    // Decodes `data` as a picture when its header declares a size within the limits; else a null
    // image and, in `reason`, why.
    static QImage boundedImage(const QByteArray &data, QString *reason = nullptr);

private:
    ReplyBounds(QNetworkReply *reply, qint64 maxBytes, int deadline, bool collect);
    void checkDeclaredSize();
    void checkReceived(qint64 bytesReceived);
    void collectBody();
    void checkComplete();
    void refuse(const QString &reason);

    QNetworkReply *reply;
    qint64 maxBytes;
    QTimer *deadlineTimer;
    QTimer *headersTimer;
    QString reason;
    QByteArray body;
    qint64 received = 0;
    qint64 declaredLength = -1;
    bool collect;
    bool declared = false;
};
