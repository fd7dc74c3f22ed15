// Embeds the model's skin images and the bundled ROM image, whose paths the
// build passes in ZELKOR_SKIN_BLOB and ZELKOR_BUNDLED_ROM_FILE.
#include "models/tables.h"

#define ZELKOR_EMBED(symbol, path)                 \
    asm(".pushsection .rodata\n"                   \
        ".balign 16\n"                             \
        ".hidden " #symbol "\n"                    \
        ".globl " #symbol "\n" #symbol ":\n"       \
        ".incbin \"" path "\"\n"                   \
        ".hidden " #symbol "_end\n"                \
        ".globl " #symbol "_end\n" #symbol "_end:\n" \
        ".byte 0\n"                                \
        ".popsection\n")

ZELKOR_EMBED(zelkor_skin_blob, ZELKOR_SKIN_BLOB);
ZELKOR_EMBED(zelkor_bundled_rom, ZELKOR_BUNDLED_ROM_FILE);
