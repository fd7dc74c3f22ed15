// The three model libraries through their exports, loaded by name as the
// emulator loads them.
#include <gtest/gtest.h>

#include <cstring>

#include "host/image.h"
#include "models/tables.h"
#include "tests/models/model_library.h"

namespace {

const char* const kLibraries[] = {"ZelkorA", "Zelkor", "Kavro"};

constexpr uint32_t At(uint32_t x, uint32_t y) { return y << 16 | x; }

TEST(ModelLibrary, EachLoadsByNameWithItsFourFunctions) {
    for (const char* name : kLibraries) {
        auto library = OpenModel(name);
        auto record = NewRecord();
        library->initialise(record.get());
        library->libere(record.get());
    }
    std::string error;
    EXPECT_EQ(LibraryOpen("NoSuchModel", &error), nullptr);
    EXPECT_NE(error.find("NoSuchModel"), std::string::npos) << error;
}

TEST(ModelLibrary, ExportsOnlyTheFourFunctions) {
    auto library = OpenModel("ZelkorA");
    for (const char* hidden : {"KeyAt", "ZelkorATables", "LoadRomSlot", "zelkor_skin_blob", "zelkor_bundled_rom"})
        EXPECT_EQ(LibraryFunction(library->handle, hidden), nullptr) << hidden;
}

TEST(ModelLibrary, UneToucheOnHitBoxEdges) {
    struct Case {
        const char* library;
        uint32_t x, y;
        uint32_t key;
    };
    const Case cases[] = {
        {"ZelkorA", 36, 153, 1},    // top-left corner of DEF
        {"ZelkorA", 70, 171, 1},    // x + width - 2, y + height - 2
        {"ZelkorA", 71, 153, 0},    // the key's last column is outside the box
        {"ZelkorA", 36, 172, 0},    // and so is its last row
        {"ZelkorA", 35, 153, 0},
        {"ZelkorA", 36, 152, 0},
        {"ZelkorA", 455, 330, 60},  // ENTER, never its second entry
        {"ZelkorA", 543, 353, 60},
        {"ZelkorA", 544, 353, 0},
        {"ZelkorA", 792, 153, 10},  // ON
        {"ZelkorA", 738, 330, 64},
        {"ZelkorA", 826, 353, 65},
        {"ZelkorA", 0, 0, 0},
        {"ZelkorA", 0xFFFF, 0xFFFF, 0},
        {"Zelkor", 36, 153, 1},
        {"Zelkor", 455, 330, 60},
        {"Zelkor", 792, 153, 10},
        {"Zelkor", 71, 153, 0},
        {"Kavro", 677, 334, 66},    // ENT is a real key here
        {"Kavro", 711, 357, 66},
        {"Kavro", 712, 357, 0},
        {"Kavro", 60, 158, 9},      // OFF
        {"Kavro", 94, 176, 9},
        {"Kavro", 60, 177, 0},
        {"Kavro", 95, 158, 0},
        {"Kavro", 306, 334, 60},
        {"Kavro", 393, 357, 60},
        {"Kavro", 394, 357, 0},
        {"Kavro", 36, 153, 0},      // ZelkorA's DEF place is empty here
        {"Kavro", 202, 158, 1},
    };
    for (const char* name : kLibraries) {
        auto library = OpenModel(name);
        for (const Case& c : cases)
            if (std::strcmp(c.library, name) == 0) {
                EXPECT_EQ(library->uneTouche(At(c.x, c.y)), c.key) << name << " (" << c.x << ", " << c.y << ")";
            }
    }
}

// A coordinate above 32767 is large, not negative: the compare is unsigned.
TEST(ModelLibrary, UneToucheComparesUnsigned16Bit) {
    auto library = OpenModel("ZelkorA");
    EXPECT_EQ(library->uneTouche(At(0x8000 + 36, 153)), 0u);
    EXPECT_EQ(library->uneTouche(At(36, 0x8000 + 153)), 0u);
    EXPECT_EQ(library->uneTouche(At(0xFFFF, 153)), 0u);
}

struct Size {
    int width, height;
    bool operator==(const Size&) const = default;
};

Size SizeOf(uint32_t image) {
    BitmapInfo info;
    if (!ImageDescribe(image, &info)) return {0, 0};
    return {info.width, info.height};
}

// Image sizes as the libraries deliver them, independent of the tables.
Size KeyImageSize(const std::string& library, int k) {
    if (k <= 10) return {36, 20};
    if (k == 57 || k == 60 || (k == 66 && library == "ZelkorA")) return {library == "Kavro" ? 89 : 90, 25};
    return {36, 25};
}

constexpr int kAnnunciatorWidths[] = {23, 25, 11, 29, 11, 5, 17, 17, 17, 41, 17, 3, 5, 7, 4};

class InitialisedLibrary : public testing::TestWithParam<const char*> {
protected:
    void SetUp() override {
        library_ = OpenModel(GetParam());
        imagesBefore_ = ImageCount();
        library_->initialise(record_.get());
    }
    void TearDown() override { library_->libere(record_.get()); }

