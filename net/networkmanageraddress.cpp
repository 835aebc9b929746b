// The address request: which public address the vendor's web service sees for this machine.

#include "net/networkmanager.h"

#include "app/config.h"

#include <QHostAddress>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>

namespace {

// The reply as an address, or "" when it is none (an error page, markup, a longer text).
QString addressOf(const QByteArray &body)
{
    const QString text = QString::fromLatin1(body).trimmed();
    for (const QChar c : text) {
        if (!c.isDigit() && c != QLatin1Char('.') && c != QLatin1Char(':')
            && !QStringLiteral("abcdefABCDEF").contains(c))
            return QString();
    }
    const QHostAddress address(text);
    // "127.1" parses too; only the dotted quad is taken as an IPv4 address.
    if (address.isNull()
        || (address.protocol() == QAbstractSocket::IPv4Protocol && address.toString() != text))
        return QString();
    // The loopback address of IPv6 as the one of IPv4; other addresses stay as they are.
    if (address == QHostAddress(QHostAddress::LocalHostIPv6))
        return QStringLiteral("127.0.0.1");
    return address.toString();
}

} // namespace

void NetworkManager::detectUserIp()
{
    createManager();
    // The request gives up after its deadline or the stall timer, so a service that never
    // answers still ends and the caller gets its finished().
    QNetworkReply *addressReply
        = send(descriptionRequest(Config::webBaseUrl()
                                  + QStringLiteral("/includes/user_ip_detection.php")),
               ReplyBounds::Address);
    connect(addressReply, &QNetworkReply::finished, this, [this, addressReply]() {
        reportRefusal(addressReply);
        // Any content, whatever the reply's status, tells that the host was reached; only a 2xx
        // reply that is an address is shown as one.
        const bool reached = ReplyBounds::receivedAny(addressReply);
        const QString address = addressOf(ReplyBounds::successBody(addressReply));
        if (reached)
            emit userConnectedStatus();
        else
            emit userNotConnectedStatus();
        if (reached && !address.isEmpty())
            emit userIPData(address);
        else
            emit userIPUnknownData(QObject::tr("Unknown"));
        endReply(addressReply);
        emit finished();
    });
}
