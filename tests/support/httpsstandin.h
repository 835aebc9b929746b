#pragma once
// Runs scripts/services/https_service.py for the lifetime of the object: a loopback HTTPS
// stand-in for the vendor's web service, signed by a certificate authority made for this run.

#include <QString>
#include <QTemporaryDir>

#include "standinprocess.h"

class HttpsStandIn
{
public:
    // Starts the script and waits until it reports its port; false (see errorText()) on failure.
    // extraArgs go to the script as they are (switches of its route modules).
    bool start(const QString &mode = QStringLiteral("latest"),
               const QStringList &extraArgs = QStringList());
    void stop();

    quint16 port() const { return m_port; }
    QString caFile() const { return m_caFile; }
    // https://127.0.0.1:<port>, or with a mode as first path component.
    QString baseUrl(const QString &mode = QString()) const;
    // Paths requested so far, in order (without the method).
    QStringList requestedPaths() const;
    // "METHOD path" of every request so far, in order.
    QStringList requests() const;
    // The folder of the server's certificates and state.
    QString dir() const { return m_dir.path(); }
    void clearRequests();
    QString errorText() const { return m_error; }

    // Points the program's configuration at this server (host, port, base URL with a mode) and
    // trusts its authority.
    void applyEnvironment(const QString &mode = QString()) const;

    // A loopback port nothing listens on.
    static quint16 closedPort();

private:
    QTemporaryDir m_dir;
    StandInProcess m_server;
    quint16 m_port = 0;
    QString m_caFile;
    QString m_error;
};
