#pragma once
// TPM 2.0 property parsing, shared by the Win32_Tpm source and its tests.

#include <QByteArray>
#include <QHash>
#include <QString>

namespace plat::tpm {

// TPM2_GetCapability(TPM_CAP_TPM_PROPERTIES, TPM_PT_FIXED, 64).
QByteArray fixedPropertiesCommand();

// Property/value pairs of a TPM2_GetCapability response; false on a short or failed response.
bool parseProperties(const QByteArray &response, QHash<quint32, quint32> *out);

// "2.0, 0, 1.59" from TPM_PT_REVISION (0x102); empty when absent.
QString specVersion(const QHash<quint32, quint32> &props);
// "7.2.1.0": TPM_PT_FIRMWARE_VERSION_1 and _2 (0x10B, 0x10C), each as hi16.lo16; empty when absent.
QString firmwareVersion(const QHash<quint32, quint32> &props);

} // namespace plat::tpm
