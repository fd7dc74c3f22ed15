#include "workbench/table_file.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <system_error>
#include <vector>

namespace {

// The lines of the text without their CR LF (or LF) ends; a text that ends
// with a line end has no empty line after it.
std::vector<std::string_view> SplitLines(std::string_view text) {
    std::vector<std::string_view> lines;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string_view::npos) end = text.size();
        std::string_view line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        lines.push_back(line);
        start = end + 1;
    }
    return lines;
}

std::vector<std::string_view> SplitValues(std::string_view line) {
    std::vector<std::string_view> values;
    size_t start = 0;
    for (;;) {
        const size_t tab = line.find('\t', start);
        if (tab == std::string_view::npos) {
            values.push_back(line.substr(start));
            return values;
        }
        values.push_back(line.substr(start, tab - start));
        start = tab + 1;
    }
}

std::string PathText(const std::filesystem::path& file) { return file.string(); }

}  // namespace

std::string ReadTable(std::string_view text, Table& table, std::string_view source) {
    const std::vector<std::string_view> lines = SplitLines(text);
    std::vector<Table::Row> rows;
    std::string error;
    if (!lines.empty()) {
        std::vector<int> columns;  // field of each column, or -1
        for (std::string_view name : SplitValues(lines[0])) columns.push_back(table.FieldIndex(name));
        // A text whose first line names no field is no table of this kind
        // (a listing, another table's file): reading it would only replace
        // the rows by empty ones.
        if (std::none_of(columns.begin(), columns.end(), [](int c) { return c >= 0; })) {
            std::string names;
            for (const FieldSpec& f : table.layout().fields) names += (names.empty() ? "" : ", ") + std::string(f.name);
            return std::string(source) + ": the first line names none of the fields " + names +
                   "; nothing was read";
        }
        rows.reserve(lines.size() - 1);
        for (size_t n = 1; n < lines.size(); ++n) {
            const std::vector<std::string_view> values = SplitValues(lines[n]);
            if (values.size() > columns.size()) {
                error = std::string(source) + ": line " + std::to_string(n + 1) + " has " +
                        std::to_string(values.size()) + " values but the header names " +
                        std::to_string(columns.size()) + "; reading stopped there";
                break;
            }
            Table::Row row = table.NewRow();
            for (size_t c = 0; c < values.size(); ++c)
                if (columns[c] >= 0 && !values[c].empty()) row[columns[c]] = values[c];
            rows.push_back(std::move(row));
        }
    }
    table.Replace(std::move(rows));
    return error;
}

std::string WriteTable(const Table& table) {
    std::string text;
    auto line = [&text](const Table::Row& values) {
        for (size_t i = 0; i < values.size(); ++i) {
            if (i > 0) text += '\t';
            text += values[i];
        }
        text += "\r\n";
    };
    Table::Row header;
    for (const FieldSpec& f : table.layout().fields) header.emplace_back(f.name);
    line(header);
    for (size_t i = 0; i < table.size(); ++i) line(table.row(i));
    return text;
}

std::string ReadFileBytes(const std::filesystem::path& file, std::string& error) {
    std::error_code ignored;
    std::ifstream in(file, std::ios::binary);
    if (!in || std::filesystem::is_directory(file, ignored)) {
        error = "Cannot open " + PathText(file);
        return {};
    }
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) {
        error = "Cannot read " + PathText(file);
        return {};
    }
    error.clear();
    return bytes;
}

std::string WriteFileBytes(const std::filesystem::path& file, std::string_view bytes) {
    const std::string error = "Cannot write " + PathText(file);
    std::filesystem::path temporary = file;
    temporary += ".part";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        if (!out) return error;
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.close();
        if (!out) {
            std::error_code ignored;
            std::filesystem::remove(temporary, ignored);
            return error;
        }
    }
    std::error_code failed;
    std::filesystem::rename(temporary, file, failed);
    if (failed) {
        std::filesystem::remove(temporary, failed);
        return error;
    }
    return "";
}

std::string LoadTable(Table& table, const std::filesystem::path& file) {
    std::string error;
    const std::string text = ReadFileBytes(file, error);
    if (!error.empty()) return error;
    return ReadTable(text, table, PathText(file));
}

std::string SaveTable(const Table& table, const std::filesystem::path& file) {
    return WriteFileBytes(file, WriteTable(table));
}
