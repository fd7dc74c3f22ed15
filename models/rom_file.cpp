#include "models/rom_file.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "models/tables.h"

bool ReadRomFile(const std::string& path, uint8_t* dest, std::string* why) {
    const auto cannotRead = [&] { *why = std::string("cannot read the file: ") + std::strerror(errno); };
    struct stat info;
    if (::stat(path.c_str(), &info) != 0) return cannotRead(), false;
    if (!S_ISREG(info.st_mode)) {  // checked before opening: a pipe would block the open
        *why = "not a regular file";
        return false;
    }
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) return cannotRead(), false;
    uint8_t buffer[kRomSize + 1];  // one more, to see a file longer than a ROM
    const size_t got = std::fread(buffer, 1, sizeof buffer, file);
    const bool failed = std::ferror(file) != 0;
    std::fclose(file);
    if (failed) {
        *why = "cannot read the file";
        return false;
    }
    if (got != static_cast<size_t>(kRomSize)) {
        const auto size = got == sizeof buffer ? static_cast<unsigned long long>(info.st_size) : got;
        *why = std::to_string(size) + " bytes; a ROM image is exactly " + std::to_string(kRomSize) + " bytes, C000-FFFF";
        return false;
    }
    std::memcpy(dest, buffer, kRomSize);
    return true;
}
