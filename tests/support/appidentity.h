#pragma once
// Included by a test of the application and start-up code: gives it the program's organisation
// and application names as soon as the application object exists, so the settings store, the
// log folder and the crash dumps are the program's own (inside the test's throw-away HOME).

#include <QCoreApplication>

static void vnUseProgramIdentity()
{
    QCoreApplication::setOrganizationName(QStringLiteral("Dravonel"));
    QCoreApplication::setApplicationName(QStringLiteral("Verdimon Nuvo"));
}

Q_COREAPP_STARTUP_FUNCTION(vnUseProgramIdentity)
