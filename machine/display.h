// The display model: display memory (7600-764F, 7700-774D) decoded into the
// dot buffer and the annunciator flags, and the changed parts drawn.
#pragma once

#include "cpu/record.h"

// Called after every executed instruction. Returns 1 when display memory
// differed from BufferVideo, else 0.
int DisplayRefresh(LH5801* m);
