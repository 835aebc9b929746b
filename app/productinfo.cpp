#include "app/productinfo.h"

#include "app/systemfunctions.h"

#include <QObject>

namespace Product {

QString windowTitle(bool fullInformation, const QString &channelName)
{
    const QString name = QString::fromLatin1(displayName);
    if (!fullInformation)
        return name;
    return QStringLiteral("%1 [%2 | %3 %4 | %5]")
        .arg(name, channelName, QObject::tr("Build"), QString::fromLatin1(version),
             formatArchitecture(QString::number(applicationBitness())));
}

} // namespace Product
