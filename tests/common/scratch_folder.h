// A folder of the test's own under the temporary folder, removed with all it
// holds when the object goes. mkdtemp makes the name, so no other test,
// process or concurrent run of the suite can share it; the test's name in it
// says whose it is when one is left behind.
#pragma once

#include <gtest/gtest.h>

#include <stdlib.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <system_error>

class ScratchFolder {
public:
    ScratchFolder() {
        std::string pattern = (std::filesystem::temp_directory_path() / ("zelkor-" + TestName() + "-XXXXXX")).string();
        if (!mkdtemp(pattern.data())) throw std::system_error(errno, std::generic_category(), pattern);
        dir_ = pattern;
    }
    // Tests may take the owner's rights from the folder to make writes fail.
    ~ScratchFolder() {
        std::error_code ignored;
        std::filesystem::permissions(dir_, std::filesystem::perms::owner_all, std::filesystem::perm_options::add, ignored);
        std::filesystem::remove_all(dir_, ignored);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::filesystem::path& dir() const { return dir_; }
    std::filesystem::path Path(const std::string& name) const { return dir_ / name; }

    void Write(const std::string& name, const std::string& bytes) const {
        std::ofstream(dir_ / name, std::ios::binary) << bytes;
    }
    std::string Read(const std::string& name) const {
        std::ifstream in(dir_ / name, std::ios::binary);
        std::ostringstream s;
        s << in.rdbuf();
        return s.str();
    }

private:
    // "Suite.Test" of the running test, with the characters a file name
    // cannot hold (parameterised names carry '/') made '_'.
    static std::string TestName() {
        const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
        std::string name = test ? std::string(test->test_suite_name()) + "." + test->name() : "test";
        for (char& c : name)
            if (c == '/') c = '_';
        return name;
    }

    std::filesystem::path dir_;
};

// The current directory moved to `dir` while the object lasts, then put back.
class CurrentDirectory {
public:
    explicit CurrentDirectory(const std::filesystem::path& dir) : previous_(std::filesystem::current_path()) {
        std::filesystem::current_path(dir);
    }
    ~CurrentDirectory() {
        std::error_code ignored;
        std::filesystem::current_path(previous_, ignored);
    }
    CurrentDirectory(const CurrentDirectory&) = delete;
    CurrentDirectory& operator=(const CurrentDirectory&) = delete;

private:
    std::filesystem::path previous_;
};
