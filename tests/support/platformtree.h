#pragma once
// Small machine trees the platform tests write: files below a temporary root.

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

// Writes `data` to `path`, making its folders; false if that fails.
inline bool writeTreeFile(const QString &path, const QByteArray &data)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(data) == data.size();
}

// Writes each pair of `files` (a path below `root`, then its text); false if one fails.
inline bool writeTreeFiles(const QString &root, const QStringList &files)
{
    for (int i = 0; i + 1 < files.size(); i += 2) {
        if (!writeTreeFile(root + files.at(i), files.at(i + 1).toUtf8()))
            return false;
    }
    return true;
}
