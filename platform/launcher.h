#pragma once
// Opening programs, files, folders and URIs the way a desktop shell does, with shell-style
// result codes. Programs start directly with an argument list (never through a shell); files,
// folders and URIs go to the desktop's handler (xdg-open) once a handler is known to exist, so
// that a missing target or a missing handler is reported instead of a silent success.

#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

namespace plat {

// Result codes: above 32 means started.
namespace shell {
constexpr qint64 OutOfResources = 0;
constexpr qint64 FileNotFound = 2;
constexpr qint64 PathNotFound = 3;
constexpr qint64 AccessDenied = 5;
constexpr qint64 NoAssociation = 31;
constexpr qint64 Started = 42;
} // namespace shell

class Launcher
{
public:
    virtual ~Launcher() = default;
    // verb: empty or "runas" (start a program with administrator rights); file: a program, a
    // file, a folder or a URI; parameters: a command-line text for programs.
    virtual qint64 execute(const QString &verb, const QString &file, const QString &parameters) = 0;
    // Starts a program (a path, or a bare name looked up in PATH) with an argument list, never
    // through a shell; verb "runas" starts it with administrator rights.
    virtual qint64 executeProgram(const QString &verb, const QString &program,
                                  const QStringList &arguments)
        = 0;
    // Opens a file or folder in the desktop's default application for its type. The file is
    // never run, whatever its permission bits: a script named like a picture goes to the image
    // viewer.
    virtual qint64 open(const QString &path) = 0;
};

class DesktopLauncher : public Launcher
{
public:
    // Starts a detached process; false when it could not be started.
    using Starter = std::function<bool(const QString &program, const QStringList &arguments)>;
    // Desktop file of the default handler of a MIME type ("x-scheme-handler/<scheme>" for URIs);
    // empty when none.
    using HandlerLookup = std::function<QString(const QString &mimeType)>;
    // Full path of an executable found in PATH; empty when none.
    using ExecutableLookup = std::function<QString(const QString &name)>;

    DesktopLauncher();
    DesktopLauncher(Starter starter, HandlerLookup handlerLookup,
                    ExecutableLookup executableLookup);

    qint64 execute(const QString &verb, const QString &file, const QString &parameters) override;
    qint64 executeProgram(const QString &verb, const QString &program,
                          const QStringList &arguments) override;
    qint64 open(const QString &path) override;

    static QString defaultHandler(const QString &mimeType);

private:
    qint64 startProgram(const QString &path, const QStringList &arguments, bool elevated);
    qint64 openWithHandler(const QString &target, const QString &mimeType);

    Starter m_start;
    HandlerLookup m_handler;
    ExecutableLookup m_which;
};

// The launcher in use (a DesktopLauncher unless replaced, for example by a test double).
std::shared_ptr<Launcher> launcher();
void setLauncher(std::shared_ptr<Launcher> replacement);

} // namespace plat
