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
    // The themes' style sheets set these (qproperty-...) so that the track and thumb keep their
    // contrast on each theme's background; without a style sheet the built-in colours hold.
    Q_PROPERTY(QColor thumbOnColor READ thumbOnColor WRITE setThumbOnColor)
    Q_PROPERTY(QColor trackOnColor READ trackOnColor WRITE setTrackOnColor)
    Q_PROPERTY(QColor thumbOffColor READ thumbOffColor WRITE setThumbOffColor)
    Q_PROPERTY(QColor trackOffColor READ trackOffColor WRITE setTrackOffColor)
    Q_PROPERTY(QColor trackDisabledColor READ trackDisabledColor WRITE setTrackDisabledColor)
    Q_PROPERTY(double trackDisabledOpacity READ trackDisabledOpacity WRITE setTrackDisabledOpacity)
    Q_PROPERTY(double textDisabledOpacity READ textDisabledOpacity WRITE setTextDisabledOpacity)

public:
    explicit Switch(QWidget *parent = nullptr);
    explicit Switch(const QString &text, QWidget *parent = nullptr);
    ~Switch() override;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

    // Puts a stored value into the switch so that it stands in its end state at once.
    void setChecked(bool checked);

    // Current animated values (thumb offset 0..36, thumb and track colours).
    int thumbPosition() const;
    QColor thumbColor() const;
    QColor trackColor() const;

    QColor thumbOnColor() const { return m_thumbOnColor; }
    void setThumbOnColor(const QColor &color);
    QColor trackOnColor() const { return m_trackOnColor; }
    void setTrackOnColor(const QColor &color);
    QColor thumbOffColor() const { return m_thumbOffColor; }
    void setThumbOffColor(const QColor &color);
    QColor trackOffColor() const { return m_trackOffColor; }
    void setTrackOffColor(const QColor &color);
    QColor trackDisabledColor() const { return m_trackDisabledColor; }
    void setTrackDisabledColor(const QColor &color);
    double trackDisabledOpacity() const { return m_trackDisabledOpacity; }
    void setTrackDisabledOpacity(double opacity);
    double textDisabledOpacity() const { return m_textOpacity; }
    void setTextDisabledOpacity(double opacity);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void applyCheckState(Qt::CheckState state) override;

private:
    void setUp();
    void settleColours();
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
