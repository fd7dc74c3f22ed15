// The LH5801 assembler: two passes over a source file and the files it
// includes, giving a 64 KB memory image, a listing and every error found.
//
//   lh5801asm::Assembly a = lh5801asm::Assemble("rom.asm", {});
//   if (a.ok()) write(lh5801asm::Image(a, {}));
//   else for (auto& e : a.errors) print(e.Text());
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "tools/asm/source.h"

namespace lh5801asm {

// An inclusive address range, e.g. C000-FFFF.
struct Range {
    uint32_t start = 0;
    uint32_t end = 0xFFFF;
};

struct Options {
    // When set, the image covers exactly this range and any byte assembled
    // outside it is an error; otherwise the image runs from the lowest to the
    // highest address written.
    std::optional<Range> range;
    uint8_t fill = 0xFF;  // for addresses in the image that nothing wrote
};

// One line of the listing.
struct ListingEntry {
    std::string line;                // the source line
    std::optional<uint16_t> address; // where its bytes go, or the label's address
    std::vector<uint8_t> bytes;      // DS lists none, however many it reserves
    std::optional<int64_t> value;    // the value an EQU defines
};

struct Assembly {
    std::vector<Diagnostic> errors;
    std::vector<std::string> files;  // every source file read
    std::array<uint8_t, 65536> memory{};
    std::vector<bool> written = std::vector<bool>(65536, false);
    std::vector<ListingEntry> listing;

    bool ok() const { return errors.empty(); }
};

Assembly Assemble(const std::string& path, const Options& options, const SourceReader& reader = ReadFileText);

// Assembles source text held in memory, named `name` in messages; INCLUDE
// reads files relative to the working directory.
Assembly AssembleText(std::string_view text, const Options& options = {}, const std::string& name = "<source>");

// The output bytes: the range of the options, or lowest to highest written;
// empty if nothing was written and no range is given.
std::vector<uint8_t> Image(const Assembly& assembly, const Options& options);

// "AAAA  BB BB BB BB  source line", one line per source line, further lines
// for data beyond four bytes.
std::string ListingText(const Assembly& assembly);

}  // namespace lh5801asm
