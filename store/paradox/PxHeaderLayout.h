#pragma once

// Where things stand in the header of a Paradox table (.DB) file.
namespace px::layout {

constexpr int RecordSize = 0x00;
constexpr int HeaderSize = 0x02;
constexpr int FileType = 0x04;
constexpr int BlockSizeCode = 0x05;
constexpr int RecordCount = 0x06;
constexpr int UsedBlocks = 0x0A;
constexpr int FileBlocks = 0x0C;
constexpr int FirstBlock = 0x0E;
constexpr int LastBlock = 0x10;
constexpr int FieldCount = 0x21;
constexpr int KeyFieldCount = 0x23;
constexpr int Encryption = 0x25;
constexpr int SortOrder = 0x29;
constexpr int ChangeCount1 = 0x2D;
constexpr int ChangeCount2 = 0x2E;
constexpr int FileVersion = 0x39;
constexpr int MaxBlocks = 0x3A;
constexpr int Unknown3E = 0x3E;
constexpr int AutoIncrement = 0x49;
constexpr int RealHeaderSize = 0x51;
constexpr int Unknown56 = 0x56;
constexpr int BaseEnd = 0x58; // field descriptors follow here in level 3 tables

// The extended part of level 4 and later tables.
constexpr int FileVersion3 = 0x58;
constexpr int FileVersion4 = 0x5A;
constexpr int Encryption2 = 0x5C;
constexpr int UpdateTime = 0x60;
constexpr int HighFieldId = 0x64;
constexpr int HighFieldIdInfo = 0x66;
constexpr int CodePage = 0x6A;
constexpr int Unknown6C = 0x6C;
constexpr int ChangeCount4 = 0x70;
constexpr int ExtendedEnd = 0x78;

// encryption1 holds this when the key is in encryption2.
constexpr unsigned KeyInExtendedPart = 0xFF00FF00u;
// Each data block starts with next block, previous block and the offset of its last record.
constexpr int BlockHeaderSize = 6;
constexpr int FirstExtendedVersion = 5; // file version code of the first level 4 tables
constexpr int Level7Version = 12;

inline int tableNameLength(int fileVersion) { return fileVersion >= Level7Version ? 261 : 79; }

} // namespace px::layout
