// The state file: a byte image of the whole machine record, read at start-up
// and written when the machine switches itself off and at quit.
//
// Writing goes to a temporary file beside the state file, renamed over it
// once complete, so a failure mid-write leaves the old file whole. A file
// of the wrong size is not loaded at all: it is renamed "<name>.bad" so that
// nothing of it is lost and the caller starts from the defaults.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "cpu/record.h"

constexpr const char* kStateFileName = "Zelkora.mem";  // in the current directory
constexpr const char* kBadStateSuffix = ".bad";

enum class StateLoad {
    Loaded,      // the record now holds the file's image
    Missing,     // no such file: the defaults apply
    Unreadable,  // exists but cannot be read: the defaults apply
    WrongSize,   // not 163056 bytes: renamed aside, the defaults apply
};

struct StateLoadResult {
    StateLoad outcome = StateLoad::Missing;
    uint64_t size = 0;    // WrongSize: the file's size
    std::string keptAs;   // WrongSize: where the file now is ("" if it could not be renamed)
    std::string error;    // Unreadable, or a failed rename: the system's reason
};

// Reads the file into the record. The record is changed only when the
// outcome is Loaded. A read-only file loads like any other.
StateLoadResult LoadState(LH5801* m, const std::string& path);

// The Machine word of the state in the file, read without loading it;
// nullopt when the file cannot be read or is not a state file's size.
std::optional<uint32_t> StateFileMachine(const std::string& path);

// Writes the record to the file atomically. On failure returns false with
// the system's reason in `error`; the previous file, if any, is untouched.
bool SaveState(const LH5801& m, const std::string& path, std::string* error);
