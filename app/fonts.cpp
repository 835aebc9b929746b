#include "app/fonts.h"

#include "app/applog.h"
#include "app/settings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QMimeDatabase>
#include <QSettings>
#include <QStandardPaths>

#include <mutex>

QMap<QString, QString> fontResourceFile()
{
    return {
        { QStringLiteral("Arial"), QStringLiteral(":/Fonts/arial.ttf") },
        { QStringLiteral("MS Shell Dlg 2"), QString() },
        { QStringLiteral("Roboto"), QStringLiteral(":/Fonts/Roboto-Regular.ttf") },
        { QStringLiteral("Segoe UI"), QStringLiteral(":/Fonts/segoeui.ttf") },
        { QStringLiteral("Segoe UI Variable"), QStringLiteral(":/Fonts/SegUIVar.ttf") },
        { QStringLiteral("Segoe UI Variable Display"), QStringLiteral(":/Fonts/SegUIVar.ttf") },
    };
}

QStringList fontSizeList()
{
    return { QStringLiteral("6"),  QStringLiteral("7"),  QStringLiteral("8"),  QStringLiteral("9"),
             QStringLiteral("10"), QStringLiteral("11"), QStringLiteral("12"), QStringLiteral("14"),
             QStringLiteral("16"), QStringLiteral("18"), QStringLiteral("20"), QStringLiteral("22"),
             QStringLiteral("24"), QStringLiteral("26"), QStringLiteral("28"), QStringLiteral("36"),
             QStringLiteral("48"), QStringLiteral("72") };
}

QString freeFamilyFor(const QString &family)
{
    static const QMap<QString, QString> standIns = {
        { QStringLiteral("Arial"), QStringLiteral("Liberation Sans") },
        { QStringLiteral("MS Shell Dlg 2"), QStringLiteral("DejaVu Sans") },
        { QStringLiteral("Roboto"), QStringLiteral("Roboto") },
        { QStringLiteral("Segoe UI"), QStringLiteral("Open Sans") },
        { QStringLiteral("Segoe UI Variable"), QStringLiteral("Open Sans") },
        { QStringLiteral("Segoe UI Variable Display"), QStringLiteral("Open Sans") },
    };
    return standIns.value(family);
}

void registerFontSubstitutions()
{
    static std::once_flag once;
    std::call_once(once, [] {
        const QStringList families = fontResourceFile().keys();
        for (const QString &family : families) {
            const QString standIn = freeFamilyFor(family);
            if (!standIn.isEmpty() && standIn != family)
                QFont::insertSubstitutions(family, { standIn, QStringLiteral("DejaVu Sans") });
        }
    });
}

QFont appFont(bool bold)
{
    return appFontEx(Settings::fontSize(), bold, false);
}

QFont appFontEx(int pixelSize, bool bold, bool underline)
{
    registerFontSubstitutions();
    QFont font;
    font.setFamily(Settings::fontFamily());
    font.setPixelSize(pixelSize);
    font.setWeight(bold ? QFont::Bold : QFont::Normal);
    font.setUnderline(underline);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

QString userFontsDir()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)
        + QStringLiteral("/fonts");
}

QString installedFontsRecordFile()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation)
        + QStringLiteral("/installed-fonts.ini");
}

namespace {

bool hasFamily(const QStringList &available, const QString &family)
{
    return available.contains(family, Qt::CaseInsensitive);
}

QString fontKind(const QString &resourceFile)
{
    const QMimeType type
        = QMimeDatabase().mimeTypeForFile(resourceFile, QMimeDatabase::MatchContent);
    if (type.inherits(QStringLiteral("application/x-font-ttf")))
        return QStringLiteral("TrueType");
    if (type.inherits(QStringLiteral("application/x-font-otf")))
        return QStringLiteral("OpenType");
    return QStringLiteral("OtherType");
}

} // namespace

QStringList installFontFiles(const QString &fontsDir, const QStringList &availableFamilies,
                             const QString &recordFile)
{
    QStringList copied;
    // Families made present by an earlier copy count as present (two files share one font).
    QStringList available = availableFamilies;
    const QMap<QString, QString> table = fontResourceFile();
    for (auto it = table.cbegin(); it != table.cend(); ++it) {
        const QString &family = it.key();
        const QString &resource = it.value();
        if (hasFamily(available, family) || hasFamily(available, freeFamilyFor(family)))
            continue;
        if (resource.isEmpty())
            continue;
        const QString target = QDir::toNativeSeparators(
            QStringLiteral("%1/%2").arg(fontsDir, QFileInfo(resource).fileName()));
        if (fontsDir.isEmpty())
            continue;
        if (QFileInfo::exists(target)) {
            available.append(freeFamilyFor(family)); // installed by an earlier start
            continue;
        }

        QDir().mkpath(fontsDir);
        if (!QFile::copy(resource, target)) {
            appendToLog(
                QStringLiteral("%1: %2: %3")
                    .arg(currentTimestamp(), QObject::tr("Failed to copy the font"), family));
            continue;
        }
        // Copies out of the resources are read-only.
        QFile::setPermissions(target,
                              QFileDevice::ReadOwner | QFileDevice::WriteOwner
                                  | QFileDevice::ReadGroup | QFileDevice::ReadOther);
        if (qobject_cast<QGuiApplication *>(QCoreApplication::instance()))
            QFontDatabase::addApplicationFont(target);
        QSettings record(recordFile, QSettings::IniFormat);
        record.beginGroup(QStringLiteral("Fonts"));
        record.setValue(QStringLiteral("%1 (%2)").arg(family, fontKind(resource)),
                        QFileInfo(target).fileName());
        record.endGroup();
        copied.append(QFileInfo(target).fileName());
        available.append(freeFamilyFor(family));
    }
    return copied;
}

void installFontFile()
{
    registerFontSubstitutions();
    installFontFiles(userFontsDir(), QFontDatabase().families(), installedFontsRecordFile());
}
