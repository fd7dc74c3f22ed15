// The LH5801 processor: interrupt entry and the CPU reset. Every operation
// takes the machine record; there is no other state. The step that executes
// instructions lives with the machine (machine/step.h), which ties the CPU to
// the timer, the pacing and the display.
#pragma once

#include <cstdint>

#include "cpu/record.h"

// Interrupt vectors (big-endian words).
constexpr uint16_t kVectorNonMaskable = 0xFFFC;
constexpr uint16_t kVectorTimer = 0xFFFA;
constexpr uint16_t kVectorMaskable = 0xFFF8;
constexpr uint16_t kVectorReset = 0xFFFE;

// Pushes T, P low and P high, clears IE and the request, loads P from the
// vector. A whole step of its own: no cycles, no timer, no refresh.
void EnterInterrupt(LH5801* m, uint16_t vector, uint16_t& request);

// Enters the first pending request that may be taken (IR0, then IR1 and IR2
// while IE is 1); false when none may. The caller tests for a pending request
// first, so that the common path makes no call.
bool TakeInterrupt(LH5801* m);

inline bool InterruptRequested(const LH5801* m) { return (m->IR0 | m->IR1 | m->IR2) != 0; }

// Registers, flags, timer and Cycle cleared, P from the reset vector, S 0,
// InOut FF. Memory is not touched.
void CpuReset(LH5801* m);
