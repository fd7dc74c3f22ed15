#include "app/state_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstddef>
#include <cstdio>
#include <cstring>
#include <vector>

namespace {

StateLoadResult Outcome(StateLoad outcome, std::string error = {}) {
    StateLoadResult result;
    result.outcome = outcome;
    result.error = std::move(error);
    return result;
}

std::string SystemError(const std::string& what, int error) { return what + ": " + std::strerror(error); }

// Reads exactly `size` bytes; false on a short read or an error.
bool ReadAll(int fd, uint8_t* bytes, size_t size) {
    while (size > 0) {
        const ssize_t n = read(fd, bytes, size);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        bytes += n;
        size -= static_cast<size_t>(n);
    }
    return true;
}

bool WriteAll(int fd, const uint8_t* bytes, size_t size) {
    while (size > 0) {
        const ssize_t n = write(fd, bytes, size);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        bytes += n;
        size -= static_cast<size_t>(n);
    }
    return true;
}

// Renames the file aside to "<path>.bad", replacing an older one.
StateLoadResult KeepAside(const std::string& path, uint64_t size) {
    StateLoadResult result = Outcome(StateLoad::WrongSize);
    result.size = size;
    const std::string bad = path + kBadStateSuffix;
    if (std::rename(path.c_str(), bad.c_str()) == 0) result.keptAs = bad;
    else result.error = SystemError("cannot rename it to " + bad, errno);
    return result;
}

}  // namespace

StateLoadResult LoadState(LH5801* m, const std::string& path) {
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        if (errno == ENOENT) return Outcome(StateLoad::Missing);
        return Outcome(StateLoad::Unreadable, SystemError(path, errno));
    }
    struct stat info;
    if (fstat(fd, &info) != 0) {
        const int error = errno;
        close(fd);
        return Outcome(StateLoad::Unreadable, SystemError(path, error));
    }
    if (!S_ISREG(info.st_mode)) {
        close(fd);
        return Outcome(StateLoad::Unreadable, path + ": not a file");
    }
    const uint64_t size = static_cast<uint64_t>(info.st_size);
    if (size != kRecordSize) {
        close(fd);
        return KeepAside(path, size);
    }
    // Read into a buffer first: a read that fails halfway leaves the record as it was.
    std::vector<uint8_t> image(kRecordSize);
    const bool ok = ReadAll(fd, image.data(), image.size());
    const int error = errno;
    close(fd);
    if (!ok) return Outcome(StateLoad::Unreadable, SystemError(path, error ? error : EIO));
    std::memcpy(static_cast<void*>(m), image.data(), kRecordSize);
    return Outcome(StateLoad::Loaded);
}

std::optional<uint32_t> StateFileMachine(const std::string& path) {
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return std::nullopt;
    struct stat info;
    uint32_t machine = 0;
    const bool ok = fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && static_cast<uint64_t>(info.st_size) == kRecordSize &&
                    pread(fd, &machine, sizeof machine, offsetof(LH5801, Machine)) == sizeof machine;
    close(fd);
    if (!ok) return std::nullopt;
    return machine;
}

bool SaveState(const LH5801& m, const std::string& path, std::string* error) {
    std::string temporary = path + ".XXXXXX";
    const int fd = mkostemp(temporary.data(), O_CLOEXEC);
    if (fd < 0) {
        *error = SystemError("cannot create a file beside " + path, errno);
        return false;
    }
    // mkostemp makes the file private; a state file is as readable as any file the user makes.
    const mode_t mask = umask(0);
    umask(mask);
    fchmod(fd, 0666 & ~mask);
    bool ok = WriteAll(fd, reinterpret_cast<const uint8_t*>(&m), kRecordSize) && fsync(fd) == 0;
    int failure = errno;
    if (close(fd) != 0 && ok) {
        ok = false;
        failure = errno;
    }
    if (ok && std::rename(temporary.c_str(), path.c_str()) != 0) {
        ok = false;
        failure = errno;
    }
    if (!ok) {
        std::remove(temporary.c_str());
        *error = SystemError("cannot write " + path, failure ? failure : EIO);
    }
    return ok;
}
