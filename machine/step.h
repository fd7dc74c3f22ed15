// The machine step: the CPU's instruction (or interrupt entry) tied to the
// timer, the pacing to the real machine's speed and the display refresh.
#pragma once

#include <cstdint>

#include "cpu/record.h"

// What a step reports once the CPU is off: it did nothing.
constexpr int kStepOff = -1;

// One step: enters one pending interrupt or executes one instruction (then
// the timer tick, the pacing wait unless FrequenceMax is 1, and the display
// refresh). Reports the emulated time it consumed: the cycles of the executed
// instruction (at least 1), 0 for an interrupt entry, or kStepOff.
int Step(LH5801* m);

// Steps until the CPU is off or `limit` steps have been made; returns the
// number of steps made before the CPU was found off.
uint64_t RunSteps(LH5801* m, uint64_t limit);

// The CPU reset, then the display model (BufferVideo, annunciator flags and
// dot buffer) cleared.
void HardReset(LH5801* m);
