#include "store/engine/TableFiles.h"

#include "base/EngineError.h"
#include "base/Paths.h"
#include "store/engine/TableLock.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

namespace store::detail {
namespace {

bool needsMemoFile(const px::TableDefinition& definition)
{
    for (const px::FieldDesc& f : definition.fields)
        switch (f.code) {
        case px::FieldCode::Memo:
        case px::FieldCode::Blob:
        case px::FieldCode::FmtMemo:
        case px::FieldCode::Ole:
        case px::FieldCode::Graphic:
            return true;
        default:
            break;
        }
    return false;
}

void removeFile(const QString& path)
{
    QFile file(path);
    if (!file.remove())
        throw base::EngineError(
            QCoreApplication::translate("Engine", "Cannot delete %1: %2").arg(path, file.errorString()));
}

} // namespace

QString canonicalTablePath(const QString& path)
{
    const QFileInfo info(path);
    QString directory = info.absoluteDir().canonicalPath();
    if (directory.isEmpty())
        directory = info.absolutePath();
    return base::JoinPath(directory, info.fileName());
}

QString withTableExtension(const QString& name)
{
    return QFileInfo(name).suffix().isEmpty() && !name.isEmpty() ? name + QStringLiteral(".DB") : name;
}

QStringList companionFilesOf(const QString& tablePath)
{
    static const QRegularExpression kExtension(
        QStringLiteral("^(PX|MB|VAL|[XY][0-9A-Z]{2})$"), QRegularExpression::CaseInsensitiveOption);
    const QFileInfo table(tablePath);
    const QString base = table.completeBaseName();
    QStringList files;
    const QDir directory = table.absoluteDir();
    for (const QFileInfo& entry : directory.entryInfoList(QDir::Files | QDir::Hidden | QDir::System)) {
        if (entry.completeBaseName() == base && kExtension.match(entry.suffix()).hasMatch())
            files << entry.absoluteFilePath();
    }
    if (QFileInfo::exists(TableLock::lockPathOf(tablePath)))
        files << TableLock::lockPathOf(tablePath);
    return files;
}

void writeEmptyTable(const QString& tablePath, const px::TableDefinition& definition)
{
    TableLock lock(tablePath);
    lock.hold(TableLock::Level::Exclusive);
    px::writeTable(tablePath, definition, {});
    const bool keepMemo = needsMemoFile(definition);
    for (const QString& file : companionFilesOf(tablePath)) {
        const QString suffix = QFileInfo(file).suffix().toUpper();
        if (file == TableLock::lockPathOf(tablePath) || (keepMemo && suffix == QStringLiteral("MB")))
            continue;
        removeFile(file);
    }
}

void removeTableFiles(const QString& tablePath)
{
    if (!QFileInfo::exists(tablePath))
        throw base::EngineError(QCoreApplication::translate("Engine", "Table does not exist: %1").arg(tablePath));
    TableLock lock(tablePath);
    if (QFileInfo::exists(TableLock::lockPathOf(tablePath)))
        lock.hold(TableLock::Level::Exclusive);
    removeFile(tablePath);
    for (const QString& file : companionFilesOf(tablePath))
        removeFile(file);
}

} // namespace store::detail
