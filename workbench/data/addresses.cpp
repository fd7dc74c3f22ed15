// The named addresses Sifter ships with: the system RAM variables, the I/O
// registers of the second bank and the CPU's vectors. A range (a string
// variable, a buffer) is named at its first address.
#include <cstdio>
#include <string>

#include "workbench/data/default_tables.h"
#include "workbench/workbench.h"

namespace {

struct Named {
    unsigned address;
    const char* label;
    const char* comment;
};

constexpr Named kSystemRam[] = {
    {0x7600, "DISP1", "Display block 1 and 3"},
    {0x764E, "DISPFLAG1", "DISPLAY FLAG 1"},
    {0x764F, "DISPFLAG2", "DISPLAY FLAG 2"},
    {0x7700, "DISP2", "Display block 2 and 4"},
    {0x774E, "NOTUSED", "Not used"},
    {0x7800, "SYSSTACK", "SYSTEM STACK"},
    {0x7850, "OUTSTAT", "OUTSTAT value"},
    {0x7851, "CONSOLE1", "Console 1 (RS232C)"},
    {0x7852, "CONSOLE1P", "Console 1 (//)"},
    {0x7855, "CRLFCODE", "Codes CR or LF"},
    {0x7856, "ZONE", "ZONE"},
    {0x7857, "SETDEV", "SETDEV value"},
    {0x7858, "SETCOM", "SETCOM"},
    {0x785B, "KBDERIV_H", "KEYBOARD derivation address (H)"},
    {0x785C, "KBDERIV_L", "KEYBOARD derivation address (L)"},
    {0x785D, "KBDERIVFLG", "KEYBOARD derivation flag Bit7=1 SPV, Bit7=0 RPV"},
    {0x785E, "KBADDR_H", "Keyboard address or user chars address high byte (if 785D = 0)"},
    {0x7861, "BASROM_H", "Start address of basic in ROM (H)"},
    {0x7862, "BASROM_L", "Start address of basic in ROM (L)"},
    {0x7863, "RAMSTART", "RAM start"},
    {0x7864, "RAMEND", "RAM end"},
    {0x7865, "BASRAM_H", "Start address of basic in RAM (H)"},
    {0x7866, "BASRAM_L", "Start address of basic in RAM (L)"},
    {0x7867, "BASEND_H", "End address of basic in RAM (H)"},
    {0x7868, "BASEND_L", "End address of basic in RAM (L)"},
    {0x7869, "MERGE_H", "MERGE last address (H)"},
    {0x786A, "MERGE_L", "MERGE last address (L)"},
    {0x786B, "REMOTEBEEP", "Remote and BEEP on/off pointer"},
    {0x786C, "RCLTEMP", "RCL temp buffer"},
    {0x7871, "WAITMODE", "WAIT Y/N 0=WAIT, 2=WAIT1, 3=WAIT0"},
    {0x7872, "WAITCNT_H", "WAIT Counter (H)"},
    {0x7873, "WAITCNT_L", "WAIT Counter (L)"},
    {0x7874, "CURSOREN", "Cursor enable 1=used, 0=not used"},
    {0x7875, "CURSORPTR", "CURSOR POINTER (0 to 155)"},
    {0x7878, "BEEPFREQ", "BEEP frequency"},
    {0x7879, "TAPEFLAG", "TAPE INTERFACE FALG"},
    {0x787B, "CURSINIT", "Used by SBR 92 for cursor init (depending on HL value)"},
    {0x787C, "BLINK", "BLINK"},
    {0x787D, "BLINKCHAR", "Character code to be blinked"},
    {0x787E, "BLINKPOS_H", "Blink cursor position (H) (address of the display buffer)"},
    {0x787F, "BLINKPOS_L", "Blink cursor position (L) (address of the display buffer)"},
    {0x7880, "DISPPARAM", "Display parameter"},
    {0x7882, "SBR06SP", "Stack pointer for SBR 06 et SBR 32"},
    {0x7883, "CURVAR_H", "CURRENT VAR ADDRESS (H)"},
    {0x7884, "CURVAR_L", "CURRENT VAR ADDRESS (L)"},
    {0x7885, "CURVARTYPE", "CURRENT VAR TYPE"},
    {0x7886, "LASTVAR_H", "LAST VAR ADDRESS (H)"},
    {0x7887, "LASTVAR_L", "LAST VAR ADDRESS (L)"},
    {0x7888, "LASTVARTYP", "LAST VAR TYPE"},
    {0x788A, "BREAKFLAG", "BREAK FLAG"},
    {0x788B, "INBUFPTR", "INPUT BUFFER POINTER"},
    {0x788C, "ARRAYDIM", "ARRAY DIMENSION 1 or 2"},
    {0x788D, "TRACEON", "TRACE ON/OFF pointer"},
    {0x788E, "TRACECOND", "TRACE condition (status when trace ON)"},
    {0x788F, "OUTBUFPTR", "Output buffer pointer"},
    {0x7890, "FORSTACK", "FOR, NEXT stack pointer"},
    {0x7891, "GOSUBPTR", "BOSUB pointer"},
    {0x7892, "DATAPTR", "Data pointer"},
    {0x7894, "STRBUFPTR", "String buffer pointer"},
    {0x7895, "USING_FF", "USING F/F (Using format, presence of decimal point, comma,etc)"},
    {0x7896, "USING_M", "USING M integer part"},
    {0x7897, "USING_AMP", "USING & using of character string"},
    {0x7898, "USING_DEC", "USING m decimal part"},
    {0x7899, "VARPTR_H", "Variable pointer (H)"},
    {0x789A, "VARPTR_L", "Variable pointer (L)"},
    {0x789B, "ERL", "ERL (Error number when occured)"},
    {0x79D0, "PUPVFLAG", "PU ou PV FLAG"},
    {0x79D1, "OPNDEV", "OPN DV (Peripheral device select)"},
    {0x79D4, "KBDERIVON", "IF &85 then derivate keyboard"},
    {0x79DA, "INTENABLE", "If &85 then enbale interrupt"},
    {0x79DB, "INTADDR_H", "INTERRUPT ADDRESS (H)"},
    {0x79DC, "INTADDR_L", "INTERRUPT ADDRESS (L)"},
    {0x79E0, "USERCNTX_H", "USER COUNTER X (Counter for X coordinates of the pen) (H)"},
    {0x79E1, "USERCNTX_L", "USER COUNTER X (Counter for X coordinates of the pen) (L)"},
    {0x79E2, "USERCNTY_H", "USER COUNTER Y (Counter for Y coordinates of the pen) (H)"},
    {0x79E3, "USERCNTY_L", "USER COUNTER Y (Counter for Y coordinates of the pen) (L)"},
    {0x79E4, "SCISSY_H", "SCISSORING COUNTER Y (Y direction scissoring counter) (H)"},
    {0x79E5, "SCISSY_L", "SCISSORING COUNTER Y (Y direction scissoring counter) (L)"},
    {0x79E6, "ABSPOSX", "ABSOLUTE POSITION X (X direction absolut point counter)"},
    {0x79E7, "SCISSX_H", "SCISSORING COUNTER X (X direction scissoring counter) (H)"},
    {0x79E8, "SCISSX_L", "SCISSORING COUNTER X (X direction scissoring counter) (L)"},
    {0x79E9, "PENUPDOWN", "Pen UP/DOWN"},
    {0x79EA, "LINETYPE", "LINE TYPE"},
    {0x79EB, "DOTLINECNT", "DOT LINE COUNTER"},
    {0x79EC, "PENUPDOWN2", "Pen UP/DOWN"},
    {0x79ED, "XMOTORHOLD", "X MOTOR HOLD COUNTER"},
    {0x79EE, "PORTCPHASE", "PORTC  (Indicate current motor phase)"},
    {0x79EF, "YMOTORHOLD", "Y MOTOR HOLD COUNTER"},
    {0x79F0, "PRINTMODE", "PRINTER MODE 0=TEXT, 255=GRAPH"},
    {0x79F1, "BATTFLAG", "BATTERIE FLAG or PEN CHANGE FLAG"},
    {0x79F2, "ROTATE", "ROTATE (Printing direction select)"},
    {0x79F3, "COLOR", "COLOR (Color printing select)"},
    {0x79F4, "CSIZE", "CSIZE (Printing character size select)"},
    {0x79F5, "PRINTER1", "Used by printer"},
    {0x79F8, "PRINTER2", "Used by printer"},
    {0x79F9, "PRINTER3", "Used by printer"},
    {0x79FF, "LOCK", "LOCK / UNLOCK"},
    {0x7A38, "BASICSTACK", "BASIC STACK"},
    {0x7B00, "RND", "RND NUMBER"},
    {0x7B09, "REPEATKEY", "REPEAT KEY (Speed)"},
    {0x7B0A, "APOFF_U", "AUTO P-OFF COUNTER U"},
    {0x7B0B, "APOFF_M", "AUTO P-OFF COUNTER M"},
    {0x7B0C, "APOFF_L", "AUTO P-OFF COUNTER L"},
    {0x7B0D, "BLINKTEMPO", "BLINK TEMPO"},
    {0x7B0F, "LASTKEY", "LAST KEY DOWN CODE (Ascii)"},
    {0x7B10, "STRBUF", "STRING BUFFER"},
    {0x7B60, "OUTBUF", "OUTPUT BUFFER"},
    {0x7BB0, "INBUF", "INPUT BUFFER"},
};

// The (H)/(L) address pairs of 789C-78BF, in address order.
struct Pair {
    const char* label;
    const char* comment;
};
constexpr Pair kLinePointers[] = {
    {"CURLINE", "CURRENT LINE (Current line number)"},
    {"CURTOP", "CURRENT TOP (Leading address of program of the current line)"},
    {"PREVADDR", "PREVIOUS ADDRESS (Address of immediately preceeding line)"},
    {"PREVLINE", "PREVIOUS LINE (Line number immediatelypreceeding)"},
    {"PREVTOP", "PREVIOUS TOP (Leading address of program of the line immed preceeding)"},
    {"SRCHADDR", "SEARCH ADDRESS (Address of the line found during search)"},
    {"SRCHLINE", "SEARCH LINE (Line number found after search)"},
    {"SRCHTOP", "SEARCH TOP (Leading address of the searched program block)"},
    {"BRKADDR", "BREAK ADDRESS (Address of breakpoint)"},
    {"BRKLINE", "BREAK LINE (Address of breakpoint line number)"},
    {"BRKTOP", "BREAK TOP (Top address of the pgm block to which break is applyed)"},
    {"ERRADDR", "ERROR ADDRESS (Address where error is met)"},
    {"ERRLINE", "ERROR LINE (Line number where error is met)"},
    {"ERRTOP", "ERROR TOP (Leading addr of the prg block in which error is met)"},
    {"ONEADDR", "ON ERROR ADDRESS (Address to which program jumps when an error is met)"},
    {"ONELINE", "ON ERROR LINE (Line number to which program jumps when an error is met)"},
    {"ONETOP", "ON ERROR TOP (Leading addr of prg block in which an error is met)"},
    {"DATASTMT", "DATA POINTER (Pointer for data statement)"},
};

// Named blocks of equal size: the string and numeric variables, the
// numeric registers.
struct Series {
    unsigned first;
    unsigned step;
    const char* names;  // one character or a name per block, separated by spaces
    const char* labelPrefix;
    const char* commentPrefix;
};
constexpr Series kVariables[] = {
    {0x7650, 16, "E F G H I J K L M N O", "STRVAR_", "STRING VAR "},
    {0x7750, 16, "P Q R S T U V W X Y Z", "STRVAR_", "STRING VAR "},
    {0x78C0, 16, "A B C D", "STRVAR_", "STRING VAR "},
    {0x7900, 8, "A B C D E F G H I J K L M N O P Q R S T U V W X Y Z", "NUMVAR_", "NUMERIC VAR "},
    {0x7A00, 8, "Xa Ya Za Ua Va Wa Sa", "REG_", "NUMERIC REGISTER "},
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
        const bool string = std::string(s.commentPrefix) == "STRING VAR ";
        Add(addr, address, s.labelPrefix + Upper(name), s.commentPrefix + name + (string ? "$" : ""));
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
    for (const Named& n : kSystemRam) Add(addr, n.address, n.label, n.comment);
    unsigned address = 0x789C;
    for (const Pair& p : kLinePointers) {
        Add(addr, address++, std::string(p.label) + "_H", std::string(p.comment) + " (H)");
        Add(addr, address++, std::string(p.label) + "_L", std::string(p.comment) + " (L)");
    }
    for (const Series& s : kVariables) AddSeries(addr, s);
    AddPort(addr, 0xF000, "main unit port", kMainPort);
    AddPort(addr, 0xB000, "CE-150 port", kPrinterPort);
    for (const Named& n : kVectors) Add(addr, n.address, n.label, n.comment);
}

// No parameter pattern is known for certain yet; users add theirs in the
// grid (CODE: the byte after the call, MNEMO: for example ",n,pp").
void FillSbrTable(Table&) {}
