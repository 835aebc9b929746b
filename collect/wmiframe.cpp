#include "wmiframe.h"

#include "worker.h"

#include <QObject>

using namespace wmi;

WmiFrame::WmiFrame(Worker *worker)
    : m_worker(worker)
{
}

WmiFrame::~WmiFrame()
{
    close();
}

QString WmiFrame::errorText(const QString &stepText, HRESULT result)
{
    return stepText + QStringLiteral(" 0x%1").arg(hresultToHex(result));
}

bool WmiFrame::open(const QString &ns, RootError rootError)
{
    HRESULT hr = CoInitializeEx(nullptr, COINIT_MULTITHREADED);
    if (FAILED(hr)) {
        emit m_worker->initComLibError(
            errorText(QObject::tr("Failed to initialize COM library. Error code:"), hr));
        abort();
        return false;
    }
    m_comInitialized = true;

    hr = CoCreateWbemLocator(m_locator.put());
    if (FAILED(hr)) {
        emit m_worker->errorCreateIWbemObject(
            errorText(QObject::tr("Failed to create IWbemLocator object. Error code:"), hr));
        abort();
        return false;
    }

    hr = m_locator->ConnectServer(ns, QString(), QString(), QString(), 0, QString(), nullptr,
                                  m_services.put());
    if (FAILED(hr)) {
        if (rootError == RootError::WithText)
            emit m_worker->errorRootConnection(
                errorText(QObject::tr("Could not connect. Error code:"), hr));
        else
            emit m_worker->errorRootConnection();
        abort();
        return false;
    }

    hr = CoSetProxyBlanket(m_services.get(), RPC_C_AUTHN_WINNT, RPC_C_AUTHZ_NONE, nullptr,
                           RPC_C_AUTHN_LEVEL_CALL, RPC_C_IMP_LEVEL_IMPERSONATE, nullptr, EOAC_NONE);
    if (FAILED(hr)) {
        emit m_worker->errorProxyBlanket(
            errorText(QObject::tr("Could not set proxy blanket. Error code:"), hr));
        abort();
        return false;
    }
    return true;
}

IEnumWbemClassObject *WmiFrame::execQuery(const QString &wql, HRESULT *result)
{
    IEnumWbemClassObject *enumerator = nullptr;
    HRESULT hr = E_POINTER;
    if (m_services) {
        hr = m_services->ExecQuery(QStringLiteral("WQL"), wql,
                                   WBEM_FLAG_FORWARD_ONLY | WBEM_FLAG_RETURN_IMMEDIATELY, nullptr,
                                   &enumerator);
    }
    if (result)
        *result = hr;
    if (!enumerator)
        return nullptr;
    m_enumerators.emplace_back(enumerator);
    if (FAILED(hr))
        return nullptr;
    return enumerator;
}

void WmiFrame::failQuery(HRESULT result)
{
    emit m_worker->errorProcessQuery(
        errorText(QObject::tr("Query for processes failed. Error code:"), result));
    abort();
}

IEnumWbemClassObject *WmiFrame::query(const QString &wql)
{
    HRESULT hr = S_OK;
    IEnumWbemClassObject *enumerator = execQuery(wql, &hr);
    if (FAILED(hr) || !enumerator) {
        failQuery(FAILED(hr) ? hr : E_POINTER);
        return nullptr;
    }
    return enumerator;
}

IEnumWbemClassObject *WmiFrame::openQuery(const QString &wql, RootError rootError)
{
    if (!open(QStringLiteral("ROOT\\CIMV2"), rootError))
        return nullptr;
    return query(wql);
}

ComPtr<IWbemClassObject> WmiFrame::nextObject(IEnumWbemClassObject *enumerator, HRESULT *result)
{
    IWbemClassObject *object = nullptr;
    ULONG returned = 0;
    const HRESULT hr = enumerator->Next(WBEM_INFINITE, 1, &object, &returned);
    if (result)
        *result = hr;
    ComPtr<IWbemClassObject> holder(object);
    if (returned == 0)
        holder.reset();
    return holder;
}

ComPtr<IWbemClassObject> WmiFrame::next(IEnumWbemClassObject *enumerator,
                                        const std::atomic<bool> &cancel, bool examineResult)
{
    HRESULT hr = S_OK;
    ComPtr<IWbemClassObject> object = nextObject(enumerator, &hr);
    if ((examineResult && FAILED(hr)) || !object || cancel.load())
        return {};
    return object;
}

void WmiFrame::close()
{
    m_services.reset();
    m_locator.reset();
    m_enumerators.clear();
    if (m_comInitialized) {
        m_comInitialized = false;
        CoUninitialize();
    }
}

int WmiFrame::finish(const std::atomic<bool> &cancel)
{
    close();
    if (!cancel)
        emit m_worker->loadMainData();
    emit m_worker->finished();
    return 0;
}

void WmiFrame::abort()
{
    close();
    emit m_worker->collectorAborted();
}
