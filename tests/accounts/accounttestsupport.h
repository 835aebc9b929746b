#pragma once
// What the account tests share: the mailed verification codes, stored credentials, the message
// boxes shown and the end of the window's detections.

#include "app/cipher.h"
#include "app/config.h"
#include "app/msgdialog.h"
#include "app/settings.h"
#include "httpsstandin.h"
#include "mainwindow/detectionstats.h"
#include "mariadbstandin.h"
#include "standinprocess.h"

#include <QStringList>
#include <QtTest>

namespace AccountTestSupport {

// The last verification code the web stand-in in webDir "mailed" to the address.
inline QString mailedCode(const QString &webDir, const QString &email)
{
    QString code;
    for (const QString &line : StandInProcess::lines(webDir + QStringLiteral("/mailbox.log"))) {
        if (line.startsWith(email + QLatin1Char(' ')))
            code = line.mid(email.size() + 1);
    }
    return code;
}

// Starts the account database and the web service that checks passwords against it (captcha
// code 4711), points the program at both and trusts the web service's test authority. Empty
// when all went well, else what failed.
inline QString startAccountServices(MariaDbStandIn &db, HttpsStandIn &web)
{
    if (!db.start())
        return db.errorText();
    if (!web.start(QStringLiteral("latest"),
                   { QStringLiteral("--accounts-db-env"), db.envFile(),
                     QStringLiteral("--captcha-code"), QStringLiteral("4711") }))
        return web.errorText();
    db.applyEnvironment();
    web.applyEnvironment();
    if (!Config::installTestCertificateAuthority())
        return QStringLiteral("the test certificate authority was not installed");
    return QString();
}

// Remembered credentials, as a sign-in with "Remember me" stores them.
inline void storeCredentials(const QString &login, const QString &password)
{
    Settings::setSettingsValue(QStringLiteral("Credentials"), QStringLiteral("Login"),
                               encryptString(credentialsCipherKey, login));
    Settings::setSettingsValue(QStringLiteral("Credentials"), QStringLiteral("Password"),
                               encryptString(credentialsCipherKey, password));
}

// Every message box from now on is answered with Ok and kept in `told` as
// "title|text|kind" (kind: 1 information, 2 warning, 3 critical).
inline void recordMessages(QStringList *told)
{
    MsgDialog::setTestResponder([told](MsgDialog *box) {
        *told << QStringLiteral("%1|%2|%3")
                     .arg(box->windowTitle(), box->textLabel()->text())
                     .arg(box->iconKind());
        return int(QDialogButtonBox::Ok);
    });
}

// True once the window's detections have ended.
inline bool detectionsEnded()
{
    return QTest::qWaitFor(
        [] { return DetectionStats::liveThreads() == 0 && DetectionStats::liveWorkers() == 0; },
        60000);
}

// True while or after the window collects.
inline bool collectionStarted()
{
    return DetectionStats::liveThreads() > 0 || !DetectionStats::durations().isEmpty();
}

} // namespace AccountTestSupport
