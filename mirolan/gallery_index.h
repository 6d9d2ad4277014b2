#pragma once
// A gallery's index file: one category a line, the subfolder, a comma and
// the label. A line without a comma is skipped; the line end ("\n" or
// "\r\n") is dropped and a line is read up to 255 characters.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace mirolan {

inline constexpr std::size_t kMaxIndexLine = 255;

struct GalleryCategory {
  std::string folder;  // as written, before the first comma
  std::string label;   // after it
};

// The categories of an index file's bytes, in order.
std::vector<GalleryCategory> ParseGalleryIndex(std::string_view text);

}  // namespace mirolan
