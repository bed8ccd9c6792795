#pragma once

#include <QString>

// Layout of the companion memo file (.MB) of a table: 4 KB blocks; block 0 is
// the file header, then single-blob blocks (type 2, one value over one or more
// 4 KB chunks) and suballocated blocks (type 3, up to 64 small values in 16-byte
// paragraphs). A record's memo field ends in a 10-byte reference: the block
// offset with the entry index in its low byte, the value's length and a
// modification number.
namespace px::mb {

constexpr int ChunkSize = 4096;
constexpr int ReferenceSize = 10;
constexpr int HeaderBlock = 0;
constexpr int SingleBlock = 2;
constexpr int SubBlock = 3;
constexpr int SingleHeaderSize = 9;
constexpr int SubHeaderSize = 12;
constexpr int SubEntries = 64;
constexpr int SubEntrySize = 5;
constexpr int Paragraph = 16;
constexpr int SubFirstParagraph = 0x15; // the first paragraph after the entry table
constexpr int SingleIndex = 0xFF;
// Values longer than this go into a single-blob block of their own.
constexpr int SubThreshold = 2048;
// Graphic values carry 8 bytes of their own before the picture.
constexpr int GraphicPrefix = 8;

// The memo file beside a table: same name, extension .MB (.mb for a lower-case .db).
QString memoPathFor(const QString& tablePath);

} // namespace px::mb
