#include "machine/display.h"

// The refresh hook of the execution step. Decoding and drawing come with the
// window surface; until then display memory is left to itself.
int DisplayRefresh(LH5801*) { return 0; }
