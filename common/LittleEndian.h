// 32-bit numbers stored least significant byte first, as resources and the
// update request keep them. Reading stays within the bytes there are,
// whatever they hold.
#pragma once
#include <stddef.h>
#include <stdint.h>

// The first 4 of size bytes. False, with out unchanged, when there are fewer
// or bytes is null; bytes past the fourth are ignored.
inline bool ReadLittleEndian32(const unsigned char* bytes, size_t size, uint32_t& out) {
    if (bytes == nullptr || size < 4) return false;
    out = static_cast<uint32_t>(bytes[0]) | static_cast<uint32_t>(bytes[1]) << 8 |
          static_cast<uint32_t>(bytes[2]) << 16 | static_cast<uint32_t>(bytes[3]) << 24;
    return true;
}

// value as 4 bytes into out[0..3].
inline void WriteLittleEndian32(uint32_t value, unsigned char* out) {
    for (int i = 0; i < 4; ++i) out[i] = static_cast<unsigned char>(value >> (8 * i));
}
