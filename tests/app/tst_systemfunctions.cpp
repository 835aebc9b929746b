#include "app/cipher.h"
#include "app/config.h"
#include "app/msgdialog.h"
#include "app/settings.h"
#include "app/systemfunctions.h"
#include "platform/platform.h"
#include "tests/support/appidentity.h"
#include "tests/support/silentlistener.h"
#include "widgets/appqlabel.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QRegularExpression>
#include <QSettings>
#include <QSslCertificate>
#include <QSslConfiguration>
#include <QTcpServer>
#include <QTcpSocket>
#include <QWidget>
#include <QtTest>

#include <memory>

class TestSystemFunctions : public QObject
{
    Q_OBJECT
private slots:
    // The test script exports the stand-ins' addresses; every case starts from none.
    void init()
    {
        QSettings().clear();
        MsgDialog::setTestResponder(nullptr);
        cleanup();
    }

    void cleanup()
    {
        for (const char *name : { "VN_WEB_HOST", "VN_WEB_PORT", "VN_WEB_BASE_URL", "VN_FTP_HOST",
                                  "VN_FTP_PORT", "VN_DB_HOST", "VN_DB_PORT", "VN_TEST_CA_FILE" })
            qunsetenv(name);
    }

    // The FTP and database overrides are used by every test against their stand-ins.
    void defaults()
    {
        QCOMPARE(Config::webBaseUrl(), QString("https://www.verdimon.example"));
        QCOMPARE(QStringLiteral("%1:%2 %3:%4")
                     .arg(Config::ftpHost())
                     .arg(Config::ftpPort())
                     .arg(Config::dbHost())
                     .arg(Config::dbPort()),
                 QString("ftp.verdimon.example:21 db.verdimon.example:3306"));
    }

    // A bad port keeps the default; an explicit base address wins, without its closing slash.
    void webOverrides()
    {
        const std::tuple<QByteArray, QByteArray, QByteArray, quint16, QString> table[] = {
            { "127.0.0.1", "8443", "", 8443, "https://127.0.0.1:8443" },
            { "localhost", "9443", "https://localhost:9443/api/", 9443,
              "https://localhost:9443/api" },
            { "localhost", "70000", "", 443, "https://localhost" },
            { "localhost", "https", "", 443, "https://localhost" },
        };
        for (const auto &[host, port, base, expectedPort, expectedBase] : table) {
            cleanup();
            qputenv("VN_WEB_HOST", host);
            qputenv("VN_WEB_PORT", port);
            if (!base.isEmpty())
                qputenv("VN_WEB_BASE_URL", base);
            QCOMPARE(Config::webHost(), QString::fromLatin1(host));
            QCOMPARE(Config::webPort(), expectedPort);
            QCOMPARE(Config::webBaseUrl(), expectedBase);
        }
    }

    void testAuthority()
    {
        qputenv("VN_TEST_CA_FILE", "/nonexistent/ca.pem");
        QVERIFY(!Config::installTestCertificateAuthority());

        const QString file = QStringLiteral(VN_SOURCE_DIR) + "/tests/app/data/testca.pem";
        qputenv("VN_TEST_CA_FILE", file.toLocal8Bit());
        const QList<QSslCertificate> wanted = QSslCertificate::fromPath(file);
        QCOMPARE(wanted.size(), 1);
        QVERIFY(Config::installTestCertificateAuthority());
        QVERIFY(
            QSslConfiguration::defaultConfiguration().caCertificates().contains(wanted.first()));
        // A second call adds nothing more.
        const int count = QSslConfiguration::defaultConfiguration().caCertificates().size();
        QVERIFY(Config::installTestCertificateAuthority());
        QCOMPARE(QSslConfiguration::defaultConfiguration().caCertificates().size(), count);
    }

