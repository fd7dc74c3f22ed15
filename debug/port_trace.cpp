#include "debug/port_trace.h"

#include <iterator>
#include <mutex>

#include "debug/banner.h"
#include "machine/clock.h"
#include "machine/machine.h"
#include "machine/memory.h"
#include "machine/port.h"

namespace {

// The register blocks of the second bank and the chip each belongs to.
enum class Chip { CE153, CE150, CE158, MainUnit };

struct Block {
    uint16_t first;
    Chip chip;
    const char* name;
};
constexpr Block kBlocks[] = {
    {0x8000, Chip::CE153, "CE153"},
    {0xB000, Chip::CE150, "CE150"},
    {0xD000, Chip::CE158, "CE158"},
    {0xF000, Chip::MainUnit, "Zelkor"},
};
constexpr uint16_t kUartFirst = 0xD200, kUartLast = 0xD203;

// Ports C, A and B (digits 8, E, F) in the order of kBlocks' chips.
constexpr const char* kPortCTexts[] = {
    "Port C : Key Strobe.",
    "Port C : PC0-PC3 = X Motor Control, PC4-PC7 = Y Motor Control.",
    "Port C : Baud Rate Select, Centronics DATA + STROBE + INIT.",
    "Port C : Timer control.",
};
constexpr const char* kPortATexts[] = {
    "Port A : Key Input Port.",
    "Port A : Remote 0 Control, Manual Print Mode assignment.",
    "Port A : RS232, Low Batt, Baud Rate Select.",
    "Port A : KEY STROBE.",
};
constexpr const char* kPortBTexts[] = {
    "Port B : Key Input Port, Key Strobe.",
    "Port B : Pen UP/DOWN, Color detection, Low Batt, Paper Feed Key.",
    "Port B : Centronics DATA + BUSY.",
    "Port B : Serial from cassette, timer control, ON key input.",
};

const char* RegisterText(Chip chip, int digit) {
    const auto c = static_cast<size_t>(chip);
    switch (digit) {
        case 4: return "Divider Reset.";
        case 5: return "U register output.";
        case 6: return "Serial transfer.";
        case 7: return "Load divider to register F.";
        case 8: return kPortCTexts[c];
        case 9: return "G Register Input/Output.";
        case 0xA: return "MSK Register Input/Output.";
        case 0xB: return "IF Register Input/Output.";
        case 0xC: return "Specify Port A I/O Direction.";
        case 0xD: return "Specify Port B I/O Direction.";
        case 0xE: return kPortATexts[c];
        case 0xF: return kPortBTexts[c];
        default: return "Do not use.";
    }
}

// "Label %d" bit lines of the registers with details, bit 0 first.
constexpr const char* kPlotterPortBBits[] = {
    "*** Bit 0 : Pen UP/DOWN     ", "*** Bit 1 : Pen UP/DOWN     ", "*** Bit 2 : Color detection ",
    "*** Bit 3 :                 ", "*** Bit 4 :                 ", "*** Bit 5 :                 ",
    "*** Bit 6 : Low Batt        ", "*** Bit 7 : Paper Feed Key  ",
};
constexpr const char* kPlotterPortABits[] = {
    "*** Bit 0 :                              ", "*** Bit 1 : Remote 0 Control             ",
    "*** Bit 2 : Remote 0 Control             ", "*** Bit 3 : Remote 1 Control             ",
    "*** Bit 4 : Remote 1 Control             ", "*** Bit 5 : Manual Print Mode assignment ",
    "*** Bit 6 :                              ", "*** Bit 7 :                              ",
};
constexpr const char* kMotorBits[] = {
    "*** Bit 0 : X Motor Control A ", "*** Bit 1 :        =        C ", "*** Bit 2 :        =        B ",
    "*** Bit 3 :        =        D ", "*** Bit 4 : Y Motor Control A ", "*** Bit 5 :        =        C ",
    "*** Bit 6 :        =        B ", "*** Bit 7 :        =        D ",
};
constexpr int kMotorCoilOrder[] = {0, 2, 1, 3, 4, 6, 5, 7};
constexpr const char* kTimerPortBits[] = {
    "*** Bit 0 : Data In du timer.    : ", "*** Bit 1 : STB ??               : ", "*** Bit 2 : CLK ??               : ",
    "*** Bit 3 : C0 Commande du timer : ", "*** Bit 4 : C1 Commande du timer : ", "*** Bit 5 : C2 Commande du timer : ",
    "*** Bit 6 : Buzzer ???           : ", "*** Bit 7 : ???                  : ",
};

void BitLine(std::FILE* out, const Banner& b, const char* label, uint8_t v, int bit) {
    b.Framed(out, std::string(label) + static_cast<char>('0' + ((v >> bit) & 1)));
}

void BitLines(std::FILE* out, const Banner& b, const char* const (&labels)[8], uint8_t v) {
    for (int bit = 0; bit < 8; ++bit) BitLine(out, b, labels[bit], v, bit);
}

std::string Formatted(const char* format, int value) {
    char text[128];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

// The clock command as port trace lines write it.
void ClockCommandLine(std::FILE* out, uint32_t command) {
    static constexpr const char* kNames[] = {"Register Hold", "Register Shift", "Time Set", "Time Read"};
    if (command < std::size(kNames)) std::fprintf(out, "+++ CommandeClock : %s\n", kNames[command]);
    else std::fprintf(out, "+++ CommandeClock : %d\n", command);
}

// --- Reads with details ------------------------------------------------------

// F00E: the key latch, written under the keyboard lock that the read then
// takes its byte under, so that the lines show the matrix it uses.
uint8_t TracedKeyboardRead(LH5801* m, uint16_t a, std::FILE* out) {
    Banner(PortMessage(a, false)).Write(out);
    if (!KeyLatchInUse(m)) return ME1Read(m, a);
    std::lock_guard<std::mutex> lock(HostOf(m).keyboardLock);
    if (m->ScanClavier[0] != 0xFF) {
        std::fprintf(out, "--> Touche lue            %d \n", m->ToucheLue);
        static constexpr const char* kStrobes[] = {"ff", "01", "02", "04", "08", "10", "20", "40", "80"};
        for (int k = 0; k < 9; ++k)
            std::fprintf(out, "--> Scan du clavier :  0x%s   %d (%d) \n", kStrobes[k], m->ScanClavier[k], k);
    }
    std::fflush(out);
    KeyboardPortTakeLatch(m);
    return m->ME1[a];
}

// F00F: the clock's data bit and the calendar.
uint8_t TracedClockRead(LH5801* m, uint16_t a, std::FILE* out) {
    const uint8_t before = m->ME1[a];
    const uint8_t v = ME1Read(m, a);
    const Banner b(PortMessage(a, false));
    b.Open(out);
    b.Blank(out);
    b.Framed(out, Formatted("*** IndiceClock : %2d  Read", static_cast<int>(m->IndiceClockR) - 1));
    b.Framed(out, Formatted("*** ClockData[] : %d", (v >> 6) & 1));
    b.Framed(out, Formatted("*** Machine Jap : %d", (before >> 3) & 1));
    std::fprintf(out, "Le %d%d/%d à %d%dh%d%dmn%d%d\n", m->DayTens, m->DayUnits, m->Month, m->HourTens, m->HourUnits,
                 m->MinTens, m->MinUnits, m->SecTens, m->SecUnits);
    for (uint32_t bit : m->ClockData) std::fprintf(out, "%d", bit);
    Put(out, "\n");
    ClockCommandLine(out, m->CommandeClock);
    b.Blank(out);
    b.Close(out);
    return v;
}

// B00F: the plotter's pen, colour and battery bits.
uint8_t TracedPlotterPortBRead(LH5801* m, uint16_t a, std::FILE* out) {
    const uint8_t v = ME1Read(m, a);
    const Banner b(PortMessage(a, false));
    b.Open(out);
    BitLines(out, b, kPlotterPortBBits, v);
    b.Close(out);
    return v;
}

// --- Writes with details -----------------------------------------------------

// The plotter's work bytes in system RAM, as the B008 write lists them.
struct WorkByte {
    const char* label;
    uint16_t address;
};
constexpr WorkByte kPlotterWorkBytes[] = {
    {"User counter XH            ", 0x79E0}, {"User counter XL            ", 0x79E1},
    {"User counter YH            ", 0x79E2}, {"User counter YL            ", 0x79E3},
    {"Scissoring counter YH      ", 0x79E4}, {"Scissoring counter YL      ", 0x79E5},
    {"Compteur avance horizontale", 0x79E6}, {"Scissoring counter XH      ", 0x79E7},
    {"Scissoring counter XL      ", 0x79E8}, {"Line type                  ", 0x79EA},
    {"Dot line counter           ", 0x79EB}, {"Up / Down                  ", 0x79EC},
    {"X Motor hold counter       ", 0x79ED}, {"Port C                     ", 0x79EE},
    {"Y Motor hold counter       ", 0x79EF},
};

// The motor position (1-4) of a phase pattern: 3, 6, 12, 9; 0 for others.
int MotorPosition(int phase) {
    switch (phase) {
        case 3: return 1;
        case 6: return 2;
        case 12: return 3;
        case 9: return 4;
        default: return 0;
    }
}

// B008: the motor phases, the plotter's state, then both bit tables.
void MotorPortWrite(LH5801* m, uint16_t a, uint8_t v, std::FILE* out) {
    ME1Write(m, a, v);
    if (const int x = MotorPosition(v & 0x0F)) {
        std::fprintf(out, "--> Moteur X POS %d\n", x);
        std::fprintf(out, "--> Pos Moteur   %d\n", m->PosMoteur);
        std::fprintf(out, "--> Sens Moteur  %d\n", m->SensMoteur);
        std::fprintf(out, "--> Code Moteur  %d\n", m->CodeMoteur);
    }
    if (const int y = MotorPosition(v >> 4)) std::fprintf(out, "--> Moteur Y POS %d\n", y);
    for (const WorkByte& w : kPlotterWorkBytes)
        std::fprintf(out, "--> %s [0x%04X] 0x%02x \n", w.label, w.address, ME0Read(m, w.address));
    std::fprintf(out, "*** Valeur moteur 0x%02x ***\n", v);
    const Banner b(PortMessage(a, true));
    b.Open(out);
    b.Blank(out);
    BitLines(out, b, kMotorBits, v);
    b.Blank(out);
    for (int bit : kMotorCoilOrder) BitLine(out, b, kMotorBits[bit], v, bit);
    b.Blank(out);
    b.Close(out);
}

// B00E and B00F: the bits of the byte written between blank framed lines.
void FramedBitsWrite(LH5801* m, uint16_t a, uint8_t v, std::FILE* out, const char* const (&labels)[8]) {
    ME1Write(m, a, v);
    const Banner b(PortMessage(a, true));
    b.Open(out);
    b.Blank(out);
    BitLines(out, b, labels, v);
    b.Blank(out);
    b.Close(out);
}

// The ten digits a Time Set takes from the 40 register bits.
constexpr const char* kTimeSetDigits[] = {
    "-->     Secondes : %d \n", "--> Diz Secondes : %d \n", "-->     Minutes  : %d \n", "--> Diz Minutes  : %d \n",
    "-->     Heures   : %d \n", "--> Diz Heures   : %d \n", "-->     Jour     : %d \n", "--> Diz Jour     : %d \n",
    "-->     Jour/Sem : %d \n", "-->     Mois     : %d \n",
};

void TimeSetLines(std::FILE* out, const LH5801* m) {
    Put(out, "--> Mise à jour du timer  \n--> ");
    for (int k = 0; k < 40; ++k) {
        if (k > 0 && k % 4 == 0) Put(out, " ");
        std::fprintf(out, "%d", m->ClockData[k]);
    }
    Put(out, "\n");
    for (int g = 0; g < 10; ++g) {
        const uint32_t* w = &m->ClockData[4 * g];
        std::fprintf(out, kTimeSetDigits[g], (w[0] & 1) | (w[1] & 1) << 1 | (w[2] & 1) << 2 | (w[3] & 1) << 3);
    }
}

// F008: the timer and clock control bits, then what the clock chip did with
// them, read from its state before and after the write.
void TimerPortWrite(LH5801* m, uint16_t a, uint8_t v, std::FILE* out) {
    const Banner b(PortMessage(a, true));
    b.Open(out);
    b.Blank(out);
    b.Blank(out);
    BitLines(out, b, kTimerPortBits, v);

    const uint32_t commandBefore = m->CommandeClock;
    const bool strobeRises = (v & 0x02) && m->SignalSTB == 0;
    const bool clockRises = (v & 0x04) && m->SignalClock == 0;
    const uint32_t writeIndex = strobeRises ? 0 : m->IndiceClockW;
    ME1Write(m, a, v);

    if (strobeRises && commandBefore == kClockTimeRead) Put(out, "+++ Initialisation de la lecture\n");
    ClockCommandLine(out, m->CommandeClock);
    if (clockRises && m->CommandeClock == kClockRegisterShift && writeIndex < kClockBits)
        std::fprintf(out, "+++ %2d : %d\n", writeIndex, v & 1);
    if (m->CommandeClock == kClockTimeSet) TimeSetLines(out, m);
    b.Blank(out);
    b.Close(out);
}

}  // namespace

std::string PortMessage(uint16_t a, bool write) {
    const char* verb = write ? "*** Ecriture: " : "*** Lecture : ";
    char text[160];
    if (a >= kUartFirst && a <= kUartLast) {
        std::snprintf(text, sizeof text, "%s%04X:CE158 UART.%s***", verb, a, write ? " " : "  ");
        return text;
    }
    for (const Block& block : kBlocks) {
        if (a >= block.first && a <= block.first + 0xF) {
            std::snprintf(text, sizeof text, "%s%04X:%s %s ***", verb, a, block.name, RegisterText(block.chip, a & 0xF));
            return text;
        }
    }
    std::snprintf(text, sizeof text, "%sAdresse : %04x. ***", verb, a);
    return text;
}

uint8_t TracedME1Read(LH5801* m, uint16_t a, std::FILE* out) {
    if (!out) return ME1Read(m, a);
    switch (a) {
        case kPortA: return TracedKeyboardRead(m, a, out);
        case kPortB: return TracedClockRead(m, a, out);
        case 0xB00F: return TracedPlotterPortBRead(m, a, out);
        default: Banner(PortMessage(a, false)).Write(out); return ME1Read(m, a);
    }
}

void TracedME1Write(LH5801* m, uint16_t a, uint8_t v, std::FILE* out) {
    if (!out) return ME1Write(m, a, v);
    switch (a) {
        case kCe150PortC: return MotorPortWrite(m, a, v, out);
        case 0xB00E: return FramedBitsWrite(m, a, v, out, kPlotterPortABits);
        case 0xB00F: return FramedBitsWrite(m, a, v, out, kPlotterPortBBits);
        case kPortC: return TimerPortWrite(m, a, v, out);
        default: Banner(PortMessage(a, true)).Write(out); ME1Write(m, a, v);
    }
}
