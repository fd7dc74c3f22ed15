// Flag arithmetic of the LH5801: the binary add everything is built on, the
// compare, the decimal adjust, the T register and the shift/rotate tables.
#pragma once

#include <array>
#include <cstdint>

#include "cpu/record.h"

// add(a, m, c): all four flags from the one sum. V is the carry into bit 7
// exclusive-or the carry into bit 6 (so 20 + 20 sets V, 7F + 01 clears it).
inline uint8_t Add(LH5801* m, unsigned a, unsigned b, unsigned carry) {
    const unsigned sum = a + b + carry;
    const unsigned carry7 = ((a & 0x7F) + (b & 0x7F) + carry) >> 7;
    const unsigned carry6 = ((a & 0x3F) + (b & 0x3F) + carry) >> 6;
    m->Z = (sum & 0xFF) == 0;
    m->H = ((a & 0x0F) + (b & 0x0F) + carry) > 0x0F;
    m->V = (carry7 ^ carry6) & 1;
    m->C = sum > 0xFF;
    return static_cast<uint8_t>(sum);
}

// Subtraction: add with the complemented operand; C = 1 means no borrow.
inline uint8_t Subtract(LH5801* m, unsigned a, unsigned b, unsigned carry) {
    return Add(m, a, ~b & 0xFF, carry);
}

inline void Compare(LH5801* m, unsigned x, unsigned y) {
    m->C = x >= y;
    m->Z = x == y;
}

// Decimal correction of a binary result by the flags the add left; the flags
// stay as the add set them.
inline uint8_t DecimalAdjust(const LH5801* m, uint8_t r) {
    if (m->C) return m->H ? r : static_cast<uint8_t>(r - 0x06);
    return m->H ? static_cast<uint8_t>(r - 0x60) : static_cast<uint8_t>(r - 0x66);
}

// T register: H V Z IE C in bits 4..0.
inline uint8_t PackT(const LH5801* m) {
    return static_cast<uint8_t>(m->H << 4 | m->V << 3 | m->Z << 2 | m->IE << 1 | m->C);
}

inline void UnpackT(LH5801* m, uint8_t t) {
    m->C = t & 1;
    m->IE = (t >> 1) & 1;
    m->Z = (t >> 2) & 1;
    m->V = (t >> 3) & 1;
    m->H = (t >> 4) & 1;
}

// One precomputed result of a shift or rotate.
struct ShiftResult {
    uint8_t value, c, h, v, z;
};

using ShiftTable = std::array<ShiftResult, 512>;  // index C * 256 + A

constexpr ShiftTable BuildLeftTable() {
    ShiftTable t{};
    for (unsigned i = 0; i < 512; ++i) {
        const unsigned a = i & 0xFF, c = i >> 8;
        const uint8_t r = static_cast<uint8_t>(a << 1 | c);
        t[i] = {r, uint8_t(a >> 7), uint8_t((a >> 3) & 1), uint8_t(((a >> 7) ^ (a >> 6)) & 1), uint8_t(r == 0)};
    }
    return t;
}

constexpr ShiftTable BuildRightTable() {
    ShiftTable t{};
    for (unsigned i = 0; i < 512; ++i) {
        const unsigned a = i & 0xFF, c = i >> 8;
        const uint8_t r = static_cast<uint8_t>(a >> 1 | c << 7);
        t[i] = {r, uint8_t(a & 1), uint8_t((a >> 4) & 1), uint8_t((a ^ (a >> 1)) & 1), uint8_t(r == 0)};
    }
    return t;
}

inline constexpr ShiftTable kShiftLeft = BuildLeftTable();
inline constexpr ShiftTable kShiftRight = BuildRightTable();

inline uint8_t ApplyShift(LH5801* m, const ShiftResult& r) {
    m->C = r.c;
    m->H = r.h;
    m->V = r.v;
    m->Z = r.z;
    return r.value;
}
