// The SMART page: the attributes of the drive chosen in the list, read on a Worker of their own,
// and the description of an attribute on request.

#include "mainwindow/verdimonnuvo.h"

#include "app/msgdialog.h"
#include "collect/worker.h"
#include "widgets/appqlabel.h"

#include <QComboBox>
#include <QLabel>
#include <QThread>
#include <QTreeWidget>

void VerdimonNuvo::getSmartData()
{
    // An empty list has no data: the read asks for drive 0.
    appSmartThread(smartDriveComboBox->currentData(Qt::UserRole).toInt());
}

void VerdimonNuvo::appSmartThread(int driveIndex)
{
    // One read at a time fills the tree: a read still running is cancelled, and what it sent
    // before it saw the flag is dropped on arrival, as are the records of a batch that a reset
    // ended. So a quick change of drives never mixes two drives' attributes.
    emit cancelSmartDetection();
    const quint64 batch = detectionBatch;
    const quint64 read = ++smartReadNumber;
    const auto current = [this, batch, read]() {
        return batch == detectionBatch && read == smartReadNumber;
    };

    launchDetection(
        "SMART",
        [this, current, driveIndex](Worker *worker, QThread *) {
            connect(worker, &Worker::smartDriveData, this, [this, current](const SmartInfo &info) {
                acquireHandovers(info);
                if (current())
                    setSmartDriveData(info);
            });
            connect(worker, &Worker::noSmartDriveDataAvailable, this, [this, current]() {
                if (current())
                    setNoSmartDataAvailable();
            });
            connect(this, &VerdimonNuvo::cancelSmartDetection, worker,
                    &Worker::setCancelSmartDetection, Qt::DirectConnection);
            connect(worker, &Worker::finished, this, [this, current]() {
                if (current())
                    storeDriveName();
            });
            QMetaObject::invokeMethod(
                worker, [worker, driveIndex]() { worker->smartStorageInfo(driveIndex); },
                Qt::QueuedConnection);
        },
        {}, QObject::tr("No smart data has been found!"));
}

void VerdimonNuvo::setSmartDriveData(const SmartInfo &info)
{
    noSmartDataLabel->hide();
    collectingSmartLabel->hide();
    auto *item = new QTreeWidgetItem(
        { info.attributeId, info.name, info.value, info.worst, info.rawData, info.threshold });
    item->setIcon(0, QIcon(QStringLiteral(":/Icon/storage.png")));
    item->setData(0, Qt::UserRole, QVariant(info.description));
    // The tree sorts by attribute id, whatever order the rows come in.
    smartTree->addTopLevelItem(item);
}

void VerdimonNuvo::setNoSmartDataAvailable()
{
    collectingSmartLabel->hide();
    noSmartDataLabel->show();
}

void VerdimonNuvo::storeDriveName()
{
    // The report writers name the drive whose attributes the tree holds.
    smartTree->setAccessibleDescription(smartDriveComboBox->currentText());
}

void VerdimonNuvo::onSmartDriveActivated(int index)
{
    smartTree->clear();
    // The two labels share one place: the collecting state replaces the no-data one.
    noSmartDataLabel->hide();
    collectingSmartLabel->show();
    appSmartThread(smartDriveComboBox->itemData(index, Qt::UserRole).toInt());
}

void VerdimonNuvo::onSmartItemDoubleClicked(QTreeWidgetItem *item, int column)
{
    Q_UNUSED(column)
    showSmartAttributeInfo(item);
}

void VerdimonNuvo::onSmartInfoClicked()
{
    showSelectedSmartAttributeInfo();
}

void VerdimonNuvo::showSelectedSmartAttributeInfo()
{
    const QList<QTreeWidgetItem *> selected = smartTree->selectedItems();
    if (!selected.isEmpty()) {
        if (selected.first()->isSelected())
            showSmartAttributeInfo(selected.first());
        return;
    }
    MsgDialog box(this, smartInfoLabel->toolTip(),
                  QObject::tr("No smart item is selected to view the information! Please select "
                              "the smart item and try again."),
                  2, QDialogButtonBox::Ok);
    box.exec();
}

void VerdimonNuvo::showSmartAttributeInfo(QTreeWidgetItem *item)
{
    if (!item)
        return;
    MsgDialog box(this, QObject::tr("Information"), item->data(0, Qt::UserRole).toString(), 1,
                  QDialogButtonBox::Ok);
    box.exec();
}
