#pragma once

#include <QLabel>
#include <QPixmap>

// The round avatar picture that acts as a button: the account button of the main window and the
// picture on the account page. The owner gives it its size; the class sets no size of its own.
class AccountImage : public QLabel
{
    Q_OBJECT

public:
    explicit AccountImage(QWidget *parent = nullptr);

    // Shows the given picture, or the default one when it is null.
    void setAvatar(const QPixmap &picture);
    QPixmap avatar() const { return avatarPixmap; }

signals:
    void mouseClick();
    void mouseEnter();
    void mouseLeave();

protected:
    bool event(QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    static QPixmap defaultAvatar();

    QPixmap avatarPixmap;
};
