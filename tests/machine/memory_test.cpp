// The ME0 memory map: write rules per model and module, the system-RAM
// mirrors, the 8000-9FFF window, and the memory initialisation.
#include <gtest/gtest.h>

#include "tests/cpu/run.h"

namespace {

class MemoryTest : public MachineTest {
protected:
    // Whether a write through the map is stored (the byte was different).
    bool Writable(uint16_t a) {
        const uint8_t old = m.ME0[a];
        const uint8_t v = static_cast<uint8_t>(~old);
        ME0Write(&m, a, v);
        const bool stored = m.ME0[a] == v;
        m.ME0[a] = old;
        return stored;
    }
};

// Writable RAM below 7000 per configuration: one range [from, to].
struct WriteRuleCase {
    uint32_t machine, module;
    uint16_t from, to;
};

constexpr WriteRuleCase kWriteRules[] = {
    {251, 269, 0x4000, 0x47FF}, {255, 269, 0x4000, 0x57FF}, {259, 269, 0x4000, 0x47FF},
    {251, 270, 0x4000, 0x57FF}, {255, 270, 0x4000, 0x67FF}, {259, 270, 0x4000, 0x47FF},
    {251, 271, 0x2000, 0x47FF}, {255, 271, 0x2000, 0x57FF}, {259, 271, 0x2000, 0x47FF},
    {251, 272, 0x0000, 0x47FF}, {255, 272, 0x0000, 0x57FF}, {259, 272, 0x0000, 0x47FF},
    {251, 273, 0x0000, 0x6EFF}, {255, 273, 0x0000, 0x6EFF}, {259, 273, 0x0000, 0x6EFF},
    // Software modules make the module area read-only, like no module.
    {251, 274, 0x4000, 0x47FF}, {255, 278, 0x4000, 0x57FF}, {259, 282, 0x4000, 0x47FF},
    // A value the menu never stores leaves 0000-3FFF writable.
    {251, 0, 0x0000, 0x47FF},   {255, 300, 0x0000, 0x57FF}, {259, 268, 0x0000, 0x47FF},
};

// Both ends of every range of the map, and one address inside.
constexpr uint16_t kProbes[] = {
    0x0000, 0x1000, 0x1FFF, 0x2000, 0x3000, 0x3FFF, 0x4000, 0x47FF, 0x4800, 0x5000, 0x57FF, 0x5800,
    0x6000, 0x67FF, 0x6800, 0x6EFF, 0x6F00, 0x6F80, 0x6FFF, 0x7000, 0x77FF, 0x7800, 0x7FFF, 0x8000,
    0x9FFF, 0xA000, 0xBFFF, 0xC000, 0xFFFF,
};

TEST_F(MemoryTest, WriteRulesPerModelAndModule) {
    for (const WriteRuleCase& c : kWriteRules) {
        Fresh();
        m.Machine = c.machine;
        m.Module = c.module;
        for (uint16_t a : kProbes) {
            const bool systemRam = a >= 0x7000 && a < 0x8000;
            const bool expected = systemRam || (a >= c.from && a <= c.to);
            EXPECT_EQ(Writable(a), expected)
                << "Machine " << c.machine << ", Module " << c.module << ", address " << std::hex << a;
        }
    }
}

TEST_F(MemoryTest, WriteRuleIgnoresPuPvAndCe158) {
    m.PU = m.PV = 1;
    m.CE158 = 1;
    EXPECT_FALSE(Writable(0x8000));
    EXPECT_TRUE(Writable(0x4000));
}

TEST_F(MemoryTest, SystemRamMirrorsEveryWrite) {
    struct Case {
        uint16_t written;
        std::vector<uint16_t> copies;
    };
    const Case cases[] = {
        {0x7123, {0x7123, 0x7323, 0x7523, 0x7723}},
        {0x77FF, {0x71FF, 0x73FF, 0x75FF, 0x77FF}},
        {0x7000, {0x7000, 0x7200, 0x7400, 0x7600}},
        {0x7A00, {0x7A00, 0x7E00}},
        {0x7E01, {0x7A01, 0x7E01}},
        {0x7FFF, {0x7BFF, 0x7FFF}},
    };
    uint8_t v = 0x10;
    for (const Case& c : cases) {
        ++v;
        ME0Write(&m, c.written, v);
        for (uint16_t a : c.copies) EXPECT_EQ(ME0Read(&m, a), v) << std::hex << c.written << " seen at " << a;
    }
    EXPECT_NE(m.ME0[0x7923], 0x11) << "the two blocks are apart";
}

TEST_F(MemoryTest, WindowAt8000FollowsPvPuAndCe158) {
    m.ME0[0x8000] = 0x11;
    m.ME0[0x9FFF] = 0x12;
    m.CE158Banks[0][0x0000] = 0x21;
    m.CE158Banks[0][0x1FFF] = 0x22;
    m.CE158Banks[1][0x0000] = 0x31;
    m.CE158Banks[1][0x1FFF] = 0x32;
    m.ME0[0xA000] = 0x44;

    struct Case {
        uint16_t pv, pu;
        uint32_t ce158;
        uint8_t at8000, at9FFF;
    };
    constexpr Case cases[] = {
        {0, 0, 0, 0xFF, 0xFF}, {0, 1, 1, 0xFF, 0xFF},  // PV 0: FF even with a CE-158
        {1, 0, 0, 0x11, 0x12}, {1, 1, 0, 0x11, 0x12},  // no CE-158: the bank itself
        {1, 1, 1, 0x21, 0x22}, {1, 0, 1, 0x31, 0x32},  // CE-158 page 0 with PU 1, page 1 with PU 0
        {1, 1, 2, 0x11, 0x12},                         // CE158 other than 1: absent
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "PV " << c.pv << " PU " << c.pu << " CE158 " << c.ce158);
        m.PV = c.pv;
        m.PU = c.pu;
        m.CE158 = c.ce158;
        EXPECT_EQ(ME0Read(&m, 0x8000), c.at8000);
        EXPECT_EQ(ME0Read(&m, 0x9FFF), c.at9FFF);
        EXPECT_EQ(ME0Read(&m, 0xA000), 0x44) << "outside the window";
    }
}

