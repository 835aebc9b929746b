#pragma once
// A file written whole or not at all. The bytes go to a part file beside the target, named
// ".<target name>.vnpart-XXXXXX"; the target is replaced (rename) only after every write, the
// flush, fsync and close succeeded. A failed or cancelled write leaves the target as it was and
// removes the part. The part is locked while written, so a part whose writer died (killed,
// crashed) is told from one being written and is removed by the next open in that folder.

#include <QString>

#include <memory>

class AtomicFilePart;
class QIODevice;

class AtomicFile
{
public:
    explicit AtomicFile(const QString &targetPath);
    ~AtomicFile(); // discards what was not committed
    AtomicFile(const AtomicFile &) = delete;
    AtomicFile &operator=(const AtomicFile &) = delete;

    // Removes stale parts in the target's folder, then creates this write's part.
    bool open();
    // The open part, for streams and writers that need a device; check commit().
    QIODevice *device();
    bool write(const QByteArray &data);
    // Flushes, syncs and closes the part and moves it over the target. False when any step
    // failed; the target is then untouched and no part is left.
    bool commit();
    // Drops the part; the target stays as it was. False when the part could not be removed.
    bool discard();
    // The system's reason of the first failure ("No space left on device").
    QString errorString() const;

    // Removes the parts in `folder` whose writer is gone; returns how many.
    static int removeStaleParts(const QString &folder);
    // One-shot: writes `data` as the whole file `path`; on failure *reason tells why.
    static bool writeFile(const QString &path, const QByteArray &data, QString *reason);

private:
    bool fail(const QString &reason);

    QString target;
    std::unique_ptr<AtomicFilePart> part;
    QString partPath;
    QString error;
};
