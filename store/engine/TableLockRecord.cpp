#include "store/engine/TableLockRecord.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QLocale>
#include <QRandomGenerator>
#include <QSysInfo>
#include <cerrno>
#include <pwd.h>
#include <signal.h>
#include <unistd.h>

namespace store::detail {
namespace {

constexpr int MaxTextLength = 80;

// A text from the lock file as it may be shown: no control characters, bounded.
QString Printable(const QByteArray& bytes)
{
    QString text = QString::fromUtf8(bytes.left(4 * MaxTextLength));
    text.removeIf([](QChar c) { return c.category() == QChar::Other_Control || c.category() == QChar::Other_Format; });
    return text.left(MaxTextLength).trimmed();
}

qint64 Number(const QByteArray& bytes)
{
    bool ok = false;
    const qint64 value = bytes.toLongLong(&ok);
    return ok && value > 0 ? value : 0;
}

QString ThisHost()
{
    return Printable(QSysInfo::machineHostName().toUtf8());
}

} // namespace

LockRecord LockRecord::ofThisProcess()
{
    LockRecord record;
    if (const passwd* entry = ::getpwuid(::geteuid())) {
        record.user = Printable(entry->pw_name);
        record.name = Printable(QByteArray(entry->pw_gecos ? entry->pw_gecos : "").split(',').value(0));
    }
    if (record.user.isEmpty())
        record.user = Printable(qgetenv("USER"));
    if (record.name.isEmpty())
        record.name = record.user;
    record.host = ThisHost();
    record.pid = ::getpid();
    record.since = record.seen = QDateTime::currentSecsSinceEpoch();
    record.token = QString::number(QRandomGenerator::system()->generate64(), 16);
    return record;
}

LockRecord LockRecord::parse(const QByteArray& bytes)
{
    LockRecord record;
    for (const QByteArray& line : bytes.left(4096).split('\n')) {
        const qsizetype equals = line.indexOf('=');
        const QByteArray key = line.left(equals);
        const QByteArray value = line.mid(equals + 1);
        if (equals < 0)
            continue;
        if (key == "user")
            record.user = Printable(value);
        else if (key == "name")
            record.name = Printable(value);
        else if (key == "host")
            record.host = Printable(value);
        else if (key == "pid")
            record.pid = Number(value);
        else if (key == "since")
            record.since = Number(value);
        else if (key == "seen")
            record.seen = Number(value);
        else if (key == "token")
            record.token = Printable(value);
    }
    if (record.name.isEmpty())
        record.name = record.user.isEmpty() ? QCoreApplication::translate("Engine", "someone") : record.user;
    return record;
}

QByteArray LockRecord::serialize() const
{
    return QStringLiteral("user=%1\nname=%2\nhost=%3\npid=%4\nsince=%5\nseen=%6\ntoken=%7\n")
        .arg(user, name, host)
        .arg(pid)
        .arg(since)
        .arg(seen)
        .arg(token)
        .toUtf8();
}

bool LockRecord::thisProcess() const
{
    return host == ThisHost() && pid == ::getpid();
}

bool LockRecord::holderMayBeAlive() const
{
    if (!valid())
        return false;
    if (host != ThisHost())
        return true;
    return ::kill(pid_t(pid), 0) == 0 || errno == EPERM;
}

bool LockRecord::recent(qint64 now) const
{
    return seen > now - LockRecordLifeSeconds;
}

QString LockRecord::busyText() const
{
    const QString when = QLocale().toString(QDateTime::fromSecsSinceEpoch(since), QLocale::ShortFormat);
    //: %1: a user's login; %2: the computer's name
    const QString where = user.isEmpty() ? host : QCoreApplication::translate("Engine", "%1 on %2").arg(user, host);
    // Filled in at once: a name from the lock file may hold "%3".
    //: %1: a person's name; %2: the login and computer; %3: a process number; %4: a date and time
    return QCoreApplication::translate(
               "Engine", "%1 (%2, process %3) has been designing a report in this folder since %4. One person at "
                         "a time designs reports in a folder: ask %1 to finish and close the program, or wait and "
                         "try again.")
        .arg(name, where, QString::number(pid), when);
}

} // namespace store::detail
