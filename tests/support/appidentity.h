#pragma once
// The program's own settings, log and dump names (inside the test's HOME) from the first moment.

#include <QCoreApplication>

static void vnUseProgramIdentity()
{
    QCoreApplication::setOrganizationName(QStringLiteral("Dravonel"));
    QCoreApplication::setApplicationName(QStringLiteral("Verdimon Nuvo"));
}

Q_COREAPP_STARTUP_FUNCTION(vnUseProgramIdentity)
