#include "app/wmiservice.h"

#include "app/msgdialog.h"
#include "platform/platform.h"

#include <QObject>

void startWmiService(QWidget *parent)
{
    const std::shared_ptr<plat::ServiceControl> services = plat::serviceControl();
    if (!services->openManager())
        return;
    const QString service = QStringLiteral("Winmgmt");
    plat::ServiceControl::State state = plat::ServiceControl::Unknown;
    if (!services->queryState(service, &state))
        return;
    if (state == plat::ServiceControl::Paused) {
        if (!services->resume(service)) {
            MsgDialog message(parent, QObject::tr("Error"),
                              QObject::tr("Failed to resume the WMI service!"), 3,
                              QDialogButtonBox::Ok);
            message.exec();
        }
    } else if (state == plat::ServiceControl::Stopped) {
        if (!services->start(service) && !services->setAutoStart(service)) {
            MsgDialog message(parent, QObject::tr("Error"),
                              QObject::tr("Failed to start the WMI service!"), 3,
                              QDialogButtonBox::Ok);
            message.exec();
        }
    }
}