    std::string name() const { return GetParam(); }
    bool hasEntry(int i) const { return !(i == 66 && name() == "Zelkor"); }

    std::unique_ptr<BoundLibrary> library_;
    std::unique_ptr<LH5801> record_ = NewRecord();
    int imagesBefore_ = 0;
};

TEST_P(InitialisedLibrary, OriginAndEveryEntryDirtyWithItsFirstOrUnlitImage) {
    const bool kavro = name() == "Kavro";
    EXPECT_EQ(record_->LcdOriginX, kavro ? 237 : 122);
    EXPECT_EQ(record_->LcdOriginY, kavro ? 81 : 75);
    for (int i = 0; i < kModelEntries; ++i) {
        const SkinEntry& e = record_->Skin[i];
        EXPECT_EQ(e.dirty, 1u) << i;
        if (!hasEntry(i)) continue;
        ASSERT_NE(e.imageA, 0u) << i;
        ASSERT_NE(e.imageB, 0u) << i;
        const bool unlit = i >= kSkinFirstAnnunciator && i <= kSkinPowerDot;
        EXPECT_EQ(e.currentImage, unlit ? e.imageB : e.imageA) << i;
        if (i != 0) {
            EXPECT_NE(e.imageA, e.imageB) << i;
        }
    }
    EXPECT_EQ(record_->Skin[0].imageA, record_->Skin[0].imageB);
    EXPECT_EQ(record_->Skin[84].dirty, 0u);  // never filled
    // The two dot entries hold separate handles of the unlit dot.
    EXPECT_NE(record_->Skin[82].imageA, record_->Skin[83].imageA);
    for (int i : {82, 83}) {
        const SkinEntry& e = record_->Skin[i];
        EXPECT_EQ((Size{e.width, e.height}), (Size{468, 21}));
        EXPECT_EQ(std::make_pair(e.x, e.y), std::make_pair(122, 76));
    }
}

TEST_P(InitialisedLibrary, ImageSizes) {
    EXPECT_EQ(SizeOf(record_->Skin[0].imageA), (Size{864, 383}));
    for (int k = 1; k <= 66; ++k) {
        if (!hasEntry(k)) continue;
        const SkinEntry& e = record_->Skin[k];
        EXPECT_EQ(SizeOf(e.imageA), KeyImageSize(name(), k)) << k;
        EXPECT_EQ(SizeOf(e.imageB), KeyImageSize(name(), k)) << k;
        EXPECT_EQ((Size{e.width, e.height}), KeyImageSize(name(), k)) << k;
    }
    for (int i = 0; i < kAnnunciatorCount; ++i) {
        const SkinEntry& e = record_->Skin[kSkinFirstAnnunciator + i];
        EXPECT_EQ(SizeOf(e.imageA), (Size{kAnnunciatorWidths[i], 7})) << i;
        EXPECT_EQ(SizeOf(e.imageB), (Size{kAnnunciatorWidths[i], 7})) << i;
    }
    for (int i : {82, 83}) {
        EXPECT_EQ(SizeOf(record_->Skin[i].imageA), (Size{3, 3}));
        EXPECT_EQ(SizeOf(record_->Skin[i].imageB), (Size{3, 3}));
    }
}

void ExpectWiring(const SkinEntry& e, uint8_t scanAll, std::array<uint8_t, 8> lines, int index) {
    EXPECT_EQ(e.scanAll, scanAll) << "entry " << index;
    for (int j = 0; j < 8; ++j) EXPECT_EQ(e.scanLines[j], lines[j]) << "entry " << index << " strobe " << (1 << j);
}

TEST_P(InitialisedLibrary, KeyWiring) {
    const std::array<uint8_t, 8> none{0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};
    ExpectWiring(record_->Skin[1], 0x10, {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xEF, 0xFF}, 1);   // DEF 40/4
    ExpectWiring(record_->Skin[11], 0x20, {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xDF, 0xFF}, 11); // Q 40/5
    ExpectWiring(record_->Skin[9], 0x04, {0xFF, 0xFB, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}, 9);   // OFF 02/2
    ExpectWiring(record_->Skin[10], 0x00, none, 10);                                              // ON: no point
    ExpectWiring(record_->Skin[64], 0x01, {0xFF, 0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0xFE, 0xFF}, 64); // + 10/0 and 40/0
    ExpectWiring(record_->Skin[60], 0x80, {0xFF, 0xFF, 0xFF, 0x7F, 0xFF, 0xFF, 0xFF, 0xFF}, 60);  // ENTER 08/7
    ExpectWiring(record_->Skin[61], 0x80, {0xFF, 0xFF, 0x7F, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}, 61);  // 0 04/7
    if (hasEntry(66))
        ExpectWiring(record_->Skin[66], 0x80, {0xFF, 0xFF, 0xFF, 0x7F, 0xFF, 0xFF, 0xFF, 0xFF}, 66);  // ENTER's point
    else
        ExpectWiring(record_->Skin[66], 0x00, none, 66);
    for (int i = kSkinFirstAnnunciator; i <= kSkinDotsFull; ++i) ExpectWiring(record_->Skin[i], 0x00, none, i);
    ExpectWiring(record_->Skin[0], 0x00, none, 0);
}

// The same wiring everywhere: every key of this library reads like ZelkorA's.
TEST_P(InitialisedLibrary, SameMatrixAsZelkorA) {
    auto other = OpenModel("ZelkorA");
    auto reference = NewRecord();
    other->initialise(reference.get());
    for (int k = 1; k <= 66; ++k) {
        if (!hasEntry(k)) continue;
        EXPECT_EQ(record_->Skin[k].scanAll, reference->Skin[k].scanAll) << k;
        EXPECT_EQ(std::memcmp(record_->Skin[k].scanLines, reference->Skin[k].scanLines, 8), 0) << k;
    }
    other->libere(reference.get());
}

constexpr int32_t kLcdBackground = 0xA7B39C;

// The look that callers rely on: an unlit dot or annunciator is the LCD
// background, which is also what the case shows under the dot grid.
TEST_P(InitialisedLibrary, UnlitImagesVanishIntoTheLcd) {
    const SkinEntry& small = record_->Skin[82];
    const SkinEntry& full = record_->Skin[83];
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 3; ++x) {
            EXPECT_EQ(ImagePixel(small.imageA, x, y), kLcdBackground);
            EXPECT_EQ(ImagePixel(full.imageA, x, y), kLcdBackground);
            EXPECT_NE(ImagePixel(full.imageB, x, y), kLcdBackground);
            EXPECT_EQ(ImagePixel(small.imageB, x, y) == kLcdBackground, x == 2 || y == 2) << x << "," << y;
        }
    for (int i = kSkinFirstAnnunciator; i < kSkinPowerDot; ++i) {
        const SkinEntry& e = record_->Skin[i];
        const Size size = SizeOf(e.imageA);
        bool litInk = false;
        for (int y = 0; y < size.height; ++y)
            for (int x = 0; x < size.width; ++x) {
                EXPECT_EQ(ImagePixel(e.imageB, x, y), kLcdBackground) << i;
                litInk = litInk || ImagePixel(e.imageA, x, y) != kLcdBackground;
            }
        EXPECT_TRUE(litInk) << "annunciator " << i << " shows nothing when lit";
    }
    const uint32_t caseImage = record_->Skin[0].imageA;
    for (int row = 1; row <= 7; ++row)
        for (int col : {0, 77, 155})
            EXPECT_EQ(ImagePixel(caseImage, record_->LcdOriginX + 3 * col + 1, record_->LcdOriginY + 3 * row + 1),
                      kLcdBackground) << row << "," << col;
}

