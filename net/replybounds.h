#pragma once
// Bounds of one reply of the vendor's web service: at most so many bytes of body, at most so many
// taken in while its headers are still coming, no encoding the request did not ask for, and an
// overall deadline on top of the request's stall timer. A slow server is waited for within the
// stall time and the deadline; only what grows is stopped early. A reply that goes past any
// bound, stalls, or ends before the length it announced, is aborted or refused and keeps the
// reason, so its handler takes the failure path with a message instead of growing, waiting
// without end or taking a part for the whole.

#include "net/networkintake.h"

#include <QByteArray>
#include <QElapsedTimer>
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
    // Qt keeps every header byte it is sent, without limit. While a reply's headers are still
    // coming, its connection may take in this much beyond what the reply's read buffer holds
    // (Qt reads that far ahead of the headers' end before the reply sees them); real headers
    // are a few kilobytes.
    static constexpr qint64 headerIntakeLimit = 8 * 1024 * 1024;
    // The same, where the request's network thread can't be found and the process's resident
    // size stands in for what it took in: above what the rest of the program may grow meanwhile.
    static constexpr qint64 headerGrowthLimit = 128 * 1024 * 1024;
    // How often the intake is measured while the headers are coming.
    static constexpr int intakeCheckMs = 25;

    // Watches `reply` from now on; the object is the reply's child and goes with it. `intake`
    // was made just before the request went out.
    static ReplyBounds *watch(QNetworkReply *reply, Kind kind, qint64 maxBytes, int deadline,
                              const NetworkIntake &intake);

    // Why the reply was aborted or refused ("" while it stayed within its bounds). A copy of
    // its own, which may go to another thread while this object goes with the reply.
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
    ReplyBounds(QNetworkReply *reply, qint64 maxBytes, int deadline, bool collect,
                const NetworkIntake &intake);
    void checkHeaders();
    void checkIntake();
    void checkReceived(qint64 bytesReceived);
    void collectBody();
    void checkComplete();
    void refuse(const QString &reason);

    QNetworkReply *reply;
    qint64 maxBytes;
    QTimer *deadlineTimer;
    QTimer *intakeTimer;
    NetworkIntake intake;
    QElapsedTimer sinceData; // since the request went out or body bytes last came
    QString reason;
    QByteArray body;
    qint64 received = 0;
    qint64 declaredLength = -1;
    bool collect;
    bool declared = false;
};
