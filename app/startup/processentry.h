#pragma once
// The steps of the process entry that decide whether this process runs, and the program's own
// restart.

#include "app/restart.h"

#include <QString>
#include <QStringList>

class SingleInstance;

namespace ProcessEntry {

enum class InstanceDecision {
    First, // no other instance runs; this one holds the marker and answers later starts
    Restart, // started with "-restart": runs beside its predecessor without asking
    Second, // another instance runs and the user chose to open one more
    GiveWay // another instance runs and the user declined: it was asked to come to the front
};

// The title the main window gives itself, which the running instance is looked up by:
// "Verdimon Nuvo [<channel> | Build 4.1.3.742 | x64]", or the bare name with ShowFullInfo off.
QString runningWindowTitle();

// Decides whether this process runs. Asks "Do you want to open another instance?" when another
// instance holds the marker and the arguments are not exactly the program and "-restart".
InstanceDecision decideInstance(SingleInstance &instance, const QStringList &arguments);

// Registers the crash-dump folder for this executable unless already registered.
void registerCrashDumps(const QString &dumpFolder);
// True when the crash-dump settings hold a key named exactly `fileName`.
bool crashDumpKeyExists(const QString &fileName);

} // namespace ProcessEntry
