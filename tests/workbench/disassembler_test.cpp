// The disassembly pass and the purge, over small listings.
#include <gtest/gtest.h>

#include "tests/workbench/fixture.h"
#include "workbench/disassembler.h"

namespace {

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;

// A few patterns in both dialects, with every placeholder.
void FillMnemo(Table& mnemo) {
    AddRow(mnemo, {"", "8E", "JR +e", "BCH +e"});
    AddRow(mnemo, {"", "9E", "JR -e", "BCH -e"});
    AddRow(mnemo, {"", "BE", "CALL pp", "SJP pp"});
    AddRow(mnemo, {"", "CD", "SBR n", "VMJ n"});
    AddRow(mnemo, {"", "EF", "ADD (pp),n", "ADI (pp),n"});
    AddRow(mnemo, {"", "01", "TEST n,pp", "TEST n,pp"});
    AddRow(mnemo, {"", "B5", "LD A,n", "LDI A,n"});
    AddRow(mnemo, {"", "9A", "RET", "RTN"});
    AddRow(mnemo, {"FD", "A5", "LD A,#(pp)", "LDA #(pp)"});
}

// Every ROM row as "ADDRESS|MNEMO|HEXA|COMMENT".
std::vector<std::string> Dump(const Table& rom) {
    std::vector<std::string> lines;
    for (size_t i = 0; i < rom.size(); ++i)
        lines.push_back(rom.at(i, RomField::ADDRESS) + "|" + rom.at(i, RomField::MNEMO) + "|" +
                        rom.at(i, RomField::HEXA) + "|" + rom.at(i, RomField::COMMENT));
    return lines;
}

struct PassCase {
    const char* what;
    std::vector<int> bytes;  // from C000
    std::vector<std::vector<std::string>> addr, sbr;
    Dialect dialect;
    const char* to;
    std::vector<std::string> listing;
};

const PassCase kCases[] = {
    {"a forward displacement", {0x8E, 0x05}, {}, {}, Dialect::LH5801, "C001",
     {"C000|BCH +&05|8E05|Jump to C007 ", "C001|||"}},
    {"a forward displacement to a label", {0x8E, 0x05}, {{"LOOP", "C007", "top"}}, {}, Dialect::PseudoZ80, "C001",
     {"C000|JR +&05|8E05|Jump to LOOP (C007) ", "C001|||"}},
    {"a backward displacement", {0x9E, 0x10}, {{"", "BFF2", "unlabelled"}}, {}, Dialect::LH5801, "C001",
     {"C000|BCH -&10|9E10|Jump back to BFF2 ", "C001|||"}},
    {"an address with a comment", {0xBE, 0xE2, 0x2C}, {{"CLS", "E22C", "Clear LCD"}}, {}, Dialect::LH5801, "C000",
     {"C000|SJP &E22C|BEE22C|Clear LCD ", "C001|||", "C002|||"}},
    {"an address without one", {0xBE, 0xE2, 0x2C}, {}, {}, Dialect::LH5801, "C000",
     {"C000|SJP &E22C|BEE22C|", "C001|||", "C002|||"}},
    {"a special call with parameters", {0xCD, 0x2A, 0x11, 0xC0, 0x07, 0x9A}, {{"", "C007", "Buffer"}},
     {{"2A", ",n,pp"}}, Dialect::PseudoZ80, "C005",
     {"C000|SBR &2A,&11,&C007|CD2A11C007|Buffer ", "C001|||", "C002|||", "C003|||", "C004|||", "C005|RET|9A|"}},
    {"a special call without a parameter row", {0xCD, 0x10, 0x9A}, {}, {{"2A", ",n,pp"}}, Dialect::PseudoZ80, "C002",
     {"C000|SBR &10|CD10|", "C001|||", "C002|RET|9A|"}},
    {"no special call in the LH5801 dialect", {0xCD, 0x2A, 0x9A}, {}, {{"2A", ",n"}}, Dialect::LH5801, "C002",
     {"C000|VMJ &2A|CD2A|", "C001|||", "C002|RTN|9A|"}},
    {"pp before n", {0xEF, 0x78, 0x75, 0x7F}, {}, {}, Dialect::LH5801, "C000",
     {"C000|ADI (&7875),&7F|EF78757F|", "C001|||", "C002|||", "C003|||"}},
    {"n before pp", {0x01, 0x7F, 0x78, 0x75}, {}, {}, Dialect::LH5801, "C000",
     {"C000|TEST &7F,&7875|017F7875|", "C001|||", "C002|||", "C003|||"}},
    {"the FD page", {0xFD, 0xA5, 0xF0, 0x0E}, {}, {}, Dialect::LH5801, "C000",
     {"C000|LDA #(&F00E)|FDA5F00E|", "C001|||", "C002|||", "C003|||"}},
    {"unknown opcodes on both pages", {0xFF, 0xFD, 0x00, 0x9A}, {}, {}, Dialect::LH5801, "C003",
     {"C000|?|FF|", "C001|?|FD00|", "C002|||", "C003|RTN|9A|"}},
    {"operands past the last row", {0x9A, 0xBE, 0xE2}, {}, {}, Dialect::LH5801, "FFFF",
     {"C000|RTN|9A|", "C001|SJP &E2E2|BEE2E2|", "C002|||"}},
    {"the end field bounds the pass", {0x9A, 0x9A, 0x9A}, {}, {}, Dialect::LH5801, "C001",
     {"C000|RTN|9A|", "C001|RTN|9A|", "C002|||"}},
    {"an end before the start", {0x9A}, {}, {}, Dialect::LH5801, "BFFF", {"C000|||"}},
};

TEST(Pass, DecodesEachCase) {
    for (const PassCase& c : kCases) {
        Workbench wb;
        FillMnemo(wb.mnemo);
        for (const auto& r : c.addr) AddRow(wb.addr, {r[0], r[1], r[2]});
        for (const auto& r : c.sbr) AddRow(wb.sbr, {r[0], r[1]});
        wb.rom.SuspendOrder();
        uint32_t address = 0xC000;
        for (int b : c.bytes) AddBytes(wb, address++, {b});
        wb.rom.ResumeOrder();
        const PassResult r = RunDisassemblyPass(wb, c.dialect, "C000", c.to);
        EXPECT_EQ(r.error, "") << c.what;
        EXPECT_THAT(Dump(wb.rom), ElementsAreArray(c.listing)) << c.what;
        EXPECT_FALSE(wb.busy()) << c.what;
    }
}

// A listing of a jump over a return, loaded with the ADDR comment of C000.
Workbench JumpListing() {
    Workbench wb;
    FillMnemo(wb.mnemo);
    AddRow(wb.addr, {"LOOP", "C003", ""});
    AddBytes(wb, 0xC000, {0x8E, 0x01, 0x9A, 0x9A});
    wb.rom.PostField(0, RomField::COMMENT, "Entry");
    return wb;
}

TEST(Pass, ARerunAddsNoCommentTheRowAlreadyHolds) {
    Workbench wb = JumpListing();
    for (int run = 0; run < 2; ++run) {
        const PassResult r = RunDisassemblyPass(wb, Dialect::LH5801, "C000", "C003");
        EXPECT_EQ(r.instructions, 3u);
        EXPECT_THAT(Dump(wb.rom), ElementsAre("C000|BCH +&01|8E01|Entry Jump to LOOP (C003) ", "C001|||",
                                              "C002|RTN|9A|", "C003|RTN|9A|"))
            << "run " << run;
    }
    // A new target is still appended.
    wb.rom.PostField(1, RomField::CODE, "00");
    RunDisassemblyPass(wb, Dialect::LH5801, "C000", "C000");
    EXPECT_EQ(wb.rom.at(0, RomField::COMMENT), "Entry Jump to LOOP (C003) Jump to C002 ");
}

TEST(Pass, AnEmptyPatternCountsAsUnknown) {
    Workbench wb;
    AddRow(wb.mnemo, {"", "9A", "", "RTN"});  // no pseudo-Z80 text
    AddBytes(wb, 0xC000, {0x9A});
    RunDisassemblyPass(wb, Dialect::PseudoZ80, "C000", "C000");
    EXPECT_EQ(wb.rom.at(0, RomField::MNEMO), "?");
}

TEST(Pass, BadFieldsAndMissingRowsDecodeNothing) {
    Workbench wb = JumpListing();
    EXPECT_EQ(RunDisassemblyPass(wb, Dialect::LH5801, "XYZ", "C003").error, "Invalid address \"XYZ\" !");
    EXPECT_EQ(RunDisassemblyPass(wb, Dialect::LH5801, "C000", "").error, "Invalid address \"\" !");
    const PassResult none = RunDisassemblyPass(wb, Dialect::LH5801, "B000", "FFFF");  // no row B000
    EXPECT_EQ(none.error, "");
    EXPECT_EQ(none.instructions, 0u);
    EXPECT_EQ(Column(wb.rom, RomField::MNEMO), std::vector<std::string>(4, ""));
    EXPECT_FALSE(wb.busy());
}

TEST(Pass, RunsInSlicesAndReadsTheEndAgainBeforeEachInstruction) {
    Workbench wb;
    FillMnemo(wb.mnemo);
    AddBytes(wb, 0xC000, {0x9A, 0x9A, 0x9A, 0x9A});
    DisassemblyPass pass(wb, Dialect::LH5801, "C000", "C003");
    EXPECT_TRUE(wb.busy());
    EXPECT_TRUE(pass.Step(1));
    EXPECT_EQ(pass.row(), 1u);
    pass.SetEnd("C001");
    EXPECT_FALSE(pass.Step(10));
    EXPECT_EQ(pass.instructions(), 2u);
    EXPECT_THAT(Column(wb.rom, RomField::MNEMO), ElementsAre("RTN", "RTN", "", ""));
}

TEST(Pass, StopsWhenTheListingIsReorderedUnderIt) {
    Workbench wb;
    FillMnemo(wb.mnemo);
    AddBytes(wb, 0xC000, {0x9A, 0x9A, 0x9A});
    DisassemblyPass pass(wb, Dialect::LH5801, "C000", "C002");
    pass.Step(1);
    wb.rom.Remove(0);
    EXPECT_FALSE(pass.Step(10));
    EXPECT_NE(pass.error(), "");
    EXPECT_EQ(pass.instructions(), 1u);
}

TEST(Pass, IsRefusedWhileAnotherCommandRuns) {
    Workbench wb = JumpListing();
    Workbench::BusyGuard other(wb);
    EXPECT_EQ(RunDisassemblyPass(wb, Dialect::LH5801, "C000", "C003").error, kBusyMessage);
    EXPECT_EQ(Purge(wb).error, kBusyMessage);
    EXPECT_EQ(wb.rom.size(), 4u);
}

TEST(Purge, LeavesOneRowPerInstruction) {
    Workbench wb = JumpListing();
    AddRow(wb.rom, {"", "C004", "00", "", "   ", ""});  // blank but not empty
    RunDisassemblyPass(wb, Dialect::LH5801, "C000", "C003");
    const PurgeResult r = Purge(wb);
    EXPECT_EQ(r.removed, 2u);
    EXPECT_THAT(Dump(wb.rom), ElementsAre("C000|BCH +&01|8E01|Entry Jump to LOOP (C003) ", "C002|RTN|9A|",
                                          "C003|RTN|9A|"));
    // A later pass reads the next instruction's byte as the operand.
    RunDisassemblyPass(wb, Dialect::LH5801, "C000", "C000");
    EXPECT_EQ(wb.rom.at(0, RomField::HEXA), "8E9A");
}

}  // namespace
