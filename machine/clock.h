// The calendar clock chip behind the main unit port: ten decimal digits, a
// 40-bit shift register and the commands Register Hold, Register Shift,
// Time Set and Time Read, driven through port C (F008) and read through
// port B (F00F).
#pragma once

#include <cstdint>

#include "cpu/record.h"

enum ClockCommand : uint32_t {
    kClockRegisterHold = 0,
    kClockRegisterShift = 1,
    kClockTimeSet = 2,
    kClockTimeRead = 3,
};

constexpr unsigned kClockBits = 40;

// Port C write of byte v: strobe, command and shift-clock lines, the buzzer
// level, and Time Set while that command is on. Does not store v in ME1.
void ClockPortCWrite(LH5801* m, uint8_t v);

// The clock's data-out bit for a read of port B: the next register bit during
// Register Shift (0 once all 40 bits have been read), else -1 (bit 6 keeps
// its stored value).
int ClockNextOutputBit(LH5801* m);

// Local calendar time as the chip keeps it.
struct ClockTime {
    int second, minute, hour, day, weekDay /* 0 = Sunday */, month /* 1..12 */;
};

void ClockSetTime(LH5801* m, const ClockTime& t);
void ClockSetFromHostTime(LH5801* m);

// One second more, with a calendar without years (February has 28 days).
void ClockAdvanceSecond(LH5801* m);
