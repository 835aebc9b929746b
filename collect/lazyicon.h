#pragma once
// Icons for records that are made on a worker thread. Nothing may be loaded there: pixmaps belong
// to the GUI thread, and the icon theme's lookup cache is not safe to share between threads. These
// icons only note where their image comes from and look it up the first time they are drawn or
// asked for a pixmap, which the window does on the GUI thread. Copies share one lookup.

#include <QIcon>
#include <QString>

namespace LazyIcon {

// An image file or resource (":/Icon/...").
QIcon fromFile(const QString &path);
// An icon theme name, or an absolute image path (a desktop entry's Icon= is either); the image
// `fallback` when the name is empty, the theme has no such icon, or the file gives no image.
QIcon fromThemeOrPath(const QString &nameOrPath, const QString &fallback);
// The icon the file system shows for a file (QFileIconProvider); `fallback` when that is null.
QIcon forFile(const QString &filePath, const QString &fallback);

// Where an icon made here takes its image from, as "file:<path>", "theme:<name>|<fallback>" or
// "type:<path>|<fallback>"; empty for any other icon. Reads nothing.
QString source(const QIcon &icon);

} // namespace LazyIcon
