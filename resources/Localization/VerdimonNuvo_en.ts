<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>QObject</name>
    <message>
        <source>The server did not complete its reply within %1 seconds.</source>
        <translation>The server did not complete its reply within %1 seconds.</translation>
    </message>
    <message>
        <source>The server&apos;s reply is larger than %1 and was refused.</source>
        <translation>The server&apos;s reply is larger than %1 and was refused.</translation>
    </message>
    <message>
        <source>The server&apos;s reply is not a picture.</source>
        <translation>The server&apos;s reply is not a picture.</translation>
    </message>
    <message>
        <source>The server&apos;s reply headers are larger than %1 and were refused.</source>
        <translation>The server&apos;s reply headers are larger than %1 and were refused.</translation>
    </message>
    <message>
        <source>The server&apos;s reply is in an encoding that was not asked for and was refused.</source>
        <translation>The server&apos;s reply is in an encoding that was not asked for and was refused.</translation>
    </message>
    <message>
        <source>The server&apos;s reply ended after %1 of the %2 bytes it announced.</source>
        <translation>The server&apos;s reply ended after %1 of the %2 bytes it announced.</translation>
    </message>
    <message>
        <source>The server&apos;s reply is not a captcha.</source>
        <translation>The server&apos;s reply is not a captcha.</translation>
    </message>
    <message>
        <source>The picture from the server is too large (%1 x %2 pixels).</source>
        <translation>The picture from the server is too large (%1 x %2 pixels).</translation>
    </message>
    <message>
        <source>Failed to copy the font</source>
        <translation>Failed to copy the font</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>No localization file was found!</source>
        <translation>No localization file was found!</translation>
    </message>
    <message>
        <source>Reinstall the application to fix this problem.</source>
        <translation>Reinstall the application to fix this problem.</translation>
    </message>
    <message>
        <source>The program could not be started: it is not a program this system can run, or the system is out of resources.</source>
        <translation>The program could not be started: it is not a program this system can run, or the system is out of resources.</translation>
    </message>
    <message>
        <source>The specified file was not found.</source>
        <translation>The specified file was not found.</translation>
    </message>
    <message>
        <source>The specified path was not found.</source>
        <translation>The specified path was not found.</translation>
    </message>
    <message>
        <source>The operating system denied access to the specified file.</source>
        <translation>The operating system denied access to the specified file.</translation>
    </message>
    <message>
        <source>There was not enough memory to complete the operation.</source>
        <translation>There was not enough memory to complete the operation.</translation>
    </message>
    <message>
        <source>The .exe file is invalid (non-Win32 .exe or error in .exe image).</source>
        <translation>The .exe file is invalid (non-Win32 .exe or error in .exe image).</translation>
    </message>
    <message>
        <source>A sharing violation occurred.</source>
        <translation>A sharing violation occurred.</translation>
    </message>
    <message>
        <source>The file name association is incomplete or invalid.</source>
        <translation>The file name association is incomplete or invalid.</translation>
    </message>
    <message>
        <source>The DDE transaction could not be completed because the request timed out.</source>
        <translation>The DDE transaction could not be completed because the request timed out.</translation>
    </message>
    <message>
        <source>The DDE transaction failed.</source>
        <translation>The DDE transaction failed.</translation>
    </message>
    <message>
        <source>The DDE transaction could not be completed because other DDE transactions were being processed.</source>
        <translation>The DDE transaction could not be completed because other DDE transactions were being processed.</translation>
    </message>
    <message>
        <source>No application is set to open this type of file or folder, or the desktop&apos;s opener (xdg-open) is not installed.</source>
        <translation>No application is set to open this type of file or folder, or the desktop&apos;s opener (xdg-open) is not installed.</translation>
    </message>
    <message>
        <source>The specified DLL was not found.</source>
        <translation>The specified DLL was not found.</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Unknown</translation>
    </message>
    <message>
        <source>Unexpected error has occurred! Do you want to submit the feedback?</source>
        <translation>Unexpected error has occurred! Do you want to submit the feedback?</translation>
    </message>
    <message>
        <source>No network connection has been found!</source>
        <translation>No network connection has been found!</translation>
    </message>
    <message>
        <source>Check for update has been skipped!</source>
        <translation>Check for update has been skipped!</translation>
    </message>
    <message>
        <source>Failed to check for the updates!</source>
        <translation>Failed to check for the updates!</translation>
    </message>
    <message>
        <source>Error code:</source>
        <translation>Error code:</translation>
    </message>
    <message>
        <source>Failed to resume the WMI service!</source>
        <translation>Failed to resume the WMI service!</translation>
    </message>
    <message>
        <source>Failed to start the WMI service!</source>
        <translation>Failed to start the WMI service!</translation>
    </message>
    <message>
        <source>Failed to remove the old build!</source>
        <translation>Failed to remove the old build!</translation>
    </message>
    <message>
        <source>Build</source>
        <translation>Build</translation>
    </message>
    <message>
        <source>Attention</source>
        <translation>Attention</translation>
    </message>
    <message>
        <source>Do you want to open another instance?</source>
        <translation>Do you want to open another instance?</translation>
    </message>
    <message>
        <source>Collecting information:</source>
        <translation>Collecting information:</translation>
    </message>
    <message>
        <source>Development</source>
        <translation>Development</translation>
    </message>
    <message>
        <source>Insider</source>
        <translation>Insider</translation>
    </message>
    <message>
        <source>Beta</source>
        <translation>Beta</translation>
    </message>
    <message>
        <source>Release</source>
        <translation>Release</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>unknown</translation>
    </message>
    <message>
        <source>last updates checked on</source>
        <translation>last updates checked on</translation>
    </message>
    <message>
        <source>Unable to change theme!</source>
        <translation>Unable to change theme!</translation>
    </message>
    <message>
        <source>Unable to set theme. File is not found!</source>
        <translation>Unable to set theme. File is not found!</translation>
    </message>
    <message>
        <source>theme change was not applied</source>
        <translation>theme change was not applied</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Other</translation>
    </message>
    <message>
        <source>CPU Enabled</source>
        <translation>CPU Enabled</translation>
    </message>
    <message>
        <source>CPU Disabled by User via BIOS Setup</source>
        <translation>CPU Disabled by User via BIOS Setup</translation>
    </message>
    <message>
        <source>CPU Disabled By BIOS (POST Error)</source>
        <translation>CPU Disabled By BIOS (POST Error)</translation>
    </message>
    <message>
        <source>CPU is Idle</source>
        <translation>CPU is Idle</translation>
    </message>
    <message>
        <source>Reserved</source>
        <translation>Reserved</translation>
    </message>
    <message>
        <source>Running/Full Power</source>
        <translation>Running/Full Power</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>In Test</source>
        <translation>In Test</translation>
    </message>
    <message>
        <source>Not Applicable</source>
        <translation>Not Applicable</translation>
    </message>
    <message>
        <source>Power Off</source>
        <translation>Power Off</translation>
    </message>
    <message>
        <source>Off Line</source>
        <translation>Off Line</translation>
    </message>
    <message>
        <source>Off Duty</source>
        <translation>Off Duty</translation>
    </message>
    <message>
        <source>Degraded</source>
        <translation>Degraded</translation>
    </message>
    <message>
        <source>Not Installed</source>
        <translation>Not Installed</translation>
    </message>
    <message>
        <source>Install Error</source>
        <translation>Install Error</translation>
    </message>
    <message>
        <source>Power Save - Unknown</source>
        <translation>Power Save - Unknown</translation>
    </message>
    <message>
        <source>Power Save - Low Power Mode</source>
        <translation>Power Save - Low Power Mode</translation>
    </message>
    <message>
        <source>Power Save - Standby</source>
        <translation>Power Save - Standby</translation>
    </message>
    <message>
        <source>Power Cycle</source>
        <translation>Power Cycle</translation>
    </message>
    <message>
        <source>Power Save - Warning</source>
        <translation>Power Save - Warning</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Paused</translation>
    </message>
    <message>
        <source>Not Ready</source>
        <translation>Not Ready</translation>
    </message>
    <message>
        <source>Not Configured</source>
        <translation>Not Configured</translation>
    </message>
    <message>
        <source>Quiesced</source>
        <translation>Quiesced</translation>
    </message>
    <message>
        <source>This device is working properly</source>
        <translation>This device is working properly</translation>
    </message>
    <message>
        <source>This device is not configured correctly</source>
        <translation>This device is not configured correctly</translation>
    </message>
    <message>
        <source>Windows cannot load the driver for this device</source>
        <translation>Windows cannot load the driver for this device</translation>
    </message>
    <message>
        <source>The driver for this device might be corrupted, or your system may be running low on memory or other resources</source>
        <translation>The driver for this device might be corrupted, or your system may be running low on memory or other resources</translation>
    </message>
    <message>
        <source>This device is not working properly. One of its drivers or your registry might be corrupted</source>
        <translation>This device is not working properly. One of its drivers or your registry might be corrupted</translation>
    </message>
    <message>
        <source>The driver for this device needs a resource that Windows cannot manage</source>
        <translation>The driver for this device needs a resource that Windows cannot manage</translation>
    </message>
    <message>
        <source>The boot configuration for this device conflicts with other devices</source>
        <translation>The boot configuration for this device conflicts with other devices</translation>
    </message>
    <message>
        <source>Cannot filter</source>
        <translation>Cannot filter</translation>
    </message>
    <message>
        <source>The driver loader for the device is missing</source>
        <translation>The driver loader for the device is missing</translation>
    </message>
    <message>
        <source>This device is not working properly because the controlling firmware is reporting the resources for the device incorrectly</source>
        <translation>This device is not working properly because the controlling firmware is reporting the resources for the device incorrectly</translation>
    </message>
    <message>
        <source>This device cannot start</source>
        <translation>This device cannot start</translation>
    </message>
    <message>
        <source>This device failed</source>
        <translation>This device failed</translation>
    </message>
    <message>
        <source>This device cannot find enough free resources that it can use</source>
        <translation>This device cannot find enough free resources that it can use</translation>
    </message>
    <message>
        <source>Windows cannot verify this device&apos;s resources</source>
        <translation>Windows cannot verify this device&apos;s resources</translation>
    </message>
    <message>
        <source>This device cannot work properly until you restart your computer</source>
        <translation>This device cannot work properly until you restart your computer</translation>
    </message>
    <message>
        <source>This device is not working properly because there is probably a re-enumeration problem</source>
        <translation>This device is not working properly because there is probably a re-enumeration problem</translation>
    </message>
    <message>
        <source>Windows cannot identify all the resources this device uses</source>
        <translation>Windows cannot identify all the resources this device uses</translation>
    </message>
    <message>
        <source>This device is asking for an unknown resource type</source>
        <translation>This device is asking for an unknown resource type</translation>
    </message>
    <message>
        <source>Reinstall the drivers for this device</source>
        <translation>Reinstall the drivers for this device</translation>
    </message>
    <message>
        <source>Failure using the VxD loader</source>
        <translation>Failure using the VxD loader</translation>
    </message>
    <message>
        <source>Your registry might be corrupted</source>
        <translation>Your registry might be corrupted</translation>
    </message>
    <message>
        <source>System failure: Try changing the driver for this device. If that does not work, see your hardware documentation. Windows is removing this device</source>
        <translation>System failure: Try changing the driver for this device. If that does not work, see your hardware documentation. Windows is removing this device</translation>
    </message>
    <message>
        <source>This device is disabled</source>
        <translation>This device is disabled</translation>
    </message>
    <message>
        <source>System failure: Try changing the driver for this device. If that doesn&apos;t work, see your hardware documentation</source>
        <translation>System failure: Try changing the driver for this device. If that doesn&apos;t work, see your hardware documentation</translation>
    </message>
    <message>
        <source>This device is not present, is not working properly, or does not have all its drivers installed</source>
        <translation>This device is not present, is not working properly, or does not have all its drivers installed</translation>
    </message>
    <message>
        <source>Windows is still setting up this device</source>
        <translation>Windows is still setting up this device</translation>
    </message>
    <message>
        <source>This device does not have valid log configuration</source>
        <translation>This device does not have valid log configuration</translation>
    </message>
    <message>
        <source>The drivers for this device are not installed</source>
        <translation>The drivers for this device are not installed</translation>
    </message>
    <message>
        <source>This device is disabled because the firmware of the device did not give it the required resources</source>
        <translation>This device is disabled because the firmware of the device did not give it the required resources</translation>
    </message>
    <message>
        <source>This device is using an Interrupt Request (IRQ) resource that another device is using</source>
        <translation>This device is using an Interrupt Request (IRQ) resource that another device is using</translation>
    </message>
    <message>
        <source>This device is not working properly because Windows cannot load the drivers required for this device</source>
        <translation>This device is not working properly because Windows cannot load the drivers required for this device</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Enabled</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>Disabled</translation>
    </message>
    <message>
        <source>Raw Read Error Rate</source>
        <translation>Raw Read Error Rate</translation>
    </message>
    <message>
        <source>Throughput Performance</source>
        <translation>Throughput Performance</translation>
    </message>
    <message>
        <source>Spin Up Time</source>
        <translation>Spin Up Time</translation>
    </message>
    <message>
        <source>Start/Stop Count</source>
        <translation>Start/Stop Count</translation>
    </message>
    <message>
        <source>Reallocated Sectors Count</source>
        <translation>Reallocated Sectors Count</translation>
    </message>
    <message>
        <source>Read Channel Margin</source>
        <translation>Read Channel Margin</translation>
    </message>
    <message>
        <source>Seek Error Rate</source>
        <translation>Seek Error Rate</translation>
    </message>
    <message>
        <source>Seek Time Performance</source>
        <translation>Seek Time Performance</translation>
    </message>
    <message>
        <source>Power-On Hours</source>
        <translation>Power-On Hours</translation>
    </message>
    <message>
        <source>Spin Retry Count</source>
        <translation>Spin Retry Count</translation>
    </message>
    <message>
        <source>Recalibration Retries</source>
        <translation>Recalibration Retries</translation>
    </message>
    <message>
        <source>Device Power Cycle Count</source>
        <translation>Device Power Cycle Count</translation>
    </message>
    <message>
        <source>Soft Read Error Rate</source>
        <translation>Soft Read Error Rate</translation>
    </message>
    <message>
        <source>Load/Unload Cycle Count</source>
        <translation>Load/Unload Cycle Count</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Temperature</translation>
    </message>
    <message>
        <source>Reallocation Event Count</source>
        <translation>Reallocation Event Count</translation>
    </message>
    <message>
        <source>Current Pending Sector Count</source>
        <translation>Current Pending Sector Count</translation>
    </message>
    <message>
        <source>Uncorrectable Sector Count</source>
        <translation>Uncorrectable Sector Count</translation>
    </message>
    <message>
        <source>UltraDMA CRC Error Count</source>
        <translation>UltraDMA CRC Error Count</translation>
    </message>
    <message>
        <source>Write Error Rate (Multi Zone Error Rate)</source>
        <translation>Write Error Rate (Multi Zone Error Rate)</translation>
    </message>
    <message>
        <source>Disk Shift</source>
        <translation>Disk Shift</translation>
    </message>
    <message>
        <source>G-Sense Error Rate</source>
        <translation>G-Sense Error Rate</translation>
    </message>
    <message>
        <source>Loaded Hours</source>
        <translation>Loaded Hours</translation>
    </message>
    <message>
        <source>Load/Unload Retry Count</source>
        <translation>Load/Unload Retry Count</translation>
    </message>
    <message>
        <source>Load Friction</source>
        <translation>Load Friction</translation>
    </message>
    <message>
        <source>Load-in Time</source>
        <translation>Load-in Time</translation>
    </message>
    <message>
        <source>Torque Amplification Count</source>
        <translation>Torque Amplification Count</translation>
    </message>
    <message>
        <source>Power-Off Retract Count</source>
        <translation>Power-Off Retract Count</translation>
    </message>
    <message>
        <source>GMR Head Amplitude</source>
        <translation>GMR Head Amplitude</translation>
    </message>
    <message>
        <source>This attribute value depends of read errors, disk surface condition and indicates the rate of hardware read errors that occurred when reading data from a disk surface. Lower values indicate that there is a problem with either disk surface or read/write heads</source>
        <translation>This attribute value depends of read errors, disk surface condition and indicates the rate of hardware read errors that occurred when reading data from a disk surface. Lower values indicate that there is a problem with either disk surface or read/write heads</translation>
    </message>
    <message>
        <source>Overall (general) throughput performance of a hard disk drive. If the value of this attribute is deceasing there is a high probability of troubles with your disk.</source>
        <translation>Overall (general) throughput performance of a hard disk drive. If the value of this attribute is deceasing there is a high probability of troubles with your disk.</translation>
    </message>
    <message>
        <source>Average time of spindle spin up (from zero RPM (Revolutions Per Minute) to fully operational). Active SMART shows the data value of this attribute in milliseconds or seconds.</source>
        <translation>Average time of spindle spin up (from zero RPM (Revolutions Per Minute) to fully operational). Active SMART shows the data value of this attribute in milliseconds or seconds.</translation>
    </message>
    <message>
        <source>This data value of this attribute is a count of hard disk spindle start/stop cycles</source>
        <translation>This data value of this attribute is a count of hard disk spindle start/stop cycles</translation>
    </message>
    <message>
        <source>Count of reallocated sectors. When the hard drive finds a read/write/verification error, it marks this sector as &quot;reallocated&quot; and transfers data to a special reserved area (spare area). This process is also known as remapping and &quot;reallocated&quot; sectors are called remaps. This is why, on a modern hard disks, you can not see &quot;bad blocks&quot; while testing the surface - all bad blocks are hidden in reallocated sectors. However, the more sectors that are reallocated, the more a sudden decrease (up to 10% and more) can be noticed in the disk read/write speed.</source>
        <translation>Count of reallocated sectors. When the hard drive finds a read/write/verification error, it marks this sector as &quot;reallocated&quot; and transfers data to a special reserved area (spare area). This process is also known as remapping and &quot;reallocated&quot; sectors are called remaps. This is why, on a modern hard disks, you can not see &quot;bad blocks&quot; while testing the surface - all bad blocks are hidden in reallocated sectors. However, the more sectors that are reallocated, the more a sudden decrease (up to 10% and more) can be noticed in the disk read/write speed.</translation>
    </message>
    <message>
        <source>Margin of a channel while reading data. The function of this attribute is not specified.</source>
        <translation>Margin of a channel while reading data. The function of this attribute is not specified.</translation>
    </message>
    <message>
        <source>Rate of seek errors of the magnetic heads. If there is a failure in the mechanical positioning system, a servo damage or a thermal widening of the hard disk, seek errors arise. More seek errors indicates a worsening condition of a disk surface and the disk mechanical subsystem.</source>
        <translation>Rate of seek errors of the magnetic heads. If there is a failure in the mechanical positioning system, a servo damage or a thermal widening of the hard disk, seek errors arise. More seek errors indicates a worsening condition of a disk surface and the disk mechanical subsystem.</translation>
    </message>
    <message>
        <source>Average performance of seek operations of the magnetic heads. If this attribute is decreasing, it is a sign of problems in the hard disk drive mechanical subsystem.</source>
        <translation>Average performance of seek operations of the magnetic heads. If this attribute is decreasing, it is a sign of problems in the hard disk drive mechanical subsystem.</translation>
    </message>
    <message>
        <source>Count of hours in power-on state. The data value of this attribute shows total count of hours (or minutes, or seconds, depending on manufacturer) in power-on state. A decrease of this attribute value to the critical level (threshold) indicates a decrease of the MTBF (Mean Time Between Failures). However, in reality, even if the MTBF value falls to zero, it does not mean that the MTBF resource is completely exhausted and the drive will not function normally.</source>
        <translation>Count of hours in power-on state. The data value of this attribute shows total count of hours (or minutes, or seconds, depending on manufacturer) in power-on state. A decrease of this attribute value to the critical level (threshold) indicates a decrease of the MTBF (Mean Time Between Failures). However, in reality, even if the MTBF value falls to zero, it does not mean that the MTBF resource is completely exhausted and the drive will not function normally.</translation>
    </message>
    <message>
        <source>Count of retry of spin start attempts. This attribute stores a total count of the spin start attempts to reach the fully operational speed (under the condition that the first attempt was unsuccessful). A decrease of this attribute value is a sign of problems in the hard disk mechanical subsystem.</source>
        <translation>Count of retry of spin start attempts. This attribute stores a total count of the spin start attempts to reach the fully operational speed (under the condition that the first attempt was unsuccessful). A decrease of this attribute value is a sign of problems in the hard disk mechanical subsystem.</translation>
    </message>
    <message>
        <source>This attribute indicates the number of times recalibration was requested (under the condition that the first attempt was unsuccessful). A decrease of this attribute value is a sign of problems in the hard disk mechanical subsystem.</source>
        <translation>This attribute indicates the number of times recalibration was requested (under the condition that the first attempt was unsuccessful). A decrease of this attribute value is a sign of problems in the hard disk mechanical subsystem.</translation>
    </message>
    <message>
        <source>This attribute indicates the count of full hard disk power on/off cycles.</source>
        <translation>This attribute indicates the count of full hard disk power on/off cycles.</translation>
    </message>
    <message>
        <source>This is the rate of &quot;program&quot; read errors occurring when reading data from a disk surface.</source>
        <translation>This is the rate of &quot;program&quot; read errors occurring when reading data from a disk surface.</translation>
    </message>
    <message>
        <source>Count of load/unload cycles into Landing Zone position. For more info see the Head Load/Unload Technology description.</source>
        <translation>Count of load/unload cycles into Landing Zone position. For more info see the Head Load/Unload Technology description.</translation>
    </message>
    <message>
        <source>Hard disk drive temperature. The data value of this attribute shows built-in heat sensor registrations (in degrees centigrade).</source>
        <translation>Hard disk drive temperature. The data value of this attribute shows built-in heat sensor registrations (in degrees centigrade).</translation>
    </message>
    <message>
        <source>Count of remap operations (transfering data from a bad sector to a special reserved disk area - spare area). The data value of this attribute shows the total number of attempts to transfer data from reallocated sectors to a spare area. Unsuccessful attempts are counted as well as successful.</source>
        <translation>Count of remap operations (transfering data from a bad sector to a special reserved disk area - spare area). The data value of this attribute shows the total number of attempts to transfer data from reallocated sectors to a spare area. Unsuccessful attempts are counted as well as successful.</translation>
    </message>
    <message>
        <source>Current count of unstable sectors (waiting for remapping). The data value of this attribute indicates the total number of sectors waiting for remapping. Later, when some of these sectors are read successfully, the value is decreased. If errors still occur when reading some sector, the hard drive will try to restore the data, transfer it to the reserved disk area (spare area) and mark this sector as remapped. If this attribute value remains at zero, it indicates that the quality of the corresponding surface area is low.</source>
        <translation>Current count of unstable sectors (waiting for remapping). The data value of this attribute indicates the total number of sectors waiting for remapping. Later, when some of these sectors are read successfully, the value is decreased. If errors still occur when reading some sector, the hard drive will try to restore the data, transfer it to the reserved disk area (spare area) and mark this sector as remapped. If this attribute value remains at zero, it indicates that the quality of the corresponding surface area is low.</translation>
    </message>
    <message>
        <source>Quantity of uncorrectable errors. The data value of this attribute indicates the total number of uncorrectable errors when reading/writing a sector. A rise in the value of this attribute indicates that there are evident defects of the disk surface and/or there are problems in the hard disk drive mechanical subsystem.</source>
        <translation>Quantity of uncorrectable errors. The data value of this attribute indicates the total number of uncorrectable errors when reading/writing a sector. A rise in the value of this attribute indicates that there are evident defects of the disk surface and/or there are problems in the hard disk drive mechanical subsystem.</translation>
    </message>
    <message>
        <source>The total quantity of CRC errors during UltraDMA mode. The data value of this attribute indicates the number of errors found during data transfer in UltraDMA mode by ICRC (Interface CRC).</source>
        <translation>The total quantity of CRC errors during UltraDMA mode. The data value of this attribute indicates the number of errors found during data transfer in UltraDMA mode by ICRC (Interface CRC).</translation>
    </message>
    <message>
        <source>Write data errors rate. This attribute indicates the total number of errors found when writing a sector. The higher the data value, the worse the disk surface condition and/or mechanical subsystem is.</source>
        <translation>Write data errors rate. This attribute indicates the total number of errors found when writing a sector. The higher the data value, the worse the disk surface condition and/or mechanical subsystem is.</translation>
    </message>
    <message>
        <source>Shift of disks towards spindle. The data value of this attribute indicates how much the disk has shifted. Shift of disks is possible as a result of a strong shock or a fall, or for other reasons.</source>
        <translation>Shift of disks towards spindle. The data value of this attribute indicates how much the disk has shifted. Shift of disks is possible as a result of a strong shock or a fall, or for other reasons.</translation>
    </message>
    <message>
        <source>Rate of errors occurring as a result of impact loads. This attribute stores an indication of a shock-sensitive sensor, that is, the total quantity of errors occurring as a result of internal impact loads (dropping drive, wrong installation, etc.).</source>
        <translation>Rate of errors occurring as a result of impact loads. This attribute stores an indication of a shock-sensitive sensor, that is, the total quantity of errors occurring as a result of internal impact loads (dropping drive, wrong installation, etc.).</translation>
    </message>
    <message>
        <source>Loading on magnetic heads actuator caused by the general operating time. Only time when the actuator was in the operating position is counted.</source>
        <translation>Loading on magnetic heads actuator caused by the general operating time. Only time when the actuator was in the operating position is counted.</translation>
    </message>
    <message>
        <source>Loading on magnetic heads actuator caused by numerous recurrences of operations like: reading, recording, positioning of heads, etc. Only the time when heads were in the operating position is counted.</source>
        <translation>Loading on magnetic heads actuator caused by numerous recurrences of operations like: reading, recording, positioning of heads, etc. Only the time when heads were in the operating position is counted.</translation>
    </message>
    <message>
        <source>Loading on magnetic heads actuator caused by friction in mechanical parts of the store. Only the time when heads were in the operating position is counted.</source>
        <translation>Loading on magnetic heads actuator caused by friction in mechanical parts of the store. Only the time when heads were in the operating position is counted.</translation>
    </message>
    <message>
        <source>Total time of loading on the magnetic heads actuator. This attribute indicates total time in which the drive was under load (on the assumption that the magnetic heads were in operating mode and out of the parking area).</source>
        <translation>Total time of loading on the magnetic heads actuator. This attribute indicates total time in which the drive was under load (on the assumption that the magnetic heads were in operating mode and out of the parking area).</translation>
    </message>
    <message>
        <source>Count of efforts of the rotating moment of a drive.</source>
        <translation>Count of efforts of the rotating moment of a drive.</translation>
    </message>
    <message>
        <source>This attribute shows a count of the number of times the drive was powered down.</source>
        <translation>This attribute shows a count of the number of times the drive was powered down.</translation>
    </message>
    <message>
        <source>Amplitude of heads trembling (GMR-head) in running mode.</source>
        <translation>Amplitude of heads trembling (GMR-head) in running mode.</translation>
    </message>
    <message>
        <source>Failed to initialize COM library. Error code:</source>
        <translation>Failed to initialize COM library. Error code:</translation>
    </message>
    <message>
        <source>Failed to create IWbemLocator object. Error code:</source>
        <translation>Failed to create IWbemLocator object. Error code:</translation>
    </message>
    <message>
        <source>Could not connect. Error code:</source>
        <translation>Could not connect. Error code:</translation>
    </message>
    <message>
        <source>Could not set proxy blanket. Error code:</source>
        <translation>Could not set proxy blanket. Error code:</translation>
    </message>
    <message>
        <source>Query for processes failed. Error code:</source>
        <translation>Query for processes failed. Error code:</translation>
    </message>
    <message>
        <source>True</source>
        <translation>True</translation>
    </message>
    <message>
        <source>False</source>
        <translation>False</translation>
    </message>
    <message>
        <source>MHz</source>
        <translation>MHz</translation>
    </message>
    <message>
        <source>GHz</source>
        <translation>GHz</translation>
    </message>
    <message>
        <source>KB</source>
        <translation>KB</translation>
    </message>
    <message>
        <source>MB</source>
        <translation>MB</translation>
    </message>
    <message>
        <source>-based processor</source>
        <translation>-based processor</translation>
    </message>
    <message>
        <source>-volt</source>
        <translation>-volt</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Number of logical processors</source>
        <translation>Number of logical processors</translation>
    </message>
    <message>
        <source>Max frequency</source>
        <translation>Max frequency</translation>
    </message>
    <message>
        <source>Socket</source>
        <translation>Socket</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>L2 cache</source>
        <translation>L2 cache</translation>
    </message>
    <message>
        <source>L3 cache</source>
        <translation>L3 cache</translation>
    </message>
    <message>
        <source>Architecture</source>
        <translation>Architecture</translation>
    </message>
    <message>
        <source>Manufacturer</source>
        <translation>Manufacturer</translation>
    </message>
    <message>
        <source>Current frequency</source>
        <translation>Current frequency</translation>
    </message>
    <message>
        <source>Family</source>
        <translation>Family</translation>
    </message>
    <message>
        <source>Cores</source>
        <translation>Cores</translation>
    </message>
    <message>
        <source>Thread count</source>
        <translation>Thread count</translation>
    </message>
    <message>
        <source>Revision</source>
        <translation>Revision</translation>
    </message>
    <message>
        <source>Device ID</source>
        <translation>Device ID</translation>
    </message>
    <message>
        <source>Current voltage</source>
        <translation>Current voltage</translation>
    </message>
    <message>
        <source>Role</source>
        <translation>Role</translation>
    </message>
    <message>
        <source>Processor type</source>
        <translation>Processor type</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Load</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Level</translation>
    </message>
    <message>
        <source>Part number</source>
        <translation>Part number</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>Current status</source>
        <translation>Current status</translation>
    </message>
    <message>
        <source>GB</source>
        <translation>GB</translation>
    </message>
    <message>
        <source>pixels</source>
        <translation>pixels</translation>
    </message>
    <message>
        <source>Memory</source>
        <translation>Memory</translation>
    </message>
    <message>
        <source>Driver version</source>
        <translation>Driver version</translation>
    </message>
    <message>
        <source>Driver install date</source>
        <translation>Driver install date</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>Resolution</translation>
    </message>
    <message>
        <source>Monitor BPP</source>
        <translation>Monitor BPP</translation>
    </message>
    <message>
        <source>bits</source>
        <translation>bits</translation>
    </message>
    <message>
        <source>DAC type</source>
        <translation>DAC type</translation>
    </message>
    <message>
        <source>Monitor frequency</source>
        <translation>Monitor frequency</translation>
    </message>
    <message>
        <source>Hz</source>
        <translation>Hz</translation>
    </message>
    <message>
        <source>Monitor width</source>
        <translation>Monitor width</translation>
    </message>
    <message>
        <source>Monitor height</source>
        <translation>Monitor height</translation>
    </message>
    <message>
        <source>Max refresh rate</source>
        <translation>Max refresh rate</translation>
    </message>
    <message>
        <source>Min refresh rate</source>
        <translation>Min refresh rate</translation>
    </message>
    <message>
        <source>PNP Device ID</source>
        <translation>PNP Device ID</translation>
    </message>
    <message>
        <source>Display drivers</source>
        <translation>Display drivers</translation>
    </message>
    <message>
        <source>Video architecture</source>
        <translation>Video architecture</translation>
    </message>
    <message>
        <source>-EncryptionBit</source>
        <translation>-EncryptionBit</translation>
    </message>
    <message>
        <source>Computer name</source>
        <translation>Computer name</translation>
    </message>
    <message>
        <source>Partition name</source>
        <translation>Partition name</translation>
    </message>
    <message>
        <source>Product ID</source>
        <translation>Product ID</translation>
    </message>
    <message>
        <source>System drive</source>
        <translation>System drive</translation>
    </message>
    <message>
        <source>System directory</source>
        <translation>System directory</translation>
    </message>
    <message>
        <source>Number of processes</source>
        <translation>Number of processes</translation>
    </message>
    <message>
        <source>Registered user</source>
        <translation>Registered user</translation>
    </message>
    <message>
        <source>Operating system directory</source>
        <translation>Operating system directory</translation>
    </message>
    <message>
        <source>Primary</source>
        <translation>Primary</translation>
    </message>
    <message>
        <source>Last boot up time</source>
        <translation>Last boot up time</translation>
    </message>
    <message>
        <source>Locale</source>
        <translation>Locale</translation>
    </message>
    <message>
        <source>Install date</source>
        <translation>Install date</translation>
    </message>
    <message>
        <source>Boot device</source>
        <translation>Boot device</translation>
    </message>
    <message>
        <source>Country code</source>
        <translation>Country code</translation>
    </message>
    <message>
        <source>Number of users</source>
        <translation>Number of users</translation>
    </message>
    <message>
        <source>System device</source>
        <translation>System device</translation>
    </message>
    <message>
        <source>Max process memory size</source>
        <translation>Max process memory size</translation>
    </message>
    <message>
        <source>Encryption level</source>
        <translation>Encryption level</translation>
    </message>
    <message>
        <source>Kernel type</source>
        <translation>Kernel type</translation>
    </message>
    <message>
        <source>Unknown RAM capacity</source>
        <translation>Unknown RAM capacity</translation>
    </message>
    <message>
        <source>Slots</source>
        <translation>Slots</translation>
    </message>
    <message>
        <source>Total capacity</source>
        <translation>Total capacity</translation>
    </message>
    <message>
        <source>Slot</source>
        <translation>Slot</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Frequency</translation>
    </message>
    <message>
        <source>Capacity</source>
        <translation>Capacity</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Form factor</source>
        <translation>Form factor</translation>
    </message>
    <message>
        <source>Data width</source>
        <translation>Data width</translation>
    </message>
    <message>
        <source>Memory type</source>
        <translation>Memory type</translation>
    </message>
    <message>
        <source>Represented type of physical memory</source>
        <translation>Represented type of physical memory</translation>
    </message>
    <message>
        <source>Memory location</source>
        <translation>Memory location</translation>
    </message>
    <message>
        <source>Tag</source>
        <translation>Tag</translation>
    </message>
    <message>
        <source>Bytes Per Sector</source>
        <translation>Bytes Per Sector</translation>
    </message>
    <message>
        <source>bytes</source>
        <translation>bytes</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>Firmware Revision</source>
        <translation>Firmware Revision</translation>
    </message>
    <message>
        <source>Index</source>
        <translation>Index</translation>
    </message>
    <message>
        <source>Interface Type</source>
        <translation>Interface Type</translation>
    </message>
    <message>
        <source>Partitions</source>
        <translation>Partitions</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Size</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>Serial Number</translation>
    </message>
    <message>
        <source>Block size</source>
        <translation>Block size</translation>
    </message>
    <message>
        <source>Primary partition</source>
        <translation>Primary partition</translation>
    </message>
    <message>
        <source>Disk index</source>
        <translation>Disk index</translation>
    </message>
    <message>
        <source>Number of blocks</source>
        <translation>Number of blocks</translation>
    </message>
    <message>
        <source>Starting offset of the partition</source>
        <translation>Starting offset of the partition</translation>
    </message>
    <message>
        <source>Bootable</source>
        <translation>Bootable</translation>
    </message>
    <message>
        <source>Privacy Policy</source>
        <translation>Privacy Policy</translation>
    </message>
    <message>
        <source>Company:</source>
        <translation>Company:</translation>
    </message>
    <message>
        <source>Build:</source>
        <translation>Build:</translation>
    </message>
    <message>
        <source>Channel:</source>
        <translation>Channel:</translation>
    </message>
    <message>
        <source>EULA:</source>
        <translation>EULA:</translation>
    </message>
    <message>
        <source>End-User License Agreement</source>
        <translation>End-User License Agreement</translation>
    </message>
    <message>
        <source>Privacy Policy:</source>
        <translation>Privacy Policy:</translation>
    </message>
    <message>
        <source>Architecture:</source>
        <translation>Architecture:</translation>
    </message>
    <message>
        <source>Version:</source>
        <translation>Version:</translation>
    </message>
    <message>
        <source>Account:</source>
        <translation>Account:</translation>
    </message>
    <message>
        <source>Account</source>
        <translation>Account</translation>
    </message>
    <message>
        <source>Feedback:</source>
        <translation>Feedback:</translation>
    </message>
    <message>
        <source>Send feedback</source>
        <translation>Send feedback</translation>
    </message>
    <message>
        <source>Website:</source>
        <translation>Website:</translation>
    </message>
    <message>
        <source>Main</source>
        <translation>Main</translation>
    </message>
    <message>
        <source>OS</source>
        <translation>OS</translation>
    </message>
    <message>
        <source>CPU</source>
        <translation>CPU</translation>
    </message>
    <message>
        <source>GPU</source>
        <translation>GPU</translation>
    </message>
    <message>
        <source>RAM</source>
        <translation>RAM</translation>
    </message>
    <message>
        <source>Storage</source>
        <translation>Storage</translation>
    </message>
    <message>
        <source>Optical Devices</source>
        <translation>Optical Devices</translation>
    </message>
    <message>
        <source>Motherboard</source>
        <translation>Motherboard</translation>
    </message>
    <message>
        <source>Sound Devices</source>
        <translation>Sound Devices</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Network</translation>
    </message>
    <message>
        <source>Peripheral</source>
        <translation>Peripheral</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>refresh</source>
        <translation>refresh</translation>
    </message>
    <message>
        <source>Total drives</source>
        <translation>Total drives</translation>
    </message>
    <message>
        <source>Collecting OS data ...</source>
        <translation>Collecting OS data ...</translation>
    </message>
    <message>
        <source>No OS data is available. Try to</source>
        <translation>No OS data is available. Try to</translation>
    </message>
    <message>
        <source>Collecting CPU data ...</source>
        <translation>Collecting CPU data ...</translation>
    </message>
    <message>
        <source>No CPU data is available. Try to</source>
        <translation>No CPU data is available. Try to</translation>
    </message>
    <message>
        <source>Collecting GPU data ...</source>
        <translation>Collecting GPU data ...</translation>
    </message>
    <message>
        <source>No GPU data is available. Try to</source>
        <translation>No GPU data is available. Try to</translation>
    </message>
    <message>
        <source>Collecting RAM data ...</source>
        <translation>Collecting RAM data ...</translation>
    </message>
    <message>
        <source>No RAM data is available. Try to</source>
        <translation>No RAM data is available. Try to</translation>
    </message>
    <message>
        <source>Collecting Storage data ...</source>
        <translation>Collecting Storage data ...</translation>
    </message>
    <message>
        <source>No Storage data is available. Try to</source>
        <translation>No Storage data is available. Try to</translation>
    </message>
    <message>
        <source>Collecting Optical Devices data ...</source>
        <translation>Collecting Optical Devices data ...</translation>
    </message>
    <message>
        <source>No Optical Devices data is available. Try to</source>
        <translation>No Optical Devices data is available. Try to</translation>
    </message>
    <message>
        <source>Hardware is not installed</source>
        <translation>Hardware is not installed</translation>
    </message>
    <message>
        <source>Collecting Motherboard data ...</source>
        <translation>Collecting Motherboard data ...</translation>
    </message>
    <message>
        <source>No Motherboard data is available. Try to</source>
        <translation>No Motherboard data is available. Try to</translation>
    </message>
    <message>
        <source>Collecting Sound Devices data ...</source>
        <translation>Collecting Sound Devices data ...</translation>
    </message>
    <message>
        <source>No Sound devices data is available. Try to</source>
        <translation>No Sound devices data is available. Try to</translation>
    </message>
    <message>
        <source>Collecting Network data ...</source>
        <translation>Collecting Network data ...</translation>
    </message>
    <message>
        <source>No Network data is available. Try to</source>
        <translation>No Network data is available. Try to</translation>
    </message>
    <message>
        <source>Collecting Peripheral data ...</source>
        <translation>Collecting Peripheral data ...</translation>
    </message>
    <message>
        <source>No Peripheral data is available. Try to</source>
        <translation>No Peripheral data is available. Try to</translation>
    </message>
    <message>
        <source>Application settings</source>
        <translation>Application settings</translation>
    </message>
    <message>
        <source>Misc</source>
        <translation>Misc</translation>
    </message>
    <message>
        <source>Useful commands</source>
        <translation>Useful commands</translation>
    </message>
    <message>
        <source>Services</source>
        <translation>Services</translation>
    </message>
    <message>
        <source>Processes</source>
        <translation>Processes</translation>
    </message>
    <message>
        <source>Applications</source>
        <translation>Applications</translation>
    </message>
    <message>
        <source>Drivers</source>
        <translation>Drivers</translation>
    </message>
    <message>
        <source>Startup</source>
        <translation>Startup</translation>
    </message>
    <message>
        <source>Updates</source>
        <translation>Updates</translation>
    </message>
    <message>
        <source>About</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>Change language</source>
        <translation>Change language</translation>
    </message>
    <message>
        <source>Auto select</source>
        <translation>Auto select</translation>
    </message>
    <message>
        <source>Change theme</source>
        <translation>Change theme</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Light</translation>
    </message>
    <message>
        <source>Gray</source>
        <translation>Gray</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Dark</translation>
    </message>
    <message>
        <source>Network connection</source>
        <translation>Network connection</translation>
    </message>
    <message>
        <source>Status:</source>
        <translation>Status:</translation>
    </message>
    <message>
        <source>IP:</source>
        <translation>IP:</translation>
    </message>
    <message>
        <source>Check connection...</source>
        <translation>Check connection...</translation>
    </message>
    <message>
        <source>Application log</source>
        <translation>Application log</translation>
    </message>
    <message>
        <source>Log</source>
        <translation>Log</translation>
    </message>
    <message>
        <source>Store data</source>
        <translation>Store data</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Print data</source>
        <translation>Print data</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Application configuration</source>
        <translation>Application configuration</translation>
    </message>
    <message>
        <source>Show splash at startup</source>
        <translation>Show splash at startup</translation>
    </message>
    <message>
        <source>Share hardware information</source>
        <translation>Share hardware information</translation>
    </message>
    <message>
        <source>Always on top</source>
        <translation>Always on top</translation>
    </message>
    <message>
        <source>Show application full information</source>
        <translation>Show application full information</translation>
    </message>
    <message>
        <source>Automatically expand all data</source>
        <translation>Automatically expand all data</translation>
    </message>
    <message>
        <source>Reset to default settings</source>
        <translation>Reset to default settings</translation>
    </message>
    <message>
        <source>System tray</source>
        <translation>System tray</translation>
    </message>
    <message>
        <source>Add to tray</source>
        <translation>Add to tray</translation>
    </message>
    <message>
        <source>Close to tray</source>
        <translation>Close to tray</translation>
    </message>
    <message>
        <source>Minimize to tray</source>
        <translation>Minimize to tray</translation>
    </message>
    <message>
        <source>Notify me when running in tray</source>
        <translation>Notify me when running in tray</translation>
    </message>
    <message>
        <source>Show application window when in tray</source>
        <translation>Show application window when in tray</translation>
    </message>
    <message>
        <source>Manage font</source>
        <translation>Manage font</translation>
    </message>
    <message>
        <source>AaBbYyZz</source>
        <translation>AaBbYyZz</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Apply</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>Opacity</source>
        <translation>Opacity</translation>
    </message>
    <message>
        <source>Process name</source>
        <translation>Process name</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Working set size</source>
        <translation>Working set size</translation>
    </message>
    <message>
        <source>Handle count</source>
        <translation>Handle count</translation>
    </message>
    <message>
        <source>Peak page file usage</source>
        <translation>Peak page file usage</translation>
    </message>
    <message>
        <source>Priority</source>
        <translation>Priority</translation>
    </message>
    <message>
        <source>Session ID</source>
        <translation>Session ID</translation>
    </message>
    <message>
        <source>Virtual size</source>
        <translation>Virtual size</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Path</translation>
    </message>
    <message>
        <source>Collecting Processes data ...</source>
        <translation>Collecting Processes data ...</translation>
    </message>
    <message>
        <source>No Processes data is available. Try to</source>
        <translation>No Processes data is available. Try to</translation>
    </message>
    <message>
        <source>Application name</source>
        <translation>Application name</translation>
    </message>
    <message>
        <source>Developer</source>
        <translation>Developer</translation>
    </message>
    <message>
        <source>Install path</source>
        <translation>Install path</translation>
    </message>
    <message>
        <source>Uninstall path</source>
        <translation>Uninstall path</translation>
    </message>
    <message>
        <source>Installed:</source>
        <translation>Installed:</translation>
    </message>
    <message>
        <source>Collecting data...</source>
        <translation>Collecting data...</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Collecting Applications data ...</source>
        <translation>Collecting Applications data ...</translation>
    </message>
    <message>
        <source>No data is available! You don&apos;t have any applications installed.</source>
        <translation>No data is available! You don&apos;t have any applications installed.</translation>
    </message>
    <message>
        <source>Service name</source>
        <translation>Service name</translation>
    </message>
    <message>
        <source>File name</source>
        <translation>File name</translation>
    </message>
    <message>
        <source>State</source>
        <translation>State</translation>
    </message>
    <message>
        <source>Error control</source>
        <translation>Error control</translation>
    </message>
    <message>
        <source>Start mode</source>
        <translation>Start mode</translation>
    </message>
    <message>
        <source>Wait hint</source>
        <translation>Wait hint</translation>
    </message>
    <message>
        <source>Exit code</source>
        <translation>Exit code</translation>
    </message>
    <message>
        <source>Collecting Services data ...</source>
        <translation>Collecting Services data ...</translation>
    </message>
    <message>
        <source>No Services data is available. Try to</source>
        <translation>No Services data is available. Try to</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>File Name</translation>
    </message>
    <message>
        <source>Collecting Drivers data ...</source>
        <translation>Collecting Drivers data ...</translation>
    </message>
    <message>
        <source>Startup path</source>
        <translation>Startup path</translation>
    </message>
    <message>
        <source>Command</source>
        <translation>Command</translation>
    </message>
    <message>
        <source>Startup:</source>
        <translation>Startup:</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Remove</translation>
    </message>
    <message>
        <source>Collecting Startup data ...</source>
        <translation>Collecting Startup data ...</translation>
    </message>
    <message>
        <source>No startup data is available.</source>
        <translation>No startup data is available.</translation>
    </message>
    <message>
        <source>Drives:</source>
        <translation>Drives:</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Attribute ID</source>
        <translation>Attribute ID</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Value</translation>
    </message>
    <message>
        <source>Worst</source>
        <translation>Worst</translation>
    </message>
    <message>
        <source>Data</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Threshold</source>
        <translation>Threshold</translation>
    </message>
    <message>
        <source>Collecting smart data ...</source>
        <translation>Collecting smart data ...</translation>
    </message>
    <message>
        <source>No smart data has been found!</source>
        <translation>No smart data has been found!</translation>
    </message>
    <message>
        <source>Collecting TPM data ...</source>
        <translation>Collecting TPM data ...</translation>
    </message>
    <message>
        <source>Trusted Platform Module is not installed!</source>
        <translation>Trusted Platform Module is not installed!</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Change</translation>
    </message>
    <message>
        <source>Application updates</source>
        <translation>Application updates</translation>
    </message>
    <message>
        <source>Not checked</source>
        <translation>Not checked</translation>
    </message>
    <message>
        <source>Last checked:</source>
        <translation>Last checked:</translation>
    </message>
    <message>
        <source>Check for updates...</source>
        <translation>Check for updates...</translation>
    </message>
    <message>
        <source>Updates channel</source>
        <translation>Updates channel</translation>
    </message>
    <message>
        <source>Application changelog</source>
        <translation>Application changelog</translation>
    </message>
    <message>
        <source>Changelog</source>
        <translation>Changelog</translation>
    </message>
    <message>
        <source>Updates settings</source>
        <translation>Updates settings</translation>
    </message>
    <message>
        <source>Install updates automatically</source>
        <translation>Install updates automatically</translation>
    </message>
    <message>
        <source>Disable updates (not recommended)</source>
        <translation>Disable updates (not recommended)</translation>
    </message>
    <message>
        <source>Check for updates when application starts</source>
        <translation>Check for updates when application starts</translation>
    </message>
    <message>
        <source>Get insider builds notification</source>
        <translation>Get insider builds notification</translation>
    </message>
    <message>
        <source>Delete installer after update</source>
        <translation>Delete installer after update</translation>
    </message>
    <message>
        <source>Install updates silently</source>
        <translation>Install updates silently</translation>
    </message>
    <message>
        <source>Manage Updates Paths</source>
        <translation>Manage Updates Paths</translation>
    </message>
    <message>
        <source>Download path:</source>
        <translation>Download path:</translation>
    </message>
    <message>
        <source>Install path:</source>
        <translation>Install path:</translation>
    </message>
    <message>
        <source>Updates delivery</source>
        <translation>Updates delivery</translation>
    </message>
    <message>
        <source>Registry</source>
        <translation>Registry</translation>
    </message>
    <message>
        <source>File Explorer</source>
        <translation>File Explorer</translation>
    </message>
    <message>
        <source>System</source>
        <translation>System</translation>
    </message>
    <message>
        <source>DX Diagnostic Tool</source>
        <translation>DX Diagnostic Tool</translation>
    </message>
    <message>
        <source>Windows Defender</source>
        <translation>Windows Defender</translation>
    </message>
    <message>
        <source>Recycle Bin</source>
        <translation>Recycle Bin</translation>
    </message>
    <message>
        <source>Task Manager</source>
        <translation>Task Manager</translation>
    </message>
    <message>
        <source>Computer Management</source>
        <translation>Computer Management</translation>
    </message>
    <message>
        <source>Windows Firewall</source>
        <translation>Windows Firewall</translation>
    </message>
    <message>
        <source>Command Prompt</source>
        <translation>Command Prompt</translation>
    </message>
    <message>
        <source>Device Manager</source>
        <translation>Device Manager</translation>
    </message>
    <message>
        <source>Programs and Features</source>
        <translation>Programs and Features</translation>
    </message>
    <message>
        <source>Control Panel</source>
        <translation>Control Panel</translation>
    </message>
    <message>
        <source>Devices and Printers</source>
        <translation>Devices and Printers</translation>
    </message>
    <message>
        <source>Windows Update</source>
        <translation>Windows Update</translation>
    </message>
    <message>
        <source>About Windows</source>
        <translation>About Windows</translation>
    </message>
    <message>
        <source>Date and Time</source>
        <translation>Date and Time</translation>
    </message>
    <message>
        <source>Network and Sharing Center</source>
        <translation>Network and Sharing Center</translation>
    </message>
    <message>
        <source>System Configuration</source>
        <translation>System Configuration</translation>
    </message>
    <message>
        <source>Power Options</source>
        <translation>Power Options</translation>
    </message>
    <message>
        <source>Remote Desktop Connection</source>
        <translation>Remote Desktop Connection</translation>
    </message>
    <message>
        <source>Command Prompt (Admin)</source>
        <translation>Command Prompt (Admin)</translation>
    </message>
    <message>
        <source>DX Diagnostic Tool (x64)</source>
        <translation>DX Diagnostic Tool (x64)</translation>
    </message>
    <message>
        <source>Run</source>
        <translation>Run</translation>
    </message>
    <message>
        <source>Cortana/Search</source>
        <translation>Cortana/Search</translation>
    </message>
    <message>
        <source>NVIDIA Control Panel</source>
        <translation>NVIDIA Control Panel</translation>
    </message>
    <message>
        <source>Temp folder</source>
        <translation>Temp folder</translation>
    </message>
    <message>
        <source>System Properties</source>
        <translation>System Properties</translation>
    </message>
    <message>
        <source>Environment Variables</source>
        <translation>Environment Variables</translation>
    </message>
    <message>
        <source>Show Desktop</source>
        <translation>Show Desktop</translation>
    </message>
    <message>
        <source>App Data folder</source>
        <translation>App Data folder</translation>
    </message>
    <message>
        <source>File Explorer Options</source>
        <translation>File Explorer Options</translation>
    </message>
    <message>
        <source>Set Default Programs</source>
        <translation>Set Default Programs</translation>
    </message>
    <message>
        <source>Calculator</source>
        <translation>Calculator</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Sound</translation>
    </message>
    <message>
        <source>Windows Mobility Center</source>
        <translation>Windows Mobility Center</translation>
    </message>
    <message>
        <source>Event Viewer</source>
        <translation>Event Viewer</translation>
    </message>
    <message>
        <source>Windows Memory Diagnostic</source>
        <translation>Windows Memory Diagnostic</translation>
    </message>
    <message>
        <source>User Accounts</source>
        <translation>User Accounts</translation>
    </message>
    <message>
        <source>Adapter Properties</source>
        <translation>Adapter Properties</translation>
    </message>
    <message>
        <source>Game Controllers</source>
        <translation>Game Controllers</translation>
    </message>
    <message>
        <source>Desktop Icon Settings</source>
        <translation>Desktop Icon Settings</translation>
    </message>
    <message>
        <source>Character Map</source>
        <translation>Character Map</translation>
    </message>
    <message>
        <source>Windows Malicious Software Removal Tool</source>
        <translation>Windows Malicious Software Removal Tool</translation>
    </message>
    <message>
        <source>DirectX Properties</source>
        <translation>DirectX Properties</translation>
    </message>
    <message>
        <source>Administrative Tools</source>
        <translation>Administrative Tools</translation>
    </message>
    <message>
        <source>Driver Verifier Manager</source>
        <translation>Driver Verifier Manager</translation>
    </message>
    <message>
        <source>Ease of Access</source>
        <translation>Ease of Access</translation>
    </message>
    <message>
        <source>Edit group policy</source>
        <translation>Edit group policy</translation>
    </message>
    <message>
        <source>Windows Management Instrumentation</source>
        <translation>Windows Management Instrumentation</translation>
    </message>
    <message>
        <source>Check disk</source>
        <translation>Check disk</translation>
    </message>
    <message>
        <source>Local Security Policy</source>
        <translation>Local Security Policy</translation>
    </message>
    <message>
        <source>Local Users and Groups</source>
        <translation>Local Users and Groups</translation>
    </message>
    <message>
        <source>Bluetooth File Transfer</source>
        <translation>Bluetooth File Transfer</translation>
    </message>
    <message>
        <source>Shared Folders</source>
        <translation>Shared Folders</translation>
    </message>
    <message>
        <source>File Signature Verification</source>
        <translation>File Signature Verification</translation>
    </message>
    <message>
        <source>SQL Server Client Network Utility</source>
        <translation>SQL Server Client Network Utility</translation>
    </message>
    <message>
        <source>Performance Monitor</source>
        <translation>Performance Monitor</translation>
    </message>
    <message>
        <source>Resultant Set of Policy</source>
        <translation>Resultant Set of Policy</translation>
    </message>
    <message>
        <source>Private Character Editor</source>
        <translation>Private Character Editor</translation>
    </message>
    <message>
        <source>Certificates</source>
        <translation>Certificates</translation>
    </message>
    <message>
        <source>Disk Management</source>
        <translation>Disk Management</translation>
    </message>
    <message>
        <source>Component Services</source>
        <translation>Component Services</translation>
    </message>
    <message>
        <source>Disk Cleanup Utility</source>
        <translation>Disk Cleanup Utility</translation>
    </message>
    <message>
        <source>Disk Partition Manager</source>
        <translation>Disk Partition Manager</translation>
    </message>
    <message>
        <source>Display properties</source>
        <translation>Display properties</translation>
    </message>
    <message>
        <source>Files and Settings Transfer Tool</source>
        <translation>Files and Settings Transfer Tool</translation>
    </message>
    <message>
        <source>Fonts</source>
        <translation>Fonts</translation>
    </message>
    <message>
        <source>Internet Properties</source>
        <translation>Internet Properties</translation>
    </message>
    <message>
        <source>Keyboard Properties</source>
        <translation>Keyboard Properties</translation>
    </message>
    <message>
        <source>Windows Log out</source>
        <translation>Windows Log out</translation>
    </message>
    <message>
        <source>Microsoft Syncronization Tool</source>
        <translation>Microsoft Syncronization Tool</translation>
    </message>
    <message>
        <source>Mouse Properties</source>
        <translation>Mouse Properties</translation>
    </message>
    <message>
        <source>Network Connections</source>
        <translation>Network Connections</translation>
    </message>
    <message>
        <source>Notepad</source>
        <translation>Notepad</translation>
    </message>
    <message>
        <source>On Screen Keyboard</source>
        <translation>On Screen Keyboard</translation>
    </message>
    <message>
        <source>Phone and Modem Options</source>
        <translation>Phone and Modem Options</translation>
    </message>
    <message>
        <source>Phone Dialer</source>
        <translation>Phone Dialer</translation>
    </message>
    <message>
        <source>Ping</source>
        <translation>Ping</translation>
    </message>
    <message>
        <source>Access work or school</source>
        <translation>Access work or school</translation>
    </message>
    <message>
        <source>Email &amp;&amp; app accounts</source>
        <translation>Email &amp;&amp; app accounts</translation>
    </message>
    <message>
        <source>Family &amp;&amp; other people</source>
        <translation>Family &amp;&amp; other people</translation>
    </message>
    <message>
        <source>Set up a kiosk</source>
        <translation>Set up a kiosk</translation>
    </message>
    <message>
        <source>Sign-in options</source>
        <translation>Sign-in options</translation>
    </message>
    <message>
        <source>Sync your settings</source>
        <translation>Sync your settings</translation>
    </message>
    <message>
        <source>Windows Hello (Face) setup</source>
        <translation>Windows Hello (Face) setup</translation>
    </message>
    <message>
        <source>Windows Hello (Fingerprint) setup</source>
        <translation>Windows Hello (Fingerprint) setup</translation>
    </message>
    <message>
        <source>Your info</source>
        <translation>Your info</translation>
    </message>
    <message>
        <source>Apps &amp;&amp; Features</source>
        <translation>Apps &amp;&amp; Features</translation>
    </message>
    <message>
        <source>Apps for websites</source>
        <translation>Apps for websites</translation>
    </message>
    <message>
        <source>Default apps</source>
        <translation>Default apps</translation>
    </message>
    <message>
        <source>Manage optional features</source>
        <translation>Manage optional features</translation>
    </message>
    <message>
        <source>Offline Maps</source>
        <translation>Offline Maps</translation>
    </message>
    <message>
        <source>Startup apps</source>
        <translation>Startup apps</translation>
    </message>
    <message>
        <source>Video playback</source>
        <translation>Video playback</translation>
    </message>
    <message>
        <source>Control center</source>
        <translation>Control center</translation>
    </message>
    <message>
        <source>Cortana across my devices</source>
        <translation>Cortana across my devices</translation>
    </message>
    <message>
        <source>More details</source>
        <translation>More details</translation>
    </message>
    <message>
        <source>Permissions &amp;&amp; History</source>
        <translation>Permissions &amp;&amp; History</translation>
    </message>
    <message>
        <source>Searching Windows</source>
        <translation>Searching Windows</translation>
    </message>
    <message>
        <source>Talk to Cortana</source>
        <translation>Talk to Cortana</translation>
    </message>
    <message>
        <source>AutoPlay</source>
        <translation>AutoPlay</translation>
    </message>
    <message>
        <source>Bluetooth</source>
        <translation>Bluetooth</translation>
    </message>
    <message>
        <source>Connected Devices</source>
        <translation>Connected Devices</translation>
    </message>
    <message>
        <source>Camera settings</source>
        <translation>Camera settings</translation>
    </message>
    <message>
        <source>Mouse &amp;&amp; touchpad</source>
        <translation>Mouse &amp;&amp; touchpad</translation>
    </message>
    <message>
        <source>Pen &amp;&amp; Windows Ink</source>
        <translation>Pen &amp;&amp; Windows Ink</translation>
    </message>
    <message>
        <source>Printers &amp;&amp; scanners</source>
        <translation>Printers &amp;&amp; scanners</translation>
    </message>
    <message>
        <source>Touch</source>
        <translation>Touch</translation>
    </message>
    <message>
        <source>Touchpad</source>
        <translation>Touchpad</translation>
    </message>
    <message>
        <source>Text Suggestions</source>
        <translation>Text Suggestions</translation>
    </message>
    <message>
        <source>Typing</source>
        <translation>Typing</translation>
    </message>
    <message>
        <source>USB</source>
        <translation>USB</translation>
    </message>
    <message>
        <source>Wheel</source>
        <translation>Wheel</translation>
    </message>
    <message>
        <source>Your phone</source>
        <translation>Your phone</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Audio</translation>
    </message>
    <message>
        <source>Closed captions</source>
        <translation>Closed captions</translation>
    </message>
    <message>
        <source>Color filters</source>
        <translation>Color filters</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Display</translation>
    </message>
    <message>
        <source>Eye control</source>
        <translation>Eye control</translation>
    </message>
    <message>
        <source>High contrast</source>
        <translation>High contrast</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Keyboard</translation>
    </message>
    <message>
        <source>Magnifier</source>
        <translation>Magnifier</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>Mouse</translation>
    </message>
    <message>
        <source>Mouse pointer &amp;&amp; touch</source>
        <translation>Mouse pointer &amp;&amp; touch</translation>
    </message>
    <message>
        <source>Narrator</source>
        <translation>Narrator</translation>
    </message>
    <message>
        <source>Speech</source>
        <translation>Speech</translation>
    </message>
    <message>
        <source>Text cursor</source>
        <translation>Text cursor</translation>
    </message>
    <message>
        <source>Visual Effects</source>
        <translation>Visual Effects</translation>
    </message>
    <message>
        <source>Extras</source>
        <translation>Extras</translation>
    </message>
    <message>
        <source>Family Group</source>
        <translation>Family Group</translation>
    </message>
    <message>
        <source>Game bar</source>
        <translation>Game bar</translation>
    </message>
    <message>
        <source>Game DVR</source>
        <translation>Game DVR</translation>
    </message>
    <message>
        <source>Game Mode</source>
        <translation>Game Mode</translation>
    </message>
    <message>
        <source>Playing a game full screen</source>
        <translation>Playing a game full screen</translation>
    </message>
    <message>
        <source>TruePlay</source>
        <translation>TruePlay</translation>
    </message>
    <message>
        <source>Default browser settings</source>
        <translation>Default browser settings</translation>
    </message>
    <message>
        <source>Audio and speech</source>
        <translation>Audio and speech</translation>
    </message>
    <message>
        <source>Environment</source>
        <translation>Environment</translation>
    </message>
    <message>
        <source>Headset display</source>
        <translation>Headset display</translation>
    </message>
    <message>
        <source>Uninstall</source>
        <translation>Uninstall</translation>
    </message>
    <message>
        <source>Startup and desktop</source>
        <translation>Startup and desktop</translation>
    </message>
    <message>
        <source>Network &amp;&amp; internet</source>
        <translation>Network &amp;&amp; internet</translation>
    </message>
    <message>
        <source>Advanced settings</source>
        <translation>Advanced settings</translation>
    </message>
    <message>
        <source>Airplane mode</source>
        <translation>Airplane mode</translation>
    </message>
    <message>
        <source>Cellular &amp;&amp; SIM</source>
        <translation>Cellular &amp;&amp; SIM</translation>
    </message>
    <message>
        <source>Dial-up</source>
        <translation>Dial-up</translation>
    </message>
    <message>
        <source>DirectAccess</source>
        <translation>DirectAccess</translation>
    </message>
    <message>
        <source>Ethernet</source>
        <translation>Ethernet</translation>
    </message>
    <message>
        <source>Manage known networks</source>
        <translation>Manage known networks</translation>
    </message>
    <message>
        <source>Mobile hotspot</source>
        <translation>Mobile hotspot</translation>
    </message>
    <message>
        <source>Proxy</source>
        <translation>Proxy</translation>
    </message>
    <message>
        <source>VPN</source>
        <translation>VPN</translation>
    </message>
    <message>
        <source>Wi-Fi</source>
        <translation>Wi-Fi</translation>
    </message>
    <message>
        <source>Wi-Fi provisioning</source>
        <translation>Wi-Fi provisioning</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Background</translation>
    </message>
    <message>
        <source>Choose which folders appear on Start</source>
        <translation>Choose which folders appear on Start</translation>
    </message>
    <message>
        <source>Colors</source>
        <translation>Colors</translation>
    </message>
    <message>
        <source>Glance</source>
        <translation>Glance</translation>
    </message>
    <message>
        <source>Lock screen</source>
        <translation>Lock screen</translation>
    </message>
    <message>
        <source>Navigation bar</source>
        <translation>Navigation bar</translation>
    </message>
    <message>
        <source>Personalization (category)</source>
        <translation>Personalization (category)</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Taskbar</source>
        <translation>Taskbar</translation>
    </message>
    <message>
        <source>Touch Keyboard</source>
        <translation>Touch Keyboard</translation>
    </message>
    <message>
        <source>Themes</source>
        <translation>Themes</translation>
    </message>
    <message>
        <source>Your phone (Opens Your Phone app)</source>
        <translation>Your phone (Opens Your Phone app)</translation>
    </message>
    <message>
        <source>Device Usage</source>
        <translation>Device Usage</translation>
    </message>
    <message>
        <source>Accessory apps</source>
        <translation>Accessory apps</translation>
    </message>
    <message>
        <source>Account info</source>
        <translation>Account info</translation>
    </message>
    <message>
        <source>Activity history</source>
        <translation>Activity history</translation>
    </message>
    <message>
        <source>Advertising ID</source>
        <translation>Advertising ID</translation>
    </message>
    <message>
        <source>App diagnostics</source>
        <translation>App diagnostics</translation>
    </message>
    <message>
        <source>Automatic file downloads</source>
        <translation>Automatic file downloads</translation>
    </message>
    <message>
        <source>Background Apps</source>
        <translation>Background Apps</translation>
    </message>
    <message>
        <source>Background Spatial Perception</source>
        <translation>Background Spatial Perception</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>Calendar</translation>
    </message>
    <message>
        <source>Call history</source>
        <translation>Call history</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>Camera</translation>
    </message>
    <message>
        <source>Contacts</source>
        <translation>Contacts</translation>
    </message>
    <message>
        <source>Documents</source>
        <translation>Documents</translation>
    </message>
    <message>
        <source>Downloads folder</source>
        <translation>Downloads folder</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>Email</translation>
    </message>
    <message>
        <source>Eye tracker</source>
        <translation>Eye tracker</translation>
    </message>
    <message>
        <source>Feedback &amp;&amp; diagnostics</source>
        <translation>Feedback &amp;&amp; diagnostics</translation>
    </message>
    <message>
        <source>File system</source>
        <translation>File system</translation>
    </message>
    <message>
        <source>General</source>
        <translation>General</translation>
    </message>
    <message>
        <source>Graphics</source>
        <translation>Graphics</translation>
    </message>
    <message>
        <source>Inking &amp;&amp; typing</source>
        <translation>Inking &amp;&amp; typing</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Location</translation>
    </message>
    <message>
        <source>Messaging</source>
        <translation>Messaging</translation>
    </message>
    <message>
        <source>Microphone</source>
        <translation>Microphone</translation>
    </message>
    <message>
        <source>Motion</source>
        <translation>Motion</translation>
    </message>
    <message>
        <source>Music Library</source>
        <translation>Music Library</translation>
    </message>
    <message>
        <source>Notifications</source>
        <translation>Notifications</translation>
    </message>
    <message>
        <source>Other devices</source>
        <translation>Other devices</translation>
    </message>
    <message>
        <source>Phone calls</source>
        <translation>Phone calls</translation>
    </message>
    <message>
        <source>Pictures</source>
        <translation>Pictures</translation>
    </message>
    <message>
        <source>Radios</source>
        <translation>Radios</translation>
    </message>
    <message>
        <source>Privacy speech</source>
        <translation>Privacy speech</translation>
    </message>
    <message>
        <source>Tasks</source>
        <translation>Tasks</translation>
    </message>
    <message>
        <source>Videos</source>
        <translation>Videos</translation>
    </message>
    <message>
        <source>Voice activation</source>
        <translation>Voice activation</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Search</translation>
    </message>
    <message>
        <source>Search more details</source>
        <translation>Search more details</translation>
    </message>
    <message>
        <source>Search Permissions</source>
        <translation>Search Permissions</translation>
    </message>
    <message>
        <source>Accounts</source>
        <translation>Accounts</translation>
    </message>
    <message>
        <source>Session cleanup</source>
        <translation>Session cleanup</translation>
    </message>
    <message>
        <source>Team Conferencing</source>
        <translation>Team Conferencing</translation>
    </message>
    <message>
        <source>Team device management</source>
        <translation>Team device management</translation>
    </message>
    <message>
        <source>Welcome screen</source>
        <translation>Welcome screen</translation>
    </message>
    <message>
        <source>Advanced display settings</source>
        <translation>Advanced display settings</translation>
    </message>
    <message>
        <source>App volume and device preferences</source>
        <translation>App volume and device preferences</translation>
    </message>
    <message>
        <source>Battery Saver</source>
        <translation>Battery Saver</translation>
    </message>
    <message>
        <source>Battery Saver settings</source>
        <translation>Battery Saver settings</translation>
    </message>
    <message>
        <source>Battery use</source>
        <translation>Battery use</translation>
    </message>
    <message>
        <source>Clipboard</source>
        <translation>Clipboard</translation>
    </message>
    <message>
        <source>Default Save Locations</source>
        <translation>Default Save Locations</translation>
    </message>
    <message>
        <source>Duplicating my display</source>
        <translation>Duplicating my display</translation>
    </message>
    <message>
        <source>Screen rotation</source>
        <translation>Screen rotation</translation>
    </message>
    <message>
        <source>During these hours</source>
        <translation>During these hours</translation>
    </message>
    <message>
        <source>Encryption</source>
        <translation>Encryption</translation>
    </message>
    <message>
        <source>Focus assist</source>
        <translation>Focus assist</translation>
    </message>
    <message>
        <source>Graphics Settings</source>
        <translation>Graphics Settings</translation>
    </message>
    <message>
        <source>Graphics Default Settings</source>
        <translation>Graphics Default Settings</translation>
    </message>
    <message>
        <source>Multitasking</source>
        <translation>Multitasking</translation>
    </message>
    <message>
        <source>Night light settings</source>
        <translation>Night light settings</translation>
    </message>
    <message>
        <source>Projecting to this PC</source>
        <translation>Projecting to this PC</translation>
    </message>
    <message>
        <source>Shared experiences</source>
        <translation>Shared experiences</translation>
    </message>
    <message>
        <source>Tablet mode</source>
        <translation>Tablet mode</translation>
    </message>
    <message>
        <source>Notifications &amp;&amp; actions</source>
        <translation>Notifications &amp;&amp; actions</translation>
    </message>
    <message>
        <source>Remote Desktop</source>
        <translation>Remote Desktop</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Phone</translation>
    </message>
    <message>
        <source>Power &amp;&amp; sleep</source>
        <translation>Power &amp;&amp; sleep</translation>
    </message>
    <message>
        <source>Sound devices</source>
        <translation>Sound devices</translation>
    </message>
    <message>
        <source>Storage Sense</source>
        <translation>Storage Sense</translation>
    </message>
    <message>
        <source>Storage recommendations</source>
        <translation>Storage recommendations</translation>
    </message>
    <message>
        <source>Disks &amp;&amp; volumes</source>
        <translation>Disks &amp;&amp; volumes</translation>
    </message>
    <message>
        <source>Date &amp;&amp; time</source>
        <translation>Date &amp;&amp; time</translation>
    </message>
    <message>
        <source>Japan IME settings</source>
        <translation>Japan IME settings</translation>
    </message>
    <message>
        <source>Region</source>
        <translation>Region</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>Pinyin IME settings</source>
        <translation>Pinyin IME settings</translation>
    </message>
    <message>
        <source>Wubi IME settings</source>
        <translation>Wubi IME settings</translation>
    </message>
    <message>
        <source>Add display language</source>
        <translation>Add display language</translation>
    </message>
    <message>
        <source>Language options</source>
        <translation>Language options</translation>
    </message>
    <message>
        <source>Set display language</source>
        <translation>Set display language</translation>
    </message>
    <message>
        <source>Activation</source>
        <translation>Activation</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>Backup</translation>
    </message>
    <message>
        <source>Delivery Optimization</source>
        <translation>Delivery Optimization</translation>
    </message>
    <message>
        <source>Find My Device</source>
        <translation>Find My Device</translation>
    </message>
    <message>
        <source>For developers</source>
        <translation>For developers</translation>
    </message>
    <message>
        <source>Recovery</source>
        <translation>Recovery</translation>
    </message>
    <message>
        <source>Launch Security Key Enrollment</source>
        <translation>Launch Security Key Enrollment</translation>
    </message>
    <message>
        <source>Windows Security</source>
        <translation>Windows Security</translation>
    </message>
    <message>
        <source>Windows Insider Program</source>
        <translation>Windows Insider Program</translation>
    </message>
    <message>
        <source>Windows Update-Active hours</source>
        <translation>Windows Update-Active hours</translation>
    </message>
    <message>
        <source>Windows Update-Advanced options</source>
        <translation>Windows Update-Advanced options</translation>
    </message>
    <message>
        <source>Windows Update-Optional updates</source>
        <translation>Windows Update-Optional updates</translation>
    </message>
    <message>
        <source>Windows Update-Restart options</source>
        <translation>Windows Update-Restart options</translation>
    </message>
    <message>
        <source>Troubleshoot</source>
        <translation>Troubleshoot</translation>
    </message>
    <message>
        <source>Windows Update-Seeker on demand</source>
        <translation>Windows Update-Seeker on demand</translation>
    </message>
    <message>
        <source>Windows Update-View update history</source>
        <translation>Windows Update-View update history</translation>
    </message>
    <message>
        <source>Workplace provisioning</source>
        <translation>Workplace provisioning</translation>
    </message>
    <message>
        <source>Repair token</source>
        <translation>Repair token</translation>
    </message>
    <message>
        <source>Provisioning</source>
        <translation>Provisioning</translation>
    </message>
    <message>
        <source>Windows Anywhere</source>
        <translation>Windows Anywhere</translation>
    </message>
    <message>
        <source>All commands</source>
        <translation>All commands</translation>
    </message>
    <message>
        <source>Apps</source>
        <translation>Apps</translation>
    </message>
    <message>
        <source>Control Center</source>
        <translation>Control Center</translation>
    </message>
    <message>
        <source>Cortana</source>
        <translation>Cortana</translation>
    </message>
    <message>
        <source>Devices</source>
        <translation>Devices</translation>
    </message>
    <message>
        <source>Ease of access</source>
        <translation>Ease of access</translation>
    </message>
    <message>
        <source>Gaming</source>
        <translation>Gaming</translation>
    </message>
    <message>
        <source>Home page</source>
        <translation>Home page</translation>
    </message>
    <message>
        <source>Mixed reality</source>
        <translation>Mixed reality</translation>
    </message>
    <message>
        <source>Network and internet</source>
        <translation>Network and internet</translation>
    </message>
    <message>
        <source>Personalization</source>
        <translation>Personalization</translation>
    </message>
    <message>
        <source>Privacy</source>
        <translation>Privacy</translation>
    </message>
    <message>
        <source>Surface Hub</source>
        <translation>Surface Hub</translation>
    </message>
    <message>
        <source>Time and language</source>
        <translation>Time and language</translation>
    </message>
    <message>
        <source>Update and security</source>
        <translation>Update and security</translation>
    </message>
    <message>
        <source>User accounts</source>
        <translation>User accounts</translation>
    </message>
    <message>
        <source>No such useful command is found!</source>
        <translation>No such useful command is found!</translation>
    </message>
    <message>
        <source>Search useful commands</source>
        <translation>Search useful commands</translation>
    </message>
    <message>
        <source>Add Hardware</source>
        <translation>Add Hardware</translation>
    </message>
    <message>
        <source>Kernel</source>
        <translation>Kernel</translation>
    </message>
    <message>
        <source>File System</source>
        <translation>File System</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Stopped</translation>
    </message>
    <message>
        <source>Start pending</source>
        <translation>Start pending</translation>
    </message>
    <message>
        <source>Stop pending</source>
        <translation>Stop pending</translation>
    </message>
    <message>
        <source>Running</source>
        <translation>Running</translation>
    </message>
    <message>
        <source>Continue pending</source>
        <translation>Continue pending</translation>
    </message>
    <message>
        <source>Pause pending</source>
        <translation>Pause pending</translation>
    </message>
    <message>
        <source>Legacy</source>
        <translation>Legacy</translation>
    </message>
    <message>
        <source>Supported</source>
        <translation>Supported</translation>
    </message>
    <message>
        <source>Not supported</source>
        <translation>Not supported</translation>
    </message>
    <message>
        <source>Product</source>
        <translation>Product</translation>
    </message>
    <message>
        <source>Hosting board</source>
        <translation>Hosting board</translation>
    </message>
    <message>
        <source>Hot swappable</source>
        <translation>Hot swappable</translation>
    </message>
    <message>
        <source>Powered on</source>
        <translation>Powered on</translation>
    </message>
    <message>
        <source>Removable</source>
        <translation>Removable</translation>
    </message>
    <message>
        <source>Requires daughter board</source>
        <translation>Requires daughter board</translation>
    </message>
    <message>
        <source>Serial number</source>
        <translation>Serial number</translation>
    </message>
    <message>
        <source>BIOS mode</source>
        <translation>BIOS mode</translation>
    </message>
    <message>
        <source>Secure boot</source>
        <translation>Secure boot</translation>
    </message>
    <message>
        <source>BIOS version</source>
        <translation>BIOS version</translation>
    </message>
    <message>
        <source>BIOS current language</source>
        <translation>BIOS current language</translation>
    </message>
    <message>
        <source>BIOS status</source>
        <translation>BIOS status</translation>
    </message>
    <message>
        <source>BIOS manufacturer</source>
        <translation>BIOS manufacturer</translation>
    </message>
    <message>
        <source>BIOS serial number</source>
        <translation>BIOS serial number</translation>
    </message>
    <message>
        <source>BIOS release date</source>
        <translation>BIOS release date</translation>
    </message>
    <message>
        <source>Caption</source>
        <translation>Caption</translation>
    </message>
    <message>
        <source>DHCP enabled</source>
        <translation>DHCP enabled</translation>
    </message>
    <message>
        <source>Service name of the network adapter</source>
        <translation>Service name of the network adapter</translation>
    </message>
    <message>
        <source>TCP/IP enabled</source>
        <translation>TCP/IP enabled</translation>
    </message>
    <message>
        <source>Interface index</source>
        <translation>Interface index</translation>
    </message>
    <message>
        <source>DHCP server</source>
        <translation>DHCP server</translation>
    </message>
    <message>
        <source>MAC address</source>
        <translation>MAC address</translation>
    </message>
    <message>
        <source>DNS hostname</source>
        <translation>DNS hostname</translation>
    </message>
    <message>
        <source>TCP connections</source>
        <translation>TCP connections</translation>
    </message>
    <message>
        <source>Database path</source>
        <translation>Database path</translation>
    </message>
    <message>
        <source>Disk is not in the drive</source>
        <translation>Disk is not in the drive</translation>
    </message>
    <message>
        <source>KB/s</source>
        <translation>KB/s</translation>
    </message>
    <message>
        <source>MB/s</source>
        <translation>MB/s</translation>
    </message>
    <message>
        <source>Availability</source>
        <translation>Availability</translation>
    </message>
    <message>
        <source>Disk in the drive</source>
        <translation>Disk in the drive</translation>
    </message>
    <message>
        <source>Drive letter</source>
        <translation>Drive letter</translation>
    </message>
    <message>
        <source>Media type</source>
        <translation>Media type</translation>
    </message>
    <message>
        <source>Firmware revision level</source>
        <translation>Firmware revision level</translation>
    </message>
    <message>
        <source>SCSI logical unit number</source>
        <translation>SCSI logical unit number</translation>
    </message>
    <message>
        <source>Transfer rate</source>
        <translation>Transfer rate</translation>
    </message>
    <message>
        <source>SCSI bus</source>
        <translation>SCSI bus</translation>
    </message>
    <message>
        <source>SCSI port</source>
        <translation>SCSI port</translation>
    </message>
    <message>
        <source>Layout</source>
        <translation>Layout</translation>
    </message>
    <message>
        <source>Average pages per minute</source>
        <translation>Average pages per minute</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Default</translation>
    </message>
    <message>
        <source>Driver name</source>
        <translation>Driver name</translation>
    </message>
    <message>
        <source>Data type</source>
        <translation>Data type</translation>
    </message>
    <message>
        <source>Port name</source>
        <translation>Port name</translation>
    </message>
    <message>
        <source>Printer status</source>
        <translation>Printer status</translation>
    </message>
    <message>
        <source>Work offline</source>
        <translation>Work offline</translation>
    </message>
    <message>
        <source>Print processor</source>
        <translation>Print processor</translation>
    </message>
    <message>
        <source>milliseconds</source>
        <translation>milliseconds</translation>
    </message>
    <message>
        <source>Config. manager error code</source>
        <translation>Config. manager error code</translation>
    </message>
    <message>
        <source>User configuration</source>
        <translation>User configuration</translation>
    </message>
    <message>
        <source>Power management supported</source>
        <translation>Power management supported</translation>
    </message>
    <message>
        <source>Status info</source>
        <translation>Status info</translation>
    </message>
    <message>
        <source>Is activated</source>
        <translation>Is activated</translation>
    </message>
    <message>
        <source>Specification version</source>
        <translation>Specification version</translation>
    </message>
    <message>
        <source>Manufacturer version</source>
        <translation>Manufacturer version</translation>
    </message>
    <message>
        <source>Is enabled</source>
        <translation>Is enabled</translation>
    </message>
    <message>
        <source>Failed to remove the program!</source>
        <translation>Failed to remove the program!</translation>
    </message>
    <message>
        <source>The uninstaller crashed.</source>
        <translation>The uninstaller crashed.</translation>
    </message>
    <message>
        <source>The request for administrator rights was cancelled or refused.</source>
        <translation>The request for administrator rights was cancelled or refused.</translation>
    </message>
    <message>
        <source>Administrator rights could not be obtained (not authorized, or no authentication agent is running).</source>
        <translation>Administrator rights could not be obtained (not authorized, or no authentication agent is running).</translation>
    </message>
    <message>
        <source>The uninstaller ended with exit code %1.</source>
        <translation>The uninstaller ended with exit code %1.</translation>
    </message>
    <message>
        <source>The package manager would remove nothing: the program is not installed.</source>
        <translation>The package manager would remove nothing: the program is not installed.</translation>
    </message>
    <message>
        <source>The package manager could not tell what the removal would take:</source>
        <translation>The package manager could not tell what the removal would take:</translation>
    </message>
    <message>
        <source>Uninstalling %1 removes these packages:</source>
        <translation>Uninstalling %1 removes these packages:</translation>
    </message>
    <message>
        <source>Uninstalling %1 runs this command:</source>
        <translation>Uninstalling %1 runs this command:</translation>
    </message>
    <message>
        <source>Do you want to continue?</source>
        <translation>Do you want to continue?</translation>
    </message>
    <message>
        <source>apt-get was not found.</source>
        <translation>apt-get was not found.</translation>
    </message>
    <message>
        <source>apt-get gave no answer in time.</source>
        <translation>apt-get gave no answer in time.</translation>
    </message>
    <message>
        <source>apt-get ended with exit code %1.</source>
        <translation>apt-get ended with exit code %1.</translation>
    </message>
    <message>
        <source>launching the program</source>
        <translation>launching the program</translation>
    </message>
    <message>
        <source>gets OS information</source>
        <translation>gets OS information</translation>
    </message>
    <message>
        <source>An error has occurred with detecting OS!</source>
        <translation>An error has occurred with detecting OS!</translation>
    </message>
    <message>
        <source>gets CPU information</source>
        <translation>gets CPU information</translation>
    </message>
    <message>
        <source>An error has occurred with detecting CPU!</source>
        <translation>An error has occurred with detecting CPU!</translation>
    </message>
    <message>
        <source>gets GPU information</source>
        <translation>gets GPU information</translation>
    </message>
    <message>
        <source>An error has occurred with detecting GPU!</source>
        <translation>An error has occurred with detecting GPU!</translation>
    </message>
    <message>
        <source>gets RAM information</source>
        <translation>gets RAM information</translation>
    </message>
    <message>
        <source>An error has occurred with detecting RAM!</source>
        <translation>An error has occurred with detecting RAM!</translation>
    </message>
    <message>
        <source>gets Storage information</source>
        <translation>gets Storage information</translation>
    </message>
    <message>
        <source>An error has occurred with detecting Storage!</source>
        <translation>An error has occurred with detecting Storage!</translation>
    </message>
    <message>
        <source>gets Optical Devices information</source>
        <translation>gets Optical Devices information</translation>
    </message>
    <message>
        <source>An error has occurred with detecting Optical Devices!</source>
        <translation>An error has occurred with detecting Optical Devices!</translation>
    </message>
    <message>
        <source>gets Motherboard information</source>
        <translation>gets Motherboard information</translation>
    </message>
    <message>
        <source>An error has occurred with detecting Motherboard!</source>
        <translation>An error has occurred with detecting Motherboard!</translation>
    </message>
    <message>
        <source>gets Sound Devices information</source>
        <translation>gets Sound Devices information</translation>
    </message>
    <message>
        <source>An error has occurred with detecting Sound Devices!</source>
        <translation>An error has occurred with detecting Sound Devices!</translation>
    </message>
    <message>
        <source>gets Network information</source>
        <translation>gets Network information</translation>
    </message>
    <message>
        <source>An error has occurred with detecting Network!</source>
        <translation>An error has occurred with detecting Network!</translation>
    </message>
    <message>
        <source>gets Peripheral information</source>
        <translation>gets Peripheral information</translation>
    </message>
    <message>
        <source>An error has occurred with detecting Peripheral!</source>
        <translation>An error has occurred with detecting Peripheral!</translation>
    </message>
    <message>
        <source>Total partitions</source>
        <translation>Total partitions</translation>
    </message>
    <message>
        <source>OS:</source>
        <translation>OS:</translation>
    </message>
    <message>
        <source>CPU:</source>
        <translation>CPU:</translation>
    </message>
    <message>
        <source>RAM:</source>
        <translation>RAM:</translation>
    </message>
    <message>
        <source>GPU:</source>
        <translation>GPU:</translation>
    </message>
    <message>
        <source>Storage:</source>
        <translation>Storage:</translation>
    </message>
    <message>
        <source>Sound devices:</source>
        <translation>Sound devices:</translation>
    </message>
    <message>
        <source>Motherboard:</source>
        <translation>Motherboard:</translation>
    </message>
    <message>
        <source>Optical Devices:</source>
        <translation>Optical Devices:</translation>
    </message>
    <message>
        <source>Network:</source>
        <translation>Network:</translation>
    </message>
    <message>
        <source>Peripheral:</source>
        <translation>Peripheral:</translation>
    </message>
    <message>
        <source>Services:</source>
        <translation>Services:</translation>
    </message>
    <message>
        <source>Processes:</source>
        <translation>Processes:</translation>
    </message>
    <message>
        <source>Applications:</source>
        <translation>Applications:</translation>
    </message>
    <message>
        <source>Drivers:</source>
        <translation>Drivers:</translation>
    </message>
    <message>
        <source>Trusted Platform Module</source>
        <translation>Trusted Platform Module</translation>
    </message>
    <message>
        <source>Loading data...</source>
        <translation>Loading data...</translation>
    </message>
    <message>
        <source>build</source>
        <translation>build</translation>
    </message>
    <message numerus="yes">
        <source>%n logical processors</source>
        <translation>
            <numerusform>%n logical processor</numerusform>
            <numerusform>%n logical processors</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n cores</source>
        <translation>
            <numerusform>%n core</numerusform>
            <numerusform>%n cores</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n threads</source>
        <translation>
            <numerusform>%n thread</numerusform>
            <numerusform>%n threads</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n slots</source>
        <translation>
            <numerusform>%n slot</numerusform>
            <numerusform>%n slots</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n drives</source>
        <translation>
            <numerusform>%n drive</numerusform>
            <numerusform>%n drives</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n partitions</source>
        <translation>
            <numerusform>%n partition</numerusform>
            <numerusform>%n partitions</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n devices</source>
        <translation>
            <numerusform>%n device</numerusform>
            <numerusform>%n devices</numerusform>
        </translation>
    </message>
    <message>
        <source>BIOS version:</source>
        <translation>BIOS version:</translation>
    </message>
    <message>
        <source>Not installed</source>
        <translation>Not installed</translation>
    </message>
    <message numerus="yes">
        <source>%n adapters</source>
        <translation>
            <numerusform>%n adapter</numerusform>
            <numerusform>%n adapters</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n items</source>
        <translation>
            <numerusform>%n item</numerusform>
            <numerusform>%n items</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n services</source>
        <translation>
            <numerusform>%n service</numerusform>
            <numerusform>%n services</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n processes</source>
        <translation>
            <numerusform>%n process</numerusform>
            <numerusform>%n processes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n applications</source>
        <translation>
            <numerusform>%n application</numerusform>
            <numerusform>%n applications</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n drivers</source>
        <translation>
            <numerusform>%n driver</numerusform>
            <numerusform>%n drivers</numerusform>
        </translation>
    </message>
    <message>
        <source>An error has occurred with detecting Programs!</source>
        <translation>An error has occurred with detecting Programs!</translation>
    </message>
    <message>
        <source>gets Services information</source>
        <translation>gets Services information</translation>
    </message>
    <message>
        <source>An error has occurred with detecting Services!</source>
        <translation>An error has occurred with detecting Services!</translation>
    </message>
    <message>
        <source>gets Processes information</source>
        <translation>gets Processes information</translation>
    </message>
    <message>
        <source>An error has occurred with detecting Processes!</source>
        <translation>An error has occurred with detecting Processes!</translation>
    </message>
    <message>
        <source>gets Drivers information</source>
        <translation>gets Drivers information</translation>
    </message>
    <message>
        <source>An error has occurred with Drivers detection!</source>
        <translation>An error has occurred with Drivers detection!</translation>
    </message>
    <message>
        <source>gets Startup information</source>
        <translation>gets Startup information</translation>
    </message>
    <message>
        <source>An error has occurred with detecting Startup data!</source>
        <translation>An error has occurred with detecting Startup data!</translation>
    </message>
    <message>
        <source>gets TPM information</source>
        <translation>gets TPM information</translation>
    </message>
    <message>
        <source>An error has occurred with TPM detection!</source>
        <translation>An error has occurred with TPM detection!</translation>
    </message>
    <message>
        <source>gets Programs information</source>
        <translation>gets Programs information</translation>
    </message>
    <message>
        <source>Failed to detect drivers configuration!</source>
        <translation>Failed to detect drivers configuration!</translation>
    </message>
    <message>
        <source>License agreement</source>
        <translation>License agreement</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>License file was not found!</source>
        <translation>License file was not found!</translation>
    </message>
    <message>
        <source>log button clicked</source>
        <translation>log button clicked</translation>
    </message>
    <message>
        <source>Checking...</source>
        <translation>Checking...</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>Connected</translation>
    </message>
    <message>
        <source>Not connected</source>
        <translation>Not connected</translation>
    </message>
    <message>
        <source>Languages</source>
        <translation>Languages</translation>
    </message>
    <message>
        <source>No smart item is selected to view the information! Please select the smart item and try again.</source>
        <translation>No smart item is selected to view the information! Please select the smart item and try again.</translation>
    </message>
    <message>
        <source>Failed to remove the startup entry!</source>
        <translation>Failed to remove the startup entry!</translation>
    </message>
    <message>
        <source>No program is selected to delete! Please select the program and try again.</source>
        <translation>No program is selected to delete! Please select the program and try again.</translation>
    </message>
    <message>
        <source>Please wait until the current program is finished uninstalling or being changed!</source>
        <translation>Please wait until the current program is finished uninstalling or being changed!</translation>
    </message>
    <message>
        <source>An error occurred while uninstalling</source>
        <translation>An error occurred while uninstalling</translation>
    </message>
    <message>
        <source>It may have already been uninstalled.</source>
        <translation>It may have already been uninstalled.</translation>
    </message>
    <message>
        <source>Do you want to remove</source>
        <translation>Do you want to remove</translation>
    </message>
    <message>
        <source>from the list?</source>
        <translation>from the list?</translation>
    </message>
    <message>
        <source>Failed to remove the program from the list!</source>
        <translation>Failed to remove the program from the list!</translation>
    </message>
    <message>
        <source>Do you want to log out now?</source>
        <translation>Do you want to log out now?</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>Feedback</translation>
    </message>
    <message>
        <source>Feedback type</source>
        <translation>Feedback type</translation>
    </message>
    <message>
        <source>Rate this application</source>
        <translation>Rate this application</translation>
    </message>
    <message>
        <source>Tell us more</source>
        <translation>Tell us more</translation>
    </message>
    <message>
        <source>Attachment</source>
        <translation>Attachment</translation>
    </message>
    <message>
        <source>max. 20.0 MB</source>
        <translation>max. 20.0 MB</translation>
    </message>
    <message>
        <source>Problem with the application</source>
        <translation>Problem with the application</translation>
    </message>
    <message>
        <source>Feature request or suggestion</source>
        <translation>Feature request or suggestion</translation>
    </message>
    <message>
        <source>Just vote for the application</source>
        <translation>Just vote for the application</translation>
    </message>
    <message>
        <source>Provide the details about your issue</source>
        <translation>Provide the details about your issue</translation>
    </message>
    <message>
        <source>Include my email</source>
        <translation>Include my email</translation>
    </message>
    <message>
        <source>Your email address</source>
        <translation>Your email address</translation>
    </message>
    <message>
        <source>Application name:</source>
        <translation>Application name:</translation>
    </message>
    <message>
        <source>Application build:</source>
        <translation>Application build:</translation>
    </message>
    <message>
        <source>Application channel:</source>
        <translation>Application channel:</translation>
    </message>
    <message>
        <source>Application architecture:</source>
        <translation>Application architecture:</translation>
    </message>
    <message>
        <source>Creation date:</source>
        <translation>Creation date:</translation>
    </message>
    <message>
        <source>Application rate:</source>
        <translation>Application rate:</translation>
    </message>
    <message>
        <source>Message:</source>
        <translation>Message:</translation>
    </message>
    <message>
        <source>Email:</source>
        <translation>Email:</translation>
    </message>
    <message>
        <source>Attachments:</source>
        <translation>Attachments:</translation>
    </message>
    <message>
        <source>Feedback field is empty!</source>
        <translation>Feedback field is empty!</translation>
    </message>
    <message>
        <source>You forgot to rate this application!</source>
        <translation>You forgot to rate this application!</translation>
    </message>
    <message>
        <source>Email field is empty!</source>
        <translation>Email field is empty!</translation>
    </message>
    <message>
        <source>Please enter a valid email address!</source>
        <translation>Please enter a valid email address!</translation>
    </message>
    <message>
        <source>Network connection is not available! Check your network and try again.</source>
        <translation>Network connection is not available! Check your network and try again.</translation>
    </message>
    <message>
        <source>Thank you for the feedback!</source>
        <translation>Thank you for the feedback!</translation>
    </message>
    <message>
        <source>feedback was successfully sent</source>
        <translation>feedback was successfully sent</translation>
    </message>
    <message>
        <source>No network connection is available at this moment!</source>
        <translation>No network connection is available at this moment!</translation>
    </message>
    <message>
        <source>Failed to send the feedback!</source>
        <translation>Failed to send the feedback!</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Select</translation>
    </message>
    <message>
        <source>No file is selected</source>
        <translation>No file is selected</translation>
    </message>
    <message>
        <source>Select files</source>
        <translation>Select files</translation>
    </message>
    <message>
        <source>Image Files</source>
        <translation>Image Files</translation>
    </message>
    <message>
        <source>Crash dumps</source>
        <translation>Crash dumps</translation>
    </message>
    <message>
        <source>The size of selected data is too big (max. 20.0 MB)!</source>
        <translation>The size of selected data is too big (max. 20.0 MB)!</translation>
    </message>
    <message>
        <source>Selected</source>
        <translation>Selected</translation>
    </message>
    <message>
        <source>files</source>
        <translation>files</translation>
    </message>
    <message>
        <source>Click to open</source>
        <translation>Click to open</translation>
    </message>
    <message>
        <source>Failed to open the file!</source>
        <translation>Failed to open the file!</translation>
    </message>
    <message>
        <source>Your file: %1 is not allowed! Please use the following files: %2</source>
        <translation>Your file: %1 is not allowed! Please use the following files: %2</translation>
    </message>
    <message>
        <source>Save as</source>
        <translation>Save as</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Send</translation>
    </message>
    <message>
        <source>Log file was successfully deleted!</source>
        <translation>Log file was successfully deleted!</translation>
    </message>
    <message>
        <source>Log file is not exists!</source>
        <translation>Log file is not exists!</translation>
    </message>
    <message>
        <source>Log file was successfully saved!</source>
        <translation>Log file was successfully saved!</translation>
    </message>
    <message>
        <source>Log path:</source>
        <translation>Log path:</translation>
    </message>
    <message>
        <source>Text Documents</source>
        <translation>Text Documents</translation>
    </message>
    <message>
        <source>All Files</source>
        <translation>All Files</translation>
    </message>
    <message>
        <source>Log file was successfully sent!</source>
        <translation>Log file was successfully sent!</translation>
    </message>
    <message>
        <source>You are offline. Go online and try again!</source>
        <translation>You are offline. Go online and try again!</translation>
    </message>
    <message>
        <source>Failed to send the log file!</source>
        <translation>Failed to send the log file!</translation>
    </message>
    <message>
        <source>The file could not be opened: %1</source>
        <translation>The file could not be opened: %1</translation>
    </message>
    <message>
        <source>Select the volume and press start to proceed</source>
        <translation>Select the volume and press start to proceed</translation>
    </message>
    <message>
        <source>The file name contains control characters; it was not sent.</source>
        <translation>The file name contains control characters; it was not sent.</translation>
    </message>
    <message>
        <source>The upload failed: %1</source>
        <translation>The upload failed: %1</translation>
    </message>
    <message>
        <source>The upload was cancelled.</source>
        <translation>The upload was cancelled.</translation>
    </message>
    <message>
        <source>The file could not be read: %1</source>
        <translation>The file could not be read: %1</translation>
    </message>
    <message>
        <source>The server could not be reached.</source>
        <translation>The server could not be reached.</translation>
    </message>
    <message>
        <source>The server refused the login.</source>
        <translation>The server refused the login.</translation>
    </message>
    <message>
        <source>The server refused the file (reply %1).</source>
        <translation>The server refused the file (reply %1).</translation>
    </message>
    <message>
        <source>Only %1 of %2 bytes were sent.</source>
        <translation>Only %1 of %2 bytes were sent.</translation>
    </message>
    <message>
        <source>The server did not confirm the transfer (reply %1).</source>
        <translation>The server did not confirm the transfer (reply %1).</translation>
    </message>
    <message>
        <source>The server holds %1 of the file&apos;s %2 bytes.</source>
        <translation>The server holds %1 of the file&apos;s %2 bytes.</translation>
    </message>
    <message>
        <source>Choose:</source>
        <translation>Choose:</translation>
    </message>
    <message>
        <source>Repair errors</source>
        <translation>Repair errors</translation>
    </message>
    <message>
        <source>The check found no errors.</source>
        <translation>The check found no errors.</translation>
    </message>
    <message>
        <source>The check found errors or could not finish. Exit code:</source>
        <translation>The check found errors or could not finish. Exit code:</translation>
    </message>
    <message>
        <source>The check did not run: the authorisation was refused or failed.</source>
        <translation>The check did not run: the authorisation was refused or failed.</translation>
    </message>
    <message>
        <source>Press Enter to close this window.</source>
        <translation>Press Enter to close this window.</translation>
    </message>
    <message>
        <source>Enter your command here, for example: %1 -n %2, ping to get the help, exit to stop</source>
        <translation>Enter your command here, for example: %1 -n %2, ping to get the help, exit to stop</translation>
    </message>
    <message>
        <source>The command field is empty!</source>
        <translation>The command field is empty!</translation>
    </message>
    <message>
        <source>Network connection is not available!</source>
        <translation>Network connection is not available!</translation>
    </message>
    <message>
        <source>hardware data was successfully sent</source>
        <translation>hardware data was successfully sent</translation>
    </message>
    <message>
        <source>hardware data could not be sent</source>
        <translation>hardware data could not be sent</translation>
    </message>
    <message>
        <source>INI Files</source>
        <translation>INI Files</translation>
    </message>
    <message>
        <source>Word 97-2003 Documents</source>
        <translation>Word 97-2003 Documents</translation>
    </message>
    <message>
        <source>XML Files</source>
        <translation>XML Files</translation>
    </message>
    <message>
        <source>PDF Documents</source>
        <translation>PDF Documents</translation>
    </message>
    <message>
        <source>Error has occurred!</source>
        <translation>Error has occurred!</translation>
    </message>
    <message>
        <source>file could not be saved!</source>
        <translation>file could not be saved!</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Save As</translation>
    </message>
    <message>
        <source>file was successfully saved!</source>
        <translation>file was successfully saved!</translation>
    </message>
    <message>
        <source>Printer is offline or not installed!</source>
        <translation>Printer is offline or not installed!</translation>
    </message>
    <message>
        <source>Some error has occurred!</source>
        <translation>Some error has occurred!</translation>
    </message>
    <message>
        <source>Creation date</source>
        <translation>Creation date</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>All Data</source>
        <translation>All Data</translation>
    </message>
    <message>
        <source>New</source>
        <translation>New</translation>
    </message>
    <message>
        <source>build:</source>
        <translation>build:</translation>
    </message>
    <message>
        <source>is available, would you like to download it?</source>
        <translation>is available, would you like to download it?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>is up to date</source>
        <translation>is up to date</translation>
    </message>
    <message>
        <source>Updates are disabled. Do you want to enable it?</source>
        <translation>Updates are disabled. Do you want to enable it?</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Update</translation>
    </message>
    <message>
        <source>Changelog:</source>
        <translation>Changelog:</translation>
    </message>
    <message>
        <source>changelog has been updated</source>
        <translation>changelog has been updated</translation>
    </message>
    <message>
        <source>changelog could not be saved</source>
        <translation>changelog could not be saved</translation>
    </message>
    <message>
        <source>Settings could not be saved!</source>
        <translation>Settings could not be saved!</translation>
    </message>
    <message>
        <source>Changes apply until the program is closed.</source>
        <translation>Changes apply until the program is closed.</translation>
    </message>
    <message>
        <source>setting %1 could not be saved</source>
        <translation>setting %1 could not be saved</translation>
    </message>
    <message>
        <source>Can&apos;t get changelog information.</source>
        <translation>Can&apos;t get changelog information.</translation>
    </message>
    <message>
        <source>Make sure you have network connection.</source>
        <translation>Make sure you have network connection.</translation>
    </message>
    <message>
        <source>Update localization error!</source>
        <translation>Update localization error!</translation>
    </message>
    <message>
        <source>Do you really want to delete the changelog? This action cannot be undone.</source>
        <translation>Do you really want to delete the changelog? This action cannot be undone.</translation>
    </message>
    <message>
        <source>Changelog was successfully cleared.</source>
        <translation>Changelog was successfully cleared.</translation>
    </message>
    <message>
        <source>Insider notification</source>
        <translation>Insider notification</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimize</translation>
    </message>
    <message>
        <source>Do not show this again</source>
        <translation>Do not show this again</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>Install</translation>
    </message>
    <message>
        <source>New insider build</source>
        <translation>New insider build</translation>
    </message>
    <message>
        <source>is available! Do you want to install it?</source>
        <translation>is available! Do you want to install it?</translation>
    </message>
    <message>
        <source>Note:</source>
        <translation>Note:</translation>
    </message>
    <message>
        <source>If you click install you will be automatically set to Insider updates channel</source>
        <translation>If you click install you will be automatically set to Insider updates channel</translation>
    </message>
    <message>
        <source>bytes/s</source>
        <translation>bytes/s</translation>
    </message>
    <message>
        <source>The setup address is not a secure (https) address.</source>
        <translation>The setup address is not a secure (https) address.</translation>
    </message>
    <message>
        <source>The setup file cannot be written:</source>
        <translation>The setup file cannot be written:</translation>
    </message>
    <message>
        <source>The server did not send the size of the setup, so the download cannot be verified.</source>
        <translation>The server did not send the size of the setup, so the download cannot be verified.</translation>
    </message>
    <message>
        <source>The download ended before the whole setup arrived.</source>
        <translation>The download ended before the whole setup arrived.</translation>
    </message>
    <message>
        <source>UpdateTitle</source>
        <translation>UpdateTitle</translation>
    </message>
    <message>
        <source>Elapsed:</source>
        <translation>Elapsed:</translation>
    </message>
    <message>
        <source>Remaining:</source>
        <translation>Remaining:</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Download</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>Speed:</translation>
    </message>
    <message>
        <source>Downloading:</source>
        <translation>Downloading:</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>Size:</translation>
    </message>
    <message>
        <source>Downloaded:</source>
        <translation>Downloaded:</translation>
    </message>
    <message>
        <source>Downloaded successfully!</source>
        <translation>Downloaded successfully!</translation>
    </message>
    <message>
        <source>update was successfully installed!</source>
        <translation>update was successfully installed!</translation>
    </message>
    <message>
        <source>File was not found! Do you want to restart update now?</source>
        <translation>File was not found! Do you want to restart update now?</translation>
    </message>
    <message>
        <source>Do you want to cancel update?</source>
        <translation>Do you want to cancel update?</translation>
    </message>
    <message>
        <source>cancelling...</source>
        <translation>cancelling...</translation>
    </message>
    <message>
        <source>Update process has failed!</source>
        <translation>Update process has failed!</translation>
    </message>
    <message>
        <source>Status code</source>
        <translation>Status code</translation>
    </message>
    <message>
        <source>Error code</source>
        <translation>Error code</translation>
    </message>
    <message>
        <source>Do you want to restart update now?</source>
        <translation>Do you want to restart update now?</translation>
    </message>
    <message>
        <source>Failed to delete the update file!</source>
        <translation>Failed to delete the update file!</translation>
    </message>
    <message>
        <source>Failed to open the download directory!</source>
        <translation>Failed to open the download directory!</translation>
    </message>
    <message>
        <source>Failed to open the install directory!</source>
        <translation>Failed to open the install directory!</translation>
    </message>
    <message>
        <source>Password must be between 6 and 40 characters!</source>
        <translation>Password must be between 6 and 40 characters!</translation>
    </message>
    <message>
        <source>Your password doesn&apos;t match!</source>
        <translation>Your password doesn&apos;t match!</translation>
    </message>
    <message>
        <source>Captcha characters doesn&apos;t match!</source>
        <translation>Captcha characters doesn&apos;t match!</translation>
    </message>
    <message>
        <source>Loading captcha...</source>
        <translation>Loading captcha...</translation>
    </message>
    <message>
        <source>Account details</source>
        <translation>Account details</translation>
    </message>
    <message>
        <source>ID:</source>
        <translation>ID:</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Username:</source>
        <translation>Username:</translation>
    </message>
    <message>
        <source>Group:</source>
        <translation>Group:</translation>
    </message>
    <message>
        <source>Phone:</source>
        <translation>Phone:</translation>
    </message>
    <message>
        <source>Log out</source>
        <translation>Log out</translation>
    </message>
    <message>
        <source>Failed to log out! Please check your network connection and try again.</source>
        <translation>Failed to log out! Please check your network connection and try again.</translation>
    </message>
    <message>
        <source>Enter your email</source>
        <translation>Enter your email</translation>
    </message>
    <message>
        <source>Enter the verification code from your email</source>
        <translation>Enter the verification code from your email</translation>
    </message>
    <message>
        <source>Enter your new password</source>
        <translation>Enter your new password</translation>
    </message>
    <message>
        <source>Repeat your password</source>
        <translation>Repeat your password</translation>
    </message>
    <message>
        <source>Enter displayed characters</source>
        <translation>Enter displayed characters</translation>
    </message>
    <message>
        <source>Show characters</source>
        <translation>Show characters</translation>
    </message>
    <message>
        <source>Click to reload the captcha</source>
        <translation>Click to reload the captcha</translation>
    </message>
    <message>
        <source>Recover now</source>
        <translation>Recover now</translation>
    </message>
    <message>
        <source>Captcha error code:</source>
        <translation>Captcha error code:</translation>
    </message>
    <message>
        <source>You can&apos;t use all uppercase characters!</source>
        <translation>You can&apos;t use all uppercase characters!</translation>
    </message>
    <message>
        <source>No such user account has been found!</source>
        <translation>No such user account has been found!</translation>
    </message>
    <message>
        <source>Email validation error! Code:</source>
        <translation>Email validation error! Code:</translation>
    </message>
    <message>
        <source>Email validation failed! Error code:</source>
        <translation>Email validation failed! Error code:</translation>
    </message>
    <message>
        <source>Your verification code is incorrect and not accepted!
