#include "verdimonnuvo.h"

#include "app/settings.h"
#include "app/systemfunctions.h"

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
    const QString name = QStringLiteral("Verdimon Nuvo");
    if (!fullInfo) {
        setWindowTitle(name);
        return;
    }
    const QString channel
        = updatesChannelComboBox ? updatesChannelComboBox->currentText() : QString();
    setWindowTitle(QStringLiteral("%1 [%2 | %3 %4 | %5]")
                       .arg(name, channel, QObject::tr("Build"), QStringLiteral("4.1.3.742"),
                            formatArchitecture(QStringLiteral("64"))));
}
