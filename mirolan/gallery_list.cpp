#include "mirolan/gallery_list.h"

#include <fstream>
#include <iterator>

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
  std::ifstream index(JoinPath(folder, LastComponent(folder) + ".txt"), std::ios::binary);
  if (index) {
    const std::string text{std::istreambuf_iterator<char>(index), std::istreambuf_iterator<char>()};
    for (GalleryCategory& c : ParseGalleryIndex(text)) Add(JoinPath(folder, c.folder), std::move(c.label));
  } else {
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
