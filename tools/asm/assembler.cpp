#include "tools/asm/assembler.h"

#include <algorithm>
#include <map>

#include "tools/asm/operands.h"

namespace lh5801asm {

namespace {

constexpr int64_t kAddressSpace = 0x10000;
// Each EQU that refers to another one nests a call; this bounds the stack.
constexpr int kMaxEquNesting = 1000;

std::string Hex4(int64_t v) { return HexText(v, 4); }

std::string Where(const Location& at) { return at.file + ":" + std::to_string(at.line); }

struct Symbol {
    Location where;
    const Statement* equ = nullptr;  // null for a label
    int64_t address = 0;             // a label's value; the $ of an EQU
    enum class State { Pending, Resolving, Done, Failed } state = State::Pending;
    int64_t value = 0;
};

// What the first pass found out about a statement.
struct Layout {
    bool skip = false;  // an error was reported; the second pass leaves it out
    int64_t address = 0;
    int64_t size = 0;
    std::vector<int> matches;       // instructions: the candidate opcodes
    std::vector<Operand> operands;  // instructions: the parsed operands
};

class Assembler {
public:
    Assembler(std::vector<Statement> statements, const Options& options, Assembly& out)
        : statements_(std::move(statements)), layouts_(statements_.size()), options_(options), out_(out),
          owner_(kAddressSpace, -1) {}

    void Run() {
        for (size_t i = 0; i < statements_.size(); ++i) Layout1(statements_[i], layouts_[i]);
        for (size_t i = 0; i < statements_.size(); ++i) Emit(i);
        SortErrors();
    }

private:
    void Error(const Location& at, std::string message) { out_.errors.push_back({at, std::move(message)}); }

    // Errors in source order, whichever pass found them.
    void SortErrors() {
        std::map<std::pair<std::string, int>, size_t> order;
        for (size_t i = 0; i < statements_.size(); ++i) order.try_emplace({statements_[i].where.file, statements_[i].where.line}, i);
        const auto rank = [&](const Diagnostic& d) {
            const auto it = order.find({d.where.file, d.where.line});
            return it == order.end() ? -1 : static_cast<int64_t>(it->second);
        };
        std::stable_sort(out_.errors.begin(), out_.errors.end(),
                         [&](const Diagnostic& a, const Diagnostic& b) { return rank(a) < rank(b); });
    }

    // ---- Symbols --------------------------------------------------------

    bool Define(const std::string& name, const Location& at, const Statement* equ, int64_t address) {
        if (IsRegisterName(name)) return Error(at, "'" + name + "' is a register name and cannot be a label"), false;
        const auto [it, fresh] = symbols_.try_emplace(name, Symbol{at, equ, address});
        if (!fresh) return Error(at, "duplicate label '" + name + "' (first defined at " + Where(it->second.where) + ")"), false;
        return true;
    }

    // First pass: only what is defined above the current line is known.
    Value LookupEarly(const std::string& name) {
        const auto it = symbols_.find(name);
        if (it == symbols_.end()) return Value::Fail("'" + name + "' must be defined above this line");
        Symbol& s = it->second;
        if (!s.equ) return Value::Of(s.address);
        if (!s.equ->expr) return Value::Fail("'" + name + "' has no value: its line has an error");
        if (s.state == Symbol::State::Resolving) return Value::Fail("circular definition of '" + name + "'");
        if (nesting_ >= kMaxEquNesting) return Value::Fail("EQU '" + name + "' refers through too many other EQUs");
        s.state = Symbol::State::Resolving;
        ++nesting_;
        const Value v = Evaluate(*s.equ->expr, s.address, [this](const std::string& n) { return LookupEarly(n); });
        --nesting_;
        s.state = Symbol::State::Pending;
        return v;
    }

    // Second pass: every label is known; an EQU is worked out once, its errors
    // reported at its own line.
    Value Lookup(const std::string& name) {
        const auto it = symbols_.find(name);
        if (it == symbols_.end()) return Value::Fail("undefined label '" + name + "'");
        Symbol& s = it->second;
        if (!s.equ) return Value::Of(s.address);
        switch (s.state) {
            case Symbol::State::Done: return Value::Of(s.value);
            case Symbol::State::Failed: return Value::Fail("");
            case Symbol::State::Resolving: return Value::Fail("circular definition of '" + name + "'");
            case Symbol::State::Pending: break;
        }
        if (nesting_ >= kMaxEquNesting) return Value::Fail("EQU '" + name + "' refers through too many other EQUs");
        s.state = Symbol::State::Resolving;
        ++nesting_;
        const Value v = Evaluate(*s.equ->expr, s.address, [this](const std::string& n) { return Lookup(n); });
        --nesting_;
        if (v.value) {
            s.state = Symbol::State::Done;
            s.value = *v.value;
            return v;
        }
        s.state = Symbol::State::Failed;
        if (!v.error.empty()) Error(s.where, v.error);
        return Value::Fail("");
    }

