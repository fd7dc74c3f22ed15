// The lines the debug run writes into its trace stream, apart from the port
// banners (debug/port_trace.h) and the machine report (debug/report.h).
#pragma once

#include <cstdio>

#include "cpu/record.h"

// One executed instruction: BU; MO with its newline turned into a tab, then
// Debug and a newline; 24 spaces, Li and a newline; GetSet. Every text is
// written verbatim; the stream is flushed.
void WriteInstructionRecord(std::FILE* out, const LH5801* m);

enum class InterruptKind { NonMaskable, Timer, Maskable };

// The banner of an interrupt entry.
void WriteInterruptBanner(std::FILE* out, InterruptKind kind);

// The picture of the display after a change: the 7 dot rows and the lit
// symbols, then the bytes of 7600-764F and of 7700-774F.
void WriteDisplaySnapshot(std::FILE* out, const LH5801* m);

// The boxes at the start and the end of a debug run.
void WriteStartBanner(std::FILE* out);
void WriteEndBanner(std::FILE* out);
