// Handlers of the pages' controls, the window's own events and the steps of the constructor
// that belong to the window's behaviour, the update service, the accounts and the maintenance
// tools. Until those are in place each does nothing.

#include "mainwindow/verdimonnuvo.h"

#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QResizeEvent>



void VerdimonNuvo::retranslateUi() { }
