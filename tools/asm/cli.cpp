#include "tools/asm/cli.h"

#include <cctype>
#include <cstdio>
#include <filesystem>
#include <fstream>

namespace lh5801asm {

const char* const kUsage =
    "usage: lh5801-as SOURCE [-o OUTPUT] [-l LISTING] [--range START-END] [--fill HH]\n"
    "                 [--depfile FILE]\n"
    "\n"
    "Assembles LH5801 source into a raw binary, from the lowest to the highest\n"
    "address written, or exactly START-END (hex) with unwritten bytes set to HH\n"
    "(default FF). OUTPUT defaults to SOURCE with the extension .bin. On any\n"
    "error nothing is written and the exit status is 1.\n"
    "\n"
    "  -o OUTPUT          the binary to write\n"
    "  -l LISTING         also write a listing: address, bytes, source line\n"
    "  --range START-END  e.g. C000-FFFF for a 16 KB ROM image\n"
    "  --fill HH          the byte for addresses that nothing wrote\n"
    "  --depfile FILE     write the sources read, for the build system\n"
    "  --help             this text\n"
    "\n"
    "Syntax, one statement a line, case-insensitive:\n"
    "  label:  MNEMONIC operands   ; comment\n"
    "  Operands as the opcode map writes them: LDA (X)  LDA #(X)  STA (ab)\n"
    "  STA #(ab)  ADI (X),i  ANI #(ab),i  LDI XH,i  LDI S,ab  JMP ab  SJP ab\n"
    "  VEJ (C0)  VMJ i  PSH A  STX P; ab and i are expressions.\n"
    "  Branches take a target: BZS label picks the forward or the backward\n"
    "  opcode; LOP UL,label goes backward only; the distance is at most 255.\n"
    "  Numbers: &1F, 0x1F, 1FH (hex), 31 (decimal), 'A' (character).\n"
    "  Expressions: + - * / & | ^ << >> ~, unary -, parentheses (an operand\n"
    "  wholly in parentheses is a memory operand), HIGH(x), LOW(x), $ (the\n"
    "  address of the current line).\n"
    "  Directives: ORG addr | name EQU value | name = value | DB byte or \"text\",...\n"
    "  | DW word,... (high byte first) | DS count[,fill] (fill default FF)\n"
    "  | INCLUDE \"file\" (relative to the including file)\n";

namespace {

std::optional<uint32_t> HexValue(std::string_view t, uint32_t most) {
    if (!t.empty() && t[0] == '&') t.remove_prefix(1);
    else if (t.size() > 2 && t[0] == '0' && (t[1] == 'x' || t[1] == 'X')) t.remove_prefix(2);
    if (t.empty() || t.size() > 8) return std::nullopt;
    uint32_t v = 0;
    for (char c : t) {
        if (!std::isxdigit(static_cast<unsigned char>(c))) return std::nullopt;
        v = v * 16 + static_cast<uint32_t>(std::isdigit(static_cast<unsigned char>(c)) ? c - '0' : std::toupper(c) - 'A' + 10);
    }
    if (v > most) return std::nullopt;
    return v;
}

bool ParseRange(const std::string& text, Range& range) {
    const size_t dash = text.find('-');
    if (dash == std::string::npos) return false;
    const std::optional<uint32_t> start = HexValue(std::string_view(text).substr(0, dash), 0xFFFF);
    const std::optional<uint32_t> end = HexValue(std::string_view(text).substr(dash + 1), 0xFFFF);
    if (!start || !end || *start > *end) return false;
    range = {*start, *end};
    return true;
}

// Takes the value of an option given as "--name VALUE" or "--name=VALUE";
// false if args[i] is not that option. A missing value sets `error`.
bool OptionValue(const std::vector<std::string>& args, size_t& i, const std::string& name, std::string& value,
                 std::string& error) {
    const std::string& a = args[i];
    if (name.size() > 2 && a.rfind(name + "=", 0) == 0) {
        value = a.substr(name.size() + 1);
        return true;
    }
    if (a != name) return false;
    if (i + 1 >= args.size()) error = name + " needs a value";
    else value = args[++i];
    return true;
}

// One argument (with its value); false with `error` set if it is wrong.
bool ParseOne(const std::vector<std::string>& args, size_t& i, CommandLine& cl, std::string& error) {
    std::string value;
    if (args[i] == "--help" || args[i] == "-h") return cl.help = true;
    if (OptionValue(args, i, "-o", cl.output, error) || OptionValue(args, i, "-l", cl.listing, error) ||
        OptionValue(args, i, "--depfile", cl.depfile, error))
        return error.empty();
    if (OptionValue(args, i, "--range", value, error)) {
        Range range;
        if (error.empty() && !ParseRange(value, range)) error = "--range wants START-END in hex, START <= END <= FFFF: '" + value + "'";
        cl.options.range = range;
        return error.empty();
    }
    if (OptionValue(args, i, "--fill", value, error)) {
        const std::optional<uint32_t> fill = HexValue(value, 0xFF);
        if (error.empty() && !fill) error = "--fill wants one hex byte: '" + value + "'";
        cl.options.fill = static_cast<uint8_t>(fill.value_or(0xFF));
        return error.empty();
    }
    if (!args[i].empty() && args[i][0] == '-') return error = "unknown option '" + args[i] + "'", false;
    if (!cl.source.empty()) return error = "one SOURCE only: '" + cl.source + "' and '" + args[i] + "'", false;
    cl.source = args[i];
    return true;
}

bool SamePath(const std::string& a, const std::string& b) {
    namespace fs = std::filesystem;
    std::error_code ec;
    if (fs::equivalent(a, b, ec)) return true;
    return fs::path(a).lexically_normal() == fs::path(b).lexically_normal();
}

}  // namespace

bool ParseCommandLine(const std::vector<std::string>& args, CommandLine& cl, std::string& error) {
    for (size_t i = 0; i < args.size(); ++i)
        if (!ParseOne(args, i, cl, error)) return false;
    if (cl.help) return true;
    if (cl.source.empty()) return error = "no SOURCE given", false;
    if (cl.output.empty()) cl.output = std::filesystem::path(cl.source).replace_extension(".bin").string();
    for (const std::string* other : {&cl.output, &cl.listing, &cl.depfile}) {
        if (!other->empty() && SamePath(*other, cl.source)) return error = "'" + *other + "' is the source; it would be overwritten", false;
    }
    if (!cl.listing.empty() && SamePath(cl.listing, cl.output)) return error = "the listing and the output are the same file", false;
    return true;
}

namespace {

// Writes beside the target and renames, so that a failed write leaves any
// earlier file as it was.
bool WriteFile(const std::string& path, std::string_view data, std::ostream& err) {
    const std::string temporary = path + ".part";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out.write(data.data(), static_cast<std::streamsize>(data.size()));
        out.close();
        if (!out) {
            std::remove(temporary.c_str());
            err << "lh5801-as: cannot write '" << path << "'\n";
            return false;
        }
    }
    std::error_code ec;
    std::filesystem::rename(temporary, path, ec);
    if (ec) {
        std::remove(temporary.c_str());
        err << "lh5801-as: cannot write '" << path << "': " << ec.message() << "\n";
        return false;
    }
    return true;
}

// "output: source include..." with spaces escaped, as make and Ninja read it.
std::string DependencyText(const CommandLine& cl, const Assembly& a) {
    const auto escape = [](const std::string& path) {
        std::string s;
        for (char c : path) {
            if (c == ' ' || c == '#') s += '\\';
            if (c == '$') s += '$';
            s += c;
        }
        return s;
    };
    std::string text = escape(cl.output) + ":";
    for (const std::string& f : a.files) {
        text += ' ';
        text += escape(f);
    }
    return text + "\n";
}

}  // namespace

int RunAssembler(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    CommandLine cl;
    std::string error;
    if (!ParseCommandLine(args, cl, error)) {
        err << "lh5801-as: " << error << "\n" << kUsage;
        return 2;
    }
    if (cl.help) {
        out << kUsage;
        return 0;
    }
    const Assembly a = Assemble(cl.source, cl.options);
    for (const Diagnostic& d : a.errors) err << d.Text() << "\n";
    if (!a.ok()) {
        err << "lh5801-as: " << a.errors.size() << (a.errors.size() == 1 ? " error" : " errors") << ", nothing written\n";
        return 1;
    }
    const std::vector<uint8_t> image = Image(a, cl.options);
    const std::string_view bytes(reinterpret_cast<const char*>(image.data()), image.size());
    if (!WriteFile(cl.output, bytes, err)) return 1;
    if (!cl.listing.empty() && !WriteFile(cl.listing, ListingText(a), err)) return 1;
    if (!cl.depfile.empty() && !WriteFile(cl.depfile, DependencyText(cl, a), err)) return 1;
    return 0;
}

}  // namespace lh5801asm
