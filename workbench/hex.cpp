#include "workbench/hex.h"

std::optional<uint32_t> ParseHex(std::string_view text) {
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    if (text.empty() || text.size() > 8) return std::nullopt;
    uint32_t value = 0;
    for (char c : text) {
        int digit;
        if (c >= '0' && c <= '9') digit = c - '0';
        else if (c >= 'A' && c <= 'F') digit = c - 'A' + 10;
        else if (c >= 'a' && c <= 'f') digit = c - 'a' + 10;
        else return std::nullopt;
        value = value * 16 + static_cast<uint32_t>(digit);
    }
    return value;
}

std::string HexText(uint32_t value, int digits) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    char text[8];
    int n = 0;
    do {
        text[7 - n++] = kDigits[value & 0xF];
        value >>= 4;
    } while (value != 0);
    while (n < digits && n < 8) text[7 - n++] = '0';
    return std::string(text + 8 - n, static_cast<size_t>(n));
}
