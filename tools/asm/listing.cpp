#include <algorithm>

#include "tools/asm/assembler.h"

namespace lh5801asm {

namespace {

constexpr size_t kBytesPerLine = 4;
constexpr int kBytesColumn = 11;  // "BB BB BB BB"

// The bytes field: up to four bytes from `first`, or an EQU's value.
std::string BytesField(const ListingEntry& e, size_t first) {
    std::string field;
    if (e.value && first == 0) {
        field = '=';
        field += *e.value >= 0 && *e.value <= 0xFFFF ? HexText(*e.value, 4) : std::to_string(*e.value);
    }
    for (size_t k = first; k < e.bytes.size() && k < first + kBytesPerLine; ++k) {
        if (!field.empty()) field += ' ';
        field += HexText(e.bytes[k], 2);
    }
    field.resize(std::max<size_t>(field.size(), kBytesColumn), ' ');
    return field;
}

void AddLine(std::string& out, const std::optional<uint16_t>& address, const std::string& field, const std::string& source) {
    std::string line = (address ? HexText(*address, 4) : std::string(4, ' ')) + "  " + field + "  " + source;
    while (!line.empty() && (line.back() == ' ' || line.back() == '\t')) line.pop_back();
    out += line + "\n";
}

}  // namespace

std::string ListingText(const Assembly& assembly) {
    std::string out;
    for (const ListingEntry& e : assembly.listing) {
        AddLine(out, e.address, BytesField(e, 0), e.line);
        for (size_t k = kBytesPerLine; k < e.bytes.size(); k += kBytesPerLine)
            AddLine(out, static_cast<uint16_t>(*e.address + k), BytesField(e, k), "");
    }
    return out;
}

}  // namespace lh5801asm
