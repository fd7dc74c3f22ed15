// sifter-cli's option parsing against any command line (NUL-separated words):
// a refusal is one line, and accepted addresses are four upper-case hex digits.
#include <cstdlib>
#include <sstream>

#include "fuzz/words.h"
#include "workbench/cli/sifter_cli.h"

namespace {

bool AddressText(const std::string& text, bool optional) {
    if (text.empty()) return optional;
    if (text.size() != 4) return false;
    for (char c : text)
        if (!((c >= '0' && c <= '9') || (c >= 'A' && c <= 'F'))) return false;
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::vector<std::string> words = SplitWords(data, size);
    std::ostringstream err;
    const std::optional<SifterCliOptions> o = ParseSifterCli(words, err);
    if (!OneErrorLine(words, o.has_value(), err.str())) std::abort();
    if (o && (o->rom.empty() || !AddressText(o->at, false) || !AddressText(o->from, true) || !AddressText(o->to, true)))
        std::abort();
    return 0;
}
