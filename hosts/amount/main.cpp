// SPDX-License-Identifier: MIT
// quorvel-amount VALUE...: writes each amount in words with libverbanum's extenso.
// quorvel-amount --help | --version
//
// Each value gets a blank-filled buffer; the words it receives are printed in
// UTF-8, one line per value. A value that gives no words (an error, or an
// amount of zero) gets an empty line, and standard error names it with the
// library's message; it makes the exit status 1. No value, or an option that
// is not one of amount's, makes it 2.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "platform/automation/program.h"
#include "platform/automation/text.h"
#include "platform/win/msgbox.h"
#include "verbanum/extenso.h"

namespace {

constexpr std::size_t kBufferSize = 512;  // more than the longest amount in words

constexpr const char* kUsage =
    "usage: quorvel-amount [--] VALUE...\n"
    "       quorvel-amount --help | --version\n"
    "  Writes each amount of money (R$ 1.234,56) in Brazilian Portuguese words, one line each\n"
    "  (an empty line for a value that gives no words, named on standard error).\n"
    "  Exit status 1 when a value gives no words, 2 without a value or with an unknown option.\n";

int Usage(const char* problem, std::string_view argument) {
  std::fprintf(stderr, "quorvel-amount: %s%.*s\n%s", problem, static_cast<int>(argument.size()), argument.data(),
               kUsage);
  return 2;
}

// An option, not an amount: a dash before a letter or another dash ("-1,00" is an amount).
bool IsOption(std::string_view argument) {
  return argument.size() > 1 && argument[0] == '-' &&
         (argument[1] == '-' || (argument[1] >= 'a' && argument[1] <= 'z') || (argument[1] >= 'A' && argument[1] <= 'Z'));
}

}  // namespace

int main(int argc, char** argv) {
  if (const auto status = automation::AnswerHelpOrVersion(argc, argv, "quorvel-amount", QV_VERSION, kUsage))
    return *status;
  std::vector<std::string_view> values;
  bool options = true;
  for (int i = 1; i < argc; ++i) {
    const std::string_view argument = argv[i];
    if (options && argument == "--") {
      options = false;
    } else if (options && IsOption(argument)) {
      return Usage("unknown option ", argument);
    } else {
      values.push_back(argument);
    }
  }
  if (values.empty()) return Usage("no VALUE", "");
  int status = 0;
  for (const std::string_view value : values) {
    // The library's message about this value, to name the value with it.
    std::string message;
    std::int32_t length = 0;
    std::string buffer(kBufferSize - 1, ' ');
    {
      win::ScopedMessageBoxHook hook([&](const win::MessageBoxRequest& box) {
        message = box.text;
        return win::IDOK;
      });
      length = extenso(std::string(value).c_str(), buffer.data());
    }
    if (length <= 0) {
      status = 1;
      if (message.empty()) message = "an amount of zero has no words";
      std::fprintf(stderr, "quorvel-amount: %.*s: %s\n", static_cast<int>(value.size()), value.data(), message.c_str());
      std::printf("\n");
      continue;
    }
    const std::string words = automation::Cp1252ToUtf8(std::string_view(buffer).substr(0, static_cast<std::size_t>(length)));
    std::printf("%s\n", words.c_str());
  }
  return status;
}
