#include "app/startup/processentry.h"

#include "app/msgdialog.h"
#include "app/productinfo.h"
#include "app/settings.h"
#include "app/startup/singleinstance.h"
#include "app/systemfunctions.h"
#include "platform/platform.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace ProcessEntry {

namespace {

const char localDumpsKey[]
    = "HKEY_LOCAL_MACHINE/SOFTWARE/Microsoft/Windows/Windows Error Reporting/LocalDumps";

} // namespace

QString runningWindowTitle()
{
    const bool full
        = Settings::boolValue(QStringLiteral("AppSettings"), QStringLiteral("ShowFullInfo"), true);
    const int channel
        = Settings::intValue(QStringLiteral("Updates"), QStringLiteral("UpdatesChannel"), 3);
    return Product::windowTitle(full, updateChannelName(channel));
}

InstanceDecision decideInstance(SingleInstance &instance, const QStringList &arguments)
{
    if (instance.claim()) {
        instance.listen();
        return InstanceDecision::First;
    }
    if (arguments.size() == 2 && arguments.at(1) == QLatin1String(restartArgument)) {
        // The predecessor still holds the marker while it ends; take it over afterwards.
        instance.takeOverWhenFree();
        return InstanceDecision::Restart;
    }
    MsgDialog question(nullptr, QObject::tr("Attention"),
                       QObject::tr("Do you want to open another instance?"), 2,
                       QDialogButtonBox::Yes | QDialogButtonBox::No);
    if (question.exec() == QDialogButtonBox::Yes)
        return InstanceDecision::Second;
    SingleInstance::raiseRunningInstance(QString::fromLatin1(Product::displayName),
                                         runningWindowTitle());
    return InstanceDecision::GiveWay;
}

bool crashDumpKeyExists(const QString &fileName)
{
    const auto key
        = plat::registry()->open(QDir::toNativeSeparators(QString::fromLatin1(localDumpsKey)));
    return key->childGroups().contains(fileName, Qt::CaseSensitive);
}

void registerCrashDumps(const QString &dumpFolder)
{
    const QString fileName = QFileInfo(QCoreApplication::applicationFilePath()).fileName();
    if (crashDumpKeyExists(fileName))
        return;
    const QString path = QDir::toNativeSeparators(QStringLiteral("%1/%2").arg(
        QDir::toNativeSeparators(QString::fromLatin1(localDumpsKey)), fileName));
    const auto key = plat::registry()->open(path);
    key->setValue(QStringLiteral("DumpFolder"), dumpFolder);
    key->setValue(QStringLiteral("DumpCount"), 10);
    key->setValue(QStringLiteral("DumpType"), 1);
}

} // namespace ProcessEntry
