#pragma once
// The Linux sources behind the WMI classes: one function per class, each in the file of its
// family. Each returns real data or VT_NULL properties, never invented values.

#include "sysroot.h"
#include "wmi.h"

namespace plat::sources {

QVector<wmi::Object> operatingSystem(const SysRoot &root); // Win32_OperatingSystem
QVector<wmi::Object> processors(const SysRoot &root); // Win32_Processor
QVector<wmi::Object> videoControllers(const SysRoot &root); // Win32_VideoController
QVector<wmi::Object> physicalMemory(const SysRoot &root); // Win32_PhysicalMemory
QVector<wmi::Object> physicalMemoryArray(const SysRoot &root); // Win32_PhysicalMemoryArray
QVector<wmi::Object> diskDrives(const SysRoot &root); // Win32_DiskDrive
QVector<wmi::Object> diskPartitions(const SysRoot &root); // Win32_DiskPartition
QVector<wmi::Object> cdromDrives(const SysRoot &root); // Win32_CDROMDrive
QVector<wmi::Object> baseBoard(const SysRoot &root); // Win32_BaseBoard
QVector<wmi::Object> bios(const SysRoot &root); // Win32_BIOS
QVector<wmi::Object> soundDevices(const SysRoot &root); // Win32_SoundDevice
QVector<wmi::Object> networkAdapters(const SysRoot &root); // Win32_NetworkAdapterConfiguration
QVector<wmi::Object> keyboards(const SysRoot &root); // Win32_Keyboard
QVector<wmi::Object> printers(const SysRoot &root); // Win32_Printer
QVector<wmi::Object> services(const SysRoot &root); // Win32_Service
QVector<wmi::Object> processes(const SysRoot &root); // Win32_Process
QVector<wmi::Object> tpms(const SysRoot &root); // Win32_Tpm (MicrosoftTpm namespace)

} // namespace plat::sources
