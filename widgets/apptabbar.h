#pragma once
// Tab bar with 115 x 30 tabs (larger for a label that needs more), bold labels, and labels kept
// upright on side bars.

#include <QSize>
#include <QTabBar>

class AppTabBar : public QTabBar
{
    Q_OBJECT

public:
    explicit AppTabBar(QWidget *parent = nullptr, bool elide = false);
    ~AppTabBar() override;

    // The stored tab position (App::TabPosition) read at construction.
    int storedTabPosition() const { return m_tabPosition; }
    bool elideEnabled() const { return m_elide; }

protected:
    void paintEvent(QPaintEvent *event) override;
    QSize tabSizeHint(int index) const override;

private:
    int m_tabPosition = 0;
    QSize m_tabSize;
    bool m_elide = false;
};
