#pragma once

#include "base/EngineError.h"

#include <QString>

// The user-visible texts of the Paradox codec. Every one names the file.
namespace px::errors {

[[noreturn]] inline void missingTable(const QString& path)
{
    throw base::EngineError(QStringLiteral("Table does not exist: %1").arg(path));
}

[[noreturn]] inline void unreadable(const QString& path, const QString& why)
{
    throw base::EngineError(QStringLiteral("Cannot read table: %1 (%2)").arg(path, why));
}

[[noreturn]] inline void corruptHeader(const QString& path, const QString& why)
{
    throw base::EngineError(QStringLiteral("Corrupt table header: %1 (%2)").arg(path, why));
}

[[noreturn]] inline void corruptData(const QString& path, const QString& why)
{
    throw base::EngineError(QStringLiteral("Corrupt table: %1 (%2)").arg(path, why));
}

[[noreturn]] inline void corruptMemo(const QString& path, const QString& why)
{
    throw base::EngineError(QStringLiteral("Corrupt memo file: %1 (%2)").arg(path, why));
}

[[noreturn]] inline void cannotWrite(const QString& path, const QString& why)
{
    throw base::EngineError(QStringLiteral("Cannot write table: %1 (%2)").arg(path, why));
}

} // namespace px::errors
