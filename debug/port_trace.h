// The traced accesses to the second bank: each performs exactly the ME1 read
// or ME1 write of the machine and writes, into the trace stream, the banner
// of the register it touches, with detail lines for the registers whose bits
// matter (keyboard port, clock and timer port, the plotter's ports).
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>

#include "cpu/record.h"

// The banner writes go to the stream passed in; a null stream writes nothing.
uint8_t TracedME1Read(LH5801* m, uint16_t a, std::FILE* out);
void TracedME1Write(LH5801* m, uint16_t a, uint8_t v, std::FILE* out);

// The banner's message line of an access, e.g.
// "*** Lecture : F00E:Zelkor Port A : KEY STROBE. ***".
std::string PortMessage(uint16_t a, bool write);
