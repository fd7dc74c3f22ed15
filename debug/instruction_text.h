// The texts a traced instruction leaves in the record, formed before the
// instruction changes any state: the instruction line (MO), its description
// (Li), the register line (BU) with the comment of the instruction's address
// (Debug), and the access line (GetSet). `index` is the instruction's
// dispatch entry (0-255, or 256 + the byte after FD) and P its address.
//
// Operand values are read without side effects: ME0 through the ME0 read,
// ME1 straight from the array.
#pragma once

#include "cpu/record.h"

// Every text of the instruction at P, in the traced handler's order: MO, Li,
// BU and Debug, GetSet. With Desassemble 1, MO takes the short line.
void FormInstructionTexts(LH5801* m, int index);

// "0x%04X : ", the bytes in a field of 15, the mnemonic text and "\n"; the
// short form (listing-only mode) leaves out the values.
void FormInstructionLine(LH5801* m, int index, bool shortForm);

// The description of the instruction into Li.
void FormDescription(LH5801* m, int index);

// The register line into BU; from A000 on, the ROM comment of P into Debug.
void FormRegisterLine(LH5801* m);

// The access line into GetSet, or nothing for instructions without one or
// addresses without an annotation.
void FormAccessLine(LH5801* m, int index);
