// The state file on its own: atomic writes that leave the old file whole on
// failure, loads that change the record only when the whole image is read.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <cstring>
#include <memory>

#include "app/state_file.h"
#include "tests/common/scratch_folder.h"

namespace fs = std::filesystem;

namespace {

class StateFileTest : public ::testing::Test {
protected:
    ScratchFolder folder_;
    const fs::path& dir_ = folder_.dir();
    const std::string path_ = folder_.Path("Zelkora.mem").string();
};

std::unique_ptr<LH5801> Record(uint8_t fill) {
    auto m = std::make_unique<LH5801>();
    std::memset(static_cast<void*>(m.get()), fill, sizeof(LH5801));
    return m;
}

TEST_F(StateFileTest, SavedImageLoadsByteForByte) {
    const auto saved = Record(0);
    for (size_t i = 0; i < sizeof(LH5801); ++i) reinterpret_cast<uint8_t*>(saved.get())[i] = static_cast<uint8_t>(i * 7);
    std::string error;
    ASSERT_TRUE(SaveState(*saved, path_, &error)) << error;
    EXPECT_EQ(fs::file_size(path_), kRecordSize);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 1);  // no temporary left
    const auto loaded = Record(0xEE);
    EXPECT_EQ(LoadState(loaded.get(), path_).outcome, StateLoad::Loaded);
    EXPECT_EQ(std::memcmp(saved.get(), loaded.get(), sizeof(LH5801)), 0);
}

TEST_F(StateFileTest, MissingFileLeavesTheRecordAlone) {
    const auto m = Record(0xEE);
    EXPECT_EQ(LoadState(m.get(), path_).outcome, StateLoad::Missing);
    EXPECT_EQ(m->Version, 0xEEEEEEEEu);
}

TEST_F(StateFileTest, FilesOfTheWrongSizeAreKeptAsideUnread) {
    for (size_t size : {size_t{0}, size_t{kRecordSize - 1}, size_t{kRecordSize + 1}}) {
        SCOPED_TRACE(size);
        std::ofstream(path_, std::ios::binary) << std::string(size, 'x');
        const auto m = Record(0xEE);
        const StateLoadResult r = LoadState(m.get(), path_);
        EXPECT_EQ(r.outcome, StateLoad::WrongSize);
        EXPECT_EQ(r.size, size);
        EXPECT_EQ(r.keptAs, path_ + ".bad");
        EXPECT_EQ(fs::file_size(path_ + ".bad"), size);
        EXPECT_FALSE(fs::exists(path_));
        EXPECT_EQ(m->Version, 0xEEEEEEEEu);
    }
}

TEST_F(StateFileTest, FailedWriteKeepsTheOldFile) {
    const auto old = Record(0x11);
    std::string error;
    ASSERT_TRUE(SaveState(*old, path_, &error));
    // A folder that refuses new files: the temporary cannot be made.
    fs::permissions(dir_, fs::perms::owner_read | fs::perms::owner_exec);
    const bool rootIgnoresPermissions = access(dir_.c_str(), W_OK) == 0;
    if (!rootIgnoresPermissions) {
        EXPECT_FALSE(SaveState(*Record(0x22), path_, &error));
        EXPECT_NE(error.find(path_), std::string::npos) << error;
    }
    fs::permissions(dir_, fs::perms::owner_all, fs::perm_options::add);
    // A state file path that is a folder: the rename fails, nothing is left behind.
    const std::string folder = (dir_ / "folder.mem").string();
    fs::create_directories(folder + "/inside");
    EXPECT_FALSE(SaveState(*Record(0x22), folder, &error));
    EXPECT_TRUE(fs::is_directory(folder + "/inside"));
    const auto loaded = Record(0);
    ASSERT_EQ(LoadState(loaded.get(), path_).outcome, StateLoad::Loaded);
    EXPECT_EQ(loaded->Version, 0x11111111u);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 2);
}

}  // namespace
