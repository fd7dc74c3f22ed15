// The bundled system program end to end through zelkor-cli run: power-on,
// the memory editor, runs that return or are broken, the services, the
// clock, OFF and the idle power-off. TEXT (7750-7769) holds the characters
// shown; one test checks that the dots on the display are those characters.
#include <gtest/gtest.h>

#include <ctime>
#include <fstream>
#include <iterator>
#include <sstream>

#include "app/cli/run.h"
#include "tests/common/run_cli.h"

namespace {

const std::string kText = "7750:26";

using Result = CliResult;

// The bytes of every "ME0 ADDR: .." line of the output for `address`.
std::vector<std::vector<uint8_t>> Dumps(const std::string& out, const std::string& address) {
    std::vector<std::vector<uint8_t>> dumps;
    std::istringstream lines(out);
    for (std::string line; std::getline(lines, line);) {
        if (line.rfind("ME0 " + address + ":", 0) != 0) continue;
        std::istringstream hex(line.substr(line.find(':') + 1));
        std::vector<uint8_t> bytes;
        for (std::string b; hex >> b;) bytes.push_back(static_cast<uint8_t>(std::stoi(b, nullptr, 16)));
        dumps.push_back(bytes);
    }
    return dumps;
}

// The display lines shown at each dump of TEXT.
std::vector<std::string> Screens(const std::string& out) {
    std::vector<std::string> screens;
    for (const auto& bytes : Dumps(out, "7750")) screens.emplace_back(bytes.begin(), bytes.end());
    return screens;
}

std::string Hex(const std::vector<uint8_t>& bytes) {
    std::string text;
    char b[4];
    for (uint8_t v : bytes) std::snprintf(b, sizeof b, "%02X ", v), text += b;
    return text;
}

std::vector<uint8_t> BundledRom() {
    std::ifstream file(BUNDLED_ROM, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

// The 7 dot rows (as --lcd prints them) of a line of text in the ROM's font,
// whose address the ROM keeps at FEFC.
std::string Dots(const std::string& text, const std::vector<uint8_t>& rom) {
    const size_t font = (rom[0x3EFC] << 8 | rom[0x3EFD]) - 0xC000;
    std::string rows;
    for (int row = 0; row < 7; ++row) {
        for (unsigned char c : text) {
            for (int column = 0; column < 5; ++column)
                rows += rom[font + 5 * (c - 0x20) + column] >> row & 1 ? '#' : '.';
            rows += '.';
        }
        rows += '\n';
    }
    return rows;
}

int SecondsOfDay(const std::tm& t) { return t.tm_hour * 3600 + t.tm_min * 60 + t.tm_sec; }

std::tm LocalNow() {
    const std::time_t now = std::time(nullptr);
    std::tm t{};
    localtime_r(&now, &t);
    return t;
}

TEST(Monitor, PowerOnShowsTheBannerAndTheHostTimeWithinASecond) {
    const int before = SecondsOfDay(LocalNow());
    const Result r = RunCli({"--wait", "900", "--dump-me0", kText, "--wait", "1600", "--dump-me0", kText, "--lcd"});
    const int after = SecondsOfDay(LocalNow());
    ASSERT_EQ(r.status, 0) << r.err;
    const auto screens = Screens(r.out);
    ASSERT_EQ(screens.size(), 2u);
    EXPECT_EQ(screens[0].substr(0, 18), "ZELKOR MONITOR    ");
    int h = 0, m = 0, s = 0;
    ASSERT_EQ(std::sscanf(screens[0].substr(18).c_str(), "%2d:%2d:%2d", &h, &m, &s), 3) << screens[0];
    const int shown = h * 3600 + m * 60 + s;
    EXPECT_TRUE((shown >= before && shown <= after) || after < before) << screens[0];
    // Two seconds later the time has moved on; the dots are the characters
    // in the ROM's own font, and RUN is lit.
    EXPECT_NE(screens[1], screens[0]);
    const std::string lcd = r.out.substr(r.out.rfind("ME0"));
    EXPECT_EQ(lcd.substr(lcd.find('\n') + 1), Dots(screens[1], BundledRom()) + " Run \n");
}

TEST(Monitor, EveryModelStartsTheMonitor) {
    for (const char* model : {"Zelkor", "Kavro"}) {
        const Result r = RunCli({"--model", model, "--wait", "300", "--dump-me0", kText});
        ASSERT_EQ(Screens(r.out).size(), 1u) << model << r.err;
        EXPECT_EQ(Screens(r.out)[0].substr(0, 14), "ZELKOR MONITOR") << model;
    }
}

// Keys typed into the memory editor, the bytes they leave at 4100 and the
// line shown at the end.
struct MemoryCase {
    std::vector<std::string> keys;
    std::string bytes;  // 4100-4109
    std::string shown;
};

TEST(Monitor, MemoryEditorStoresTheBytesTyped) {
    const MemoryCase cases[] = {
        {{"--type", "M4100\nB5\n42\n9A\n"}, "B5 42 9A FF FF FF FF FF FF FF ", "4103 FF FF FF FF FF FF FF "},
        // one digit is a byte; ENTER alone moves on; only the last two digits count
        {{"--type", "M4100\n7\n\n1234\n"}, "07 FF 34 FF FF FF FF FF FF FF ", "4103 FF FF FF FF FF FF FF "},
        // the arrows: RIGHT, LEFT one byte, DOWN, UP eight
        {{"--type", "M4100\n", "--key", "RIGHT", "--key", "RIGHT", "--type", "11\n", "--key", "LEFT", "--key", "LEFT",
          "--key", "LEFT", "--type", "22\n", "--key", "DOWN", "--type", "33\n", "--key", "UP"},
         "22 FF 11 FF FF FF FF FF FF 33 ", "4102 11 FF FF FF FF FF FF "},
        // CL forgets the digits typed; the address takes four digits, LEFT
        // takes the last one back
        {{"--type", "M41015", "--key", "LEFT", "--type", "0\n5", "--key", "CL", "--type", "\n6\n"},
         "FF 06 FF FF FF FF FF FF FF FF ", "4102 FF FF FF FF FF FF FF "},
    };
    for (const MemoryCase& c : cases) {
        std::vector<std::string> args{"--wait", "300"};
        args.insert(args.end(), c.keys.begin(), c.keys.end());
        args.insert(args.end(), {"--dump-me0", "4100:10", "--dump-me0", kText});
        const Result r = RunCli(args);
        ASSERT_EQ(r.status, 0) << r.err;
        EXPECT_EQ(Hex(Dumps(r.out, "4100").at(0)), c.bytes) << c.keys[1];
        EXPECT_EQ(Screens(r.out).at(0), c.shown) << c.keys[1];
    }
}

TEST(Monitor, MemoryPromptShowsTheByteUnderEditAndCancels) {
    const Result r = RunCli({"--wait", "300", "--type", "M", "--dump-me0", kText, "--type", "C000\n", "--dump-me0", kText,
                          "--type", "12\n", "--dump-me0", "C000:1", "--key", "CL", "--dump-me0", kText});
    const auto screens = Screens(r.out);
    ASSERT_EQ(screens.size(), 3u) << r.err;
    EXPECT_EQ(screens[0], "MEMORY AT 4000            ");
    EXPECT_EQ(screens[1].substr(0, 7), "C000 AA");   // the reset code: LDI S,ab
    EXPECT_EQ(Dumps(r.out, "C000").at(0), std::vector<uint8_t>{0xAA}) << "ROM is not written";
    EXPECT_EQ(screens[2].substr(0, 14), "ZELKOR MONITOR");
}

// A key held down: what was typed first, the key, how long it is held (ms)
// and the start of the line shown then. A held key comes again after half a
// second, then about every 115 ms: 1.5 s of RIGHT is the press and 9
// repeats.
struct HeldKeyCase {
    const char* typed;
    const char* key;
    const char* holdMs;
    std::string shown;
};

TEST(Monitor, AHeldKeyRepeatsWhereItTypesOrMovesAndActsOnceElsewhere) {
    const HeldKeyCase cases[] = {
        {"M4100\n", "RIGHT", "100", "4101 "},
        {"M4100\n", "RIGHT", "1500", "410A "},
        {"M4100\n", "LEFT", "1500", "40F6 "},
        {"M4100\n", "DOWN", "1000", "4130 "},  // the press and 5 repeats, 8 bytes each
        {"M4100\n1", "2", "1000", "4100 22 FF"},  // the digit typed again and again
        {"M4123", "LEFT", "1000", "MEMORY AT 0000 "},  // every digit taken back
        {"T\n", "1", "1000", "SET 11:11:11 "},
        // ENTER and CL act once: one address on; the digits forgotten, the
        // editor still there
        {"M4100\n", "ENTER", "1500", "4101 FF"},
        {"M4100\n12", "CL", "1500", "4100 FF"},
        // the register lines switch once
        {"M4000\n9A\nG\n", "DOWN", "1500", "RTN      S="},
        // ON breaks a running loop once: the registers stay, not the banner
        {"M4000\n9E\n02\nG\n", "ON", "1500", "A=00 X=4000 "},
    };
    for (const HeldKeyCase& c : cases) {
        const Result r = RunCli({"--wait", "300", "--type", c.typed, "--hold", c.holdMs, "--key", c.key,
                                 "--dump-me0", kText});
        ASSERT_EQ(Screens(r.out).size(), 1u) << c.typed << ' ' << c.key << r.err;
        EXPECT_EQ(Screens(r.out)[0].substr(0, c.shown.size()), c.shown) << c.typed << ' ' << c.key << ' ' << c.holdMs;
    }
}

// A program typed at 4000 from its bytes: "M4000\n", then each byte and ENTER.
std::vector<std::string> TypeProgram(const std::vector<std::string>& bytes) {
    std::string keys = "M4000\n";
    for (const std::string& b : bytes) keys += b + "\\n";
    return {"--type", keys};
}

TEST(Monitor, RunsAProgramThatPrintsThroughTheServicesAndReturns) {
    // LDI A,'H'; VEJ (C0) clear; VEJ (C2) print; LDI A,'I'; VEJ (C2); RTN
    std::vector<std::string> args{"--wait", "300"};
    for (const auto& a : TypeProgram({"B5", "48", "C0", "C2", "B5", "49", "C2", "9A"})) args.push_back(a);
    args.insert(args.end(), {"--type", "G\n", "--dump-me0", kText, "--key", "ENTER", "--dump-me0", kText,
                             "--key", "DOWN", "--dump-me0", kText});
    const Result r = RunCli(args);
    const auto screens = Screens(r.out);
    ASSERT_EQ(screens.size(), 3u) << r.err;
    EXPECT_EQ(screens[0], "HI                        ");  // the output stays until a key
    EXPECT_EQ(screens[1].substr(0, 12), "A=49 X=4000 ");
    EXPECT_EQ(screens[2].substr(0, 11), "RTN      S=");
}

TEST(Monitor, ServicesPrintHexAndTextLocateWaitForAKeyAndReadTheClock) {
    // 4000 VEJ (C0); LDI A,10; VEJ (CC); LDI A,3C; VEJ (C4); LDI XH,40;
    // LDI XL,20; VEJ (CA); VEJ (C6); STA (4100); VEJ (C8); STA (4101);
    // LDA XH; STA (4102); RTN. 4020: "OK", 0
    std::vector<std::string> program{"C0", "B5", "0A", "CC", "B5", "3C", "C4", "48", "40", "4A", "20", "CA",
                                     "C6", "AE", "41", "00", "C8", "AE", "41", "01", "84", "AE", "41", "02", "9A"};
    // The clock starts before an hour; typing and running the program take
    // 20 emulated seconds, so the clock is read just past the hour.
    std::vector<std::string> args{"--clock", "2026-12-11 13:59:45", "--wait", "300"};
    for (const auto& a : TypeProgram(program)) args.push_back(a);
    args.insert(args.end(), {"--type", "M4020\n4F\n4B\n0\n", "--type", "G4000\n", "--dump-me0", kText,
                             "--key", "SHIFT", "--lcd", "--key", "Q", "--dump-me0", "4100:3", "--lcd"});
    const Result r = RunCli(args);
    ASSERT_EQ(Screens(r.out).size(), 1u) << r.err;
    EXPECT_EQ(Screens(r.out)[0], "          3COK            ");
    const auto got = Dumps(r.out, "4100").at(0);
    EXPECT_EQ(got[0], 0x80 | 'Q');  // the key after SHIFT
    EXPECT_EQ(std::count(r.out.begin(), r.out.end(), 'S'), 1) << "SHIFT lit until the next key";
    EXPECT_EQ(got[1], 0x05) << Hex(got);  // seconds, BCD
    EXPECT_EQ(got[2], 0x14) << Hex(got);  // hours
}

TEST(Monitor, BreakStopsARunningProgramAndShowsWhereItWas) {
    // 4000: BCH 4000
    std::vector<std::string> args{"--wait", "300"};
    for (const auto& a : TypeProgram({"9E", "02"})) args.push_back(a);
    args.insert(args.end(), {"--type", "G\n", "--wait", "500", "--lcd", "--key", "ON", "--lcd", "--dump-me0", kText,
                             "--key", "DOWN", "--dump-me0", kText, "--type", "M", "--dump-me0", kText});
    const Result r = RunCli(args);
    const auto screens = Screens(r.out);
    ASSERT_EQ(screens.size(), 3u) << r.err;
    EXPECT_NE(r.out.find("\nBusy Run \n"), std::string::npos) << "BUSY while the program runs";
    EXPECT_NE(r.out.find("\n Run \n"), std::string::npos) << "and not after";
    EXPECT_EQ(screens[0].substr(0, 12), "A=00 X=4000 ");
    EXPECT_EQ(screens[1].substr(0, 11), "BRK 4000 S=");
    EXPECT_EQ(screens[2].substr(0, 14), "MEMORY AT 4002") << "the monitor takes keys again";
}

TEST(Monitor, OffKeySwitchesTheMachineOff) {
    for (const char* keys : {"", "M4000\n"}) {
        const Result r = RunCli({"--wait", "300", "--type", keys, "--key", "OFF", "--wait", "100"});
        EXPECT_EQ(r.status, 0);
        EXPECT_NE(r.err.find("the CPU executed OFF"), std::string::npos) << keys << r.err;
        EXPECT_NE(r.err.find("1 remaining option(s) not obeyed"), std::string::npos) << keys << r.err;
    }
}

// The idle seconds before the power-off live at 7652 (high byte first):
// three seconds here, typed into the memory editor.
TEST(Monitor, SwitchesItselfOffWhenIdle) {
    const std::vector<std::string> shortTimeout{"--wait", "300", "--type", "M7652\n00\n03\n", "--key", "CL"};
    auto args = shortTimeout;
    args.insert(args.end(), {"--wait", "2500", "--dump-me0", kText, "--wait", "1000"});
    Result r = RunCli(args);
    EXPECT_EQ(Screens(r.out).size(), 1u) << "still on after 2.5 idle seconds";
    EXPECT_NE(r.err.find("the CPU executed OFF"), std::string::npos) << r.err;
    // A key starts the idle time again.
    args = shortTimeout;
    args.insert(args.end(), {"--wait", "2000", "--key", "RIGHT", "--wait", "2000", "--dump-me0", kText});
    r = RunCli(args);
    EXPECT_EQ(Screens(r.out).size(), 1u) << r.err;
    EXPECT_EQ(r.err, "");
    // A key held down is no activity, repeating or not: the machine goes off
    // three seconds after the press, with the key still down.
    for (const char* key : {"RIGHT", "ENTER"}) {
        args = shortTimeout;
        args.insert(args.end(), {"--type", "M4100\n", "--hold", "4000", "--key", key, "--dump-me0", kText});
        r = RunCli(args);
        EXPECT_EQ(Screens(r.out).size(), 0u) << key;
        EXPECT_NE(r.err.find("1 remaining option(s) not obeyed"), std::string::npos) << key << r.err;
    }
}

TEST(Monitor, SetsTheClockAndTheClockGoesOn) {
    const Result r = RunCli({"--wait", "300", "--type", "T\n", "--dump-me0", kText, "--type", "2359583112", "--key", "LEFT",
                          "--type", "24", "--dump-me0", kText, "--key", "ENTER", "--dump-me0", kText, "--wait", "2500",
                          "--dump-me0", kText});
    const auto screens = Screens(r.out);
    ASSERT_EQ(screens.size(), 4u) << r.err;
    EXPECT_EQ(screens[0].substr(0, 4), "SET ");
    EXPECT_EQ(screens[1], "SET 23:59:58 31/12 4 THU  ");
    EXPECT_EQ(screens[2].substr(0, 10), "THU 31/12 ");
    EXPECT_EQ(screens[2].substr(18, 7), "23:59:5");
    EXPECT_EQ(screens[3].substr(0, 25), "THU 01/01         00:00:0") << "2.5 s after 23:59:58";
}

TEST(Monitor, RefusesAnImpossibleTime) {
    for (const char* digits : {"2400003112", "2359593212", "2359590013", "235959311"}) {
        const std::string keys = std::string(digits) + (std::string(digits).size() == 9 ? "9\n" : "0\n");
        const Result r = RunCli({"--wait", "300", "--type", "T\n", "--type", keys, "--dump-me0", kText});
        ASSERT_EQ(Screens(r.out).size(), 1u) << r.err;
        EXPECT_EQ(Screens(r.out)[0].substr(0, 4), "SET ") << digits << ": still setting";
    }
}

}  // namespace
