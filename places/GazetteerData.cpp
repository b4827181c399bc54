// The gazetteer's index as the build wrote it, assembled into the program's read-only data, 8-byte aligned.
// It is reached through these two symbols alone: no resource tree of its own for every other resource
// lookup to walk at start-up, and the pages no search reaches are never read from disk.
#include "GazetteerData.h"

// The assembler finds the file on its include path (-Wa,-I, set by the build), so the build folder's name
// never has to survive being quoted inside assembler text. The byte after the end keeps the end symbol inside
// the section, whatever the linker puts after it.
__asm__(
#if defined(_WIN32)
    ".section .rdata,\"dr\"\n"
#else
    ".section .rodata\n"
#endif
    ".balign 8\n"
    ".globl quorvis_gazetteer_index\n"
    "quorvis_gazetteer_index:\n"
    ".incbin \"gazetteer.idx\"\n"
    ".globl quorvis_gazetteer_index_end\n"
    "quorvis_gazetteer_index_end:\n"
    ".byte 0\n"
#if defined(_WIN32)
    ".text\n"
#else
    ".previous\n"
#endif
);
