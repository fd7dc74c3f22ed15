#include "tools/asm/operands.h"

#include <cctype>
#include <map>

#include "tools/asm/source.h"

namespace lh5801asm {

namespace {

// Mnemonic -> opcode indices and register name -> register, both read from
// the opcode facts once.
struct Lookup {
    std::map<std::string, std::vector<int>, std::less<>> opcodes;
    std::map<std::string, Reg, std::less<>> registers;

    Lookup() {
        for (int i = 0; i < static_cast<int>(kOpcodes.size()); ++i) {
            const OpcodeFacts& f = kOpcodes[i];
            if (!f.defined() || f.mnemonic == Mn::Prefix) continue;
            opcodes[std::string(MnemonicName(f.mnemonic))].push_back(i);
            if (f.reg != Reg::None) registers[std::string(RegisterName(f.reg))] = f.reg;
        }
    }
};

const Lookup& Tables() {
    static const Lookup lookup;
    return lookup;
}

std::optional<Reg> RegisterNamed(std::string_view text) {
    const auto& regs = Tables().registers;
    const auto it = regs.find(Upper(Trim(text)));
    return it == regs.end() ? std::nullopt : std::optional<Reg>(it->second);
}

// The text inside "(...)" when those parentheses enclose all of it.
std::optional<std::string_view> Enclosed(std::string_view t) {
    if (t.size() < 2 || t.front() != '(' || t.back() != ')') return std::nullopt;
    int depth = 0;
    for (size_t i = 0; i < t.size(); ++i) {
        if (t[i] == '(') ++depth;
        if (t[i] == ')' && --depth == 0 && i != t.size() - 1) return std::nullopt;
    }
    return Trim(t.substr(1, t.size() - 2));
}

bool IsBareHex(std::string_view t) {
    if (t.empty() || t.size() > 2) return false;
    for (char c : t)
        if (!std::isxdigit(static_cast<unsigned char>(c))) return false;
    return true;
}

// "(R)" or "(expr)", the '#' already taken off.
bool ParseMemory(std::string_view inner, bool io, bool vectorHex, Operand& op, std::string& error) {
    if (const std::optional<Reg> r = RegisterNamed(inner)) {
        op.shape = io ? Shape::Io : Shape::Mem;
        op.reg = *r;
        return true;
    }
    op.shape = io ? Shape::IoAbs : Shape::MemAbs;
    if (vectorHex && !io && IsBareHex(inner)) {
        op.expr = ParseExpression(std::string(1, '&').append(inner), error);
    } else {
        op.expr = ParseExpression(inner, error);
    }
    return op.expr != nullptr;
}

bool ParseOperand(std::string_view t, bool vectorHex, Operand& op, std::string& error) {
    if (t.empty()) return error = "empty operand", false;
    if (const std::optional<Reg> r = RegisterNamed(t)) {
        op.shape = Shape::Reg;
        op.reg = *r;
        return true;
    }
    if (t[0] == '#') {
        const std::optional<std::string_view> inner = Enclosed(Trim(t.substr(1)));
        if (!inner) return error = "'#' must be followed by (register) or (address): '" + std::string(t) + "'", false;
        return ParseMemory(*inner, true, vectorHex, op, error);
    }
    if (const std::optional<std::string_view> inner = Enclosed(t)) return ParseMemory(*inner, false, vectorHex, op, error);
    op.shape = Shape::Value;
    op.expr = ParseExpression(t, error);
    return op.expr != nullptr;
}

struct Part {
    Shape shape;
    Reg reg = Reg::None;
};

// The operands that an opcode's form stands for, in the notation of the grids.
std::vector<Part> FormOf(const OpcodeFacts& f) {
    using enum Arg;
    switch (f.arg) {
        case None: return {};
        case Reg8:
        case Reg16: return {{Shape::Reg, f.reg}};
        case Mem: return {{Shape::Mem, f.reg}};
        case Io: return {{Shape::Io, f.reg}};
        case MemAbs:
        case Vector: return {{Shape::MemAbs}};
        case IoAbs: return {{Shape::IoAbs}};
        case Imm:
        case Abs:
        case Forward:
        case Backward: return {{Shape::Value}};
        case Reg8Imm:
        case Reg16Abs:
        case LoopBack: return {{Shape::Reg, f.reg}, {Shape::Value}};
        case MemImm: return {{Shape::Mem, f.reg}, {Shape::Value}};
        case IoImm: return {{Shape::Io, f.reg}, {Shape::Value}};
        case MemAbsImm: return {{Shape::MemAbs}, {Shape::Value}};
        case IoAbsImm: return {{Shape::IoAbs}, {Shape::Value}};
    }
    return {};
}

bool FormMatches(const OpcodeFacts& f, const std::vector<Operand>& operands) {
    const std::vector<Part> form = FormOf(f);
    if (form.size() != operands.size()) return false;
    for (size_t i = 0; i < form.size(); ++i)
        if (form[i].shape != operands[i].shape || form[i].reg != operands[i].reg) return false;
    return true;
}

bool ValueOf(const Operand& op, const Evaluator& eval, int64_t& v, std::string& error) {
    const Value r = eval(*op.expr);
    if (!r.value) return error = r.error, false;
    v = *r.value;
    return true;
}

// Branches: the forward or the backward opcode by the sign of the distance
// from the next instruction; LOP has only the backward one.
bool ChooseBranch(const std::vector<int>& matches, int64_t address, int64_t target, int& index, uint8_t& d,
                  std::string& error) {
    const int64_t distance = target - (address + 2);
    const Arg wanted = distance >= 0 ? Arg::Forward : Arg::Backward;
    index = -1;
    for (int m : matches)
        if (kOpcodes[m].arg == wanted || (kOpcodes[m].arg == Arg::LoopBack && distance <= 0)) index = m;
    const std::string name(MnemonicName(kOpcodes[matches[0]].mnemonic));
    if (index < 0) return error = name + " only branches backward; the target is " + std::to_string(distance) + " bytes ahead", false;
    const int64_t magnitude = distance >= 0 ? distance : -distance;
    if (magnitude > 255) return error = name + " target out of range: distance " + std::to_string(distance) + " (at most 255 either way)", false;
    d = static_cast<uint8_t>(magnitude);
    return true;
}

bool ChooseVector(const std::vector<int>& matches, int64_t n, int& index, std::string& error) {
    for (int m : matches)
        if ((m & 0xFF) == n) return index = m, true;
    error = "no vector call (" + (n >= 0 && n <= 0xFF ? HexText(n, 2) : std::to_string(n)) + "); VEJ takes (" +
            HexText(matches.front() & 0xFF, 2) + ") to (" + HexText(matches.back() & 0xFF, 2) + "), even numbers";
    return false;
}

void Put(std::vector<uint8_t>& bytes, int64_t v, int size) {
    if (size == 2) bytes.push_back(static_cast<uint8_t>(v >> 8));
    bytes.push_back(static_cast<uint8_t>(v));
}

}  // namespace

bool ParseOperands(std::string_view text, bool vectorHex, std::vector<Operand>& out, std::string& error) {
    out.clear();
    if (Trim(text).empty()) return true;
    for (const std::string& part : SplitOperands(text)) {
        Operand op;
        if (!ParseOperand(part, vectorHex, op, error)) return false;
        out.push_back(std::move(op));
    }
    return true;
}

const std::vector<int>* OpcodesOf(const std::string& mnemonic) {
    const auto& ops = Tables().opcodes;
    const auto it = ops.find(mnemonic);
    return it == ops.end() ? nullptr : &it->second;
}

bool IsRegisterName(const std::string& upperName) { return Tables().registers.count(upperName) != 0; }

bool TakesVector(const std::vector<int>& opcodes) {
    return !opcodes.empty() && kOpcodes[opcodes[0]].arg == Arg::Vector;
}

std::vector<int> MatchingOpcodes(const std::vector<int>& opcodes, const std::vector<Operand>& operands) {
    std::vector<int> matches;
    for (int i : opcodes)
        if (FormMatches(kOpcodes[i], operands)) matches.push_back(i);
    return matches;
}

std::string ValidForms(const std::vector<int>& opcodes) {
    std::vector<std::string> forms;
    for (int i : opcodes) {
        std::string text;
        switch (kOpcodes[i].arg) {
            case Arg::None: text = "no operand"; break;
            case Arg::Vector: text = "(n)"; break;
            case Arg::Forward:
            case Arg::Backward: text = "target"; break;
            case Arg::LoopBack: text = std::string(RegisterName(kOpcodes[i].reg)) + ",target"; break;
            default: text = OperandText(i);
        }
        bool seen = false;
        for (const std::string& f : forms) seen = seen || f == text;
        if (!seen) forms.push_back(text);
    }
    std::string list;
    for (const std::string& f : forms) list += (list.empty() ? "" : ", ") + f;
    return list;
}

bool Encode(const std::vector<int>& matches, const std::vector<Operand>& operands, int64_t address,
            const Evaluator& eval, std::vector<uint8_t>& bytes, std::string& error) {
    int index = matches.front();
    const Arg arg = kOpcodes[index].arg;
    std::vector<int64_t> values;  // the operands that carry an expression, in order
    for (const Operand& op : operands) {
        if (!op.expr) continue;
        int64_t v = 0;
        if (!ValueOf(op, eval, v, error)) return false;
        values.push_back(v);
    }
    uint8_t displacement = 0;
    if (arg == Arg::Forward || arg == Arg::Backward || arg == Arg::LoopBack) {
        if (!ChooseBranch(matches, address, values.back(), index, displacement, error)) return false;
    } else if (arg == Arg::Vector) {
        if (!ChooseVector(matches, values.front(), index, error)) return false;
    }
    const OpcodeFacts& f = kOpcodes[index];
    bytes.clear();
    if (IsFdPage(index)) bytes.push_back(0xFD);
    bytes.push_back(static_cast<uint8_t>(index & 0xFF));
    switch (f.arg) {
        case Arg::Forward:
        case Arg::Backward:
        case Arg::LoopBack: bytes.push_back(displacement); break;
        case Arg::Vector: break;
        default: {
            // ab comes first and takes two bytes; i takes one.
            const bool hasWord = f.length - OperandOffset(index) >= 2;
            for (size_t k = 0; k < values.size(); ++k) {
                const int size = hasWord && k == 0 ? 2 : 1;
                if (!FitsIn(values[k], size, error)) return false;
                Put(bytes, values[k], size);
            }
        }
    }
    if (bytes.size() != f.length) return error = "internal: encoded length differs from the opcode facts", false;
    return true;
}

}  // namespace lh5801asm
