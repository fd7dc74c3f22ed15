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
