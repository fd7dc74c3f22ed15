// The CPU against any memory and any valid register set: a few thousand steps
// must neither crash nor read or write out of bounds, and every step must keep
// the record's invariants (flags and requests 0 or 1, A a byte, TM 9 bits).
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "cpu/cpu.h"
#include "machine/step.h"
#include "machine/machine.h"
#include "machine/memory.h"

namespace {

// Expands the input into as many bytes as needed, so that a short input still
// fills both banks (xorshift over a seed taken from the input).
struct ByteSource {
    const uint8_t* data;
    size_t size;
    size_t at = 0;
    uint32_t state = 0x9E3779B9u;

    uint8_t Next() {
        if (at < size) return data[at++];
        state ^= state << 13;
        state ^= state >> 17;
        state ^= state << 5;
        return static_cast<uint8_t>(state);
    }
    uint16_t Word() { return static_cast<uint16_t>(Next() << 8 | Next()); }
};

constexpr uint32_t kMachines[] = {kMachinePC1500, kMachinePC1500A, kMachinePC2};

void Check(bool ok) {
    if (!ok) std::abort();
}

void CheckInvariants(const LH5801* m) {
    for (uint16_t f : {m->C, m->Z, m->H, m->V, m->IE, m->IR0, m->IR1, m->IR2, m->PU, m->PV, m->DISP, m->HLT, m->OFF})
        Check(f <= 1);
    Check(m->A <= 0xFF);
    Check(m->TM <= 0x1FF);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static Machine* machine = NewMachine().release();  // one record, reused
    LH5801* m = &machine->record;
    std::memset(m, 0, sizeof *m);
    ByteSource in{data, size};
    m->Machine = kMachines[in.Next() % 3];
    m->Module = kModuleNone + in.Next() % (kModuleLastSoftware - kModuleNone + 1);
    m->CE158 = in.Next() & 1;
    m->FrequenceMax = 1;
    for (uint16_t* f : {&m->C, &m->Z, &m->H, &m->V, &m->IE, &m->IR0, &m->IR1, &m->IR2, &m->PU, &m->PV, &m->DISP})
        *f = in.Next() & 1;
    m->A = in.Next();
    m->X = in.Word();
    m->Y = in.Word();
    m->U = in.Word();
    m->S = in.Word();
    m->P = in.Word();
    m->TM = in.Word() & 0x1FF;
    for (auto& b : m->ME0) b = in.Next();
    for (auto& b : m->ME1) b = in.Next();
    CheckInvariants(m);
    for (int i = 0; i < 4000 && Step(m) != kStepOff; ++i) CheckInvariants(m);
    return 0;
}
