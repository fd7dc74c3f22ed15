// The LH5801's 9-bit polynomial timer. Each cycle shifts it right with bit 8
// taking bit 0 xor bit 4; 1FF runs out to 0 and raises the timer interrupt
// request (and IE). 0 is a fixed point: one request per load by AM0/AM1.
#pragma once

#include <array>
#include <cstdint>

#include "cpu/record.h"

constexpr uint32_t kTimerLast = 0x1FF;

constexpr uint32_t TimerSuccessor(uint32_t tm) {
    return ((tm ^ (tm >> 4)) & 1) << 8 | tm >> 1;
}

// kTimerAfter[k][tm]: the timer after k cycles from tm, bit 15 set when it ran
// out on the way. Built once so that a tick is one look-up, not k steps.
constexpr int kTimerTableCycles = 25;
constexpr uint16_t kTimerRanOut = 0x8000;

constexpr auto BuildTimerTable() {
    std::array<std::array<uint16_t, 512>, kTimerTableCycles> t{};
    for (uint32_t start = 0; start < 512; ++start) {
        uint32_t tm = start;
        uint16_t ranOut = 0;
        t[0][start] = static_cast<uint16_t>(tm);
        for (int k = 1; k < kTimerTableCycles; ++k) {
            if (tm == kTimerLast) {
                tm = 0;
                ranOut = kTimerRanOut;
            } else {
                tm = TimerSuccessor(tm);
            }
            t[k][start] = static_cast<uint16_t>(tm | ranOut);
        }
    }
    return t;
}

inline constexpr auto kTimerAfter = BuildTimerTable();

inline void TimerRunOut(LH5801* m) {
    m->TM = 0;
    m->IR1 = 1;
    m->IE = 1;
}

// Advances the timer by the given number of cycles.
inline void TimerTick(LH5801* m, uint32_t cycles) {
    if (m->TM == 0) return;  // stopped
    if (cycles < kTimerTableCycles && m->TM <= kTimerLast) [[likely]] {
        const uint16_t after = kTimerAfter[cycles][m->TM];
        if (after & kTimerRanOut) TimerRunOut(m);
        else m->TM = after;
        return;
    }
    for (uint32_t k = 0; k < cycles && m->TM != 0; ++k) {
        if (m->TM == kTimerLast) TimerRunOut(m);
        else m->TM = TimerSuccessor(m->TM);
    }
}
