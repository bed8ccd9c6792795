#include "store/engine/TableFiles.h"

#include "base/DirectoryNames.h"
#include "base/EngineError.h"
#include "base/Paths.h"
#include "store/engine/TableLock.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

namespace store::detail {
namespace {

bool needsMemoFile(const std::vector<px::FieldDesc>& fields)
{
    for (const px::FieldDesc& f : fields)
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

// Removes the file; one already gone is no fault (the directory may have been read before).
void removeFile(const QString& path)
{
    if (::unlink(base::FileNameBytes(path).constData()) != 0 && errno != ENOENT)
        throw base::EngineError(QCoreApplication::translate("Engine", "Cannot delete %1: %2")
                                    .arg(path, QString::fromLocal8Bit(std::strerror(errno))));
}

bool IsDigitOrLetter(char c)
{
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

// An extension of a table's companion file in any letter case: PX, MB, VAL, Xnn or Ynn (n a digit or letter).
bool IsCompanionExtension(QByteArrayView extension)
{
    if (base::EqualFoldingAZ(extension, "px") || base::EqualFoldingAZ(extension, "mb")
        || base::EqualFoldingAZ(extension, "val"))
        return true;
    const char kind = extension.isEmpty() ? '\0' : extension[0];
    return extension.size() == 3 && (kind == 'X' || kind == 'x' || kind == 'Y' || kind == 'y')
           && IsDigitOrLetter(extension[1]) && IsDigitOrLetter(extension[2]);
}

// Directories, and links to them, are never a table's files.
bool IsDirectory(const base::DirectoryNames& names, qsizetype i)
{
    if (names.type(i) != DT_LNK && names.type(i) != DT_UNKNOWN)
        return names.type(i) == DT_DIR;
    struct stat info {};
    return ::fstatat(names.fd(), names.name(i).data(), &info, 0) == 0 && S_ISDIR(info.st_mode);
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
    const QFileInfo table(tablePath);
    const QString directory = table.absolutePath();
    const QByteArray prefix = base::FileNameBytes(table.completeBaseName()) + '.';
    QStringList files;
    const std::shared_ptr<const base::DirectoryNames> names = base::ReadDirectory(directory);
    for (qsizetype i = 0; i < names->size(); ++i) {
        const QByteArrayView name = names->name(i);
        // Most names differ at once: only those go on that start as the table's name does.
        if (name.size() <= prefix.size() || name[0] != prefix[0]
            || std::memcmp(name.data(), prefix.constData(), std::size_t(prefix.size())) != 0)
            continue;
        const QByteArrayView extension = name.sliced(prefix.size());
        if (extension.contains('.') || !IsCompanionExtension(extension) || IsDirectory(*names, i))
            continue;
        files << base::JoinPath(directory, base::FileNameText(name));
    }
    if (QFileInfo::exists(TableLock::lockPathOf(tablePath)))
        files << TableLock::lockPathOf(tablePath);
    return files;
}

void removeUnusedCompanions(const QString& tablePath, const std::vector<px::FieldDesc>& fields)
{
    const bool keepMemo = needsMemoFile(fields);
    for (const QString& file : companionFilesOf(tablePath)) {
        const QString suffix = QFileInfo(file).suffix().toUpper();
        if (file == TableLock::lockPathOf(tablePath) || (keepMemo && suffix == QStringLiteral("MB")))
            continue;
        removeFile(file);
    }
}

void writeEmptyTable(const QString& tablePath, const px::TableDefinition& definition, Leftovers leftovers)
{
    TableLock lock(tablePath);
    lock.hold(TableLock::Level::Exclusive,
              leftovers == Leftovers::Remove ? TableLock::Sweep::Now : TableLock::Sweep::Later);
    px::writeTable(tablePath, definition, {});
    if (leftovers == Leftovers::Remove)
        removeUnusedCompanions(tablePath, definition.fields);
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
