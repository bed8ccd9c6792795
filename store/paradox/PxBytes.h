#pragma once

#include <cstdint>
#include <cstring>

// Byte-order helpers for the Paradox file layout: headers are little-endian,
// field values in records are big-endian.
namespace px::bytes {

inline std::uint16_t le16(const unsigned char* p) { return std::uint16_t(p[0] | (p[1] << 8)); }
inline std::uint32_t le32(const unsigned char* p)
{
    return std::uint32_t(p[0]) | (std::uint32_t(p[1]) << 8) | (std::uint32_t(p[2]) << 16)
        | (std::uint32_t(p[3]) << 24);
}
inline std::int16_t le16s(const unsigned char* p) { return std::int16_t(le16(p)); }

inline void putLe16(unsigned char* p, std::uint32_t v)
{
    p[0] = v & 0xFF;
    p[1] = (v >> 8) & 0xFF;
}
inline void putLe32(unsigned char* p, std::uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        p[i] = (v >> (8 * i)) & 0xFF;
}

inline std::uint64_t be(const unsigned char* p, int n)
{
    std::uint64_t v = 0;
    for (int i = 0; i < n; ++i)
        v = (v << 8) | p[i];
    return v;
}
inline void putBe(unsigned char* p, int n, std::uint64_t v)
{
    for (int i = n - 1; i >= 0; --i) {
        p[i] = v & 0xFF;
        v >>= 8;
    }
}

inline bool allZero(const unsigned char* p, int n)
{
    for (int i = 0; i < n; ++i)
        if (p[i] != 0)
            return false;
    return true;
}

inline double bitsToDouble(std::uint64_t bits)
{
    double d;
    std::memcpy(&d, &bits, sizeof d);
    return d;
}
inline std::uint64_t doubleToBits(double d)
{
    std::uint64_t bits;
    std::memcpy(&bits, &d, sizeof bits);
    return bits;
}

} // namespace px::bytes
