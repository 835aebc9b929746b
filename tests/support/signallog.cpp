#include "signallog.h"

#include <QTest>

SignalLog::SignalLog(QObject *sender)
{
    const QMetaObject *meta = sender->metaObject();
    const int offset = QObject::staticMetaObject.methodCount();
    QStringList names;
    for (int i = meta->methodOffset(); i < meta->methodCount(); ++i) {
        if (meta->method(i).methodType() != QMetaMethod::Signal)
            continue;
        QMetaObject::connect(sender, i, this, offset + m_signals.size());
        m_signals << meta->method(i);
        names << QString::fromLatin1(meta->method(i).name());
    }
    for (int i = 0; i < names.size(); ++i) {
        const int count = m_signals.at(i).parameterCount();
        m_labels << (names.count(names.at(i)) < 2
                         ? names.at(i)
                         : QStringLiteral("%1(%2)").arg(names.at(i),
                                                        count ? QString::number(count) : ""));
    }
}

QList<QVariantList> SignalLog::arguments(const QString &name) const
{
    QList<QVariantList> found;
    for (int i = 0; i < m_names.size(); ++i) {
        if (m_names.at(i) == name)
            found << m_arguments.at(i);
    }
    return found;
}

bool SignalLog::waitFor(const QString &name, int timeoutMs)
{
    return QTest::qWaitFor([this, name] { return m_names.contains(name); }, timeoutMs);
}

void SignalLog::clear()
{
    m_names.clear();
    m_arguments.clear();
}

int SignalLog::qt_metacall(QMetaObject::Call call, int id, void **args)
{
    id = QObject::qt_metacall(call, id, args);
    if (id < 0 || call != QMetaObject::InvokeMetaMethod)
        return id;
    if (id < m_signals.size()) {
        const QMetaMethod &method = m_signals.at(id);
        QVariantList values;
        for (int i = 0; i < method.parameterCount(); ++i)
            values << QVariant(method.parameterType(i), args[i + 1]);
        m_names << m_labels.at(id);
        m_arguments << values;
    }
    return -1;
}
