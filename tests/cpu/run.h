// Test helpers for machine-code tests: a fresh machine, bytes loaded at an
// address, one step that returns the cycles it cost, and the flags as a short
// text so that a table row can state them in one string.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "cpu/cpu.h"
#include "machine/machine.h"
#include "machine/memory.h"
#include "machine/step.h"

constexpr uint16_t kCodeAt = 0x4000;    // base RAM of every model
constexpr uint16_t kStackTop = 0x47FF;  // top of that RAM

using Bytes = std::vector<uint8_t>;

// A zero-filled machine as a first start configures it (PC-1500A with the
// CE-161, so 0000-57FF and the system RAM take writes), S at kStackTop.
class MachineTest : public ::testing::Test {
protected:
    MachineTest() { Fresh(); }

    void Fresh() {
        std::memset(&m, 0, sizeof m);
        m.Machine = kMachinePC1500A;
        m.Module = kModuleCE161;
        m.S = kStackTop;
    }

    // Straight into the ME0 array, whatever the memory map says.
    void Load(uint16_t at, const Bytes& bytes) {
        for (size_t i = 0; i < bytes.size(); ++i) m.ME0[static_cast<uint16_t>(at + i)] = bytes[i];
    }

    // One step that must execute an instruction: it reports the Cycle the
    // instruction stored. Returns Cycle.
    uint32_t StepOnce() {
        const int consumed = Step(&m);
        EXPECT_GT(consumed, 0) << "an instruction ran";
        EXPECT_EQ(consumed, static_cast<int>(m.Cycle)) << "the step reports the instruction's cycles";
        return m.Cycle;
    }

    // Loads `code` at `at`, points P at it and makes one step; returns Cycle.
    uint32_t Run(const Bytes& code, uint16_t at = kCodeAt) {
        Load(at, code);
        m.P = at;
        return StepOnce();
    }

    // The big-endian word at a in ME0.
    uint16_t WordAt(uint16_t a) const {
        return static_cast<uint16_t>(m.ME0[a] << 8 | m.ME0[static_cast<uint16_t>(a + 1)]);
    }

    void SetWord(uint16_t a, uint16_t v) { Load(a, {HighByte(v), LowByte(v)}); }

    std::unique_ptr<Machine> machine = NewMachine();
    LH5801& m = machine->record;
};

// The record after a step equals `expected` but for P, Cycle and the counter
// readings that every step changes.
inline void ExpectOnlyPAndCycleChanged(const LH5801& expected, const LH5801& after) {
    auto copy = std::make_unique<LH5801>(expected);
    copy->P = after.P;
    copy->Cycle = after.Cycle;
    copy->liCurrent = after.liCurrent;
    copy->liLast = after.liLast;
    EXPECT_EQ(std::memcmp(copy.get(), &after, sizeof after), 0);
}

// "C1 Z0 H1 V0": the four arithmetic flags in one comparable text.
inline std::string FlagText(const LH5801& m) {
    char text[32];
    std::snprintf(text, sizeof text, "C%u Z%u H%u V%u", m.C, m.Z, m.H, m.V);
    return text;
}

inline void SetFlags(LH5801& m, int c, int z, int h, int v) {
    m.C = static_cast<uint16_t>(c);
    m.Z = static_cast<uint16_t>(z);
    m.H = static_cast<uint16_t>(h);
    m.V = static_cast<uint16_t>(v);
}
