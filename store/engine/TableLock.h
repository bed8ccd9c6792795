#pragma once

#include "store/engine/TableLockRecord.h"

#include <QString>
#include <functional>
#include <memory>

class QTimer;

namespace store::detail {

// The operating-system lock that keeps other programs and other sessions out of
// a table: an open-file-description lock on a lock file of our own beside the
// table ("TRDATA.DB.lock"). Paradox's own lock files and the table files are
// never locked. An exclusive hold is a write lock and creates the lock file when
// needed; a shared hold is a read lock, taken only when the lock file exists, so
// that reading a host table never leaves a file beside it.
//
// An exclusive holder writes who it is into the lock file (LockRecord) and keeps
// the record fresh; the next copy is told whose it is. Where the operating
// system's locks do not reach from one machine to another (FUSE mounts such as
// sshfs), a recent record of another machine or of another live process keeps
// the next copy out too. The lock file is removed when the program ends, by a
// holder of its lock; a copy that locked the removed file sees that the name no
// longer leads to it and tries again.
class TableLock {
public:
    enum class Level { None, Shared, Exclusive };

    explicit TableLock(QString tablePath);
    ~TableLock();
    TableLock(const TableLock&) = delete;
    TableLock& operator=(const TableLock&) = delete;

    static QString lockPathOf(const QString& tablePath);

    // Moves the hold to level; throws base::EngineError "Table is busy: ..." when
    // another holder is in the way, naming it when its record can be believed,
    // and leaves the hold as it was.
    void hold(Level level);
    Level level() const { return level_; }

    // While held exclusively: the lock file at the table's name is still the one
    // this hold locked and carries its record, so nobody took the table over.
    bool stillOurs() const;

    // Removes the table's lock file when nobody holds it (the end of the program).
    static void removeLockFileIfFree(const QString& tablePath);

    // Tests: every operating-system lock is granted at once, as on a mount whose
    // locks stay on one machine.
    static void setLocksStayOnOneMachine(bool simulated);
    // Tests: runs between opening the lock file and locking it, where another
    // holder may remove the file.
    static void setBetweenOpenAndLock(std::function<void()> step);

private:
    void release();
    int lockFile(const QByteArray& path, int flags, short type);
    void writeRecord();

    QString tablePath_;
    QString lockPath_;
    int fd_ = -1;
    bool writable_ = false;
    Level level_ = Level::None;
    LockRecord record_; // ours, while held exclusively
    std::unique_ptr<QTimer> refresh_;
};

} // namespace store::detail
