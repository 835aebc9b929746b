#include "widgets/labelcolumn.h"

#include <QAbstractItemModel>
#include <QEvent>
#include <QHeaderView>
#include <QTreeView>

LabelColumn *LabelColumn::attach(QTreeView *tree)
{
    return new LabelColumn(tree);
}

LabelColumn::LabelColumn(QTreeView *tree)
    : QObject(tree)
    , m_tree(tree)
    , m_viewport(tree->viewport())
{
    tree->header()->setSectionResizeMode(0, QHeaderView::Interactive);
    m_viewport->installEventFilter(this);
    QAbstractItemModel *model = tree->model();
    // Only rows that come or labels that change can ask for more room. (A model emptied as the
    // tree goes would call on a tree half destroyed.)
    connect(model, &QAbstractItemModel::rowsInserted, this, &LabelColumn::fit);
    connect(model, &QAbstractItemModel::dataChanged, this, [this](const QModelIndex &topLeft) {
        if (topLeft.column() == 0)
            fit();
    });
    fit();
}

void LabelColumn::fit()
{
    // QTreeView hides the public sizeHintForColumn of its base.
    const int labels = static_cast<QAbstractItemView *>(m_tree)->sizeHintForColumn(0);
    const int width = qMin(labels, m_tree->viewport()->width() * 2 / 5);
    if (width > 0 && m_tree->header()->sectionSize(0) != width)
        m_tree->header()->resizeSection(0, width);
}

bool LabelColumn::eventFilter(QObject *watched, QEvent *event)
{
    // The viewport's events keep coming while the tree is destroyed, when it is a tree no more:
    // only the pointer kept from the start is compared.
    if (event->type() == QEvent::Resize && watched == m_viewport)
        fit();
    return QObject::eventFilter(watched, event);
}
