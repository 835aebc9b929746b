#include "verdimonnuvo.h"

#include "app/productinfo.h"
#include "app/settings.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QSignalBlocker>

void VerdimonNuvo::loadAppSettings()
{
    // The title names the stored channel, so the combo box shows it first (its handler does not
    // run: nothing changed).
    int channel
        = Settings::intValue(QStringLiteral("Updates"), QStringLiteral("UpdatesChannel"), 3);
    if (channel < 0 || channel > 3)
        channel = 3; // an unreadable channel counts as Release everywhere
    if (updatesChannelComboBox && channel < updatesChannelComboBox->count()) {
        const QSignalBlocker blocker(updatesChannelComboBox);
        updatesChannelComboBox->setCurrentIndex(channel);
    }
    // The title comes last: the running instance is found by it.
    updateWindowTitle(
        Settings::boolValue(QStringLiteral("AppSettings"), QStringLiteral("ShowFullInfo"), true));
}

void VerdimonNuvo::updateWindowTitle(bool fullInfo)
{
    const QString channel
        = updatesChannelComboBox ? updatesChannelComboBox->currentText() : QString();
    setWindowTitle(Product::windowTitle(fullInfo, channel));
}
