// Receivers of the detections' records and errors. Their bodies belong to the window's
// behaviour (filling the page trees and the Main summary); until then they accept and drop
// what they are given.

#include "mainwindow/verdimonnuvo.h"

void VerdimonNuvo::getSmartData() { }

void VerdimonNuvo::setSmartDriveData(const SmartInfo &info)
{
    Q_UNUSED(info)
}

void VerdimonNuvo::setNoSmartDataAvailable() { }

void VerdimonNuvo::storeDriveName() { }

void VerdimonNuvo::setUninstalling(bool uninstalling, quint64 rowId)
{
    Q_UNUSED(uninstalling)
    Q_UNUSED(rowId)
}

void VerdimonNuvo::setProcessFailed(quint64 rowId)
{
    Q_UNUSED(rowId)
}
