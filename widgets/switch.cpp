#include "widgets/switch.h"

#include "widgets/animator.h"

#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QPalette>
#include <QResizeEvent>

// Exported by Qt Widgets; declared only in its private headers.
void qt_blurImage(QPainter *p, QImage &blurImage, qreal radius, bool quality, bool alphaOnly,
                  int transposed = 0);

namespace {
QPixmap makeShadowPixmap(qreal radius, qreal elevation, const QColor &color)
{
    const int side = static_cast<int>(radius * 2);
    QPixmap pixmap(side, side);
    pixmap.fill(Qt::transparent);
    {
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing, true);
        painter.setPen(Qt::NoPen);
        painter.setBrush(color);
        painter.drawEllipse(QRectF(pixmap.rect()).center(), radius - elevation, radius - elevation);
    }

    QImage source(pixmap.size(), QImage::Format_ARGB32_Premultiplied);
    source.setDevicePixelRatio(pixmap.devicePixelRatioF());
    source.fill(Qt::transparent);
    {
        QPainter painter(&source);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.drawPixmap(0, 0, pixmap);
    }

    QImage blurred(pixmap.size(), QImage::Format_ARGB32_Premultiplied);
    blurred.setDevicePixelRatio(pixmap.devicePixelRatioF());
    blurred.fill(Qt::transparent);
    {
        QPainter painter(&blurred);
        qt_blurImage(&painter, source, elevation * 4.0, true, false);
    }
    return QPixmap::fromImage(blurred);
}
} // namespace

Switch::Switch(QWidget *parent)
    : SelectionControl(parent)
{
    setUp();
}

Switch::Switch(const QString &text, QWidget *parent)
    : Switch(parent)
{
    setText(text);
}

Switch::~Switch() = default;

QColor Switch::withOpacity(QRgb rgb, double opacity)
{
    QColor color = QColor::fromRgba(rgb);
    color.setAlpha(static_cast<int>(opacity * 255));
    return color;
}

void Switch::setUp()
{
    m_switchHeight = 36;
    m_margins = QMargins(8, 8, 8, 8);
    m_thumbOnColor = QColor::fromRgba(0xFF72AB72);
    m_thumbOnOpacity = 1.0;
    m_trackOnColor = QColor::fromRgba(0xFF72AB72);
    m_trackOnOpacity = 0.5;
    m_thumbOffColor = QColor::fromRgba(0xFFFFFFFF);
    m_thumbOffOpacity = 1.0;
    m_trackOffColor = QColor::fromRgba(0xFF464646);
    m_trackOffOpacity = 0.38;
    m_thumbDisabledColor = QColor::fromRgba(0xFFFFFFFF);
    m_thumbDisabledOpacity = 1.0;
    m_trackDisabledColor = QColor::fromRgba(0xFF464646);
    m_trackDisabledOpacity = 0.12;
    m_textColor = QColor::fromRgba(0xFF464646);
    m_textOpacity = 0.26;
    m_thumbEasing = QEasingCurve::Linear;
    m_thumbDuration = 1;
    m_trackEasing = QEasingCurve::Linear;
    m_trackDuration = 1;
    m_positionEasing = QEasingCurve::InOutQuad;
    m_positionDuration = 1;

    // The animated colours carry their opacity in the alpha channel.
    m_thumbOnColor = withOpacity(m_thumbOnColor.rgba(), m_thumbOnOpacity);
    m_trackOnColor = withOpacity(m_trackOnColor.rgba(), m_trackOnOpacity);
    m_thumbOffColor = withOpacity(m_thumbOffColor.rgba(), m_thumbOffOpacity);
    m_trackOffColor = withOpacity(m_trackOffColor.rgba(), m_trackOffOpacity);

    setFont(m_font);
    setObjectName(QStringLiteral("Switch"));

    m_thumbColorAnimator = new Animator(this, this);
    m_trackColorAnimator = new Animator(this, this);
    m_positionAnimator = new Animator(this, this);

    m_positionAnimator->setEasingCurve(static_cast<QEasingCurve::Type>(m_positionEasing));
    m_positionAnimator->setDuration(m_positionDuration);
    m_trackColorAnimator->setEasingCurve(static_cast<QEasingCurve::Type>(m_trackEasing));
    m_trackColorAnimator->setDuration(m_trackDuration);
    m_thumbColorAnimator->setEasingCurve(static_cast<QEasingCurve::Type>(m_thumbEasing));
    m_thumbColorAnimator->setDuration(m_thumbDuration);

    m_positionAnimator->setStartValue(m_positionAnimator->currentValue().toInt());
    m_positionAnimator->setEndValue(0);
    m_positionAnimator->start();

    m_trackColorAnimator->setStartValue(m_trackOffColor);
    m_trackColorAnimator->setEndValue(m_trackOffColor);
    m_thumbColorAnimator->setStartValue(m_thumbOffColor);
    m_thumbColorAnimator->setEndValue(m_thumbOffColor);

    QPalette pal = palette();
    QColor text = m_textColor;
    text.setAlpha(255);
    pal.setColor(QPalette::Active, QPalette::ButtonText, text);
    pal.setColor(QPalette::Disabled, QPalette::ButtonText, text);
    setPalette(pal);

    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
}

