// The workbench's ROM image loader against any file and any start address.
// Input: one byte (bits 0-2 the length of the start address text, bit 3
// "keep the current rows"), the start address text, then the image's bytes.
// Every byte must get its row or be counted as dropped, at consecutive
// addresses that stop at FFFF, and the table must stay ordered.
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "workbench/hex.h"
#include "workbench/listing.h"

namespace {

void Check(bool ok) {
    if (!ok) std::abort();
}

// The image goes through a file of this process, removed at exit.
struct ImageFile {
    const std::filesystem::path path =
        std::filesystem::temp_directory_path() / ("fuzz_rom_image." + std::to_string(::getpid()) + ".bin");
    ~ImageFile() {
        std::error_code ignored;
        std::filesystem::remove(path, ignored);
    }
} image;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    const size_t textSize = std::min<size_t>(data[0] & 7, size - 1);
    const bool keepCurrent = data[0] & 8;
    const std::string startText(reinterpret_cast<const char*>(data + 1), textSize);
    const size_t imageSize = size - 1 - textSize;
    {
        std::FILE* f = std::fopen(image.path.c_str(), "wb");
        Check(f && std::fwrite(data + 1 + textSize, 1, imageSize, f) == imageSize && std::fclose(f) == 0);
    }

    Workbench wb;
    wb.addr.Append({"START", "C000", "the first byte"});
    wb.addr.Append({"LAST", "FFFF", ""});
    wb.rom.Append({"OLD", "C001", "00", "", "", ""});
    const RomLoadResult r = LoadRomImage(wb, image.path, startText, keepCurrent);

    const std::optional<uint32_t> start = ParseHex(startText);
    if (!start || *start > 0xFFFF) {
        Check(r.error == kInvalidAddress && wb.rom.size() == 1);
        return 0;
    }
    Check(r.error.empty());
    const size_t room = 0x10000 - *start;
    Check(r.rows == std::min(imageSize, room) && r.rows + r.dropped == imageSize);
    Check(r.note.empty() == (r.dropped == 0));
    Check(wb.rom.size() == r.rows + (keepCurrent ? 1 : 0));
    for (size_t i = 1; i < wb.rom.size(); ++i)
        Check(wb.rom.at(i - 1, RomField::ADDRESS) <= wb.rom.at(i, RomField::ADDRESS));
    if (!keepCurrent && r.rows > 0) {
        Check(wb.rom.at(0, RomField::ADDRESS) == HexText(*start, 4));
        Check(wb.rom.at(r.rows - 1, RomField::ADDRESS) == HexText(*start + uint32_t(r.rows) - 1, 4));
        Check(wb.rom.at(0, RomField::CODE) == HexText(data[1 + textSize], 2));
    }
    return 0;
}
