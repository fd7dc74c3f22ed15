#include "workbench/workbench.h"

#include <system_error>

#include "workbench/table_file.h"

namespace {

constexpr FieldSpec kMnemoFields[] = {
    {"PAGE", 2, "PAGE", 5},
    {"CODE", 2, "CODE", 6},
    {"MNEMO1", 20, "Pseudo Z80", 19},
    {"MNEMO2", 20, "LH5801", 18},
};
constexpr FieldSpec kRomFields[] = {
    {"LABEL", 10, "LABEL", 9},   {"ADDRESS", 4, "ADDR", 6}, {"CODE", 2, "CODE", 4},
    {"HEXA", 32, "HEXA", 19},    {"MNEMO", 20, "MNEMO", 18}, {"COMMENT", 80, "COMMENT", 80},
};
constexpr FieldSpec kAddrFields[] = {
    {"LABEL", 10, "LABEL", 10},
    {"ADDRESS", 4, "ADDR", 6},
    {"COMMENT", 80, "COMMENT", 80},
};
constexpr FieldSpec kSbrFields[] = {
    {"CODE", 2, "CODE", 4},
    {"MNEMO", 20, "Special SBR params", 19},
};

}  // namespace

const TableSpec kMnemoSpec{"Mnemo", kMnemoFields, -1};
const TableSpec kRomSpec{"ROM", kRomFields, RomField::ADDRESS};
const TableSpec kAddrSpec{"ADDR", kAddrFields, AddrField::ADDRESS};
const TableSpec kSbrSpec{"SBR", kSbrFields, SbrField::CODE};

Workbench::BusyGuard::BusyGuard(Workbench& wb) : wb_(wb.busy_ ? nullptr : &wb) {
    if (!wb_) return;
    wb_->busy_ = true;
    if (wb_->busyChanged) wb_->busyChanged(true);
}

Workbench::BusyGuard::~BusyGuard() {
    if (!wb_) return;
    wb_->busy_ = false;
    if (wb_->busyChanged) wb_->busyChanged(false);
}

void ClearModifiedFlags(Workbench& wb) {
    for (Table* t : {&wb.mnemo, &wb.rom, &wb.addr, &wb.sbr}) t->SetModified(false);
}

std::vector<std::string> LoadTableFiles(Workbench& wb, const std::filesystem::path& directory) {
    std::vector<std::string> messages;
    // A file that is missing leaves its table empty but does not keep the
    // others from loading.
    const std::pair<Table*, const char*> files[] = {{&wb.sbr, kSbrFile}, {&wb.addr, kAddrFile}, {&wb.mnemo, kMnemoFile}};
    for (const auto& [table, name] : files) {
        std::string error = LoadTable(*table, directory / name);
        if (!error.empty()) messages.push_back(std::move(error));
    }
    ClearModifiedFlags(wb);
    return messages;
}

std::vector<std::string> SaveModifiedTableFiles(Workbench& wb, const std::filesystem::path& directory) {
    std::vector<std::string> messages;
    const std::pair<Table*, const char*> files[] = {{&wb.mnemo, kMnemoFile}, {&wb.addr, kAddrFile}, {&wb.sbr, kSbrFile}};
    for (const auto& [table, name] : files) {
        if (!table->modified()) continue;
        std::string error = SaveTable(*table, directory / name);
        if (error.empty()) table->SetModified(false);
        else messages.push_back(std::move(error));
    }
    return messages;
}

std::filesystem::path ProgramDirectory() {
    std::error_code failed;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", failed);
    if (failed) return std::filesystem::current_path(failed);
    return self.parent_path();
}
