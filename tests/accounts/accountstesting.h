#pragma once
// The account stand-ins every account test runs against: a private MariaDB with the seed
// accounts and the HTTPS web service that asks it, both on loopback.

#include "app/config.h"
#include "httpsstandin.h"
#include "mariadbstandin.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QSqlDatabase>
#include <QTest>

struct AccountServers
{
    MariaDbStandIn db;
    HttpsStandIn web;

    bool start(QString *error)
    {
        if (!db.start()) {
            *error = db.errorText();
            return false;
        }
        if (!web.start(QStringLiteral("latest"),
                       { QStringLiteral("--accounts-db-env"), db.envFile(),
                         QStringLiteral("--captcha-code"), QStringLiteral("4711") })) {
            *error = web.errorText();
            return false;
        }
        db.applyEnvironment();
        web.applyEnvironment();
        Config::installTestCertificateAuthority();
        return true;
    }

    // The last verification code "mailed" to the address.
    QString mailedCode(const QString &email) const
    {
        QString code;
        for (const QString &line :
             StandInProcess::lines(web.dir() + QStringLiteral("/mailbox.log"))) {
            if (line.startsWith(email + QLatin1Char(' ')))
                code = line.mid(email.size() + 1);
        }
        return code;
    }

    // The decoded fields of every form the web service received, in order.
    QList<QJsonObject> forms() const
    {
        QList<QJsonObject> list;
        for (const QString &line : StandInProcess::lines(web.dir() + QStringLiteral("/forms.log")))
            list << QJsonDocument::fromJson(line.toUtf8()).object().value("fields").toObject();
        return list;
    }
};

// Forgets the shared connection, so the next ServerDB reads the configuration again.
inline void dropAccountConnection()
{
    QSqlDatabase::removeDatabase(QStringLiteral("DBConnection"));
}
