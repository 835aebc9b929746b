#pragma once
// A WMI provider for tests: holds chosen objects per class and fails chosen steps.
//
//   auto fake = std::make_shared<wmi::FakeProvider>();
//   fake->add("Win32_Processor", {{"Name", wmi::bstr("X")}, {"MaxClockSpeed", wmi::i4(1000)}});
//   fake->failAt(wmi::Step::ExecQuery, wmi::WBEM_E_INVALID_CLASS, "Win32_DiskPartition");
//   wmi::ScopedProvider use(fake);
//
// Failure details name the call the same way the facade reports it to Provider::fault:
//   CoInitialize, CreateLocator, ProxyBlanket: ""       ConnectServer: the namespace
//   ExecQuery: the class name                             DateTime: the CIM text
//   Next: "<Class> #<n>" (n counts Next calls on one enumerator, from 1)
//   Get:  "<Class>.<Property>"
// A failure matches when its detail is empty, equals the call's detail, or equals one of its
// parts ("#3", "Win32_Processor", "Size"). Names compare case-insensitively.

#include "platform/wmi.h"

#include <QStringList>
#include <mutex>

namespace wmi {

class FakeProvider : public Provider
{
public:
    FakeProvider();

    // Adds one object of a class (in its own namespace; Win32_Tpm lives in the TPM namespace).
    void add(const QString &cls, const Object &object);
    void clear(const QString &cls);

    // Makes every matching call of `step` fail with `hr`. `times` < 0 means every time;
    // otherwise the failure is used up after that many matching calls.
    void failAt(Step step, HRESULT hr, const QString &detail = QString(), int times = -1);
    void clearFailures();

    // Off: values reach the collector whatever their type (to test "unexpected type").
    void setSchemaCheck(bool on);

    // Facade-wide count of live COM-shaped objects, and the calling thread's COM depth.
    int liveObjects() const;
    int comDepth() const;

    // Every fault() query seen, as "Step:detail" (e.g. "Next:Win32_Processor #2"), in order.
    QStringList calls() const;
    // Forgets the calls seen so far (a long run would otherwise keep every one).
    void clearCalls();
    // How often instances() was asked for a class.
    int instanceRequests(const QString &cls) const;

    // Provider
    HRESULT fault(Step step, const QString &detail) override;
    HRESULT connect(const QString &ns) override;
    HRESULT instances(const QString &ns, const QString &cls, QVector<Object> *out) override;
    bool checksSchema() const override;

    static QString stepName(Step step);

private:
    struct Failure
    {
        Step step;
        HRESULT hr;
        QString detail;
        int remaining;
    };
    mutable std::mutex m_mutex;
    QHash<QString, QVector<Object>> m_objects; // key: lower-case class name
    QVector<Failure> m_failures;
    QStringList m_calls;
    QHash<QString, int> m_requests;
    bool m_schemaCheck = true;
};

} // namespace wmi
