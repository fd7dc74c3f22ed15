// The clock chip, driven as the CPU drives it: port C (F008) writes for the
// command, strobe, shift clock and data in; port B (F00F) reads for data out.
#include <gtest/gtest.h>

#include <ctime>

#include "machine/clock.h"
#include "machine/port.h"
#include "tests/cpu/run.h"

namespace {

class ClockTest : public MachineTest {
protected:
    void PortC(uint32_t command, int strobe, int shiftClock, int data = 0) {
        ME1Write(&m, kPortC, static_cast<uint8_t>(data | strobe << 1 | shiftClock << 2 | command << 3));
    }

    // Bit 6 of a port B read.
    int DataOut() { return (ME1Read(&m, kPortB) >> 6) & 1; }

    // A strobe pulse that starts a command: the register indices go back to 0.
    void Strobe(uint32_t command) {
        PortC(command, 0, 0);
        PortC(command, 1, 0);
        PortC(command, 0, 0);
    }

    void ShiftIn(const std::vector<int>& bits) {
        for (int b : bits) {
            PortC(kClockRegisterShift, 0, 0, b);
            PortC(kClockRegisterShift, 0, 1, b);
        }
    }

    // The register bits of ten digits, least significant bit of SecUnits first.
    static std::vector<int> Bits(const std::vector<uint32_t>& digits) {
        std::vector<int> bits;
        for (uint32_t d : digits)
            for (int b = 0; b < 4; ++b) bits.push_back((d >> b) & 1);
        return bits;
    }

    std::vector<uint32_t> Digits() const {
        return {m.SecUnits, m.SecTens, m.MinUnits, m.MinTens, m.HourUnits,
                m.HourTens, m.DayUnits, m.DayTens, m.WeekDay,  m.Month};
    }

