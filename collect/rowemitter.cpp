#include "rowemitter.h"

#include "app/systemfunctions.h"

RowEmitter::RowEmitter(Worker *worker, Signal headingSignal, Signal rowSignal)
    : m_worker(worker)
    , m_headingSignal(headingSignal)
    , m_rowSignal(rowSignal)
{
}

QString RowEmitter::heading(const wmi::VARIANT &caption, const QString &label) const
{
    const QString text = caption.vt == wmi::VT_BSTR ? cleanWmiValue(caption.bstrVal) : QString();
    (m_worker->*m_headingSignal)(Worker::makeHardwareMainData(HardwareData(), text, label, text));
    return text;
}

void RowEmitter::operator()(const QString &label, const QString &value) const
{
    (m_worker->*m_rowSignal)(Worker::makeHardwareData(HardwareData(), label, value));
}
