// Every defined opcode: its instruction text, with values in place of the
// operand placeholders, assembles back to the opcode and those values.
#include <gtest/gtest.h>

#include <cctype>

#include "cpu/opcodes.h"
#include "tools/asm/assembler.h"

namespace {

using lh5801asm::AssembleText;
using lh5801asm::Image;

struct Placeholder {
    std::string_view name;   // as the opcode grids write it
    std::string_view text;   // what the source says instead
    std::vector<uint8_t> bytes;
};

// A branch at 4000 with target 4002 +/- 12 has displacement 12.
const Placeholder kPlaceholders[] = {
    {"ab", "&1234", {0x12, 0x34}},
    {"+d", "$+2+&12", {0x12}},
    {"-d", "$+2-&12", {0x12}},
    {"i", "&56", {0x56}},
};

// The source text of opcode `index` and the bytes it must give.
void SourceOf(int index, std::string& text, std::vector<uint8_t>& bytes) {
    bytes.clear();
    if (IsFdPage(index)) bytes.push_back(0xFD);
    bytes.push_back(static_cast<uint8_t>(index & 0xFF));
    std::string operand = OperandText(index);
    std::string filled;
    for (size_t pos = 0; pos < operand.size();) {
        bool replaced = false;
        for (const Placeholder& p : kPlaceholders) {
            if (operand.compare(pos, p.name.size(), p.name) != 0) continue;
            filled += p.text;
            bytes.insert(bytes.end(), p.bytes.begin(), p.bytes.end());
            pos += p.name.size();
            replaced = true;
            break;
        }
        if (!replaced) filled += operand[pos++];
    }
    text = std::string(MnemonicName(kOpcodes[index].mnemonic)) + (filled.empty() ? "" : " " + filled);
}

std::string Lower(std::string s) {
    for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

TEST(RoundTrip, EveryOpcodeAssemblesBackToItsBytes) {
    std::vector<std::string> failures;
    int tried = 0;
    for (int index = 0; index < 512; ++index) {
        if (!kOpcodes[index].defined() || kOpcodes[index].mnemonic == Mn::Prefix) continue;
        std::string text;
        std::vector<uint8_t> expected;
        SourceOf(index, text, expected);
        for (const std::string& written : {text, Lower(text)}) {
            ++tried;
            const auto a = AssembleText("  ORG &4000\n  " + written + "\n");
            const std::string error = a.errors.empty() ? "" : a.errors[0].Text();
            if (!a.ok() || Image(a, {}) != expected) failures.push_back(written + " (" + InstructionText(index) + ") " + error);
        }
    }
    EXPECT_EQ(tried, 2 * 311);
    std::string all;
    for (const std::string& f : failures) all += "\n  " + f;
    EXPECT_TRUE(failures.empty()) << failures.size() << " opcodes do not round-trip:" << all;
}

}  // namespace
