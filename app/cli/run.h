// zelkor-cli run: the whole machine without a window, driven by a script of
// options (wait, press keys, print the display, save the window as PNG).
#pragma once

#include <ostream>
#include <string>
#include <vector>

// Returns the exit status: 0, 1 when the machine cannot be set up or an
// output cannot be written, 2 for a bad option (nothing run).
int RunCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
