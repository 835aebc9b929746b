#include "widgets/columnfitter.h"

#include <QAbstractItemModel>
#include <QHeaderView>
#include <QTimer>
#include <QTreeView>

#include <algorithm>

ColumnFitter *ColumnFitter::attach(QTreeView *tree, const QList<int> &fixedColumns, int maxWidth)
{
    return new ColumnFitter(tree, fixedColumns, maxWidth);
}

ColumnFitter::ColumnFitter(QTreeView *tree, const QList<int> &fixedColumns, int maxWidth)
    : QObject(tree)
    , m_tree(tree)
    , m_fixedColumns(fixedColumns)
    , m_maxWidth(maxWidth)
    , m_timer(new QTimer(this))
{
    // Rows arrive one signal at a time: fit once they have settled, not at every row.
    m_timer->setSingleShot(true);
    m_timer->setInterval(150);
    connect(m_timer, &QTimer::timeout, this, &ColumnFitter::fit);
    QAbstractItemModel *model = tree->model();
    const auto later = [this] {
        m_timer->start();
    };
    connect(model, &QAbstractItemModel::rowsInserted, this, later);
    connect(model, &QAbstractItemModel::rowsRemoved, this, later);
    connect(model, &QAbstractItemModel::modelReset, this, later);
}

void ColumnFitter::fit()
{
    QHeaderView *header = m_tree->header();
    const int last = header->count() - 1;
    for (int column = 0; column <= last; ++column) {
        if (m_fixedColumns.contains(column) || header->isSectionHidden(column)
            || header->sectionResizeMode(column) != QHeaderView::Interactive
            || (column == last && header->stretchLastSection()))
            continue;
        // QTreeView hides the public sizeHintForColumn of its base.
        const int rows = static_cast<QAbstractItemView *>(m_tree)->sizeHintForColumn(column);
        const int content = std::max(rows, header->sectionSizeHint(column));
        header->resizeSection(column, std::min(content, m_maxWidth));
    }
}
