// Number parsing for the command line: strict, whole-string, range-checked.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

// Hexadecimal digits only (either case), at most `max`.
std::optional<uint32_t> ParseHex(std::string_view text, uint32_t max);

// Decimal digits only, at most `max`.
std::optional<uint64_t> ParseDecimal(std::string_view text, uint64_t max);

// An even number of hex digits as bytes ("8E05" -> 8E 05).
std::optional<std::vector<uint8_t>> ParseHexBytes(std::string_view text);
