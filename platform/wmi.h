#pragma once
// A COM/WMI-shaped facade with no Windows headers. The collectors call it exactly as they
// would call WMI; a Provider answers the queries (Linux sources in the program, fakes in tests).

#include <QDateTime>
#include <QHash>
#include <QString>
#include <QVector>

#include <cstdint>
#include <memory>

namespace wmi {

using HRESULT = std::int32_t;
using LONG = std::int32_t;
using ULONG = std::uint32_t;

constexpr HRESULT S_OK = 0;
constexpr HRESULT S_FALSE = 1;
constexpr HRESULT WBEM_S_FALSE = 1;
constexpr HRESULT WBEM_S_NO_ERROR = 0;
constexpr HRESULT E_FAIL = HRESULT(0x80004005);
constexpr HRESULT E_POINTER = HRESULT(0x80004003);
constexpr HRESULT E_INVALIDARG = HRESULT(0x80070057);
constexpr HRESULT RPC_E_CHANGED_MODE = HRESULT(0x80010106);
constexpr HRESULT RPC_E_TOO_LATE = HRESULT(0x80010119);
constexpr HRESULT REGDB_E_CLASSNOTREG = HRESULT(0x80040154);
constexpr HRESULT WBEM_E_FAILED = HRESULT(0x80041001);
constexpr HRESULT WBEM_E_NOT_FOUND = HRESULT(0x80041002);
constexpr HRESULT WBEM_E_ACCESS_DENIED = HRESULT(0x80041003);
constexpr HRESULT WBEM_E_TYPE_MISMATCH = HRESULT(0x80041005);
constexpr HRESULT WBEM_E_INVALID_NAMESPACE = HRESULT(0x8004100E);
constexpr HRESULT WBEM_E_INVALID_CLASS = HRESULT(0x80041010);
constexpr HRESULT WBEM_E_INVALID_PARAMETER = HRESULT(0x80041008);
constexpr HRESULT WBEM_E_INVALID_QUERY = HRESULT(0x80041017);
constexpr HRESULT WBEM_E_INVALID_QUERY_TYPE = HRESULT(0x80041018);
constexpr HRESULT CO_E_NOTINITIALIZED = HRESULT(0x800401F0);

inline bool FAILED(HRESULT h)
{
    return h < 0;
}
inline bool SUCCEEDED(HRESULT h)
{
    return h >= 0;
}

// COINIT / authentication constants the collectors pass; the facade accepts any value.
enum : int { COINIT_MULTITHREADED = 0x0, COINIT_APARTMENTTHREADED = 0x2 };
enum : int {
    RPC_C_AUTHN_WINNT = 10,
    RPC_C_AUTHZ_NONE = 0,
    RPC_C_AUTHN_LEVEL_CALL = 3,
    RPC_C_AUTHN_LEVEL_DEFAULT = 0,
    RPC_C_IMP_LEVEL_IMPERSONATE = 3,
    EOAC_NONE = 0
};

enum : quint16 {
    VT_EMPTY = 0,
    VT_NULL = 1,
    VT_I2 = 2,
    VT_I4 = 3,
    VT_R8 = 5,
    VT_BSTR = 8,
    VT_BOOL = 11,
    VT_UI1 = 17
};
constexpr qint16 VARIANT_TRUE = -1;
constexpr qint16 VARIANT_FALSE = 0;

struct VARIANT
{
    quint16 vt = VT_EMPTY;
    qint32 lVal = 0; // VT_I4, VT_I2, VT_UI1
    double dblVal = 0; // VT_R8
    qint16 boolVal = 0; // VT_BOOL: VARIANT_TRUE or VARIANT_FALSE
    QString bstrVal; // VT_BSTR
};

void VariantInit(VARIANT *v);
HRESULT VariantClear(VARIANT *v);

// Value builders for sources and fakes.
VARIANT bstr(const QString &s);
VARIANT i4(qint32 v);
VARIANT r8(double v);
VARIANT boolean(bool v);
VARIANT null();
VARIANT u64Text(quint64 v); // 64-bit numbers travel as decimal text (VT_BSTR)

enum : LONG {
    WBEM_FLAG_RETURN_IMMEDIATELY = 0x10,
    WBEM_FLAG_FORWARD_ONLY = 0x20,
    WBEM_INFINITE = -1
};

struct IUnknown
{
    virtual ULONG AddRef() = 0;
    virtual ULONG Release() = 0;

protected:
    virtual ~IUnknown() = default;
};

struct IWbemClassObject : IUnknown
{
    virtual HRESULT Get(const QString &name, LONG flags, VARIANT *value, void *type, void *flavor)
        = 0;
};

struct IEnumWbemClassObject : IUnknown
{
    virtual HRESULT Next(LONG timeout, ULONG count, IWbemClassObject **objects, ULONG *returned)
        = 0;
};

struct IWbemServices : IUnknown
{
    virtual HRESULT ExecQuery(const QString &language, const QString &query, LONG flags,
                              void *context, IEnumWbemClassObject **enumerator)
        = 0;
};

struct IWbemLocator : IUnknown
{
    virtual HRESULT ConnectServer(const QString &ns, const QString &user, const QString &password,
                                  const QString &locale, LONG securityFlags,
                                  const QString &authority, void *context, IWbemServices **services)
        = 0;
};

// Per-thread initialisation depth is counted; CoUninitialize undoes one CoInitializeEx.
HRESULT CoInitializeEx(void *reserved, int coinit);
void CoUninitialize();
int comDepth(); // of the calling thread, for tests
// COM-shaped objects (locators, services, enumerators, class objects) alive in the process.
int liveObjects();

// Stands for CoCreateInstance(CLSID_WbemLocator, ..., IID_IWbemLocator, ...); like COM it
// answers CO_E_NOTINITIALIZED on a thread without CoInitializeEx.
// The objects behave as WMI's: ConnectServer knows "ROOT\CIMV2" and
// "ROOT\CIMV2\Security\MicrosoftTpm" (any case) and gives WBEM_E_INVALID_NAMESPACE otherwise;
// ExecQuery takes "SELECT * | a, b FROM Class" (WBEM_E_INVALID_QUERY otherwise, and for a
// property the class lacks; WBEM_E_INVALID_CLASS for a class not in the namespace); Next hands
// out new references and ends with WBEM_S_FALSE and *returned = 0; Get copies the value, and a
// property the object lacks gives WBEM_E_NOT_FOUND with VT_EMPTY.
HRESULT CoCreateWbemLocator(IWbemLocator **locator);
HRESULT CoSetProxyBlanket(IUnknown *proxy, int authn, int authz, void *serverPrincipal,
                          int authnLevel, int impLevel, void *authInfo, int capabilities);

// Stands for SWbemDateTime + FILETIME: parses "yyyymmddHHMMSS.ffffff+ooo" into local time.
bool wmiDateToLocal(const QString &cim, QDateTime *out);
// Formats a time as CIM text with the local UTC offset in minutes.
QString toCimDateTime(const QDateTime &time);

// HRESULT as lower-case hexadecimal, as the collectors' error texts show it.
inline QString hresultToHex(HRESULT hr)
{
    return QString::number(quint32(hr), 16);
}

// The single point a backend implements. The facade asks fault(step, detail) before each call:
//   CoInitialize, CreateLocator, ProxyBlanket: ""       ConnectServer: the namespace
//   ExecQuery: the class name (or the query text when it does not parse)
//   Next: "<Class> #<n>" (n counts Next calls on one enumerator from 1)
//   Get: "<Class>.<Property>"                            DateTime: the CIM text
enum class Step {
    CoInitialize,
    CreateLocator,
    ConnectServer,
    ProxyBlanket,
    ExecQuery,
    Next,
    Get,
    DateTime
};
using Object = QHash<QString, VARIANT>;

struct Provider
{
    virtual ~Provider() = default;
    // Asked before each facade call; a failure code makes that call fail with it.
    virtual HRESULT fault(Step step, const QString &detail)
    {
        Q_UNUSED(step);
        Q_UNUSED(detail);
        return S_OK;
    }
    virtual HRESULT connect(const QString &ns) = 0;
    // Must be reentrant: sixteen detections query at once.
    virtual HRESULT instances(const QString &ns, const QString &cls, QVector<Object> *out) = 0;
    // Whether the facade checks each value against the class schema (a fake may turn it off to
    // hand out values of an unexpected type).
    virtual bool checksSchema() const { return true; }
};

void setProvider(std::shared_ptr<Provider> provider);
std::shared_ptr<Provider> provider(); // default: the Linux provider over "/"

// Swaps the provider for one scope (tests).
class ScopedProvider
{
public:
    explicit ScopedProvider(std::shared_ptr<Provider> p)
        : m_previous(provider())
    {
        setProvider(std::move(p));
    }
    ~ScopedProvider() { setProvider(m_previous); }
    ScopedProvider(const ScopedProvider &) = delete;
    ScopedProvider &operator=(const ScopedProvider &) = delete;

private:
    std::shared_ptr<Provider> m_previous;
};

} // namespace wmi
