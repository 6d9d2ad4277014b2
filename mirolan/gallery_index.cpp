#include "mirolan/gallery_index.h"

namespace mirolan {

std::vector<GalleryCategory> ParseGalleryIndex(std::string_view text) {
  std::vector<GalleryCategory> categories;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    if (line.ends_with('\r')) line.remove_suffix(1);
    line = line.substr(0, kMaxIndexLine);
    const std::size_t comma = line.find(',');
    if (comma == std::string_view::npos) continue;
    categories.push_back({std::string(line.substr(0, comma)), std::string(line.substr(comma + 1))});
  }
  return categories;
}

}  // namespace mirolan
