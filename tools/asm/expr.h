// Expressions of the assembler: numbers (&1F, 0x1F, 1FH, 31, 'A'), symbols,
// $ for the current address, HIGH()/LOW(), unary - + ~ and the binary
// operators * / + - << >> & ^ | with C precedence. Parsed once into a tree,
// evaluated in each pass against the symbol table of that pass.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lh5801asm {

struct Expr {
    enum class Kind { Number, Symbol, Dollar, Negate, Complement, High, Low, Binary };
    Kind kind = Kind::Number;
    int64_t number = 0;
    std::string symbol;  // upper case
    std::string op;      // binary operator
    std::vector<std::unique_ptr<Expr>> args;
};
using ExprPtr = std::unique_ptr<Expr>;

// Parses the whole text as one expression; on failure returns null and sets
// `error`.
ExprPtr ParseExpression(std::string_view text, std::string& error);

// A number literal alone ("&1F", "0x1F", "1FH", "31"); nullopt if the text is
// not one.
std::optional<int64_t> ParseNumber(std::string_view text);

// The outcome of an evaluation: a value, or an error. An empty error text
// means "no value, already reported elsewhere".
struct Value {
    std::optional<int64_t> value;
    std::string error;
    static Value Of(int64_t v) { return {v, {}}; }
    static Value Fail(std::string e) { return {std::nullopt, std::move(e)}; }
};

using SymbolLookup = std::function<Value(const std::string& name)>;

// `dollar` is the address of the statement being assembled.
Value Evaluate(const Expr& e, int64_t dollar, const SymbolLookup& lookup);

// Whether the name can be a symbol: a letter, '_' or '.', then letters,
// digits, '_' or '.'.
bool IsSymbolName(std::string_view name);
bool IsSymbolStart(char c);
bool IsSymbolChar(char c);

std::string Upper(std::string_view text);

// `digits` upper-case hex digits of v, e.g. HexText(0xC0, 4) == "00C0".
std::string HexText(int64_t v, int digits);

// Whether v fits in `bytes` (1 or 2) bytes: -128 to 255, -32768 to 65535,
// negative values in two's complement. If not, `error` says so.
bool FitsIn(int64_t v, int bytes, std::string& error);

}  // namespace lh5801asm
