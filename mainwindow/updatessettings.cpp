// What the Updates settings page does when the user changes it: every option is stored at once;
// the update check reads them.

#include "mainwindow/verdimonnuvo.h"

#include "app/productinfo.h"
#include "app/settings.h"
#include "widgets/switch.h"

#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>

namespace {

void writeUpdates(const char *key, const QVariant &value)
{
    Settings::setSettingsValue(QStringLiteral("Updates"), QString::fromLatin1(key), value);
}

} // namespace

void VerdimonNuvo::onInstallAutomaticallyToggled(bool on)
{
    writeUpdates("InstallUpdatesAutomatically", on);
}

void VerdimonNuvo::onDisableUpdatesToggled(bool on)
{
    saveUpdatesOptions(on);
}

void VerdimonNuvo::onCheckUpdatesAtStartToggled(bool on)
{
    writeUpdates("CheckForUpdatesWhenAppStarts", on);
}

void VerdimonNuvo::onInsiderNotificationToggled(bool on)
{
    writeUpdates("GetInsiderBuildsNotification", on);
}

void VerdimonNuvo::onDeleteInstallerToggled(bool on)
{
    writeUpdates("DeleteInstaller", on);
}

void VerdimonNuvo::onInstallSilentlyToggled(bool on)
{
    writeUpdates("InstallSilently", on);
}

void VerdimonNuvo::saveUpdatesOptions(bool disable)
{
    const std::pair<Switch *, const char *> options[] = {
        { installAutomaticallySwitch, "InstallUpdatesAutomatically" },
        { checkOnStartSwitch, "CheckForUpdatesWhenAppStarts" },
        { insiderNotificationSwitch, "GetInsiderBuildsNotification" },
        { deleteInstallerSwitch, "DeleteInstaller" },
        { installSilentlySwitch, "InstallSilently" },
    };
    for (const auto &option : options) {
        if (disable) {
            option.first->setChecked(false);
            writeUpdates(option.second, option.first->isChecked());
        }
        option.first->setEnabled(!disable);
    }
    writeUpdates("DisableUpdates", disable);
}

void VerdimonNuvo::onUpdatesChannelChanged(int index)
{
    writeUpdates("UpdatesChannel", index);
    updateWindowTitle(showFullInfoSwitch->isChecked());
    aboutChannelLabel->setText(updatesChannelComboBox->currentText());
}

void VerdimonNuvo::onDeliveryChanged(int index)
{
    writeUpdates("Delivery", index);
}

void VerdimonNuvo::setPathEdit(QLineEdit *edit, const QString &group, const QString &key,
                               const QString &path)
{
    edit->setText(QDir::toNativeSeparators(path));
    edit->setToolTip(edit->text());
    Settings::setSettingsValue(group, key, edit->text());
}

void VerdimonNuvo::chooseDownloadPath()
{
    const QString folder = QFileDialog::getExistingDirectory(
        this, QObject::tr("Download path"), existingFolderOrHome(downloadPathEdit->text()),
        QFileDialog::ShowDirsOnly | QFileDialog::DontResolveSymlinks);
    if (folder.isEmpty())
        return;
    setPathEdit(downloadPathEdit, QStringLiteral("Updates"), QStringLiteral("DownloadPath"),
                folder);
}

void VerdimonNuvo::onInstallPathClicked()
{
    chooseInstallPath();
}

void VerdimonNuvo::chooseInstallPath()
{
    QString folder = QFileDialog::getExistingDirectory(
        this, QObject::tr("Install path"), existingFolderOrHome(installPathEdit->text()),
        QFileDialog::ShowDirsOnly | QFileDialog::DontResolveSymlinks);
    if (folder.isEmpty())
        return;
    // The program always installs into a folder of its own name.
    const QString name = QString::fromLatin1(Product::displayName);
    if (!folder.contains(name, Qt::CaseSensitive))
        folder = QStringLiteral("%1/%2").arg(folder, name);
    setPathEdit(installPathEdit, QStringLiteral("Updates"), QStringLiteral("InstallPath"), folder);
}
