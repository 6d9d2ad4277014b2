// SPDX-License-Identifier: MIT
#pragma once
// The new-chart dialog (template 2120): gallery categories on the left, the
// templates of the chosen category as thumbnails on the right.

#include <string>
#include <vector>

#include "mirolan/gallery_list.h"
#include "mirolan/thumbnail_list.h"
#include "platform/win/types.h"

namespace mirolan {

// Control ids of the template.
inline constexpr int kGalleryCombo = 12085;
inline constexpr int kCategoryList = 12086;
inline constexpr int kDescription = 12088;
inline constexpr int kFileName = 12089;
inline constexpr int kHelpButton = 12090;
inline constexpr int kSetupButton = 12091;
inline constexpr int kThumbnailList = 12093;
inline constexpr int kSetupGallery = 12092;
inline constexpr int kSetupFile = 12094;

class CNewChartDlg {
 public:
  CNewChartDlg(std::string root, win::HINSTANCE module);
  // IDOK when the user chose a template; IDCANCEL, or -1 when the dialog
  // could not open (no Qt application, no module or no template 2120).
  win::INT_PTR DoModal(win::HWND owner = nullptr);

  const std::string& result_file_name() const { return result_file_name_; }
  const std::string& result_folder() const { return result_folder_; }

 private:
  win::INT_PTR Proc(win::HWND dialog, win::UINT msg, win::WPARAM wparam, win::LPARAM lparam);
  bool OnInitDialog();
  void LoadGalleries();
  void FillGalleryCombo();
  void OnSelChangeGallery();
  void OnSelChangeCategory();
  void OnThumbnailSelChange();
  void OnThumbnailConfirm();
  void OnHelpButton();
  void OnSetupButton();
  void OnOK();

  std::string root_;
  win::HINSTANCE module_;
  std::vector<std::string> gallery_folders_;
  std::vector<std::string> gallery_labels_;
  int current_gallery_ = 0;
  std::string result_file_name_;
  std::string result_folder_;
  win::HWND dialog_ = nullptr;
  CGalleryListBox categories_;
  CThumbnailListBox thumbnails_;
};

}  // namespace mirolan