TEST_F(MemoryTest, InitialisationFillsRamAndClearsTheDisplay) {
    for (int a = 0; a < 0x10000; ++a) m.ME0[a] = 0x5A;
    m.ME1[0x1234] = 0x77;
    m.CE158Banks[0][5] = 0x66;

    MemoryInitialise(&m);

    struct Case {
        uint16_t from, to;
        uint8_t value;
    };
    constexpr Case cases[] = {
        {0x0000, 0x3FFF, 0x5A},  // module area kept
        {0x4000, 0x5800, 0xFF},  // one byte past 57FF
        {0x5801, 0x6FFF, 0x5A},
        {0x7000, 0x704F, 0x00}, {0x7050, 0x70FF, 0xFF}, {0x7100, 0x714F, 0x00}, {0x7150, 0x71FF, 0xFF},
        {0x7200, 0x724F, 0x00}, {0x7250, 0x72FF, 0xFF}, {0x7300, 0x734F, 0x00}, {0x7350, 0x73FF, 0xFF},
        {0x7400, 0x744F, 0x00}, {0x7450, 0x74FF, 0xFF}, {0x7500, 0x754F, 0x00}, {0x7550, 0x75FF, 0xFF},
        {0x7600, 0x764F, 0x00}, {0x7650, 0x76FF, 0xFF}, {0x7700, 0x774F, 0x00}, {0x7750, 0x77FF, 0xFF},
        {0x7800, 0x7FFF, 0xFF},
        {0x8000, 0xFFFF, 0x5A},  // window, CE-150 ROM, system ROM kept
    };
    for (const Case& c : cases)
        for (int a = c.from; a <= c.to; ++a) ASSERT_EQ(m.ME0[a], c.value) << std::hex << a;
    EXPECT_EQ(m.ME1[0x1234], 0x77);
    EXPECT_EQ(m.CE158Banks[0][5], 0x66);
}

TEST_F(MemoryTest, AfterInitialisationWritesStillMirror) {
    MemoryInitialise(&m);
    ME0Write(&m, 0x7650, 0x5A);
    for (uint16_t a : {0x7050, 0x7250, 0x7450, 0x7650}) EXPECT_EQ(ME0Read(&m, a), 0x5A);
}

// Removing a module makes its range read-only; it does not erase it.
TEST_F(MemoryTest, ModuleAreaKeepsItsBytesAcrossModuleChanges) {
    ME0Write(&m, 0x1000, 0x42);
    m.Module = kModuleNone;
    ME0Write(&m, 0x1000, 0x43);
    EXPECT_EQ(ME0Read(&m, 0x1000), 0x42);
    m.Module = kModuleCE161;
    EXPECT_EQ(ME0Read(&m, 0x1000), 0x42);
}

}  // namespace
