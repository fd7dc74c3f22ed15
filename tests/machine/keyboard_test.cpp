#include <gtest/gtest.h>

#include "cpu/cpu.h"
#include "display_fixture.h"
#include "machine/keyboard.h"
#include "machine/memory.h"
#include "machine/step.h"
#include "models/tables.h"

namespace {

constexpr int kQ = 11, kW = 12, kPlus = 64;

class KeyboardTest : public DisplayTest {
protected:
    KeyboardTest() {
        m.Machine = kMachinePC1500A;
        m.Module = kModuleCE161;
        Wire(kQ, 0x40, 5);  // Q: strobe 40, bit 5
        Wire(kW, 0x02, 5);  // W: strobe 02, bit 5
        Wire(kPlus, 0x10, 0);
        Wire(kPlus, 0x40, 0);  // the + key sits on two points
        KeyLatchClear(&m);
        m.Running = 1;
    }

    void Wire(int key, uint8_t strobe, int bit) {
        SkinEntry& e = m.Skin[key];
        if (e.scanAll == 0) std::memset(e.scanLines, 0xFF, 8);
        e.scanAll = static_cast<uint8_t>(1 << bit);
        e.scanLines[__builtin_ctz(strobe)] &= static_cast<uint8_t>(~(1 << bit));
    }

    // The CPU writes the strobe to F00C and reads F00E, as the ROM does.
    uint8_t ReadPort(uint8_t strobe) {
        const uint8_t code[] = {0xB5, strobe, 0xFD, 0xAE, 0xF0, 0x0C, 0xFD, 0xA5, 0xF0, 0x0E};
        std::memcpy(&m.ME0[0x4000], code, sizeof code);
        m.P = 0x4000;
        for (int i = 0; i < 3; ++i) Step(&m);
        return static_cast<uint8_t>(m.A);
    }

    void Press(int key) {
        current = static_cast<uint32_t>(key);
        KeyPress(&m, current, hooks);
    }

    KeyboardHooks hooks;
    uint32_t current = 0;
};

TEST_F(KeyboardTest, LatchedKeyReadsOnItsStrobeOnly) {
    Press(kQ);
    EXPECT_EQ(m.ToucheLue, kQ);
    EXPECT_EQ(ReadPort(0xFF), 0x20);
    for (int line = 0; line < 8; ++line) {
        const uint8_t strobe = static_cast<uint8_t>(1 << line);
        EXPECT_EQ(ReadPort(strobe), strobe == 0x40 ? 0xDF : 0xFF) << int(strobe);
    }
    EXPECT_EQ(m.InOut, 0xFF);  // the port byte follows the last read
    KeyRelease(current, &m);
    EXPECT_EQ(current, 0u);
    EXPECT_EQ(m.ToucheLue, 0);
    EXPECT_EQ(ReadPort(0xFF), 0xFF);
    EXPECT_EQ(ReadPort(0x40), 0xFF);
}

TEST_F(KeyboardTest, PlusKeyReadsOnBothOfItsStrobes) {
    Press(kPlus);
    EXPECT_EQ(ReadPort(0x10), 0xFE);
    EXPECT_EQ(ReadPort(0x40), 0xFE);
    EXPECT_EQ(ReadPort(0x01), 0xFF);
    EXPECT_EQ(ReadPort(0xFF), 0x01);
}

TEST_F(KeyboardTest, SecondKeyIsDrawnButTheFirstStaysLatched) {
    Press(kQ);
    Press(kW);
    EXPECT_EQ(m.ToucheLue, kQ);
    EXPECT_EQ(m.Skin[kW].currentImage, m.Skin[kW].imageB);
    EXPECT_EQ(SurfacePixel(m.Skin[kW].x, m.Skin[kW].y), kKeyDown);
    EXPECT_EQ(ReadPort(0x40), 0xDF);
    KeyRelease(current, &m);  // releases W, the one held last
    EXPECT_EQ(m.Skin[kW].currentImage, m.Skin[kW].imageA);
    EXPECT_EQ(m.Skin[kQ].currentImage, m.Skin[kQ].imageB);  // still drawn pressed
    EXPECT_EQ(ReadPort(0x40), 0xFF);                         // but no longer latched
}

TEST_F(KeyboardTest, KeysWhileOffAreDrawnButNotLatched) {
    m.Running = 0;
    Press(kQ);
    EXPECT_EQ(m.ToucheLue, -1);
    EXPECT_EQ(m.Skin[kQ].currentImage, m.Skin[kQ].imageB);
    KeyRelease(current, &m);
    EXPECT_EQ(m.Skin[kQ].currentImage, m.Skin[kQ].imageA);
    KeyRelease(current, &m);  // nothing held: nothing happens
}

TEST_F(KeyboardTest, PortIsAPlainByteUntilTheFirstKey) {
    m.ME1[0xF00E] = 0x5A;
    EXPECT_EQ(ReadPort(0xFF), 0x5A);
}

TEST_F(KeyboardTest, OnAndOffCallTheirHooks) {
    int powerOns = 0, offKeys = 0;
    hooks.powerOn = [&](LH5801*) { ++powerOns; };
    hooks.offKey = [&](LH5801*) { ++offKeys; };
    Press(kKeyOn);  // running: the ON-key interrupt
    EXPECT_EQ(m.IR2, 1);
    EXPECT_EQ(m.IE, 1);
    EXPECT_EQ(m.ME1[0xF00F] & 0x80, 0x80);
    EXPECT_EQ(powerOns, 0);
    KeyRelease(current, &m);
    Press(kKeyOff);
    EXPECT_EQ(offKeys, 1);
    EXPECT_EQ(m.ToucheLue, static_cast<int>(kKeyOff));
    KeyRelease(current, &m);
    m.Running = 0;
    Press(kKeyOn);
    EXPECT_EQ(powerOns, 1);
    Press(kKeyOff);
    EXPECT_EQ(offKeys, 1);  // OFF does nothing more while off
}

// A host key reaches the emulated key of the same character or function
// (host codes: letters and digits their ASCII codes, the keypad from 96).
TEST(PcKeys, EachHostKeyReachesTheKeyOfItsCharacter) {
    const ModelTables& model = ZelkorATables();
    const auto expectKey = [&](int code, const std::string& name) {
        EXPECT_EQ(PcKeyIndex(code), static_cast<uint32_t>(KeyIndexByName(model, name))) << code << " " << name;
    };
    for (char c = 'A'; c <= 'Z'; ++c) expectKey(c, std::string(1, c));
    for (char d = '0'; d <= '9'; ++d) {
        expectKey(d, std::string(1, d));
        expectKey(96 + (d - '0'), std::string(1, d));  // keypad
    }
    const std::pair<int, const char*> named[] = {
        {8, "CL"},      {9, "UPDOWN"}, {13, "ENTER"}, {16, "SHIFT"}, {27, "DEF"},  {32, "SPACE"},
        {37, "LEFT"},   {38, "UP"},    {39, "RIGHT"}, {40, "DOWN"},  {44, "("},    {63, "("},
        {46, ")"},      {59, ")"},     {106, "*"},    {107, "+"},    {109, "-"},   {110, "."},
        {111, "/"},     {112, "F1"},   {117, "F6"},   {162, "RCL"},  {163, "RCL"},
    };
    for (const auto& [code, name] : named) expectKey(code, name);
    for (int code : {7, 91, 108, 164, -1, 1000}) EXPECT_EQ(PcKeyIndex(code), 0u) << code;
}

}  // namespace
