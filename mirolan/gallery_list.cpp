// SPDX-License-Identifier: MIT
#include "mirolan/gallery_list.h"

#include <optional>

#include "mirolan/files.h"
#include "platform/win/controls.h"

namespace mirolan {

void CGalleryListBox::Add(std::string folder, std::string label) {
  win::ListBox_AddString(list_, label);
  folders_.push_back(std::move(folder));
  labels_.push_back(std::move(label));
}

void CGalleryListBox::Fill(const std::string& folder) {
  folders_.clear();
  labels_.clear();
  win::ListBox_ResetContent(list_);
  SetCurrentDirectory(folder);

  // By its full path: a folder that could not be made current must not read
  // another folder's index.
  // Only a regular file is an index: a folder of that name falls back to the
  // subfolders, and a FIFO is never waited on.
  // Names are matched as the system that made the gallery matches them, without
  // regard to letter case, when the exact name is not there.
  std::optional<std::string> bytes;
  if (std::optional<std::string> index = FindEntryIgnoringCase(folder, LastComponent(folder) + ".txt"))
    bytes = ReadRegularFile(JoinPath(folder, *index));
  if (bytes) {
    win::ListBox_SetEllipsis(list_, win::ListEllipsis::End);
    for (GalleryCategory& c : ParseGalleryIndex(*bytes))
      Add(JoinPath(folder, FindEntryIgnoringCase(folder, c.folder).value_or(c.folder)), std::move(c.label));
  } else {
    // Full paths differ at their ends: cut in the middle, so that every entry reads apart.
    win::ListBox_SetEllipsis(list_, win::ListEllipsis::Middle);
    for (const FolderEntry& e : ListFolder(folder, "*.*")) {
      if (!e.directory || e.name == "." || e.name == "..") continue;
      std::string path = JoinPath(folder, e.name);
      Add(path, path);
    }
  }
  if (!labels_.empty()) win::ListBox_SetCurSel(list_, 0);
}

std::string CGalleryListBox::GetSelectedFolder() const {
  int selected = win::ListBox_GetCurSel(list_);
  if (selected < 0 || static_cast<std::size_t>(selected) >= folders_.size()) return {};
  return folders_[static_cast<std::size_t>(selected)];
}

}  // namespace mirolan