TEST_P(InitialisedLibrary, PressedKeysLookDifferent) {
    for (int k = 1; k <= 66; ++k) {
        if (!hasEntry(k)) continue;
        const SkinEntry& e = record_->Skin[k];
        int differing = 0;
        for (int y = 0; y < e.height; ++y)
            for (int x = 0; x < e.width; ++x) differing += ImagePixel(e.imageA, x, y) != ImagePixel(e.imageB, x, y);
        EXPECT_GT(differing, e.width * e.height / 2) << "key " << k;
    }
}

TEST_P(InitialisedLibrary, ReleaseFreesEveryImageAndZeroesTheHandles) {
    const int created = name() == "Zelkor" ? 165 : 167;  // case, 2 per key, annunciator and dot entry
    EXPECT_EQ(ImageCount(), imagesBefore_ + created);
    library_->libere(record_.get());
    EXPECT_EQ(ImageCount(), imagesBefore_);
    for (int i = 0; i < kModelEntries; ++i) {
        const SkinEntry& e = record_->Skin[i];
        EXPECT_EQ(e.imageA | e.imageB | e.currentImage, 0u) << i;
    }
    library_->libere(record_.get());  // twice: nothing left to release
    EXPECT_EQ(ImageCount(), imagesBefore_);
}

// Release deletes only what this library made: not a handle another library
// left in the record, nor one read back from a state file.
TEST_P(InitialisedLibrary, ReleaseLeavesForeignHandlesAlone) {
    const uint8_t pixel[3] = {1, 2, 3};
    const uint32_t foreign = ImageCreate(1, 1, pixel, 3);
    record_->Skin[84].imageA = record_->Skin[84].imageB = foreign;
    if (!hasEntry(66)) record_->Skin[66].imageA = record_->Skin[66].currentImage = foreign;
    library_->libere(record_.get());
    EXPECT_TRUE(ImagePixel(foreign, 0, 0) >= 0);
    EXPECT_EQ(record_->Skin[84].imageA, foreign);
    if (!hasEntry(66)) {
        EXPECT_EQ(record_->Skin[66].currentImage, foreign);
    }
    EXPECT_EQ(ImageCount(), imagesBefore_ + 1);
    ImageDelete(foreign);
}

INSTANTIATE_TEST_SUITE_P(Models, InitialisedLibrary, testing::ValuesIn(kLibraries));

// Binding Zelkor after ZelkorA, as a model change does: entry 66 becomes the
// empty entry, and release of the old library left nothing behind.
TEST(ModelLibrary, ZelkorAfterZelkorAEmptiesEntry66) {
    const int before = ImageCount();
    auto record = NewRecord();
    {
        auto a = OpenModel("ZelkorA");
        a->initialise(record.get());
        a->libere(record.get());
    }
    auto z = OpenModel("Zelkor");
    z->initialise(record.get());
    const SkinEntry& e = record->Skin[66];
    EXPECT_EQ(e.width, 0);
    EXPECT_EQ(e.imageA | e.imageB | e.currentImage, 0u);
    EXPECT_EQ(e.scanAll, 0);
    z->libere(record.get());
    EXPECT_EQ(ImageCount(), before);
}

}  // namespace
