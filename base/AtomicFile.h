#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QFile>
#include <QString>

namespace base {

// The name of a temporary file that replaces a file with the extension suffix:
// ".tabrep-", sixteen hexadecimal digits of number, the extension in small
// letters when it is one to three ASCII letters or digits, and ".tmp", as in
// ".tabrep-0123456789abcdef.rpt.tmp". Short whatever the replaced file's name,
// and a name that no one else's file plausibly has.
QByteArray TemporaryName(const QString& suffix, quint64 number);
// True when name is a temporary name for a file with the extension suffix.
bool IsTemporaryName(QByteArrayView name, const QString& suffix);

// A new version of the file at target, written beside it and put in its place
// in one step, so that the file is never half-written. The bytes go to a
// temporary file in the same directory, named by TemporaryName, created new (never
// through a link) and held locked (an open-file-description write lock) while it
// is written; commit flushes it to disk and renames it over target. Nothing at
// target is followed: a symbolic link there is replaced itself, and an existing
// regular file keeps its permissions. Uncommitted, the temporary file is removed.
// A relative target is taken against the current directory.
class ReplacementFile : public QFile {
public:
    explicit ReplacementFile(const QString& target);
    ~ReplacementFile() override;
    ReplacementFile(const ReplacementFile&) = delete;
    ReplacementFile& operator=(const ReplacementFile&) = delete;

    // Creates the temporary file, open for writing (unbuffered, so a failing
    // write reports the system's reason at once, "No space left on device");
    // false with errorString() set.
    bool create();
    // Writes the file to disk and renames it over target; false with errorString() set.
    // Not durable: renamed without waiting for the disk, for a file that is made
    // anew after a crash; readers still see the old file or the new one whole.
    bool commit(bool durable = true);

    const QString& target() const { return target_; }

protected:
    // Writes straight to the file, so that a failure is worded by the system.
    qint64 writeData(const char* data, qint64 length) override;

private:
    bool failed(int error);

    QString target_;
    QByteArray targetBytes_;
    QByteArray temporaryBytes_; // set once the temporary file exists
    bool committed_ = false;
};

// Replaces the file at path with bytes through a ReplacementFile. A path that
// is a symbolic link is refused, so the file it points to is never written (the
// message says how to make it a report of its own). On
// any failure the old file stays as it was and base::EngineError is thrown with
// "Cannot write <kind> <path>: <the reason>".
void WriteFileAtomically(const QString& path, const QByteArray& bytes, const QString& kind);

} // namespace base
