// The main unit port (an LH5810 at ME1 F000-F00F): the keyboard port F00E,
// port B F00F, port C F008, and the ON key's interrupt. The register reads
// and writes themselves are reached through ME1 read and write
// (machine/memory.h).
#pragma once

#include <cstdint>

#include "cpu/record.h"

constexpr uint16_t kPortC = 0xF008;
constexpr uint16_t kPortIF = 0xF00B;
constexpr uint16_t kPortADirection = 0xF00C;
constexpr uint16_t kPortBDirection = 0xF00D;
constexpr uint16_t kPortA = 0xF00E;
constexpr uint16_t kPortB = 0xF00F;
constexpr uint16_t kCe150PortC = 0xB008;

// Index into ScanClavier of a keyboard strobe (the byte at F00C): 0 for FF,
// 1..8 for 01, 02 ... 80, and -1 for any other value.
int StrobeIndex(uint8_t strobe);

// Whether a read of the keyboard port takes its byte from the key latch
// (once a key has been pressed since the reset; before, F00E is a plain byte).
bool KeyLatchInUse(const LH5801* m);

// The latch byte of the strobe in F00C into F00E and InOut (no change for a
// strobe that selects no latch byte). The caller holds the keyboard lock.
void KeyboardPortTakeLatch(LH5801* m);

// The ON key pressed while the machine runs: port bits set, IR2 and IE raised.
// The caller makes sure the emulation thread is not between two halves of an
// instruction (the emulation thread applies it between steps).
void OnKeyInterrupt(LH5801* m);
