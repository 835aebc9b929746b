#include "codetables.h"

#include <QObject>

QString processorTypeText(qint32 code)
{
    switch (code) {
    case 1:
        return QObject::tr("Other");
    case 2:
        return QObject::tr("Unknown");
    case 3:
        return QStringLiteral("Central Processor");
    case 4:
        return QStringLiteral("Math Processor");
    case 5:
        return QStringLiteral("DSP Processor");
    case 6:
        return QStringLiteral("Video Processor");
    default:
        return QString();
    }
}

QString cpuStatusText(qint32 code)
{
    switch (code) {
    case 1:
        return QObject::tr("CPU Enabled");
    case 2:
        return QObject::tr("CPU Disabled by User via BIOS Setup");
    case 3:
        return QObject::tr("CPU Disabled By BIOS (POST Error)");
    case 4:
        return QObject::tr("CPU is Idle");
    case 5:
    case 6:
        return QObject::tr("Reserved");
    case 7:
        return QObject::tr("Other");
    default:
        return QObject::tr("Unknown");
    }
}

QString videoArchitectureText(qint32 code)
{
    switch (code) {
    case 1:
        return QStringLiteral("Other");
    case 3:
        return QStringLiteral("CGA");
    case 4:
        return QStringLiteral("EGA");
    case 5:
        return QStringLiteral("VGA");
    case 6:
        return QStringLiteral("SVGA");
    case 7:
        return QStringLiteral("MDA");
    case 8:
        return QStringLiteral("HGC");
    case 9:
        return QStringLiteral("MCGA");
    case 10:
        return QStringLiteral("8514A");
    case 11:
        return QStringLiteral("XGA");
    case 12:
        return QStringLiteral("Linear Frame Buffer");
    case 160:
        return QStringLiteral("PC-98");
    default:
        return QStringLiteral("Unknown");
    }
}

QString memoryFormFactorText(quint32 code)
{
    switch (code) {
    case 0:
        return QObject::tr("Unknown");
    case 1:
        return QObject::tr("Other");
    case 2:
        return QStringLiteral("SIP");
    case 3:
        return QStringLiteral("DIP");
    case 4:
        return QStringLiteral("ZIP");
    case 5:
        return QStringLiteral("SOJ");
    case 6:
        return QStringLiteral("Proprietary");
    case 7:
        return QStringLiteral("SIMM");
    case 8:
        return QStringLiteral("DIMM");
    case 9:
        return QStringLiteral("TSOP");
    case 10:
        return QStringLiteral("PGA");
    case 11:
        return QStringLiteral("RIMM");
    case 12:
        return QStringLiteral("SODIMM");
    case 13:
        return QStringLiteral("SRIMM");
    case 14:
        return QStringLiteral("SMD");
    case 15:
        return QStringLiteral("SSMP");
    case 16:
        return QStringLiteral("QFP");
    case 17:
        return QStringLiteral("TQFP");
    case 18:
        return QStringLiteral("SOIC");
    case 19:
        return QStringLiteral("LCC");
    case 20:
        return QStringLiteral("PLCC");
    case 21:
        return QStringLiteral("BGA");
    case 22:
        return QStringLiteral("FPBGA");
    case 23:
        return QStringLiteral("LGA");
    default:
        return QString();
    }
}

QString memoryTypeText(qint32 code)
{
    switch (code) {
    case 1:
        return QObject::tr("Other");
    case 2:
        return QStringLiteral("DRAM");
    case 3:
        return QStringLiteral("Synchronous DRAM");
    case 4:
        return QStringLiteral("Cache DRAM");
    case 5:
        return QStringLiteral("EDO");
    case 6:
        return QStringLiteral("EDRAM");
    case 7:
        return QStringLiteral("VRAM");
    case 8:
        return QStringLiteral("SRAM");
    case 9:
        return QStringLiteral("RAM");
    case 10:
        return QStringLiteral("ROM");
    case 11:
        return QStringLiteral("Flash");
    case 12:
        return QStringLiteral("EEPROM");
    case 13:
        return QStringLiteral("FEPROM");
    case 14:
        return QStringLiteral("EPROM");
    case 15:
        return QStringLiteral("CDRAM");
    case 16:
        return QStringLiteral("3DRAM");
    case 17:
        return QStringLiteral("SDRAM");
    case 18:
        return QStringLiteral("SGRAM");
    case 19:
        return QStringLiteral("RDRAM");
    case 20:
        return QStringLiteral("DDR");
    case 21:
        return QStringLiteral("DDR2");
    case 22:
        return QStringLiteral("DDR2 FB-DIMM");
    case 24:
        return QStringLiteral("DDR3");
    case 25:
        return QStringLiteral("FBD2");
    case 26:
        return QStringLiteral("DDR4");
    default:
        return QObject::tr("Unknown");
    }
}

