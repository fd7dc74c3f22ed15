// The display model: display memory (7600-764F, 7700-774D) decoded into the
// annunciator flags and the dot buffer, and only what changed drawn into the
// window surface with the dot and annunciator images of the skin table.
#pragma once

#include <cstdint>
#include <cstring>
#include <string>

#include "cpu/record.h"

constexpr uint16_t kDisplayBlock1 = 0x7600;  // columns 0-38 and 78-116, then the two flag bytes
constexpr uint16_t kDisplayBlock2 = 0x7700;  // columns 39-77 and 117-155
constexpr int kDisplayBlock1Bytes = 80;
constexpr int kDisplayBlock2Bytes = 78;
constexpr int kAnnunciatorByte1 = 78;  // 764E, offset in block 1 and in BufferVideo
constexpr int kAnnunciatorByte2 = 79;  // 764F

// Whether `bytes` equal `copy`, a machine word at a time (n >= 8).
inline bool SameBytes(const uint8_t* bytes, const uint8_t* copy, int n) {
    uint64_t diff = 0, a, b;
    int i = 0;
    for (; i + 8 <= n; i += 8) {
        std::memcpy(&a, bytes + i, 8);
        std::memcpy(&b, copy + i, 8);
        diff |= a ^ b;
    }
    if (i < n) {  // the tail, as one word overlapping the previous one
        std::memcpy(&a, bytes + n - 8, 8);
        std::memcpy(&b, copy + n - 8, 8);
        diff |= a ^ b;
    }
    return diff == 0;
}

// The changed-memory path of the refresh (machine/display.cpp).
int DisplayRefreshChanged(LH5801* m);

// Called after every executed instruction. Returns 1 when display memory
// differed from BufferVideo (and draws what changed), else 0.
inline int DisplayRefresh(LH5801* m) {
    if (SameBytes(&m->ME0[kDisplayBlock1], &m->BufferVideo[0], kDisplayBlock1Bytes) &&
        SameBytes(&m->ME0[kDisplayBlock2], &m->BufferVideo[kDisplayBlock1Bytes], kDisplayBlock2Bytes))
        [[likely]]
        return 0;
    return DisplayRefreshChanged(m);
}

// Recomputes the 14 flags, the current images of annunciator entries 67-80
// and every dot of rows 1-7 from display memory; draws nothing and leaves
// BufferVideo alone.
void DisplayRebuild(LH5801* m);

// Draws skin entry `entry` with its imageA / imageB, which becomes its
// current image; clears its dirty mark.
void DrawWithImageA(LH5801* m, int entry);
void DrawWithImageB(LH5801* m, int entry);

// Draws the entry with its current image and clears its dirty mark.
void DrawCurrentImage(LH5801* m, int entry);

// Every dot of rows 1-7 drawn from its word with the dot entry PixelSize.
void DisplayRedrawDots(LH5801* m);

// Every dot drawn unlit, whatever the dot buffer holds.
void DisplayDrawDotsUnlit(LH5801* m);

// Clears rows 1-7 of the dot buffer and draws every dot unlit.
void DisplayBlank(LH5801* m);

// The 7 dot rows, 156 characters each ("#" dark, "." light) and a newline
// after each, then the names of the lit annunciators and a newline: the
// picture of the display that the debug trace appends.
std::string DisplaySnapshot(const LH5801* m);
