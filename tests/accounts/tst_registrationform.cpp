// The Register button's check of the registration form: for each form, the messages shown (title,
// text, kind, in order) and which fields end locked and which marked for a correction. The
// captcha comes from the HTTPS web stand-in on loopback.

#include "accounts/accountregistration.h"
#include "accounttestsupport.h"
#include "app/config.h"
#include "httpsstandin.h"
#include "platform/fakes/fakeplatform.h"
#include "widgets/switch.h"

#include <QDateEdit>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

using namespace AccountTestSupport;

namespace {

// A form that passes every check.
struct Form
{
    QString name = QStringLiteral("Olga Petrenko");
    QString username = QStringLiteral("olga_p");
    QString password = QStringLiteral("Secret1");
    QString repeat = QStringLiteral("Secret1");
    QString email = QStringLiteral("olga@mail.test");
    int gender = 1; // 0 none, 1 male, 2 female
    int birthDaysAgo = 12000;
    QString captcha = QStringLiteral("4711"); // typed
    QString captchaCode = QStringLiteral("4711"); // sent with the picture
    QString code = QStringLiteral("123456");
    bool terms = true;
};

const QString allFields = QStringLiteral("name username password repeat email birth captcha");

QString error(const char *text)
{
    return QStringLiteral("Error|%1|3").arg(QString::fromUtf8(text));
}

} // namespace

Q_DECLARE_METATYPE(Form)

