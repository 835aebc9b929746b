// The COM-shaped objects of the facade, written once on top of Provider.

#include "wmishims.h"

#include "wmi.h"
#include "wmischema.h"

#include <QRegularExpression>
#include <QtDebug>

#include <atomic>

namespace wmi {

namespace {

std::atomic<int> g_liveObjects { 0 };

// Reference counting shared by every shim; the object deletes itself at zero.
template<class Interface> class ComObject : public Interface
{
public:
    ComObject() { ++g_liveObjects; }
    ULONG AddRef() override { return ++m_refs; }
    ULONG Release() override
    {
        const ULONG left = --m_refs;
        if (left == 0)
            delete this;
        return left;
    }

protected:
    ~ComObject() override { --g_liveObjects; }

private:
    std::atomic<ULONG> m_refs { 1 };
};

class ClassObject : public ComObject<IWbemClassObject>
{
public:
    ClassObject(std::shared_ptr<Provider> provider, QString cls, Object values)
        : m_provider(std::move(provider))
        , m_class(std::move(cls))
        , m_values(std::move(values))
    {
    }

    HRESULT Get(const QString &name, LONG, VARIANT *value, void *, void *) override
    {
        if (!value)
            return WBEM_E_INVALID_PARAMETER;
        VariantInit(value);
        const HRESULT fault = m_provider->fault(Step::Get, m_class + QLatin1Char('.') + name);
        if (FAILED(fault))
            return fault;
        const auto it = m_values.constFind(name.toLower());
        if (it == m_values.constEnd())
            return WBEM_E_NOT_FOUND;
        *value = it.value();
        return S_OK;
    }

private:
    std::shared_ptr<Provider> m_provider;
    QString m_class;
    Object m_values; // keys in lower case: property names are case-insensitive
};

class Enumerator : public ComObject<IEnumWbemClassObject>
{
public:
    Enumerator(std::shared_ptr<Provider> provider, QString cls, QVector<Object> objects)
        : m_provider(std::move(provider))
        , m_class(std::move(cls))
        , m_objects(std::move(objects))
    {
    }

    HRESULT Next(LONG, ULONG count, IWbemClassObject **objects, ULONG *returned) override
    {
        if (!objects || !returned)
            return WBEM_E_INVALID_PARAMETER;
        *returned = 0;
        const int call = ++m_calls;
        const HRESULT fault
            = m_provider->fault(Step::Next, QStringLiteral("%1 #%2").arg(m_class).arg(call));
        if (FAILED(fault))
            return fault;
        while (*returned < count && m_position < m_objects.size()) {
            objects[*returned] = new ClassObject(m_provider, m_class, m_objects.at(m_position++));
            ++*returned;
        }
        return *returned == count ? S_OK : WBEM_S_FALSE;
    }

private:
    std::shared_ptr<Provider> m_provider;
    QString m_class;
    QVector<Object> m_objects;
    int m_position = 0;
    int m_calls = 0;
};

// Checks a source's object against the schema and applies the projection. The result's keys are
// lower case.
Object prepareObject(const ClassSchema &schema, const Object &source, const QStringList &selected,
                     bool checkSchema)
{
    Object result;
    for (auto it = source.constBegin(); it != source.constEnd(); ++it) {
        VARIANT value = it.value();
        if (checkSchema) {
            if (!schema.has(it.key())) {
                qWarning("wmi: %s has no property %s; value dropped", qPrintable(schema.name),
                         qPrintable(it.key()));
                continue;
            }
            if (!valueMatchesSchema(schema, it.key(), value)) {
                qWarning("wmi: %s.%s came as type %d, expected %d; handed out as NULL",
                         qPrintable(schema.name), qPrintable(it.key()), int(value.vt),
                         int(schema.type(it.key())));
                value = null();
            }
        }
        result.insert(it.key().toLower(), value);
    }
    // A property the source did not fill is NULL, as WMI hands out unset properties.
    for (const QString &name : schema.properties) {
        const QString key = name.toLower();
        if (!result.contains(key))
            result.insert(key, null());
    }
    if (!selected.isEmpty()) {
        Object projected;
        for (const QString &name : selected)
            projected.insert(name.toLower(), result.value(name.toLower(), null()));
        return projected;
    }
    return result;
}

class Services : public ComObject<IWbemServices>
{
public:
    Services(std::shared_ptr<Provider> provider, QString ns)
        : m_provider(std::move(provider))
        , m_namespace(std::move(ns))
    {
    }

