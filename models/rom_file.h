// The one reader of 16 KB ROM image files (ME0 C000-FFFF), for the ROM slots
// of the model libraries and for the command line's --rom.
#pragma once

#include <cstdint>
#include <string>

// Reads exactly kRomSize bytes of `path` into `dest`. Otherwise returns false
// with the reason in `why` ("cannot read the file: ...", "not a regular
// file", "100 bytes; a ROM image is exactly 16384 bytes, C000-FFFF") and
// leaves `dest` unchanged.
bool ReadRomFile(const std::string& path, uint8_t* dest, std::string* why);
