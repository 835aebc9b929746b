#include "fakeprovider.h"

#include "platform/wmischema.h"

#include <mutex>

namespace wmi {

FakeProvider::FakeProvider() = default;

QString FakeProvider::stepName(Step step)
{
    switch (step) {
    case Step::CoInitialize:
        return QStringLiteral("CoInitialize");
    case Step::CreateLocator:
        return QStringLiteral("CreateLocator");
    case Step::ConnectServer:
        return QStringLiteral("ConnectServer");
    case Step::ProxyBlanket:
        return QStringLiteral("ProxyBlanket");
    case Step::ExecQuery:
        return QStringLiteral("ExecQuery");
    case Step::Next:
        return QStringLiteral("Next");
    case Step::Get:
        return QStringLiteral("Get");
    case Step::DateTime:
        return QStringLiteral("DateTime");
    }
    return QString();
}

void FakeProvider::add(const QString &cls, const Object &object)
{
    const std::lock_guard<std::mutex> lock(m_mutex);
    m_objects[cls.toLower()].append(object);
}

void FakeProvider::clear(const QString &cls)
{
    const std::lock_guard<std::mutex> lock(m_mutex);
    m_objects.remove(cls.toLower());
}

void FakeProvider::failAt(Step step, HRESULT hr, const QString &detail, int times)
{
    const std::lock_guard<std::mutex> lock(m_mutex);
    m_failures.append({ step, hr, detail, times });
}

void FakeProvider::clearFailures()
{
    const std::lock_guard<std::mutex> lock(m_mutex);
    m_failures.clear();
}

void FakeProvider::setSchemaCheck(bool on)
{
    const std::lock_guard<std::mutex> lock(m_mutex);
    m_schemaCheck = on;
}

bool FakeProvider::checksSchema() const
{
    const std::lock_guard<std::mutex> lock(m_mutex);
    return m_schemaCheck;
}

int FakeProvider::liveObjects() const
{
    return wmi::liveObjects();
}

int FakeProvider::comDepth() const
{
    return wmi::comDepth();
}

QStringList FakeProvider::calls() const
{
    const std::lock_guard<std::mutex> lock(m_mutex);
    return m_calls;
}

void FakeProvider::clearCalls()
{
    const std::lock_guard<std::mutex> lock(m_mutex);
    m_calls.clear();
}

int FakeProvider::instanceRequests(const QString &cls) const
{
    const std::lock_guard<std::mutex> lock(m_mutex);
    return m_requests.value(cls.toLower());
}

namespace {

// "Win32_Processor #3" -> {"Win32_Processor #3", "Win32_Processor", "#3"};
// "Win32_DiskDrive.Size" -> {"Win32_DiskDrive.Size", "Win32_DiskDrive", "Size"}.
bool detailMatches(const QString &wanted, const QString &actual)
{
    if (wanted.isEmpty() || wanted.compare(actual, Qt::CaseInsensitive) == 0)
        return true;
    for (const QChar sep : { QLatin1Char(' '), QLatin1Char('.') }) {
        const int at = actual.indexOf(sep);
        if (at < 0)
            continue;
        if (wanted.compare(actual.left(at), Qt::CaseInsensitive) == 0
            || wanted.compare(actual.mid(at + 1), Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

} // namespace

HRESULT FakeProvider::fault(Step step, const QString &detail)
{
    const std::lock_guard<std::mutex> lock(m_mutex);
    m_calls.append(stepName(step) + QLatin1Char(':') + detail);
    for (int i = 0; i < m_failures.size(); ++i) {
        Failure &f = m_failures[i];
        if (f.step != step || !detailMatches(f.detail, detail))
            continue;
        const HRESULT hr = f.hr;
        if (f.remaining > 0 && --f.remaining == 0)
            m_failures.removeAt(i);
        return hr;
    }
    return S_OK;
}

HRESULT FakeProvider::connect(const QString &ns)
{
    return isKnownNamespace(ns) ? S_OK : WBEM_E_INVALID_NAMESPACE;
}

HRESULT FakeProvider::instances(const QString &ns, const QString &cls, QVector<Object> *out)
{
    Q_UNUSED(ns);
    const std::lock_guard<std::mutex> lock(m_mutex);
    ++m_requests[cls.toLower()];
    *out = m_objects.value(cls.toLower());
    return S_OK;
}

} // namespace wmi
