// SPDX-License-Identifier: MIT
/* The amount in words: libverbanum.so's one export. */
#ifndef VERBANUM_EXTENSO_H
#define VERBANUM_EXTENSO_H

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

/* Writes the amount in `valor` (zero-terminated, e.g. "R$ 1.234,56") in
 * Brazilian Portuguese words, Windows-1252 bytes, each word after one blank.
 * `buffer` must already hold a zero-terminated text at least as long as the
 * words (a row of blanks, say): the words are copied over its first bytes,
 * without a terminator, and the rest of the text stays.
 * Returns the number of bytes written; 0 after an error (reported in a message
 * box) and, without a message, for an amount of zero. */
__attribute__((visibility("default"))) int32_t extenso(const char* valor, char* buffer);

#ifdef __cplusplus
}
#endif

#endif
