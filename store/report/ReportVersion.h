#pragma once

#include <QByteArray>
#include <QCryptographicHash>
#include <QDateTime>
#include <QString>

#include <optional>

namespace store {

// A report file as this program last read or wrote it: its size and a hash of
// all its bytes. Enough to tell whether someone else has changed it since,
// also on a shared drive whose times are too coarse to tell two writes apart.
// A file that is there but cannot be read as one (a directory, a pipe, a file
// without read permission) has the size -1 and no hash.
struct ReportVersion {
    qint64 size = 0;
    QByteArray hash;

    bool operator==(const ReportVersion&) const = default;
};

// A hash no one can make two files share on purpose, kept only in memory: BLAKE2b,
// which Qt computes three times as fast as SHA-256 (a load and save hashes the
// file three times: as it is read, at the last look and as it is written).
inline constexpr QCryptographicHash::Algorithm ReportHashAlgorithm = QCryptographicHash::Blake2b_256;

// The version of a report written with bytes.
ReportVersion VersionOfBytes(const QByteArray& bytes);
// The version of a file of size bytes open as fd, of which the first hashed
// went into hash already: the rest is read and hashed a piece at a time, up to
// size (a file that grows meanwhile is not read on without end). A file that
// gives fewer bytes has no hash.
ReportVersion VersionOfRest(int fd, qint64 size, QCryptographicHash& hash, qint64 hashed);

// What is at a report's path compared with what was known there: the same
// version, or nothing as known; another version (changed or replaced);
// nothing where a version was known (deleted); or a file where nothing was
// known (saved there by someone else).
struct ReportChange {
    enum class Kind { None, Changed, Deleted, Appeared };
    Kind kind = Kind::None;
    std::optional<ReportVersion> now; // what is there now; none when nothing is
    QDateTime modified;               // the time its file gives, when something is there
};

// Looks at the report at path, reading all of it, and compares it with known
// (none: nothing should be there). A link is followed, as loading follows it.
ReportChange ChangeSince(const QString& path, const std::optional<ReportVersion>& known);

} // namespace store
