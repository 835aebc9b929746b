// The S.M.A.R.T. page: the known attributes of one drive, in ascending id.

#include "smartreader.h"
#include "worker.h"

#include "platform/platform.h"

void Worker::smartStorageInfo(int driveIndex)
{
    auto reader = std::make_unique<SmartReader>(plat::smartIo());
    reader->resetSmartData();
    reader->buildSmartAttributeTable();

    if (!reader->readDriveSmart(driveIndex)) {
        emit noSmartDriveDataAvailable();
    } else {
        const quint8 driveNumber = reader->drive(driveIndex).driveNumber;
        for (int id = 0; id <= 254; ++id) {
            if (m_cancelSmart)
                break;
            const SmartReader::Reading *reading
                = reader->reading(SmartReader::readingKey(driveNumber, quint8(id)));
            const SmartReader::Attribute *attribute = reader->attribute(id);
            if (!reading || !attribute)
                continue;
            SmartInfo info;
            info.attributeId = QStringLiteral("%1").arg(id, 3, 10, QLatin1Char('0'));
            info.description = attribute->description;
            info.name = attribute->name;
            info.value = QString::number(reading->value);
            info.worst = QString::number(reading->worst);
            info.rawData = QString::number(reading->rawValue);
            info.threshold = QString::number(reading->threshold);
            emit smartDriveData(info);
        }
    }

    reader.reset();
    emit finished();
}
