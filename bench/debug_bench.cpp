// Emulated speed of the debug run at maximum speed: the mixed loop through
// the traced step, its whole trace written to a file (flushed after every
// instruction, as the debug run does). The real machine runs at 1.3 MHz.
//
//   build/bin/zelkor-debug-bench [seconds] [trace file]
//
// Without a trace file the trace goes to a temporary file, removed at the end.
#include <cstdio>
#include <cstdlib>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

#include "bench/loops.h"
#include "bench/speed.h"
#include "debug/debug_run.h"
#include "machine/machine.h"

int main(int argc, char** argv) {
    const double seconds = argc > 1 ? std::atof(argv[1]) : 2.0;
    std::string path = argc > 2 ? argv[2] : "";
    const bool temporary = path.empty();
    if (temporary) {
        char name[] = "/tmp/zelkor-traces-XXXXXX";
        const int fd = mkstemp(name);
        if (fd < 0) return std::perror("zelkor-debug-bench: mkstemp"), 1;
        close(fd);
        path = name;
    }
    auto machine = NewMachine();
    LH5801* m = &machine->record;
    kMixedLoop.load(m);
    std::string error;
    if (!BeginDebugRun(m, path, &error)) {
        std::fprintf(stderr, "zelkor-debug-bench: cannot create %s: %s\n", path.c_str(), error.c_str());
        return 1;
    }
    const Speed s = MeasureSpeed(m, DebugStep, seconds, 1 << 12);
    EndDebugRun(m);
    struct stat info {};
    stat(path.c_str(), &info);
    if (temporary) std::remove(path.c_str());
    if (!kMixedLoop.Inside(m)) {
        std::fprintf(stderr, "zelkor-debug-bench: the loop left its code (P=%04X)\n", m->P);
        return 1;
    }
    PrintSpeed("debug run", s);
    std::printf("trace        %.1f MB, %.0f bytes an instruction; real machine 1.3 MHz\n",
                static_cast<double>(info.st_size) / 1e6,
                static_cast<double>(info.st_size) / static_cast<double>(s.instructions));
    return 0;
}
