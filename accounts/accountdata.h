#pragma once
// The value records of the account database: the signed-in account and one registration.

#include <QMetaType>
#include <QString>
#include <QVector>

struct AccountData
{
    QString avatar;
    QString id;
    QString name;
    QString username;
    QString group_name;
    QString group_color;
    QString email;
    QString phone;
    bool dev_access = false;
};

struct RegData
{
    QString name;
    QString username;
    QString password; // the stored form the web service made
    QString email;
    int gender = 0;
    QString reg_date;
    int user_group = 0;
    QString birth_date;
    QString country_id;
};

Q_DECLARE_METATYPE(AccountData)
Q_DECLARE_METATYPE(RegData)
Q_DECLARE_METATYPE(QVector<AccountData>)
Q_DECLARE_METATYPE(QVector<RegData>)

// Registers the two vector types under their names, so queued connections can carry them.
void registerAccountMetaTypes();
