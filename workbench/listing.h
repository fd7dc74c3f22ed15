// The ROM table's files: raw ROM images in, assembler sources in and out
// (the table text format), text listings out.
#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

#include "workbench/table.h"
#include "workbench/workbench.h"

inline constexpr const char* kInvalidAddress = "Invalid address !";

struct RomLoadResult {
    std::string error;   // "" on success; kInvalidAddress for a bad start address
    size_t rows = 0;     // rows appended
    size_t dropped = 0;  // bytes past FFFF, not loaded
    std::string note;    // tells the user about dropped bytes, else ""
};

// Reads a ROM image into one ROM row per byte: ADDRESS = start + i in four
// hex digits, CODE the byte, LABEL and COMMENT from the ADDR row of that
// address. `startText` is the user's hex answer. Without `keepCurrent` the
// table is emptied first, but only once the file is open, so a bad address or
// file loses nothing; with it the new rows go among the old ones (after them
// for equal addresses). Bytes past FFFF are dropped and counted. A read error
// keeps the rows appended so far.
RomLoadResult LoadRomImage(Workbench& wb, const std::filesystem::path& file, std::string_view startText,
                           bool keepCurrent, const Progress& progress = {});

// The ROM table as an assembler source, to exactly the name given.
std::string SaveSource(Workbench& wb, const std::filesystem::path& file);
// Replaces the ROM table by an assembler source. The table is emptied only
// when the file can be read, so a bad name keeps the listing.
std::string LoadSource(Workbench& wb, const std::filesystem::path& file);

// One line of the text listing, without its line end: LABEL padded to 12,
// ADDRESS, ":  ", HEXA padded to 14, MNEMO padded to 20, COMMENT.
std::string ListingLine(const Table::Row& row);
// The text listing of every ROM row, CR LF line ends, to exactly the name given.
std::string SaveListing(Workbench& wb, const std::filesystem::path& file);

// The name as the save dialogs use it: `extension` (".ASM", ".TXT") is
// appended unless the name already ends with it, in any case.
std::string WithExtension(std::string name, std::string_view extension);
