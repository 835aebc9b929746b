#pragma once
// Shared free functions: the reachability test, launching outside programs and explaining a
// failed launch, texts of channels, architectures and durations, the server's time, cleaning of
// collected values and small window helpers. None keeps state.

#include <QDateTime>
#include <QLocale>
#include <QPair>
#include <QString>
#include <QStringList>
#include <QTimeZone>

#include <functional>

class QObject;
class QWidget;

// --- Reachability -------------------------------------------------------------------------
constexpr int networkTestTimeoutMs = 6000;
// True when a TCP connection to the vendor's web host (Config::webHost/webPort) is established
// within networkTestTimeoutMs. Blocks the calling thread meanwhile; nothing is sent. For threads
// that may block (workers); the GUI thread uses checkNetworkAvailable.
bool isNetworkAvailable();
// The same test against any host and port with a chosen wait (false at once for names under the
// reserved ".example" domain).
bool isHostReachable(const QString &host, quint16 port, int timeoutMs);

// The non-blocking form: returns at once; the answer comes later, exactly once, through done,
// called on context's thread while its event loop runs (never from inside this call). When
// context is destroyed first, done is never called. context must live on the calling thread.
//     checkNetworkAvailable(this, [this](bool online) { ... });
void checkNetworkAvailable(QObject *context, std::function<void(bool reachable)> done,
                           int timeoutMs = networkTestTimeoutMs);
void checkHostReachable(const QString &host, quint16 port, int timeoutMs, QObject *context,
                        std::function<void(bool reachable)> done);

// --- Launching -----------------------------------------------------------------------------
// Shell-style result codes: above 32 the target was started; otherwise the code names the failure
// (2 file not found, 3 path not found, 5 access denied, 31 no associated application, ...).
// Opens a program, file, folder or URI; runAs asks for administrator rights.
qint64 launchShellCommand(bool runAs, const QString &file);
// Starts a program with a parameter text (split like a command line; no shell is involved).
qint64 launchShellCommandWithParameters(const QString &file, const QString &parameters);
// Starts a program (path or name in PATH) with an argument list, never through a shell; runAs
// asks for administrator rights.
qint64 launchProgram(bool runAs, const QString &program, const QStringList &arguments);
// Opens a file or folder in the desktop's default application for its type (xdg-open); never
// runs it, even when it is executable. The same result codes.
qint64 openWithDefaultApplication(const QString &path);
// Shows the failure message (title, critical icon, Ok) when the result is 32 or less.
void showShellExecuteError(qint64 result, const QString &title, QWidget *parent);
// The translated failure text of a result of 32 or less ("Unknown" for codes without one).
QString shellExecuteErrorText(qint64 result);

// --- Texts -----------------------------------------------------------------------------------
// "x64" for "64", "x86" for "32", any other text unchanged.
QString formatArchitecture(const QString &bits);
// Pointer width of this build: 64.
int applicationBitness();
// Registry paths of the Run keys (names only: they are for the platform's registry facade and
// must never be opened with a native-format QSettings).
extern const char runKeyPath32[];
extern const char runKeyPath64[];
// runKeyPath32 for 32, runKeyPath64 for 64, "" otherwise.
QString runKeyPath(int bitness);
// The channel the account may use: Development (0) becomes Insider (1) unless
// Credentials/DevBuild deciphers to "yes".
int effectiveUpdateChannel(int channel);
// Translated channel name: 0 Development, 1 Insider, 2 Beta, anything else Release.
QString updateChannelName(int channel);
// Trimmed text; a text of white space only becomes "Unknown", the empty text stays empty.
QString cleanWmiValue(const QString &value);
// "verdimon_nuvo" for "Verdimon Nuvo" and unknown names, "ostrel" for "Ostrel".
QString productKeyForName(const QString &displayName);
// "Verdimon.Nuvo" for "Verdimon Nuvo"; translated "Unknown" for unknown names.
QString productPackageName(const QString &displayName);
// The channel's word in a setup's file name: "Dev", "Insider", "Beta"; "" for Release and any
// other value.
QString setupChannelWord(int channel);
// True when the text differs from its upper-case form.
bool isNotAllUpperCase(const QString &text);
// Default installation folder of the program.
QString defaultInstallPath();

// --- Durations -----------------------------------------------------------------------------
// "hh:mm:ss" (hours may exceed two digits) of a number of milliseconds.
QString formatDuration(qint64 milliseconds);
// Estimated time left for remainingBytes at bytesPerSecond, or translated "unknown". 64-bit, so
// downloads above 2 GiB are estimated correctly.
QString formatRemainingTime(qint64 remainingBytes, qint64 bytesPerSecond);

// --- Times -----------------------------------------------------------------------------------
// The vendor server's zone, "Europe/Kiev"; "Europe/Kyiv" where the old name is unknown, and the
// system zone as the last resort, so a time is never empty.
QTimeZone serverTimeZone();
QTimeZone resolveTimeZone(const QByteArray &primary, const QByteArray &fallback);
// Now in the server zone as "yyyy-MM-dd hh:mm:ss".
QString serverDateTime();
// Now in the server zone with the caller's format.
QString serverDateTimeText(const QString &format);
// Short text of now for the "last checked" label, in the language of AppSettings/AppLanguage,
// and the log line "last updates checked on"; English for any other language.
QString lastUpdateCheckText();
QString lastUpdateCheckText(QLocale::Language system);
// The short text of an earlier check's time, in the language the program now shows.
QString updateCheckTimeText(const QDateTime &when);

// --- Platform helpers --------------------------------------------------------------------------
// Whether this process may read firmware variables (the Windows token privilege's counterpart:
// reading efivarfs needs root). token is unused.
bool setSystemEnvironmentPrivilege(void *token, bool enable);
// Width and height of the screen in pixels.
QPair<int, int> screenResolution();
// Whether an installed program of that display name exists among the uninstall entries under
// the registry path whose entry names contain filter.
bool findInstalledProgram(const QString &registryPath, const QString &filter,
                          const QString &displayName);
// Moves widget so that its centre lies on base's centre (global coordinates); null base: nothing.
void centerOnWidget(QWidget *base, QWidget *widget);
// Keeps a window above others or not (the counterpart of SetWindowPos with HWND_TOPMOST).
void setWindowTopmost(QWidget *window, bool topmost);
