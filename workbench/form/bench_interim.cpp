// Interim tables until the workbench core is merged: plain rows of text.
#include <QStringList>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <vector>

#include "workbench/form/bench.h"
#include "workbench/form/grid_source.h"

namespace {

struct Def {
    std::vector<std::string> fields;
    std::vector<int> capacity;
    int sortField;
    QStringList titles;
    std::vector<int> widths;
};

class Table : public GridSource {
public:
    explicit Table(Def def) : def_(std::move(def)) {}
    int RowCount() const override { return static_cast<int>(rows_.size()); }
    int ColumnCount() const override { return static_cast<int>(def_.fields.size()); }
    QString Cell(int row, int column) const override { return QString::fromStdString(rows_[row][column]); }
    int SetCell(int row, int column, const QString& value) override {
        rows_[row][column] = value.toStdString().substr(0, def_.capacity[column]);
        modified = true;
        return Sort(row);
    }
    void RemoveRow(int row) override {
        rows_.erase(rows_.begin() + row);
        modified = true;
    }
    int AddRow() override {
        rows_.emplace_back(def_.fields.size());
        modified = true;
        return Sort(RowCount() - 1);
    }
    QStringList Titles() const override { return def_.titles; }
    std::vector<int> Widths() const override { return def_.widths; }

    int Sort(int row) {
        if (def_.sortField < 0) return row;
        auto moved = rows_[row];
        rows_.erase(rows_.begin() + row);
        auto at = std::upper_bound(rows_.begin(), rows_.end(), moved,
                                   [&](const auto& a, const auto& b) { return a[def_.sortField] < b[def_.sortField]; });
        const int index = static_cast<int>(at - rows_.begin());
        rows_.insert(at, moved);
        return index;
    }
    int Find(int field, const std::string& text) const {
        for (size_t i = 0; i < rows_.size(); ++i)
            if (rows_[i][field] == text) return static_cast<int>(i);
        return -1;
    }
    bool Load(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        if (!in) return false;
        rows_.clear();
        std::string line;
        std::vector<int> map;
        bool header = true;
        while (std::getline(in, line)) {
            if (!line.empty() && line.back() == '\r') line.pop_back();
            std::vector<std::string> values;
            std::stringstream ss(line);
            std::string v;
            while (std::getline(ss, v, '\t')) values.push_back(v);
            if (header) {
                for (auto& name : values) {
                    auto it = std::find(def_.fields.begin(), def_.fields.end(), name);
                    map.push_back(it == def_.fields.end() ? -1 : static_cast<int>(it - def_.fields.begin()));
                }
                header = false;
                continue;
            }
            std::vector<std::string> row(def_.fields.size());
            for (size_t i = 0; i < values.size() && i < map.size(); ++i)
                if (map[i] >= 0) row[map[i]] = values[i].substr(0, def_.capacity[map[i]]);
            rows_.push_back(row);
        }
        if (def_.sortField >= 0)
            std::stable_sort(rows_.begin(), rows_.end(),
                             [&](const auto& a, const auto& b) { return a[def_.sortField] < b[def_.sortField]; });
        return true;
    }
    bool Save(const std::string& path) const {
        std::ofstream out(path, std::ios::binary);
        if (!out) return false;
        for (size_t i = 0; i < def_.fields.size(); ++i) out << (i ? "\t" : "") << def_.fields[i];
        out << "\r\n";
        for (auto& row : rows_) {
            for (size_t i = 0; i < row.size(); ++i) out << (i ? "\t" : "") << row[i];
            out << "\r\n";
        }
        return static_cast<bool>(out);
    }
    std::vector<std::vector<std::string>> rows_;
    bool modified = false;
    Def def_;
};

}  // namespace

