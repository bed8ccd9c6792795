#pragma once

#include <cstddef>
#include <cstdint>

// The table protection of Paradox: a keyed byte scramble over 256-byte chunks.
// The key is the 32-bit value the header keeps, so protected tables are read
// without their password.
namespace px::crypt {

// A data block of the .DB file; blockNumber counts from 1 as the block chain does.
// size is a multiple of 256.
void decryptDbBlock(unsigned char* data, std::size_t size, std::uint32_t key, int blockNumber);
void encryptDbBlock(unsigned char* data, std::size_t size, std::uint32_t key, int blockNumber);

// A stretch of the .MB file starting at a multiple of 256; size is a multiple of 256.
void decryptMbChunks(unsigned char* data, std::size_t size, std::uint32_t key);

} // namespace px::crypt
