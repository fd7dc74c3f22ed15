// Draws Sifter's face: the body of a pocket computer seen from above, with the
// display glass at the left, the key wells of the switch keys and commands at
// the right, and the wells of the bottom row's fields and GO keys.
#pragma once

#include "workbench/art/raster.h"

Raster DrawFace();