struct Bench::Impl {
    std::string dir;
    Table mnemo{{{"PAGE", "CODE", "MNEMO1", "MNEMO2"}, {2, 2, 20, 20}, -1, {"PAGE", "CODE", "Pseudo Z80", "LH5801"}, {5, 6, 19, 18}}};
    Table rom{{{"LABEL", "ADDRESS", "CODE", "HEXA", "MNEMO", "COMMENT"}, {10, 4, 2, 32, 20, 80}, 1,
               {"LABEL", "ADDR", "CODE", "HEXA", "MNEMO", "COMMENT"}, {9, 6, 4, 19, 18, 80}}};
    Table addr{{{"LABEL", "ADDRESS", "COMMENT"}, {10, 4, 80}, 1, {"LABEL", "ADDR", "COMMENT"}, {10, 6, 80}}};
    Table sbr{{{"CODE", "MNEMO"}, {2, 20}, 0, {"CODE", "Special SBR params"}, {4, 19}}};
    std::string Path(const char* name) const { return dir + "/" + name; }
};

Bench::Bench(std::string tableDir) : impl_(std::make_unique<Impl>()) { impl_->dir = std::move(tableDir); }
Bench::~Bench() = default;
GridSource& Bench::Mnemo() { return impl_->mnemo; }
GridSource& Bench::Rom() { return impl_->rom; }
GridSource& Bench::Addr() { return impl_->addr; }
GridSource& Bench::Sbr() { return impl_->sbr; }

std::optional<std::string> Bench::LoadTables() {
    for (auto [table, name] : {std::pair{&impl_->sbr, "ASMSBR.txt"}, std::pair{&impl_->addr, "ASMADDR.txt"},
                               std::pair{&impl_->mnemo, "ASM1500.txt"}})
        if (!table->Load(impl_->Path(name))) return std::string("Cannot read ") + name;
    return std::nullopt;
}

std::optional<std::string> Bench::SaveModifiedTables() {
    for (auto [table, name] : {std::pair{&impl_->mnemo, "ASM1500.txt"}, std::pair{&impl_->addr, "ASMADDR.txt"},
                               std::pair{&impl_->sbr, "ASMSBR.txt"}})
        if (table->modified && !table->Save(impl_->Path(name))) return std::string("Cannot write ") + impl_->Path(name);
    return std::nullopt;
}

void Bench::ClearModified() {
    for (Table* t : {&impl_->mnemo, &impl_->rom, &impl_->addr, &impl_->sbr}) t->modified = false;
}
bool Bench::AnyModified() const {
    return impl_->mnemo.modified || impl_->rom.modified || impl_->addr.modified || impl_->sbr.modified;
}
bool Bench::RomEmpty() const { return impl_->rom.rows_.empty(); }
void Bench::ClearRom() { impl_->rom.rows_.clear(); }

int Bench::FindAddress(GridSource& table, const std::string& text) const {
    return static_cast<Table&>(table).Find(1, text);
}
int Bench::FindLabel(GridSource& table, const std::string& text) const {
    return static_cast<Table&>(table).Find(0, text);
}

std::optional<std::string> Bench::LoadRomImage(const std::string& path, unsigned start, bool keep, const Breathe& breathe) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return "Cannot read " + path;
    if (!keep) impl_->rom.rows_.clear();
    char byte;
    unsigned address = start;
    while (in.get(byte) && address <= 0xFFFF) {
        char a[5], c[3];
        std::snprintf(a, sizeof a, "%04X", address++);
        std::snprintf(c, sizeof c, "%02X", static_cast<unsigned char>(byte));
        impl_->rom.rows_.push_back({"", a, c, "", "", ""});
        breathe();
    }
    std::stable_sort(impl_->rom.rows_.begin(), impl_->rom.rows_.end(), [](auto& a, auto& b) { return a[1] < b[1]; });
    return std::nullopt;
}
std::optional<std::string> Bench::LoadSource(const std::string& path) {
    if (!impl_->rom.Load(path)) return "Cannot read " + path;
    return std::nullopt;
}
std::optional<std::string> Bench::SaveSource(const std::string& path) {
    if (!impl_->rom.Save(path + ".ASM")) return "Cannot write " + path;
    return std::nullopt;
}
std::optional<std::string> Bench::SaveText(const std::string&) { return std::nullopt; }
bool Bench::Pass(unsigned, unsigned, Dialect, const Breathe&) { return !impl_->rom.rows_.empty(); }
void Bench::Purge() {}
