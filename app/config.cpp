#include "app/config.h"

#include <QFile>
#include <QSslCertificate>
#include <QSslConfiguration>
#include <QtGlobal>

namespace {

QString envText(const char *name, const QString &fallback)
{
    const QString value = qEnvironmentVariable(name).trimmed();
    return value.isEmpty() ? fallback : value;
}

quint16 envPort(const char *name, quint16 fallback)
{
    bool ok = false;
    const uint value = qEnvironmentVariable(name).trimmed().toUInt(&ok);
    return (ok && value > 0 && value <= 65535) ? quint16(value) : fallback;
}

} // namespace

namespace Config {

QString webHost()
{
    return envText("VN_WEB_HOST", QStringLiteral("www.verdimon.example"));
}

quint16 webPort()
{
    return envPort("VN_WEB_PORT", 443);
}

QString webBaseUrl()
{
    QString base = qEnvironmentVariable("VN_WEB_BASE_URL").trimmed();
    if (base.isEmpty()) {
        QUrl url;
        url.setScheme(QStringLiteral("https"));
        url.setHost(webHost());
        if (webPort() != 443)
            url.setPort(webPort());
        base = url.toString();
    }
    while (base.endsWith(QLatin1Char('/')))
        base.chop(1);
    return base;
}

QString ftpHost()
{
    return envText("VN_FTP_HOST", QStringLiteral("ftp.verdimon.example"));
}

quint16 ftpPort()
{
    return envPort("VN_FTP_PORT", 21);
}

QString dbHost()
{
    return envText("VN_DB_HOST", QStringLiteral("db.verdimon.example"));
}

quint16 dbPort()
{
    return envPort("VN_DB_PORT", 3306);
}

QString dbName()
{
    return envText("VN_DB_NAME", QStringLiteral("user_dravonel_db"));
}

QString dbUser()
{
    return envText("VN_DB_USER", QStringLiteral("user_dravonel_account"));
}

QString dbPassword()
{
    return envText("VN_DB_PASSWORD", QStringLiteral("Qm7rTz4KvB2nXw9L"));
}

bool installTestCertificateAuthority()
{
    static bool installed = false;
    if (installed)
        return true;
    const QString file = qEnvironmentVariable("VN_TEST_CA_FILE");
    if (file.isEmpty() || !QFile::exists(file))
        return false;
    QList<QSslCertificate> certs = QSslCertificate::fromPath(file, QSsl::Pem);
    if (certs.isEmpty())
        certs = QSslCertificate::fromPath(file, QSsl::Der);
    if (certs.isEmpty())
        return false;
    QSslConfiguration config = QSslConfiguration::defaultConfiguration();
    config.addCaCertificates(certs);
    QSslConfiguration::setDefaultConfiguration(config);
    installed = true;
    return true;
}

} // namespace Config
