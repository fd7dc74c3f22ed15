// The contents of the table files Sifter ships with, built at build time by
// sifter-data-gen: the mnemonic patterns come from the opcode facts of the
// CPU (cpu/opcodes.h), the named addresses and parameter patterns from the
// lists in this folder.
#pragma once

#include <string>

#include "workbench/table.h"

// The pattern of a defined opcode (index 0-255 first page, 256 + n for FD n)
// in the LH5801 dialect, written as the opcode map writes the instruction
// with the placeholders n (byte), pp (address), +e and -e (displacements).
std::string Lh5801Pattern(int index);
// The same instruction in the pseudo-Z80 dialect (see README.md).
std::string PseudoZ80Pattern(int index);

// Mnemo: every defined opcode, the first page before the FD page.
void FillMnemoTable(Table& mnemo);
// ADDR: the system RAM variables, the I/O registers and the CPU vectors.
void FillAddrTable(Table& addr);
// SBR: the parameter patterns of special subroutine calls.
void FillSbrTable(Table& sbr);