int Switch::thumbPosition() const
{
    return m_positionAnimator ? m_positionAnimator->currentValue().toInt() : 0;
}

QColor Switch::thumbColor() const
{
    return m_thumbColorAnimator ? m_thumbColorAnimator->currentValue().value<QColor>() : QColor();
}

QColor Switch::trackColor() const
{
    return m_trackColorAnimator ? m_trackColorAnimator->currentValue().value<QColor>() : QColor();
}

void Switch::setChecked(bool checked)
{
    if (checked) {
        if (isChecked())
            return;
        QAbstractButton::setChecked(true);
        m_positionAnimator->setStartValue(36);
        m_positionAnimator->setEndValue(36);
        m_thumbColorAnimator->setStartValue(m_thumbOnColor);
        m_thumbColorAnimator->setEndValue(m_thumbOnColor);
        m_trackColorAnimator->setStartValue(m_trackOnColor);
        m_trackColorAnimator->setEndValue(m_trackOnColor);
    } else {
        QAbstractButton::setChecked(false);
        m_positionAnimator->setStartValue(0);
        m_positionAnimator->setEndValue(0);
        m_thumbColorAnimator->setStartValue(m_thumbOffColor);
        m_thumbColorAnimator->setEndValue(m_thumbOffColor);
        m_trackColorAnimator->setStartValue(m_trackOffColor);
        m_trackColorAnimator->setEndValue(m_trackOffColor);
    }
    m_positionAnimator->start();
    m_thumbColorAnimator->start();
    m_trackColorAnimator->start();
}

void Switch::applyCheckState(Qt::CheckState state)
{
    if (!m_positionAnimator || !m_thumbColorAnimator || !m_trackColorAnimator)
        return;
    if (state == Qt::Checked) {
        m_positionAnimator->setStartValue(0);
        m_positionAnimator->setEndValue((m_margins.left() + m_margins.right()) * 2 + 4);
        m_thumbColorAnimator->setStartValue(m_thumbOffColor);
        m_thumbColorAnimator->setEndValue(m_thumbOnColor);
        m_trackColorAnimator->setStartValue(m_trackOffColor);
        m_trackColorAnimator->setEndValue(m_trackOnColor);
    } else {
        m_positionAnimator->setStartValue(m_positionAnimator->currentValue().toInt());
        m_positionAnimator->setEndValue(0);
        m_thumbColorAnimator->setStartValue(m_thumbOnColor);
        m_thumbColorAnimator->setEndValue(m_thumbOffColor);
        m_trackColorAnimator->setStartValue(m_trackOnColor);
        m_trackColorAnimator->setEndValue(m_trackOffColor);
    }
    m_positionAnimator->start();
    m_thumbColorAnimator->start();
    m_trackColorAnimator->start();
}

void Switch::setThumbOnColor(const QColor &color)
{
    m_thumbOnColor = color;
    settleColours();
}

void Switch::setTrackOnColor(const QColor &color)
{
    m_trackOnColor = color;
    settleColours();
}

void Switch::setThumbOffColor(const QColor &color)
{
    m_thumbOffColor = color;
    settleColours();
}

void Switch::setTrackOffColor(const QColor &color)
{
    m_trackOffColor = color;
    settleColours();
}

void Switch::setTrackDisabledColor(const QColor &color)
{
    m_trackDisabledColor = color;
    update();
}

void Switch::setTrackDisabledOpacity(double opacity)
{
    m_trackDisabledOpacity = opacity;
    update();
}

