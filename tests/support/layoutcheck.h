#pragma once
// Visible children in no layout and still at the top-left corner (hidden there); `nested`: all
// levels.

#include <QLabel>
#include <QLayout>
#include <QStringList>
#include <QWidget>

inline QStringList unplacedWidgets(const QWidget *parent, bool nested = false)
{
    const QList<QLayout *> layouts = parent->findChildren<QLayout *>();
    QStringList unplaced;
    for (QWidget *child : parent->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly)) {
        if (child->isWindow() || !child->isVisibleTo(parent) || child->pos() != QPoint(0, 0))
            continue;
        bool placed = false;
        for (QLayout *layout : layouts)
            placed = placed || layout->indexOf(child) >= 0;
        if (!placed) {
            const auto *label = qobject_cast<const QLabel *>(child);
            unplaced << QString::fromLatin1(child->metaObject()->className()) + QLatin1Char(' ')
                    + (label ? label->text() : child->objectName());
        }
    }
    if (nested) {
        for (const QWidget *inner :
             parent->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly)) {
            if (inner->layout() && !inner->isWindow())
                unplaced += unplacedWidgets(inner, true);
        }
    }
    return unplaced;
}
