#include "wmi.h"

#include "linuxprovider.h"

#include <QRegularExpression>
#include <mutex>

namespace wmi {

void VariantInit(VARIANT *v)
{
    if (v)
        *v = VARIANT();
}

HRESULT VariantClear(VARIANT *v)
{
    if (!v)
        return E_INVALIDARG;
    *v = VARIANT();
    return S_OK;
}

VARIANT bstr(const QString &s)
{
    VARIANT v;
    v.vt = VT_BSTR;
    v.bstrVal = s;
    return v;
}

VARIANT i4(qint32 value)
{
    VARIANT v;
    v.vt = VT_I4;
    v.lVal = value;
    return v;
}

VARIANT r8(double value)
{
    VARIANT v;
    v.vt = VT_R8;
    v.dblVal = value;
    return v;
}

VARIANT boolean(bool value)
{
    VARIANT v;
    v.vt = VT_BOOL;
    v.boolVal = value ? VARIANT_TRUE : VARIANT_FALSE;
    return v;
}

VARIANT null()
{
    VARIANT v;
    v.vt = VT_NULL;
    return v;
}

VARIANT u64Text(quint64 value)
{
    return bstr(QString::number(value));
}

// ---- COM initialisation, counted per thread ----

namespace {
thread_local int t_comDepth = 0;
thread_local int t_comMode = -1;
} // namespace

HRESULT CoInitializeEx(void *, int coinit)
{
    const HRESULT fault = provider()->fault(Step::CoInitialize, QString());
    if (FAILED(fault))
        return fault;
    const int mode
        = coinit & COINIT_APARTMENTTHREADED ? COINIT_APARTMENTTHREADED : COINIT_MULTITHREADED;
    if (t_comDepth > 0 && mode != t_comMode)
        return RPC_E_CHANGED_MODE;
    t_comMode = mode;
    return t_comDepth++ == 0 ? S_OK : S_FALSE;
}

void CoUninitialize()
{
    if (t_comDepth > 0 && --t_comDepth == 0)
        t_comMode = -1;
}

int comDepth()
{
    return t_comDepth;
}

// ---- CIM dates ----

bool wmiDateToLocal(const QString &cim, QDateTime *out)
{
    if (FAILED(provider()->fault(Step::DateTime, cim)))
        return false;
    // yyyymmddHHMMSS.ffffff+ooo (the offset in minutes, sign '+' or '-')
    static const QRegularExpression re(QStringLiteral(
        "^(\\d{4})(\\d{2})(\\d{2})(\\d{2})(\\d{2})(\\d{2})\\.(\\d{6})([+-])(\\d{3})$"));
    const QRegularExpressionMatch m = re.match(cim.trimmed());
    if (!m.hasMatch())
        return false;
    const QDate date(m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt());
    const int hour = m.captured(4).toInt();
    const int minute = m.captured(5).toInt();
    const int second = m.captured(6).toInt();
    if (!date.isValid() || hour > 23 || minute > 59 || second > 59)
        return false;
    const QTime time(hour, minute, second, m.captured(7).toInt() / 1000);
    int offsetMinutes = m.captured(9).toInt();
    if (m.captured(8) == QLatin1String("-"))
        offsetMinutes = -offsetMinutes;
    if (offsetMinutes > 14 * 60 || offsetMinutes < -14 * 60)
        return false;
    const QDateTime stamped(date, time, Qt::OffsetFromUTC, offsetMinutes * 60);
    if (!stamped.isValid())
        return false;
    if (out)
        *out = stamped.toLocalTime();
    return true;
}

QString toCimDateTime(const QDateTime &time)
{
    if (!time.isValid())
        return QString();
    const QDateTime local = time.toLocalTime();
    const int offset = local.offsetFromUtc() / 60;
    return local.toString(QStringLiteral("yyyyMMddHHmmss.zzz")) + QStringLiteral("000")
        + QLatin1Char(offset < 0 ? '-' : '+')
        + QStringLiteral("%1").arg(qAbs(offset), 3, 10, QLatin1Char('0'));
}

// ---- the provider ----

namespace {
std::mutex g_providerMutex;
std::shared_ptr<Provider> g_provider;
} // namespace

void setProvider(std::shared_ptr<Provider> p)
{
    const std::lock_guard<std::mutex> lock(g_providerMutex);
    g_provider = std::move(p);
}

std::shared_ptr<Provider> provider()
{
    const std::lock_guard<std::mutex> lock(g_providerMutex);
    if (!g_provider)
        g_provider = std::make_shared<plat::LinuxProvider>(plat::SysRoot(QStringLiteral("/")));
    return g_provider;
}

} // namespace wmi
