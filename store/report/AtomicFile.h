#pragma once

#include <QByteArray>
#include <QString>

namespace store {

// Replaces the file at path with bytes so that the file is never half-written:
// the bytes go to a temporary file in the same directory, which is flushed to
// disk, closed and renamed over the target. A relative path is taken against
// the current directory; an existing target keeps its permissions (a symbolic
// link is followed and its target replaced). On any failure the temporary file
// is removed, the old target stays as it was, and base::EngineError is thrown
// with "Cannot write <kind> <path>: <the system's reason>".
void WriteFileAtomically(const QString& path, const QByteArray& bytes, const QString& kind);

} // namespace store
