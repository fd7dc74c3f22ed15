// Pacing to 1.3 MHz: the cycle-time table, and a paced instruction followed by
// at least its table entry in counter ticks.
#include <gtest/gtest.h>

#include "cpu/pacing.h"
#include "tests/cpu/run.h"

namespace {

TEST(CycleTimeTable, TicksPerCycleCountTruncated) {
    struct Case {
        int64_t frequency;
        uint32_t one, thirteen, twentyFour;
    };
    for (const Case& c : {Case{3579545, 2, 35, 66}, Case{10000000, 7, 100, 184}, Case{1300000, 1, 13, 24}}) {
        LH5801 m{};
        FillCycleTimeTable(&m, c.frequency);
        EXPECT_EQ(m.liFrequency, c.frequency);
        EXPECT_EQ(m.TempCycle[0], 0u) << "entry 0 is never written";
        EXPECT_EQ(m.TempCycle[1], c.one) << c.frequency;
        EXPECT_EQ(m.TempCycle[13], c.thirteen) << c.frequency;
        EXPECT_EQ(m.TempCycle[24], c.twentyFour) << c.frequency;
    }
}

class PacingTest : public MachineTest {};

// Whatever the host does meanwhile, the step returns no sooner than the
// instruction's duration after liLast.
TEST_F(PacingTest, PacedInstructionLastsAtLeastItsTableEntry) {
    ASSERT_TRUE(BuildCycleTimeTable(&m));
    m.FrequenceMax = 0;
    for (int i = 0; i < 100; ++i) {
        const uint32_t cycles = Run({0x38});  // NOP
        EXPECT_GE(HostCounter() - m.liLast, static_cast<int64_t>(m.TempCycle[cycles]));
    }
}

}  // namespace
