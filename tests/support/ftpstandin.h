#pragma once
// Runs scripts/services/ftp_service.py for the lifetime of the object: a loopback FTP stand-in for
// the vendor's upload server with the upload account and its remote folders.

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include "standinprocess.h"

class FtpStandIn
{
public:
    // Starts the script in a mode ("normal", "refuse-folder", "wrong-password", "drop") and waits
    // until it reports its port; false (see errorText()) on failure. A running server is stopped
    // first, and what it received is kept.
    bool start(const QString &mode = QStringLiteral("normal"));
    void stop();

    quint16 port() const { return m_port; }
    QString errorText() const { return m_error; }
    // Points the program's configuration at this server (VN_FTP_HOST, VN_FTP_PORT).
    void applyEnvironment() const;

    // Paths of the files received so far, relative to the server's root ("public_html/apps/...").
    QStringList receivedFiles() const;
    // The content of a received file given by its remote path; empty when missing.
    QByteArray receivedFile(const QString &remotePath) const;
    // "COMMAND argument" of every command after login, in order.
    QStringList commands() const;
    // Removes every received file and the command log.
    void clear();

private:
    QString rootPath() const;

    QTemporaryDir m_dir;
    StandInProcess m_server;
    quint16 m_port = 0;
    QString m_error;
};
