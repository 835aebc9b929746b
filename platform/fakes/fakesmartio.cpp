#include "fakesmartio.h"

#include <mutex>

#include <cstring>

namespace plat {

using namespace smart;

void FakeSmartIo::setDrive(int index, const Drive &drive)
{
    const std::lock_guard<std::mutex> lock(m_mutex);
    m_drives.insert(index, drive);
}

FakeSmartIo::Drive FakeSmartIo::drive(int index) const
{
    const std::lock_guard<std::mutex> lock(m_mutex);
    return m_drives.value(index);
}

namespace {

void putSwapped(QByteArray *page, int offset, int length, const QString &text)
{
    QByteArray bytes = text.toLatin1().leftJustified(length, ' ', true);
    for (int i = 0; i + 1 < length; i += 2) {
        (*page)[offset + i] = bytes.at(i + 1);
        (*page)[offset + i + 1] = bytes.at(i);
    }
}

} // namespace

QByteArray FakeSmartIo::identifyPage(const QString &model, const QString &serial,
                                     const QString &firmware, bool smartSupported)
{
    QByteArray page(512, '\0');
    putSwapped(&page, 20, 20, serial);
    putSwapped(&page, 46, 8, firmware);
    putSwapped(&page, 54, 40, model);
    if (smartSupported)
        page[164] = 0x01; // word 82 bit 0
    return page;
}

QByteArray FakeSmartIo::attributePage(const QVector<Attribute> &attributes)
{
    QByteArray page(512, '\0');
    page[0] = 0x10;
    for (int i = 0; i < attributes.size() && i < 30; ++i) {
        const Attribute &a = attributes.at(i);
        const int at = 2 + 12 * i;
        page[at] = char(a.id);
        page[at + 1] = char(a.flags & 0xFF);
        page[at + 2] = char(a.flags >> 8);
        page[at + 3] = char(a.value);
        page[at + 4] = char(a.worst);
        for (int b = 0; b < 6; ++b)
            page[at + 5 + b] = char((a.raw >> (8 * b)) & 0xFF);
    }
    return page;
}

QByteArray FakeSmartIo::thresholdPage(const QVector<QPair<quint8, quint8>> &thresholds)
{
    QByteArray page(512, '\0');
    page[0] = 0x10;
    for (int i = 0; i < thresholds.size() && i < 30; ++i) {
        page[2 + 12 * i] = char(thresholds.at(i).first);
        page[2 + 12 * i + 1] = char(thresholds.at(i).second);
    }
    return page;
}

QVector<quint32> FakeSmartIo::controls() const
{
    const std::lock_guard<std::mutex> lock(m_mutex);
    return m_controls;
}

QVector<QByteArray> FakeSmartIo::inputs() const
{
    const std::lock_guard<std::mutex> lock(m_mutex);
    return m_inputs;
}

int FakeSmartIo::openHandles() const
{
    const std::lock_guard<std::mutex> lock(m_mutex);
    return m_handles.size();
}

int FakeSmartIo::open(int driveIndex)
{
    const std::lock_guard<std::mutex> lock(m_mutex);
    const auto it = m_drives.constFind(driveIndex);
    if (it == m_drives.constEnd() || !it->openable)
        return -1;
    const int handle = m_nextHandle++;
    m_handles.insert(handle, driveIndex);
    return handle;
}

void FakeSmartIo::close(int handle)
{
    const std::lock_guard<std::mutex> lock(m_mutex);
    m_handles.remove(handle);
}

bool FakeSmartIo::deviceIoControl(int handle, quint32 code, const QByteArray &in, QByteArray *out)
{
    const std::lock_guard<std::mutex> lock(m_mutex);
    m_controls.append(code);
    m_inputs.append(in);
    const auto h = m_handles.constFind(handle);
    if (h == m_handles.constEnd() || !out)
        return false;
    const Drive d = m_drives.value(*h);

    if (code == SMART_GET_VERSION) {
        if (!d.getVersionOk || out->size() < getversion::Size)
            return false;
        out->fill('\0');
        (*out)[getversion::Version] = 1;
        (*out)[getversion::Revision] = 1;
        (*out)[getversion::IdeDeviceMap] = 1;
        writeU32(out, getversion::Capabilities, d.capabilities);
        return true;
    }
    if (in.size() < sendcmdin::Size - 1)
        return false;
    const quint8 command = quint8(in.at(sendcmdin::Command));
    const quint8 features = quint8(in.at(sendcmdin::Features));
    if (code == SMART_SEND_DRIVE_COMMAND) {
        if (command != SMART_CMD || features != ENABLE_SMART || !d.enableOk
            || out->size() < sendcmdout::HeadSize)
            return false;
        out->fill('\0');
        return true;
    }
    if (code != SMART_RCV_DRIVE_DATA || out->size() < sendcmdout::Size)
        return false;
    QByteArray page;
    bool ok = false;
    if (command == ID_CMD) {
        ok = d.identifyOk;
        page = d.identify;
    } else if (command == SMART_CMD && features == READ_ATTRIBUTES) {
        ok = d.attributesOk;
        page = d.attributes;
    } else if (command == SMART_CMD && features == READ_THRESHOLDS) {
        ok = d.thresholdsOk;
        page = d.thresholds;
    }
    if (!ok)
        return false;
    page = page.leftJustified(sendcmdout::DataSize, '\0', true);
    out->fill('\0');
    writeU32(out, sendcmdout::BufferSize, sendcmdout::DataSize);
    std::memcpy(out->data() + sendcmdout::Buffer, page.constData(), sendcmdout::DataSize);
    return true;
}

} // namespace plat
