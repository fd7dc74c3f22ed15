// The machine report: a fresh record as the debug run finds it at its start,
// and a record with every part of the report set.
#include <gtest/gtest.h>

#include "debug/report.h"
#include "machine/display.h"
#include "machine/memory.h"
#include "tests/debug/trace_fixture.h"

namespace {

class ReportTest : public MachineTest {
protected:
    std::string Report() {
        Capture out;
        WriteMachineReport(out.file(), &m);
        return out.Text();
    }
};

// Empty MO and BU let the next label follow on the same line; a module id
// outside the menu's range has no line.
TEST_F(ReportTest, FreshRecordAtTheStartOfARun) {
    std::memset(&m, 0, sizeof m);
    m.Version = kRecordSize;
    m.Trace = 1;
    ExpectGolden("report_fresh.golden", Report());
}

TEST_F(ReportTest, EveryPartOfTheRecord) {
    m.Version = kRecordSize;
    m.Trace = 1;
    m.HLT = 1;
    m.IE = 1;
    m.Z = 1;
    m.PV = 1;
    m.A = 0xC3;
    m.X = 0x7650;
    m.Y = 0xA00F;
    m.U = 0x0102;
    m.P = 0xE234;
    m.S = 0x7BEF;
    m.TM = 0x1FE;
    m.VRegister = 0x9A00;
    m.Cycle = 13;
    for (int k = 1; k < 25; ++k) m.TempCycle[k] = static_cast<uint32_t>(k * 923);
    m.InOut = 0x7F;
    std::strcpy(m.MO, "0xE234 : B5A0           LDI i=0xA0 A\n");
    std::strcpy(m.Li, "LoaD Immediat Acc");
    std::strcpy(m.BU, "                        IE:1 C:0\n");
    std::strcpy(m.Debug, "100% a comment");
    std::strcpy(m.GetSet, "--> Get (7650) : STRING VAR E$\n");
    m.SignalSTB = 1;
    m.IndiceClockR = 12;
    m.IndiceClockW = 40;
    for (int k = 0; k < 41; ++k) m.ClockData[k] = k & 1;
    m.CommandeClock = 1;
    m.DayTens = 3, m.DayUnits = 1, m.Month = 12, m.HourTens = 2, m.HourUnits = 3;
    m.MinTens = 5, m.MinUnits = 9, m.SecTens = 5, m.SecUnits = 8, m.WeekDay = 4;
    m.BuzzerActif = 1;
    m.FrequenceMax = 0;
    m.liFrequency = 1000000000;
    m.liCurrent = 0x123456789ALL;  // printed as its low 32 bits, signed
    m.liLast = 0x1000000005LL;
    m.Machine = kMachinePC2;
    m.Module = 278;
    m.CE150 = 1;
    m.hWnd = 4242;
    m.ME0[0x7600] = 0x7F;        // column 0 dark
    m.ME0[0x764E] = 0x01 | 0x80; // Busy, Def
    m.ME0[0x764F] = 0x40;        // Run
    DisplayRebuild(&m);
    std::memcpy(m.BufferVideo, &m.ME0[0x7600], 80);
    ExpectGolden("report_configured.golden", Report());
}

}  // namespace
