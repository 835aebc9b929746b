#include "platform/fakes/fakelauncher.h"

namespace plat {

qint64 FakeLauncher::execute(const QString &verb, const QString &file, const QString &parameters)
{
    m_calls.append({ verb, file, parameters, QStringList() });
    return m_results.value(file, m_result);
}

qint64 FakeLauncher::executeProgram(const QString &verb, const QString &program,
                                    const QStringList &arguments)
{
    m_calls.append({ verb, program, QString(), arguments });
    return m_results.value(program, m_result);
}

qint64 FakeLauncher::open(const QString &path)
{
    m_calls.append({ QStringLiteral("open"), path, QString(), QStringList() });
    return m_results.value(path, m_result);
}

ScopedLauncher::ScopedLauncher(std::shared_ptr<Launcher> replacement)
    : m_previous(launcher())
{
    setLauncher(std::move(replacement));
}

ScopedLauncher::~ScopedLauncher()
{
    setLauncher(m_previous);
}

} // namespace plat
