// SPDX-License-Identifier: MIT
// Calls the set-up entry points of libkestrin.so and libmirolan.so (no
// dialog opens) and prints what they return.
#include <iostream>

#include "kestrin/kestrin.h"
#include "mirolan/mirolan.h"

int main() {
  const int help = EnableDialogsHelp(1);
  const bool initialised = InitNewDialogDLL(0, nullptr) != nullptr;
  std::cout << "help=" << help << " new-chart=" << initialised << "\n";
  return help == 1 && initialised ? 0 : 1;
}
