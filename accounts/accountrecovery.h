#pragma once
// The recovery dialog: a new password for the account of an e-mail address, after the address
// was verified with a mailed code and a captcha was solved.

#include <QDialog>
#include <QImage>
#include <QJsonParseError>
#include <QNetworkReply>
#include <QPointer>

class AppQLabel;
class LoaderWidget;
class QLineEdit;
class QPushButton;
class Switch;

class AccountRecovery : public QDialog
{
    Q_OBJECT
    friend class TstAccountDialogs;
    friend class TstAccountFailures;

public:
    explicit AccountRecovery(QWidget *parent = nullptr);

signals:
    void accountLoginData(QString username, QString password);

private slots:
    void setCaptchaData(const QImage &data, const QString &code);
    void setCaptchaError(QNetworkReply::NetworkError error);
    void setCustomerFound();
    void setRecoveryVerifCode(const QString &code);
    void setNoCustomerFound();
    void setJsonReaderError(const QJsonParseError &updateError);
    void setEmailValidationError(QNetworkReply::NetworkError error);
    void accountRecoveryLoader();
    void setEcryptedPassword(const QString &password);
    void setEncryptionError(int error);
    void setRecoverySucess();
    void setRecoveryFailed(const QString &error);

private:
    void createLayout();
    void loadCaptcha();
    void checkEmailAddress();
    void checkVerificationCode();
    void onRecoverClicked();
    void checkPasswords();
    void startEmailValidation(const QString &email);
    void onEmailEdited(const QString &text);
    void startPasswordEncryption(const QString &password);
    void storeNewPassword(const QString &storedForm);
    void emailFailed(const QString &text);
    // Shows the error; false when the dialog was released while it was open.
    bool error(const QString &text);

    QLineEdit *emailEdit = nullptr;
    QLineEdit *codeEdit = nullptr;
    QLineEdit *passwordEdit = nullptr;
    QLineEdit *repeatEdit = nullptr;
    QLineEdit *captchaEdit = nullptr;
    QPushButton *recoverBtn = nullptr;
    QPushButton *closeBtn = nullptr;
    Switch *showCharacters = nullptr;
    AppQLabel *captchaImage = nullptr;
    QString captchaText;
    QString verificationCode;
    int emailLookup = 0; // the number of the lookup whose answers count
    QString lookupEmail; // the address that lookup asks about
    QString codeEmail; // the address verificationCode was mailed to
    bool accountFound = false;
    bool codeAccepted = false;
    QPointer<LoaderWidget> loader;
};
