#pragma once
// The Linux programs that stand in for the Windows tools and settings pages the program offers,
// chosen at the moment of use from what this machine has installed.
//
// Notation of a counterpart: alternatives separated by "|", in order of preference. Each is a
// program followed by its arguments, separated by blanks, or "open:<target>" for a folder or
// URI that the desktop's handler opens. "gnome:<panel>" stands for a panel of GNOME's settings,
// "kde:<module>" for a module of KDE's System Settings (Plasma 6, then Plasma 5). In arguments
// and targets, {home}, {data} and {temp} stand for the home, the application data and the
// temporary folder. An alternative that begins with "[<desktop>]" counts only inside that
// desktop's session (XDG_CURRENT_DESKTOP contains the name).

#include <QString>
#include <QStringList>
#include <QVector>

#include <functional>
#include <optional>

struct CounterpartCommand
{
    bool open = false; // a target for the desktop's handler rather than a program
    QString program; // program name, or the target to open
    QStringList arguments;
};

namespace Counterpart {

// Full path of an installed program, empty when there is none (QStandardPaths::findExecutable).
using ExecutableLookup = std::function<QString(const QString &name)>;

// Every alternative of a notation, expanded, in the order tried on the named desktop (as in
// XDG_CURRENT_DESKTOP): on KDE, KDE modules come before GNOME panels. Empty for an empty text.
QVector<CounterpartCommand> alternatives(const QString &notation, const QString &desktop);

// The first alternative that can run here: its program is installed, or it is a target to
// open and the desktop's opener (xdg-open) is installed. nullopt when nothing is installed.
std::optional<CounterpartCommand> resolve(const QString &notation, const ExecutableLookup &lookup,
                                          const QString &desktop);
// The same with the installed programs in PATH and the session's desktop.
std::optional<CounterpartCommand> resolve(const QString &notation);

// Starts the counterpart through the program's launch functions and returns their shell-style
// result; when nothing that could do the job is installed, 31 (no associated application) for
// a notation with a target to open, else 2 (file not found).
qint64 launch(const QString &notation);
qint64 launch(const CounterpartCommand &command);

// A parameter text that the launch functions split back into exactly these arguments.
QString joinArguments(const QStringList &arguments);

} // namespace Counterpart
