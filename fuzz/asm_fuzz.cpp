// The assembler against any source text. The input is split at NUL bytes into
// files "0.asm", "1.asm" ...; the first is assembled, the others are what
// INCLUDE finds, so includes (nested, missing, recursive) are exercised too.
#include <cstddef>
#include <cstdint>
#include <map>
#include <string>

#include "tools/asm/assembler.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::map<std::string, std::string> files;
    std::string text(reinterpret_cast<const char*>(data), size);
    size_t start = 0;
    for (int n = 0; start <= text.size(); ++n) {
        const size_t end = text.find('\0', start);
        files[std::to_string(n) + ".asm"] = text.substr(start, end == std::string::npos ? std::string::npos : end - start);
        if (end == std::string::npos) break;
        start = end + 1;
    }
    const lh5801asm::SourceReader reader = [&files](const std::string& path) -> std::optional<std::string> {
        const size_t slash = path.find_last_of('/');
        const auto it = files.find(slash == std::string::npos ? path : path.substr(slash + 1));
        if (it == files.end()) return std::nullopt;
        return it->second;
    };
    const lh5801asm::Assembly a = lh5801asm::Assemble("0.asm", {}, reader);
    if (a.ok()) (void)lh5801asm::Image(a, {});
    (void)lh5801asm::ListingText(a);
    return 0;
}
