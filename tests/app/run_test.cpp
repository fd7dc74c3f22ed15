// zelkor-cli run end to end: the model libraries beside the program, the
// test-pattern image booted, keys pressed, the display printed and saved.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "app/cli/run.h"
#include "tests/common/run_cli.h"
#include "tests/common/scratch_folder.h"
#include "cpu/record.h"
#include "host/surface.h"

namespace {

using Result = CliResult;

// The test pattern's picture: a dark dot where row + column is odd, RUN lit.
std::string Checkerboard() {
    std::string text;
    for (int row = 1; row <= 7; ++row) {
        for (int column = 0; column < 156; ++column) text += (row + column) % 2 == 1 ? '#' : '.';
        text += '\n';
    }
    return text + " Run \n";
}

// A 16 KB ROM file in a scratch folder of its own: `code` at C000, the reset
// vector pointing at it, FF elsewhere. Removed when it goes out of scope.
class TempRom {
public:
    TempRom(const char* name, std::initializer_list<unsigned char> code) : path_(folder_.Path(name).string()) {
        std::vector<char> rom(16384, '\xFF');
        std::copy(code.begin(), code.end(), rom.begin());
        rom[0x3FFE] = '\xC0';
        rom[0x3FFF] = '\x00';
        std::ofstream(path_, std::ios::binary).write(rom.data(), static_cast<std::streamsize>(rom.size()));
    }
    const std::string& path() const { return path_; }

private:
    ScratchFolder folder_;
    std::string path_;
};

TEST(Run, BootsTheTestPatternOnEveryModel) {
    for (const char* model : {"ZelkorA", "Zelkor", "Kavro"}) {
        const Result r = RunCli({"--model", model, "--rom", TESTPATTERN_ROM, "--wait", "200", "--lcd"});
        EXPECT_EQ(r.status, 0) << model << r.err;
        EXPECT_EQ(r.out, Checkerboard()) << model;
        EXPECT_EQ(r.err, "") << model;
    }
}

TEST(Run, KeyMakesTheImageSwitchOffAndTheRestIsNotObeyed) {
    const Result r = RunCli({"--rom", TESTPATTERN_ROM, "--wait", "100", "--key", "q", "--lcd"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "");
    EXPECT_NE(r.err.find("the CPU executed OFF"), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("1 remaining option(s) not obeyed"), std::string::npos) << r.err;
}

TEST(Run, DrawsTheDisplayOnTheSurface) {
    const ScratchFolder folder;
    const std::string png = folder.Path("zelkor_run_test.png").string();
    const Result r = RunCli({"--rom", TESTPATTERN_ROM, "--wait", "100", "--png", png});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(std::filesystem::file_size(png) > 1000);
    // ZelkorA draws its dots from (122, 75), 3 pixels a cell; row 1 column 0 is dark.
    const uint32_t dark = SurfacePixel(122, 75 + 3);
    const uint32_t light = SurfacePixel(122 + 3, 75 + 3);
    EXPECT_NE(dark, light);
    EXPECT_EQ(SurfacePixel(122 + 6, 75 + 3), dark);
}

TEST(Run, OwnRomReplacesTheSystemImage) {
    // LDI A,&5A; STA (&4000); then BCH to itself.
    const TempRom rom("zelkor_run_rom.bin", {0xB5, 0x5A, 0xAE, 0x40, 0x00, 0x9E, 0x02});
    const Result r = RunCli({"--rom", rom.path(), "--wait", "10", "--dump-me0", "4000:1"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "ME0 4000: 5A\n");
}

TEST(Run, MachineOffBlanksTheDisplay) {
    // LDI A,&01; STA (&7600): row 1 of column 0 dark; 256 passes of a LOP
    // loop; OFF.
    const TempRom rom("zelkor_run_off.bin", {0xB5, 0x01, 0xAE, 0x76, 0x00, 0x6A, 0xFF, 0x88, 0x02, 0xFD, 0x4C});
    const Result r = RunCli({"--rom", rom.path(), "--wait", "10"});
    EXPECT_EQ(r.status, 0);
    EXPECT_NE(r.err.find("executed OFF"), std::string::npos) << r.err;
    EXPECT_EQ(SurfacePixel(122, 75 + 3), SurfacePixel(122 + 3, 75 + 3));  // the dot is gone
}

TEST(Run, BadOptionsRunNothing) {
    const ScratchFolder folder;
    const std::string shortRom = folder.Path("zelkor_short.bin").string();
    std::ofstream(shortRom, std::ios::binary) << "too short";
    const std::pair<std::vector<std::string>, std::string> cases[] = {
        {{"--model", "PC9"}, "--model"},
        {{"--wait", "soon"}, "--wait"},
        {{"--key", "NOPE"}, "no key 'NOPE'"},
        {{"--model", "Zelkor", "--key", "ENT"}, "no key 'ENT' on Zelkor"},
        {{"--type", "a#"}, "no key types '#'"},
        {{"--rom", shortRom}, "9 bytes"},
        {{"--rom", "/nonexistent/rom.bin"}, "cannot read"},
        {{"--png", "/nonexistent/x.png"}, "no such folder"},
        {{"--dump-me0", "FFFF:2"}, "--dump-me0"},
        {{"--machine"}, "needs a value"},
        {{"--frobnicate", "1"}, "unknown option --frobnicate"},
        {{"--lcd=1"}, "takes no value"},
        {{"--clock", "2023-02-29 10:00:00"}, "a real date and time"},
        {{"--state", "/nonexistent/Zelkora.mem"}, "no such folder"},
        // A name longer than the system takes is refused, not thrown on.
        {{"--png", std::string(5000, 'x') + "/x.png"}, "no such folder"},
        {{"--state", std::string(5000, 'x') + "/Zelkora.mem"}, "no such folder"},
    };
    for (const auto& [args, message] : cases) {
        const Result r = RunCli(args);
        EXPECT_EQ(r.status, 2) << message;
        EXPECT_EQ(r.out, "");
        EXPECT_NE(r.err.find(message), std::string::npos) << r.err;
        EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
    }
}

// A folder of its own, with the record image helpers of the state file.
class RunStateTest : public ::testing::Test {
protected:
    std::string Path(const char* name) const { return folder_.Path(name).string(); }

    static std::unique_ptr<LH5801> ReadRecord(const std::string& path) {
        auto m = std::make_unique<LH5801>();
        std::ifstream file(path, std::ios::binary);
        EXPECT_TRUE(file.read(reinterpret_cast<char*>(m.get()), sizeof(LH5801))) << path;
        return m;
    }

    ScratchFolder folder_;
};

// LDI A,&5A; STA (&4000); then BCH to itself.
const std::initializer_list<unsigned char> kStore5A = {0xB5, 0x5A, 0xAE, 0x40, 0x00, 0x9E, 0x02};
// BCH to itself.
const std::initializer_list<unsigned char> kLoop = {0x9E, 0x02};

TEST_F(RunStateTest, StateFileCarriesTheMachineFromRunToRun) {
    const TempRom store("zelkor_state_store.bin", kStore5A), loop("zelkor_state_loop.bin", kLoop);
    const std::string state = Path("Zelkora.mem");
    Result r = RunCli({"--state", state, "--rom", store.path(), "--module", "271", "--wait", "10"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(std::filesystem::file_size(state), kRecordSize);
    r = RunCli({"--state", state, "--rom", loop.path(), "--wait", "10", "--dump-me0", "4000:1"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "ME0 4000: 5A\n");  // stored by the first run
    EXPECT_EQ(r.err, "");
    const auto saved = ReadRecord(state);
    EXPECT_EQ(saved->Module, 271u);
    EXPECT_EQ(saved->FrequenceMax, 0u) << "the run's maximum speed is not the file's";
}

TEST_F(RunStateTest, StateFileOfTheWrongSizeIsKeptAsideAndRewritten) {
    const std::string state = Path("Zelkora.mem");
    std::ofstream(state, std::ios::binary) << "hello";
    const TempRom loop("zelkor_state_loop.bin", kLoop);
    const Result r = RunCli({"--state", state, "--rom", loop.path(), "--wait", "10"});
    EXPECT_EQ(r.status, 0);
    EXPECT_NE(r.err.find("is 5 bytes, not 163056; not loaded, kept as " + state + ".bad"), std::string::npos) << r.err;
    EXPECT_EQ(std::filesystem::file_size(state + ".bad"), 5u);
    EXPECT_EQ(std::filesystem::file_size(state), kRecordSize);
}

TEST_F(RunStateTest, ModelOtherThanTheStateFilesIsRefused) {
    const std::string state = Path("Zelkora.mem");
    const TempRom loop("zelkor_state_loop.bin", kLoop);
    ASSERT_EQ(RunCli({"--state", state, "--model", "Kavro", "--rom", loop.path(), "--wait", "1"}).status, 0);
    Result r = RunCli({"--state", state, "--model", "Zelkor", "--wait", "1"});
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.err.find("holds a Kavro machine"), std::string::npos) << r.err;
    // Without --model the file's model is the one bound: ENT is a key of the PC-2 only.
    r = RunCli({"--state", state, "--wait", "1", "--key", "ENT"});
    EXPECT_EQ(r.status, 0) << r.err;
}

TEST_F(RunStateTest, ClockOptionSetsTheCalendar) {
    const std::string state = Path("Zelkora.mem");
    const TempRom loop("zelkor_state_loop.bin", kLoop);
    const Result r = RunCli({"--state", state, "--clock", "2023-02-28 23:59:58", "--rom", loop.path(), "--wait", "2500"});
    ASSERT_EQ(r.status, 0) << r.err;
    const auto m = ReadRecord(state);
    // Two emulated seconds later: midnight, 1 March; the day of the week stays a Tuesday.
    const uint32_t digits[] = {m->SecUnits, m->SecTens, m->MinUnits, m->MinTens, m->HourUnits,
                               m->HourTens, m->DayUnits, m->DayTens, m->WeekDay, m->Month};
    EXPECT_EQ(std::vector<uint32_t>(std::begin(digits), std::end(digits)),
              (std::vector<uint32_t>{0, 0, 0, 0, 0, 0, 1, 0, 2, 3}));
}

}  // namespace

namespace {

// The key-logging ROM assembled by the build (keylog.asm): each key typed
// logs its column bit and strobe line, as the key tables wire it.
TEST(Run, TypedKeysReachTheCpuAsTheKeyTablesWireThem) {
    const Result r = RunCli({"--rom", KEYLOG_ROM, "--wait", "50", "--hold", "60", "--type", "QW1\\n", "--key", "up",
                          "--dump-me0", "4000:12"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "ME0 4000: 20 40 20 02 01 04 80 08 80 01 FF FF\n");
}

}  // namespace
