// Every error names the file, the line and what is wrong; all errors of a
// run are reported.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "tests/common/scratch_folder.h"
#include "tools/asm/assembler.h"

namespace {

std::vector<std::string> ErrorsOf(const std::string& source, const lh5801asm::Options& options = {}) {
    std::vector<std::string> texts;
    for (const auto& e : lh5801asm::AssembleText(source, options).errors) texts.push_back(e.Text());
    return texts;
}

TEST(Errors, EachClassNamesLineAndCause) {
    struct Case {
        const char* source;
        const char* error;  // the whole message
    };
    const Case cases[] = {
        {"  LDAA (X)", "<source>:1: error: unknown mnemonic 'LDAA'"},
        {"NOP\n  LDA (XL)",
         "<source>:2: error: operand form '(XL)' not valid for LDA "
         "(valid: XL, (X), YL, (Y), UL, (U), XH, YH, UH, (ab), #(X), #(Y), #(U), #(ab))"},
        {"  STA", "<source>:1: error: STA needs an operand (valid: XH, XL, (X), YH, YL, (Y), UH, UL, (U), (ab), #(X), #(Y), #(U), #(ab))"},
        {"  RTN X", "<source>:1: error: operand form 'X' not valid for RTN (valid: no operand)"},
        {"  JMP (&1234)", "<source>:1: error: operand form '(&1234)' not valid for JMP (valid: ab)"},
        {"  LDI A,256", "<source>:1: error: value 256 out of range for a byte"},
        {"  LDI A,-129", "<source>:1: error: value -129 out of range for a byte"},
        {"  JMP &10000", "<source>:1: error: value 65536 out of range for a 16-bit word"},
        {"  DB 1,300", "<source>:1: error: value 300 out of range for a byte"},
        {"  DW 70000", "<source>:1: error: value 70000 out of range for a 16-bit word"},
        {"  JMP nowhere", "<source>:1: error: undefined label 'NOWHERE'"},
        {"loop: NOP\nLOOP: NOP", "<source>:2: error: duplicate label 'LOOP' (first defined at <source>:1)"},
        {"v EQU 1\nv = 2", "<source>:2: error: duplicate label 'V' (first defined at <source>:1)"},
        {"  ORG &4000\n  DB 1,2\n  ORG &4001\n  DB 3",
         "<source>:4: error: overlapping ORG: 4001 already holds bytes from <source>:2"},
        {"  BCH $+2+256", "<source>:1: error: BCH target out of range: distance 256 (at most 255 either way)"},
        {"t: DS 254\n  BZR t", "<source>:2: error: BZR target out of range: distance -256 (at most 255 either way)"},
        {"  LOP UL,ahead\n  NOP\nahead:", "<source>:1: error: LOP only branches backward; the target is 1 bytes ahead"},
        {"  VEJ (C1)", "<source>:1: error: no vector call (C1); VEJ takes (C0) to (F6), even numbers"},
        {"  ORG later\nlater:", "<source>:1: error: ORG: 'LATER' must be defined above this line"},
        {"  DS n\nn EQU 2", "<source>:1: error: DS: 'N' must be defined above this line"},
        {"  ORG &10000", "<source>:1: error: ORG 65536 is outside 0000-FFFF"},
        {"  ORG &FFFF\n  JMP 0", "<source>:2: error: code runs past FFFF"},
        {"X: NOP", "<source>:1: error: 'X' is a register name and cannot be a label"},
        {"one EQU two\ntwo EQU one+1\n  DB one", "<source>:2: error: circular definition of 'ONE'"},
        {"  DB 1/0", "<source>:1: error: division by zero"},
        {"  DB 1+", "<source>:1: error: missing value"},
        {"  DB 12G", "<source>:1: error: bad number '12G'"},
        {"  DB &100000000", "<source>:1: error: bad number '&100000000'"},
        {"  LDA #X", "<source>:1: error: '#' must be followed by (register) or (address): '#X'"},
        {"  DB \"open", "<source>:1: error: missing closing quote"},
        {"  LDI A,$FF", "<source>:1: error: '$' is the current address; write hex as &FF"},
        {"  INCLUDE \"missing.inc\"", "<source>:1: error: cannot read 'missing.inc'"},
    };
    const std::string deep = "  DB " + std::string(1000, '(') + "1" + std::string(1000, ')');
    EXPECT_EQ(ErrorsOf(deep), std::vector<std::string>{"<source>:1: error: expression nested too deeply"});
    std::string chain = "  DW 1";
    for (int i = 0; i < 5000; ++i) chain += "+1";
    EXPECT_EQ(ErrorsOf(chain), std::vector<std::string>{"<source>:1: error: expression too long"});
    std::string equs = "  DB E0\n";
    for (int i = 0; i < 3000; ++i) equs.append("E").append(std::to_string(i)).append(" EQU E").append(std::to_string(i + 1)).append("\n");
    equs += "E3000 EQU 1\n";
    const std::vector<std::string> nested = ErrorsOf(equs);  // and no stack overflow
    ASSERT_FALSE(nested.empty());
    EXPECT_EQ(nested[0], "<source>:1001: error: EQU 'E1000' refers through too many other EQUs");
    for (const Case& c : cases) {
        const std::vector<std::string> errors = ErrorsOf(c.source);
        ASSERT_EQ(errors.size(), 1u) << c.source << (errors.empty() ? "" : "\n" + errors[0]);
        EXPECT_EQ(errors[0], c.error) << c.source;
    }
}

TEST(Errors, BytesOutsideTheFixedRange) {
    lh5801asm::Options options;
    options.range = lh5801asm::Range{0xC000, 0xFFFF};
    EXPECT_EQ(ErrorsOf("  ORG &BFFF\n  DW 1", options),
              std::vector<std::string>{"<source>:2: error: bytes at BFFF-C000 lie outside the output range C000-FFFF"});
}

TEST(Errors, AllOfARunAreReportedInSourceOrder) {
    // Parse, first-pass and second-pass errors, each once, in line order;
    // the line after a bad one still assembles.
    const auto a = lh5801asm::AssembleText(
        "  JMP missing\n"
        "  FOO\n"
        "bad EQU missing2\n"
        "  LDI A,bad\n"
        "  DB 1+\n"
        "  LDI A,LOW(bad)\n"
        "  NOP\n"
        "broken: DB 1,\n"
        "void EQU (\n"
        "  DW broken, void\n");
    std::vector<std::string> texts;
    for (const auto& e : a.errors) texts.push_back(e.Text());
    EXPECT_EQ(texts, (std::vector<std::string>{
                         "<source>:1: error: undefined label 'MISSING'",
                         "<source>:2: error: unknown mnemonic 'FOO'",
                         "<source>:3: error: undefined label 'MISSING2'",
                         "<source>:5: error: missing value",
                         "<source>:8: error: missing value",
                         "<source>:9: error: missing value",
                     }));
    EXPECT_TRUE(a.memory[7] == 0x38 && a.written[7]) << "NOP after the errors";
}

TEST(Errors, AnIncludedFileNamesItself) {
    const ScratchFolder folder;
    const std::filesystem::path& dir = folder.dir();
    std::ofstream(dir / "main.asm") << "  INCLUDE part.inc\n  NOP\n  INCLUDE main.asm\n";
    std::ofstream(dir / "part.inc") << "  NOP\n  LDI A,\n";
    const std::string main = (dir / "main.asm").string(), part = (dir / "part.inc").string();
    std::vector<std::string> texts;
    for (const auto& e : lh5801asm::Assemble(main, {}).errors) texts.push_back(e.Text());
    EXPECT_EQ(texts, (std::vector<std::string>{
                         part + ":2: error: empty operand",
                         main + ":3: error: INCLUDE of 'main.asm' loops back to a file being read",
                     }));
}

}  // namespace
