// sifter-cli: Sifter's disassembly without a window, for scripts.
//
//   sifter-cli ROMFILE --at ADDR [--from ADDR] [--to ADDR] [--dialect lh5801|z80]
//              [--purge] [--asm FILE] [--txt FILE] [--tables DIR]
#pragma once

#include <filesystem>
#include <iosfwd>
#include <string>
#include <vector>

// Runs the command line (without the program name). The table files are read
// from --tables, else from `programDirectory`. Returns the exit status: 0, or
// 2 after one line on `err` naming the bad value.
int RunSifterCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                 const std::filesystem::path& programDirectory);

void PrintSifterCliUsage(std::ostream& out);
