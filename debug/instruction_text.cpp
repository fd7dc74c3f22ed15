#include "debug/instruction_text.h"

#include <cstdio>
#include <string>

#include "cpu/opcodes.h"
#include "cpu/operands.h"
#include "debug/annotations.h"
#include "debug/text_buffer.h"
#include "machine/memory.h"

namespace {

uint16_t At(int offset, uint16_t base) { return static_cast<uint16_t>(base + offset); }

// What the line of an instruction shows, read before it runs.
struct Operands {
    const OpcodeFacts* f;
    int index;
    const LH5801* m;

    uint8_t Byte(int k) const { return ME0Read(m, At(OperandOffset(index) + k, m->P)); }
    uint16_t Word(int k) const { return static_cast<uint16_t>(Byte(k) << 8 | Byte(k + 1)); }
    bool Absolute() const { return IsAbsolute(f->arg); }
    bool SecondBank() const { return IsSecondBank(f->arg); }
    uint16_t Register16(Reg r) const {
        switch (r) {
            case Reg::X: return m->X;
            case Reg::Y: return m->Y;
            case Reg::U: return m->U;
            case Reg::S: return m->S;
            case Reg::P: return m->P;
            default: return 0;
        }
    }
    uint8_t Register8(Reg r) const {
        switch (r) {
            case Reg::A: return static_cast<uint8_t>(m->A);
            case Reg::XL: return LowByte(m->X);
            case Reg::XH: return HighByte(m->X);
            case Reg::YL: return LowByte(m->Y);
            case Reg::YH: return HighByte(m->Y);
            case Reg::UL: return LowByte(m->U);
            case Reg::UH: return HighByte(m->U);
            default: return 0;
        }
    }
    // The effective address of a memory form.
    uint16_t Address() const { return Absolute() ? Word(0) : Register16(f->reg); }
    // The immediate byte: the first operand byte, or the one after ab.
    uint8_t Immediate() const { return Byte(Absolute() ? 2 : 0); }
    // The byte at the effective address, in its bank.
    uint8_t MemoryByte() const {
        const uint16_t a = Address();
        return SecondBank() ? m->ME1[a] : ME0Read(m, a);
    }
    bool Stores() const {
        return f->mnemonic == Mn::STA || f->mnemonic == Mn::SIN || f->mnemonic == Mn::SDE;
    }
    uint8_t VectorByte(uint8_t n, int k) const { return ME0Read(m, static_cast<uint16_t>(0xFF00 + n + k)); }
};

// Register names as the lines write them: halves in capitals, except in LDA,
// STA and LDI, which write Xh, Xl ...
std::string RegisterText(Reg r, Mn mn) {
    std::string name(RegisterName(r));
    if (name.size() == 2 && (mn == Mn::LDA || mn == Mn::STA || mn == Mn::LDI))
        name[1] = static_cast<char>(name[1] - 'A' + 'a');
    return name;
}

// The operand of a memory form as the mnemonic writes it: "(X)", "#(ab)".
std::string MemoryOperandText(const OpcodeFacts& f) {
    return std::string(IsSecondBank(f.arg) ? "#(" : "(") + (IsAbsolute(f.arg) ? "ab" : std::string(RegisterName(f.reg))) +
           ")";
}

bool IsBranch(Arg a) { return a == Arg::Forward || a == Arg::Backward; }

bool IsConditionalVectorCall(Mn mn) {
    return mn == Mn::VCR || mn == Mn::VCS || mn == Mn::VHR || mn == Mn::VHS || mn == Mn::VZR || mn == Mn::VZS ||
           mn == Mn::VVS;
}

bool IsMemoryForm(Arg a) { return a == Arg::Mem || a == Arg::MemAbs || a == Arg::Io || a == Arg::IoAbs; }

// The mnemonic text of the forms with an immediate and a register.
void RegisterImmediateText(RecordText& t, const Operands& o, bool shortForm) {
    const OpcodeFacts& f = *o.f;
    const std::string mnemonic(MnemonicName(f.mnemonic));
    const char* name = mnemonic.c_str();
    const uint8_t i = o.Byte(0);
    const uint8_t before = o.Register8(f.reg);
    switch (f.mnemonic) {
        case Mn::LDI:
            if (f.reg == Reg::A) shortForm ? t.Format("LDI A 0x%02X", i) : t.Format("LDI i=0x%02X A", i);
            else if (f.reg == Reg::VH) shortForm ? t.Format("!!! LDI Vh 0x%02X", i) : t.Format("!!! LDI Vh=0x%02X", i);
            else {
                const std::string r = RegisterText(f.reg, f.mnemonic);
                shortForm ? t.Format("LDI %s 0x%02X", r.c_str(), i) : t.Format("LDI %s=0x%02X", r.c_str(), i);
            }
            return;
        case Mn::ANI:
        case Mn::ORI:
            shortForm ? t.Format("%s A 0x%02X", name, i) : t.Format("%s A i=0x%02X Acc=0x%02X", name, i, before);
            return;
        case Mn::BII: shortForm ? t.Format("BII A 0x%02X", i) : t.Format("BII A Acc=0x%02X", before); return;
        case Mn::ADI: shortForm ? t.Format("ADI A 0x%02X", i) : t.Format("ADI i=0x%02X A=0x%02X", i, before); return;
        case Mn::SBI: shortForm ? t.Format("SBI 0x%02X", i) : t.Format("SBI i=0x%02X Acc=0x%02X", i, before); return;
        default: {  // CPI
            const std::string reg(RegisterName(f.reg));
            const char* r = reg.c_str();
            shortForm ? t.Format("%s %s 0x%02X", name, r, i) : t.Format("%s i=0x%02X %s=0x%02X", name, i, r, before);
        }
    }
}

// The mnemonic text of the instruction, with or without its values.
void MnemonicText(RecordText& t, const Operands& o, bool shortForm) {
    const OpcodeFacts& f = *o.f;
    const LH5801* m = o.m;
    const Mn mn = f.mnemonic;
    const std::string mnemonic(MnemonicName(mn));
    const char* name = mnemonic.c_str();
    const std::string reg = RegisterText(f.reg, mn);

    if (mn == Mn::Undefined) {
        t.Add(IsFdPage(o.index) ? "*** Opération FD Inconnue ***" : "*** Opération Inconnue ***");
    } else if (mn == Mn::VEJ) {
        const auto n = static_cast<uint8_t>(o.index);
        t.Format("VEJ %02X : Call %02X%02X", n, o.VectorByte(n, 0), o.VectorByte(n, 1));
    } else if (mn == Mn::VMJ) {
        const uint8_t n = o.Byte(0);
        t.Format("VMJ %02X : Call %02X%02X", n, o.VectorByte(n, 0), o.VectorByte(n, 1));
    } else if (IsConditionalVectorCall(mn)) {
        const uint8_t n = o.Byte(0);
        t.Format("%s 0x%02X \"0x%02X%02X\"", name, n, o.VectorByte(n, 0), o.VectorByte(n, 1));
    } else if (IsBranch(f.arg)) {
        const uint8_t d = o.Byte(0);
        const bool forward = f.arg == Arg::Forward;
        const auto target = static_cast<uint16_t>(forward ? m->P + 2 + d : m->P + 2 - d);
        t.Format("%s %c0x%02X \"0x%04X\"", name, forward ? '+' : '-', d, target);
    } else if (mn == Mn::LOP) {
        const uint8_t d = o.Byte(0);
        const auto target = static_cast<uint16_t>(m->P + 2 - d);
        shortForm ? t.Format("LOP 0x%02X \"0x%04X\"", d, target) : t.Format("LOP 0x%04X, Ul=0x%02X", target, LowByte(m->U));
    } else if (mn == Mn::JMP || mn == Mn::SJP) {
        t.Format("%s 0x%02X%02X", name, o.Byte(0), o.Byte(1));
    } else if (mn == Mn::LDX) {
        shortForm ? t.Format("LDX %s", reg.c_str()) : t.Format("LDX %s (%04X)", reg.c_str(), o.Register16(f.reg));
    } else if (mn == Mn::STX) {
        shortForm ? t.Format("STX %s", reg.c_str()) : t.Format("STX %s = 0x%04X", reg.c_str(), m->X);
    } else if (mn == Mn::DRL || mn == Mn::DRR) {
        const std::string operand = MemoryOperandText(f);
        shortForm ? t.Format("%s %s", name, operand.c_str())
                  : t.Format("%s %s = 0x%02X", name, operand.c_str(), o.MemoryByte());
    } else if (mn == Mn::LIN || mn == Mn::LDE || mn == Mn::SIN || mn == Mn::SDE) {
        const uint16_t a = o.Register16(f.reg);
        const uint8_t value = o.Stores() ? static_cast<uint8_t>(m->A) : ME0Read(m, a);
        // SDE U and SDE Y are written with two spaces before the parenthesis.
        const char* gap = mn == Mn::SDE && f.reg != Reg::X ? "  " : " ";
        shortForm ? t.Format("%s %s", name, reg.c_str()) : t.Format("%s %s%s(0x%04X)=0x%02X", name, reg.c_str(), gap, a, value);
    } else if (mn == Mn::PSH || mn == Mn::POP) {
        t.Format("%s %s", name, reg.c_str());
    } else if (f.arg == Arg::None) {
        t.Add(name);
    } else if (f.arg == Arg::Reg8 || f.arg == Arg::Reg16) {
        if (shortForm) t.Format("%s %s", name, reg.c_str());
        else if (mn == Mn::ADR) t.Format("ADR %s=0x%04X", reg.c_str(), o.Register16(f.reg));
        else {
            // A 16-bit register printed with %02X shows all its digits.
            const unsigned value = f.arg == Arg::Reg16 ? o.Register16(f.reg) : o.Register8(f.reg);
            t.Format("%s %s%s0x%02X", name, reg.c_str(), mn == Mn::LDA ? " =" : "=", value);
        }
    } else if (f.arg == Arg::Reg8Imm) {
        RegisterImmediateText(t, o, shortForm);
    } else if (f.arg == Arg::Imm) {  // EAI
        shortForm ? t.Format("EAI 0x%02X", o.Byte(0)) : t.Format("EAI i=0x%02X Acc=0x%02X", o.Byte(0), m->A);
    } else if (f.arg == Arg::Reg16Abs) {  // LDI S,ab
        shortForm ? t.Format("LDI S 0x%02X%02X", o.Byte(0), o.Byte(1)) : t.Format("LDI S=0x%02X%02X", o.Byte(0), o.Byte(1));
    } else if (IsMemoryForm(f.arg)) {
        const std::string operand = MemoryOperandText(f);
        const uint8_t value = o.Stores() ? static_cast<uint8_t>(m->A) : o.MemoryByte();
        if (shortForm) t.Format("%s %s", name, operand.c_str());
        else t.Format("%s %s %s(0x%04X)=0x%02X", name, operand.c_str(), o.SecondBank() ? "#" : "", o.Address(), value);
    } else if (IsMemoryImmediate(f.arg)) {
        const std::string operand = MemoryOperandText(f);
        if (shortForm) t.Format("%s %s 0x%02X", name, operand.c_str(), o.Immediate());
        else
            t.Format("%s %s i=0x%02X %s(0x%04X)=0x%02X", name, operand.c_str(), o.Immediate(),
                     o.SecondBank() ? "#" : "", o.Address(), o.MemoryByte());
    }
}

}  // namespace

