// zelkor-cli exec: run a snippet of machine code on a zero-filled record and
// print the machine state.
#pragma once

#include <ostream>
#include <string>
#include <vector>

// args are the words after "exec". Returns the exit status: 0, or 2 for a bad
// option (reported in one line on err, nothing run).
int ExecCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// Reads and checks the options as ExecCommand does, without running anything:
// false after the same one-line error on err.
bool CheckExecOptions(const std::vector<std::string>& args, std::ostream& err);
