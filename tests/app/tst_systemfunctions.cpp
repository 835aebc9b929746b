#include "app/cipher.h"
#include "app/msgdialog.h"
#include "app/settings.h"
#include "app/systemfunctions.h"
#include "platform/platform.h"
#include "widgets/appqlabel.h"

#include <QElapsedTimer>
#include <QRegularExpression>
#include <QSettings>
#include <QTcpServer>
#include <QTcpSocket>
#include <QWidget>
#include <QtTest>

#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

class TestSystemFunctions : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QCoreApplication::setOrganizationName(QStringLiteral("Dravonel"));
        QCoreApplication::setApplicationName(QStringLiteral("Verdimon Nuvo"));
    }

    void init()
    {
        QSettings().clear();
        MsgDialog::setTestResponder(nullptr);
    }

    void errorTexts_data()
    {
        QTest::addColumn<qint64>("code");
        QTest::addColumn<QString>("text");
        QTest::newRow("0") << qint64(0) << "The operating system is out of memory or resources.";
        QTest::newRow("2") << qint64(2) << "The specified file was not found.";
        QTest::newRow("3") << qint64(3) << "The specified path was not found.";
        QTest::newRow("5") << qint64(5)
                           << "The operating system denied access to the specified file.";
        QTest::newRow("8") << qint64(8) << "There was not enough memory to complete the operation.";
        QTest::newRow("11") << qint64(11)
                            << "The .exe file is invalid (non-Win32 .exe or error in .exe image).";
        QTest::newRow("26") << qint64(26) << "A sharing violation occurred.";
        QTest::newRow("27") << qint64(27) << "The file name association is incomplete or invalid.";
        QTest::newRow("28") << qint64(
            28) << "The DDE transaction could not be completed because the request timed out.";
        QTest::newRow("29") << qint64(29) << "The DDE transaction failed.";
        QTest::newRow("30") << qint64(30)
                            << "The DDE transaction could not be completed because other DDE "
                               "transactions were being processed.";
        QTest::newRow("31") << qint64(31)
                            << "There is no application associated with the given file name "
                               "extension. This error will also be returned if you attempt to "
                               "print a file that is not printable.";
        QTest::newRow("32") << qint64(32) << "The specified DLL was not found.";
        QTest::newRow("4") << qint64(4) << "Unknown";
        QTest::newRow("negative") << qint64(-1) << "Unknown";
    }
    void errorTexts()
    {
        QFETCH(qint64, code);
        QFETCH(QString, text);
        QCOMPARE(shellExecuteErrorText(code), text);
    }

    void errorBox_data()
    {
        QTest::addColumn<qint64>("code");
        QTest::addColumn<QString>("text"); // empty: no box
        QTest::newRow("started") << qint64(42) << QString();
        QTest::newRow("33") << qint64(33) << QString();
        QTest::newRow("32") << qint64(32) << "The specified DLL was not found.";
        QTest::newRow("4") << qint64(4) << "Unknown";
        QTest::newRow("negative") << qint64(-5) << "Unknown";
        QTest::newRow("2") << qint64(2) << "The specified file was not found.";
    }
    void errorBox()
    {
        QFETCH(qint64, code);
        QFETCH(QString, text);
        int shown = 0;
        QString title, message;
        int kind = 0;
        QDialogButtonBox::StandardButtons buttons;
        QWidget *parent = nullptr;
        MsgDialog::setTestResponder([&](MsgDialog *d) {
            ++shown;
            title = d->windowTitle();
            message = d->textLabel()->text();
            kind = d->iconKind();
            buttons = d->buttonBox()->standardButtons();
            parent = d->parentWidget();
            return int(QDialogButtonBox::Ok);
        });
        QWidget owner;
        showShellExecuteError(code, "Control Panel", &owner);
        if (text.isEmpty()) {
            QCOMPARE(shown, 0);
            return;
        }
        QCOMPARE(shown, 1);
        QCOMPARE(title, QString("Control Panel"));
        QCOMPARE(message, text);
        QCOMPARE(kind, 3);
        QCOMPARE(buttons, QDialogButtonBox::StandardButtons(QDialogButtonBox::Ok));
        QCOMPARE(parent, &owner);
    }

    void architecture_data()
    {
        QTest::addColumn<QString>("bits");
        QTest::addColumn<QString>("text");
        QTest::newRow("64") << "64"
                            << "x64";
        QTest::newRow("32") << "32"
                            << "x86";
        QTest::newRow("arm64") << "arm64"
                               << "arm64";
        QTest::newRow("empty") << ""
                               << "";
    }
    void architecture()
    {
        QFETCH(QString, bits);
        QFETCH(QString, text);
        QCOMPARE(formatArchitecture(bits), text);
    }

    void runKeys_data()
    {
        QTest::addColumn<int>("bitness");
        QTest::addColumn<QString>("path");
        QTest::newRow("32")
            << 32 << "HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";
        QTest::newRow("64")
            << 64
            << "HKEY_LOCAL_MACHINE\\SOFTWARE\\WOW6432Node\\Microsoft\\Windows\\CurrentVersion\\Run";
        QTest::newRow("16") << 16 << "";
    }
    void runKeys()
    {
        QFETCH(int, bitness);
        QFETCH(QString, path);
        QCOMPARE(runKeyPath(bitness), path);
        QCOMPARE(runKeyPath(applicationBitness()), runKeyPath(64));
    }

    void duration_data()
    {
        QTest::addColumn<qint64>("ms");
        QTest::addColumn<QString>("text");
        QTest::newRow("zero") << qint64(0) << "00:00:00";
        QTest::newRow("one hour") << qint64(3600000) << "01:00:00";
        QTest::newRow("just short of an hour") << qint64(3599999) << "00:59:59";
        QTest::newRow("1h2m3s") << qint64(3723000) << "01:02:03";
        QTest::newRow("59.999s") << qint64(59999) << "00:00:59";
        QTest::newRow("25h") << qint64(90061000) << "25:01:01";
        QTest::newRow("beyond int") << qint64(10737418240) << "2982:36:58";
    }
    void duration()
    {
        QFETCH(qint64, ms);
        QFETCH(QString, text);
        QCOMPARE(formatDuration(ms), text);
    }

    void remainingTime_data()
    {
        QTest::addColumn<qint64>("remaining");
        QTest::addColumn<qint64>("rate");
        QTest::addColumn<QString>("text");
        QTest::newRow("slow rate") << qint64(5000000) << qint64(1023) << "unknown";
        QTest::newRow("4 s") << qint64(5000000) << qint64(1048576) << "00:00:04";
        QTest::newRow("nothing left") << qint64(0) << qint64(1048576) << "unknown";
        QTest::newRow("negative rate") << qint64(100) << qint64(-1) << "unknown";
        QTest::newRow("below one") << qint64(500) << qint64(1048576) << "unknown";
        QTest::newRow("3 GiB at 1 MiB/s") << qint64(3221225472) << qint64(1048576) << "00:52:25";
        QTest::newRow("10 GiB at 1 KiB/s") << qint64(10737418240) << qint64(1024) << "2982:36:58";
        QTest::newRow("5 GiB at 3 GiB/s") << qint64(5368709120) << qint64(3221225472) << "00:00:01";
    }
    void remainingTime()
    {
        QFETCH(qint64, remaining);
        QFETCH(qint64, rate);
        QFETCH(QString, text);
        QCOMPARE(formatRemainingTime(remaining, rate), text);
    }

    void cleanValues_data()
    {
        QTest::addColumn<QString>("raw");
        QTest::addColumn<QString>("clean");
        QTest::newRow("padded") << "  Intel Corporation \t"
                                << "Intel Corporation";
        QTest::newRow("blanks") << "   "
                                << "Unknown";
        QTest::newRow("tabs and newline") << "\t\n"
                                          << "Unknown";
        QTest::newRow("empty") << ""
                               << "";
        QTest::newRow("inner spaces kept") << "A  B"
                                           << "A  B";
    }
    void cleanValues()
    {
        QFETCH(QString, raw);
        QFETCH(QString, clean);
        QCOMPARE(cleanWmiValue(raw), clean);
    }

    void channelNames_data()
    {
        QTest::addColumn<int>("channel");
        QTest::addColumn<QString>("name");
        QTest::newRow("0") << 0 << "Development";
        QTest::newRow("1") << 1 << "Insider";
        QTest::newRow("2") << 2 << "Beta";
        QTest::newRow("3") << 3 << "Release";
        QTest::newRow("7") << 7 << "Release";
        QTest::newRow("-1") << -1 << "Release";
    }
    void channelNames()
    {
        QFETCH(int, channel);
        QFETCH(QString, name);
        QCOMPARE(updateChannelName(channel), name);
    }

    void effectiveChannel_data()
    {
        QTest::addColumn<QString>("devBuild"); // "-" for no value
        QTest::addColumn<int>("channel");
        QTest::addColumn<int>("expected");
        const QString yes = encryptString(devBuildCipherKey, "yes");
        const QString no = encryptString(devBuildCipherKey, "no");
        const QString yesWrongKey = encryptString(credentialsCipherKey, "yes");
        QTest::newRow("no value, dev") << "-" << 0 << 1;
        QTest::newRow("no value, beta") << "-" << 2 << 2;
        QTest::newRow("yes, dev") << yes << 0 << 0;
        QTest::newRow("no, dev") << no << 0 << 1;
        QTest::newRow("wrong key, dev") << yesWrongKey << 0 << 1;
        QTest::newRow("plain yes, dev") << "yes" << 0 << 1;
        QTest::newRow("empty, release") << "" << 3 << 3;
    }
    void effectiveChannel()
    {
        QFETCH(QString, devBuild);
        QFETCH(int, channel);
        QFETCH(int, expected);
        if (devBuild != "-")
            Settings::setSettingsValue("Credentials", "DevBuild", devBuild);
        QCOMPARE(effectiveUpdateChannel(channel), expected);
    }

    void productNames_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("package");
        QTest::newRow("this product") << "Verdimon Nuvo"
                                      << "verdimon_nuvo"
                                      << "Verdimon.Nuvo";
        QTest::newRow("Ostrel") << "Ostrel"
                                << "ostrel"
                                << "Unknown";
        QTest::newRow("unknown") << "Something"
                                 << "verdimon_nuvo"
                                 << "Unknown";
    }
    void productNames()
    {
        QFETCH(QString, name);
        QFETCH(QString, key);
        QFETCH(QString, package);
        QCOMPARE(productKeyForName(name), key);
        QCOMPARE(productPackageName(name), package);
    }

    void upperCase_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("notAllUpper");
        QTest::newRow("upper") << "ABC" << false;
        QTest::newRow("mixed") << "AbC" << true;
        QTest::newRow("digits") << "123" << false;
        QTest::newRow("cyrillic lower") << "пароль" << true;
        QTest::newRow("empty") << "" << false;
    }
    void upperCase()
    {
        QFETCH(QString, text);
        QFETCH(bool, notAllUpper);
        QCOMPARE(isNotAllUpperCase(text), notAllUpper);
    }

    void serverTime()
    {
        QVERIFY(serverTimeZone().isValid());
        const QString now = serverDateTime();
        QVERIFY2(
            QRegularExpression("^\\d{4}-\\d{2}-\\d{2} \\d{2}:\\d{2}:\\d{2}$").match(now).hasMatch(),
            qPrintable(now));
        QCOMPARE(serverDateTimeText("yyyy").size(), 4);
    }

    void timeZoneFallback_data()
    {
        QTest::addColumn<QByteArray>("primary");
        QTest::addColumn<QByteArray>("fallback");
        QTest::addColumn<QByteArray>("expected"); // empty: the system zone
        QTest::newRow("primary valid")
            << QByteArray("Europe/Kiev") << QByteArray("UTC") << QByteArray("Europe/Kiev");
        QTest::newRow("fallback") << QByteArray("Europe/Nowhere") << QByteArray("Europe/Kyiv")
                                  << QByteArray("Europe/Kyiv");
        QTest::newRow("neither") << QByteArray("No/Such") << QByteArray("Nor/This") << QByteArray();
    }
    void timeZoneFallback()
    {
        QFETCH(QByteArray, primary);
        QFETCH(QByteArray, fallback);
        QFETCH(QByteArray, expected);
        const QTimeZone zone = resolveTimeZone(primary, fallback);
        QVERIFY(zone.isValid());
        if (expected.isEmpty())
            QCOMPARE(zone, QTimeZone::systemTimeZone());
        else
            QCOMPARE(zone.id(), expected);
        QVERIFY(!QDateTime::currentDateTime().toTimeZone(zone).toString("yyyy").isEmpty());
    }

    void reachableHost_data()
    {
        QTest::addColumn<QByteArray>("host");
        QTest::newRow("address") << QByteArray("127.0.0.1");
        // A name goes through the look-up; "localhost" may give ::1 first, which refuses.
        QTest::newRow("name") << QByteArray("localhost");
    }

    void reachableHost()
    {
        QFETCH(QByteArray, host);
        QTcpServer server;
        QVERIFY(server.listen(QHostAddress::LocalHost));
        qputenv("VN_WEB_HOST", host);
        qputenv("VN_WEB_PORT", QByteArray::number(server.serverPort()));
        QVERIFY(isNetworkAvailable());
        qunsetenv("VN_WEB_HOST");
        qunsetenv("VN_WEB_PORT");
    }

    void reservedDomainIsNeverContacted_data()
    {
        QTest::addColumn<QString>("host");
        QTest::newRow("default host") << QString();
        QTest::newRow("upper case") << "WWW.VERDIMON.EXAMPLE";
        QTest::newRow("trailing dot") << "www.verdimon.example.";
    }
    void reservedDomainIsNeverContacted()
    {
        QFETCH(QString, host);
        if (!host.isEmpty())
            qputenv("VN_WEB_HOST", host.toLatin1());
        QElapsedTimer timer;
        timer.start();
        QVERIFY(!isNetworkAvailable());
        QVERIFY(timer.elapsed() < 100);
        qunsetenv("VN_WEB_HOST");
    }

    void refusedHost()
    {
        quint16 port = 0;
        {
            QTcpServer server;
            QVERIFY(server.listen(QHostAddress::LocalHost));
            port = server.serverPort();
        }
        qputenv("VN_WEB_HOST", "127.0.0.1");
        qputenv("VN_WEB_PORT", QByteArray::number(port));
        QElapsedTimer timer;
        timer.start();
        QVERIFY(!isNetworkAvailable());
        QVERIFY(timer.elapsed() < 3000);
        qunsetenv("VN_WEB_HOST");
        qunsetenv("VN_WEB_PORT");
    }

    void silentHostTimesOut()
    {
        // A listener with a full backlog never completes new handshakes.
        const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
        QVERIFY(fd >= 0);
        sockaddr_in address {};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        QCOMPARE(::bind(fd, reinterpret_cast<sockaddr *>(&address), sizeof address), 0);
        QCOMPARE(::listen(fd, 0), 0);
        socklen_t length = sizeof address;
        ::getsockname(fd, reinterpret_cast<sockaddr *>(&address), &length);
        const quint16 port = ntohs(address.sin_port);

        QList<QTcpSocket *> fillers;
        for (int i = 0; i < 4; ++i) {
            auto *socket = new QTcpSocket(this);
            socket->connectToHost(QHostAddress::LocalHost, port);
            socket->waitForConnected(200);
            fillers.append(socket);
        }
        QElapsedTimer timer;
        timer.start();
        const bool reachable = isHostReachable("127.0.0.1", port, 700);
        const qint64 elapsed = timer.elapsed();
        qDeleteAll(fillers);
        ::close(fd);
        QVERIFY(!reachable);
        QVERIFY2(elapsed >= 600 && elapsed < 3000, qPrintable(QString::number(elapsed)));
    }

    void centreOnWidget()
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
    }

    void installedProgramLookup_data()
    {
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("found");
        QTest::newRow("match") << "VerdimonNuvo"
                               << "Verdimon Nuvo" << true;
        QTest::newRow("part of entry name") << "Nuvo"
                                            << "Verdimon Nuvo" << true;
        QTest::newRow("filter case differs") << "verdimonnuvo"
                                             << "Verdimon Nuvo" << false;
        QTest::newRow("other name") << "VerdimonNuvo"
                                    << "Verdimon" << false;
        QTest::newRow("name only in another entry") << "VerdimonNuvo"
                                                    << "Other Tool" << false;
    }
    void installedProgramLookup()
    {
        QFETCH(QString, filter);
        QFETCH(QString, name);
        QFETCH(bool, found);
        const QString uninstall = "HKEY_LOCAL_MACHINE\\SOFTWARE\\Test\\Uninstall";
        auto registry = std::make_shared<plat::MemoryRegistry>();
        registry->setValue(uninstall + "\\VerdimonNuvo_is1", "DisplayName", "Verdimon Nuvo");
        registry->setValue(uninstall + "\\OtherTool", "DisplayName", "Other Tool");
        auto platform = std::make_shared<plat::Platform>();
        platform->registry = registry;
        plat::ScopedPlatform scope(platform);
        QCOMPARE(findInstalledProgram(uninstall, filter, name), found);
        QVERIFY(!findInstalledProgram(uninstall + "\\Missing", filter, name));
    }

    void screenSize()
    {
        const QPair<int, int> size = screenResolution();
        QCOMPARE(size, qMakePair(800, 600)); // the offscreen platform's screen
    }

    void topmostToggle()
    {
        QWidget window;
        setWindowTopmost(&window, true);
        QVERIFY(window.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        window.show();
        setWindowTopmost(&window, false);
        QVERIFY(!window.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        QVERIFY(window.isVisible());
    }
};

QTEST_MAIN(TestSystemFunctions)
#include "tst_systemfunctions.moc"
