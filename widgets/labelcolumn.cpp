#include "widgets/labelcolumn.h"

#include <QAbstractItemModel>
#include <QEvent>
#include <QHeaderView>
#include <QTimer>
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
    // Only rows that come or labels that change can ask for more room; they come by the hundred
    // in one batch, so they are measured once the batch is in. (A model emptied as the tree goes
    // would call on a tree half destroyed.)
    m_pending = new QTimer(this);
    m_pending->setSingleShot(true);
    m_pending->setInterval(0);
    connect(m_pending, &QTimer::timeout, this, &LabelColumn::fit);
    connect(model, &QAbstractItemModel::rowsInserted, m_pending, qOverload<>(&QTimer::start));
    connect(model, &QAbstractItemModel::dataChanged, this, [this](const QModelIndex &topLeft) {
        if (topLeft.column() == 0)
            m_pending->start();
    });
    // Rows of a collapsed item are not measured: they count once shown.
    connect(tree, &QTreeView::expanded, this, &LabelColumn::fit);
    connect(tree, &QTreeView::collapsed, this, &LabelColumn::fit);
    fit();
}

void LabelColumn::fit()
{
    m_pending->stop();
    // QTreeView hides the public sizeHintForColumn of its base. Rows spanning the tree (headings
    // without a value) are not measured.
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
