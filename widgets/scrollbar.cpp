#include "widgets/scrollbar.h"

#include <QEvent>

ScrollBar::ScrollBar(QWidget *parent)
    : QScrollBar(parent)
{
    // The thickness change follows hover events; not every style turns them on.
    setAttribute(Qt::WA_Hover, true);
}

ScrollBar::~ScrollBar() = default;

bool ScrollBar::event(QEvent *e)
{
    const bool vertical = orientation() == Qt::Vertical;
    if (e->type() == QEvent::HoverEnter && isVisible() && isEnabled())
        setStyleSheet(vertical ? QStringLiteral("width: 16px;") : QStringLiteral("height: 16px;"));
    else if (e->type() == QEvent::HoverLeave && isVisible() && isEnabled())
        setStyleSheet(vertical ? QStringLiteral("width: 12px;") : QStringLiteral("height: 12px;"));
    return QScrollBar::event(e);
}
