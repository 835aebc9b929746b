#include "widgets/appqlabel.h"

#include <QEvent>

AppQLabel::AppQLabel(QWidget *parent, Qt::WindowFlags f)
    : QLabel(parent, f)
{
}

AppQLabel::AppQLabel(const QString &text, QWidget *parent, Qt::WindowFlags f)
    : QLabel(text, parent, f)
{
}

bool AppQLabel::event(QEvent *e)
{
    if (e->type() == QEvent::HoverEnter)
        emit mouseEnter();
    else if (e->type() == QEvent::HoverLeave)
        emit mouseLeave();
    return QLabel::event(e);
}

void AppQLabel::mousePressEvent(QMouseEvent *ev)
{
    emit mouseClick();
    QLabel::mousePressEvent(ev);
}
