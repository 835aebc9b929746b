#pragma once
// A whole fake machine and the wait for a batch, for the detection tests and the timing program.

#include "collect/records.h"
#include "mainwindow/verdimonnuvo.h"
#include "platform/fakes/fakeplatform.h"
#include "platform/fakes/fakeprovider.h"

#include <QIcon>
#include <QList>
#include <QString>

class QLabel;
class QWidget;

#include <memory>

namespace DetectionTesting {

// What fillMachine puts in; the expectations of the tests are written from these.
struct MachineShape
{
    int processors = 2;
    int services = 3;
    int processes = 3;
    int applications = 2;
    int drivers = 2;
    bool withTpm = true;
    bool withSlots = true;
    QString osName = QStringLiteral("Debian GNU/Linux 12 (bookworm)");
};

void fillMachine(wmi::FakeProvider &provider, plat::FakePlatform &platform,
                 const MachineShape &shape = MachineShape());

// True once every detection thread and Worker has ended, running the event loop meanwhile.
bool waitForDetections(int timeoutMs);

// A hardware record as the collectors send it.
HardwareData record(const QString &heading, const QString &label, const QString &value);

// True when the icon shows the picture at `:/Icon/<name>.png`.
bool sameIcon(const QIcon &icon, const char *name);

// The "No ... data is available. Try to refresh" links of the window's twelve WMI pages.
QList<QLabel *> refreshLinks(const QWidget *window);

// A fresh window over a fake machine per test; message boxes are answered Ok and recorded.
class DetectionFixture
{
protected:
    std::shared_ptr<wmi::FakeProvider> fake;
    std::unique_ptr<wmi::ScopedProvider> useFake;
    std::unique_ptr<plat::FakePlatform> fakes;
    std::unique_ptr<plat::ScopedPlatform> usePlatform;
    std::unique_ptr<VerdimonNuvo> window;
    QStringList boxes; // "title|text" of every message box, in order

    void answerBoxes();
    void openWindow();
    void closeWindow();
};

} // namespace DetectionTesting
