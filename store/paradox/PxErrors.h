#pragma once

#include "base/EngineError.h"

#include <QCoreApplication>
#include <QString>

// The user-visible texts of the Paradox codec. Every one names the file.
namespace px::errors {

[[noreturn]] inline void missingTable(const QString& path)
{
    throw base::EngineError(QCoreApplication::translate("Engine", "Table does not exist: %1").arg(path));
}

[[noreturn]] inline void unreadable(const QString& path, const QString& why)
{
    throw base::EngineError(QCoreApplication::translate("Engine", "Cannot read table: %1 (%2)").arg(path, why));
}

[[noreturn]] inline void corruptHeader(const QString& path, const QString& why)
{
    throw base::EngineError(QCoreApplication::translate("Engine", "Corrupt table header: %1 (%2)").arg(path, why));
}

[[noreturn]] inline void corruptData(const QString& path, const QString& why)
{
    throw base::EngineError(QCoreApplication::translate("Engine", "Corrupt table: %1 (%2)").arg(path, why));
}

[[noreturn]] inline void corruptMemo(const QString& path, const QString& why)
{
    throw base::EngineError(QCoreApplication::translate("Engine", "Corrupt memo file: %1 (%2)").arg(path, why));
}

[[noreturn]] inline void cannotWrite(const QString& path, const QString& why)
{
    throw base::EngineError(QCoreApplication::translate("Engine", "Cannot write table: %1 (%2)").arg(path, why));
}

} // namespace px::errors
