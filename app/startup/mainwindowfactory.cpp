#include "app/startup/mainwindowfactory.h"

#include "mainwindow/verdimonnuvo.h"

namespace MainWindowFactory {

namespace {
Maker &currentMaker()
{
    static Maker maker;
    return maker;
}
} // namespace

QWidget *create()
{
    if (currentMaker())
        return currentMaker()();
    return new VerdimonNuvo();
}

void setMaker(Maker maker)
{
    currentMaker() = std::move(maker);
}

} // namespace MainWindowFactory
