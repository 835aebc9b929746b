<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>LicenseAgreement</name>
    <message>
        <source>License agreement</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>License file was not found!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Failed to copy the font</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No localization file was found!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reinstall the application to fix this problem.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The operating system is out of memory or resources.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The specified file was not found.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The specified path was not found.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The operating system denied access to the specified file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There was not enough memory to complete the operation.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The .exe file is invalid (non-Win32 .exe or error in .exe image).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A sharing violation occurred.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file name association is incomplete or invalid.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The DDE transaction could not be completed because the request timed out.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The DDE transaction failed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The DDE transaction could not be completed because other DDE transactions were being processed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no application associated with the given file name extension. This error will also be returned if you attempt to print a file that is not printable.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The specified DLL was not found.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unexpected error has occurred! Do you want to submit the feedback?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No network connection has been found!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check for update has been skipped!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed to check for the updates!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error code:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed to resume the WMI service!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed to start the WMI service!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed to remove the old build!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Build</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Attention</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you want to open another instance?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Collecting information:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Development</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insider</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Beta</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Release</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>last updates checked on</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to change theme!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to set theme. File is not found!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>theme change was not applied</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Other</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CPU Enabled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CPU Disabled by User via BIOS Setup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CPU Disabled By BIOS (POST Error)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CPU is Idle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reserved</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Running/Full Power</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In Test</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not Applicable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Power Off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Off Line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Off Duty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Degraded</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not Installed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Install Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Power Save - Unknown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Power Save - Low Power Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Power Save - Standby</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Power Cycle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Power Save - Warning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paused</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not Ready</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not Configured</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quiesced</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This device is working properly</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This device is not configured correctly</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Windows cannot load the driver for this device</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The driver for this device might be corrupted, or your system may be running low on memory or other resources</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This device is not working properly. One of its drivers or your registry might be corrupted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The driver for this device needs a resource that Windows cannot manage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The boot configuration for this device conflicts with other devices</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot filter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The driver loader for the device is missing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This device is not working properly because the controlling firmware is reporting the resources for the device incorrectly</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This device cannot start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This device failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This device cannot find enough free resources that it can use</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Windows cannot verify this device&apos;s resources</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This device cannot work properly until you restart your computer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This device is not working properly because there is probably a re-enumeration problem</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Windows cannot identify all the resources this device uses</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This device is asking for an unknown resource type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reinstall the drivers for this device</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failure using the VxD loader</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your registry might be corrupted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>System failure: Try changing the driver for this device. If that does not work, see your hardware documentation. Windows is removing this device</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This device is disabled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>System failure: Try changing the driver for this device. If that doesn&apos;t work, see your hardware documentation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This device is not present, is not working properly, or does not have all its drivers installed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Windows is still setting up this device</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This device does not have valid log configuration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The drivers for this device are not installed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This device is disabled because the firmware of the device did not give it the required resources</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This device is using an Interrupt Request (IRQ) resource that another device is using</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This device is not working properly because Windows cannot load the drivers required for this device</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Raw Read Error Rate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Throughput Performance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spin Up Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start/Stop Count</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reallocated Sectors Count</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read Channel Margin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Seek Error Rate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Seek Time Performance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Power-On Hours</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spin Retry Count</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recalibration Retries</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Device Power Cycle Count</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Soft Read Error Rate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load/Unload Cycle Count</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reallocation Event Count</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current Pending Sector Count</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Uncorrectable Sector Count</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>UltraDMA CRC Error Count</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write Error Rate (Multi Zone Error Rate)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disk Shift</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>G-Sense Error Rate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loaded Hours</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load/Unload Retry Count</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load Friction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load-in Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Torque Amplification Count</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Power-Off Retract Count</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GMR Head Amplitude</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This attribute value depends of read errors, disk surface condition and indicates the rate of hardware read errors that occurred when reading data from a disk surface. Lower values indicate that there is a problem with either disk surface or read/write heads</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Overall (general) throughput performance of a hard disk drive. If the value of this attribute is deceasing there is a high probability of troubles with your disk.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Average time of spindle spin up (from zero RPM (Revolutions Per Minute) to fully operational). Active SMART shows the data value of this attribute in milliseconds or seconds.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This data value of this attribute is a count of hard disk spindle start/stop cycles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Count of reallocated sectors. When the hard drive finds a read/write/verification error, it marks this sector as &quot;reallocated&quot; and transfers data to a special reserved area (spare area). This process is also known as remapping and &quot;reallocated&quot; sectors are called remaps. This is why, on a modern hard disks, you can not see &quot;bad blocks&quot; while testing the surface - all bad blocks are hidden in reallocated sectors. However, the more sectors that are reallocated, the more a sudden decrease (up to 10% and more) can be noticed in the disk read/write speed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Margin of a channel while reading data. The function of this attribute is not specified.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rate of seek errors of the magnetic heads. If there is a failure in the mechanical positioning system, a servo damage or a thermal widening of the hard disk, seek errors arise. More seek errors indicates a worsening condition of a disk surface and the disk mechanical subsystem.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Average performance of seek operations of the magnetic heads. If this attribute is decreasing, it is a sign of problems in the hard disk drive mechanical subsystem.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Count of hours in power-on state. The data value of this attribute shows total count of hours (or minutes, or seconds, depending on manufacturer) in power-on state. A decrease of this attribute value to the critical level (threshold) indicates a decrease of the MTBF (Mean Time Between Failures). However, in reality, even if the MTBF value falls to zero, it does not mean that the MTBF resource is completely exhausted and the drive will not function normally.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Count of retry of spin start attempts. This attribute stores a total count of the spin start attempts to reach the fully operational speed (under the condition that the first attempt was unsuccessful). A decrease of this attribute value is a sign of problems in the hard disk mechanical subsystem.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This attribute indicates the number of times recalibration was requested (under the condition that the first attempt was unsuccessful). A decrease of this attribute value is a sign of problems in the hard disk mechanical subsystem.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This attribute indicates the count of full hard disk power on/off cycles.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This is the rate of &quot;program&quot; read errors occurring when reading data from a disk surface.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Count of load/unload cycles into Landing Zone position. For more info see the Head Load/Unload Technology description.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hard disk drive temperature. The data value of this attribute shows built-in heat sensor registrations (in degrees centigrade).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Count of remap operations (transfering data from a bad sector to a special reserved disk area - spare area). The data value of this attribute shows the total number of attempts to transfer data from reallocated sectors to a spare area. Unsuccessful attempts are counted as well as successful.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current count of unstable sectors (waiting for remapping). The data value of this attribute indicates the total number of sectors waiting for remapping. Later, when some of these sectors are read successfully, the value is decreased. If errors still occur when reading some sector, the hard drive will try to restore the data, transfer it to the reserved disk area (spare area) and mark this sector as remapped. If this attribute value remains at zero, it indicates that the quality of the corresponding surface area is low.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quantity of uncorrectable errors. The data value of this attribute indicates the total number of uncorrectable errors when reading/writing a sector. A rise in the value of this attribute indicates that there are evident defects of the disk surface and/or there are problems in the hard disk drive mechanical subsystem.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The total quantity of CRC errors during UltraDMA mode. The data value of this attribute indicates the number of errors found during data transfer in UltraDMA mode by ICRC (Interface CRC).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write data errors rate. This attribute indicates the total number of errors found when writing a sector. The higher the data value, the worse the disk surface condition and/or mechanical subsystem is.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shift of disks towards spindle. The data value of this attribute indicates how much the disk has shifted. Shift of disks is possible as a result of a strong shock or a fall, or for other reasons.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rate of errors occurring as a result of impact loads. This attribute stores an indication of a shock-sensitive sensor, that is, the total quantity of errors occurring as a result of internal impact loads (dropping drive, wrong installation, etc.).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loading on magnetic heads actuator caused by the general operating time. Only time when the actuator was in the operating position is counted.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loading on magnetic heads actuator caused by numerous recurrences of operations like: reading, recording, positioning of heads, etc. Only the time when heads were in the operating position is counted.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loading on magnetic heads actuator caused by friction in mechanical parts of the store. Only the time when heads were in the operating position is counted.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total time of loading on the magnetic heads actuator. This attribute indicates total time in which the drive was under load (on the assumption that the magnetic heads were in operating mode and out of the parking area).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Count of efforts of the rotating moment of a drive.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This attribute shows a count of the number of times the drive was powered down.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Amplitude of heads trembling (GMR-head) in running mode.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed to initialize COM library. Error code:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed to create IWbemLocator object. Error code:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not connect. Error code:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not set proxy blanket. Error code:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Query for processes failed. Error code:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>True</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>False</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MHz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GHz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>KB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>-based processor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>-volt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number of logical processors</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Max frequency</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Socket</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Status</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>L2 cache</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>L3 cache</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Architecture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Manufacturer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current frequency</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Family</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cores</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Thread count</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Revision</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Device ID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current voltage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Role</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Processor type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Level</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Part number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current status</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>pixels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Memory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Driver version</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Driver install date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Monitor BPP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>bits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DAC type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Monitor frequency</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Monitor width</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Monitor height</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Max refresh rate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Min refresh rate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PNP Device ID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Display drivers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Video architecture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>-EncryptionBit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Computer name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Partition name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Product ID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>System drive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>System directory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number of processes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Registered user</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Windows directory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Primary</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last boot up time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Locale</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Install date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Boot device</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Country code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number of users</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>System device</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Max process memory size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Encryption level</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kernel type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown RAM capacity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Slots</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total capacity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Slot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Capacity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Form factor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Data width</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Memory type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Represented type of physical memory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Memory location</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tag</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bytes Per Sector</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>bytes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Description</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Firmware Revision</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Index</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Interface Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Partitions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Block size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Primary partition</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disk index</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number of blocks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Starting offset of the partition</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bootable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Privacy Policy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Company:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Build:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Channel:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>EULA:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>End-User License Agreement</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Privacy Policy:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Architecture:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Account:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Account</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Feedback:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send feedback</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Website:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Main</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CPU</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GPU</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RAM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Storage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Optical Devices</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Motherboard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sound Devices</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Network</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Peripheral</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>refresh</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total drives</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Collecting OS data ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No OS data is available. Try to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Collecting CPU data ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No CPU data is available. Try to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Collecting GPU data ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No GPU data is available. Try to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Collecting RAM data ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No RAM data is available. Try to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Collecting Storage data ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No Storage data is available. Try to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Collecting Optical Devices data ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No Optical Devices data is available. Try to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hardware is not installed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Collecting Motherboard data ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No Motherboard data is available. Try to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Collecting Sound Devices data ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No Sound devices data is available. Try to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Collecting Network data ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No Network data is available. Try to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Collecting Peripheral data ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No Peripheral data is available. Try to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Application settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Misc</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Useful commands</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Services</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Processes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Applications</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drivers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Startup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Updates</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auto select</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change theme</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Light</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gray</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dark</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Network connection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Status:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IP:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check connection...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Application log</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Log</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Store data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Application configuration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show splash at startup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Share hardware information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Run when Windows starts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Always on top</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show application full information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Automatically expand all data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset to default settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>System tray</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add to tray</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close to tray</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minimize to tray</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Notify me when running in tray</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show application window when in tray</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Manage font</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AaBbYyZz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apply</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opacity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Process name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Working set size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Handle count</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Peak page file usage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Priority</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Session ID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Virtual size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Path</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Collecting Processes data ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No Processes data is available. Try to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Application name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Developer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Install path</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Uninstall path</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Installed:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Collecting data...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Collecting Applications data ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No data is available! You don&apos;t have any applications installed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Service name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>State</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error control</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wait hint</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Collecting Services data ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No Services data is available. Try to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Collecting Drivers data ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Startup path</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Command</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Startup:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Collecting Startup data ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No startup data is available.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drives:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Attribute ID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Worst</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Threshold</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Collecting smart data ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No smart data has been found!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Collecting TPM data ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trusted Platform Module is not installed!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Application updates</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not checked</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last checked:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check for updates...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Updates channel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Application changelog</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Changelog</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Updates settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Install updates automatically</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disable updates (not recommended)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check for updates when application starts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Get insider builds notification</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete installer after update</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Install updates silently</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Manage Updates Paths</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Download path:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Install path:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Updates delivery</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Registry</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File Explorer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>System</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DX Diagnostic Tool</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Windows Defender</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recycle Bin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Task Manager</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Computer Management</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Windows Firewall</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Command Prompt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Device Manager</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Programs and Features</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Control Panel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Devices and Printers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Windows Update</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About Windows</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date and Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Network and Sharing Center</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>System Configuration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Power Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remote Desktop Connection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Command Prompt (Admin)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DX Diagnostic Tool (x64)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Run</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cortana/Search</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NVIDIA Control Panel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Temp folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>System Properties</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Environment Variables</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show Desktop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>App Data folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File Explorer Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set Default Programs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calculator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sound</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Windows Mobility Center</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Event Viewer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Windows Memory Diagnostic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>User Accounts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Adapter Properties</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Game Controllers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Desktop Icon Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Character Map</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Windows Malicious Software Removal Tool</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DirectX Properties</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Administrative Tools</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Driver Verifier Manager</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ease of Access</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit group policy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Windows Management Instrumentation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check disk</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Local Security Policy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Local Users and Groups</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bluetooth File Transfer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shared Folders</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File Signature Verification</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SQL Server Client Network Utility</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Performance Monitor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Resultant Set of Policy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Private Character Editor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Certificates</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disk Management</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Component Services</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disk Cleanup Utility</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disk Partition Manager</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Display properties</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Files and Settings Transfer Tool</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fonts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Internet Properties</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keyboard Properties</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Windows Log out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Microsoft Syncronization Tool</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mouse Properties</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Network Connections</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Notepad</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>On Screen Keyboard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Phone and Modem Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Phone Dialer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ping</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Access work or school</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Email &amp;&amp; app accounts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Family &amp;&amp; other people</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set up a kiosk</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sign-in options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sync your settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Windows Hello (Face) setup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Windows Hello (Fingerprint) setup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your info</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apps &amp;&amp; Features</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apps for websites</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Default apps</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Manage optional features</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Offline Maps</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Startup apps</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Video playback</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Control center</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cortana across my devices</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>More details</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Permissions &amp;&amp; History</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Searching Windows</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Talk to Cortana</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AutoPlay</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bluetooth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connected Devices</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Camera settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mouse &amp;&amp; touchpad</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pen &amp;&amp; Windows Ink</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Printers &amp;&amp; scanners</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Touch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Touchpad</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text Suggestions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Typing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>USB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wheel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your phone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Audio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Closed captions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Color filters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Display</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eye control</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>High contrast</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Magnifier</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mouse pointer &amp;&amp; touch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Narrator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Speech</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text cursor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Visual Effects</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Extras</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Family Group</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Game bar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Game DVR</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Game Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Playing a game full screen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TruePlay</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Default browser settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Audio and speech</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Environment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Headset display</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Uninstall</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Startup and desktop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Network &amp;&amp; internet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Advanced settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Airplane mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cellular &amp;&amp; SIM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dial-up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DirectAccess</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ethernet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Manage known networks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mobile hotspot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Proxy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>VPN</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wi-Fi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wi-Fi provisioning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Background</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose which folders appear on Start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Colors</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Glance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lock screen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Navigation bar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Personalization (category)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Taskbar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Touch Keyboard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Themes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your phone (Opens Your Phone app)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Device Usage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Accessory apps</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Account info</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Activity history</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Advertising ID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>App diagnostics</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Automatic file downloads</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Background Apps</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Background Spatial Perception</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Call history</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Camera</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Contacts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Documents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Downloads folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Email</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eye tracker</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Feedback &amp;&amp; diagnostics</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File system</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>General</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Graphics</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Inking &amp;&amp; typing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Location</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Messaging</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Microphone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Motion</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Music Library</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Notifications</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Other devices</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Phone calls</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pictures</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Radios</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Privacy speech</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tasks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Videos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Voice activation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search more details</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search Permissions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Accounts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Session cleanup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Team Conferencing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Team device management</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Welcome screen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Advanced display settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>App volume and device preferences</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Battery Saver</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Battery Saver settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Battery use</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clipboard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Default Save Locations</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Duplicating my display</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Screen rotation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>During these hours</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Encryption</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Focus assist</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Graphics Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Graphics Default Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Multitasking</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Night light settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Projecting to this PC</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shared experiences</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tablet mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Notifications &amp;&amp; actions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remote Desktop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Phone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Power &amp;&amp; sleep</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sound devices</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Storage Sense</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Storage recommendations</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disks &amp;&amp; volumes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date &amp;&amp; time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Japan IME settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Region</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pinyin IME settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wubi IME settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add display language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Language options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set display language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Activation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Backup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delivery Optimization</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find My Device</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For developers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recovery</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Launch Security Key Enrollment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Windows Security</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Windows Insider Program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Windows Update-Active hours</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Windows Update-Advanced options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Windows Update-Optional updates</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Windows Update-Restart options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Troubleshoot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Windows Update-Seeker on demand</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Windows Update-View update history</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Workplace provisioning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Repair token</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Provisioning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Windows Anywhere</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All commands</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apps</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Control Center</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cortana</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Devices</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ease of access</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gaming</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Home page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mixed reality</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Network and internet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Personalization</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Privacy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Surface Hub</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time and language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Update and security</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>User accounts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No such useful command is found!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search useful commands</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add Hardware</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kernel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File System</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start pending</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop pending</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Running</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Continue pending</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pause pending</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Legacy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Supported</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not supported</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Product</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hosting board</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hot swappable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Powered on</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Removable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Requires daughter board</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Serial number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BIOS mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Secure boot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BIOS version</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BIOS current language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BIOS status</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BIOS manufacturer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BIOS serial number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BIOS release date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Caption</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DHCP enabled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Service name of the network adapter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TCP/IP enabled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Interface index</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DHCP server</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MAC address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DNS hostname</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TCP connections</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Database path</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disk is not in the drive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>KB/s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MB/s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Availability</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disk in the drive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drive letter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Media type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Firmware revision level</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SCSI logical unit number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transfer rate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SCSI bus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SCSI port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Layout</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Average pages per minute</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Default</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Driver name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Data type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Port name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Printer status</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Work offline</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print processor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>milliseconds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Config. manager error code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>User configuration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Power management supported</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Status info</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Is activated</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Specification version</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Manufacturer version</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Is enabled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed to remove the program!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>launching the program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>gets OS information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An error has occurred with detecting OS!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>gets CPU information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An error has occurred with detecting CPU!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>gets GPU information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An error has occurred with detecting GPU!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>gets RAM information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An error has occurred with detecting RAM!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>gets Storage information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An error has occurred with detecting Storage!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>gets Optical Devices information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An error has occurred with detecting Optical Devices!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>gets Motherboard information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An error has occurred with detecting Motherboard!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>gets Sound Devices information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An error has occurred with detecting Sound Devices!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>gets Network information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An error has occurred with detecting Network!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>gets Peripheral information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An error has occurred with detecting Peripheral!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total partitions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OS:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CPU:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RAM:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GPU:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Storage:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sound devices:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Motherboard:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Optical Devices:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Network:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Peripheral:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Services:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Processes:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Applications:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drivers:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trusted Platform Module</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loading data...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>build</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>logical processors</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cores</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>threads</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>slots</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>drives</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>partitions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>devices</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BIOS version:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not installed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>device</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>adapters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>items</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>services</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>processes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>applications</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>drivers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An error has occurred with detecting Programs!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>gets Services information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An error has occurred with detecting Services!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>gets Processes information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An error has occurred with detecting Processes!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>gets Drivers information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An error has occurred with Drivers detection!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>gets Startup information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An error has occurred with detecting Startup data!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>gets TPM information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An error has occurred with TPM detection!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>gets Programs information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed to detect drivers configuration!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
