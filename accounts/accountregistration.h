#pragma once
// The registration dialog: a new account with a verified e-mail address and a solved captcha.
// The web service makes the stored form of the password; ServerDB writes the account.

#include <QDialog>
#include <QImage>
#include <QJsonParseError>
#include <QNetworkReply>
#include <QPointer>
#include <QRegularExpression>
#include <QStringList>

class AppQLabel;
class LoaderWidget;
class QDateEdit;
class QLineEdit;
class QPushButton;
class QRadioButton;
class ServerDB;
class Switch;

class AccountRegistration : public QDialog
{
    Q_OBJECT
    friend class TstAccountDialogs;
    friend class TstRegistrationForm;

public:
    explicit AccountRegistration(QWidget *parent = nullptr);

    // Language of the terms page: "en", "ru" or "uk" from AppSettings/AppLanguage.
    static QString termsLanguageCode();
    // The reserved words no name or username may hold.
    static QStringList reservedNames();

signals:
    void accountLoginData(QString username, QString password);

private slots:
    void setCaptchaData(const QImage &data, const QString &code);
    void setCaptchaError(QNetworkReply::NetworkError error);
    void setEmailAccepted();
    void setEmailBlocked();
    void setEmailValidationError(QNetworkReply::NetworkError error);
    void setUsernameAvailable();
    void setUsernameTaken();
    void setRegSucess();
    void setRegFailed(const QString &error);
    void setEcryptedPassword(const QString &encryptedPassword);
    void setEncryptionError(int error);
    void accountRegLoader();
    void setRegVerifCode(const QString &code);
    void setJsonReaderError(const QJsonParseError &updateError);

private:
    void createLayout();
    void filterSpecialCharacters(QLineEdit *field, const QString &text);
    void onUsernameEntered();
    void onUsernameEdited();
    void cancelUsernameCheck();
    void onEmailEdited(const QString &text);
    void onEmailEntered();
    void onVerificationCodeEntered();
    void onRegisterClicked();
    void onUserCountry(const QString &countryText);
    void loadCaptcha();
    void startEmailValidation(const QString &name, const QString &email);
    void checkPasswords();
    void registerUser();
    void emailFailed(const QString &text);

    // The ordered form check of the Register button (registrationvalidation.cpp).
    void validateRegistrationForm(const QStringList &reserved, const QRegularExpression &email,
                                  Switch *terms);
    bool checkNameCase();
    bool checkUsernameCase();
    bool isReservedName(const QStringList &reserved);
    bool isReservedUsername(const QStringList &reserved);
    // Shows the error; false when the dialog was released while it was open.
    bool error(const QString &text);

    QLineEdit *nameEdit = nullptr;
    QLineEdit *usernameEdit = nullptr;
    QLineEdit *passwordEdit = nullptr;
    QLineEdit *repeatEdit = nullptr;
    QLineEdit *emailEdit = nullptr;
    QLineEdit *codeEdit = nullptr;
    QLineEdit *captchaEdit = nullptr;
    QRadioButton *maleButton = nullptr;
    QRadioButton *femaleButton = nullptr;
    QDateEdit *birthDateEdit = nullptr;
    QPushButton *registerBtn = nullptr;
    QPushButton *closeBtn = nullptr;
    Switch *showCharacters = nullptr;
    Switch *termsSwitch = nullptr;
    AppQLabel *captchaImage = nullptr;
    AppQLabel *termsLink = nullptr;

    QString captchaCode;
    QString storedPassword;
    QString country;
    QString verificationCode;
    int emailLookup = 0; // the number of the lookup whose answers count
    QString lookupEmail; // the address that lookup asks about
    QString codeEmail; // the address verificationCode was mailed to
    QPointer<ServerDB> usernameCheck; // the user-name lookup whose answer counts
    bool isUsernameFree = false;
    bool isEmailAccepted = false;
    bool isCodeAccepted = false;
    QPointer<LoaderWidget> loader;
};
