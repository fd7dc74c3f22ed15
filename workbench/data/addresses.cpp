// The named addresses Sifter ships with: the system RAM variables, the I/O
// registers of the second bank and the CPU's vectors. A range (a string
// variable, a buffer) is named at its first address.
#include <cstdio>
#include <string>

#include "debug/ram_names.h"
#include "workbench/data/default_tables.h"
#include "workbench/workbench.h"

namespace {

struct Named {
    unsigned address;
    const char* label;
    const char* comment;
};

// A system RAM address and its label; its comment is the variable's name in
// the trace's table.
struct Labelled {
    unsigned address;
    const char* label;
};

constexpr Labelled kSystemRam[] = {
    {0x7600, "DISP1"},
    {0x764E, "DISPFLAG1"},
    {0x764F, "DISPFLAG2"},
    {0x7700, "DISP2"},
    {0x774E, "NOTUSED"},
    {0x7800, "SYSSTACK"},
    {0x7850, "OUTSTAT"},
    {0x7851, "CONSOLE1"},
    {0x7852, "CONSOLE1P"},
    {0x7855, "CRLFCODE"},
    {0x7856, "ZONE"},
    {0x7857, "SETDEV"},
    {0x7858, "SETCOM"},
    {0x785B, "KBDERIV_H"},
    {0x785C, "KBDERIV_L"},
    {0x785D, "KBDERIVFLG"},
    {0x785E, "KBADDR_H"},
    {0x7861, "BASROM_H"},
    {0x7862, "BASROM_L"},
    {0x7863, "RAMSTART"},
    {0x7864, "RAMEND"},
    {0x7865, "BASRAM_H"},
    {0x7866, "BASRAM_L"},
    {0x7867, "BASEND_H"},
    {0x7868, "BASEND_L"},
    {0x7869, "MERGE_H"},
    {0x786A, "MERGE_L"},
    {0x786B, "REMOTEBEEP"},
    {0x786C, "RCLTEMP"},
    {0x7871, "WAITMODE"},
    {0x7872, "WAITCNT_H"},
    {0x7873, "WAITCNT_L"},
    {0x7874, "CURSOREN"},
    {0x7875, "CURSORPTR"},
    {0x7878, "BEEPFREQ"},
    {0x7879, "TAPEFLAG"},
    {0x787B, "CURSINIT"},
    {0x787C, "BLINK"},
    {0x787D, "BLINKCHAR"},
    {0x787E, "BLINKPOS_H"},
    {0x787F, "BLINKPOS_L"},
    {0x7880, "DISPPARAM"},
    {0x7882, "SBR06SP"},
    {0x7883, "CURVAR_H"},
    {0x7884, "CURVAR_L"},
    {0x7885, "CURVARTYPE"},
    {0x7886, "LASTVAR_H"},
    {0x7887, "LASTVAR_L"},
    {0x7888, "LASTVARTYP"},
    {0x788A, "BREAKFLAG"},
    {0x788B, "INBUFPTR"},
    {0x788C, "ARRAYDIM"},
    {0x788D, "TRACEON"},
    {0x788E, "TRACECOND"},
    {0x788F, "OUTBUFPTR"},
    {0x7890, "FORSTACK"},
    {0x7891, "GOSUBPTR"},
    {0x7892, "DATAPTR"},
    {0x7894, "STRBUFPTR"},
    {0x7895, "USING_FF"},
    {0x7896, "USING_M"},
    {0x7897, "USING_AMP"},
    {0x7898, "USING_DEC"},
    {0x7899, "VARPTR_H"},
    {0x789A, "VARPTR_L"},
    {0x789B, "ERL"},
    {0x79D0, "PUPVFLAG"},
    {0x79D1, "OPNDEV"},
    {0x79D4, "KBDERIVON"},
    {0x79DA, "INTENABLE"},
    {0x79DB, "INTADDR_H"},
    {0x79DC, "INTADDR_L"},
    {0x79E0, "USERCNTX_H"},
    {0x79E1, "USERCNTX_L"},
    {0x79E2, "USERCNTY_H"},
    {0x79E3, "USERCNTY_L"},
    {0x79E4, "SCISSY_H"},
    {0x79E5, "SCISSY_L"},
    {0x79E6, "ABSPOSX"},
    {0x79E7, "SCISSX_H"},
    {0x79E8, "SCISSX_L"},
    {0x79E9, "PENUPDOWN"},
    {0x79EA, "LINETYPE"},
    {0x79EB, "DOTLINECNT"},
    {0x79EC, "PENUPDOWN2"},
    {0x79ED, "XMOTORHOLD"},
    {0x79EE, "PORTCPHASE"},
    {0x79EF, "YMOTORHOLD"},
    {0x79F0, "PRINTMODE"},
    {0x79F1, "BATTFLAG"},
    {0x79F2, "ROTATE"},
    {0x79F3, "COLOR"},
    {0x79F4, "CSIZE"},
    {0x79F5, "PRINTER1"},
    {0x79F8, "PRINTER2"},
    {0x79F9, "PRINTER3"},
    {0x79FF, "LOCK"},
    {0x7A38, "BASICSTACK"},
    {0x7B00, "RND"},
    {0x7B09, "REPEATKEY"},
    {0x7B0A, "APOFF_U"},
    {0x7B0B, "APOFF_M"},
    {0x7B0C, "APOFF_L"},
    {0x7B0D, "BLINKTEMPO"},
    {0x7B0F, "LASTKEY"},
    {0x7B10, "STRBUF"},
    {0x7B60, "OUTBUF"},
    {0x7BB0, "INBUF"},
};

// The (H)/(L) address pairs of 789C-78BF, in address order.
constexpr const char* kLinePointers[] = {
    "CURLINE", "CURTOP", "PREVADDR", "PREVLINE", "PREVTOP", "SRCHADDR", "SRCHLINE", "SRCHTOP",
    "BRKADDR", "BRKLINE", "BRKTOP", "ERRADDR", "ERRLINE", "ERRTOP", "ONEADDR", "ONELINE", "ONETOP",
    "DATASTMT",
};

// Named blocks of equal size: the string and numeric variables, the
// numeric registers.
struct Series {
    unsigned first;
    unsigned step;
    const char* names;  // one character or a name per block, separated by spaces
    const char* labelPrefix;
};
constexpr Series kVariables[] = {
    {0x7650, 16, "E F G H I J K L M N O", "STRVAR_"},
    {0x7750, 16, "P Q R S T U V W X Y Z", "STRVAR_"},
    {0x78C0, 16, "A B C D", "STRVAR_"},
    {0x7900, 8, "A B C D E F G H I J K L M N O P Q R S T U V W X Y Z", "NUMVAR_"},
    {0x7A00, 8, "Xa Ya Za Ua Va Wa Sa", "REG_"},
};

// The registers of the two port chips of the second bank: the main unit's at
// F004-F00F, the CE-150's at B004-B00F.
struct Register {
    unsigned offset;
    const char* role;
};
constexpr Register kMainPort[] = {
    {0x4, "divider reset"},
    {0x5, "U register output"},
    {0x6, "serial transfer"},
    {0x7, "load divider to register F"},
    {0x8, "port C, timer control (clock chip, buzzer)"},
    {0x9, "G register"},
    {0xA, "MSK register"},
    {0xB, "IF register"},
    {0xC, "port A direction (keyboard strobe)"},
    {0xD, "port B direction"},
    {0xE, "port A, key strobe"},
    {0xF, "port B: serial from cassette, timer control, ON key input"},
};
constexpr Register kPrinterPort[] = {
    {0x4, "divider reset"},
    {0x5, "U register output"},
    {0x6, "serial transfer"},
    {0x7, "load divider to register F"},
    {0x8, "port C: X motor phases (bits 0-3), Y motor phases (bits 4-7)"},
    {0x9, "G register"},
    {0xA, "MSK register"},
    {0xB, "IF register"},
    {0xC, "port A direction"},
    {0xD, "port B direction"},
    {0xE, "port A: remote control and manual print mode"},
    {0xF, "port B: pen up/down, colour detection, low battery, paper feed"},
};

constexpr Named kVectors[] = {
    {0xFF00, "SBR_TABLE", "Vector table: the address of SBR n is the word at FF00 + n"},
    {0xFFF8, "VEC_IRQ", "Maskable interrupt vector"},
    {0xFFFA, "VEC_TIMER", "Timer interrupt vector"},
    {0xFFFC, "VEC_NMI", "Non-maskable interrupt vector"},
    {0xFFFE, "VEC_RESET", "Reset vector"},
};

std::string Hex4(unsigned address) {
    char text[8];
    std::snprintf(text, sizeof text, "%04X", address & 0xFFFF);
    return text;
}

void Add(Table& addr, unsigned address, const std::string& label, const std::string& comment) {
    Table::Row row = addr.NewRow();
    row[AddrField::LABEL] = label;
    row[AddrField::ADDRESS] = Hex4(address);
    row[AddrField::COMMENT] = comment;
    addr.Append(std::move(row));
}

void AddRam(Table& addr, unsigned address, const std::string& label) {
    Add(addr, address, label, std::string(RamVariableName(static_cast<uint16_t>(address))));
}

std::string Upper(std::string text) {
    for (char& c : text)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return text;
}

void AddSeries(Table& addr, const Series& s) {
    unsigned address = s.first;
    std::string names = s.names;
    for (size_t start = 0; start < names.size();) {
        size_t end = names.find(' ', start);
        if (end == std::string::npos) end = names.size();
        const std::string name = names.substr(start, end - start);
        AddRam(addr, address, s.labelPrefix + Upper(name));
        address += s.step;
        start = end + 1;
    }
}

// ME1 registers share their addresses with ROM code in the main bank, so
// they get no label (a jump there would be named after a register) and their
// comment names the bank.
void AddPort(Table& addr, unsigned base, const char* chip, const Register (&registers)[12]) {
    for (const Register& r : registers)
        Add(addr, base + r.offset, "", "ME1 " + Hex4(base + r.offset) + " " + chip + ": " + r.role);
}

}  // namespace

void FillAddrTable(Table& addr) {
    for (const Labelled& n : kSystemRam) AddRam(addr, n.address, n.label);
    unsigned address = 0x789C;
    for (const char* label : kLinePointers) {
        AddRam(addr, address++, std::string(label) + "_H");
        AddRam(addr, address++, std::string(label) + "_L");
    }
    for (const Series& s : kVariables) AddSeries(addr, s);
    AddPort(addr, 0xF000, "main unit port", kMainPort);
    AddPort(addr, 0xB000, "CE-150 port", kPrinterPort);
    for (const Named& n : kVectors) Add(addr, n.address, n.label, n.comment);
}

// No parameter pattern is known for certain yet; users add theirs in the
// grid (CODE: the byte after the call, MNEMO: for example ",n,pp").
void FillSbrTable(Table&) {}
