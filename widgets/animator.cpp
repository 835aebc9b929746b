#include "widgets/animator.h"

#include <QCoreApplication>
#include <QEvent>
#include <QtGlobal>

Animator::Animator(QObject *target, QObject *parent)
    : QVariantAnimation(parent)
    , m_target(target)
{
}

Animator::~Animator()
{
    stop();
}

QObject *Animator::targetObject() const
{
    return m_target.data();
}

void Animator::setTargetObject(QObject *target)
{
    if (m_target.data() == target)
        return;
    if (state() == QAbstractAnimation::Running) {
        qWarning("Animation::setTargetObject: you can't change the target of a running animation");
        return;
    }
    m_target = target;
}

void Animator::updateState(QAbstractAnimation::State newState, QAbstractAnimation::State oldState)
{
    if (!m_target && oldState == QAbstractAnimation::Stopped) {
        qWarning("Animation::updateState: Changing state of an animation without target");
        return;
    }
    QVariantAnimation::updateState(newState, oldState);
    if (newState == QAbstractAnimation::Running && !endValue().isValid()
        && direction() == QAbstractAnimation::Forward) {
        const char *className = m_target ? m_target->metaObject()->className() : "";
        qWarning("Animation::updateState (%s): starting an animation without end value", className);
    }
}

void Animator::updateCurrentValue(const QVariant &value)
{
    Q_UNUSED(value)
    if (!m_target)
        return;
    // A visible widget accepts this and repaints; anything else ends the animation.
    QEvent event(QEvent::StyleAnimationUpdate);
    event.setAccepted(false);
    QCoreApplication::sendEvent(m_target.data(), &event);
    if (!event.isAccepted())
        stop();
}
