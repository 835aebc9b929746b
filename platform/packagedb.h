#pragma once
// Installed software as the package databases describe it: dpkg, flatpak and snap. Read-only;
// nothing here removes a package.

#include "sysroot.h"

#include <QHash>
#include <QString>
#include <QStringList>
#include <QVector>

namespace plat::packages {

struct Package
{
    QString id; // "<source>:<name>", e.g. "dpkg:vim-common", "flatpak:org.gnome.Maps"
    QString source; // "dpkg", "flatpak" or "snap"
    QString name; // the package's own name
    QString displayName; // Name= of its desktop entry, else the package name
    QString version;
    QString publisher; // maintainer or developer name; empty when unknown
    QString installLocation; // empty for dpkg, whose files are spread over the system
    QString icon; // Icon= of the desktop entry (theme name or path); may be empty
    QStringList uninstall; // program and arguments, never run through a shell
    bool autoInstalled = false; // pulled in as a dependency (apt extended_states)
    bool userInstall = false; // a per-user install (user flatpak)
};

// dpkg: stanzas of /var/lib/dpkg/status whose Status is "install (or hold) ok installed", in file
// order, with apt's Auto-Installed marks and the Name=/Icon= of .desktop files the package owns.
QVector<Package> dpkgPackages(const SysRoot &root);
// The status file's installed stanzas only (name, version, maintainer), for timing and tests.
QVector<Package> parseDpkgStatus(const QByteArray &status);
// Flatpak apps under `appDir` (/var/lib/flatpak/app or the user's flatpak/app folder).
QVector<Package> flatpakPackages(const SysRoot &root, const QString &appDir, bool user);
// Snaps under /snap.
QVector<Package> snapPackages(const SysRoot &root);

// The name part of an RFC 822 address: "Jane Doe <jane@example.org>" gives "Jane Doe".
QString addressName(const QByteArray &address);

// A command line for display; arguments holding blanks are quoted.
QString commandText(const QStringList &argv);

} // namespace plat::packages
