// The Startup page: where each entry lives (the tooltips of its cells) and the removal of the
// selected entry.

#include "mainwindow/verdimonnuvo.h"

#include "app/msgdialog.h"
#include "platform/platform.h"
#include "widgets/appqlabel.h"

#include <QFile>
#include <QLabel>
#include <QTreeWidget>

// The "Startup path" labels of the three Run keys; anything else is a Startup folder.
bool VerdimonNuvo::isStartupRunKeyLabel(const QString &startupPath)
{
    return startupPath.contains(QLatin1String("HKCU"))
        || startupPath.contains(QLatin1String("HKLM (x86)"))
        || startupPath.contains(QLatin1String("HKLM (x64)"));
}

void VerdimonNuvo::onStartupItemEntered(QTreeWidgetItem *item, int column)
{
    setStartupToolTip(item, column);
}

void VerdimonNuvo::setStartupToolTip(QTreeWidgetItem *item, int column)
{
    if (!item)
        return;
    // The cell's whole text: a name or a folder path too long for its column.
    const QString tip = item->text(column);
    item->setToolTip(column, tip);
}

void VerdimonNuvo::onStartupSelectionChanged()
{
    const QList<QTreeWidgetItem *> selected = startupTree->selectedItems();
    if (!selected.isEmpty() && selected.first()->isSelected())
        removeStartupLabel->setEnabled(true);
}

void VerdimonNuvo::onStartupItemPressed(QTreeWidgetItem *item, int column)
{
    Q_UNUSED(column)
    if (item && item->isSelected())
        removeStartupLabel->setEnabled(true);
}

void VerdimonNuvo::onRemoveStartupClicked()
{
    removeStartupEntries();
}

void VerdimonNuvo::removeStartupEntries()
{
    const QList<QTreeWidgetItem *> selected = startupTree->selectedItems();
    if (selected.isEmpty() || !selected.first()->isSelected())
        return;
    QTreeWidgetItem *item = selected.first();
    const QString location = item->data(0, Qt::UserRole).toString();
    const QString name = item->data(0, StartupEntryNameRole).toString();

    // A Run entry by its exact name in its key (the platform switches off a system-wide entry
    // for this user instead of deleting it); a folder entry by its own file path. Without a name
    // or a location nothing is removed.
    bool removed = false;
    if (!name.isEmpty() && !location.isEmpty()) {
        removed = isStartupRunKeyLabel(item->data(1, Qt::UserRole).toString())
            ? plat::registry()->open(location)->remove(name)
            : QFile::remove(location);
    }
    if (!removed) {
        // The entry is still there, so its row stays.
        MsgDialog box(this, QObject::tr("Error"),
                      QObject::tr("Failed to remove the startup entry!"), 3, QDialogButtonBox::Ok);
        box.exec();
        return;
    }

    delete startupTree->takeTopLevelItem(startupTree->indexOfTopLevelItem(item));
    // The tree would select the next row in its place; the next removal needs a choice of its
    // own.
    startupTree->clearSelection();
    const int left = startupTree->topLevelItemCount();
    startupCountLabel->setText(QString::number(left));
    if (left == 0)
        noStartupDataLabel->show();
}
