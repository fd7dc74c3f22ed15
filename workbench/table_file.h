// The table text format, shared by the three table files and the assembler
// source: CR LF lines of Latin-1 text; line 1 holds the field names, each
// further line one row; values are separated by one tab.
//
// Reading goes by the header's names: a column whose name is no field is
// skipped, a field without a column stays empty, a value is cut to its field's
// capacity, an empty line is an empty row. Lines may end in LF alone. A line
// with more values than the header has names stops the reading with an error;
// the rows before it stay in the table. A first line that names no field
// at all is refused with an error and the table is left as it was.
#pragma once

#include <filesystem>
#include <iosfwd>
#include <string>
#include <string_view>

#include "workbench/table.h"

// Every operation returns "" on success, else a message for the user.

// Replaces the table's rows by those of the text. `source` names the text in
// the error message.
std::string ReadTable(std::string_view text, Table& table, std::string_view source);
// The header line and one line per row, in the table's order.
std::string WriteTable(const Table& table);

// Loads a file into the table; a file that cannot be opened leaves the table
// as it was.
std::string LoadTable(Table& table, const std::filesystem::path& file);
// Writes the table to the file, creating or replacing it. The text goes to a
// temporary file first, so a failed write leaves an earlier file intact.
std::string SaveTable(const Table& table, const std::filesystem::path& file);

// Whole files as bytes; `error` is set (and the result empty) if unreadable.
std::string ReadFileBytes(const std::filesystem::path& file, std::string& error);
std::string WriteFileBytes(const std::filesystem::path& file, std::string_view bytes);
