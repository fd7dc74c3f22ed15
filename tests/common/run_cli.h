// zelkor-cli run in the test's own process: its exit status and what it
// wrote to standard output and standard error.
#pragma once

#include <sstream>
#include <string>
#include <vector>

#include "app/cli/run.h"

struct CliResult {
    int status;
    std::string out, err;
};

inline CliResult RunCli(const std::vector<std::string>& args) {
    std::ostringstream out, err;
    const int status = RunCommand(args, out, err);
    return {status, out.str(), err.str()};
}
