#pragma once

#include "store/engine/LockFile.h"
#include "store/engine/TableLockRecord.h"

#include <QString>
#include <functional>
#include <memory>

class QTimer;

namespace store::detail {

// The operating-system lock that keeps other programs and other sessions out of
// a table: an open-file-description lock on a lock file of our own beside the
// table ("TRDATA.DB.lock"). Paradox's own lock files and the table files are
// never locked. An exclusive hold write-locks the whole file and creates it when
// needed, readable and writable by everyone the umask lets in (so every member
// of a shared folder's group); a shared hold write-locks one byte of its own,
// only when the lock file exists, so that reading a host table never leaves a
// file beside it; an account that can only read the lock file takes no lock at
// all. A read lock, which an account that can only read the folder can take,
// is never a hold: a lock file that only such locks are on, or that
// this account cannot write while nobody holds it, is replaced by a new one
// where this account may, and otherwise named with what to do. A lock on it that
// is not this program's is named as such.
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
    // and leaves the hold as it was (but for a shared hold that only a reader's
    // lock kept from moving up: that one is let go before the file is locked anew).
    // Taking the table exclusively removes the table's temporaries a killed writer left, which reads the
    // directory; Later leaves that to a sweep of the caller's (start-up's, after the first paint).
    enum class Sweep { Now, Later };
    void hold(Level level, Sweep sweep = Sweep::Now);
    Level level() const { return level_; }

    // While held exclusively: the lock file at the table's name is still the one
    // this hold locked and carries its record, so nobody took the table over.
    bool stillOurs() const;

    // Removes the table's lock file when nobody holds it (the end of the program).
    static void removeLockFileIfFree(const QString& tablePath);

    // Refreshes the record, when the table is still ours (a holder that slept
    // while another copy took the table over writes nothing). The refresh timer
    // runs it every LockRefreshSeconds.
    void refresh();

    // Tests: every operating-system lock is granted at once, as on a mount whose
    // locks stay on one machine.
    static void setLocksStayOnOneMachine(bool simulated);
    // Tests: runs between opening the lock file and locking it, where another
    // holder may remove the file.
    static void setBetweenOpenAndLock(std::function<void()> step);

private:
    void release();
    // Opens and locks the lock file for level; fd_ is -1 afterwards when there is
    // no lock file (shared) or this account can only read it (shared).
    void lockFile(Level level);
    void writeRecord();

    QString tablePath_;
    QString lockPath_;
    int fd_ = -1;
    bool writable_ = false;
    Level level_ = Level::None;
    LockRange slot_ = SharedSlot(); // the byte of a shared hold
    LockRecord record_; // ours, while held exclusively
    std::unique_ptr<QTimer> refresh_;
};

} // namespace store::detail
