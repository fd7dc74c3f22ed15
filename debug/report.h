// The machine report: the whole record as labelled lines (registers and flags,
// trace texts, clock chip, timing, configuration, display), written at the
// start and at the end of every debug run.
#pragma once

#include <cstdio>

#include "cpu/record.h"

void WriteMachineReport(std::FILE* out, const LH5801* m);
