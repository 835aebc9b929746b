#pragma once
// A drive set for the S.M.A.R.T. reader: canned 512-byte pages per drive number, and a failure
// switch per control.

#include "platform/smartio.h"

#include <QMap>
#include <QVector>
#include <mutex>

namespace plat {

class FakeSmartIo : public SmartIo
{
public:
    struct Attribute
    {
        quint8 id = 0;
        quint16 flags = 0;
        quint8 value = 0;
        quint8 worst = 0;
        quint64 raw = 0; // six bytes are kept
    };
    struct Drive
    {
        bool openable = true;
        bool getVersionOk = true;
        quint8 capabilities = smart::CAP_ATA_ID_CMD | smart::CAP_SMART_CMD;
        bool enableOk = true;
        bool identifyOk = true;
        bool attributesOk = true;
        bool thresholdsOk = true;
        QByteArray identify; // 512 bytes
        QByteArray attributes; // 512 bytes
        QByteArray thresholds; // 512 bytes
    };

    void setDrive(int index, const Drive &drive);
    Drive drive(int index) const;

    // Page builders with the drive's layouts: IDENTIFY strings are stored byte-swapped per word
    // as drives send them; attribute and threshold pages hold 30 entries of 12 bytes from offset 2.
    static QByteArray identifyPage(const QString &model, const QString &serial,
                                   const QString &firmware, bool smartSupported = true);
    static QByteArray attributePage(const QVector<Attribute> &attributes);
    // (id, threshold) pairs.
    static QByteArray thresholdPage(const QVector<QPair<quint8, quint8>> &thresholds);

    // Calls seen: the control codes in order, and handles still open.
    QVector<quint32> controls() const;
    QVector<QByteArray> inputs() const;
    int openHandles() const;

    int open(int driveIndex) override;
    bool deviceIoControl(int handle, quint32 code, const QByteArray &in, QByteArray *out) override;
    void close(int handle) override;

private:
    mutable std::mutex m_mutex;
    QMap<int, Drive> m_drives;
    QMap<int, int> m_handles; // handle -> drive index
    int m_nextHandle = 100;
    QVector<quint32> m_controls;
    QVector<QByteArray> m_inputs;
};

} // namespace plat
