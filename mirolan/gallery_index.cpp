// SPDX-License-Identifier: MIT
#include "mirolan/gallery_index.h"

#include "platform/automation/text.h"

namespace mirolan {

std::vector<GalleryCategory> ParseGalleryIndex(std::string_view text) {
  std::vector<GalleryCategory> categories;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    if (line.ends_with('\r')) line.remove_suffix(1);
    const std::string decoded = automation::FirstChars(automation::DecodeUtf8OrCp1252(line), kMaxIndexLine);
    const std::size_t comma = decoded.find(',');
    if (comma == std::string::npos) continue;
    categories.push_back({decoded.substr(0, comma), decoded.substr(comma + 1)});
  }
  return categories;
}

}  // namespace mirolan
