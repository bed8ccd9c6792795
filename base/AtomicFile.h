#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QFile>
#include <QString>
#include <cstring>
#include <functional>

namespace base {

// The steps by which a replacement takes its place, in the order they run:
// the temporary file written to disk, renamed to its name (or linked there,
// where the file system cannot rename without replacing; or exchanged with
// the file there, where that is to be checked), and the directory written to
// disk. A hook, installed by tests, runs before each step and may fail it with
// an error number as the file system would (0 lets it run): tests put
// another's file in place between two steps.
enum class ReplaceStep { SyncFile, Rename, Link, SyncDirectory, Exchange };
using ReplaceHook = std::function<int(ReplaceStep step, const QString& target)>;
// Installs hook (an empty one removes it).
void SetReplaceHook(ReplaceHook hook);
// Tests: the call that writes a file or directory open as fd to disk, in place
// of fsync (an empty one restores fsync), so that a test sees each sync made.
using SyncCall = std::function<int(int fd)>;
void SetSyncCall(SyncCall call);

// The name of a temporary file that replaces a file with the extension suffix:
// ".tabrep-", sixteen hexadecimal digits of number, the extension in small
// letters when it is one to three ASCII letters or digits, and ".tmp", as in
// ".tabrep-0123456789abcdef.rpt.tmp". Short whatever the replaced file's name,
// and a name that no one else's file plausibly has.
QByteArray TemporaryName(const QString& suffix, quint64 number);
// True when name is a temporary name for a file with the extension suffix.
bool IsTemporaryName(QByteArrayView name, const QString& suffix);
// Every temporary name begins so.
inline constexpr char TemporaryPrefix[] = ".tabrep-";
// False, at little cost, for a name that is no temporary name of any file;
// the first look at each name of a directory.
inline bool MayBeTemporaryName(QByteArrayView name)
{
    constexpr qsizetype length = sizeof TemporaryPrefix - 1;
    return name.size() > length && name[0] == TemporaryPrefix[0]
           && std::memcmp(name.data(), TemporaryPrefix, std::size_t(length)) == 0;
}

// A new version of the file at target, written beside it and put in its place
// in one step, so that the file is never half-written. The bytes go to a
// temporary file in the same directory, named by TemporaryName, created new (never
// through a link) and held locked (an open-file-description write lock) while it
// is written; commit flushes it to disk and renames it over target. Nothing at
// target is followed: a symbolic link there is replaced itself, and an existing
// regular file keeps its permissions. Uncommitted, the temporary file is removed.
// A relative target is taken against the current directory.
class ReplacementFile : public QFile {
public:
    explicit ReplacementFile(const QString& target);
    ~ReplacementFile() override;
    ReplacementFile(const ReplacementFile&) = delete;
    ReplacementFile& operator=(const ReplacementFile&) = delete;

    // Creates the temporary file, open for writing (unbuffered, so a failing
    // write reports the system's reason at once, "No space left on device");
    // false with errorString() set.
    bool create();
    // Writes the file to disk and renames it over target; false with errorString() set.
    // Not durable: renamed without waiting for the disk, for a file that is made
    // anew after a crash; readers still see the old file or the new one whole.
    bool commit(bool durable = true);
    // The two halves of a commit, for a caller that looks at target once more
    // between them: sync writes the file to disk; place renames it to target
    // and, durable, writes the directory to disk. Placed only where nothing is
    // (replace false), a taken name fails with EEXIST (error()) and leaves
    // whatever is there untouched.
    bool sync();
    bool place(bool replace, bool durable = true);
    // Exchanges the file with the one at target, which then has the temporary
    // file's name (displaced()) to be looked at: keepPlaced removes it and ends
    // the write, a second exchange puts it back. False with error() set (EINVAL
    // or ENOSYS where the file system cannot exchange, ENOENT where nothing is).
    bool exchange();
    QString displaced() const;
    void keepPlaced(bool durable = true);
    // The system's error number of the last failure.
    int error() const { return error_; }

    const QString& target() const { return target_; }

protected:
    // Writes straight to the file, so that a failure is worded by the system.
    qint64 writeData(const char* data, qint64 length) override;

private:
    bool failed(int error);

    QString target_;
    QByteArray targetBytes_;
    QByteArray temporaryBytes_; // set once the temporary file exists
    bool committed_ = false;
    int error_ = 0;
};

// What a writer decides at its last look at the file it is about to replace,
// once the new version is on disk: to write over whatever is there, to put the
// new file only where nothing is, or to write nothing after all.
enum class Placing { Replace, OnlyNew, Abandon };
using LastLook = std::function<Placing()>;
// Whether the file that a replacement displaced, now at the path given, is the
// one the last look let be replaced.
using DisplacedCheck = std::function<bool(const QString& displaced)>;

// Replaces the file at path with bytes through a ReplacementFile. A path that
// is a symbolic link is refused, so the file it points to is never written (the
// message says how to make it a report of its own). lastLook, when given, runs
// right before the new file takes its place, so nothing but the rename follows
// it; a name taken by someone else after a look that chose OnlyNew is looked at
// again. With displacedCheck, a replacement exchanges the files, so that what
// it displaced is checked: a file that someone else put there between the last
// look and the exchange is put back, and looked at again (where the file
// system cannot exchange, a plain rename replaces, and that moment is not
// covered). On any failure the old file stays as it was and base::EngineError is
// thrown with "Cannot write <kind> <path>: <the reason>" in the user's language,
// kind as the user reads it. False when lastLook chose to write nothing.
bool WriteFileAtomically(const QString& path, const QByteArray& bytes, const QString& kind,
                         const LastLook& lastLook = {}, const DisplacedCheck& displacedCheck = {});

} // namespace base
