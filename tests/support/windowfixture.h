#pragma once
// The main window on a fake platform with a 1600 x 1000 screen; derive next to QObject.

#include "mainwindow/verdimonnuvo.h"
#include "platform/fakes/fakeplatform.h"

#include <QCoreApplication>

#include <memory>

class WindowFixture
{
protected:
    void startWindow(VerdimonNuvo::StartupActions actions
                     = VerdimonNuvo::StartupActions::WidgetsOnly)
    {
        QCoreApplication::setOrganizationName(QStringLiteral("Dravonel"));
        QCoreApplication::setApplicationName(QStringLiteral("Verdimon Nuvo"));
        fakes = std::make_unique<plat::FakePlatform>();
        fakes->screenInfo->screenSize = QSize(1600, 1000);
        scopedPlatform = std::make_unique<plat::ScopedPlatform>(fakes->platform());
        window = std::make_unique<VerdimonNuvo>(actions);
    }

    void stopWindow()
    {
        window.reset();
        scopedPlatform.reset();
    }

    std::unique_ptr<plat::FakePlatform> fakes;
    std::unique_ptr<plat::ScopedPlatform> scopedPlatform;
    std::unique_ptr<VerdimonNuvo> window;
};
