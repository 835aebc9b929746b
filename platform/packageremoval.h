#pragma once
// What removing an installed package would take off the system, asked before anything runs.
// apt removes every package that depends on the one named; its own simulation (run without
// privileges, it changes nothing) names them all.

#include <QString>
#include <QStringList>

namespace plat::packages {

struct RemovalPlan
{
    // The command is a package removal this layer knows ("pkexec apt-get remove -y <names>",
    // "flatpak uninstall -y <ref>", "snap remove <name>"); false for any other command.
    bool packageRemoval = false;
    // The packages the removal takes, in the tool's order.
    QStringList packages;
    // Whether the tool told what the removal takes; when it could not, why.
    enum class Outcome { Listed, ToolMissing, TimedOut, Failed };
    Outcome outcome = Outcome::Listed;
    // The tool's own error lines (plain text, bounded) and exit code when it failed.
    QString toolMessage;
    int exitCode = 0;
};

// The plan of a removal command given as program and arguments. The apt simulation runs as
// "apt-get -s remove <names>" under the C locale, found on PATH, for at most `timeoutMs`.
RemovalPlan removalPlan(const QStringList &command, int timeoutMs = 60000);

// The packages of apt's simulation output: its "Remv" and "Purg" lines.
QStringList parseAptSimulation(const QByteArray &output);

} // namespace plat::packages