void FormInstructionLine(LH5801* m, int index, bool shortForm) {
    const Operands o{&kOpcodes[index], index, m};
    RecordText t(m->MO);
    t.Format("0x%04X : ", m->P);
    char bytes[16] = {};
    for (int k = 0; k < o.f->length && k < 5; ++k)
        std::snprintf(bytes + 2 * k, sizeof bytes - 2 * k, "%02X", ME0Read(m, At(k, m->P)));
    t.Format("%-15s", bytes);
    MnemonicText(t, o, shortForm);
    t.Add("\n");
}

namespace {

// The routine each VEJ vector holds in the original ROM; the descriptions
// name it whatever ROM is loaded.
struct VejRoutine {
    uint8_t vector;
    uint16_t address;
};
constexpr VejRoutine kVejRoutines[] = {
    {0xC0, 0xDD08}, {0xC2, 0xDCD4}, {0xC4, 0xDCD5}, {0xC6, 0xDD13}, {0xC8, 0xDCC5}, {0xCA, 0xC001}, {0xCC, 0xDDC8},
    {0xCE, 0xD45D}, {0xD0, 0xD5F9}, {0xD2, 0xDD1A}, {0xD4, 0xDEE3}, {0xD6, 0xDED1}, {0xD8, 0xDF3B}, {0xDA, 0xC00E},
    {0xDC, 0xDEBC}, {0xDE, 0xD6DF}, {0xE0, 0xCD8B}, {0xE2, 0xC400}, {0xE4, 0xCD89}, {0xE6, 0xF70D}, {0xE8, 0xF661},
    {0xEA, 0xF79C}, {0xEC, 0xF757}, {0xEE, 0xF7CC}, {0xF0, 0xEFBA}, {0xF2, 0xEE71}, {0xF4, 0xDBBC}, {0xF6, 0xDDB5},
};

uint16_t VejRoutine(uint8_t vector) {
    for (const auto& r : kVejRoutines)
        if (r.vector == vector) return r.address;
    return 0;
}

// A register in a description: A is "Acc", halves in capitals.
std::string DescribedRegister(Reg r) { return r == Reg::A ? "Acc" : std::string(RegisterName(r)); }

// The operand of a two-operand instruction as its description ends.
std::string DescribedOperand(const OpcodeFacts& f) {
    if (f.arg == Arg::Reg8 || f.arg == Arg::Reg16) return DescribedRegister(f.reg);
    return MemoryOperandText(f);
}

// "C Reset (C=0)" for BCR, VCR; "Z Set (Z=1)" for BZS, VZS ...
std::string Condition(Mn mn) {
    const std::string_view name = MnemonicName(mn);
    const char flag = name[1];
    const bool set = name[2] == 'S';
    return std::string(1, flag) + (set ? " Set (" : " Reset (") + flag + (set ? "=1)" : "=0)");
}

// The fixed descriptions of the instructions without operand variants.
const char* FixedDescription(Mn mn) {
    switch (mn) {
        case Mn::AEX: return "EXchange Acc";
        case Mn::AM0: return "Acc to \"0\"Timer";
        case Mn::AM1: return "Acc to \"1\"Timer";
        case Mn::ATP: return "Acc To Port";
        case Mn::ATT: return "Acc To T register";
        case Mn::CDV: return "Clear internal DiVider";
        case Mn::CIN: return "Compare and Increment X";
        case Mn::EAI: return "Exclusive Or Immediat Acc";
        case Mn::HLT: return "Halt";
        case Mn::ITA: return "Input To Acc";
        case Mn::JMP: return "Jump";
        case Mn::LOP: return "Loop";
        case Mn::NOP: return "No OPeration";
        case Mn::OFF: return "OFF";
        case Mn::RDP: return "Reset DisP";
        case Mn::REC: return "REset C";
        case Mn::RIE: return "Reset IE";
        case Mn::ROL: return "ROtate Left";
        case Mn::ROR: return "ROtate Right";
        case Mn::RPU: return "Reset PU";
        case Mn::RPV: return "Reset PV";
        case Mn::RTI: return "ReTurn from Interrupt";
        case Mn::RTN: return "ReTurN from subroutine";
        case Mn::SBI: return "SuBtract Immediate Acc";
        case Mn::SDP: return "Set DISP";
        case Mn::SEC: return "Set C";
        case Mn::SHL: return "SHift to Left";
        case Mn::SHR: return "SHift to Right";
        case Mn::SIE: return "Set IE";
        case Mn::SJP: return "Subroutine JumP";
        case Mn::SPU: return "Set PU";
        case Mn::SPV: return "Set PV";
        case Mn::TIN: return "Transfert (X) to (Y) & Increment X & Y";
        case Mn::TTA: return "T register To Acc";
        case Mn::VMJ: return "Vector subroutine Jump Immediat";
        default: return nullptr;
    }
}

// The stem that the operand follows, for the instructions that have one.
const char* DescriptionStem(Mn mn) {
    switch (mn) {
        case Mn::ADC: return "ADd with Carry";
        case Mn::SBC: return "SuBtract with Carry";
        case Mn::ADI: return "ADd Immediate";
        case Mn::DCA: return "DeCimal Add with Carry";
        case Mn::DCS: return "DeCimal Substract";
        case Mn::AND: return "AND acc &";
        case Mn::ANI: return "ANd Immediat";
        case Mn::ORA: return "OR Acc &";
        case Mn::ORI: return "OR Immediat";
        case Mn::EOR: return "Exclusive Or Immediat";
        case Mn::BIT: return "BIT acc &";
        case Mn::BII: return "BIt Immediat";
        case Mn::CPA: return "ComPare Acc &";
        case Mn::CPI: return "ComPare Immediat";
        case Mn::INC: return "INCrement";
        case Mn::DEC: return "DECrement";
        case Mn::ADR: return "ADd Register";
        case Mn::DRL: return "Digit Rotate Left";
        case Mn::DRR: return "Digit Rotate Right";
        case Mn::LDA: return "LoaD Acc";
        case Mn::LDI: return "LoaD Immediat";
        case Mn::STA: return "Store Acc";
        case Mn::LDX: return "LoaD Xreg =";
        case Mn::STX: return "STore X to";
        case Mn::PSH: return "PUSH";
        case Mn::POP: return "POP";
        default: return nullptr;
    }
}

void Describe(RecordText& t, int index) {
    const OpcodeFacts& f = kOpcodes[index];
    const Mn mn = f.mnemonic;
    if (mn == Mn::Undefined) {
        t.Add(IsFdPage(index) ? "*** Opération FD Inconnue ***" : "*** Opération Inconnue ***");
    } else if (const char* fixed = FixedDescription(mn)) {
        t.Add(fixed);
    } else if (mn == Mn::VEJ) {
        const auto n = static_cast<uint8_t>(index);
        t.Format("VEctor subroutine Jump %02X (address %04X)", n, VejRoutine(n));
    } else if (f.arg == Arg::Forward || f.arg == Arg::Backward) {
        t.Add(f.arg == Arg::Forward ? "Branch +" : "Branch -");
        if (mn != Mn::BCH) t.Add(" if ").Add(Condition(mn));
    } else if (IsConditionalVectorCall(mn)) {
        t.Add("SubRoutine Jump if ").Add(Condition(mn));
    } else if (mn == Mn::LIN || mn == Mn::LDE || mn == Mn::SIN || mn == Mn::SDE) {
        const std::string reg(RegisterName(f.reg));
        const char* r = reg.c_str();
        const bool load = mn == Mn::LIN || mn == Mn::LDE;
        const bool up = mn == Mn::LIN || mn == Mn::SIN;
        t.Format("%s acc (%s) & %s %s", load ? "Load" : "Store", r, up ? "INcrement" : "DEcrement", r);
    } else if (mn == Mn::LDI && f.reg == Reg::VH) {
        t.Add("!!! LoaD Immediat VH");
    } else if (const char* stem = DescriptionStem(mn)) {
        t.Add(stem).Add(" ");
        // The A forms of the immediates name the accumulator their own way.
        if (f.arg == Arg::Reg8Imm && f.reg == Reg::A && (mn == Mn::ANI || mn == Mn::ORI || mn == Mn::BII))
            t.Add("acc");
        else if (f.arg == Arg::Reg8Imm || f.arg == Arg::Reg16Abs || mn == Mn::PSH || mn == Mn::POP ||
                 mn == Mn::LDX || mn == Mn::STX)
            t.Add(mn == Mn::PSH || mn == Mn::POP ? std::string(RegisterName(f.reg)) : DescribedRegister(f.reg));
        else
            t.Add(DescribedOperand(f));
    }
}

// The address an instruction's access line asks about, and whether the line
// reads "--> Set"; false when the instruction has no access line.
bool AccessAddress(const Operands& o, uint16_t& a, bool& set) {
    const OpcodeFacts& f = *o.f;
    const Mn mn = f.mnemonic;
    set = false;
    const bool firstBankForm = (IsRegisterIndirect(f.arg) || IsAbsolute(f.arg)) && !IsSecondBank(f.arg);
    switch (mn) {
        case Mn::ADC:
            // ADC #(U) and #(Y) annotate U and Y as ME0 addresses; #(X) does not.
            if (f.arg == Arg::Io && f.reg != Reg::X) return a = o.Register16(f.reg), true;
            [[fallthrough]];
        case Mn::ADI: case Mn::AND: case Mn::ANI: case Mn::BII: case Mn::BIT: case Mn::CPA: case Mn::DCA:
        case Mn::DCS: case Mn::EOR: case Mn::LDA: case Mn::ORA: case Mn::ORI: case Mn::SBC: case Mn::DRL:
        case Mn::DRR:
            if (!firstBankForm) return false;
            return a = o.Address(), true;
        case Mn::STA:
            if (!firstBankForm) return false;
            set = true;
            return a = o.Address(), true;
        case Mn::LIN: case Mn::LDE: case Mn::SIN: case Mn::SDE: case Mn::ADR: case Mn::LDX:
            return a = o.Register16(f.reg), true;
        case Mn::CIN: return a = o.m->X, true;
        case Mn::LDI:
            if (f.arg != Arg::Reg16Abs) return false;
            return a = o.Word(0), true;
        case Mn::STX:
            set = true;
            return a = o.m->X, true;
        case Mn::SJP: return a = o.Word(0), true;
        default: return false;
    }
}

// "--> Get (%04x) : " or "--> Set (%04x) : " and the annotation of a, when
// it has one.
void AddAccessLine(RecordText& t, uint16_t a, bool set) {
    char annotation[kAnnotationSize];
    Me0Annotation(a, annotation);
    if (annotation[0] == '\0') return;
    t.Format("--> %s (%04x) : ", set ? "Set" : "Get", a).Add(annotation);
}

}  // namespace

