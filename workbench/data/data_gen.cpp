// sifter-data-gen DIR: writes the table files Sifter ships with (ASM1500.txt,
// ASMADDR.txt, ASMSBR.txt) into DIR, through the same writer the program uses.
//
// Sifter saves the user's edits into the same files, so a file the user has
// changed is never overwritten: beside each file lies the default it was
// written from (NAME.default); the file is replaced only while it still
// equals that default.
#include <cstdio>
#include <filesystem>

#include "workbench/data/default_tables.h"
#include "workbench/table_file.h"
#include "workbench/workbench.h"

namespace {

bool Exists(const std::filesystem::path& file) {
    std::error_code ignored;
    return std::filesystem::exists(file, ignored);
}

std::string Contents(const std::filesystem::path& file) {
    std::string error;
    return ReadFileBytes(file, error);
}

// Returns "" or the error.
std::string Install(const std::filesystem::path& file, const std::string& text) {
    std::filesystem::path stamp = file;
    stamp += ".default";
    const bool untouched = !Exists(file) || Contents(file) == text ||
                           (Exists(stamp) && Contents(file) == Contents(stamp));
    if (untouched) {
        const std::string error = WriteFileBytes(file, text);
        if (!error.empty()) return error;
    } else {
        std::printf("sifter-data-gen: %s was edited and is kept; the new default is %s\n", file.string().c_str(),
                    stamp.string().c_str());
    }
    return WriteFileBytes(stamp, text);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: sifter-data-gen DIR\n");
        return 2;
    }
    const std::filesystem::path dir = argv[1];
    Workbench wb;
    FillMnemoTable(wb.mnemo);
    FillAddrTable(wb.addr);
    FillSbrTable(wb.sbr);
    int status = 0;
    for (const auto& [table, name] : {std::pair{&wb.mnemo, kMnemoFile}, {&wb.addr, kAddrFile}, {&wb.sbr, kSbrFile}}) {
        const std::string error = Install(dir / name, WriteTable(*table));
        if (!error.empty()) {
            std::fprintf(stderr, "sifter-data-gen: %s\n", error.c_str());
            status = 1;
        }
    }
    return status;
}
