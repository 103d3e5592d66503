// Little-endian numbers in byte buffers: binary files are built and read
// field by field, never by copying records, so they are the same on every
// machine and compiler.
#pragma once

#include <cstdint>
#include <vector>

inline void putUnsigned(std::vector<uint8_t>& bytes, uint32_t bits, int width) {
    for (int k = 0; k < width; ++k) bytes.push_back(static_cast<uint8_t>(bits >> (8 * k)));
}

inline uint32_t takeUnsigned(const uint8_t* field, int width) {
    uint32_t bits = 0;
    for (int k = width - 1; k >= 0; --k) bits = bits << 8 | field[k];
    return bits;
}

inline void putInt16(std::vector<uint8_t>& bytes, int16_t value) {
    putUnsigned(bytes, static_cast<uint16_t>(value), 2);
}

inline void putInt32(std::vector<uint8_t>& bytes, int32_t value) {
    putUnsigned(bytes, static_cast<uint32_t>(value), 4);
}

inline int16_t takeInt16(const uint8_t* field) { return static_cast<int16_t>(takeUnsigned(field, 2)); }

inline int32_t takeInt32(const uint8_t* field) { return static_cast<int32_t>(takeUnsigned(field, 4)); }
