// SPDX-License-Identifier: MIT
#pragma once
// The dialogs charthost can open: each parses its arguments, calls the
// library and prints what it wrote back.

#include <ostream>
#include <sstream>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace charthost {

struct DialogEntry {
  const char* name;
  const char* arguments;  // for the usage text
  // Returns false (writing why) when the arguments are malformed.
  bool (*run)(std::span<const std::string> args, std::ostream& out, std::ostream& err);
};

// A runner whose line is printed whole once the dialog has closed, so that
// what the host prints meanwhile (a help call) comes before it.
template <bool (*Run)(std::span<const std::string>, std::ostream&, std::ostream&)>
bool AfterTheDialog(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
  std::ostringstream line;
  bool ok = Run(args, line, err);
  out << line.str() << std::flush;
  return ok;
}

std::span<const DialogEntry> Dialogs();
const DialogEntry* FindDialog(std::string_view name);  // case-insensitive

}  // namespace charthost
