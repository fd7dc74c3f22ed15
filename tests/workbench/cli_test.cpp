// sifter-cli end to end: an image assembled by lh5801-as from sample.asm,
// disassembled by the program with the table files beside it, compared with
// the golden listings; and the errors of its command line.
#include <gtest/gtest.h>

#include <cstdlib>

#include "tests/workbench/fixture.h"
#include "workbench/cli/sifter_cli.h"
#include "workbench/listing.h"

namespace {

std::string Golden(const char* name) {
    std::ifstream in(std::filesystem::path(SIFTER_TEST_SOURCES) / name, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

// The text with each CR LF as LF; fails the test on a bare LF.
std::string FromCrLf(const std::string& text) {
    std::string lines;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n') ADD_FAILURE() << "a line without CR at " << i;
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            lines += '\n';
            ++i;
        } else {
            lines += text[i];
        }
    }
    return lines;
}

struct Result {
    int status;
    std::string out, err;
};

Result RunInProcess(const std::vector<std::string>& args) {
    std::ostringstream out, err;
    const int status = RunSifterCli(args, out, err, SIFTER_TABLE_DIR);
    return {status, out.str(), err.str()};
}

TEST(SifterCli, ListsTheSampleWithTheShippedTables) {
    ScratchFolder folder;
    const std::string command = std::string(SIFTER_CLI) + " " + SAMPLE_IMAGE + " --at c000 --purge --txt " +
                                folder.Path("sample.TXT").string() + " --asm " + folder.Path("sample").string();
    ASSERT_EQ(std::system(command.c_str()), 0) << command;
    EXPECT_EQ(FromCrLf(folder.Read("sample.TXT")), Golden("sample_lh5801.txt"));
    // The source goes to exactly the name given, and loads back.
    Workbench wb;
    ASSERT_EQ(LoadSource(wb, folder.Path("sample")), "");
    EXPECT_EQ(wb.rom.size(), 17u);
    EXPECT_EQ(wb.rom.at(0, RomField::MNEMO), "LDI S,&7BFF");
}

TEST(SifterCli, UsesTheTablesOfAnotherFolderAndTheRangeGiven) {
    ScratchFolder folder;
    std::filesystem::copy_file(std::filesystem::path(SIFTER_TABLE_DIR) / "ASM1500.txt", folder.Path("ASM1500.txt"));
    folder.Write("ASMADDR.txt", "LABEL\tADDRESS\tCOMMENT\r\nWAIT\tC00A\tKey wait\r\nBEEP\tC025\tSound\r\n");
    folder.Write("ASMSBR.txt", "CODE\tMNEMO\r\n2A\t,n\r\n");
    const Result r = RunInProcess({SAMPLE_IMAGE, "--at", "C000", "--from", "C00A", "--to", "C01D", "--dialect",
                                   "z80", "--tables", folder.dir().string()});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(r.out, Golden("sample_z80.txt"));
}

TEST(SifterCli, AMissingTableFileIsToldAndTheRunGoesOn) {
    ScratchFolder folder;
    const Result r = RunInProcess({SAMPLE_IMAGE, "--at", "C000", "--tables", folder.dir().string()});
    EXPECT_EQ(r.status, 0);
    EXPECT_NE(r.err.find("ASM1500.txt"), std::string::npos) << r.err;
    EXPECT_NE(r.out.find("C000:  AA "), std::string::npos) << r.out;  // every opcode unknown: "?"
}

TEST(SifterCli, ErrorsAreOneLineNamingTheValueWithStatus2) {
    ScratchFolder folder;
    folder.Write("empty.rom", "");
    const std::string asmFile = folder.Path("out.ASM").string();
    struct Case {
        std::vector<std::string> args;
        const char* named;
    };
    const Case cases[] = {
        {{}, "ROM image"},
        {{SAMPLE_IMAGE}, "--at"},
        {{SAMPLE_IMAGE, "--at", "XYZ"}, "XYZ"},
        {{SAMPLE_IMAGE, "--at", "10000"}, "10000"},
        {{SAMPLE_IMAGE, "--at", "C000", "--to", "G"}, "'G'"},
        {{SAMPLE_IMAGE, "--at", "C000", "--from", "B000"}, "B000"},
        {{SAMPLE_IMAGE, "--at", "C000", "--dialect", "z8"}, "z8"},
        {{SAMPLE_IMAGE, "--at", "C000", "--bogus"}, "--bogus"},
        {{SAMPLE_IMAGE, "--at", "C000", "--asm"}, "--asm"},
        {{SAMPLE_IMAGE, "other.rom", "--at", "C000"}, "other.rom"},
        {{folder.Path("none.rom").string(), "--at", "C000", "--asm", asmFile}, "none.rom"},
        {{folder.Path("empty.rom").string(), "--at", "C000", "--asm", asmFile}, "empty.rom"},
        {{SAMPLE_IMAGE, "--at", "C000", "--tables", folder.Path("nowhere").string()}, "nowhere"},
        {{SAMPLE_IMAGE, "--at", "C000", "--txt", folder.Path("no/such.TXT").string()}, "such.TXT"},
    };
    for (const Case& c : cases) {
        const Result r = RunInProcess(c.args);
        EXPECT_EQ(r.status, 2) << c.named;
        EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
        EXPECT_NE(r.err.find(c.named), std::string::npos) << r.err;
        EXPECT_EQ(r.out, "");
    }
    EXPECT_FALSE(std::filesystem::exists(asmFile));
}

TEST(SifterCli, AnImagePastFFFFIsCutAndTheUserTold) {
    ScratchFolder folder;
    folder.Write("tail.rom", std::string(6, '\x9A'));
    const Result r = RunInProcess({folder.Path("tail.rom").string(), "--at", "FFFC"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.err, "sifter-cli: The image runs past FFFF: 2 bytes were dropped\n");
    EXPECT_EQ(std::count(r.out.begin(), r.out.end(), '\n'), 4);
}

}  // namespace
