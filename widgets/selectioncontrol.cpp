#include "widgets/selectioncontrol.h"

#include <QCursor>

SelectionControl::SelectionControl(QWidget *parent)
    : QAbstractButton(parent)
{
    setObjectName(QStringLiteral("SelectionControl"));
    setCheckable(true);
}

SelectionControl::~SelectionControl() = default;

Qt::CheckState SelectionControl::checkState() const
{
    return isChecked() ? Qt::Checked : Qt::Unchecked;
}

void SelectionControl::enterEvent(QEvent *event)
{
    setCursor(Qt::ArrowCursor);
    QAbstractButton::enterEvent(event);
}

void SelectionControl::checkStateSet()
{
    m_checkStateSetRan = true;
    const Qt::CheckState state = checkState();
    emit stateChanged(state);
    applyCheckState(state);
}

void SelectionControl::nextCheckState()
{
    // A click reports the new state once from the toggle itself and once more here. Qt skips
    // checkStateSet() while it handles a click, so run it when the toggle did not.
    m_checkStateSetRan = false;
    QAbstractButton::nextCheckState();
    if (!m_checkStateSetRan)
        checkStateSet();
    const Qt::CheckState state = checkState();
    emit stateChanged(state);
    applyCheckState(state);
}
