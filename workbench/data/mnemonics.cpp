// The two mnemonic dialects of the Mnemo table, derived from the opcode facts.
#include <cstdio>
#include <string>

#include "cpu/opcodes.h"
#include "workbench/data/default_tables.h"
#include "workbench/workbench.h"

namespace {

std::string Reg(const OpcodeFacts& f) { return std::string(RegisterName(f.reg)); }

// The register between a prefix and a suffix, as in "#(X)".
std::string Around(const char* prefix, const OpcodeFacts& f, const char* suffix) {
    std::string text = prefix;
    text += RegisterName(f.reg);
    text += suffix;
    return text;
}

// The memory or register operand M of a form, in either dialect.
std::string Operand(const OpcodeFacts& f) {
    switch (f.arg) {
        case Arg::Reg8:
        case Arg::Reg16: return Reg(f);
        case Arg::Mem:
        case Arg::MemImm: return Around("(", f, ")");
        case Arg::Io:
        case Arg::IoImm: return Around("#(", f, ")");
        case Arg::MemAbs:
        case Arg::MemAbsImm: return "(pp)";
        case Arg::IoAbs:
        case Arg::IoAbsImm: return "#(pp)";
        default: return "";
    }
}

bool OnAccumulator(const OpcodeFacts& f) { return f.arg == Arg::Reg8Imm && f.reg == Reg::A; }

// Immediate forms: "OP n" on A, "OP M,n" on a register byte or memory.
std::string WithImmediate(const char* op, const OpcodeFacts& f) {
    if (OnAccumulator(f)) return std::string(op) + " n";
    if (f.arg == Arg::Reg8Imm) return std::string(op) + " " + Reg(f) + ",n";
    return std::string(op) + " " + Operand(f) + ",n";
}

std::string Displacement(const OpcodeFacts& f) { return f.arg == Arg::Backward ? "-e" : "+e"; }

// The condition of a conditional branch or vector call.
const char* Condition(Mn m) {
    switch (m) {
        case Mn::BCR: case Mn::VCR: return "NC";
        case Mn::BCS: case Mn::VCS: return "C";
        case Mn::BHR: case Mn::VHR: return "NH";
        case Mn::BHS: case Mn::VHS: return "H";
        case Mn::BZR: case Mn::VZR: return "NZ";
        case Mn::BZS: case Mn::VZS: return "Z";
        case Mn::BVR: return "NV";
        case Mn::BVS: case Mn::VVS: return "V";
        default: return "";
    }
}

std::string ArithmeticAndLogic(const OpcodeFacts& f) {
    const std::string m = Operand(f);
    switch (f.mnemonic) {
        case Mn::ADC: return "ADC A," + m;
        case Mn::SBC: return "SBC A," + m;
        case Mn::ADI: return OnAccumulator(f) ? "ADC A,n" : "ADD " + m + ",n";  // with the carry only on A
        case Mn::SBI: return "SBC A,n";
        case Mn::DCA: return "DADC A," + m;
        case Mn::DCS: return "DSBC A," + m;
        case Mn::AND: return "AND " + m;
        case Mn::ANI: return WithImmediate("AND", f);
        case Mn::ORA: return "OR " + m;
        case Mn::ORI: return WithImmediate("OR", f);
        case Mn::EOR: return "XOR " + m;
        case Mn::EAI: return "XOR n";
        case Mn::BIT: return "TEST " + m;
        case Mn::BII: return WithImmediate("TEST", f);
        case Mn::CPA: return "CP " + m;
        case Mn::CPI: return WithImmediate("CP", f);
        case Mn::CIN: return "CP (X+)";
        case Mn::INC: return "INC " + m;
        case Mn::DEC: return "DEC " + m;
        case Mn::ADR: return "ADD " + m + ",A";
        case Mn::ROL: return "RL A";
        case Mn::ROR: return "RR A";
        case Mn::SHL: return "SLA A";
        case Mn::SHR: return "SRL A";
        case Mn::DRL: return "RLD " + m;
        case Mn::DRR: return "RRD " + m;
        case Mn::AEX: return "SWAP A";
        default: return "";
    }
}

std::string DataMovement(const OpcodeFacts& f) {
    const std::string m = Operand(f);
    switch (f.mnemonic) {
        case Mn::LDA: return "LD A," + m;
        case Mn::LDI: return f.arg == Arg::Reg16Abs ? "LD " + Reg(f) + ",pp" : "LD " + Reg(f) + ",n";
        case Mn::LIN: return "LD A,(" + m + "+)";
        case Mn::LDE: return "LD A,(" + m + "-)";
        case Mn::SIN: return "LD (" + m + "+),A";
        case Mn::SDE: return "LD (" + m + "-),A";
        case Mn::STA: return "LD " + m + ",A";
        case Mn::TIN: return "LD (Y+),(X+)";
        case Mn::LDX: return "LD X," + m;
        case Mn::STX: return f.reg == Reg::P ? "JP (X)" : "LD " + m + ",X";
        case Mn::PSH: return "PUSH " + m;
        case Mn::POP: return "POP " + m;
        case Mn::TTA: return "LD A,T";
        case Mn::ATT: return "LD T,A";
        case Mn::ITA: return "IN A";
        case Mn::ATP: return "OUT A";
        case Mn::AM0: return "LD TM,A";
        case Mn::AM1: return "LD TM,A+100H";
        default: return "";
    }
}

std::string ControlFlow(const OpcodeFacts& f, int index) {
    switch (f.mnemonic) {
        case Mn::BCH: return "JR " + Displacement(f);
        case Mn::BCR: case Mn::BCS: case Mn::BHR: case Mn::BHS:
        case Mn::BZR: case Mn::BZS: case Mn::BVR: case Mn::BVS:
            return std::string("JR ") + Condition(f.mnemonic) + "," + Displacement(f);
        case Mn::LOP: return "DJNC UL,-e";
        case Mn::JMP: return "JP pp";
        case Mn::SJP: return "CALL pp";
        case Mn::RTN: return "RET";
        case Mn::RTI: return "RETI";
        case Mn::VEJ: {
            char text[16];
            std::snprintf(text, sizeof text, "SBR &%02X", index & 0xFF);
            return text;
        }
        case Mn::VMJ: return "SBR n";
        case Mn::VCR: case Mn::VCS: case Mn::VHR: case Mn::VHS:
        case Mn::VZR: case Mn::VZS: case Mn::VVS:
            return std::string("SBR ") + Condition(f.mnemonic) + ",n";
        case Mn::NOP: return "NOP";
        case Mn::HLT: return "HALT";
        case Mn::OFF: return "OFF";
        case Mn::SEC: return "SCF";
        case Mn::REC: return "RCF";
        case Mn::SIE: return "EI";
        case Mn::RIE: return "DI";
        case Mn::SPU: return "SET PU";
        case Mn::RPU: return "RES PU";
        case Mn::SPV: return "SET PV";
        case Mn::RPV: return "RES PV";
        case Mn::SDP: return "SET DISP";
        case Mn::RDP: return "RES DISP";
        case Mn::CDV: return "RES DIV";
        default: return "";
    }
}

}  // namespace

