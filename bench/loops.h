// The loops the benchmarks run at maximum speed: machine code loaded into a
// fresh PC-1500A's base RAM that loops forever without leaving its code.
#pragma once

#include <cstdint>
#include <cstring>

#include "cpu/cpu.h"
#include "cpu/record.h"
#include "machine/memory.h"

struct BenchLoop {
    const char* name;
    void (*load)(LH5801* m);
    uint16_t first, last;  // the addresses P stays within

    bool Inside(const LH5801* m) const { return m->P >= first && m->P <= last && !m->OFF; }
};

namespace bench_detail {

constexpr uint16_t kStart = 0x4000;
constexpr uint16_t kTimerHandler = 0x4080;

inline void Load(LH5801* m, uint16_t at, const uint8_t* bytes, size_t count) {
    std::memcpy(&m->ME0[at], bytes, count);
}

inline void Start(LH5801* m) {
    m->ME0[0xFFFA] = kTimerHandler >> 8;
    m->ME0[0xFFFB] = kTimerHandler & 0xFF;
    m->ME0[0xFFFE] = kStart >> 8;
    m->ME0[0xFFFF] = kStart & 0xFF;
    CpuReset(m);
    m->FrequenceMax = 1;
}

inline void Machine(LH5801* m) {
    m->Machine = kMachinePC1500A;
    m->Module = kModuleCE161;
    MemoryInitialise(m);
}

// Mixed instructions (register and memory arithmetic, loads and stores, a
// branch, an SJP/RTN pair, LOP) with the timer running and its interrupt
// taken. Branch offsets count from the byte after the branch.
inline void LoadMixed(LH5801* m) {
    static constexpr uint8_t kProgram[] = {
        0xAA, 0x7B, 0xFF,  // 4000 LDI S,&7BFF
        0xB5, 0x00,        // 4003 LDI A,0
        0xFD, 0xCE,        // 4005 AM0            timer := A (restarted each pass)
        0x48, 0x41,        // 4007 outer: LDI XH,&41
        0x4A, 0x00,        // 4009 LDI XL,0
        0x58, 0x42,        // 400B LDI YH,&42
        0x5A, 0x00,        // 400D LDI YL,0
        0x6A, 0x40,        // 400F LDI UL,&40
        0x05,              // 4011 inner: LDA (X)
        0x13,              // 4012 ADC (Y)
        0x1E,              // 4013 STA (Y)
        0x44,              // 4014 INC X
        0x54,              // 4015 INC Y
        0xB3, 0x05,        // 4016 ADI A,5
        0xBE, 0x40, 0x30,  // 4018 SJP &4030
        0xB7, 0x80,        // 401B CPI A,&80
        0x8B, 0x01,        // 401D BZS +1        (to 4020)
        0x38,              // 401F NOP
        0x88, 0x11,        // 4020 LOP UL,inner  (4022 - 11 = 4011)
        0xFD, 0xDE,        // 4022 AM1           keep the timer running
        0x9E, 0x1F,        // 4024 BCH outer     (4026 - 1F = 4007)
    };
    static constexpr uint8_t kSubroutine[] = {
        0xDD,  // 4030 INC A
        0x9A,  // 4031 RTN
    };
    static constexpr uint8_t kHandler[] = {
        0x8A,  // 4080 RTI
    };
    Machine(m);
    Load(m, kStart, kProgram, sizeof kProgram);
    Load(m, 0x4030, kSubroutine, sizeof kSubroutine);
    Load(m, kTimerHandler, kHandler, sizeof kHandler);
    Start(m);
}

// Memory through the map on every instruction besides its fetch: an add from
// base RAM, the pointer's increment, a store into the system RAM (whose
// writes go to every mirror), an add of an immediate, a read-modify-write of
// base RAM, and LOP / BCH back.
inline void LoadMemory(LH5801* m) {
    static constexpr uint8_t kProgram[] = {
        0xAA, 0x47, 0xF0,        // 4000 LDI S,&47F0
        0x48, 0x41,              // 4003 outer: LDI XH,&41
        0x4A, 0x00,              // 4005 LDI XL,0
        0x58, 0x7A,              // 4007 LDI YH,&7A
        0x5A, 0x00,              // 4009 LDI YL,0
        0x6A, 0xFE,              // 400B LDI UL,&FE
        0x03,                    // 400D inner: ADC (X)
        0x44,                    // 400E INC X
        0x1E,                    // 400F STA (Y)      system RAM, mirrored
        0x54,                    // 4010 INC Y
        0xB3, 0x05,              // 4011 ADI A,5
        0xEF, 0x46, 0x00, 0x01,  // 4013 ADI (&4600),1
        0x88, 0x0C,              // 4017 LOP UL,inner  (4019 - 0C = 400D)
        0x9E, 0x18,              // 4019 BCH outer     (401B - 18 = 4003)
    };
    Machine(m);
    Load(m, kStart, kProgram, sizeof kProgram);
    Start(m);
}

}  // namespace bench_detail

inline constexpr BenchLoop kMixedLoop{"mixed loop", bench_detail::LoadMixed, 0x4000, 0x4080};
inline constexpr BenchLoop kMemoryLoop{"memory loop", bench_detail::LoadMemory, 0x4000, 0x401A};
