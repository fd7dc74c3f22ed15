// The second bank: the keyboard port F00E, port B F00F, plain registers of
// the main unit and of the expansion ports, and the ON-key interrupt.
#include <gtest/gtest.h>

#include "machine/clock.h"
#include "machine/port.h"
#include "tests/cpu/run.h"

namespace {

class PortTest : public MachineTest {
protected:
    // A key latched: entry k of ScanClavier is 0x10 + k.
    void LatchKey() {
        m.ToucheLue = 12;
        for (int k = 0; k < 9; ++k) m.ScanClavier[k] = static_cast<uint8_t>(0x10 + k);
    }
};

TEST_F(PortTest, KeyboardPortIsPlainUntilTheFirstKey) {
    m.ToucheLue = -1;
    m.ScanClavier[0] = 0x33;
    m.ME1[kPortADirection] = 0xFF;
    m.InOut = 0x77;
    ME1Write(&m, kPortA, 0x5A);
    EXPECT_EQ(ME1Read(&m, kPortA), 0x5A);
    EXPECT_EQ(m.InOut, 0x77u);
}

// Each single strobe line (or all of them) selects one latch byte, which
// goes into F00E and into the port byte.
TEST_F(PortTest, KeyboardPortReturnsTheLatchByteOfTheStrobe) {
    LatchKey();
    const uint8_t strobes[] = {0xFF, 0x01, 0x02, 0x04, 0x08, 0x10, 0x20, 0x40, 0x80};
    for (int k = 0; k < 9; ++k) {
        ME1Write(&m, kPortADirection, strobes[k]);
        EXPECT_EQ(ME1Read(&m, kPortA), 0x10 + k) << "strobe " << std::hex << int(strobes[k]);
        EXPECT_EQ(m.InOut, 0x10u + k);
    }
}

TEST_F(PortTest, KeyboardPortKeepsItsByteForOtherStrobes) {
    LatchKey();
    ME1Write(&m, kPortADirection, 0x40);
    ME1Read(&m, kPortA);
    m.InOut = 0x99;
    for (uint8_t strobe : {0x41, 0x00, 0x03, 0xFE}) {
        ME1Write(&m, kPortADirection, strobe);
        EXPECT_EQ(ME1Read(&m, kPortA), 0x17) << std::hex << int(strobe);
        EXPECT_EQ(m.InOut, 0x99u);
    }
}

TEST_F(PortTest, AfterAReleaseEveryStrobeReadsFF) {
    m.ToucheLue = 0;
    for (uint8_t& b : m.ScanClavier) b = 0xFF;
    for (uint8_t strobe : {0xFF, 0x01, 0x80}) {
        ME1Write(&m, kPortADirection, strobe);
        EXPECT_EQ(ME1Read(&m, kPortA), 0xFF);
    }
}

TEST_F(PortTest, PortBReadsBit3AsOne) {
    ME1Write(&m, kPortB, 0x00);
    EXPECT_EQ(ME1Read(&m, kPortB), 0x08);
    ME1Write(&m, kPortB, 0xF7);
    EXPECT_EQ(ME1Read(&m, kPortB), 0xFF);
    EXPECT_EQ(m.ME1[kPortB], 0xFF) << "stored back";
}

// Outside Register Shift bit 6 is what was stored; during it each read
// delivers the next register bit.
TEST_F(PortTest, PortBBit6IsTheClockDataOutDuringRegisterShift) {
    ME1Write(&m, kPortB, 0x40);
    m.CommandeClock = kClockRegisterHold;
    EXPECT_EQ(ME1Read(&m, kPortB), 0x48);
    EXPECT_EQ(m.IndiceClockR, 0u);

    m.CommandeClock = kClockRegisterShift;
    m.ClockData[0] = 0;
    m.ClockData[1] = 1;
    EXPECT_EQ(ME1Read(&m, kPortB), 0x08);
    EXPECT_EQ(ME1Read(&m, kPortB), 0x48);
    EXPECT_EQ(m.IndiceClockR, 2u);
}

// Registers without behaviour, on the main unit and the expansion ports,
// read back what was written; a fresh machine reads 0.
TEST_F(PortTest, OtherRegistersArePlainMemory) {
    const uint16_t plain[] = {0xF000, 0xF005, 0xF008, 0xF00B, 0xF00C, 0xF00D, 0xB000, 0xB008, 0xB00E,
                              0xB00F, 0x8000, 0x8008, 0x800E, 0x800F, 0xD000, 0xD008, 0xD00E, 0xD00F,
                              0xD200, 0xD201, 0xD202, 0xD203, 0x0000, 0xFFFF};
    for (uint16_t a : plain) EXPECT_EQ(ME1Read(&m, a), 0) << std::hex << a;
    for (uint16_t a : plain) {
        ME1Write(&m, a, 0x5A);
        EXPECT_EQ(ME1Read(&m, a), 0x5A) << std::hex << a;
    }
    EXPECT_EQ(m.CE158, 0u);
    EXPECT_EQ(m.CE153, 0u);
}

TEST_F(PortTest, OnKeySetsThePortBitsAndRequestsTheMaskableInterrupt) {
    m.ME1[kPortB] = 0x01;
    m.ME1[kPortBDirection] = 0x02;
    m.ME1[kPortIF] = 0x04;
    OnKeyInterrupt(&m);
    EXPECT_EQ(m.ME1[kPortB], 0x81);
    EXPECT_EQ(m.ME1[kPortBDirection], 0x82);
    EXPECT_EQ(m.ME1[kPortIF], 0x06);
    EXPECT_EQ(m.IR2, 1);
    EXPECT_EQ(m.IE, 1);
}

// The next step enters FFF8 even though the program had interrupts off.
TEST_F(PortTest, OnKeyInterruptIsEnteredAtTheNextStep) {
    SetWord(kVectorMaskable, 0x2000);
    Load(kCodeAt, {0x38});
    m.P = kCodeAt;
    m.IE = 0;
    OnKeyInterrupt(&m);
    EXPECT_EQ(Step(&m), 0) << "an interrupt entry";
    EXPECT_EQ(m.P, 0x2000);
    EXPECT_EQ(m.IR2, 0);
    EXPECT_EQ(WordAt(0x47FD), kCodeAt);
}

}  // namespace
