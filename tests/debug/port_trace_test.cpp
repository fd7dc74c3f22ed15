// The port banners of traced second-bank accesses, and that a traced access
// does exactly what the plain one does.
#include <gtest/gtest.h>

#include <functional>
#include <sstream>
#include <string>

#include "debug/port_trace.h"
#include "machine/clock.h"
#include "machine/port.h"
#include "tests/debug/trace_fixture.h"

namespace {

struct Access {
    const char* name;
    uint16_t address;
    bool write;
    uint8_t value = 0;  // written
    std::function<void(LH5801&)> setup = [](LH5801&) {};
};

class PortTraceTest : public MachineTest {
protected:
    void Base() {
        Fresh();
        m.ToucheLue = -1;
        for (uint8_t& b : m.ScanClavier) b = 0xFF;
        m.ME1[0xB00F] = 0x45;
        m.ME1[0xF00F] = 0x00;
        for (int k = 0; k < 15; ++k) m.ME0[0x79E0 + k] = static_cast<uint8_t>(0x10 + k);
        for (int k = 0; k < 41; ++k) m.ClockData[k] = (k % 3) == 0;
        m.DayTens = 1, m.DayUnits = 7, m.Month = 3, m.HourTens = 0, m.HourUnits = 9;
        m.MinTens = 4, m.MinUnits = 5, m.SecTens = 0, m.SecUnits = 2;
    }

    // The banner text of one access under a "## name" line.
    std::string Banner(const Access& a) {
        Base();
        a.setup(m);
        Capture out;
        if (a.write) TracedME1Write(&m, a.address, a.value, out.file());
        else TracedME1Read(&m, a.address, out.file());
        return std::string("## ") + a.name + "\n" + out.Text();
    }
};

void LatchKey(LH5801& m) {
    m.ToucheLue = 12;
    for (int k = 0; k < 9; ++k) m.ScanClavier[k] = static_cast<uint8_t>(0xF0 + k);
    m.ME1[kPortADirection] = 0x04;
}

void RegisterShift(LH5801& m) {
    m.CommandeClock = kClockRegisterShift;
    m.IndiceClockR = 5;
}

TEST_F(PortTraceTest, BannersOfEveryRegisterBlock) {
    const Access accesses[] = {
        // Plain registers of each block, read and written.
        {"CE153 read", 0x8004, false},
        {"CE153 write", 0x8000, true, 0x01},
        {"CE153 port C", 0x8008, true, 0x02},
        {"CE150 read", 0xB00E, false},
        {"CE150 write", 0xB004, true, 0x01},
        {"CE158 read", 0xD00E, false},
        {"CE158 write", 0xD008, true, 0x03},
        {"CE158 port B", 0xD00F, false},
        {"UART read", 0xD200, false},
        {"UART write", 0xD203, true, 0x41},
        {"main unit read", 0xF00B, false},
        {"main unit write", 0xF00C, true, 0xFF},
        {"another address read", 0x1234, false},
        {"another address write", 0xD204, true, 0x00},
        // The registers with detail lines.
        {"keyboard port, no key since the reset", 0xF00E, false},
        {"keyboard port, a key latched", 0xF00E, false, 0, LatchKey},
        {"keyboard port, released", 0xF00E, false, 0, [](LH5801& m) { m.ToucheLue = 0; }},
        {"clock port, register shift", 0xF00F, false, 0, RegisterShift},
        {"clock port, register hold", 0xF00F, false, 0, [](LH5801& m) { m.ME1[0xF00F] = 0x08; }},
        {"plotter port B read", 0xB00F, false},
        {"plotter port B write", 0xB00F, true, 0x05},
        {"plotter port A write", 0xB00E, true, 0x22},
        {"plotter motors, both at position 1", 0xB008, true, 0x33},
        {"plotter motors, no phase", 0xB008, true, 0x00},
        {"plotter motors, X at 4, Y at 3", 0xB008, true, 0xC9},
        {"timer port, first shifted bit", 0xF008, true, 0x0D},
        {"timer port, 41st edge", 0xF008, true, 0x0D, [](LH5801& m) { m.IndiceClockW = 40; }},
        {"timer port, strobe after Time Read", 0xF008, true, 0x1A,
         [](LH5801& m) { m.CommandeClock = kClockTimeRead; }},
        {"timer port, Time Set", 0xF008, true, 0x10},
        {"timer port, command 7 and the buzzer", 0xF008, true, 0x78},
    };
    std::string all;
    for (const Access& a : accesses) all += Banner(a);
    ExpectGolden("port_banners.golden", all);
}

// Framed lines end under the last star; with a one-digit value the bit
// lines have the width of their banner.
TEST_F(PortTraceTest, FramedLinesHaveTheBannerWidth) {
    const struct {
        Access access;
        size_t width;
    } cases[] = {
        {{"motors", 0xB008, true, 0x33}, 91},
        {{"plotter A", 0xB00E, true, 0x22}, 85},
        {{"plotter B", 0xB00F, false}, 93},
        {{"timer", 0xF008, true, 0x10}, 53},
        {{"clock", 0xF00F, false, 0, RegisterShift}, 89},
    };
    for (const auto& c : cases) {
        std::istringstream lines(Banner(c.access));
        std::string line;
        int framed = 0;
        while (std::getline(lines, line)) {
            if (line.rfind("***", 0) != 0 || line.rfind("*** Valeur", 0) == 0) continue;
            EXPECT_EQ(line.size(), c.width) << c.access.name << ": " << line;
            ++framed;
        }
        EXPECT_GE(framed, 4) << c.access.name;
    }
}

// A traced access returns the same byte and leaves the same record as the
// plain one: the banners add text, nothing else.
TEST_F(PortTraceTest, TracedAccessChangesWhatThePlainOneChanges) {
    const Access accesses[] = {
        {"keyboard", 0xF00E, false, 0, LatchKey},
        {"clock read", 0xF00F, false, 0, RegisterShift},
        {"plotter read", 0xB00F, false},
        {"other read", 0x1234, false},
        {"motors", 0xB008, true, 0x36},
        {"plotter A", 0xB00E, true, 0x22},
        {"shift a bit", 0xF008, true, 0x0D},
        {"strobe", 0xF008, true, 0x1A, [](LH5801& m) { m.CommandeClock = kClockTimeRead; }},
        {"time set", 0xF008, true, 0x10},
        {"other write", 0xD204, true, 0x99},
    };
    auto plainMachine = NewMachine();
    LH5801& plain = plainMachine->record;
    for (const Access& a : accesses) {
        Base();
        a.setup(m);
        std::memcpy(&plain, &m, sizeof plain);
        Capture out;
        if (a.write) {
            TracedME1Write(&m, a.address, a.value, out.file());
            ME1Write(&plain, a.address, a.value);
        } else {
            EXPECT_EQ(TracedME1Read(&m, a.address, out.file()), ME1Read(&plain, a.address)) << a.name;
        }
        EXPECT_EQ(std::memcmp(&plain, &m, sizeof plain), 0) << a.name;
        EXPECT_FALSE(out.Text().empty()) << a.name;
    }
}

}  // namespace
