#include "app/applog.h"
#include "app/filedialogs.h"
#include "app/fonts.h"
#include "app/settings.h"
#include "diskfaults.h"
#include "feedbacktesting.h"
#include "ftpstandin.h"
#include "httpsstandin.h"
#include "layoutcheck.h"
#include "net/feedback.h"
#include "platform/fakes/fakelauncher.h"
#include "widgets/appqframe.h"
#include "widgets/appqlabel.h"
#include "widgets/loaderwidget.h"
#include "widgets/switch.h"

#include <QImage>
#include <QLineEdit>
#include <QMimeData>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QTextEdit>
#include <QtTest>

using Sizes = QList<qint64>;

class TestFeedback : public QObject
{
    Q_OBJECT

    QTemporaryDir files;
    QStringList messages;
    QPointer<Feedback> form;
    FtpStandIn ftp;

    template<typename W> W *child(const char *name) { return form->findChild<W *>(name); }
    QLabel *statusLabel() { return child<AppQFrame>("inputItem")->findChild<AppQLabel *>(); }
    QList<AppQLabel *> thumbnailLabels()
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return child<QFrame>("frame_4")->findChildren<AppQLabel *>();
    }

    // Allocates and frees blocks of a thumbnail's size filled with `byte`: a picture allocated
    // next is likely to get that memory, and shows it where it is not painted.
    static void leaveFreedMemoryDirty(char byte)
    {
        QList<QByteArray> blocks;
        for (int i = 0; i < 32; ++i)
            blocks << QByteArray(100 * 100 * 4, byte);
    }

    QString makeFile(const QString &name, qint64 size)
    {
        QFile file(files.filePath(name));
        if (!file.open(QIODevice::WriteOnly) || !file.resize(size))
            qFatal("cannot make %s", qPrintable(name));
        return file.fileName();
    }

    // Straight to the frame: the application delivers drops only from a drag it started.
    void drop(const QStringList &paths)
    {
        QMimeData data;
        QList<QUrl> urls;
        for (const QString &path : paths)
            urls << QUrl::fromLocalFile(path);
        data.setUrls(urls);
        QDropEvent event(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        static_cast<QObject *>(child<AppQFrame>("inputItem"))->event(&event);
    }

    void fill(const char *type, const QString &message, const char *rating, bool withEmail,
              const QString &email = "John.Doe@mail.com")
    {
        child<QRadioButton>(type)->click();
        child<QTextEdit>("textEdit")->setPlainText(message);
        if (*rating)
            child<QRadioButton>(rating)->click();
        if (withEmail)
            form->findChild<Switch *>()->click();
        child<QLineEdit>("lineEdit")->setText(email);
    }

    QString remoteReport() const
    {
        for (const QString &path : ftp.receivedFiles()) {
            if (path.startsWith("public_html/apps/verdimon_nuvo/telemetry/feedback/Verdimon_"))
                return path;
        }
        return QString();
    }

private slots:
    void initTestCase()
    {
        noteMessages(&messages);
        QVERIFY2(ftp.start(), qPrintable(ftp.errorText()));
    }

    void init()
    {
        QSettings().clear();
        messages.clear();
        QDir(Feedback::reportFolderPath()).removeRecursively();
        form = new Feedback;
        ftp.clear();
        ftp.applyEnvironment();
        setWebPort(ftp.port()); // the FTP stand-in answers the reachability test
    }

    void cleanup()
    {
        delete form;
        FileDialogs::setTestResponder(nullptr);
    }

    // At the smallest and the largest size the Misc page offers, with a picture and a file
    // that is none attached: no text cut, nothing covered or unplaced, and the file shows its
    // name.
    void formFitsEveryFontSize_data() { addFontSizeRows(); }
    void formFitsEveryFontSize()
    {
        QFETCH(int, size);
        Settings::setSettingsValue("Fonts", "Size", size);
        const auto restore = qScopeGuard([] { Settings::setSettingsValue("Fonts", "Size", 12); });
        delete form;
        form = new Feedback;
        QTemporaryDir files;
        QImage(8, 8, QImage::Format_RGB32).save(files.filePath("shot.png"));
        QFile dump(files.filePath("crash.dmp"));
        QVERIFY(dump.open(QIODevice::WriteOnly) && dump.write("MDMP") == 4);
        dump.close();
        drop({ files.filePath("shot.png"), dump.fileName() });
        const QStringList faults
            = cutOrOverlappingWidgets(laidOutAtMinimum(form)) + unplacedWidgets(form, true);
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join('\n')));

        // The dump's thumbnail is not blank: an icon over its name.
        const QImage thumbnail = form->findChildren<AppQLabel *>().last()->pixmap().toImage();
        QVERIFY(qAlpha(thumbnail.pixel(50, 34)) > 0); // the icon
        int drawn = 0; // pixels of the name under the icon
        for (int i = 0; i < 100 * 32; ++i)
            drawn += qAlpha(thumbnail.pixel(i % 100, 68 + i / 100)) > 0 ? 1 : 0;
        QVERIFY(drawn > 20);
    }

    void titleAndSendButton()
    {
        QCOMPARE(form->windowTitle(), QStringLiteral("Feedback"));
        child<QRadioButton>("radioButton_8")->click();
        QVERIFY(!child<QPushButton>("pushButton")->isEnabled());
        child<QRadioButton>("radioButton_2")->click();
        QVERIFY(child<QPushButton>("pushButton")->isEnabled());
    }

    void refusals_data()
    {
        QTest::addColumn<QString>("type");
        QTest::addColumn<QString>("rating");
        QTest::addColumn<QString>("email");
        QTest::addColumn<QString>("error");
        // A null address: the address is not sent.
        const char *rows[][5] = {
            { "empty message", "radioButton", "radioButton_4", nullptr,
              "Feedback field is empty!" },
            { "no rating", "radioButton_3", "", nullptr, "You forgot to rate this application!" },
            { "empty address", "radioButton_3", "radioButton_5", "", "Email field is empty!" },
            { "capital in the domain", "radioButton_3", "radioButton_5", "a@Mail.com",
              "Please enter a valid email address!" },
        };
        for (const auto &row : rows)
            QTest::newRow(row[0]) << row[1] << row[2] << QString(row[3]) << row[4];
    }
    void refusals()
    {
        QFETCH(QString, type);
        QFETCH(QString, rating);
        QFETCH(QString, email);
        QFETCH(QString, error);
        fill(qPrintable(type), "", qPrintable(rating), !email.isNull(), email);
        form->sendFeedback();
        QCOMPARE(messages, QStringList { "Error|" + error + "|3" });
        QVERIFY(child<QPushButton>("pushButton")->isEnabled());
        // The folder is made first; no report is written.
        QVERIFY(QDir(Feedback::reportFolderPath()).exists());
        QVERIFY(QDir(Feedback::reportFolderPath()).isEmpty());
    }

    void chosenFiles_data()
    {
        QTest::addColumn<Sizes>("sizes");
        QTest::addColumn<QString>("status");
        QTest::newRow("below the cap")
            << Sizes { 10485760, 10485759 } << "Selected 2 files (20.00 MB)";
        QTest::newRow("one byte more") << Sizes { 10485760, 10485760 } << "";
        QTest::newRow("kilobytes") << Sizes { 512, 512 } << "Selected 2 files (1.00 KB)";
        QTest::newRow("a megabyte in kilobytes")
            << Sizes { 524288, 524288 } << "Selected 2 files (1024.00 KB)";
    }
    void chosenFiles()
    {
        QFETCH(Sizes, sizes);
        QFETCH(QString, status);
        QStringList paths;
        for (int i = 0; i < sizes.size(); ++i)
            paths << makeFile(QStringLiteral("f%1.dmp").arg(i), sizes[i]);
        FileDialogs::setTestResponder([paths](const QString &caption) {
            return caption == "Select files" ? paths : QStringList();
        });
        // Choosing again replaces the first choice and its thumbnails.
        child<QPushButton>("pushButton_3")->click();
        child<QPushButton>("pushButton_3")->click();
        const bool refused = status.isEmpty();
        QCOMPARE(messages.isEmpty(), !refused);
        if (refused)
            QCOMPARE(messages[0],
                     "Attention|The size of selected data is too big (max. 20.0 MB)!|2");
        QCOMPARE(form->chosenAttachments(), refused ? QStringList() : paths);
        QCOMPARE(statusLabel()->text(), refused ? "No file is selected" : status);
        QCOMPARE(thumbnailLabels().size(), refused ? 0 : paths.size());
        QCOMPARE(child<QFrame>("frame_4")->isHidden(), refused);
    }

    void thumbnails()
    {
        QImage picture(7, 5, QImage::Format_RGB32);
        picture.fill(Qt::green);
        const QString png = files.filePath("shot.png"), capitals = files.filePath("SHOT.PNG");
        QVERIFY(picture.save(png, "PNG") && picture.save(capitals, "PNG"));
        form->onFilesDropped({ png, capitals, makeFile("crash.dmp", 100) });
        const auto labels = thumbnailLabels();
        QCOMPARE(labels.size(), 3);
        // Pictures show themselves; a dump and a suffix in capitals get the file's icon.
        QCOMPARE(labels[0]->pixmap(Qt::ReturnByValue).size(), QSize(7, 5));
        QVERIFY(labels[1]->pixmap(Qt::ReturnByValue).size() != QSize(7, 5));
        QVERIFY(labels[2]->pixmap(Qt::ReturnByValue).size() != QSize(7, 5));

        // One file shows its full path; clicking its thumbnail opens it.
        auto launcher = std::make_shared<plat::FakeLauncher>();
        plat::ScopedLauncher scoped(launcher);
        form->onFileDropped(png);
        QCOMPARE(statusLabel()->text(), QDir::toNativeSeparators(png));
        QCOMPARE(statusLabel()->toolTip(), QDir::toNativeSeparators(png));
        QTest::mouseClick(thumbnailLabels().value(0), Qt::LeftButton);
        QCOMPARE(launcher->calls().size(), 1);
        QCOMPARE(launcher->calls()[0].file, png);
        QCOMPARE(launcher->calls()[0].verb, QString("open")); // opened, never run
        launcher->setResult(plat::shell::NoAssociation);
        QTest::mouseClick(thumbnailLabels().value(0), Qt::LeftButton);
        QCOMPARE(messages, QStringList { "Error|Failed to open the file!|3" });
    }

    // A file that is no picture gets its icon and name on a clear ground: made over memory left
    // dirty in two ways, its thumbnail comes out the same, with transparent corners.
    void fileThumbnailIsClean_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("crash dump") << "crash.dmp";
        QTest::newRow("picture suffix in capitals") << "SHOT.PNG";
    }
    void fileThumbnailIsClean()
    {
        QFETCH(QString, name);
        const QString path = makeFile(name, 100);
        QImage made[2];
        for (int pass = 0; pass < 2; ++pass) {
            leaveFreedMemoryDirty(pass == 0 ? '\0' : '\xff');
            form->onFileDropped(path);
            made[pass] = thumbnailLabels().value(0)->pixmap(Qt::ReturnByValue).toImage();
        }
        QCOMPARE(made[0].size(), QSize(100, 100));
        QCOMPARE(made[1], made[0]);
        for (const QPoint corner : { QPoint(0, 0), QPoint(92, 0), QPoint(0, 92), QPoint(92, 92) }) {
            for (int i = 0; i < 64; ++i) {
                const QPoint pixel = corner + QPoint(i % 8, i / 8);
                QVERIFY2(qAlpha(made[0].pixel(pixel)) == 0,
                         qPrintable(QStringLiteral("%1,%2: %3")
                                        .arg(pixel.x())
                                        .arg(pixel.y())
                                        .arg(made[0].pixel(pixel), 8, 16)));
            }
        }
    }

    void drops()
    {
        const QString a = makeFile("a.png", 10), b = makeFile("b.jpg", 10),
                      c = makeFile("c.gif", 10);
        const QString txt = makeFile("notes.txt", 10), capitals = makeFile("D.PNG", 10);
        const QString refused = "Attention|Your file: %1 is not allowed! Please use the "
                                "following files: *.png / *.jpg / *.bmp / *.jpeg / *.gif / *.dmp|2";
        drop({ a, b, c });
        QCOMPARE(form->chosenAttachments(), (QStringList { a, b, c }));
        drop({ b });
        QCOMPARE(form->chosenAttachments(), QStringList { b });
        drop({ txt });
        drop({ capitals });
        QCOMPARE(form->chosenAttachments(), QStringList { b });
        drop({ a, txt, c });
        QCOMPARE(form->chosenAttachments(), QStringList { a });
        drop({ txt, a });
        QVERIFY(form->chosenAttachments().isEmpty());
        QCOMPARE(messages,
                 (QStringList { refused.arg("notes.txt"), refused.arg("D.PNG"),
                                refused.arg("notes.txt"), refused.arg("notes.txt") }));
    }

    void sent_data()
    {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<QString>("type");
        QTest::addColumn<QString>("message");
        QTest::addColumn<bool>("withEmail");
        QTest::addColumn<bool>("attach");
        QTest::addColumn<QString>("tail");
        const QString withAttachments
            = "Feedback type: Problem with the application\nApplication rate: 7\nMessage: It "
              "froze: José 中文 Łódź.\nTwice.\nEmail: "
              "John.Doe@mail.com\nAttachments:\nshot.png\ncrash.dmp\n";
        QTest::newRow("message, address, attachments")
            << "normal"
            << "radioButton"
            << "It froze: José 中文 Łódź.\nTwice." << true << true << withAttachments;
        // The usual account for receiving reports: it keeps the files and refuses SIZE.
        QTest::newRow("upload-only account, attachments")
            << "upload-only"
            << "radioButton"
            << "It froze: José 中文 Łódź.\nTwice." << true << true << withAttachments;
        QTest::newRow("a vote, address typed but left out")
            << "normal"
            << "radioButton_3"
            << "" << false << false
            << "Feedback type: Just vote for the application\nApplication rate: 7\n";
        QTest::newRow("blank message, address")
            << "normal"
            << "radioButton_2"
            << " " << true << false
            << "Feedback type: Feature request or suggestion\nApplication rate: 7\nMessage:  "
               "\nEmail: John.Doe@mail.com";
    }
    void sent()
    {
        QFETCH(QString, mode);
        QFETCH(QString, type);
        QFETCH(QString, message);
        QFETCH(bool, withEmail);
        QFETCH(bool, attach);
        QFETCH(QString, tail);
        if (mode != "normal") {
            QVERIFY2(ftp.start(mode), qPrintable(ftp.errorText()));
            ftp.applyEnvironment();
            setWebPort(ftp.port());
        }
        const auto restore = qScopeGuard([&] {
            if (mode != "normal")
                ftp.start(); // the later tests find out should it fail
        });
        Settings::setSettingsValue("Updates", "UpdatesChannel", 2);
        fill(qPrintable(type), message, "radioButton_10", withEmail);
        if (attach)
            form->onFilesDropped({ makeFile("shot.png", 300), makeFile("crash.dmp", 200) });
        // The spinner covers the attachments' upload only; it comes once the vendor's host
        // answered, which the form waits for without blocking.
        bool spun = false;
        QTimer watch;
        connect(&watch, &QTimer::timeout, this, [&] {
            if (form && form->findChild<LoaderWidget *>())
                spun = spun || !form->isEnabled();
        });
        watch.start(0);
        form->sendFeedback();
        QVERIFY(!child<QPushButton>("pushButton")->isEnabled());

        QTRY_VERIFY_WITH_TIMEOUT(form.isNull(), 15000);
        QCOMPARE(spun, attach);
        QCOMPARE(messages, QStringList { "Feedback|Thank you for the feedback!|1" });
        QVERIFY(logView()->toPlainText().endsWith(": feedback was successfully sent"));
        QVERIFY(!QDir(Feedback::reportFolderPath()).exists());
        const QString remote = remoteReport();
        QVERIFY2(remote.contains(QRegularExpression(
                     "/Verdimon_Nuvo_Feedback_\\w+_\\d{4}(\\.\\d\\d){5}\\.\\d{3}.txt$")),
                 qPrintable(remote));
        const QString report = QString::fromUtf8(ftp.receivedFile(remote));
        QVERIFY2(report.contains(QRegularExpression(
                     "^Application name: Verdimon Nuvo\nApplication build: 4.1.3.742\nApplication "
                     "channel: Beta\nApplication architecture: x64\nCreation date: "
                     "\\d\\d?/\\d\\d?/\\d{4} \\d\\d:\\d\\d:\\d\\d( AM| PM)?\n"))
                     && report.endsWith(tail),
                 qPrintable(report));
        const QString folder = "public_html/apps/verdimon_nuvo/telemetry/feedback/files/";
        QCOMPARE(ftp.receivedFiles().contains(folder + "shot.png"), attach);
        QCOMPARE(ftp.receivedFiles().contains(folder + "crash.dmp"), attach);
    }

    // The report on a full disk: the system's reason, the form as it was and nothing left.
    void reportOnFullDisk()
    {
        VN_SMALL_DISK(disk);
        fill("radioButton", "José 中文 Łódź", "radioButton_4", false);
        const QByteArray home = qgetenv("XDG_DATA_HOME");
        qputenv("XDG_DATA_HOME", QFile::encodeName(disk.path()));
        QVERIFY(QDir().mkpath(Feedback::reportFolderPath()) && disk.fill(0));
        form->sendFeedback();
        QVERIFY(filesIn(Feedback::reportFolderPath()).isEmpty());
        qputenv("XDG_DATA_HOME", home);
        QCOMPARE(messages.size(), 1);
        QVERIFY2(messages[0].endsWith(".txt file could not be saved!\nNo space left on device|3"),
                 qPrintable(messages[0]));
        QVERIFY(child<QPushButton>("pushButton")->isEnabled());
        QCOMPARE(child<QTextEdit>("textEdit")->toPlainText(), QString("José 中文 Łódź"));
    }

    void notSent_data()
    {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<bool>("webReachable");
        QTest::addColumn<QString>("attachment"); // none when empty
        QTest::addColumn<QString>("answer");
        const QString failed = "Error|Failed to send the feedback!\n";
        QTest::newRow("offline before the upload")
            << "normal" << false << ""
            << "Error|Network connection is not available! Check your network and try again.";
        QTest::newRow("report refused") << "wrong-password" << true << "" << failed;
        QTest::newRow("attachments refused") << "wrong-password" << true << "shot.png" << failed;
        // The server calls a transfer complete after 100 bytes.
        QTest::newRow("report cut short") << "ack-short" << true << "" << failed;
        QTest::newRow("attachment cut short") << "ack-short" << true << "shot.png" << failed;
        QTest::newRow("server gone under the attachments")
            << "stopped" << true << "shot.png" << failed;
        // The network is there, the server is not: that is no loss of network.
        QTest::newRow("server gone") << "stopped" << true << "" << failed;
        // The refused name is shown on one line, its control characters visible, as text.
        QTest::newRow("command in a name") << "normal" << true << "<b>a.png\r\nDELE x"
                                           << failed
                + "<b>a.png\uFFFD\uFFFDDELE x: The file name contains control "
                  "characters; it was not sent.|3";
    }
    void notSent()
    {
        QFETCH(QString, mode);
        QFETCH(bool, webReachable);
        QFETCH(QString, attachment);
        QFETCH(QString, answer);
        const bool attach = !attachment.isEmpty();
        Qt::TextFormat shownAs = Qt::AutoText;
        sendThrough(mode, webReachable, attachment, &shownAs);
        if (QTest::currentTestFailed())
            return;
        QCOMPARE(shownAs == Qt::PlainText, answer.contains("Failed to send the feedback!"));
        QVERIFY2(messages[0].startsWith(answer), qPrintable(messages[0]));
        QVERIFY(!messages[0].contains("password", Qt::CaseInsensitive));
        QTest::qWait(100);
        QCOMPARE(ftp.receivedFile(remoteReport()).size(), mode == "ack-short" && !attach ? 100 : 0);
        // Only a loss of network during the report's upload closes the form.
        QCOMPARE(form.isNull(), answer.contains("at this moment"));
        if (form) {
            // Nothing is lost: the report stays for another try, the form keeps its data.
            QCOMPARE(QDir(Feedback::reportFolderPath()).entryList(QDir::Files).size(), 1);
            QVERIFY(form->isEnabled() && child<QPushButton>("pushButton")->isEnabled());
            QCOMPARE(form->findChild<LoaderWidget *>(), nullptr);
            QCOMPARE(form->chosenAttachments().size(), attach ? 1 : 0);
        }
        QVERIFY2(ftp.start(), qPrintable(ftp.errorText()));
    }

    // A failed send names what the server did, for the report and for an attachment alike, and
    // keeps the form and the report for another try.
    void notSentNamesTheFault_data()
    {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<QString>("attachment"); // none when empty
        QTest::addColumn<QString>("reason");
        const QString refused = "The server refused the connection.";
        const QString closed = "The server closed the connection.";
        const QString flooded = "The server's reply is larger than 64 KB and was refused.";
        const std::tuple<const char *, QString, QString, QString> rows[] = {
            { "server gone", "stopped", "", refused },
            { "server gone under the attachments", "stopped", "shot.png", refused },
            { "server hangs up", "drop", "", closed },
            { "server hangs up on an attachment", "drop", "shot.png", closed },
            { "server floods its greeting", "greeting-flood", "", flooded },
            { "server floods its greeting under the attachments", "greeting-flood", "shot.png",
              flooded },
        };
        for (const auto &[name, mode, attachment, reason] : rows)
            QTest::newRow(name) << mode << attachment << reason;
    }
    void notSentNamesTheFault()
    {
        QFETCH(QString, mode);
        QFETCH(QString, attachment);
        QFETCH(QString, reason);
        sendThrough(mode, true, attachment);
        if (QTest::currentTestFailed())
            return;
        const QString name = attachment.isEmpty() ? "Verdimon_Nuvo_Feedback_[^\n]+\\.txt"
                                                  : QRegularExpression::escape(attachment);
        const QRegularExpression shown("^Error\\|Failed to send the feedback!\n" + name + ": "
                                       + QRegularExpression::escape(reason) + "\\|3$");
        QVERIFY2(shown.match(messages[0]).hasMatch(), qPrintable(messages[0]));
        QTest::qWait(100);
        QVERIFY(form);
        QCOMPARE(QDir(Feedback::reportFolderPath()).entryList(QDir::Files).size(), 1);
        QVERIFY(child<QPushButton>("pushButton")->isEnabled());
        QCOMPARE(form->chosenAttachments().size(), attachment.isEmpty() ? 0 : 1);
        QVERIFY2(ftp.start(), qPrintable(ftp.errorText()));
    }

private:
    // Sends a filled form (with the attachment when given) to the FTP stand-in in `mode`
    // ("stopped": nothing listens on its port) and waits for the one message of the outcome.
    void sendThrough(const QString &mode, bool webReachable, const QString &attachment,
                     Qt::TextFormat *shownAs = nullptr)
    {
        QVERIFY2(mode == "stopped" || ftp.start(mode), qPrintable(ftp.errorText()));
        ftp.applyEnvironment();
        if (mode == "stopped")
            qputenv("VN_FTP_PORT", QByteArray::number(HttpsStandIn::closedPort()));
        setWebPort(webReachable ? ftp.port() : HttpsStandIn::closedPort());
        fill("radioButton", "text", "radioButton_4", false);
        if (!attachment.isEmpty())
            form->onFileDropped(makeFile(attachment, 300));
        noteMessages(&messages, shownAs);
        form->sendFeedback();
        QTRY_COMPARE_WITH_TIMEOUT(messages.size(), 1, 15000);
        noteMessages(&messages);
    }
};

QTEST_MAIN(TestFeedback)
#include "tst_feedback.moc"
