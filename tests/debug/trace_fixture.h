// Helpers for the trace texts: a machine as a first start configures it, a
// stream whose text the test reads back, and golden files.
#pragma once

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include "tests/cpu/run.h"

// A FILE* into memory; Text() flushes it and returns what was written.
class Capture {
public:
    Capture() : file_(open_memstream(&buffer_, &size_)) {}
    ~Capture() {
        std::fclose(file_);
        std::free(buffer_);
    }
    Capture(const Capture&) = delete;
    Capture& operator=(const Capture&) = delete;

    std::FILE* file() const { return file_; }
    std::string Text() {
        std::fflush(file_);
        return std::string(buffer_, size_);
    }

private:
    char* buffer_ = nullptr;
    size_t size_ = 0;
    std::FILE* file_;
};

// Compares `actual` with tests/debug/data/<name>. With ZELKOR_UPDATE_GOLDEN=1
// in the environment the file is written instead (review the difference
// before committing it).
inline void ExpectGolden(const std::string& name, const std::string& actual) {
    const std::string path = std::string(ZELKOR_DEBUG_TEST_DATA) + "/" + name;
    if (std::getenv("ZELKOR_UPDATE_GOLDEN")) {
        std::ofstream(path, std::ios::binary) << actual;
        return;
    }
    std::ifstream file(path, std::ios::binary);
    ASSERT_TRUE(file) << "missing golden file " << path;
    std::stringstream expected;
    expected << file.rdbuf();
    EXPECT_EQ(expected.str(), actual) << "differs from " << path;
}
