// Whether the Qt platform the program would use can reach a display, checked
// before Qt is started (Qt aborts the program when it cannot).
#pragma once

#include <string>

// True when a window can be opened; otherwise false with the reason.
bool DisplayReachable(int argc, char** argv, std::string* why);
