// NetworkManager's web requests against misbehaving servers: endless, huge and trickling
// bodies, error statuses with a plausible body, redirects, markup and oversized pictures.

#include "appidentity.h"
#include "networkfixture.h"

#include <QElapsedTimer>
#include <QFile>
#include <QPixmap>
#include <QRegularExpression>

class TestHostileReplies : public QObject, private NetworkFixture
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QVERIFY2(startServer(), qPrintable(server.errorText()));
        server.applyEnvironment();
        QVERIFY(Config::installTestCertificateAuthority());
    }

    void cleanup() { server.applyEnvironment(); }

    // Every web request against a misbehaving server: the outcome signals, the time to give up
    // (short test deadlines: 2 s of stall, 1.5 s overall) and the memory the process needed.
    void hostileReplies_data()
    {
        QTest::addColumn<QString>("request");
        QTest::addColumn<QString>("mode");
        QTest::addColumn<QStringList>("signalNames");

        const QStringList refused { "requestFailed" };
        const QStringList checked { "finished" };
        const QStringList unknownAddress { "userConnectedStatus", "userIPUnknownData", "finished" };
        const QStringList encryption { "passEncryptionStarted", "ecryptionError", "finished" };
        const QStringList noCaptcha { "captchaError", "finished" };
        const QStringList mismatch { "credentialsError", "finished" };
        const QStringList invalid { "emailValidationError", "finished" };
        const QStringList noCountry { "userCountry", "finished" };
        for (const char *mode : { "endless", "huge", "trickle" }) {
            const QString m = QString::fromLatin1(mode);
            QTest::addRow("update check, %s", mode) << "check" << m << refused + checked;
            QTest::addRow("address, %s", mode) << "address" << m << refused + unknownAddress;
            QTest::addRow("stored form, %s", mode)
                << "encrypt" << m
                << QStringList { "passEncryptionStarted" } + refused + encryption.mid(1);
            QTest::addRow("captcha, %s", mode) << "captcha" << m << refused + noCaptcha;
            QTest::addRow("password check, %s", mode) << "password" << m << refused + mismatch;
            QTest::addRow("validation, %s", mode) << "registration" << m << refused + invalid;
            QTest::addRow("country, %s", mode) << "country" << m << refused + noCountry;
            QTest::addRow("avatar, %s", mode)
                << "avatar" << m << refused + QStringList("accountAvatar");
        }
        const QStringList latest { "latestVersion()", "latestVersion(1)", "changelogInfo",
                                   "finished" };
        const std::tuple<const char *, const char *, QStringList> rows[] = {
            { "check", "status500true", checked },
            { "check", "redirect", checked }, // with a description
            { "check", "markup", latest },
            { "address", "", { "userConnectedStatus", "userIPData", "finished" } },
            { "address", "markup", unknownAddress },
            { "address", "fail", { "userNotConnectedStatus", "userIPUnknownData", "finished" } },
            { "address", "status500true", unknownAddress },
            { "address", "redirect", unknownAddress },
            { "encrypt", "status500true", encryption },
            { "encrypt", "redirect", encryption },
            { "encrypt", "acctext", encryption }, // any 200 text
            { "password", "status500true", mismatch },
            { "registration", "status500true", invalid },
            { "registration", "redirect", invalid },
            { "captcha", "status500true", noCaptcha },
            { "captcha", "redirect", noCaptcha },
            { "captcha", "bigimage", refused + noCaptcha },
            { "captcha", "", { "captchaData", "finished" } },
            { "avatar", "bigimage", refused + QStringList("accountAvatar") },
            { "avatar", "status500true", { "accountAvatar" } },
        };
        for (const auto &[request, mode, names] : rows)
            QTest::addRow("%s, %s", request, *mode ? mode : "plain") << request << mode << names;
    }

    void hostileReplies()
    {
        QFETCH(QString, request);
        QFETCH(QString, mode);
        QFETCH(QStringList, signalNames);

        server.applyEnvironment(mode);
        // Only the trickle must meet the overall deadline; the others are refused by size or
        // shape, which a loaded machine may take longer than 1.5 s to reach.
        const int deadlineMs = mode == QLatin1String("trickle") ? 1500 : 6000;
        peakGrowthMB();
        QElapsedTimer clock;
        clock.start();
        QStringList names;
        if (request == QLatin1String("avatar")) {
            // The avatar's manager stays on the GUI thread and ends with no finished().
            NetworkManager manager;
            manager.setStallTimeout(2000);
            manager.setRequestBounds(0, deadlineMs);
            log = std::make_unique<SignalLog>(&manager);
            manager.getAccountAvatar(QStringLiteral("avatars/user_1.png"));
            log->waitFor(QStringLiteral("accountAvatar"), 15000);
            names = log->names();
            const QPixmap avatar = log->arguments(QStringLiteral("accountAvatar"))
                                       .value(0)
                                       .value(0)
                                       .value<QPixmap>();
            QCOMPARE(avatar.isNull(), mode != QLatin1String(""));
        } else {
            names = runOnThread(
                [&](NetworkManager *manager) {
                    manager->setRequestBounds(0, deadlineMs);
                    const QByteArray slot = request == "check" ? "checkForApplicationUpdates"
                        : request == "address"                 ? "detectUserIp"
                        : request == "encrypt"                 ? "encryptPassword"
                        : request == "captcha"                 ? "getCaptcha"
                        : request == "password"                ? "checkUserPassword"
                        : request == "country"                 ? "getLocation"
                                                               : "validateEmail";
                    if (request == "check")
                        QMetaObject::invokeMethod(manager, slot, Q_ARG(bool, false));
                    else if (request == "address" || request == "country")
                        QMetaObject::invokeMethod(manager, slot, Qt::QueuedConnection);
                    else if (request == "registration")
                        QMetaObject::invokeMethod(manager, slot, Q_ARG(QString, "alice"),
                                                  Q_ARG(QString, "alice@example.test"),
                                                  Q_ARG(QString, "Registration"));
                    else if (request == "password")
                        QMetaObject::invokeMethod(manager, slot, Q_ARG(QString, "secret"),
                                                  Q_ARG(QString, "vn1$00$00"));
                    else
                        QMetaObject::invokeMethod(manager, slot, Q_ARG(QString, "productReg"));
                },
                2000);
        }
        QCOMPARE(names, signalNames);
        // The deadline and the stall timer bound every case; the memory stays far below what the
        // server offered (2 GiB, an endless body, a picture of 400 MB once decoded).
        QVERIFY2(clock.elapsed() < 8000, qPrintable(QString::number(clock.elapsed())));
        const qint64 growth = peakGrowthMB();
        QVERIFY2(growth < 200, qPrintable(QString::number(growth)));
        if (!log->arguments(QStringLiteral("requestFailed")).isEmpty()) {
            const QString reason
                = log->arguments(QStringLiteral("requestFailed")).value(0).value(0).toString();
            QVERIFY2(reason.contains(mode == QLatin1String("trickle") ? "within 2 seconds"
                                         : mode == QLatin1String("bigimage")
                                         ? "20000 x 20000 pixels"
                                         : "larger than"),
                     qPrintable(reason));
        }
        if (request == QLatin1String("address") && names.contains("userIPUnknownData"))
            QCOMPARE(log->arguments("userIPUnknownData").value(0).value(0).toString(),
                     QStringLiteral("Unknown"));
    }

    void setupDownloadIsBounded_data()
    {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<QString>("reason");
        QTest::newRow("endless") << "endless" << QString("larger than 1 MB");
        QTest::newRow("announced 2 GiB") << "huge" << QString("larger than 1 MB");
        QTest::newRow("one byte at a time") << "trickle" << QString("within 2 seconds");
    }

    void setupDownloadIsBounded()
    {
        QFETCH(QString, mode);
        QFETCH(QString, reason);
        QElapsedTimer clock;
        clock.start();
        QCOMPARE(
            download(server.baseUrl(mode) + "/setups/size/1000", dir.path(),
                     [](NetworkManager *manager) { manager->setRequestBounds(1024 * 1024, 1500); }),
            failed);
        const QString shown = log->arguments("updateFailed").value(0).value(0).toString();
        QVERIFY2(shown.contains(reason), qPrintable(shown));
        QVERIFY(!QFile::exists(setupPath()));
        QVERIFY(clock.elapsed() < 8000);
        QVERIFY(peakGrowthMB() < 200);
    }

private:
    // A figure of /proc/self/status in MB ("VmHWM", "VmRSS").
    static qint64 statusMB(const char *field)
    {
        QFile status(QStringLiteral("/proc/self/status"));
        if (!status.open(QIODevice::ReadOnly))
            return -1;
        const QRegularExpression line(QStringLiteral("%1:\\s+(\\d+) kB").arg(QLatin1String(field)));
        return line.match(QString::fromLatin1(status.readAll())).captured(1).toLongLong() / 1024;
    }

    // How much the resident memory rose above its level at the last call (the peak is reset
    // then), in MB.
    qint64 peakGrowthMB()
    {
        const qint64 growth = statusMB("VmHWM") - residentBefore;
        QFile clear(QStringLiteral("/proc/self/clear_refs"));
        if (clear.open(QIODevice::WriteOnly))
            clear.write("5"); // resets VmHWM to the current resident size
        clear.close();
        residentBefore = statusMB("VmRSS");
        return growth;
    }

    qint64 residentBefore = 0;
};

QTEST_MAIN(TestHostileReplies)
#include "tst_hostilereplies.moc"
