// Helpers of the workbench tests: the scratch folder, and tables filled from
// short literal lists.
#pragma once

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <sstream>
#include <string>
#include <vector>

#include "tests/common/scratch_folder.h"
#include "workbench/hex.h"
#include "workbench/workbench.h"

// Appends one row given as its field values in order.
inline void AddRow(Table& table, std::initializer_list<std::string> values) {
    Table::Row row = table.NewRow();
    size_t i = 0;
    for (const std::string& v : values) row[i++] = v;
    table.Append(std::move(row));
}

// ROM rows for `bytes` from `start`, as an image load makes them.
inline void AddBytes(Workbench& wb, uint32_t start, std::initializer_list<int> bytes) {
    for (int b : bytes) {
        Table::Row row = wb.rom.NewRow();
        row[RomField::ADDRESS] = HexText(start++, 4);
        row[RomField::CODE] = HexText(static_cast<uint32_t>(b), 2);
        wb.rom.Append(std::move(row));
    }
}

// One column of a table, top to bottom.
inline std::vector<std::string> Column(const Table& table, int field) {
    std::vector<std::string> values;
    for (size_t i = 0; i < table.size(); ++i) values.push_back(table.at(i, field));
    return values;
}
