// sifter-data-gen DIR: writes the table files Sifter ships with (ASM1500.txt,
// ASMADDR.txt, ASMSBR.txt) into DIR, through the same writer the program uses.
#include <cstdio>
#include <filesystem>

#include "workbench/data/default_tables.h"
#include "workbench/table_file.h"
#include "workbench/workbench.h"

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
        const std::string error = SaveTable(*table, dir / name);
        if (!error.empty()) {
            std::fprintf(stderr, "sifter-data-gen: %s\n", error.c_str());
            status = 1;
        }
    }
    return status;
}
