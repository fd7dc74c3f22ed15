// The CE-150's X motor, stepped by the phase patterns written to its port C
// (ME1 B008).
#include <gtest/gtest.h>

#include "machine/ce150.h"
#include "machine/port.h"
#include "tests/cpu/run.h"

namespace {

class Ce150Test : public MachineTest {
protected:
    void Write(const std::vector<uint8_t>& phases) {
        for (uint8_t p : phases) ME1Write(&m, kCe150PortC, p);
    }
};

TEST_F(Ce150Test, InitialisationOnlyWhenAttached) {
    m.PosMoteur = 7;
    Ce150Initialise(&m);
    EXPECT_EQ(m.PosMoteur, 7) << "CE150 is 0";
    m.CE150 = 1;
    m.CodeMoteur = 6;
    Ce150Initialise(&m);
    EXPECT_EQ(m.PosMoteur, 0);
    EXPECT_EQ(m.SensMoteur, kMotorForward);
    EXPECT_EQ(m.CodeMoteur, 0);
    EXPECT_EQ(std::vector<int32_t>(m.CE150Settings, m.CE150Settings + 5), (std::vector<int32_t>{0, 1, 0, 1, 5}));
}

struct MotorCase {
    const char* name;
    std::vector<uint8_t> phases;
    int32_t position, direction;
};

// From a fresh record: the first pattern only starts the count at 1.
TEST_F(Ce150Test, PhasePatternsStepTheMotor) {
    const MotorCase cases[] = {
        {"3 then 6", {3, 6}, 2, kMotorForward},
        {"a forward turn", {3, 6, 12, 9, 3}, 5, kMotorForward},
        {"then back", {3, 6, 12, 9, 3, 9, 12}, 3, kMotorBackward},
        {"repeated pattern", {3, 6, 6, 6}, 2, kMotorForward},
        {"opposite pattern", {3, 6, 9}, 2, kMotorForward},
        {"only the low nibble counts", {3, 0x56, 0xFC}, 3, kMotorForward},
        {"0 and 15 are no patterns", {3, 0x30, 0xF0, 0x0F, 6}, 2, kMotorForward},
        {"back to 0, then a restart", {3, 9, 12}, 1, kMotorForward},
    };
    for (const MotorCase& c : cases) {
        Fresh();
        Write(c.phases);
        EXPECT_EQ(m.PosMoteur, c.position) << c.name;
        EXPECT_EQ(m.SensMoteur, c.direction) << c.name;
    }
}

TEST_F(Ce150Test, PositionStopsAt400) {
    const uint8_t turn[] = {3, 6, 12, 9};
    for (int i = 0; i < 500; ++i) ME1Write(&m, kCe150PortC, turn[i % 4]);
    EXPECT_EQ(m.PosMoteur, kMotorMaxPosition);
    Write({12});  // the last pattern was 9: one step back
    EXPECT_EQ(m.PosMoteur, kMotorMaxPosition - 1);
    EXPECT_EQ(m.SensMoteur, kMotorBackward);
}

TEST_F(Ce150Test, PortBytesAreStoredAndOtherRegistersArePlain) {
    Write({0x93});
    EXPECT_EQ(ME1Read(&m, kCe150PortC), 0x93);
    ME1Write(&m, 0xB00F, 0x81);
    EXPECT_EQ(ME1Read(&m, 0xB00F), 0x81);
    EXPECT_EQ(m.PosMoteur, 1);
}

}  // namespace
