// SPDX-License-Identifier: MIT
// Sendrik's .spt scripts on any bytes: no crash, no sanitizer report. The
// lines are UTF-8 without line ends or NUL bytes, the commands keep their length, a
// version line's values are cut out or refused with 5 (never anything else),
// and the numbered script names follow their rules. Each line is also tried
// as the value list of a version line.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "platform/automation/error.h"
#include "platform/automation/text.h"
#include "sendrik/numbered.h"
#include "sendrik/script_file.h"
#include "sendrik/version_check.h"

namespace {

void check(bool ok) {
  if (!ok) std::abort();
}

bool Digits(std::string_view s) { return s.find_first_not_of("0123456789") == std::string_view::npos; }

// The two values of a version line, each cut out or refused with 5; the
// number in a value read as Val reads it, 6 when it overflows (1e400).
void VersionValues(std::string_view command) {
  check(sendrik::NamesVersionTable(command));
  for (auto value : {&sendrik::FirstVersionValue, &sendrik::SecondVersionValue}) {
    std::string v;
    try {
      v = value(command);
    } catch (const automation::Error& e) {
      check(e.number() == automation::err::kInvalidArgument);
      continue;
    }
    check(v.size() <= command.size());
    try {
      check(!sendrik::VersionNumber(v).empty());
    } catch (const automation::Error& e) {
      check(e.number() == automation::err::kOverflow);
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  for (const sendrik::ScriptLine& read : sendrik::ReadScriptLines(bytes)) {
    const std::string& line = read.text;
    check(automation::IsValidUtf8(line));
    check(line.find_first_of(std::string_view("\n\r\0", 3)) == std::string::npos);
    const std::string command = sendrik::ToCommand(line);
    check(command.size() == line.size() && command.find('|') == std::string::npos);
    if (sendrik::IsSkippedLine(command)) check(command.empty() || command.starts_with("--"));
    if (sendrik::NamesVersionTable(command)) VersionValues(command);
    VersionValues("insert into fauversaodb (versaopd, versaoct) values('" + command);

    // The line as a script's file name.
    const std::string digits = sendrik::DigitsOf(line);
    check(Digits(digits));
    const std::string next = sendrik::NextNumber(digits);
    check(!next.empty() && Digits(next) && next[0] != '0');
    check(sendrik::NumberedScriptName(next) == "Script" + next + ".spt");
    if (sendrik::IsNumberedScript(line)) check(!digits.empty());
    const sendrik::ScriptPath parts = sendrik::SplitScriptPath(line);
    check(parts.folder + parts.file_name == line);
  }
  return 0;
}