class TstRegistrationForm : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        fakes = std::make_unique<plat::FakePlatform>();
        scopedPlatform = std::make_unique<plat::ScopedPlatform>(fakes->platform());
        QVERIFY2(webServer.start(QStringLiteral("latest"),
                                 { QStringLiteral("--captcha-code"), QStringLiteral("4711") }),
                 qPrintable(webServer.errorText()));
        webServer.applyEnvironment();
        QVERIFY(Config::installTestCertificateAuthority());
        recordMessages(&messages);
    }

    void init() { messages.clear(); }

    void registerChecks_data()
    {
        QTest::addColumn<Form>("form");
        QTest::addColumn<QStringList>("told"); // "title|text|kind", in order
        QTest::addColumn<QString>("locked"); // fields disabled afterwards
        QTest::addColumn<QString>("invalid"); // fields marked for a correction

        const QString fill
            = QStringLiteral("Registration|Please fill in all fields to create your account!|2");
        const QString tooLong = error("Length of fullname/username is too long!");
        const QString passwordLength = error("Password must be between 6 and 40 characters!");
        const QString noMatch = error("Your password doesn't match!");
        const QString badEmail = error("Please enter a valid email address!");
        const QString birthToday
            = error("You can't select current or future date! Please enter a valid birthday date.");
        const QString captchaWrong = error("Captcha characters doesn't match!");
        const QString terms = QStringLiteral("Terms|You must accept the terms!|2");
        const QString forty(40, QLatin1Char('a'));
        const QString fortyOne(41, QLatin1Char('a'));
        const QString noneLocked;

        const auto row
            = [](const char *tag, const std::function<void(Form &)> &change,
                 const QStringList &told, const QString &locked, const QString &invalid) {
                  Form form;
                  change(form);
                  QTest::newRow(tag) << form << told << locked << invalid;
              };
        row(
            "valid", [](Form &) {}, {}, allFields, QString());
        row(
            "empty",
            [](Form &f) { f = Form { "", "", "", "", "", 0, 12000, "", "4711", "", false }; },
            { fill }, noneLocked, QString());
        row(
            "no gender", [](Form &f) { f.gender = 0; }, { fill }, noneLocked, QString());
        row(
            "no captcha text", [](Form &f) { f.captcha.clear(); }, { fill }, noneLocked, QString());
        row(
            "no verification code", [](Form &f) { f.code.clear(); }, { fill }, noneLocked,
            QString());
        row(
            "name of 40", [&](Form &f) { f.name = "O" + forty.mid(1); }, {}, allFields, QString());
        row(
            "name of 41", [&](Form &f) { f.name = "O" + fortyOne.mid(1); }, { tooLong },
            "password repeat email birth captcha", "name");
        row(
            "username of 40", [&](Form &f) { f.username = forty; }, {}, allFields, QString());
        row(
            "username of 41", [&](Form &f) { f.username = fortyOne; }, { tooLong },
            "name password repeat email birth captcha", "username");
        row(
            "name and username of 41",
            [&](Form &f) {
                f.name = "O" + fortyOne.mid(1);
                f.username = fortyOne;
            },
            { tooLong }, "password repeat email birth captcha", "name");
        row(
            "password of 5", [](Form &f) { f.password = f.repeat = "Secr1"; }, { passwordLength },
            "name username email birth captcha", "password repeat");
        row(
            "password of 6", [](Form &f) { f.password = f.repeat = "Secre1"; }, {}, allFields,
            QString());
        row(
            "password of 40", [&](Form &f) { f.password = f.repeat = "S" + forty.mid(1); }, {},
            allFields, QString());
        row(
            "password of 41", [&](Form &f) { f.password = f.repeat = "S" + fortyOne.mid(1); },
            { passwordLength }, "name username email birth captcha", "password repeat");
        row(
            "repetition differs", [](Form &f) { f.repeat = "secret1"; }, { noMatch },
            "name username email birth captcha", "password repeat");
        row(
            "e-mail without domain", [](Form &f) { f.email = "olga@mail"; }, { badEmail },
            "name username password repeat birth captcha", "email");
        row(
            "birth date today", [](Form &f) { f.birthDaysAgo = 0; }, { birthToday },
            "name username password repeat email captcha", "birth");
        row(
            "birth date yesterday", [](Form &f) { f.birthDaysAgo = 1; }, {}, allFields, QString());
        row(
            "captcha typed in capitals",
            [](Form &f) {
                f.captchaCode = "ab12";
                f.captcha = "AB12";
            },
            {}, allFields, QString());
        row(
            "captcha code in capitals",
            [](Form &f) {
                f.captchaCode = "AB12";
                f.captcha = "AB12";
            },
            { captchaWrong }, "name username password repeat email birth", "captcha");
        row(
            "captcha wrong", [](Form &f) { f.captcha = "4712"; }, { captchaWrong },
            "name username password repeat email birth", "captcha");
        row(
            "terms not accepted", [](Form &f) { f.terms = false; }, { terms }, allFields,
            QString());
        row(
            "every field-by-field check fails",
            [&](Form &f) {
                f.name = "O" + fortyOne.mid(1);
                f.password = f.repeat = "Secr1";
                f.email = "olga@mail";
                f.birthDaysAgo = 0;
                f.captcha = "4712";
                f.terms = false;
            },
            { tooLong, passwordLength, badEmail, birthToday, captchaWrong, terms }, QString(),
            "name password repeat email birth captcha");
    }

    // Each form on a fresh dialog; the live checks (name, address, code) have not answered, so
    // no registration starts.
    void registerChecks()
    {
        QFETCH(Form, form);
        QFETCH(QStringList, told);
        QFETCH(QString, locked);
        QFETCH(QString, invalid);
        AccountRegistration dialog;
        dialog.setAttribute(Qt::WA_DeleteOnClose, false);
        QTRY_COMPARE_WITH_TIMEOUT(dialog.captchaCode, QStringLiteral("4711"), 10000);
        dialog.captchaCode = form.captchaCode;
        dialog.nameEdit->setText(form.name);
        dialog.usernameEdit->setText(form.username);
        dialog.passwordEdit->setText(form.password);
        dialog.repeatEdit->setText(form.repeat);
        dialog.emailEdit->setText(form.email);
        if (form.gender)
            (form.gender == 1 ? dialog.maleButton : dialog.femaleButton)->setChecked(true);
        dialog.birthDateEdit->setDate(QDate::currentDate().addDays(-form.birthDaysAgo));
        dialog.captchaEdit->setText(form.captcha);
        dialog.codeEdit->setText(form.code);
        dialog.termsSwitch->setChecked(form.terms);
        messages.clear();

        QTest::mouseClick(dialog.registerBtn, Qt::LeftButton);
        QCOMPARE(messages, told);
        const QList<QPair<QString, QWidget *>> fields {
            { "name", dialog.nameEdit },         { "username", dialog.usernameEdit },
            { "password", dialog.passwordEdit }, { "repeat", dialog.repeatEdit },
            { "email", dialog.emailEdit },       { "birth", dialog.birthDateEdit },
            { "captcha", dialog.captchaEdit },
        };
        QStringList disabled;
        QStringList marked;
        for (const auto &field : fields) {
            if (!field.second->isEnabled())
                disabled << field.first;
            if (field.second->styleSheet().contains(QLatin1String("solid red")))
                marked << field.first;
        }
        QCOMPARE(disabled.join(' '), locked);
        QCOMPARE(marked.join(' '), invalid);
        // Once past the completeness check, the gender can no longer change.
        const bool past = !told.contains(
            QStringLiteral("Registration|Please fill in all fields to create your account!|2"));
        QCOMPARE(dialog.femaleButton->isEnabled(), !past);
        QVERIFY(dialog.maleButton->isEnabled());
        QVERIFY(dialog.registerBtn->isEnabled()); // nothing started
        // The fields' clear buttons fade in; Qt leaks a fade cut short by the dialog's end.
        QTest::qWait(250);
    }

    // Once the Register button has taken the form past its completeness check, the gender
    // chosen, male or female, can no longer change: neither a click nor the arrow keys reach the
    // other button.
    void genderChoiceIsLocked_data()
    {
        QTest::addColumn<int>("gender");
        QTest::newRow("male") << 1;
        QTest::newRow("female") << 2;
    }

    void genderChoiceIsLocked()
    {
        QFETCH(int, gender);
        AccountRegistration dialog;
        dialog.setAttribute(Qt::WA_DeleteOnClose, false);
        QTRY_COMPARE_WITH_TIMEOUT(dialog.captchaCode, QStringLiteral("4711"), 10000);
        const Form form;
        dialog.nameEdit->setText(form.name);
        dialog.usernameEdit->setText(form.username);
        dialog.passwordEdit->setText(form.password);
        dialog.repeatEdit->setText(form.repeat);
        dialog.emailEdit->setText(form.email);
        dialog.birthDateEdit->setDate(QDate::currentDate().addDays(-form.birthDaysAgo));
        dialog.captchaEdit->setText(form.captcha);
        dialog.codeEdit->setText(form.code);
        dialog.termsSwitch->setChecked(true);
        QRadioButton *chosen = gender == 1 ? dialog.maleButton : dialog.femaleButton;
        QRadioButton *other = gender == 1 ? dialog.femaleButton : dialog.maleButton;
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QTest::mouseClick(chosen, Qt::LeftButton);
        QVERIFY(chosen->isChecked());
        QTest::mouseClick(dialog.registerBtn, Qt::LeftButton);
        QVERIFY(messages.isEmpty());

        QVERIFY(chosen->isEnabled());
        QVERIFY(!other->isEnabled());
        QTest::mouseClick(other, Qt::LeftButton);
        chosen->setFocus();
        QTest::keyClick(chosen, gender == 1 ? Qt::Key_Right : Qt::Key_Left);
        QTest::keyClick(chosen, Qt::Key_Down);
        QVERIFY(chosen->isChecked() && !other->isChecked());
        // A second press keeps the lock.
        QTest::mouseClick(dialog.registerBtn, Qt::LeftButton);
        QVERIFY(chosen->isChecked() && chosen->isEnabled() && !other->isEnabled());
        // The fields' clear buttons fade in; Qt leaks a fade cut short by the dialog's end.
        QTest::qWait(250);
    }

private:
    HttpsStandIn webServer;
    std::unique_ptr<plat::FakePlatform> fakes;
    std::unique_ptr<plat::ScopedPlatform> scopedPlatform;
    QStringList messages;
};

QTEST_MAIN(TstRegistrationForm)
#include "tst_registrationform.moc"
