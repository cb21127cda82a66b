// Helpers for a plug-in's table of exported entry points. Every entry point is a free function
// under the name the compiler gives it; some are also visible under their bare C name, as an
// alias of the same function. The library's version script decides what is visible at all.
#pragma once

#define PLUGIN_EXPORT __attribute__((visibility("default")))

// Makes `bare` a second name of the function whose decorated name is `decorated`.
#define PLUGIN_PLAIN_ALIAS(bare, decorated)                                                        \
    asm(".globl " #bare "\n\t.type " #bare ", @function\n\t.set " #bare ", " #decorated);
