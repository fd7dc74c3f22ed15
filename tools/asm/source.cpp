#include "tools/asm/source.h"

#include <cctype>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace lh5801asm {

std::string Diagnostic::Text() const {
    std::string text = where.file;
    if (where.line > 0) text += ':' + std::to_string(where.line);
    return text + ": error: " + message;
}

std::optional<std::string> ReadFileText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::ostringstream text;
    text << in.rdbuf();
    if (in.bad()) return std::nullopt;
    return text.str();
}

std::string_view Trim(std::string_view t) {
    while (!t.empty() && std::isspace(static_cast<unsigned char>(t.front()))) t.remove_prefix(1);
    while (!t.empty() && std::isspace(static_cast<unsigned char>(t.back()))) t.remove_suffix(1);
    return t;
}

std::vector<std::string> SplitOperands(std::string_view text) {
    std::vector<std::string> parts;
    int depth = 0;
    char quote = 0;
    size_t start = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (quote) {
            if (c == quote) quote = 0;
        } else if (c == '\'' || c == '"') {
            quote = c;
        } else if (c == '(') {
            ++depth;
        } else if (c == ')') {
            --depth;
        } else if (c == ',' && depth == 0) {
            parts.emplace_back(Trim(text.substr(start, i - start)));
            start = i + 1;
        }
    }
    parts.emplace_back(Trim(text.substr(start)));
    return parts;
}

namespace {

// The line up to its comment; false if a quote is left open.
bool StripComment(std::string_view line, std::string_view& code) {
    char quote = 0;
    for (size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (quote) {
            if (c == quote) quote = 0;
        } else if (c == '\'' || c == '"') {
            quote = c;
        } else if (c == ';') {
            code = line.substr(0, i);
            return true;
        }
    }
    code = line;
    return quote == 0;
}

std::string_view TakeWord(std::string_view& rest) {
    size_t n = 0;
    while (n < rest.size() && IsSymbolChar(rest[n])) ++n;
    std::string_view word = rest.substr(0, n);
    rest = Trim(rest.substr(n));
    return word;
}

Directive DirectiveNamed(const std::string& word) {
    if (word == "ORG") return Directive::Org;
    if (word == "EQU") return Directive::Equ;
    if (word == "DB") return Directive::Db;
    if (word == "DW") return Directive::Dw;
    if (word == "DS") return Directive::Ds;
    if (word == "INCLUDE") return Directive::Include;
    return Directive::None;
}

// "text" or 'text', the closing quote being the last character.
bool IsQuoted(std::string_view t) {
    return t.size() >= 2 && (t.front() == '"' || t.front() == '\'') && t.find(t.front(), 1) == t.size() - 1;
}

bool ParseData(Statement& s, std::string_view text, std::string& error) {
    if (Trim(text).empty()) return error = "DB/DW need at least one value", false;
    for (const std::string& part : SplitOperands(text)) {
        DataItem item;
        if (s.directive == Directive::Db && IsQuoted(part) && part.size() != 3) {
            item.bytes = part.substr(1, part.size() - 2);
        } else {
            item.expr = ParseExpression(part, error);
            if (!item.expr) return false;
        }
        s.data.push_back(std::move(item));
    }
    return true;
}

// ORG, EQU, DS: one expression (DS: and an optional fill byte).
bool ParseValues(Statement& s, std::string_view text, std::string& error) {
    const std::vector<std::string> parts = SplitOperands(text);
    const size_t most = s.directive == Directive::Ds ? 2 : 1;
    if (parts.size() > most || parts[0].empty()) return error = "expected " + std::string(most == 2 ? "a count and an optional fill byte" : "one value"), false;
    s.expr = ParseExpression(parts[0], error);
    if (s.expr && parts.size() == 2) s.fill = ParseExpression(parts[1], error);
    return error.empty();
}

bool ParseDirective(Statement& s, std::string_view text, std::string& error) {
    switch (s.directive) {
        case Directive::Db:
        case Directive::Dw: return ParseData(s, text, error);
        case Directive::Include:
            if (IsQuoted(text)) text = text.substr(1, text.size() - 2);
            s.operands = std::string(Trim(text));
            if (s.operands.empty()) return error = "INCLUDE needs a file name", false;
            return true;
        default: return ParseValues(s, text, error);
    }
}

bool ParseStatement(Statement& s, std::string_view code, std::string& error) {
    std::string_view rest = Trim(code);
    if (!rest.empty() && IsSymbolStart(rest[0])) {
        std::string_view after = rest;
        const std::string_view word = TakeWord(after);
        if (!after.empty() && after[0] == ':') {
            s.label = Upper(word);
            rest = Trim(after.substr(1));
        }
    }
    if (rest.empty()) return true;
    if (!IsSymbolStart(rest[0])) return error = "expected a label, mnemonic or directive, found '" + std::string(rest) + "'", false;
    const std::string first = Upper(TakeWord(rest));
    std::string_view afterSecond = rest;
    const std::string second = Upper(TakeWord(afterSecond));
    const bool equalSign = !rest.empty() && rest[0] == '=';
    if (second == "EQU" || equalSign) {  // name EQU value, name = value
        if (!s.label.empty()) return error = "a line defines one name: '" + s.label + ":' and '" + first + "'", false;
        s.directive = Directive::Equ;
        s.name = first;
        return ParseValues(s, equalSign ? rest.substr(1) : afterSecond, error);
    }
    s.directive = DirectiveNamed(first);
    if (s.directive == Directive::Equ) {  // name: EQU value
        if (s.label.empty()) return error = "EQU needs a name", false;
        s.name = std::move(s.label);
        s.label.clear();
    }
    if (s.directive != Directive::None) return ParseDirective(s, rest, error);
    s.mnemonic = first;
    s.operands = std::string(rest);
    return true;
}

}  // namespace

