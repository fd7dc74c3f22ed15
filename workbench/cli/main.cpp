// sifter-cli: the workbench's disassembly for scripts.
#include <iostream>
#include <string>
#include <vector>

#include "workbench/cli/sifter_cli.h"
#include "workbench/workbench.h"

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty()) {
        PrintSifterCliUsage(std::cerr);
        return 2;
    }
    if (args[0] == "--help" || args[0] == "-h") {
        PrintSifterCliUsage(std::cout);
        return 0;
    }
    return RunSifterCli(args, std::cout, std::cerr, ProgramDirectory());
}
