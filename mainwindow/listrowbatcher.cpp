#include "mainwindow/listrowbatcher.h"

#include <QElapsedTimer>
#include <QTreeWidget>

#include <utility>

namespace {

// Rows per addTopLevelItems (or per deleting step) between looks at the clock: a slice of this
// size takes well under a millisecond.
constexpr int kSlice = 128;

} // namespace

ListRowBatcher::ListRowBatcher(QObject *parent, int intervalMs, int budgetMs)
    : QObject(parent)
    , m_intervalMs(intervalMs)
    , m_budgetMs(budgetMs)
{
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, &ListRowBatcher::tick);
}

ListRowBatcher::~ListRowBatcher()
{
    discardAll();
    qDeleteAll(m_doomed);
}

void ListRowBatcher::append(QTreeWidget *tree, QTreeWidgetItem *item)
{
    add(tree, { item, {} });
}

void ListRowBatcher::append(QTreeWidget *tree, RowMaker make)
{
    add(tree, { nullptr, std::move(make) });
}

void ListRowBatcher::add(QTreeWidget *tree, Row row)
{
    auto it = m_pending.find(tree);
    if (it == m_pending.end()) {
        it = m_pending.insert(tree, {});
        m_order.append(tree);
    }
    it->append(std::move(row));
    if (!m_timer.isActive())
        m_timer.start(m_intervalMs);
}

void ListRowBatcher::flush(QTreeWidget *tree)
{
    const auto it = m_pending.find(tree);
    if (it == m_pending.end())
        return;
    const QList<Row> rows = *it;
    m_pending.erase(it);
    m_order.removeOne(tree);
    insert(tree, rows);
}

void ListRowBatcher::flushAll()
{
    while (!m_order.isEmpty())
        flush(m_order.first());
}

void ListRowBatcher::discard(QTreeWidget *tree)
{
    const auto it = m_pending.find(tree);
    if (it == m_pending.end())
        return;
    drop(*it);
    m_pending.erase(it);
    m_order.removeOne(tree);
    schedule();
}

void ListRowBatcher::discardAll()
{
    while (!m_order.isEmpty())
        discard(m_order.first());
}

void ListRowBatcher::clear(QTreeWidget *tree)
{
    discard(tree);
    // Taking the rows off is one model change; deleting thousands of them is what takes long.
    m_doomed.append(tree->invisibleRootItem()->takeChildren());
    schedule();
}

int ListRowBatcher::pendingCount() const
{
    int count = 0;
    for (const auto &rows : m_pending)
        count += rows.size();
    return count;
}

int ListRowBatcher::pendingCount(QTreeWidget *tree) const
{
    return m_pending.value(tree).size();
}

int ListRowBatcher::rowCount(QTreeWidget *tree) const
{
    return tree->topLevelItemCount() + pendingCount(tree);
}

void ListRowBatcher::tick()
{
    QElapsedTimer spent;
    spent.start();
    bool first = true; // one step a tick at least, however short the budget
    const auto goOn = [&] {
        return std::exchange(first, false) || spent.elapsed() < m_budgetMs;
    };
    while (!m_doomed.isEmpty() && goOn()) {
        const int count = qMin(kSlice, m_doomed.size());
        for (int i = 0; i < count; ++i)
            delete m_doomed.at(i);
        m_doomed.erase(m_doomed.begin(), m_doomed.begin() + count);
    }
    while (!m_order.isEmpty() && goOn()) {
        QTreeWidget *tree = m_order.first();
        QList<Row> &rows = m_pending[tree];
        if (tree->isSortingEnabled() || rows.size() <= kSlice) {
            flush(tree);
            continue;
        }
        const QList<Row> slice = rows.mid(0, kSlice);
        rows.erase(rows.begin(), rows.begin() + kSlice);
        insert(tree, slice);
    }
    if (!m_order.isEmpty() || !m_doomed.isEmpty())
        m_timer.start(0); // the rest after the window has had its turn
}

void ListRowBatcher::insert(QTreeWidget *tree, const QList<Row> &rows)
{
    QList<QTreeWidgetItem *> items;
    items.reserve(rows.size());
    for (const Row &row : rows)
        items << (row.item ? row.item : row.make());
    const bool sorting = tree->isSortingEnabled();
    if (sorting)
        tree->setSortingEnabled(false);
    tree->addTopLevelItems(items);
    if (sorting)
        tree->setSortingEnabled(true);
}

void ListRowBatcher::drop(const QList<Row> &rows)
{
    for (const Row &row : rows)
        if (row.item)
            m_doomed << row.item;
}

void ListRowBatcher::schedule()
{
    if (!m_timer.isActive() && (!m_order.isEmpty() || !m_doomed.isEmpty()))
        m_timer.start(m_intervalMs);
}
