// The workbench's core as the form uses it: the four tables, their files, and
// the commands over them, with the user's answers as arguments. Qt-free apart
// from the grid sources it hands out.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>

class GridSource;

enum class Dialect { PseudoZ80, LH5801 };

// Called between rows of a long command, so the window can serve its events.
using Breathe = std::function<void()>;

class Bench {
public:
    // The three table files live in `tableDir`.
    explicit Bench(std::string tableDir);
    ~Bench();

    GridSource& Mnemo();
    GridSource& Rom();
    GridSource& Addr();
    GridSource& Sbr();

    // Loads the three table files in their order; the message of the first
    // failure, if any (the tables after it stay empty).
    std::optional<std::string> LoadTables();
    // Saves the modified tables in their order; the message of the first file
    // that cannot be written (the files after it are not written).
    std::optional<std::string> SaveModifiedTables();
    void ClearModified();
    bool AnyModified() const;

    bool RomEmpty() const;
    void ClearRom();

    // The row of `table` (Rom or Addr) whose ADDRESS / LABEL equals `text`
    // exactly, or -1.
    int FindAddress(GridSource& table, const std::string& text) const;
    int FindLabel(GridSource& table, const std::string& text) const;

    // Appends one row per byte of the file at `start` (after emptying the
    // table unless `keep`); a message when bytes past FFFF were dropped.
    std::optional<std::string> LoadRomImage(const std::string& path, unsigned start, bool keep, const Breathe& breathe);
    // Replaces the ROM table by an assembler source; a message on failure.
    std::optional<std::string> LoadSource(const std::string& path);
    // Writes the ROM table; a message naming the file on failure.
    std::optional<std::string> SaveSource(const std::string& path);
    std::optional<std::string> SaveText(const std::string& path);

    // The pass from `start` to `end`; true when it decoded an instruction.
    bool Pass(unsigned start, unsigned end, Dialect dialect, const Breathe& breathe);
    void Purge();

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};
