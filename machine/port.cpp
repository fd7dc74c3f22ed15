#include "machine/port.h"

#include <atomic>
#include <mutex>

#include "machine/ce150.h"
#include "machine/clock.h"
#include "machine/machine.h"
#include "machine/memory.h"

int StrobeIndex(uint8_t strobe) {
    if (strobe == 0xFF) return 0;
    if (strobe == 0 || (strobe & (strobe - 1)) != 0) return -1;  // none or several lines
    return __builtin_ctz(strobe) + 1;
}

bool KeyLatchInUse(const LH5801* m) {
    return std::atomic_ref<const int32_t>(m->ToucheLue).load(std::memory_order_relaxed) != -1;
}

void KeyboardPortTakeLatch(LH5801* m) {
    const int entry = StrobeIndex(m->ME1[kPortADirection]);
    if (entry >= 0) {
        m->ME1[kPortA] = m->ScanClavier[entry];
        m->InOut = m->ScanClavier[entry];
    }
}

uint8_t KeyboardPortRead(LH5801* m) {
    // Until the first key press since a reset, F00E is a plain byte.
    if (KeyLatchInUse(m)) {
        std::lock_guard<std::mutex> lock(HostOf(m).keyboardLock);
        KeyboardPortTakeLatch(m);
    }
    return m->ME1[kPortA];
}

uint8_t PortBRead(LH5801* m) {
    uint8_t b = m->ME1[kPortB];
    const int bit = ClockNextOutputBit(m);
    if (bit >= 0) b = static_cast<uint8_t>((b & ~0x40) | bit << 6);
    b |= 0x08;  // always reads 1
    m->ME1[kPortB] = b;
    return b;
}

void PortCWrite(LH5801* m, uint8_t v) { ClockPortCWrite(m, v); }

void Ce150PortCWrite(LH5801* m, uint8_t v) { Ce150MotorStep(m, v); }

void OnKeyInterrupt(LH5801* m) {
    m->ME1[kPortB] |= 0x80;
    m->ME1[kPortBDirection] |= 0x80;
    m->ME1[kPortIF] |= 0x02;
    m->IR2 = 1;
    m->IE = 1;
}
