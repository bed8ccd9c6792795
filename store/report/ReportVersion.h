#pragma once

#include <QByteArray>
#include <QCryptographicHash>
#include <QDateTime>
#include <QString>

namespace store {

// A report file as this program last read or wrote it: its size and a hash of
// its bytes from the start, as many as were read (all that the report holds).
// Enough to tell whether someone else has changed it since, also on a shared
// drive whose times are too coarse to tell two writes apart.
struct ReportVersion {
    qint64 size = 0;
    qint64 hashedBytes = 0;
    QByteArray hash;
};

inline constexpr QCryptographicHash::Algorithm ReportHashAlgorithm = QCryptographicHash::Sha256;

// The version of a report written with bytes.
ReportVersion VersionOfBytes(const QByteArray& bytes);

// What became of a report since a version of it: nothing, changed (also
// replaced, or no longer a file that can be read), or deleted.
struct ReportChange {
    enum class Kind { None, Changed, Deleted };
    Kind kind = Kind::None;
    QDateTime modified; // when it was last changed, when known
};

// Compares the report at path with version, reading no more of it than the
// version hashed. A link is followed, as loading follows it.
ReportChange ChangeSince(const QString& path, const ReportVersion& version);

} // namespace store
