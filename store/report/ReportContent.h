#pragma once

#include "store/report/Cp1252.h"

#include <QString>
#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace store {

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
    QString text() const { return DecodeCp1252(QByteArrayView(bytes())); }
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

// Lines 1 to 5 of a report definition file, as read and as written; a listing
// reads only some of them, the others stay empty.
struct ReportHead {
    QString description;  // line 1 as it stands
    QString typeLine;     // line 2 as it stands; written: "Contact" or "Calendar"
    QString categoryLine; // line 3 as it stands; written: a category's word
    int width = 0;        // line 4 as a whole number, 0 when it holds none
    std::optional<int> fieldCount; // line 5 as a whole number, none when it holds none

    friend bool operator==(const ReportHead&, const ReportHead&) = default;
};

// A report definition file read by loading's rules, into plain values.
struct ReportContent : ReportHead {
    std::vector<ReportFieldRecord> fields; // in file order
};

} // namespace store
