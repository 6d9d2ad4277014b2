#pragma once
// The dialogs charthost can open: each parses its arguments, calls the
// library and prints what it wrote back.

#include <ostream>
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

std::span<const DialogEntry> Dialogs();
const DialogEntry* FindDialog(std::string_view name);  // case-insensitive

}  // namespace charthost
