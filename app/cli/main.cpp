// zelkor-cli: the emulator without a window.
#include <iostream>
#include <string>
#include <vector>

#include "app/cli/exec.h"
#include "app/cli/run.h"

namespace {

void PrintUsage(std::ostream& out) {
    out << "usage: zelkor-cli exec [--me0 ADDR:HEX] [--me1 ADDR:HEX] [--reg NAME=HEX] [--steps N]\n"
           "                       [--dump-me0 ADDR:COUNT] [--dump-me1 ADDR:COUNT]\n"
           "       zelkor-cli run [--model ZelkorA|Zelkor|Kavro] [--machine N] [--module N] [--rom FILE]\n"
           "                      [--state FILE] [--clock \"YYYY-MM-DD HH:MM:SS\"] [--trace]\n"
           "                      then, in order: [--wait MS] [--key NAME] [--type TEXT] [--hold MS]\n"
           "                      [--lcd] [--png FILE] [--dump-me0 ADDR:COUNT]\n";
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
    if (words[0] == "run") return RunCommand(rest, std::cout, std::cerr);
    std::cerr << "zelkor-cli: unknown command '" << words[0] << "'\n";
    PrintUsage(std::cerr);
    return 2;
}
