#pragma once
// The on/off switch: a rounded track with a round thumb, followed by the option's text.

#include "widgets/selectioncontrol.h"

#include <QColor>
#include <QEasingCurve>
#include <QFont>
#include <QMargins>
#include <QPixmap>
#include <QPointer>

class Animator;

class Switch : public SelectionControl
{
    Q_OBJECT

public:
    explicit Switch(QWidget *parent = nullptr);
    explicit Switch(const QString &text, QWidget *parent = nullptr);
    ~Switch() override;

    QSize sizeHint() const override;

    // Puts a stored value into the switch so that it stands in its end state at once.
    void setChecked(bool checked);

    // Current animated values (thumb offset 0..36, thumb and track colours).
    int thumbPosition() const;
    QColor thumbColor() const;
    QColor trackColor() const;

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void applyCheckState(Qt::CheckState state) override;

private:
    void setUp();
    static QColor withOpacity(QRgb rgb, double opacity);

    int m_switchHeight = 36;
    QFont m_font;
    QMargins m_margins { 8, 8, 8, 8 };
    QColor m_thumbOnColor;
    double m_thumbOnOpacity = 1.0;
    QColor m_trackOnColor;
    double m_trackOnOpacity = 0.5;
    QColor m_thumbOffColor;
    double m_thumbOffOpacity = 1.0;
    QColor m_trackOffColor;
    double m_trackOffOpacity = 0.38;
    QColor m_thumbDisabledColor;
    double m_thumbDisabledOpacity = 1.0;
    QColor m_trackDisabledColor;
    double m_trackDisabledOpacity = 0.12;
    QColor m_textColor;
    double m_textOpacity = 0.26;
    int m_thumbEasing = QEasingCurve::Linear;
    int m_thumbDuration = 1;
    int m_trackEasing = QEasingCurve::Linear;
    int m_trackDuration = 1;
    int m_positionEasing = QEasingCurve::InOutQuad;
    int m_positionDuration = 1;
    QPixmap m_shadow;
    QPointer<Animator> m_thumbColorAnimator;
    QPointer<Animator> m_trackColorAnimator;
    QPointer<Animator> m_positionAnimator;
};
