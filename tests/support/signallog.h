#pragma once
// Every signal of the object's own class, in order, with arguments; overloads noted with their
// argument count ("updateAborted(2)"). Queued arguments need registered types.

#include <QMetaMethod>
#include <QObject>
#include <QStringList>
#include <QVariantList>
#include <QVector>

class SignalLog : public QObject
{
public:
    explicit SignalLog(QObject *sender);

    QStringList names() const { return m_names; }
    bool contains(const QString &name) const { return m_names.contains(name); }
    QList<QVariantList> arguments(const QString &name) const;
    bool waitFor(const QString &name, int timeoutMs = 15000);
    void clear();

    int qt_metacall(QMetaObject::Call call, int id, void **args) override;

private:
    QVector<QMetaMethod> m_signals;
    QStringList m_labels;
    QStringList m_names;
    QList<QVariantList> m_arguments;
};
