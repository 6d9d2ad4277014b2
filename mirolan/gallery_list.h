// SPDX-License-Identifier: MIT
#pragma once
// The category list of the new-chart dialog: the categories of a gallery
// folder, from the gallery's index file or, without one, its subfolders.
//
// The index file is named after the folder's last component + ".txt"
// (Gallery/Gallery.txt); its lines are read as gallery_index.h says. The
// index file and the category folders are found without regard to letter
// case when the exact name is not there. Without an index the entries are
// full paths, cut in the middle where they do not fit.

#include <string>
#include <vector>

#include "mirolan/gallery_index.h"
#include "platform/win/types.h"

namespace mirolan {

class CGalleryListBox {
 public:
  static constexpr std::size_t kMaxLine = kMaxIndexLine;

  void Attach(win::HWND list) { list_ = list; }
  win::HWND hwnd() const { return list_; }

  // Fills the list from a gallery folder and makes the folder the process's
  // current directory; selects the first category.
  void Fill(const std::string& folder);
  // The selected category's folder; empty when none is selected.
  std::string GetSelectedFolder() const;

  const std::vector<std::string>& folders() const { return folders_; }
  const std::vector<std::string>& labels() const { return labels_; }

 private:
  void Add(std::string folder, std::string label);

  win::HWND list_ = nullptr;
  std::vector<std::string> folders_;
  std::vector<std::string> labels_;
};

}  // namespace mirolan
