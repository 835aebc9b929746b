#pragma once
// A scroll bar that grows from 12 to 16 pixels thick while the pointer is over it.

#include <QScrollBar>

class ScrollBar : public QScrollBar
{
    Q_OBJECT

public:
    explicit ScrollBar(QWidget *parent = nullptr);
    ~ScrollBar() override;

protected:
    bool event(QEvent *e) override;
};
