#include "app/applog.h"
#include "app/filedialogs.h"
#include "app/settings.h"
#include "feedbacktesting.h"
#include "ftpstandin.h"
#include "httpsstandin.h"
#include "net/feedback.h"
#include "platform/fakes/fakelauncher.h"
#include "widgets/appqframe.h"
#include "widgets/loaderwidget.h"
#include "widgets/switch.h"

#include <QImage>
#include <QLineEdit>
#include <QMimeData>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QTextCodec>
#include <QTextEdit>
#include <QtTest>

class TestFeedback : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void typeEnablesSend();
    void refusals_data();
    void refusals();
    void emailPattern_data();
    void emailPattern();
    void chosenFiles_data();
    void chosenFiles();
    void thumbnails();
    void drops();
    void openAttachment();
    void sent_data();
    void sent();
    void notSent_data();
    void notSent();

private:
    void fill(const QString &type, const QString &message, const QString &rating,
              const QString &email, bool includeEmail);
    QString remoteReport() const;
    QString makeFile(const QString &name, qint64 size);
    void drop(Feedback *form, const QStringList &paths);
    QLabel *statusLabel(Feedback *form);

    QTemporaryDir files;
    QStringList messages;
    QPointer<Feedback> form;
    FtpStandIn ftp;
};

void TestFeedback::initTestCase()
{
    prepareApplication(&messages);
    QVERIFY2(ftp.start(), qPrintable(ftp.errorText()));
}

void TestFeedback::init()
{
    QSettings().clear();
    messages.clear();
    QDir(Feedback::reportFolderPath()).removeRecursively();
    form = new Feedback;
    ftp.clear();
    ftp.applyEnvironment();
    // The FTP stand-in's port answers the reachability test.
    setWebPort(ftp.port());
}

void TestFeedback::cleanup()
{
    delete form;
    FileDialogs::setTestResponder(nullptr);
}

QString TestFeedback::makeFile(const QString &name, qint64 size)
{
    QFile file(files.filePath(name));
    if (!file.open(QIODevice::WriteOnly) || !file.resize(size))
        qFatal("cannot make %s", qPrintable(name));
    return file.fileName();
}

