#include "workbench/cli/sifter_cli.h"

#include <optional>
#include <ostream>
#include <system_error>

#include "workbench/hex.h"
#include "workbench/listing.h"
#include "workbench/workbench.h"

namespace {

using Options = SifterCliOptions;

// A failure already reported on the error stream.
struct Failed {};

class Cli {
public:
    Cli(std::ostream& err) : err_(err) {}

    [[noreturn]] void Fail(const std::string& message) {
        err_ << "sifter-cli: " << message << "\n";
        throw Failed{};
    }

    Options Parse(const std::vector<std::string>& args) {
        Options o;
        for (size_t i = 0; i < args.size(); ++i) {
            const std::string& word = args[i];
            auto value = [&]() -> std::string {
                if (i + 1 >= args.size()) Fail(word + " needs a value");
                return args[++i];
            };
            if (word == "--at") o.at = Address(word, value());
            else if (word == "--from") o.from = Address(word, value());
            else if (word == "--to") o.to = Address(word, value());
            else if (word == "--dialect") o.dialect = ParseDialect(value());
            else if (word == "--purge") o.purge = true;
            else if (word == "--asm") o.asmFile = value();
            else if (word == "--txt") o.txtFile = value();
            else if (word == "--tables") o.tables = value();
            else if (word.starts_with("--")) Fail("unknown option " + word);
            else if (!o.rom.empty()) Fail("one ROM image only: " + word);
            else o.rom = word;
        }
        if (o.rom.empty()) Fail("no ROM image given (sifter-cli ROMFILE --at ADDR ...)");
        if (o.at.empty()) Fail("--at ADDR is required: the address of the image's first byte");
        return o;
    }

    // An address option as the pass compares it: four upper-case hex digits.
    std::string Address(const std::string& option, const std::string& text) {
        const std::optional<uint32_t> value = ParseHex(text);
        if (!value || *value > 0xFFFF) Fail(option + ": '" + text + "' is not a hexadecimal address (0000-FFFF)");
        return HexText(*value, 4);
    }

    Dialect ParseDialect(const std::string& text) {
        if (text == "lh5801") return Dialect::LH5801;
        if (text == "z80") return Dialect::PseudoZ80;
        Fail("--dialect: '" + text + "' is neither lh5801 nor z80");
    }

    void Warn(const std::string& message) { err_ << "sifter-cli: " << message << "\n"; }

private:
    std::ostream& err_;
};

void Run(Cli& cli, const Options& o, std::ostream& out, const std::filesystem::path& programDirectory) {
    const std::filesystem::path tables = o.tables.empty() ? programDirectory : std::filesystem::path(o.tables);
    std::error_code ignored;
    if (!std::filesystem::is_directory(tables, ignored)) cli.Fail("--tables: '" + tables.string() + "' is no folder");

    Workbench wb;
    for (const std::string& message : LoadTableFiles(wb, tables)) cli.Warn(message);

    const RomLoadResult load = LoadRomImage(wb, o.rom, o.at, false);
    if (!load.error.empty()) cli.Fail(load.error);
    if (!load.note.empty()) cli.Warn(load.note);
    if (wb.rom.empty()) cli.Fail("'" + o.rom + "' is empty");

    const std::string first = wb.rom.at(0, RomField::ADDRESS);
    const std::string last = wb.rom.at(wb.rom.size() - 1, RomField::ADDRESS);
    const std::string from = o.from.empty() ? first : o.from;
    if (from < first || from > last) cli.Fail("--from " + from + " is outside the image (" + first + "-" + last + ")");
    const PassResult pass = RunDisassemblyPass(wb, o.dialect, from, o.to.empty() ? last : o.to);
    if (!pass.error.empty()) cli.Fail(pass.error);
    if (o.purge) Purge(wb);

    if (!o.asmFile.empty()) {
        const std::string error = SaveSource(wb, o.asmFile);
        if (!error.empty()) cli.Fail(error);
    }
    if (!o.txtFile.empty()) {
        const std::string error = SaveListing(wb, o.txtFile);
        if (!error.empty()) cli.Fail(error);
    }
    // Without an output file the listing goes to standard output.
    if (o.asmFile.empty() && o.txtFile.empty())
        for (size_t i = 0; i < wb.rom.size(); ++i) out << ListingLine(wb.rom.row(i)) << "\n";
}

}  // namespace

std::optional<SifterCliOptions> ParseSifterCli(const std::vector<std::string>& args, std::ostream& err) {
    Cli cli(err);
    try {
        return cli.Parse(args);
    } catch (const Failed&) {
        return std::nullopt;
    }
}

void PrintSifterCliUsage(std::ostream& out) {
    out << "usage: sifter-cli ROMFILE --at ADDR [--from ADDR] [--to ADDR] [--dialect lh5801|z80]\n"
           "                  [--purge] [--asm FILE] [--txt FILE] [--tables DIR]\n"
           "Loads the image at ADDR, disassembles FROM-TO (default: the whole image), optionally\n"
           "removes the operand rows, and writes the assembler source and/or the text listing\n"
           "(to standard output when neither is asked for). Addresses are hex.\n";
}

int RunSifterCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                 const std::filesystem::path& programDirectory) {
    Cli cli(err);
    try {
        Run(cli, cli.Parse(args), out, programDirectory);
    } catch (const Failed&) {
        return 2;
    }
    return 0;
}
