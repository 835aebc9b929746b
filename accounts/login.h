#pragma once
// The sign-in dialog: a login (user name, e-mail or phone) and a password, optionally remembered
// for a hidden sign-in at the next start. It drives one sign-in at a time through a ServerDB and
// reports the account and its avatar through its signals.

#include "accounts/accountdata.h"

#include <QDialog>
#include <QPixmap>
#include <QPointer>
#include <QVector>

class AppQLabel;
class LoaderWidget;
class NetworkManager;
class QLabel;
class QLineEdit;
class QPushButton;
class ServerDB;
class Switch;

class LogIn : public QDialog
{
    Q_OBJECT

public:
    explicit LogIn(QWidget *parent = nullptr);

    QLineEdit *loginField() const { return loginEdit; }
    QLineEdit *passwordField() const { return passwordEdit; }
    QPushButton *signInButton() const { return signInBtn; }
    Switch *rememberSwitch() const { return rememberMe; }
    bool isSignedIn() const { return signedIn; }
    // True when the latest sign-in could not reach the account service (also the constructor's
    // sign-in); a new attempt starts without it.
    bool hasConnectionFailed() const { return connectionHasFailed; }

    // How long a sign-in waits for the avatar before it ends with the default picture.
    static constexpr int avatarDeadlineMs = 10000;
    // Replaces avatarDeadlineMs for the sign-ins started from now on; 0 restores it.
    static void setAvatarDeadline(int milliseconds);

signals:
    void loginCancelled();
    void userAccountData(QVector<AccountData> accountDataVector);
    void userAccountAvatar(QPixmap avatar);
    void closeDB();
    void connectionFailed();

public slots:
    void setAccountLoginData(const QString &username, const QString &password);

private slots:
    void dbConnectionError(const QString &error);
    void dbConnectionError();
    void setNoAccountFound();
    void setPasswordVerificationFailed();
    void setPasswordCheckFailed(const QString &reason);
    void setAccountData(const QVector<AccountData> &accountDataVector);
    void setAccountAvatar(const QPixmap &avatar);
    void accountLoginLoader();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void createLayout();
    void loadStoredCredentials();
    void onSignInClicked();
    void startLogin(const QString &login, const QString &password);
    void setControlsEnabled(bool enabled);
    void stopLoader();
    // The end of a good sign-in, once both the account and the avatar (or its failure) are in.
    void finishSignIn();
    // The common end of a failed sign-in: controls back, the remembered credentials cleared when
    // the failure says they are wrong (kept when it says nothing about them), the message. False
    // when the dialog was released while its message was open.
    bool showFailure(const QString &text, bool credentialsWrong);
    // A failure that says nothing about the credentials (no service answered): told, and the
    // sign-in counts as having failed to connect.
    void connectionFailure(const QString &text);

    QLabel *infoLabel = nullptr;
    QLineEdit *loginEdit = nullptr;
    QLineEdit *passwordEdit = nullptr;
    QLabel *lockLabel = nullptr;
    QPushButton *signInBtn = nullptr;
    QPushButton *closeBtn = nullptr;
    Switch *rememberMe = nullptr;
    Switch *showCharacters = nullptr;
    AppQLabel *signUpLink = nullptr;
    AppQLabel *forgotLink = nullptr;
    QPointer<LoaderWidget> loader;
    QPointer<ServerDB> database; // of the current attempt
    QPointer<NetworkManager> avatarManager;
    // What the current attempt has received; they arrive in either order.
    bool accountReceived = false;
    bool avatarReceived = false;
    QPixmap receivedAvatar;
    bool remember = false;
    bool signedIn = false;
    bool connectionHasFailed = false;
};
