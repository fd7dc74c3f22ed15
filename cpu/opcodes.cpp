#include "cpu/opcodes.h"

#include <cstdio>

namespace {

#define LH5801_NAME(name) #name,
constexpr std::string_view kMnemonicNames[] = {"???", "FD", LH5801_MNEMONICS(LH5801_NAME)};
#undef LH5801_NAME

constexpr std::string_view kRegisterNames[] = {
    "", "A", "XL", "XH", "YL", "YH", "UL", "UH", "VH", "X", "Y", "U", "S", "P",
};
static_assert(std::size(kRegisterNames) == static_cast<size_t>(Reg::P) + 1);

}  // namespace

std::string_view MnemonicName(Mn mnemonic) { return kMnemonicNames[static_cast<size_t>(mnemonic)]; }

std::string_view RegisterName(Reg reg) { return kRegisterNames[static_cast<size_t>(reg)]; }

std::string OperandText(int index) {
    const OpcodeFacts& f = kOpcodes[index];
    const std::string r(RegisterName(f.reg));
    switch (f.arg) {
        case Arg::None: return "";
        case Arg::Reg8:
        case Arg::Reg16: return r;
        case Arg::Mem: return "(" + r + ")";
        case Arg::MemAbs: return "(ab)";
        case Arg::Io: return "#(" + r + ")";
        case Arg::IoAbs: return "#(ab)";
        case Arg::Imm: return "i";
        case Arg::Reg8Imm: return r + ",i";
        case Arg::MemImm: return "(" + r + "),i";
        case Arg::MemAbsImm: return "(ab),i";
        case Arg::IoImm: return "#(" + r + "),i";
        case Arg::IoAbsImm: return "#(ab),i";
        case Arg::Reg16Abs: return r + ",ab";
        case Arg::Abs: return "ab";
        case Arg::Forward: return "+d";
        case Arg::Backward: return "-d";
        case Arg::LoopBack: return r + ",-d";
        case Arg::Vector: {
            char text[8];
            std::snprintf(text, sizeof text, "(%02X)", index & 0xFF);
            return text;
        }
    }
    return "";
}

std::string InstructionText(int index) {
    std::string text(MnemonicName(kOpcodes[index].mnemonic));
    const std::string operand = OperandText(index);
    if (!operand.empty()) text += " " + operand;
    return text;
}
