// The LH5801 processor: the execution step, interrupt entry and the resets.
// Every operation takes the machine record; there is no other state.
#pragma once

#include <cstdint>

#include "cpu/record.h"

// Interrupt vectors (big-endian words).
constexpr uint16_t kVectorNonMaskable = 0xFFFC;
constexpr uint16_t kVectorTimer = 0xFFFA;
constexpr uint16_t kVectorMaskable = 0xFFF8;
constexpr uint16_t kVectorReset = 0xFFFE;

// One step: enters one pending interrupt or executes one instruction (then
// the timer tick, the pacing wait unless FrequenceMax is 1, and the display
// refresh). Returns 1 while the machine runs, 0 once the CPU is off.
int Step(LH5801* m);

// Steps until the CPU is off or `limit` steps have been made; returns the
// number of steps that returned 1.
uint64_t RunSteps(LH5801* m, uint64_t limit);

// Pushes T, P low and P high, clears IE and the request, loads P from the
// vector. A whole step of its own: no cycles, no timer, no refresh.
void EnterInterrupt(LH5801* m, uint16_t vector, uint16_t& request);

// Registers, flags, timer and Cycle cleared, P from the reset vector, S 0,
// InOut FF. Memory is not touched.
void CpuReset(LH5801* m);

// The CPU reset, then the display model (BufferVideo, annunciator flags and
// dot buffer) cleared.
void HardReset(LH5801* m);