void TestFeedback::drop(Feedback *target, const QStringList &paths)
{
    QMimeData data;
    QList<QUrl> urls;
    for (const QString &path : paths)
        urls << QUrl::fromLocalFile(path);
    data.setUrls(urls);
    QDropEvent event(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    // Straight to the frame: the application delivers drops only from a drag it started.
    QObject *frame = target->findChild<AppQFrame *>("inputItem");
    frame->event(&event);
}

QLabel *TestFeedback::statusLabel(Feedback *target)
{
    return target->findChild<AppQFrame *>("inputItem")->findChild<AppQLabel *>();
}

void TestFeedback::typeEnablesSend()
{
    auto *send = form->findChild<QPushButton *>("pushButton");
    form->findChild<QRadioButton *>("radioButton_8")->click();
    QVERIFY(!send->isEnabled());
    form->findChild<QRadioButton *>("radioButton_2")->click();
    QVERIFY(send->isEnabled());
}

void TestFeedback::refusals_data()
{
    QTest::addColumn<QString>("type");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("rating");
    QTest::addColumn<QString>("email");
    QTest::addColumn<QString>("error");
    QTest::newRow("empty message") << "radioButton"
                                   << ""
                                   << "radioButton_4" << QString() << "Feedback field is empty!";
    QTest::newRow("no rating") << "radioButton_3"
                               << ""
                               << "" << QString() << "You forgot to rate this application!";
    QTest::newRow("empty address") << "radioButton_2"
                                   << "text"
                                   << "radioButton_13"
                                   << ""
                                   << "Email field is empty!";
    QTest::newRow("capital domain") << "radioButton_2"
                                    << "text"
                                    << "radioButton_13"
                                    << "a@Mail.com"
                                    << "Please enter a valid email address!";
}

void TestFeedback::refusals()
{
    QFETCH(QString, type);
    QFETCH(QString, message);
    QFETCH(QString, rating);
    QFETCH(QString, email);
    QFETCH(QString, error);
    form->findChild<QRadioButton *>(type)->click();
    form->findChild<QTextEdit *>("textEdit")->setPlainText(message);
    if (!rating.isEmpty())
        form->findChild<QRadioButton *>(rating)->click();
    if (!email.isNull()) {
        form->findChild<Switch *>()->click();
        form->findChild<QLineEdit *>("lineEdit")->setText(email);
    }
    form->sendFeedback();
    QCOMPARE(messages, QStringList { "Error|" + error });
    QVERIFY(form->findChild<QPushButton *>("pushButton")->isEnabled());
    // The folder is made first; no report is written.
    QVERIFY(QDir(Feedback::reportFolderPath()).exists());
    QVERIFY(QDir(Feedback::reportFolderPath()).entryList(QDir::Files).isEmpty());
    QCOMPARE(form->findChild<QTextEdit *>("textEdit")->toPlainText(), message);
}

void TestFeedback::emailPattern_data()
{
    QTest::addColumn<QString>("email");
    QTest::addColumn<bool>("valid");
    QTest::newRow("plain") << "john.doe@mail.example.com" << true;
    QTest::newRow("capitals before @") << "John.DOE@mail.com" << true;
    QTest::newRow("capital after @") << "john@Mail.com" << false;
    QTest::newRow("five-letter label") << "john@mail.comes" << false;
    QTest::newRow("one-letter label") << "john@mail.c" << false;
    QTest::newRow("text around") << " john@mail.com" << false;
    QTest::newRow("no @") << "john.mail.com" << false;
}

void TestFeedback::emailPattern()
{
    QFETCH(QString, email);
    QFETCH(bool, valid);
    QCOMPARE(Feedback::isValidEmail(email), valid);
}

void TestFeedback::chosenFiles_data()
{
    QTest::addColumn<QList<qint64>>("sizes");
    QTest::addColumn<QString>("status");
    QTest::newRow("just below the cap")
        << QList<qint64> { 10485760, 10485759 } << "Selected 2 files (20.00 MB)";
    QTest::newRow("one byte more") << QList<qint64> { 10485760, 10485760 } << "";
    QTest::newRow("one file at the cap") << QList<qint64> { 20971520 } << "";
    QTest::newRow("kilobytes") << QList<qint64> { 512, 512 } << "Selected 2 files (1.00 KB)";
    QTest::newRow("one megabyte is still kilobytes")
        << QList<qint64> { 524288, 524288 } << "Selected 2 files (1024.00 KB)";
}

void TestFeedback::chosenFiles()
{
    QFETCH(QList<qint64>, sizes);
    QFETCH(QString, status);
    QStringList paths;
    for (int i = 0; i < sizes.size(); ++i)
        paths << makeFile(QStringLiteral("f%1.dmp").arg(i), sizes[i]);
    FileDialogs::setTestResponder([paths](const QString &caption) {
        return caption == QLatin1String("Select files") ? paths : QStringList();
    });
    form->findChild<QPushButton *>("pushButton_3")->click();

    auto *thumbnails = form->findChild<QFrame *>("frame_4");
    if (status.isEmpty()) {
        QCOMPARE(messages,
                 QStringList { "Attention|The size of selected data is too big "
                               "(max. 20.0 MB)!" });
        QVERIFY(form->chosenAttachments().isEmpty());
        QCOMPARE(statusLabel(form)->text(), QString("No file is selected"));
        QVERIFY(thumbnails->isHidden());
    } else {
        QVERIFY(messages.isEmpty());
        QCOMPARE(form->chosenAttachments(), paths);
        QCOMPARE(statusLabel(form)->text(), status);
        QVERIFY(!thumbnails->isHidden());
        QCOMPARE(thumbnails->findChildren<AppQLabel *>().size(), paths.size());
    }
}

void TestFeedback::thumbnails()
{
    QImage picture(7, 5, QImage::Format_RGB32);
    picture.fill(Qt::green);
    const QString png = files.filePath("shot.png");
    const QString capitals = files.filePath("SHOT.PNG");
    QVERIFY(picture.save(png, "PNG") && picture.save(capitals, "PNG"));
    const QString dump = makeFile("crash.dmp", 100);
    FileDialogs::setTestResponder([&](const QString &) {
        return QStringList { png, capitals, dump };
    });
    form->selectAttachments();

    const auto labels = form->findChild<QFrame *>("frame_4")->findChildren<AppQLabel *>();
    QCOMPARE(labels.size(), 3);
    QCOMPARE(labels[0]->pixmap(Qt::ReturnByValue).size(), QSize(7, 5));
    QVERIFY(labels[1]->pixmap(Qt::ReturnByValue).size() != QSize(7, 5));
    QVERIFY(labels[2]->pixmap(Qt::ReturnByValue).size() != QSize(7, 5));
    QCOMPARE(labels[0]->toolTip(), QString("Click to open"));

    // One chosen file shows its full path; cancelling the dialog forgets the choice.
    FileDialogs::setTestResponder([&](const QString &) { return QStringList { png }; });
    form->selectAttachments();
    QCOMPARE(statusLabel(form)->text(), QDir::toNativeSeparators(png));
    QCOMPARE(statusLabel(form)->toolTip(), QDir::toNativeSeparators(png));
    FileDialogs::setTestResponder([](const QString &) { return QStringList(); });
    form->selectAttachments();
    QVERIFY(form->chosenAttachments().isEmpty());
    QVERIFY(form->findChild<QFrame *>("frame_4")->isHidden());
}

void TestFeedback::drops()
{
    const QString a = makeFile("a.png", 10), b = makeFile("b.jpg", 10), c = makeFile("c.gif", 10);
    const QString refused = makeFile("notes.txt", 10), capitals = makeFile("D.PNG", 10);
    const QString notAllowed = "Attention|Your file: %1 is not allowed! Please use the following "
                               "files: *.png / *.jpg / *.bmp / *.jpeg / *.gif / *.dmp";
    drop(form, { a, b, c });
    QCOMPARE(form->chosenAttachments(), (QStringList { a, b, c }));
    drop(form, { b });
    QCOMPARE(form->chosenAttachments(), QStringList { b });
    drop(form, { refused });
    QCOMPARE(form->chosenAttachments(), QStringList { b });
    drop(form, { capitals });
    QCOMPARE(form->chosenAttachments(), QStringList { b });
    drop(form, { a, refused, c });
    QCOMPARE(form->chosenAttachments(), QStringList { a });
    drop(form, { refused, a });
    QVERIFY(form->chosenAttachments().isEmpty());
    QCOMPARE(messages,
             (QStringList { notAllowed.arg("notes.txt"), notAllowed.arg("D.PNG"),
                            notAllowed.arg("notes.txt"), notAllowed.arg("notes.txt") }));
}

void TestFeedback::openAttachment()
{
    auto launcher = std::make_shared<plat::FakeLauncher>();
    plat::ScopedLauncher scoped(launcher);
    const QString png = makeFile("open.png", 10);
    form->onFileDropped(png);
    auto *thumbnail = form->findChild<QFrame *>("frame_4")->findChild<AppQLabel *>();
    QTest::mouseClick(thumbnail, Qt::LeftButton);
    QCOMPARE(launcher->calls().size(), 1);
    QCOMPARE(launcher->calls()[0].file, png);
    QVERIFY(messages.isEmpty());
    launcher->setResult(plat::shell::NoAssociation);
    QTest::mouseClick(thumbnail, Qt::LeftButton);
    QCOMPARE(messages, QStringList { "Error|Failed to open the file!" });
    QCOMPARE(form->chosenAttachments(), QStringList { png });
}

void TestFeedback::fill(const QString &type, const QString &message, const QString &rating,
                        const QString &email, bool includeEmail)
{
    form->findChild<QRadioButton *>(type)->click();
    form->findChild<QTextEdit *>("textEdit")->setPlainText(message);
    form->findChild<QRadioButton *>(rating)->click();
    if (includeEmail)
        form->findChild<Switch *>()->click();
    form->findChild<QLineEdit *>("lineEdit")->setText(email);
}

QString TestFeedback::remoteReport() const
{
    for (const QString &path : ftp.receivedFiles()) {
        if (path.startsWith("public_html/apps/verdimon_nuvo/telemetry/feedback/Verdimon_Nuvo_"))
            return path;
    }
    return QString();
}

void TestFeedback::sent_data()
{
    QTest::addColumn<QString>("type");
    QTest::addColumn<QString>("message");
    QTest::addColumn<bool>("includeEmail");
    QTest::addColumn<bool>("attach");
    QTest::addColumn<QString>("tail");
    QTest::newRow("message, address and attachments")
        << "radioButton"
        << "It froze.\nTwice." << true << true
        << "Feedback type: Problem with the application\nApplication rate: 7\n"
           "Message: It froze.\nTwice.\nEmail: John.Doe@mail.com\nAttachments:\nshot.png\n"
           "crash.dmp\n";
    QTest::newRow("just a vote, address typed but not included")
        << "radioButton_3"
        << "" << false << false
        << "Feedback type: Just vote for the application\nApplication rate: 7\n";
    QTest::newRow("address without attachments") << "radioButton_2"
                                                 << " " << true << false
                                                 << "Feedback type: Feature request or "
                                                    "suggestion\nApplication rate: 7\n"
                                                    "Message:  \nEmail: John.Doe@mail.com";
}

void TestFeedback::sent()
{
    QFETCH(QString, type);
    QFETCH(QString, message);
    QFETCH(bool, includeEmail);
    QFETCH(bool, attach);
    QFETCH(QString, tail);
    Settings::setSettingsValue("Updates", "UpdatesChannel", 2);
    fill(type, message, "radioButton_10", "John.Doe@mail.com", includeEmail);
    if (attach)
        form->onFilesDropped({ makeFile("shot.png", 300), makeFile("crash.dmp", 200) });
    form->sendFeedback();
    // The spinner covers the attachments' upload only.
    QCOMPARE(form->findChild<LoaderWidget *>() != nullptr, attach);
    QCOMPARE(form->isEnabled(), !attach);

    QTRY_VERIFY_WITH_TIMEOUT(form.isNull(), 15000);
    QCOMPARE(messages, QStringList { "Feedback|Thank you for the feedback!" });
    QVERIFY(logView()->toPlainText().endsWith(": feedback was successfully sent"));
    QVERIFY(!QDir(Feedback::reportFolderPath()).exists());
    const QString remote = remoteReport();
    QVERIFY2(QRegularExpression("/Verdimon_Nuvo_Feedback_\\w+_\\d{4}(\\.\\d\\d){5}\\.\\d{3}\\.txt$")
                 .match(remote)
                 .hasMatch(),
             qPrintable(remote));
    const QString report
        = QTextCodec::codecForName("windows-1251")->toUnicode(ftp.receivedFile(remote));
    const QString head = "Application name: Verdimon Nuvo\nApplication build: 4.1.3.742\n"
                         "Application channel: Beta\nApplication architecture: x64\n"
                         "Creation date: ";
    QVERIFY2(report.startsWith(head) && report.endsWith(tail), qPrintable(report));
    QVERIFY(QRegularExpression(
                "^Creation date: \\d{1,2}/\\d{1,2}/\\d{4} \\d\\d:\\d\\d:\\d\\d( AM| PM)?$",
                QRegularExpression::MultilineOption)
                .match(report)
                .hasMatch());
    const QString files = "public_html/apps/verdimon_nuvo/telemetry/feedback/files/";
    QCOMPARE(ftp.receivedFiles().contains(files + "shot.png"), attach);
    QCOMPARE(ftp.receivedFiles().contains(files + "crash.dmp"), attach);
}

void TestFeedback::notSent_data()
{
    QTest::addColumn<QString>("mode");
    QTest::addColumn<bool>("webReachable");
    QTest::addColumn<bool>("attach");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<bool>("stays");
    QTest::newRow("offline before the upload")
        << "normal" << false << false
        << "Error|Network connection is not available! Check your network and try again." << true;
    QTest::newRow("report refused")
        << "wrong-password" << true << false << "Error|Failed to send the feedback!\n"
        << true;
    QTest::newRow("attachments refused")
        << "wrong-password" << true << true << "Error|Failed to send the feedback!\n"
        << true;
    QTest::newRow("FTP server gone under the attachments")
        << "stopped" << true << true << "Error|Failed to send the feedback!\n"
        << true;
    QTest::newRow("FTP server gone")
        << "stopped" << true << false << "Error|No network connection is available at this moment!"
        << false;
}

void TestFeedback::notSent()
{
    QFETCH(QString, mode);
    QFETCH(bool, webReachable);
    QFETCH(bool, attach);
    QFETCH(QString, answer);
    QFETCH(bool, stays);
    QTcpServer web;
    QVERIFY(web.listen(QHostAddress::LocalHost));
    setWebPort(webReachable ? web.serverPort() : HttpsStandIn::closedPort());
    if (mode == "stopped")
        qputenv("VN_FTP_PORT", QByteArray::number(HttpsStandIn::closedPort()));
    else
        QVERIFY2(ftp.start(mode), qPrintable(ftp.errorText()));
    if (mode != "stopped")
        ftp.applyEnvironment();
    fill("radioButton", "text", "radioButton_4", QString(), false);
    if (attach)
        form->onFileDropped(makeFile("shot.png", 300));
    form->sendFeedback();
    QTRY_COMPARE_WITH_TIMEOUT(messages.size(), 1, 15000);
    QVERIFY2(messages[0].startsWith(answer), qPrintable(messages[0]));
    QVERIFY(!messages[0].contains("password", Qt::CaseInsensitive));
    QTest::qWait(100);
    QCOMPARE(!form.isNull(), stays);
    if (stays) {
        // Nothing is lost: the report stays for another try, the dialog keeps its data.
        QCOMPARE(QDir(Feedback::reportFolderPath()).entryList(QDir::Files).size(), 1);
        QVERIFY(form->isEnabled());
        QVERIFY(form->findChild<QPushButton *>("pushButton")->isEnabled());
        QCOMPARE(form->findChild<LoaderWidget *>(), nullptr);
        QCOMPARE(form->chosenAttachments().size(), attach ? 1 : 0);
    }
    QVERIFY(remoteReport().isEmpty());
    QVERIFY2(ftp.start(), qPrintable(ftp.errorText()));
}

QTEST_MAIN(TestFeedback)
#include "tst_feedback.moc"
