#include "tools/counterpart.h"

#include "app/systemfunctions.h"
#include "platform/launcher.h"

#include <QDir>
#include <QRegularExpression>
#include <QStandardPaths>

namespace Counterpart {

namespace {

const QLatin1String gnomePrefix("gnome:");
const QLatin1String kdePrefix("kde:");
const QLatin1String openPrefix("open:");

QString expandPlaceholders(QString text)
{
    text.replace(QLatin1String("{home}"), QDir::homePath());
    text.replace(QLatin1String("{temp}"), QDir::tempPath());
    if (text.contains(QLatin1String("{data}")))
        text.replace(QLatin1String("{data}"),
                     QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation));
    return text;
}

CounterpartCommand program(const QString &name, const QStringList &arguments)
{
    CounterpartCommand command;
    command.program = name;
    command.arguments = arguments;
    return command;
}

} // namespace

QVector<CounterpartCommand> alternatives(const QString &notation, const QString &desktop)
{
    QVector<CounterpartCommand> ordered;
    const QStringList choices = notation.split(QLatin1Char('|'), Qt::SkipEmptyParts);
    for (const QString &choice : choices) {
        QString text = choice.trimmed();
        if (text.startsWith(QLatin1Char('['))) {
            const int end = text.indexOf(QLatin1Char(']'));
            if (end < 0)
                continue;
            const QString tag = text.mid(1, end - 1).trimmed();
            if (tag.isEmpty() || !desktop.contains(tag, Qt::CaseInsensitive))
                continue;
            text = text.mid(end + 1).trimmed();
        }
        // A blank alternative, or a prefix without its target, names nothing to start.
        if (text.startsWith(openPrefix)) {
            const QString target = text.mid(openPrefix.size()).trimmed();
            if (target.isEmpty())
                continue;
            CounterpartCommand command;
            command.open = true;
            command.program = expandPlaceholders(target);
            ordered.append(command);
        } else if (text.startsWith(gnomePrefix)) {
            const QString panel = text.mid(gnomePrefix.size()).trimmed();
            if (!panel.isEmpty())
                ordered.append(program(QStringLiteral("gnome-control-center"), { panel }));
        } else if (text.startsWith(kdePrefix)) {
            const QString module = text.mid(kdePrefix.size()).trimmed();
            if (module.isEmpty())
                continue;
            ordered.append(program(QStringLiteral("systemsettings"), { module }));
            ordered.append(program(QStringLiteral("systemsettings5"), { module }));
        } else {
            QStringList words = text.split(QLatin1Char(' '), Qt::SkipEmptyParts);
            if (words.isEmpty())
                continue;
            for (QString &word : words)
                word = expandPlaceholders(word);
            const QString name = words.takeFirst();
            ordered.append(program(name, words));
        }
    }
    // GNOME's settings panels do not run inside a KDE session: there they come last.
    if (!desktop.contains(QLatin1String("KDE"), Qt::CaseInsensitive))
        return ordered;
    QVector<CounterpartCommand> gnome;
    QVector<CounterpartCommand> rest;
    for (const CounterpartCommand &command : qAsConst(ordered))
        (command.program == QLatin1String("gnome-control-center") ? gnome : rest).append(command);
    return rest + gnome;
}

std::optional<CounterpartCommand> resolve(const QString &notation, const ExecutableLookup &lookup,
                                          const QString &desktop)
{
    // A target to open needs the desktop's opener.
    for (const CounterpartCommand &command : alternatives(notation, desktop)) {
        if (!lookup(command.open ? QStringLiteral("xdg-open") : command.program).isEmpty())
            return command;
    }
    return std::nullopt;
}

std::optional<CounterpartCommand> resolve(const QString &notation)
{
    return resolve(
        notation, [](const QString &name) { return QStandardPaths::findExecutable(name); },
        qEnvironmentVariable("XDG_CURRENT_DESKTOP"));
}

qint64 launch(const CounterpartCommand &command)
{
    if (command.open)
        return launchShellCommand(false, command.program);
    return launchShellCommandWithParameters(command.program, joinArguments(command.arguments));
}

qint64 launch(const QString &notation)
{
    const std::optional<CounterpartCommand> command = resolve(notation);
    if (command)
        return launch(*command);
    // Nothing to open a folder or address with is a missing opener, not a missing file.
    for (const CounterpartCommand &choice :
         alternatives(notation, qEnvironmentVariable("XDG_CURRENT_DESKTOP"))) {
        if (choice.open)
            return plat::shell::NoAssociation;
    }
    return plat::shell::FileNotFound;
}

QString joinArguments(const QStringList &arguments)
{
    QStringList quoted;
    quoted.reserve(arguments.size());
    for (QString argument : arguments) {
        const bool plain = !argument.isEmpty()
            && !argument.contains(QRegularExpression(QStringLiteral("[\\s\"]")));
        if (plain) {
            quoted.append(argument);
            continue;
        }
        // Inside quotes, three quotes stand for one literal quote.
        argument.replace(QLatin1String("\""), QLatin1String("\"\"\""));
        quoted.append(QLatin1Char('"') + argument + QLatin1Char('"'));
    }
    return quoted.join(QLatin1Char(' '));
}

} // namespace Counterpart
