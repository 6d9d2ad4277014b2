// SPDX-License-Identifier: MIT
// Prints each amount of the command line in words: "AMOUNT:WORDS".
#include <cstdint>
#include <cstdio>
#include <string>

#include "verbanum/extenso.h"

int main(int argc, char** argv) {
  int status = 0;
  for (int i = 1; i < argc; ++i) {
    std::string buffer(200, ' ');  // the words overwrite a row of blanks
    const std::int32_t length = extenso(argv[i], buffer.data());
    if (length <= 0) status = 1;
    std::printf("%s:%.*s\n", argv[i], static_cast<int>(length), buffer.c_str());
  }
  return status;
}
