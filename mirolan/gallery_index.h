// SPDX-License-Identifier: MIT
#pragma once
// A gallery's index file: one category a line, the subfolder, a comma and
// the label. A line without a comma is skipped; the line end ("\n" or
// "\r\n") is dropped and a line is read up to 255 characters. Each line is
// read as UTF-8 when it is valid UTF-8, otherwise as Windows-1252 (an index
// written on Windows).

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace mirolan {

inline constexpr std::size_t kMaxIndexLine = 255;

struct GalleryCategory {
  std::string folder;  // as written, before the first comma (UTF-8)
  std::string label;   // after it (UTF-8)
};

// The categories of an index file's bytes, in order.
std::vector<GalleryCategory> ParseGalleryIndex(std::string_view text);

}  // namespace mirolan
