// sifter-cli: Sifter's disassembly without a window, for scripts.
//
//   sifter-cli ROMFILE --at ADDR [--from ADDR] [--to ADDR] [--dialect lh5801|z80]
//              [--purge] [--asm FILE] [--txt FILE] [--tables DIR]
#pragma once

#include <filesystem>
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

#include "workbench/disassembler.h"

// The command line, read and checked. Addresses are four upper-case hex
// digits, "" when not given.
struct SifterCliOptions {
    std::string rom;
    std::string at, from, to;
    Dialect dialect = Dialect::LH5801;
    bool purge = false;
    std::string asmFile, txtFile, tables;
};

// Reads the command line (without the program name) and touches no file;
// nullopt after one line on `err` naming the bad value.
std::optional<SifterCliOptions> ParseSifterCli(const std::vector<std::string>& args, std::ostream& err);

// Runs the command line (without the program name). The table files are read
// from --tables, else from `programDirectory`. Returns the exit status: 0, or
// 2 after one line on `err` naming the bad value.
int RunSifterCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                 const std::filesystem::path& programDirectory);

void PrintSifterCliUsage(std::ostream& out);
