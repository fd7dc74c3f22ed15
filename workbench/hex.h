// Hexadecimal texts as the workbench writes and reads them.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// A hexadecimal number of 1 to 8 digits (either case), spaces around allowed.
std::optional<uint32_t> ParseHex(std::string_view text);

// Upper-case hex with at least `digits` digits.
std::string HexText(uint32_t value, int digits);
