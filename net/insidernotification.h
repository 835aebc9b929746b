#pragma once
// A small frameless window that offers a newer build of the Insider channel. It decides
// nothing itself: it stores two settings and reports the user's choice through its signals.

#include "app/appenums.h"

#include <QDialog>
#include <QString>

class AppQFrame;
class AppQLabel;
class QLabel;
class QMouseEvent;
class QPushButton;
class Switch;

class InsiderNotification : public QDialog
{
    Q_OBJECT
    friend class TestInsiderNotification;

public:
    explicit InsiderNotification(QWidget *parent = nullptr);
    ~InsiderNotification() override;

    // The offered build: kept to rebuild the offer text after a language change.
    void setBuildNumber(const QString &build);
    QString buildNumber() const { return m_buildNumber; }
    // "New insider build <build> is available! Do you want to install it?"
    static QString offerText(const QString &build);

signals:
    void disableInsiderNotification(bool isEnabled);
    void setInsiderChannel(Update::Channel ipChannel);
    void startInsiderUpdate();

protected:
    void changeEvent(QEvent *event) override;

private:
    void onTitlePressed(QMouseEvent *event);
    void onTitleMoved(QMouseEvent *event);
    void onTitleReleased(QMouseEvent *event);
    void onInstallClicked();
    void onDontShowClicked(bool isEnabled);
    static QString noteText();

    bool dragging = false;
    int dragOffsetX = 0;
    int dragOffsetY = 0;
    QString m_buildNumber;
    AppQFrame *titleBar = nullptr;
    QLabel *titleLabel = nullptr;
    QLabel *offerLabel = nullptr;
    QLabel *noteLabel = nullptr;
    AppQLabel *minimizeLabel = nullptr;
    AppQLabel *closeLabel = nullptr;
    Switch *dontShowSwitch = nullptr;
    QPushButton *installButton = nullptr;
    QPushButton *closeButton = nullptr;
};
