#include "debug/trace_writer.h"

#include <cstring>

#include "debug/banner.h"
#include "machine/display.h"

namespace {

// The bytes of one display block, each "%02x ", then a newline.
void WriteDisplayBytes(std::FILE* out, const LH5801* m, uint16_t first) {
    char line[80 * 3 + 2];
    size_t used = 0;
    for (int k = 0; k < 80; ++k) used += static_cast<size_t>(std::snprintf(line + used, sizeof line - used, "%02x ", m->ME0[first + k]));
    line[used++] = '\n';
    std::fwrite(line, 1, used, out);
}

}  // namespace

void WriteInstructionRecord(std::FILE* out, const LH5801* m) {
    Put(out, {m->BU, strnlen(m->BU, sizeof m->BU)});
    const size_t mo = strnlen(m->MO, sizeof m->MO);
    Put(out, {m->MO, mo > 0 ? mo - 1 : 0});
    Put(out, "\t");
    Put(out, {m->Debug, strnlen(m->Debug, sizeof m->Debug)});
    Put(out, "\n                        ");
    Put(out, {m->Li, strnlen(m->Li, sizeof m->Li)});
    Put(out, "\n");
    Put(out, {m->GetSet, strnlen(m->GetSet, sizeof m->GetSet)});
    std::fflush(out);
}

void WriteInterruptBanner(std::FILE* out, InterruptKind kind) {
    switch (kind) {
        case InterruptKind::NonMaskable: Banner("*** Non Maskable Interrup Processing. ***").Write(out); return;
        case InterruptKind::Timer: Banner("*** Timer Interrupt routine. ***").Write(out); return;
        case InterruptKind::Maskable: Banner("*** Maskable Interrupt processing. ***").Write(out); return;
    }
}

void WriteDisplaySnapshot(std::FILE* out, const LH5801* m) {
    Put(out, DisplaySnapshot(m));
    WriteDisplayBytes(out, m, kDisplayBlock1);
    WriteDisplayBytes(out, m, kDisplayBlock2);
}

void WriteStartBanner(std::FILE* out) {
    Put(out, "+--------------------+\n|  Début du thread.  |\n+--------------------+\n");
}

void WriteEndBanner(std::FILE* out) {
    Put(out, "+--------------------+\n|   Fin du thread.   |\n+--------------------+\n");
}
