// The command line of lh5801-as:
//   lh5801-as SOURCE [-o OUTPUT] [-l LISTING] [--range START-END] [--fill HH]
//             [--depfile FILE]
// Exit status 0 on success, 1 when the source has errors or a file cannot be
// read or written (nothing is written then), 2 for a bad command line.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "tools/asm/assembler.h"

namespace lh5801asm {

struct CommandLine {
    std::string source;
    std::string output;   // default: SOURCE with the extension .bin
    std::string listing;  // none if empty
    std::string depfile;  // make-style dependencies of OUTPUT, for the build
    Options options;
    bool help = false;
};

// Parses the arguments that follow the program name.
bool ParseCommandLine(const std::vector<std::string>& args, CommandLine& cl, std::string& error);

// Runs the assembler as the program does: messages to `err`, help to `out`.
int RunAssembler(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

extern const char* const kUsage;

}  // namespace lh5801asm
