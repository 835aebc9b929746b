#pragma once
// The records a Worker hands to the window: plain value types copied through queued signals.

#include "collect/threadhandover.h"

#include <QIcon>
#include <QMetaType>
#include <QString>

#include <QTreeWidgetItem>

// One row of a hardware page.
struct HardwareData
{
    QString heading; // device heading (empty in property rows)
    QString secondaryLabel; // used by the RAM total rows only
    QString secondaryValue; // used by the RAM total rows only
    QString label; // property label (column 0)
    QString value; // property value (column 1)
    ThreadHandover handover {}; // last
};

// One drive offered on the S.M.A.R.T. page.
struct SmartStorage
{
    QString caption;
    QString driveIndex; // decimal
    ThreadHandover handover {}; // last
};

// One S.M.A.R.T. attribute of a drive.
struct SmartInfo
{
    QString attributeId; // three digits, zero-padded
    QString description;
    QString name;
    QString value;
    QString worst;
    QString rawData;
    QString threshold;
    ThreadHandover handover {}; // last
};

struct Service
{
    QIcon icon;
    QString serviceName;
    QString path;
    QString fileName;
    QString processId;
    QString type;
    QString state;
    QString status;
    QString errorControl;
    QString startMode;
    QString waitHint;
    QString exitCode;
    ThreadHandover handover {}; // last
};

struct Process
{
    QIcon icon;
    QString processName;
    QString processId;
    QString workingSetSize; // kilobytes, no unit
    QString handleCount;
    QString peakPageFileUsage; // kilobytes, no unit
    QString priority;
    QString sessionId;
    QString threadCount;
    QString virtualSize; // kilobytes, no unit
    QString path;
    ThreadHandover handover {}; // last
};

struct Application
{
    QIcon icon;
    QString name;
    QString version;
    QString developer;
    QString installPath;
    QString uninstallPath; // the uninstall command
    QString registryKey; // where the entry lives, for its removal; not shown
    QString registrySubkey;
    ThreadHandover handover {}; // last
};

struct Driver
{
    QIcon icon;
    QString name;
    QString version;
    QString description;
    QString type;
    QString fileName;
    QString state;
    QString path;
    ThreadHandover handover {}; // last
};

struct Startup
{
    QIcon icon;
    QString name;
    QString startupPath;
    QString command;
    QString location; // where the entry lives, for its removal; not shown
    QString displayName; // the entry's own name (a desktop entry's Name), shown when it has one
    ThreadHandover handover {}; // last
};

Q_DECLARE_METATYPE(HardwareData)
Q_DECLARE_METATYPE(SmartStorage)
Q_DECLARE_METATYPE(SmartInfo)
Q_DECLARE_METATYPE(Service)
Q_DECLARE_METATYPE(Process)
Q_DECLARE_METATYPE(Application)
Q_DECLARE_METATYPE(Driver)
Q_DECLARE_METATYPE(Startup)
Q_DECLARE_METATYPE(QTreeWidgetItem *)

// Registers every record type (and the tree-item pointer the uninstall signals carry) under
// its own name, so queued connections can copy them. Safe to call more than once.
void registerRecordTypes();
