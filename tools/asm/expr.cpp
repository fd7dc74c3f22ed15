#include "tools/asm/expr.h"

#include <cctype>

namespace lh5801asm {

std::string Upper(std::string_view text) {
    std::string s(text);
    for (char& c : s) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return s;
}

std::string HexText(int64_t v, int digits) {
    static const char* kDigits = "0123456789ABCDEF";
    std::string s(static_cast<size_t>(digits), '0');
    for (int i = digits - 1; i >= 0; --i, v >>= 4) s[static_cast<size_t>(i)] = kDigits[v & 0xF];
    return s;
}

bool FitsIn(int64_t v, int bytes, std::string& error) {
    const int64_t top = bytes == 1 ? 0xFF : 0xFFFF;
    if (v >= -(top + 1) / 2 && v <= top) return true;
    error = "value " + std::to_string(v) + " out of range for " + (bytes == 1 ? "a byte" : "a 16-bit word");
    return false;
}

bool IsSymbolStart(char c) { return std::isalpha(static_cast<unsigned char>(c)) || c == '_' || c == '.'; }
bool IsSymbolChar(char c) { return IsSymbolStart(c) || std::isdigit(static_cast<unsigned char>(c)); }

bool IsSymbolName(std::string_view name) {
    if (name.empty() || !IsSymbolStart(name[0])) return false;
    for (char c : name)
        if (!IsSymbolChar(c)) return false;
    return true;
}

namespace {

// Literals above FFFFFFFF mean nothing on a 16-bit machine; refusing them
// keeps the arithmetic far from overflow.
constexpr int64_t kLargestLiteral = 0xFFFFFFFF;

std::optional<int64_t> Digits(std::string_view s, int base) {
    if (s.empty()) return std::nullopt;
    int64_t v = 0;
    for (char c : s) {
        const int d = std::isdigit(static_cast<unsigned char>(c)) ? c - '0'
                      : std::isxdigit(static_cast<unsigned char>(c))
                          ? std::toupper(static_cast<unsigned char>(c)) - 'A' + 10
                          : 99;
        if (d >= base) return std::nullopt;
        v = v * base + d;
        if (v > kLargestLiteral) return std::nullopt;
    }
    return v;
}

}  // namespace

std::optional<int64_t> ParseNumber(std::string_view t) {
    if (t.empty()) return std::nullopt;
    if (t[0] == '&') return Digits(t.substr(1), 16);
    if (t.size() > 2 && t[0] == '0' && (t[1] == 'x' || t[1] == 'X')) return Digits(t.substr(2), 16);
    if (!std::isdigit(static_cast<unsigned char>(t[0]))) return std::nullopt;
    if (t.back() == 'h' || t.back() == 'H') return Digits(t.substr(0, t.size() - 1), 16);
    return Digits(t, 10);
}

namespace {

ExprPtr Leaf(Expr::Kind kind) {
    auto e = std::make_unique<Expr>();
    e->kind = kind;
    return e;
}

ExprPtr Node(Expr::Kind kind, ExprPtr a, ExprPtr b = nullptr) {
    auto e = Leaf(kind);
    e->args.push_back(std::move(a));
    if (b) e->args.push_back(std::move(b));
    return e;
}

// Recursive descent over the text; the first error stops the parse.
class Parser {
public:
    explicit Parser(std::string_view text) : s_(text) {}

    ExprPtr Parse(std::string& error) {
        ExprPtr e = Binary(0);
        Skip();
        if (error_.empty() && pos_ < s_.size()) Fail("unexpected '" + std::string(s_.substr(pos_)) + "'");
        error = error_;
        return error_.empty() ? std::move(e) : nullptr;
    }

private:
    // Binary operators by precedence level, lowest first.
    static constexpr std::string_view kLevels[][2] = {
        {"|", ""}, {"^", ""}, {"&", ""}, {"<<", ">>"}, {"+", "-"}, {"*", "/"},
    };
    static constexpr int kLevelCount = 6;

    void Skip() {
        while (pos_ < s_.size() && std::isspace(static_cast<unsigned char>(s_[pos_]))) ++pos_;
    }
    char Peek() {
        Skip();
        return pos_ < s_.size() ? s_[pos_] : '\0';
    }
    bool Accept(std::string_view op) {
        Skip();
        if (s_.substr(pos_, op.size()) != op) return false;
        pos_ += op.size();
        return true;
    }
    ExprPtr Fail(std::string message) {
        if (error_.empty()) error_ = std::move(message);
        return nullptr;
    }

    ExprPtr Binary(int level) {
        if (level == kLevelCount) return Unary();
        ExprPtr left = Binary(level + 1);
        while (left) {
            std::string_view op;
            for (std::string_view candidate : kLevels[level]) {
                if (!candidate.empty() && Accept(candidate)) {
                    op = candidate;
                    break;
                }
            }
            if (op.empty()) break;
            // A long chain of operators makes a deep tree too.
            if (++operators_ > kMaxOperators) return Fail("expression too long");
            ExprPtr right = Binary(level + 1);
            if (!right) return nullptr;
            left = Node(Expr::Kind::Binary, std::move(left), std::move(right));
            left->op = op;
        }
        return left;
    }

    ExprPtr Unary() {
        // Deep nesting of parentheses or unary operators would exhaust the stack.
        if (++depth_ > kMaxDepth) return Fail("expression nested too deeply");
        ExprPtr e = UnaryOperand();
        --depth_;
        return e;
    }

