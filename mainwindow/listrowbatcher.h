#pragma once
// Collects the rows of the software lists as they arrive, one record at a time, and inserts them
// into their trees a slice at a time, so that a list of thousands of processes or packages fills
// without holding up the window: each tick inserts rows for at most a few milliseconds (one
// QTreeWidget::addTopLevelItems per slice) and comes back at once while rows remain. A row may
// come as a maker that builds its item when its slice is inserted: a detection delivers records
// faster than items are built, and thousands of them would otherwise be built in one go. Rows keep
// their arrival order; a sorted list takes its waiting rows in one go with sorting switched off,
// so it is sorted once. Rows a refresh takes off a list are deleted the same way.

#include <QHash>
#include <QList>
#include <QObject>
#include <QTimer>

#include <functional>

class QTreeWidget;
class QTreeWidgetItem;

class ListRowBatcher : public QObject
{
    Q_OBJECT

public:
    explicit ListRowBatcher(QObject *parent = nullptr, int intervalMs = 5, int budgetMs = 3);
    ~ListRowBatcher() override;

    // Takes ownership of `item` until it is inserted into `tree` (at a later tick or flush).
    void append(QTreeWidget *tree, QTreeWidgetItem *item);
    using RowMaker = std::function<QTreeWidgetItem *()>;
    // `make` builds the row when it is inserted; a discarded row is never built.
    void append(QTreeWidget *tree, RowMaker make);
    // Inserts what waits for `tree` now; every reader of a list's rows calls this first.
    void flush(QTreeWidget *tree);
    void flushAll();
    // Deletes the rows that wait for `tree` without inserting them.
    void discard(QTreeWidget *tree);
    void discardAll();
    // Empties `tree` at once: its rows (and those waiting for it) are deleted over later ticks.
    void clear(QTreeWidget *tree);

    int pendingCount() const;
    int pendingCount(QTreeWidget *tree) const;
    // The rows `tree` shows and those still waiting for it: what its count line gives.
    int rowCount(QTreeWidget *tree) const;

private:
    struct Row
    {
        QTreeWidgetItem *item = nullptr; // owned until inserted
        RowMaker make;
    };

    void add(QTreeWidget *tree, Row row);
    void tick();
    void insert(QTreeWidget *tree, const QList<Row> &rows);
    void drop(const QList<Row> &rows);
    void schedule();

    QHash<QTreeWidget *, QList<Row>> m_pending;
    QList<QTreeWidget *> m_order; // trees in the order their first waiting row came
    QList<QTreeWidgetItem *> m_doomed; // rows taken off their trees, not yet deleted
    QTimer m_timer;
    int m_intervalMs;
    int m_budgetMs;
};
