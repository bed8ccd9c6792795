#pragma once

#include <QByteArray>

class QFileDevice;

namespace px {

// Writes the .MB file of a table we write as the values come: the header
// block, then small values packed into suballocated blocks and large ones in
// single-value blocks. Only the suballocated block being filled is held in
// memory. Write failures throw base::EngineError naming the file.
class BlobWriter {
public:
    // file is open for writing and empty.
    explicit BlobWriter(QFileDevice& file);

    // Stores value (longer than the field's leading part) and fills the field's
    // 10-byte reference.
    void add(const QByteArray& value, unsigned char* reference);

    // Writes the last suballocated block and the header; called once, after the last add.
    void finish();

private:
    void addSingle(const QByteArray& value, unsigned char* reference);
    void addSmall(const QByteArray& value, unsigned char* reference);
    void flushSubBlock();
    // Appends bytes at the end of the file.
    void append(const QByteArray& bytes);
    // Replaces bytes already written at offset.
    void writeAt(qint64 offset, const QByteArray& bytes);

    QFileDevice& file_;
    qint64 size_ = 0;
    int modification_ = 0;
    QByteArray sub_;        // the suballocated block being filled, empty when none
    qint64 subOffset_ = -1; // its place in the file
    int subEntries_ = 0;
    int subNextParagraph_ = 0;
};

} // namespace px
