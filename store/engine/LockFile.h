#pragma once

#include <QByteArray>
#include <QString>
#include <optional>
#include <sys/types.h>

namespace store::detail {

// The byte ranges of the lock file that holds are taken on. Every hold of this
// program is a write lock, which needs the file open for writing: an exclusive
// hold covers the whole file; a shared hold one byte of its own far past the
// record. A read lock, which any account that can read the file can take, is
// never one of ours, so it never decides who holds the table.
struct LockRange {
    off_t start = 0;
    off_t length = 0; // 0: to the end of any file
};
inline constexpr LockRange WholeFile{0, 0};
inline constexpr LockRange HoldByte{0, 1}; // inside every exclusive hold, outside every shared one
// A byte for a shared hold, different for every hold.
LockRange SharedSlot();

enum class LockResult { Granted, Refused, Failed };
// Sets (or with F_UNLCK clears) an open-file-description lock on range; Failed
// with errno set for other failures than a conflict.
LockResult TrySetLock(int fd, short type, LockRange range);

// The write lock in range that is in the way, when there is one.
struct WriteLockHolder {
    bool found = false;
    pid_t pid = -1; // a process's own lock (never this program's): its number; -1 for a description's lock
};
WriteLockHolder WriteLockIn(int fd, LockRange range);

// The name of a process of this machine, as its command line's program; empty when unknown.
QString ProcessName(pid_t pid);

// Puts a new, empty lock file at path in place of what is there: made beside
// it and renamed over it, readable and writable by everyone the umask lets
// in. False with errno set when this account may not.
bool ReplaceLockFile(const QByteArray& path);

// How many seconds ago the file open as fd was last written, by the clock of
// the file server that holds it: its modification time against that of a
// file made in the same directory just now. Where no file can be made there,
// by this machine's clock (LockClockNow).
qint64 ServerAgeOf(int fd, const QByteArray& path);

// Tests: every operating-system lock is granted at once and none is found in
// the way, as on a mount whose locks stay on one machine.
void SimulateLocksStayingOnOneMachine(bool simulated);

} // namespace store::detail
