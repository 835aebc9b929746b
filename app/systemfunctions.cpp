#include "app/systemfunctions.h"

#include "app/appenums.h"
#include "app/applog.h"
#include "app/cipher.h"
#include "app/config.h"
#include "app/language.h"
#include "app/settings.h"
#include "platform/platform.h"

#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QHostAddress>
#include <QHostInfo>
#include <QRegularExpression>
#include <QScreen>
#include <QTcpSocket>
#include <QThread>
#include <QTimer>
#include <QWidget>

#include <chrono>
#include <future>
#include <memory>
#include <thread>

#include <unistd.h>

const char runKeyPath32[] = "HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";
const char runKeyPath64[]
    = "HKEY_LOCAL_MACHINE\\SOFTWARE\\WOW6432Node\\Microsoft\\Windows\\CurrentVersion\\Run";

namespace {

bool isReservedExampleName(const QString &host)
{
    const QString name = host.trimmed().toLower();
    return name == QLatin1String("example") || name.endsWith(QLatin1String(".example"))
        || name.endsWith(QLatin1String(".example."));
}

} // namespace

bool isHostReachable(const QString &host, quint16 port, int timeoutMs)
{
    // Names under the reserved ".example" domain never exist: no look-up, no wait.
    if (isReservedExampleName(host))
        return false;
    QElapsedTimer clock;
    clock.start();
    // The name look-up blocks without a limit of its own, so it runs aside and counts against
    // the same wait; a look-up still running when the wait is over is left to finish alone.
    QList<QHostAddress> addresses;
    QHostAddress literal;
    if (literal.setAddress(host)) {
        addresses << literal;
    } else {
        auto lookup = std::make_shared<std::packaged_task<QHostInfo()>>(
            [host] { return QHostInfo::fromName(host); });
        std::future<QHostInfo> answer = lookup->get_future();
        std::thread([lookup] { (*lookup)(); }).detach();
        if (answer.wait_for(std::chrono::milliseconds(timeoutMs)) != std::future_status::ready)
            return false;
        addresses = answer.get().addresses();
    }
    for (const QHostAddress &address : qAsConst(addresses)) {
        const qint64 left = timeoutMs - clock.elapsed();
        if (left <= 0)
            break;
        QTcpSocket socket;
        socket.connectToHost(address, port);
        socket.waitForConnected(int(left));
        const bool connected = socket.state() == QAbstractSocket::ConnectedState;
        socket.abort();
        if (connected)
            return true;
    }
    return false;
}

bool isNetworkAvailable()
{
    return isHostReachable(Config::webHost(), Config::webPort(), networkTestTimeoutMs);
}

void checkHostReachable(const QString &host, quint16 port, int timeoutMs, QObject *context,
                        std::function<void(bool)> done)
{
    if (!context || !done)
        return;
    // The probe belongs to the caller's object: closing the caller's window ends the test and
    // the answer with it.
    auto *probe = new QObject(context);
    auto pending = std::make_shared<std::function<void(bool)>>(std::move(done));
    const auto finish = [probe, pending](bool reachable) {
        if (!*pending)
            return;
        const std::function<void(bool)> answer = std::move(*pending);
        *pending = nullptr;
        probe->deleteLater();
        answer(reachable);
    };
    if (isReservedExampleName(host)) {
        QTimer::singleShot(0, probe, [finish] { finish(false); });
        return;
    }
    // The socket looks the name up on Qt's own threads and tries each address in turn; only
    // the overall wait is ours.
    auto *socket = new QTcpSocket(probe);
    QObject::connect(socket, &QAbstractSocket::connected, probe, [socket, finish] {
        socket->abort();
        finish(true);
    });
    QObject::connect(socket, &QAbstractSocket::errorOccurred, probe, [socket, finish] {
        socket->abort();
        finish(false);
    });
    QTimer::singleShot(qMax(0, timeoutMs), probe, [socket, finish] {
        socket->abort();
        finish(false);
    });
    socket->connectToHost(host, port);
}

void checkNetworkAvailable(QObject *context, std::function<void(bool)> done, int timeoutMs)
{
    checkHostReachable(Config::webHost(), Config::webPort(), timeoutMs, context, std::move(done));
}

