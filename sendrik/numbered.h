// SPDX-License-Identifier: MIT
#pragma once
// The numbered scripts of a folder: Script0012.spt, Script13.spt, Script14.spt ...

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace sendrik {

// A name is numbered when the character before its last four (before ".spt")
// is a decimal digit; a name shorter than five characters is not numbered.
bool IsNumberedScript(std::string_view file_name);

// Every decimal digit of the name, in order ("V2Script12.spt" gives "212").
std::string DigitsOf(std::string_view file_name);

// The decimal text of the number plus one, without leading zeros ("0012" gives "13").
std::string NextNumber(std::string_view number_text);

// "Script" + number text + ".spt".
std::string NumberedScriptName(std::string_view number_text);

// The name of the file in `folder` that is `name`: the exact name when it
// exists, otherwise the first (in name order) that matches it with ASCII
// letters of either case; nothing when no file matches.
std::optional<std::string> FindScript(const std::filesystem::path& folder, std::string_view name);

// A full path split into its folder (up to and with the last "/") and its name.
struct ScriptPath {
  std::string folder;
  std::string file_name;
};
ScriptPath SplitScriptPath(std::string_view full_path);

}  // namespace sendrik
