// The Updates window against the stand-in (download, installation, cancel, failures), the
// changelog window and its file, and the insider-build offer.

#include "app/applog.h"
#include "app/atomicfile.h"
#include "app/config.h"
#include "app/msgdialog.h"
#include "app/settings.h"
#include "app/themes.h"
#include "appidentity.h"
#include "diskfaults.h"
#include "httpsstandin.h"
#include "layoutcheck.h"
#include "net/changelog.h"
#include "net/insidernotification.h"
#include "net/networkmanager.h"
#include "net/setupinstaller.h"
#include "net/updates.h"
#include "platform/fakes/fakelauncher.h"
#include "quitrequest.h"
#include "signallog.h"
#include "widgets/appqlabel.h"
#include "widgets/switch.h"

#include <QApplication>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QTextCodec>
#include <QtTest>

class TestUpdateWindows : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QVERIFY2(server.start(QStringLiteral("latest")), qPrintable(server.errorText()));
        server.applyEnvironment();
        QVERIFY(Config::installTestCertificateAuthority());
        Settings::setSettingsValue(QStringLiteral("Updates"), QStringLiteral("DownloadPath"),
                                   downloads.path());
        Settings::setSettingsValue(QStringLiteral("AppSettings"), QStringLiteral("AppLanguage"), 1);
    }

    void init()
    {
        TestSupport::forgetQuitRequest(); // an earlier case quit the program
        launcher = std::make_shared<plat::FakeLauncher>();
        scopedLauncher = std::make_unique<plat::ScopedLauncher>(launcher);
        messages.clear();
        Settings::setSettingsValue(QStringLiteral("Updates"), QStringLiteral("UpdatesChannel"), 3);
        answer = int(QDialogButtonBox::No);
        MsgDialog::setTestResponder([this](MsgDialog *dialog) {
            messages << dialog->windowTitle() + QLatin1Char('|') + dialog->textLabel()->text();
            return answer;
        });
    }

    void cleanup()
    {
        MsgDialog::setTestResponder({});
        scopedLauncher.reset();
        // Only this test's windows: the process-wide log view is a top-level widget too.
        for (QWidget *top : QApplication::topLevelWidgets()) {
            if (qobject_cast<Updates *>(top) || qobject_cast<Changelog *>(top)
                || qobject_cast<InsiderNotification *>(top))
                top->deleteLater();
        }
        QTest::qWait(50);
    }

    void offerTextsArePlain_data()
    {
        QTest::addColumn<QString>("build");
        QTest::addColumn<QString>("channel");
        QTest::addColumn<QString>("notes");
        QTest::addColumn<QString>("shown");
        QTest::newRow("markup in every field")
            << "4.1.4<a href=\"file:///etc/passwd\">x</a>"
            << "<img src=\"file:///x.png\">Beta"
            << "\n<b>bold</b><br>next\n<i>second line</i>"
            << "Build: 4.1.4<a href=\"file:///etc/passwd\">x</a>\nChannel: <img "
               "src=\"file:///x.png\">Beta\n\nChangelog: \n<b>bold</b><br>next\n<i>second "
               "line</i>";
        QTest::newRow("list markers only at a line's start")
            << "4.1.4"
            << "Beta"
            << "\n- self-check on start-up\n  * nested item\nnot - a list"
            << "Build: 4.1.4\nChannel: Beta\n\nChangelog: \n\u2022 self-check on "
               "start-up\n  \u2022 nested item\nnot - a list";
    }

    void offerTextsArePlain()
    {
        QFETCH(QString, build);
        QFETCH(QString, channel);
        QFETCH(QString, notes);
        QScopedPointer<Updates> window(new Updates);
        window->offerUpdate(build, channel, notes, false, server.baseUrl() + "/setups/size/1000");
        const QTextBrowser *view = window->findChild<QTextBrowser *>();
        QTEST(view->toPlainText(), "shown");
        // Nothing of it became a link or a picture.
        const QString html = view->document()->toHtml();
        QVERIFY(!html.contains("<a ") && !html.contains("<img"));
    }

    void manualOfferShowsTheNotes()
    {
        QPointer<Updates> window = new Updates;
        QSignalSpy displayed(window.data(), &Updates::displayWindow);
        window->offerUpdate("4.1.3.1000", "Beta", "\n- crash-free start", false,
                            server.baseUrl() + "/setups/size/1000");
        window->show();
        QCOMPARE(window->windowTitle(), QStringLiteral("Verdimon Nuvo - Update"));
        auto *download = window->findChild<QPushButton *>("pushButton");
        QVERIFY(download->isVisible());
        QCOMPARE(download->text(), QStringLiteral("Download"));
        QCOMPARE(window->state(), int(Updates::Offered));
        QVERIFY(server.requestedPaths().filter("/setups/").isEmpty());
        // Nothing runs yet: Cancel closes without a question.
        window->findChild<QPushButton *>("pushButton_2")->click();
        QTRY_VERIFY(window.isNull());
        QCOMPARE(displayed.count(), 1);
        QVERIFY(messages.isEmpty());
    }

    void automaticInstall_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<qint64>("launchResult");
        QTest::addColumn<bool>("quits");
        QTest::newRow("test setup started") << "/setups/script" << qint64(42) << true;
        QTest::newRow("setup refused to start") << "/setups/script" << qint64(5) << false;
    }

    void automaticInstall()
    {
        QFETCH(QString, path);
        QFETCH(qint64, launchResult);
        QFETCH(bool, quits);
        const QString setup = NetworkManager::setupFilePath(downloads.path(), 3);
        launcher->setResultFor(setup, launchResult);

        QPointer<Updates> window = new Updates;
        QSignalSpy ready(window.data(), &Updates::updateReady);
        window->offerUpdate("4.1.3.1000", "Release", "notes", true, server.baseUrl() + path);
        window->show();
        QVERIFY(!window->findChild<QPushButton *>("pushButton")->isVisible());
        QTRY_COMPARE_WITH_TIMEOUT(window->state(), int(Updates::Downloaded), 20000);
        QCOMPARE(label(window, "label"), QStringLiteral("Downloaded:"));
        QCOMPARE(label(window, "label_14"), QStringLiteral("100%"));
        QCOMPARE(label(window, "label_4"), QStringLiteral("Downloaded successfully!"));
        QVERIFY(drawnIn(window->findChild<QLabel *>("label_4"), QColor(0x00, 0x80, 0x00)));
        QTRY_COMPARE(ready.count(), quits ? 1 : 0);
        if (quits) {
            QCOMPARE(launcher->calls().size(), 1);
            QCOMPARE(launcher->calls().first().file, setup);
            QCOMPARE(launcher->calls().first().arguments, QStringList { "/verysilent" });
            QVERIFY(QFileInfo(setup).isExecutable());
            return;
        }
        // The program stays; the setup is offered again with the Install button.
        QTRY_COMPARE(messages.size(), 1);
        QVERIFY(messages.first().startsWith(QLatin1String("Error|")));
        auto *install = window->findChild<QPushButton *>("pushButton");
        QVERIFY(install->isVisible() && install->isEnabled());
        QCOMPARE(install->text(), QStringLiteral("Install"));
    }

    void cancelWhileDownloading()
    {
        const QString setup = NetworkManager::setupFilePath(downloads.path(), 3);
        QFile::remove(setup); // one downloaded before would stay (the download tests show it)
        QPointer<Updates> window = new Updates;
        window->offerUpdate("4.1.3.1000", "Release", "notes", true,
                            server.baseUrl() + "/setups/stall/1000000?rate=400000");
        window->show();
        QTRY_VERIFY_WITH_TIMEOUT(label(window, "label_14").endsWith('%'), 20000);
        QCOMPARE(window->findChild<QProgressBar *>()->maximum(), 976);
        QVERIFY(label(window, "label_13").startsWith(QLatin1String("976 KB / ")));
        answer = int(QDialogButtonBox::Yes);
        window->findChild<QPushButton *>("pushButton_2")->click();
        QCOMPARE(messages, QStringList { "Updates|Do you want to cancel update?" });
        QVERIFY(label(window, "label_14").contains(QLatin1String("cancelling...")));
        QTRY_VERIFY_WITH_TIMEOUT(window.isNull(), 5000);
        QVERIFY(filesIn(downloads.path()).isEmpty());
        QVERIFY(launcher->calls().isEmpty());
    }

    void failedDownloadAsksToRestart()
    {
        QPointer<Updates> window = new Updates;
        window->offerUpdate("4.1.3.1000", "Release", "notes", true,
                            server.baseUrl() + "/setups/missing");
        window->show();
        QTRY_VERIFY_WITH_TIMEOUT(window.isNull(), 20000); // No: the window closes
        QCOMPARE(messages,
                 QStringList { "Error|Update process has failed!\nStatus code: 404\nError "
                               "code: 203\nDo you want to restart update now?" });
        // Yes: the download starts again, from the address the update description gives; also
        // after a refused (not https) address.
        answer = int(QDialogButtonBox::Yes);
        for (const QString &url :
             { server.baseUrl() + "/setups/missing", QStringLiteral("http://127.0.0.1:1/setup") }) {
            window = new Updates;
            window->offerUpdate("4.1.3.1000", "Release", "notes", true, url);
            window->show();
            QTRY_COMPARE_WITH_TIMEOUT(window->state(), int(Updates::Downloaded), 20000);
        }
        QCOMPARE(messages.size(), 3);
    }

    // Downloading again asks the update description for the setup's address; each way that can
    // fail ends with a message and a window that closes, never in a window that waits for good.
    void restartWhenTheDescriptionFails_data()
    {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<QString>("reason");
        const QString failed = "Error|Update process has failed!\n%1\nDo you want to restart "
                               "update now?";
        const QString unread = "The update description could not be read.";
        const std::pair<const char *, QString> rows[] = {
            { "missing", failed.arg(unread + " Status code: 404") },
            { "emptyobj", failed.arg(unread) }, // no entry
            { "badjson", "Error|Error code: 10" }, // an unterminated string
            { "unreachable",
              "Error|No network connection has been found! Check for update has been skipped!" },
            { "cancel", "Updates|Do you want to cancel update?" }, // cancelled meanwhile
        };
        for (const auto &[mode, reason] : rows)
            QTest::newRow(mode) << mode << reason;
    }
    void restartWhenTheDescriptionFails()
    {
        QFETCH(QString, mode);
        QTcpServer silent; // accepts, never answers: the description is still being asked for
        QVERIFY(silent.listen(QHostAddress::LocalHost));
        QPointer<Updates> window = new Updates;
        answer = int(QDialogButtonBox::Yes); // download again
        MsgDialog::setTestResponder([&](MsgDialog *dialog) {
            messages << dialog->windowTitle() + QLatin1Char('|') + dialog->textLabel()->text();
            const int given = answer;
            answer = int(QDialogButtonBox::No);
            if (messages.size() > 1)
                return given;
            server.applyEnvironment(mode);
            if (mode == "unreachable")
                qputenv("VN_WEB_PORT", QByteArray::number(HttpsStandIn::closedPort()));
            if (mode == "cancel") {
                const QByteArray port = QByteArray::number(silent.serverPort());
                qputenv("VN_WEB_PORT", port);
                qputenv("VN_WEB_BASE_URL", "https://127.0.0.1:" + port);
            }
            return given;
        });
        window->offerUpdate("4.1.3.1000", "Release", "notes", true,
                            server.baseUrl() + "/setups/missing");
        window->show();
        if (mode == "cancel") {
            QTRY_COMPARE_WITH_TIMEOUT(messages.size(), 1, 20000);
            answer = int(QDialogButtonBox::Yes);
            window->findChild<QPushButton *>("pushButton_2")->click();
        }
        QTRY_VERIFY_WITH_TIMEOUT(window.isNull(), 20000);
        server.applyEnvironment();
        QCOMPARE(messages.size(), 2);
        QTEST(messages.last(), "reason");
    }

    void setupKinds_data()
    {
        QTest::addColumn<QByteArray>("head");
        // The kind read from the head decides the call alone.
        QTest::addColumn<QStringList>("call"); // verb, file, arguments ("%f": the setup); none: 31
        const QStringList program { "", "%f", "/verysilent" };
        QTest::newRow("debian package") << QByteArray("!<arch>\ndebian-binary   1342943816")
                                        << QStringList { "runas", "dpkg", "--install", "%f" };
        QTest::newRow("script") << QByteArray("#!/bin/sh\n") << program;
        QTest::newRow("program") << QByteArray("\x7f"
                                               "ELF\x02\x01")
                                 << program;
        QTest::newRow("other archive") << QByteArray("!<arch>\nfoo") << QStringList();
    }

    void setupKinds()
    {
        QFETCH(QByteArray, head);
        QFETCH(QStringList, call);
        QFile file(downloads.filePath("kind.setup"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(head);
        file.close();
        const qint64 result = SetupInstaller::start(file.fileName(), { "/verysilent" });
        QCOMPARE(result, call.isEmpty() ? qint64(31) : qint64(42));
        QStringList seen;
        for (const plat::FakeLauncher::Call &made : launcher->calls())
            seen << made.verb << made.file << made.arguments;
        QCOMPARE(seen, call.replaceInStrings(QStringLiteral("%f"), file.fileName()));
    }

    void changelogFetchedWrittenAndShown()
    {
        const QString path = Changelog::changelogFilePath();
        QFile::remove(path);
        server.clearRequests();
        QPointer<Changelog> dialog = new Changelog;
        dialog->show();
        // Clear, Update and Close keep their natural width at the window's right edge.
        const auto buttons = dialog->findChildren<QPushButton *>();
        QCOMPARE(buttons.value(2)->text(), QString("Close"));
        QVERIFY(buttons[0]->mapTo(dialog, QPoint()).x() > dialog->width() / 2);
        QVERIFY(buttons[2]->mapTo(dialog, QPoint(buttons[2]->width(), 0)).x()
                > dialog->width() - 20);
        auto *view = dialog->findChild<QTextBrowser *>();
        QTRY_VERIFY_WITH_TIMEOUT(!view->toPlainText().isEmpty(), 20000);
        const QString block
            = QStringLiteral("Build: 4.1.3.742\nChannel: Release\n\nChangelog: \nBuild "
                             "4.1.3.742\nDescription file en.update.release.json\n"
                             "\u2022 self-check on start-up");
        QCOMPARE(view->toPlainText(), block);
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(QString::fromUtf8(file.readAll()), block);
        file.close();
        QCOMPARE(server.requestedPaths().size(), 1);
        dialog->close();
        QTRY_VERIFY(dialog.isNull());

        // The next opening shows the file without asking the server.
        dialog = new Changelog;
        QCOMPARE(dialog->findChild<QTextBrowser *>()->toPlainText(), block);
        QTest::qWait(300);
        QCOMPARE(server.requestedPaths().size(), 1);
        delete dialog;
    }

    // The cache: read in UTF-8, an older one in windows-1251, without asking the server; on a
    // full disk the notes are shown, the log says why and nothing is left.
    void changelogCache_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("shown");
        QTextCodec *older = QTextCodec::codecForName("windows-1251");
        const QString latin = QStringLiteral("Build: 1\n\u2022 José 中文 Łódź");
        const QString cyrillic = QStringLiteral("Сборка: 1\n\u2022 исправлен запуск");
        QTest::newRow("UTF-8") << latin.toUtf8() << latin;
        QTest::newRow("older, Cyrillic") << older->fromUnicode(cyrillic) << cyrillic;
        QTest::newRow("older, bullet only") << QByteArray("\x95 fix") << QString("\u2022 fix");
        QTest::newRow("full disk") << QByteArray() << "Build: 4.1.3.742";
    }
    void changelogCache()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, shown);
        VN_SMALL_DISK(disk);
        const QByteArray home = qgetenv("XDG_DATA_HOME");
        qputenv("XDG_DATA_HOME", QFile::encodeName(disk.path()));
        const QString path = Changelog::changelogFilePath();
        QVERIFY(AtomicFile::writeFile(path, bytes, nullptr) && (!bytes.isEmpty() || disk.fill(0)));
        server.clearRequests();
        Changelog dialog;
        qputenv("XDG_DATA_HOME", home);
        auto *view = dialog.findChild<QTextBrowser *>();
        QTRY_VERIFY_WITH_TIMEOUT(view->toPlainText().startsWith(shown), 20000);
        QCOMPARE(server.requestedPaths().size(), bytes.isEmpty() ? 1 : 0);
        if (bytes.isEmpty())
            QVERIFY(logView()->toPlainText().endsWith(
                ": changelog could not be saved: No space left on device"));
        QCOMPARE(filesIn(QFileInfo(path).absolutePath()), QStringList { "Changelog.txt" });
    }

    void changelogSaysWhyAReplyWasRefused()
    {
        QFile::remove(Changelog::changelogFilePath());
        server.applyEnvironment(QStringLiteral("endless"));
        QPointer<Changelog> dialog = new Changelog;
        QTRY_COMPARE_WITH_TIMEOUT(messages.size(), 1, 15000);
        server.applyEnvironment();
        QCOMPARE(messages.first(),
                 QStringLiteral("Error|Can't get changelog information. The server's reply is "
                                "larger than 1 MB and was refused."));
        QVERIFY(dialog->findChild<QTextBrowser *>()->toPlainText().isEmpty());
        QTRY_VERIFY(dialog->findChildren<QPushButton *>().value(1)->isEnabled()); // Update
        QVERIFY(!QFile::exists(Changelog::changelogFilePath())
                || QFileInfo(Changelog::changelogFilePath()).size() == 0);
        delete dialog;
    }

    // While the notes are being fetched, Update and Clear are disabled: pressing them neither asks
    // the server a second time nor asks to clear; Update comes back when the request has ended.
    void changelogButtonsWaitForTheRequest()
    {
        QVERIFY(
            AtomicFile::writeFile(Changelog::changelogFilePath(), QByteArray("Build: 1"), nullptr));
        QPointer<Changelog> dialog = new Changelog;
        dialog->show();
        QPushButton *clear = dialog->findChildren<QPushButton *>().value(0);
        QPushButton *update = dialog->findChildren<QPushButton *>().value(1);
        QCOMPARE(update->text(), QStringLiteral("Update"));
        QVERIFY(clear->isEnabled() && update->isEnabled());

        // An answer that starts 4 s late keeps the request running for a while; it is then
        // refused for its size.
        server.applyEnvironment(QStringLiteral("lateheaders/4/endless"));
        server.clearRequests();
        QTest::mouseClick(update, Qt::LeftButton);
        for (int press = 0; press < 5; ++press) {
            QVERIFY(!update->isEnabled());
            QVERIFY(!clear->isEnabled());
            QTest::mouseClick(update, Qt::LeftButton);
            QTest::mouseClick(clear, Qt::LeftButton);
            QTest::qWait(200);
        }
        QTRY_VERIFY_WITH_TIMEOUT(!messages.isEmpty(), 15000);
        server.applyEnvironment();
        QCOMPARE(messages,
                 QStringList { "Error|Can't get changelog information. The server's reply is "
                               "larger than 1 MB and was refused." });
        QCOMPARE(server.requestedPaths(),
                 QStringList {
                     "/lateheaders/4/endless/apps/verdimon_nuvo/release/en.update.release.json" });
        QTRY_VERIFY(update->isEnabled());
        QVERIFY(!clear->isEnabled()); // Update emptied the view: nothing to clear
        delete dialog;
    }

    // The title bar's icons stand out from the bar in every theme, and show their colour under
    // the pointer.
    void insiderTitleIconsDrawn_data()
    {
        QTest::addColumn<int>("theme");
        QTest::newRow("no theme") << -1;
        QTest::newRow("light") << 0;
        QTest::newRow("gray") << 1;
        QTest::newRow("dark") << 2;
    }
    void insiderTitleIconsDrawn()
    {
        QFETCH(int, theme);
        if (theme >= 0)
            applyTheme(theme, nullptr);
        const auto plain = qScopeGuard([] { qApp->setStyleSheet(QString()); });
        InsiderNotification offer;
        offer.show();
        QVERIFY(QTest::qWaitForWindowExposed(&offer));
        // The bar between the title and the icons.
        const QColor bar = offer.grab(QRect(425, 14, 1, 1)).toImage().pixelColor(0, 0);
        for (const char *tip : { "Minimize", "Close" }) {
            AppQLabel *icon = nullptr;
            for (AppQLabel *label : offer.findChildren<AppQLabel *>())
                if (label->toolTip() == QLatin1String(tip))
                    icon = label;
            QVERIFY2(icon, tip);
            const QRect place(icon->mapTo(&offer, QPoint()), icon->size());
            QVERIFY2(pixelsOf(offer.grab(place),
                              [bar](const QColor &colour) {
                                  return qAbs(colour.lightness() - bar.lightness()) >= 100;
                              })
                         >= 3,
                     tip);
            QHoverEvent enter(QEvent::HoverEnter, QPointF(2, 2), QPointF(-1, -1));
            QApplication::sendEvent(icon, &enter);
            QVERIFY2(pixelsOf(offer.grab(place),
                              [](const QColor &colour) {
                                  return colour.hsvSaturation() > 120 && colour.value() > 120;
                              })
                         >= 3,
                     tip);
            QHoverEvent leave(QEvent::HoverLeave, QPointF(-1, -1), QPointF(2, 2));
            QApplication::sendEvent(icon, &leave);
            QVERIFY2(pixelsOf(offer.grab(place),
                              [](const QColor &colour) { return colour.hsvSaturation() > 120; })
                         == 0,
                     tip);
        }
    }

    void insiderOfferInstallAndSwitch()
    {
        auto *offer = new InsiderNotification;
        QCOMPARE(
            offer->findChild<QLabel *>("label_2")->text(),
            QStringLiteral("New insider build unknown is available! Do you want to install it?"));
        offer->setBuildNumber("4.1.3.1000");
        SignalLog log(offer);
        offer->show();
        QCOMPARE(unplacedWidgets(offer, true), // the frame and the title bar: placed by hand
                 QStringList({ "QFrame frame", "AppQFrame titleInsiderNotification" }));

        auto *dontShow = offer->findChild<Switch *>();
        dontShow->click();
        QVERIFY(!Settings::boolValue("Updates", "GetInsiderBuildsNotification", true));
        dontShow->click();
        QVERIFY(Settings::boolValue("Updates", "GetInsiderBuildsNotification", false));
        QPointer<InsiderNotification> watch = offer;
        offer->findChild<QPushButton *>("insiderBtn")->click(); // Install
        QCOMPARE(log.names(),
                 QStringList({ "disableInsiderNotification", "disableInsiderNotification",
                               "setInsiderChannel", "startInsiderUpdate" }));
        QCOMPARE(log.arguments("disableInsiderNotification"),
                 QList<QVariantList>({ { true }, { false } }));
        QCOMPARE(log.arguments("setInsiderChannel").value(0).value(0).toInt(), 1);
        QCOMPARE(Settings::intValue("Updates", "UpdatesChannel", 3), 1);
        QTRY_VERIFY(watch.isNull());
    }

private:
    QString label(Updates *window, const char *name) const
    {
        return window->findChild<QLabel *>(QString::fromLatin1(name))->text();
    }

    // How many pixels of a picture are of the kind.
    template<typename Kind> static int pixelsOf(const QPixmap &picture, Kind kind)
    {
        const QImage image = picture.toImage();
        int count = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                count += kind(image.pixelColor(x, y)) ? 1 : 0;
        return count;
    }

    // Whether the widget, as drawn, shows the colour (text in it has the colour inside its
    // strokes; only their edges blend with the background).
    static bool drawnIn(QWidget *widget, const QColor &colour)
    {
        return pixelsOf(widget->grab(),
                        [colour](const QColor &pixel) { return pixel.rgb() == colour.rgb(); })
            > 0;
    }

    HttpsStandIn server;
    QTemporaryDir downloads;
    std::shared_ptr<plat::FakeLauncher> launcher;
    std::unique_ptr<plat::ScopedLauncher> scopedLauncher;
    QStringList messages;
    int answer = int(QDialogButtonBox::No);
};

QTEST_MAIN(TestUpdateWindows)
#include "tst_updatewindows.moc"
