// Uninstalling a program of the Applications page: the package tool first says what the removal
// would take and the user agrees or not; then the uninstall command runs on a Worker of its own,
// one at a time. A program that is gone afterwards loses its row, a removal that failed says why,
// and one whose uninstaller could not run can be taken off the list.

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

    // First the package tool says what the removal would take; nothing runs before the user
    // has seen that and agreed. Asking counts as uninstalling: one request at a time.
    uninstallRunning = true;
    const quint64 rowId = ++uninstallRowNumber;
    item->setData(0, kUninstallRequestRole, QVariant::fromValue(rowId));
    // The worker gets the command as a value; rows stay on this thread.
    const QString command = item->text(4);
    launchDetection(
        "Uninstall plan",
        [this, command, rowId](Worker *worker, QThread *) {
            connect(worker, &Worker::uninstallPlanned, this, &VerdimonNuvo::confirmUninstall);
            QMetaObject::invokeMethod(
                worker, [worker, command, rowId]() { worker->planUninstall(command, rowId); },
                Qt::QueuedConnection);
        },
        {}, QObject::tr("Failed to remove the program!"));
}

void VerdimonNuvo::confirmUninstall(quint64 rowId, bool packageRemoval, const QStringList &packages,
                                    const QString &error)
{
    uninstallRunning = false;
    QTreeWidgetItem *item = uninstallRow(rowId);
    if (!item)
        return;
    const QString name = item->text(0);
    if (packageRemoval && (!error.isEmpty() || packages.isEmpty())) {
        const QString reason = error.isEmpty()
            ? QObject::tr("The package manager would remove nothing: the program is not installed.")
            : QObject::tr("The package manager could not tell what the removal would take:")
                + QLatin1Char('\n') + error;
        showDetectionError(QObject::tr("Failed to remove the program!") + QLatin1Char('\n')
                           + reason);
        return;
    }
    // A long chain of dependants is cut, with the number of the rest.
    constexpr int shownPackages = 60;
    QString what;
    if (packageRemoval) {
        what = QObject::tr("Uninstalling %1 removes these packages:").arg(name) + QLatin1Char('\n')
            + QStringList(packages.mid(0, shownPackages)).join(QStringLiteral(", "));
        if (packages.size() > shownPackages)
            what += QStringLiteral(" (+%1)").arg(packages.size() - shownPackages);
    } else {
        what = QObject::tr("Uninstalling %1 runs this command:").arg(name) + QLatin1Char('\n')
            + item->text(4);
    }
    MsgDialog question(this, QObject::tr("Applications"),
                       what + QStringLiteral("\n\n") + QObject::tr("Do you want to continue?"), 4,
                       QDialogButtonBox::Yes | QDialogButtonBox::No);
    if (question.exec() == QDialogButtonBox::Yes)
        runUninstall(rowId);
}

void VerdimonNuvo::runUninstall(quint64 rowId)
{
    // The row may have gone while the question was open, and another request may have begun.
    const QTreeWidgetItem *item = uninstallRow(rowId);
    if (!item || uninstallRunning)
        return;
    uninstallRunning = true;
    const QString command = item->text(4);
    launchDetection(
        "Uninstall",
        [this, command, rowId](Worker *worker, QThread *) {
            connect(worker, &Worker::isUninstalling, this, &VerdimonNuvo::setUninstalling);
            connect(worker, &Worker::processFailed, this, &VerdimonNuvo::setProcessFailed);
            connect(worker, &Worker::failedToRemoveProduct, this,
                    &VerdimonNuvo::setFailedToRemoveProduct);
            connect(worker, &Worker::collectorAborted, this, [this] { uninstallRunning = false; });
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
    // The "Installed" count follows the rows (while the list is still being read it shows no
    // number yet).
    bool counted = false;
    const int count = installedAppsCountLabel->text().toInt(&counted);
    if (counted && count > 0)
        installedAppsCountLabel->setText(QString::number(count - 1));
    if (appsTree->topLevelItemCount() == 0)
        noAppsLabel->show();
}
