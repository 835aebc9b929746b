#pragma once
// The main window's tab widget: an AppTabBar placed on the side the settings ask for.

#include <QTabWidget>

class AppTabControl : public QTabWidget
{
    Q_OBJECT

public:
    explicit AppTabControl(QWidget *parent = nullptr);
    ~AppTabControl() override;

private:
    bool m_elide = false;
};
