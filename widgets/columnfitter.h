#pragma once
// Sizes the columns of a tree that have no width of their own to their contents once its rows
// have arrived, each at most a bound wide so that one long value cannot push the others out of
// sight; the last column keeps stretching over the rest.

#include <QList>
#include <QObject>

class QTimer;
class QTreeView;

class ColumnFitter : public QObject
{
    Q_OBJECT

public:
    // Attaches a fitter to the tree (it becomes the tree's child). The fixed columns keep the
    // widths they were given; columns sized to their contents by the header are left to it.
    static ColumnFitter *attach(QTreeView *tree, const QList<int> &fixedColumns,
                                int maxWidth = 320);

    // Fits every column now (the fitter does it on its own shortly after rows come or go).
    void fit();

    // True while columns wait to be fitted.
    bool isPending() const;

private:
    ColumnFitter(QTreeView *tree, const QList<int> &fixedColumns, int maxWidth);

    bool fits(int column) const;
    void fitColumn(int column);
    void step();

    QTreeView *m_tree;
    QList<int> m_fixedColumns;
    int m_maxWidth;
    QTimer *m_timer;
    int m_nextColumn = -1; // the column the next step fits; -1 when none waits
};
