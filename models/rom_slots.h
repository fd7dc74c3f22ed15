// ROM slots of a model library: slot N of library L is the file "L-romN.bin"
// beside the library when the user supplies one, else the bundled image.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// "ZelkorA-rom3.bin"
std::string RomSlotFileName(std::string_view library, int slot);

// Fills `dest` (16384 bytes) with slot `slot` of `library`, read from
// `directory`/RomSlotFileName(...) when that file exists. A file that is not
// exactly 16384 bytes, or cannot be read, is refused with one line on standard
// error, and the bundled image is used instead (padded with FF should it be
// shorter than a slot).
void LoadRomSlot(const std::string& directory, std::string_view library, int slot,
                 const uint8_t* bundled, size_t bundledSize, uint8_t* dest);

// The directory of the shared object that holds `address` (no trailing slash),
// or "" when unknown.
std::string DirectoryOfAddress(const void* address);
