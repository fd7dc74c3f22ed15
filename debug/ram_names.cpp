// The names of the system RAM's variables, 7600-7BFF: the display memory,
// BASIC's string and numeric variables, its pointers and buffers, the
// printer's work bytes.
#include <array>
#include <string>

#include "debug/ram_names.h"

namespace {

constexpr size_t kRamNames = kRamNamesLast - kRamNamesFirst + 1;

struct Named {
    uint16_t first, last;
    const char* text;
};

// Single variables and plain ranges. The families of equal-sized variables
// (strings, numbers, registers, line pointers) are added by rule below.
constexpr Named kNamed[] = {
    {0x7600, 0x764D, "Display block 1 and 3"},
    {0x764E, 0x764E, "DISPLAY FLAG 1"},
    {0x764F, 0x764F, "DISPLAY FLAG 2"},
    {0x7700, 0x774D, "Display block 2 and 4"},
    {0x774E, 0x774F, "Not used"},
    {0x7800, 0x784F, "SYSTEM STACK"},
    {0x7850, 0x7850, "OUTSTAT value"},
    {0x7851, 0x7851, "Console 1 (RS232C)"},
    {0x7852, 0x7852, "Console 1 (//)"},
    {0x7855, 0x7855, "Codes CR or LF"},
    {0x7856, 0x7856, "ZONE"},
    {0x7857, 0x7857, "SETDEV value"},
    {0x7858, 0x7858, "SETCOM"},
    {0x785B, 0x785B, "KEYBOARD derivation address (H)"},
    {0x785C, 0x785C, "KEYBOARD derivation address (L)"},
    {0x785D, 0x785D, "KEYBOARD derivation flag Bit7=1 SPV, Bit7=0 RPV"},
    {0x785E, 0x785E, "Keyboard address or user chars address high byte (if 785D = 0)"},
    {0x7861, 0x7861, "Start address of basic in ROM (H)"},
    {0x7862, 0x7862, "Start address of basic in ROM (L)"},
    {0x7863, 0x7863, "RAM start"},
    {0x7864, 0x7864, "RAM end"},
    {0x7865, 0x7865, "Start address of basic in RAM (H)"},
    {0x7866, 0x7866, "Start address of basic in RAM (L)"},
    {0x7867, 0x7867, "End address of basic in RAM (H)"},
    {0x7868, 0x7868, "End address of basic in RAM (L)"},
    {0x7869, 0x7869, "MERGE last address (H)"},
    {0x786A, 0x786A, "MERGE last address (L)"},
    {0x786B, 0x786B, "Remote and BEEP on/off pointer"},
    {0x786C, 0x786F, "RCL temp buffer"},
    {0x7871, 0x7871, "WAIT Y/N 0=WAIT, 2=WAIT1, 3=WAIT0"},
    {0x7872, 0x7872, "WAIT Counter (H)"},
    {0x7873, 0x7873, "WAIT Counter (L)"},
    {0x7874, 0x7874, "Cursor enable 1=used, 0=not used"},
    {0x7875, 0x7875, "CURSOR POINTER (0 to 155)"},
    {0x7878, 0x7878, "BEEP frequency"},
    {0x7879, 0x7879, "TAPE INTERFACE FALG"},
    {0x787B, 0x787B, "Used by SBR 92 for cursor init (depending on HL value)"},
    {0x787C, 0x787C, "BLINK"},
    {0x787D, 0x787D, "Character code to be blinked"},
    {0x787E, 0x787E, "Blink cursor position (H) (address of the display buffer)"},
    {0x787F, 0x787F, "Blink cursor position (L) (address of the display buffer)"},
    {0x7880, 0x7880, "Display parameter"},
    {0x7882, 0x7882, "Stack pointer for SBR 06 et SBR 32"},
    {0x7883, 0x7883, "CURRENT VAR ADDRESS (H)"},
    {0x7884, 0x7884, "CURRENT VAR ADDRESS (L)"},
    {0x7885, 0x7885, "CURRENT VAR TYPE"},
    {0x7886, 0x7886, "LAST VAR ADDRESS (H)"},
    {0x7887, 0x7887, "LAST VAR ADDRESS (L)"},
    {0x7888, 0x7888, "LAST VAR TYPE"},
    {0x788A, 0x788A, "BREAK FLAG"},
    {0x788B, 0x788B, "INPUT BUFFER POINTER"},
    {0x788C, 0x788C, "ARRAY DIMENSION 1 or 2"},
    {0x788D, 0x788D, "TRACE ON/OFF pointer"},
    {0x788E, 0x788E, "TRACE condition (status when trace ON)"},
    {0x788F, 0x788F, "Output buffer pointer"},
    {0x7890, 0x7890, "FOR, NEXT stack pointer"},
    {0x7891, 0x7891, "BOSUB pointer"},
    {0x7892, 0x7892, "Data pointer"},
    {0x7894, 0x7894, "String buffer pointer"},
    {0x7895, 0x7895, "USING F/F (Using format, presence of decimal point, comma,etc)"},
    {0x7896, 0x7896, "USING M integer part"},
    {0x7897, 0x7897, "USING & using of character string"},
    {0x7898, 0x7898, "USING m decimal part"},
    {0x7899, 0x7899, "Variable pointer (H)"},
    {0x789A, 0x789A, "Variable pointer (L)"},
    {0x789B, 0x789B, "ERL (Error number when occured)"},
    {0x79D0, 0x79D0, "PU ou PV FLAG"},
    {0x79D1, 0x79D1, "OPN DV (Peripheral device select)"},
    {0x79D4, 0x79D4, "IF &85 then derivate keyboard"},
    {0x79DA, 0x79DA, "If &85 then enbale interrupt"},
    {0x79DB, 0x79DB, "INTERRUPT ADDRESS (H)"},
    {0x79DC, 0x79DC, "INTERRUPT ADDRESS (L)"},
    {0x79E0, 0x79E0, "USER COUNTER X (Counter for X coordinates of the pen) (H)"},
    {0x79E1, 0x79E1, "USER COUNTER X (Counter for X coordinates of the pen) (L)"},
    {0x79E2, 0x79E2, "USER COUNTER Y (Counter for Y coordinates of the pen) (H)"},
    {0x79E3, 0x79E3, "USER COUNTER Y (Counter for Y coordinates of the pen) (L)"},
    {0x79E4, 0x79E4, "SCISSORING COUNTER Y (Y direction scissoring counter) (H)"},
    {0x79E5, 0x79E5, "SCISSORING COUNTER Y (Y direction scissoring counter) (L)"},
    {0x79E6, 0x79E6, "ABSOLUTE POSITION X (X direction absolut point counter)"},
    {0x79E7, 0x79E7, "SCISSORING COUNTER X (X direction scissoring counter) (H)"},
    {0x79E8, 0x79E8, "SCISSORING COUNTER X (X direction scissoring counter) (L)"},
    {0x79E9, 0x79E9, "Pen UP/DOWN"},
    {0x79EA, 0x79EA, "LINE TYPE"},
    {0x79EB, 0x79EB, "DOT LINE COUNTER"},
    {0x79EC, 0x79EC, "Pen UP/DOWN"},
    {0x79ED, 0x79ED, "X MOTOR HOLD COUNTER"},
    {0x79EE, 0x79EE, "PORTC  (Indicate current motor phase)"},
    {0x79EF, 0x79EF, "Y MOTOR HOLD COUNTER"},
    {0x79F0, 0x79F0, "PRINTER MODE 0=TEXT, 255=GRAPH"},
    {0x79F1, 0x79F1, "BATTERIE FLAG or PEN CHANGE FLAG"},
    {0x79F2, 0x79F2, "ROTATE (Printing direction select)"},
    {0x79F3, 0x79F3, "COLOR (Color printing select)"},
    {0x79F4, 0x79F4, "CSIZE (Printing character size select)"},
    {0x79F5, 0x79F5, "Used by printer"},
    {0x79F8, 0x79F9, "Used by printer"},
    {0x79FF, 0x79FF, "LOCK / UNLOCK"},
    {0x7A38, 0x7AFF, "BASIC STACK"},
    {0x7B00, 0x7B07, "RND NUMBER"},
    {0x7B09, 0x7B09, "REPEAT KEY (Speed)"},
    {0x7B0A, 0x7B0A, "AUTO P-OFF COUNTER U"},
    {0x7B0B, 0x7B0B, "AUTO P-OFF COUNTER M"},
    {0x7B0C, 0x7B0C, "AUTO P-OFF COUNTER L"},
    {0x7B0D, 0x7B0D, "BLINK TEMPO"},
    {0x7B0F, 0x7B0F, "LAST KEY DOWN CODE (Ascii)"},
    {0x7B10, 0x7B5F, "STRING BUFFER"},
    {0x7B60, 0x7BAF, "OUTPUT BUFFER"},
    {0x7BB0, 0x7BFF, "INPUT BUFFER"},
};

// 789C-78BF: BASIC's line pointers, each a (H)/(L) pair.
constexpr const char* kLinePointers[] = {
    "CURRENT LINE (Current line number)",
    "CURRENT TOP (Leading address of program of the current line)",
    "PREVIOUS ADDRESS (Address of immediately preceeding line)",
    "PREVIOUS LINE (Line number immediatelypreceeding)",
    "PREVIOUS TOP (Leading address of program of the line immed preceeding)",
    "SEARCH ADDRESS (Address of the line found during search)",
    "SEARCH LINE (Line number found after search)",
    "SEARCH TOP (Leading address of the searched program block)",
    "BREAK ADDRESS (Address of breakpoint)",
    "BREAK LINE (Address of breakpoint line number)",
    "BREAK TOP (Top address of the pgm block to which break is applyed)",
    "ERROR ADDRESS (Address where error is met)",
    "ERROR LINE (Line number where error is met)",
    "ERROR TOP (Leading addr of the prg block in which error is met)",
    "ON ERROR ADDRESS (Address to which program jumps when an error is met)",
    "ON ERROR LINE (Line number to which program jumps when an error is met)",
    "ON ERROR TOP (Leading addr of prg block in which an error is met)",
    "DATA POINTER (Pointer for data statement)",
};
constexpr uint16_t kLinePointersFirst = 0x789C;

// 7A00-7A37: the arithmetic registers, 8 bytes each.
constexpr const char* kNumericRegisters[] = {"Xa", "Ya", "Za", "Ua", "Va", "Wa", "Sa"};

using Names = std::array<std::string, kRamNames>;

void Name(Names& names, uint16_t first, uint16_t last, const std::string& text) {
    for (unsigned a = first; a <= last; ++a) names[a - kRamNamesFirst] = text;
}

// `count` variables of `size` bytes from `first`, named prefix + letter.
void NameLettered(Names& names, uint16_t first, int size, char firstLetter, int count, const std::string& prefix,
                  const std::string& suffix) {
    for (int k = 0; k < count; ++k) {
        const auto at = static_cast<uint16_t>(first + k * size);
        Name(names, at, static_cast<uint16_t>(at + size - 1), prefix + static_cast<char>(firstLetter + k) + suffix);
    }
}

Names BuildNames() {
    Names names;
    for (const Named& n : kNamed) Name(names, n.first, n.last, n.text);
    NameLettered(names, 0x7650, 16, 'E', 11, "STRING VAR ", "$");  // E$ to O$
    NameLettered(names, 0x7750, 16, 'P', 11, "STRING VAR ", "$");  // P$ to Z$
    NameLettered(names, 0x78C0, 16, 'A', 4, "STRING VAR ", "$");   // A$ to D$
    NameLettered(names, 0x7900, 8, 'A', 26, "NUMERIC VAR ", "");   // A to Z
    for (int k = 0; k < static_cast<int>(std::size(kLinePointers)); ++k) {
        const auto high = static_cast<uint16_t>(kLinePointersFirst + 2 * k);
        Name(names, high, high, std::string(kLinePointers[k]) + " (H)");
        Name(names, static_cast<uint16_t>(high + 1), static_cast<uint16_t>(high + 1),
             std::string(kLinePointers[k]) + " (L)");
    }
    for (int k = 0; k < static_cast<int>(std::size(kNumericRegisters)); ++k) {
        const auto at = static_cast<uint16_t>(0x7A00 + 8 * k);
        Name(names, at, static_cast<uint16_t>(at + 7), std::string("NUMERIC REGISTER ") + kNumericRegisters[k]);
    }
    return names;
}

}  // namespace

std::string_view RamVariableName(uint16_t a) {
    static const Names names = BuildNames();
    if (a < kRamNamesFirst || a > kRamNamesLast) return {};
    return names[a - kRamNamesFirst];
}
