// The look of the skins: every image of a model library drawn from the
// positions and sizes of models/tables.h.
#pragma once

#include "models/skin/canvas.h"
#include "models/tables.h"

// The case (entry 0): body, display window, printed labels, empty key wells.
Canvas DrawCase(const ModelTables& model);

// Key entry `index` (1-66), released or pressed.
Canvas DrawKey(const ModelTables& model, int index, bool pressed);

// Annunciator entry `entry` (67-81, 81 the power dot), lit or unlit.
Canvas DrawAnnunciator(const ModelTables& model, int entry, bool lit);

// Dot image 82 (unlit), 182 (lit, small) or 183 (lit, full cell).
Canvas DrawDot(int id);

// The about picture (505 x 318) of dialog 1000.
Canvas DrawAboutPicture();

// The PC keyboard (608 x 143) of dialog 1100: on every PC key the legend of
// the emulated key of `model` it presses, from the PC key table `keyOfCode`.
Canvas DrawKeyboardPicture(const ModelTables& model, uint32_t (*keyOfCode)(int));
