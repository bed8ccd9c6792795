#pragma once

#include <QByteArray>
#include <QString>
#include <functional>
#include <limits>
#include <sys/types.h>

namespace store::detail {

// Who holds a table exclusively: written by the holder into the lock file after
// it took the lock, and refreshed while it holds it, so that the next copy of
// the program can say who is in the way. The file is anyone's to write, so what
// is read from it is only believed as far as it can be checked. Times in it are
// the holder's clock, which may be wrong: how old a record is, is judged by the
// file server's clock (ServerAgeOf), and a machine is known by its machine id
// beside its name, which two machines may share.
struct LockRecord {
    QString user;     // login name
    QString name;     // the person's full name, or the login name
    QString host;
    QString machine;  // the machine id (/etc/machine-id)
    qint64 pid = 0;
    qint64 since = 0; // seconds since the epoch: when the hold began
    qint64 seen = 0;  // when the holder last refreshed the record
    QString token;    // new for every hold

    // This process on this machine, holding from now on.
    static LockRecord ofThisProcess();
    // Parsed from at most the first few kilobytes of a lock file; an unreadable
    // record has an empty host. Texts lose their control characters.
    static LockRecord parse(const QByteArray& bytes);
    QByteArray serialize() const;

    bool valid() const { return !host.isEmpty() && pid > 0 && pid <= std::numeric_limits<pid_t>::max(); }
    // Written on this machine: the same name and the same machine id.
    bool thisMachine() const;
    bool thisProcess() const;
    // Someone is behind the record: another machine (which cannot be asked), or a
    // process still running on this one.
    bool holderMayBeAlive() const;
    // Written ageSeconds ago by the file server's clock, recently enough that its
    // holder is taken to be at work, and refreshed (seen) at a time that this
    // machine's clock can believe: clocks of an office differ by minutes, not
    // more, so a time further off in either direction (a future one too) is a
    // record that nobody keeps any more, or a forged one.
    bool recent(qint64 ageSeconds) const;

    // What the next copy is told about the holder, after "Table is busy: ...".
    QString busyText() const;
    // The holder, as "NAME (LOGIN on MACHINE, process PID)".
    QString holderText() const;
};

// How often a holder refreshes its record, and how old a record of another
// machine may be before it is no longer believed, in seconds.
inline constexpr int LockRefreshSeconds = 30;
inline constexpr int LockRecordLifeSeconds = 180;
// How far a file time may lie ahead of the file server's clock (coarse file times) and still count.
inline constexpr int LockFutureSeconds = 5;
// How far the clocks of two machines sharing a folder may differ.
inline constexpr int LockClockSkewSeconds = 300;

// A text from a lock file or from the system as it may be shown: no control characters, bounded.
QString PrintableLockText(const QByteArray& bytes);

// This machine's clock, in seconds since the epoch.
qint64 LockClockNow();

// Tests: this machine's clock (empty: the system's), and its name and machine
// id (empty: the system's), to play several machines in one process.
void SetLockClock(std::function<qint64()> clock);
void SetThisMachine(const QString& host, const QString& machineId);

} // namespace store::detail
