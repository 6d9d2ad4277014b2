// SPDX-License-Identifier: MIT
#include "sendrik/script_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <utility>

#include "platform/automation/text.h"
#include "sendrik/system_error.h"

namespace sendrik {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr std::string_view kNulSymbol = "\u2400";
constexpr std::size_t kChunk = std::size_t{1} << 16;
// What a line too long to send keeps of its beginning, for the log.
constexpr std::size_t kShownBytes = 200;

// Non-blocking, so that a FIFO or a device never makes the caller wait; the
// kind is checked on the open file itself.
int OpenRegularFile(const std::filesystem::path& path) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) throw FileError(SystemErrorText(errno));
  struct stat st {};
  int error = 0;
  if (::fstat(fd, &st) != 0) {
    error = errno;
  } else if (S_ISDIR(st.st_mode)) {
    error = EISDIR;
  } else if (!S_ISREG(st.st_mode)) {
    error = -1;
  } else if (::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK) != 0) {
    error = errno;
  }
  if (error == 0) return fd;
  ::close(fd);
  throw FileError(error < 0 ? std::string("não é um arquivo comum") : SystemErrorText(error));
}

// The beginning of a line cut before a character that may be incomplete.
std::string_view Beginning(std::string_view bytes) {
  bytes = bytes.substr(0, kShownBytes);
  if (bytes.size() < kShownBytes) return bytes;
  while (!bytes.empty() && (static_cast<unsigned char>(bytes.back()) & 0xC0) == 0x80) bytes.remove_suffix(1);
  if (!bytes.empty() && static_cast<unsigned char>(bytes.back()) >= 0xC0) bytes.remove_suffix(1);
  return bytes;
}

}  // namespace

ScriptReader::ScriptReader(const std::filesystem::path& path, std::size_t max_line_bytes)
    : ScriptReader(OpenRegularFile(path), std::string(), max_line_bytes) {}

ScriptReader::ScriptReader(int fd, std::string bytes, std::size_t max_line_bytes)
    : fd_(fd), buffer_(std::move(bytes)), max_line_bytes_(max_line_bytes) {}

ScriptReader ScriptReader::FromBytes(std::string_view bytes, std::size_t max_line_bytes) {
  return ScriptReader(-1, std::string(bytes), max_line_bytes);
}

ScriptReader::ScriptReader(ScriptReader&& other) noexcept
    : fd_(std::exchange(other.fd_, -1)),
      buffer_(std::move(other.buffer_)),
      pos_(other.pos_),
      max_line_bytes_(other.max_line_bytes_),
      first_line_(other.first_line_),
      byte_order_mark_(other.byte_order_mark_),
      raw_(std::move(other.raw_)),
      too_long_(other.too_long_) {}

ScriptReader::~ScriptReader() {
  if (fd_ >= 0) ::close(fd_);
}

bool ScriptReader::Refill() {
  if (fd_ < 0) return false;
  buffer_.erase(0, pos_);
  pos_ = 0;
  const std::size_t kept = buffer_.size();
  buffer_.resize(kept + kChunk);
  for (;;) {
    const ssize_t n = ::read(fd_, buffer_.data() + kept, kChunk);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) {
      const int error = errno;
      buffer_.resize(kept);
      throw FileError(SystemErrorText(error));
    }
    buffer_.resize(kept + static_cast<std::size_t>(n));
    if (n == 0) {
      ::close(std::exchange(fd_, -1));
      return false;
    }
    return true;
  }
}

void ScriptReader::Append(std::string_view bytes) {
  if (too_long_) return;
  if (raw_.size() + bytes.size() <= max_line_bytes_) {
    raw_.append(bytes);
    return;
  }
  too_long_ = true;
  raw_.append(bytes.substr(0, kShownBytes));
  raw_.resize(Beginning(raw_).size());
}

void ScriptReader::Finish(ScriptLine& line) {
  std::string_view raw = raw_;
  bool mark = false;
  if (first_line_ && byte_order_mark_) {
    mark = automation::IsValidUtf8(raw.substr(kByteOrderMark.size()));
    if (mark) raw.remove_prefix(kByteOrderMark.size());
  }
  first_line_ = false;
  line.text = automation::DecodeUtf8OrCp1252(raw);
  line.fault = too_long_ ? ScriptLine::Fault::kTooLong : ScriptLine::Fault::kNone;
  if (line.text.find('\0') != std::string::npos) {
    if (!too_long_) line.fault = ScriptLine::Fault::kNul;
    std::string shown;
    for (const char c : line.text) {
      if (c == '\0') {
        shown += kNulSymbol;
      } else {
        shown += c;
      }
    }
    line.text = std::move(shown);
  }
  raw_.clear();
  too_long_ = false;
}

bool ScriptReader::Next(ScriptLine& line) {
  if (first_line_ && pos_ == 0 && raw_.empty()) {
    // The byte-order mark, when the file begins with one.
    while (buffer_.size() < kByteOrderMark.size() && Refill()) {
    }
    byte_order_mark_ = std::string_view(buffer_).starts_with(kByteOrderMark);
    if (byte_order_mark_) {
      raw_.assign(kByteOrderMark);
      pos_ = kByteOrderMark.size();
    }
  }
  bool started = !raw_.empty() && !(first_line_ && raw_ == kByteOrderMark);
  for (;;) {
    if (pos_ == buffer_.size() && !Refill()) {
      if (!started) {
        raw_.clear();
        return false;
      }
      Finish(line);
      return true;
    }
    const std::string_view rest = std::string_view(buffer_).substr(pos_);
    const std::size_t end = rest.find_first_of("\r\n");
    Append(rest.substr(0, end));
    if (end == std::string_view::npos) {
      pos_ = buffer_.size();
      started = true;
      continue;
    }
    pos_ += end + 1;
    if (rest[end] == '\r' && (pos_ < buffer_.size() || Refill()) && buffer_[pos_] == '\n') ++pos_;
    Finish(line);
    return true;
  }
}

std::vector<ScriptLine> ReadScriptLines(std::string_view bytes) {
  std::vector<ScriptLine> lines;
  ScriptReader reader = ScriptReader::FromBytes(bytes);
  for (ScriptLine line; reader.Next(line);) lines.push_back(std::move(line));
  return lines;
}

std::string ToCommand(std::string_view line) {
  std::string command(line);
  std::replace(command.begin(), command.end(), '|', '\'');
  return command;
}

bool IsSkippedLine(std::string_view line) { return line.empty() || line.starts_with("--"); }

}  // namespace sendrik
