#pragma once
// Notes every signal the object's own class declares, in the order emitted, with its arguments,
// so a test compares a whole sequence of outcomes at once. A signal overloaded by name is noted
// with its argument count: "updateAborted()", "updateAborted(2)". Signals from another thread
// arrive queued, so their argument types must be registered.

#include <QMetaMethod>
#include <QObject>
#include <QStringList>
#include <QVariantList>
#include <QVector>

class SignalLog : public QObject
{
public:
    // Signals named in `ignored` are not noted.
    explicit SignalLog(QObject *sender, const QStringList &ignored = {});

    QStringList names() const { return m_names; }
    bool contains(const QString &name) const { return m_names.contains(name); }
    // The arguments of every emission noted as `name`, in order.
    QList<QVariantList> arguments(const QString &name) const;
    // Processes events until `name` is noted; false when the time ran out.
    bool waitFor(const QString &name, int timeoutMs = 15000);
    void clear();

    int qt_metacall(QMetaObject::Call call, int id, void **args) override;

private:
    QVector<QMetaMethod> m_signals;
    QStringList m_labels;
    QStringList m_names;
    QList<QVariantList> m_arguments;
};
