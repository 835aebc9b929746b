// The address request: which public address the vendor's web service sees for this machine.

#include "net/networkmanager.h"

#include "app/config.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>

void NetworkManager::detectUserIp()
{
    createManager();
    // The request gives up after transferTimeoutMs without data, so a service that never
    // answers still ends in "not connected" and the caller gets its finished().
    QNetworkReply *addressReply = manager->get(descriptionRequest(
        Config::webBaseUrl() + QStringLiteral("/includes/user_ip_detection.php")));
    connect(addressReply, &QNetworkReply::finished, this, [this, addressReply]() {
        // Any readable answer counts, whatever the reply's error: the host was reached.
        if (addressReply->bytesAvailable() > 0) {
            QString address = QString::fromUtf8(addressReply->readAll()).trimmed();
            // The loopback address of IPv6 as the one of IPv4; other addresses stay as they are
            // (an address that merely ends in "::1" is not the loopback).
            if (address == QLatin1String("::1"))
                address = QStringLiteral("127.0.0.1");
            emit userConnectedStatus();
            emit userIPData(address);
        } else {
            emit userNotConnectedStatus();
            emit userIPUnknownData(QObject::tr("Unknown"));
        }
        endReply(addressReply);
        emit finished();
    });
}
