#pragma once
// The account page: the signed-in user's avatar and details, and signing out.

#include "accounts/accountdata.h"

#include <QDialog>
#include <QPixmap>
#include <QPointer>
#include <QVector>

class AccountImage;
class LoaderWidget;
class QLabel;
class QPushButton;

class Account : public QDialog
{
    Q_OBJECT

public:
    explicit Account(QWidget *parent = nullptr);

    AccountImage *avatarImage() const { return avatar; }
    QLabel *valueLabel(int row) const { return values[row]; }
    QPushButton *logOutButton() const { return logOutBtn; }

signals:
    void logOut();
    void dataAcquired();

public slots:
    void setAccountData(const QVector<AccountData> &accountDataVector);
    void setAccountAvatar(const QPixmap &avatar);
    void setUserLoggedOff();
    void accountLogoffLoader();
    void accountLoggedOut();
    void setLogoutFailed();

protected:
    void changeEvent(QEvent *event) override;

private:
    void retranslate();

    enum Row { IdRow, NameRow, UsernameRow, GroupRow, EmailRow, PhoneRow, RowCount };
    QLabel *captions[RowCount] = {};
    QLabel *values[RowCount] = {};
    AccountImage *avatar = nullptr;
    QPushButton *logOutBtn = nullptr;
    QPushButton *closeBtn = nullptr;
    QPointer<LoaderWidget> loader;
};
