#pragma once

#include "platform/linuxsources.h"

#include <QObject>

Q_DECLARE_METATYPE(wmi::VARIANT)

// Short forms of expected values, and a list of them by property.
wmi::VARIANT S(const char *s);
wmi::VARIANT I(qint32 v);
wmi::VARIANT B(bool v);
extern const wmi::VARIANT N;
using Values = QVector<QPair<QString, wmi::VARIANT>>;
Q_DECLARE_METATYPE(Values)

// Hardware sources of the platform layer on the fixture trees "desktop" and "vm", on small
// trees made by the tests, and on the running machine.
class TestLinuxSourcesHw : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void properties_data();
    void properties();
    void objectCounts_data();
    void objectCounts();
    void everySchemaPropertyPresent_data();
    void everySchemaPropertyPresent();
    void processCountSkipsNonNumericEntries();
    void dates();
    void screenFigures_data();
    void screenFigures();

    void smbiosTable();
    void smbiosMemorySize_data();
    void smbiosMemorySize();
    void smbiosMalformed_data();
    void smbiosMalformed();
    void boardFromTableWithoutSysfsStrings();
    void tableFromEntries();

    void pciNames_data();
    void pciNames();
    void localeIds_data();
    void localeIds();

    void diskIndex_data();
    void diskIndex();
    void partitionsFromGptOnDevice();
    void partitionsFromMbrOnDevice_data();
    void partitionsFromMbrOnDevice();
    void ataDiskWithoutUdevRecord();

    void memoryFromUdevRecord();
    void processorsPerPackage();
    void cpuinfoLayouts_data();
    void cpuinfoLayouts();
    void refreshRangeOffsets();
    void nvidiaDriverVersionFromProcFile();

    void concurrentCallsAgree();
    void liveDiskIndexes();
};

// Expected property values, one row per (tree, class, object, property).
void addPropertyRows();
