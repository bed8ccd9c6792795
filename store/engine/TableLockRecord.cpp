#include "store/engine/TableLockRecord.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
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

std::function<qint64()> clockForTests;
QString hostForTests;
QString machineForTests;

qint64 Number(const QByteArray& bytes)
{
    bool ok = false;
    const qint64 value = bytes.toLongLong(&ok);
    return ok && value > 0 ? value : 0;
}

QString ThisHost()
{
    return hostForTests.isEmpty() ? PrintableLockText(QSysInfo::machineHostName().toUtf8()) : hostForTests;
}

QString ThisMachineId()
{
    if (!machineForTests.isEmpty())
        return machineForTests;
    static const QString id = [] {
        for (const char* path : {"/etc/machine-id", "/var/lib/dbus/machine-id"}) {
            QFile file(QString::fromLatin1(path));
            if (file.open(QIODevice::ReadOnly))
                if (const QString text = PrintableLockText(file.read(64)); !text.isEmpty())
                    return text;
        }
        return QString();
    }();
    return id;
}

} // namespace

QString PrintableLockText(const QByteArray& bytes)
{
    QString text = QString::fromUtf8(bytes.left(4 * MaxTextLength));
    text.removeIf([](QChar c) { return c.category() == QChar::Other_Control || c.category() == QChar::Other_Format; });
    return text.left(MaxTextLength).trimmed();
}

qint64 LockClockNow()
{
    return clockForTests ? clockForTests() : QDateTime::currentSecsSinceEpoch();
}

void SetLockClock(std::function<qint64()> clock)
{
    clockForTests = std::move(clock);
}

void SetThisMachine(const QString& host, const QString& machineId)
{
    hostForTests = host;
    machineForTests = machineId;
}

LockRecord LockRecord::ofThisProcess()
{
    LockRecord record;
    if (const passwd* entry = ::getpwuid(::geteuid())) {
        record.user = PrintableLockText(entry->pw_name);
        record.name = PrintableLockText(QByteArray(entry->pw_gecos ? entry->pw_gecos : "").split(',').value(0));
    }
    if (record.user.isEmpty())
        record.user = PrintableLockText(qgetenv("USER"));
    if (record.name.isEmpty())
        record.name = record.user;
    record.host = ThisHost();
    record.machine = ThisMachineId();
    record.pid = ::getpid();
    record.since = record.seen = LockClockNow();
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
            record.user = PrintableLockText(value);
        else if (key == "name")
            record.name = PrintableLockText(value);
        else if (key == "host")
            record.host = PrintableLockText(value);
        else if (key == "machine")
            record.machine = PrintableLockText(value);
        else if (key == "pid")
            record.pid = Number(value);
        else if (key == "since")
            record.since = Number(value);
        else if (key == "seen")
            record.seen = Number(value);
        else if (key == "token")
            record.token = PrintableLockText(value);
    }
    if (record.name.isEmpty())
        record.name = record.user.isEmpty() ? QCoreApplication::translate("Engine", "someone") : record.user;
    return record;
}

QByteArray LockRecord::serialize() const
{
    return QStringLiteral("user=%1\nname=%2\nhost=%3\nmachine=%4\npid=%5\nsince=%6\nseen=%7\ntoken=%8\n")
        .arg(user, name, host, machine)
        .arg(pid)
        .arg(since)
        .arg(seen)
        .arg(token)
        .toUtf8();
}

bool LockRecord::thisMachine() const
{
    // A record without a machine id (of an earlier version) is known by its machine's name alone.
    return host == ThisHost() && (machine.isEmpty() || machine == ThisMachineId());
}

bool LockRecord::thisProcess() const
{
    return thisMachine() && pid == ::getpid();
}

bool LockRecord::holderMayBeAlive() const
{
    if (!valid())
        return false;
    if (!thisMachine())
        return true;
    return ::kill(pid_t(pid), 0) == 0 || errno == EPERM;
}

bool LockRecord::recent(qint64 ageSeconds) const
{
    const qint64 now = LockClockNow();
    return ageSeconds >= -LockFutureSeconds && ageSeconds < LockRecordLifeSeconds &&
           seen > now - LockRecordLifeSeconds - LockClockSkewSeconds && seen < now + LockClockSkewSeconds;
}

QString LockRecord::holderText() const
{
    //: %1: a user's login; %2: the computer's name
    const QString where = user.isEmpty() ? host : QCoreApplication::translate("Engine", "%1 on %2").arg(user, host);
    //: %1: a person's name; %2: the login and computer; %3: a process number
    return QCoreApplication::translate("Engine", "%1 (%2, process %3)").arg(name, where, QString::number(pid));
}

QString LockRecord::busyText() const
{
    const QString when = QLocale().toString(QDateTime::fromSecsSinceEpoch(since), QLocale::ShortFormat);
    // Filled in at once: a name from the lock file may hold "%2".
    //: %1: a person's name, login, computer and process; %2: a date and time; %3: the person's name
    return QCoreApplication::translate(
               "Engine", "%1 has been designing a report in this folder since %2. One person at a time designs "
                         "reports in a folder: ask %3 to finish and close the program, or wait and try again.")
        .arg(holderText(), when, name);
}

} // namespace store::detail
