#include "widgets/columnfitter.h"

#include <QAbstractItemModel>
#include <QHeaderView>
#include <QTimer>
#include <QTreeView>

#include <algorithm>

namespace {

// Rows arrive one signal at a time: fit once they have settled, not at every row.
constexpr int kSettleMs = 150;
// Rows measured for a column's width (Qt measures 1,000): enough for a list's typical widths,
// and a column of a list of thousands is measured within a frame.
constexpr int kMeasuredRows = 400;

} // namespace

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
    m_timer->setSingleShot(true);
    connect(m_timer, &QTimer::timeout, this, &ColumnFitter::step);
    tree->header()->setResizeContentsPrecision(kMeasuredRows);
    QAbstractItemModel *model = tree->model();
    const auto later = [this] {
        m_nextColumn = 0;
        m_timer->start(kSettleMs);
    };
    connect(model, &QAbstractItemModel::rowsInserted, this, later);
    connect(model, &QAbstractItemModel::rowsRemoved, this, later);
    connect(model, &QAbstractItemModel::modelReset, this, later);
}

void ColumnFitter::fit()
{
    m_timer->stop();
    m_nextColumn = -1;
    for (int column = 0; column < m_tree->header()->count(); ++column)
        if (fits(column))
            fitColumn(column);
}

bool ColumnFitter::isPending() const
{
    return m_nextColumn >= 0;
}

bool ColumnFitter::fits(int column) const
{
    const QHeaderView *header = m_tree->header();
    const int last = header->count() - 1;
    return !m_fixedColumns.contains(column) && !header->isSectionHidden(column)
        && header->sectionResizeMode(column) == QHeaderView::Interactive
        && !(column == last && header->stretchLastSection());
}

void ColumnFitter::fitColumn(int column)
{
    // QTreeView hides the public sizeHintForColumn of its base.
    const int rows = static_cast<QAbstractItemView *>(m_tree)->sizeHintForColumn(column);
    const int content = std::max(rows, m_tree->header()->sectionSizeHint(column));
    m_tree->header()->resizeSection(column, std::min(content, m_maxWidth));
}

// One column a turn: measuring a column of a list of thousands takes milliseconds, all of them
// together would hold up the window for several frames.
void ColumnFitter::step()
{
    const int count = m_tree->header()->count();
    while (m_nextColumn >= 0 && m_nextColumn < count && !fits(m_nextColumn))
        ++m_nextColumn;
    if (m_nextColumn < 0 || m_nextColumn >= count) {
        m_nextColumn = -1;
        return;
    }
    fitColumn(m_nextColumn++);
    m_timer->start(0);
}
