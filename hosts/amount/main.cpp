// amount VALUE...: writes each amount in words with libverbanum's extenso.
// amount --help | --version
//
// Each value gets a blank-filled buffer; the words it receives are printed in
// UTF-8, one line per value. A value that gives no words (an error, which the
// library reports in its message box, or an amount of zero) makes the exit
// status 1; a missing argument makes it 2.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>

#include "platform/automation/program.h"
#include "platform/automation/text.h"
#include "verbanum/extenso.h"

namespace {

constexpr std::size_t kBufferSize = 512;  // more than the longest amount in words

constexpr const char* kUsage =
    "usage: amount VALUE...\n"
    "       amount --help | --version\n"
    "  Writes each amount of money (R$ 1.234,56) in Brazilian Portuguese words, one line each.\n"
    "  Exit status 1 when a value gives no words, 2 without a value.\n";

}  // namespace

int main(int argc, char** argv) {
  if (const auto status = automation::AnswerHelpOrVersion(argc, argv, "amount", QV_VERSION, kUsage)) return *status;
  if (argc < 2) {
    std::fputs(kUsage, stderr);
    return 2;
  }
  int status = 0;
  for (int i = 1; i < argc; ++i) {
    std::string buffer(kBufferSize - 1, ' ');
    const std::int32_t length = extenso(argv[i], buffer.data());
    if (length <= 0) {
      status = 1;
      continue;
    }
    const std::string words = automation::Cp1252ToUtf8(std::string_view(buffer).substr(0, static_cast<std::size_t>(length)));
    std::printf("%s\n", words.c_str());
  }
  return status;
}
