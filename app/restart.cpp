#include "app/restart.h"

#include <QCoreApplication>
#include <QProcess>
#include <QStringList>

namespace ProcessEntry {

const char restartArgument[] = "-restart";

namespace {
std::function<void()> &restartHandler()
{
    static std::function<void()> handler;
    return handler;
}
} // namespace

void restartApplication()
{
    if (restartHandler()) {
        restartHandler()();
        return;
    }
    QCoreApplication::exit(0);
    QProcess::startDetached(QCoreApplication::arguments().value(0),
                            { QString::fromLatin1(restartArgument) });
}

void setRestartHandler(std::function<void()> handler)
{
    restartHandler() = std::move(handler);
}

} // namespace ProcessEntry