    void launchErrors_data()
    {
        QTest::addColumn<qint64>("code");
        QTest::addColumn<QString>("text"); // empty: the program started, no box
        const std::pair<qint64, const char *> rows[] = {
            { 0,
              "The program could not be started: it is not a program this system can run, or "
              "the system is out of resources." },
            { 2, "The specified file was not found." },
            { 3, "The specified path was not found." },
            { 5, "The operating system denied access to the specified file." },
            { 8, "There was not enough memory to complete the operation." },
            { 11, "The .exe file is invalid (non-Win32 .exe or error in .exe image)." },
            { 26, "A sharing violation occurred." },
            { 27, "The file name association is incomplete or invalid." },
            { 28, "The DDE transaction could not be completed because the request timed out." },
            { 29, "The DDE transaction failed." },
            { 30,
              "The DDE transaction could not be completed because other DDE transactions were "
              "being processed." },
            { 31,
              "No application is set to open this type of file or folder, or the desktop's "
              "opener (xdg-open) is not installed." },
            { 32, "The specified DLL was not found." },
            { 4, "Unknown" },
            { -1, "Unknown" },
            { 33, "" },
        };
        for (const auto &[code, text] : rows)
            QTest::addRow("%lld", code) << code << QString(text);
    }
    void launchErrors()
    {
        QFETCH(qint64, code);
        QFETCH(QString, text);
        QWidget owner;
        QStringList shown;
        MsgDialog::setTestResponder([&](MsgDialog *d) {
            shown << QStringLiteral("%1|%2|%3|%4|%5")
                         .arg(d->windowTitle(), d->textLabel()->text())
                         .arg(d->iconKind())
                         .arg(int(d->buttonBox()->standardButtons()))
                         .arg(d->parentWidget() == &owner);
            return int(QDialogButtonBox::Ok);
        });
        showShellExecuteError(code, "Control Panel", &owner);
        const QString box
            = QStringLiteral("Control Panel|%1|3|%2|1").arg(text).arg(int(QDialogButtonBox::Ok));
        QCOMPARE(shown, text.isEmpty() ? QStringList() : QStringList { box });
    }

    void namesKeysAndValues()
    {
        QCOMPARE(formatArchitecture("64"), QString("x64"));
        QCOMPARE(formatArchitecture("32"), QString("x86"));
        QCOMPARE(formatArchitecture("arm64"), QString("arm64"));
        QCOMPARE(formatArchitecture(""), QString());
        const QString run
            = "HKEY_LOCAL_MACHINE\\SOFTWARE\\%1Microsoft\\Windows\\CurrentVersion\\Run";
        QCOMPARE(runKeyPath(32), run.arg(""));
        QCOMPARE(runKeyPath(64), run.arg("WOW6432Node\\"));
        QCOMPARE(runKeyPath(16), QString());
        const QStringList channels { "Release", "Development", "Insider", "Beta", "Release" };
        for (int channel = -1; channel <= 3; ++channel)
            QCOMPARE(updateChannelName(channel), channels.at(channel + 1));
        QCOMPARE(updateChannelName(7), QString("Release"));
        QCOMPARE(productKeyForName("Verdimon Nuvo"), QString("verdimon_nuvo"));
        QCOMPARE(productKeyForName("Ostrel"), QString("ostrel"));
        QCOMPARE(productKeyForName("Something"), QString("verdimon_nuvo"));
        QCOMPARE(productPackageName("Verdimon Nuvo"), QString("Verdimon.Nuvo"));
        QCOMPARE(productPackageName("Ostrel"), QString("Unknown"));
        for (const char *upper : { "ABC", "123", "" })
            QVERIFY(!isNotAllUpperCase(upper));
        QVERIFY(isNotAllUpperCase("AbC"));
        QVERIFY(isNotAllUpperCase("пароль"));
        QCOMPARE(cleanWmiValue("  Intel Corporation \t"), QString("Intel Corporation"));
        QCOMPARE(cleanWmiValue(" \t\n"), QString("Unknown"));
        QCOMPARE(cleanWmiValue(""), QString());
        QCOMPARE(cleanWmiValue("A  B"), QString("A  B"));
    }

    // rate 0: the duration itself.
    void durations_data()
    {
        QTest::addColumn<qint64>("amount");
        QTest::addColumn<qint64>("rate");
        QTest::addColumn<QString>("text");
        QTest::newRow("zero") << qint64(0) << qint64(0) << "00:00:00";
        QTest::newRow("just short of an hour") << qint64(3599999) << qint64(0) << "00:59:59";
        QTest::newRow("1h2m3s") << qint64(3723000) << qint64(0) << "01:02:03";
        QTest::newRow("beyond int") << qint64(10737418240) << qint64(0) << "2982:36:58";
        QTest::newRow("slow rate") << qint64(5000000) << qint64(1023) << "unknown";
        QTest::newRow("4 s") << qint64(5000000) << qint64(1048576) << "00:00:04";
        QTest::newRow("nothing left") << qint64(0) << qint64(1048576) << "unknown";
        QTest::newRow("below one") << qint64(500) << qint64(1048576) << "unknown";
        QTest::newRow("3 GiB at 1 MiB/s") << qint64(3221225472) << qint64(1048576) << "00:52:25";
        QTest::newRow("5 GiB at 3 GiB/s") << qint64(5368709120) << qint64(3221225472) << "00:00:01";
    }
    void durations()
    {
        QFETCH(qint64, amount);
        QFETCH(qint64, rate);
        QFETCH(QString, text);
        QCOMPARE(rate ? formatRemainingTime(amount, rate) : formatDuration(amount), text);
    }

