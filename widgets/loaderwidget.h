#pragma once
// Busy spinner put over a widget that waits for the servers; disables it while spinning.

#include <QColor>
#include <QWidget>

class QTimer;

class LoaderWidget : public QWidget
{
    Q_OBJECT

public:
    explicit LoaderWidget(QWidget *parent = nullptr, bool centerOnParent = true,
                          bool disableParentWhenSpinning = true);
    ~LoaderWidget() override;

    void setColor(const QColor &color);
    void setLineLength(int length);
    void setInnerRadius(int radius);

    QColor color() const { return m_color; }
    int lineLength() const { return m_lineLength; }
    int innerRadius() const { return m_innerRadius; }
    int lineWidth() const { return m_lineWidth; }
    int numberOfLines() const { return m_numberOfLines; }
    int currentCounter() const { return m_currentCounter; }
    bool isSpinning() const { return m_isSpinning; }
    int timerInterval() const;
    // Colour of bar `line` for the current leading bar.
    QColor lineColor(int line) const;

public slots:
    void start();
    void stop();

protected:
    void paintEvent(QPaintEvent *event) override;

private slots:
    void rotate();

private:
    void initialize();
    void updateSize();
    void updateTimer();
    void updatePosition();

    QColor m_color;
    double m_roundness = 100.0;
    double m_minimumTrailOpacity = 3.14159265358979323846;
    double m_trailFadePercentage = 80.0;
    double m_revolutionsPerSecond = 1.57079632679489661923;
    int m_numberOfLines = 20;
    int m_lineLength = 10;
    int m_lineWidth = 2;
    int m_innerRadius = 10;
    QTimer *m_timer = nullptr;
    bool m_centerOnParent = true;
    bool m_disableParentWhenSpinning = true;
    int m_currentCounter = 0;
    bool m_isSpinning = false;
};
