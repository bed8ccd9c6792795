#pragma once

#include <QString>

namespace store::detail {

// The operating-system lock that keeps other programs and other sessions out of
// a table: an open-file-description lock on a lock file of our own beside the
// table ("TRDATA.DB.lock"). Paradox's own lock files and the table files are
// never locked. An exclusive hold is a write lock and creates the lock file when
// needed; a shared hold is a read lock, taken only when the lock file exists, so
// that reading a host table never leaves a file beside it.
class TableLock {
public:
    enum class Level { None, Shared, Exclusive };

    explicit TableLock(QString tablePath);
    ~TableLock();
    TableLock(const TableLock&) = delete;
    TableLock& operator=(const TableLock&) = delete;

    static QString lockPathOf(const QString& tablePath);

    // Moves the hold to level; throws base::EngineError "Table is busy: ..." when
    // another holder is in the way, leaving the hold as it was.
    void hold(Level level);
    Level level() const { return level_; }

private:
    void release();

    QString tablePath_;
    QString lockPath_;
    int fd_ = -1;
    bool writable_ = false;
    Level level_ = Level::None;
};

} // namespace store::detail