std::string Lh5801Pattern(int index) {
    // The map's operand letters become the placeholders: ab -> pp, i -> n,
    // d -> e; everything else in an operand is upper case.
    std::string operand;
    for (char c : OperandText(index)) {
        if (c == 'a' || c == 'b') operand += 'p';
        else if (c == 'i') operand += 'n';
        else if (c == 'd') operand += 'e';
        else operand += c;
    }
    std::string pattern(MnemonicName(kOpcodes[index].mnemonic));
    if (!operand.empty()) pattern += " " + operand;
    return pattern;
}

std::string PseudoZ80Pattern(int index) {
    const OpcodeFacts& f = kOpcodes[index];
    std::string pattern = ArithmeticAndLogic(f);
    if (pattern.empty()) pattern = DataMovement(f);
    if (pattern.empty()) pattern = ControlFlow(f, index);
    return pattern;
}

void FillMnemoTable(Table& mnemo) {
    for (int index = 0; index < 512; ++index) {
        const OpcodeFacts& f = kOpcodes[index];
        if (!f.defined() || f.mnemonic == Mn::Prefix) continue;
        Table::Row row = mnemo.NewRow();
        char code[3];
        std::snprintf(code, sizeof code, "%02X", index & 0xFF);
        row[MnemoField::PAGE] = IsFdPage(index) ? "FD" : "";
        row[MnemoField::CODE] = code;
        row[MnemoField::MNEMO1] = PseudoZ80Pattern(index);
        row[MnemoField::MNEMO2] = Lh5801Pattern(index);
        mnemo.Append(std::move(row));
    }
}
