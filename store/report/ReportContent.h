#pragma once

#include <QString>
#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace store {

struct DirectoryEntry;

// Header or Field of a record: at most the working table's 50 characters,
// held in place as the file's bytes, in Windows-1252 (one byte a character).
class FieldText {
public:
    static constexpr std::size_t Capacity = 50;

    FieldText() = default;
    explicit FieldText(std::string_view bytes) { assign(bytes); }
    // Keeps the first Capacity bytes at most.
    void assign(std::string_view bytes)
    {
        size_ = std::uint8_t(std::min(bytes.size(), Capacity));
        std::copy_n(bytes.data(), size_, bytes_.data());
    }
    std::string_view bytes() const { return {bytes_.data(), size_}; }
    QString text() const; // decoded
    bool empty() const { return size_ == 0; }
    friend bool operator==(const FieldText& a, const FieldText& b) { return a.bytes() == b.bytes(); }

private:
    std::array<char, Capacity> bytes_{};
    std::uint8_t size_ = 0;
};

// One field record of a report as loading stores it in the working table: a
// number or flag line that is empty holds no value.
struct ReportFieldRecord {
    int order = 0; // place in the file, from 1
    std::optional<int> dbType;
    bool leaders = false;
    bool trailers = false;
    FieldText header;
    FieldText field;
    std::optional<int> line;
    std::optional<int> lposition;
    std::optional<int> rposition;
    std::optional<bool> total;
    std::optional<bool> count;
    std::optional<bool> average;
    std::optional<bool> minValue;
    std::optional<bool> maxValue;
};

// A report definition file read by loading's rules, into plain values; texts
// as the file's bytes.
struct ReportContent {
    std::string description;  // line 1 as it stands
    std::string typeLine;     // line 2 as it stands
    std::string categoryLine; // line 3 as it stands
    int width = 0;        // line 4 as a whole number, 0 when it holds none
    std::vector<ReportFieldRecord> fields; // in file order
};

// Reads the report at path with the reader, the bounds and the conversions
// that loading uses; refuses what loading refuses (a field count past
// MaxFieldRecords, a number or flag line the working table's columns do not
// take, a record without a Field or with the Field of an earlier one) with
// loading's messages. Throws base::EngineError naming the file.
ReportContent ReadReport(const QString& path);
// The same for an entry of a directory held open, which a listing found a file
// (or a link to one): a pipe or a device swapped in since is refused without
// waiting on it.
ReportContent ReadReport(const DirectoryEntry& entry);
// The same into report, whose texts and records are overwritten, their room
// reused: reading many reports in turn into one allocates little. After an
// error report holds part of the file.
void ReadReport(const QString& path, ReportContent& report);
void ReadReport(const DirectoryEntry& entry, ReportContent& report);

// A refused field record's message: the engine's text, and where it was.
QString FieldRecordFailure(const QString& text, int record, const QString& path);

} // namespace store
