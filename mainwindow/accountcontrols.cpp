// The window's account slice: the sign-in at start, the account button, the account page, and
// what follows a sign-in, a cancellation, a failed connection and a sign-out.

#include "mainwindow/verdimonnuvo.h"

#include "accounts/account.h"
#include "accounts/accountimage.h"
#include "accounts/databasethread.h"
#include "accounts/login.h"
#include "accounts/serverdb.h"
#include "app/cipher.h"
#include "app/settings.h"
#include "app/systemfunctions.h"
#include "widgets/switch.h"

#include <QCoreApplication>
#include <QTextDocument>
#include <QTimer>
#include <QWindow>

#include <functional>
#include <utility>

namespace {

// How long quitting waits for the account database.
constexpr int accountQuitWaitMs = 2000;

// Runs its action once, when the watched window is first exposed; released with its parent.
class ExposeWatcher : public QObject
{
public:
    ExposeWatcher(QObject *parent, std::function<void()> action)
        : QObject(parent)
        , action(std::move(action))
    {
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Expose && action
            && static_cast<QWindow *>(watched)->isExposed()) {
            watched->removeEventFilter(this);
            std::exchange(action, nullptr)();
        }
        return false;
    }

private:
    std::function<void()> action;
};

// Shows the sign-in dialog with its centre on the window's centre.
void showCentredOn(QWidget *window, LogIn *login)
{
    const auto showCentred = [window, login]() {
        const QPoint centre = window->geometry().center();
        login->move(centre.x() - login->width() / 2, centre.y() - login->height() / 2);
        login->show();
    };
    // At construction the window is shown only after this returns, and the window manager
    // places it only when it maps it: the dialog waits for that, so it opens centred above the
    // window where the window really stands.
    if (window->isVisible() && window->windowHandle() && window->windowHandle()->isExposed()) {
        showCentred();
        return;
    }
    QTimer::singleShot(0, login, [window, login, showCentred]() {
        // A window kept hidden (in the tray) is never placed: then its geometry is all there is.
        QWindow *handle = window->windowHandle();
        if (!window->isVisible() || !handle || handle->isExposed())
            showCentred();
        else
            handle->installEventFilter(new ExposeWatcher(login, showCentred));
    });
}

} // namespace

void VerdimonNuvo::showAccountDialogs(QWidget *parent)
{
    accountDialogsParent = parent;
    auto *login = new LogIn(parent);
    loginDialog = login;
    if (accountDialog)
        accountDialog->deleteLater();
    accountDialog = new Account(parent);

    connect(login, &LogIn::userAccountData, accountDialog.data(), &Account::setAccountData);
    connect(login, &LogIn::userAccountAvatar, accountDialog.data(), &Account::setAccountAvatar);
    // The page is the context: the connection ends with the page it serves.
    Account *page = accountDialog;
    connect(this, &VerdimonNuvo::opacitySettings, page,
            [page](double opacity) { page->setWindowOpacity(opacity); });
    connect(login, &LogIn::connectionFailed, this, &VerdimonNuvo::onLoginConnectionFailed);
    connect(accountDialog.data(), &Account::dataAcquired, login, &QObject::deleteLater);
    connect(accountDialog.data(), &Account::logOut, this, &VerdimonNuvo::onAccountLogOut);
    connect(login, &LogIn::userAccountData, this, &VerdimonNuvo::onUserAccountData);
    connect(login, &LogIn::userAccountAvatar, this, &VerdimonNuvo::onUserAccountAvatar);
    const QPointer<LogIn> cancelled = login;
    connect(login, &LogIn::loginCancelled, this,
            [this, cancelled] { onLoginCancelled(cancelled); });

    const bool onTop = alwaysOnTopSwitch && alwaysOnTopSwitch->isChecked();
    setWindowTopmost(login, onTop);
    // A remembered sign-in that could not reach the account service inside the constructor
    // reported it before these connections existed.
    if (login->hasConnectionFailed())
        onLoginConnectionFailed();

    // A remembered sign-in that already failed inside the dialog's constructor has shown the
    // dialog and cleared the credentials; only one still running stays hidden, and stays so
    // when the vendor's host answers. The window does not wait for that answer: a host that
    // drops packets would freeze it for the test's full 6 seconds. A dialog signed in meanwhile
    // is gone and takes the answer with it; one shown by a failure meanwhile needs nothing more.
    if (Settings::savedCredentials() && !login->isVisible()) {
        accountImage->setEnabled(false);
        login->hide();
        checkNetworkAvailable(
            login,
            [this, login](bool reachable) {
                if (reachable || login->isVisible())
                    return;
                accountImage->setEnabled(true);
                showCentredOn(this, login);
            },
            networkWaitMs > 0 ? networkWaitMs : networkTestTimeoutMs);
        return;
    }
    showCentredOn(this, login);
}

