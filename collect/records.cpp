#include "records.h"

void registerRecordTypes()
{
    qRegisterMetaType<HardwareData>("HardwareData");
    qRegisterMetaType<SmartStorage>("SmartStorage");
    qRegisterMetaType<SmartInfo>("SmartInfo");
    qRegisterMetaType<Service>("Service");
    qRegisterMetaType<Process>("Process");
    qRegisterMetaType<Application>("Application");
    qRegisterMetaType<Driver>("Driver");
    qRegisterMetaType<Startup>("Startup");
    qRegisterMetaType<QTreeWidgetItem *>("QTreeWidgetItem*");
}
