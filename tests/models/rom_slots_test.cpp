// ROM slots: Get_Rom's choice of slot by menu identifier, and slot files the
// user puts beside the library. Each test copies the library into a fresh
// temporary directory, so the slot files never touch the build's own folder.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <vector>

#include "host/library.h"
#include "models/tables.h"
#include "tests/common/scratch_folder.h"
#include "tests/models/model_library.h"

namespace fs = std::filesystem;

namespace {

std::vector<uint8_t> ReadAll(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), {});
}

std::vector<uint8_t> Rom(uint8_t fill) {
    std::vector<uint8_t> rom(kRomSize, fill);
    rom[0] = 0x5A;  // not a uniform block, so an offset copy would show
    rom[kRomSize - 1] = static_cast<uint8_t>(~fill);
    return rom;
}

std::vector<uint8_t> Me0Rom(const LH5801& record) {
    return std::vector<uint8_t>(record.ME0 + kRomBase, record.ME0 + kRomBase + kRomSize);
}

class RomSlots : public testing::Test {
protected:
    void SetUp() override {
        bundled_ = ReadAll(ZELKOR_MODEL_ROM);
        ASSERT_EQ(bundled_.size(), static_cast<size_t>(kRomSize));
    }
    void TearDown() override { libraries_.clear(); }

    void WriteFile(const std::string& name, const std::vector<uint8_t>& bytes) {
        std::ofstream out(dir_ / name, std::ios::binary);
        out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    }

    BoundLibrary& Load(const std::string& library) {
        const std::string file = "lib" + library + ".so";
        fs::copy_file(fs::path(ProgramDirectory()) / file, dir_ / file, fs::copy_options::overwrite_existing);
        libraries_.push_back(OpenModelAt((dir_ / file).string()));
        return *libraries_.back();
    }

    // ME0 C000-FFFF after Get_Rom(id); the bytes around stay untouched.
    std::vector<uint8_t> RomAfter(BoundLibrary& library, uint32_t id) {
        auto record = NewRecord();
        record->ME0[kRomBase - 1] = 0xA5;
        library.getRom(record.get(), id);
        EXPECT_EQ(record->ME0[kRomBase - 1], 0xA5);
        return Me0Rom(*record);
    }

    ScratchFolder folder_;
    const fs::path& dir_ = folder_.dir();
    std::vector<uint8_t> bundled_;
    std::vector<std::unique_ptr<BoundLibrary>> libraries_;
};

TEST_F(RomSlots, IdentifierSelectsTheSlotFile) {
    struct Case {
        const char* library;
        uint32_t id;
        int slot;
    };
    const Case cases[] = {
        {"ZelkorA", 256, 1}, {"ZelkorA", 257, 2}, {"ZelkorA", 258, 3}, {"ZelkorA", 999, 3}, {"ZelkorA", 0, 3},
        {"Zelkor", 252, 1},  {"Zelkor", 253, 2},  {"Zelkor", 254, 3},  {"Zelkor", 256, 3},
        {"Kavro", 260, 1},   {"Kavro", 262, 2},   {"Kavro", 999, 2},   {"Kavro", 258, 2},
    };
    for (const char* name : {"ZelkorA", "Zelkor", "Kavro"}) {
        for (int slot = 1; slot <= 3; ++slot) WriteFile(std::string(name) + "-rom" + std::to_string(slot) + ".bin", Rom(0x10 * slot));
        BoundLibrary& library = Load(name);
        for (const Case& c : cases)
            if (c.library == std::string(name)) {
                EXPECT_EQ(RomAfter(library, c.id), Rom(0x10 * c.slot)) << name << " id " << c.id;
            }
    }
}

TEST_F(RomSlots, SlotWithoutAFileHoldsTheBundledImage) {
    WriteFile("ZelkorA-rom2.bin", Rom(0x20));
    WriteFile("Zelkor-rom1.bin", Rom(0x30));  // another library's file does not count
    BoundLibrary& library = Load("ZelkorA");
    EXPECT_EQ(RomAfter(library, 256), bundled_);
    EXPECT_EQ(RomAfter(library, 257), Rom(0x20));
    EXPECT_EQ(RomAfter(library, 258), bundled_);
}

TEST_F(RomSlots, LibraryInTheBuildFolderUsesTheBundledImage) {
    auto library = OpenModel("Kavro");
    EXPECT_EQ(RomAfter(*library, 260), bundled_);
    EXPECT_EQ(RomAfter(*library, 261), bundled_);
}

TEST_F(RomSlots, WrongSizeIsRefusedWithOneLineAndTheBundledImageUsed) {
    struct Case {
        size_t size;
        const char* says;
    };
    const Case cases[] = {{0, " 0 bytes"}, {100, " 100 bytes"}, {16383, " 16383 bytes"}, {16385, " 16385 bytes"}};
    for (const Case& c : cases) {
        WriteFile("Kavro-rom1.bin", std::vector<uint8_t>(c.size, 0x77));
        BoundLibrary& library = Load("Kavro");
        testing::internal::CaptureStderr();
        EXPECT_EQ(RomAfter(library, 260), bundled_) << c.size;
        const std::string err = testing::internal::GetCapturedStderr();
        EXPECT_NE(err.find((dir_ / "Kavro-rom1.bin").string()), std::string::npos) << err;
        EXPECT_NE(err.find(c.says), std::string::npos) << err;
        EXPECT_NE(err.find("bundled"), std::string::npos) << err;
        EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1) << err;
        libraries_.clear();
    }
}

TEST_F(RomSlots, UnreadableSlotIsRefused) {
    fs::create_directory(dir_ / "ZelkorA-rom3.bin");
    BoundLibrary& library = Load("ZelkorA");
    testing::internal::CaptureStderr();
    EXPECT_EQ(RomAfter(library, 258), bundled_);
    const std::string err = testing::internal::GetCapturedStderr();
    EXPECT_NE(err.find("ZelkorA-rom3.bin"), std::string::npos) << err;
    EXPECT_NE(err.find("bundled"), std::string::npos) << err;
}

}  // namespace
