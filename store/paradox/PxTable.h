#pragma once

#include "store/paradox/PxValue.h"

#include <QString>
#include <cstdint>
#include <functional>
#include <memory>
#include <limits>
#include <vector>

namespace px {

// Paradox field type codes as they stand in a table's field descriptors.
enum class FieldCode : std::uint8_t {
    Alpha = 0x01,
    Date = 0x02,
    Short = 0x03,
    Long = 0x04,
    Currency = 0x05,
    Number = 0x06,
    Logical = 0x09,
    Memo = 0x0C,
    Blob = 0x0D,
    FmtMemo = 0x0E,
    Ole = 0x0F,
    Graphic = 0x10,
    Time = 0x14,
    Timestamp = 0x15,
    AutoInc = 0x16,
    Bcd = 0x17,
    Bytes = 0x18,
};

struct FieldDesc {
    QString name;        // decoded from the table's code page
    FieldCode code = FieldCode::Alpha;
    int size = 0;        // bytes in the record (alpha: characters; memo kinds: bytes kept in the record,
                         // the leading part and the 10-byte reference; BCD: digits after the decimal
                         // point, the record holding 17 bytes)
};

struct Header {
    int recordSize = 0;
    int headerSize = 0;
    int fileType = 0;        // 0 keyed .DB, 2 unkeyed .DB
    int blockSize = 0;       // in bytes (1, 2, 3, 4, 8, 16 or 32 kilobytes)
    std::int64_t recordCount = 0;
    int usedBlocks = 0;
    int fileBlocks = 0;
    int firstBlock = 0;
    int lastBlock = 0;
    int keyFieldCount = 0;   // primary key: the first keyFieldCount fields
    std::uint32_t encryption = 0; // 0: not protected
    int level = 0;           // file version code: 3 (3.0), 4 (3.5), 5-9 (4.x), 10-11 (5.x), 12 (7.x)
    int codePage = 0;        // 0 when the header has none
    std::int32_t autoIncrement = 0;
    std::vector<FieldDesc> fields;
};

// A Paradox table file opened for reading. Opening reads and checks the header
// and the field descriptors only; the records are read by readRecords().
// Every failure (missing file, truncated or corrupt header, a block chain that
// leaves the file or loops) throws base::EngineError naming the file.
class TableFile {
public:
    static TableFile open(const QString& path);

    const QString& path() const { return path_; }
    const Header& header() const { return header_; }

    // The records in block-chain order, each with one value per field, at most
    // limit of them (all by default). Memo and blob values come from the
    // companion .MB file; when it is missing such values read as null. Memory
    // grows with the records read, never with the count the header claims.
    std::vector<std::vector<Value>> readRecords(std::int64_t limit = std::numeric_limits<std::int64_t>::max()) const;

private:
    QString path_;
    Header header_;
};

// Where a record stands in its table file: its data block and its place in the block.
struct RecordPlace {
    std::uint16_t block = 0; // from 1
    std::uint16_t slot = 0;  // from 0
};

// Reads a table's records one at a time in block-chain order, with the checks
// of readRecords, holding one data block in memory: a table of millions of
// records costs no more than a small one. Records can also be read again by
// their place. Only the fields asked for are decoded; the others read as null,
// so a pass that needs no memo never opens the .MB file.
class RecordStream {
public:
    // columns: one flag per field, true to decode it; empty decodes every field.
    explicit RecordStream(const TableFile& table, std::vector<bool> columns = {});
    ~RecordStream();
    RecordStream(const RecordStream&) = delete;
    RecordStream& operator=(const RecordStream&) = delete;

    // The next record into values; false after the last.
    bool next(std::vector<Value>& values);
    // The place of the record next() gave last.
    RecordPlace place() const { return place_; }
    // Records given by next() so far.
    std::int64_t recordsRead() const { return read_; }
    // The record at place, as next() gave it; throws base::EngineError when no record stands there.
    void readAt(RecordPlace place, std::vector<Value>& values);

private:
    struct Impl;
    std::unique_ptr<Impl> d;
    RecordPlace place_;
    std::int64_t read_ = 0;
};

// What writeTable needs to know about a table we create.
struct TableDefinition {
    std::vector<FieldDesc> fields;
    int keyFieldCount = 0; // records are written in key order by the caller
    int codePage = 1252;
    bool durable = true; // false: replaced whole but not synced, for a table made anew at every start
};

// Writes a complete table (and its .MB file when a field needs one) to a
// temporary file beside path and renames it into place, so the file on disk is
// always a whole table. The block size is the smallest that holds the records
// in at most 65,535 blocks (up to 32 KB). Throws base::EngineError on failure,
// leaving any old table as it was.
void writeTable(const QString& path, const TableDefinition& definition,
                const std::vector<std::vector<Value>>& records);

// The values of record index (counting from 0), one per field.
using RecordSource = std::function<std::vector<Value>(std::int64_t index)>;

// Writes a table of count records as writeTable above, asking source for each
// record once, in order, and writing block by block, so a table of millions of
// records needs the memory of a few blocks only.
void writeTable(const QString& path, const TableDefinition& definition, std::int64_t count, const RecordSource& source);

} // namespace px
