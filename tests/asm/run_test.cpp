// A program assembled by the build (fill.asm) runs on the CPU and does what
// its source says: the assembler and the CPU agree on every opcode it uses.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "cpu/cpu.h"
#include "machine/machine.h"
#include "machine/step.h"

namespace {

TEST(AssembledProgram, FillsRamAndSwitchesOff) {
    std::ifstream in(FILL_PROGRAM, std::ios::binary);
    const std::vector<uint8_t> image{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    ASSERT_EQ(image.size(), 0x100u) << FILL_PROGRAM;  // the build's RANGE 4000-40FF

    auto machine = NewMachine();
    LH5801* m = &machine->record;
    m->FrequenceMax = 1;  // no pacing
    std::copy(image.begin(), image.end(), m->ME0 + 0x4000);
    m->P = 0x4000;
    const uint64_t steps = RunSteps(m, 10000);
    ASSERT_EQ(m->OFF, 1) << "still running after " << steps << " steps, P " << std::hex << m->P;

    const std::string message(reinterpret_cast<const char*>(m->ME0 + 0x4100), 6);
    EXPECT_EQ(message, "LH5801");
    for (int a = 0x4106; a < 0x4116; ++a) EXPECT_EQ(m->ME0[a], 0xA5) << std::hex << a;
    EXPECT_EQ(m->ME0[0x4116], 0x00) << "one byte too many";
    EXPECT_EQ(m->ME0[0x4120], 0xBE);
    EXPECT_EQ(m->ME0[0x4121], 0xEF);
    EXPECT_EQ(m->S, 0x47FF) << "SJP and RTN balance";
}

}  // namespace
