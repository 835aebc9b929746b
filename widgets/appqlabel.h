#pragma once
// A label that reports presses and hovering, so it can act as a link or an icon button.

#include <QLabel>

class AppQLabel : public QLabel
{
    Q_OBJECT

public:
    explicit AppQLabel(QWidget *parent = nullptr, Qt::WindowFlags f = Qt::WindowFlags());
    explicit AppQLabel(const QString &text, QWidget *parent = nullptr,
                       Qt::WindowFlags f = Qt::WindowFlags());

signals:
    void mouseClick();
    void mouseEnter();
    void mouseLeave();

protected:
    bool event(QEvent *e) override;
    void mousePressEvent(QMouseEvent *ev) override;
};
