// The receiving end of the software-list detections: one row per Service, Process, Application,
// Driver and Startup record, inserted in batches, and the Startup count.

#include "mainwindow/verdimonnuvo.h"

#include "app/msgdialog.h"
#include "mainwindow/listrowbatcher.h"

#include <QLabel>
#include <QTreeWidget>

namespace {

QTreeWidgetItem *makeRow(const QIcon &icon, const QStringList &texts)
{
    auto *item = new QTreeWidgetItem(texts);
    item->setIcon(0, icon);
    return item;
}

QString kilobytes(const QString &amount)
{
    // A figure the collector could not read stays "Unknown", not "Unknown KB".
    if (amount == QObject::tr("Unknown"))
        return amount;
    return QStringLiteral("%1 %2").arg(amount, QObject::tr("KB"));
}

} // namespace

void VerdimonNuvo::servicesData(const Service &service)
{
    if (service.serviceName.isEmpty())
        return;
    collectingServicesLabel->hide();
    listRows()->append(servicesTree, [service] {
        return makeRow(service.icon,
                       { service.serviceName, service.path, service.fileName, service.processId,
                         service.type, service.state, service.status, service.errorControl,
                         service.startMode, service.waitHint, service.exitCode });
    });
}

void VerdimonNuvo::processesData(const Process &process)
{
    if (process.processName.isEmpty())
        return;
    collectingProcessesLabel->hide();
    listRows()->append(processesTree, [process] {
        return makeRow(process.icon,
                       { process.processName, process.processId, kilobytes(process.workingSetSize),
                         process.handleCount, kilobytes(process.peakPageFileUsage),
                         process.priority, process.sessionId, process.threadCount,
                         kilobytes(process.virtualSize), process.path });
    });
}

void VerdimonNuvo::setAppsData(const Application &application)
{
    if (application.name.isEmpty())
        return;
    collectingAppsLabel->hide();
    listRows()->append(appsTree, [application] {
        QTreeWidgetItem *item
            = makeRow(application.icon,
                      { application.name, application.version, application.developer,
                        application.installPath, application.uninstallPath });
        item->setData(0, Qt::UserRole, QVariant(application.registryKey));
        item->setData(1, Qt::UserRole, QVariant(application.registrySubkey));
        return item;
    });
}

void VerdimonNuvo::setDriverInfo(const Driver &driver)
{
    if (driver.name.isEmpty())
        return;
    collectingDriversLabel->hide();
    listRows()->append(driversTree,
                       makeRow(driver.icon,
                               { driver.name, driver.version, driver.description, driver.type,
                                 driver.fileName, driver.state, driver.path }));
}

void VerdimonNuvo::setFailedToDetectDriversConfig()
{
    MsgDialog box(this, QObject::tr("Error"),
                  QObject::tr("Failed to detect drivers configuration!"), 3, QDialogButtonBox::Ok);
    box.exec();
}

void VerdimonNuvo::setStartupInfo(const Startup &startup)
{
    if (startup.name.isEmpty())
        return;
    collectingStartupLabel->hide();
    // A Run entry shows its own name and the folder it lives in; its value name and key label
    // stay with the row for its removal.
    const bool runEntry = isStartupRunKeyLabel(startup.startupPath);
    const QString shownName = startup.displayName.isEmpty() ? startup.name : startup.displayName;
    const QString shownPath
        = runEntry && !startup.location.isEmpty() ? startup.location : startup.startupPath;
    QTreeWidgetItem *item = makeRow(startup.icon, { shownName, shownPath, startup.command });
    item->setData(0, Qt::UserRole, QVariant(startup.location));
    item->setData(0, StartupEntryNameRole, QVariant(startup.name));
    item->setData(1, Qt::UserRole, QVariant(startup.startupPath));
    listRows()->append(startupTree, item);
}

void VerdimonNuvo::setStartupDataReady()
{
    listRows()->flush(startupTree);
    const int count = startupTree->topLevelItemCount();
    startupCountLabel->setText(QString::number(count));
    noStartupDataLabel->setVisible(count < 1);
}
