#pragma once

#include <QByteArray>
#include <QString>
#include <limits>
#include <sys/types.h>

namespace store::detail {

// Who holds a table exclusively: written by the holder into the lock file after
// it took the lock, and refreshed while it holds it, so that the next copy of
// the program can say who is in the way. The file is anyone's to write, so what
// is read from it is only believed as far as it can be checked.
struct LockRecord {
    QString user;     // login name
    QString name;     // the person's full name, or the login name
    QString host;
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
    bool thisProcess() const;
    // Someone is behind the record: another machine (which cannot be asked), or a
    // process still running on this one.
    bool holderMayBeAlive() const;
    // Refreshed recently enough that its holder is taken to be at work.
    bool recent(qint64 now) const;

    // What the next copy is told about the holder, after "Table is busy: ...".
    QString busyText() const;
};

// How often a holder refreshes its record, and how old a record of another
// machine may be before it is no longer believed, in seconds.
inline constexpr int LockRefreshSeconds = 30;
inline constexpr int LockRecordLifeSeconds = 180;

} // namespace store::detail