Please enter the valid verification code from your email.</source>
        <translation>Your verification code is incorrect and not accepted!
Please enter the valid verification code from your email.</translation>
    </message>
    <message>
        <source>Please fill in all fields to recover your account!</source>
        <translation>Please fill in all fields to recover your account!</translation>
    </message>
    <message>
        <source>Password encryption error code:</source>
        <translation>Password encryption error code:</translation>
    </message>
    <message>
        <source>Your password has been successfully changed.</source>
        <translation>Your password has been successfully changed.</translation>
    </message>
    <message>
        <source>The password of your account could not be changed.</source>
        <translation>The password of your account could not be changed.</translation>
    </message>
    <message>
        <source>Registration</source>
        <translation>Registration</translation>
    </message>
    <message>
        <source>Enter your name</source>
        <translation>Enter your name</translation>
    </message>
    <message>
        <source>Enter your username</source>
        <translation>Enter your username</translation>
    </message>
    <message>
        <source>Enter your password</source>
        <translation>Enter your password</translation>
    </message>
    <message>
        <source>Male</source>
        <translation>Male</translation>
    </message>
    <message>
        <source>Female</source>
        <translation>Female</translation>
    </message>
    <message>
        <source>terms</source>
        <translation>terms</translation>
    </message>
    <message>
        <source>Choose your birthday</source>
        <translation>Choose your birthday</translation>
    </message>
    <message>
        <source>I accept the</source>
        <translation>I accept the</translation>
    </message>
    <message>
        <source>Register</source>
        <translation>Register</translation>
    </message>
    <message>
        <source>Username is invalid or already taken!</source>
        <translation>Username is invalid or already taken!</translation>
    </message>
    <message>
        <source>This email is empty/used/invalid or in the blacklist!</source>
        <translation>This email is empty/used/invalid or in the blacklist!</translation>
    </message>
    <message>
        <source>You have been successfully registered! Sign in to use all features.</source>
        <translation>You have been successfully registered! Sign in to use all features.</translation>
    </message>
    <message>
        <source>Registration failed! Error code:</source>
        <translation>Registration failed! Error code:</translation>
    </message>
    <message>
        <source>Login</source>
        <translation>Login</translation>
    </message>
    <message>
        <source>Enter your credentials to sign in to the system</source>
        <translation>Enter your credentials to sign in to the system</translation>
    </message>
    <message>
        <source>Username / email / phone number</source>
        <translation>Username / email / phone number</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>Remember me</source>
        <translation>Remember me</translation>
    </message>
    <message>
        <source>Sign up</source>
        <translation>Sign up</translation>
    </message>
    <message>
        <source>Forget your password?</source>
        <translation>Forget your password?</translation>
    </message>
    <message>
        <source>Sign in</source>
        <translation>Sign in</translation>
    </message>
    <message>
        <source>Please enter your credentials!</source>
        <translation>Please enter your credentials!</translation>
    </message>
    <message>
        <source>user successfully logged in to the system</source>
        <translation>user successfully logged in to the system</translation>
    </message>
    <message>
        <source>Could not log in!</source>
        <translation>Could not log in!</translation>
    </message>
    <message>
        <source>Check your network connection and try again!</source>
        <translation>Check your network connection and try again!</translation>
    </message>
    <message>
        <source>This account does not exists!</source>
        <translation>This account does not exists!</translation>
    </message>
    <message>
        <source>Please enter the valid credentials.</source>
        <translation>Please enter the valid credentials.</translation>
    </message>
    <message>
        <source>Account credentials verification has failed!</source>
        <translation>Account credentials verification has failed!</translation>
    </message>
    <message>
        <source>Please enter the valid credentials for your account.</source>
        <translation>Please enter the valid credentials for your account.</translation>
    </message>
    <message>
        <source>You can&apos;t take that name!</source>
        <translation>You can&apos;t take that name!</translation>
    </message>
    <message>
        <source>You can&apos;t take that username!</source>
        <translation>You can&apos;t take that username!</translation>
    </message>
    <message>
        <source>Please fill in all fields to create your account!</source>
        <translation>Please fill in all fields to create your account!</translation>
    </message>
    <message>
        <source>Length of fullname/username is too long!</source>
        <translation>Length of fullname/username is too long!</translation>
    </message>
    <message>
        <source>You can&apos;t select current or future date! Please enter a valid birthday date.</source>
        <translation>You can&apos;t select current or future date! Please enter a valid birthday date.</translation>
    </message>
    <message>
        <source>Terms</source>
        <translation>Terms</translation>
    </message>
    <message>
        <source>You must accept the terms!</source>
        <translation>You must accept the terms!</translation>
    </message>
    <message>
        <source>Save to file</source>
        <translation>Save to file</translation>
    </message>
    <message>
        <source>Run CMD as administrator</source>
        <translation>Run CMD as administrator</translation>
    </message>
    <message>
        <source>The default settings has been successfully applied!</source>
        <translation>The default settings has been successfully applied!</translation>
    </message>
    <message>
        <source>language has been successfully changed</source>
        <translation>language has been successfully changed</translation>
    </message>
    <message>
        <source>The program could not be set to run at login.</source>
        <translation>The program could not be set to run at login.</translation>
    </message>
    <message>
        <source>The program could not be removed from the programs run at login.</source>
        <translation>The program could not be removed from the programs run at login.</translation>
    </message>
    <message>
        <source>The update description could not be read.</source>
        <translation>The update description could not be read.</translation>
    </message>
    <message>
        <source>this desktop has no notification area</source>
        <translation>this desktop has no notification area</translation>
    </message>
    <message>
        <source>You must restart the program to apply the selected font.</source>
        <translation>You must restart the program to apply the selected font.</translation>
    </message>
    <message>
        <source>Do you want to restart now?</source>
        <translation>Do you want to restart now?</translation>
    </message>
    <message>
        <source>You must restart the program to set the default font.</source>
        <translation>You must restart the program to set the default font.</translation>
    </message>
    <message>
        <source>Run at login</source>
        <translation>Run at login</translation>
    </message>
    <message>
        <source>running in a tray</source>
        <translation>running in a tray</translation>
    </message>
    <message>
        <source>Download path</source>
        <translation>Download path</translation>
    </message>
    <message numerus="yes">
        <source>The server did not respond for %n seconds.</source>
        <translation>
            <numerusform>The server did not respond for %n second.</numerusform>
            <numerusform>The server did not respond for %n seconds.</numerusform>
        </translation>
    </message>
    <message>
        <source>The server refused the connection.</source>
        <translation>The server refused the connection.</translation>
    </message>
    <message numerus="yes">
        <source>The upload did not end within %n seconds.</source>
        <translation>
            <numerusform>The upload did not end within %n second.</numerusform>
            <numerusform>The upload did not end within %n seconds.</numerusform>
        </translation>
    </message>
    <message>
        <source>The server closed the connection.</source>
        <translation>The server closed the connection.</translation>
    </message>
    <message>
        <source>The server did not confirm the file&apos;s size (reply %1).</source>
        <translation>The server did not confirm the file&apos;s size (reply %1).</translation>
    </message>
</context>
</TS>
