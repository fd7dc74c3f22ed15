// Speed of Sifter's long commands on a 16 KB ROM image (16384 rows): the
// image load, the disassembly pass over the whole image, a second pass over
// the decoded listing, and the purge. Best and median of several runs.
//
//   build/bin/sifter-bench [runs]
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "workbench/data/default_tables.h"
#include "workbench/disassembler.h"
#include "workbench/listing.h"

namespace {

using Clock = std::chrono::steady_clock;

// 16384 bytes of a fixed pseudo-random sequence: every opcode, operand and
// address kind turns up, as in a real ROM.
std::string Image() {
    std::string bytes(16384, '\0');
    uint32_t x = 0x2545F491;
    for (char& b : bytes) {
        x ^= x << 13;
        x ^= x >> 17;
        x ^= x << 5;
        b = static_cast<char>(x & 0xFF);
    }
    return bytes;
}

struct Timing {
    const char* what;
    double targetMs;
    std::vector<double> ms;
};

template <typename F>
double Milliseconds(F&& f) {
    const auto t0 = Clock::now();
    f();
    return std::chrono::duration<double, std::milli>(Clock::now() - t0).count();
}

void Fail(const std::string& what) {
    std::fprintf(stderr, "sifter-bench: %s\n", what.c_str());
    std::exit(1);
}

}  // namespace

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
    const std::filesystem::path image = std::filesystem::temp_directory_path() / "sifter-bench.rom";
    const std::string bytes = Image();
    std::ofstream(image, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));

    Timing load{"load 16384 rows", 500, {}}, pass{"pass C000-FFFF", 1000, {}}, again{"pass again", 1000, {}},
        purge{"purge", 1000, {}};
    size_t instructions = 0, removed = 0;
    for (int run = 0; run < runs; ++run) {
        Workbench wb;
        FillMnemoTable(wb.mnemo);
        FillAddrTable(wb.addr);
        load.ms.push_back(Milliseconds([&] {
            if (LoadRomImage(wb, image, "C000", false).rows != 16384) Fail("the image did not load");
        }));
        pass.ms.push_back(Milliseconds([&] { instructions = RunDisassemblyPass(wb, Dialect::LH5801, "C000", "FFFF").instructions; }));
        again.ms.push_back(Milliseconds([&] { RunDisassemblyPass(wb, Dialect::LH5801, "C000", "FFFF"); }));
        purge.ms.push_back(Milliseconds([&] { removed = Purge(wb).removed; }));
        if (wb.rom.size() != instructions) Fail("the purge left operand rows");
    }
    std::filesystem::remove(image);

    std::printf("%d runs; %zu instructions decoded, %zu operand rows purged\n", runs, instructions, removed);
    std::printf("%-18s %10s %10s %10s\n", "", "best ms", "median ms", "target ms");
    for (Timing* t : {&load, &pass, &again, &purge}) {
        std::sort(t->ms.begin(), t->ms.end());
        std::printf("%-18s %10.2f %10.2f %10.0f\n", t->what, t->ms.front(), t->ms[t->ms.size() / 2], t->targetMs);
    }
    return 0;
}
