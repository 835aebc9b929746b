#include "widgets/loaderwidget.h"

#include <QPainter>
#include <QTimer>

#include <algorithm>
#include <cmath>

LoaderWidget::LoaderWidget(QWidget *parent, bool centerOnParent, bool disableParentWhenSpinning)
    : QWidget(parent)
    , m_centerOnParent(centerOnParent)
    , m_disableParentWhenSpinning(disableParentWhenSpinning)
{
    initialize();
}

LoaderWidget::~LoaderWidget() = default;

void LoaderWidget::initialize()
{
    m_color = Qt::black;
    m_roundness = 100.0;
    m_minimumTrailOpacity = 3.14159265358979323846;
    m_trailFadePercentage = 80.0;
    m_revolutionsPerSecond = 1.57079632679489661923;
    m_numberOfLines = 20;
    m_lineLength = 10;
    m_lineWidth = 2;
    m_innerRadius = 10;
    m_currentCounter = 0;
    m_isSpinning = false;

    m_timer = new QTimer(this);
    connect(m_timer, &QTimer::timeout, this, &LoaderWidget::rotate);
    updateSize();
    // The interval is fixed here; later geometry changes keep it.
    updateTimer();
    hide();
}

void LoaderWidget::setColor(const QColor &color)
{
    m_color = color;
}

void LoaderWidget::setLineLength(int length)
{
    m_lineLength = length;
    updateSize();
}

void LoaderWidget::setInnerRadius(int radius)
{
    m_innerRadius = radius;
    updateSize();
}

int LoaderWidget::timerInterval() const
{
    return m_timer->interval();
}

void LoaderWidget::start()
{
    updatePosition();
    m_isSpinning = true;
    show();
    if (parentWidget() && m_disableParentWhenSpinning)
        parentWidget()->setEnabled(false);
    if (!m_timer->isActive()) {
        m_timer->start();
        m_currentCounter = 0;
    }
}

void LoaderWidget::stop()
{
    m_isSpinning = false;
    hide();
    if (parentWidget() && m_disableParentWhenSpinning)
        parentWidget()->setEnabled(true);
    if (m_timer->isActive()) {
        m_timer->stop();
        m_currentCounter = 0;
    }
}

void LoaderWidget::rotate()
{
    ++m_currentCounter;
    if (m_currentCounter >= m_numberOfLines)
        m_currentCounter = 0;
    update();
}

void LoaderWidget::updateSize()
{
    const int side = (m_innerRadius + m_lineLength) * 2;
    setFixedSize(side, side);
}

void LoaderWidget::updateTimer()
{
    m_timer->setInterval(static_cast<int>(1000 / (m_numberOfLines * m_revolutionsPerSecond)));
}

void LoaderWidget::updatePosition()
{
    if (parentWidget() && m_centerOnParent)
        move(parentWidget()->width() / 2 - width() / 2,
             parentWidget()->height() / 2 - height() / 2);
}

QColor LoaderWidget::lineColor(int line) const
{
    int distance = m_currentCounter - line;
    if (distance < 0)
        distance += m_numberOfLines;

    QColor color = m_color;
    if (distance == 0)
        return color;

    const double minAlpha = m_minimumTrailOpacity / 100.0;
    const int threshold
        = static_cast<int>(std::ceil((m_numberOfLines - 1) * m_trailFadePercentage / 100.0));
    if (distance > threshold) {
        color.setAlphaF(minAlpha);
    } else {
        const double alphaDiff = color.alphaF() - minAlpha;
        const double gradient = alphaDiff / static_cast<double>(threshold + 1);
        const double alpha = color.alphaF() - gradient * distance;
        color.setAlphaF(std::min(1.0, std::max(0.0, alpha)));
    }
    return color;
}

void LoaderWidget::paintEvent(QPaintEvent *event)
{
    updatePosition();
    QPainter painter(this);
    painter.fillRect(rect(), Qt::transparent);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(Qt::NoPen);

    if (m_currentCounter >= m_numberOfLines)
        m_currentCounter = 0;

    for (int i = 0; i < m_numberOfLines; ++i) {
        painter.save();
        painter.translate(m_innerRadius + m_lineLength, m_innerRadius + m_lineLength);
        painter.rotate(360.0 * i / m_numberOfLines);
        painter.translate(m_innerRadius, 0);
        painter.setBrush(lineColor(i));
        painter.drawRoundedRect(QRect(0, -(m_lineWidth / 2), m_lineLength, m_lineWidth),
                                m_roundness, m_roundness, Qt::RelativeSize);
        painter.restore();
    }
    painter.end();
    QWidget::paintEvent(event);
}
