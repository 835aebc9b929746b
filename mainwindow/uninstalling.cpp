// Uninstalling a program of the Applications page: its uninstall command runs on a Worker of its
// own, one at a time; a program that is gone afterwards loses its row, and one whose uninstaller
// could not run can be taken off the list.

#include "mainwindow/verdimonnuvo.h"

#include "app/msgdialog.h"
#include "app/systemfunctions.h"
#include "collect/worker.h"
#include "mainwindow/listrowbatcher.h"
#include "platform/platform.h"
#include "widgets/appqlabel.h"

#include <QLabel>
#include <QThread>
#include <QTreeWidget>

namespace {

// The id of the uninstall request a row belongs to. The answers name the row by this id, so an
// answer whose row has gone meanwhile (the list was rebuilt, or the row was removed) finds
// nothing and is ignored.
constexpr int kUninstallRequestRole = Qt::UserRole + 1;

bool isStillInstalled(const QTreeWidgetItem *item)
{
    return findInstalledProgram(item->data(0, Qt::UserRole).toString(),
                                item->data(1, Qt::UserRole).toString(), item->text(0));
}

} // namespace

void VerdimonNuvo::onUninstallClicked()
{
    uninstallSelectedProgram();
}

void VerdimonNuvo::onProgramDoubleClicked(QTreeWidgetItem *item, int column)
{
    Q_UNUSED(column)
    startUninstall(item);
}

void VerdimonNuvo::uninstallSelectedProgram()
{
    const QList<QTreeWidgetItem *> selected = appsTree->selectedItems();
    if (!selected.isEmpty()) {
        if (selected.first()->isSelected())
            startUninstall(selected.first());
        return;
    }
    MsgDialog box(this, uninstallAppLabel->toolTip(),
                  QObject::tr("No program is selected to delete! Please select the program and "
                              "try again."),
                  2, QDialogButtonBox::Ok);
    box.exec();
}

void VerdimonNuvo::startUninstall(QTreeWidgetItem *item)
{
    if (!item)
        return;
    if (uninstallRunning) {
        MsgDialog box(this, QObject::tr("Information"),
                      QObject::tr("Please wait until the current program is finished "
                                  "uninstalling or being changed!"),
                      1, QDialogButtonBox::Ok);
        box.exec();
        return;
    }

    const quint64 rowId = ++uninstallRowNumber;
    item->setData(0, kUninstallRequestRole, QVariant::fromValue(rowId));
    // The worker gets the command as a value; rows stay on this thread.
    const QString command = item->text(4);
    launchDetection(
        "Uninstall",
        [this, command, rowId](Worker *worker, QThread *) {
            connect(worker, &Worker::isUninstalling, this, &VerdimonNuvo::setUninstalling);
            connect(worker, &Worker::processFailed, this, &VerdimonNuvo::setProcessFailed);
            connect(worker, &Worker::failedToRemoveProduct, this,
                    &VerdimonNuvo::setFailedToRemoveProduct);
            QMetaObject::invokeMethod(
                worker, [worker, command, rowId]() { worker->productUninstall(command, rowId); },
                Qt::QueuedConnection);
        },
        {}, QObject::tr("Failed to remove the program!"));
}

QTreeWidgetItem *VerdimonNuvo::uninstallRow(quint64 rowId)
{
    listRows()->flush(appsTree);
    for (int index = 0; index < appsTree->topLevelItemCount(); ++index) {
        QTreeWidgetItem *item = appsTree->topLevelItem(index);
        if (item->data(0, kUninstallRequestRole).toULongLong() == rowId)
            return item;
    }
    return nullptr;
}

void VerdimonNuvo::setUninstalling(bool uninstalling, quint64 rowId)
{
    uninstallRunning = uninstalling;
    if (uninstalling)
        return;
    // The uninstaller and every process it started have ended.
    QTreeWidgetItem *item = uninstallRow(rowId);
    if (item && !isStillInstalled(item))
        removeProgramRow(item);
}

void VerdimonNuvo::setProcessFailed(quint64 rowId)
{
    const QTreeWidgetItem *asked = uninstallRow(rowId);
    if (!asked)
        return;
    const QString name = asked->text(0);
    const QString text = QObject::tr("An error occurred while uninstalling") + QLatin1Char(' ')
        + name + QStringLiteral(". ") + QObject::tr("It may have already been uninstalled.")
        + QLatin1Char('\n') + QObject::tr("Do you want to remove") + QLatin1Char(' ') + name
        + QLatin1Char(' ') + QObject::tr("from the list?");
    MsgDialog question(this, QObject::tr("Applications"), text, 2,
                       QDialogButtonBox::Yes | QDialogButtonBox::No);
    if (question.exec() != QDialogButtonBox::Yes)
        return;

    // The row may have gone while the question was open.
    QTreeWidgetItem *item = uninstallRow(rowId);
    if (!item)
        return;
    // The entry goes through the platform's registry: a package database is never written, and
    // an entry it can not take off the list is said so, not passed over in silence.
    const std::unique_ptr<plat::RegistryKey> key
        = plat::registry()->open(item->data(0, Qt::UserRole).toString());
    if (!key->remove(item->data(1, Qt::UserRole).toString())) {
        MsgDialog refused(this, QObject::tr("Applications"),
                          QObject::tr("Failed to remove the program from the list!"), 3,
                          QDialogButtonBox::Ok);
        refused.exec();
        return;
    }
    if (!isStillInstalled(item))
        removeProgramRow(item);
}

void VerdimonNuvo::removeProgramRow(QTreeWidgetItem *item)
{
    const int index = appsTree->indexOfTopLevelItem(item);
    if (index < 0)
        return;
    delete appsTree->takeTopLevelItem(index);
    // The tree would select the next row in its place: a second click must not uninstall a
    // program the user never chose.
    appsTree->clearSelection();
    // The count label keeps the number the detection found.
    if (appsTree->topLevelItemCount() == 0)
        noAppsLabel->show();
}