QString memoryTypeDetailText(quint32 code)
{
    // Exact codes only: a combination of bits that is no row shows as its number.
    switch (code) {
    case 1:
        return QObject::tr("Reserved");
    case 2:
        return QObject::tr("Other");
    case 4:
        return QObject::tr("Unknown");
    case 8:
        return QStringLiteral("Fast-paged");
    case 16:
        return QStringLiteral("Static column");
    case 32:
        return QStringLiteral("Pseudo-static");
    case 64:
        return QStringLiteral("RAMBUS");
    case 128:
        return QStringLiteral("Synchronous");
    case 256:
        return QStringLiteral("CMOS");
    case 512:
        return QStringLiteral("EDO");
    case 1024:
        return QStringLiteral("Window DRAM");
    case 2048:
        return QStringLiteral("Cache DRAM");
    case 4096:
        return QStringLiteral("Non-volatile");
    case 16512:
        return QStringLiteral("Synchronous and Unbuffered (unregistered)");
    default:
        return QString::number(code);
    }
}

QString availabilityText(quint32 code)
{
    switch (code) {
    case 1:
        return QObject::tr("Other");
    case 2:
        return QObject::tr("Unknown");
    case 3:
        return QObject::tr("Running/Full Power");
    case 4:
        return QObject::tr("Warning");
    case 5:
        return QObject::tr("In Test");
    case 6:
        return QObject::tr("Not Applicable");
    case 7:
        return QObject::tr("Power Off");
    case 8:
        return QObject::tr("Off Line");
    case 9:
        return QObject::tr("Off Duty");
    case 10:
        return QObject::tr("Degraded");
    case 11:
        return QObject::tr("Not Installed");
    case 12:
        return QObject::tr("Install Error");
    case 13:
        return QObject::tr("Power Save - Unknown");
    case 14:
        return QObject::tr("Power Save - Low Power Mode");
    case 15:
        return QObject::tr("Power Save - Standby");
    case 16:
        return QObject::tr("Power Cycle");
    case 17:
        return QObject::tr("Power Save - Warning");
    case 18:
        return QObject::tr("Paused");
    case 19:
        return QObject::tr("Not Ready");
    case 20:
        return QObject::tr("Not Configured");
    case 21:
        return QObject::tr("Quiesced");
    default:
        return QString::number(code);
    }
}

QString configManagerErrorText(qint32 code)
{
    switch (code) {
    case 0:
        return QObject::tr("This device is working properly");
    case 1:
        return QObject::tr("This device is not configured correctly");
    case 2:
        return QObject::tr("Windows cannot load the driver for this device");
    case 3:
        return QObject::tr("The driver for this device might be corrupted, or your system may be "
                           "running low on memory or other resources");
    case 4:
        return QObject::tr("This device is not working properly. One of its drivers or your "
                           "registry might be corrupted");
    case 5:
        return QObject::tr(
            "The driver for this device needs a resource that Windows cannot manage");
    case 6:
        return QObject::tr("The boot configuration for this device conflicts with other devices");
    case 7:
        return QObject::tr("Cannot filter");
    case 8:
        return QObject::tr("The driver loader for the device is missing");
    case 9:
        return QObject::tr(
            "This device is not working properly because the controlling firmware is "
            "reporting the resources for the device incorrectly");
    case 10:
        return QObject::tr("This device cannot start");
    case 11:
        return QObject::tr("This device failed");
    case 12:
        return QObject::tr("This device cannot find enough free resources that it can use");
    case 13:
        return QObject::tr("Windows cannot verify this device's resources");
    case 14:
        return QObject::tr("This device cannot work properly until you restart your computer");
    case 15:
        return QObject::tr("This device is not working properly because there is probably a "
                           "re-enumeration problem");
    case 16:
        return QObject::tr("Windows cannot identify all the resources this device uses");
    case 17:
        return QObject::tr("This device is asking for an unknown resource type");
    case 18:
        return QObject::tr("Reinstall the drivers for this device");
    case 19:
        return QObject::tr("Failure using the VxD loader");
    case 20:
        return QObject::tr("Your registry might be corrupted");
    case 21:
        return QObject::tr("System failure: Try changing the driver for this device. If that does "
                           "not work, see your hardware documentation. Windows is removing this "
                           "device");
    case 22:
        return QObject::tr("This device is disabled");
    case 23:
        return QObject::tr("System failure: Try changing the driver for this device. If that "
                           "doesn't work, see your hardware documentation");
    case 24:
        return QObject::tr("This device is not present, is not working properly, or does not have "
                           "all its drivers installed");
    case 25:
    case 26:
        return QObject::tr("Windows is still setting up this device");
    case 27:
        return QObject::tr("This device does not have valid log configuration");
    case 28:
        return QObject::tr("The drivers for this device are not installed");
    case 29:
        return QObject::tr(
            "This device is disabled because the firmware of the device did not give "
            "it the required resources");
    case 30:
        return QObject::tr("This device is using an Interrupt Request (IRQ) resource that another "
                           "device is using");
    case 31:
        return QObject::tr("This device is not working properly because Windows cannot load the "
                           "drivers required for this device");
    default:
        return QObject::tr("Unknown");
    }
}

QString statusInfoText(quint32 code)
{
    switch (code) {
    case 1:
        return QObject::tr("Other");
    case 2:
        return QObject::tr("Unknown");
    case 3:
        return QObject::tr("Enabled");
    case 4:
        return QObject::tr("Disabled");
    case 5:
        return QObject::tr("Not Applicable");
    default:
        return QString::number(code);
    }
}
