// lh5801-as: the LH5801 assembler's command line (tools/asm/cli.h).
#include <iostream>

#include "tools/asm/cli.h"

int main(int argc, char** argv) {
    return lh5801asm::RunAssembler(std::vector<std::string>(argv + 1, argv + argc), std::cout, std::cerr);
}
