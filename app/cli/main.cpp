// zelkor-cli: the emulator without a window.
#include <iostream>
#include <string>
#include <vector>

#include "app/cli/exec.h"

namespace {

void PrintUsage(std::ostream& out) {
    out << "usage: zelkor-cli exec [--me0 ADDR:HEX] [--me1 ADDR:HEX] [--reg NAME=HEX] [--steps N]\n"
           "                       [--dump-me0 ADDR:COUNT] [--dump-me1 ADDR:COUNT]\n";
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> words(argv + 1, argv + argc);
    if (words.empty() || words[0] == "--help" || words[0] == "-h") {
        PrintUsage(words.empty() ? std::cerr : std::cout);
        return words.empty() ? 2 : 0;
    }
    const std::vector<std::string> rest(words.begin() + 1, words.end());
    if (words[0] == "exec") return ExecCommand(rest, std::cout, std::cerr);
    std::cerr << "zelkor-cli: unknown command '" << words[0] << "'\n";
    PrintUsage(std::cerr);
    return 2;
}
