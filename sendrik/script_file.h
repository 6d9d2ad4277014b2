#pragma once
// Script files: decoding of their bytes and splitting into lines.

#include <filesystem>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace sendrik {

// The bytes of a script as UTF-8 text: the whole file read as UTF-8 when it is
// valid UTF-8 (a leading byte-order mark dropped), otherwise as Windows-1252.
std::string DecodeScript(std::string_view bytes);

// Lines of a text split at line feeds; a carriage return before a line feed
// (or at the very end) is dropped. A final line feed does not start a line.
std::vector<std::string> SplitLines(std::string_view text);

// Reads and decodes a whole script file. A file that cannot be opened or read
// raises FileError with the reason.
std::vector<std::string> ReadScriptLines(const std::filesystem::path& path);

class FileError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// A script line as it is sent: every "|" becomes "'".
std::string ToCommand(std::string_view line);
// Empty lines and lines whose first two characters are "--" are not sent.
bool IsSkippedLine(std::string_view line);

}  // namespace sendrik
