// Emulated speed of the execution step at maximum speed: a CPU-bound loop of
// mixed instructions (register and memory arithmetic, loads and stores, a
// branch, an SJP/RTN pair, LOP) with the timer running and its interrupt
// taken, for at least one second of host time.
//
//   build/bin/zelkor-bench [seconds]
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <initializer_list>

#include "cpu/cpu.h"
#include "machine/machine.h"
#include "machine/memory.h"
#include "machine/step.h"

namespace {

constexpr uint16_t kStart = 0x4000;
constexpr uint16_t kTimerHandler = 0x4080;

// The loop, at 4000. Branch offsets count from the byte after the branch.
constexpr uint8_t kProgram[] = {
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
constexpr uint8_t kSubroutine[] = {
    0xDD,  // 4030 INC A
    0x9A,  // 4031 RTN
};
constexpr uint8_t kHandler[] = {
    0x8A,  // 4080 RTI
};

void Load(LH5801* m, uint16_t at, const uint8_t* bytes, size_t count) {
    std::memcpy(&m->ME0[at], bytes, count);
}

void SetUp(LH5801* m) {
    m->Machine = kMachinePC1500A;
    m->Module = kModuleCE161;
    MemoryInitialise(m);
    Load(m, kStart, kProgram, sizeof kProgram);
    Load(m, 0x4030, kSubroutine, sizeof kSubroutine);
    Load(m, kTimerHandler, kHandler, sizeof kHandler);
    m->ME0[0xFFFA] = kTimerHandler >> 8;
    m->ME0[0xFFFB] = kTimerHandler & 0xFF;
    m->ME0[0xFFFE] = kStart >> 8;
    m->ME0[0xFFFF] = kStart & 0xFF;
    CpuReset(m);
    m->FrequenceMax = 1;
}

}  // namespace

int main(int argc, char** argv) {
    const double seconds = argc > 1 ? std::atof(argv[1]) : 2.0;
    auto machine = NewMachine();
    LH5801* m = &machine->record;
    SetUp(m);

    using Clock = std::chrono::steady_clock;
    constexpr uint64_t kChunk = 1 << 20;
    uint64_t steps = 0, cycles = 0, interrupts = 0;
    const auto t0 = Clock::now();
    double elapsed = 0;
    while (elapsed < seconds) {
        for (uint64_t i = 0; i < kChunk; ++i) {
            const int consumed = Step(m);
            if (consumed > 0) cycles += static_cast<uint64_t>(consumed);
            else if (consumed == 0) ++interrupts;  // off (kStepOff) is reported below
        }
        steps += kChunk;
        elapsed = std::chrono::duration<double>(Clock::now() - t0).count();
    }
    if (m->P < kStart || m->P > kTimerHandler || m->OFF) {
        std::fprintf(stderr, "zelkor-bench: the loop left its code (P=%04X)\n", m->P);
        return 1;
    }
    const double instructions = static_cast<double>(steps - interrupts);
    std::printf("host time        %.3f s\n", elapsed);
    std::printf("instructions     %.0f (%llu timer interrupts)\n", instructions,
                static_cast<unsigned long long>(interrupts));
    std::printf("emulated cycles  %llu\n", static_cast<unsigned long long>(cycles));
    std::printf("emulated speed   %.1f MHz (%.0f x the real 1.3 MHz)\n", cycles / elapsed / 1e6,
                cycles / elapsed / 1.3e6);
    std::printf("host time        %.2f ns per instruction\n", elapsed * 1e9 / instructions);
    return 0;
}
