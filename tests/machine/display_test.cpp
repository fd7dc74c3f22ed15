#include <gtest/gtest.h>

#include <utility>

#include "display_fixture.h"
#include "models/tables.h"

namespace {

struct DotCase {
    uint16_t address;
    uint8_t value;
    int row, column;  // the one dot that turns dark
};

// One dot per corner of the four blocks' nibbles.
const DotCase kDotCases[] = {
    {0x7600, 0x01, 1, 0},   {0x7600, 0x10, 1, 78},  {0x7600, 0x08, 4, 0},    {0x7601, 0x01, 5, 0},
    {0x7601, 0x04, 7, 0},   {0x7601, 0x40, 7, 78},  {0x764D, 0x40, 7, 116},  {0x7700, 0x01, 1, 39},
    {0x7701, 0x04, 7, 39},  {0x7700, 0x80, 4, 117}, {0x774D, 0x40, 7, 155},  {0x774C, 0x02, 2, 77},
};

TEST_F(DisplayTest, EachDisplayBitDarkensItsDot) {
    for (const DotCase& c : kDotCases) {
        SCOPED_TRACE(testing::Message() << std::hex << c.address << ":" << int(c.value));
        m.ME0[c.address] = c.value;
        EXPECT_EQ(DisplayRefresh(&m), 1);
        int dark = 0;
        for (int r = 1; r < kDisplayRows; ++r)
            for (int col = 0; col < kDisplayColumns; ++col) dark += m.Dots[r][col] != 0;
        EXPECT_EQ(dark, 1);
        EXPECT_EQ(m.Dots[c.row][c.column], c.value);  // the masked bit of the byte
        EXPECT_EQ(DotPixel(c.row, c.column, 2, 2), kInk);
        m.ME0[c.address] = 0;
        EXPECT_EQ(DisplayRefresh(&m), 1);
        EXPECT_EQ(DotPixel(c.row, c.column, 2, 2), kLcd);
        EXPECT_EQ(DisplayRefresh(&m), 0);
    }
}

TEST_F(DisplayTest, UnusedBitRedrawsTheNibbleUnchanged) {
    m.ME0[0x7601] = 0x08;  // bit 3 of an odd byte drives nothing
    SurfaceTakeDirty();
    EXPECT_EQ(DisplayRefresh(&m), 1);
    EXPECT_TRUE(SurfaceTakeDirty());  // rows 5-7 of column 0 drawn again
    EXPECT_EQ(DotPixel(5, 0), kLcd);
    EXPECT_EQ(m.Dots[5][0], 0u);
    EXPECT_EQ(m.BufferVideo[1], 0x08);
}

TEST_F(DisplayTest, BytesOutsideTheDisplayChangeNothing) {
    m.ME0[0x774E] = 0xFF;
    m.ME0[0x774F] = 0xFF;
    m.ME0[0x7650] = 0xFF;
    EXPECT_EQ(DisplayRefresh(&m), 0);
}

TEST_F(DisplayTest, AnnunciatorByteIsHandledBeforeAnyDot) {
    m.ME0[0x764E] = 0x02;  // SHIFT
    m.ME0[0x7600] = 0x01;  // written by the same instruction
    EXPECT_EQ(DisplayRefresh(&m), 1);
    EXPECT_EQ(m.Shift, 2u);
    EXPECT_EQ(m.Skin[68].currentImage, m.Skin[68].imageA);
    EXPECT_EQ(m.Skin[67].currentImage, m.Skin[67].imageB);
    EXPECT_EQ(m.Skin[68].dirty, 0u);
    EXPECT_EQ(SurfacePixel(m.Skin[68].x, 66), kInk);
    // The dot byte went into BufferVideo undrawn: it waits for a rebuild.
    EXPECT_EQ(m.Dots[1][0], 0u);
    EXPECT_EQ(DisplayRefresh(&m), 0);
    DisplayRebuild(&m);
    EXPECT_EQ(m.Dots[1][0], 1u);
}

TEST_F(DisplayTest, SecondAnnunciatorByteRedrawsItsSixSigns) {
    m.ME0[0x764F] = 0x08;  // bit 3 drives nothing
    EXPECT_EQ(DisplayRefresh(&m), 1);
    for (int e : {71, 72, 73, 74, 75, 76}) EXPECT_EQ(m.Skin[e].dirty, 0u) << e;
    for (int e : {67, 68, 77, 80}) EXPECT_EQ(m.Skin[e].dirty, 1u) << e;
    m.ME0[0x764F] = 0x40;
    EXPECT_EQ(DisplayRefresh(&m), 1);
    EXPECT_EQ(m.Run, 0x40u);
    EXPECT_EQ(m.Skin[74].currentImage, m.Skin[74].imageA);
}

TEST_F(DisplayTest, RebuildSetsTheModelWithoutDrawing) {
    m.ME0[0x764E] = 0x81;  // Busy, Def
    m.ME0[0x764F] = 0x24;  // Rad, Pro
    m.ME0[0x7700] = 0x10;  // row 1 of column 117
    SurfaceTakeDirty();
    DisplayRebuild(&m);
    EXPECT_FALSE(SurfaceTakeDirty());
    EXPECT_EQ(m.Busy, 1u);
    EXPECT_EQ(m.Def, 0x80u);
    EXPECT_EQ(m.Rad, 4u);
    EXPECT_EQ(m.Pro, 0x20u);
    EXPECT_EQ(m.Shift, 0u);
    EXPECT_EQ(m.Dots[1][117], 0x10u);
    EXPECT_EQ(m.Skin[67].currentImage, m.Skin[67].imageA);
    EXPECT_EQ(m.Skin[68].currentImage, m.Skin[68].imageB);
    EXPECT_EQ(m.BufferVideo[78], 0);  // untouched
    EXPECT_EQ(DisplaySnapshot(&m).substr(157 * 7), "Busy Def Rad  Pro \n");
}

// Each display bit that drives an annunciator sets one record flag and lights
// one entry, and the model tables label that entry (for the machine report)
// with the name of that flag.
TEST_F(DisplayTest, EachAnnunciatorBitLightsTheEntryNamedAfterItsFlag) {
    const std::pair<uint32_t LH5801::*, const char*> flags[] = {
        {&LH5801::Busy, "Busy"}, {&LH5801::Shift, "Shift"}, {&LH5801::Japanese, "Japanese"},
        {&LH5801::Small, "Small"}, {&LH5801::III, "III"}, {&LH5801::II, "II"}, {&LH5801::I, "I"},
        {&LH5801::Def, "Def"}, {&LH5801::De, "De"}, {&LH5801::G, "G"}, {&LH5801::Rad, "Rad"},
        {&LH5801::Reserve, "Reserve"}, {&LH5801::Pro, "Pro"}, {&LH5801::Run, "Run"},
    };
    DisplayRebuild(&m);  // every annunciator unlit
    int driving = 0;
    for (uint16_t address : {0x764E, 0x764F})
        for (int bit = 0; bit < 8; ++bit) {
            SCOPED_TRACE(testing::Message() << std::hex << address << " bit " << bit);
            m.ME0[address] = static_cast<uint8_t>(1 << bit);
            DisplayRefresh(&m);
            std::vector<std::string> set;
            for (const auto& [field, name] : flags)
                if (m.*field) set.push_back(name);
            std::vector<int> lit;
            for (int e = kSkinFirstAnnunciator; e <= kSkinLastAnnunciator; ++e)
                if (m.Skin[e].currentImage == m.Skin[e].imageA) lit.push_back(e);
            m.ME0[address] = 0;
            DisplayRefresh(&m);
            if (set.empty()) {
                EXPECT_TRUE(lit.empty());
                continue;
            }
            ++driving;
            ASSERT_EQ(set.size(), 1u);
            ASSERT_EQ(lit.size(), 1u);
            EXPECT_EQ(AnnunciatorTexts()[lit[0] - kSkinFirstAnnunciator].reportName, set[0]);
        }
    EXPECT_EQ(driving, 14);
}

TEST_F(DisplayTest, DotsDrawnAtBothPixelSizes) {
    m.Dots[3][10] = 4;
    m.PixelSize = kSkinDotsFull;
    DisplayRedrawDots(&m);
    EXPECT_EQ(DotPixel(3, 10, 0, 0), kInk);
    EXPECT_EQ(DotPixel(3, 10, 2, 2), kInk);
    EXPECT_EQ(DotPixel(3, 11, 0, 0), kLcd);
    m.PixelSize = kSkinDotsSmall;
    DisplayRedrawDots(&m);
    EXPECT_EQ(DotPixel(3, 10, 1, 1), kInk);
    EXPECT_EQ(DotPixel(3, 10, 2, 0), kLcd);  // the gap column and row
    EXPECT_EQ(DotPixel(3, 10, 0, 2), kLcd);
}

TEST_F(DisplayTest, BlankClearsTheDotsButNotTheMemoryCopy) {
    m.ME0[0x7600] = 0x0F;
    DisplayRefresh(&m);
    DisplayBlank(&m);
    EXPECT_EQ(m.Dots[1][0], 0u);
    EXPECT_EQ(DotPixel(1, 0, 1, 1), kLcd);
    EXPECT_EQ(m.BufferVideo[0], 0x0F);
    EXPECT_EQ(DisplayRefresh(&m), 0);
}

TEST_F(DisplayTest, SnapshotPicturesTheDots) {
    m.Dots[1][0] = 1;
    m.Dots[7][155] = 4;
    m.Shift = 2;
    m.G = 2;
    const std::string text = DisplaySnapshot(&m);
    ASSERT_EQ(text.size(), 157u * 7 + std::string(" ShiftG\n").size());
    EXPECT_EQ(text.substr(0, 3), "#..");
    EXPECT_EQ(text.substr(157 * 6 + 154, 3), ".#\n");
    EXPECT_EQ(text.substr(157 * 7), " ShiftG\n");
}

}  // namespace
