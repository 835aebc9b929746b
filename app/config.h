#pragma once
// The one place that knows where the vendor's servers are. Compiled-in defaults live under the
// reserved ".example" domain; the environment can point the program (and the tests) elsewhere.

#include <QString>
#include <QUrl>

namespace Config {

// Web service host and port (VN_WEB_HOST, VN_WEB_PORT; default www.verdimon.example:443).
QString webHost();
quint16 webPort();
// Full https base URL of the web service (VN_WEB_BASE_URL), no trailing slash. Without the
// variable it is built from webHost() and webPort().
QString webBaseUrl();

// FTP server for uploads (VN_FTP_HOST, VN_FTP_PORT; default ftp.verdimon.example:21).
QString ftpHost();
quint16 ftpPort();

// Account database server (VN_DB_HOST, VN_DB_PORT; default db.verdimon.example:3306).
QString dbHost();
quint16 dbPort();
// Database name, account and its password (VN_DB_NAME, VN_DB_USER, VN_DB_PASSWORD; defaults are
// the deployment's values compiled into the program).
QString dbName();
QString dbUser();
QString dbPassword();

// When VN_TEST_CA_FILE names a PEM or DER certificate file, adds its certificates to the
// default TLS configuration, so that later requests (on any thread) trust them. Call once at
// start-up and before the first request of a test. Returns true when certificates were added.
bool installTestCertificateAuthority();

} // namespace Config