    ExprPtr UnaryOperand() {
        if (Accept("-")) return Wrap(Expr::Kind::Negate, Unary());
        if (Accept("~")) return Wrap(Expr::Kind::Complement, Unary());
        if (Accept("+")) return Unary();
        return Primary();
    }

    static ExprPtr Wrap(Expr::Kind kind, ExprPtr inner) { return inner ? Node(kind, std::move(inner)) : nullptr; }

    ExprPtr Primary() {
        const char c = Peek();
        if (c == '\0') return Fail("missing value");
        if (c == '(') {
            ++pos_;
            ExprPtr inner = Binary(0);
            if (inner && !Accept(")")) return Fail("missing ')'");
            return inner;
        }
        if (c == '$') {
            ++pos_;
            if (pos_ < s_.size() && IsSymbolChar(s_[pos_])) return Fail("'$' is the current address; write hex as &" + Word());
            return Leaf(Expr::Kind::Dollar);
        }
        if (c == '&' || std::isdigit(static_cast<unsigned char>(c))) return Number();
        if (c == '\'' || c == '"') return Character();
        if (IsSymbolStart(c)) return Symbol();
        return Fail("unexpected '" + std::string(s_.substr(pos_)) + "'");
    }

    // Letters, digits, '_' and '.' from the current position.
    std::string Word() {
        const size_t start = pos_;
        while (pos_ < s_.size() && IsSymbolChar(s_[pos_])) ++pos_;
        return std::string(s_.substr(start, pos_ - start));
    }

    ExprPtr Number() {
        std::string text;
        if (s_[pos_] == '&') {
            ++pos_;
            text = "&";
        }
        text += Word();
        const std::optional<int64_t> v = ParseNumber(text);
        if (!v) return Fail("bad number '" + text + "'");
        auto e = Leaf(Expr::Kind::Number);
        e->number = *v;
        return e;
    }

    ExprPtr Character() {
        const char quote = s_[pos_];
        const size_t close = s_.find(quote, pos_ + 1);
        if (close == std::string_view::npos) return Fail("missing closing quote");
        if (close != pos_ + 2) return Fail("a quoted value must be one character (strings go in DB)");
        auto e = Leaf(Expr::Kind::Number);
        e->number = static_cast<unsigned char>(s_[pos_ + 1]);
        pos_ = close + 1;
        return e;
    }

    ExprPtr Symbol() {
        const std::string name = Upper(Word());
        if ((name == "HIGH" || name == "LOW") && Peek() == '(') {
            ++pos_;
            ExprPtr inner = Binary(0);
            if (inner && !Accept(")")) return Fail("missing ')' after " + name + "(");
            return Wrap(name == "HIGH" ? Expr::Kind::High : Expr::Kind::Low, std::move(inner));
        }
        auto e = Leaf(Expr::Kind::Symbol);
        e->symbol = name;
        return e;
    }

    static constexpr int kMaxDepth = 200;
    static constexpr int kMaxOperators = 1000;
    std::string_view s_;
    size_t pos_ = 0;
    int depth_ = 0;
    int operators_ = 0;
    std::string error_;
};

// Wraps around in 64 bits instead of overflowing.
int64_t Wrapped(uint64_t v) { return static_cast<int64_t>(v); }

Value Apply(const std::string& op, int64_t a, int64_t b) {
    const uint64_t ua = static_cast<uint64_t>(a), ub = static_cast<uint64_t>(b);
    if (op == "+") return Value::Of(Wrapped(ua + ub));
    if (op == "-") return Value::Of(Wrapped(ua - ub));
    if (op == "*") return Value::Of(Wrapped(ua * ub));
    if (op == "/") {
        if (b == 0) return Value::Fail("division by zero");
        return Value::Of(b == -1 ? Wrapped(0 - ua) : a / b);
    }
    if (op == "&") return Value::Of(a & b);
    if (op == "|") return Value::Of(a | b);
    if (op == "^") return Value::Of(a ^ b);
    if (b < 0 || b > 63) return Value::Fail("shift count " + std::to_string(b) + " out of range 0-63");
    return Value::Of(op == "<<" ? static_cast<int64_t>(static_cast<uint64_t>(a) << b) : a >> b);
}

}  // namespace

ExprPtr ParseExpression(std::string_view text, std::string& error) { return Parser(text).Parse(error); }

Value Evaluate(const Expr& e, int64_t dollar, const SymbolLookup& lookup) {
    using K = Expr::Kind;
    switch (e.kind) {
        case K::Number: return Value::Of(e.number);
        case K::Dollar: return Value::Of(dollar);
        case K::Symbol: return lookup(e.symbol);
        default: break;
    }
    const Value a = Evaluate(*e.args[0], dollar, lookup);
    if (!a.value) return a;
    switch (e.kind) {
        case K::Negate: return Value::Of(Wrapped(0 - static_cast<uint64_t>(*a.value)));
        case K::Complement: return Value::Of(~*a.value);
        case K::High: return Value::Of((*a.value >> 8) & 0xFF);
        case K::Low: return Value::Of(*a.value & 0xFF);
        default: break;
    }
    const Value b = Evaluate(*e.args[1], dollar, lookup);
    if (!b.value) return b;
    return Apply(e.op, *a.value, *b.value);
}

}  // namespace lh5801asm