QString formatArchitecture(const QString &bits)
{
    if (bits == QLatin1String("64"))
        return QStringLiteral("x64");
    if (bits == QLatin1String("32"))
        return QStringLiteral("x86");
    return bits;
}

int applicationBitness()
{
    return 64;
}

QString runKeyPath(int bitness)
{
    if (bitness == 32)
        return QString::fromLatin1(runKeyPath32);
    if (bitness == 64)
        return QString::fromLatin1(runKeyPath64);
    return QString();
}

int effectiveUpdateChannel(int channel)
{
    const QString stored = Settings::settingsValue(QStringLiteral("Credentials"),
                                                   QStringLiteral("DevBuild"), QStringLiteral("no"))
                               .toString();
    if (decryptString(devBuildCipherKey, stored) == QLatin1String("yes"))
        return channel;
    return channel == Update::Development ? int(Update::Insider) : channel;
}

QString updateChannelName(int channel)
{
    switch (channel) {
    case Update::Development:
        return QObject::tr("Development");
    case Update::Insider:
        return QObject::tr("Insider");
    case Update::Beta:
        return QObject::tr("Beta");
    default:
        return QObject::tr("Release");
    }
}

QString cleanWmiValue(const QString &value)
{
    const QString trimmed = value.trimmed();
    if (!trimmed.isEmpty())
        return trimmed;
    QString result = value;
    result.replace(QRegularExpression(QStringLiteral("\\s+$")), QObject::tr("Unknown"));
    return result;
}

QString productKeyForName(const QString &displayName)
{
    if (displayName == QLatin1String("Ostrel"))
        return QStringLiteral("ostrel");
    return QStringLiteral("verdimon_nuvo");
}

QString setupChannelWord(int channel)
{
    switch (channel) {
    case Update::Development:
        return QStringLiteral("Dev");
    case Update::Insider:
        return QStringLiteral("Insider");
    case Update::Beta:
        return QStringLiteral("Beta");
    default:
        return QString();
    }
}

QString productPackageName(const QString &displayName)
{
    if (displayName == QLatin1String("Verdimon Nuvo"))
        return QStringLiteral("Verdimon.Nuvo");
    return QObject::tr("Unknown");
}

bool isNotAllUpperCase(const QString &text)
{
    return text != text.toUpper();
}

QString defaultInstallPath()
{
    // The maker's folder under the system's folder for add-on programs.
    return QDir::toNativeSeparators(QStringLiteral("/opt/Dravonel/Verdimon Nuvo"));
}

QString formatDuration(qint64 milliseconds)
{
    const qint64 hours = milliseconds / 3600000;
    const qint64 minutes = (milliseconds / 60000) % 60;
    const qint64 seconds = (milliseconds / 1000) % 60;
    const QChar zero(QLatin1Char('0'));
    return QStringLiteral("%1:%2:%3")
        .arg(hours, 2, 10, zero)
        .arg(minutes, 2, 10, zero)
        .arg(seconds, 2, 10, zero);
}

QString formatRemainingTime(qint64 remainingBytes, qint64 bytesPerSecond)
{
    if (remainingBytes <= 0 || bytesPerSecond <= 0)
        return QObject::tr("unknown");
    const qint64 kibPerSecond = bytesPerSecond / 1024;
    if (kibPerSecond <= 0)
        return QObject::tr("unknown");
    const qint64 estimate = remainingBytes / kibPerSecond;
    if (estimate < 1)
        return QObject::tr("unknown");
    return formatDuration(estimate);
}

QTimeZone resolveTimeZone(const QByteArray &primary, const QByteArray &fallback)
{
    QTimeZone zone(primary);
    if (zone.isValid())
        return zone;
    zone = QTimeZone(fallback);
    if (zone.isValid())
        return zone;
    return QTimeZone::systemTimeZone();
}

QTimeZone serverTimeZone()
{
    return resolveTimeZone(QByteArrayLiteral("Europe/Kiev"), QByteArrayLiteral("Europe/Kyiv"));
}

QString serverDateTimeText(const QString &format)
{
    // The C locale's digits: QDateTime::toString writes the system locale's, which are
    // Arabic-Indic under an Arabic or Persian locale, and the server refuses those.
    return QLocale::c().toString(QDateTime::currentDateTime().toTimeZone(serverTimeZone()), format);
}

