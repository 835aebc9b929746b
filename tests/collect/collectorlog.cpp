#include "collectorlog.h"

#include <QMetaMethod>

CollectorLog::CollectorLog(QObject *source)
    : m_sourceMeta(source->metaObject())
{
    registerRecordTypes();
    const int base = QObject::staticMetaObject.methodCount();
    for (int i = m_sourceMeta->methodOffset(); i < m_sourceMeta->methodCount(); ++i) {
        if (m_sourceMeta->method(i).methodType() != QMetaMethod::Signal)
            continue;
        // Each signal reaches a slot index of its own past QObject's methods.
        const int slot = base + m_signalIndexes.size();
        m_signalIndexes.append(i);
        QMetaObject::connect(source, i, this, slot, Qt::DirectConnection);
    }
}

int CollectorLog::qt_metacall(QMetaObject::Call call, int id, void **args)
{
    id = QObject::qt_metacall(call, id, args);
    if (id < 0 || call != QMetaObject::InvokeMetaMethod)
        return id;
    if (id < m_signalIndexes.size()) {
        const QMetaMethod method = m_sourceMeta->method(m_signalIndexes.at(id));
        Entry entry;
        entry.name = QString::fromLatin1(method.name());
        entry.signature = QString::fromLatin1(method.methodSignature());
        for (int p = 0; p < method.parameterCount(); ++p)
            entry.args.append(QVariant(method.parameterType(p), args[p + 1]));
        m_entries.append(entry);
    }
    return -1;
}

QStringList CollectorLog::names() const
{
    QStringList out;
    for (const Entry &e : m_entries)
        out << e.name;
    return out;
}

QVector<CollectorLog::Entry> CollectorLog::all(const QString &name) const
{
    QVector<Entry> out;
    for (const Entry &e : m_entries) {
        if (e.name == name)
            out << e;
    }
    return out;
}

QVector<HardwareData> CollectorLog::records(const QString &name) const
{
    QVector<HardwareData> out;
    for (const Entry &e : all(name))
        out << e.args.value(0).value<HardwareData>();
    return out;
}

QStringList CollectorLog::rows() const
{
    QStringList out;
    for (const Entry &e : m_entries) {
        if (e.args.size() != 1 || e.args.at(0).userType() != qMetaTypeId<HardwareData>())
            continue;
        const HardwareData d = e.args.at(0).value<HardwareData>();
        if (!d.heading.isEmpty())
            out << QStringLiteral("# %1|%2=%3").arg(d.heading, d.label, d.value);
        else if (!d.secondaryLabel.isEmpty())
            out << QStringLiteral("%1=%2").arg(d.secondaryLabel, d.secondaryValue);
        else
            out << QStringLiteral("%1=%2").arg(d.label, d.value);
    }
    return out;
}