    // The development channel needs the enciphered "yes" of a development build.
    void effectiveChannel()
    {
        const QString yes = encryptString(devBuildCipherKey, "yes");
        QCOMPARE(effectiveUpdateChannel(0), 1); // nothing stored
        QCOMPARE(effectiveUpdateChannel(2), 2);
        const std::tuple<QString, int, int> table[] = {
            { yes, 0, 0 },
            { encryptString(devBuildCipherKey, "no"), 0, 1 },
            { encryptString(credentialsCipherKey, "yes"), 0, 1 }, // the wrong key
            { "yes", 0, 1 },
            { "", 3, 3 },
        };
        for (const auto &[devBuild, channel, expected] : table) {
            Settings::setSettingsValue("Credentials", "DevBuild", devBuild);
            QCOMPARE(effectiveUpdateChannel(channel), expected);
        }
    }

    void serverTime()
    {
        qInfo("system locale %s", qPrintable(QLocale::system().name()));
        const QString now = serverDateTime();
        QVERIFY2(now.contains(QRegularExpression("^\\d{4}-\\d{2}-\\d{2} \\d{2}:\\d{2}:\\d{2}$")),
                 qPrintable(now));
        QCOMPARE(resolveTimeZone("Europe/Kiev", "UTC").id(), QByteArray("Europe/Kiev"));
        QCOMPARE(resolveTimeZone("Europe/Nowhere", "Europe/Kyiv").id(), QByteArray("Europe/Kyiv"));
        QCOMPARE(resolveTimeZone("No/Such", "Nor/This"), QTimeZone::systemTimeZone());
        QCOMPARE(serverTimeZone().id(), QByteArray("Europe/Kiev"));
    }

    // The server reads time texts with ASCII digits whatever the user's locale writes. The
    // system locale is fixed at start, so the time-text case runs in a child under each locale.
    void serverTimeUnderLocale_data()
    {
        QTest::addColumn<QByteArray>("locale");
        QTest::newRow("Arabic") << QByteArray("ar_EG.UTF-8");
        QTest::newRow("Persian") << QByteArray("fa_IR.UTF-8");
    }

