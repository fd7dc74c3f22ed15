// ROM images in, assembler sources in and out, text listings out.
#include <gtest/gtest.h>

#include "tests/workbench/fixture.h"
#include "workbench/listing.h"
#include "workbench/table_file.h"

namespace {

using ::testing::ElementsAre;

std::string Bytes(size_t count, int first = 0) {
    std::string bytes;
    for (size_t i = 0; i < count; ++i) bytes += static_cast<char>((first + i) & 0xFF);
    return bytes;
}

TEST(RomImage, A16KImageAtC000FillsC000ToFFFF) {
    ScratchFolder folder;
    folder.Write("rom.bin", Bytes(16384, 0x10));
    Workbench wb;
    AddRow(wb.addr, {"RESET", "C000", "Entry"});
    const RomLoadResult r = LoadRomImage(wb, folder.Path("rom.bin"), "C000", false);
    EXPECT_EQ(r.error, "");
    EXPECT_EQ(r.rows, 16384u);
    EXPECT_EQ(r.dropped, 0u);
    ASSERT_EQ(wb.rom.size(), 16384u);
    EXPECT_THAT(wb.rom.row(0), ElementsAre("RESET", "C000", "10", "", "", "Entry"));
    EXPECT_THAT(wb.rom.row(16383), ElementsAre("", "FFFF", "0F", "", "", ""));
    EXPECT_FALSE(wb.busy());
}

TEST(RomImage, KeepingTheCurrentRomPutsTwoRowsPerAddressSideBySide) {
    ScratchFolder folder;
    folder.Write("a.rom", "\x01\x02");
    folder.Write("b.rom", "\x03\x04");
    Workbench wb;
    LoadRomImage(wb, folder.Path("a.rom"), "4000", false);
    LoadRomImage(wb, folder.Path("b.rom"), "4000", true);
    EXPECT_THAT(Column(wb.rom, RomField::ADDRESS), ElementsAre("4000", "4000", "4001", "4001"));
    EXPECT_THAT(Column(wb.rom, RomField::CODE), ElementsAre("01", "03", "02", "04"));
    LoadRomImage(wb, folder.Path("b.rom"), "4000", false);  // not kept: replaced
    EXPECT_THAT(Column(wb.rom, RomField::CODE), ElementsAre("03", "04"));
}

TEST(RomImage, BytesPastFFFFAreDroppedAndCounted) {
    ScratchFolder folder;
    folder.Write("rom.bin", Bytes(20));
    Workbench wb;
    const RomLoadResult r = LoadRomImage(wb, folder.Path("rom.bin"), "FFF0", false);
    EXPECT_EQ(r.rows, 16u);
    EXPECT_EQ(r.dropped, 4u);
    EXPECT_EQ(r.note, "The image runs past FFFF: 4 bytes were dropped");
    EXPECT_EQ(wb.rom.at(15, RomField::ADDRESS), "FFFF");
}

TEST(RomImage, ABadAddressOrFileLosesNothing) {
    ScratchFolder folder;
    folder.Write("rom.bin", Bytes(4));
    Workbench wb;
    AddBytes(wb, 0xC000, {0x8E, 0x05});
    for (const char* start : {"XYZ", "", "10000"}) {
        const RomLoadResult r = LoadRomImage(wb, folder.Path("rom.bin"), start, false);
        EXPECT_EQ(r.error, "Invalid address !") << start;
    }
    EXPECT_NE(LoadRomImage(wb, folder.Path("missing.bin"), "C000", false).error, "");
    EXPECT_EQ(wb.rom.size(), 2u);
    EXPECT_FALSE(wb.busy());
}

TEST(RomImage, ProgressIsHeardAndCanStopTheLoad) {
    ScratchFolder folder;
    folder.Write("rom.bin", Bytes(4096));
    Workbench wb;
    size_t calls = 0;
    const RomLoadResult r = LoadRomImage(wb, folder.Path("rom.bin"), "0000", false, [&](size_t done, size_t total) {
        EXPECT_TRUE(wb.busy());
        EXPECT_EQ(total, 4096u);
        ++calls;
        return done < 1024;
    });
    EXPECT_EQ(calls, 4u);
    EXPECT_EQ(r.rows, 1024u);
    EXPECT_EQ(wb.rom.size(), 1024u);
}

TEST(Source, SavesAndLoadsTheWholeRomTable) {
    ScratchFolder folder;
    Workbench wb;
    AddRow(wb.rom, {"START", "C000", "8E", "8E05", "BCH +&05", "Jump to C007 "});
    AddRow(wb.rom, {"", "C001", "05", "", "", ""});
    ASSERT_EQ(SaveSource(wb, folder.Path("rom.ASM")), "");
    EXPECT_EQ(folder.Read("rom.ASM"),
              "LABEL\tADDRESS\tCODE\tHEXA\tMNEMO\tCOMMENT\r\n"
              "START\tC000\t8E\t8E05\tBCH +&05\tJump to C007 \r\n"
              "\tC001\t05\t\t\t\r\n");
    Workbench other;
    ASSERT_EQ(LoadSource(other, folder.Path("rom.ASM")), "");
    ASSERT_EQ(other.rom.size(), 2u);
    EXPECT_EQ(other.rom.row(0), wb.rom.row(0));
}

TEST(Source, LoadingANameThatCannotBeReadKeepsTheListing) {
    ScratchFolder folder;
    Workbench wb;
    AddBytes(wb, 0xC000, {0x9A});
    EXPECT_NE(LoadSource(wb, folder.Path("none.ASM")), "");
    EXPECT_EQ(wb.rom.size(), 1u);
}

TEST(Listing, LinesHaveFixedColumns) {
    // Label padded to 12, address, colon and two spaces, bytes padded to 14,
    // mnemonic padded to 20, comment as stored.
    EXPECT_EQ(ListingLine({"START", "C000", "BE", "BEE22C", "SJP &E22C", ""}),
              "START       C000:  BEE22C        SJP &E22C           ");
    EXPECT_EQ(ListingLine({"START", "C000", "BE", "BEE22C", "SJP &E22C", ""}).size(), 53u);
    EXPECT_EQ(ListingLine({"", "C003", "8E", "8E05", "BCH +&05", "Jump to C00A "}),
              "            C003:  8E05          BCH +&05            Jump to C00A ");
    // A label longer than its column is not cut.
    EXPECT_EQ(ListingLine({"ABCDEFGHIJKLMN", "C005", "", "", "", ""}).substr(0, 18), "ABCDEFGHIJKLMNC005");
}

TEST(Listing, WritesEveryRowWithCrLf) {
    ScratchFolder folder;
    Workbench wb;
    AddBytes(wb, 0xC000, {0x9A, 0x38});
    ASSERT_EQ(SaveListing(wb, folder.Path("rom.TXT")), "");
    const std::string blank(12, ' ');
    EXPECT_EQ(folder.Read("rom.TXT"), blank + "C000:  " + std::string(34, ' ') + "\r\n" + blank + "C001:  " +
                                          std::string(34, ' ') + "\r\n");
    EXPECT_NE(SaveListing(wb, folder.Path("no/such/folder/rom.TXT")), "");
}

TEST(SaveNames, TheExtensionIsAppendedOnlyWhenMissing) {
    struct Case {
        const char* name;
        const char* extension;
        const char* result;
    };
    for (const Case& c : {Case{"rom", ".ASM", "rom.ASM"}, Case{"rom.ASM", ".ASM", "rom.ASM"},
                          Case{"rom.asm", ".ASM", "rom.asm"}, Case{"rom.TXT", ".ASM", "rom.TXT.ASM"},
                          Case{"list.Txt", ".TXT", "list.Txt"}, Case{"ASM", ".ASM", "ASM.ASM"}})
        EXPECT_EQ(WithExtension(c.name, c.extension), c.result) << c.name;
}

TEST(Busy, ACommandIsRefusedWhileAnotherRuns) {
    ScratchFolder folder;
    folder.Write("rom.bin", Bytes(512));
    Workbench wb;
    std::vector<bool> changes;
    wb.busyChanged = [&](bool busy) { changes.push_back(busy); };
    std::string inner;
    LoadRomImage(wb, folder.Path("rom.bin"), "0000", false, [&](size_t, size_t) {
        inner = SaveListing(wb, folder.Path("x.TXT"));
        return true;
    });
    EXPECT_EQ(inner, kBusyMessage);
    EXPECT_FALSE(std::filesystem::exists(folder.Path("x.TXT")));
    EXPECT_THAT(changes, ElementsAre(true, false));
}

}  // namespace
