#include "net/ftpdata.h"

void registerFtpDataMetaTypes()
{
    qRegisterMetaType<FtpData>("FtpData");
    qRegisterMetaType<QVector<FtpData>>("QVector<FtpData>");
}
