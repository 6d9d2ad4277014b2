// SPDX-License-Identifier: MIT
#pragma once
// Script files: read one line at a time, each line decoded on its own.

#include <cstddef>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace sendrik {

// A line of a script as it was read.
struct ScriptLine {
  enum class Fault {
    kNone,
    kNul,      // holds a NUL byte
    kTooLong,  // longer than the reader's limit: `text` is its beginning
  };
  std::string text;  // UTF-8, without its line end; a NUL byte shows as U+2400
  Fault fault = Fault::kNone;
  friend bool operator==(const ScriptLine&, const ScriptLine&) = default;
};

class FileError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Reads a script line by line. A line ends at a line feed, a carriage return,
// or a carriage return followed by a line feed; a final line end does not
// start a line. A leading byte-order mark is dropped when the first line is
// valid UTF-8 after it.
class ScriptReader {
 public:
  static constexpr std::size_t kMaxLineBytes = std::size_t{16} << 20;

  // Opens a regular file only; anything else (missing, a folder, a FIFO, a
  // device) raises FileError with the reason, without waiting on it.
  explicit ScriptReader(const std::filesystem::path& path, std::size_t max_line_bytes = kMaxLineBytes);
  // The lines of bytes held in memory.
  static ScriptReader FromBytes(std::string_view bytes, std::size_t max_line_bytes = kMaxLineBytes);
  ~ScriptReader();
  ScriptReader(ScriptReader&& other) noexcept;
  ScriptReader& operator=(ScriptReader&&) = delete;
  ScriptReader(const ScriptReader&) = delete;
  ScriptReader& operator=(const ScriptReader&) = delete;

  // The next line into `line`; false at the end. A read error raises FileError.
  bool Next(ScriptLine& line);

 private:
  ScriptReader(int fd, std::string bytes, std::size_t max_line_bytes);
  bool Refill();
  void Append(std::string_view bytes);
  void Finish(ScriptLine& line);

  int fd_ = -1;  // -1: the bytes are all in buffer_
  std::string buffer_;
  std::size_t pos_ = 0;
  std::size_t max_line_bytes_;
  bool first_line_ = true;
  bool byte_order_mark_ = false;
  std::string raw_;  // the line being read, up to the limit
  bool too_long_ = false;
};

// Every line of bytes held in memory.
std::vector<ScriptLine> ReadScriptLines(std::string_view bytes);

// A script line as it is sent: every "|" becomes "'".
std::string ToCommand(std::string_view line);
// Empty lines and lines whose first two characters are "--" are not sent.
bool IsSkippedLine(std::string_view line);

}  // namespace sendrik
