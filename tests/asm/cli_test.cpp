// The program's command line: files written, listing, exit status, nothing
// written on error.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "tests/common/scratch_folder.h"
#include "tools/asm/cli.h"

namespace {

namespace fs = std::filesystem;

std::string Quoted(const std::string& text) { return std::string(1, '\'').append(text).append(1, '\''); }

class CommandLineTest : public ::testing::Test {
protected:
    std::string Path(const std::string& name) const { return (dir_ / name).string(); }
    void Write(const std::string& name, const std::string& text) const { std::ofstream(dir_ / name, std::ios::binary) << text; }
    std::string Read(const std::string& name) const {
        std::ifstream in(dir_ / name, std::ios::binary);
        std::ostringstream s;
        s << in.rdbuf();
        return s.str();
    }
    int Run(std::vector<std::string> args) {
        out_.str("");
        err_.str("");
        return lh5801asm::RunAssembler(args, out_, err_);
    }

    ScratchFolder folder_;
    const fs::path& dir_ = folder_.dir();
    std::ostringstream out_, err_;
};

TEST_F(CommandLineTest, OutputDefaultsToTheSourceWithExtensionBin) {
    Write("prog.asm", "  ORG &4000\n  LDI A,&12\n");
    EXPECT_EQ(Run({Path("prog.asm")}), 0) << err_.str();
    EXPECT_EQ(Read("prog.bin"), std::string("\xB5\x12", 2));
    EXPECT_EQ(err_.str(), "");
}

TEST_F(CommandLineTest, RangeFillAndListing) {
    Write("rom.asm",
          "; demo\n"
          "count   EQU 3\n"
          "        ORG &C000\n"
          "start:  LDI UL,count-1\n"
          "loop:   SIN X           ; store\n"
          "        LOP UL,loop\n"
          "table:  DB \"ABCDEF\"\n"
          "        DW start\n"
          "        DS 2\n"
          "end:\n");
    ASSERT_EQ(Run({Path("rom.asm"), "-o", Path("rom.img"), "-l", Path("rom.lst"), "--range", "C000-FFFF", "--fill=00"}), 0) << err_.str();
    const std::string image = Read("rom.img");
    ASSERT_EQ(image.size(), 0x4000u);
    EXPECT_EQ(image.substr(0, 16), std::string("\x6A\x02\x41\x88\x03" "ABCDEF" "\xC0\x00\xFF\xFF\x00", 16));
    EXPECT_EQ(image.back(), '\0');
    EXPECT_EQ(Read("rom.lst"),
              "                   ; demo\n"
              "      =0003        count   EQU 3\n"
              "C000                       ORG &C000\n"
              "C000  6A 02        start:  LDI UL,count-1\n"
              "C002  41           loop:   SIN X           ; store\n"
              "C003  88 03                LOP UL,loop\n"
              "C005  41 42 43 44  table:  DB \"ABCDEF\"\n"
              "C009  45 46\n"
              "C00B  C0 00                DW start\n"
              "C00D                       DS 2\n"
              "C00F               end:\n");
}

TEST_F(CommandLineTest, ErrorsWriteNothingAndLeaveAnEarlierOutputAlone) {
    Write("bad.asm", "  NOP\n  JMP nowhere\n  XYZ\n");
    Write("bad.bin", "earlier");
    EXPECT_EQ(Run({Path("bad.asm"), "-l", Path("bad.lst")}), 1);
    EXPECT_EQ(err_.str(), Path("bad.asm") + ":2: error: undefined label 'NOWHERE'\n" + Path("bad.asm") +
                              ":3: error: unknown mnemonic 'XYZ'\nlh5801-as: 2 errors, nothing written\n");
    EXPECT_EQ(Read("bad.bin"), "earlier");
    EXPECT_FALSE(fs::exists(dir_ / "bad.lst"));
}

TEST_F(CommandLineTest, UnreadableSourceFails) {
    EXPECT_EQ(Run({Path("none.asm")}), 1);
    EXPECT_EQ(err_.str(), Path("none.asm") + ": error: cannot read '" + Path("none.asm") + "'\nlh5801-as: 1 error, nothing written\n");
    EXPECT_FALSE(fs::exists(dir_ / "none.bin"));
}

TEST_F(CommandLineTest, BadCommandLinesAreRefusedWithTheUsage) {
    Write("p.asm", "  NOP\n");
    Write("p.bin", "");
    const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
        {{}, "no SOURCE given"},
        {{Path("p.asm"), "--range", "C000"}, "--range wants START-END in hex, START <= END <= FFFF: 'C000'"},
        {{Path("p.asm"), "--range", "FFFF-C000"}, "--range wants START-END in hex, START <= END <= FFFF: 'FFFF-C000'"},
        {{Path("p.asm"), "--range", "C000-10000"}, "--range wants START-END in hex, START <= END <= FFFF: 'C000-10000'"},
        {{Path("p.asm"), "--fill", "100"}, "--fill wants one hex byte: '100'"},
        {{Path("p.asm"), "-o"}, "-o needs a value"},
        {{Path("p.asm"), "--verbose"}, "unknown option '--verbose'"},
        {{Path("p.asm"), Path("q.asm")}, "one SOURCE only: '" + Path("p.asm") + "' and '" + Path("q.asm") + "'"},
        {{Path("p.asm"), "-o", Path("p.asm")}, Quoted(Path("p.asm")) + " is the source; it would be overwritten"},
        {{Path("p.asm"), "-l", Path("p.bin")}, "the listing and the output are the same file"},
    };
    for (const auto& [args, message] : cases) {
        EXPECT_EQ(Run(args), 2) << message;
        EXPECT_EQ(err_.str().substr(0, err_.str().find('\n')), "lh5801-as: " + message);
        EXPECT_NE(err_.str().find("usage: lh5801-as SOURCE"), std::string::npos);
    }
    EXPECT_EQ(Read("p.bin"), "");
}

TEST_F(CommandLineTest, HelpPrintsUsageAndSyntax) {
    EXPECT_EQ(Run({"--help"}), 0);
    EXPECT_EQ(out_.str(), lh5801asm::kUsage);
    EXPECT_NE(out_.str().find("Directives: ORG"), std::string::npos);
}

TEST_F(CommandLineTest, DepfileListsEverySourceRead) {
    Write("main.asm", "  INCLUDE \"defs inc.asm\"\n  DB v\n");
    Write("defs inc.asm", "v EQU 1\n");
    ASSERT_EQ(Run({Path("main.asm"), "--depfile", Path("main.d")}), 0) << err_.str();
    const auto escaped = [](const std::string& path) {
        std::string s;
        for (char c : path) {
            if (c == ' ') s += '\\';
            s += c;
        }
        return s;
    };
    EXPECT_EQ(Read("main.d"), escaped(Path("main.bin")) + ": " + escaped(Path("main.asm")) + " " + escaped(Path("defs inc.asm")) + "\n");
}

}  // namespace
