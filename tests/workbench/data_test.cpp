// The table files Sifter ships with: every opcode in both dialects, decoded
// to exactly its length; the named addresses.
#include <gtest/gtest.h>

#include <set>

#include "cpu/opcodes.h"
#include "tests/workbench/fixture.h"
#include "workbench/data/default_tables.h"
#include "workbench/disassembler.h"
#include "workbench/table_file.h"

namespace {

bool Listed(int index) { return kOpcodes[index].defined() && kOpcodes[index].mnemonic != Mn::Prefix; }

TEST(MnemoData, EveryDefinedOpcodeDecodesToItsLengthInBothDialects) {
    for (Dialect dialect : {Dialect::LH5801, Dialect::PseudoZ80}) {
        Workbench wb;
        FillMnemoTable(wb.mnemo);
        // Each instruction with operand bytes 12 34 56, one after the other.
        std::vector<std::string> expected;
        uint32_t address = 0x1000;
        wb.rom.SuspendOrder();
        for (int index = 0; index < 512; ++index) {
            if (!Listed(index)) continue;
            const int length = kOpcodes[index].length;
            std::vector<int> bytes;
            if (IsFdPage(index)) bytes.push_back(0xFD);
            bytes.push_back(index & 0xFF);
            for (int k = 0; static_cast<int>(bytes.size()) < length; ++k) bytes.push_back(0x12 + 0x22 * k);
            std::string hexa;
            for (int b : bytes) {
                AddBytes(wb, address++, {b});
                hexa += HexText(static_cast<uint32_t>(b), 2);
            }
            expected.push_back(hexa);
        }
        wb.rom.ResumeOrder();
        const PassResult r = RunDisassemblyPass(wb, dialect, "1000", HexText(address - 1, 4));
        ASSERT_EQ(r.error, "");
        ASSERT_EQ(r.instructions, expected.size());
        Purge(wb);
        ASSERT_EQ(wb.rom.size(), expected.size());
        for (size_t i = 0; i < expected.size(); ++i) {
            const std::string& mnemo = wb.rom.at(i, RomField::MNEMO);
            EXPECT_EQ(wb.rom.at(i, RomField::HEXA), expected[i]) << mnemo;
            EXPECT_EQ(mnemo.find_first_of("abcdefghijklmnopqrstuvwxyz?"), std::string::npos) << mnemo;
        }
    }
}

TEST(MnemoData, PatternsInBothDialects) {
    struct Case {
        int index;
        const char* lh5801;
        const char* pseudoZ80;
    };
    const Case cases[] = {
        {0x05, "LDA (X)", "LD A,(X)"},           {0x0E, "STA (X)", "LD (X),A"},
        {0x45, "LIN X", "LD A,(X+)"},            {0x48, "LDI XH,n", "LD XH,n"},
        {0x88, "LOP UL,-e", "DJNC UL,-e"},       {0x8B, "BZS +e", "JR Z,+e"},
        {0x9E, "BCH -e", "JR -e"},               {0xAA, "LDI S,pp", "LD S,pp"},
        {0xB3, "ADI A,n", "ADC A,n"},            {0xBE, "SJP pp", "CALL pp"},
        {0xC0, "VEJ (C0)", "SBR &C0"},           {0xCD, "VMJ n", "SBR n"},
        {0xC3, "VCS n", "SBR C,n"},              {0xEF, "ADI (pp),n", "ADD (pp),n"},
        {0xF5, "TIN", "LD (Y+),(X+)"},           {kFdPage + 0xA5, "LDA #(pp)", "LD A,#(pp)"},
        {kFdPage + 0xE9, "ANI #(pp),n", "AND #(pp),n"}, {kFdPage + 0x5E, "STX P", "JP (X)"},
        {kFdPage + 0xCA, "ADR X", "ADD X,A"},    {kFdPage + 0x4C, "OFF", "OFF"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Lh5801Pattern(c.index), c.lh5801);
        EXPECT_EQ(PseudoZ80Pattern(c.index), c.pseudoZ80);
    }
}

TEST(MnemoData, FirstPageRowsComeFirstAndNoOpcodeTwice) {
    Table mnemo(kMnemoSpec);
    FillMnemoTable(mnemo);
    int expected = 0;
    for (int index = 0; index < 512; ++index) expected += Listed(index);
    ASSERT_EQ(mnemo.size(), static_cast<size_t>(expected));
    bool fdSeen = false;
    std::set<std::string> seen;
    for (size_t i = 0; i < mnemo.size(); ++i) {
        const std::string key = mnemo.at(i, MnemoField::PAGE) + mnemo.at(i, MnemoField::CODE);
        EXPECT_TRUE(seen.insert(key).second) << key;
        if (mnemo.at(i, MnemoField::PAGE) == "FD") fdSeen = true;
        else EXPECT_FALSE(fdSeen) << key;
    }
}

TEST(TableFilesShipped, LoadBesideTheProgramsAndMatchTheirSources) {
    Workbench wb;
    EXPECT_TRUE(LoadTableFiles(wb, SIFTER_TABLE_DIR).empty());
    // The build writes each file's default beside it, from the opcode facts.
    Table mnemo(kMnemoSpec);
    FillMnemoTable(mnemo);
    std::string error;
    EXPECT_EQ(ReadFileBytes(std::filesystem::path(SIFTER_TABLE_DIR) / "ASM1500.txt.default", error), WriteTable(mnemo));
    EXPECT_EQ(wb.mnemo.size(), mnemo.size());

    auto comment = [&](const char* address) {
        const size_t row = wb.addr.Find(AddrField::ADDRESS, address);
        return row == Table::npos ? std::string("(none)") : wb.addr.at(row, AddrField::COMMENT);
    };
    EXPECT_EQ(comment("7650"), "STRING VAR E$");
    EXPECT_EQ(comment("7875"), "CURSOR POINTER (0 to 155)");
    EXPECT_EQ(comment("78AE"), "BREAK LINE (Address of breakpoint line number) (H)");
    EXPECT_EQ(comment("78AF"), "BREAK LINE (Address of breakpoint line number) (L)");
    EXPECT_EQ(comment("79C8"), "NUMERIC VAR Z");
    EXPECT_EQ(comment("7A30"), "NUMERIC REGISTER Sa");
    EXPECT_EQ(comment("F00E"), "ME1 F00E main unit port: port A, key strobe");
    EXPECT_EQ(comment("7853"), "(none)");
    EXPECT_EQ(wb.addr.at(wb.addr.Find(AddrField::ADDRESS, "F00E"), AddrField::LABEL), "");
    for (size_t i = 0; i < wb.addr.size(); ++i) EXPECT_LE(wb.addr.at(i, AddrField::LABEL).size(), 10u);
}

}  // namespace
