// The model tables as data: names, derivations between the models, and the
// wiring and hit boxes every library is built from.
#include <gtest/gtest.h>

#include <set>
#include <utility>

#include "models/tables.h"

namespace {

const ModelTables* const kModels[] = {&ZelkorATables(), &ZelkorTables(), &KavroTables()};

TEST(ModelTables, FoundByLibraryName) {
    EXPECT_EQ(ModelTablesByLibrary("ZelkorA"), &ZelkorATables());
    EXPECT_EQ(ModelTablesByLibrary("Zelkor"), &ZelkorTables());
    EXPECT_EQ(ModelTablesByLibrary("Kavro"), &KavroTables());
    EXPECT_EQ(ModelTablesByLibrary("zelkora"), nullptr);
    EXPECT_EQ(ModelTablesByLibrary(""), nullptr);
}

TEST(ModelTables, KeyNamesAreCaseInsensitive) {
    struct Case {
        const ModelTables* model;
        const char* name;
        int index;
    };
    const Case cases[] = {
        {&ZelkorATables(), "DEF", 1},     {&ZelkorATables(), "f1", 2},     {&ZelkorATables(), "F6", 7},
        {&ZelkorATables(), "Shift", 8},   {&ZelkorATables(), "off", 9},    {&ZelkorATables(), "ON", 10},
        {&ZelkorATables(), "q", 11},      {&ZelkorATables(), "CL", 25},    {&ZelkorATables(), "mode", 39},
        {&ZelkorATables(), "0", 61},      {&ZelkorATables(), "7", 21},     {&ZelkorATables(), "SML", 54},
        {&ZelkorATables(), "rcl", 56},    {&ZelkorATables(), "space", 57}, {&ZelkorATables(), "ENTER", 60},
        {&ZelkorATables(), "=", 63},      {&ZelkorATables(), "+", 64},     {&ZelkorATables(), "-", 52},
        {&ZelkorATables(), "*", 38},      {&ZelkorATables(), "/", 24},     {&ZelkorATables(), "(", 47},
        {&ZelkorATables(), ")", 48},      {&ZelkorATables(), ".", 62},     {&ZelkorATables(), "left", 53},
        {&ZelkorATables(), "RIGHT", 65},  {&ZelkorATables(), "Up", 59},    {&ZelkorATables(), "DOWN", 58},
        {&ZelkorATables(), "updown", 55}, {&ZelkorATables(), "ENT", 0},    {&ZelkorATables(), "", 0},
        {&ZelkorATables(), "ENTERX", 0},  {&ZelkorATables(), "BREAK", 0},  {&ZelkorTables(), "enter", 60},
        {&ZelkorTables(), "ENT", 0},      {&KavroTables(), "ent", 66},     {&KavroTables(), "ENTER", 60},
        {&KavroTables(), "F3", 4},
    };
    for (const Case& c : cases)
        EXPECT_EQ(KeyIndexByName(*c.model, c.name), c.index) << c.model->library << " " << c.name;
}

TEST(ModelTables, ZelkorIsZelkorAWithoutTheSecondEnter) {
    const ModelTables& a = ZelkorATables();
    const ModelTables& z = ZelkorTables();
    EXPECT_EQ(z.entries[0].imageA, 201);
    EXPECT_EQ(a.entries[0].imageA, 200);
    EXPECT_EQ(z.entries[66].width, 0);
    EXPECT_EQ(z.entries[66].imageA, 0);
    EXPECT_EQ(z.entries[66].imageB, 0);
    EXPECT_EQ(z.entries[66].scanAll, 0);
    for (int i = 1; i < kModelEntries; ++i) {
        if (i == 66) continue;
        const EntryTable &ea = a.entries[i], &ez = z.entries[i];
        EXPECT_EQ(std::make_pair(ea.x, ea.y), std::make_pair(ez.x, ez.y)) << i;
        EXPECT_EQ(ea.scanLines, ez.scanLines) << i;
    }
    EXPECT_EQ(std::make_pair(z.lcdOriginX, z.lcdOriginY), std::make_pair(122, 75));
}

// The annunciators keep their place over the dot matrix in every model: a
// refresh draws them and the dots from different origins (entry positions,
// LcdOriginX/Y), which must move together.
TEST(ModelTables, AnnunciatorsSitOverTheDotsAlikeInEveryModel) {
    const ModelTables& a = ZelkorATables();
    for (const ModelTables* model : kModels)
        for (int entry = kSkinFirstAnnunciator; entry <= kSkinPowerDot; ++entry) {
            const EntryTable &e = model->entries[entry], &ea = a.entries[entry];
            EXPECT_EQ(e.x - model->lcdOriginX, ea.x - a.lcdOriginX) << model->library << " " << entry;
            EXPECT_EQ(e.y - model->lcdOriginY, ea.y - a.lcdOriginY) << model->library << " " << entry;
            EXPECT_LE(e.y + e.height, model->lcdOriginY + 3) << "above dot row 1: " << model->library << " " << entry;
            EXPECT_GE(e.x, model->lcdOriginX) << model->library << " " << entry;
            EXPECT_LE(e.x + e.width, model->lcdOriginX + 3 * kDisplayColumns) << model->library << " " << entry;
        }
    EXPECT_NE(KavroTables().lcdOriginX, a.lcdOriginX) << "the Kavro display sits elsewhere";
}

// Every matrix point carries exactly one of keys 1-65 (ON has none); the +
// key adds the right arrow's point, entry 66 repeats ENTER's.
TEST(ModelTables, EachMatrixPointCarriesOneKey) {
    for (const ModelTables* model : kModels) {
        std::set<std::pair<int, int>> points;  // (strobe line, bit)
        for (int k = 1; k <= 65; ++k) {
            const EntryTable& e = model->entries[k];
            for (int line = 0; line < 8; ++line)
                for (int bit = 0; bit < 8; ++bit)
                    if (!(e.scanLines[line] >> bit & 1) && !(k == 64 && line == 6)) {
                        EXPECT_TRUE(points.insert({line, bit}).second) << model->library << " key " << k;
                    }
        }
        EXPECT_EQ(points.size(), 64u) << model->library;
    }
}

TEST(ModelTables, ScanAllIsTheComplementOfTheAndOfScanLines) {
    for (const ModelTables* model : kModels)
        for (int i = 0; i < kModelEntries; ++i) {
            uint8_t all = 0xFF;
            for (uint8_t line : model->entries[i].scanLines) all &= line;
            EXPECT_EQ(model->entries[i].scanAll, static_cast<uint8_t>(~all)) << model->library << " " << i;
        }
}

TEST(ModelTables, HitBoxesOfAcceptedKeysDoNotOverlap) {
    for (const ModelTables* model : kModels)
        for (int a = model->firstKey; a <= model->lastKey; ++a)
            for (int b = a + 1; b <= model->lastKey; ++b) {
                const EntryTable &p = model->entries[a], &q = model->entries[b];
                const bool apart = p.x + p.width - 1 <= q.x || q.x + q.width - 1 <= p.x ||
                                   p.y + p.height - 1 <= q.y || q.y + q.height - 1 <= p.y;
                EXPECT_TRUE(apart) << model->library << " keys " << a << " and " << b;
            }
}

TEST(ModelTables, RomSlotRule) {
    struct Case {
        const ModelTables* model;
        uint32_t id;
        int slot;
    };
    const Case cases[] = {
        {&ZelkorATables(), 256, 1}, {&ZelkorATables(), 257, 2}, {&ZelkorATables(), 258, 3},
        {&ZelkorATables(), 999, 3}, {&ZelkorATables(), 255, 3}, {&ZelkorATables(), 0, 3},
        {&ZelkorTables(), 252, 1},  {&ZelkorTables(), 253, 2},  {&ZelkorTables(), 254, 3},
        {&ZelkorTables(), 258, 3},  {&KavroTables(), 260, 1},   {&KavroTables(), 262, 2},
        {&KavroTables(), 999, 2},   {&KavroTables(), 259, 2},   {&KavroTables(), 0xFFFFFFFF, 2},
    };
    for (const Case& c : cases) EXPECT_EQ(RomSlotFor(*c.model, c.id), c.slot) << c.model->library << " " << c.id;
}

}  // namespace
