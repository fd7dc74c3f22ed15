// zelkor-cli's option parsing against any command line (NUL-separated words;
// the first is the verb, and a word that is neither checks both verbs). The
// parsing must run nothing and report a refusal in one line.
#include <cstdlib>
#include <sstream>

#include "app/cli/exec.h"
#include "app/cli/run.h"
#include "fuzz/words.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::vector<std::string> words = SplitWords(data, size);
    const std::vector<std::string> rest(words.begin() + 1, words.end());
    auto check = [](bool (*parse)(const std::vector<std::string>&, std::ostream&), const std::vector<std::string>& args) {
        std::ostringstream err;
        const bool accepted = parse(args, err);
        if (!OneErrorLine(args, accepted, err.str())) std::abort();
    };
    if (words[0] != "run") check(CheckExecOptions, words[0] == "exec" ? rest : words);
    if (words[0] != "exec") check(CheckRunOptions, words[0] == "run" ? rest : words);
    return 0;
}
