// The machine record: all state of one emulated machine in one flat block.
//
// The block is at once the in-memory machine, the state file ("Zelkora.mem",
// a byte image of the whole record) and what a model library writes into, so
// its layout is fixed to the byte: little-endian fields at the offsets checked
// below, the gaps spelled out. Every field sits on its natural alignment, so
// no packing pragma is needed. Host handle slots are 4 bytes wide; the real
// host objects (lock, library handle, trace stream) live outside the record.
#pragma once

#include <cstddef>
#include <cstdint>

// One element of the window's skin: the case, a key, an annunciator, the power
// dot or the dot images. Filled by the model library.
struct SkinEntry {
    int32_t x;
    int32_t y;
    int32_t width;
    int32_t height;
    uint32_t dirty;         // 1 = draw at the next paint
    uint32_t imageA;        // image handles (0 = no image)
    uint32_t imageB;
    uint32_t currentImage;  // always imageA or imageB
    uint8_t scanAll;        // keyboard port value for strobe FF
    uint8_t scanLines[8];   // values for strobes 01, 02, 04 ... 80
    uint8_t pad[3];
    uint8_t bitmapInfoA[24];  // description of imageA, stored by the emulator
    uint8_t bitmapInfoB[24];
};
static_assert(sizeof(SkinEntry) == 92);
static_assert(offsetof(SkinEntry, dirty) == 16);
static_assert(offsetof(SkinEntry, currentImage) == 28);
static_assert(offsetof(SkinEntry, scanAll) == 32);
static_assert(offsetof(SkinEntry, scanLines) == 33);
static_assert(offsetof(SkinEntry, bitmapInfoA) == 44);
static_assert(offsetof(SkinEntry, bitmapInfoB) == 68);

// Skin table indices.
enum SkinIndex : int {
    kSkinCase = 0,
    kSkinFirstKey = 1,
    kSkinLastKey = 66,
    kSkinFirstAnnunciator = 67,  // 67..80 annunciators, 81 the power dot
    kSkinLastAnnunciator = 80,
    kSkinPowerDot = 81,
    kSkinDotsSmall = 82,  // "Pixels 2*2"
    kSkinDotsFull = 83,   // "Pixels 3*3"
    kSkinLastLibraryEntry = 83,  // the last entry a model library fills
    kSkinEntries = 85,
};

// The fourteen annunciator flags Busy ... Run, one word each, lie one after
// the other in the record in this order.
enum AnnunciatorFlag : int {
    kFlagBusy, kFlagShift, kFlagJapanese, kFlagSmall, kFlagIII, kFlagII, kFlagI,
    kFlagDef, kFlagDe, kFlagG, kFlagRad, kFlagReserve, kFlagPro, kFlagRun,
    kAnnunciatorFlags,
};

// Each flag's skin entry and its label (its field's name, as the machine
// report prints it), in flag order.
struct AnnunciatorFlagFacts {
    int entry;
    const char* name;
};
inline constexpr AnnunciatorFlagFacts kAnnunciatorFlagFacts[kAnnunciatorFlags] = {
    {67, "Busy"}, {68, "Shift"}, {69, "Japanese"}, {70, "Small"}, {80, "III"}, {79, "II"}, {78, "I"},
    {77, "Def"},  {71, "De"},    {72, "G"},        {73, "Rad"},   {76, "Reserve"}, {75, "Pro"}, {74, "Run"},
};
static_assert([] {  // each of the entries 67-80 exactly once
    bool taken[kSkinLastAnnunciator + 1] = {};
    for (const AnnunciatorFlagFacts& f : kAnnunciatorFlagFacts) {
        if (f.entry < kSkinFirstAnnunciator || f.entry > kSkinLastAnnunciator || taken[f.entry]) return false;
        taken[f.entry] = true;
    }
    return true;
}());

// Values of the Machine word: the first menu identifier of each machine.
constexpr uint32_t kMachinePC1500 = 251;
constexpr uint32_t kMachinePC1500A = 255;
constexpr uint32_t kMachinePC2 = 259;

constexpr int kDisplayColumns = 156;
constexpr int kDisplayRows = 8;  // row 0 is never shown; rows 1..7 are the dots

struct LH5801 {
    uint32_t Version;
    uint8_t ME0[65536];
    uint8_t CE158Banks[2][8192];
    uint8_t gap81924[2];
    uint8_t ME1[65536];
    uint8_t gap147462[2];
    uint32_t ModuleHandle;
    uint8_t gap147468[12];
    uint32_t TraceFile;
    uint32_t Trace;
    uint32_t Desassemble;
    char MO[255];
    char Li[99];
    char MP[255];
    char BU[512];
    char Debug[255];
    char Time[99];
    char GetSet[512];
    uint8_t gap149479[1];