    const std::shared_ptr<Provider> &provider() const { return m_provider; }

    HRESULT ExecQuery(const QString &language, const QString &query, LONG, void *,
                      IEnumWbemClassObject **enumerator) override
    {
        if (!enumerator)
            return WBEM_E_INVALID_PARAMETER;
        *enumerator = nullptr;
        WqlQuery parsed;
        const bool ok = parseWql(query, &parsed);
        const HRESULT fault = m_provider->fault(Step::ExecQuery, ok ? parsed.className : query);
        if (FAILED(fault))
            return fault;
        if (language.compare(QLatin1String("WQL"), Qt::CaseInsensitive) != 0)
            return WBEM_E_INVALID_QUERY_TYPE;
        if (!ok)
            return WBEM_E_INVALID_QUERY;
        const ClassSchema *schema = classSchema(parsed.className);
        if (!schema || schema->nameSpace != m_namespace)
            return WBEM_E_INVALID_CLASS;
        for (const QString &name : parsed.properties) {
            if (!schema->has(name))
                return WBEM_E_INVALID_QUERY;
        }
        QVector<Object> found;
        const HRESULT hr = m_provider->instances(m_namespace, schema->name, &found);
        if (FAILED(hr))
            return hr;
        QVector<Object> prepared;
        prepared.reserve(found.size());
        const bool check = m_provider->checksSchema();
        for (const Object &object : qAsConst(found))
            prepared.append(prepareObject(*schema, object, parsed.properties, check));
        *enumerator = new Enumerator(m_provider, schema->name, std::move(prepared));
        return S_OK;
    }

private:
    std::shared_ptr<Provider> m_provider;
    QString m_namespace;
};

class Locator : public ComObject<IWbemLocator>
{
public:
    explicit Locator(std::shared_ptr<Provider> provider)
        : m_provider(std::move(provider))
    {
    }

    HRESULT ConnectServer(const QString &ns, const QString &, const QString &, const QString &,
                          LONG, const QString &, void *, IWbemServices **services) override
    {
        if (!services)
            return WBEM_E_INVALID_PARAMETER;
        *services = nullptr;
        const HRESULT fault = m_provider->fault(Step::ConnectServer, ns);
        if (FAILED(fault))
            return fault;
        const QString canonical = canonicalNamespace(ns);
        if (canonical.isEmpty())
            return WBEM_E_INVALID_NAMESPACE;
        const HRESULT hr = m_provider->connect(canonical);
        if (FAILED(hr))
            return hr;
        *services = new Services(m_provider, canonical);
        return S_OK;
    }

private:
    std::shared_ptr<Provider> m_provider;
};

} // namespace

bool parseWql(const QString &text, WqlQuery *out)
{
    static const QRegularExpression re(
        QStringLiteral(
            "^\\s*SELECT\\s+(\\*|[A-Za-z_][A-Za-z0-9_]*(?:\\s*,\\s*[A-Za-z_][A-Za-z0-9_]*)*)"
            "\\s+FROM\\s+([A-Za-z_][A-Za-z0-9_]*)\\s*$"),
        QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch m = re.match(text);
    if (!m.hasMatch())
        return false;
    WqlQuery query;
    query.className = m.captured(2);
    const QString list = m.captured(1);
    if (list != QLatin1String("*")) {
        for (const QString &part : list.split(QLatin1Char(',')))
            query.properties.append(part.trimmed());
    }
    if (out)
        *out = query;
    return true;
}

int liveObjects()
{
    return g_liveObjects.load();
}

HRESULT CoCreateWbemLocator(IWbemLocator **locator)
{
    if (!locator)
        return E_POINTER;
    *locator = nullptr;
    std::shared_ptr<Provider> p = provider();
    const HRESULT fault = p->fault(Step::CreateLocator, QString());
    if (FAILED(fault))
        return fault;
    if (comDepth() == 0)
        return CO_E_NOTINITIALIZED;
    *locator = new Locator(std::move(p));
    return S_OK;
}

HRESULT CoSetProxyBlanket(IUnknown *proxy, int, int, void *, int, int, void *, int)
{
    if (!proxy)
        return E_INVALIDARG;
    auto *services = dynamic_cast<Services *>(proxy);
    const std::shared_ptr<Provider> p = services ? services->provider() : provider();
    return p->fault(Step::ProxyBlanket, QString());
}

} // namespace wmi
