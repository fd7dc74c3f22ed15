#include "models/rom_slots.h"

#include <dlfcn.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "models/tables.h"

std::string RomSlotFileName(std::string_view library, int slot) {
    return std::string(library) + "-rom" + std::to_string(slot) + ".bin";
}

namespace {

void Refuse(const std::string& path, const std::string& why) {
    std::fprintf(stderr, "%s: %s; the bundled ROM image is used instead\n", path.c_str(), why.c_str());
}

// Reads exactly kRomSize bytes of `path` into `dest`; false (with the reason)
// otherwise, `dest` then unchanged.
bool ReadRomFile(const std::string& path, uint8_t* dest, std::string* why) {
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) {
        *why = std::string("cannot be read (") + std::strerror(errno) + ")";
        return false;
    }
    uint8_t buffer[kRomSize + 1];  // one more, to see a file that grew
    const size_t got = std::fread(buffer, 1, sizeof buffer, file);
    const bool failed = std::ferror(file) != 0;
    std::fclose(file);
    if (failed) {
        *why = "cannot be read";
        return false;
    }
    if (got != kRomSize) {
        *why = "is " + std::string(got == sizeof buffer ? "more than " : "") + std::to_string(got) +
               " bytes, not " + std::to_string(kRomSize);
        return false;
    }
    std::memcpy(dest, buffer, kRomSize);
    return true;
}

}  // namespace

void LoadRomSlot(const std::string& directory, std::string_view library, int slot,
                 const uint8_t* bundled, size_t bundledSize, uint8_t* dest) {
    const size_t bundledBytes = bundledSize < kRomSize ? bundledSize : kRomSize;
    std::memcpy(dest, bundled, bundledBytes);
    std::memset(dest + bundledBytes, 0xFF, kRomSize - bundledBytes);
    if (directory.empty()) return;
    const std::string path = directory + "/" + RomSlotFileName(library, slot);
    struct stat info;
    if (::stat(path.c_str(), &info) != 0) return;  // no file: the bundled image
    if (!S_ISREG(info.st_mode)) {
        Refuse(path, "is not a regular file");
        return;
    }
    if (info.st_size != kRomSize) {
        Refuse(path, "is " + std::to_string(info.st_size) + " bytes, not " + std::to_string(kRomSize));
        return;
    }
    std::string why;
    if (!ReadRomFile(path, dest, &why)) Refuse(path, why);
}

std::string DirectoryOfAddress(const void* address) {
    Dl_info info;
    if (::dladdr(address, &info) == 0 || !info.dli_fname) return "";
    std::string path = info.dli_fname;
    const size_t slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}
