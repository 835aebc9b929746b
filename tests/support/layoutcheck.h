#pragma once
// Visible children in no layout and still at the top-left corner (hidden there); `nested`: all
// levels.

#include "app/fonts.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QHeaderView>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QRegularExpression>
#include <QStringList>
#include <QStyle>
#include <QStyleOptionTab>
#include <QTabBar>
#include <QWidget>
#include <QtTest>

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

// What a user would see cut or overlapping in a shown window: texts of labels, buttons, combo
// boxes, fields (their placeholder) and tabs that do not fit their widget, widgets of one layout
// that overlap, and laid-out widgets that stick out of their parent. Descriptions name the
// widget and its text.
inline QStringList cutOrOverlappingWidgets(const QWidget *root)
{
    QStringList found;
    const auto describe = [](const QWidget *w, const QString &text, const QString &why) {
        return QString::fromLatin1(w->metaObject()->className()) + QLatin1Char(' ')
            + (text.isEmpty() ? w->objectName() : text) + QStringLiteral(": ") + why;
    };
    const auto plain = [](QString text) {
        return text.remove(QRegularExpression("&(?!&)"));
    };
    QList<QWidget *> widgets = root->findChildren<QWidget *>();
    widgets.prepend(const_cast<QWidget *>(root));
    for (const QWidget *w : qAsConst(widgets)) {
        if (w->window() != root->window() || !w->isVisibleTo(root))
            continue;
        const QFontMetrics fm = w->fontMetrics();
        const auto needs = [&](const QString &text, int width, int height) {
            if (w->width() < width || w->height() < height)
                found << describe(w, text,
                                  QStringLiteral("%1x%2, text needs %3x%4")
                                      .arg(w->width())
                                      .arg(w->height())
                                      .arg(width)
                                      .arg(height));
        };
        if (const auto *label = qobject_cast<const QLabel *>(w)) {
            if (label->text().isEmpty())
                continue;
            const QSize hint = label->minimumSizeHint();
            needs(label->text(), label->wordWrap() ? 0 : hint.width(),
                  label->wordWrap() ? label->heightForWidth(label->width()) : hint.height());
        } else if (const auto *button = qobject_cast<const QAbstractButton *>(w)) {
            if (button->text().isEmpty())
                continue;
            const int icon = button->icon().isNull() ? 0 : button->iconSize().width() + 4;
            needs(button->text(), fm.horizontalAdvance(plain(button->text())) + icon + 8,
                  fm.height() + 2);
        } else if (const auto *combo = qobject_cast<const QComboBox *>(w)) {
            const int icon = combo->itemIcon(combo->currentIndex()).isNull()
                ? 0
                : combo->iconSize().width() + 4;
            needs(combo->currentText(), fm.horizontalAdvance(combo->currentText()) + icon + 20,
                  fm.height() + 2);
        } else if (const auto *field = qobject_cast<const QLineEdit *>(w)) {
            const QString shown = field->text().isEmpty() ? field->placeholderText() : QString();
            const int actions = field->actions().size() * (fm.height() + 4);
            needs(shown, shown.isEmpty() ? 0 : fm.horizontalAdvance(shown) + actions + 8,
                  fm.height() + 2);
        } else if (const auto *header = qobject_cast<const QHeaderView *>(w)) {
            for (int i = 0; header->model() && i < header->count(); ++i) {
                const QString text
                    = header->model()->headerData(i, header->orientation()).toString();
                if (!header->isSectionHidden(i) && header->orientation() == Qt::Horizontal
                    && header->sectionSize(i) < fm.horizontalAdvance(text) + 8)
                    found << describe(header, text,
                                      QStringLiteral("column %1 px").arg(header->sectionSize(i)));
            }
        } else if (const auto *bar = qobject_cast<const QTabBar *>(w)) {
            for (int i = 0; i < bar->count(); ++i) {
                const QString text = plain(bar->tabText(i));
                // Where the style (and the style sheet) draws the label inside the tab.
                QStyleOptionTab option;
                option.initFrom(bar);
                option.shape = bar->shape();
                option.text = bar->tabText(i);
                option.rect = bar->tabRect(i);
                const QRect tab
                    = bar->style()->subElementRect(QStyle::SE_TabBarTabText, &option, bar);
                if (tab.width() < fm.horizontalAdvance(text) || tab.height() < fm.height())
                    found << describe(
                        bar, text, QStringLiteral("tab %1x%2").arg(tab.width()).arg(tab.height()));
            }
        }
        if (const QLayout *layout = w->layout()) {
            QList<QWidget *> items; // laid out by this layout or one nested in it
            for (QWidget *child :
                 w->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly)) {
                bool placed = layout->indexOf(child) >= 0;
                for (const QLayout *inner : layout->findChildren<QLayout *>())
                    placed = placed || inner->indexOf(child) >= 0;
                if (placed && child->isVisibleTo(root))
                    items << child;
            }
            for (int i = 0; i < items.size(); ++i) {
                if (!w->rect().contains(items.at(i)->geometry()))
                    found << describe(items.at(i), QString(), QStringLiteral("outside its parent"));
                for (int j = i + 1; j < items.size(); ++j) {
                    if (items.at(i)->geometry().intersects(items.at(j)->geometry()))
                        found << describe(items.at(i), QString(),
                                          "overlaps " + describe(items.at(j), QString(), {}));
                }
            }
        }
    }
    return found;
}

// Rows of a data-driven test: the smallest and the largest font size the Misc page offers.
inline void addFontSizeRows()
{
    QTest::addColumn<int>("size");
    QTest::newRow("smallest") << fontSizeList().first().toInt();
    QTest::newRow("largest") << fontSizeList().last().toInt();
}

// A window laid out at its minimum size, as the layout leaves it, whatever the test screen's
// size (a large font makes windows larger than the offscreen screen).
inline QWidget *laidOutAtMinimum(QWidget *window)
{
    // Shown off screen: inner parts (a spin box's field) are placed on their resize event.
    window->setAttribute(Qt::WA_DontShowOnScreen);
    window->show();
    window->resize(window->minimumSize().expandedTo(window->minimumSizeHint()));
    QCoreApplication::processEvents();
    return window;
}
