// Every text the window shows: captions, hints, questions, dialog titles and
// file filters.
#pragma once

namespace texts {

inline constexpr const char* kProgram = "Sifter";

inline constexpr const char* kOn = "ON";
inline constexpr const char* kOff = "OFF";
inline constexpr const char* kClear = "CLEAR";
inline constexpr const char* kMode = "Mode";
inline constexpr const char* kModeHint = "Change mode\n-CPU language\n-ROM source\n-Ram addresses";

inline constexpr const char* kLoad = "Load";
inline constexpr const char* kSaveAs = "Save as";
inline constexpr const char* kRom = "ROM";
inline constexpr const char* kSource = "SOURCE";
inline constexpr const char* kText = "TEXT";
inline constexpr const char* kLoadRomHint = "Load ROM file";
inline constexpr const char* kLoadSourceHint = "Load source file";
inline constexpr const char* kSaveSourceHint = "Save as source file";
inline constexpr const char* kSaveTextHint = "Save as text file";

inline constexpr const char* kLabelCaption = "LABEL";
inline constexpr const char* kAddrCaption = "ADDR";
inline constexpr const char* kFromCaption = "FROM";
inline constexpr const char* kToCaption = "TO";
inline constexpr const char* kDisassCaption = "Disass";
inline constexpr const char* kCleanCaption = "Clean";
inline constexpr const char* kLabelHint = "Change value to find label";
inline constexpr const char* kAddrHint = "Change value to find address";
inline constexpr const char* kStartHint = "Disassemble from this address";
inline constexpr const char* kEndHint = "Disassemble to this address";
inline constexpr const char* kGo = "GO";
inline constexpr const char* kGoHint = "Disassemble code";
inline constexpr const char* kPurgeHint = "Remove all blank lines";
inline constexpr const char* kLabelInitial = "LABEL_0";
inline constexpr const char* kAddressInitial = "0000";

inline constexpr const char* kCpuIndicator = "CPU";
inline constexpr const char* kRomIndicator = "ROM";
inline constexpr const char* kAddressIndicator = "ADDRESS";
inline constexpr const char* kBusy = "Busy";

inline constexpr const char* kKeepRom = "Keep current ROM active ?";
inline constexpr const char* kLoadRomTitle = "Load Zelkor ROM image";
inline constexpr const char* kStartPrompt = "ROM start address";
inline constexpr const char* kInvalidAddress = "Invalid address !";
inline constexpr const char* kDeleteRow = "Delete this row ?";
inline constexpr const char* kUsePseudoZ80 = "Use pseudo Z80 mnemo instead of LH5801 ?";

// Each filter names its extension in both cases: file names here are
// case-sensitive, and a listing saved elsewhere may be in lower case.
inline constexpr const char* kRomFilter = "Rom image (*.rom *.ROM)";
inline constexpr const char* kAsmFilter = "ASM file (*.ASM *.asm)";
inline constexpr const char* kTxtFilter = "TXT file (*.TXT *.txt)";

}  // namespace texts
