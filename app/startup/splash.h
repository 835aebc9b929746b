#pragma once
// The frameless start window: the maker's logo, a busy bar and "Collecting information:" with a
// percentage that counts up one step every 100 ms. On the tick after 100 % it closes itself and
// creates and shows the main window. It can be dragged with the left mouse button.

#include <QWidget>

class QLabel;
class QProgressBar;
class QTimer;

class Splash : public QWidget
{
    Q_OBJECT

public:
    Splash();
    ~Splash() override;

    // Milliseconds between two steps of the count.
    static constexpr int tickIntervalMs = 100;

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    struct Form
    {
        QLabel *label = nullptr; // logo
        QProgressBar *progressBar = nullptr; // busy display
        QLabel *label_2 = nullptr; // caption
        QLabel *label_3 = nullptr; // percentage
    };

    void setupForm();
    void tick();

    Form *form = nullptr;
    bool dragging = false;
    int dragOffsetX = 0;
    int dragOffsetY = 0;
    int percent = 0;
    QTimer *timer = nullptr;

    friend class TestSplash;
};
