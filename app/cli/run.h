// zelkor-cli run: the whole machine without a window, driven by a script of
// options (wait, press keys, print the display, save the window as PNG).
#pragma once

#include <ostream>
#include <string>
#include <vector>

// Returns the exit status: 0, 1 when the machine cannot be set up or an
// output cannot be written, 2 for a bad option (nothing run).
int RunCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// Reads and checks the options as RunCommand does (the --rom file is read,
// the --png folder looked up), without binding a library or running the
// machine: false after the same one-line error on err.
bool CheckRunOptions(const std::vector<std::string>& args, std::ostream& err);
