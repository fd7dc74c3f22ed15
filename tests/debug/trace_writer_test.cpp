// The trace's own lines: the run's start and end boxes, the interrupt
// banners, the instruction record and the display snapshot.
#include <gtest/gtest.h>

#include "debug/trace_writer.h"
#include "machine/display.h"
#include "tests/debug/trace_fixture.h"

namespace {

class TraceWriterTest : public MachineTest {};

TEST_F(TraceWriterTest, BannersAndBoxes) {
    Capture out;
    WriteStartBanner(out.file());
    WriteInterruptBanner(out.file(), InterruptKind::NonMaskable);
    WriteInterruptBanner(out.file(), InterruptKind::Timer);
    WriteInterruptBanner(out.file(), InterruptKind::Maskable);
    WriteEndBanner(out.file());
    ExpectGolden("banners.golden", out.Text());
}

// The instruction line's newline becomes a tab before the comment; every
// text goes out verbatim, a "%" included; an empty GetSet adds nothing.
TEST_F(TraceWriterTest, InstructionRecordJoinsTheTexts) {
    std::strcpy(m.BU, "BU line\n");
    std::strcpy(m.MO, "0x4000 : 38             NOP\n");
    std::strcpy(m.Debug, "50% %s %d");
    std::strcpy(m.Li, "No OPeration");
    Capture out;
    WriteInstructionRecord(out.file(), &m);
    EXPECT_EQ(out.Text(), "BU line\n0x4000 : 38             NOP\t50% %s %d\n                        No OPeration\n");
    std::strcpy(m.GetSet, "--> Get (7650) : STRING VAR E$\n");
    Capture withAccess;
    WriteInstructionRecord(withAccess.file(), &m);
    EXPECT_EQ(withAccess.Text().substr(withAccess.Text().size() - 32), "\n--> Get (7650) : STRING VAR E$\n");
}

TEST_F(TraceWriterTest, SnapshotAfterADisplayChange) {
    for (int k = 0; k < 78; k += 2) m.ME0[0x7600 + k] = static_cast<uint8_t>(k);  // rows 1-4, both halves
    m.ME0[0x7601] = 0x07;                                                          // rows 5-7 of column 0
    m.ME0[0x7700] = 0xF0;
    m.ME0[0x764E] = 0x02 | 0x10;  // Shift, III
    m.ME0[0x764F] = 0x04 | 0x20;  // Rad, Pro
    DisplayRebuild(&m);
    Capture out;
    WriteDisplaySnapshot(out.file(), &m);
    ExpectGolden("snapshot.golden", out.Text());
}

}  // namespace