    void SetDigits(const std::vector<uint32_t>& d) {
        uint32_t* field[] = {&m.SecUnits, &m.SecTens, &m.MinUnits, &m.MinTens, &m.HourUnits,
                             &m.HourTens, &m.DayUnits, &m.DayTens, &m.WeekDay,  &m.Month};
        for (int i = 0; i < 10; ++i) *field[i] = d[i];
    }
};

// 23:45:12, Thursday 28 November, digit by digit.
const std::vector<uint32_t> kSetTime = {2, 1, 5, 4, 3, 2, 8, 2, 4, 11};

TEST_F(ClockTest, FortyBitsShiftedInThenTimeSetSetsEveryDigit) {
    SetDigits({0, 0, 0, 0, 0, 0, 1, 0, 0, 1});
    Strobe(kClockRegisterShift);
    ShiftIn(Bits(kSetTime));
    EXPECT_EQ(m.IndiceClockW, 40u);
    EXPECT_EQ(Digits(), (std::vector<uint32_t>{0, 0, 0, 0, 0, 0, 1, 0, 0, 1})) << "not before Time Set";

    PortC(kClockTimeSet, 0, 0);
    EXPECT_EQ(Digits(), kSetTime);
    EXPECT_EQ(m.IndiceClockW, 0u);
    EXPECT_EQ(m.ME1[kPortC], kClockTimeSet << 3) << "the byte is stored";
}

// Only rising shift-clock edges store a bit; a held clock does not.
TEST_F(ClockTest, BitsAreTakenOnRisingShiftClockEdgesOnly) {
    Strobe(kClockRegisterShift);
    PortC(kClockRegisterShift, 0, 1, 1);
    PortC(kClockRegisterShift, 0, 1, 0);  // still high: no edge
    PortC(kClockRegisterShift, 0, 0, 0);
    PortC(kClockRegisterShift, 0, 1, 0);
    EXPECT_EQ(m.IndiceClockW, 2u);
    EXPECT_EQ(m.ClockData[0], 1u);
    EXPECT_EQ(m.ClockData[1], 0u);
}

TEST_F(ClockTest, EdgesBeyondFortyBitsAreDropped) {
    Strobe(kClockRegisterShift);
    ShiftIn(Bits(kSetTime));
    ShiftIn({1, 1, 1});
    EXPECT_EQ(m.IndiceClockW, 40u);
    EXPECT_EQ(m.ClockData[40], 0u) << "the spare word is never written";
    EXPECT_EQ(m.CommandeClock, kClockRegisterShift) << "the following fields are untouched";
}

// Time Read loads the register on a rising strobe; Register Shift then reads
// it out through port B, SecUnits first, least significant bit first.
TEST_F(ClockTest, TimeReadThenFortyReadsOfPortBGiveEveryDigit) {
    SetDigits(kSetTime);
    PortC(kClockTimeRead, 0, 0);
    PortC(kClockTimeRead, 1, 0);  // rising strobe under Time Read: load
    PortC(kClockRegisterShift, 1, 0);
    std::vector<int> read;
    for (int i = 0; i < 40; ++i) read.push_back(DataOut());
    EXPECT_EQ(read, Bits(kSetTime));
    EXPECT_EQ(m.IndiceClockR, 40u);
}

// The load obeys the command of the write before: a strobe rising with the
// Time Read bits right after Register Hold loads nothing.
TEST_F(ClockTest, StrobeEdgeLoadsOnlyUnderAnEarlierTimeRead) {
    SetDigits(kSetTime);
    PortC(kClockRegisterHold, 0, 0);
    PortC(kClockTimeRead, 1, 0);
    for (uint32_t bit : m.ClockData) EXPECT_EQ(bit, 0u);

    PortC(kClockTimeRead, 0, 0);
    PortC(kClockTimeRead, 1, 0);
    EXPECT_EQ(m.ClockData[0], 0u);  // SecUnits 2 = 0100
    EXPECT_EQ(m.ClockData[1], 1u);
    EXPECT_EQ(m.ClockData[36], 1u);  // Month 11 = 1101
    EXPECT_EQ(m.ClockData[38], 0u);
}

TEST_F(ClockTest, StrobeHeldHighIsNotANewEdge) {
    SetDigits(kSetTime);
    PortC(kClockTimeRead, 1, 0);  // edge after Register Hold: no load
    PortC(kClockTimeRead, 1, 0);  // held: still no edge
    EXPECT_EQ(m.ClockData[1], 0u);
}

// The read index is reset by the strobe, not by the shift clock.
TEST_F(ClockTest, StrobeResetsBothIndices) {
    Strobe(kClockRegisterShift);
    ShiftIn({1, 0, 1});
    DataOut();
    DataOut();
    EXPECT_EQ(m.IndiceClockW, 3u);
    EXPECT_EQ(m.IndiceClockR, 2u);
    Strobe(kClockRegisterShift);
    EXPECT_EQ(m.IndiceClockW, 0u);
    EXPECT_EQ(m.IndiceClockR, 0u);
    EXPECT_EQ(DataOut(), 1);
}

// Past the 40th bit the chip shifts out zeros and the index stays inside
// the register.
TEST_F(ClockTest, ReadsPastTheFortiethBitGiveZero) {
    for (uint32_t& bit : m.ClockData) bit = 1;
    m.CommandeClock = kClockRegisterShift;
    for (int i = 0; i < 40; ++i) EXPECT_EQ(DataOut(), 1);
    for (int i = 0; i < 5; ++i) EXPECT_EQ(DataOut(), 0);
    EXPECT_EQ(m.IndiceClockR, 40u);
    EXPECT_EQ(m.CommandeClock, kClockRegisterShift);
}

TEST_F(ClockTest, PortBBit3ReadsOneAfterTheCpuWroteZero) {
    m.CommandeClock = kClockRegisterShift;
    ME1Write(&m, kPortB, 0x00);
    EXPECT_EQ(ME1Read(&m, kPortB) & 0x08, 0x08);
}

TEST_F(ClockTest, BuzzerFollowsBit6) {
    ME1Write(&m, kPortC, 0x40);
    EXPECT_EQ(m.BuzzerActif, 1u);
    ME1Write(&m, kPortC, 0x80);
    EXPECT_EQ(m.BuzzerActif, 0u);
}

// The CPU side of it: the ROM's way of reading the seconds through STA and LDA.
TEST_F(ClockTest, TheCpuReadsTheClockThroughThePorts) {
    SetDigits(kSetTime);
    Load(kCodeAt, {0xB5, 0x18,              // LDI A,18   Time Read, strobe low
                   0xFD, 0xAE, 0xF0, 0x08,  // STA #(F008)
                   0xB5, 0x1A,              // LDI A,1A   Time Read, strobe high: load
                   0xFD, 0xAE, 0xF0, 0x08,  // STA #(F008)
                   0xB5, 0x0A,              // LDI A,0A   Register Shift
                   0xFD, 0xAE, 0xF0, 0x08,  // STA #(F008)
                   0xFD, 0xA5, 0xF0, 0x0F,  // LDA #(F00F)  bit 0 of SecUnits
                   0xFD, 0xA5, 0xF0, 0x0F}); // LDA #(F00F) bit 1
    m.P = kCodeAt;
    for (int i = 0; i < 7; ++i) StepOnce();
    EXPECT_EQ(m.A & 0x40, 0x00);
    StepOnce();
    EXPECT_EQ(m.A & 0x40, 0x40);
}

struct AdvanceCase {
    const char* name;
    std::vector<uint32_t> before, after;  // SecU SecT MinU MinT HourU HourT DayU DayT WeekDay Month
};

class ClockAdvanceTest : public ClockTest {
protected:
    template <size_t N>
    void ExpectAdvances(const AdvanceCase (&cases)[N]) {
        for (const AdvanceCase& c : cases) {
            SetDigits(c.before);
            ClockAdvanceSecond(&m);
            EXPECT_EQ(Digits(), c.after) << c.name;
        }
    }
};

TEST_F(ClockAdvanceTest, OneSecondAdvanceCarriesThroughTheCalendar) {
    const AdvanceCase cases[] = {
        {"a second", {4, 1, 0, 0, 0, 1, 5, 1, 3, 6}, {5, 1, 0, 0, 0, 1, 5, 1, 3, 6}},
        {"to the minute", {9, 5, 9, 0, 0, 1, 5, 1, 3, 6}, {0, 0, 0, 1, 0, 1, 5, 1, 3, 6}},
        {"09:59:59", {9, 5, 9, 5, 9, 0, 5, 1, 3, 6}, {0, 0, 0, 0, 0, 1, 5, 1, 3, 6}},
        {"19:59:59, same day", {9, 5, 9, 5, 9, 1, 5, 1, 3, 6}, {0, 0, 0, 0, 0, 2, 5, 1, 3, 6}},
        {"23:59:59, next day", {9, 5, 9, 5, 3, 2, 5, 1, 3, 6}, {0, 0, 0, 0, 0, 0, 6, 1, 3, 6}},
        {"day 19 to 20", {9, 5, 9, 5, 3, 2, 9, 1, 3, 6}, {0, 0, 0, 0, 0, 0, 0, 2, 3, 6}},
        {"28 February", {9, 5, 9, 5, 3, 2, 8, 2, 3, 2}, {0, 0, 0, 0, 0, 0, 1, 0, 3, 3}},
        {"28 March", {9, 5, 9, 5, 3, 2, 8, 2, 3, 3}, {0, 0, 0, 0, 0, 0, 9, 2, 3, 3}},
        {"30 January", {9, 5, 9, 5, 3, 2, 0, 3, 3, 1}, {0, 0, 0, 0, 0, 0, 1, 3, 3, 1}},
        {"31 January", {9, 5, 9, 5, 3, 2, 1, 3, 3, 1}, {0, 0, 0, 0, 0, 0, 1, 0, 3, 2}},
        {"31 March", {9, 5, 9, 5, 3, 2, 1, 3, 3, 3}, {0, 0, 0, 0, 0, 0, 1, 0, 3, 4}},
        {"30 April", {9, 5, 9, 5, 3, 2, 0, 3, 3, 4}, {0, 0, 0, 0, 0, 0, 1, 0, 3, 5}},
        {"31 May", {9, 5, 9, 5, 3, 2, 1, 3, 3, 5}, {0, 0, 0, 0, 0, 0, 1, 0, 3, 6}},
        {"30 June", {9, 5, 9, 5, 3, 2, 0, 3, 3, 6}, {0, 0, 0, 0, 0, 0, 1, 0, 3, 7}},
        {"31 July", {9, 5, 9, 5, 3, 2, 1, 3, 3, 7}, {0, 0, 0, 0, 0, 0, 1, 0, 3, 8}},
        {"31 August", {9, 5, 9, 5, 3, 2, 1, 3, 3, 8}, {0, 0, 0, 0, 0, 0, 1, 0, 3, 9}},
        {"30 September", {9, 5, 9, 5, 3, 2, 0, 3, 3, 9}, {0, 0, 0, 0, 0, 0, 1, 0, 3, 10}},
        {"31 October", {9, 5, 9, 5, 3, 2, 1, 3, 3, 10}, {0, 0, 0, 0, 0, 0, 1, 0, 3, 11}},
        {"30 November", {9, 5, 9, 5, 3, 2, 0, 3, 3, 11}, {0, 0, 0, 0, 0, 0, 1, 0, 3, 12}},
        {"30 December", {9, 5, 9, 5, 3, 2, 0, 3, 3, 12}, {0, 0, 0, 0, 0, 0, 1, 3, 3, 12}},
        {"31 December", {9, 5, 9, 5, 3, 2, 1, 3, 3, 12}, {0, 0, 0, 0, 0, 0, 1, 0, 3, 1}},
    };
    ExpectAdvances(cases);
}

// A "Time Set" may store digits out of range; the advance carries only at
// its limits: the month moves on only from the months of 31 days.
TEST_F(ClockAdvanceTest, AdvanceFromOutOfRangeDigitsOnlyCarriesAtItsLimits) {
    const AdvanceCase cases[] = {
        {"month 0", {9, 5, 9, 5, 3, 2, 5, 1, 0, 0}, {0, 0, 0, 0, 0, 0, 6, 1, 0, 0}},
        {"31 of month 15", {9, 5, 9, 5, 3, 2, 1, 3, 0, 15}, {0, 0, 0, 0, 0, 0, 1, 0, 0, 15}},
        {"31 February", {9, 5, 9, 5, 3, 2, 1, 3, 0, 2}, {0, 0, 0, 0, 0, 0, 1, 0, 0, 2}},
        {"day 45", {9, 5, 9, 5, 3, 2, 5, 4, 0, 1}, {0, 0, 0, 0, 0, 0, 6, 4, 0, 1}},
        {"seconds 75", {5, 7, 0, 0, 0, 0, 1, 0, 0, 1}, {6, 7, 0, 0, 0, 0, 1, 0, 0, 1}},
    };
    ExpectAdvances(cases);
}

TEST_F(ClockTest, SetFromHostTimeTakesTheLocalCalendar) {
    std::tm before{}, after{};
    std::time_t now = std::time(nullptr);
    localtime_r(&now, &before);
    ClockSetFromHostTime(&m);
    now = std::time(nullptr);
    localtime_r(&now, &after);
    const auto expect = [](const std::tm& t) {
        return std::vector<uint32_t>{uint32_t(t.tm_sec % 10),  uint32_t(t.tm_sec / 10),  uint32_t(t.tm_min % 10),
                                     uint32_t(t.tm_min / 10),  uint32_t(t.tm_hour % 10), uint32_t(t.tm_hour / 10),
                                     uint32_t(t.tm_mday % 10), uint32_t(t.tm_mday / 10), uint32_t(t.tm_wday),
                                     uint32_t(t.tm_mon + 1)};
    };
    const std::vector<uint32_t> digits = Digits();
    EXPECT_TRUE(digits == expect(before) || digits == expect(after));
}

}  // namespace
