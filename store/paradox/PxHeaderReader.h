#pragma once

#include "store/paradox/PxTable.h"

#include <QByteArray>
#include <QString>

namespace px {

// Parses and checks a table header. data holds the start of the file, at least
// the header when the file is that long; fileSize is the size of the whole file.
// Throws base::EngineError naming path when any field is out of its limits.
Header parseHeader(const QString& path, const QByteArray& data, qint64 fileSize);

// Records that fit in one data block of the table.
int recordsPerBlock(const Header& header);

} // namespace px
