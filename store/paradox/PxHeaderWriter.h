#pragma once

#include "store/paradox/PxTable.h"

#include <QByteArray>
#include <vector>

namespace px {

// The numbers of a table we write that its header records.
struct TableShape {
    int recordSize = 0;
    int blockSize = 0;
    int blocks = 0;
    std::int64_t recordCount = 0;
    std::int32_t autoIncrement = 0;
};

// The most data blocks a table can have: block numbers are 16 bits.
constexpr int MaxTableBlocks = 0xFFFF;

// The block size in bytes for recordCount records of recordSize bytes: the
// smallest of 2, 4, 8, 16 or 32 KB (4 KB at least for records over 300 bytes)
// that holds a record and keeps the table within MaxTableBlocks blocks; 0 when
// none does.
int blockSizeFor(int recordSize, std::int64_t recordCount);

// Bytes the header of a level 7 table with these field names (already in the
// table's code page) needs, rounded up to whole 2 KB.
int headerSizeFor(const std::vector<QByteArray>& names);

// The complete header, headerSizeFor(names) bytes long.
QByteArray buildHeader(const TableDefinition& definition, const std::vector<QByteArray>& names, const TableShape& shape);

} // namespace px
