#include "accounts/accountimage.h"

#include <QBrush>
#include <QEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPen>

AccountImage::AccountImage(QWidget *parent)
    : QLabel(parent)
    , avatarPixmap(defaultAvatar())
{
}

QPixmap AccountImage::defaultAvatar()
{
    return QPixmap(QStringLiteral(":/Icon/user_avatar.svg"));
}

void AccountImage::setAvatar(const QPixmap &picture)
{
    // The picture is scaled to the widget on every paint: a large one is kept at a size the
    // widget can use, so painting stays cheap whatever the server sent.
    constexpr int keptSide = 512;
    if (picture.isNull())
        avatarPixmap = defaultAvatar();
    else if (picture.width() > keptSide || picture.height() > keptSide)
        avatarPixmap
            = picture.scaled(keptSide, keptSide, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    else
        avatarPixmap = picture;
    update();
}

bool AccountImage::event(QEvent *event)
{
    if (event->type() == QEvent::HoverEnter)
        emit mouseEnter();
    else if (event->type() == QEvent::HoverLeave)
        emit mouseLeave();
    return QLabel::event(event);
}

void AccountImage::mousePressEvent(QMouseEvent *event)
{
    emit mouseClick();
    QLabel::mousePressEvent(event);
}

void AccountImage::paintEvent(QPaintEvent *event)
{
    // The picture is stretched to the widget and used as the texture of a rounded rectangle whose
    // radii exceed half the side, so a square widget shows a full circle with a thin grey rim.
    if (!avatarPixmap.isNull() && width() > 0 && height() > 0) {
        const QPixmap scaled = avatarPixmap.scaled(width(), height(), Qt::IgnoreAspectRatio,
                                                   Qt::SmoothTransformation);
        QPainter painter(this);
        painter.setPen(
            QPen(QBrush(QColor(170, 170, 170)), 1.0, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin));
        painter.setRenderHint(QPainter::Antialiasing, true);
        painter.setBrush(QBrush(scaled));
        painter.drawRoundedRect(QRectF(0.0, 0.0, width(), height()), 100.0, 100.0,
                                Qt::AbsoluteSize);
        painter.end();
    }
    QLabel::paintEvent(event);
}
