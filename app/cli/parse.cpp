#include "app/cli/parse.h"

namespace {

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

}  // namespace

std::optional<uint32_t> ParseHex(std::string_view text, uint32_t max) {
    if (text.empty() || text.size() > 8) return std::nullopt;
    uint64_t value = 0;
    for (char c : text) {
        const int d = HexDigit(c);
        if (d < 0) return std::nullopt;
        value = value * 16 + static_cast<uint64_t>(d);
    }
    if (value > max) return std::nullopt;
    return static_cast<uint32_t>(value);
}

std::optional<uint64_t> ParseDecimal(std::string_view text, uint64_t max) {
    if (text.empty() || text.size() > 19) return std::nullopt;
    uint64_t value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + static_cast<uint64_t>(c - '0');
    }
    if (value > max) return std::nullopt;
    return value;
}

std::optional<std::vector<uint8_t>> ParseHexBytes(std::string_view text) {
    if (text.empty() || text.size() % 2 != 0) return std::nullopt;
    std::vector<uint8_t> bytes;
    for (size_t i = 0; i < text.size(); i += 2) {
        const int hi = HexDigit(text[i]), lo = HexDigit(text[i + 1]);
        if (hi < 0 || lo < 0) return std::nullopt;
        bytes.push_back(static_cast<uint8_t>(hi << 4 | lo));
    }
    return bytes;
}