void Switch::setTextDisabledOpacity(double opacity)
{
    m_textOpacity = opacity;
    update();
}

// A colour changed while the switch stands still: show the new colours of its state at once.
void Switch::settleColours()
{
    if (!m_thumbColorAnimator || !m_trackColorAnimator)
        return;
    const QColor thumb = isChecked() ? m_thumbOnColor : m_thumbOffColor;
    const QColor track = isChecked() ? m_trackOnColor : m_trackOffColor;
    m_thumbColorAnimator->setStartValue(thumb);
    m_thumbColorAnimator->setEndValue(thumb);
    m_trackColorAnimator->setStartValue(track);
    m_trackColorAnimator->setEndValue(track);
    update();
}

QSize Switch::sizeHint() const
{
    const int textWidth = fontMetrics().horizontalAdvance(text());
    // A large font needs more height than the switch itself.
    return QSize(textWidth + m_switchHeight + m_margins.left() + m_margins.right(),
                 qMax(m_switchHeight, fontMetrics().height() + 4));
}

QSize Switch::minimumSizeHint() const
{
    // Narrower, the text would be cut.
    return sizeHint();
}

void Switch::resizeEvent(QResizeEvent *event)
{
    m_shadow = makeShadowPixmap(10.0, 2.0, QColor(0, 0, 0, 70));
    SelectionControl::resizeEvent(event);
}

void Switch::paintEvent(QPaintEvent *event)
{
    const int areaWidth = m_switchHeight + m_margins.left() + m_margins.right();
    const bool rtl = layoutDirection() == Qt::RightToLeft;
    const QRect switchArea(rtl ? width() - areaWidth : 0, 0, areaWidth, m_switchHeight);
    const QRect textArea
        = rtl ? rect().adjusted(0, 0, -areaWidth, 0) : rect().adjusted(areaWidth, 0, 0, 0);
    const QRectF trackRect = QRectF(switchArea)
                                 .adjusted(m_margins.left(), m_margins.top() + 2,
                                           -m_margins.right(), -(m_margins.bottom() + 2));

    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing, true);
    const auto drawThumb = [&](qreal left, const QColor &color) {
        QRectF thumbRect = trackRect;
        thumbRect.setLeft(left);
        const QPointF centre = thumbRect.center();
        if (!m_shadow.isNull())
            painter.drawPixmap(QPointF(centre.x() - 10, centre.y() - 9), m_shadow);
        painter.setBrush(color);
        painter.drawEllipse(centre, 7.0, 7.0);
    };

    if (isEnabled()) {
        painter.setOpacity(1.0);
        painter.setPen(Qt::NoPen);
        painter.setBrush(m_trackColorAnimator->currentValue().value<QColor>());
        painter.drawRoundedRect(trackRect, 8.0, 8.0, Qt::AbsoluteSize);

        const qreal left = m_positionAnimator->currentValue().toInt() + trackRect.x()
            - m_margins.left() - m_margins.right() - 2;
        drawThumb(left, m_thumbColorAnimator->currentValue().value<QColor>());

        if (!text().isEmpty()) {
            painter.setOpacity(1.0);
            painter.setPen(palette().color(QPalette::Active, QPalette::ButtonText));
            painter.setFont(font());
            painter.drawText(textArea, Qt::AlignLeft | Qt::AlignVCenter, text());
        }
    } else {
        painter.setOpacity(m_trackDisabledOpacity);
        painter.setPen(Qt::NoPen);
        painter.setBrush(m_trackDisabledColor);
        painter.drawRoundedRect(trackRect, 8.0, 8.0, Qt::AbsoluteSize);

        painter.setOpacity(1.0);
        const qreal left = isChecked() ? trackRect.x() + m_margins.left() + m_margins.right() + 2
                                       : trackRect.x() - m_margins.left() - m_margins.right() - 2;
        drawThumb(left, m_thumbDisabledColor);

        if (!text().isEmpty()) {
            painter.setOpacity(m_textOpacity);
            painter.setPen(palette().color(QPalette::Disabled, QPalette::ButtonText));
            painter.setFont(font());
            painter.drawText(textArea, Qt::AlignLeft | Qt::AlignVCenter, text());
            setToolTip(text());
        }
    }
    painter.end();
    QWidget::paintEvent(event);
}
