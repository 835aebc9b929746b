#pragma once
// Keeps the first column of a two-column tree (labels beside their values) as wide as its shown
// labels need, but never wider than two fifths of the tree: in a large font the values keep the
// rest, and a label longer than its share is shortened with an ellipsis. Rows whose first column
// spans the tree are not labels and take no part.

#include <QObject>

class QTimer;
class QTreeView;
class QWidget;

class LabelColumn : public QObject
{
    Q_OBJECT

public:
    // Attaches the bound to the tree (it becomes the tree's child); the first column stops
    // sizing itself to its contents.
    static LabelColumn *attach(QTreeView *tree);

    // Fits the column now (done on its own when the tree is resized or an item is expanded or
    // collapsed, and right after rows come or labels change).
    void fit();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    explicit LabelColumn(QTreeView *tree);

    QTreeView *m_tree;
    QWidget *m_viewport;
    QTimer *m_pending = nullptr; // a fit asked for by rows or labels, made once they are in
};
