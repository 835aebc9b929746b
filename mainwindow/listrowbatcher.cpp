#include "mainwindow/listrowbatcher.h"

#include <QTreeWidget>

ListRowBatcher::ListRowBatcher(QObject *parent, int intervalMs)
    : QObject(parent)
{
    m_timer.setSingleShot(true);
    m_timer.setInterval(intervalMs);
    connect(&m_timer, &QTimer::timeout, this, &ListRowBatcher::flushAll);
}

ListRowBatcher::~ListRowBatcher()
{
    discardAll();
}

void ListRowBatcher::append(QTreeWidget *tree, QTreeWidgetItem *item)
{
    auto it = m_pending.find(tree);
    if (it == m_pending.end()) {
        it = m_pending.insert(tree, {});
        m_order.append(tree);
    }
    it->append(item);
    if (!m_timer.isActive())
        m_timer.start();
}

void ListRowBatcher::flush(QTreeWidget *tree)
{
    const auto it = m_pending.find(tree);
    if (it == m_pending.end())
        return;
    const QList<QTreeWidgetItem *> items = *it;
    m_pending.erase(it);
    m_order.removeOne(tree);
    if (m_pending.isEmpty())
        m_timer.stop();

    const bool sorting = tree->isSortingEnabled();
    if (sorting)
        tree->setSortingEnabled(false);
    tree->addTopLevelItems(items);
    if (sorting)
        tree->setSortingEnabled(true);
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
    qDeleteAll(*it);
    m_pending.erase(it);
    m_order.removeOne(tree);
    if (m_pending.isEmpty())
        m_timer.stop();
}

void ListRowBatcher::discardAll()
{
    while (!m_order.isEmpty())
        discard(m_order.first());
}

int ListRowBatcher::pendingCount() const
{
    int count = 0;
    for (const auto &items : m_pending)
        count += items.size();
    return count;
}

int ListRowBatcher::pendingCount(QTreeWidget *tree) const
{
    return m_pending.value(tree).size();
}