    // ---- First pass: addresses and sizes --------------------------------

    // ORG and DS need their value in the first pass.
    std::optional<int64_t> EarlyValue(const Statement& s, const Expr& e, const char* what) {
        const Value v = Evaluate(e, pc_, [this](const std::string& n) { return LookupEarly(n); });
        if (!v.value) Error(s.where, std::string(what) + ": " + v.error);
        return v.value;
    }

    void Layout1(const Statement& s, Layout& l) {
        l.skip = s.bad;
        if (s.bad) return DefineOnBadLine(s);
        if (s.directive == Directive::Org) {
            const std::optional<int64_t> origin = EarlyValue(s, *s.expr, "ORG");
            if (origin && (*origin < 0 || *origin >= kAddressSpace)) Error(s.where, "ORG " + std::to_string(*origin) + " is outside 0000-FFFF");
            else if (origin) pc_ = *origin;
        }
        l.address = pc_;
        if (!s.label.empty()) Define(s.label, s.where, nullptr, pc_);
        if (s.directive == Directive::Equ) Define(s.name, s.where, &s, pc_);
        l.size = SizeOf(s, l);
        if (l.skip) return;
        if (pc_ + l.size > kAddressSpace) {
            Error(s.where, "code runs past FFFF");
            l.skip = true;
            return;
        }
        pc_ += l.size;
    }

    // The names of a line that did not parse still exist, so that their uses
    // do not add "undefined label" errors; an EQU of them has no value.
    void DefineOnBadLine(const Statement& s) {
        if (!s.label.empty()) Define(s.label, s.where, nullptr, pc_);
        if (s.directive == Directive::Equ && Define(s.name, s.where, &s, pc_)) symbols_[s.name].state = Symbol::State::Failed;
    }

    int64_t SizeOf(const Statement& s, Layout& l) {
        switch (s.directive) {
            case Directive::Db: {
                int64_t n = 0;
                for (const DataItem& d : s.data) n += d.expr ? 1 : static_cast<int64_t>(d.bytes.size());
                return n;
            }
            case Directive::Dw: return 2 * static_cast<int64_t>(s.data.size());
            case Directive::Ds: {
                const std::optional<int64_t> n = EarlyValue(s, *s.expr, "DS");
                if (n && (*n < 0 || *n > kAddressSpace)) Error(s.where, "DS count " + std::to_string(*n) + " is outside 0-65536");
                else if (n) return *n;
                l.skip = true;
                return 0;
            }
            case Directive::None: return s.mnemonic.empty() ? 0 : InstructionSize(s, l);
            default: return 0;
        }
    }

    int64_t InstructionSize(const Statement& s, Layout& l) {
        const std::vector<int>* opcodes = OpcodesOf(s.mnemonic);
        std::string error;
        if (!opcodes) error = "unknown mnemonic '" + s.mnemonic + "'";
        else if (ParseOperands(s.operands, TakesVector(*opcodes), l.operands, error)) {
            l.matches = MatchingOpcodes(*opcodes, l.operands);
            if (l.matches.empty())
                error = (Trim(s.operands).empty() ? s.mnemonic + " needs an operand"
                                                  : "operand form '" + std::string(Trim(s.operands)) + "' not valid for " + s.mnemonic) +
                        " (valid: " + ValidForms(*opcodes) + ")";
        }
        if (!error.empty()) {
            Error(s.where, error);
            l.skip = true;
            return 0;
        }
        return kOpcodes[l.matches[0]].length;
    }

    // ---- Second pass: bytes ---------------------------------------------

    Value ValueAt(const Expr& e, int64_t address) {
        return Evaluate(e, address, [this](const std::string& n) { return Lookup(n); });
    }

    // A byte or word of DB, DW and DS; false if it could not be had.
    bool DataValue(const Statement& s, const Expr& e, int64_t address, int bytes, int64_t& v) {
        const Value r = ValueAt(e, address);
        if (!r.value) {
            if (!r.error.empty()) Error(s.where, r.error);
            return false;
        }
        v = *r.value;
        std::string error;
        if (FitsIn(v, bytes, error)) return true;
        Error(s.where, error);
        return false;
    }

