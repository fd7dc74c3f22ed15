#include "debug/annotations.h"

#include <cstring>

// The ROM comment table's source file, whose path the build passes in
// ZELKOR_ROM_COMMENTS_FILE, built into the program.
asm(".pushsection .rodata\n"
    ".hidden zelkor_rom_comments\n"
    ".globl zelkor_rom_comments\n"
    "zelkor_rom_comments:\n"
    ".incbin \"" ZELKOR_ROM_COMMENTS_FILE "\"\n"
    ".hidden zelkor_rom_comments_end\n"
    ".globl zelkor_rom_comments_end\n"
    "zelkor_rom_comments_end:\n"
    ".byte 0\n"
    ".popsection\n");
extern "C" const char zelkor_rom_comments[];
extern "C" const char zelkor_rom_comments_end[];

namespace {

constexpr size_t kRomComments = 0x10000 - kRomCommentsFirst;

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

// The four hex digits at the start of `line`, or -1.
int LineAddress(std::string_view line) {
    if (line.size() < 4) return -1;
    int a = 0;
    for (int k = 0; k < 4; ++k) {
        const int d = HexDigit(line[k]);
        if (d < 0) return -1;
        a = a << 4 | d;
    }
    return a;
}

// Characters of a UTF-8 text (its bytes that do not continue a character).
size_t Characters(std::string_view text) {
    size_t n = 0;
    for (char c : text) n += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    return n;
}

std::string Problem(int lineNumber, const std::string& what) {
    return "line " + std::to_string(lineNumber) + ": " + what;
}

const RomCommentTable& BuiltInTable() {
    static const RomCommentTable table = ParseRomComments(RomCommentSource());
    return table;
}

}  // namespace

RomCommentTable ParseRomComments(std::string_view source) {
    RomCommentTable table;
    table.comments.assign(kRomComments, {});
    int lineNumber = 0;
    while (!source.empty()) {
        const size_t end = source.find('\n');
        std::string_view line = source.substr(0, end);
        source.remove_prefix(end == std::string_view::npos ? source.size() : end + 1);
        ++lineNumber;
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (line.empty() || line[0] == '#') continue;
        const int a = LineAddress(line);
        if (a < 0 || (line.size() > 4 && line[4] != ' ')) {
            table.problems.push_back(Problem(lineNumber, "expected four hex digits, a space and the comment"));
            continue;
        }
        if (a < kRomCommentsFirst) {
            table.problems.push_back(Problem(lineNumber, "address below A000"));
            continue;
        }
        const std::string_view text = line.size() > 5 ? line.substr(5) : std::string_view();
        if (Characters(text) > kRomCommentMax) {
            table.problems.push_back(Problem(lineNumber, "comment longer than 80 characters"));
            continue;
        }
        std::string_view& entry = table.comments[static_cast<size_t>(a - kRomCommentsFirst)];
        if (!entry.empty()) {
            table.problems.push_back(Problem(lineNumber, "a second comment for its address"));
            continue;
        }
        entry = text;
    }
    return table;
}

std::string_view RomCommentSource() {
    return {zelkor_rom_comments, static_cast<size_t>(zelkor_rom_comments_end - zelkor_rom_comments)};
}

std::string_view RomComment(uint16_t a) {
    if (a < kRomCommentsFirst) return {};
    return BuiltInTable().comments[a - kRomCommentsFirst];
}

void Me0Annotation(uint16_t a, char* text) {
    std::string_view name;
    if (a >= kRomCommentsFirst) name = RomComment(a);
    else if (a >= kRamNamesFirst && a <= kRamNamesLast) name = RamVariableName(a);
    if (name.empty() && a < kRomCommentsFirst) {
        text[0] = '\0';
        return;
    }
    const size_t n = name.size() < kAnnotationSize - 2 ? name.size() : kAnnotationSize - 2;
    if (n > 0) std::memcpy(text, name.data(), n);
    text[n] = '\n';
    text[n + 1] = '\0';
}
