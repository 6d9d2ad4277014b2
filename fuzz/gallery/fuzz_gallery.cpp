// SPDX-License-Identifier: MIT
// Gallery index files on any bytes (the first line stands for the gallery
// folder): no crash, no sanitizer report; every category comes from one line
// of at most 255 characters and is UTF-8 whatever the bytes, and the
// categories written back as lines read back the same.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "mirolan/files.h"
#include "mirolan/gallery_index.h"
#include "platform/automation/text.h"

namespace {

void check(bool ok) {
  if (!ok) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string_view text(reinterpret_cast<const char*>(data), size);
  const std::size_t end = text.find('\n');
  const std::string_view folder = text.substr(0, end);
  const std::string_view index = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);

  const std::string name = mirolan::LastComponent(folder);
  check(name.find('/') == std::string::npos && folder.find(name) != std::string_view::npos);
  check(mirolan::JoinPath(folder, name + ".txt").starts_with(folder));

  const auto categories = mirolan::ParseGalleryIndex(index);
  std::size_t lines = 0;
  for (const char c : index) lines += c == '\n';
  check(categories.size() <= lines + 1);
  std::string again;
  for (const auto& c : categories) {
    check(c.folder.find_first_of(",\n") == std::string::npos && c.label.find('\n') == std::string::npos);
    check(automation::IsValidUtf8(c.folder) && automation::IsValidUtf8(c.label));
    const std::string line = c.folder + "," + c.label;
    check(automation::FirstChars(line, mirolan::kMaxIndexLine) == line);
    check(mirolan::JoinPath(folder, c.folder).size() == folder.size() + 1 + c.folder.size());
    again += c.folder + "," + c.label + "\r\n";
  }
  const auto read_again = mirolan::ParseGalleryIndex(again);
  check(read_again.size() == categories.size());
  for (std::size_t i = 0; i < categories.size(); ++i)
    check(read_again[i].folder == categories[i].folder && read_again[i].label == categories[i].label);
  return 0;
}
