// Sifter's core: the four tables, their files, and the busy state shared by
// the long commands. Free of any toolkit; the window and `sifter-cli` both
// drive it. The rest of the surface:
//   table.h         the table type (rows, sort field, posting, hook)
//   table_file.h    the table text format
//   listing.h       ROM images, assembler sources, text listings
//   disassembler.h  the disassembly pass (whole or in slices) and the purge
//
//   Workbench wb;
//   for (auto& message : LoadTableFiles(wb, ProgramDirectory())) show(message);
//   LoadRomImage(wb, "rom.bin", "C000", false);                 // listing.h
//   RunDisassemblyPass(wb, Dialect::LH5801, "C000", "FFFF");    // disassembler.h
//   SaveListing(wb, "rom.TXT");                                 // listing.h
//   for (auto& message : SaveModifiedTableFiles(wb, ProgramDirectory())) show(message);
#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "workbench/table.h"

// Fields of each table, by index.
namespace MnemoField { enum : int { PAGE, CODE, MNEMO1, MNEMO2 }; }
namespace RomField { enum : int { LABEL, ADDRESS, CODE, HEXA, MNEMO, COMMENT }; }
namespace AddrField { enum : int { LABEL, ADDRESS, COMMENT }; }
namespace SbrField { enum : int { CODE, MNEMO }; }

// Fields, capacities, sort field and grid columns of each table.
extern const TableSpec kMnemoSpec;
extern const TableSpec kRomSpec;
extern const TableSpec kAddrSpec;
extern const TableSpec kSbrSpec;

// The table files, beside the program.
inline constexpr const char* kMnemoFile = "ASM1500.txt";
inline constexpr const char* kAddrFile = "ASMADDR.txt";
inline constexpr const char* kSbrFile = "ASMSBR.txt";

// Reports progress of a long command: rows or instructions done of about
// `total`. The window processes its events here. Returning false stops the
// command where it is, with its work so far kept.
using Progress = std::function<bool(size_t done, size_t total)>;

struct Workbench {
    Table mnemo{kMnemoSpec};
    Table rom{kRomSpec};
    Table addr{kAddrSpec};
    Table sbr{kSbrSpec};

    // True while a long command runs (the "Busy" mark). The long commands
    // refuse to start while another one runs, so a window that processes its
    // events during one cannot start a second over the same tables.
    bool busy() const { return busy_; }
    // Called whenever busy() changes.
    std::function<void(bool)> busyChanged;

    // Marks the workbench busy for the lifetime of the guard; `acquired` is
    // false (and nothing changes) if it already was.
    class BusyGuard {
    public:
        explicit BusyGuard(Workbench& wb);
        ~BusyGuard();
        BusyGuard(const BusyGuard&) = delete;
        BusyGuard& operator=(const BusyGuard&) = delete;
        bool acquired() const { return wb_ != nullptr; }

    private:
        Workbench* wb_;
    };

private:
    bool busy_ = false;
};

// The message of a command refused because another one runs.
inline constexpr const char* kBusyMessage = "Busy: wait until the current command ends";

void ClearModifiedFlags(Workbench& wb);

// Window start: loads SBR, ADDR and Mnemo from their files in `directory`,
// each on its own, then clears the four modified flags. Returns one message
// per file that is missing or unreadable (that table stays empty) or that has
// a bad line (the rows before it are kept).
std::vector<std::string> LoadTableFiles(Workbench& wb, const std::filesystem::path& directory);

// Window close: saves Mnemo, ADDR and SBR, each only if modified, and clears
// the flag of each one written. Returns one message per file that could not be
// written; the others are still written.
std::vector<std::string> SaveModifiedTableFiles(Workbench& wb, const std::filesystem::path& directory);

// The folder of the running program, where the table files live.
std::filesystem::path ProgramDirectory();
