// Pacing to the real machine's 1.3 MHz: after each instruction the execution
// step spins on the host counter until the instruction's duration, from the
// cycle-time table, has passed since liLast.
#pragma once

#include <cstdint>

#include "cpu/record.h"
#include "host/counter.h"

constexpr int64_t kOriginalFrequency = 1300000;  // CPU cycles per second
constexpr uint32_t kCycleTableLast = 24;

// Reads the counter frequency and fills TempCycle[1..24]; false when the host
// has no high-resolution counter.
bool BuildCycleTimeTable(LH5801* m);

// liFrequency := `frequency` (counts per second) and TempCycle[k] := the
// counts that k cycles last at 1.3 MHz, truncated, for k 1 to 24.
void FillCycleTimeTable(LH5801* m, int64_t frequency);

inline void PacingWait(const LH5801* m) {
    for (;;) {
        const int64_t elapsed = HostCounter() - m->liLast;
        // A counter value from before the program started (a restored state
        // file) would make the wait endless: do not wait on it.
        if (elapsed < 0) return;
        const uint32_t cycle = m->Cycle < kCycleTableLast ? m->Cycle : kCycleTableLast;
        if ((elapsed >> 32) != 0 || static_cast<uint32_t>(elapsed) >= m->TempCycle[cycle]) return;
    }
}
