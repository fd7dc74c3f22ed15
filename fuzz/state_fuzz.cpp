// The state file loader against any file, and the machine started, run and
// drawn from whatever it loaded, as the program does at start-up.
// Input: an even first byte makes the rest the file itself (any size); an odd
// one makes the file a sound record (a first start's) with the rest applied
// as edits of seven bytes: a 24-bit offset and a 32-bit word written there,
// so that a run reaches deep into the record without guessing 163056 bytes.
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "app/session.h"
#include "app/state_file.h"
#include "machine/keyboard.h"
#include "machine/machine.h"
#include "machine/step.h"

namespace {

void Check(bool ok) {
    if (!ok) std::abort();
}

// The state file goes through a file of this process, removed at exit.
struct StateFile {
    const std::string path =
        (std::filesystem::temp_directory_path() / ("fuzz_state." + std::to_string(::getpid()) + ".mem")).string();
    ~StateFile() {
        std::remove(path.c_str());
        std::remove((path + kBadStateSuffix).c_str());
    }
} file;

std::vector<uint8_t> SoundRecord() {
    auto machine = NewMachine();
    ModelLibrary library;
    std::string error;
    Check(BindModelLibrary("ZelkorA", &library, &error));
    Check(FirstStart(&machine->record, library));
    ReleaseModelLibrary(&machine->record, &library);
    const auto* bytes = reinterpret_cast<const uint8_t*>(&machine->record);
    return {bytes, bytes + kRecordSize};
}

std::vector<uint8_t> FileBytes(const uint8_t* data, size_t size) {
    if (data[0] % 2 == 0) return {data + 1, data + size};
    static const std::vector<uint8_t> sound = SoundRecord();
    std::vector<uint8_t> bytes = sound;
    for (size_t at = 1; at + 7 <= size; at += 7) {
        const size_t offset = (size_t(data[at]) << 16 | size_t(data[at + 1]) << 8 | data[at + 2]) % (kRecordSize - 3);
        std::memcpy(&bytes[offset], data + at + 3, 4);
    }
    return bytes;
}

// Each model library stays loaded for the whole run: an unloaded library
// would take its coverage counters with it, under the fuzzer's feet.
void KeepModelLibrariesLoaded() {
    static const bool kept = [] {
        for (const char* name : {"ZelkorA", "Zelkor", "Kavro"}) {
            ModelLibrary library;
            std::string error;
            Check(BindModelLibrary(name, &library, &error));
        }
        return true;
    }();
    (void)kept;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    KeepModelLibrariesLoaded();
    const std::vector<uint8_t> bytes = FileBytes(data, size);
    {
        std::FILE* f = std::fopen(file.path.c_str(), "wb");
        Check(f && std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size() && std::fclose(f) == 0);
    }

    auto machine = NewMachine();
    LH5801* m = &machine->record;
    ModelLibrary library;
    std::string error;
    Check(BindModelLibrary("ZelkorA", &library, &error));
    const StateStart start = StartFromStateFile(m, &library, file.path);
    Check(start.counter);
    Check((start.state.outcome == StateLoad::Loaded) == (bytes.size() == kRecordSize));

    // Switched on, run a little with a key held, switched off, drawn again;
    // at maximum speed, as waiting out real time would only slow the fuzzing.
    m->FrequenceMax = 1;
    KeyboardHooks hooks;
    hooks.powerOn = [](LH5801* r) {
        PowerOn(r);
        RunStart(r);
    };
    hooks.offKey = OffKeyWhileRunning;
    KeyPress(m, kKeyOn, hooks);
    uint32_t key = 11 + data[0] % 50;
    bool on = true;
    for (int i = 0; i < 3000 && on; ++i) {
        if (i == 500) KeyPress(m, key, hooks);
        if (i == 1500) KeyRelease(key, m);
        on = Step(m) != kStepOff;
    }
    KeyRelease(key, m);
    RunEnd(m);
    PaintAll(m);
    ReleaseModelLibrary(m, &library);
    return 0;
}