    bool DataBytes(const Statement& s, const Layout& l, std::vector<uint8_t>& bytes) {
        bool ok = true;
        for (const DataItem& d : s.data) {
            if (!d.expr) {
                bytes.insert(bytes.end(), d.bytes.begin(), d.bytes.end());
                continue;
            }
            int64_t v = 0;
            const int size = s.directive == Directive::Dw ? 2 : 1;
            if (!DataValue(s, *d.expr, l.address, size, v)) ok = false;
            if (size == 2) bytes.push_back(static_cast<uint8_t>(v >> 8));  // high byte first, as the CPU reads words
            bytes.push_back(static_cast<uint8_t>(v));
        }
        return ok;
    }

    bool Bytes(const Statement& s, const Layout& l, std::vector<uint8_t>& bytes) {
        switch (s.directive) {
            case Directive::Db:
            case Directive::Dw: return DataBytes(s, l, bytes);
            case Directive::Ds: {
                int64_t fill = 0xFF;
                if (s.fill && !DataValue(s, *s.fill, l.address, 1, fill)) return false;
                bytes.assign(static_cast<size_t>(l.size), static_cast<uint8_t>(fill));
                return true;
            }
            case Directive::None: {
                if (l.matches.empty()) return true;
                std::string error;
                const Evaluator eval = [&](const Expr& e) { return ValueAt(e, l.address); };
                if (Encode(l.matches, l.operands, l.address, eval, bytes, error)) return true;
                if (!error.empty()) Error(s.where, error);
                return false;
            }
            default: return true;
        }
    }

    // Stores the bytes; an address written twice or outside the output range
    // is an error of the later statement.
    void Store(size_t index, const std::vector<uint8_t>& bytes, int64_t address) {
        const Statement& s = statements_[index];
        if (options_.range && !bytes.empty() &&
            (address < options_.range->start || address + static_cast<int64_t>(bytes.size()) - 1 > options_.range->end)) {
            Error(s.where, "bytes at " + Hex4(address) + "-" + Hex4(address + bytes.size() - 1) + " lie outside the output range " +
                               Hex4(options_.range->start) + "-" + Hex4(options_.range->end));
            return;
        }
        for (size_t k = 0; k < bytes.size(); ++k) {
            const int64_t a = address + static_cast<int64_t>(k);
            if (owner_[a] >= 0) {
                Error(s.where, "overlapping ORG: " + Hex4(a) + " already holds bytes from " + Where(statements_[owner_[a]].where));
                return;
            }
        }
        for (size_t k = 0; k < bytes.size(); ++k) {
            owner_[address + k] = static_cast<int>(index);
            out_.memory[address + k] = bytes[k];
            out_.written[address + k] = true;
        }
    }

    void Emit(size_t index) {
        const Statement& s = statements_[index];
        const Layout& l = layouts_[index];
        ListingEntry entry{s.line, std::nullopt, {}, std::nullopt};
        if (!l.skip) {
            if (s.directive == Directive::Equ) {
                const Value v = Lookup(s.name);
                if (v.value) entry.value = v.value;
            }
            std::vector<uint8_t> bytes;
            if (Bytes(s, l, bytes)) Store(index, bytes, l.address);
            if (s.directive != Directive::Ds) entry.bytes = bytes;
            if (!bytes.empty() || !s.label.empty() || s.directive == Directive::Ds || s.directive == Directive::Org)
                entry.address = static_cast<uint16_t>(l.address);
        }
        out_.listing.push_back(std::move(entry));
    }

    std::vector<Statement> statements_;
    std::vector<Layout> layouts_;
    const Options& options_;
    Assembly& out_;
    std::map<std::string, Symbol> symbols_;
    std::vector<int> owner_;  // per address: the statement that wrote it, or -1
    int64_t pc_ = 0;
    int nesting_ = 0;  // EQUs being worked out, one inside the other
};

}  // namespace

Assembly Assemble(const std::string& path, const Options& options, const SourceReader& reader) {
    Assembly out;
    std::vector<Statement> statements = ReadProgram(path, reader, out.errors, out.files);
    Assembler(std::move(statements), options, out).Run();
    return out;
}

Assembly AssembleText(std::string_view text, const Options& options, const std::string& name) {
    const std::string source(text);
    return Assemble(name, options, [&](const std::string& path) -> std::optional<std::string> {
        if (path == name) return source;
        return ReadFileText(path);
    });
}

std::vector<uint8_t> Image(const Assembly& a, const Options& options) {
    int64_t low = 0, high = -1;
    if (options.range) {
        low = options.range->start;
        high = options.range->end;
    } else {
        for (int64_t i = 0; i < kAddressSpace; ++i) {
            if (!a.written[i]) continue;
            if (high < 0) low = i;
            high = i;
        }
    }
    std::vector<uint8_t> image;
    for (int64_t i = low; i <= high; ++i) image.push_back(a.written[i] ? a.memory[i] : options.fill);
    return image;
}

}  // namespace lh5801asm
