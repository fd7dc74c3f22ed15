#include "models/rom_slots.h"

#include <dlfcn.h>
#include <sys/stat.h>

#include <cstdio>
#include <cstring>

#include "models/rom_file.h"
#include "models/tables.h"

std::string RomSlotFileName(std::string_view library, int slot) {
    return std::string(library) + "-rom" + std::to_string(slot) + ".bin";
}

namespace {

void Refuse(const std::string& path, const std::string& why) {
    std::fprintf(stderr, "%s: %s; the bundled ROM image is used instead\n", path.c_str(), why.c_str());
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
