// SPDX-License-Identifier: MIT
/* Prints each amount of the command line in words, "AMOUNT:WORDS": a C
 * program, built against the prefix through the package config or pkg-config. */
#include <stdint.h>
#include <stdio.h>
#include <string.h>

#include "verbanum/extenso.h"

int main(int argc, char** argv) {
  int status = 0;
  for (int i = 1; i < argc; ++i) {
    char buffer[200];
    memset(buffer, ' ', sizeof buffer - 1); /* the words overwrite a row of blanks */
    buffer[sizeof buffer - 1] = '\0';
    const int32_t length = extenso(argv[i], buffer);
    if (length <= 0) status = 1;
    printf("%s:%.*s\n", argv[i], (int)length, buffer);
  }
  return status;
}
