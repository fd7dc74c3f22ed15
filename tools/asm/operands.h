// Instruction operands: their syntax in the notation of the opcode grids, and
// the choice and encoding of an opcode. Which mnemonic takes which operand
// form, with which length, comes from kOpcodes alone.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "cpu/opcodes.h"
#include "tools/asm/expr.h"

namespace lh5801asm {

// The syntactic shape of one comma-separated operand.
enum class Shape {
    Reg,     // A, XL, X, S ...
    Mem,     // (R)
    Io,      // #(R)
    MemAbs,  // (expr)
    IoAbs,   // #(expr)
    Value,   // expr
};

struct Operand {
    Shape shape = Shape::Value;
    Reg reg = Reg::None;
    ExprPtr expr;  // MemAbs, IoAbs, Value
};

// Splits and classifies the operand text. `vectorHex`: inside "(..)" bare
// hex digits are a hex number, as the vector calls are written ("VEJ (C0)").
bool ParseOperands(std::string_view text, bool vectorHex, std::vector<Operand>& out, std::string& error);

// The opcode indices (into kOpcodes) of a mnemonic given in upper case;
// null if there is no such mnemonic.
const std::vector<int>* OpcodesOf(const std::string& mnemonic);
bool IsRegisterName(const std::string& upperName);
// Whether the mnemonic is a vector call through "(n)".
bool TakesVector(const std::vector<int>& opcodes);

// Those of `opcodes` whose operand form the operands have. They share one
// length; several remain for the branches (forward and backward) and VEJ.
std::vector<int> MatchingOpcodes(const std::vector<int>& opcodes, const std::vector<Operand>& operands);

// "the operand forms XL, (X), #(ab) ..." for error messages.
std::string ValidForms(const std::vector<int>& opcodes);

// Evaluates an operand expression in the current pass.
using Evaluator = std::function<Value(const Expr&)>;

// Chooses among `matches` (branch direction, vector number) and writes the
// instruction's bytes. On failure returns false with the reason in `error`
// (empty if the reason was reported already).
bool Encode(const std::vector<int>& matches, const std::vector<Operand>& operands, int64_t address,
            const Evaluator& eval, std::vector<uint8_t>& bytes, std::string& error);

}  // namespace lh5801asm
