// The table type, the table text format and the table files of the window's
// start and close.
#include <gtest/gtest.h>

#include "tests/workbench/fixture.h"
#include "workbench/table_file.h"

namespace {

using ::testing::ElementsAre;

TEST(Table, KeepsRowsOrderedAndStableForEqualKeys) {
    Table addr(kAddrSpec);
    AddRow(addr, {"B", "C000", "first"});
    AddRow(addr, {"A", "8000", ""});
    AddRow(addr, {"C", "C000", "second"});
    AddRow(addr, {"D", "0000", ""});
    EXPECT_THAT(Column(addr, AddrField::LABEL), ElementsAre("D", "A", "B", "C"));

    // Posting a new key moves the row after its new equals; the same key keeps its place.
    size_t at = addr.PostField(0, AddrField::ADDRESS, "C000");
    EXPECT_EQ(at, 3u);
    EXPECT_THAT(Column(addr, AddrField::LABEL), ElementsAre("A", "B", "C", "D"));
    at = addr.PostField(1, AddrField::COMMENT, "edited");
    EXPECT_EQ(at, 1u);
    EXPECT_EQ(addr.Find(AddrField::ADDRESS, "C000"), 1u);
    EXPECT_EQ(addr.Find(AddrField::ADDRESS, "C001"), Table::npos);
    EXPECT_EQ(addr.Find(AddrField::LABEL, "D"), 3u);
}

TEST(Table, SuspendedOrderAppendsAtTheEndAndResumeSortsStably) {
    Table rom(kRomSpec);
    rom.SuspendOrder();
    for (const char* a : {"C001", "C000", "C001", "BFFF"}) AddRow(rom, {a, a});
    EXPECT_THAT(Column(rom, RomField::ADDRESS), ElementsAre("C001", "C000", "C001", "BFFF"));
    rom.ResumeOrder();
    EXPECT_THAT(Column(rom, RomField::ADDRESS), ElementsAre("BFFF", "C000", "C001", "C001"));
    EXPECT_THAT(Column(rom, RomField::LABEL), ElementsAre("BFFF", "C000", "C001", "C001"));
}

TEST(Table, PostingCutsToCapacitySetsModifiedAndRunsTheHookButReplacingDoesNot) {
    Table sbr(kSbrSpec);
    std::vector<size_t> posted;
    sbr.afterPost = [&](size_t row) { posted.push_back(row); };
    AddRow(sbr, {"2AX", "a pattern longer than twenty"});
    EXPECT_EQ(sbr.at(0, SbrField::CODE), "2A");
    EXPECT_EQ(sbr.at(0, SbrField::MNEMO), "a pattern longer tha");
    EXPECT_TRUE(sbr.modified());
    EXPECT_THAT(posted, ElementsAre(0u));

    sbr.SetModified(false);
    sbr.Replace({{"10", ",n"}, {"05", ",pp"}});
    EXPECT_FALSE(sbr.modified());
    EXPECT_THAT(posted, ElementsAre(0u));
    EXPECT_THAT(Column(sbr, SbrField::CODE), ElementsAre("05", "10"));
}

TEST(TableText, ReadsColumnsByHeaderName) {
    Table mnemo(kMnemoSpec);
    // Unknown columns are skipped, missing fields stay empty, LF alone is accepted.
    EXPECT_EQ(ReadTable("CODE\tNOTE\tMNEMO2\r\n8E\tx\tBCH +e\n05\t\tLDA (X)\r\n", mnemo, "t"), "");
    ASSERT_EQ(mnemo.size(), 2u);
    EXPECT_THAT(mnemo.row(0), ElementsAre("", "8E", "", "BCH +e"));
    EXPECT_THAT(mnemo.row(1), ElementsAre("", "05", "", "LDA (X)"));
}

TEST(TableText, CutsValuesKeepsEmptyOnesAndReadsEmptyLinesAsEmptyRows) {
    Table addr(kAddrSpec);
    EXPECT_EQ(ReadTable("LABEL\tADDRESS\tCOMMENT\r\nELEVENCHARS\tC000\t\r\n\r\n\t7600\tDisplay\r\n", addr, "t"), "");
    ASSERT_EQ(addr.size(), 3u);
    EXPECT_THAT(addr.row(0), ElementsAre("", "", ""));  // the empty row sorts first
    EXPECT_THAT(addr.row(1), ElementsAre("", "7600", "Display"));
    EXPECT_THAT(addr.row(2), ElementsAre("ELEVENCHAR", "C000", ""));
}

TEST(TableText, HeaderAloneOrNothingGivesAnEmptyTable) {
    Table sbr(kSbrSpec);
    AddRow(sbr, {"01", "old"});
    EXPECT_EQ(ReadTable("CODE\tMNEMO\r\n", sbr, "t"), "");
    EXPECT_TRUE(sbr.empty());
    AddRow(sbr, {"01", "old"});
    EXPECT_EQ(ReadTable("", sbr, "t"), "");
    EXPECT_TRUE(sbr.empty());
}

// A text listing, or the mnemonic table's file, must not turn the rows into empty ones.
TEST(TableText, AFirstLineThatNamesNoFieldIsRefusedAndTheTableKept) {
    Table rom(kRomSpec);
    AddRow(rom, {"START", "C000", "8E", "", "", ""});
    for (const char* text : {"START       C000:  8E05          BCH +&05\r\n            C002:  9A\r\n",
                             "PAGE\tMNEMO1\r\nFD\tLD X,HL\r\n", "\r\n\r\n"}) {
        EXPECT_EQ(ReadTable(text, rom, "rom.TXT"), "rom.TXT: the first line names none of the fields LABEL, "
                                                   "ADDRESS, CODE, HEXA, MNEMO, COMMENT; nothing was read")
            << text;
        ASSERT_EQ(rom.size(), 1u);
        EXPECT_EQ(rom.at(0, RomField::LABEL), "START");
    }
}

TEST(TableText, TooManyValuesStopsReadingAndKeepsTheRowsBefore) {
    Table sbr(kSbrSpec);
    const std::string error = ReadTable("CODE\tMNEMO\r\n01\t,n\r\n02\t,pp\textra\r\n03\t,n,n\r\n", sbr, "ASMSBR.txt");
    EXPECT_EQ(error, "ASMSBR.txt: line 3 has 3 values but the header names 2; reading stopped there");
    EXPECT_THAT(Column(sbr, SbrField::CODE), ElementsAre("01"));
    AddRow(sbr, {"00", ",n"});  // the table works normally afterwards
    EXPECT_THAT(Column(sbr, SbrField::CODE), ElementsAre("00", "01"));
}

TEST(TableText, WritesHeaderAndRowsWithCrLfAndKeepsLatin1Bytes) {
    Table addr(kAddrSpec);
    AddRow(addr, {"LOOP", "C007", ""});
    EXPECT_EQ(WriteTable(addr), "LABEL\tADDRESS\tCOMMENT\r\nLOOP\tC007\t\r\n");

    const std::string latin1 = "r\xE9" "cup de HL";
    AddRow(addr, {"", "C000", latin1});
    Table back(kAddrSpec);
    EXPECT_EQ(ReadTable(WriteTable(addr), back, "t"), "");
    EXPECT_EQ(back.at(0, AddrField::COMMENT), latin1);
}

TEST(TableText, EveryTableSurvivesARoundTripThroughItsFile) {
    ScratchFolder folder;
    Workbench wb;
    AddRow(wb.mnemo, {"FD", "A5", "LD A,#(pp)", "LDA #(pp)"});
    AddRow(wb.mnemo, {"", "8E", "JR +e", "BCH +e"});
    AddRow(wb.rom, {"START", "C000", "8E", "8E05", "BCH +&05", "Jump to C007 "});
    AddRow(wb.rom, {"", "C001", "05", "", "", ""});
    AddRow(wb.addr, {"LOOP", "C007", "the loop"});
    AddRow(wb.sbr, {"2A", ",n,pp"});
    for (Table* table : {&wb.mnemo, &wb.rom, &wb.addr, &wb.sbr}) {
        const auto file = folder.Path(std::string(table->layout().name) + ".txt");
        ASSERT_EQ(SaveTable(*table, file), "");
        Table back(table->layout());
        ASSERT_EQ(LoadTable(back, file), "");
        ASSERT_EQ(back.size(), table->size()) << table->layout().name;
        for (size_t i = 0; i < back.size(); ++i) EXPECT_EQ(back.row(i), table->row(i)) << table->layout().name;
    }
}

TEST(TableFiles, EachFileLoadsOnItsOwnAndTheFlagsStartClear) {
    ScratchFolder folder;
    folder.Write(kAddrFile, "LABEL\tADDRESS\tCOMMENT\r\nLOOP\tC007\t\r\n");
    folder.Write(kMnemoFile, "PAGE\tCODE\tMNEMO1\tMNEMO2\r\n\t8E\tJR +e\tBCH +e\r\n");
    Workbench wb;
    // ASMSBR.txt is missing: said once, and the other two still load.
    const auto messages = LoadTableFiles(wb, folder.dir());
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_NE(messages[0].find(kSbrFile), std::string::npos) << messages[0];
    EXPECT_EQ(wb.addr.size(), 1u);
    EXPECT_EQ(wb.mnemo.size(), 1u);
    EXPECT_TRUE(wb.sbr.empty());
    for (Table* t : {&wb.mnemo, &wb.rom, &wb.addr, &wb.sbr}) EXPECT_FALSE(t->modified());
}

TEST(TableFiles, CloseWritesOnlyModifiedTablesAndGoesOnAfterAFailure) {
    ScratchFolder folder;
    Workbench wb;
    EXPECT_TRUE(SaveModifiedTableFiles(wb, folder.dir()).empty());
    EXPECT_FALSE(std::filesystem::exists(folder.Path(kSbrFile)));  // nothing edited, nothing written

    AddRow(wb.sbr, {"2A", ",n"});
    AddRow(wb.mnemo, {"", "8E", "JR +e", "BCH +e"});
    std::filesystem::create_directory(folder.Path(kMnemoFile));  // ASM1500.txt cannot be written
    const auto messages = SaveModifiedTableFiles(wb, folder.dir());
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_NE(messages[0].find(kMnemoFile), std::string::npos) << messages[0];
    EXPECT_EQ(folder.Read(kSbrFile), "CODE\tMNEMO\r\n2A\t,n\r\n");
    EXPECT_FALSE(std::filesystem::exists(folder.Path(kAddrFile)));
    EXPECT_TRUE(wb.mnemo.modified());
    EXPECT_FALSE(wb.sbr.modified());
}

TEST(TableFiles, AFailedWriteLeavesTheEarlierFileIntact) {
    ScratchFolder folder;
    folder.Write(kSbrFile, "CODE\tMNEMO\r\n01\t,n\r\n");
    Workbench wb;
    AddRow(wb.sbr, {"2A", ",n"});
    std::filesystem::create_directory(folder.Path(std::string(kSbrFile) + ".part"));  // the temporary is in the way
    EXPECT_EQ(SaveModifiedTableFiles(wb, folder.dir()).size(), 1u);
    EXPECT_EQ(folder.Read(kSbrFile), "CODE\tMNEMO\r\n01\t,n\r\n");
}

}  // namespace
