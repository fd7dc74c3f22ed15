// The annotation tables: the RAM variable names, the ROM comments and the ME0
// annotation that the access lines print.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "debug/annotations.h"
#include "debug/instruction_text.h"
#include "tests/debug/trace_fixture.h"

namespace {

std::string Annotation(uint16_t a) {
    char text[kAnnotationSize];
    std::memset(text, 'x', sizeof text);
    Me0Annotation(a, text);
    return text;
}

TEST(Annotation, AnswersByAddressRange) {
    const struct {
        uint16_t address;
        const char* text;
    } cases[] = {
        {0x0000, ""},
        {0x6FFF, ""},
        {0x7000, ""},  // a mirror of the display block is not named
        {0x75FF, ""},
        {0x7600, "Display block 1 and 3\n"},
        {0x764F, "DISPLAY FLAG 2\n"},
        {0x7650, "STRING VAR E$\n"},
        {0x765F, "STRING VAR E$\n"},
        {0x76FF, "STRING VAR O$\n"},
        {0x7750, "STRING VAR P$\n"},
        {0x77FF, "STRING VAR Z$\n"},
        {0x7853, ""},
        {0x789C, "CURRENT LINE (Current line number) (H)\n"},
        {0x78AE, "BREAK LINE (Address of breakpoint line number) (H)\n"},
        {0x78AF, "BREAK LINE (Address of breakpoint line number) (L)\n"},
        {0x78BF, "DATA POINTER (Pointer for data statement) (L)\n"},
        {0x78C0, "STRING VAR A$\n"},
        {0x78FF, "STRING VAR D$\n"},
        {0x7900, "NUMERIC VAR A\n"},
        {0x79CF, "NUMERIC VAR Z\n"},
        {0x7A00, "NUMERIC REGISTER Xa\n"},
        {0x7A37, "NUMERIC REGISTER Sa\n"},
        {0x7BFF, "INPUT BUFFER\n"},
        {0x7C00, ""},
        {0x8000, ""},
        {0x9FFF, ""},
        {0xA000, "Printer char ' '\n"},
        {0xA001, "\n"},  // no comment: the newline alone
        {0xA07F, "Printer char '%'\n"},
        {0xFFFE, "SBR FE address E000\n"},
        {0xFFFF, "\n"},
    };
    for (const auto& c : cases) EXPECT_EQ(Annotation(c.address), c.text) << std::hex << c.address;
}

// The named RAM has names everywhere but at the addresses the firmware
// leaves unnamed.
TEST(Annotation, RamIsNamedExceptTheKnownGaps) {
    std::set<unsigned> unnamed = {0x7853, 0x7854, 0x7859, 0x785A, 0x785F, 0x7860, 0x7870, 0x7876, 0x7877, 0x787A,
                                  0x7881, 0x7889, 0x7893, 0x79D2, 0x79D3, 0x79F6, 0x79F7, 0x7B08, 0x7B0E};
    for (unsigned a = 0x79D5; a <= 0x79D9; ++a) unnamed.insert(a);
    for (unsigned a = 0x79DD; a <= 0x79DF; ++a) unnamed.insert(a);
    for (unsigned a = 0x79FA; a <= 0x79FE; ++a) unnamed.insert(a);
    for (unsigned a = kRamNamesFirst; a <= kRamNamesLast; ++a)
        EXPECT_EQ(RamVariableName(static_cast<uint16_t>(a)).empty(), unnamed.count(a) == 1) << std::hex << a;
}

TEST(RomComments, BuiltInTableParsesCleanly) {
    const RomCommentTable table = ParseRomComments(RomCommentSource());
    EXPECT_TRUE(table.problems.empty()) << table.problems.front();
    size_t commented = 0;
    for (std::string_view c : table.comments) commented += !c.empty();
    EXPECT_GT(commented, 60u);
}

// The vector table's comments and the VEJ descriptions name the same routines,
// and each routine's entry carries its SBR number.
TEST(RomComments, VectorTableAgreesWithTheVejDescriptions) {
    auto machine = NewMachine();
    LH5801* m = &machine->record;
    for (int n = 0xC0; n <= 0xF6; n += 2) {
        FormDescription(m, n);
        const std::string description = m->Li;  // "VEctor subroutine Jump C0 (address DD08)"
        const std::string routine = description.substr(description.size() - 5, 4);
        char vector[8];
        std::snprintf(vector, sizeof vector, "%02X", n);
        EXPECT_EQ(RomComment(static_cast<uint16_t>(0xFF00 + n)), "SBR " + std::string(vector) + " address " + routine);
        EXPECT_EQ(RomComment(static_cast<uint16_t>(std::stoi(routine, nullptr, 16))).substr(0, 6),
                  "SBR " + std::string(vector));
    }
}

TEST(RomComments, ParserReportsEachBadLine) {
    const std::string eighty(80, 'c');
    std::string accented;
    for (int k = 0; k < 80; ++k) accented += "é";
    // The table's entries are views into its source.
    const std::string source =
        "# a remark\n"
        "\n"
        "A000 first\n"
        "a001 lower-case digits\r\n"
        "B000 \n"                   // an empty comment is allowed
        "C000 " + eighty + "\n"
        "C001 " + eighty + "d\n"    // 81 characters
        "C002 " + accented + "\n"  // 80 characters in 160 bytes
        "9FFF below the ROM\n"
        "A000 twice\n"
        "A0G0 not hex\n"
        "A002no space\n"
        "FFFF last";
    const RomCommentTable table = ParseRomComments(source);
    EXPECT_EQ(table.comments[0], "first");
    EXPECT_EQ(table.comments[1], "lower-case digits");
    EXPECT_EQ(table.comments[0xC000 - 0xA000], eighty);
    EXPECT_EQ(table.comments[0xC002 - 0xA000], accented);
    EXPECT_EQ(table.comments[0xFFFF - 0xA000], "last");
    ASSERT_EQ(table.problems.size(), 5u);
    EXPECT_EQ(table.problems[0], "line 7: comment longer than 80 characters");
    EXPECT_EQ(table.problems[1], "line 9: address below A000");
    EXPECT_EQ(table.problems[2], "line 10: a second comment for its address");
    EXPECT_EQ(table.problems[3], "line 11: expected four hex digits, a space and the comment");
    EXPECT_EQ(table.problems[4], "line 12: expected four hex digits, a space and the comment");
}

}  // namespace
