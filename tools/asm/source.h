// Reading assembler sources: one statement a line, INCLUDE followed, every
// line split into label, mnemonic or directive, and operands.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "tools/asm/expr.h"

namespace lh5801asm {

struct Location {
    std::string file;
    int line = 0;
};

struct Diagnostic {
    Location where;
    std::string message;
    // "file:line: error: message"
    std::string Text() const;
};

enum class Directive { None, Org, Equ, Db, Dw, Ds, Include };

// One operand of DB or DW: an expression, or (DB only) a quoted string.
struct DataItem {
    ExprPtr expr;
    std::string bytes;  // the string's characters when expr is null
};

struct Statement {
    Location where;
    std::string line;       // the source line as written, for the listing
    std::string label;      // "name:" at the start, upper case
    std::string mnemonic;   // upper case; empty for directives and empty lines
    std::string operands;   // the instruction's operand text
    Directive directive = Directive::None;
    std::string name;       // the symbol an EQU defines, upper case
    ExprPtr expr;           // ORG, EQU, DS count
    ExprPtr fill;           // DS fill byte, optional
    std::vector<DataItem> data;
    bool bad = false;       // a parse error was reported for this line
};

// Reads a whole file; nullopt if it cannot be read.
using SourceReader = std::function<std::optional<std::string>(const std::string& path)>;
std::optional<std::string> ReadFileText(const std::string& path);

// Parses one line (without its end of line). On a syntax error sets `error`
// and marks the statement bad.
Statement ParseLine(std::string_view line, const Location& where, std::string& error);

// Parses the file and, in place of each INCLUDE, the file it names (relative
// to the including file). Statements come in source order; every problem
// is added to `errors`. `files` receives every file read.
std::vector<Statement> ReadProgram(const std::string& path, const SourceReader& reader,
                                   std::vector<Diagnostic>& errors, std::vector<std::string>& files);

// The operand text split at the commas that lie outside parentheses and
// quotes, each part trimmed.
std::vector<std::string> SplitOperands(std::string_view text);
std::string_view Trim(std::string_view text);

}  // namespace lh5801asm
