#include "debug/report.h"

#include <cstring>
#include <string_view>

#include "debug/banner.h"
#include "machine/memory.h"

namespace {

std::string_view TextOf(const char* text, size_t capacity) { return {text, strnlen(text, capacity)}; }

// "Label         : " and a trace text verbatim, then `end`.
void TextLine(std::FILE* out, const char* label, std::string_view text, const char* end) {
    std::fprintf(out, "%-14s: ", label);
    Put(out, text);
    Put(out, end);
}

void FlagLines(std::FILE* out, const LH5801* m) {
    const struct {
        const char* label;
        unsigned value;
    } flags[] = {
        {"Trace", m->Trace}, {"Desassemble", m->Desassemble}, {"HLT", m->HLT}, {"OFF", m->OFF}, {"IE", m->IE},
        {"C", m->C},         {"Z", m->Z},                     {"H", m->H},     {"V", m->V},     {"IR0", m->IR0},
        {"IR1", m->IR1},     {"IR2", m->IR2},                 {"PU", m->PU},   {"PV", m->PV},   {"DISP", m->DISP},
    };
    for (const auto& f : flags) std::fprintf(out, "%-14s: %01d\n", f.label, f.value);
}

void RegisterLines(std::FILE* out, const LH5801* m) {
    std::fprintf(out, "A             : 0x%02x\n", m->A);
    std::fprintf(out, "X             : 0x%04x\n", m->X);
    std::fprintf(out, "Y             : 0x%04x\n", m->Y);
    std::fprintf(out, "U             : 0x%04x\n", m->U);
    std::fprintf(out, "P             : 0x%04x\n", m->P);
    std::fprintf(out, "S             : 0x%04x\n", m->S);
    std::fprintf(out, "TM            : %03d\n", m->TM);
    std::fprintf(out, "VRegister     : 0x%04x\n", m->VRegister);
    std::fprintf(out, "Cycle         : %02d\n", m->Cycle);
    for (int k = 0; k < 25; ++k) std::fprintf(out, "Temp cycle %02d : %02d\n", k, m->TempCycle[k]);
    std::fprintf(out, "InOut         : 0x%02x\n", m->InOut);
}

void TraceTextLines(std::FILE* out, const LH5801* m) {
    TextLine(out, "MO", TextOf(m->MO, sizeof m->MO), "");
    TextLine(out, "Li", TextOf(m->Li, sizeof m->Li), "\n");
    TextLine(out, "MP", TextOf(m->MP, sizeof m->MP), "\n");
    TextLine(out, "BU", TextOf(m->BU, sizeof m->BU), "");
    TextLine(out, "Debug", TextOf(m->Debug, sizeof m->Debug), "\n");
    TextLine(out, "Time", TextOf(m->Time, sizeof m->Time), "");
    TextLine(out, "GetSet", TextOf(m->GetSet, sizeof m->GetSet), "\n");
}

const char* ClockCommandName(uint32_t command) {
    switch (command) {
        case 0: return "Register Hold";
        case 1: return "Register Shift";
        case 2: return "Time Set";
        case 3: return "Time Read";
        default: return nullptr;
    }
}

void ClockLines(std::FILE* out, const LH5801* m) {
    std::fprintf(out, "Signal STB    : %d\n", m->SignalSTB);
    std::fprintf(out, "Signal Clock  : %d\n", m->SignalClock);
    std::fprintf(out, "IndiceClockR  : %d\n", m->IndiceClockR);
    std::fprintf(out, "IndiceClockW  : %d\n", m->IndiceClockW);
    Put(out, "Clock Data    : ");
    for (uint32_t bit : m->ClockData) std::fprintf(out, "%d", bit);
    Put(out, "\n");
    if (const char* name = ClockCommandName(m->CommandeClock)) std::fprintf(out, "CommandeClock : %s\n", name);
    else std::fprintf(out, "CommandeClock : %d\n", m->CommandeClock);
    std::fprintf(out, "Le %d%d/%d à %d%dh%d%dmn%d%d (%d)\n", m->DayTens, m->DayUnits, m->Month, m->HourTens,
                 m->HourUnits, m->MinTens, m->MinUnits, m->SecTens, m->SecUnits, m->WeekDay);
}

void TimingLines(std::FILE* out, const LH5801* m) {
    std::fprintf(out, "Buzzer actif  : %s\n", m->BuzzerActif ? "Oui" : "Non");
    std::fprintf(out, "FrequenceMax  : %s\n", m->FrequenceMax ? "Oui" : "Non");
    // The counter values as their low 32 bits, signed.
    std::fprintf(out, "liFrequency   : %d\n", static_cast<int32_t>(m->liFrequency));
    std::fprintf(out, "liCurrent     : %d\n", static_cast<int32_t>(m->liCurrent));
    std::fprintf(out, "liLast        : %d\n", static_cast<int32_t>(m->liLast));
}

const char* MachineName(uint32_t machine) {
    switch (machine) {
        case kMachinePC1500A: return "Sharp PC 1500A";
        case kMachinePC1500: return "Sharp PC 1500";
        case kMachinePC2: return "Tandy PC 2";
        default: return nullptr;
    }
}

// The memory modules by menu identifier, 269 to 282.
constexpr const char* kModuleNames[] = {
    "Pas de module",
    "Mémoire vive 4 Ko",
    "Mémoire vive 8 Ko",
    "Mémoire vive 16 Ko",
    "Maximum de Mémoire vive 20 Ko",
    "Développement graphiques",
    "Graphiques commerciaux",
    "Statistiques générales",
    "Distribution statistique",
    "Ingénerie électrique",
    "Analyse de circuits",
    "Finance",
    "Mathématique",
    "Calcul",
};
static_assert(std::size(kModuleNames) == kModuleLastSoftware - kModuleNone + 1);

void ConfigurationLines(std::FILE* out, const LH5801* m) {
    if (const char* machine = MachineName(m->Machine)) std::fprintf(out, "Machine       : %s\n", machine);
    if (m->Module >= kModuleNone && m->Module <= kModuleLastSoftware)
        std::fprintf(out, "Module        : %s\n", kModuleNames[m->Module - kModuleNone]);
    std::fprintf(out, "CE150         : %s\n", m->CE150 == 1 ? "Imprimante Présente" : "Absent");
    std::fprintf(out, "CE153         : %s\n", m->CE153 == 1 ? "Clavier Tactile Présent" : "Absent");
    std::fprintf(out, "CE158         : %s\n", m->CE158 == 1 ? "Interface RS-232 Présent" : "Absent");
    std::fprintf(out, "hWnd          : %d\n", m->hWnd);
}

void DisplayLines(std::FILE* out, const LH5801* m) {
    Put(out, "Buffer vidéo  : ");
    for (int k = 0; k < 160; ++k) std::fprintf(out, "%02x ", m->BufferVideo[k]);
    Put(out, "\n");
    const uint32_t* flags = &m->Busy;
    for (int f = 0; f < kAnnunciatorFlags; ++f)
        std::fprintf(out, "%-14s: %s\n", kAnnunciatorFlagFacts[f].name, flags[f] ? "Oui" : "");
    for (int row = 1; row < kDisplayRows; ++row) {
        char line[kDisplayColumns + 1];
        for (int column = 0; column < kDisplayColumns; ++column) line[column] = m->Dots[row][column] ? '#' : '.';
        line[kDisplayColumns] = '\n';
        std::fwrite(line, 1, sizeof line, out);
    }
}

}  // namespace

void WriteMachineReport(std::FILE* out, const LH5801* m) {
    Put(out, "+---------------------+\n| Dump mémoire LH5801 |\n+---------------------+\n\n");
    std::fprintf(out, "Version       : %04d\n", m->Version);
    FlagLines(out, m);
    RegisterLines(out, m);
    TraceTextLines(out, m);
    ClockLines(out, m);
    TimingLines(out, m);
    ConfigurationLines(out, m);
    DisplayLines(out, m);
}