void VerdimonNuvo::onUserAccountData(const QVector<AccountData> &accountDataVector)
{
    setAccountData(accountDataVector);
}

void VerdimonNuvo::setAccountData(const QVector<AccountData> &accountDataVector)
{
    if (accountDataVector.isEmpty())
        return;
    const AccountData account = accountDataVector.first();
    signedIn = true;
    // The name comes from the database; a tooltip would render markup in it.
    accountImage->setToolTip(
        Qt::mightBeRichText(account.name) ? Qt::convertFromPlainText(account.name) : account.name);
    accountImage->setEnabled(true);
    bool ok = false;
    accountUserId = account.id.toInt(&ok, 10);
    if (!ok)
        accountUserId = 0;

    const QString group = QStringLiteral("Credentials");
    const QString key = QStringLiteral("DevBuild");
    // The account's own say, not a change of the user's: a store that can't keep it is logged.
    Settings::setEncipheredValue(group, key, devBuildCipherKey,
                                 account.dev_access ? QStringLiteral("yes") : QStringLiteral("no"),
                                 Settings::WriteOrigin::Program);
    const QString devBuild = decryptString(
        devBuildCipherKey, Settings::settingsValue(group, key, QStringLiteral("no")).toString());
    if (devBuild == QLatin1String("yes") && account.group_name != QLatin1String("Users")
        && account.dev_access)
        enableDevChannel();
    else
        disableDevChannel();
    beginDataCollection();
}

void VerdimonNuvo::onUserAccountAvatar(const QPixmap &avatar)
{
    accountImage->setAvatar(avatar);
}

void VerdimonNuvo::resetAccountButton()
{
    accountImage->setEnabled(true);
    accountImage->setAvatar(QPixmap());
    accountImage->setToolTip(QObject::tr("Account"));
}

void VerdimonNuvo::onLoginConnectionFailed()
{
    signedIn = false;
    resetAccountButton();
    // The sign-in dialog stays open for another attempt; the inventory does not wait for it.
    beginDataCollection();
}

void VerdimonNuvo::onLoginCancelled(const QPointer<LogIn> &cancelled)
{
    signedIn = false;
    resetAccountButton();
    disableDevChannel();
    if (accountDialog)
        accountDialog->deleteLater();
    accountDialog = nullptr;
    // Cancelled right after its attempt could not reach the account service, the program goes
    // on without an account. That holds for that attempt only: any other cancellation asks the
    // vendor's host again.
    const bool serviceDown = cancelled && cancelled->hasConnectionFailed();
    if (cancelled)
        cancelled->deleteLater();
    if (serviceDown) {
        beginDataCollection();
        return;
    }
    // The window answers while the host is tested; a sign-in opened meanwhile decides instead.
    checkNetworkAvailable(
        this,
        [this, cancelled](bool reachable) {
            if (loginDialog && loginDialog != cancelled)
                return;
            if (reachable)
                QCoreApplication::quit();
            else
                beginDataCollection();
        },
        networkWaitMs > 0 ? networkWaitMs : networkTestTimeoutMs);
}

void VerdimonNuvo::onAccountLogOut()
{
    signedIn = false;
    accountUserId = 0;
    if (accountDialog)
        accountDialog->deleteLater();
    accountDialog = nullptr;
    disableDevChannel();
    resetAccountButton();
    showAccountDialogs(accountDialogsParent);
}

void VerdimonNuvo::onAccountImageClicked()
{
    if (!signedIn) {
        showAccountDialogs(this);
        return;
    }
    if (!accountDialog)
        return;
    centerOnWidget(this, accountDialog);
    setWindowTopmost(accountDialog, alwaysOnTopSwitch && alwaysOnTopSwitch->isChecked());
    accountDialog->exec();
}

void VerdimonNuvo::releaseAccountDialogs()
{
    // Made without a parent, so that they stay windows of their own; the window releases them.
    const QList<QPointer<QWidget>> dialogs { loginDialog.data(), accountDialog.data() };
    for (const QPointer<QWidget> &dialog : dialogs) {
        if (!dialog)
            continue;
        dialog->disconnect(this);
        delete dialog.data();
    }
}

void VerdimonNuvo::closeAccountSession()
{
    if (!DatabaseThread::isRunning())
        return; // no database work was ever asked for
    // The database thread marks the account offline and then closes the connection; quitting
    // waits for that only briefly: a silent server must not hold the program at exit. No
    // reachability test first: it could take longer than the whole wait.
    ServerDB db;
    if (accountUserId >= 1)
        db.markUserOffline(QString::number(accountUserId));
    ServerDB::endSession(accountQuitWaitMs);
}
