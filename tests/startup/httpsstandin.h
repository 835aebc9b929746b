#pragma once
// Runs tests/servers/https_standin.py for the lifetime of the object: a loopback HTTPS service
// with update descriptions, signed by a certificate authority made for this run.

#include <QProcess>
#include <QString>
#include <QTemporaryDir>

class HttpsStandIn
{
public:
    HttpsStandIn();
    ~HttpsStandIn();

    // Starts the script and waits until it reports its port; false (see errorText()) on failure.
    bool start(const QString &mode = QStringLiteral("latest"));
    void stop();

    quint16 port() const { return m_port; }
    QString caFile() const { return m_caFile; }
    // https://127.0.0.1:<port>, or with a mode as first path component.
    QString baseUrl(const QString &mode = QString()) const;
    // Paths requested so far, in order.
    QStringList requestedPaths() const;
    void clearRequests();
    QString errorText() const { return m_error; }

    // Points the program's configuration at this server (host, port, base URL with a mode) and
    // trusts its authority.
    void applyEnvironment(const QString &mode = QString()) const;

    // A loopback port nothing listens on.
    static quint16 closedPort();

private:
    QTemporaryDir m_dir;
    QProcess m_process;
    quint16 m_port = 0;
    QString m_caFile;
    QString m_error;
};
