#pragma once
// Records every signal of one object, with its arguments, in the order they are emitted.
// Connections are direct, so a synchronous collector run fills the log as it goes.

#include "collect/records.h"

#include <QObject>
#include <QStringList>
#include <QVariantList>
#include <QVector>

class CollectorLog : public QObject
{
public:
    struct Entry
    {
        QString name; // signal name without arguments
        QString signature; // e.g. "errorRootConnection(QString)"
        QVariantList args;
    };

    explicit CollectorLog(QObject *source);

    const QVector<Entry> &entries() const { return m_entries; }
    QStringList names() const;
    int count(const QString &name) const { return names().count(name); }
    bool contains(const QString &name) const { return count(name) > 0; }
    // The entries with a name, in order.
    QVector<Entry> all(const QString &name) const;
    // HardwareData arguments of every entry with a name.
    QVector<HardwareData> records(const QString &name) const;
    // "label=value" per HardwareData entry (headings as "# heading|label=value").
    QStringList rows() const;

    int qt_metacall(QMetaObject::Call call, int id, void **args) override;

private:
    QVector<int> m_signalIndexes; // slot offset -> signal index of the source
    const QMetaObject *m_sourceMeta = nullptr;
    QVector<Entry> m_entries;
};
