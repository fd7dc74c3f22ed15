// What a correct source assembles to: branches, labels, expressions, data
// directives, INCLUDE.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "tests/common/scratch_folder.h"
#include "tools/asm/assembler.h"

namespace {

using Bytes = std::vector<uint8_t>;

// The image of a source that must assemble without error.
Bytes Assembled(const std::string& source) {
    const auto a = lh5801asm::AssembleText(source);
    std::string errors;
    for (const auto& e : a.errors) errors += e.Text() + "\n";
    EXPECT_TRUE(a.ok()) << errors;
    return lh5801asm::Image(a, {});
}

TEST(Branches, DirectionFollowsTheSignOfTheDistance) {
    struct Case {
        const char* source;
        Bytes bytes;
    };
    const Case cases[] = {
        // forward 8x, backward 9x; the distance counts from the next instruction
        {"BZS next\nnext: NOP", {0x8B, 0x00, 0x38}},
        {"BZS skip\nNOP\nskip: NOP", {0x8B, 0x01, 0x38, 0x38}},
        {"back: BZS back", {0x9B, 0x02}},
        {"top: NOP\nBCH top", {0x38, 0x9E, 0x03}},
        {"BCH $+2+255", {0x8E, 0xFF}},
        {"ORG &4100\nBCR $+2-255", {0x91, 0xFF}},
        {"BHS t\nt:", {0x87, 0x00}},
        {"t: BVS t", {0x9F, 0x02}},
        // LOP goes backward only
        {"loop: NOP\nLOP UL,loop", {0x38, 0x88, 0x03}},
    };
    for (const Case& c : cases) EXPECT_EQ(Assembled(c.source), c.bytes) << c.source;
}

TEST(Labels, ForwardReferencesAndEquChainsResolve) {
    EXPECT_EQ(Assembled("  ORG &4000\n"
                        "  JMP later\n"
                        "  LDI A,LOW(value)\n"
                        "  LDA (pointer)\n"
                        "first  EQU second+1\n"
                        "second = third*2\n"
                        "value: EQU first\n"
                        "later: NOP\n"
                        "third  EQU &10\n"
                        "pointer: DW first\n"),
              (Bytes{0xBA, 0x40, 0x08, 0xB5, 0x21, 0xA5, 0x40, 0x09, 0x38, 0x00, 0x21}));
}

TEST(Labels, NamesAreCaseInsensitiveAndMayStandAloneOnALine) {
    EXPECT_EQ(Assembled("Start:\n  jmp START\nend: ; nothing here\n  dw End"), (Bytes{0xBA, 0x00, 0x00, 0x00, 0x03}));
}

TEST(Expressions, OperatorsNumbersAndFunctions) {
    struct Case {
        const char* expr;
        int value;
    };
    const Case cases[] = {
        {"&1F", 0x1F}, {"0x1f", 0x1F}, {"1FH", 0x1F}, {"0ffh", 0xFF}, {"31", 31}, {"'A'", 0x41},
        {"2+3*4", 14}, {"(2+3)*4", 20}, {"20/3", 6}, {"7-2-1", 4}, {"-1+2", 1}, {"~0 & &F0", 0xF0},
        {"1<<4|1", 0x11}, {"&F0>>4", 0x0F}, {"&FF ^ &0F", 0xF0}, {"&F0 & &3C", 0x30},
        {"HIGH(&1234)", 0x12}, {"low(&1234)", 0x34}, {"HIGH(&1234)+LOW(&1234)", 0x46},
        {"$", 0x00}, {"$+1", 0x01}, {"10 - -3", 13},
        // products beyond 64 bits wrap instead of overflowing
        {"(&FFFFFFFF*&FFFFFFFF*&FFFFFFFF*&FFFFFFFF) / -1 & 0", 0},
    };
    for (const Case& c : cases) EXPECT_EQ(Assembled(std::string("DB ") + c.expr), Bytes{static_cast<uint8_t>(c.value)}) << c.expr;
}

TEST(Expressions, ParenthesesEncloseAnAddressOnlyWhenTheyWrapTheWholeOperand) {
    EXPECT_EQ(Assembled("LDA (&12+&10)"), (Bytes{0xA5, 0x00, 0x22}));
    EXPECT_EQ(Assembled("LDI A,(1+2)*3"), (Bytes{0xB5, 0x09}));
    EXPECT_EQ(Assembled("ADI (&7600),(1+1)*2"), (Bytes{0xEF, 0x76, 0x00, 0x04}));
    EXPECT_EQ(Assembled("ANI #( x ),&0F"), (Bytes{0xFD, 0x49, 0x0F}));
    EXPECT_EQ(Assembled("VEJ (D0)\nVEJ (&C0+2)"), (Bytes{0xD0, 0xC2}));
}

TEST(Data, DbDwDsAndOrg) {
    // DW stores the high byte first, as the CPU reads its words.
    EXPECT_EQ(Assembled("DW &1234, 5, -1"), (Bytes{0x12, 0x34, 0x00, 0x05, 0xFF, 0xFF}));
    EXPECT_EQ(Assembled("DB \"Hi, you\", 0, 'x', -1"), (Bytes{'H', 'i', ',', ' ', 'y', 'o', 'u', 0, 'x', 0xFF}));
    EXPECT_EQ(Assembled("DB \"it's\", ';'"), (Bytes{'i', 't', '\'', 's', ';'}));
    EXPECT_EQ(Assembled("DB 1\nDS 3\nDB 2"), (Bytes{1, 0xFF, 0xFF, 0xFF, 2}));
    EXPECT_EQ(Assembled("DS 2, &AA\nDS 0"), (Bytes{0xAA, 0xAA}));
    // ORG gaps are filled, the image starts at the lowest address written
    EXPECT_EQ(Assembled("ORG &4002\nDB 2\nORG &4000\nDB 0"), (Bytes{0, 0xFF, 2}));
    EXPECT_EQ(Assembled("base EQU 2\nsize = base*2\n  ORG base\n  DS size\n  DB 1"), (Bytes{0xFF, 0xFF, 0xFF, 0xFF, 1}));
    EXPECT_EQ(Assembled("; nothing"), Bytes{});
}

TEST(Data, FixedRangeWithFill) {
    lh5801asm::Options options;
    options.range = lh5801asm::Range{0xC000, 0xFFFF};
    options.fill = 0x00;
    const auto a = lh5801asm::AssembleText("ORG &C001\nDB 1\nORG &FFFE\nDW &C001", options);
    ASSERT_TRUE(a.ok());
    const Bytes image = lh5801asm::Image(a, options);
    ASSERT_EQ(image.size(), 0x4000u);
    EXPECT_EQ(image[0], 0x00);
    EXPECT_EQ(image[1], 0x01);
    EXPECT_EQ(image[0x3FFE], 0xC0);
    EXPECT_EQ(image[0x3FFF], 0x01);
}

TEST(Include, ReadsRelativeToTheIncludingFile) {
    const ScratchFolder folder;
    const std::filesystem::path& dir = folder.dir();
    std::filesystem::create_directories(dir / "lib");
    std::ofstream(dir / "main.asm") << "  ORG &4000\n  INCLUDE \"lib/defs.inc\"\n  LDI A,value\n  DB LOW(after)\n";
    std::ofstream(dir / "lib" / "defs.inc") << "value EQU 7\n  INCLUDE more.inc\n";
    std::ofstream(dir / "lib" / "more.inc") << "after: DB 9\n";
    const auto a = lh5801asm::Assemble((dir / "main.asm").string(), {});
    ASSERT_TRUE(a.ok()) << a.errors[0].Text();
    EXPECT_EQ(lh5801asm::Image(a, {}), (Bytes{9, 0xB5, 7, 0x00}));
    EXPECT_EQ(a.files.size(), 3u);
}

}  // namespace
