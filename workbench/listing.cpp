#include "workbench/listing.h"

#include <algorithm>
#include <cctype>
#include <fstream>
#include <optional>

#include "workbench/hex.h"
#include "workbench/table_file.h"

namespace {

constexpr size_t kProgressEvery = 256;

void AppendPadded(std::string& line, const std::string& value, size_t width) {
    line += value;
    if (value.size() < width) line.append(width - value.size(), ' ');
}

// Appends the rows of `bytes`, loaded at `start`, to the ROM table; returns
// false if the progress callback stopped it.
bool AppendImageRows(Workbench& wb, std::string_view bytes, uint32_t start, size_t total, size_t& rows,
                     const Progress& progress) {
    for (size_t i = 0; i < bytes.size(); ++i) {
        Table::Row row = wb.rom.NewRow();
        row[RomField::ADDRESS] = HexText(start + static_cast<uint32_t>(i), 4);
        const size_t named = wb.addr.Find(AddrField::ADDRESS, row[RomField::ADDRESS]);
        if (named != Table::npos) {
            row[RomField::LABEL] = wb.addr.at(named, AddrField::LABEL);
            row[RomField::COMMENT] = wb.addr.at(named, AddrField::COMMENT);
        }
        row[RomField::CODE] = HexText(static_cast<unsigned char>(bytes[i]), 2);
        wb.rom.Append(std::move(row));
        ++rows;
        if (progress && rows % kProgressEvery == 0 && !progress(rows, total)) return false;
    }
    return true;
}

}  // namespace

RomLoadResult LoadRomImage(Workbench& wb, const std::filesystem::path& file, std::string_view startText,
                           bool keepCurrent, const Progress& progress) {
    RomLoadResult result;
    Workbench::BusyGuard busy(wb);
    if (!busy.acquired()) {
        result.error = kBusyMessage;
        return result;
    }
    const std::optional<uint32_t> start = ParseHex(startText);
    if (!start || *start > 0xFFFF) {
        result.error = kInvalidAddress;
        return result;
    }
    std::ifstream in(file, std::ios::binary);
    std::error_code ignored;
    if (!in || std::filesystem::is_directory(file, ignored)) {
        result.error = "Cannot open " + file.string();
        return result;
    }
    if (!keepCurrent) wb.rom.Clear();

    const size_t room = 0x10000 - *start;  // bytes that still have an address
    std::error_code unsized;
    const uintmax_t size = std::filesystem::file_size(file, unsized);
    const size_t fileSize = unsized ? 0 : static_cast<size_t>(size);
    const size_t total = unsized ? room : std::min(room, fileSize);
    wb.rom.SuspendOrder();
    std::string chunk(0x10000, '\0');
    size_t offset = 0;
    bool going = true;
    while (going && in) {
        in.read(chunk.data(), static_cast<std::streamsize>(chunk.size()));
        const size_t got = static_cast<size_t>(in.gcount());
        if (got == 0) break;
        const size_t kept = offset < room ? std::min(got, room - offset) : 0;
        going = AppendImageRows(wb, std::string_view(chunk).substr(0, kept),
                                *start + static_cast<uint32_t>(offset), total, result.rows, progress);
        result.dropped += got - kept;
        offset += got;
        if (offset >= room && fileSize > offset) {  // the rest has no address: count it unread
            result.dropped += fileSize - offset;
            break;
        }
    }
    wb.rom.ResumeOrder();
    if (result.dropped > 0)
        result.note = "The image runs past FFFF: " + std::to_string(result.dropped) + " bytes were dropped";
    return result;
}

std::string SaveSource(Workbench& wb, const std::filesystem::path& file) {
    Workbench::BusyGuard busy(wb);
    if (!busy.acquired()) return kBusyMessage;
    return SaveTable(wb.rom, file);
}

std::string LoadSource(Workbench& wb, const std::filesystem::path& file) {
    Workbench::BusyGuard busy(wb);
    if (!busy.acquired()) return kBusyMessage;
    return LoadTable(wb.rom, file);
}

std::string ListingLine(const Table::Row& row) {
    std::string line;
    line.reserve(64 + row[RomField::COMMENT].size());
    AppendPadded(line, row[RomField::LABEL], 12);
    line += row[RomField::ADDRESS];
    line += ":  ";
    AppendPadded(line, row[RomField::HEXA], 14);
    AppendPadded(line, row[RomField::MNEMO], 20);
    line += row[RomField::COMMENT];
    return line;
}

std::string SaveListing(Workbench& wb, const std::filesystem::path& file) {
    Workbench::BusyGuard busy(wb);
    if (!busy.acquired()) return kBusyMessage;
    std::string text;
    for (size_t i = 0; i < wb.rom.size(); ++i) {
        text += ListingLine(wb.rom.row(i));
        text += "\r\n";
    }
    return WriteFileBytes(file, text);
}

std::string WithExtension(std::string name, std::string_view extension) {
    auto lower = [](unsigned char c) { return std::tolower(c); };
    const bool has = name.size() >= extension.size() &&
                     std::equal(extension.begin(), extension.end(), name.end() - static_cast<std::ptrdiff_t>(extension.size()),
                                [&](char a, char b) { return lower(a) == lower(b); });
    if (!has) name += extension;
    return name;
}
