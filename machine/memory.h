// The four memory operations of the LH5801: ME0 read and write apply the
// memory map of the configured model and module, ME1 read and write the I/O
// side effects of the few registers that have any. Every CPU access goes
// through them. Addresses are 16 bits: callers that form P + k or S + k past
// FFFF fold to 16 bits by passing the sum as uint16_t.
//
// The common paths are inline: one range test and an array access.
#pragma once

#include <cstdint>

#include "cpu/record.h"

// Memory module menu identifiers.
constexpr uint32_t kModuleNone = 269;
constexpr uint32_t kModuleCE151 = 270;  // 4 KB
constexpr uint32_t kModuleCE159 = 271;  // 8 KB
constexpr uint32_t kModuleCE161 = 272;  // 16 KB, the default
constexpr uint32_t kModuleMaximum = 273;  // 20 KB
constexpr uint32_t kModuleFirstSoftware = 274;
constexpr uint32_t kModuleLastSoftware = 282;

// Whether a write to ME0 address a below 7000 is stored (the system RAM and
// everything from 8000 up follow fixed rules).
bool ME0WritableBelow7000(const LH5801* m, uint16_t a);

// 8000-9FFF: FF while PV is 0, else ME0 or a CE-158 page chosen by PU.
inline uint8_t ME0ReadWindow(const LH5801* m, uint16_t a) {
    if (!m->PV) return 0xFF;
    if (m->CE158 == 1) return m->CE158Banks[m->PU ? 0 : 1][a - 0x8000];
    return m->ME0[a];
}

inline uint8_t ME0Read(const LH5801* m, uint16_t a) {
    if ((a & 0xE000) == 0x8000) [[unlikely]]
        return ME0ReadWindow(m, a);
    return m->ME0[a];
}

// System RAM: a 512-byte block seen four times at 7000-77FF, a 1 KB block seen
// twice at 7800-7FFF; a write goes to every copy.
inline void SystemRamWrite(LH5801* m, uint16_t a, uint8_t v) {
    if (a < 0x7800) {
        const unsigned o = (a - 0x7000) & 0x1FF;
        m->ME0[0x7000 + o] = m->ME0[0x7200 + o] = m->ME0[0x7400 + o] = m->ME0[0x7600 + o] = v;
    } else {
        const unsigned o = (a - 0x7800) & 0x3FF;
        m->ME0[0x7800 + o] = m->ME0[0x7C00 + o] = v;
    }
}

inline void ME0Write(LH5801* m, uint16_t a, uint8_t v) {
    if (a >= 0x8000) return;  // window, CE-150 ROM and system ROM
    if (a >= 0x7000) return SystemRamWrite(m, a, v);
    if (a >= 0x4000 && a < 0x4800) {  // base RAM of every model
        m->ME0[a] = v;
        return;
    }
    if (ME0WritableBelow7000(m, a)) m->ME0[a] = v;
}

// The ME1 registers with side effects (machine/port.cpp).
uint8_t KeyboardPortRead(LH5801* m);  // F00E
uint8_t PortBRead(LH5801* m);         // F00F
void PortCWrite(LH5801* m, uint8_t v);  // F008, the clock chip lines
void Ce150PortCWrite(LH5801* m, uint8_t v);  // B008, the X motor

inline uint8_t ME1Read(LH5801* m, uint16_t a) {
    if ((a & 0xFFFE) == 0xF00E) [[unlikely]]
        return a == 0xF00E ? KeyboardPortRead(m) : PortBRead(m);
    return m->ME1[a];
}

inline void ME1Write(LH5801* m, uint16_t a, uint8_t v) {
    if ((a & 0x0FFF) == 0x008) [[unlikely]] {
        if (a == 0xF008) PortCWrite(m, v);
        else if (a == 0xB008) Ce150PortCWrite(m, v);
    }
    m->ME1[a] = v;
}

// Memory initialisation after a hard reset or a first start: base RAM and
// system RAM filled with FF, display memory cleared and mirrored.
void MemoryInitialise(LH5801* m);