Statement ParseLine(std::string_view line, const Location& where, std::string& error) {
    Statement s;
    s.where = where;
    s.line = std::string(line);
    std::string_view code;
    error.clear();
    if (!StripComment(line, code)) error = "missing closing quote";
    else ParseStatement(s, code, error);
    s.bad = !error.empty();
    return s;
}

namespace {

constexpr int kMaxIncludeDepth = 16;

struct ReadState {
    const SourceReader& reader;
    std::vector<Diagnostic>& errors;
    std::vector<std::string>& files;
    std::vector<Statement> statements;
    std::vector<std::string> open;  // the include chain, for cycles
};

void ReadInto(ReadState& st, const std::string& path, const Location* from);

// The included file is named relative to the file that includes it.
void Include(ReadState& st, const Location& where, const std::string& name) {
    namespace fs = std::filesystem;
    const std::string target = (fs::path(where.file).parent_path() / name).lexically_normal().string();
    for (const std::string& f : st.open)
        if (f == target) return st.errors.push_back({where, "INCLUDE of '" + name + "' loops back to a file being read"});
    if (st.open.size() >= kMaxIncludeDepth) return st.errors.push_back({where, "INCLUDE nested too deeply"});
    ReadInto(st, target, &where);
}

void ReadInto(ReadState& st, const std::string& path, const Location* from) {
    const std::optional<std::string> text = st.reader(path);
    if (!text) {
        st.errors.push_back({from ? *from : Location{path, 0}, "cannot read '" + path + "'"});
        return;
    }
    st.files.push_back(path);
    st.open.push_back(path);
    std::string_view rest = *text;
    for (int number = 1; !rest.empty(); ++number) {
        const size_t end = rest.find('\n');
        std::string_view line = rest.substr(0, end);
        rest = end == std::string_view::npos ? std::string_view{} : rest.substr(end + 1);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        std::string error;
        const Location where{path, number};
        st.statements.push_back(ParseLine(line, where, error));
        if (!error.empty()) st.errors.push_back({where, error});
        if (st.statements.back().directive == Directive::Include && !st.statements.back().bad)
            Include(st, where, std::string(st.statements.back().operands));
    }
    st.open.pop_back();
}

}  // namespace

std::vector<Statement> ReadProgram(const std::string& path, const SourceReader& reader,
                                   std::vector<Diagnostic>& errors, std::vector<std::string>& files) {
    ReadState st{reader, errors, files, {}, {}};
    ReadInto(st, path, nullptr);
    return std::move(st.statements);
}

}  // namespace lh5801asm
