// Helpers of the workbench tests: a scratch folder, files in it, and tables
// filled from short literal lists.
#pragma once

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <sstream>
#include <string>
#include <vector>

#include "workbench/hex.h"
#include "workbench/workbench.h"

// A fresh folder per test, removed afterwards.
class ScratchFolder {
public:
    ScratchFolder() {
        const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
        dir_ = std::filesystem::temp_directory_path() /
               ("sifter_" + std::string(test->test_suite_name()) + "_" + test->name());
        std::filesystem::remove_all(dir_);
        std::filesystem::create_directories(dir_);
    }
    ~ScratchFolder() { std::filesystem::remove_all(dir_); }

    std::filesystem::path Path(const std::string& name) const { return dir_ / name; }
    const std::filesystem::path& dir() const { return dir_; }
    void Write(const std::string& name, const std::string& bytes) const {
        std::ofstream(dir_ / name, std::ios::binary) << bytes;
    }
    std::string Read(const std::string& name) const {
        std::ifstream in(dir_ / name, std::ios::binary);
        std::ostringstream s;
        s << in.rdbuf();
        return s.str();
    }

private:
    std::filesystem::path dir_;
};

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