void FormDescription(LH5801* m, int index) {
    RecordText t(m->Li);
    Describe(t, index);
}

// The register line, as "                        IE:%01d C:%01d Z:%01d H:%01d V:%01d IR0:%01d IR1:%01d
// IR2:%01d PV:%01d PU:%01d DISP:%01d A:%02X X:%04X Y:%04X U:%04X InOut:%02X P:%04X S:%04X TM:%03X
// Nb Cycle:%02d\n" would print it (on one line). Formed without printf: it
// is the text the trace writes most often.
void FormRegisterLine(LH5801* m) {
    RecordText bu(m->BU);
    bu.Add("                        IE:").Number(m->IE, 10, 1);
    bu.Add(" C:").Number(m->C, 10, 1).Add(" Z:").Number(m->Z, 10, 1);
    bu.Add(" H:").Number(m->H, 10, 1).Add(" V:").Number(m->V, 10, 1);
    bu.Add(" IR0:").Number(m->IR0, 10, 1).Add(" IR1:").Number(m->IR1, 10, 1).Add(" IR2:").Number(m->IR2, 10, 1);
    bu.Add(" PV:").Number(m->PV, 10, 1).Add(" PU:").Number(m->PU, 10, 1).Add(" DISP:").Number(m->DISP, 10, 1);
    bu.Add(" A:").Number(m->A, 16, 2).Add(" X:").Number(m->X, 16, 4).Add(" Y:").Number(m->Y, 16, 4);
    bu.Add(" U:").Number(m->U, 16, 4).Add(" InOut:").Number(m->InOut, 16, 2);
    bu.Add(" P:").Number(m->P, 16, 4).Add(" S:").Number(m->S, 16, 4).Add(" TM:").Number(m->TM, 16, 3);
    bu.Add(" Nb Cycle:").Number(m->Cycle, 10, 2).Add("\n");
    RecordText debug(m->Debug);
    if (m->P >= kRomCommentsFirst) debug.Add(RomComment(m->P));
}

void FormAccessLine(LH5801* m, int index) {
    RecordText t(m->GetSet);
    const Operands o{&kOpcodes[index], index, m};
    if (o.f->mnemonic == Mn::TIN) {
        AddAccessLine(t, m->X, false);
        AddAccessLine(t, m->Y, true);
        return;
    }
    uint16_t a;
    bool set;
    if (AccessAddress(o, a, set)) AddAccessLine(t, a, set);
}

void FormInstructionTexts(LH5801* m, int index) {
    const bool listingOnly = m->Desassemble == 1;
    FormInstructionLine(m, index, listingOnly);
    FormDescription(m, index);
    FormRegisterLine(m);
    FormAccessLine(m, index);
}
