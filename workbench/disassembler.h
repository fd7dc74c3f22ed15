// The disassembly pass over the ROM table, and the purge of operand rows.
//
// The pass walks the ROM rows from the row whose ADDRESS is the start text
// while the end address is not below the current row's address. For each
// instruction it takes the pattern of its opcode from the Mnemo table in the
// chosen dialect ("?" if none), lets an SBR row extend a special subroutine
// call's pattern, fills the placeholders from the following rows
//   n  -> &HH      pp -> &HHLL (comment: the ADDR comment of HHLL)
//   +e -> +&DD     -e -> -&DD  (comment: "Jump to " / "Jump back to " and
//                               the target, with its ADDR label if it has one)
// and writes MNEMO, HEXA and the comment into the instruction's first row.
// The operand rows stay, with an empty MNEMO, until the purge.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_map>

#include "workbench/workbench.h"

enum class Dialect { PseudoZ80, LH5801 };  // the Mnemo fields MNEMO1 and MNEMO2

// A pass that runs in slices, so that a window can keep serving its events
// between them. The workbench is busy from construction to destruction.
//
//   DisassemblyPass pass(wb, Dialect::LH5801, "C000", "C0FF");
//   while (pass.Step(256)) processEvents();
//   if (!pass.error().empty()) show(pass.error());
class DisassemblyPass {
public:
    DisassemblyPass(Workbench& wb, Dialect dialect, std::string from, std::string to);
    DisassemblyPass(const DisassemblyPass&) = delete;
    DisassemblyPass& operator=(const DisassemblyPass&) = delete;

    // Decodes up to `count` instructions; true while there is more to do.
    bool Step(size_t count);
    // The end address is read again before every instruction, so the user may
    // change it while the pass runs.
    void SetEnd(std::string to) { end_ = std::move(to); }

    bool done() const { return done_; }
    // "" unless a start or end text is no hex number, the workbench was busy,
    // a row holds no address, or the ROM table was reordered under the pass.
    const std::string& error() const { return error_; }
    // Instructions decoded so far; the save commands are enabled by the first.
    size_t instructions() const { return instructions_; }
    // The row where the next instruction starts (for progress).
    size_t row() const { return row_; }

private:
    void Stop(std::string error = "");
    bool StillInRange();
    void DecodeOne();
    const std::string& Code() const;
    const std::string& TakeByte(std::string& bytes);
    std::string Lookup(const std::string& code, bool fdPage);
    void IndexMnemo();
    void SubstituteBytes(std::string& pattern, std::string& bytes);
    void SubstituteAddresses(std::string& pattern, std::string& bytes);
    void SubstituteJumps(std::string& pattern, std::string& bytes, bool forward);
    void Store(size_t startRow, const std::string& pattern, const std::string& bytes);

    Workbench& wb_;
    Workbench::BusyGuard busy_;
    int field_;
    std::string end_;
    size_t row_ = 0;
    bool ranOut_ = false;  // an operand was missing past the last row
    bool done_ = false;
    std::string error_;
    std::string comment_;
    size_t instructions_ = 0;
    uint64_t layout_ = 0;
    uint64_t mnemoRevision_ = 0;
    bool mnemoIndexed_ = false;
    std::unordered_map<std::string, size_t> firstPage_, fdPage_;
};

struct PassResult {
    std::string error;
    size_t instructions = 0;
};

// The whole pass in one call; `progress` hears of it every few hundred
// instructions and may stop it.
PassResult RunDisassemblyPass(Workbench& wb, Dialect dialect, std::string_view from, std::string_view to,
                              const Progress& progress = {});

struct PurgeResult {
    std::string error;
    size_t removed = 0;
};

// Deletes every ROM row whose MNEMO is empty or only spaces.
PurgeResult Purge(Workbench& wb);
