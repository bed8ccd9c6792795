#pragma once

// The input of the Paradox fuzz targets: a .DB file, optionally followed by
// the separator below and the table's .MB file.
#include <QByteArray>
#include <QFile>
#include <QString>
#include <QTemporaryDir>
#include <cstdint>

namespace fuzz {

// Writes the input as FUZZ.DB (and FUZZ.MB when it holds the separator) into a
// temporary directory kept for the run; returns the table's path.
inline QString WriteTableInput(const std::uint8_t* data, std::size_t size)
{
    static const QByteArray MemoSeparator("@@MEMO@@");
    static QTemporaryDir dir;
    const auto write = [](const QString& path, const QByteArray& content) {
        QFile file(path);
        if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            file.write(content);
    };
    const QString tablePath = dir.filePath("FUZZ.DB");
    const QString memoPath = dir.filePath("FUZZ.MB");
    const QByteArray input(reinterpret_cast<const char*>(data), qsizetype(size));
    const qsizetype split = input.indexOf(MemoSeparator);
    write(tablePath, split < 0 ? input : input.left(split));
    if (split < 0)
        QFile::remove(memoPath);
    else
        write(memoPath, input.mid(split + MemoSeparator.size()));
    return tablePath;
}

} // namespace fuzz