QString serverDateTime()
{
    return serverDateTimeText(QStringLiteral("yyyy-MM-dd hh:mm:ss"));
}

namespace {

struct UpdateCheckFormat
{
    QLocale locale;
    QString shortFormat;
    QString longFormat;
};

// The language the program shows: Russian or Ukrainian when chosen (or, on automatic, when the
// system speaks it), English in every other case, as the catalogues fall back.
UpdateCheckFormat updateCheckFormat(QLocale::Language system)
{
    const int language
        = Settings::intValue(QStringLiteral("AppSettings"), QStringLiteral("AppLanguage"), 0);
    const bool automatic = language == App::AutoSelect;
    if (language == App::Russian || (automatic && system == QLocale::Russian))
        return { QLocale(QLocale::Russian, QLocale::Russia), QStringLiteral("dddd, HH:mm"),
                 QStringLiteral("dddd, dd MMMM yyyy, HH:mm:ss") };
    if (language == App::Ukrainian || (automatic && system == QLocale::Ukrainian))
        return { QLocale(QLocale::Ukrainian, QLocale::Ukraine), QStringLiteral("dddd, HH:mm"),
                 QStringLiteral("dddd, dd MMMM yyyy, HH:mm:ss") };
    return { QLocale(QLocale::English, QLocale::UnitedStates), QStringLiteral("dddd, hh:mm AP"),
             QStringLiteral("dddd, dd MMMM yyyy, hh:mm:ss AP") };
}

} // namespace

QString lastUpdateCheckText(QLocale::Language system)
{
    const UpdateCheckFormat format = updateCheckFormat(system);
    const QDateTime now = QDateTime::currentDateTime();
    appendToLog(QStringLiteral("%1: %2 %3")
                    .arg(currentTimestamp(), QObject::tr("last updates checked on"),
                         format.locale.toString(now, format.longFormat)));
    return format.locale.toString(now, format.shortFormat);
}

QString lastUpdateCheckText()
{
    return lastUpdateCheckText(systemLanguage());
}

QString updateCheckTimeText(const QDateTime &when)
{
    const UpdateCheckFormat format = updateCheckFormat(systemLanguage());
    return format.locale.toString(when, format.shortFormat);
}

bool setSystemEnvironmentPrivilege(void *token, bool enable)
{
    Q_UNUSED(token)
    if (!enable)
        return true;
    return ::geteuid() == 0;
}

QPair<int, int> screenResolution()
{
    // Screens may only be asked on the GUI thread; workers read the copy taken there.
    auto *app = qobject_cast<QGuiApplication *>(QCoreApplication::instance());
    if (app && QThread::currentThread() == app->thread())
        plat::ScreenInfo::captureFromGui();
    const QSize size = plat::screenInfo()->size();
    return qMakePair(size.width(), size.height());
}

bool findInstalledProgram(const QString &registryPath, const QString &filter,
                          const QString &displayName)
{
    // The platform's registry answers the uninstall keys from the package databases.
    const std::unique_ptr<plat::RegistryKey> key = plat::registry()->open(registryPath);
    if (!key || !key->exists())
        return false;
    const QVariant wanted(displayName);
    for (const QString &group : key->childGroups()) {
        if (!group.contains(filter, Qt::CaseSensitive))
            continue;
        const std::unique_ptr<plat::RegistryKey> entry = key->child(group);
        if (!entry)
            continue;
        for (const QString &name : entry->childKeys()) {
            if (name == QLatin1String("DisplayName") && entry->value(name) == wanted)
                return true;
        }
    }
    return false;
}

void centerOnWidget(QWidget *base, QWidget *widget)
{
    if (!base || !widget)
        return;
    const QPoint centre = base->mapToGlobal(base->rect().center());
    widget->move(centre.x() - widget->width() / 2, centre.y() - widget->height() / 2);
}

void setWindowTopmost(QWidget *window, bool topmost)
{
    if (!window || window->windowFlags().testFlag(Qt::WindowStaysOnTopHint) == topmost)
        return;
    const bool wasVisible = window->isVisible();
    window->setWindowFlag(Qt::WindowStaysOnTopHint, topmost);
    if (wasVisible)
        window->show(); // changing the flags hides a window
}