    void serverTimeUnderLocale()
    {
        QFETCH(QByteArray, locale);
        QProcess child;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("LC_ALL"), QString::fromLatin1(locale));
        child.setProcessEnvironment(environment);
        child.setProcessChannelMode(QProcess::MergedChannels);
        child.start(QCoreApplication::applicationFilePath(), { QStringLiteral("serverTime") });
        QVERIFY(child.waitForFinished(30000));
        const QByteArray output = child.readAll();
        QVERIFY2(output.contains("system locale " + locale.left(5)), output.constData());
        QVERIFY2(child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0,
                 output.constData());
    }

    // port: 0 the configured one, 1 a listening server, 2 a closed port.
    void reachability_data()
    {
        QTest::addColumn<QByteArray>("host");
        QTest::addColumn<int>("port");
        QTest::addColumn<bool>("reachable");
        QTest::addColumn<int>("withinMs");
        QTest::newRow("address") << QByteArray("127.0.0.1") << 1 << true << 6000;
        // A name goes through the look-up; "localhost" may give ::1 first, which refuses.
        QTest::newRow("name") << QByteArray("localhost") << 1 << true << 6000;
        QTest::newRow("refused") << QByteArray("127.0.0.1") << 2 << false << 3000;
        // The reserved domain is never contacted.
        QTest::newRow("default host") << QByteArray() << 0 << false << 100;
        QTest::newRow("upper case") << QByteArray("WWW.VERDIMON.EXAMPLE") << 0 << false << 100;
        QTest::newRow("trailing dot") << QByteArray("www.verdimon.example.") << 0 << false << 100;
    }
    void reachability()
    {
        QFETCH(QByteArray, host);
        QFETCH(int, port);
        QFETCH(bool, reachable);
        QFETCH(int, withinMs);
        QTcpServer server;
        if (port > 0) {
            QVERIFY(server.listen(QHostAddress::LocalHost));
            qputenv("VN_WEB_PORT", QByteArray::number(server.serverPort()));
            if (port == 2)
                server.close();
        }
        if (!host.isEmpty())
            qputenv("VN_WEB_HOST", host);
        QElapsedTimer timer;
        timer.start();
        QCOMPARE(isNetworkAvailable(), reachable);
        QVERIFY(timer.elapsed() < withinMs);
        // The non-blocking form gives the same answer, later, once.
        QObject context;
        QList<bool> answers;
        checkNetworkAvailable(&context, [&answers](bool online) { answers << online; });
        QVERIFY(answers.isEmpty());
        QTRY_COMPARE_WITH_TIMEOUT(answers.size(), 1, withinMs);
        QTest::qWait(50);
        QCOMPARE(answers, QList<bool> { reachable });
    }

    void silentHostTimesOut()
    {
        SilentListener listener;
        const quint16 port = listener.port();
        QVERIFY(port > 0);
        QElapsedTimer timer;
        timer.start();
        const bool reachable = isHostReachable("127.0.0.1", port, 700);
        const qint64 elapsed = timer.elapsed();
        QVERIFY(!reachable);
        QVERIFY2(elapsed >= 600 && elapsed < 3000, qPrintable(QString::number(elapsed)));

        // The non-blocking form keeps the caller's event loop running meanwhile, and a caller
        // that is gone gets no answer.
        QObject context;
        auto gone = std::make_unique<QObject>();
        int ticks = 0;
        QTimer ticker;
        connect(&ticker, &QTimer::timeout, this, [&ticks] { ++ticks; });
        ticker.start(20);
        QList<bool> answers;
        timer.restart();
        checkHostReachable("127.0.0.1", port, 700, &context, [&](bool up) { answers << up; });
        checkHostReachable("127.0.0.1", port, 700, gone.get(), [&](bool) { answers << true; });
        gone.reset();
        QTRY_VERIFY_WITH_TIMEOUT(!answers.isEmpty(), 3000);
        QVERIFY2(timer.elapsed() >= 600 && ticks >= 15, qPrintable(QString::number(ticks)));
        QTest::qWait(100);
        QCOMPARE(answers, QList<bool> { false });
    }

    void windowPlacement()
    {
        QWidget base;
        base.setGeometry(100, 100, 400, 300);
        QWidget child;
        child.resize(100, 50);
        child.move(0, 0);
        centerOnWidget(nullptr, &child);
        QCOMPARE(child.pos(), QPoint(0, 0));
        centerOnWidget(&base, &child);
        const QPoint centre = base.mapToGlobal(base.rect().center());
        QCOMPARE(child.pos(), QPoint(centre.x() - 50, centre.y() - 25));
        QCOMPARE(screenResolution(), qMakePair(800, 600)); // the offscreen platform's screen

        setWindowTopmost(&child, true);
        QVERIFY(child.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        child.show();
        setWindowTopmost(&child, false);
        QVERIFY(!child.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        QVERIFY(child.isVisible());
    }

    void installedProgramLookup()
    {
        const QString uninstall = "HKEY_LOCAL_MACHINE\\SOFTWARE\\Test\\Uninstall";
        auto registry = std::make_shared<plat::MemoryRegistry>();
        registry->setValue(uninstall + "\\VerdimonNuvo_is1", "DisplayName", "Verdimon Nuvo");
        registry->setValue(uninstall + "\\OtherTool", "DisplayName", "Other Tool");
        auto platform = std::make_shared<plat::Platform>();
        platform->registry = registry;
        plat::ScopedPlatform scope(platform);
        QVERIFY(findInstalledProgram(uninstall, "VerdimonNuvo", "Verdimon Nuvo"));
        QVERIFY(findInstalledProgram(uninstall, "Nuvo", "Verdimon Nuvo")); // part of the entry
        QVERIFY(!findInstalledProgram(uninstall, "verdimonnuvo", "Verdimon Nuvo"));
        QVERIFY(!findInstalledProgram(uninstall, "VerdimonNuvo", "Verdimon"));
        QVERIFY(!findInstalledProgram(uninstall, "VerdimonNuvo", "Other Tool"));
        QVERIFY(!findInstalledProgram(uninstall + "\\Missing", "Nuvo", "Verdimon Nuvo"));
    }
};

QTEST_MAIN(TestSystemFunctions)
#include "tst_systemfunctions.moc"
