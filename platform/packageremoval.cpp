#include "packageremoval.h"

#include <QDeadlineTimer>
#include <QProcess>
#include <QProcessEnvironment>
#include <QStandardPaths>

namespace plat::packages {
namespace {

// More is not read: the simulation of the largest removal is a few hundred kilobytes.
constexpr qint64 kOutputLimit = 8 << 20;
constexpr int kErrorLimit = 2000;

QString baseName(const QString &program)
{
    return program.mid(program.lastIndexOf(QLatin1Char('/')) + 1);
}

// The package names after the tool's own options ("-y", "--noninteractive").
QStringList operands(const QStringList &arguments)
{
    QStringList names;
    for (const QString &argument : arguments) {
        if (!argument.startsWith(QLatin1Char('-')))
            names.append(argument);
    }
    return names;
}

RemovalPlan aptPlan(const QStringList &names, int timeoutMs)
{
    RemovalPlan plan;
    plan.packageRemoval = true;
    const QString aptGet = QStandardPaths::findExecutable(QStringLiteral("apt-get"));
    if (aptGet.isEmpty()) {
        plan.outcome = RemovalPlan::Outcome::ToolMissing;
        return plan;
    }
    QProcess simulation;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C"));
    simulation.setProcessEnvironment(environment);
    simulation.setStandardInputFile(QProcess::nullDevice());
    simulation.start(aptGet,
                     QStringList { QStringLiteral("-s"), QStringLiteral("remove") } + names);
    QByteArray output;
    QByteArray errors;
    QDeadlineTimer deadline(timeoutMs);
    bool ended = false;
    if (simulation.waitForStarted(timeoutMs)) {
        while (!ended && !deadline.hasExpired() && output.size() < kOutputLimit) {
            ended = simulation.waitForFinished(int(qMin<qint64>(deadline.remainingTime(), 100)));
            output += simulation.readAllStandardOutput();
            const QByteArray more = simulation.readAllStandardError();
            if (errors.size() < kErrorLimit)
                errors += more;
        }
    }
    if (!ended) {
        simulation.kill();
        simulation.waitForFinished(1000);
        plan.outcome = RemovalPlan::Outcome::TimedOut;
        return plan;
    }
    if (simulation.exitStatus() != QProcess::NormalExit || simulation.exitCode() != 0) {
        plan.outcome = RemovalPlan::Outcome::Failed;
        plan.exitCode = simulation.exitCode();
        plan.toolMessage = QString::fromUtf8(errors.left(kErrorLimit)).trimmed();
        return plan;
    }
    plan.packages = parseAptSimulation(output);
    return plan;
}

} // namespace

QStringList parseAptSimulation(const QByteArray &output)
{
    QStringList packages;
    for (const QByteArray &line : output.split('\n')) {
        if (!line.startsWith("Remv ") && !line.startsWith("Purg "))
            continue;
        const QByteArray name = line.mid(5).trimmed().split(' ').value(0);
        if (!name.isEmpty())
            packages.append(QString::fromUtf8(name));
    }
    return packages;
}

RemovalPlan removalPlan(const QStringList &command, int timeoutMs)
{
    QStringList words = command;
    if (!words.isEmpty() && baseName(words.first()) == QLatin1String("pkexec"))
        words.removeFirst();
    RemovalPlan plan;
    if (words.size() < 3)
        return plan;
    const QString tool = baseName(words.first());
    const QString action = words.at(1);
    const QStringList names = operands(words.mid(2));
    if (names.isEmpty())
        return plan;
    if (tool == QLatin1String("apt-get") && action == QLatin1String("remove"))
        return aptPlan(names, timeoutMs);
    if ((tool == QLatin1String("flatpak") && action == QLatin1String("uninstall"))
        || (tool == QLatin1String("snap") && action == QLatin1String("remove"))) {
        plan.packageRemoval = true;
        plan.packages = names;
    }
    return plan;
}

} // namespace plat::packages
