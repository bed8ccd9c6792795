#pragma once

#include "store/paradox/PxTable.h"

#include <QFile>
#include <QString>
#include <optional>

namespace px {

// Reads memo and blob values of one table from its .MB file.
class BlobReader {
public:
    // key: the table's protection key (0: none); the .MB is protected with it too.
    // A memo file that is missing or is not a regular file (a pipe, a device)
    // is no memo file.
    BlobReader(const QString& tablePath, std::uint32_t key);

    // The stored bytes of a memo-kind field whose record bytes are data[0, size).
    // Null when the value is empty, or when it lies in the .MB file and there is none.
    std::optional<QByteArray> read(FieldCode code, const unsigned char* data, int size);

private:
    QByteArray readAt(qint64 offset, qint64 length);
    QByteArray fromSingleBlock(qint64 offset, int index, qint64 length);
    QByteArray fromSubBlock(qint64 offset, int index, qint64 length);

    QString path_;
    QFile file_;
    qint64 size_ = 0;
    std::uint32_t key_ = 0;
    bool open_ = false;
};

} // namespace px
