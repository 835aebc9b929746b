#pragma once
// A value animation that asks its target to repaint on every step.

#include <QPointer>
#include <QVariantAnimation>

class Animator : public QVariantAnimation
{
    Q_OBJECT
    Q_PROPERTY(QObject *targetObject READ targetObject WRITE setTargetObject)

public:
    explicit Animator(QObject *target, QObject *parent = nullptr);
    ~Animator() override;

    QObject *targetObject() const;
    void setTargetObject(QObject *target);

protected:
    void updateState(QAbstractAnimation::State newState,
                     QAbstractAnimation::State oldState) override;
    void updateCurrentValue(const QVariant &value) override;

private:
    QPointer<QObject> m_target;
};