    // CPU flags and registers (flags hold 0 or 1, A holds 0..255).
    uint16_t HLT;
    uint16_t OFF;
    uint16_t IE;
    uint16_t C;
    uint16_t Z;
    uint16_t H;
    uint16_t V;
    uint16_t IR0;
    uint16_t IR1;
    uint16_t IR2;
    uint16_t PU;
    uint16_t PV;
    uint16_t DISP;
    uint16_t A;
    uint16_t X;
    uint16_t Y;
    uint16_t U;
    uint16_t P;
    uint16_t S;
    uint8_t gap149518[2];
    uint32_t TM;
    uint32_t VRegister;
    uint32_t Cycle;
    uint32_t TempCycle[25];
    uint32_t InOut;

    // Clock chip.
    uint32_t SignalSTB;
    uint32_t SignalClock;
    uint32_t IndiceClockR;
    uint32_t IndiceClockW;
    uint32_t ClockData[41];
    uint32_t CommandeClock;
    uint32_t SecUnits;
    uint32_t SecTens;
    uint32_t MinUnits;
    uint32_t MinTens;
    uint32_t HourUnits;
    uint32_t HourTens;
    uint32_t DayUnits;
    uint32_t DayTens;
    uint32_t WeekDay;
    uint32_t Month;
    uint32_t BuzzerActif;

    // Timing.
    uint32_t FrequenceMax;
    uint8_t gap149868[4];
    int64_t liFrequency;
    int64_t liCurrent;
    int64_t liLast;

    // Key latch; the lock slot is opaque (the real lock lives beside the record).
    uint8_t KeyboardLock[24];
    int32_t ToucheLue;
    uint8_t ScanClavier[9];
    uint8_t gap149933[3];

    // Configuration.
    uint32_t Machine;
    uint32_t Module;
    uint32_t CE150;
    uint32_t CE153;
    uint32_t CE158;

    // Window and display model.
    uint32_t hWnd;
    uint32_t MemoryDC;
    uint32_t hInstance;
    uint8_t BufferVideo[161];
    uint8_t gap150129[3];
    int32_t LcdOriginX;
    int32_t LcdOriginY;
    uint32_t Busy;
    uint32_t Shift;
    uint32_t Japanese;
    uint32_t Small;
    uint32_t III;
    uint32_t II;
    uint32_t I;
    uint32_t Def;
    uint32_t De;
    uint32_t G;
    uint32_t Rad;
    uint32_t Reserve;
    uint32_t Pro;
    uint32_t Run;
    uint32_t Dots[kDisplayRows][kDisplayColumns];
    uint32_t Running;
    uint32_t PixelSize;
    uint8_t gap155196[4];
    SkinEntry Skin[kSkinEntries];

    // CE-150 X motor.
    int32_t PosMoteur;
    int32_t SensMoteur;
    int32_t CodeMoteur;
    int32_t CE150Settings[5];
    uint8_t gap163052[4];
};

constexpr uint32_t kRecordSize = 163056;

