#pragma once
// Collects the rows of the software lists as they arrive, one record at a time, and inserts them
// into their trees in batches (one QTreeWidget::addTopLevelItems per tree and tick), so that a
// list of thousands of processes or packages fills without holding up the window. Rows keep their
// arrival order; sorting is switched off while a batch goes in.

#include <QHash>
#include <QList>
#include <QObject>
#include <QTimer>

class QTreeWidget;
class QTreeWidgetItem;

class ListRowBatcher : public QObject
{
    Q_OBJECT

public:
    explicit ListRowBatcher(QObject *parent = nullptr, int intervalMs = 15);
    ~ListRowBatcher() override;

    // Takes ownership of `item` until it is inserted into `tree` (at the next tick or flush).
    void append(QTreeWidget *tree, QTreeWidgetItem *item);
    // Inserts what waits for `tree` now; every reader of a list's rows calls this first.
    void flush(QTreeWidget *tree);
    void flushAll();
    // Deletes the rows that wait for `tree` without inserting them.
    void discard(QTreeWidget *tree);
    void discardAll();

    int pendingCount() const;
    int pendingCount(QTreeWidget *tree) const;

private:
    QHash<QTreeWidget *, QList<QTreeWidgetItem *>> m_pending;
    QList<QTreeWidget *> m_order; // trees in the order their first waiting row came
    QTimer m_timer;
};
