#pragma once
// A checkable button that reports every change of its check state and hands it to a subclass.

#include <QAbstractButton>

class SelectionControl : public QAbstractButton
{
    Q_OBJECT

public:
    explicit SelectionControl(QWidget *parent = nullptr);
    ~SelectionControl() override;

    Qt::CheckState checkState() const;

signals:
    void stateChanged(int state);

protected:
    void enterEvent(QEvent *event) override;
    void checkStateSet() override;
    void nextCheckState() override;
    virtual void applyCheckState(Qt::CheckState state) = 0;

private:
    bool m_checkStateSetRan = false;
};
