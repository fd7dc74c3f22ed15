// What an ME0 address means, for the trace: the names of the system RAM's
// variables (7600-7BFF) and the comments of the ROM (A000-FFFF). Both tables
// are constant data of the program; their texts are printed verbatim, never
// used as format strings.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "debug/ram_names.h"

constexpr uint16_t kRomCommentsFirst = 0xA000;
constexpr size_t kRomCommentMax = 80;  // characters, without a newline
constexpr size_t kAnnotationSize = 512;

// The ROM comment of a (A000-FFFF), without a newline; empty where the table
// has none or a is below A000.
std::string_view RomComment(uint16_t a);

// The ME0 annotation of a, as the trace's access lines print it: below 7000
// and in 7000-9FFF outside the named RAM, empty; a RAM name followed by "\n";
// from A000 on, the ROM comment followed by "\n" (so never empty there).
// Fills `text` (kAnnotationSize bytes, zero-terminated).
void Me0Annotation(uint16_t a, char* text);

// The ROM comment table's source: lines "ADDR text" (four hex digits, one
// space, the text to the end of the line); empty lines and lines starting
// with "#" are skipped. Parses `source` into one entry per address A000-FFFF
// (views into `source`); each line that breaks a rule adds a problem text.
struct RomCommentTable {
    std::vector<std::string_view> comments;  // 0x6000 entries, index a - A000
    std::vector<std::string> problems;
};
RomCommentTable ParseRomComments(std::string_view source);

// The program's own table source, built into it.
std::string_view RomCommentSource();
