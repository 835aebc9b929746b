#pragma once
// The sequence of COM and WMI calls every WMI collector runs: initialise COM, create the
// locator, connect to a namespace, set the proxy blanket, run the queries, walk the objects,
// release everything and end COM. Each failing step emits its own Worker signal with the step's
// text and the result code, releases what was obtained and then emits Worker::collectorAborted.

#include "comptr.h"

#include "platform/wmi.h"

#include <QString>

#include <atomic>
#include <vector>

class Worker;

class WmiFrame
{
public:
    // How a failed namespace connection is reported: the OS and TPM collectors give a text.
    enum class RootError { WithoutText, WithText };

    explicit WmiFrame(Worker *worker);
    ~WmiFrame();
    WmiFrame(const WmiFrame &) = delete;
    WmiFrame &operator=(const WmiFrame &) = delete;

    // Steps 1 to 4. False after a failure (already reported and released).
    bool open(const QString &ns, RootError rootError);

    // Step 5 without reporting: runs one WQL query; the enumerator (null on failure) stays owned
    // by the frame. Collectors with two queries run both before reading either.
    wmi::IEnumWbemClassObject *execQuery(const QString &wql, wmi::HRESULT *result);
    // Reports a failed query with its own code, releases everything and aborts.
    void failQuery(wmi::HRESULT result);
    // execQuery + failQuery: null after a failure.
    wmi::IEnumWbemClassObject *query(const QString &wql);
    // open on ROOT\CIMV2 + query: the enumerator of a collector with one query, null after a
    // failure of either.
    wmi::IEnumWbemClassObject *openQuery(const QString &wql,
                                         RootError rootError = RootError::WithoutText);

    // One fetch of the loop. Null ends the loop: the call failed (when `examineResult`),
    // nothing came back, or the cancel flag is set. A fetched object is released with the holder.
    ComPtr<wmi::IWbemClassObject> next(wmi::IEnumWbemClassObject *enumerator,
                                       const std::atomic<bool> &cancel, bool examineResult = true);
    // A fetch without cancel test: the object, or null when none came back.
    ComPtr<wmi::IWbemClassObject> nextObject(wmi::IEnumWbemClassObject *enumerator,
                                             wmi::HRESULT *result = nullptr);

    // Step 7's release: enumerators, services, locator, then CoUninitialize. Idempotent.
    void close();

    // The end of a collector that ran through: close(), then Worker::loadMainData unless the
    // cancel flag is set, then Worker::finished. Returns 0, the collector's result.
    int finish(const std::atomic<bool> &cancel);

    static QString errorText(const QString &stepText, wmi::HRESULT result);

private:
    void abort();

    Worker *m_worker;
    bool m_comInitialized = false;
    ComPtr<wmi::IWbemLocator> m_locator;
    ComPtr<wmi::IWbemServices> m_services;
    std::vector<ComPtr<wmi::IEnumWbemClassObject>> m_enumerators;
};