#define ZELKOR_AT(field, offset) static_assert(offsetof(LH5801, field) == (offset), #field)
ZELKOR_AT(Version, 0);
ZELKOR_AT(ME0, 4);
ZELKOR_AT(CE158Banks, 65540);
ZELKOR_AT(gap81924, 81924);
ZELKOR_AT(ME1, 81926);
ZELKOR_AT(gap147462, 147462);
ZELKOR_AT(ModuleHandle, 147464);
ZELKOR_AT(gap147468, 147468);
ZELKOR_AT(TraceFile, 147480);
ZELKOR_AT(Trace, 147484);
ZELKOR_AT(Desassemble, 147488);
ZELKOR_AT(MO, 147492);
ZELKOR_AT(Li, 147747);
ZELKOR_AT(MP, 147846);
ZELKOR_AT(BU, 148101);
ZELKOR_AT(Debug, 148613);
ZELKOR_AT(Time, 148868);
ZELKOR_AT(GetSet, 148967);
ZELKOR_AT(gap149479, 149479);
ZELKOR_AT(HLT, 149480);
ZELKOR_AT(OFF, 149482);
ZELKOR_AT(IE, 149484);
ZELKOR_AT(C, 149486);
ZELKOR_AT(Z, 149488);
ZELKOR_AT(H, 149490);
ZELKOR_AT(V, 149492);
ZELKOR_AT(IR0, 149494);
ZELKOR_AT(IR1, 149496);
ZELKOR_AT(IR2, 149498);
ZELKOR_AT(PU, 149500);
ZELKOR_AT(PV, 149502);
ZELKOR_AT(DISP, 149504);
ZELKOR_AT(A, 149506);
ZELKOR_AT(X, 149508);
ZELKOR_AT(Y, 149510);
ZELKOR_AT(U, 149512);
ZELKOR_AT(P, 149514);
ZELKOR_AT(S, 149516);
ZELKOR_AT(gap149518, 149518);
ZELKOR_AT(TM, 149520);
ZELKOR_AT(VRegister, 149524);
ZELKOR_AT(Cycle, 149528);
ZELKOR_AT(TempCycle, 149532);
ZELKOR_AT(InOut, 149632);
ZELKOR_AT(SignalSTB, 149636);
ZELKOR_AT(SignalClock, 149640);
ZELKOR_AT(IndiceClockR, 149644);
ZELKOR_AT(IndiceClockW, 149648);
ZELKOR_AT(ClockData, 149652);
ZELKOR_AT(CommandeClock, 149816);
ZELKOR_AT(SecUnits, 149820);
ZELKOR_AT(SecTens, 149824);
ZELKOR_AT(MinUnits, 149828);
ZELKOR_AT(MinTens, 149832);
ZELKOR_AT(HourUnits, 149836);
ZELKOR_AT(HourTens, 149840);
ZELKOR_AT(DayUnits, 149844);
ZELKOR_AT(DayTens, 149848);
ZELKOR_AT(WeekDay, 149852);
ZELKOR_AT(Month, 149856);
ZELKOR_AT(BuzzerActif, 149860);
ZELKOR_AT(FrequenceMax, 149864);
ZELKOR_AT(gap149868, 149868);
ZELKOR_AT(liFrequency, 149872);
ZELKOR_AT(liCurrent, 149880);
ZELKOR_AT(liLast, 149888);
ZELKOR_AT(KeyboardLock, 149896);
ZELKOR_AT(ToucheLue, 149920);
ZELKOR_AT(ScanClavier, 149924);
ZELKOR_AT(gap149933, 149933);
ZELKOR_AT(Machine, 149936);
ZELKOR_AT(Module, 149940);
ZELKOR_AT(CE150, 149944);
ZELKOR_AT(CE153, 149948);
ZELKOR_AT(CE158, 149952);
ZELKOR_AT(hWnd, 149956);
ZELKOR_AT(MemoryDC, 149960);
ZELKOR_AT(hInstance, 149964);
ZELKOR_AT(BufferVideo, 149968);
ZELKOR_AT(gap150129, 150129);
ZELKOR_AT(LcdOriginX, 150132);
ZELKOR_AT(LcdOriginY, 150136);
ZELKOR_AT(Busy, 150140);
ZELKOR_AT(Shift, 150144);
ZELKOR_AT(Japanese, 150148);
ZELKOR_AT(Small, 150152);
ZELKOR_AT(III, 150156);
ZELKOR_AT(II, 150160);
ZELKOR_AT(I, 150164);
ZELKOR_AT(Def, 150168);
ZELKOR_AT(De, 150172);
ZELKOR_AT(G, 150176);
ZELKOR_AT(Rad, 150180);
ZELKOR_AT(Reserve, 150184);
ZELKOR_AT(Pro, 150188);
ZELKOR_AT(Run, 150192);
ZELKOR_AT(Dots, 150196);
ZELKOR_AT(Running, 155188);
ZELKOR_AT(PixelSize, 155192);
ZELKOR_AT(gap155196, 155196);
ZELKOR_AT(Skin, 155200);
ZELKOR_AT(PosMoteur, 163020);
ZELKOR_AT(SensMoteur, 163024);
ZELKOR_AT(CodeMoteur, 163028);
ZELKOR_AT(CE150Settings, 163032);
ZELKOR_AT(gap163052, 163052);
#undef ZELKOR_AT
static_assert(sizeof(LH5801) == kRecordSize);
static_assert(offsetof(LH5801, Run) - offsetof(LH5801, Busy) == sizeof(uint32_t) * (kAnnunciatorFlags - 1));
static_assert(alignof(LH5801) == 8);

// Byte halves of the 16-bit registers: L is the byte at the lower offset.
inline uint8_t LowByte(uint16_t r) { return static_cast<uint8_t>(r); }
inline uint8_t HighByte(uint16_t r) { return static_cast<uint8_t>(r >> 8); }
