#pragma once

#include <QByteArray>

namespace px {

// Builds the .MB file of a table we write: the header block, then small values
// packed into suballocated blocks and large ones in single-value blocks.
class BlobWriter {
public:
    BlobWriter();

    // Stores value (longer than the field's leading part) and fills the field's
    // 10-byte reference.
    void add(const QByteArray& value, unsigned char* reference);

    // The whole file.
    QByteArray file() const;

private:
    void addSingle(const QByteArray& value, unsigned char* reference);
    void addSmall(const QByteArray& value, unsigned char* reference);

    QByteArray file_;
    int modification_ = 0;
    qint64 subBlock_ = -1; // offset of the suballocated block being filled
    int subEntries_ = 0;
    int subNextParagraph_ = 0;
};

} // namespace px
