// The names of the system RAM's variables, 7600-7BFF: one table of facts
// that the trace's access lines and Sifter's default address table share.
#pragma once

#include <cstdint>
#include <string_view>

constexpr uint16_t kRamNamesFirst = 0x7600;
constexpr uint16_t kRamNamesLast = 0x7BFF;

// The name of the system variable at a (7600-7BFF), without a newline; empty
// where the variable has no name or a is outside the named RAM.
std::string_view RamVariableName(uint16_t a);
